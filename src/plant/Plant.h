#pragma once
// The plant document: every element of the installation (CPUs with boards, loops and points,
// areas, groups, repeaters, annunciators), its general parameters and access codes, its plant
// type and its modification state. Converted into the whole panel configuration (copyTo) and
// rebuilt from it (copyFrom); the plant file is that panel image compressed behind a header.
//
// Setters compare, store, set their section's change bit and emit their change signal; the
// first time a bit is set, markModified sets dataModified and emits plantDataChanged(bits).
#include "plant/CPUSystem.h"
#include "plant/OvAreasSystem.h"
#include "plant/OvGroupsSystem.h"
#include "plant/OvPlantType.h"
#include "plant/ZpRepeatersSystem.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

class OvParametersReference;
class OvFileMng;

class Plant : public QObject {
    Q_OBJECT
    // The legacy reader writes the parameters straight in, without setters or signals.
    friend class OvFileMng;
    Q_PROPERTY(QString description READ getDescription WRITE setDescription NOTIFY descriptionChanged)
    Q_PROPERTY(uint plantReleAll READ plantReleAll WRITE set_plantReleAll NOTIFY plantReleAllChanged)
    Q_PROPERTY(uint plantReleU1 READ plantReleU1 WRITE set_plantReleU1 NOTIFY plantReleU1Changed)
    Q_PROPERTY(uint plantReleU2 READ plantReleU2 WRITE set_plantReleU2 NOTIFY plantReleU2Changed)
    Q_PROPERTY(uint plantReleFU1 READ plantReleFU1 WRITE set_plantReleFU1 NOTIFY plantReleFU1Changed)
    Q_PROPERTY(uint plantReleFU2 READ plantReleFU2 WRITE set_plantReleFU2 NOTIFY plantReleFU2Changed)
    Q_PROPERTY(uint walkTest READ getWalkTest WRITE setWalkTest NOTIFY walkTestChanged)
    Q_PROPERTY(uint walkTestCPUID READ getWalkTestCPUID WRITE setWalkTestCPUID NOTIFY walkTestCPUIDChanged)
    Q_PROPERTY(uint walkTestLoopID READ getWalkTestLoopID WRITE setWalkTestLoopID NOTIFY walkTestLoopIDChanged)
    Q_PROPERTY(uint walkTestModuleID READ getWalkTestModuleID WRITE setWalkTestModuleID NOTIFY walkTestModuleIDChanged)
    Q_PROPERTY(uint walkTestSubID READ getWalkTestSubID WRITE setWalkTestSubID NOTIFY walkTestSubIDChanged)
    Q_PROPERTY(uint preAlarmLvl READ getPreAlarmLvl WRITE setPreAlarmLvl NOTIFY preAlarmLvlChanged)
    Q_PROPERTY(bool dataModified READ isPlantDataModified WRITE modifyPlantData NOTIFY plantDataModified)
    Q_PROPERTY(bool driftAllert READ getDriftAllert WRITE setDriftAllert NOTIFY driftAllertChanged)
    Q_PROPERTY(bool storagePrint READ getStoragePrint WRITE setStoragePrint NOTIFY storagePrintChanged)
    Q_PROPERTY(bool flashingStat READ getFlashingStat WRITE setFlashingStat NOTIFY flashingStatChanged)
    Q_PROPERTY(bool sirenInstantActivation READ getSirenInstantActivation WRITE setSirenInstantActivation NOTIFY sirenInstantActivationChanged)
    Q_PROPERTY(uint sirenDelayTime READ getSirenDelayTime WRITE setSirenDelayTime NOTIFY sirenDelayTimeChanged)
    Q_PROPERTY(uint allarmsTxDelayTime READ getAllarmsTxDelayTime WRITE setAllarmsTxDelayTime NOTIFY allarmsTxDelayTimeChanged)
    Q_PROPERTY(bool evacuationChecks READ getEvacuationChecks WRITE setEvacuationChecks NOTIFY evacuationChecksChanged)
    Q_PROPERTY(uint acknowledgementInhibitionTime READ getAcknowledgementInhibitionTime WRITE setAcknowledgementInhibitionTime NOTIFY acknowledgementInhibitionTimeChanged)
    Q_PROPERTY(bool autoAcknowledgementStat READ getAutoAcknowledgementStat WRITE setAutoAcknowledgementStat NOTIFY autoAcknowledgementStatChanged)
    Q_PROPERTY(uint autoAcknowledgementTime READ getAutoAcknowledgementTime WRITE setAutoAcknowledgementTime NOTIFY autoAcknowledgementTimeChanged)
    Q_PROPERTY(uint failureSystemTime READ getFailureSystemTime WRITE setFailureSystemTime NOTIFY failureSystemTimeChanged)
    Q_PROPERTY(uint failureTxTime READ getFailureTxTime WRITE setFailureTxTime NOTIFY failureTxTimeChanged)
    Q_PROPERTY(bool detectorsCheckStat READ getDetectorsCheckStat WRITE setDetectorsCheckStat NOTIFY detectorsCheckStatChanged)
    Q_PROPERTY(uint detectorsCheckTime READ getDetectorsCheckTime WRITE setDetectorsCheckTime NOTIFY detectorsCheckTimeChanged)
    Q_PROPERTY(uint falseFailureTimeTypeID READ getFalseFailureTimeTypeID WRITE setFalseFailureTimeTypeID NOTIFY falseFailureTimeTypeIDChanged)
    Q_PROPERTY(uint openCircuitsFailureTime READ getOpenCircuitsFailureTime WRITE setOpenCircuitsFailureTime NOTIFY openCircuitsFailureTimeChanged)
    Q_PROPERTY(uint cameraLowValueTimeFailure READ getCameraLowValueTimeFailure WRITE setCameraLowValueTimeFailure NOTIFY cameraLowValueTimeFailureChanged)
    Q_PROPERTY(uint sirenSoundType READ getSirenSoundType WRITE setSirenSoundType NOTIFY sirenSoundTypeChanged)
    Q_PROPERTY(uint sirenVolume READ getSirenVolume WRITE setSirenVolume NOTIFY sirenVolumeChanged)
    Q_PROPERTY(bool printerStat READ getPrinterStat WRITE setPrinterStat NOTIFY printerStatChanged)
    Q_PROPERTY(uint prnParity READ getPrinterParity WRITE setPrinterParity NOTIFY printerParityChanged)
    Q_PROPERTY(uint prnBaudRate READ getPrinterBaudRate WRITE setPrinterBaudRate NOTIFY printerBaudRateChanged)
    Q_PROPERTY(bool sirenPhaseStat READ getSirenPhaseStat WRITE setSirenPhaseStat NOTIFY sirenPhaseStatChanged)
    Q_PROPERTY(bool serialNumbersCheckStat READ getSerialNumbersCheckStat WRITE setSerialNumbersCheckStat NOTIFY serialNumbersCheckStatChanged)
    Q_PROPERTY(uint failureIvalidResponseTime READ getFailureInvalidResponseTime WRITE setFailureInvalidResponseTime NOTIFY failureIvalidResponseTimeChanged)
    Q_PROPERTY(uint faultMaintenanceTime READ getFaultMaintenanceTime WRITE setFaultMaintenanceTime NOTIFY faultMaintenanceTimeChanged)
    Q_PROPERTY(uint evacSoundType READ getEvacSoundType WRITE setEvacSoundType NOTIFY evacSoundTypeChanged)
    Q_PROPERTY(uint evacSoundVolume READ getEvacSoundVolume WRITE setEvacSoundVolume NOTIFY evacSoundVolumeChanged)
    Q_PROPERTY(bool sirenReactMode READ getSirenReactMode WRITE setSirenReactMode NOTIFY sirenReactModeChanged)
    Q_PROPERTY(bool sirenCorrelation READ getSirenCorrelation WRITE setSirenCorrelation NOTIFY sirenCorrelationChanged)

public:
    // Bits of the modification state.
    enum ChangeBit : uint {
        kNewPlant = 1,
        kParameters = 2,
        kFromPanel4 = 4,
        kFromPanel8 = 8,
        kCpus = 16,
        kAreas = 32,
        kGroups = 64,
        kRepeaters = 128,
        kCBESystem = 256,
    };
    // Result codes of the plant file.
    enum FileResult : uint {
        kFileOk = 0,
        kFileCannotRead = 257,
        kFileCannotWrite = 258,
        kFileBadMagic = 259,
        kFileBadVersion = 260,
        kFileCrc = 264,
        kFileBadFormat = 265,
        kFileMissing = 266,
        kFileOther = 65535,
    };
    static constexpr qint32 kFileMagic = 0x13F0C475;
    static constexpr quint16 kFileVersion = 0x0200;
    // A declared image above this is refused before it is inflated.
    static constexpr quint32 kMaxImageSize = 64u << 20;
    static constexpr uint kUndefinedPassword = 0xFFFFFFFF;
    static constexpr uint kMaxPassword = 99999;

