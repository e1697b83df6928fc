// The point tables of the loop page: role table, rows and spans of multi-address modules, the
// row filters, and the queries the page asks before an edit.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPointModel.h"
#include "models/OvPointTypeTreeModel.h"

#include "ZpData/Container/ZpConfIO.h"

#include <QAbstractItemModelTester>
#include <QTemporaryDir>
#include <QtTest>

using modeltest::FixturePlant;
using plantbuild::point;

namespace {

// A point given zone 1: a listed type is complete only with a zone.
OvGenericPoint zoned(OvGenericPoint p)
{
    p.setAreaIndex(1);
    return p;
}

// Loop 1 of CPU 1 of a loop type, points stored at their addresses.
OvLoop loopWith(int type, const QList<OvGenericPoint>& points)
{
    OvLoop loop(1, 1, false, type);
    for (const OvGenericPoint& p : points)
        loop.updatePoint(p);
    return loop;
}

QString cell(const OvPointModel& model, std::initializer_list<int> rows, int role)
{
    return model.data(modeltest::at(model, rows), role).toString();
}

// VARN: a detector at 7, a series-2 module with three channels at 40, a plain module at 50.
OvLoop varnLoop()
{
    return loopWith(
        1, {point(1, 1, 7, 2, 1, 1, 30, 4), point(1, 1, 40, 2, 2, 2, 16398, 53, 3), point(1, 1, 50, 2, 2, 1, 130, 46)});
}

QModelIndexList rowsAt(const OvPointModel& model, const QList<QList<int>>& paths)
{
    QModelIndexList list;
    for (const QList<int>& path : paths) {
        QModelIndex index;
        for (int row : path)
            index = model.index(row, 0, index);
        list << index;
    }
    return list;
}

// The index of {address} or {address, channel row}: the top-level row that shows the address,
// found by its address text. An empty path gives an invalid index.
QModelIndex byAddress(const OvPointModel& model, const QList<int>& path)
{
    if (path.isEmpty())
        return QModelIndex();
    for (int r = 0; r < model.rowCount(); ++r) {
        const QModelIndex row = model.index(r, 0);
        if (model.data(row, OvPointModel::DeviceIndexRole).toString().remove(' ') != '#' + QString::number(path.at(0)))
            continue;
        return path.size() > 1 ? model.index(path.at(1), 0, row) : row;
    }
    return QModelIndex();
}

// Points for the queries that decide what may be edited, on a loop of the given type: modules
// with two channels at 10 (the second free), 20 (both free) and 30 (software type 54); linked
// modules at 40 (channels 2 and 3 free) and 60 (channel 3 free); sensors at 3 (zone 2), 4
// (zone 1), 5 (no zone), 6 (zone 0), 11 and 62; a plain input module at 50 and a sounder at 51.
QList<OvGenericPoint> editFixture(int loopType)
{
    const int protocol = loopType == 1 ? 2 : 1;
    const auto freeing = [](OvGenericPoint p, const QList<int>& freed) {
        for (int k : freed) {
            OvGenericSubPoint channel = p.subPoints().at(k);
            channel.reset();
            p.updateSubPoint(channel);
        }
        return p;
    };
    QList<OvGenericPoint> list{freeing(point(1, 1, 10, protocol, 2, 1, 133, 53, 2), {1}),
                               freeing(point(1, 1, 20, protocol, 2, 1, 133, 53, 2), {0, 1}),
                               point(1, 1, 30, protocol, 2, 1, 133, 54, 2),
                               freeing(point(1, 1, 40, protocol, 2, 2, 0x400D, 27, 3), {1, 2}),
                               freeing(point(1, 1, 60, protocol, 2, 2, 0x400D, 27, 3), {2}),
                               point(1, 1, 50, protocol, 2, 1, 130, 46),
                               point(1, 1, 51, protocol, 2, 1, 150, 57)};
    for (int address : {3, 4, 5, 6, 11, 62}) {
        OvGenericPoint sensor = point(1, 1, address, protocol, 1, 1, 30, 4);
        sensor.setAreaIndex(address == 3 ? 2 : address == 4 ? 1 : address == 6 ? 0 : -1);
        list << sensor;
    }
    return list;
}

using Paths = QList<QList<int>>;

// Every row and channel row of the three tables of a loop: address, type, description, zone and
// program.
QStringList tableRows(const OvLoop& loop)
{
    QStringList lines;
    for (int mode : {0, 1, 2}) {
        OvPointModel model(mode);
        model.setActiveLoop(loop);
        const auto line = [&](const QModelIndex& row) {
            QStringList roles{QString::number(mode)};
            for (int role : {OvPointModel::DeviceIndexRole, OvPointModel::HardwareTypeRole,
                             OvPointModel::DescriptionRole, OvPointModel::AreaIndexRole, OvPointModel::CbeRole})
                roles << model.data(row, role).toString();
            lines << roles.join('|');
        };
        for (int r = 0; r < model.rowCount(); ++r) {
            const QModelIndex row = model.index(r, 0);
            line(row);
            for (int c = 0; c < model.rowCount(row); ++c)
                line(model.index(c, 0, row));
        }
    }
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Paths)

class tst_PointModel : public TestBase {
    Q_OBJECT

private slots:
    void roleTable()
    {
        OvPointModel model(0);
        const QHash<int, QByteArray> roles = model.roleNames();
        const QList<QByteArray> expected{"iconName",
                                         "hardwareType",
                                         "description",
                                         "areaIndex",
                                         "sensorType",
                                         "checkAudit",
                                         "checkFlashing",
                                         "checkTracking",
                                         "checkRaviSCtrlDisa",
                                         "checkTrackingMod",
                                         "checkFlashingMod",
                                         "checkAutoSilenceMod",
                                         "checkSilenceMod",
                                         "sensNormal",
                                         "sensLow",
                                         "sensHigh",
                                         "cbe",
                                         "alertLevelRAVI",
                                         "nullData",
                                         "fastInputDev1",
                                         "fastInputDev2",
                                         "fastInputLogic",
                                         "deviceIndex",
                                         "isValid"};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(roles.value(257 + i), expected.at(i));
        QVERIFY(!roles.contains(256));
        QVERIFY(!roles.contains(281));
        QCOMPARE(model.columnCount(), 23);
        model.setActiveLoop(varnLoop());
        QVERIFY(!model.data(model.index(6, 0), 275).isValid());
        QCOMPARE(model.data(model.index(6, 0), 261).toInt(), 1);
    }

