// The plant's CBE checks (codes, conversion, the CBE bit, the busy state), the KORVA module
// check and the plant's queries.
#include "plant/Plant.h"

#include "../app/IsolatedHome.h"
#include "LoopTestSupport.h"
#include "PlantTestSupport.h"
#include "TestBase.h"
#include "cbe/CBEExpression.h"
#include "cbe/CBEPlantInfo.h"
#include "cbe/OvCBEEditor.h"
#include "core/Configuration.h"
#include "plant/PanelBlockWrite.h"
#include "plant/PointType.h"

#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>

static const IsolatedHome s_home;

namespace {

// A byte of the zone names that every conversion resets: it tells whether copyTo ran.
constexpr int kMarker = 7;

void setMarker()
{
    PanelBlockWrite(0, 4, 4).data()[kMarker] = 0x5A;
}

bool markerKept()
{
    return planttest::block(4).at(kMarker) == 0x5A;
}

// CPU 1, loop 1 of type ADV: KORVA sensors (code 65) at 1 and 4, another sensor at 3.
void korvaLoop(Plant& plant)
{
    QVERIFY(looptest::forceLoopType(plant, 0, 0, 0));
    for (const OvGenericPoint& s : {looptest::typed(1, 1, 1, 1, 1, 1, 65, 60), looptest::typed(1, 1, 3, 1, 1, 1, 20, 2),
                                    looptest::typed(1, 1, 4, 1, 1, 1, 65, 60)})
        plant.cpus().setPoint(&s);
}

OvGenericPoint korva(int address, int hw, int input1, int input2)
{
    OvGenericPoint m = looptest::typed(1, 1, address, 1, 2, 1, u16(hw), 22, hw == 180 ? 2 : 0);
    m.setFastInput(input1, input2, false);
    return m;
}

// CPU 1, loop 1 of type 1 (VARN) or 2 (APOLLO): a module at 2 and a module at 10 whose
// channels (VARN two, APOLLO six) take the addresses from 10 on; every one of type row `row`.
void moduleLoop(Plant& plant, int loopType, u8 row)
{
    QVERIFY(looptest::forceLoopType(plant, 0, 0, loopType));
    const bool apollo = loopType == 2;
    const int protocol = apollo ? 4 : 2;
    const int series = apollo ? 4 : 1;
    plant.setPoint(looptest::typed(1, 1, 2, protocol, 2, series, apollo ? 41984 : 130, row));
    OvGenericPoint channels = looptest::typed(1, 1, 10, protocol, 2, series, apollo ? 43009 : 133, row, apollo ? 6 : 2);
    looptest::editChannels(channels, [row](OvGenericSubPoint& c, int) { c.setSWType(row, true); });
    plant.setPoint(channels);
}

// The type of a channel: its default, else the first the catalogue allows; 0 for none.
u8 channelType(u16 code, u32 loopType, u32 sub, u32 panelFamily)
{
    const std::vector<u8> types = get_sw_type_list(code, loopType, sub, panelFamily);
    const u8 type = get_default_type(code, sub);
    return type != 0 || types.empty() ? type : types.front();
}

// The modules a group may name: outputs for a direct group, inputs for a reverse one.
u8 rowFor(const Plant& plant, int group)
{
    return group <= plant.groups().directGroupsCount() ? 22 : 53;
}

// The keypad's verdict on the text of a group, or of points by their owners: what the page's
// keypad shows with the logical check.
template <class Owner>
bool keypadAccepts(const Plant& plant, const Owner& owner, const QString& text)
{
    Ov4800::setCBEPlant(&plant);
    Ov4800::OvCBEEditor editor;
    editor.enableLogicalCtrl(true);
    if constexpr (std::is_same_v<Owner, int>)
        editor.init(owner, owner <= plant.groups().directGroupsCount(), Ov4800::toStorageString(text));
    else
        editor.init(owner, text.startsWith('('), Ov4800::toStorageString(text));
    const bool accepted = editor.getErrorCount() == 0 && editor.getString() == Ov4800::toStorageString(text);
    Ov4800::setCBEPlant(nullptr);
    return accepted;
}

} // namespace

class TstPlantChecks : public TestBase {
    Q_OBJECT

private slots:
    // The rows that choose a detector brand leave the one the others run under.
    void cleanup()
    {
        Configuration::instance()->set_current_brand(0);
        TestBase::cleanup();
    }

    void init()
    {
        QCOMPARE(g_zpConf->new_config(8), 0);
        planttest::resetPanel();
        g_zpConf->set_networked(1);
    }

