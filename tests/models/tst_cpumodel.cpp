// The CPU list: rows from CPU 2, the loop budget on installs and board counts, refused rows,
// and the copy kept up to date by the application's role updates.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvCPUModel.h"
#include "models/OvPlantModel.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using modeltest::FixturePlant;
using Tester = QAbstractItemModelTester;

namespace {

enum { kIndex = 258, kEnabled, kLibs, kSib, kUps, kDescription };

bool installedBit(int record)
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx->is_cpu_installed(u32(record));
}

} // namespace

class tst_CPUModel : public TestBase {
    Q_OBJECT

private slots:
    void rowsAndSelection()
    {
        FixturePlant plant(8, true);
        plant->setPlantType(1, false);
        OvCPUModel model(&*plant);
        Tester tester(&model, Tester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 63);
        QCOMPARE(model.data(model.index(0, 3), kIndex).toString(), QString("# 2"));
        QCOMPARE(model.data(model.index(62, 0), kIndex).toString(), QString("#64"));
        QVERIFY(model.isSameIndex("# 5", 5));
        QVERIFY(!model.isSameIndex("#5", 5));

        OvPlantModel tree(&*plant);
        connect(&model, &OvCPUModel::selectCPURqst, &tree, &OvPlantModel::onSelectCPURqst);
        QSignalSpy request(&model, &OvCPUModel::selectCPURqst);
        QSignalSpy page(&tree, &OvPlantModel::cpuPageSelected);
        model.selectCPU(-2);
        model.selectCPU(-1);
        QCOMPARE(request.count(), 1);
        QCOMPARE(request.at(0).at(0).toUInt(), 0u);
        QCOMPARE(page.count(), 1);
        QCOMPARE(page.at(0).at(0).toInt(), 1);
    }

    // The CPUs are copied when a row is first asked for: a plant gone before that leaves the
    // rows the model had, and nothing is read from it.
    void plantGoneBeforeRows()
    {
        FixturePlant plant(8, true);
        plant->setPlantType(1, false);
        OvCPUModel model(&*plant);
        QCOMPARE(model.rowCount(), 63);
        auto other = std::make_unique<Plant>();
        other->cpus().resize(3);
        model.reset(other.get());
        other.reset();
        QCOMPARE(model.rowCount(), 63);
        model.reset(&*plant);
        plant->cpus().resize(5);
        QCOMPARE(model.rowCount(), 4);
    }

