// The walk-test output chooser over a small VARN plant: which rows it lists, their texts, the
// choice and its name, the stored output it restores, and where the output lands in the panel's
// general block.
#include "../plant/PlantTestSupport.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/WalkTestModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using modeltest::at;
using modeltest::FixturePlant;
using plantbuild::point;

namespace {

constexpr int kDescription = Qt::UserRole + 3;

// CPU 1, loop 2 VARN: an output module "Bell" (type row 24, GTS) at 5, an input module at 6, and a
// two-channel module at 9 whose first channel is an output and second an input.
void buildOutputs(Plant& plant, bool typedBell = true, int protocol = 2, int series = 1, u16 hw = 133)
{
    CPUDevice* cpu = plant.cpus().cpuAt(0);
    cpu->setEnabled(true);
    cpu->setLoopType(1, 1);
    OvGenericPoint bell = point(1, 2, 5, 2, 2, 1, 130, typedBell ? 24 : 0);
    bell.setDescription("Bell");
    OvGenericPoint input = point(1, 2, 6, 2, 2, 1, 130, 46);
    OvGenericPoint channels = point(1, 2, 9, protocol, 2, series, hw, 53, 2);
    OvGenericSubPoint first = channels.subPoints().at(0);
    first.setSWType(24, true);
    first.setDescription("Hall sounder");
    channels.updateSubPoint(first);
    for (OvGenericPoint* p : {&bell, &input, &channels})
        plant.cpus().setPoint(p);
}

QString text(const QAbstractItemModel& model, const QModelIndex& index)
{
    return model.data(index, kDescription).toString();
}

} // namespace

class tst_WalkTestModel : public TestBase {
    Q_OBJECT

private slots:
    void tree()
    {
        FixturePlant plant(8);
        buildOutputs(*plant);
        WalkTestModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(at(model, {0}), Qt::UserRole + 2).toUInt(), 1u);
        QCOMPARE(model.rowCount(at(model, {0})), 1);
        QCOMPARE(text(model, at(model, {0, 0})), QString("#2"));
        QCOMPARE(model.data(at(model, {0, 0}), Qt::DisplayRole), QVariant());
        // Bell, then the channel module; the input module at 6 is not listed.
        const QModelIndex loop = at(model, {0, 0});
        QCOMPARE(model.rowCount(loop), 2);
        QVERIFY(text(model, at(model, {0, 0, 0})).startsWith("5 - "));
        QVERIFY(text(model, at(model, {0, 0, 0})).endsWith(": Bell"));
        QVERIFY(text(model, at(model, {0, 0, 1})).startsWith("9 - "));
        // Only the output channel, named by its loop address on a VARN loop.
        QCOMPARE(model.rowCount(at(model, {0, 0, 1})), 1);
        QCOMPARE(text(model, at(model, {0, 0, 1, 0})), QString("9 - GTS: Hall sounder"));

        QCOMPARE(model.getCurrentSelectedItemName(), QString("WALK_TEST_OUTPUT_SELECTION"));
        for (const QModelIndex& row : {at(model, {0}), loop, at(model, {0, 0, 1})})
            model.select(row); // CPU, loop and channel-module rows only expand
        QCOMPARE(model.getCPUIndex(), -1);
        model.select(at(model, {0, 0, 0}));
        QCOMPARE(model.getCurrentSelectedItemName(), QString("1.2.5 Bell"));
        QCOMPARE(QList<int>({model.getCPUIndex(), model.getLoopIndex(), model.getModuleIndex(), model.getSubIndex()}),
                 QList<int>({1, 2, 5, 0}));
        QVERIFY(model.checkSelectedPoint());
        model.select(at(model, {0, 0, 1, 0}));
        QCOMPARE(model.getCurrentSelectedItemName(), QString("1.2.9 Hall sounder"));
        QCOMPARE(model.getSubIndex(), 1);

        // Mode 2: CPU - 1 and the low loop bits in 5188; the high loop bit and sub - 1 (sub 0 taken
        // as 1) in 5189 beside its module bit 5, set by default; module - 1 in 5190.
        plant->setWalkTest(2);
        plant->setWalkTestPoint(1, 2, 5, 0);
        QCOMPARE(plant->copyTo(), 0);
        QCOMPARE(planttest::block(2).mid(5188, 3), QByteArray::fromHex("402004"));
        plant->setWalkTestPoint(1, 8, 256, 16);
        QCOMPARE(plant->copyTo(), 0);
        QCOMPARE(planttest::block(2).mid(5188, 3), QByteArray::fromHex("c03fff"));

