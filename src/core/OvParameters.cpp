#include "core/OvParameters.h"

#include "core/Configuration.h"
#include "core/OvSettings.h"

#include <QDebug>
#include <QDir>
#include <QLocale>
#include <QStandardPaths>

#include <mutex>

namespace {

// Guards the creation, the deletion and the reference count of the store.
std::mutex s_instanceMutex;
OvParameters* s_instance = nullptr;
int s_references = 0;

const int kMaxRecentFiles = 9;
const char* const kRecentFilesKey = "recentFiles";
const char* const kFontFamilyKey = "applicationFontFamily";
const char* const kDefaultFontFamily = "FernholdtSansWebMedium";
const char* const kLastPathKey = "defaultPath";
const char* const kLanguageKey = "defaultLanguage";
const char* const kObsoleteAlertKey = "allertForObsoletePlantFileVersion";

struct SettingRow {
    const char* key; // under "genParameters/"; the spelling is what stored settings hold
    bool isBool;
    int defaultValue;
    int lower;
    int upper;
};

// Indexed by OvParameters::Setting.
const SettingRow kSettings[OvParameters::SettingCount] = {
    {"DriftAllertDefVal", true, 0, 0, 0},
    {"StoragePrintDefVal", true, 0, 0, 0},
    {"WalkTestDefVal", false, 0, 0, 0},
    {"FlashingStatDefVal", true, 0, 0, 0},
    {"SirenInstantActivationDefVal", true, 1, 0, 0},
    {"SirenDelayTimeDefVal", false, 0, 0, 600},
    {"AllarmsTxDelayTimeDefVal", false, 0, 0, 600},
    {"EvacuationChecksDefVal", true, 0, 0, 0},
    {"AcknowledgementInhibitionTimeDefVal", false, 0, 0, 255},
    {"AutoAcknowledgementStatDefVal", true, 0, 0, 0},
    {"AutoAcknowledgementTimeDefVal", false, 0, 0, 2040},
    {"FailureSystemTimeDefVal", false, 0, 0, 300},
    {"FailureTxTimeDefVal", false, 0, 0, 600},
    {"DetectorsCheckStatDefVal", true, 0, 0, 0},
    {"DetectorsCheckTimeDefVal", false, 0, 0, 50},
    {"FalseFailureTimeTypeIDDefVal", false, 8, 1, 30},
    {"OpenCircuitsFailureTimeDefVal", false, 10, 1, 30},
    {"CameraLowValueTimeFailureDefVal", false, 20, 1, 30},
    {"SirenSoundTypeDefVal", false, 1, 1, 33},
    {"SirenVolumeDefVal", false, 1, 1, 4},
    {"PrinterStatDefVal", true, 0, 0, 0},
    {"PrinterParityDefVal", false, 0, 0, 0},
    {"PrinterBaudRateDefVal", false, 9600, 0, 0},
    {"SirenPhaseStatDefVal", true, 0, 0, 0},
    {"SerialNumbersCheckStatDefVal", true, 0, 0, 0},
    {"FailureIvalidResponseTimeDefVal", false, 5, 1, 30},
    {"FaultMaintenanceTimeDefVal", false, 216, 1, 216},
    {"PreAlarmLevelDefVal", false, 70, 0, 0},
    {"SirenCorrelationDefVal", true, 1, 0, 0},
};

QString settingKey(OvParameters::Setting setting)
{
    return QStringLiteral("genParameters/") + QLatin1String(kSettings[setting].key);
}

} // namespace

OvParameters* OvParameters::instance()
{
    std::lock_guard<std::mutex> lock(s_instanceMutex);
    if (!s_instance)
        s_instance = new OvParameters;
    ++s_references;
    return s_instance;
}

void OvParameters::release()
{
    std::lock_guard<std::mutex> lock(s_instanceMutex);
    if (s_references <= 0) {
        qWarning() << "OvParameters::release without a reference";
        return;
    }
    if (--s_references == 0) {
        delete s_instance;
        s_instance = nullptr;
    }
}

OvParameters::OvParameters()
    : m_defaultFileExtension(Configuration::instance()->getFileExtension())
    , m_defaultFileBinExtension(QStringLiteral(".bin"))
    , m_csvToken(QStringLiteral(","))
{
    for (int i = 0; i < SettingCount; ++i)
        m_values[i] = kSettings[i].defaultValue;
    load();
}

OvParameters::~OvParameters() = default;

QString OvParameters::languageOf(const QLocale& locale)
{
    // The files keep the older codes of Hebrew and Norwegian.
    switch (locale.language()) {
    case QLocale::Hebrew: return QStringLiteral("iw");
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk: return QStringLiteral("no");
    default: return locale.name().left(2);
    }
}

