// The settings store and its reference, in a private HOME and XDG config folder set before
// the application object exists, so the user's own settings are never read or written.
#include "app/Configuration.h"
#include "app/OvParameters.h"
#include "app/OvParametersReference.h"
#include "IsolatedHome.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

QString s_home;
std::atomic<int> s_warnings { 0 };
QtMessageHandler s_previousHandler = nullptr;

void countWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg)
        ++s_warnings;
    s_previousHandler(type, context, text);
}

// Calls a no-argument invokable by name; an invalid QVariant when there is none.
QVariant callGetter(QObject* object, const QByteArray& name)
{
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfMethod(name + "()");
    if (index < 0)
        return QVariant();
    const QMetaMethod method = meta->method(index);
    QVariant result(method.returnType(), nullptr);
    if (!method.invoke(object, Qt::DirectConnection, QGenericReturnArgument(method.typeName(), result.data())))
        return QVariant();
    return result;
}

// Calls a one-argument setter by name with a bool or an int; false when there is none.
bool callSetter(QObject* object, const QByteArray& name, const QVariant& argument, bool* changed)
{
    if (argument.type() == QVariant::Bool)
        return QMetaObject::invokeMethod(object, name.constData(), Qt::DirectConnection,
                                         Q_RETURN_ARG(bool, *changed), Q_ARG(bool, argument.toBool()));
    return QMetaObject::invokeMethod(object, name.constData(), Qt::DirectConnection,
                                     Q_RETURN_ARG(bool, *changed), Q_ARG(int, argument.toInt()));
}

// QSettings keeps the values it wrote, with their types, until the file changes on disk; a
// new process reads only text. Touching the file makes the next read parse it as a restart would.
void reparseOnNextRead()
{
    QFile file(QSettings().fileName());
    QVERIFY(file.open(QIODevice::Append));
    QVERIFY(file.write("\n") == 1);
}

QVariant rawSetting(const QString& key)
{
    return QSettings().value(key);
}

} // namespace

class TstOvParameters : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartGetters_data();
    void firstStartGetters();
    void firstStartPaths();
    void lastFilePathLogLine_data();
    void lastFilePathLogLine();
    void fileExtensionFollowsBrand();
    void publishedProperties();
    void setterPersists_data();
    void setterPersists();
    void printerBaudRateKeepsPrinterSwitch();
    void printerSwitchStoredAsInteger_data();
    void printerSwitchStoredAsInteger();
    void unconvertibleValueGivesDefault();
    void equalValueWritesNothing_data();
    void equalValueWritesNothing();
    void settersDoNotCheckLimits();
    void evacuationSoundSharesSirenValues();
    void pathLanguageAndAlertWriteWithoutComparing();
    void saveWritesHeldValues();
    void recentFilesNewestFirstWithoutDuplicates();
    void recentFilesHoldAtMostNine();
    void recentFilesAreCaseSensitive();
    void recentFilesClear();
    void classLevelOperations();
    void fontFamily();
    void lastReleaseReloads();
    void concurrentFirstUseCreatesOneStore();
};

void TstOvParameters::initTestCase()
{
    QVERIFY2(QSettings().fileName().startsWith(s_home + QLatin1Char('/')), qPrintable(QSettings().fileName()));
}

void TstOvParameters::init()
{
    QSettings().clear();
    s_warnings = 0;
}

void TstOvParameters::cleanup()
{
    QCOMPARE(s_warnings.load(), 0);
}

