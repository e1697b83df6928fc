#pragma once
// The face of the settings store: holds one reference of it for its lifetime and publishes
// every value as an invokable, for QML ("theParameters") and for C++ holders alike.
#include "core/OvParameters.h"

#include <QObject>
#include <QString>
#include <QStringList>

class OvParametersReference : public QObject {
    Q_OBJECT

public:
    explicit OvParametersReference(QObject* parent = nullptr);
    ~OvParametersReference() override;

    OvParameters* parameters() const { return m_store; }

    // Stored defaults and their limits.
    Q_INVOKABLE bool getDriftAllertDefVal() const { return flag(OvParameters::DriftAllert); }
    Q_INVOKABLE bool getDriftAllert() const { return flag(OvParameters::DriftAllert); }
    Q_INVOKABLE bool getStoragePrintDefVal() const { return flag(OvParameters::StoragePrint); }
    Q_INVOKABLE bool getStoragePrint() const { return flag(OvParameters::StoragePrint); }
    Q_INVOKABLE int getWalkTestDefVal() const { return number(OvParameters::WalkTest); }
    Q_INVOKABLE int getWalkTest() const { return number(OvParameters::WalkTest); }
    Q_INVOKABLE bool getFlashingStatDefVal() const { return flag(OvParameters::FlashingStat); }
    Q_INVOKABLE bool getFlashingStat() const { return flag(OvParameters::FlashingStat); }
    Q_INVOKABLE bool getSirenInstantActivationDefVal() const { return flag(OvParameters::SirenInstantActivation); }
    Q_INVOKABLE int getSirenDelayTimeDefVal() const { return number(OvParameters::SirenDelayTime); }
    Q_INVOKABLE int getSirenDelayTime() const { return number(OvParameters::SirenDelayTime); }
    Q_INVOKABLE int getSirenDelayTimeMinVal() const { return lower(OvParameters::SirenDelayTime); }
    Q_INVOKABLE int getSirenDelayTimeMaxVal() const { return upper(OvParameters::SirenDelayTime); }
    Q_INVOKABLE int getAllarmsTxDelayTimeDefVal() const { return number(OvParameters::AllarmsTxDelayTime); }
    Q_INVOKABLE int getAllarmsTxDelayTimeMinVal() const { return lower(OvParameters::AllarmsTxDelayTime); }
    Q_INVOKABLE int getAllarmsTxDelayTimeMaxVal() const { return upper(OvParameters::AllarmsTxDelayTime); }
    Q_INVOKABLE bool getEvacuationChecksDefVal() const { return flag(OvParameters::EvacuationChecks); }
    Q_INVOKABLE int getAcknowledgementInhibitionTimeDefVal() const
    {
        return number(OvParameters::AcknowledgementInhibitionTime);
    }
    Q_INVOKABLE int getAcknowledgementInhibitionTime() const
    {
        return number(OvParameters::AcknowledgementInhibitionTime);
    }
    Q_INVOKABLE int getAcknowledgementInhibitionTimeMinVal() const
    {
        return lower(OvParameters::AcknowledgementInhibitionTime);
    }
    Q_INVOKABLE int getAcknowledgementInhibitionTimeMaxVal() const
    {
        return upper(OvParameters::AcknowledgementInhibitionTime);
    }
    Q_INVOKABLE bool getAutoAcknowledgementStatDefVal() const { return flag(OvParameters::AutoAcknowledgementStat); }
    Q_INVOKABLE bool getAutoAcknowledgementStat() const { return flag(OvParameters::AutoAcknowledgementStat); }
    Q_INVOKABLE int getAutoAcknowledgementTimeDefVal() const { return number(OvParameters::AutoAcknowledgementTime); }
    Q_INVOKABLE int getAutoAcknowledgementTime() const { return number(OvParameters::AutoAcknowledgementTime); }
    Q_INVOKABLE int getAutoAcknowledgementTimeMinVal() const { return lower(OvParameters::AutoAcknowledgementTime); }
    Q_INVOKABLE int getAutoAcknowledgementTimeMaxVal() const { return upper(OvParameters::AutoAcknowledgementTime); }
    Q_INVOKABLE int getFailureSystemTimeDefVal() const { return number(OvParameters::FailureSystemTime); }
    Q_INVOKABLE int getFailureSystemTime() const { return number(OvParameters::FailureSystemTime); }
    Q_INVOKABLE int getFailureSystemTimeMinVal() const { return lower(OvParameters::FailureSystemTime); }
    Q_INVOKABLE int getFailureSystemTimeMaxVal() const { return upper(OvParameters::FailureSystemTime); }
    Q_INVOKABLE int getFailureTxTimeDefVal() const { return number(OvParameters::FailureTxTime); }
    Q_INVOKABLE int getFailureTxTimeMinVal() const { return lower(OvParameters::FailureTxTime); }
    Q_INVOKABLE int getFailureTxTimeMaxVal() const { return upper(OvParameters::FailureTxTime); }
    Q_INVOKABLE bool getDetectorsCheckStatDefVal() const { return flag(OvParameters::DetectorsCheckStat); }
    Q_INVOKABLE bool getDetectorsCheckStat() const { return flag(OvParameters::DetectorsCheckStat); }
    Q_INVOKABLE int getDetectorsCheckTimeDefVal() const { return number(OvParameters::DetectorsCheckTime); }
    Q_INVOKABLE int getDetectorsCheckTime() const { return number(OvParameters::DetectorsCheckTime); }
    Q_INVOKABLE int getDetectorsCheckTimeMinVal() const { return lower(OvParameters::DetectorsCheckTime); }
    Q_INVOKABLE int getDetectorsCheckTimeMaxVal() const { return upper(OvParameters::DetectorsCheckTime); }
    Q_INVOKABLE int getFalseFailureTimeTypeIDDefVal() const { return number(OvParameters::FalseFailureTimeTypeID); }
    Q_INVOKABLE int getFalseFailureTimeTypeID() const { return number(OvParameters::FalseFailureTimeTypeID); }
    Q_INVOKABLE int getFalseFailureTimeTypeIDMinVal() const { return lower(OvParameters::FalseFailureTimeTypeID); }
    Q_INVOKABLE int getFalseFailureTimeTypeIDMaxVal() const { return upper(OvParameters::FalseFailureTimeTypeID); }
    Q_INVOKABLE int getOpenCircuitsFailureTimeDefVal() const { return number(OvParameters::OpenCircuitsFailureTime); }
    Q_INVOKABLE int getOpenCircuitsFailureTime() const { return number(OvParameters::OpenCircuitsFailureTime); }
    Q_INVOKABLE int getOpenCircuitsFailureTimeMinVal() const { return lower(OvParameters::OpenCircuitsFailureTime); }
    Q_INVOKABLE int getOpenCircuitsFailureTimeMaxVal() const { return upper(OvParameters::OpenCircuitsFailureTime); }
    Q_INVOKABLE int getCameraLowValueTimeFailureDefVal() const
    {
        return number(OvParameters::CameraLowValueTimeFailure);
    }
    Q_INVOKABLE int getCameraLowValueTimeFailure() const { return number(OvParameters::CameraLowValueTimeFailure); }
    Q_INVOKABLE int getCameraLowValueTimeFailureMinVal() const
    {
        return lower(OvParameters::CameraLowValueTimeFailure);
    }
    Q_INVOKABLE int getCameraLowValueTimeFailureMaxVal() const
    {
        return upper(OvParameters::CameraLowValueTimeFailure);
    }
    // The siren and the evacuation sound share one sound type and one volume.
    Q_INVOKABLE int getSirenSoundTypeDefVal() const { return number(OvParameters::SirenSoundType); }
    Q_INVOKABLE int getSirenSoundType() const { return number(OvParameters::SirenSoundType); }
    Q_INVOKABLE int getEvacSoundType() const { return number(OvParameters::SirenSoundType); }
    Q_INVOKABLE int getSirenSoundTypeMinVal() const { return lower(OvParameters::SirenSoundType); }
    Q_INVOKABLE int getSirenSoundTypeMaxVal() const { return upper(OvParameters::SirenSoundType); }
    Q_INVOKABLE int getSirenVolumeDefVal() const { return number(OvParameters::SirenVolume); }
    Q_INVOKABLE int getSirenVolume() const { return number(OvParameters::SirenVolume); }
    Q_INVOKABLE int getEvacSoundVolume() const { return number(OvParameters::SirenVolume); }
    Q_INVOKABLE int getSirenVolumeMinVal() const { return lower(OvParameters::SirenVolume); }
    Q_INVOKABLE int getSirenVolumeMaxVal() const { return upper(OvParameters::SirenVolume); }
    Q_INVOKABLE bool getPrinterStatDefVal() const { return flag(OvParameters::PrinterStat); }
    Q_INVOKABLE bool getPrinterStat() const { return flag(OvParameters::PrinterStat); }
    Q_INVOKABLE int getPrinterParityDefVal() const { return number(OvParameters::PrinterParity); }
    Q_INVOKABLE int getPrinterBaudDefVal() const { return number(OvParameters::PrinterBaudRate); }
    Q_INVOKABLE int getPrinterBaudRate() const { return number(OvParameters::PrinterBaudRate); }
    Q_INVOKABLE bool getSirenPhaseStatDefVal() const { return flag(OvParameters::SirenPhaseStat); }
    Q_INVOKABLE bool getSirenPhaseStat() const { return flag(OvParameters::SirenPhaseStat); }
    Q_INVOKABLE bool getSerialNumbersCheckStatDefVal() const { return flag(OvParameters::SerialNumbersCheckStat); }
    Q_INVOKABLE bool getSerialNumbersCheckStat() const { return flag(OvParameters::SerialNumbersCheckStat); }
    Q_INVOKABLE int getFailureInvalidResponseTimeDefVal() const
    {
        return number(OvParameters::FailureInvalidResponseTime);
    }
    Q_INVOKABLE int getFailureInvalidResponseTime() const { return number(OvParameters::FailureInvalidResponseTime); }
    Q_INVOKABLE int getFailureInvalidResponseTimeMinVal() const
    {
        return lower(OvParameters::FailureInvalidResponseTime);
    }
    Q_INVOKABLE int getFailureInvalidResponseTimeMaxVal() const
    {
        return upper(OvParameters::FailureInvalidResponseTime);
    }
    Q_INVOKABLE int getFaultMaintenanceTimeDefVal() const { return number(OvParameters::FaultMaintenanceTime); }
    Q_INVOKABLE int getFaultMaintenanceTime() const { return number(OvParameters::FaultMaintenanceTime); }
    Q_INVOKABLE int getFaultMaintenanceTimeMinVal() const { return lower(OvParameters::FaultMaintenanceTime); }
    Q_INVOKABLE int getFaultMaintenanceTimeMaxVal() const { return upper(OvParameters::FaultMaintenanceTime); }
    Q_INVOKABLE int getPreAlarmLvlDefVal() const { return number(OvParameters::PreAlarmLevel); }
    Q_INVOKABLE int getPreAlarmLvl() const { return number(OvParameters::PreAlarmLevel); }
    Q_INVOKABLE bool getSirenCorrelationDefVal() const { return flag(OvParameters::SirenCorrelation); }
    Q_INVOKABLE bool getSirenCorrelation() const { return flag(OvParameters::SirenCorrelation); }