    Plant();
    ~Plant() override;
    Plant(const Plant&) = delete;
    Plant& operator=(const Plant&) = delete;

    CPUSystem& cpus() { return m_cpus; }
    const CPUSystem& cpus() const { return m_cpus; }
    OvGroupsSystem& groups() { return m_groups; }
    const OvGroupsSystem& groups() const { return m_groups; }
    OvAreasSystem& areas() { return m_areas; }
    const OvAreasSystem& areas() const { return m_areas; }
    const ZpRepeatersSystem& repeaters() const { return m_repeaters; }
    const OvPlantType* plantType() const { return m_plantType.get(); }
    uint lastError() const { return m_lastError; }

    // Modification state.
    void markModified(uint bits);
    // ORs bits in; markModified unless all of them were set already.
    void setModificationBits(uint bits);
    // Clears bits; plantDataModified when any of them was set.
    void clearModificationBits(uint bits);

    // Stand-alone 0 or networked 1; any other type is refused before anything changes. Resizes
    // the CPU, group and area lists; a stand-alone plant has no repeaters.
    bool setPlantType(uint type, bool notify);
    void setDefaultParameters();
    bool newPlant();
    void resetSystems();
    void dumpParameters() const;

    // --- conversion ---
    // Rebuilds the plant from the panel configuration; 0.
    uint copyFrom();
    uint copyParametersFrom();
    uint copyAreasFrom();
    uint copyGroupsFrom();
    uint copyCPUsFrom();
    uint copyRepeatersFrom();
    uint copyAnnunciatorsFrom();
    // Rebuilds the whole panel configuration from the plant, compiling every CBE text. Returns
    // the number of device records that found no room in the panel configuration.
    int copyTo();
    // The general programming fields; the number of device records left out.
    int copyParametersTo();

