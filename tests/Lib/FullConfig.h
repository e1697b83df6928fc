#pragma once
// A full-size configuration for the image tests and the benchmark: every CPU 0 to 15 of a
// networked KV1600 plant with four boards (64 bound device blocks), every slot used and named.
#include "ImageGenerator.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"

#include <cstdio>
#include <cstring>

namespace imagegen {

// False when a block could not be locked for writing.
inline bool build_full(ZpConf& conf)
{
    conf.new_config(6);
    Plant p;
    p.panelType = 6;
    p.brand = 3;
    for (int cpu = 0; cpu < 16; ++cpu)
        for (int board = 0; board < 4; ++board)
            p.boards.append({u8(cpu), u8(board), 1, 1});
    QByteArray general = general_block(p, kV2602);
    for (int cpu = 0; cpu < 16; ++cpu)
        general[4 + 61 * cpu + 52] = char(1 | (8 << 3)); // installed, CPU type 8 (four boards)
    // This model has no ADV protocol: every line of every CPU is VARN, so the block is already
    // in its repaired form.
    for (int cpu = 0; cpu < 64; ++cpu)
        for (int board = 0; board < 4; ++board)
            general[4 + 61 * cpu + 5 * board] = char(u8(general[4 + 61 * cpu + 5 * board]) | (1 << 3) | (1 << 5));
    conf.set_data(2, general.constData(), 0, 0);
    conf.post_load(nullptr);
    for (int index = 0; index < 64; ++index) {
        ZpConfBlock* devices = conf.get_blocks()[u32(70 + index)];
        ZpConfBlock* names = conf.get_blocks()[u32(134 + index)];
        if (devices->lock_write() != 0)
            return false;
        u8* d = devices->get_ptr();
        for (u32 slot = 0; slot < 700; ++slot) {
            Device dev{index, int(slot), 0, 0, false, 0x4002, 2, 0, u16(1 + (index * 700 + slot) % 500), 5, "", false};
            if (slot < 318) {
                dev.address = u8(slot % 159);
                dev.lineBit = u8(slot / 159);
            } else {
                const u32 m = slot - 318;
                dev.module = true;
                dev.code = 0x400B;
                dev.type = 22;
                dev.address = u8(m % 159);
                dev.lineBit = u8((m / 159) % 2);
                dev.param = u8(m / 318);
            }
            const QByteArray rec = record_2602(dev);
            std::memcpy(d + 2 + 43 * slot, rec.constData(), 43);
        }
        devices->mark_modified();
        devices->unlock();
        if (names->lock_write() != 0)
            return false;
        u8* n = names->get_ptr();
        for (u32 slot = 0; slot < 700; ++slot)
            std::snprintf(reinterpret_cast<char*>(n + 2 + 32 * slot), 32, "Point %u.%u", unsigned(index), unsigned(slot));
        names->mark_modified();
        names->unlock();
    }
    conf.post_load(nullptr);
    return true;
}

} // namespace imagegen
