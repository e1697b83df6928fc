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

#include "plant/PointType.h"

#include "cbe/CBEPlantInfo.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <atomic>
#include <functional>
#include <memory>

class OvParametersReference;
class OvFileMng;

class Plant : public QObject, public Ov4800::CBEPlantInfo {
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
    Q_PROPERTY(bool sirenInstantActivation READ getSirenInstantActivation WRITE setSirenInstantActivation NOTIFY
                   sirenInstantActivationChanged)
    Q_PROPERTY(uint sirenDelayTime READ getSirenDelayTime WRITE setSirenDelayTime NOTIFY sirenDelayTimeChanged)
    Q_PROPERTY(
        uint allarmsTxDelayTime READ getAllarmsTxDelayTime WRITE setAllarmsTxDelayTime NOTIFY allarmsTxDelayTimeChanged)
    Q_PROPERTY(bool evacuationChecks READ getEvacuationChecks WRITE setEvacuationChecks NOTIFY evacuationChecksChanged)
    Q_PROPERTY(uint acknowledgementInhibitionTime READ getAcknowledgementInhibitionTime WRITE
                   setAcknowledgementInhibitionTime NOTIFY acknowledgementInhibitionTimeChanged)
    Q_PROPERTY(bool autoAcknowledgementStat READ getAutoAcknowledgementStat WRITE setAutoAcknowledgementStat NOTIFY
                   autoAcknowledgementStatChanged)
    Q_PROPERTY(uint autoAcknowledgementTime READ getAutoAcknowledgementTime WRITE setAutoAcknowledgementTime NOTIFY
                   autoAcknowledgementTimeChanged)
    Q_PROPERTY(
        uint failureSystemTime READ getFailureSystemTime WRITE setFailureSystemTime NOTIFY failureSystemTimeChanged)
    Q_PROPERTY(uint failureTxTime READ getFailureTxTime WRITE setFailureTxTime NOTIFY failureTxTimeChanged)
    Q_PROPERTY(
        bool detectorsCheckStat READ getDetectorsCheckStat WRITE setDetectorsCheckStat NOTIFY detectorsCheckStatChanged)
    Q_PROPERTY(
        uint detectorsCheckTime READ getDetectorsCheckTime WRITE setDetectorsCheckTime NOTIFY detectorsCheckTimeChanged)
    Q_PROPERTY(uint falseFailureTimeTypeID READ getFalseFailureTimeTypeID WRITE setFalseFailureTimeTypeID NOTIFY
                   falseFailureTimeTypeIDChanged)
    Q_PROPERTY(uint openCircuitsFailureTime READ getOpenCircuitsFailureTime WRITE setOpenCircuitsFailureTime NOTIFY
                   openCircuitsFailureTimeChanged)
    Q_PROPERTY(uint cameraLowValueTimeFailure READ getCameraLowValueTimeFailure WRITE setCameraLowValueTimeFailure
                   NOTIFY cameraLowValueTimeFailureChanged)
    Q_PROPERTY(uint sirenSoundType READ getSirenSoundType WRITE setSirenSoundType NOTIFY sirenSoundTypeChanged)
    Q_PROPERTY(uint sirenVolume READ getSirenVolume WRITE setSirenVolume NOTIFY sirenVolumeChanged)
    Q_PROPERTY(bool printerStat READ getPrinterStat WRITE setPrinterStat NOTIFY printerStatChanged)
    Q_PROPERTY(uint prnParity READ getPrinterParity WRITE setPrinterParity NOTIFY printerParityChanged)
    Q_PROPERTY(uint prnBaudRate READ getPrinterBaudRate WRITE setPrinterBaudRate NOTIFY printerBaudRateChanged)
    Q_PROPERTY(bool sirenPhaseStat READ getSirenPhaseStat WRITE setSirenPhaseStat NOTIFY sirenPhaseStatChanged)
    Q_PROPERTY(bool serialNumbersCheckStat READ getSerialNumbersCheckStat WRITE setSerialNumbersCheckStat NOTIFY
                   serialNumbersCheckStatChanged)
    Q_PROPERTY(uint failureIvalidResponseTime READ getFailureInvalidResponseTime WRITE setFailureInvalidResponseTime
                   NOTIFY failureIvalidResponseTimeChanged)
    Q_PROPERTY(uint faultMaintenanceTime READ getFaultMaintenanceTime WRITE setFaultMaintenanceTime NOTIFY
                   faultMaintenanceTimeChanged)
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
        // The save's confirmation said no: nothing was written.
        kFileNotConfirmed = 3842,
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