void TstOvParameters::firstStartGetters_data()
{
    QTest::addColumn<QByteArray>("getter");
    QTest::addColumn<QVariant>("expected");

    auto row = [](const char* getter, const QVariant& expected) {
        QTest::newRow(getter) << QByteArray(getter) << expected;
    };
    row("getDriftAllertDefVal", false);
    row("getDriftAllert", false);
    row("getStoragePrintDefVal", false);
    row("getStoragePrint", false);
    row("getWalkTestDefVal", 0);
    row("getWalkTest", 0);
    row("getFlashingStatDefVal", false);
    row("getFlashingStat", false);
    row("getSirenInstantActivationDefVal", true);
    row("getSirenDelayTimeDefVal", 0);
    row("getSirenDelayTime", 0);
    row("getSirenDelayTimeMinVal", 0);
    row("getSirenDelayTimeMaxVal", 600);
    row("getAllarmsTxDelayTimeDefVal", 0);
    row("getAllarmsTxDelayTimeMinVal", 0);
    row("getAllarmsTxDelayTimeMaxVal", 600);
    row("getEvacuationChecksDefVal", false);
    row("getAcknowledgementInhibitionTimeDefVal", 0);
    row("getAcknowledgementInhibitionTime", 0);
    row("getAcknowledgementInhibitionTimeMinVal", 0);
    row("getAcknowledgementInhibitionTimeMaxVal", 255);
    row("getAutoAcknowledgementStatDefVal", false);
    row("getAutoAcknowledgementStat", false);
    row("getAutoAcknowledgementTimeDefVal", 0);
    row("getAutoAcknowledgementTime", 0);
    row("getAutoAcknowledgementTimeMinVal", 0);
    row("getAutoAcknowledgementTimeMaxVal", 2040);
    row("getFailureSystemTimeDefVal", 0);
    row("getFailureSystemTime", 0);
    row("getFailureSystemTimeMinVal", 0);
    row("getFailureSystemTimeMaxVal", 300);
    row("getFailureTxTimeDefVal", 0);
    row("getFailureTxTimeMinVal", 0);
    row("getFailureTxTimeMaxVal", 600);
    row("getDetectorsCheckStatDefVal", false);
    row("getDetectorsCheckStat", false);
    row("getDetectorsCheckTimeDefVal", 0);
    row("getDetectorsCheckTime", 0);
    row("getDetectorsCheckTimeMinVal", 0);
    row("getDetectorsCheckTimeMaxVal", 50);
    row("getFalseFailureTimeTypeIDDefVal", 8);
    row("getFalseFailureTimeTypeID", 8);
    row("getFalseFailureTimeTypeIDMinVal", 1);
    row("getFalseFailureTimeTypeIDMaxVal", 30);
    row("getOpenCircuitsFailureTimeDefVal", 10);
    row("getOpenCircuitsFailureTime", 10);
    row("getOpenCircuitsFailureTimeMinVal", 1);
    row("getOpenCircuitsFailureTimeMaxVal", 30);
    row("getCameraLowValueTimeFailureDefVal", 20);
    row("getCameraLowValueTimeFailure", 20);
    row("getCameraLowValueTimeFailureMinVal", 1);
    row("getCameraLowValueTimeFailureMaxVal", 30);
    row("getSirenSoundTypeDefVal", 1);
    row("getSirenSoundType", 1);
    row("getEvacSoundType", 1);
    row("getSirenSoundTypeMinVal", 1);
    row("getSirenSoundTypeMaxVal", 33);
    row("getSirenVolumeDefVal", 1);
    row("getSirenVolume", 1);
    row("getEvacSoundVolume", 1);
    row("getSirenVolumeMinVal", 1);
    row("getSirenVolumeMaxVal", 4);
    row("getPrinterStatDefVal", false);
    row("getPrinterStat", false);
    row("getPrinterParityDefVal", 0);
    row("getPrinterBaudDefVal", 9600);
    row("getPrinterBaudRate", 9600);
    row("getSirenPhaseStatDefVal", false);
    row("getSirenPhaseStat", false);
    row("getSerialNumbersCheckStatDefVal", false);
    row("getSerialNumbersCheckStat", false);
    row("getFailureInvalidResponseTimeDefVal", 5);
    row("getFailureInvalidResponseTime", 5);
    row("getFailureInvalidResponseTimeMinVal", 1);
    row("getFailureInvalidResponseTimeMaxVal", 30);
    row("getFaultMaintenanceTimeDefVal", 216);
    row("getFaultMaintenanceTime", 216);
    row("getFaultMaintenanceTimeMinVal", 1);
    row("getFaultMaintenanceTimeMaxVal", 216);
    row("getPreAlarmLvlDefVal", 70);
    row("getPreAlarmLvl", 70);
    row("getSirenCorrelationDefVal", true);
    row("getSirenCorrelation", true);

    row("getPlantMaxCPUCount", 64);
    row("getDirectGroupMinCount", 0);
    row("getDirectGroupMaxCount", 400);
    row("getDirectGroupDefCount", 300);
    row("getGroupMaxCount", 400);
    row("getHightSensibilityGroupEnabledDefValue", false);
    row("getLowSensibilityGroupEnabledDefValue", false);
    row("getActiveOutputModuleCount", 0);
    row("getMxAreasCount", 2000);
    row("getMxRepeatersCount", 8);

    row("getDefaultFileBinExtensione", QStringLiteral(".bin"));
    row("getCSVToken", QStringLiteral(","));
    row("getAlertAgainstObsoletePlantFileVersion", true);
    row("recentFilesName", QStringList());
}