    // ZP4800, networked: 64 loops at most, 2 loops per board. CPUs 1 to 7 with four boards and
    // CPUs 8 and 9 with one: 60 loops in use.
    void budget_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("box");
        QTest::addColumn<QString>("setup");
        QTest::newRow("install CPU 10: 2 + 60") << 8 << int(kEnabled) << QVariant(true) << true << false << "";
        QTest::newRow("CPU 8, 1 to 3 boards: 4 + 60") << 6 << int(kLibs) << QVariant(3) << true << false << "";
        QTest::newRow("CPU 8, 1 to 4 boards: 6 + 60") << 6 << int(kLibs) << QVariant(4) << false << true << "";
        QTest::newRow("CPU 2 down to 1 board") << 0 << int(kLibs) << QVariant(1) << true << false << "";
        QTest::newRow("CPU 8 at 1 board again") << 6 << int(kLibs) << QVariant(1) << false << false << "";
        QTest::newRow("remove CPU 9") << 7 << int(kEnabled) << QVariant(false) << true << false << "";
        QTest::newRow("SIB is read only") << 3 << int(kSib) << QVariant(true) << false << false << "";
        QTest::newRow("no plant: install") << 8 << int(kEnabled) << QVariant(true) << false << false << "no plant";
        QTest::newRow("no plant: boards") << 8 << int(kLibs) << QVariant(2) << false << false << "no plant";
        QTest::newRow("row past the list") << 20 << int(kEnabled) << QVariant(true) << false << false << "4 CPUs";
    }

    void budget()
    {
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, value);
        QFETCH(bool, accepted);
        QFETCH(bool, box);
        QFETCH(QString, setup);
        ScriptedDialogs dialogs;
        if (box)
            dialogs.answer(PlantMessage::Ok);
        FixturePlant plant(0, true);
        plant->setPlantType(1, false);
        for (int p = 0; p < 9; ++p) {
            plant->cpus().cpuAt(p)->setEnabled(true);
            plant->cpus().cpuAt(p)->setLibCount(p < 7 ? 4 : 1);
        }
        OvCPUModel model(&*plant);
        Tester tester(&model, Tester::FailureReportingMode::QtTest);
        const QModelIndex index = model.index(row, 2);
        if (setup == "no plant")
            ActivePlant::install(nullptr);
        if (setup == "4 CPUs") {
            plant->cpus().resize(4);
            model.reset(&*plant);
        }
        QSignalSpy modified(&model, &OvCPUModel::cpuDeviceModified);
        QSignalSpy reverted(&model, &OvCPUModel::revertData);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        QCOMPARE(model.setData(index, value, role), false);
        // Boards taking device blocks are announced on the trace.
        traceErrors("set_cpu_llId");
        QCOMPARE(modified.count(), accepted ? 1 : 0);
        QCOMPARE(changed.count(), accepted ? 1 : 0);
        QCOMPARE(reverted.count(), accepted ? 0 : 1);
        QCOMPARE(dialogs.asked().size(), box ? 1 : 0);
        if (box) {
            QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_TOO_MANY_LOOPS"));
            QCOMPARE(dialogs.asked().at(0).icon, PlantMessage::Critical);
            QCOMPARE(dialogs.asked().at(0).detailedText, QString("USR_ERR_TOO_MANY_LOOPS_DTL: 64"));
        }
        if (accepted) {
            const auto dev = modified.at(0).at(0).value<CPUDevice>();
            QCOMPARE(int(dev.index()), row + 2);
            QCOMPARE(modified.at(0).at(1).value<QVector<int>>(), QVector<int>{role});
            QCOMPARE(role == kLibs ? QVariant(int(dev.getLibCount())) : QVariant(dev.isEnabled()), value);
            QCOMPARE(model.data(model.index(row, 0), role), value);
        } else {
            QCOMPARE(reverted.at(0).at(0).toInt(), row);
        }
        // Only an accepted install sets the installed bit; the plant is left to the application.
        QCOMPARE(installedBit(row + 1), accepted && role == kEnabled && value.toBool());
        // Four CPUs left: 4 x 4 boards x 2 loops.
        QCOMPARE(plant->getActiveLoopCount(), setup == "4 CPUs" ? 32 : 60);
    }

    // KV1600, networked: 64 boards at most; CPU 1 has one board, the next `others` CPUs four.
    // CPU 2, installed on the list, takes the four-board type and 4 boards (2 when it stays
    // installed) on its page, as the application wires them; the list then installs it again
    // (removed and compiled before) or raises it to 4 boards.
    void changedElsewhere_data()
    {
        QTest::addColumn<bool>("removed");
        QTest::addColumn<int>("others");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("install again: 4 + 61") << true << 15 << false;
        QTest::newRow("install again: 4 + 57") << true << 14 << true;
        QTest::newRow("2 to 4 boards: 4 + 61") << false << 15 << false;
        QTest::newRow("2 to 4 boards: 4 + 57") << false << 14 << true;
    }

    void changedElsewhere()
    {
        QFETCH(bool, removed);
        QFETCH(int, others);
        QFETCH(bool, accepted);
        enum { kFourBoards = 8 };
        ScriptedDialogs dialogs;
        if (!accepted)
            dialogs.answer(PlantMessage::Ok);
        FixturePlant plant(8, true);
        plant->setPlantType(1, false);
        OvCPUModel model(&*plant);
        Tester tester(&model, Tester::FailureReportingMode::QtTest);
        connect(&model, &OvCPUModel::cpuDeviceModified, &*plant, [&](const CPUDevice& cpu) { plant->setCPU(cpu); });
        connect(&*plant, &Plant::cpuLibCountChanged, &model,
                [&](const CPUDevice& cpu) { model.onCPUDataChanged(cpu, {kLibs}); });
        const QModelIndex cpu2 = model.index(0, 2);
        model.setData(cpu2, true, kEnabled);
        plant->setCPUType(1, kFourBoards);
        plant->setCPULibCount(1, removed ? 4 : 2);
        if (removed) {
            model.setData(cpu2, false, kEnabled);
            plant->cpus().cpuAt(1)->writeToPanelData();
        }
        for (int p = 2; p < 2 + others; ++p) {
            plant->cpus().cpuAt(p)->setCpuType(kFourBoards);
            plant->cpus().cpuAt(p)->setEnabled(true);
            plant->cpus().cpuAt(p)->setLibCount(4);
        }
        QSignalSpy modified(&model, &OvCPUModel::cpuDeviceModified);
        removed ? model.setData(cpu2, true, kEnabled) : model.setData(cpu2, 4, kLibs);
        traceErrors("set_cpu_llId");
        QCOMPARE(modified.count(), accepted ? 1 : 0);
        QCOMPARE(dialogs.asked().size(), accepted ? 0 : 1);
        QCOMPARE(plant->getActiveLoopCount(), 2 * (1 + 4 * others + (accepted ? 4 : removed ? 0 : 2)));
        // The CPU page shows the type the plant compiles.
        QCOMPARE(plant->getCPUType(1), int(kFourBoards));
    }

    void roleUpdates_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("description") << int(kDescription) << QVariant(QString("Stairs"));
        QTest::newRow("boards") << int(kLibs) << QVariant(3);
        QTest::newRow("UPS") << int(kUps) << QVariant(true);
        QTest::newRow("SIB") << int(kSib) << QVariant(true);
    }

    void roleUpdates()
    {
        QFETCH(int, role);
        QFETCH(QVariant, expected);
        FixturePlant plant(0, true);
        plant->setPlantType(1, false);
        OvCPUModel model(&*plant);
        Tester tester(&model, Tester::FailureReportingMode::QtTest);
        CPUDevice dev(*plant->cpus().cpuAt(4));
        dev.setEnabled(true);
        dev.setDescription("Stairs");
        dev.setLibCount(3);
        traceErrors("set_cpu_llId");
        dev.setUPSFlag(true);
        dev.enableSIB();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.onCPUDataChanged(dev, {role});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(3, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(3, 6));
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int>{role});
        QCOMPARE(model.data(model.index(3, 0), role), expected);
        model.onCPUDataChanged(CPUDevice(*plant->cpus().cpuAt(0)), {role});
        QCOMPARE(changed.count(), 1);
    }
};

QTEST_MAIN(tst_CPUModel)
#include "tst_cpumodel.moc"