        // The stored output comes back in mode 2 only.
        plant->setWalkTestPoint(1, 2, 5, 0);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.rebuildModel();
        QCOMPARE(model.getModuleIndex(), 5);
        plant->setWalkTest(1);
        model.rebuildModel();
        QCOMPARE(model.getModuleIndex(), -1);
        QCOMPARE(reset.count(), 2);

        // A bad range is refused before anything is announced.
        QSignalSpy removing(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        QVERIFY(!model.removeRows(1, 2, at(model, {0, 0})) && !model.removeRows(-1, 1, at(model, {0, 0})));
        QCOMPARE(removing.count(), 0);
        QVERIFY(model.removeRows(0, 1, at(model, {0, 0})));
        QCOMPARE(removing.count(), 1);
        QVERIFY(text(model, at(model, {0, 0, 0})).startsWith("9 - "));
    }

    // The chosen output comes back from the panel configuration under the name it was chosen
    // with: the panel keeps no sub-address 0, so a module without channels reads back sub 1.
    void storedOutputName_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<int>("sub");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("hw");
        QTest::newRow("module without channels") << 5 << 0 << "1.2.5 Bell" << 2 << 1 << 133;
        QTest::newRow("output channel") << 9 << 1 << "1.2.9 Hall sounder" << 2 << 1 << 133;
        // Its channels share the module's address: a program names this one M9.1.
        QTest::newRow("ADV series 2 channel") << 9 << 1 << "1.2.9.1 Hall sounder" << 1 << 2 << 16398;
    }
    void storedOutputName()
    {
        QFETCH(int, module);
        QFETCH(int, sub);
        QFETCH(QString, name);
        QFETCH(int, protocol);
        QFETCH(int, series);
        QFETCH(int, hw);
        FixturePlant plant(8);
        // VARN loops stay VARN only under a brand other than APOLLO.
        Configuration::instance()->set_current_brand(3);
        buildOutputs(*plant, true, protocol, series, u16(hw));
        WalkTestModel model;
        model.rebuildModel();
        QModelIndex chosen = at(model, {0, 0, module == 5 ? 0 : 1});
        if (sub > 0)
            chosen = model.index(0, 0, chosen);
        model.select(chosen);
        QCOMPARE(model.getCurrentSelectedItemName(), name);
        plant->setWalkTest(2);
        plant->setWalkTestPoint(uint(model.getCPUIndex()), uint(model.getLoopIndex()), uint(model.getModuleIndex()),
                                uint(model.getSubIndex()));
        g_zpConf->set_default_all(g_zpDataVersion);
        QCOMPARE(plant->copyTo(), 0);
        plant->copyFrom();
        model.rebuildModel();
        QCOMPARE(model.getCurrentSelectedItemName(), name);
        QCOMPARE(QList<int>({model.getCPUIndex(), model.getLoopIndex(), model.getModuleIndex(), model.getSubIndex()}),
                 QList<int>({1, 2, module, sub}));
        QVERIFY(model.checkSelectedPoint());
        QCOMPARE(model.getCurrentSelectedItemName(), name);
    }

    // A chosen output that is no longer a valid point is dropped.
    void untyped()
    {
        FixturePlant plant(8);
        buildOutputs(*plant, false);
        WalkTestModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(at(model, {0, 0})), 1); // only the channel module
        QVERIFY(model.checkSelectedPoint());
        plant->setWalkTest(2);
        for (const uint sub : {0u, 3u}) {
            plant->setWalkTestPoint(1, 2, sub ? 9 : 5, sub);
            model.rebuildModel();
            QCOMPARE(model.getCPUIndex(), 1);
            QVERIFY(!model.checkSelectedPoint());
            QCOMPARE(
                QList<int>({model.getCPUIndex(), model.getLoopIndex(), model.getModuleIndex(), model.getSubIndex()}),
                QList<int>({-1, -1, -1, -1}));
            QCOMPARE(model.getCurrentSelectedItemName(), QString("WALK_TEST_OUTPUT_SELECTION"));
        }
    }
};

QTEST_MAIN(tst_WalkTestModel)
#include "tst_walktestmodel.moc"