void TstOvParameters::firstStartGetters()
{
    QFETCH(QByteArray, getter);
    QFETCH(QVariant, expected);

    OvParametersReference reference;
    const QVariant actual = callGetter(&reference, getter);
    QCOMPARE(QByteArray(actual.typeName()), QByteArray(expected.typeName()));
    QCOMPARE(actual, expected);
}

void TstOvParameters::firstStartPaths()
{
    OvParametersReference reference;
    QCOMPARE(reference.getLastFilePath(), s_home + QStringLiteral("/Documents"));
    // LC_ALL is it_IT in this test, so the system language is Italian.
    QCOMPARE(reference.getActualLanguage(), QStringLiteral("it"));
    QCOMPARE(QLocale().language(), QLocale::Italian);
}

void TstOvParameters::lastFilePathLogLine_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("line");
    QTest::newRow("first start") << QString() << QStringLiteral("lastFilePath = ") + s_home + QStringLiteral("/Documents");
    QTest::newRow("stored path") << QStringLiteral("/srv/plants/North wing")
                                 << QStringLiteral("lastFilePath = /srv/plants/North wing");
}

// The log line holds the path as it is: no quotes, one blank after "=".
void TstOvParameters::lastFilePathLogLine()
{
    QFETCH(QString, stored);
    QFETCH(QString, line);
    if (!stored.isEmpty()) {
        QSettings().setValue(QStringLiteral("defaultPath"), stored);
        reparseOnNextRead();
    }
    QTest::ignoreMessage(QtInfoMsg, qPrintable(line));
    OvParametersReference reference;
    QCOMPARE(reference.getLastFilePath(), stored.isEmpty() ? s_home + QStringLiteral("/Documents") : stored);
}

void TstOvParameters::fileExtensionFollowsBrand()
{
    Configuration* brand = Configuration::instance();
    const int savedBrand = brand->central_brand();
    {
        brand->set_central_brand(0);
        OvParametersReference reference;
        QCOMPARE(reference.getDefaultFileExtensione(), QStringLiteral(".kov"));
    }
    {
        brand->set_central_brand(2);
        OvParametersReference reference;
        QCOMPARE(reference.getDefaultFileExtensione(), QStringLiteral(".tov"));
    }
    brand->set_central_brand(savedBrand);
}

