#pragma once
// A panel configuration holding the sample plant that goes back to it after each input by
// restoring only the blocks the input changed: a fresh load rewrites and checksums 3.9 MB and
// runs the whole after-load chain, which would hold a target to a few dozen inputs a second.
#include "SamplePlant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfBlocks.h"

#include <vector>

class FuzzConf {
public:
    explicit FuzzConf(const char* target)
        : m_conf(new ZpConf(0, 255))
    {
        m_conf->new_config(255);
        load_sample_plant(m_conf, target);
        m_panelType = m_conf->get_panel_type();
        for (u32 dt = kFirst; dt <= kLast; ++dt) {
            ZpConfBlock* block = m_conf->find_block(dt);
            m_bytes[dt].assign(block->get_ptr(), block->get_ptr() + block->get_size());
            m_crcs[dt] = m_conf->get_blocks().get_crc(dt);
        }
    }

    ZpConf* get() const { return m_conf; }
    // The sample plant's bytes of a block.
    const std::vector<u8>& bytes(u32 dataType) const { return m_bytes[dataType]; }

    // Blocks whose CRC moved, and touched (whose CRC may have come back by chance), get the
    // sample's bytes back. The status block is left as it is: no reader and no check uses its
    // old bytes, and every input that reaches the after-load chain rebuilds it.
    void reset(u32 touched)
    {
        m_conf->set_panel_type(m_panelType);
        m_conf->hold_device_reactions();
        for (u32 dt = kFirst; dt <= kLast; ++dt)
            if (dt == touched || m_conf->get_blocks().get_crc(dt) != m_crcs[dt])
                m_conf->set_data(dt, m_bytes[dt].data(), 0, 0);
        m_conf->release_device_reactions(false);
    }

private:
    static constexpr u32 kFirst = 2;
    static constexpr u32 kLast = 198;
    ZpConf* m_conf;
    u32 m_panelType = 255;
    std::vector<u8> m_bytes[kLast + 1];
    u16 m_crcs[kLast + 1] = {};
};
