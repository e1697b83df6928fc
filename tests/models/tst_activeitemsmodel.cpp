// The target tree of the device chooser: what each device-type bit lists, the family groups,
// and the numbers read back from a chosen row.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/ActiveItemsModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using modeltest::at;
using modeltest::FixturePlant;
using plantbuild::point;

namespace {

// Panel 8, CPU 1 with two boards: VARN loops 1 and 3 (loop 1 detectors 2 and 5, loop 3 a
// module at 12 with two channels); loop 2 APOLLO with one detector.
void threeLoops(Plant& plant)
{
    plant.setPlantType(0, false);
    CPUDevice* cpu = plant.cpus().cpuAt(0);
    cpu->setDescription("Main");
    cpu->setLibCount(2);
    cpu->setLoopType(0, 1);
    cpu->setLoopType(1, 2);
    cpu->setLoopType(2, 1);
    for (int address : {2, 5}) {
        OvGenericPoint s = point(1, 1, address, 2, 1, 1, 30, 4);
        s.setDescription(QString("Detector %1").arg(address));
        plant.setPoint(s);
    }
    OvGenericPoint apollo = point(1, 2, 3, 4, 1, 4, 62464, 2);
    plant.setPoint(apollo);
    OvGenericPoint module = point(1, 3, 12, 2, 2, 1, 133, 53, 2);
    module.setDescription("Doors");
    for (OvGenericSubPoint channel : module.subPoints()) {
        channel.setDescription(QString("Door %1").arg(channel.getSubIndex()));
        module.updateSubPoint(channel);
    }
    plant.setPoint(module);
}

// Each row as kind-free "address description selectable", children indented by one blank.
QString dump(const ActiveItemsModel& model, const QModelIndex& parent = QModelIndex(), int depth = 0)
{
    QString text;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        text += QString(depth, ' ') + model.data(index, 258).toString() + " " + model.data(index, 259).toString()
            + (model.data(index, 260).toBool() ? " +" : " -") + "\n";
        text += dump(model, index, depth + 1);
    }
    return text;
}

} // namespace

class tst_ActiveItemsModel : public TestBase {
    Q_OBJECT

private slots:
    void faceOfTheModel()
    {
        ActiveItemsModel model;
        const QHash<int, QByteArray> roles = model.roleNames();
        QCOMPARE((QList<QByteArray>{roles.value(257), roles.value(258), roles.value(259), roles.value(260),
                                    roles.value(261)}),
                 (QList<QByteArray>{"itemIconName", "itemAddress", "itemDescription", "selectable", ""}));
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.getFirstIndex().isValid());
        QVERIFY(!model.canBeSelected(QModelIndex()));
        QCOMPARE(model.getSelectedAreaAddress(), -1);
        // Without a plant the tree stays empty.
        model.rebuildModel(1, true);
        QCOMPARE(model.rowCount(), 0);
    }

    void areas_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("skipEmpty");
        QTest::addColumn<QString>("tree");
        QTest::newRow("areas") << 1 << true << "0 ALL +\n 2 2:Stairs +\n";
        QTest::newRow("areas win over CPUs") << 3 << true << "0 ALL +\n 2 2:Stairs +\n";
    }
    void areas()
    {
        QFETCH(int, bits);
        QFETCH(bool, skipEmpty);
        QFETCH(QString, tree);
        FixturePlant plant(8);
        for (int i = 0; i < 3; ++i)
            plant->areas().areaAt(i)->setDescription(QStringList{"Hall", "Stairs", "Roof"}.at(i));
        plant->areas().areaAt(1)->setSensorCount(1);
        ActiveItemsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel(bits, skipEmpty);
        QCOMPARE(dump(model), tree);
        model.select(at(model, {0}));
        QCOMPARE(model.getSelectedAreaAddress(), 0);
        model.rebuildModel(1, false);
        QCOMPARE(model.rowCount(at(model, {0})), plant->areas().count());
        QCOMPARE(model.getSelectedAreaAddress(), -1);
    }

    void cpuTree_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("tree");
        QTest::newRow("CPUs") << 2 << "1 1:Main +\n";
        QTest::newRow("detectors: APOLLO loop left out, no family group")
            << 6 << "1 1:Main -\n 1 1 +\n  2 2:Detector 2 +\n  5 5:Detector 5 +\n";
        QTest::newRow("modules: every loop of the CPU")
            << 10 << "1 1:Main -\n 1 1 +\n 2 2 +\n 3 3 +\n  12 12:Doors +\n   1 1:Door 1 +\n   2 2:Door 2 +\n 4 4 +\n";
    }
    void cpuTree()
    {
        QFETCH(int, bits);
        QFETCH(QString, tree);
        FixturePlant plant(8);
        threeLoops(*plant);
        ActiveItemsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel(bits, true);
        QCOMPARE(dump(model), tree);
    }

    // Both families on one loop: two groups that cannot be chosen.
    void familyGroups()
    {
        FixturePlant plant(8);
        threeLoops(*plant);
        OvGenericPoint s = point(1, 3, 1, 2, 1, 1, 30, 4);
        s.setDescription("Detector 1");
        plant->setPoint(s);
        ActiveItemsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel(14, true);
        const QModelIndex loop3 = at(model, {0, 2});
        QCOMPARE(model.data(loop3, 258).toInt(), 3);
        QCOMPARE(model.rowCount(loop3), 2);
        QCOMPARE((QStringList{model.data(at(model, {0, 2, 0}), 259).toString(),
                              model.data(at(model, {0, 2, 0}), 257).toString(),
                              model.data(at(model, {0, 2, 1}), 259).toString(),
                              model.data(at(model, {0, 2, 1}), 257).toString()}),
                 (QStringList{"CSV_PT_SENSOR", "sensore.png", "CSV_PT_MODULE", "Moduli.png"}));
        QVERIFY(!model.canBeSelected(at(model, {0, 2, 0})));
        QVERIFY(!model.canBeSelected(at(model, {0, 2, 1})));
        QVERIFY(!model.canBeSelected(at(model, {0})));
        QVERIFY(model.canBeSelected(loop3));
        QCOMPARE(model.getParentIndexes(), QModelIndexList{at(model, {0})});
    }

    void readBack_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<QList<int>>("numbers");
        // CPU, loop, point, sub, area
        QTest::newRow("channel") << QList<int>{0, 2, 0, 1} << QList<int>{1, 3, 12, 2, -1};
        QTest::newRow("module") << QList<int>{0, 2, 0} << QList<int>{1, 3, 12, -1, -1};
        QTest::newRow("loop") << QList<int>{0, 2} << QList<int>{1, 3, -1, -1, -1};
        QTest::newRow("nothing") << QList<int>{} << QList<int>{-1, -1, -1, -1, -1};
    }
    void readBack()
    {
        QFETCH(QList<int>, path);
        QFETCH(QList<int>, numbers);
        FixturePlant plant(8);
        threeLoops(*plant);
        ActiveItemsModel model;
        model.rebuildModel(10, true);
        QModelIndex index;
        for (int row : path)
            index = model.index(row, 0, index);
        model.select(index);
        QCOMPARE(
            (QList<int>{model.getSelectedCPUAddress(), model.getSelectedLoopAddress(), model.getSelectedPointAddress(),
                        model.getSelectedSubAddress(), model.getSelectedAreaAddress()}),
            numbers);
    }
};

QTEST_MAIN(tst_ActiveItemsModel)
#include "tst_activeitemsmodel.moc"
