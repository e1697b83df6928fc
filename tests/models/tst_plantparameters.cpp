// The general parameters and access codes as the plant-information checker takes them: each
// bound and the value past it, the reasons given, what reaches the panel's general block, and
// a save and reopen that brings every stored value back.
#include "../plant/PlantTestSupport.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPlantInfo.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using modeltest::FixturePlant;

class tst_PlantParameters : public TestBase {
    Q_OBJECT

    QTranslator m_english;

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        planttest::useEnglish(m_english);
        Configuration::instance()->set_sirenMaxType(5);
        Configuration::instance()->set_sirenMaxVolume(3);
    }

    void bounds_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("siren delay") << "sirenDelayTime" << 0 << 600;
        QTest::newRow("acknowledgement inhibition") << "acknowledgementInhibitionTime" << 0 << 255;
        QTest::newRow("automatic acknowledgement") << "autoAcknowledgementTime" << 0 << 2040;
        QTest::newRow("system fault") << "failureSystemTime" << 0 << 300;
        QTest::newRow("detector check") << "detectorsCheckTime" << 0 << 50;
        QTest::newRow("false fault") << "falseFailureTimeTypeID" << 1 << 30;
        QTest::newRow("open circuit") << "openCircuitsFailureTime" << 1 << 30;
        QTest::newRow("chamber low value") << "cameraLowValueTimeFailure" << 1 << 30;
        QTest::newRow("invalid response") << "failureIvalidResponseTime" << 1 << 30;
        QTest::newRow("maintenance") << "faultMaintenanceTime" << 1 << 216;
        QTest::newRow("siren tone") << "sirenSoundType" << 1 << 5;
        QTest::newRow("evacuation tone") << "evacSoundType" << 1 << 5;
        QTest::newRow("siren volume") << "sirenVolume" << 1 << 3;
        QTest::newRow("evacuation volume") << "evacSoundVolume" << 1 << 3;
        QTest::newRow("pre-alarm level") << "preAlarmLvl" << 30 << 99;
    }
    void bounds()
    {
        QFETCH(QString, member);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        FixturePlant plant(8);
        OvPlantInfo info;
        QCOMPARE(info.parameterMinimum(member), minimum);
        QCOMPARE(info.parameterMaximum(member), maximum);
        const QString refusal = QString("From %1 to %2").arg(minimum).arg(maximum);
        const uint before = plant->property(qPrintable(member)).toUInt();
        for (int value : {minimum - 1, maximum + 1}) {
            QCOMPARE(info.setParameter(member, value), refusal);
            QCOMPARE(plant->property(qPrintable(member)).toUInt(), before);
        }
        for (int value : {maximum, minimum}) {
            QCOMPARE(info.setParameter(member, value), QString());
            QCOMPARE(plant->property(qPrintable(member)).toUInt(), uint(value));
        }
        QVERIFY(plant->isPlantDataModified() || before == uint(minimum));
    }

    void unknownMember()
    {
        FixturePlant plant(8);
        OvPlantInfo info;
        // Kept out of the page: the panel does not store it.
        QCOMPARE(info.setParameter("allarmsTxDelayTime", 10), QString("Not a parameter of the plant"));
        QCOMPARE(plant->getAllarmsTxDelayTime(), 0u);
        QVERIFY(!plant->isPlantDataModified());
    }

    void passwords_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("stored");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("highest") << "99999" << 99999u << QString();
        QTest::newRow("zero") << "0" << 0u << QString();
        QTest::newRow("empty") << "" << 0xFFFFFFFFu << QString();
        QTest::newRow("six digits") << "100000" << 1234u << "Digits only, at most 99999";
        QTest::newRow("letter") << "12a" << 1234u << "Digits only, at most 99999";
        QTest::newRow("sign") << "-1" << 1234u << "Digits only, at most 99999";
    }
    void passwords()
    {
        QFETCH(QString, typed);
        QFETCH(uint, stored);
        QFETCH(QString, refusal);
        FixturePlant plant(8);
        OvPlantInfo info;
        QCOMPARE(info.setPassword(1, "1234"), QString());
        QCOMPARE(info.setPassword(1, typed), refusal);
        QCOMPARE(plant->getPassword(1), stored);
        QCOMPARE(info.passwordText(1), stored == 0xFFFFFFFFu ? QString() : QString::number(stored));
        QCOMPARE(info.setPassword(3, "1"), QString("Not a parameter of the plant"));
    }

    void compiledCodes()
    {
        FixturePlant plant(8);
        OvPlantInfo info;
        QCOMPARE(info.setPassword(0, "99999"), QString());
        QCOMPARE(info.setPassword(1, "12345"), QString());
        QCOMPARE(info.setPassword(2, ""), QString());
        QCOMPARE(plant->copyTo(), 0);
        // u32 little-endian at 5208, 5212, 5216: 99999, 12345; an undefined level keeps the
        // block's own default code, 71935.
        QCOMPARE(planttest::block(2).mid(5208, 12),
                 QByteArray::fromHex("9f860100"
                                     "39300000"
                                     "ff180100"));
    }

    void saveAndReopen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("parameters.ov");
        FixturePlant plant(8);
        // The detector brand of the panel's defaults: a change of brand on reading would reset
        // the sounds.
        Configuration::instance()->set_current_brand(u8(planttest::block(2).at(5247)));
        OvPlantInfo info;
        const QList<QPair<QString, int>> numbers = {
            {"sirenDelayTime", 600},
            {"acknowledgementInhibitionTime", 255},
            {"autoAcknowledgementTime", 2040},
            {"failureSystemTime", 300},
            {"detectorsCheckTime", 50},
            {"falseFailureTimeTypeID", 30},
            {"openCircuitsFailureTime", 29},
            {"cameraLowValueTimeFailure", 28},
            {"failureIvalidResponseTime", 27},
            {"faultMaintenanceTime", 215},
            {"sirenSoundType", 5},
            {"evacSoundType", 4},
            {"sirenVolume", 3},
            {"evacSoundVolume", 2},
            {"preAlarmLvl", 99},
        };
        for (const auto& number : numbers)
            QCOMPARE(info.setParameter(number.first, number.second), QString());
        const QStringList flags = {"detectorsCheckStat",
                                   "driftAllert",
                                   "serialNumbersCheckStat",
                                   "flashingStat",
                                   "autoAcknowledgementStat",
                                   "sirenPhaseStat",
                                   "printerStat",
                                   "storagePrint"};
        for (const QString& flag : flags)
            QVERIFY(plant->setProperty(qPrintable(flag), true));
        plant->setSirenInstantActivation(false);
        plant->setSirenCorrelation(false);
        plant->setSirenReactMode(false);
        plant->setPrinterParity(1);
        plant->setPrinterBaudRate(115200);
        plant->set_plantReleAll(2);
        plant->set_plantReleU1(1);
        plant->set_plantReleFU1(6);
        plant->set_plantReleFU2(3);
        plant->setPassword(2, 4711);
        QCOMPARE(plant->saveToFile(path), 0u);

        FixturePlant reread(8);
        QCOMPARE(reread->loadFromFile(path, true), 0u);
        QCOMPARE(reread->copyFrom(), 0);
        traceErrors();
        for (const auto& number : numbers)
            QCOMPARE(reread->property(qPrintable(number.first)).toInt(), number.second);
        for (const QString& flag : flags)
            QVERIFY2(reread->property(qPrintable(flag)).toBool(), qPrintable(flag));
        QVERIFY(!reread->getSirenInstantActivation());
        QVERIFY(!reread->getSirenCorrelation());
        QCOMPARE(reread->getPrinterParity(), 1u);
        QCOMPARE(reread->getPrinterBaudRate(), 115200u);
        QCOMPARE(QList<uint>({reread->plantReleAll(), reread->plantReleU1(), reread->plantReleU2(),
                              reread->plantReleFU1(), reread->plantReleFU2()}),
                 QList<uint>({2, 1, 0, 6, 3}));
        QCOMPARE(reread->getPassword(2), 4711u);
    }
};

QTEST_MAIN(tst_PlantParameters)
#include "tst_plantparameters.moc"