    // What the CBE text model checks programs against while this plant is the active one
    // (Ov4800::setCBEPlant); a destroyed plant stops being active.
    int groupCount() const override { return m_groups.count(); }
    int directGroupCount() const override { return m_groups.directGroupsCount(); }
    int maxAreasCount() const override { return getMaxAreasCount(); }
    Ov4800::CBEPointInfo point(int cpu, int loop, int address, int family, int sub) const override;
    // The module that answers a reference to (address, sub) on a loop, as its panel records do.
    Ov4800::CBEPointInfo modulePoint(int cpu, u32 loop, int address, int sub) const;

    // Modification state.
    void markModified(uint bits);
    // ORs bits in; markModified unless all of them were set already.
    void setModificationBits(uint bits);
    // Clears bits; plantDataModified when any of them was set.
    void clearModificationBits(uint bits);

    // Stand-alone 0 or networked 1; any other type is refused before anything changes. Resizes
    // the CPU, group and area lists; a stand-alone plant has no repeaters.
    bool setPlantType(uint type, bool notify);
    // What setPlantType(type) takes away with the CPUs past the type's limit: the enabled ones,
    // their installed boards and the device records on them. Nothing for a refused type.
    struct CpuRemoval {
        int cpus = 0;
        int boards = 0;
        int devices = 0;
    };
    CpuRemoval cpusRemovedBy(uint type) const;
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
    // A point's address as a program names it: "C1L2S3", "C1L2M4", a channel "C1L2M4.2", or
    // "C1L2M5" where it takes a loop address of its own.
    static QString programName(const OvGenericPoint& p);
    // The programs that the last copyTo stored empty because their text did not compile, as
    // "G" and the group number or the point's address ("C1L2S3", "C1L2M4.2").
    QStringList programsStoredEmpty() const;
    // The modules of the enabled CPUs with channels, none of them typed: the panel keeps a module
    // only as the records of its typed channels, so a conversion leaves these out. Named as
    // "C1L2M7".
    QStringList modulesNotStored() const;

    // --- plant file ---
    // copyTo, then the file written through a save file: an existing file is replaced only when
    // everything was written. skippedDevices, when given, gets copyTo's count. confirm, when
    // given, is asked after the conversion with the programs stored empty; false writes nothing.
    uint saveToFile(const QString& fileName, int* skippedDevices = nullptr,
                    const std::function<bool(const QStringList&)>& confirm = {});
    // After saveToFile returned kFileCannotWrite: the system's reason.
    QString saveFailureReason() const { return m_saveFailureReason; }
    // A plant file (plantFile) or a panel image into the panel configuration; the caller then
    // runs copyFrom.
    uint loadFromFile(const QString& fileName, bool plantFile);
    // A plant file of an earlier release, through the installed legacy reader.
    uint loadLegacyFile(const QString& fileName, int previousConfig);

    // --- CPU, loop and point operations ---
    // Stores the point where its CPU, loop and address say, moving it between area counts.
    void setPoint(const OvGenericPoint& point);
    // The points edited by a point table; bit 256 too when a CBE-relevant field changed.
    void setPoints(QList<const OvGenericPoint*> points);
    // Adds every point of the enabled CPUs' installed boards to its area's count; the counts are
    // not zeroed first.
    void countAreaDevices();

    // --- CBE checks ---
    // Results of the single checks besides the user error codes.
    static constexpr uint kNothingToCheck = 3841;
    // While a compile converts the plant: the text stays unchecked.
    static constexpr uint kCheckBusy = 0xFFFF;
    // Set by the application around the compile task, which converts the plant on another
    // thread; the checks, which convert it too, then leave the panel configuration alone.
    void setBusy(bool busy) { m_busy.store(busy); }
    bool isBusy() const { return m_busy.load(); }
    // The user error code of the text compiled against the whole plant, after copyTo.
    uint checkGroupCBE(const OvGroup* group);
    uint checkPointCBE(const OvGenericPoint* point);
    // copyTo, every point's and group's error code refreshed, bit 256 cleared.
    void checkCBESystem();

    // --- collections ---
    void setCPU(const CPUDevice& cpu);
    // Creates the point's boards up to the fourth when needed.
    void addPoint(const OvGenericPoint* point);
    void setAreas(const OvAreasSystem& areas);
    // Bit 256 as well when the direct-group count or a group's text changes.
    void setGroups(const OvGroupsSystem& groups);
    void setAnnunciators(const OvAnnunciatorsSystem& system);
    void removeAnnunciators(const OvAnnunciatorsSystem& system);
    void setViewers(const OvAnnunciatorsSystem& system);
    void removeViewers(const OvAnnunciatorsSystem& system);
    // 0-based CPU position, loop and address; family 1 sensor, 2 module.
    OvGenericPoint* getPoint(uint cpu, uint loop, uint address, int family) const;
    // The next valid point after from (from the first sensor of the first CPU when null), over
    // sensors then modules of each loop, the loops of a CPU and the enabled CPUs.
    OvGenericPoint* findNextPoint(const OvGenericPoint* from, bool skipWithSubPoints) const;

