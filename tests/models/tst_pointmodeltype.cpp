// Giving the rows of the point tables a type (the linked module, multi-address modules, channels,
// the carried settings) and a zone within the zone limit.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPointModel.h"
#include "plant/OvGenericSubPoint.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using modeltest::FixturePlant;
using plantbuild::point;

namespace {

using Points = QList<const OvGenericPoint*>;

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

// The three-channel series-2 module of a VARN loop, as the module drop-down gives it.
const PointType kThreeChannels(2, 2, 2, 16398, 0, 3);

} // namespace

Q_DECLARE_METATYPE(Points)

class tst_PointModelType : public TestBase {
    Q_OBJECT

public:
    tst_PointModelType() { qRegisterMetaType<Points>("QList<const OvGenericPoint*>"); }

private slots:
    // The linked module needs a decade address and the module address after it.
    void linkedModuleInTheSensorTable()
    {
        OvPointModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(1, {}));
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        model.selectPointType(model.index(19, 0), rows(model, {14, 19}), PointType(2, 1, 2, 0x400D, 0, 6));
        QCOMPARE(at(model, 1, 15).hwType(), u16(0));
        const OvGenericPoint& linked = at(model, 1, 20);
        QCOMPARE(linked.hwType(), u16(0x400D));
        QCOMPARE(linked.subPoints().size(), 6);
        QCOMPARE(linked.subPoints().at(0).swType(), u8(27));
        QCOMPARE(linked.subPoints().at(1).swType(), u8(27));
        QCOMPARE(linked.subPoints().at(2).swType(), u8(0));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 20);
        QCOMPARE(model.rowCount(), 98);
        QCOMPARE(model.data(model.index(20, 0), 279).toString(), QString("#22"));
        QCOMPARE(model.rowCount(model.index(19, 0)), 6);
    }

    void multiAddressModule()
    {
        OvPointModel model(1);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(1, {}));
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.selectPointType(model.index(39, 0), rows(model, {39, 40, 41}), kThreeChannels);
        QCOMPARE(at(model, 2, 40).subPoints().size(), 3);
        QCOMPARE(at(model, 2, 41).hwType(), u16(0));
        QCOMPARE(model.rowCount(), 97);
        QCOMPARE(model.rowCount(model.index(39, 0)), 3);
        QCOMPARE(model.data(model.index(40, 0), 279).toString(), QString("#43"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<Points>(), Points({&at(model, 2, 40)}));

        // Four channels need one address more than the module covers: 43 holds a module.
        model.setActiveLoop(loopWith(1, {point(1, 1, 40, 2, 2, 2, 16398, 0, 3), point(1, 1, 43, 2, 2, 1, 130, 46)}));
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        model.selectPointType(model.index(39, 0), rows(model, {39}), PointType(2, 2, 2, 16399, 0, 4));
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_NOT_EMPTY_SIBLING"));
        QCOMPARE(at(model, 2, 40).hwType(), u16(16398));
    }

    // The free addresses come from the loop, not from the rows the error filter leaves.
    void typedModuleHiddenByTheFilter()
    {
        FixturePlant plant(8);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvGenericPoint faulty = point(1, 1, 40, 2, 2, 1, 130, 46);
        faulty.setCBE("OR(");
        plant->setPoint(faulty);
        plant->setPoint(point(1, 1, 41, 2, 2, 1, 130, 46));
        OvPointModel model(1);
        model.setActiveLoop(plant->cpus().cpuAt(0)->getLoop(0));
        model.flipFilterOnPointError();
        QCOMPARE(model.rowCount(), 1);
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.selectPointType(model.index(0, 0), rows(model, {0}), kThreeChannels);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_NOT_EMPTY_SIBLING"));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(at(model, 2, 40).hwType(), u16(130));
    }

    void channelReference()
    {
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::No);
        OvPointModel modules(1);
        modules.setActiveLoop(loopWith(0, {point(1, 1, 12, 1, 2, 1, 133, 53, 2)}));
        const QModelIndex channel = modules.index(1, 0, modules.index(11, 0));
        modules.selectPointType(channel, {channel, modules.index(13, 0)}, PointType(1, 2, 1, 133, 45, 0));
        QCOMPARE(at(modules, 2, 12).subPoints().at(1).swType(), u8(45));
        QCOMPARE(at(modules, 2, 12).subPoints().at(0).swType(), u8(53));
        QCOMPARE(at(modules, 2, 14).hwType(), u16(0));

        // A detector row takes the point path whatever the reference is.
        OvPointModel sensors(0);
        sensors.setActiveLoop(loopWith(1, {point(1, 1, 20, 2, 1, 2, 0x400D, 27, 6)}));
        const QModelIndex sensorChannel = sensors.index(0, 0, sensors.index(19, 0));
        sensors.selectPointType(sensorChannel, rows(sensors, {4}), PointType(2, 1, 1, 30, 4, 0));
        QCOMPARE(at(sensors, 1, 5).hwType(), u16(30));

        // A sounder without carried settings is silenced.
        modules.selectPointType(modules.index(20, 0), rows(modules, {20}), PointType(1, 2, 1, 150, 57, 0));
        QVERIFY(at(modules, 2, 21).checkSilenceMod());
    }

    void carryOver()
    {
        QList<OvGenericPoint> detectors;
        for (int address = 1; address <= 3; ++address) {
            OvGenericPoint d = point(1, 1, address, 1, 1, 1, 30, 4);
            d.setDescription(QString("Room %1").arg(address));
            d.setCheckAudit(false);
            d.setCheckTracking(true);
            d.setCheckFlashingMod(true);
            d.setAlertLevelRAVI(3);
            d.setRaviRadioFlag(true);
            d.setSensitivities(7, 7, 7);
            detectors << d;
        }
        ScriptedDialogs dialogs;
        {
            // No, and do not ask again: nothing is carried, now or later.
            OvPointModel model(0);
            model.setActiveLoop(loopWith(0, detectors));
            dialogs.answer(PlantMessage::No);
            dialogs.tickNextCheckBox();
            model.selectPointType(model.index(0, 0), rows(model, {0, 1, 2}), PointType(1, 1, 1, 20, 2, 0));
            QCOMPARE(dialogs.asked().size(), 1);
            QCOMPARE(dialogs.asked().at(0).text, QString("USR_INFO_COPY_PARAM?"));
            QCOMPARE(dialogs.asked().at(0).checkBoxText, QString("USR_MSG_DONT_SHOW_AGAIN"));
            QCOMPARE(dialogs.asked().at(0).buttons, PlantMessage::Yes | PlantMessage::No);
            model.selectPointType(model.index(0, 0), rows(model, {0, 1, 2}), PointType(1, 1, 1, 31, 6, 0));
            QCOMPARE(dialogs.asked().size(), 1);
            for (int address = 1; address <= 3; ++address) {
                QCOMPARE(at(model, 1, address).swType(), u8(6));
                QCOMPARE(at(model, 1, address).description(), QString());
            }

            // The type they already have: nothing asked, nothing emitted.
            QSignalSpy changed(&model, &OvPointModel::pointsChanged);
            QSignalSpy painted(&model, &QAbstractItemModel::dataChanged);
            model.selectPointType(model.index(0, 0), rows(model, {0, 1, 2}), PointType(1, 1, 1, 31, 6, 0));
            QCOMPARE(changed.count() + painted.count(), 0);
        }
        dialogs.clear();
        // Yes: what both types support (features 1, 8 and 16 of MULTI and PHOT) and the description.
        OvPointModel model(0);
        model.setActiveLoop(loopWith(0, detectors));
        dialogs.answer(PlantMessage::Yes);
        model.selectPointType(model.index(1, 0), rows(model, {1, 2}), PointType(1, 1, 1, 20, 2, 0));
        QCOMPARE(dialogs.asked().size(), 1);
        for (int address = 2; address <= 3; ++address) {
            const OvGenericPoint& p = at(model, 1, address);
            QCOMPARE(p.description(), QString("Room %1").arg(address));
            QCOMPARE((QList<bool>{p.checkAudit(), p.checkTracking(), p.checkFlashingMod(), p.checkRaviSCtrlDisa()}),
                     (QList<bool>{false, true, true, false}));
            QCOMPARE((QList<int>{p.alertLevelRAVI(), p.sensNormal(), p.sensLow(), p.sensHigh()}),
                     (QList<int>{0, 5, 1, 9}));
        }
    }

    void zones()
    {
        FixturePlant plant(0);
        plant->setPlantType(1, false);
        plant->cpus().cpuAt(0)->setLoopType(0, 0);
        QVERIFY(plant->areas().count() >= 3);
        plant->areas().areaAt(2)->setSensorCount(30);
        QList<OvGenericPoint> detectors;
        for (int address = 1; address <= 40; ++address)
            detectors << point(1, 1, address, 1, 1, 1, 30, 4);
        OvPointModel model(0);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveLoop(loopWith(0, detectors));
        QList<int> forty;
        for (int r = 0; r < 40; ++r)
            forty << r;
        ScriptedDialogs dialogs;
        dialogs.answer(PlantMessage::Ok);
        QSignalSpy changed(&model, &OvPointModel::pointsChanged);
        model.setPointAreaIndex(rows(model, forty), 3);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().at(0).text, QString("USR_ERR_TOO_MANY_PTXAREA"));
        QCOMPARE(dialogs.asked().at(0).detailedText, QString("USR_ERR_TOO_MANY_PTXAREA_DTL: 32"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<Points>(), Points({&at(model, 1, 1), &at(model, 1, 2)}));
        QCOMPARE((QList<int>{at(model, 1, 2).areaIndex(), at(model, 1, 3).areaIndex()}), (QList<int>{3, -1}));

        // The single-row form shows the box only while the caller's flag is set.
        plant->areas().areaAt(2)->setSensorCount(32);
        dialogs.clear();
        dialogs.answer(PlantMessage::Ok);
        QCOMPARE(model.setPointAreaIndex(model.index(4, 0), 3, true).toBool(), false);
        QCOMPARE(model.setPointAreaIndex(model.index(5, 0), 3, false).toBool(), false);
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(model.setPointAreaIndex(model.index(5, 0), 2, true).toBool(), true);
        QCOMPARE(at(model, 1, 6).areaIndex(), 2);

        // Zone 0 takes points out without a check; again, it is no change. Past the list, nothing.
        changed.clear();
        model.setPointAreaIndex(rows(model, {0, 1, 2}), 0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<Points>().size(), 2);
        QCOMPARE(at(model, 1, 1).areaIndex(), -1);
        QSignalSpy painted(&model, &QAbstractItemModel::dataChanged);
        model.setPointAreaIndex(rows(model, {0, 1, 2}), 0);
        model.setPointAreaIndex(rows(model, {0}), plant->areas().count() + 1);
        QCOMPARE(changed.count() + painted.count(), 1);
        QCOMPARE(at(model, 1, 1).areaIndex(), -1);
    }
};

QTEST_GUILESS_MAIN(tst_PointModelType)
#include "tst_pointmodeltype.moc"