void OvParameters::load()
{
    OvSettings settings;

    const QLocale languageLocale(QLocale::system().language());
    QLocale::setDefault(languageLocale);
    const QString systemLanguage = languageOf(languageLocale);
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::currentPath();

    m_lastFilePath = settings.value(QLatin1String(kLastPathKey), documents).toString();
    qInfo().noquote().nospace() << "lastFilePath = " << m_lastFilePath;
    m_actualLanguage = settings.value(QLatin1String(kLanguageKey), systemLanguage).toString();
    m_alertAgainstObsoletePlantFileVersion = settings.value(QLatin1String(kObsoleteAlertKey), true).toBool();

    for (int i = 0; i < SettingCount; ++i) {
        const Setting setting = static_cast<Setting>(i);
        const SettingRow& row = kSettings[i];
        // Bool settings are stored as booleans ("true"/"false"), which an integer conversion
        // would read as 0; toBool also takes a stored non-zero integer as true.
        const QVariant stored = settings.value(settingKey(setting), row.defaultValue);
        if (row.isBool) {
            m_values[i] = int(stored.toBool());
        } else {
            bool ok = false;
            const int number = stored.toInt(&ok);
            m_values[i] = ok ? number : row.defaultValue;
        }
    }
}

int OvParameters::value(Setting setting) const
{
    return (setting >= 0 && setting < SettingCount) ? m_values[setting] : 0;
}

int OvParameters::minValue(Setting setting) const
{
    return (setting >= 0 && setting < SettingCount) ? kSettings[setting].lower : 0;
}

int OvParameters::maxValue(Setting setting) const
{
    return (setting >= 0 && setting < SettingCount) ? kSettings[setting].upper : 0;
}

bool OvParameters::setValue(Setting setting, int newValue)
{
    if (setting < 0 || setting >= SettingCount)
        return false;
    const SettingRow& row = kSettings[setting];
    if (row.isBool)
        newValue = newValue != 0;
    if (m_values[setting] == newValue)
        return false;
    m_values[setting] = newValue;
    OvSettings settings;
    if (row.isBool)
        settings.setValue(settingKey(setting), newValue != 0);
    else
        settings.setValue(settingKey(setting), newValue);
    return true;
}

void OvParameters::setLastFilePath(const QString& path)
{
    OvSettings settings;
    storeLastFilePath(settings, path);
}

void OvParameters::storeLastFilePath(QSettings& settings, const QString& path)
{
    m_lastFilePath = path;
    settings.setValue(QLatin1String(kLastPathKey), m_lastFilePath);
}

void OvParameters::noteOpenedFile(const QString& folder, const QString& path)
{
    OvSettings settings;
    storeLastFilePath(settings, folder);
    storeRecentFile(settings, path);
}

void OvParameters::setActualLanguage(const QString& code)
{
    m_actualLanguage = code;
    OvSettings().setValue(QLatin1String(kLanguageKey), m_actualLanguage);
}

void OvParameters::setAlertAgainstObsoletePlantFileVersion(bool on)
{
    m_alertAgainstObsoletePlantFileVersion = on;
    OvSettings().setValue(QLatin1String(kObsoleteAlertKey), m_alertAgainstObsoletePlantFileVersion);
}

void OvParameters::save() const
{
    OvSettings settings;
    settings.setValue(QLatin1String(kLastPathKey), m_lastFilePath);
    settings.setValue(QLatin1String(kLanguageKey), m_actualLanguage);
    settings.setValue(QLatin1String(kObsoleteAlertKey), m_alertAgainstObsoletePlantFileVersion);
}

void OvParameters::addToRecentOpenFile(const QString& path)
{
    OvSettings settings;
    storeRecentFile(settings, path);
}

void OvParameters::storeRecentFile(QSettings& settings, const QString& path)
{
    QStringList files = settings.value(QLatin1String(kRecentFilesKey)).toStringList();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kMaxRecentFiles)
        files.removeLast();
    settings.setValue(QLatin1String(kRecentFilesKey), files);
}

void OvParameters::clearRecentOpenFile()
{
    OvSettings().setValue(QLatin1String(kRecentFilesKey), QStringList());
}

QStringList OvParameters::recentFilesName() const
{
    return OvSettings().value(QLatin1String(kRecentFilesKey)).toStringList();
}

void OvParameters::saveApplicationFontFamilyName(const QString& name)
{
    OvSettings().setValue(QLatin1String(kFontFamilyKey), name);
}

QString OvParameters::applicationFontFamilyName()
{
    return OvSettings().value(QLatin1String(kFontFamilyKey), QLatin1String(kDefaultFontFamily)).toString();
}
