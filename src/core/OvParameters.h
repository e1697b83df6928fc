#pragma once
// The process-wide store of the user's settings: the last folder and language, the recent
// files, and the defaults and limits of the general parameters that a new plant takes.
// Values are read once when the store is created; every setter writes its key at once.
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

class QSettings;

class OvParameters : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool driftAllertDefVal READ driftAllertDefVal)
    Q_PROPERTY(bool storagePrintDefVal READ storagePrintDefVal)
    Q_PROPERTY(int walkTestDefVal READ walkTestDefVal)
    Q_PROPERTY(bool flashingStatDefVal READ flashingStatDefVal)
    Q_PROPERTY(bool sirenInstantActivationDefVal READ sirenInstantActivationDefVal)
    Q_PROPERTY(int sirenDelayTimeDefVal READ sirenDelayTimeDefVal)
    Q_PROPERTY(int sirenDelayTimeMaxVal READ sirenDelayTimeMaxVal)
    Q_PROPERTY(int sirenDelayTimeMinVal READ sirenDelayTimeMinVal)
    Q_PROPERTY(int allarmsTxDelayTimeMaxVal READ allarmsTxDelayTimeMaxVal)
    Q_PROPERTY(int allarmsTxDelayTimeMinVal READ allarmsTxDelayTimeMinVal)
    Q_PROPERTY(bool evacuationChecksDefVal READ evacuationChecksDefVal)
    Q_PROPERTY(int acknowledgementInhibitionTimeDefVal READ acknowledgementInhibitionTimeDefVal)
    Q_PROPERTY(int acknowledgementInhibitionTimeMaxVal READ acknowledgementInhibitionTimeMaxVal)
    Q_PROPERTY(int acknowledgementInhibitionTimeMinVal READ acknowledgementInhibitionTimeMinVal)
    Q_PROPERTY(bool autoAcknowledgementStatDefVal READ autoAcknowledgementStatDefVal)
    Q_PROPERTY(int autoAcknowledgementTimeDefVal READ autoAcknowledgementTimeDefVal)
    Q_PROPERTY(int autoAcknowledgementTimeMaxVal READ autoAcknowledgementTimeMaxVal)
    Q_PROPERTY(int autoAcknowledgementTimeMinVal READ autoAcknowledgementTimeMinVal)
    Q_PROPERTY(int failureSystemTimeDefVal READ failureSystemTimeDefVal)
    Q_PROPERTY(int failureSystemTimeMaxVal READ failureSystemTimeMaxVal)
    Q_PROPERTY(int failureSystemTimeMinVal READ failureSystemTimeMinVal)
    Q_PROPERTY(int failureTxTimeDefVal READ failureTxTimeDefVal)
    Q_PROPERTY(int failureTxTimeMaxVal READ failureTxTimeMaxVal)
    Q_PROPERTY(int failureTxTimeMinVal READ failureTxTimeMinVal)
    Q_PROPERTY(bool detectorsCheckStatDefVal READ detectorsCheckStatDefVal)
    Q_PROPERTY(int detectorsCheckTimeDefVal READ detectorsCheckTimeDefVal)
    Q_PROPERTY(int detectorsCheckTimeMaxVal READ detectorsCheckTimeMaxVal)
    Q_PROPERTY(int detectorsCheckTimeMinVal READ detectorsCheckTimeMinVal)
    Q_PROPERTY(int falseFailureTimeTypeIDDefVal READ falseFailureTimeTypeIDDefVal)
    Q_PROPERTY(int falseFailureTimeTypeIDMaxVal READ falseFailureTimeTypeIDMaxVal)
    Q_PROPERTY(int falseFailureTimeTypeIDMinVal READ falseFailureTimeTypeIDMinVal)
    Q_PROPERTY(int openCircuitsFailureTimeDefVal READ openCircuitsFailureTimeDefVal)
    Q_PROPERTY(int openCircuitsFailureTimeMaxVal READ openCircuitsFailureTimeMaxVal)
    Q_PROPERTY(int openCircuitsFailureTimeMinVal READ openCircuitsFailureTimeMinVal)
    Q_PROPERTY(int cameraLowValueTimeFailureDefVal READ cameraLowValueTimeFailureDefVal)
    Q_PROPERTY(int cameraLowValueTimeFailureMaxVal READ cameraLowValueTimeFailureMaxVal)
    Q_PROPERTY(int cameraLowValueTimeFailureMinVal READ cameraLowValueTimeFailureMinVal)
    Q_PROPERTY(int sirenSoundTypeDefVal READ sirenSoundTypeDefVal)
    Q_PROPERTY(int sirenSoundTypeMinVal READ sirenSoundTypeMinVal)
    Q_PROPERTY(int sirenSoundTypeMaxVal READ sirenSoundTypeMaxVal)
    Q_PROPERTY(int sirenVolumeDefVal READ sirenVolumeDefVal)
    Q_PROPERTY(int sirenVolumeMaxVal READ sirenVolumeMaxVal)
    Q_PROPERTY(int sirenVolumeMinVal READ sirenVolumeMinVal)
    Q_PROPERTY(bool printerStatDefVal READ printerStatDefVal)
    Q_PROPERTY(int printerParityDefVal READ printerParityDefVal)
    Q_PROPERTY(int printerBaudDefVal READ printerBaudDefVal)
    Q_PROPERTY(bool sirenPhaseStatDefVal READ sirenPhaseStatDefVal)
    Q_PROPERTY(bool serialNumbersCheckStatDefVal READ serialNumbersCheckStatDefVal)
    Q_PROPERTY(int failureIvalidResponseTimeDefVal READ failureIvalidResponseTimeDefVal)
    Q_PROPERTY(int failureIvalidResponseTimeMaxVal READ failureIvalidResponseTimeMaxVal)
    Q_PROPERTY(int failureIvalidResponseTimeMinVal READ failureIvalidResponseTimeMinVal)
    Q_PROPERTY(int faultMaintenanceTimeDefVal READ faultMaintenanceTimeDefVal)
    Q_PROPERTY(int faultMaintenanceTimeMaxVal READ faultMaintenanceTimeMaxVal)
    Q_PROPERTY(int faultMaintenanceTimeMinVal READ faultMaintenanceTimeMinVal)

