// The alarm-level chooser: the level names of each detector kind and its resets.
#include "TestBase.h"
#include "models/SensorAllarmLevelModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class tst_SensorAllarmLevelModel : public TestBase {
    Q_OBJECT

private slots:
    void names()
    {
        const QStringList suffixes[] = {
            {"", "", "", "", ""},
            {" - 1%/ft", " - 1%-2%/ft", " - 2%/ft", " - 2%-3.5%/ft", " - 3.5%/ft"},
            {" - 1%/ft", " - 2%/ft", " - 3%/ft, T: <45s", " - 3%/ft, T: 45s - 90s", " - 3%/ft, T: >90s"},
            {" - 1%/ft", " - 2%/ft", " - 3%/ft", " - 3%/ft", " - 4%/ft"},
            {"", "", "", "", ""}};
        SensorAllarmLevelModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        for (int type = 0; type <= 4; ++type) {
            model.setModelType(type);
            model.setModelType(type);
            QCOMPARE(model.rowCount(), 5);
            for (int row = 0; row < 5; ++row)
                QCOMPARE(model.data(model.index(row), 257).toString(),
                         QString("SENSOR_ALLARM_MODEL_PREFIX %1").arg(row + 1) + suffixes[type].at(row));
        }
        QCOMPARE(resets.count(), 4);
        QCOMPARE(model.getLevelName(5, 1), QString("SENSOR_ALLARM_MODEL_PREFIX"));
        QCOMPARE(model.getLevelName(-1, 1), QString("SENSOR_ALLARM_MODEL_PREFIX"));
        QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
        QSignalSpy updated(&model, &SensorAllarmLevelModel::levelsNameUpdated);
        model.refresh();
        QCOMPARE(resets.count() + updated.count(), 6);
    }
};

QTEST_GUILESS_MAIN(tst_SensorAllarmLevelModel)
#include "tst_sensorallarmlevelmodel.moc"
