#pragma once
// The interface board (SIB) of a CPU, the network gateway and the supervisor link to a
// building-management system. The 54-byte supervisor block is kept as the panel holds it, so it
// copies to and from the general programming block byte for byte; the Modbus RTU address and
// baud code share bytes 13 and 14 with the Modbus TCP / BACnet address.
#include "OS/types.h"

#include <QString>

struct SIBNetworkAddresses {
    u32 ip = 0;
    u32 netmask = 0;
    u32 gateway = 0;
};

class SIBConfiguration {
public:
    static constexpr int kSupervisorSize = 54;
    // Offsets inside the supervisor block.
    static constexpr int kGwIp = 0;
    static constexpr int kGwNetmask = 4;
    static constexpr int kGwGateway = 8;
    static constexpr int kSupType = 12;
    static constexpr int kSupMbAddr = 13;
    static constexpr int kSupMbBaud = 14;
    static constexpr int kSupIp = 13;
    static constexpr int kSupNetmask = 17;
    static constexpr int kSupGateway = 21;

    enum SupervisorType : u8 {
        SUP_NOT_INSTALLED = 0,
        SUP_MODBUS_RTU = 1,
        SUP_MODBUS_TCP = 2,
        SUP_BACNET = 3,
    };

    // Everything but the supervisor block cleared; the block starts zeroed.
    SIBConfiguration();
    SIBConfiguration(const SIBConfiguration& other) = default;
    SIBConfiguration& operator=(const SIBConfiguration& other) = default;
    virtual ~SIBConfiguration() {}

    virtual SIBNetworkAddresses getNetworkSIB() const;
    // Four info lines: the RS address and the network SIB's address, gateway and netmask.
    virtual void dump() const;

    // RS address, SIB flag and network SIB addresses cleared; the supervisor block is kept.
    void clear();

    void enableRSSIB(u8 address);
    void enableNetworkSIB(u32 ip, u32 netmask, u32 gateway);
    void enableNetworkGW(u32 ip, u32 netmask, u32 gateway);
    void disableSIB() { m_sibEnabled = 0; }
    void enableSIB() { m_sibEnabled = 1; }
    void setSupervisorBlock(const u8* block);
    // Each returns whether something changed.
    bool setSupervisorNotInstalled();
    bool setSupervisorModbusRTU(u8 address, u8 baudCode);
    bool setSupervisorModbusTCP(u32 ip, u32 netmask, u32 gateway);
    bool setSupervisorBacnet(u32 ip, u32 netmask, u32 gateway);

    bool isSIBEnabled() const { return m_sibEnabled != 0; }
    u8 rsAddress() const { return m_rsAddress; }
    u32 sibIp() const { return m_sibIp; }
    u32 sibNetmask() const { return m_sibNetmask; }
    u32 sibGateway() const { return m_sibGateway; }
    const u8* supervisorBlock() const { return m_supervisor; }
    u32 gwIp() const { return word(kGwIp); }
    u32 gwNetmask() const { return word(kGwNetmask); }
    u32 gwGateway() const { return word(kGwGateway); }
    u8 supType() const { return m_supervisor[kSupType]; }
    u8 supMbAddr() const { return m_supervisor[kSupMbAddr]; }
    u8 supMbBaud() const { return m_supervisor[kSupMbBaud]; }
    u32 supIp() const { return word(kSupIp); }
    u32 supNetmask() const { return word(kSupNetmask); }
    u32 supGateway() const { return word(kSupGateway); }

    // "a.b.c.d", the most significant byte first.
    static QString toDottedText(u32 address);
    static void splitAddress(u32 address, u8 parts[4]);

private:
    u32 word(int offset) const;
    void putWord(int offset, u32 value);
    bool setSupervisorAddresses(u8 type, u32 ip, u32 netmask, u32 gateway);

    u8 m_rsAddress = 0;
    u8 m_sibEnabled = 0;
    u32 m_sibIp = 0;
    u32 m_sibNetmask = 0;
    u32 m_sibGateway = 0;
    u8 m_supervisor[kSupervisorSize] = {};
};
