// Editing the rows of the point tables: one value onto many rows, programs, fast inputs,
// resets, and copy and paste special within the capacity limits.
#include "../plant/LoopTestSupport.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPointModel.h"
#include "plant/OvGenericSubPoint.h"

#include "ZpData/Values/DeviceRec.h"

#include <QAbstractItemModelTester>
#include <QTranslator>
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

using Points = QList<const OvGenericPoint*>;

OvLoop loopWith(int type, const QList<OvGenericPoint>& points)
{
    OvLoop loop(1, 1, false, type);
    for (const OvGenericPoint& p : points)
        loop.updatePoint(p);
    return loop;
}

// Loop 1 (and 2) of CPU 1 in a plant of panel type 8; the model shows loop 1.
void plantLoops(FixturePlant& plant, int type, const QList<OvGenericPoint>& points)
{
    plant->setPlantType(1, false);
    plant->cpus().cpuAt(0)->setLoopType(0, type);
    plant->cpus().cpuAt(0)->setLoopType(1, type);
    for (const OvGenericPoint& p : points)
        plant->setPoint(p);
}

QModelIndexList rows(const OvPointModel& model, const QList<int>& top)
{
    QModelIndexList list;
    for (int r : top)
        list << model.index(r, 0);
    return list;
}

const OvGenericPoint* sensor(const OvPointModel& model, int address)
{
    return model.activeLoop().sensors().at(address - 1);
}

const OvGenericPoint* module(const OvPointModel& model, int address)
{
    return model.activeLoop().modules().at(address - 1);
}

} // namespace

Q_DECLARE_METATYPE(Points)