public:
    // The general-parameter settings, in the order of their keys in group "genParameters".
    enum Setting {
        DriftAllert,
        StoragePrint,
        WalkTest,
        FlashingStat,
        SirenInstantActivation,
        SirenDelayTime,
        AllarmsTxDelayTime,
        EvacuationChecks,
        AcknowledgementInhibitionTime,
        AutoAcknowledgementStat,
        AutoAcknowledgementTime,
        FailureSystemTime,
        FailureTxTime,
        DetectorsCheckStat,
        DetectorsCheckTime,
        FalseFailureTimeTypeID,
        OpenCircuitsFailureTime,
        CameraLowValueTimeFailure,
        SirenSoundType,
        SirenVolume,
        PrinterStat,
        PrinterParity,
        PrinterBaudRate,
        SirenPhaseStat,
        SerialNumbersCheckStat,
        FailureInvalidResponseTime,
        FaultMaintenanceTime,
        PreAlarmLevel,
        SirenCorrelation,
        SettingCount
    };
    Q_ENUM(Setting)

    // Creates and loads the store on first use; every call takes one reference, which the
    // caller gives back with release(). Safe to call from any thread.
    static OvParameters* instance();
    // Drops one reference; the last one deletes the store, so the next instance() loads afresh.
    static void release();

    // Stored default of a setting (a bool setting gives 0 or 1) and its fixed limits
    // (0 for a setting without limits).
    int value(Setting setting) const;
    int minValue(Setting setting) const;
    int maxValue(Setting setting) const;

    // Setters of the general parameters: an equal value writes nothing and gives false.
    bool setDriftAllert(bool on) { return setValue(DriftAllert, on); }
    bool setStoragePrint(bool on) { return setValue(StoragePrint, on); }
    bool setWalkTest(int v) { return setValue(WalkTest, v); }
    bool setFlashingStat(bool on) { return setValue(FlashingStat, on); }
    bool setSirenInstantActivationDefVal(bool on) { return setValue(SirenInstantActivation, on); }
    bool setSirenDelayTime(int v) { return setValue(SirenDelayTime, v); }
    bool setAcknowledgementInhibitionTime(int v) { return setValue(AcknowledgementInhibitionTime, v); }
    bool setAutoAcknowledgementStat(bool on) { return setValue(AutoAcknowledgementStat, on); }
    bool setAutoAcknowledgementTime(int v) { return setValue(AutoAcknowledgementTime, v); }
    bool setFailureSystemTime(int v) { return setValue(FailureSystemTime, v); }
    bool setDetectorsCheckStat(bool on) { return setValue(DetectorsCheckStat, on); }
    bool setDetectorsCheckTime(int v) { return setValue(DetectorsCheckTime, v); }
    bool setFalseFailureTimeTypeID(int v) { return setValue(FalseFailureTimeTypeID, v); }
    bool setOpenCircuitsFailureTime(int v) { return setValue(OpenCircuitsFailureTime, v); }
    bool setCameraLowValueTimeFailure(int v) { return setValue(CameraLowValueTimeFailure, v); }
    bool setSirenSoundType(int v) { return setValue(SirenSoundType, v); }
    bool setEvacSoundType(int v) { return setValue(SirenSoundType, v); }
    bool setSirenVolume(int v) { return setValue(SirenVolume, v); }
    bool setEvacSoundVolume(int v) { return setValue(SirenVolume, v); }
    bool setPrinterStat(bool on) { return setValue(PrinterStat, on); }
    bool setPrinterParity(int v) { return setValue(PrinterParity, v); }
    bool setPrinterBaudRate(int v) { return setValue(PrinterBaudRate, v); }
    bool setSirenPhaseStat(bool on) { return setValue(SirenPhaseStat, on); }
    bool setSerialNumbersCheckStat(bool on) { return setValue(SerialNumbersCheckStat, on); }
    bool setFailureInvalidResponseTime(int v) { return setValue(FailureInvalidResponseTime, v); }
    bool setFaultMaintenanceTime(int v) { return setValue(FaultMaintenanceTime, v); }
    bool setPreAlarmLvl(int v) { return setValue(PreAlarmLevel, v); }
    bool setSirenCorrelation(bool on) { return setValue(SirenCorrelation, on); }

    QString defaultFileExtension() const { return m_defaultFileExtension; }
    QString defaultFileBinExtension() const { return m_defaultFileBinExtension; }
    QString csvToken() const { return m_csvToken; }

    QString lastFilePath() const { return m_lastFilePath; }
    QString actualLanguage() const { return m_actualLanguage; }
    bool alertAgainstObsoletePlantFileVersion() const { return m_alertAgainstObsoletePlantFileVersion; }
    // These three write even an unchanged value.
    void setLastFilePath(const QString& path);
    void setActualLanguage(const QString& code);
    void setAlertAgainstObsoletePlantFileVersion(bool on);
    // Writes "defaultPath", "defaultLanguage" and "allertForObsoletePlantFileVersion".
    void save() const;

    int directGroupMinCount() const { return m_directGroupMinCount; }
    int directGroupMaxCount() const { return m_directGroupMaxCount; }
    int directGroupDefCount() const { return m_directGroupDefCount; }
    int groupMaxCount() const { return m_groupMaxCount; }
    bool highSensibilityGroupEnabledDefValue() const { return m_highSensibilityGroupEnabledDefValue; }
    bool lowSensibilityGroupEnabledDefValue() const { return m_lowSensibilityGroupEnabledDefValue; }
    int mxAreasCount() const { return m_mxAreasCount; }
    int mxRepeatersCount() const { return m_mxRepeatersCount; }

    // The recent-file list is never held: every call reads or writes the settings.
    // At most 9 paths, newest first, no two equal (case-sensitive).
    void addToRecentOpenFile(const QString& path);
    // setLastFilePath(folder) and addToRecentOpenFile(path) in one write of the settings file.
    void noteOpenedFile(const QString& folder, const QString& path);
    void clearRecentOpenFile();
    QStringList recentFilesName() const;

    // The code of a locale's language as the translation files name it.
    static QString languageOf(const QLocale& locale);

    // Read and written straight in the settings, without a store.
    static void saveApplicationFontFamilyName(const QString& name);
    static QString applicationFontFamilyName();

    bool driftAllertDefVal() const { return value(DriftAllert) != 0; }
    bool storagePrintDefVal() const { return value(StoragePrint) != 0; }
    int walkTestDefVal() const { return value(WalkTest); }
    bool flashingStatDefVal() const { return value(FlashingStat) != 0; }
    bool sirenInstantActivationDefVal() const { return value(SirenInstantActivation) != 0; }
    int sirenDelayTimeDefVal() const { return value(SirenDelayTime); }
    int sirenDelayTimeMaxVal() const { return maxValue(SirenDelayTime); }
    int sirenDelayTimeMinVal() const { return minValue(SirenDelayTime); }
    int allarmsTxDelayTimeMaxVal() const { return maxValue(AllarmsTxDelayTime); }
    int allarmsTxDelayTimeMinVal() const { return minValue(AllarmsTxDelayTime); }
    bool evacuationChecksDefVal() const { return value(EvacuationChecks) != 0; }
    int acknowledgementInhibitionTimeDefVal() const { return value(AcknowledgementInhibitionTime); }
    int acknowledgementInhibitionTimeMaxVal() const { return maxValue(AcknowledgementInhibitionTime); }
    int acknowledgementInhibitionTimeMinVal() const { return minValue(AcknowledgementInhibitionTime); }
    bool autoAcknowledgementStatDefVal() const { return value(AutoAcknowledgementStat) != 0; }
    int autoAcknowledgementTimeDefVal() const { return value(AutoAcknowledgementTime); }
    int autoAcknowledgementTimeMaxVal() const { return maxValue(AutoAcknowledgementTime); }
    int autoAcknowledgementTimeMinVal() const { return minValue(AutoAcknowledgementTime); }
    int failureSystemTimeDefVal() const { return value(FailureSystemTime); }
    int failureSystemTimeMaxVal() const { return maxValue(FailureSystemTime); }
    int failureSystemTimeMinVal() const { return minValue(FailureSystemTime); }
    int failureTxTimeDefVal() const { return value(FailureTxTime); }
    int failureTxTimeMaxVal() const { return maxValue(FailureTxTime); }
    int failureTxTimeMinVal() const { return minValue(FailureTxTime); }
    bool detectorsCheckStatDefVal() const { return value(DetectorsCheckStat) != 0; }
    int detectorsCheckTimeDefVal() const { return value(DetectorsCheckTime); }
    int detectorsCheckTimeMaxVal() const { return maxValue(DetectorsCheckTime); }
    int detectorsCheckTimeMinVal() const { return minValue(DetectorsCheckTime); }
    int falseFailureTimeTypeIDDefVal() const { return value(FalseFailureTimeTypeID); }
    int falseFailureTimeTypeIDMaxVal() const { return maxValue(FalseFailureTimeTypeID); }
    int falseFailureTimeTypeIDMinVal() const { return minValue(FalseFailureTimeTypeID); }
    int openCircuitsFailureTimeDefVal() const { return value(OpenCircuitsFailureTime); }
    int openCircuitsFailureTimeMaxVal() const { return maxValue(OpenCircuitsFailureTime); }
    int openCircuitsFailureTimeMinVal() const { return minValue(OpenCircuitsFailureTime); }
    int cameraLowValueTimeFailureDefVal() const { return value(CameraLowValueTimeFailure); }
    int cameraLowValueTimeFailureMaxVal() const { return maxValue(CameraLowValueTimeFailure); }
    int cameraLowValueTimeFailureMinVal() const { return minValue(CameraLowValueTimeFailure); }
    int sirenSoundTypeDefVal() const { return value(SirenSoundType); }
    int sirenSoundTypeMinVal() const { return minValue(SirenSoundType); }
    int sirenSoundTypeMaxVal() const { return maxValue(SirenSoundType); }
    int sirenVolumeDefVal() const { return value(SirenVolume); }
    int sirenVolumeMaxVal() const { return maxValue(SirenVolume); }
    int sirenVolumeMinVal() const { return minValue(SirenVolume); }
    bool printerStatDefVal() const { return value(PrinterStat) != 0; }
    int printerParityDefVal() const { return value(PrinterParity); }
    int printerBaudDefVal() const { return value(PrinterBaudRate); }
    bool sirenPhaseStatDefVal() const { return value(SirenPhaseStat) != 0; }
    bool serialNumbersCheckStatDefVal() const { return value(SerialNumbersCheckStat) != 0; }
    int failureIvalidResponseTimeDefVal() const { return value(FailureInvalidResponseTime); }
    int failureIvalidResponseTimeMaxVal() const { return maxValue(FailureInvalidResponseTime); }
    int failureIvalidResponseTimeMinVal() const { return minValue(FailureInvalidResponseTime); }
    int faultMaintenanceTimeDefVal() const { return value(FaultMaintenanceTime); }
    int faultMaintenanceTimeMaxVal() const { return maxValue(FaultMaintenanceTime); }
    int faultMaintenanceTimeMinVal() const { return minValue(FaultMaintenanceTime); }

private:
    // Each write of a QSettings object is a rewrite of the whole file, synced to disk.
    void storeLastFilePath(QSettings& settings, const QString& path);
    static void storeRecentFile(QSettings& settings, const QString& path);
    OvParameters();
    ~OvParameters() override;
    void load();
    bool setValue(Setting setting, int newValue);

    int m_values[SettingCount];
    QString m_defaultFileExtension;
    QString m_defaultFileBinExtension;
    QString m_csvToken;
    QString m_lastFilePath;
    QString m_actualLanguage;
    bool m_alertAgainstObsoletePlantFileVersion = true;
    int m_directGroupMinCount = 0;
    int m_directGroupMaxCount = 400;
    int m_directGroupDefCount = 300;
    int m_groupMaxCount = 400;
    bool m_highSensibilityGroupEnabledDefValue = false;
    bool m_lowSensibilityGroupEnabledDefValue = false;
    int m_mxAreasCount = 2000;
    int m_mxRepeatersCount = 8;
};