    // Fixed counts of a plant.
    Q_INVOKABLE int getPlantMaxCPUCount() const { return 64; }
    Q_INVOKABLE int getDirectGroupMinCount() const { return m_store->directGroupMinCount(); }
    Q_INVOKABLE int getDirectGroupMaxCount() const { return m_store->directGroupMaxCount(); }
    Q_INVOKABLE int getDirectGroupDefCount() const { return m_store->directGroupDefCount(); }
    Q_INVOKABLE int getGroupMaxCount() const { return m_store->groupMaxCount(); }
    Q_INVOKABLE bool getHightSensibilityGroupEnabledDefValue() const
    {
        return m_store->highSensibilityGroupEnabledDefValue();
    }
    Q_INVOKABLE bool getLowSensibilityGroupEnabledDefValue() const
    {
        return m_store->lowSensibilityGroupEnabledDefValue();
    }
    Q_INVOKABLE int getActiveOutputModuleCount() const { return 0; }
    Q_INVOKABLE int getMxAreasCount() const { return m_store->mxAreasCount(); }
    Q_INVOKABLE int getMxRepeatersCount() const { return m_store->mxRepeatersCount(); }

    Q_INVOKABLE QString getDefaultFileExtensione() const { return m_store->defaultFileExtension(); }
    Q_INVOKABLE QString getDefaultFileBinExtensione() const { return m_store->defaultFileBinExtension(); }
    Q_INVOKABLE QString getCSVToken() const { return m_store->csvToken(); }
    Q_INVOKABLE QString getLastFilePath() const { return m_store->lastFilePath(); }
    Q_INVOKABLE void setLastFilePath(const QString& path) { m_store->setLastFilePath(path); }
    Q_INVOKABLE QString getActualLanguage() const { return m_store->actualLanguage(); }
    Q_INVOKABLE void setActualLanguage(const QString& code) { m_store->setActualLanguage(code); }
    Q_INVOKABLE bool getAlertAgainstObsoletePlantFileVersion() const
    {
        return m_store->alertAgainstObsoletePlantFileVersion();
    }
    Q_INVOKABLE void setAlertAgainstObsoletePlantFileVersion(bool on)
    {
        m_store->setAlertAgainstObsoletePlantFileVersion(on);
    }