void TstOvParameters::publishedProperties()
{
    const QStringList expectedOrder = {
        "driftAllertDefVal", "storagePrintDefVal", "walkTestDefVal", "flashingStatDefVal",
        "sirenInstantActivationDefVal", "sirenDelayTimeDefVal", "sirenDelayTimeMaxVal",
        "sirenDelayTimeMinVal", "allarmsTxDelayTimeMaxVal", "allarmsTxDelayTimeMinVal",
        "evacuationChecksDefVal", "acknowledgementInhibitionTimeDefVal",
        "acknowledgementInhibitionTimeMaxVal", "acknowledgementInhibitionTimeMinVal",
        "autoAcknowledgementStatDefVal", "autoAcknowledgementTimeDefVal",
        "autoAcknowledgementTimeMaxVal", "autoAcknowledgementTimeMinVal",
        "failureSystemTimeDefVal", "failureSystemTimeMaxVal", "failureSystemTimeMinVal",
        "failureTxTimeDefVal", "failureTxTimeMaxVal", "failureTxTimeMinVal",
        "detectorsCheckStatDefVal", "detectorsCheckTimeDefVal", "detectorsCheckTimeMaxVal",
        "detectorsCheckTimeMinVal", "falseFailureTimeTypeIDDefVal", "falseFailureTimeTypeIDMaxVal",
        "falseFailureTimeTypeIDMinVal", "openCircuitsFailureTimeDefVal",
        "openCircuitsFailureTimeMaxVal", "openCircuitsFailureTimeMinVal",
        "cameraLowValueTimeFailureDefVal", "cameraLowValueTimeFailureMaxVal",
        "cameraLowValueTimeFailureMinVal", "sirenSoundTypeDefVal", "sirenSoundTypeMinVal",
        "sirenSoundTypeMaxVal", "sirenVolumeDefVal", "sirenVolumeMaxVal", "sirenVolumeMinVal",
        "printerStatDefVal", "printerParityDefVal", "printerBaudDefVal", "sirenPhaseStatDefVal",
        "serialNumbersCheckStatDefVal", "failureIvalidResponseTimeDefVal",
        "failureIvalidResponseTimeMaxVal", "failureIvalidResponseTimeMinVal",
        "faultMaintenanceTimeDefVal", "faultMaintenanceTimeMaxVal", "faultMaintenanceTimeMinVal",
    };
    const QMetaObject& meta = OvParameters::staticMetaObject;
    QStringList actualOrder;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        actualOrder << QString::fromLatin1(property.name());
        QVERIFY2(!property.isWritable(), property.name());
        QVERIFY2(!property.hasNotifySignal(), property.name());
    }
    QCOMPARE(actualOrder.size(), 54);
    QCOMPARE(actualOrder, expectedOrder);

    OvParametersReference reference;
    OvParameters* store = reference.parameters();
    QCOMPARE(store->property("sirenSoundTypeMinVal"), QVariant(1));
    QCOMPARE(store->property("sirenSoundTypeMaxVal"), QVariant(33));
    QCOMPARE(store->property("failureIvalidResponseTimeDefVal"), QVariant(5));
    QCOMPARE(store->property("faultMaintenanceTimeMaxVal"), QVariant(216));
    QCOMPARE(store->property("printerBaudDefVal"), QVariant(9600));
    QCOMPARE(store->property("sirenInstantActivationDefVal"), QVariant(true));
    QCOMPARE(store->property("autoAcknowledgementTimeMaxVal"), QVariant(2040));
}

void TstOvParameters::setterPersists_data()
{
    QTest::addColumn<QByteArray>("setter");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("getter");
    QTest::addColumn<QString>("key");

    auto row = [](const char* setter, const QVariant& value, const char* getter, const char* key) {
        QTest::newRow(setter) << QByteArray(setter) << value << QByteArray(getter) << QString::fromLatin1(key);
    };
    row("setDriftAllert", true, "getDriftAllert", "genParameters/DriftAllertDefVal");
    row("setStoragePrint", true, "getStoragePrint", "genParameters/StoragePrintDefVal");
    row("setWalkTest", 3, "getWalkTest", "genParameters/WalkTestDefVal");
    row("setFlashingStat", true, "getFlashingStat", "genParameters/FlashingStatDefVal");
    row("setSirenInstantActivationDefVal", false, "getSirenInstantActivationDefVal",
        "genParameters/SirenInstantActivationDefVal");
    row("setSirenDelayTime", 120, "getSirenDelayTime", "genParameters/SirenDelayTimeDefVal");
    row("setAcknowledgementInhibitionTime", 30, "getAcknowledgementInhibitionTime",
        "genParameters/AcknowledgementInhibitionTimeDefVal");
    row("setAutoAcknowledgementStat", true, "getAutoAcknowledgementStat",
        "genParameters/AutoAcknowledgementStatDefVal");
    row("setAutoAcknowledgementTime", 2040, "getAutoAcknowledgementTime",
        "genParameters/AutoAcknowledgementTimeDefVal");
    row("setFailureSystemTime", 300, "getFailureSystemTime", "genParameters/FailureSystemTimeDefVal");
    row("setDetectorsCheckStat", true, "getDetectorsCheckStat", "genParameters/DetectorsCheckStatDefVal");
    row("setDetectorsCheckTime", 50, "getDetectorsCheckTime", "genParameters/DetectorsCheckTimeDefVal");
    row("setFalseFailureTimeTypeID", 1, "getFalseFailureTimeTypeID",
        "genParameters/FalseFailureTimeTypeIDDefVal");
    row("setOpenCircuitsFailureTime", 30, "getOpenCircuitsFailureTime",
        "genParameters/OpenCircuitsFailureTimeDefVal");
    row("setCameraLowValueTimeFailure", 7, "getCameraLowValueTimeFailure",
        "genParameters/CameraLowValueTimeFailureDefVal");
    row("setSirenSoundType", 33, "getSirenSoundType", "genParameters/SirenSoundTypeDefVal");
    row("setEvacSoundType", 14, "getEvacSoundType", "genParameters/SirenSoundTypeDefVal");
    row("setSirenVolume", 4, "getSirenVolume", "genParameters/SirenVolumeDefVal");
    row("setEvacSoundVolume", 2, "getEvacSoundVolume", "genParameters/SirenVolumeDefVal");
    row("setPrinterStat", true, "getPrinterStat", "genParameters/PrinterStatDefVal");
    row("setPrinterParity", 2, "getPrinterParityDefVal", "genParameters/PrinterParityDefVal");
    row("setPrinterBaudRate", 19200, "getPrinterBaudRate", "genParameters/PrinterBaudRateDefVal");
    row("setSirenPhaseStat", true, "getSirenPhaseStat", "genParameters/SirenPhaseStatDefVal");
    row("setSerialNumbersCheckStat", true, "getSerialNumbersCheckStat",
        "genParameters/SerialNumbersCheckStatDefVal");
    row("setFailureInvalidResponseTime", 1, "getFailureInvalidResponseTime",
        "genParameters/FailureIvalidResponseTimeDefVal");
    row("setFaultMaintenanceTime", 1, "getFaultMaintenanceTime", "genParameters/FaultMaintenanceTimeDefVal");
    row("setPreAlarmLvl", 55, "getPreAlarmLvl", "genParameters/PreAlarmLevelDefVal");
    row("setSirenCorrelation", false, "getSirenCorrelation", "genParameters/SirenCorrelationDefVal");
}

