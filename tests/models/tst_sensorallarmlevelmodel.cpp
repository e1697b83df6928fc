// The alarm-level chooser of the loop page: the level names of each detector kind, and the
// resets that make the views read them again.
#include "TestBase.h"
#include "models/SensorAllarmLevelModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class tst_SensorAllarmLevelModel : public TestBase {
    Q_OBJECT

private slots:
    void names_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QStringList>("suffixes");
        QTest::newRow("0") << 0 << QStringList{"", "", "", "", ""};
        QTest::newRow("1") << 1 << QStringList{" - 1%/ft", " - 1%-2%/ft", " - 2%/ft", " - 2%-3.5%/ft", " - 3.5%/ft"};
        QTest::newRow("2") << 2
                           << QStringList{" - 1%/ft", " - 2%/ft", " - 3%/ft, T: <45s", " - 3%/ft, T: 45s - 90s",
                                          " - 3%/ft, T: >90s"};
        QTest::newRow("3") << 3 << QStringList{" - 1%/ft", " - 2%/ft", " - 3%/ft", " - 3%/ft", " - 4%/ft"};
        QTest::newRow("4") << 4 << QStringList{"", "", "", "", ""};
    }
    void names()
    {
        QFETCH(int, type);
        QFETCH(QStringList, suffixes);
        SensorAllarmLevelModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setModelType(type);
        QCOMPARE(model.rowCount(), 5);
        for (int row = 0; row < 5; ++row) {
            const QString expected = QString("SENSOR_ALLARM_MODEL_PREFIX %1").arg(row + 1) + suffixes.at(row);
            QCOMPARE(model.data(model.index(row), 257).toString(), expected);
            QCOMPARE(model.getLevelName(row, type), expected);
        }
        QCOMPARE(model.roleNames(), (QHash<int, QByteArray>{{257, "levelName"}}));
        QVERIFY(!model.data(model.index(0), Qt::DisplayRole).isValid());
        QVERIFY(!model.data(QModelIndex(), 257).isValid());
    }

    void outsideTheLevels()
    {
        SensorAllarmLevelModel model;
        QCOMPARE(model.getLevelName(5, 1), QString("SENSOR_ALLARM_MODEL_PREFIX"));
        QCOMPARE(model.getLevelName(-1, 1), QString("SENSOR_ALLARM_MODEL_PREFIX"));
        model.setModelType(2);
        QCOMPARE(model.getLevelName(2), QString("SENSOR_ALLARM_MODEL_PREFIX 3 - 3%/ft, T: <45s"));
    }

    void resets()
    {
        SensorAllarmLevelModel model;
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy updated(&model, &SensorAllarmLevelModel::levelsNameUpdated);
        model.setModelType(0);
        QCOMPARE(resets.count(), 0);
        model.setModelType(3);
        model.setModelType(3);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model.modelType(), 3);
        model.refresh();
        QCOMPARE(resets.count(), 2);
        QCOMPARE(updated.count(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_SensorAllarmLevelModel)
#include "tst_sensorallarmlevelmodel.moc"