    void testerOnEveryLoopTypeAndFilter()
    {
        for (int type : {0, 1, 2}) {
            for (int mode : {0, 1, 2}) {
                OvPointModel model(mode);
                QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
                const int protocol = type == 0 ? 1 : type == 1 ? 2 : 4;
                model.setActiveLoop(
                    loopWith(type,
                             {point(1, 1, 3, protocol, 1, 1, 30, 4), point(1, 1, 20, protocol, 2, 2, 16398, 53, 3),
                              point(1, 1, 30, protocol, 2, 1, 133, 53, 2)}));
                model.flipFilterOnVoidAddresses();
                model.flipFilterOnPointError();
                model.flipFilterOnVoidAddresses();
                model.flipFilterOnPointError();
                QVERIFY(model.rowCount() > 0);
            }
        }
    }

    void spans()
    {
        OvPointModel modules(1), sensors(0), mixed(2);
        for (OvPointModel* m : {&modules, &sensors, &mixed})
            m->setActiveLoop(varnLoop());
        QCOMPARE(modules.rowCount(), 97);
        QCOMPARE(cell(modules, {39}, 279), QString("# 40"));
        QCOMPARE(modules.rowCount(modules.index(39, 0)), 3);
        QCOMPARE(cell(modules, {39, 1}, 279), QString(" 41"));
        QCOMPARE(cell(modules, {40}, 279), QString("# 43"));
        QCOMPARE(cell(sensors, {6}, 279), QString("#  7"));

        // Every address keeps a row in the mixed table; the module at 50 stays listed.
        QCOMPARE(mixed.rowCount(), 99);
        QCOMPARE(cell(mixed, {49}, 279), QString("# 50"));
        QCOMPARE(mixed.data(mixed.index(49, 0), 261).toInt(), 2);
        QCOMPARE(cell(mixed, {40}, 279), QString("# 41"));
        QCOMPARE(mixed.data(mixed.index(40, 0), 261).toInt(), 0);

        modules.flipFilterOnVoidAddresses();
        QCOMPARE(modules.rowCount(), 2);
        QCOMPARE(cell(modules, {1}, 279), QString("# 50"));

        OvPointModel adv(1);
        adv.setActiveLoop(loopWith(0, {point(1, 1, 12, 1, 2, 1, 133, 53, 2)}));
        QCOMPARE(adv.rowCount(), 159);
        QCOMPARE(cell(adv, {11, 1}, 279), QString(". 2"));
    }

    // A channel row names its channel as a program names it: by the loop address it takes, or by
    // sub-address after the module's own. Each name, typed in a program, is one the compiler takes.
    void channelNames_data()
    {
        QTest::addColumn<int>("loopType");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("hwType");
        QTest::addColumn<int>("swType");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("APOLLO two channels at 3") << 2 << 4 << 3 << 4 << 50688 << 22 << QStringList{"  3", "  4"};
        QTest::newRow("ADV two channels at 12") << 0 << 1 << 12 << 1 << 133 << 53 << QStringList{". 1", ". 2"};
        QTest::newRow("VARN two channels at 12") << 1 << 2 << 12 << 1 << 133 << 53 << QStringList{" 12", " 13"};
        QTest::newRow("VARN series 2 at 40") << 1 << 2 << 40 << 2 << 16398 << 53 << QStringList{" 40", " 41", " 42"};
        QTest::newRow("VARN, ADV sounder beacon at 10") << 1 << 1 << 10 << 1 << 151 << 22 << QStringList{". 1", ". 2"};
        QTest::newRow("ADV series 2 at 40") << 0 << 1 << 40 << 2 << 16398 << 53 << QStringList{". 1", ". 2", ". 3"};
    }
    void channelNames()
    {
        QFETCH(int, loopType);
        QFETCH(int, protocol);
        QFETCH(int, address);
        QFETCH(int, series);
        QFETCH(int, hwType);
        QFETCH(int, swType);
        QFETCH(QStringList, names);
        FixturePlant plant(loopType == 0 ? 0 : 8);
        Configuration::instance()->set_current_brand(loopType == 2 ? 4 : 3);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, loopType);
        QCOMPARE(plant->cpus().cpuAt(0)->getLoop(0).type(), loopType);
        plant->setPoint(point(1, 1, address, protocol, 2, series, u16(hwType), u8(swType), int(names.size())));
        OvPointModel modules(1);
        modules.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        const QModelIndex row = byAddress(modules, {address});
        QStringList shown;
        for (int c = 0; c < modules.rowCount(row); ++c) {
            const QString name = modules.data(modules.index(c, 0, row), OvPointModel::DeviceIndexRole).toString();
            const QString module = name.startsWith('.') ? QString::number(address) + name : name;
            OvGenericPoint sensor = loopType == 2 ? point(1, 1, 5, 4, 1, 4, 62464, 2)
                                                  : point(1, 1, 5, loopType == 1 ? 2 : 1, 1, 1, 30, 4);
            sensor.setCBE(QString("(C1L1M%1)").arg(module).remove(' '));
            plant->setPoint(sensor);
            QVERIFY2(plant->checkPointCBE(plant->getPoint(0, 0, 4, 1)) == 0, qPrintable(sensor.cbe()));
            shown << name;
        }
        QCOMPARE(shown, names);
    }

