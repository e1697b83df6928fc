#include "ZpData/Container/ZpStatus.h"

#include "DataBlock/crc.h"
#include "OS/TraceLog.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"

#include <cstring>

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpStatus";
constexpr u32 kLastZoneByte = 999; // last byte of the zone area, counted from its start
}

ZpStatus::ZpStatus(ZpConf* conf)
    : m_conf(conf)
    , m_lock(os_RWLockCreate())
{
}

ZpStatus::~ZpStatus()
{
    os_RWLockDelete(m_lock);
}

u32 ZpStatus::get_zone_limit() const
{
    if (!m_conf)
        return 1;
    return CpuModel::get_max_zone_num(PanelType::get_cpu_model(m_conf->get_panel_type()), m_conf->get_networked() != 0);
}

bool ZpStatus::check_zone(u16 zone) const
{
    if (zone < get_zone_limit() && zone <= kLastZone)
        return true;
    log_location(kUnit, "set_status", __LINE__, "Invalid Zone (%d)\n", zone);
    return false;
}

u8 ZpStatus::read_flags(u16 zone) const
{
    if (zone == 0)
        return m_status[0];
    const u8 byte = m_status[kZoneArea + (zone - 1) / 2];
    return (zone & 1) ? (byte & 0x0F) : u8(byte >> 4);
}

void ZpStatus::write_flags(u16 zone, u8 flags)
{
    if (zone == 0) {
        m_status[0] = flags;
        return;
    }
    u8& byte = m_status[kZoneArea + (zone - 1) / 2];
    if (zone & 1)
        byte = u8((byte & 0xF0) | (flags & 0x0F));
    else
        byte = u8((byte & 0x0F) | ((flags & 0x0F) << 4));
}

void ZpStatus::update_crc()
{
    m_crc = crc16(m_status, kSize);
}

u8 ZpStatus::get_zone(u16 zone) const
{
    if (zone > kLastZone)
        return 0;
    return read_flags(zone);
}

int ZpStatus::set_status(u16 zone, u8 value)
{
    if (!check_zone(zone))
        return ZP_ERR_PARAM;
    LockGuard guard(&m_lock, LockGuard::write);
    write_flags(zone, value);
    return ZP_OK;
}

int ZpStatus::set_status(u16 zone, u8 mask, bool on)
{
    if (!check_zone(zone))
        return ZP_ERR_PARAM;
    if (zone != 0)
        mask &= 0x0F;
    const u8 before = read_flags(zone);
    const bool anySet = (before & mask) != 0;
    if (anySet == on)
        return ZP_UNCHANGED;

    LockGuard guard(&m_lock, LockGuard::write);
    const u8 after = on ? u8(before | mask) : u8(before & ~mask);
    if (after == before)
        return ZP_UNCHANGED;
    write_flags(zone, after);
    if (on) {
        m_status[1] |= mask;
    } else {
        bool stillSet = (m_status[0] & mask) != 0;
        const u32 limit = get_zone_limit();
        for (u32 z = 1; !stillSet && z < limit && z <= kLastZone; ++z)
            stillSet = (read_flags(u16(z)) & mask) != 0;
        if (!stillSet)
            m_status[1] &= u8(~mask);
    }
    update_crc();
    return ZP_OK;
}

int ZpStatus::get(u16 offset, u16 length, u8* dst)
{
    if (!dst)
        return ZP_ERR_PARAM;
    if (u32(offset) + length > kSize)
        return ZP_ERR_RANGE;
    LockGuard guard(&m_lock, LockGuard::read);
    memcpy(dst, m_status + offset, length);
    return ZP_OK;
}

int ZpStatus::set(u16 offset, u16 length, const u8* src)
{
    if (!src)
        return ZP_ERR_PARAM;
    if (u32(offset) + length > kSize)
        return ZP_ERR_RANGE;
    LockGuard guard(&m_lock, LockGuard::write);
    memcpy(m_status + offset, src, length);
    update_crc();
    const u32 end = u32(offset) + length;
    if (length == 0 || !m_callback || end < 3)
        return ZP_OK;
    const u32 first = offset < kZoneArea ? 0 : offset - kZoneArea;
    u32 last = end - 3;
    if (last > kLastZoneByte)
        last = kLastZoneByte;
    const u32 count = last - first + 1;
    if (memcmp(m_status + kZoneArea + first, m_previous + kZoneArea + first, count) == 0)
        return ZP_OK;
    memcpy(m_previous + kZoneArea + first, m_status + kZoneArea + first, count);
    guard.release();
    m_callback(u16(first * 2), u16(last * 2));
    return ZP_OK;
}
