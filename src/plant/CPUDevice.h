#pragma once
// One panel (CPU) of the plant: enabled flag, name, SIB and supervisor settings, up to four
// loop interface boards with their loops and points, annunciators and viewers, UPS flag and the
// programmed CPU type. A plain copyable value; it reaches the panel configuration in one pass
// (writeToPanelData), except for its board count, which setLibCount writes at once.
#include "plant/OvAnnunciatorsSystem.h"
#include "plant/OvLib.h"
#include "plant/SIBConfiguration.h"

#include <QList>
#include <QString>

class OvGenericPoint;

class CPUDevice {
public:
    static constexpr int kMaxLibs = 4;

    CPUDevice();
    // CPU 1 starts enabled with one installed board.
    explicit CPUDevice(u32 index);
    // Copies the CPU type too.
    CPUDevice(const CPUDevice& other);
    // Keeps this CPU's own type: the plant assigns edited copies over its CPUs and the type
    // comes from the panel configuration only.
    CPUDevice& operator=(const CPUDevice& other);
    // Takes other's boards, loops and points without copying them.
    CPUDevice& operator=(CPUDevice&& other) noexcept;
    virtual ~CPUDevice();

    virtual bool setEnabled(bool enabled);
    virtual bool setDescription(const QString& description);
    virtual bool setUPSFlag(bool ups);
    // Installs or removes boards, then writes the count installed into the CPU record at once.
    // False when the count asked for could not be reached. A disabled CPU changes no board: the
    // record takes count as it is.
    virtual bool setLibCount(u32 count);
    virtual void enableRSSIB(u8 address);
    virtual void enableNetworkSIB(u32 ip, u32 netmask, u32 gateway);
    virtual void enableNetworkGW(u32 ip, u32 netmask, u32 gateway);
    virtual const u8* setSupervisorBlock(const u8* block);
    virtual bool setSupervisorNotInstalled();
    virtual bool setSupervisorModbusRTU(u8 address, u8 baudCode);
    virtual bool setSupervisorModbusTCP(u32 ip, u32 netmask, u32 gateway);
    virtual bool setSupervisorBacnet(u32 ip, u32 netmask, u32 gateway);
    virtual void disableSIB();
    virtual void enableSIB();
    // The type the panel configuration holds for this CPU, by name.
    virtual QString getCPUTypeName() const;

    bool isEnabled() const { return m_enabled; }
    const QString& description() const { return m_description; }
    const SIBConfiguration& sib() const { return m_sib; }
    u32 index() const { return m_index; }
    const QList<OvLib>& libs() const { return m_libs; }
    const OvAnnunciatorsSystem& annunciators() const { return m_annunciators; }
    const OvAnnunciatorsSystem& viewers() const { return m_viewers; }
    bool upsFlag() const { return m_upsFlag; }
    u32 cpuType() const { return m_cpuType; }
    void setCpuType(u32 type) { m_cpuType = type; }
    void setSib(const SIBConfiguration& sib) { m_sib = sib; }

    // Installed boards; 0 for a disabled CPU.
    u32 getLibCount() const;
    u32 getInstalledLibCount() const;
    void addLib();
    void installLib(int i);
    void uninstallLib(int i);
    void removeLastInstalledLib();
    void setLib(const OvLib& lib);
    void setLib(OvLib&& lib);

    // Loops by their 0-based index over the CPU's boards.
    bool setLoopOpenFlag(u32 g, bool open);
    bool setLoopType(u32 g, int type);
    bool isLoopOpen(u32 g) const;
    OvLoop getLoop(u32 g) const;
    // Null without that loop.
    const OvLoop* loopAt(u32 g) const;
    bool isLoopEmpty(u32 g) const;
    OvGenericPoint* getPoint(u32 g, int index, int family) const;
    int getLoopActiveCount(u32 g, int protocolMask, int familyMask, int inputTypeMask) const;
    int getActiveCount(int protocolMask, int familyMask, int inputTypeMask) const;
    // The device records of an enabled CPU's installed boards: what the panel keeps of its loops.
    int deviceCount() const;

    // By the point's or loop's own CPU and loop numbers; ignored for another CPU.
    void setPoint(const OvGenericPoint* point);
    void updatePoint(const OvGenericPoint* point);
    void setLoop(const OvLoop& loop);
    void setLoop(OvLoop&& loop);

    bool isAreaAssigned() const;
    bool hasInvalidFastInput() const;
    bool hasCBEError() const;
    void checkCBE();
    void resetContents();
    void reset();

    void loadAnnunciators(const u8* records, int count);
    void loadViewers(const u8* records, int count);
    OvAnnunciatorsSystem& annunciators() { return m_annunciators; }
    OvAnnunciatorsSystem& viewers() { return m_viewers; }
    // False when a file could not be written completely.
    bool exportViewersCsv(const QString& folder) const;
    bool exportAnnunciatorsCsv(const QString& folder) const;
    // The loop files of the installed boards of an enabled CPU; their paths are appended to
    // written.
    bool exportLoopsCsv(const QString& folder, QStringList* written = nullptr) const;

    // The installed bit, the boards and the type of the CPU record as this CPU holds them, for
    // an installation that rebuilt the record with the panel's defaults.
    void writeRecordState() const;
    // The CPU record, the annunciator block and, for an enabled CPU, its boards. Returns the
    // number of device records left out for want of room.
    int writeToPanelData() const;
    void dump() const;

private:
    // A CPU numbered 1 to 64 has a record in the panel data.
    bool hasRecord() const { return m_index >= 1 && m_index <= 64; }
    void writeLibCount(u32 count) const;
    // The LIB addLib installs, or -1 when it installs none.
    int nextLibToInstall() const;
    int lastInstalledLib() const;
    // addLib and removeLastInstalledLib with the board's installed bit written into the CPU
    // record first: the LIB's loops are then made or reloaded from a record that holds the
    // board defaults.
    void addBoard();
    void removeBoard();
    void writeBoardInstalled(int board, bool installed) const;
    // The board that holds loop, appended with those before it when missing; null when the loop
    // is not this CPU's.
    OvLib* libForLoop(const OvLoop& loop);
    void copyFrom(const CPUDevice& other);
    // The board of a loop index and the loop's position on it; null when the board is missing.
    const OvLib* libOf(u32 g, int* position) const;
    OvLib* libOf(u32 g, int* position);
    QString filePrefix(const char* id) const;

    bool m_enabled = false;
    QString m_description;
    SIBConfiguration m_sib;
    u32 m_index = 0;
    QList<OvLib> m_libs;
    OvAnnunciatorsSystem m_annunciators;
    OvAnnunciatorsSystem m_viewers;
    bool m_upsFlag = false;
    u32 m_cpuType = 0;
};