    // --- plant file ---
    // copyTo, then the file written through a save file: an existing file is replaced only when
    // everything was written. skippedDevices, when given, gets copyTo's count.
    uint saveToFile(const QString& fileName, int* skippedDevices = nullptr);
    // A plant file (plantFile) or a panel image into the panel configuration; the caller then
    // runs copyFrom.
    uint loadFromFile(const QString& fileName, bool plantFile);
    // A plant file of an earlier release, through the installed legacy reader.
    uint loadLegacyFile(const QString& fileName, int previousConfig);

public slots:
    bool isModified() const { return m_modificationStat != 0; }
    bool isCBESystemModified() const { return (m_modificationStat & kCBESystem) != 0; }
    uint getModificationStat() const { return m_modificationStat; }
    bool isPlantDataModified() const { return m_dataModified; }
    void modifyPlantData(bool modified);

    int getPlantType() const { return m_plantType ? m_plantType->getType() : 0; }
    int getCpuMaxCount() const { return m_plantType ? m_plantType->getCpuMaxCount() : 1; }
    int getLoopMaxCount() const { return m_plantType ? m_plantType->getLoopMaxCount() : -1; }
    int getMaxAreasCount() const { return m_plantType ? m_plantType->getMaxAreasCount() : 0; }

    // Repeaters.
    bool getRepeaterStat(int idx) const;
    QString getRepeaterDescription(int idx) const;
    int getRepeatersCount() const { return m_repeaters.count(); }
    int getRepeatersEnabledCount() const { return m_repeaters.getEnabledCount(); }
    void enableRepeater(int idx, bool enable);
    void setRepeaterDescription(int idx, const QString& text);

