#include "ZpData/Container/ZpConfBlock.h"

#include "OS/TraceLog.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "ZpData/Layouts/interface.h"

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpConfBlock";
}

ZpConfBlock::ZpConfBlock(ZpConfBlocks* table, u8 dataType)
    : DataBlock(dataType)
    , m_table(table)
{
    set_iface(new_iface(0, g_zpDataVersion));
}

ZpConf* ZpConfBlock::get_conf() const
{
    return m_table ? m_table->get_conf() : nullptr;
}

DataBlock::IFace* ZpConfBlock::new_iface(u32 /*size*/, u16 version)
{
    // The factory knows each dataType's size; a caller's size is not a constraint here.
    return ZpData::new_iface(this, 0, version);
}

void ZpConfBlock::on_change(const Notice& notice)
{
    if (notice.kind != NOTICE_LAYOUT && notice.kind != NOTICE_DATA)
        return;
    if (ZpConf* conf = get_conf())
        conf->on_block_change(notice);
}

void ZpConfBlock::on_crc_changed(u16 crc)
{
    const u8 dataType = get_data_type();
    if (!m_table || dataType < 2)
        return;
    const u16 old = m_table->get_crc(dataType);
    if (old == crc)
        return;
    if (m_table->is_valid(dataType))
        log_printf(1, "crc changed (%d) = 0x%04X -> 0x%04X\n", dataType, old, crc);
    else
        log_printf(1, "crc load (%d) = 0x%04X\n", dataType, crc);
    m_table->set_crc(dataType, crc);
}

int ZpConfBlock::update(u16 toVersion)
{
    DataBlock::IFace* layout = get_iface();
    if (!layout)
        return ZP_ERR_PARAM;
    if (layout->version() == toVersion)
        return ZP_OK;
    if (lock_write() != 0)
        return ZP_ERR_GENERIC;
    int result = ZP_OK;
    u16 current = layout->version();
    if (current == 0)
        current = kDataVersion2600;
    if (current > toVersion) {
        log_location(
            kUnit, "update", __LINE__,
            "Configurazione con una versione di ZpData piu recente, downgrade non supportato!!!! %04hX < %04hX\n",
            toVersion, current);
        unlock();
        return ZP_ERR_PARAM;
    }
    int from = -1;
    int to = -1;
    for (int i = 0; g_zpDataVersions[i] != kDataVersionEnd; ++i) {
        if (g_zpDataVersions[i] == current)
            from = i;
        if (g_zpDataVersions[i] == toVersion)
            to = i;
    }
    if (from < 0) {
        log_location(kUnit, "update", __LINE__, "Non ho trovato la versione di partenza(%04X)\n", current);
        result = ZP_ERR_PARAM;
    } else if (to < 0) {
        log_location(kUnit, "update", __LINE__, "Non trovata versione di partenza/fine (%04X -> %04X)\n", current,
                     toVersion);
        result = ZP_ERR_PARAM;
    }
    for (int i = from; result == ZP_OK && i < to; ++i) {
        const u16 next = g_zpDataVersions[i + 1];
        log_printf(1, "Importing dataype %d %04X -> %04X\n", get_data_type(), g_zpDataVersions[i], next);
        DataBlock::IFace* fresh = new_iface(0, next);
        if (!fresh) {
            // The installed layout stays in place.
            result = ZP_ERR_IFACE;
            break;
        }
        fresh->convert(*get_iface());
        set_iface(fresh);
    }
    unlock();
    return result;
}