    // Results of checkKorvaModule.
    enum KorvaResult : int {
        kKorvaOk = 0,
        kKorvaInvalidInput1 = 581,
        kKorvaInvalidInput2 = 582,
        kKorvaInvalidSub = 583,
        kKorvaDuplicatedInput = 584,
    };
    // The inputs of a KORVA module (codes 180 to 182) must name active sensors of code 65 on its
    // loop that no other KORVA module of the loop uses.
    int checkKorvaModule(const OvGenericPoint* p) const;

    // --- CSV export ---
    // Writes the topology document of an export folder from the loop files the export wrote;
    // true when the document was written. Installed by the application (the writer lives in a
    // layer above the plant).
    // When it fails it names the file and gives the system's reason.
    using TopologyWriter = bool (*)(const QString& folder, const QStringList& loopFiles, QString* failedFile,
                                    QString* reason);
    static void setTopologyWriter(TopologyWriter writer);
    // The whole plant as CSV files in folder, then the topology document; false with lastError
    // 258 when the folder is empty or any file could not be written. The set replaces the
    // folder's earlier one only when every file of it was written.
    bool exportCsvFiles(const QString& folder);
    // After a failed exportCsvFiles: the file that could not be written (or the folder) and the
    // system's reason.
    QString exportFailedFile() const { return m_exportFailedFile; }
    QString exportFailureReason() const { return m_exportFailureReason; }
    // After a failed exportCsvFiles: true when it failed while the files took their places, those
    // before the failed file in the set being then the new ones; it and those after it are as they
    // were.
    bool exportPartlyReplaced() const { return m_exportPartlyReplaced; }
    // The general parameters; false when the file could not be written.
    bool exportParametersCsv(const QString& filePath) const;

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

public slots:
    // CPU slots: positions outside the list store nothing but still signal.
    bool setCPUDescription(int cpuIndex, const QString& description);
    bool enableSIB(int cpuIndex);
    bool enableRSSIB(int cpuIndex, uchar port);
    bool enableNetworkSIB(int cpuIndex, uint ip, uint netmask, uint gateway);
    bool enableNetworkGW(int cpuIndex, uint ip, uint netmask, uint gateway);
    bool setSupervisorNotInstalled(int cpuIndex);
    bool setSupervisorModbusRTU(int cpuIndex, int addr, int baud);
    bool setSupervisorModbusTCP(int cpuIndex, uint ip, uint netmask, uint gateway);
    bool setSupervisorBacnet(int cpuIndex, uint ip, uint netmask, uint gateway);
    bool disableSIB(int cpuIndex);
    bool setUPSFlag(int cpuIndex, bool val);
    // The installed bit of CPU record cpuIndex and the enabled flag of the CPU at that position.
    // Enabling a CPU the panel has no boards for is refused with a box.
    void setCPUStat(int cpuIndex, bool enable);
    void setCPULoopOpenFlag(uint cpuIndex, uint loopIndex, bool open);
    // Asks before retyping a loop that holds points; false when the user declines or the panel
    // does not keep the type (keepsLoopType).
    bool setCPULoopType(uint cpuIndex, uint loopIndex, uint type);
    // Asks before a type that allows fewer boards; the boards follow the record either way. A type
    // whose boards the panel does not have left is refused with a box.
    void setCPUType(int cpuIndex, int type);
    void setCPULibCount(int cpuIndex, int libCount) { setCPULibCount(cpuIndex, libCount, false); }
    // A count outside the CPU's type, or past the boards the panel has, changes nothing; for the
    // latter checkUsrError shows a box. Fewer boards are confirmed first.
    void setCPULibCount(int cpuIndex, int libCount, bool checkUsrError);
    // Whether the panel has boards for every enabled CPU once the CPU at cpuIndex is enabled or
    // not, of type with libCount boards; each CPU counts the boards its type brings its count to,
    // as the panel's board-count check does when the plant is opened. With showBox a refusal
    // shows "USR_ERR_TOO_MANY_LOOPS".
    bool fitsLoopBudget(int cpuIndex, bool enabled, int type, int libCount, bool showBox = false) const;
    // Whether the panel and its detector brand keep loops of type.
    bool keepsLoopType(int type) const;
    uint getActiveOutputModuleCount() const;