void TstOvParameters::setterPersists()
{
    QFETCH(QByteArray, setter);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, getter);
    QFETCH(QString, key);

    {
        OvParametersReference reference;
        bool changed = false;
        QVERIFY(callSetter(&reference, setter, value, &changed));
        QVERIFY(changed);
        QCOMPARE(callGetter(&reference, getter), value);
        // Written at once, under the key that the load reads.
        const QVariant stored = rawSetting(key);
        QVERIFY2(stored.isValid(), qPrintable(key));
        if (value.type() == QVariant::Bool)
            QCOMPARE(stored.toBool(), value.toBool());
        else
            QCOMPARE(stored.toInt(), value.toInt());
    }
    reparseOnNextRead();
    OvParametersReference fresh;
    QCOMPARE(callGetter(&fresh, getter), value);
}

void TstOvParameters::printerBaudRateKeepsPrinterSwitch()
{
    {
        OvParametersReference reference;
        QVERIFY(reference.setPrinterStat(true));
        QVERIFY(reference.setPrinterBaudRate(19200));
    }
    reparseOnNextRead();
    {
        OvParametersReference reference;
        QCOMPARE(reference.getPrinterBaudRate(), 19200);
        QCOMPARE(reference.getPrinterStat(), true);
        QVERIFY(reference.setPrinterStat(false));
    }
    reparseOnNextRead();
    OvParametersReference reference;
    QCOMPARE(reference.getPrinterBaudRate(), 19200);
    QCOMPARE(reference.getPrinterStat(), false);
}

void TstOvParameters::printerSwitchStoredAsInteger_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("expected");
    QTest::newRow("0") << QVariant(0) << false;
    QTest::newRow("1") << QVariant(1) << true;
    QTest::newRow("5") << QVariant(5) << true;
    QTest::newRow("-1") << QVariant(-1) << true;
}

void TstOvParameters::printerSwitchStoredAsInteger()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, expected);
    QSettings().setValue(QStringLiteral("genParameters/PrinterStatDefVal"), stored);
    reparseOnNextRead();
    OvParametersReference reference;
    QCOMPARE(reference.getPrinterStat(), expected);
}

