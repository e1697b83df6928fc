// A paste or a retyping that a check refuses leaves the refused row exactly as it was, in all
// three point tables: the mixed table must not empty the row's point before the check runs.
#include "ModelFixture.h"
#include "TestBase.h"
#include "core/Configuration.h"
#include "models/OvPointModel.h"
#include "models/OvPointTypeTreeModel.h"
#include "plant/OvGenericSubPoint.h"

#include "ZpData/Values/DeviceRec.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <algorithm>

using modeltest::FixturePlant;
using plantbuild::point;

namespace {

using Points = QList<const OvGenericPoint*>;
using Paths = QList<QList<int>>;

// A point's key in the tables below: family * 1000 + address.
int keyOf(const OvGenericPoint& p)
{
    return p.family() * 1000 + int(p.address());
}

QByteArray packed(const OvGenericPoint& p)
{
    QByteArray rec(int(DeviceRec::kSize), '\0');
    p.packRecord(reinterpret_cast<u8*>(rec.data()));
    return rec + p.description().toUtf8() + '|' + p.cbe().toUtf8() + '|';
}

// Every point of the loop, sensors and modules, each with its channels' records after its own.
QMap<int, QByteArray> records(const OvLoop& loop)
{
    QMap<int, QByteArray> map;
    for (const QList<OvGenericPoint*>* list : {&loop.sensors(), &loop.modules()}) {
        for (const OvGenericPoint* p : *list) {
            QByteArray bytes = packed(*p);
            for (const OvGenericSubPoint& channel : p->subPoints())
                bytes += packed(channel);
            map.insert(keyOf(*p), bytes);
        }
    }
    return map;
}

// What each top-level row shows: its address text and family.
QStringList view(const OvPointModel& model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows << model.data(model.index(r, 0), OvPointModel::DeviceIndexRole).toString() + '/'
                + model.data(model.index(r, 0), OvPointModel::SensorTypeRole).toString();
    return rows;
}

QModelIndex at(const OvPointModel& model, const QList<int>& path)
{
    QModelIndex index;
    for (int row : path)
        index = model.index(row, 0, index);
    return index;
}

QList<OvGenericPoint> modulesFrom(int first, int last, int protocol, int series, u16 hw, u8 sw)
{
    QList<OvGenericPoint> list;
    for (int a = first; a <= last; ++a)
        list << point(1, 1, a, protocol, 2, series, hw, sw);
    return list;
}

// The module types with channels that the type drop-down offers on a loop type under the current
// brand, and one type without channels.
QList<PointType> offeredModules(int loopType, PointType* single)
{
    OvPointTypeTreeModel tree(loopType == 0 ? 1 : loopType == 1 ? 2 : 4, 2);
    QModelIndexList leaves;
    for (int r = 0; r < tree.rowCount(); ++r) {
        const QModelIndex row = tree.index(r, 0);
        leaves << row;
        for (int c = 0; c < tree.rowCount(row); ++c)
            leaves << tree.index(c, 0, row);
    }
    QList<PointType> types;
    for (const QModelIndex& leaf : leaves) {
        const PointType type = qvariant_cast<PointType>(tree.getPointType(leaf));
        if (!tree.canBeSelected(leaf) || !type.isValid())
            continue;
        const bool listed = std::any_of(types.cbegin(), types.cend(),
                                        [&](const PointType& t) { return t.hwType() == type.hwType(); });
        if (type.subCount() >= 2 && !listed)
            types << type;
        else if (!single->isValid())
            *single = type;
    }
    return types;
}

OvGenericPoint typed(int address, const PointType& type)
{
    OvGenericPoint p(type.getFamily(), 1, 1, unsigned(address));
    p.setPointType(type);
    return p;
}

} // namespace

Q_DECLARE_METATYPE(Points)

class tst_PointRefusal : public TestBase {
    Q_OBJECT

public:
    tst_PointRefusal() { qRegisterMetaType<Points>("QList<const OvGenericPoint*>"); }

private slots:
    void refusedRowStays_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<QList<OvGenericPoint>>("points");
        // "copy", "special" (with filter) or "type" (with type; source is the reference row).
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QList<int>>("source");
        QTest::addColumn<Paths>("targets");
        QTest::addColumn<int>("filter");
        QTest::addColumn<PointType>("type");
        QTest::addColumn<QStringList>("boxes");
        // Keys (family * 1000 + address) of the points that change; all others keep their bytes.
        QTest::addColumn<QList<int>>("changes");