    // Queries; an index outside the list gives the neutral value.
    QString getCPUDescription(int cpu) const;
    bool getCPUStat(uint cpu) const;
    int getCPUType(uchar cpu) const;
    int getNLIbMin(uchar cpu) const;
    int getNLIbMax(uchar cpu) const;
    int getCPULibCount(int cpu) const;
    int getCPULoopCount(int cpu) const;
    // 0 for a CPU outside the list, 65535 for a missing board or loop.
    int getCPULoopType(uint cpu, uint loop) const;
    bool isCPULoopOpen(uint cpu, uint loop) const;
    // Loops of the enabled CPUs, each CPU's boards counted as fitsLoopBudget does.
    int getActiveLoopCount() const;
    int getActiveSensorCount(uint cpu, uint loop) const;
    int getActiveModuleCount(uint cpu, uint loop) const;
    int getActiveModuleCount(uint cpu, uint loop, PointType::PT_INPUT_TYPE inputs) const;
    int getActivePointCount(uint cpu, uint loop, uint protocolMask, uint seriesMask, uint familyMask,
                            uint inputTypeMask) const;
    bool isSIBEnabled(int cpu) const { return m_cpus.isSIBEnabled(cpu); }
    uint getSIBRSPort(int cpu) const { return m_cpus.getSIBRSPort(cpu); }
    QString getSIBGateway(int cpu) const { return m_cpus.getSIBGateway(cpu); }
    QString getSIBNetMask(int cpu) const { return m_cpus.getSIBNetMask(cpu); }
    QString getSIBIPAddr(int cpu) const { return m_cpus.getSIBIPAddr(cpu); }
    QString getSUPGateway(int cpu) const { return m_cpus.getSUPGateway(cpu); }
    QString getSUPNetMask(int cpu) const { return m_cpus.getSUPNetMask(cpu); }
    QString getSUPIPAddr(int cpu) const { return m_cpus.getSUPIPAddr(cpu); }
    uint getSUPType(int cpu) const { return m_cpus.getSUPType(cpu); }
    uint getSUPmbAddr(int cpu) const { return m_cpus.getSUPmbAddr(cpu); }
    uint getSUPmbBaud(int cpu) const { return m_cpus.getSUPmbBaud(cpu); }
    QString getGWGateway(int cpu) const { return m_cpus.getGWGateway(cpu); }
    QString getGWNetMask(int cpu) const { return m_cpus.getGWNetMask(cpu); }
    QString getGWIPAddr(int cpu) const { return m_cpus.getGWIPAddr(cpu); }
    bool getCheckPower(int cpu) const;
    bool isValidNetworkIP(int a, int b, int c, int d) const;
    bool isValidNetworkMask(int a, int b, int c, int d) const;
    bool isValidNetworkGatway(uint address, uint mask, uint gateway) const;
    // A gateway of 0 means none.
    bool optionalNetworkGatway(uint address, uint mask, uint gateway) const;
    int getAnnunciatorsCount() const;
    int getViewersCount() const;
    int getGroupsCBEErrorCount() const;

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
    // A copy of the CPU at a position, or a CPU numbered 0 outside the list.
    CPUDevice cpuCopy(int cpuIndex) const;
    // Boards the panel gives the enabled CPUs, the CPU at cpuIndex taken as enabled or not, of
    // type with libCount boards.
    u32 panelBoards(int cpuIndex, bool enabled, u32 type, u32 libCount) const;
    // Bit 16, then the SIB and data signals of the CPU.
    void sibChanged(int cpuIndex);
    // Moves one device from each old area to each new one (numbers 1-based, outside the list
    // ignored); the positions of the areas whose counts changed are appended once.
    void moveAreaCounts(int family, const QVector<int>& oldAreas, const QVector<int>& newAreas, QVector<int>& touched);
    // Stores point (a channel into its module) in place of the one at its address, every area of
    // the stored one counting one less and every area of point one more; returns whether a field
    // the CBE check reads changed.
    bool storePoint(const OvGenericPoint& point, QVector<int>& touched);
    // The area counts made again from the points, after a change that takes points away or
    // brings them back (a loop retyped, boards or CPUs removed, another plant type, a plant read
    // from the panel configuration); the changed areas announced.
    void recountAreas();
    int korvaDuplicate(const OvGenericPoint& p, int input) const;

    uint m_plantReleAll = 0;
    uint m_plantReleU1 = 0;
    uint m_plantReleU2 = 0;
    uint m_plantReleFU1 = 0;
    uint m_plantReleFU2 = 0;
    OvParametersReference* m_parameters = nullptr;
    CPUSystem m_cpus;
    OvGroupsSystem m_groups;
    // Written by copyTo, also on the compile task's thread; read after it.
    QList<int> m_emptiedGroups;
    OvAreasSystem m_areas;
    ZpRepeatersSystem m_repeaters;
    uint m_lastError = 0;
    QString m_exportFailedFile;
    QString m_exportFailureReason;
    bool m_exportPartlyReplaced = false;
    QString m_saveFailureReason;
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
    std::atomic<bool> m_busy{false};
};

Q_DECLARE_METATYPE(CPUDevice)