void TstOvParameters::unconvertibleValueGivesDefault()
{
    {
        QSettings settings;
        settings.setValue(QStringLiteral("genParameters/FalseFailureTimeTypeIDDefVal"), QStringLiteral("abc"));
        settings.setValue(QStringLiteral("genParameters/PrinterBaudRateDefVal"), QString());
    }
    OvParametersReference reference;
    QCOMPARE(reference.getFalseFailureTimeTypeID(), 8);
    QCOMPARE(reference.getPrinterBaudRate(), 9600);
}

void TstOvParameters::equalValueWritesNothing_data()
{
    QTest::addColumn<QByteArray>("setter");
    QTest::addColumn<QVariant>("heldValue");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("foreignValue");

    QTest::newRow("walk test") << QByteArray("setWalkTest") << QVariant(0)
                               << QStringLiteral("genParameters/WalkTestDefVal") << QVariant(9);
    QTest::newRow("baud rate") << QByteArray("setPrinterBaudRate") << QVariant(9600)
                               << QStringLiteral("genParameters/PrinterBaudRateDefVal") << QVariant(4800);
    QTest::newRow("drift alert") << QByteArray("setDriftAllert") << QVariant(false)
                                 << QStringLiteral("genParameters/DriftAllertDefVal") << QVariant(true);
    QTest::newRow("siren correlation") << QByteArray("setSirenCorrelation") << QVariant(true)
                                       << QStringLiteral("genParameters/SirenCorrelationDefVal") << QVariant(false);
    QTest::newRow("evac volume") << QByteArray("setEvacSoundVolume") << QVariant(1)
                                 << QStringLiteral("genParameters/SirenVolumeDefVal") << QVariant(3);
}

void TstOvParameters::equalValueWritesNothing()
{
    QFETCH(QByteArray, setter);
    QFETCH(QVariant, heldValue);
    QFETCH(QString, key);
    QFETCH(QVariant, foreignValue);

    OvParametersReference reference;
    QSignalSpy driftSpy(&reference, &OvParametersReference::driftAllertChanged);
    // Written behind the store's back: only a write by the setter could replace it.
    QSettings().setValue(key, foreignValue);

    bool changed = true;
    QVERIFY(callSetter(&reference, setter, heldValue, &changed));
    QCOMPARE(changed, false);
    QCOMPARE(rawSetting(key).toString(), foreignValue.toString());
    QCOMPARE(driftSpy.count(), 0);
}

void TstOvParameters::settersDoNotCheckLimits()
{
    {
        OvParametersReference reference;
        QVERIFY(reference.setSirenDelayTime(601));
        QVERIFY(reference.setSirenVolume(5));
        QVERIFY(reference.setFaultMaintenanceTime(0));
    }
    OvParametersReference reference;
    QCOMPARE(reference.getSirenDelayTime(), 601);
    QCOMPARE(reference.getSirenVolume(), 5);
    QCOMPARE(reference.getFaultMaintenanceTime(), 0);
    QCOMPARE(reference.getSirenDelayTimeMaxVal(), 600);
}

void TstOvParameters::evacuationSoundSharesSirenValues()
{
    OvParametersReference reference;
    QVERIFY(reference.setEvacSoundType(12));
    QCOMPARE(reference.getSirenSoundType(), 12);
    QCOMPARE(reference.getSirenSoundTypeDefVal(), 12);
    QVERIFY(!reference.setSirenSoundType(12));
    QVERIFY(reference.setSirenVolume(3));
    QCOMPARE(reference.getEvacSoundVolume(), 3);
    QVERIFY(!reference.setEvacSoundVolume(3));
}

void TstOvParameters::pathLanguageAndAlertWriteWithoutComparing()
{
    {
        OvParametersReference reference;
        reference.setLastFilePath(QStringLiteral("/plants"));
        reference.setActualLanguage(QStringLiteral("fr"));
        reference.setAlertAgainstObsoletePlantFileVersion(false);
        QCOMPARE(rawSetting(QStringLiteral("defaultPath")).toString(), QStringLiteral("/plants"));
        QCOMPARE(rawSetting(QStringLiteral("defaultLanguage")).toString(), QStringLiteral("fr"));
        QCOMPARE(rawSetting(QStringLiteral("allertForObsoletePlantFileVersion")).toBool(), false);

        // The held value is written again even though it did not change.
        QSettings().setValue(QStringLiteral("defaultPath"), QStringLiteral("/elsewhere"));
        reference.setLastFilePath(QStringLiteral("/plants"));
        QCOMPARE(rawSetting(QStringLiteral("defaultPath")).toString(), QStringLiteral("/plants"));
    }
    OvParametersReference reference;
    QCOMPARE(reference.getLastFilePath(), QStringLiteral("/plants"));
    QCOMPARE(reference.getActualLanguage(), QStringLiteral("fr"));
    QCOMPARE(reference.getAlertAgainstObsoletePlantFileVersion(), false);
}

