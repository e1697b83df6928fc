// The point tables of the loop page: role table, rows and spans of multi-address modules, the
// row filters, and the queries the page asks before an edit.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPointModel.h"
#include "models/OvPointTypeTreeModel.h"

#include <QAbstractItemModelTester>
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

} // namespace

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
        QCOMPARE(cell(modules, {40}, 279), QString("#43"));
        QCOMPARE(cell(sensors, {6}, 279), QString("#  7"));

        // Every address keeps a row in the mixed table; the module at 50 stays listed.
        QCOMPARE(mixed.rowCount(), 99);
        QCOMPARE(cell(mixed, {49}, 279), QString("# 50"));
        QCOMPARE(mixed.data(mixed.index(49, 0), 261).toInt(), 2);
        QCOMPARE(cell(mixed, {40}, 279), QString("#41"));
        QCOMPARE(mixed.data(mixed.index(40, 0), 261).toInt(), 0);

        modules.flipFilterOnVoidAddresses();
        QCOMPARE(modules.rowCount(), 2);
        QCOMPARE(cell(modules, {1}, 279), QString("# 50"));

        OvPointModel adv(1);
        adv.setActiveLoop(loopWith(0, {point(1, 1, 12, 1, 2, 1, 133, 53, 2)}));
        QCOMPARE(adv.rowCount(), 159);
        QCOMPARE(cell(adv, {11, 1}, 279), QString(". 2"));
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
        QCOMPARE(cell(mixed, {0}, 279), QString("#1"));
        QCOMPARE(cell(mixed, {1}, 279), QString("#3"));
        QCOMPARE(mixed.data(mixed.index(0, 0), 261).toInt(), 0);
        QCOMPARE(cell(mixed, {0}, 258), QString("ID_PT_NONE"));
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

    void selectedAddresses_data()
    {
        QTest::addColumn<QList<int>>("addresses");
        QTest::addColumn<QString>("text");
        QTest::newRow("run and single") << QList<int>{3, 4, 5, 6, 9} << "CSV_ADDRESS: 3 - 6; 9";
        QTest::newRow("pair and single") << QList<int>{3, 4, 9} << "CSV_ADDRESS: 3; 4; 9";
        QTest::newRow("singles") << QList<int>{2, 9} << "CSV_ADDRESS: 2; 9";
        QTest::newRow("one run") << QList<int>{7, 8, 9} << "CSV_ADDRESS: 7 - 9";
        QTest::newRow("none") << QList<int>{} << "CSV_ADDRESS: ";
    }
    void selectedAddresses()
    {
        QFETCH(QList<int>, addresses);
        QFETCH(QString, text);
        OvPointModel model(0);
        model.setActiveLoop(loopWith(0, {}));
        QList<QList<int>> rows;
        for (int address : addresses)
            rows << QList<int>{address - 1};
        QCOMPARE(model.getSelectedIndexesStr(rowsAt(model, rows)), text);
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
        for (const OvGenericPoint* p : {&korva, &wrongCbe, &unassigned})
            plant->setPoint(*p);
        OvPointModel model(1);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        QCOMPARE(model.getIconToolTip(model.index(4, 0)), QString("KORVA_INVALID_INPUT_1"));
        QCOMPARE(cell(model, {4}, 257), QString("errors.png"));
        QCOMPARE(model.getIconToolTip(model.index(5, 0)), QString("ERROR_UNDEF:65535"));
        QCOMPARE(model.getIconToolTip(model.index(6, 0)), QString("PT_NOT_ASSIGNED"));
        QCOMPARE(cell(model, {6}, 257), QString("warning.png"));
        QCOMPARE(model.getIconToolTip(model.index(0, 0)), QString());
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
