// Retyping rows of the point tables (linked module, multi-address modules, channels, carried
// settings) and zones within the zone limit.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPointModel.h"
#include "plant/OvGenericSubPoint.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using modeltest::FixturePlant;
using plantbuild::point;
using Points = QList<const OvGenericPoint*>;
Q_DECLARE_METATYPE(Points)

namespace {

OvLoop loopWith(int type, const QList<OvGenericPoint>& points)
{
    OvLoop loop(1, 1, false, type);
    for (const OvGenericPoint& p : points)
        loop.updatePoint(p);
    return loop;
}

QModelIndexList rows(const OvPointModel& model, const QList<int>& top)
{
    QModelIndexList list;
    for (int r : top)
        list << model.index(r, 0);
    return list;
}

const OvGenericPoint& at(const OvPointModel& model, int family, int address)
{
    return *(family == 1 ? model.activeLoop().sensors() : model.activeLoop().modules()).at(address - 1);
}

const PointType kThreeChannels(2, 2, 2, 16398, 0, 3);

} // namespace

class tst_PointModelType : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qRegisterMetaType<Points>("QList<const OvGenericPoint*>");
        TestBase::initTestCase();
    }

    void linkedModuleAndSpans()
    {
        OvPointModel sensors(0);
        QAbstractItemModelTester tester(&sensors, QAbstractItemModelTester::FailureReportingMode::QtTest);
        sensors.setActiveLoop(loopWith(1, {}));
        QSignalSpy removed(&sensors, &QAbstractItemModel::rowsRemoved);
        sensors.selectPointType(sensors.index(19, 0), rows(sensors, {14, 19}), PointType(2, 1, 2, 0x400D, 0, 6));
        QCOMPARE(at(sensors, 1, 15).hwType(), u16(0));
        QCOMPARE(at(sensors, 1, 20).hwType(), u16(0x400D));
        QCOMPARE(
            (QList<int>{at(sensors, 1, 20).subPoints().at(0).swType(), at(sensors, 1, 20).subPoints().at(1).swType(),
                        at(sensors, 1, 20).subPoints().at(2).swType()}),
            (QList<int>{27, 27, 0}));
        QCOMPARE((QList<int>{removed.count(), removed.at(0).at(1).toInt(), sensors.rowCount()}),
                 (QList<int>{1, 20, 98}));

        OvPointModel modules(1);
        QAbstractItemModelTester moduleTester(&modules, QAbstractItemModelTester::FailureReportingMode::QtTest);
        modules.setActiveLoop(loopWith(1, {}));
        QSignalSpy changed(&modules, &OvPointModel::pointsChanged);
        modules.selectPointType(modules.index(39, 0), rows(modules, {39, 40, 41}), kThreeChannels);
        QCOMPARE((QList<int>{modules.rowCount(), modules.rowCount(modules.index(39, 0)), changed.count()}),
                 (QList<int>{97, 3, 1}));
        QCOMPARE(changed.at(0).at(0).value<Points>(), Points({&at(modules, 2, 40)}));
        QCOMPARE(modules.data(modules.index(40, 0), 279).toString(), QString("# 43"));
        {
            // A channel at an address of its own names its type as any module does.
            ScriptedDialogs asked;
            asked.answer(PlantMessage::No);
            const QModelIndex channel = modules.index(1, 0, modules.index(39, 0));
            modules.selectPointType(channel, {channel}, PointType(2, 2, 2, 16398, 13, 0));
            QCOMPARE(modules.data(channel, 258).toString(), QString("LM-01 IN/OUT 1+1 - APND"));
        }

        // Four channels need address 43 as well, which holds a module.
        modules.setActiveLoop(loopWith(1, {point(1, 1, 40, 2, 2, 2, 16398, 0, 3), point(1, 1, 43, 2, 2, 1, 130, 46)}));
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        modules.selectPointType(modules.index(39, 0), rows(modules, {39}), PointType(2, 2, 2, 16399, 0, 4));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_NOT_EMPTY_SIBLING"));
        QCOMPARE(at(modules, 2, 40).hwType(), u16(16398));
    }

    // Free addresses come from the loop, not from the rows the error filter leaves.
    void typedModuleHiddenByTheFilter()
    {
        FixturePlant plant(8);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvGenericPoint faulty = point(1, 1, 40, 2, 2, 1, 130, 46);
        faulty.setCBE("OR(");
        plant->setPoint(faulty);
        OvGenericPoint complete = point(1, 1, 41, 2, 2, 1, 130, 46);
        complete.setAreaIndex(1);
        plant->setPoint(complete);
        OvPointModel model(1);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        model.flipFilterOnPointError();
        QCOMPARE(model.rowCount(), 1);
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.selectPointType(model.index(0, 0), rows(model, {0}), kThreeChannels);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE((QList<int>{changed.count(), at(model, 2, 40).hwType()}), (QList<int>{0, 130}));
    }

    void channelReference()
    {
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::No);
        OvPointModel modules(1);
        modules.setActiveLoop(loopWith(0, {point(1, 1, 12, 1, 2, 1, 133, 53, 2)}));
        const QModelIndex channel = modules.index(1, 0, modules.index(11, 0));
        modules.selectPointType(channel, {channel, modules.index(13, 0)}, PointType(1, 2, 1, 133, 45, 0));
        QCOMPARE((QList<int>{at(modules, 2, 12).subPoints().at(0).swType(),
                             at(modules, 2, 12).subPoints().at(1).swType(), at(modules, 2, 14).hwType()}),
                 (QList<int>{53, 45, 0}));
        // Under its module's row, which names the model, a channel names its type alone.
        QCOMPARE(modules.data(channel, 258).toString(), QString("SCON"));
        // A sounder without carried settings is silenced.
        modules.selectPointType(modules.index(20, 0), rows(modules, {20}), PointType(1, 2, 1, 150, 57, 0));
        QVERIFY(at(modules, 2, 21).checkSilenceMod());

        OvPointModel sensors(0);
        sensors.setActiveLoop(loopWith(1, {point(1, 1, 20, 2, 1, 2, 0x400D, 27, 6)}));
        sensors.selectPointType(sensors.index(0, 0, sensors.index(19, 0)), rows(sensors, {4}),
                                PointType(2, 1, 1, 30, 4, 0));
        QCOMPARE(at(sensors, 1, 5).hwType(), u16(30));
    }

    void carryOver()
    {
        QList<OvGenericPoint> detectors;
        for (int address = 1; address <= 3; ++address) {
            OvGenericPoint d = point(1, 1, address, 1, 1, 1, 30, 4);
            d.setDescription("Room");
            d.setCheckAudit(false);
            d.setCheckTracking(true);
            d.setCheckFlashing(true);
            d.setAlertLevelRAVI(3);
            d.setRaviRadioFlag(true);
            d.setSensitivities(7, 7, 7);
            detectors << d;
        }
        ScriptedDialogs dialogs;
        OvPointModel no(0);
        no.setActiveLoop(loopWith(0, detectors));
        dialogs.answer(PlantMessage::No);
        dialogs.tickNextCheckBox();
        no.selectPointType(no.index(0, 0), rows(no, {0, 1, 2}), PointType(1, 1, 1, 20, 2, 0));
        no.selectPointType(no.index(0, 0), rows(no, {0, 1, 2}), PointType(1, 1, 1, 31, 6, 0));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_INFO_COPY_PARAM"));
        QCOMPARE(dialogs.asked().at(0).checkBoxText, QString("USR_MSG_DONT_SHOW_AGAIN"));
        QCOMPARE((QList<int>{at(no, 1, 3).swType(), at(no, 1, 3).description().size()}), (QList<int>{6, 0}));
        QSignalSpy changed(&no, &OvPointModel::pointsChanged);
        QSignalSpy painted(&no, &QAbstractItemModel::dataChanged);
        no.selectPointType(no.index(0, 0), rows(no, {0, 1, 2}), PointType(1, 1, 1, 31, 6, 0));
        QCOMPARE(changed.count() + painted.count(), 0);

        // Yes: the description, and what MULTI and PHOT both support (features 1, 8, 16).
        OvPointModel yes(0);
        yes.setActiveLoop(loopWith(0, detectors));
        dialogs.answer(PlantMessage::Yes);
        yes.selectPointType(yes.index(1, 0), rows(yes, {1, 2}), PointType(1, 1, 1, 20, 2, 0));
        const OvGenericPoint& p = at(yes, 1, 3);
        QCOMPARE(p.description(), QString("Room"));
        QCOMPARE((QList<int>{p.checkAudit(), p.checkTracking(), p.checkFlashing(), p.checkRaviSCtrlDisa(),
                             p.alertLevelRAVI(), p.sensNormal(), p.sensLow(), p.sensHigh()}),
                 (QList<int>{0, 1, 1, 0, 0, 5, 1, 9}));
    }

    void zones()
    {
        FixturePlant plant(0);
        plant->setPlantType(1, false);
        plant->areas().areaAt(2)->setSensorCount(30);
        QList<OvGenericPoint> detectors;
        QList<int> forty;
        for (int address = 1; address <= 40; ++address) {
            detectors << point(1, 1, address, 1, 1, 1, 30, 4);
            forty << address - 1;
        }
        // The table shows the plant's loop, and its edits go to the plant as the application sends them.
        plant->cpus().cpuAt(0)->setLoopType(0, 0);
        for (const OvGenericPoint& p : detectors)
            plant->setPoint(p);
        OvPointModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        connect(&model, &OvPointModel::pointsChanged, [&plant](Points points) { plant->setPoints(points); });
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.setPointAreaIndex(rows(model, forty), 3);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_TOO_MANY_PTXAREA"));
        QCOMPARE(dialogs.asked().at(0).detailedText, QString("USR_ERR_TOO_MANY_PTXAREA_DTL: 32"));
        QCOMPARE(changed.at(0).at(0).value<Points>(), Points({&at(model, 1, 1), &at(model, 1, 2)}));
        QCOMPARE((QList<int>{at(model, 1, 2).areaIndex(), at(model, 1, 3).areaIndex()}), (QList<int>{3, -1}));

        // One row at a time: the box only while the caller's flag is set.
        plant->areas().areaAt(2)->setSensorCount(32);
        dialogs.answer(PlantMessage::Ok);
        QCOMPARE(model.setPointAreaIndex(model.index(4, 0), 3, true).toBool(), false);
        QCOMPARE(model.setPointAreaIndex(model.index(5, 0), 3, false).toBool(), false);
        QCOMPARE(model.setPointAreaIndex(model.index(5, 0), 2, true).toBool(), true);
        QCOMPARE((QList<int>{dialogs.asked().size(), at(model, 1, 5).areaIndex(), at(model, 1, 6).areaIndex()}),
                 (QList<int>{2, -1, 2}));

        // Zone 0 without a check; again, no change; past the zone list, nothing.
        model.setPointAreaIndex(rows(model, {0, 1, 2}), 0);
        QCOMPARE(changed.last().at(0).value<Points>().size(), 2);
        QSignalSpy painted(&model, &QAbstractItemModel::dataChanged);
        changed.clear();
        model.setPointAreaIndex(rows(model, {0, 1, 2}), 0);
        model.setPointAreaIndex(rows(model, {0}), plant->areas().count() + 1);
        QCOMPARE(changed.count() + painted.count(), 0);
        QCOMPARE(at(model, 1, 1).areaIndex(), -1);
    }
};

QTEST_GUILESS_MAIN(tst_PointModelType)
#include "tst_pointmodeltype.moc"
