// The general parameters and access codes as the plant-information checker takes them: each
// bound and the value past it with its reason, the compiled codes, and a save and reopen that
// brings every stored value back.
#include "../plant/PlantTestSupport.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPlantInfo.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using modeltest::FixturePlant;

namespace {

// The brand's siren limits are set to 5 tones and 3 volumes by the test.
const struct {
    const char* member;
    int minimum;
    int maximum;
} kBounds[] = {
    {"sirenDelayTime", 0, 600},
    {"acknowledgementInhibitionTime", 0, 255},
    {"autoAcknowledgementTime", 0, 2040},
    {"failureSystemTime", 0, 300},
    {"detectorsCheckTime", 0, 50},
    {"falseFailureTimeTypeID", 1, 30},
    {"openCircuitsFailureTime", 1, 30},
    {"cameraLowValueTimeFailure", 1, 30},
    {"failureIvalidResponseTime", 1, 30},
    {"faultMaintenanceTime", 1, 216},
    {"sirenSoundType", 1, 5},
    {"evacSoundType", 1, 5},
    {"sirenVolume", 1, 3},
    {"evacSoundVolume", 1, 3},
    {"preAlarmLvl", 30, 99},
};

} // namespace

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
        for (const auto& row : kBounds)
            QTest::newRow(row.member) << row.member << row.minimum << row.maximum;
    }
    void bounds()
    {
        QFETCH(QString, member);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        FixturePlant plant(8);
        OvPlantInfo info;
        QCOMPARE(QList<int>({info.parameterMinimum(member), info.parameterMaximum(member)}),
                 QList<int>({minimum, maximum}));
        const uint before = plant->property(qPrintable(member)).toUInt();
        for (int value : {minimum - 1, maximum + 1}) {
            QCOMPARE(info.setParameter(member, value), QString("From %1 to %2").arg(minimum).arg(maximum));
            QCOMPARE(plant->property(qPrintable(member)).toUInt(), before);
        }
        for (int value : {maximum, minimum}) {
            QCOMPARE(info.setParameter(member, value), QString());
            QCOMPARE(plant->property(qPrintable(member)).toUInt(), uint(value));
        }
        // Kept out of the page: the panel does not store it.
        QCOMPARE(info.setParameter("allarmsTxDelayTime", 10), QString("Not a parameter of the plant"));
    }

    void passwords_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<uint>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("highest") << "99999" << 99999u << false;
        // What the field then shows, the level's code of the panel defaults, is what is stored.
        QTest::newRow("empty") << "" << 60427u << false;
        QTest::newRow("six digits") << "100000" << 1234u << true;
        QTest::newRow("six digits below the highest") << "012345" << 1234u << true;
        QTest::newRow("letter") << "12a" << 1234u << true;
        QTest::newRow("letters first") << "ab12" << 1234u << true;
        QTest::newRow("sign") << "-1" << 1234u << true;
    }
    void passwords()
    {
        QFETCH(QString, typed);
        QFETCH(uint, stored);
        QFETCH(bool, refused);
        FixturePlant plant(8);
        OvPlantInfo info;
        QCOMPARE(info.setPassword(1, "1234"), QString());
        QCOMPARE(info.setPassword(1, typed),
                 refused               ? QString("Digits only, at most 99999")
                     : typed.isEmpty() ? QString("No code: the panel keeps its own code 60427")
                                       : QString());
        QCOMPARE(plant->getPassword(1), stored);
        QCOMPARE(info.passwordText(1), QString::number(stored));
    }

    void compiledCodes()
    {
        FixturePlant plant(8);
        OvPlantInfo info;
        QCOMPARE(info.setPassword(0, "99999") + info.setPassword(1, "12345") + info.setPassword(2, ""),
                 QString("No code: the panel keeps its own code 71935"));
        QCOMPARE(plant->copyTo(), 0);
        // u32 little-endian at 5208, 5212, 5216: 99999, 12345; an emptied level the block's own
        // default code, 71935.
        QCOMPARE(planttest::block(2).mid(5208, 12),
                 QByteArray::fromHex("9f860100"
                                     "39300000"
                                     "ff180100"));
    }

    void saveAndReopen()
    {
        QTemporaryDir dir;
        FixturePlant plant(8);
        // The detector brand of the panel's defaults: a change of brand on reading resets the
        // sounds.
        Configuration::instance()->set_current_brand(u8(planttest::block(2).at(5247)));
        OvPlantInfo info;
        for (const auto& row : kBounds)
            QCOMPARE(info.setParameter(row.member, row.maximum - 1), QString());
        plant->setPassword(2, 4711);
        QCOMPARE(plant->saveToFile(dir.filePath("p.ov")), 0u);

        FixturePlant reread(8);
        QCOMPARE(reread->loadFromFile(dir.filePath("p.ov"), true), 0u);
        QCOMPARE(reread->copyFrom(), 0);
        traceErrors();
        for (const auto& row : kBounds)
            QCOMPARE(reread->property(row.member).toInt(), row.maximum - 1);
        QCOMPARE(reread->getPassword(2), 4711u);
    }
};

QTEST_MAIN(tst_PlantParameters)
#include "tst_plantparameters.moc"