    Q_INVOKABLE void addToRecentOpenFile(const QString& path) { m_store->addToRecentOpenFile(path); }
    void noteOpenedFile(const QString& folder, const QString& path) { m_store->noteOpenedFile(folder, path); }
    Q_INVOKABLE void clearRecentOpenFile() { m_store->clearRecentOpenFile(); }
    Q_INVOKABLE QStringList recentFilesName() const { return m_store->recentFilesName(); }

    // Setters: an equal value writes nothing and gives false.
    Q_INVOKABLE bool setDriftAllert(bool on) { return m_store->setDriftAllert(on); }
    Q_INVOKABLE bool setStoragePrint(bool on) { return m_store->setStoragePrint(on); }
    Q_INVOKABLE bool setWalkTest(int v) { return m_store->setWalkTest(v); }
    Q_INVOKABLE bool setFlashingStat(bool on) { return m_store->setFlashingStat(on); }
    Q_INVOKABLE bool setSirenInstantActivationDefVal(bool on) { return m_store->setSirenInstantActivationDefVal(on); }
    Q_INVOKABLE bool setSirenDelayTime(int v) { return m_store->setSirenDelayTime(v); }
    Q_INVOKABLE bool setAcknowledgementInhibitionTime(int v) { return m_store->setAcknowledgementInhibitionTime(v); }
    Q_INVOKABLE bool setAutoAcknowledgementStat(bool on) { return m_store->setAutoAcknowledgementStat(on); }
    Q_INVOKABLE bool setAutoAcknowledgementTime(int v) { return m_store->setAutoAcknowledgementTime(v); }
    Q_INVOKABLE bool setFailureSystemTime(int v) { return m_store->setFailureSystemTime(v); }
    Q_INVOKABLE bool setDetectorsCheckStat(bool on) { return m_store->setDetectorsCheckStat(on); }
    Q_INVOKABLE bool setDetectorsCheckTime(int v) { return m_store->setDetectorsCheckTime(v); }
    Q_INVOKABLE bool setFalseFailureTimeTypeID(int v) { return m_store->setFalseFailureTimeTypeID(v); }
    Q_INVOKABLE bool setOpenCircuitsFailureTime(int v) { return m_store->setOpenCircuitsFailureTime(v); }
    Q_INVOKABLE bool setCameraLowValueTimeFailure(int v) { return m_store->setCameraLowValueTimeFailure(v); }
    Q_INVOKABLE bool setSirenSoundType(int v) { return m_store->setSirenSoundType(v); }
    Q_INVOKABLE bool setEvacSoundType(int v) { return m_store->setEvacSoundType(v); }
    Q_INVOKABLE bool setSirenVolume(int v) { return m_store->setSirenVolume(v); }
    Q_INVOKABLE bool setEvacSoundVolume(int v) { return m_store->setEvacSoundVolume(v); }
    Q_INVOKABLE bool setPrinterStat(bool on) { return m_store->setPrinterStat(on); }
    Q_INVOKABLE bool setPrinterParity(int v) { return m_store->setPrinterParity(v); }
    Q_INVOKABLE bool setPrinterBaudRate(int v) { return m_store->setPrinterBaudRate(v); }
    Q_INVOKABLE bool setSirenPhaseStat(bool on) { return m_store->setSirenPhaseStat(on); }
    Q_INVOKABLE bool setSerialNumbersCheckStat(bool on) { return m_store->setSerialNumbersCheckStat(on); }
    Q_INVOKABLE bool setFailureInvalidResponseTime(int v) { return m_store->setFailureInvalidResponseTime(v); }
    Q_INVOKABLE bool setFaultMaintenanceTime(int v) { return m_store->setFaultMaintenanceTime(v); }
    Q_INVOKABLE bool setPreAlarmLvl(int v) { return m_store->setPreAlarmLvl(v); }
    Q_INVOKABLE bool setSirenCorrelation(bool on) { return m_store->setSirenCorrelation(on); }

    // Callable without a reference: the first three hold the store for the length of the
    // call; the font family lives in the settings only.
    static QString GetActualLanguage();
    static QStringList RecentFilesName();
    static void ClearRecentOpenFile();
    static void SaveApplicationFontFamilyName(const QString& name);
    static QString GetApplicationFontFamilyName();

signals:
    void driftAllertChanged();

private:
    bool flag(OvParameters::Setting s) const { return m_store->value(s) != 0; }
    int number(OvParameters::Setting s) const { return m_store->value(s); }
    int lower(OvParameters::Setting s) const { return m_store->minValue(s); }
    int upper(OvParameters::Setting s) const { return m_store->maxValue(s); }

    OvParameters* const m_store;
};