        const PointType none;
        const OvGenericPoint advSensor5 = point(1, 1, 5, 1, 1, 1, 30, 4);
        const OvGenericPoint advChannels12 = point(1, 1, 12, 1, 2, 1, 133, 53, 2);
        const OvGenericPoint decade60 = point(1, 1, 60, 1, 2, 2, 0x400D, 27, 2);
        const QList<OvGenericPoint> thirtySeries2 = modulesFrom(1, 30, 1, 2, 16395, 22);
        QList<OvGenericPoint> thirtySeries2Sensors;
        for (int a = 1; a <= 30; ++a)
            thirtySeries2Sensors << point(1, 1, a, 1, 1, 2, 16386, 1);
        const QList<OvGenericPoint> tenAdvanced = modulesFrom(1, 10, 1, 1, 130, 46);
        const QString varnBox("USR_ERR_TOO_MANY_VARN_PTXLOOP");
        const QString advancedBox("USR_ERR_TOO_MANY_ADVANCED_PTXLOOP");
        const QString siblingBox("USR_ERR_NOT_EMPTY_SIBLING");
        const QString channelBox("USR_ERR_CHANNEL_PASTE");

        // --- paste: a channel source needs a channel target, and says so ---
        QTest::newRow("mixed copy channel onto sensor")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, advChannels12} << "copy" << QList<int>{11, 0} << Paths{{4}}
            << 0 << none << QStringList{channelBox} << QList<int>();
        QTest::newRow("mixed special channel onto sensor")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, advChannels12} << "special" << QList<int>{11, 0}
            << Paths{{4}} << 0x02 << none << QStringList{channelBox} << QList<int>();
        QTest::newRow("mixed copy channel onto sensor and channel")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, advChannels12, point(1, 1, 14, 1, 2, 1, 133, 45, 2)}
            << "copy" << QList<int>{11, 0} << Paths{{4}, {13, 1}} << 0 << none << QStringList{channelBox}
            << QList<int>{2014};
        QTest::newRow("modules copy channel onto module")
            << 1 << 0 << QList<OvGenericPoint>{point(1, 1, 5, 1, 2, 1, 130, 46), advChannels12} << "copy"
            << QList<int>{11, 0} << Paths{{4}} << 0 << none << QStringList{channelBox} << QList<int>();

        // --- paste: capacity of the loop's protocol, one box for two refused rows ---
        QTest::newRow("mixed copy 31st series-2 onto sensors")
            << 2 << 0
            << (thirtySeries2 + QList<OvGenericPoint>{point(1, 1, 40, 1, 1, 1, 30, 4), point(1, 1, 41, 1, 1, 1, 30, 4)})
            << "copy" << QList<int>{0} << Paths{{39}, {40}} << 0 << none << QStringList{varnBox} << QList<int>();
        QTest::newRow("mixed special 31st series-2 onto sensor")
            << 2 << 0 << (thirtySeries2 + QList<OvGenericPoint>{point(1, 1, 40, 1, 1, 1, 30, 4)}) << "special"
            << QList<int>{0} << Paths{{39}} << 0x03 << none << QStringList{varnBox} << QList<int>();
        QTest::newRow("modules copy 31st series-2")
            << 1 << 0 << thirtySeries2 << "copy" << QList<int>{0} << Paths{{39}, {40}} << 0 << none
            << QStringList{varnBox} << QList<int>();
        QTest::newRow("sensors copy 31st series-2") << 0 << 0 << thirtySeries2Sensors << "copy" << QList<int>{0}
                                                    << Paths{{39}} << 0 << none << QStringList{varnBox} << QList<int>();
        QTest::newRow("mixed copy 11th advanced onto sensor")
            << 2 << 1 << (tenAdvanced + QList<OvGenericPoint>{point(1, 1, 20, 2, 1, 1, 30, 4)}) << "copy"
            << QList<int>{0} << Paths{{19}} << 0 << none << QStringList{advancedBox} << QList<int>();
        QTest::newRow("modules copy 11th advanced") << 1 << 1 << tenAdvanced << "copy" << QList<int>{0} << Paths{{19}}
                                                    << 0 << none << QStringList{advancedBox} << QList<int>();

        // --- paste: the decade module's address and following addresses ---
        QTest::newRow("mixed copy decade module off the tens")
            << 2 << 0 << QList<OvGenericPoint>{decade60, point(1, 1, 25, 1, 1, 1, 30, 4)} << "copy" << QList<int>{59}
            << Paths{{24}} << 0 << none << QStringList() << QList<int>();
        QTest::newRow("mixed copy decade module, next address typed")
            << 2 << 0
            << QList<OvGenericPoint>{decade60, point(1, 1, 30, 1, 1, 1, 30, 4), point(1, 1, 31, 1, 2, 1, 182, 22)}
            << "copy" << QList<int>{59} << Paths{{29}} << 0 << none << QStringList() << QList<int>();
        QTest::newRow("modules copy decade module, next address typed")
            << 1 << 0 << QList<OvGenericPoint>{decade60, point(1, 1, 31, 1, 2, 1, 182, 22)} << "copy" << QList<int>{59}
            << Paths{{29}} << 0 << none << QStringList() << QList<int>();

        // --- paste: an address another module's channels take ---
        const OvGenericPoint varnSpan40 = point(1, 1, 40, 2, 2, 2, 16398, 53, 3);
        const OvGenericPoint varnSensor41 = point(1, 1, 41, 2, 1, 1, 30, 4);
        const OvGenericPoint varnModule50 = point(1, 1, 50, 2, 2, 1, 130, 46);
        QTest::newRow("mixed copy module into another's span")
            << 2 << 1 << QList<OvGenericPoint>{varnSpan40, varnSensor41, varnModule50} << "copy" << QList<int>{49}
            << Paths{{40}} << 0 << none << QStringList() << QList<int>();
        QTest::newRow("mixed special type into another's span")
            << 2 << 1 << QList<OvGenericPoint>{varnSpan40, varnSensor41, varnModule50} << "special" << QList<int>{49}
            << Paths{{40}} << 0x01 << none << QStringList() << QList<int>();
        QTest::newRow("mixed copy module into the decade module's span")
            << 2 << 0
            << QList<OvGenericPoint>{decade60, point(1, 1, 61, 1, 1, 1, 30, 4), point(1, 1, 50, 1, 2, 1, 130, 46)}
            << "copy" << QList<int>{49} << Paths{{60}} << 0 << none << QStringList() << QList<int>();
        QTest::newRow("mixed copy module beside another's span")
            << 2 << 1 << QList<OvGenericPoint>{varnSpan40, point(1, 1, 43, 2, 1, 1, 30, 4), varnModule50} << "copy"
            << QList<int>{49} << Paths{{42}} << 0 << none << QStringList() << QList<int>{1043, 2043};

        // --- paste: a full zone takes back the zone pasted alone ---
        QList<OvGenericPoint> fullZone;
        for (int a = 1; a <= 50; ++a)
            fullZone << point(1, 1, a, 1, 1, 1, 30, 4);
        for (OvGenericPoint& p : fullZone)
            p.setAreaIndex(1);
        QTest::newRow("sensors special zone into a full zone")
            << 0 << 0 << (fullZone + QList<OvGenericPoint>{point(1, 1, 60, 1, 1, 1, 30, 4)}) << "special"
            << QList<int>{0} << Paths{{59}} << 0x40 << none << QStringList{"USR_ERR_TOO_MANY_PTXAREA"} << QList<int>();

        // --- paste: nothing to store ---
        QTest::newRow("mixed copy module equal to the hidden one")
            << 2 << 0
            << QList<OvGenericPoint>{advSensor5, point(1, 1, 5, 1, 2, 1, 130, 46), point(1, 1, 7, 1, 2, 1, 130, 46)}
            << "copy" << QList<int>{6} << Paths{{4}} << 0 << none << QStringList() << QList<int>();
        QTest::newRow("mixed special description onto sensor")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, point(1, 1, 7, 1, 2, 1, 130, 46)} << "special"
            << QList<int>{6} << Paths{{4}} << 0x02 << none << QStringList() << QList<int>();

        // --- the same rows when nothing refuses: the mixed row takes the other family ---
        QTest::newRow("mixed copy module onto sensor")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, point(1, 1, 7, 1, 2, 1, 130, 46)} << "copy" << QList<int>{6}
            << Paths{{4}} << 0 << none << QStringList() << QList<int>{1005, 2005};
        QTest::newRow("mixed type module onto sensor")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5} << "type" << QList<int>{4} << Paths{{4}} << 0
            << PointType(1, 2, 1, 130, 46, 0) << QStringList{"USR_INFO_COPY_PARAM"} << QList<int>{1005, 2005};

        // --- type selection: free following addresses ---
        QTest::newRow("mixed type three channels, sibling typed")
            << 2 << 1 << QList<OvGenericPoint>{point(1, 1, 40, 2, 1, 1, 30, 4), point(1, 1, 42, 2, 2, 1, 130, 46)}
            << "type" << QList<int>{39} << Paths{{39}} << 0 << PointType(2, 2, 2, 16398, 0, 3)
            << QStringList{siblingBox} << QList<int>();
        QTest::newRow("mixed type sibling refused, empty row taken")
            << 2 << 1 << QList<OvGenericPoint>{point(1, 1, 40, 2, 1, 1, 30, 4), point(1, 1, 42, 2, 2, 1, 130, 46)}
            << "type" << QList<int>{39} << Paths{{39}, {49}} << 0 << PointType(2, 2, 2, 16398, 0, 3)
            << QStringList{siblingBox} << QList<int>{2050};
        QTest::newRow("modules type three channels, sibling typed")
            << 1 << 1 << QList<OvGenericPoint>{point(1, 1, 42, 2, 2, 1, 130, 46)} << "type" << QList<int>{39}
            << Paths{{39}} << 0 << PointType(2, 2, 2, 16398, 0, 3) << QStringList{siblingBox} << QList<int>();
        QTest::newRow("modules type VARN channels, next address typed")
            << 1 << 1 << QList<OvGenericPoint>{point(1, 1, 45, 2, 2, 1, 130, 46)} << "type" << QList<int>{43}
            << Paths{{43}} << 0 << PointType(2, 2, 1, 133, 0, 2) << QStringList{siblingBox} << QList<int>();

        // --- type selection: an address another module's channels take ---
        QTest::newRow("mixed type module into another's span")
            << 2 << 1 << QList<OvGenericPoint>{varnSpan40, varnSensor41} << "type" << QList<int>{40} << Paths{{40}} << 0
            << PointType(2, 2, 1, 130, 46, 0) << QStringList{"USR_ERR_ADDRESS_COVERED"} << QList<int>();
        QTest::newRow("mixed type module into the decade module's span")
            << 2 << 0 << QList<OvGenericPoint>{decade60, point(1, 1, 61, 1, 1, 1, 30, 4)} << "type" << QList<int>{60}
            << Paths{{60}} << 0 << PointType(1, 2, 1, 130, 46, 0) << QStringList{"USR_ERR_ADDRESS_COVERED"}
            << QList<int>();

        // --- type selection: capacity of the loop's protocol ---
        QTest::newRow("mixed type 31st series-2 onto sensor")
            << 2 << 0 << (thirtySeries2 + QList<OvGenericPoint>{point(1, 1, 40, 1, 1, 1, 30, 4)}) << "type"
            << QList<int>{39} << Paths{{39}} << 0 << PointType(1, 2, 2, 16395, 22, 0) << QStringList{varnBox}
            << QList<int>();
        QTest::newRow("modules type 31st series-2")
            << 1 << 0 << thirtySeries2 << "type" << QList<int>{39} << Paths{{39}} << 0
            << PointType(1, 2, 2, 16395, 22, 0) << QStringList{varnBox} << QList<int>();
        QTest::newRow("mixed type 11th advanced onto sensor")
            << 2 << 1 << (tenAdvanced + QList<OvGenericPoint>{point(1, 1, 20, 2, 1, 1, 30, 4)}) << "type"
            << QList<int>{19} << Paths{{19}} << 0 << PointType(2, 2, 1, 130, 46, 0) << QStringList{advancedBox}
            << QList<int>();
        QTest::newRow("modules type 11th advanced")
            << 1 << 1 << tenAdvanced << "type" << QList<int>{19} << Paths{{19}} << 0 << PointType(2, 2, 1, 130, 46, 0)
            << QStringList{advancedBox} << QList<int>();
        QTest::newRow("sensors type 31st series-2")
            << 0 << 0 << thirtySeries2Sensors << "type" << QList<int>{39} << Paths{{39}} << 0
            << PointType(1, 1, 2, 16386, 1, 0) << QStringList{varnBox} << QList<int>();

        // --- type selection: the linked module's address rule ---
        QTest::newRow("mixed type linked module onto module off the tens")
            << 2 << 1 << QList<OvGenericPoint>{point(1, 1, 15, 2, 2, 1, 130, 46)} << "type" << QList<int>{14}
            << Paths{{14}} << 0 << PointType(2, 1, 2, 0x400D, 0, 6) << QStringList() << QList<int>();
        QTest::newRow("sensors type linked module off the tens")
            << 0 << 1 << QList<OvGenericPoint>{point(1, 1, 15, 2, 1, 1, 30, 4)} << "type" << QList<int>{14}
            << Paths{{14}} << 0 << PointType(2, 1, 2, 0x400D, 0, 6) << QStringList() << QList<int>();

        // --- type selection: a channel reference retypes channel rows only ---
        QTest::newRow("mixed type channel reference, sensor row")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, advChannels12} << "type" << QList<int>{11, 1}
            << Paths{{4}, {11, 1}} << 0 << PointType(1, 2, 1, 133, 45, 0) << QStringList() << QList<int>{2012};

        // --- type selection: the address already holds the type ---
        QTest::newRow("mixed type of the hidden module")
            << 2 << 0 << QList<OvGenericPoint>{advSensor5, point(1, 1, 5, 1, 2, 1, 130, 46)} << "type" << QList<int>{4}
            << Paths{{4}} << 0 << PointType(1, 2, 1, 130, 46, 0) << QStringList() << QList<int>();
    }
    void refusedRowStays()
    {
        QFETCH(int, mode);
        QFETCH(int, loopType);
        QFETCH(QList<OvGenericPoint>, points);
        QFETCH(QString, operation);
        QFETCH(QList<int>, source);
        QFETCH(Paths, targets);
        QFETCH(int, filter);
        QFETCH(PointType, type);
        QFETCH(QStringList, boxes);
        QFETCH(QList<int>, changes);

        FixturePlant plant(8);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, u32(loopType));
        plant->cpus().cpuAt(0)->setLoopType(1, u32(loopType));
        for (const OvGenericPoint& p : points)
            plant->setPoint(p);
        ScriptedDialogs dialogs;
        for (int i = 0; i < boxes.size(); ++i)
            dialogs.answer(PlantMessage::Ok);
        OvPointModel model(mode);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));

        const QMap<int, QByteArray> before = records(model.activeLoop());
        const QStringList shownBefore = view(model);
        QModelIndexList selection;
        for (const QList<int>& path : targets)
            selection << at(model, path);
        QVERIFY(at(model, source).isValid());
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);

        if (operation == "copy")
            model.copy(at(model, source), selection);
        else if (operation == "special")
            model.copySpecial(at(model, source), selection, filter);
        else
            model.selectPointType(at(model, source), selection, type);

        QStringList asked;
        for (const PlantMessage& message : dialogs.asked())
            asked << message.text;
        QCOMPARE(asked, boxes);

        const QMap<int, QByteArray> after = records(model.activeLoop());
        QCOMPARE(after.keys(), before.keys());
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (changes.contains(it.key()))
                QVERIFY2(after.value(it.key()) != it.value(), qPrintable(QString::number(it.key())));
            else
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(QString::number(it.key())));
        }
        QList<int> reported;
        for (const QList<QVariant>& signal : changed) {
            for (const OvGenericPoint* p : signal.at(0).value<Points>()) {
                if (!reported.contains(keyOf(*p)))
                    reported << keyOf(*p);
            }
        }
        std::sort(reported.begin(), reported.end());
        QCOMPARE(reported, changes);
        if (changes.isEmpty())
            QCOMPARE(view(model), shownBefore);
    }

    // A module whose channel records go out as consecutive (every module protocol but ADV's), or
    // a second-series one, takes its address and the next ones, one per channel: no other device
    // may be put on them, and it may not reach past the loop's last address.
    void spanRefusal_data()
    {
        QTest::addColumn<int>("brand");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<QList<OvGenericPoint>>("points");
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QList<int>>("source");
        QTest::addColumn<Paths>("targets");
        QTest::addColumn<int>("filter");
        QTest::addColumn<PointType>("type");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<int>>("changes");

        const PointType none;
        const QStringList covered{"USR_ERR_ADDRESS_COVERED"};
        const QStringList sibling{"USR_ERR_NOT_EMPTY_SIBLING"};
        // The drop-down offers what the panel of the test plant takes.
        FixturePlant plant(7);
        Configuration* config = Configuration::instance();
        const int saved = config->current_brand();
        for (const auto& loop : {std::pair<int, int>{3, 1}, {4, 2}}) {
            const int brand = loop.first;
            const int loopType = loop.second;
            config->set_current_brand(brand);
            PointType single;
            const QList<PointType> modules = offeredModules(loopType, &single);
            const int last = OvLoop::moduleSlots(loopType);
            for (const PointType& m : modules) {
                const int n = m.subCount();
                const QString name = QString("brand %1 loop %2 code %3 ").arg(brand).arg(loopType).arg(m.hwType());
                const int a = 20;
                const OvGenericPoint module = typed(a, m);
                const OvGenericPoint other = typed(a + n + 5, single);
                // Mixed rows are addresses; modules rows too while no module spans before them.
                QTest::newRow(qPrintable(name + "type onto the last channel's address"))
                    << brand << 2 << loopType << QList<OvGenericPoint>{module} << "type" << QList<int>{a + n - 2}
                    << Paths{{a + n - 2}} << 0 << single << covered << QList<int>();
                QTest::newRow(qPrintable(name + "paste onto the second channel's address"))
                    << brand << 2 << loopType << QList<OvGenericPoint>{module, other} << "copy" << QList<int>{a + n + 4}
                    << Paths{{a}} << 0 << none << QStringList() << QList<int>();
                QTest::newRow(qPrintable(name + "paste type onto the last channel's address"))
                    << brand << 2 << loopType << QList<OvGenericPoint>{module, other} << "special"
                    << QList<int>{a + n + 4} << Paths{{a + n - 2}} << 0x01 << none << QStringList() << QList<int>();
                QTest::newRow(qPrintable(name + "retype onto a module at its last address"))
                    << brand << 1 << loopType << QList<OvGenericPoint>{typed(a, single), typed(a + n - 1, single)}
                    << "type" << QList<int>{a - 1} << Paths{{a - 1}} << 0 << m << sibling << QList<int>();
                QTest::newRow(qPrintable(name + "paste onto a module before another"))
                    << brand << 1 << loopType << QList<OvGenericPoint>{typed(1, m), typed(a + n - 1, single)} << "copy"
                    << QList<int>{0} << Paths{{a - n}} << 0 << none << QStringList() << QList<int>();
                QTest::newRow(qPrintable(name + "at address 1, type onto address 2"))
                    << brand << 2 << loopType << QList<OvGenericPoint>{typed(1, m)} << "type" << QList<int>{1}
                    << Paths{{1}} << 0 << single << covered << QList<int>();
                QTest::newRow(qPrintable(name + "type past the last address"))
                    << brand << 1 << loopType << QList<OvGenericPoint>() << "type" << QList<int>{last - n + 1}
                    << Paths{{last - n + 1}} << 0 << m << sibling << QList<int>();
                QTest::newRow(qPrintable(name + "type before a module at the last address"))
                    << brand << 1 << loopType << QList<OvGenericPoint>{typed(last, single)} << "type"
                    << QList<int>{last - n} << Paths{{last - n}} << 0 << m << sibling << QList<int>();
            }
        }
        config->set_current_brand(saved);
    }
    void spanRefusal()
    {
        QFETCH(int, brand);
        Configuration* config = Configuration::instance();
        const int saved = config->current_brand();
        config->set_current_brand(brand);
        refusedRowStays();
        config->set_current_brand(saved);
    }
};

QTEST_GUILESS_MAIN(tst_PointRefusal)
#include "tst_pointrefusal.moc"