    void filters()
    {
        QList<OvGenericPoint> typed;
        for (int address : {1, 9, 60, 100, 159})
            typed << point(1, 1, address, 1, 1, 1, 30, 4);
        OvPointModel model(0);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.setActiveLoop(loopWith(0, typed));
        QCOMPARE(model.rowCount(), 159);
        model.flipFilterOnVoidAddresses();
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(cell(model, {3}, 279), QString("#100"));
        model.flipFilterOnVoidAddresses();
        QCOMPARE(model.rowCount(), 159);
        QCOMPARE(resets.count(), 3);

        // Mixed: a complete sensor over a valid module gives no row; an empty address a sensor row.
        OvPointModel mixed(2);
        mixed.setActiveLoop(loopWith(0, {zoned(point(1, 1, 2, 1, 1, 1, 30, 4)), point(1, 1, 2, 1, 2, 1, 130, 46)}));
        QCOMPARE(mixed.rowCount(), 158);
        QCOMPARE(cell(mixed, {0}, 279), QString("#  1"));
        QCOMPARE(cell(mixed, {1}, 279), QString("#  3"));
        QCOMPARE(mixed.data(mixed.index(0, 0), 261).toInt(), 0);
        QCOMPARE(cell(mixed, {0}, 258), QString("ID_PT_NONE"));
    }