    // General parameters.
    QString getDescription() const { return m_description; }
    bool setDescription(const QString& description);
    uint getWalkTest() const { return m_walkTest; }
    uint getWalkTestCPUID() const { return m_walkTestCPUID; }
    uint getWalkTestLoopID() const { return m_walkTestLoopID; }
    uint getWalkTestModuleID() const { return m_walkTestModuleID; }
    uint getWalkTestSubID() const { return m_walkTestSubID; }
    // Also undefines the walk-test point.
    bool setWalkTest(uint mode);
    // Only while the walk test is of one point (mode 2).
    bool setWalkTestCPUID(uint id);
    bool setWalkTestLoopID(uint id);
    bool setWalkTestModuleID(uint id);
    bool setWalkTestSubID(uint id);
    // All four, whatever the mode.
    bool setWalkTestPoint(uint cpu, uint loop, uint module, uint sub);
    uint getPreAlarmLvl() const { return m_preAlarmLvl; }
    // Values above 100 are ignored.
    bool setPreAlarmLvl(uint level);
    // Levels 2, 3 and 4 at index 0, 1, 2; undefined past them.
    uint getPassword(uint level) const { return level < 3 ? m_passwords[level] : kUndefinedPassword; }
    bool setPassword(uint level, uint code);
    QString getPrinterParityStr() const;
    // Relay 0 to 2 a supervision type, 3 and 4 a relay function.
    QString getReleValue(int relay) const;

    uint plantReleAll() const { return m_plantReleAll; }
    uint plantReleU1() const { return m_plantReleU1; }
    uint plantReleU2() const { return m_plantReleU2; }
    uint plantReleFU1() const { return m_plantReleFU1; }
    uint plantReleFU2() const { return m_plantReleFU2; }
    bool set_plantReleAll(uint value);
    bool set_plantReleU1(uint value);
    bool set_plantReleU2(uint value);
    bool set_plantReleFU1(uint value);
    bool set_plantReleFU2(uint value);