void TstOvParameters::saveWritesHeldValues()
{
    OvParametersReference reference;
    QVERIFY(!rawSetting(QStringLiteral("defaultPath")).isValid());
    reference.parameters()->save();
    QCOMPARE(rawSetting(QStringLiteral("defaultPath")).toString(), s_home + QStringLiteral("/Documents"));
    QCOMPARE(rawSetting(QStringLiteral("defaultLanguage")).toString(), QStringLiteral("it"));
    QCOMPARE(rawSetting(QStringLiteral("allertForObsoletePlantFileVersion")).toBool(), true);
}

void TstOvParameters::recentFilesNewestFirstWithoutDuplicates()
{
    OvParametersReference reference;
    reference.addToRecentOpenFile(QStringLiteral("/p/a.kov"));
    reference.addToRecentOpenFile(QStringLiteral("/p/b.kov"));
    reference.addToRecentOpenFile(QStringLiteral("/p/c.kov"));
    QCOMPARE(reference.recentFilesName(),
             QStringList({ "/p/c.kov", "/p/b.kov", "/p/a.kov" }));

    reference.addToRecentOpenFile(QStringLiteral("/p/a.kov"));
    QCOMPARE(reference.recentFilesName(),
             QStringList({ "/p/a.kov", "/p/c.kov", "/p/b.kov" }));
    QCOMPARE(rawSetting(QStringLiteral("recentFiles")).toStringList(),
             QStringList({ "/p/a.kov", "/p/c.kov", "/p/b.kov" }));

    // A list that already holds duplicates loses all of them.
    QSettings().setValue(QStringLiteral("recentFiles"),
                         QStringList({ "/p/x.kov", "/p/y.kov", "/p/x.kov" }));
    reference.addToRecentOpenFile(QStringLiteral("/p/x.kov"));
    QCOMPARE(reference.recentFilesName(), QStringList({ "/p/x.kov", "/p/y.kov" }));
}

void TstOvParameters::recentFilesHoldAtMostNine()
{
    OvParametersReference reference;
    QStringList expected;
    for (int i = 1; i <= 9; ++i) {
        const QString path = QStringLiteral("/p/%1.kov").arg(i);
        reference.addToRecentOpenFile(path);
        expected.prepend(path);
    }
    QCOMPARE(reference.recentFilesName().size(), 9);
    QCOMPARE(reference.recentFilesName(), expected);

    reference.addToRecentOpenFile(QStringLiteral("/p/10.kov"));
    QCOMPARE(reference.recentFilesName(),
             QStringList({ "/p/10.kov", "/p/9.kov", "/p/8.kov", "/p/7.kov", "/p/6.kov", "/p/5.kov",
                           "/p/4.kov", "/p/3.kov", "/p/2.kov" }));

    // Moving an entry to the front of a full list drops nothing.
    reference.addToRecentOpenFile(QStringLiteral("/p/2.kov"));
    QCOMPARE(reference.recentFilesName(),
             QStringList({ "/p/2.kov", "/p/10.kov", "/p/9.kov", "/p/8.kov", "/p/7.kov", "/p/6.kov",
                           "/p/5.kov", "/p/4.kov", "/p/3.kov" }));

    // A longer list written by someone else is cut to nine on the next addition.
    QStringList longList;
    for (int i = 0; i < 12; ++i)
        longList << QStringLiteral("/q/%1").arg(i);
    QSettings().setValue(QStringLiteral("recentFiles"), longList);
    reference.addToRecentOpenFile(QStringLiteral("/q/new"));
    QCOMPARE(reference.recentFilesName(),
             QStringList({ "/q/new", "/q/0", "/q/1", "/q/2", "/q/3", "/q/4", "/q/5", "/q/6", "/q/7" }));
}

