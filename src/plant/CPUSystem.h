#pragma once
// The plant's CPUs in index order: element p is CPU p + 1. Per-CPU operations take the list
// position and do nothing (or give their out-of-range value) for a position past the list.
#include "plant/CPUDevice.h"
#include "plant/OwningPtrList.h"

class CPUSystem {
public:
    enum Address {
        SIB_IP,
        SIB_NETMASK,
        SIB_GATEWAY,
        GW_IP,
        GW_NETMASK,
        GW_GATEWAY,
        SUP_IP,
        SUP_NETMASK,
        SUP_GATEWAY,
    };
    static constexpr u32 kOutOfRange = 0xFFFFFFFF;
    static constexpr int kMaxCpus = 64;

    CPUSystem();
    CPUSystem(const CPUSystem& other);
    // Copies of the enabled CPUs of other only, in list order (with enabledOnly false, a copy).
    CPUSystem(const CPUSystem& other, bool enabledOnly);
    CPUSystem& operator=(const CPUSystem& other);
    // Takes other's CPUs without copying them.
    CPUSystem& operator=(CPUSystem&& other) noexcept;
    virtual ~CPUSystem();
    virtual void clear();

    int count() const { return m_cpus.size(); }
    CPUDevice* cpuAt(int p) const { return p >= 0 && p < m_cpus.size() ? m_cpus.at(p) : nullptr; }

    // CPUs 1 to n, only CPU 1 enabled.
    void resetTo(int n);
    // Appends CPUs with the next index, or deletes from the end, until there are n.
    void resize(int n);
    // i := 0 when negative, else i + 1; then the first enabled CPU at or after i, or null with
    // i at the CPU count.
    CPUDevice* getNextEnabledCPU(int& i) const;

    void disableSIB(int p);
    void enableRSSIB(int p, u8 address);
    void enableNetworkSIB(int p, u32 ip, u32 netmask, u32 gateway);
    void enableNetworkGW(int p, u32 ip, u32 netmask, u32 gateway);
    void setSupervisorNotInstalled(int p);
    void setSupervisorBlock(int p, const u8* block);
    void setSupervisorModbusRTU(int p, u8 address, u8 baudCode);
    void setSupervisorModbusTCP(int p, u32 ip, u32 netmask, u32 gateway);
    void setSupervisorBacnet(int p, u32 ip, u32 netmask, u32 gateway);

    bool isSIBEnabled(int p) const;
    u32 getSIBRSPort(int p) const;
    u32 getSUPType(int p) const;
    u32 getSUPmbAddr(int p) const;
    u32 getSUPmbBaud(int p) const;
    // The raw address; 0 out of range.
    u32 getAddress(int p, Address which) const;
    // Dotted texts; empty out of range.
    QString getSIBIPAddr(int p) const { return dotted(p, SIB_IP); }
    QString getSIBNetMask(int p) const { return dotted(p, SIB_NETMASK); }
    QString getSIBGateway(int p) const { return dotted(p, SIB_GATEWAY); }
    QString getGWIPAddr(int p) const { return dotted(p, GW_IP); }
    QString getGWNetMask(int p) const { return dotted(p, GW_NETMASK); }
    QString getGWGateway(int p) const { return dotted(p, GW_GATEWAY); }
    QString getSUPIPAddr(int p) const { return dotted(p, SUP_IP); }
    QString getSUPNetMask(int p) const { return dotted(p, SUP_NETMASK); }
    QString getSUPGateway(int p) const { return dotted(p, SUP_GATEWAY); }

    // Over the CPU whose position is its index - 1.
    void setCPU(const CPUDevice& cpu);
    void setCPU(CPUDevice&& cpu);
    void setLib(const OvLib& lib);
    void setLib(OvLib&& lib);
    void setPoint(const OvGenericPoint* point);
    void updatePoint(const OvGenericPoint* point);
    void setLoop(const OvLoop& loop);
    OvGenericPoint* getPoint(int p, u32 g, int index, int family) const;
    // Null without that CPU or loop.
    const OvLoop* loopAt(int p, u32 g) const;

    void loadAnnunciators(int p, const u8* records, int count);
    void loadViewers(int p, const u8* records, int count);
    // Into, or out of, the CPU whose number is the system's index.
    void setAnnunciators(const OvAnnunciatorsSystem& system);
    void removeAnnunciators(const OvAnnunciatorsSystem& system);
    void setViewers(const OvAnnunciatorsSystem& system);
    void removeViewers(const OvAnnunciatorsSystem& system);

    // lib 0-based; false for a disabled CPU.
    bool isLibInstalled(int p, int lib) const;
    void ensureFirstCPUEnabled();
    void checkCBE();
    void resetContents();
    void reset();
    bool isAreaAssigned() const;
    // The first 64 CPUs in order; the number of device records left out for want of room.
    int writeToPanelData() const;
    // One line per CPU under the caption line; false when the file could not be written completely.
    bool exportCsv(const QString& filePath) const;

private:
    QString dotted(int p, Address which) const;
    CPUDevice* cpuOfIndex(int index) const { return cpuAt(index - 1); }

    OwningPtrList<CPUDevice> m_cpus;
};