    bool getDriftAllert() const { return m_driftAllert; }
    bool getStoragePrint() const { return m_storagePrint; }
    bool getFlashingStat() const { return m_flashingStat; }
    bool getSirenInstantActivation() const { return m_sirenInstantActivation; }
    uint getSirenDelayTime() const { return m_sirenDelayTime; }
    uint getAllarmsTxDelayTime() const { return m_allarmsTxDelayTime; }
    bool getEvacuationChecks() const { return m_evacuationChecks; }
    uint getAcknowledgementInhibitionTime() const { return m_acknowledgementInhibitionTime; }
    bool getAutoAcknowledgementStat() const { return m_autoAcknowledgementStat; }
    uint getAutoAcknowledgementTime() const { return m_autoAcknowledgementTime; }
    uint getFailureSystemTime() const { return m_failureSystemTime; }
    uint getFailureTxTime() const { return m_failureTxTime; }
    bool getDetectorsCheckStat() const { return m_detectorsCheckStat; }
    uint getDetectorsCheckTime() const { return m_detectorsCheckTime; }
    uint getFalseFailureTimeTypeID() const { return m_falseFailureTimeTypeID; }
    uint getOpenCircuitsFailureTime() const { return m_openCircuitsFailureTime; }
    uint getCameraLowValueTimeFailure() const { return m_cameraLowValueTimeFailure; }
    uint getSirenSoundType() const { return m_sirenSoundType; }
    uint getSirenVolume() const { return m_sirenVolume; }
    bool getPrinterStat() const { return m_printerStat; }
    uint getPrinterParity() const { return m_printerParity; }
    uint getPrinterBaudRate() const { return m_printerBaudRate; }
    bool getSirenPhaseStat() const { return m_sirenPhaseStat; }
    bool getSerialNumbersCheckStat() const { return m_serialNumbersCheckStat; }
    uint getFailureInvalidResponseTime() const { return m_failureIvalidResponseTime; }
    uint getFaultMaintenanceTime() const { return m_faultMaintenanceTime; }
    uint getEvacSoundType() const { return m_evacSoundType; }
    uint getEvacSoundVolume() const { return m_evacSoundVolume; }
    bool getSirenReactMode() const { return m_sirenReactMode; }
    bool getSirenCorrelation() const { return m_sirenCorrelation; }
    bool setDriftAllert(bool value);
    bool setStoragePrint(bool value);
    bool setFlashingStat(bool value);
    bool setSirenInstantActivation(bool value);
    bool setSirenDelayTime(uint value);
    bool setAllarmsTxDelayTime(uint value);
    bool setEvacuationChecks(bool value);
    bool setAcknowledgementInhibitionTime(uint value);
    bool setAutoAcknowledgementStat(bool value);
    bool setAutoAcknowledgementTime(uint value);
    bool setFailureSystemTime(uint value);
    bool setFailureTxTime(uint value);
    bool setDetectorsCheckStat(bool value);
    bool setDetectorsCheckTime(uint value);
    bool setFalseFailureTimeTypeID(uint value);
    bool setOpenCircuitsFailureTime(uint value);
    bool setCameraLowValueTimeFailure(uint value);
    bool setSirenSoundType(uint value);
    bool setSirenVolume(uint value);
    bool setPrinterStat(bool value);
    bool setPrinterParity(uint value);
    bool setPrinterBaudRate(uint value);
    bool setSirenPhaseStat(bool value);
    bool setSerialNumbersCheckStat(bool value);
    bool setFailureInvalidResponseTime(uint value);
    bool setFaultMaintenanceTime(uint value);
    bool setEvacSoundType(uint value);
    bool setEvacSoundVolume(uint value);
    bool setSirenReactMode(bool value);
    bool setSirenCorrelation(bool value);

signals:
    void plantReleAllChanged(uint plantReleAll);
    void plantReleU1Changed(uint plantReleU1);
    void plantReleU2Changed(uint plantReleU2);
    void plantReleFU1Changed(uint plantReleFU1);
    void plantReleFU2Changed(uint plantReleFU2);
    void plantDataChanged(uint changeType);
    void plantTypeChanged();
    void updateAreasModelRqst(QVector<int> positions);
    void cpuDataChanged(CPUDevice device);
    void cpuDescriptionChanged(CPUDevice device);
    void cpuSibDataChanged(CPUDevice device);
    void cpuLibCountChanged(CPUDevice device);
    void cpuDataChanged(uint cpuDataIndex);
    void loopOpenFlagChanged(uint cpuIndex, uint loopIndex, bool newVal);
    void loopTypeChanged(uint cpuIndex, uint loopIndex, int newVal);
    void descriptionChanged();
    void walkTestChanged();
    void walkTestLoopIDChanged();
    void walkTestModuleIDChanged();
    void walkTestCPUIDChanged();
    void walkTestSubIDChanged();
    void plantDataModified();
    void cpuExtensionFlagChanged(CPUDevice device);
    void cpuExtensionFlagChanged(int cpuIndex);
    void preAlarmLvlChanged();
    void driftAllertChanged();
    void storagePrintChanged();
    void flashingStatChanged();
    void sirenInstantActivationChanged();
    void sirenDelayTimeChanged();
    void allarmsTxDelayTimeChanged();
    void evacuationChecksChanged();
    void acknowledgementInhibitionTimeChanged();
    void autoAcknowledgementStatChanged();
    void autoAcknowledgementTimeChanged();
    void failureSystemTimeChanged();
    void failureTxTimeChanged();
    void detectorsCheckStatChanged();
    void detectorsCheckTimeChanged();
    void falseFailureTimeTypeIDChanged();
    void openCircuitsFailureTimeChanged();
    void cameraLowValueTimeFailureChanged();
    void sirenSoundTypeChanged();
    void sirenVolumeChanged();
    void printerStatChanged();
    void printerParityChanged();
    void printerBaudRateChanged();
    void sirenPhaseStatChanged();
    void serialNumbersCheckStatChanged();
    void failureIvalidResponseTimeChanged();
    void faultMaintenanceTimeChanged();
    void evacSoundTypeChanged();
    void evacSoundVolumeChanged();
    void sirenReactModeChanged();
    void sirenCorrelationChanged();

private:
    template <class T>
    bool setParameter(T& member, T value, void (Plant::*signal)(), const char* name);
    bool setRelay(uint& member, uint value, void (Plant::*signal)(uint));
    bool setWalkTestId(uint& member, uint id, void (Plant::*signal)());
    void resizeToModel();
    // The CBE pass over the device blocks: each record's program from its point.
    void compileDevicePrograms() const;