    void nothingToCheck()
    {
        Plant plant;
        setMarker();
        QCOMPARE(plant.checkGroupCBE(nullptr), 3841u);
        QCOMPARE(plant.checkPointCBE(nullptr), 3841u);
        OvGroup group(5);
        QCOMPARE(plant.checkGroupCBE(&group), 0u);
        const OvGenericPoint point = looptest::typed(1, 1, 2, 2, 1, 1, 30, 4);
        QCOMPARE(plant.checkPointCBE(&point), 0u);
        QVERIFY(markerKept());
    }

    void groupChecks_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("error");
        QTest::newRow("direct naming a higher group") << 3 << "(G5)" << 0u;
        QTest::newRow("direct naming a lower group") << 3 << "(G1)" << 528u;
        QTest::newRow("reverse naming a lower group") << 1000 << "OR(G900)" << 0u;
        QTest::newRow("reverse naming a higher group") << 1000 << "OR(G1200)" << 530u;
    }

    void groupChecks()
    {
        QFETCH(int, group);
        QFETCH(QString, text);
        QFETCH(uint, error);
        Plant plant;
        QCOMPARE(plant.groups().directGroupsCount(), 800);
        const OvGroup* g = &plant.groups().groups().at(group - 1);
        plant.groups().groupAt(group - 1)->setCBE(text);
        setMarker();
        if (error)
            expectWarning("CBE ERROR: " + QRegularExpression::escape(text));
        QCOMPARE(plant.checkGroupCBE(g), error);
        QVERIFY(!markerKept());
        QCOMPARE(g->cbeErrorCode(), int(OvGroup::kUnchecked));
    }

    void pointCheck()
    {
        Plant plant;
        QVERIFY(plant.setCPULoopType(0, 0, 1));
        OvGenericPoint sensor = looptest::typed(1, 1, 2, 2, 1, 1, 30, 4);
        sensor.setCBE("OR(G1)");
        plant.setPoint(sensor);
        QCOMPARE(plant.checkPointCBE(plant.getPoint(0, 0, 1, 1)), 0u);
        // Group 1601 is past the groups: compile error 9.
        sensor.setCBE("OR(G1601)");
        expectWarning("CBE ERROR: OR\\(G1601\\)");
        QCOMPARE(plant.checkPointCBE(&sensor), 528u);
    }

    // The whole-plant check clears the CBE bit only, and tells the pages once.
    void cbeSystem()
    {
        Plant plant;
        QSignalSpy modified(&plant, &Plant::plantDataModified);
        plant.checkCBESystem();
        QCOMPARE(modified.count(), 0);
        OvGroupsSystem groups = plant.groups();
        groups.groupAt(2)->setCBE("(G5)");
        plant.setGroups(groups);
        QCOMPARE(plant.getModificationStat(), 64u | 256u);
        plant.setCPUDescription(0, "North");
        modified.clear();
        QCOMPARE(plant.groups().groups().at(2).cbeErrorCode(), int(OvGroup::kUnchecked));
        plant.checkCBESystem();
        QCOMPARE(plant.getModificationStat(), 64u | 16u);
        QCOMPARE(modified.count(), 1);
        QVERIFY(plant.isPlantDataModified());
        QCOMPARE(plant.groups().groups().at(2).cbeErrorCode(), 0);
    }

    // A compile converts the plant on another thread: a check then leaves everything as it is.
    void busy()
    {
#ifndef QT_NO_DEBUG
        QSKIP("a debug build asserts on a check during a compile");
#endif
        Plant plant;
        OvGroupsSystem groups = plant.groups();
        groups.groupAt(2)->setCBE("(G1)");
        plant.setGroups(groups);
        plant.setBusy(true);
        setMarker();
        QCOMPARE(plant.checkGroupCBE(&plant.groups().groups().at(2)), Plant::kCheckBusy);
        OvGenericPoint sensor = looptest::typed(1, 1, 2, 2, 1, 1, 30, 4);
        sensor.setCBE("OR(C1L1S9)");
        QCOMPARE(plant.checkPointCBE(&sensor), Plant::kCheckBusy);
        plant.checkCBESystem();
        QVERIFY(markerKept());
        QCOMPARE(plant.getModificationStat(), 64u | 256u);
        QCOMPARE(plant.groups().groups().at(2).cbeErrorCode(), int(OvGroup::kUnchecked));
        plant.setBusy(false);
        expectWarning("CBE ERROR: \\(G1\\)");
        plant.checkCBESystem();
        QCOMPARE(plant.getModificationStat(), 64u);
    }

    // A group program naming modules, compiled and read back under a detector brand whose
    // keypad takes no sub-address: it reads back as typed, the keypad opens it whole, and Enter
    // without an edit stores the same program.
    void keypadKeepsReadModules_data()
    {
        QTest::addColumn<int>("brand"); // APOLLO loops are read back under brand 4 only
        QTest::addColumn<int>("loopType");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        QTest::newRow("brand 4, APOLLO module") << 4 << 2 << true << "(C1L1M2)";
        QTest::newRow("brand 4, APOLLO module and channel 3") << 4 << 2 << true << "(C1L1M2 C1L1M12)";
        QTest::newRow("brand 4, APOLLO channels 1 and 6") << 4 << 2 << true << "(C1L1M10 C1L1M15)";
        QTest::newRow("brand 4, APOLLO reverse") << 4 << 2 << false << "OR(C1L1M2 C1L1M11)";
        QTest::newRow("brand 3, VARN module and channel 2") << 3 << 1 << true << "(C1L1M2 C1L1M11)";
        QTest::newRow("brand 3, VARN reverse") << 3 << 1 << false << "AND(C1L1M10 NOT(C1L1M2))";
    }

    void keypadKeepsReadModules()
    {
        QFETCH(int, brand);
        QFETCH(int, loopType);
        QFETCH(bool, direct);
        QFETCH(QString, text);
        Plant plant;
        Configuration::instance()->set_current_brand(brand);
        const int group = direct ? 1 : plant.groups().directGroupsCount() + 1;
        moduleLoop(plant, loopType, rowFor(plant, group));
        plant.groups().groupAt(group - 1)->setCBE(text);
        const auto record = [group] { return planttest::block(5).mid((group - 1) * 33, 33).toHex(); };
        QCOMPARE(plant.copyTo(), 0);
        const QByteArray stored = record();
        QVERIFY(!stored.startsWith("f0"));
        plant.copyFrom();
        const QString read = plant.groups().groups().at(group - 1).cbe();
        QCOMPARE(read, text);
        Ov4800::OvCBEEditor editor;
        editor.init(group, direct, Ov4800::toStorageString(read));
        QVERIFY(editor.isEnabled(Ov4800::OvCBEEditor::BTN_ENTER));
        editor.add(Ov4800::OvCBEEditor::BTN_ENTER);
        QCOMPARE(editor.getErrorCount(), 0);
        plant.groups().groupAt(group - 1)->setCBE(Ov4800::toDisplayString(editor.getString()));
        QCOMPARE(plant.copyTo(), 0);
        QCOMPARE(record(), stored);
    }

    // The keypad and the compiler take the same module references: a channel of a module whose
    // channels take consecutive addresses is named by its own address.
    void moduleAddresses_data()
    {
        QTest::addColumn<int>("loopType");
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("VARN module") << 1 << true << "(C1L1M2)" << true;
        QTest::newRow("VARN channel 1") << 1 << true << "(C1L1M10)" << true;
        QTest::newRow("VARN channel 2") << 1 << true << "(C1L1M11)" << true;
        QTest::newRow("VARN past the channels") << 1 << true << "(C1L1M12)" << false;
        QTest::newRow("VARN free address") << 1 << true << "(C1L1M3)" << false;
        QTest::newRow("VARN channel 2, reverse") << 1 << false << "OR(C1L1M11)" << true;
        QTest::newRow("VARN past the channels, reverse") << 1 << false << "OR(C1L1M12)" << false;
        QTest::newRow("APOLLO channel 6") << 2 << true << "(C1L1M15)" << true;
        QTest::newRow("APOLLO past the channels") << 2 << true << "(C1L1M16)" << false;
    }

    void moduleAddresses()
    {
        QFETCH(int, loopType);
        QFETCH(bool, direct);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        Plant plant;
        Configuration::instance()->set_current_brand(3);
        const int group = direct ? 1 : plant.groups().directGroupsCount() + 1;
        moduleLoop(plant, loopType, rowFor(plant, group));
        plant.groups().groupAt(group - 1)->setCBE(text);
        QCOMPARE(keypadAccepts(plant, group, text), accepted);
        if (!accepted)
            expectWarning("CBE ERROR: " + QRegularExpression::escape(text));
        QCOMPARE(plant.checkGroupCBE(&plant.groups().groups().at(group - 1)) == 0, accepted);
    }

    // Every channel of every module with channels that the type tree offers on the loop, named
    // in a group program the way the keypad types it: its keys are offered (and "." only where
    // the channel shares its module's address), the compile stores the channel's record address,
    // Check CBE passes and reading the program back gives the text again; a group of the other
    // kind may name it only under FLT or DIS.
    void channelNames_data()
    {
        QTest::addColumn<int>("panelType");
        QTest::addColumn<int>("brand");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("channel");
        // panel type, its family, brand, loop type (0 ADV, 1 VARN, 2 APOLLO), protocol of the
        // points: the loop's, or ADV for the codes of the first series as the device row types them
        const int kLoops[][5] = {{8, 2, 3, 1, 2}, {8, 2, 4, 2, 4}, {0, 0, 0, 0, 1}, {0, 0, 0, 1, 2}, {8, 2, 3, 1, 1}};
        for (const auto& l : kLoops)
            for (u16 code : get_hw_type_list(u32(l[1]), u8(l[3]), DEVICE_KIND_MODULE))
                for (u32 c = 1; is_module_code(code) && get_sub_num(code) > 1 && c <= get_sub_num(code); ++c)
                    if (channelType(u16(code), u32(l[3]), c - 1, u32(l[1])) != 0
                        && (l[4] != 1 || PointType::seriesOf(code) == 1))
                        QTest::addRow("brand %d, loop type %d, protocol %d, code %d, channel %u", l[2], l[3], l[4],
                                      code, c)
                            << l[0] << l[2] << l[3] << l[4] << int(code) << int(c);
    }

    void channelNames()
    {
        QFETCH(int, panelType);
        QFETCH(int, brand);
        QFETCH(int, loopType);
        QFETCH(int, protocol);
        QFETCH(int, code);
        QFETCH(int, channel);
        QCOMPARE(g_zpConf->new_config(u32(panelType)), 0);
        Configuration::instance()->set_current_brand(brand);
        Plant plant;
        QVERIFY(looptest::forceLoopType(plant, 0, 0, loopType));
        const u16 hw = u16(code);
        OvGenericPoint m = looptest::typed(1, 1, 10, protocol, 2, PointType::seriesOf(hw), hw,
                                           channelType(hw, u32(loopType), 0, PointType::panelFamily()),
                                           int(get_sub_num(hw)));
        looptest::editChannels(m, [&](OvGenericSubPoint& c, int i) {
            c.setSWType(channelType(hw, u32(loopType), u32(i), PointType::panelFamily()), true);
        });
        plant.setPoint(m);
        const u8 type = channelType(hw, u32(loopType), u32(channel - 1), PointType::panelFamily());
        QVERIFY(get_type_class(type) >= 2);
        const bool direct = get_type_class(type) == 3;
        const int group = direct ? 1 : plant.groups().directGroupsCount() + 1;
        // Channels of the ADV protocol share the module's address; the others take their own.
        const bool shared = protocol == 1;
        const QString name = shared ? QString("10.%1").arg(channel) : QString::number(9 + channel);
        const QString text = QString(direct ? "(C1L1M%1)" : "OR(C1L1M%1)").arg(name);

        Ov4800::setCBEPlant(&plant);
        Ov4800::OvCBEEditor editor;
        editor.enableLogicalCtrl(true);
        editor.init(group, direct, QString());
        QStringList keys = direct ? QStringList() : QStringList{"OR"};
        for (QChar k : "C1L1M" + name)
            keys << k;
        for (const QString& key : keys) {
            int button = 0;
            while (button < Ov4800::OvCBEEditor::BTN_COUNT && editor.getBtnName(button) != key)
                ++button;
            QVERIFY2(editor.isEnabled(button) && editor.add(button), qPrintable(key + " refused"));
        }
        const int dotButton = 31;
        QCOMPARE(editor.isEnabled(dotButton), false);
        QCOMPARE(Ov4800::toDisplayString(editor.getString()), text);
        QCOMPARE(editor.getErrorCount(), 0);
        Ov4800::setCBEPlant(nullptr);

        plant.groups().groupAt(group - 1)->setCBE(text);
        QCOMPARE(plant.checkGroupCBE(&plant.groups().groups().at(group - 1)), 0u);
        QCOMPARE(plant.copyTo(), 0);
        // The operand names the channel's record: CPU 1, line 1, module, its sub-address and
        // address 10, six nibbles lowest first.
        QString nibbles = QString::number(0x92000 | (channel - 1) << 9, 16).rightJustified(6, '0').toUpper();
        std::reverse(nibbles.begin(), nibbles.end());
        const QString program = (direct ? "A0D" : "A2D") + nibbles + "A1F";
        QCOMPARE(planttest::block(5).mid((group - 1) * 33, program.size() / 2).toHex().toUpper(), program.toLatin1());
        plant.copyFrom();
        QCOMPARE(plant.groups().groups().at(group - 1).cbe(), text);
        // Named by a group of the other kind, the keypad and Check CBE refuse it alike.
        const int other = direct ? plant.groups().directGroupsCount() + 1 : 1;
        const QString otherText = QString(direct ? "OR(C1L1M%1)" : "(C1L1M%1)").arg(name);
        plant.groups().groupAt(other - 1)->setCBE(otherText);
        QVERIFY(!keypadAccepts(plant, other, otherText));
        expectWarning("CBE ERROR: " + QRegularExpression::escape(otherText));
        QVERIFY(plant.checkGroupCBE(&plant.groups().groups().at(other - 1)) != 0);
        // Under FLT a condition reads an output's faults; DIS names any module.
        const QString lifted = QString(direct ? "OR(FLT(C1L1M%1))" : "(DIS(C1L1M%1))").arg(name);
        plant.groups().groupAt(other - 1)->setCBE(lifted);
        QVERIFY(keypadAccepts(plant, other, lifted));
        QCOMPARE(plant.checkGroupCBE(&plant.groups().groups().at(other - 1)), 0u);

        // Read by a plant still showing another file, with a module without channels there.
        const u32 family = PointType::panelFamily();
        u16 plain = 0;
        for (u16 c : get_hw_type_list(family, u8(loopType), DEVICE_KIND_MODULE))
            if (!plain && is_module_code(c) && get_sub_num(c) == 1 && PointType::seriesOf(c) == PointType::seriesOf(hw)
                && channelType(c, u32(loopType), 0, family) != 0)
                plain = c;
        QVERIFY(plain);
        plant.setPoint(looptest::typed(1, 1, 10, protocol, 2, PointType::seriesOf(plain), plain,
                                       channelType(plain, u32(loopType), 0, family)));
        Ov4800::setCBEPlant(&plant);
        plant.copyFrom();
        Ov4800::setCBEPlant(nullptr);
        QCOMPARE(plant.groups().groups().at(group - 1).cbe(), text);
    }

    // A point's program, as the keypad opened on its row checks it, as Check CBE checks it and
    // as the compile stores it: a sensor's list names any module, an input's list outputs only,
    // an output's condition inputs only (another output's faults under FLT); no module its own.
    void pointPrograms_data()
    {
        QTest::addColumn<int>("loopType");
        QTest::addColumn<QString>("owner"); // S5 sensor, M2 input, M3 output, M10 channels: input, outputs
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        for (int loopType : {1, 2}) {
            const auto row = [loopType](const char* name, const char* owner, const char* text, bool accepted) {
                QTest::addRow("%s, %s", loopType == 1 ? "VARN" : "APOLLO", name)
                    << loopType << QString(owner) << QString(text) << accepted;
            };
            row("sensor names an input", "S5", "(C1L1M2)", true);
            row("sensor names a free address", "S5", "(C1L1M4)", false);
            row("input names an output", "M2", "(C1L1M3 C1L1M11)", true);
            row("input names an input channel", "M2", "(C1L1M10)", false);
            row("output reads an input channel", "M3", "OR(C1L1M10)", true);
            row("output reads an output", "M3", "OR(C1L1M11)", false);
            row("output reads an output's faults", "M3", "OR(FLT(C1L1M11))", true);
            row("output reads its own faults", "M3", "OR(FLT(C1L1M3))", false);
            row("input channel names an output", "M10.1", "(C1L1M3)", true);
            row("input channel names an input", "M10.1", "(C1L1M2)", false);
            row("output channel reads an input", "M10.2", "OR(C1L1M2 C1L1M10)", true);
            row("output channel reads an output", "M10.2", "OR(C1L1M3)", false);
            row("output channel reads its own faults", "M10.2", "OR(FLT(C1L1M11))", false);
            row("output reads the panel's last group", "M3", "OR(G400)", true);
            row("output reads a group past the panel's", "M3", "OR(G401)", false);
            row("output reads the panel's last area", "M3", "OR(Z150)", true);
            row("output reads an area past the panel's", "M3", "OR(Z151)", false);
        }
    }

    void pointPrograms()
    {
        QFETCH(int, loopType);
        QFETCH(QString, owner);
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        Configuration::instance()->set_current_brand(loopType == 1 ? 3 : 4);
        // A panel of 400 groups and 150 areas.
        QCOMPARE(g_zpConf->new_config(7), 0);
        Plant plant;
        QCOMPARE(plant.groups().count(), 400);
        QCOMPARE(plant.getMaxAreasCount(), 150);
        QVERIFY(looptest::forceLoopType(plant, 0, 0, loopType));
        const bool apollo = loopType == 2;
        const int protocol = apollo ? 4 : 2, series = apollo ? 4 : 1;
        const u16 plain = apollo ? 41984 : 130;
        plant.setPoint(apollo ? looptest::typed(1, 1, 5, 4, 1, 4, 62464, 2) : looptest::typed(1, 1, 5, 2, 1, 1, 30, 4));
        plant.setPoint(looptest::typed(1, 1, 2, protocol, 2, series, plain, 53));
        plant.setPoint(looptest::typed(1, 1, 3, protocol, 2, series, plain, 22));
        OvGenericPoint channels = looptest::typed(1, 1, 10, protocol, 2, series, apollo ? 43009 : 133, 53,
                                                  apollo ? 6 : 2);
        looptest::editChannels(channels, [](OvGenericSubPoint& c, int i) { c.setSWType(i == 0 ? 53 : 22, true); });
        plant.setPoint(channels);
        const uint address = owner.mid(1).section('.', 0, 0).toUInt();
        const int sub = owner.section('.', 1).toInt();
        OvGenericPoint edited = *plant.getPoint(0, 0, address - 1, owner[0] == 'S' ? 1 : 2);
        looptest::editChannels(edited, [&](OvGenericSubPoint& c, int i) { c.setCBE(i == sub - 1 ? text : ""); });
        if (sub == 0)
            edited.setCBE(text);
        plant.setPoint(edited);
        const auto ownerPoint = [&]() -> const OvGenericPoint* {
            const OvGenericPoint* p = plant.getPoint(0, 0, address - 1, owner[0] == 'S' ? 1 : 2);
            return sub == 0 ? p : &p->subPoints().at(sub - 1);
        };
        QVERIFY(ownerPoint()->isValid());

        Ov4800::setCBEPlant(&plant);
        Ov4800::OvCBEEditor editor;
        editor.enableLogicalCtrl(true);
        editor.init(QVariantList{ownerPoint()->cbeOwner()}, text.startsWith('('), Ov4800::toStorageString(text));
        QCOMPARE(editor.getErrorCount() == 0 && editor.getString() == Ov4800::toStorageString(text), accepted);
        // Opened on the sensor's row and the owner's together it holds to both; the sensor names
        // any module there is.
        editor.init(QVariantList{plant.getPoint(0, 0, 4, 1)->cbeOwner(), ownerPoint()->cbeOwner()},
                    text.startsWith('('), Ov4800::toStorageString(text));
        QCOMPARE(editor.getErrorCount() == 0, accepted);
        QCOMPARE(editor.getFirstErrorMsg() == "0", accepted);
        Ov4800::setCBEPlant(nullptr);
        if (!accepted)
            expectWarning("CBE ERROR: " + QRegularExpression::escape(text));
        QCOMPARE(plant.checkPointCBE(ownerPoint()) == 0, accepted);
        QCOMPARE(plant.copyTo(), 0);
        plant.copyFrom();
        QCOMPARE(ownerPoint()->cbe(), accepted ? text : QString());
    }

    // A sensor named in a list is driven as an output, and the panel drives it only where its
    // record is plain (device class 0: ADV series 1, APOLLO; VARN and the other ADV series go out
    // as class 1). The keypad, Check CBE and the compile agree, in a group's list and a sensor's.
    void listSensors_data()
    {
        QTest::addColumn<int>("panelType");
        QTest::addColumn<int>("brand");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("accepted");
        // panel type, its family, brand, loop type (0 ADV, 1 VARN, 2 APOLLO)
        const int kLoops[][4] = {{0, 0, 0, 0}, {0, 0, 0, 1}, {8, 2, 3, 1}, {8, 2, 4, 2}};
        for (const auto& l : kLoops)
            for (u16 code : get_hw_type_list(u32(l[1]), u8(l[3]), DEVICE_KIND_SENSOR))
                if (!is_module_code(code))
                    QTest::addRow("brand %d, loop type %d, code %d", l[2], l[3], code)
                        << l[0] << l[2] << l[3] << int(code)
                        << (l[3] == 2 || (l[3] == 0 && PointType::seriesOf(code) == 1));
    }

    void listSensors()
    {
        QFETCH(int, panelType);
        QFETCH(int, brand);
        QFETCH(int, loopType);
        QFETCH(int, code);
        QFETCH(bool, accepted);
        QCOMPARE(g_zpConf->new_config(u32(panelType)), 0);
        Configuration::instance()->set_current_brand(brand);
        Plant plant;
        QVERIFY(looptest::forceLoopType(plant, 0, 0, loopType));
        const QString text = "(C1L1S5)";
        const u16 hw = u16(code);
        for (int address : {5, 3}) {
            OvGenericPoint s = looptest::typed(1, 1, address, loopType == 0 ? 1 : loopType * 2, 1,
                                               PointType::seriesOf(hw), hw,
                                               channelType(hw, u32(loopType), 0, PointType::panelFamily()));
            s.setCBE(address == 3 ? text : QString());
            plant.setPoint(s);
        }
        const OvGenericPoint* owner = plant.getPoint(0, 0, 2, 1);
        QVERIFY(owner->isValid());
        plant.groups().groupAt(0)->setCBE(text);
        QCOMPARE(keypadAccepts(plant, 1, text), accepted);
        QCOMPARE(keypadAccepts(plant, QVariantList{owner->cbeOwner()}, text), accepted);
        if (!accepted)
            expectWarning("CBE ERROR: " + QRegularExpression::escape(text));
        QCOMPARE(plant.checkGroupCBE(&plant.groups().groups().at(0)) == 0, accepted);
        QCOMPARE(plant.checkPointCBE(owner) == 0, accepted);
        QCOMPARE(plant.copyTo(), 0);
        // A group whose program goes out empty keeps its text; a point's text goes.
        QCOMPARE(plant.groups().writeToPanelData().contains(1), !accepted);
        plant.copyFrom();
        QCOMPARE(plant.getPoint(0, 0, 2, 1)->cbe(), accepted ? text : QString());
    }

    void korvaModules_data()
    {
        QTest::addColumn<int>("hw");
        QTest::addColumn<int>("input1");
        QTest::addColumn<int>("input2");
        QTest::addColumn<int>("result");
        QTest::newRow("181 right") << 181 << 1 << 0 << 0;
        QTest::newRow("181 without input") << 181 << 0 << 0 << 581;
        QTest::newRow("181 on another sensor") << 181 << 3 << 0 << 581;
        QTest::newRow("181 on a free address") << 181 << 2 << 0 << 581;
        QTest::newRow("181 taken by the module at 20") << 181 << 4 << 0 << 584;
        QTest::newRow("182 right") << 182 << 1 << 4 << 584;
        QTest::newRow("182 inputs 5 and 5") << 182 << 5 << 5 << 584;
        QTest::newRow("182 inputs 1 and 1") << 182 << 1 << 1 << 0;
        QTest::newRow("182 inputs 2 and 2") << 182 << 2 << 2 << 584;
        QTest::newRow("182 second on a module address") << 182 << 1 << 20 << 582;
        QTest::newRow("182 second missing") << 182 << 1 << 0 << 582;
        QTest::newRow("not a KORVA code") << 130 << 0 << 0 << 0;
    }

    // The module at address 20 uses input 4.
    void korvaModules()
    {
        QFETCH(int, hw);
        QFETCH(int, input1);
        QFETCH(int, input2);
        QFETCH(int, result);
        Plant plant;
        korvaLoop(plant);
        const OvGenericPoint other = korva(20, 181, 4, 0);
        plant.cpus().setPoint(&other);
        OvGenericPoint m = hw == 130 ? looptest::typed(1, 1, 10, 1, 2, 1, 130, 46) : korva(10, hw, input1, input2);
        plant.cpus().setPoint(&m);
        QCOMPARE(plant.checkKorvaModule(plant.getPoint(0, 0, 9, 2)), result);
    }

    void korvaChannels()
    {
        Plant plant;
        korvaLoop(plant);
        QCOMPARE(plant.checkKorvaModule(nullptr), 0);
        // A channel without a type is missing.
        OvGenericPoint broken = korva(40, 180, 0, 0);
        looptest::editChannels(broken, [](OvGenericSubPoint& c, int i) {
            c.setFastInput(1, 0, false);
            if (i == 1)
                c.resetData();
        });
        QCOMPARE(plant.checkKorvaModule(&broken), 583);
        OvGenericPoint m = korva(10, 180, 0, 0);
        QCOMPARE(m.subPoints().size(), 2);
        looptest::editChannels(m, [](OvGenericSubPoint& c, int i) { c.setFastInput(i == 0 ? 1 : 4, 0, false); });
        plant.cpus().setPoint(&m);
        QCOMPARE(plant.checkKorvaModule(plant.getPoint(0, 0, 9, 2)), 0);
        // Both channels on input 1.
        looptest::editChannels(m, [](OvGenericSubPoint& c, int) { c.setFastInput(1, 0, false); });
        plant.cpus().setPoint(&m);
        QCOMPARE(plant.checkKorvaModule(plant.getPoint(0, 0, 9, 2)), 584);
        // A channel of another module with the same sub index shares the input too.
        looptest::editChannels(m, [](OvGenericSubPoint& c, int i) { c.setFastInput(i == 0 ? 1 : 4, 0, false); });
        plant.cpus().setPoint(&m);
        OvGenericPoint twin = korva(30, 180, 0, 0);
        looptest::editChannels(twin, [](OvGenericSubPoint& c, int i) { c.setFastInput(i == 0 ? 1 : 0, 0, false); });
        plant.cpus().setPoint(&twin);
        QCOMPARE(plant.checkKorvaModule(plant.getPoint(0, 0, 9, 2)), 584);
    }

    void queries()
    {
        Plant plant;
        QCOMPARE(plant.getCPULoopType(0, 7), 65535);
        QCOMPARE(plant.getCPULoopType(70, 0), 0);
        QCOMPARE(plant.getCPUDescription(70), QString());
        QVERIFY(!plant.getCPUStat(70));
        QCOMPARE(plant.getCPULibCount(70), 0);
        QCOMPARE(plant.getNLIbMin(64), 0);
        QCOMPARE(plant.getNLIbMax(64), 0);
        QVERIFY(!plant.isValidNetworkIP(192, 168, 0, 256));
        QVERIFY(plant.isValidNetworkIP(255, 255, 255, 254));
        QVERIFY(!plant.isValidNetworkIP(0, 0, 0, 0));
        QVERIFY(plant.isValidNetworkMask(255, 255, 255, 0));
        QVERIFY(!plant.isValidNetworkMask(255, 0, 255, 0));
        QVERIFY(plant.isValidNetworkGatway(0xC0A80105, 0xFFFFFF00, 0xC0A801FE));
        QVERIFY(!plant.isValidNetworkGatway(0xC0A80105, 0xFFFFFF00, 0xC0A802FE));
        QVERIFY(plant.optionalNetworkGatway(0xC0A80105, 0xFFFFFF00, 0));
        QVERIFY(plant.optionalNetworkGatway(0x01020304, 0xFFFF0000, 0));
    }

    // Sensors, then modules of a loop, then the next loop and the next enabled CPU.
    void nextPoint()
    {
        Plant plant;
        korvaLoop(plant);
        plant.setCPUStat(2, true);
        QVERIFY(looptest::forceLoopType(plant, 2, 1, 0));
        const OvGenericPoint channels = korva(10, 180, 1, 0);
        const OvGenericPoint far = looptest::typed(3, 2, 5, 1, 1, 1, 65, 60);
        for (const OvGenericPoint* p : {&channels, &far})
            plant.addPoint(p);
        QStringList walk;
        for (const OvGenericPoint* p = plant.findNextPoint(nullptr, true); p; p = plant.findNextPoint(p, true))
            walk << QString("C%1L%2%3%4")
                        .arg(p->cpuIndex())
                        .arg(p->loopIndex())
                        .arg(p->family() == 1 ? 'S' : 'M')
                        .arg(p->address());
        QCOMPARE(walk.join(' '), QString("C1L1S1 C1L1S3 C1L1S4 C3L2S5"));
        QCOMPARE(plant.findNextPoint(plant.getPoint(0, 0, 3, 1), false), plant.getPoint(0, 0, 9, 2));
    }

    // Bit 256 with the groups only when a text or the direct-group count changed.
    void setGroups_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("direct");
        QTest::addColumn<uint>("bits");
        QTest::newRow("description of group 3") << -3 << 800 << 64u;
        QTest::newRow("text of group 3") << 3 << 800 << 320u;
        QTest::newRow("direct-group count") << 0 << 700 << 320u;
    }

    void setGroups()
    {
        QFETCH(int, group);
        QFETCH(int, direct);
        QFETCH(uint, bits);
        Plant plant;
        OvGroupsSystem groups = plant.groups();
        if (group > 0)
            groups.groupAt(group - 1)->setCBE("(G9)");
        else if (group < 0)
            groups.groupAt(-group - 1)->setDescription("Stairs");
        groups.setDirectGroupsCount(direct);
        plant.setGroups(groups);
        QCOMPARE(plant.getModificationStat(), bits);
    }
};

QTEST_GUILESS_MAIN(TstPlantChecks)
#include "tst_plantchecks.moc"