class tst_PointEdit : public TestBase {
    Q_OBJECT

public:
    tst_PointEdit() { qRegisterMetaType<Points>("QList<const OvGenericPoint*>"); }

private slots:
    void setterFamily()
    {
        OvPointModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(
            0, {point(1, 1, 1, 1, 1, 1, 30, 4), point(1, 1, 2, 1, 1, 1, 30, 4), point(1, 1, 3, 1, 1, 1, 30, 4)}));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        QSignalSpy painted(&model, &QAbstractItemModel::dataChanged);
        model.setSensorDescription(rows(model, {0, 1, 2}), "X");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<Points>(), Points({sensor(model, 1), sensor(model, 2), sensor(model, 3)}));
        QCOMPARE(painted.count(), 1);
        QCOMPARE(painted.at(0).at(1).toModelIndex().row(), 2);
        QCOMPARE(painted.at(0).at(2).value<QVector<int>>(), QVector<int>({259}));
        QCOMPARE(sensor(model, 3)->description(), QString("X"));
        model.setSensorDescription(rows(model, {0, 1, 2}), "X");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(painted.count(), 1);
        // The panel keeps 32 characters: a longer description is refused.
        model.setSensorDescription(rows(model, {0}), QString(33, 'D'));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(sensor(model, 1)->description(), QString("X"));

        // A point row with one of its channel rows: only the channel changes, both rows repaint.
        OvPointModel modules(1);
        modules.setActiveLoop(loopWith(0, {point(1, 1, 12, 1, 2, 1, 133, 53, 2)}));
        QSignalSpy repainted(&modules, &QAbstractItemModel::dataChanged);
        modules.setSensorCheckAudit({modules.index(11, 0), modules.index(1, 0, modules.index(11, 0))}, false);
        QCOMPARE(module(modules, 12)->checkAudit(), true);
        QCOMPARE(module(modules, 12)->subPoints().at(0).checkAudit(), true);
        QCOMPARE(module(modules, 12)->subPoints().at(1).checkAudit(), false);
        QCOMPARE(repainted.count(), 2);
        QCOMPARE(repainted.at(0).at(0).toModelIndex(), modules.index(11, 0));
        QCOMPARE(repainted.at(1).at(1).toModelIndex(), modules.index(1, 0, modules.index(11, 0)));
    }

    // Two tables of one loop, each edit sent to the plant as the application does: the second
    // table's edit keeps the first's, and its row shows both.
    void twoTables_data()
    {
        QTest::addColumn<int>("firstMode");
        QTest::addColumn<QString>("firstEdit");
        QTest::addColumn<int>("secondMode");
        QTest::addColumn<QString>("secondEdit");
        QTest::newRow("detectors description, mixed zone") << 0 << "description" << 2 << "zone";
        QTest::newRow("mixed zone, detectors description") << 2 << "zone" << 0 << "description";
        QTest::newRow("detectors level, mixed sensitivity") << 0 << "level" << 2 << "sensitivity";
        QTest::newRow("mixed program, detectors description") << 2 << "program" << 0 << "description";
        QTest::newRow("detectors pasted description, mixed zone") << 0 << "paste description" << 2 << "zone";
        QTest::newRow("mixed pasted zone, detectors level") << 2 << "paste zone" << 0 << "level";
        QTest::newRow("mixed reset, detectors description") << 2 << "reset" << 0 << "description";
    }
    void twoTables()
    {
        QFETCH(int, firstMode);
        QFETCH(QString, firstEdit);
        QFETCH(int, secondMode);
        QFETCH(QString, secondEdit);
        FixturePlant plant(8);
        OvGenericPoint source = point(1, 1, 2, 1, 1, 1, 30, 4);
        source.setDescription("D2");
        source.setAreaIndex(3);
        plantLoops(plant, 0, {source, point(1, 1, 6, 1, 1, 1, 30, 4)});
        OvPointModel first(firstMode);
        OvPointModel second(secondMode);
        QAbstractItemModelTester tester(&second, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (OvPointModel* model : {&first, &second}) {
            model->setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
            connect(model, &OvPointModel::pointsChanged, [&plant](Points points) { plant->setPoints(points); });
        }
        const auto edit = [](OvPointModel& model, const QString& what) {
            const QModelIndexList row{model.index(5, 0)};
            if (what == "description")
                model.setSensorDescription(row, "D6 from detectors");
            else if (what == "zone")
                model.setPointAreaIndex(row, 2);
            else if (what == "level")
                model.setSensorAllarmLevel(row, 2);
            else if (what == "sensitivity")
                model.setSensorNormalSensibilityLevel(row, 7);
            else if (what == "program")
                model.setCBE(row, "OR(G1)");
            else if (what == "paste description")
                model.copySpecial(model.index(1, 0), row, 0x02);
            else if (what == "paste zone")
                model.copySpecial(model.index(1, 0), row, 0x40);
            else if (what == "reset")
                model.resetSensor(row);
        };
        const auto holds = [](const OvGenericPoint& p, const QString& what) {
            if (what == "description")
                return p.description() == "D6 from detectors";
            if (what == "zone")
                return p.areaIndex() == 2;
            if (what == "level")
                return p.alertLevelRAVI() == 2;
            if (what == "sensitivity")
                return p.sensNormal() == 7;
            if (what == "program")
                return p.cbe() == "OR(G1)" && p.cbeErrorCode() == 0;
            if (what == "paste description")
                return p.description() == "D2";
            if (what == "paste zone")
                return p.areaIndex() == 3;
            return p.hwType() == 0 && p.description().isEmpty();
        };
        edit(first, firstEdit);
        edit(second, secondEdit);
        const OvGenericPoint* stored = plant->cpus().cpuAt(0)->getPoint(0, 5, 1);
        QVERIFY(stored);
        QVERIFY2(holds(*stored, firstEdit), qPrintable(firstEdit));
        if (firstEdit != "reset")
            QVERIFY2(holds(*stored, secondEdit), qPrintable(secondEdit));
        QVERIFY(sensor(second, 6)->isEqual(*stored));
        QCOMPARE(second.data(second.index(5, 0), OvPointModel::DescriptionRole).toString(), stored->description());
    }

    void program()
    {
        FixturePlant plant(8);
        plantLoops(plant, 0, {point(1, 1, 1, 1, 1, 1, 30, 4), point(1, 1, 2, 1, 2, 1, 130, 46)});
        OvPointModel model(0);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        expectWarning("CBE ERROR: \\(SUB\\(C1L1M2.1\\)\\)");
        model.setCBE(rows(model, {0}), "(SUB1(C1L1M2.1))");
        QCOMPARE(sensor(model, 1)->cbe(), QString("(SUB(C1L1M2.1))"));
        QCOMPARE(model.data(model.index(0, 0), 273).toString(), QString("(SUB1(C1L1M2.1))"));
        QCOMPARE(sensor(model, 1)->cbeErrorCode(), int(plant->checkPointCBE(sensor(model, 1))));
        QVERIFY(sensor(model, 1)->cbeErrorCode() != 0);
        QCOMPARE(model.data(model.index(0, 0), 257).toString(), QString("errors.png"));

        model.setCBE(rows(model, {0}), QString());
        QCOMPARE(sensor(model, 1)->cbe(), QString());
        QCOMPARE(sensor(model, 1)->cbeErrorCode(), 0);
        QVERIFY(model.data(model.index(0, 0), 257).toString() != QString("errors.png"));
    }

    // Tracking, flashing and both silences set or cleared on a mixed selection of a detector and
    // modules at 2 (tracking), 3 (flashing alone) and 4 (both silences), read from records that
    // hold them or not: a row changes only the flags its type takes and keeps its record's other
    // bits, and shows what its record holds.
    void recordFlags_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QList<int>>("bits"); // each row's byte 1 & 0x30 | byte 7 & 0x03
        QTest::newRow("set") << true << QList<int>{0x30, 0x30, 0x10, 0x13};
        QTest::newRow("cleared") << false << QList<int>{0x00, 0x03, 0x23, 0x20};
    }
    void recordFlags()
    {
        QFETCH(bool, on);
        QFETCH(QList<int>, bits);
        QList<OvGenericPoint> opened;
        for (OvGenericPoint p : {point(1, 1, 1, 1, 1, 1, 30, 4), point(1, 1, 2, 1, 2, 1, 130, 46),
                                 point(1, 1, 3, 1, 2, 1, 130, 44), point(1, 1, 4, 1, 2, 1, 150, 57)}) {
            p.setCheckAudit(false);
            p.setCheckTracking(!on);
            p.setCheckFlashing(!on);
            p.setCheckSilenceMod(!on && p.family() == 2);
            p.setCheckAutoSilenceMod(!on && p.family() == 2);
            u8 rec[DeviceRec::kSize] = {u8(p.address() - 1)};
            p.packRecord(rec);
            opened << OvGenericPoint(1, 1, rec, 0);
        }
        OvPointModel model(2);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(0, opened));
        const QModelIndexList all = rows(model, {0, 1, 2, 3});
        model.setSensorCheckTracking(all, on);
        model.setSensorCheckFlashing(all, on);
        model.setCheckSilenceMod(all, on);
        model.setCheckAutoSilenceMod(all, on);
        model.setSensorDescription(all, "D");
        QList<int> packed, shown;
        for (const QModelIndex& row : all) {
            u8 rec[DeviceRec::kSize] = {};
            model.getPoint(row)->packRecord(rec);
            packed << ((rec[1] & 0x30) | (rec[7] & 0x03));
            const auto bit = [&](int role, int value) { return model.data(row, role).toBool() ? value : 0; };
            shown << (bit(264, 0x20) | bit(263, 0x10) | bit(269, 0x01) | bit(268, 0x02));
        }
        QCOMPARE(packed, bits);
        QCOMPARE(shown, bits);
    }

    void fastInputs_data()
    {
        QTest::addColumn<int>("hwType");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("181 slot 0") << 181 << 0 << QList<int>{7, 0};
        QTest::newRow("181 slot 1") << 181 << 1 << QList<int>{0, 0};
        QTest::newRow("182 slot 0") << 182 << 0 << QList<int>{7, 0};
        QTest::newRow("182 slot 1") << 182 << 1 << QList<int>{0, 7};
        QTest::newRow("130 slot 0") << 130 << 0 << QList<int>{0, 0};
    }
    void fastInputs()
    {
        QFETCH(int, hwType);
        QFETCH(int, slot);
        QFETCH(QList<int>, expected);
        OvPointModel model(1);
        model.setActiveLoop(loopWith(0, {point(1, 1, 5, 1, 2, 1, u16(hwType), hwType == 130 ? 46 : 22)}));
        model.setFastInputDevice(rows(model, {4}), slot, 7);
        QCOMPARE(QList<int>({module(model, 5)->fastInputDev1(), module(model, 5)->fastInputDev2()}), expected);
    }

    void fastInputOnChannels()
    {
        OvPointModel model(1);
        model.setActiveLoop(loopWith(0, {point(1, 1, 5, 1, 2, 1, 180, 22, 2), point(1, 1, 6, 1, 2, 1, 182, 22)}));
        const QModelIndex channel = model.index(0, 0, model.index(4, 0));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.setFastInputDevice({channel}, 1, 7);
        model.setFastInputDeviceLgc({channel, model.index(4, 0)}, true);
        QCOMPARE(changed.count(), 0);
        model.setFastInputDevice({channel}, 0, 7);
        QCOMPARE(module(model, 5)->subPoints().at(0).fastInputDev1(), 7);
        model.setFastInputDeviceLgc({channel, model.index(5, 0)}, true);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).value<Points>(), Points({module(model, 6)}));
        QCOMPARE(module(model, 6)->fastInputLogic(), true);
    }

    void reset()
    {
        OvPointModel model(1);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(1,
                                     {point(1, 1, 7, 2, 2, 1, 130, 46), point(1, 1, 40, 2, 2, 2, 16398, 53, 3),
                                      point(1, 1, 50, 2, 2, 1, 130, 46)}));
        QCOMPARE(model.rowCount(), 97);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        QSignalSpy painted(&model, &QAbstractItemModel::dataChanged);
        model.resetSensor(rows(model, {0}));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(painted.count(), 0);

        // The module with its channels selected: reset once; addresses 41 and 42 come back.
        const QModelIndex row = model.index(39, 0);
        model.resetSensor({model.index(1, 0, row), row, model.index(2, 0, row)});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<Points>(), Points({module(model, 40)}));
        QCOMPARE(module(model, 40)->hwType(), u16(0));
        QCOMPARE(model.rowCount(), 99);
        QCOMPARE(model.data(model.index(40, 0), 279).toString(), QString("# 41"));
        QCOMPARE(model.data(model.index(41, 0), 279).toString(), QString("# 42"));
        QCOMPARE(model.rowCount(model.index(39, 0)), 0);
    }

    void limits_data()
    {
        QTest::addColumn<int>("loopType");
        QTest::addColumn<QList<OvGenericPoint>>("points");
        QTest::addColumn<QList<int>>("targets");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("stored");

        QList<OvGenericPoint> varn;
        for (int a = 1; a <= 30; ++a)
            varn << point(1, 1, a, 1, 2, 2, 16395, 22);
        QTest::newRow("31 series-2 points") << 0 << varn << QList<int>{40, 41} << "USR_ERR_TOO_MANY_VARN_PTXLOOP"
                                            << "USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL" << 0;
        QList<OvGenericPoint> advanced;
        for (int a = 1; a <= 10; ++a)
            advanced << point(1, 1, a, 1, 2, 1, 130, 46);
        QTest::newRow("11 series-1 modules") << 1 << advanced << QList<int>{20} << "USR_ERR_TOO_MANY_ADVANCED_PTXLOOP"
                                             << "USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL" << 0;
        // Loop 1: 159 + 150 points; loop 2: 159 + 72 * 2 + 87: 699 on the board.
        QList<OvGenericPoint> board;
        for (int a = 1; a <= 159; ++a) {
            board << point(1, 1, a, 1, 1, 1, 30, 4) << point(1, 2, a, 1, 1, 1, 30, 4);
            if (a <= 150)
                board << point(1, 1, a, 1, 2, 1, 182, 22);
            board << (a <= 72 ? point(1, 2, a, 1, 2, 1, 180, 22, 2) : point(1, 2, a, 1, 2, 1, 182, 22));
        }
        QTest::newRow("700 points") << 0 << board << QList<int>{150, 151, 152} << "USR_ERR_TOO_MANY_PTXLIB"
                                    << "USR_ERR_TOO_MANY_PTXLIB_DTL: 700" << 1;
        // 318 sensors + 150 + 43 input modules: 511 inputs.
        QList<OvGenericPoint> inputs;
        for (int a = 1; a <= 159; ++a) {
            inputs << point(1, 1, a, 1, 1, 1, 30, 4) << point(1, 2, a, 1, 1, 1, 30, 4);
            if (a <= 150)
                inputs << point(1, 1, a, 1, 2, 1, 130, 46);
            if (a <= 43)
                inputs << point(1, 2, a, 1, 2, 1, 130, 46);
        }
        QTest::newRow("512 inputs") << 0 << inputs << QList<int>{150, 151, 152} << "USR_ERR_TOO_MANY_INPUT_PTXLIB"
                                    << "USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL: 512" << 3;
    }
    void limits()
    {
        QFETCH(int, loopType);
        QFETCH(QList<OvGenericPoint>, points);
        QFETCH(QList<int>, targets);
        QFETCH(QString, box);
        QFETCH(QString, detail);
        QFETCH(int, stored);
        FixturePlant plant(8);
        plantLoops(plant, loopType, points);
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        OvPointModel model(1);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.copy(model.index(0, 0), rows(model, targets));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, box);
        QCOMPARE(dialogs.asked().at(0).detailedText, detail);
        QCOMPARE(changed.count(), stored > 0 ? 1 : 0);
        int typed = 0;
        for (int row : targets)
            typed += module(model, row + 1)->hwType() != 0 ? 1 : 0;
        QCOMPARE(typed, stored);
        if (stored > 0)
            QCOMPARE(changed.at(0).at(0).value<Points>().size(), stored);
    }

    void fullArea()
    {
        FixturePlant plant(0);
        QList<OvGenericPoint> points;
        for (int a = 1; a <= 32; ++a) {
            points << point(1, 1, a, 1, 1, 1, 30, 4);
            points.last().setAreaIndex(1);
        }
        plantLoops(plant, 0, points);
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        OvPointModel model(0);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        model.copy(model.index(0, 0), rows(model, {40, 41}));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_TOO_MANY_PTXAREA"));
        QCOMPARE(dialogs.asked().at(0).detailedText, QString("USR_ERR_TOO_MANY_PTXAREA_DTL: 32"));
        QCOMPARE(sensor(model, 41)->hwType(), u16(30));
        QCOMPARE(sensor(model, 42)->areaIndex(), -1);
    }

    void pasteSpecial_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("description");
        QTest::newRow("description, prefix") << 0x0A << "Y"
                                             << "7: Y";
        QTest::newRow("description, suffix") << 0x06 << "Y"
                                             << "Y: 7";
        QTest::newRow("suffix alone") << 0x04 << "Y"
                                      << "Z";
        QTest::newRow("params alone") << 0x10 << "Y"
                                      << "Z";
        // The address stays whole within the panel's 32 characters; the description gives way.
        QTest::newRow("29 characters, suffix") << 0x06 << QString(29, 'Y') << QString(29, 'Y') + ": 7";
        QTest::newRow("30 characters, suffix") << 0x06 << QString(30, 'Y') << QString(29, 'Y') + ": 7";
        QTest::newRow("32 characters, prefix") << 0x0A << QString(32, 'Y') << "7: " + QString(29, 'Y');
    }
    void pasteSpecial()
    {
        QFETCH(int, filter);
        QFETCH(QString, source);
        QFETCH(QString, description);
        OvGenericPoint from = point(1, 1, 1, 1, 1, 1, 30, 4);
        from.setDescription(source);
        OvGenericPoint target = point(1, 1, 7, 1, 1, 1, 31, 4);
        target.setDescription("Z");
        OvPointModel model(0);
        model.setActiveLoop(loopWith(0, {from, target}));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.copySpecial(model.index(0, 0), rows(model, {6}), filter);
        QCOMPARE(sensor(model, 7)->description(), description);
        QCOMPARE(sensor(model, 7)->hwType(), u16(31));
        QCOMPARE(changed.count(), description == "Z" ? 0 : 1);
    }

    // Module 10 with channels A and B onto module 20 with channels P and Q: each channel takes
    // what its own source channel has and is named with its own address; the module rows keep
    // their own texts. Rows via pastePoint give it the filter as it stands.
    void pasteSpecialChannels_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<QList<int>>("areas");
        QTest::addColumn<QStringList>("programs");
        QTest::addColumn<bool>("silenced");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("untyped");
        QTest::addColumn<QString>("zones");
        const QList<int> own{1, 2};
        const QStringList none{"", ""}, groups{"(G1)", "(G2)"}, plain{"P", "Q"};
        const auto row = [&](const char* name, int filter, const char* via, const QString& first,
                             const QStringList& descriptions, const QList<int>& areas, const QStringList& programs,
                             bool silenced = false, int protocol = 1, const char* untyped = "",
                             const char* zones = "") {
            QTest::newRow(name) << filter << QString(via) << first << descriptions << areas << programs << silenced
                                << protocol << QString(untyped) << QString(zones);
        };
        const QString y26(26, 'Y'), y27(27, 'Y');
        row("description", 0x02, "row", "A", {"A", "B"}, own, none);
        row("description, prefix", 0x0A, "row", "A", {"20.1: A", "20.2: B"}, own, none);
        row("description, suffix", 0x06, "row", "A", {"A: 20.1", "B: 20.2"}, own, none);
        row("description, suffix, prefix", 0x0E, "row", "A", {"20.1: A: 20.1", "20.2: B: 20.2"}, own, none);
        row("prefix alone", 0x08, "row", "A", plain, own, none);
        row("prefix alone, pastePoint", 0x08, "pastePoint", "A", {"20.1: P", "20.2: Q"}, own, none);
        row("suffix alone, pastePoint", 0x04, "pastePoint", "A", {"P: 20.1", "Q: 20.2"}, own, none);
        row("26 characters, prefix", 0x0A, "row", y26, {"20.1: " + y26, "20.2: B"}, own, none);
        row("27 characters, prefix", 0x0A, "row", y27, {"20.1: " + y26, "20.2: B"}, own, none);
        row("27 characters, suffix", 0x06, "row", y27, {y26 + ": 20.1", "B: 20.2"}, own, none);
        row("channel 2 onto channel 2, prefix", 0x0A, "channel", "A", {"P", "20.2: B"}, own, none);
        row("area", 0x40, "row", "A", plain, {3, 4}, none);
        row("params alone", 0x10, "row", "A", plain, own, none);
        row("type, params", 0x11, "row", "A", plain, own, none, true);
        row("all but the type, prefix", 0x6A, "row", "A", {"20.1: A", "20.2: B"}, {3, 4}, groups);
        row("program", 0x20, "row", "A", plain, own, groups);
        // Channels at addresses of their own: each named by the address a program gives it.
        row("own addresses, prefix alone, pastePoint", 0x08, "pastePoint", "A", {"20: P", "21: Q"}, own, none, false,
            2);
        row("own addresses, channel 2 onto channel 2, suffix", 0x06, "channel", "A", {"P", "B: 21"}, own, none, false,
            2);
        // A channel without a type holds no zone: pasted in a plant, the zone counts as the page
        // keeps them and as counted again from the points are those the panel keeps.
        row("area, target channel 2 untyped", 0x40, "row", "A", {"P", ""}, {3, -1}, none, false, 1, "target 2",
            "3:0/2 4:0/1");
        row("area, source channel 2 untyped", 0x40, "row", "A", plain, {3, -1}, none, false, 1, "source 2", "3:0/2");
        row("type, params, source channel 2 untyped", 0x11, "row", "A", plain, {1, -1}, none, false, 1, "source 2",
            "1:0/1 3:0/1");
    }
    void pasteSpecialChannels()
    {
        QFETCH(int, filter);
        QFETCH(QString, via);
        QFETCH(QString, first);
        QFETCH(QStringList, descriptions);
        QFETCH(QList<int>, areas);
        QFETCH(QStringList, programs);
        QFETCH(bool, silenced);
        QFETCH(int, protocol);
        QFETCH(QString, untyped);
        QFETCH(QString, zones);
        const auto withChannels = [&](int address, const QString& name, const QStringList& channels, int area,
                                      bool source) {
            OvGenericPoint p = point(1, 1, address, protocol, 2, 1, 133, 53, 2);
            p.setDescription(name);
            p.setAreaIndex(area + 4);
            p.setCBE(source ? "(G9)" : QString());
            p.setCheckSilenceMod(source);
            for (int k = 0; k < 2; ++k) {
                OvGenericSubPoint channel = p.subPoints().at(k);
                channel.setDescription(channels.at(k));
                channel.setAreaIndex(area + k);
                channel.setCBE(source ? QString("(G%1)").arg(k + 1) : QString());
                channel.setCheckSilenceMod(source && k == 1);
                if (untyped == QString("%1 %2").arg(source ? "source" : "target").arg(k + 1))
                    channel.reset();
                p.updateSubPoint(channel);
            }
            return p;
        };
        const OvGenericPoint from = withChannels(10, "M", {first, "B"}, 3, true);
        OvGenericPoint target = withChannels(20, "N", {"P", "Q"}, 1, false);
        // With zone counts the loop is the plant's, and the plant takes each paste as the
        // application gives it.
        std::unique_ptr<FixturePlant> plant(zones.isEmpty() ? nullptr : new FixturePlant(8));
        if (plant)
            plantLoops(*plant, protocol == 2 ? 1 : 0, {from, target});
        OvPointModel model(1);
        model.setActiveLoop(plant ? (*plant)->cpus().cpuAt(0)->getLoop(0)
                                  : loopWith(protocol == 2 ? 1 : 0, {from, target}));
        if (plant)
            connect(&model, &OvPointModel::pointsChanged, plant->activePlant(), &Plant::setPoints);
        if (via == "pastePoint") {
            model.pastePoint(&from, &target, filter);
        } else {
            const bool channel = via == "channel";
            // Address 11, channel 2 of module 10 at addresses of their own, has no row of its own.
            const QModelIndex to = model.index(protocol == 2 ? 18 : 19, 0);
            const QModelIndex source = channel ? model.index(1, 0, model.index(9, 0)) : model.index(9, 0);
            model.copySpecial(source, {channel ? model.index(1, 0, to) : to}, filter);
            target = *module(model, 20);
        }
        QCOMPARE(target.subPoints().size(), 2);
        for (int k = 0; k < 2; ++k) {
            QCOMPARE(target.subPoints().at(k).description(), descriptions.at(k));
            QCOMPARE(target.subPoints().at(k).areaIndex(), areas.at(k));
            QCOMPARE(target.subPoints().at(k).cbe(), programs.at(k));
            QCOMPARE(target.subPoints().at(k).checkSilenceMod(), silenced && k == 1);
        }
        QVERIFY(!target.checkSilenceMod());
        QCOMPARE(target.description(), QString("N"));
        QCOMPARE(target.areaIndex(), 5);
        QCOMPARE(target.cbe(), QString());
        if (plant) {
            QCOMPARE(looptest::zoneCounts(**plant), zones);
            (*plant)->areas().reset();
            (*plant)->countAreaDevices();
            QCOMPARE(looptest::zoneCounts(**plant), zones);
        }
    }

    // A device onto a channel row, or a channel onto device rows, pastes nothing and says why,
    // once per paste.
    void pasteAcrossLevels()
    {
        ScriptedDialogs dialogs;
        for (int i = 0; i < 3; ++i)
            dialogs.answer(PlantMessage::Ok);
        OvPointModel model(1);
        model.setActiveLoop(loopWith(0, {point(1, 1, 5, 1, 2, 1, 130, 46), point(1, 1, 12, 1, 2, 1, 133, 53, 2)}));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        const QModelIndex channel = model.index(0, 0, model.index(11, 0));
        model.copy(model.index(4, 0), {channel});
        model.copySpecial(model.index(4, 0), {channel}, 0x02);
        model.copy(channel, rows(model, {4, 6}));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(module(model, 5)->hwType(), u16(130));
        QCOMPARE(dialogs.pending(), 0);
        for (const PlantMessage& asked : dialogs.asked())
            QCOMPARE(asked.text, QString("USR_ERR_CHANNEL_PASTE"));
    }

    void decadeModule()
    {
        OvPointModel model(1);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(0,
                                     {point(1, 1, 60, 1, 2, 2, 0x400D, 27, 2), point(1, 1, 31, 1, 2, 1, 182, 22),
                                      point(1, 1, 1, 1, 2, 1, 130, 46)}));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.copy(model.index(59, 0), rows(model, {24, 29}));
        QCOMPARE(changed.count(), 0);
        model.resetSensor(rows(model, {30}));
        model.copy(model.index(59, 0), rows(model, {29}));
        QCOMPARE(module(model, 30)->hwType(), u16(0x400D));
        QCOMPARE(model.data(model.index(30, 0), 279).toString(), QString("# 32"));
        QCOMPARE(model.rowCount(model.index(29, 0)), 2);
        // A module without channels pasted over it gives address 31 its row back.
        model.copy(model.index(0, 0), rows(model, {29}));
        QCOMPARE(model.data(model.index(30, 0), 279).toString(), QString("# 31"));
    }

    void mixedPastConflict()
    {
        FixturePlant plant(8);
        // Address 5 holds a complete sensor and a module: no row; row 9 shows address 11.
        plantLoops(plant, 0,
                   {zoned(point(1, 1, 5, 1, 1, 1, 30, 4)), point(1, 1, 5, 1, 2, 1, 130, 46),
                    point(1, 1, 2, 1, 2, 1, 130, 46)});
        OvPointModel model(2);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        QCOMPARE(model.data(model.index(9, 0), 279).toString(), QString("# 11"));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.copy(model.index(1, 0), rows(model, {9}));
        QCOMPARE(changed.count(), 1);
        plant->setPoints(changed.at(0).at(0).value<Points>());
        for (const OvLoop& loop : {model.activeLoop(), plant->cpus().cpuAt(0)->getLoop(0)}) {
            QCOMPARE(loop.modules().at(10)->hwType(), u16(130));
            QCOMPARE(loop.modules().at(9)->hwType(), u16(0));
            QCOMPARE(loop.sensors().at(10)->hwType(), u16(0));
        }
        QCOMPARE(model.data(model.index(9, 0), 261).toInt(), 2);
    }

    // A sensor pasted over the mixed row of a series-2 module with its channel row selected: the
    // module is reset inside the paste, its channel entry dropped, and the rows rebuilt once.
    void mixedPasteOverSpanningModule()
    {
        OvPointModel model(2);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(0, {point(1, 1, 1, 1, 1, 1, 30, 4), point(1, 1, 40, 1, 2, 2, 16398, 53, 3)}));
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        const QModelIndex row = model.index(39, 0);
        model.copy(model.index(0, 0), {row, model.index(1, 0, row), model.index(5, 0)});
        QCOMPARE(module(model, 40)->hwType(), u16(0));
        QCOMPARE(sensor(model, 40)->hwType(), u16(30));
        QCOMPARE(sensor(model, 6)->hwType(), u16(30));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).value<Points>(), Points({sensor(model, 40), sensor(model, 6)}));
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model.rowCount(), 159);
        QCOMPARE(model.data(model.index(39, 0), 261).toInt(), 1);
    }

    void series2PastAddress99()
    {
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        OvPointModel model(0);
        model.setActiveLoop(loopWith(0, {point(1, 1, 1, 1, 1, 2, 16386, 1)}));
        // The count reads in the language: the English text says how many.
        Q_INIT_RESOURCE(translations);
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/translations/ov4800_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&english));
        model.copy(model.index(0, 0), rows(model, {98, 99, 100}));
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text,
                 QString("2 VARN devices were not pasted: addresses from 100 on cannot hold them."));
        QCOMPARE(sensor(model, 99)->hwType(), u16(16386));
        QCOMPARE(sensor(model, 100)->hwType(), u16(0));
    }

    // A row copied before the rows were rebuilt, here by a retyping that frees addresses, pastes
    // nothing, even where a new row took its place.
    void pasteAfterRebuild()
    {
        OvGenericPoint marked = point(1, 1, 2, 1, 2, 1, 130, 46);
        marked.setDescription("marked");
        OvPointModel model(1);
        model.setActiveLoop(
            loopWith(0, {marked, point(1, 1, 20, 1, 2, 1, 130, 46), point(1, 1, 40, 1, 2, 2, 16398, 53, 3)}));
        const QModelIndex kept = model.index(1, 0);
        model.markCopySource(kept);
        model.copy(model.index(19, 0), rows(model, {39}));
        QCOMPARE(model.hasCopySource(), false);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.copy(kept, rows(model, {19}));
        QCOMPARE(changed.count(), 0);
    }

    void refreshErrors()
    {
        FixturePlant plant(8);
        OvGenericPoint wrong = point(1, 1, 3, 1, 1, 1, 30, 4);
        wrong.setCBE("(C1L1M9)");
        plantLoops(plant, 0, {wrong, point(1, 1, 3, 1, 2, 1, 130, 46)});
        OvPointModel model(2);
        QSignalSpy painted(&model, &QAbstractItemModel::dataChanged);
        model.refreshErrors();
        QCOMPARE(painted.count(), 0);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        expectWarning("CBE ERROR: \\(C1L1M9\\)");
        plant->checkCBESystem();
        const int code = plant->cpus().cpuAt(0)->getPoint(0, 2, 1)->cbeErrorCode();
        QVERIFY(code != 0 && code != 0xFFFF);
        model.refreshErrors();
        QCOMPARE(sensor(model, 3)->cbeErrorCode(), code);
        QCOMPARE(painted.count(), 1);
    }
};

QTEST_MAIN(tst_PointEdit)
#include "tst_pointedit.moc"