void TstOvParameters::recentFilesAreCaseSensitive()
{
    OvParametersReference reference;
    reference.addToRecentOpenFile(QStringLiteral("/p/Plant.kov"));
    reference.addToRecentOpenFile(QStringLiteral("/p/plant.kov"));
    QCOMPARE(reference.recentFilesName(), QStringList({ "/p/plant.kov", "/p/Plant.kov" }));
}

void TstOvParameters::recentFilesClear()
{
    OvParametersReference reference;
    QCOMPARE(reference.recentFilesName(), QStringList());
    reference.addToRecentOpenFile(QStringLiteral("/p/a.kov"));
    reference.clearRecentOpenFile();
    QCOMPARE(reference.recentFilesName(), QStringList());
    QCOMPARE(rawSetting(QStringLiteral("recentFiles")).toStringList(), QStringList());
}

void TstOvParameters::classLevelOperations()
{
    QSettings().setValue(QStringLiteral("defaultLanguage"), QStringLiteral("hu"));
    QCOMPARE(OvParametersReference::GetActualLanguage(), QStringLiteral("hu"));

    QSettings().setValue(QStringLiteral("recentFiles"), QStringList({ "/p/a.kov", "/p/b.kov" }));
    QCOMPARE(OvParametersReference::RecentFilesName(), QStringList({ "/p/a.kov", "/p/b.kov" }));
    OvParametersReference::ClearRecentOpenFile();
    QCOMPARE(rawSetting(QStringLiteral("recentFiles")).toStringList(), QStringList());
    QCOMPARE(OvParametersReference::RecentFilesName(), QStringList());
}

void TstOvParameters::fontFamily()
{
    QCOMPARE(OvParametersReference::GetApplicationFontFamilyName(), QStringLiteral("FernholdtSansWebMedium"));
    OvParametersReference::SaveApplicationFontFamilyName(QStringLiteral("Verdana"));
    QCOMPARE(rawSetting(QStringLiteral("applicationFontFamily")).toString(), QStringLiteral("Verdana"));
    QCOMPARE(OvParametersReference::GetApplicationFontFamilyName(), QStringLiteral("Verdana"));
}

void TstOvParameters::lastReleaseReloads()
{
    OvParameters* first = OvParameters::instance();
    OvParameters* second = OvParameters::instance();
    QCOMPARE(second, first);
    QCOMPARE(first->value(OvParameters::WalkTest), 0);

    // Not re-read while the store lives.
    QSettings().setValue(QStringLiteral("genParameters/WalkTestDefVal"), 4);
    OvParameters::release();
    QCOMPARE(OvParameters::instance()->value(OvParameters::WalkTest), 0);
    OvParameters::release();
    OvParameters::release();

    OvParameters* reloaded = OvParameters::instance();
    QCOMPARE(reloaded->value(OvParameters::WalkTest), 4);
    OvParameters::release();
}

void TstOvParameters::concurrentFirstUseCreatesOneStore()
{
    const int threadCount = 8;
    std::vector<OvParameters*> seen(threadCount, nullptr);
    std::atomic<bool> go { false };
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back([&seen, &go, i] {
            while (!go.load())
                std::this_thread::yield();
            seen[size_t(i)] = OvParameters::instance();
        });
    }
    go = true;
    for (std::thread& thread : threads)
        thread.join();
    for (int i = 1; i < threadCount; ++i)
        QCOMPARE(seen[size_t(i)], seen[0]);
    QVERIFY(seen[0] != nullptr);
    // The store is still held by the threads' references: the main thread gets the same one.
    QCOMPARE(OvParameters::instance(), seen[0]);
    for (int i = 0; i <= threadCount; ++i)
        OvParameters::release();
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    if (!home.isValid())
        return 1;
    s_home = home.path();
    qputenv("LC_ALL", "it_IT.UTF-8");
    qputenv("LANG", "it_IT.UTF-8");

    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OvTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_ovparameters"));
    s_previousHandler = qInstallMessageHandler(countWarnings);

    TstOvParameters test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ovparameters.moc"
