#include "plant/SIBConfiguration.h"

#include "DataBlock/bytes.h"

#include <QDebug>

#include <cstring>

SIBConfiguration::SIBConfiguration() = default;

SIBNetworkAddresses SIBConfiguration::getNetworkSIB() const
{
    return SIBNetworkAddresses{m_sibIp, m_sibNetmask, m_sibGateway};
}

void SIBConfiguration::dump() const
{
    auto both = [](u32 address) {
        u8 p[4];
        splitAddress(address, p);
        return QStringLiteral("%1\t[%2.%3.%4.%5]").arg(address).arg(p[0]).arg(p[1]).arg(p[2]).arg(p[3]);
    };
    qInfo().noquote() << QStringLiteral("RS SIB\t: Addr = %1").arg(m_rsAddress);
    qInfo().noquote() << QStringLiteral("NET SIB\t: ip = ") + both(m_sibIp);
    qInfo().noquote() << QStringLiteral("\t: gatway = ") + both(m_sibGateway);
    qInfo().noquote() << QStringLiteral("\t: netmask = ") + both(m_sibNetmask);
}

void SIBConfiguration::clear()
{
    m_rsAddress = 0;
    m_sibEnabled = 0;
    m_sibIp = 0;
    m_sibNetmask = 0;
    m_sibGateway = 0;
}

void SIBConfiguration::enableRSSIB(u8 address)
{
    m_sibEnabled = 1;
    m_rsAddress = address;
}

void SIBConfiguration::enableNetworkSIB(u32 ip, u32 netmask, u32 gateway)
{
    m_sibEnabled = 1;
    m_sibIp = ip;
    m_sibNetmask = netmask;
    m_sibGateway = gateway;
}

void SIBConfiguration::enableNetworkGW(u32 ip, u32 netmask, u32 gateway)
{
    putWord(kGwIp, ip);
    putWord(kGwNetmask, netmask);
    putWord(kGwGateway, gateway);
}

void SIBConfiguration::setSupervisorBlock(const u8* block)
{
    std::memcpy(m_supervisor, block, kSupervisorSize);
}

bool SIBConfiguration::setSupervisorNotInstalled()
{
    if (supType() == SUP_NOT_INSTALLED)
        return false;
    m_supervisor[kSupType] = SUP_NOT_INSTALLED;
    return true;
}

bool SIBConfiguration::setSupervisorModbusRTU(u8 address, u8 baudCode)
{
    if (supType() == SUP_MODBUS_RTU && supMbAddr() == address && supMbBaud() == baudCode)
        return false;
    m_supervisor[kSupType] = SUP_MODBUS_RTU;
    m_supervisor[kSupMbAddr] = address;
    m_supervisor[kSupMbBaud] = baudCode;
    return true;
}

bool SIBConfiguration::setSupervisorModbusTCP(u32 ip, u32 netmask, u32 gateway)
{
    return setSupervisorAddresses(SUP_MODBUS_TCP, ip, netmask, gateway);
}

bool SIBConfiguration::setSupervisorBacnet(u32 ip, u32 netmask, u32 gateway)
{
    return setSupervisorAddresses(SUP_BACNET, ip, netmask, gateway);
}

bool SIBConfiguration::setSupervisorAddresses(u8 type, u32 ip, u32 netmask, u32 gateway)
{
    if (supType() == type && supIp() == ip && supNetmask() == netmask && supGateway() == gateway)
        return false;
    m_supervisor[kSupType] = type;
    putWord(kSupIp, ip);
    putWord(kSupNetmask, netmask);
    putWord(kSupGateway, gateway);
    return true;
}

QString SIBConfiguration::toDottedText(u32 address)
{
    u8 p[4];
    splitAddress(address, p);
    return QStringLiteral("%1.%2.%3.%4").arg(p[0]).arg(p[1]).arg(p[2]).arg(p[3]);
}

void SIBConfiguration::splitAddress(u32 address, u8 parts[4])
{
    parts[0] = u8(address >> 24);
    parts[1] = u8(address >> 16);
    parts[2] = u8(address >> 8);
    parts[3] = u8(address);
}

u32 SIBConfiguration::word(int offset) const
{
    return get_le32(m_supervisor + offset);
}

void SIBConfiguration::putWord(int offset, u32 value)
{
    put_le32(m_supervisor + offset, value);
}