    // A module whose channels carry descriptions, zones and programs while its own row stays
    // empty: after a save and an open of the plant file, or of the compiled image, every row of
    // the three tables holds what it held.
    void roundTrip_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<int>("brand");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("hwType");
        QTest::addColumn<int>("swType");
        QTest::addColumn<int>("channels");
        QTest::addColumn<QStringList>("programs");
        // 0, or a named plain module in zone 3 retyped on the modules table with its settings
        // carried over: the zone its channels then have (none where their type takes no zone).
        QTest::addColumn<int>("carriedZone");
        const QString a = "OR(Z1 Z4 G301)", b = "OR(G1 G2)";
        for (const char* file : {"plant file", "CFG_IN.BIN"}) {
            const auto row = [file](const char* name, uint panelType, int brand, int loopType, int series, int hwType,
                                    int swType, int channels, const QStringList& programs, int carriedZone) {
                QTest::addRow("%s, %s", name, file) << panelType << brand << loopType << series << hwType << swType
                                                    << channels << programs << carriedZone;
            };
            row("DIGITAL 62, channel 1 programmed", 8, 4, 2, 4, 50688, 22, 2, {a}, 0);
            row("DIGITAL 62, channel 2 programmed", 8, 4, 2, 4, 50688, 22, 2, {"", b}, 0);
            row("DIGITAL 62 retyped", 8, 4, 2, 4, 50688, 22, 2, {a}, 3);
            row("APOLLO six channels", 8, 4, 2, 4, 43009, 53, 6, {b, "", "", a}, 0);
            row("VARN channels at the module's address", 8, 3, 1, 1, 133, 53, 2, {a}, 0);
            row("VARN channels at the module's address, retyped", 8, 3, 1, 1, 133, 53, 2, {"", b}, 3);
            row("VARN channels at their own addresses", 8, 3, 1, 2, 16398, 53, 3, {a, b}, 0);
            row("ADV four channels", 0, 3, 0, 1, 202, 53, 4, {a, "", b}, 0);
            row("ADV linked module", 0, 3, 0, 2, 0x400D, 27, 2, {a}, 0);
            row("ADV linked module, retyped", 0, 3, 0, 2, 0x400D, 27, 2, {a}, -1);
        }
    }
    void roundTrip()
    {
        QFETCH(uint, panelType);
        QFETCH(int, brand);
        QFETCH(int, loopType);
        QFETCH(int, series);
        QFETCH(int, hwType);
        QFETCH(int, swType);
        QFETCH(int, channels);
        QFETCH(QStringList, programs);
        QFETCH(int, carriedZone);
        const bool retyped = carriedZone != 0;
        const bool image = QByteArray(QTest::currentDataTag()).endsWith("CFG_IN.BIN");
        FixturePlant plant{int(panelType)};
        Configuration::instance()->set_current_brand(brand);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, loopType);
        plant->cpus().cpuAt(0)->setLoopType(1, loopType);
        const int protocol = loopType == 2 ? 4 : loopType == 1 ? 2 : 1;
        OvGenericPoint module = point(1, 1, 10, protocol, 2, series, u16(hwType), u8(swType), channels);
        if (OvGenericPoint::isLinkedModule(series, u16(hwType)))
            module.typeLinkedChannels();
        if (retyped) {
            OvGenericPoint plain = protocol == 4 ? point(1, 1, 10, 4, 2, 4, 41984, 22)
                : protocol == 2                  ? point(1, 1, 10, 2, 2, 1, 130, 46)
                                                 : point(1, 1, 10, 1, 2, 1, 129, 22);
            plain.setDescription("Boiler");
            plain.setAreaIndex(3);
            plant->setPoint(plain);
            OvPointModel table(1);
            table.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
            ScriptedDialogs dialogs;
            dialogs.answer(PlantMessage::Yes);
            const QModelIndex row = table.index(9, 0);
            QVERIFY(
                table.selectPointType(row, {row}, PointType(protocol, 2, series, u16(hwType), u8(swType), channels)));
            QCOMPARE(dialogs.pending(), 0);
            module = *table.activeLoop().modules().at(9);
        }
        QCOMPARE(module.subPoints().size(), channels);
        for (OvGenericSubPoint channel : module.subPoints()) {
            const int k = channel.getSubIndex();
            if (!retyped) {
                channel.setDescription(QString("Channel %1").arg(k));
                channel.setAreaIndex(k);
            }
            channel.setCBE(programs.value(k - 1));
            module.updateSubPoint(channel);
        }
        plant->setPoint(module);
        const QStringList saved = tableRows(plant->cpus().cpuAt(0)->getLoop(0));
        // Each program once in the modules table, on its channel's row; a retyped module's
        // channels named as the plain module was.
        const QString channelRow = retyped ? QString("^1\\|.*\\|Boiler\\|%1\\|").arg(carriedZone)
                                           : QString("^1\\|.*\\|Channel \\d\\|\\d\\|");
        QCOMPARE(saved.filter(QRegularExpression(channelRow)).size(), channels);
        QCOMPARE(saved.filter(QRegularExpression(channelRow + "OR\\(")).size(),
                 programs.size() - programs.count(QString()));

        QTemporaryDir dir;
        const QString file = dir.filePath(image ? "CFG_IN.BIN" : "plant.ov");
        QCOMPARE(plant->saveToFile(dir.filePath("plant.ov")), 0u);
        if (image)
            QCOMPARE(g_zpConf->get_io().export_bin_v3(QFile::encodeName(file).constData(), nullptr), 0);
        Plant reread;
        reread.setDefaultParameters();
        QCOMPARE(reread.loadFromFile(file, !image), 0u);
        QCOMPARE(reread.copyFrom(), 0);
        const QStringList opened = tableRows(reread.cpus().cpuAt(0)->getLoop(0));
        QCOMPARE(opened, saved);
        // The module's own row, as typed: no description, zone or program of its channels.
        const QStringList moduleRow = opened.filter(QRegularExpression("^1\\|# 10\\|"));
        QCOMPARE(moduleRow.size(), 1);
        QCOMPARE(moduleRow.first().section('|', 3), QString("|-1|"));
    }

    void allarmLevelType_data()
    {
        QTest::addColumn<QList<int>>("hwTypes");
        QTest::addColumn<int>("expected");
        QTest::newRow("30") << QList<int>{30} << 1;
        QTest::newRow("32") << QList<int>{32} << 2;
        QTest::newRow("31") << QList<int>{31} << 3;
        QTest::newRow("30 31") << QList<int>{30, 31} << 0;
        QTest::newRow("plain 30") << QList<int>{20, 30} << 1;
        QTest::newRow("30 plain") << QList<int>{30, 20} << 0;
        QTest::newRow("30 30") << QList<int>{30, 30} << 1;
        QTest::newRow("empty") << QList<int>{} << 0;
    }
    void allarmLevelType()
    {
        QFETCH(QList<int>, hwTypes);
        QFETCH(int, expected);
        QList<OvGenericPoint> points;
        QList<QList<int>> rows;
        for (int i = 0; i < hwTypes.size(); ++i) {
            points << point(1, 1, i + 1, 1, 1, 1, u16(hwTypes.at(i)), 4);
            rows << QList<int>{i};
        }
        OvPointModel model(0);
        model.setActiveLoop(loopWith(0, points));
        QCOMPARE(model.getAllarmLevelMdlType(rowsAt(model, rows)), expected);
    }

    void queries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QList<QList<int>>>("rows");
        QTest::addColumn<bool>("expected");
        // Rows (spans hide 41, 42 and 61): 39 the series-2 module at 40 with channels, 47 the plain
        // module at 50, 57 the linked module at 60 with channels, 66 the series-1 module at 70.
        QTest::newRow("tracking, channels") << "tracking" << QList<QList<int>>{{66}} << true;
        QTest::newRow("flashing, channels") << "flashing" << QList<QList<int>>{{66}} << false;
        QTest::newRow("flashing, plain") << "flashing" << QList<QList<int>>{{47}} << true;
        QTest::newRow("copy series-2 module") << "copy" << QList<QList<int>>{{39}} << false;
        QTest::newRow("copy its channel") << "copy" << QList<QList<int>>{{39, 1}} << true;
        QTest::newRow("copy linked channel") << "copy" << QList<QList<int>>{{57, 0}} << false;
        QTest::newRow("copy plain module") << "copy" << QList<QList<int>>{{47}} << true;
        QTest::newRow("copy nothing") << "copy" << QList<QList<int>>{} << false;
        QTest::newRow("copy empty address") << "copy" << QList<QList<int>>{{0}} << false;
        QTest::newRow("erase last channel") << "erase" << QList<QList<int>>{{39, 2}} << true;
        QTest::newRow("erase channel before a valid one") << "erase" << QList<QList<int>>{{39, 0}} << false;
        QTest::newRow("erase, then the last") << "erase" << QList<QList<int>>{{39, 0}, {39, 2}} << true;
        QTest::newRow("erase module row") << "erase" << QList<QList<int>>{{39}} << true;
        QTest::newRow("erase nothing valid") << "erase" << QList<QList<int>>{{0}, {1}} << false;
    }
    void queries()
    {
        QFETCH(QString, query);
        QFETCH(QList<QList<int>>, rows);
        QFETCH(bool, expected);
        OvLoop loop = loopWith(1,
                               {point(1, 1, 40, 2, 2, 2, 16398, 53, 3), point(1, 1, 50, 2, 2, 1, 130, 42),
                                point(1, 1, 60, 2, 2, 2, 0x400D, 27, 2), point(1, 1, 70, 2, 2, 1, 133, 42, 2)});
        OvPointModel model(1);
        model.setActiveLoop(loop);
        const QModelIndexList list = rowsAt(model, rows);
        bool result = false;
        if (query == "tracking")
            result = model.isValidCheckTracking(list.first());
        else if (query == "flashing")
            result = model.isValidCheckFlashing(list.first());
        else if (query == "copy")
            result = model.canBeUsedForCopy(list);
        else
            result = model.canErase(list);
        QCOMPARE(result, expected);
    }

    void editQueries_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<int>("mode");
        QTest::addColumn<Paths>("paths");
        QTest::addColumn<int>("arg");
        QTest::addColumn<QVariant>("expected");
        const auto path = [](const QList<int>& p) { return QVariant::fromValue(p); };

        QTest::newRow("editable: row with channels") << "editable" << 1 << 1 << Paths{{30}} << 0 << QVariant(true);
        QTest::newRow("editable: software type 27") << "editable" << 1 << 1 << Paths{{40}} << 0 << QVariant(false);
        QTest::newRow("editable: no point") << "editable" << 1 << 1 << Paths{{}} << 0 << QVariant(false);
        QTest::newRow("editable: channel of type 54") << "editable" << 1 << 1 << Paths{{30, 0}} << 0 << QVariant(false);
        QTest::newRow("editable: typed channel") << "editable" << 1 << 1 << Paths{{10, 0}} << 0 << QVariant(true);
        QTest::newRow("editable: first free channel") << "editable" << 1 << 1 << Paths{{20, 0}} << 0 << QVariant(true);
        QTest::newRow("editable: VARN, after a free channel")
            << "editable" << 1 << 1 << Paths{{20, 1}} << 0 << QVariant(false);
        QTest::newRow("editable: VARN, covered address without row")
            << "editable" << 1 << 1 << Paths{{10, 1}} << 0 << QVariant(true);
        QTest::newRow("editable: VARN, covered address shows a sensor")
            << "editable" << 1 << 2 << Paths{{10, 1}} << 0 << QVariant(false);
        QTest::newRow("editable: ADV, after a free channel")
            << "editable" << 0 << 1 << Paths{{20, 1}} << 0 << QVariant(true);
        QTest::newRow("editable: linked, second channel")
            << "editable" << 0 << 1 << Paths{{40, 1}} << 0 << QVariant(true);
        QTest::newRow("editable: linked, after a free channel")
            << "editable" << 0 << 1 << Paths{{40, 2}} << 0 << QVariant(false);
        QTest::newRow("editable: linked, covered address without row")
            << "editable" << 0 << 1 << Paths{{60, 2}} << 0 << QVariant(true);
        QTest::newRow("editable: linked, covered address shows a sensor")
            << "editable" << 0 << 2 << Paths{{60, 2}} << 0 << QVariant(false);

        // VARN modules table: rows 9 (address 10, two channel rows) and 18 (address 20).
        QTest::newRow("distance: invalid") << "distance" << 1 << 1 << Paths{{}, {20}} << 1 << QVariant(0);
        QTest::newRow("distance: rows") << "distance" << 1 << 1 << Paths{{10}, {20}} << 0 << QVariant(9);
        QTest::newRow("distance: rows, first expanded")
            << "distance" << 1 << 1 << Paths{{10}, {20}} << 1 << QVariant(11);
        QTest::newRow("distance: from a channel") << "distance" << 1 << 1 << Paths{{10, 1}, {20}} << 0 << QVariant(10);
        QTest::newRow("distance: to a channel") << "distance" << 1 << 1 << Paths{{10}, {20, 0}} << 0 << QVariant(9);
        QTest::newRow("distance: channel to channel")
            << "distance" << 1 << 1 << Paths{{10, 1}, {20, 1}} << 1 << QVariant(11);

        QTest::newRow("first: one invalid") << "first" << 1 << 1 << Paths{{}, {20, 1}} << 0 << path({20, 1});
        QTest::newRow("first: channels") << "first" << 1 << 1 << Paths{{20, 1}, {20, 0}} << 0 << path({20, 0});
        QTest::newRow("last: channels") << "last" << 1 << 1 << Paths{{20, 0}, {20, 1}} << 0 << path({20, 1});
        QTest::newRow("first: row and its channel") << "first" << 1 << 1 << Paths{{20, 1}, {20}} << 0 << path({20});
        QTest::newRow("last: row and its channel") << "last" << 1 << 1 << Paths{{20}, {20, 1}} << 0 << path({20});
        QTest::newRow("first: other rows") << "first" << 1 << 1 << Paths{{30, 0}, {10}} << 0 << path({10});
        QTest::newRow("last: other rows") << "last" << 1 << 1 << Paths{{30, 0}, {10}} << 0 << path({30});
        QTest::newRow("last: rows") << "last" << 1 << 1 << Paths{{20}, {10, 1}} << 0 << path({20});

        QTest::newRow("zone text: described") << "zone" << 1 << 0 << Paths{{3}} << 1 << QVariant("2: Hall");
        QTest::newRow("zone text: plain") << "zone" << 1 << 0 << Paths{{4}} << 1 << QVariant("1");
        QTest::newRow("zone text: none") << "zone" << 1 << 0 << Paths{{5}} << 1 << QVariant("PT_NOT_ASSIGNED");
        QTest::newRow("zone text: zone 0") << "zone" << 1 << 0 << Paths{{6}} << 1 << QVariant("PT_NOT_ASSIGNED");
        QTest::newRow("zone text: no point") << "zone" << 1 << 0 << Paths{{}} << 1 << QVariant("PT_NOT_ASSIGNED");
        QTest::newRow("zone text: no plant") << "zone" << 1 << 0 << Paths{{3}} << 0 << QVariant();

        QTest::newRow("program: inputs") << "cbe" << 1 << 2 << Paths{{3}, {4}, {50}} << 0 << QVariant(true);
        QTest::newRow("program: input and output") << "cbe" << 1 << 2 << Paths{{3}, {51}} << 0 << QVariant(false);
        QTest::newRow("program: channels alike") << "cbe" << 1 << 2 << Paths{{10}, {30}} << 0 << QVariant(true);
        QTest::newRow("program: input and channels") << "cbe" << 1 << 2 << Paths{{3}, {10}} << 0 << QVariant(false);
        QTest::newRow("program: empty module and input") << "cbe" << 1 << 1 << Paths{{1}, {50}} << 0 << QVariant(false);
        QTest::newRow("program: nothing") << "cbe" << 1 << 2 << Paths{} << 0 << QVariant(true);
        QTest::newRow("direct: inputs") << "direct" << 1 << 2 << Paths{{3}, {50}} << 0 << QVariant(true);
        QTest::newRow("direct: output") << "direct" << 1 << 2 << Paths{{3}, {51}} << 0 << QVariant(false);
        QTest::newRow("direct: channels") << "direct" << 1 << 2 << Paths{{10}} << 0 << QVariant(false);
        QTest::newRow("direct: nothing") << "direct" << 1 << 2 << Paths{} << 0 << QVariant(true);
        // Each row's PackedAddress, byte 0 lowest: CPU 1 and loop 1 give byte 0 = 0; byte 1 the
        // sub-address - 1 from bit 1 on and 0x20 for a module; byte 2 the address - 1.
        QTest::newRow("owners: sensor, module, channel 2") << "owners" << 1 << 2 << Paths{{3}, {50}, {30, 1}} << 0
                                                           << QVariant(QVariantList{0x020000u, 0x312000u, 0x1D2200u});

        QTest::newRow("select all: channels")
            << "all" << 1 << 1 << Paths{{20, 1}} << 0 << QVariant::fromValue(Paths{{20, 0}, {20, 1}});
        QTest::newRow("select all: rows") << "all" << 1 << 2 << Paths{{3}} << 0 << QVariant(99);
        QTest::newRow("select all: nothing") << "all" << 1 << 1 << Paths{{}} << 0 << QVariant(0);

        // arg: hardware type of a series-2 module type, or -1 for 0x400D of series 1.
        QTest::newRow("placement: no point") << "placement" << 1 << 1 << Paths{{}} << 0x400D << QVariant(-1);
        QTest::newRow("placement: other type") << "placement" << 1 << 1 << Paths{{70}} << 16398 << QVariant(0);
        QTest::newRow("placement: series 1") << "placement" << 1 << 1 << Paths{{70}} << -1 << QVariant(0);
        QTest::newRow("placement: off the tens") << "placement" << 1 << 1 << Paths{{25}} << 0x400D << QVariant(-1);
        QTest::newRow("placement: next typed") << "placement" << 1 << 1 << Paths{{50}} << 0x400D << QVariant(-1);
        QTest::newRow("placement: next free") << "placement" << 1 << 1 << Paths{{70}} << 0x400D << QVariant(1);
    }
    void editQueries()
    {
        QFETCH(QString, query);
        QFETCH(int, loopType);
        QFETCH(int, mode);
        QFETCH(Paths, paths);
        QFETCH(int, arg);
        QFETCH(QVariant, expected);
        std::unique_ptr<FixturePlant> plant;
        if (query != "zone" || arg != 0) {
            plant.reset(new FixturePlant(8));
            (*plant)->areas().areaAt(1)->setDescription("Hall");
        }
        OvPointModel model(mode);
        model.setActiveLoop(loopWith(loopType, editFixture(loopType)));
        QModelIndexList list;
        for (const QList<int>& p : paths)
            list << byAddress(model, p);
        for (int i = 0; i < paths.size(); ++i)
            QCOMPARE(list.at(i).isValid(), !paths.at(i).isEmpty());

        QVariant result;
        if (query == "editable") {
            result = model.isEditable(list.first());
        } else if (query == "distance") {
            result = model.rowDistance(list.at(0), list.at(1), arg != 0);
        } else if (query == "first" || query == "last") {
            const QModelIndex found = query == "first" ? model.firstIndex(list.at(0), list.at(1))
                                                       : model.lastIndex(list.at(0), list.at(1));
            QCOMPARE(found, byAddress(model, expected.value<QList<int>>()));
            return;
        } else if (query == "zone") {
            result = model.getPointAreaIndexStr(list.first());
        } else if (query == "cbe") {
            result = model.isCBEEditEnabled(list);
        } else if (query == "direct") {
            result = model.isCBEEditDirect(list);
        } else if (query == "owners") {
            result = model.getCBEOwners(list);
        } else if (query == "all") {
            const QModelIndexList all = model.selectAll(list.first());
            if (expected.type() == QVariant::Int) {
                QCOMPARE(all.size(), expected.toInt());
                if (!all.isEmpty())
                    QCOMPARE((QList<QModelIndex>{all.first(), all.last()}),
                             (QList<QModelIndex>{model.index(0, 0), model.index(all.size() - 1, 0)}));
                return;
            }
            QModelIndexList wanted;
            for (const QList<int>& p : expected.value<Paths>())
                wanted << byAddress(model, p);
            QCOMPARE(all, wanted);
            return;
        } else {
            const int protocol = loopType == 1 ? 2 : 1;
            const PointType type = arg < 0 ? PointType(protocol, 2, 1, 0x400D, 0, 2)
                                           : PointType(protocol, 2, 2, u16(arg), 0, 2);
            result = model.checkTypePlacement(model.getPoint(list.first()), type);
        }
        QCOMPARE(result, expected);
    }

    void selectedAddresses_data()
    {
        QTest::addColumn<QList<int>>("addresses");
        QTest::addColumn<QString>("text");
        // A module with two channels at 40 on a loop of this type (-1 none), and the channel
        // rows of it that are selected after the addresses.
        QTest::addColumn<int>("loopType");
        QTest::addColumn<QList<int>>("channels");
        QTest::newRow("run and single") << QList<int>{3, 4, 5, 6, 9} << "CSV_ADDRESS: 3 - 6; 9" << -1 << QList<int>{};
        QTest::newRow("pair and single") << QList<int>{3, 4, 9} << "CSV_ADDRESS: 3; 4; 9" << -1 << QList<int>{};
        QTest::newRow("singles") << QList<int>{2, 9} << "CSV_ADDRESS: 2; 9" << -1 << QList<int>{};
        QTest::newRow("one run") << QList<int>{7, 8, 9} << "CSV_ADDRESS: 7 - 9" << -1 << QList<int>{};
        QTest::newRow("none") << QList<int>{} << "CSV_ADDRESS: " << -1 << QList<int>{};
        // Channel records of the ADV protocol share the module's address; the others take their own.
        QTest::newRow("ADV channel 2") << QList<int>{} << "CSV_ADDRESS: 40.2" << 0 << QList<int>{1};
        QTest::newRow("ADV channels") << QList<int>{} << "CSV_ADDRESS: 40.1; 40.2" << 0 << QList<int>{0, 1};
        QTest::newRow("VARN channel 2") << QList<int>{} << "CSV_ADDRESS: 41" << 1 << QList<int>{1};
    }
    void selectedAddresses()
    {
        QFETCH(QList<int>, addresses);
        QFETCH(QString, text);
        QFETCH(int, loopType);
        QFETCH(QList<int>, channels);
        OvPointModel model(loopType < 0 ? 0 : 1);
        const int protocol = loopType == 1 ? 2 : 1;
        model.setActiveLoop(loopType < 0 ? loopWith(0, {})
                                         : loopWith(loopType, {point(1, 1, 40, protocol, 2, 2, 16398, 53, 2)}));
        QList<QList<int>> rows;
        for (int address : addresses)
            rows << QList<int>{address - 1};
        QModelIndexList selection = rowsAt(model, rows);
        for (int channel : channels)
            selection << byAddress(model, {40, channel});
        QCOMPARE(model.getSelectedIndexesStr(selection), text);
    }

    void statusToolTip()
    {
        FixturePlant plant(8);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, 0);
        // A KORVA module naming no input sensor, with a CBE error as well.
        OvGenericPoint korva = point(1, 1, 5, 1, 2, 1, 181, 46);
        korva.setCBE("OR(");
        expectWarning("CBE ERROR: OR\\(");
        korva.checkCBE();
        QVERIFY(korva.getCBEErrorCode() != 0);
        OvGenericPoint wrongCbe = point(1, 1, 6, 1, 2, 1, 130, 46);
        wrongCbe.setCBE("OR(");
        OvGenericPoint unassigned = point(1, 1, 7, 1, 2, 1, 133, 53, 2);
        for (OvGenericSubPoint channel : unassigned.subPoints()) {
            channel.reset();
            unassigned.updateSubPoint(channel);
        }
        // An older file's module at an address the channels of the module at 10 take.
        OvGenericPoint spanning = point(1, 1, 10, 1, 2, 2, 16398, 53, 3);
        OvGenericPoint covered = point(1, 1, 11, 1, 2, 1, 130, 46);
        for (const OvGenericPoint* p : {&korva, &wrongCbe, &unassigned, &spanning, &covered})
            plant->setPoint(*p);
        OvPointModel model(1);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        QCOMPARE(model.getIconToolTip(model.index(4, 0)), QString("KORVA_INVALID_INPUT_1"));
        QCOMPARE(cell(model, {4}, 257), QString("errors.png"));
        QCOMPARE(model.getIconToolTip(model.index(5, 0)), QString("ERROR_UNDEF:65535"));
        QCOMPARE(model.getIconToolTip(model.index(6, 0)), QString("PT_NOT_ASSIGNED"));
        QCOMPARE(cell(model, {6}, 257), QString("warning.png"));
        QCOMPARE(model.getIconToolTip(model.index(0, 0)), QString());
        QCOMPARE(cell(model, {9}, 257), QString("errors.png"));
        QCOMPARE(model.getPoint(model.index(10, 0))->address(), 11u);
        QCOMPARE(model.getIconToolTip(model.index(10, 0)), QString("USR_ERR_ADDRESS_COVERED"));
        QCOMPARE(model.getPoint(model.index(11, 0))->address(), 13u);
    }

    void typeTreesFollowTheLoop()
    {
        OvPointModel model(1);
        model.setActiveLoop(loopWith(0, {}));
        auto* sensors = qvariant_cast<OvPointTypeTreeModel*>(model.getSensorTypeTreeModel());
        auto* modules = qvariant_cast<OvPointTypeTreeModel*>(model.getModuleTypeTreeModel());
        QVERIFY(sensors && modules);
        QCOMPARE(QList<int>({sensors->protocol(), sensors->family(), modules->protocol(), modules->family()}),
                 QList<int>({1, 1, 1, 2}));
        model.setActiveLoop(varnLoop());
        QCOMPARE(QList<int>({sensors->protocol(), modules->protocol()}), QList<int>({2, 2}));
        QCOMPARE(qvariant_cast<PointType>(modules->getPointType(modules->index(0, 0))).getProtocol(), 2);

        // A channel puts the module tree into its list; the tree keeps no pointer to it.
        model.onCurrentIndexChanged(modeltest::at(model, {39, 1}));
        QVERIFY(modules->subPointMode());
        const int rows = modules->rowCount();
        QSignalSpy resets(modules, &QAbstractItemModel::modelReset);
        model.setActiveLoop(varnLoop());
        QCOMPARE(modules->rowCount(), rows);
        QCOMPARE(modules->data(modules->index(0, 0), 258).toString(), QString("APND"));
        model.onCurrentIndexChanged(modeltest::at(model, {39, 1}));
        QCOMPARE(resets.count(), 0);
        model.onCurrentIndexChanged(modeltest::at(model, {39}));
        QVERIFY(!modules->subPointMode());
    }

    // A module the mixed table hides behind its complete sensor still takes its address.
    void freeAddressesComeFromTheLoop()
    {
        FixturePlant plant(0);
        OvPointModel mixed(2);
        mixed.setActiveLoop(loopWith(1,
                                     {point(1, 1, 40, 2, 2, 1, 130, 46), zoned(point(1, 1, 42, 2, 1, 1, 30, 4)),
                                      point(1, 1, 42, 2, 2, 1, 130, 46)}));
        QCOMPARE(mixed.rowCount(), 98);
        auto* modules = qvariant_cast<OvPointTypeTreeModel*>(mixed.getModuleTypeTreeModel());
        QSet<int> offered;
        mixed.onCurrentIndexChanged(mixed.index(39, 0));
        for (int r = 0; r < modules->rowCount(); ++r)
            offered << qvariant_cast<PointType>(modules->getPointType(modules->index(r, 0))).hwType();
        // Addresses 40 and 41 are free: two channels fit, four do not.
        QVERIFY(offered.contains(201) && offered.contains(16398));
        QVERIFY(!offered.contains(202) && !offered.contains(208));
    }
};

QTEST_GUILESS_MAIN(tst_PointModel)
#include "tst_pointmodel.moc"