    uint m_plantReleAll = 0;
    uint m_plantReleU1 = 0;
    uint m_plantReleU2 = 0;
    uint m_plantReleFU1 = 0;
    uint m_plantReleFU2 = 0;
    OvParametersReference* m_parameters = nullptr;
    CPUSystem m_cpus;
    OvGroupsSystem m_groups;
    OvAreasSystem m_areas;
    ZpRepeatersSystem m_repeaters;
    uint m_lastError = 0;
    QString m_description;
    uint m_walkTest = 0;
    uint m_walkTestCPUID = kUndefinedPassword;
    uint m_walkTestLoopID = kUndefinedPassword;
    uint m_walkTestModuleID = kUndefinedPassword;
    uint m_walkTestSubID = kUndefinedPassword;
    bool m_driftAllert = false;
    bool m_storagePrint = false;
    bool m_flashingStat = false;
    bool m_sirenInstantActivation = true;
    uint m_sirenDelayTime = 0;
    uint m_allarmsTxDelayTime = 0;
    bool m_evacuationChecks = false;
    uint m_acknowledgementInhibitionTime = 0;
    bool m_autoAcknowledgementStat = false;
    uint m_autoAcknowledgementTime = 0;
    uint m_failureSystemTime = 0;
    uint m_failureTxTime = 0;
    bool m_detectorsCheckStat = false;
    uint m_detectorsCheckTime = 0;
    uint m_falseFailureTimeTypeID = 8;
    uint m_openCircuitsFailureTime = 10;
    uint m_cameraLowValueTimeFailure = 20;
    uint m_sirenSoundType = 1;
    uint m_sirenVolume = 1;
    bool m_printerStat = false;
    uint m_printerParity = 0;
    uint m_printerBaudRate = 9600;
    bool m_sirenPhaseStat = false;
    bool m_serialNumbersCheckStat = false;
    uint m_failureIvalidResponseTime = 5;
    uint m_faultMaintenanceTime = 216;
    uint m_evacSoundType = 1;
    uint m_evacSoundVolume = 1;
    bool m_sirenReactMode = true;
    bool m_sirenCorrelation = false;
    uint m_modificationStat = 0;
    std::unique_ptr<OvPlantType> m_plantType;
    bool m_dataModified = false;
    uint m_passwords[3] = {kUndefinedPassword, kUndefinedPassword, kUndefinedPassword};
    uint m_preAlarmLvl = 70;
};
