#pragma once
// A full-size configuration for the image tests and the benchmark: every CPU 0 to 15 of a
// networked KV1600 plant with four boards (64 bound device blocks), every slot used and named.
#include "ImageGenerator.h"
#include "ZpData/Container/ZpConf.h"

namespace imagegen {

// CPU type 8 has four boards; the model has no ADV protocol, so every line is already VARN.
inline Plant full_plant()
{
    Plant p;
    p.panelType = 6, p.brand = 3, p.cpuType = 8, p.idleProt = 1;
    for (int index = 0; index < 64; ++index) {
        p.boards.append({uint8_t(index / 4), uint8_t(index % 4), 1, 1});
        for (int slot = 0, m = 0; slot < 700; m = ++slot < 318 ? slot : slot - 318) // sensors, then modules
            p.devices.append({index, slot, uint8_t(m % 159), uint8_t((m / 159) % 2), slot >= 318,
                              uint16_t(slot < 318 ? 0x4002 : 0x400B), uint8_t(slot < 318 ? 2 : 22), 0,
                              uint16_t(1 + (index * 700 + slot) % 500), uint8_t(slot < 318 ? 5 : m / 318),
                              "Point " + QByteArray::number(index) + '.' + QByteArray::number(slot), false});
    }
    return p;
}

// False when a block could not be written.
inline bool build_full(ZpConf& conf)
{
    const Plant p = full_plant();
    conf.new_config(6);
    for (int dt = 2; dt <= 198; dt = dt == 2 ? 70 : dt + 1)
        if (conf.set_data(unsigned(dt), block(p, dt, kV2602).constData(), 0, 0) != 0)
            return false;
    return conf.post_load(nullptr) <= 0;
}

} // namespace imagegen
