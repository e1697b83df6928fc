#include "ZpData/Container/ZpConfBlocks.h"

#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"

ZpConfBlocks::ZpConfBlocks(ZpConf* conf, int /*arg*/)
    : m_conf(conf)
    , m_validLock(os_LockCreate())
{
    for (u16& crc : m_crcs)
        crc = kInitialCrc;
    // Each block gets a layout of the current version as it is created, so the table must
    // be complete (all null) before the first one looks itself up.
    for (ZpConfBlock*& block : m_blocks)
        block = nullptr;
    for (u32 i = 0; i < kCount; ++i)
        m_blocks[i] = new ZpConfBlock(this, u8(i));
}

ZpConfBlocks::~ZpConfBlocks()
{
    for (ZpConfBlock*& block : m_blocks) {
        delete block;
        block = nullptr;
    }
    os_LockDelete(m_validLock);
}

ZpConfBlock* ZpConfBlocks::operator[](u32 dataType) const
{
    if (dataType >= kCount) {
        log_error("src/Lib/ZpData/ZpConfBlock", "operator[]", __LINE__, "Invalid dataType: %d\n", int(dataType));
        return nullptr;
    }
    return m_blocks[dataType];
}

void ZpConfBlocks::defer_crc(bool on)
{
    for (ZpConfBlock* block : m_blocks)
        block->defer_crc(on);
}

u16 ZpConfBlocks::get_crc(u32 dataType) const
{
    return (dataType >= 2 && dataType < kCount) ? m_crcs[dataType - 2] : 0;
}

void ZpConfBlocks::set_crc(u32 dataType, u16 crc)
{
    if (dataType >= 2 && dataType < kCount)
        m_crcs[dataType - 2] = crc;
}

bool ZpConfBlocks::is_valid(u32 dataType) const
{
    return dataType < kCount && (m_validBits[dataType / 8] >> (dataType % 8)) & 1;
}

namespace {
constexpr u16 kSignalValidity = 1;
}

void ZpConfBlocks::set_valid_all(bool v)
{
    log_printf(1, "%s(%d)\n", "set_valid_all", v ? 1 : 0);
    if (m_conf)
        m_conf->queue_signal(kSignalValidity);
    LockGuard guard(&m_validLock);
    m_allValid = v ? 1 : 0;
    for (u8& bits : m_validBits)
        bits = v ? 0xFF : 0;
}

int ZpConfBlocks::set_valid_all_if_changed(bool v)
{
    if (is_all_valid() == v)
        return ZP_UNCHANGED;
    set_valid_all(v);
    return ZP_OK;
}

int ZpConfBlocks::l_set_valid(u32 dataType, bool v)
{
    if (dataType >= kCount)
        return ZP_ERR_PARAM;
    if (is_valid(dataType) == v)
        return ZP_UNCHANGED;
    log_printf(1, "%s(%d, %d)\n", "l_set_valid", int(dataType), v ? 1 : 0);
    LockGuard guard(&m_validLock);
    const u8 bit = u8(1u << (dataType % 8));
    if (v) {
        m_validBits[dataType / 8] |= bit;
        if (!m_allValid) {
            bool all = true;
            for (u32 dt = 2; all && dt < kCount; ++dt)
                all = is_valid(dt);
            if (all)
                log_printf(1, "%s now all_valid = %d\n", "l_set_valid", 1);
            m_allValid = all ? 1 : 0;
        }
    } else {
        m_validBits[dataType / 8] &= u8(~bit);
        m_allValid = 0;
    }
    return ZP_OK;
}

int ZpConfBlocks::set_valid(u32 dataType, bool v)
{
    const int result = l_set_valid(dataType, v);
    if (result == ZP_OK && m_conf)
        m_conf->queue_signal(kSignalValidity);
    return result;
}

u32 ZpConfBlocks::count_invalid() const
{
    u32 count = 0;
    for (u32 dt = 2; dt < kCount; ++dt)
        count += is_valid(dt) ? 0 : 1;
    return count;
}

u32 ZpConfBlocks::compare_crc(const u16 crcs[kCount - 2], u8* failed)
{
    u32 first = kCount;
    u32 failures = 0;
    bool changed = false;
    for (u32 dt = 2; dt < kCount; ++dt) {
        const u16 stored = m_crcs[dt - 2];
        const bool same = stored == crcs[dt - 2];
        if (!same) {
            log_printf(1, "Conf::CmpCRC: crc fail(0x%.4X != 0x%.4X), type=%d\n", stored, crcs[dt - 2], int(dt));
            if (failed)
                failed[failures] = u8(dt);
            ++failures;
            if (first == kCount)
                first = dt;
        }
        if (l_set_valid(dt, same) == ZP_OK)
            changed = true;
    }
    if (failures == 0 && !m_allValid)
        set_valid_all(true);
    if (changed && m_conf)
        m_conf->queue_signal(kSignalValidity);
    return first;
}
