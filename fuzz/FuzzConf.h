#pragma once
// A panel configuration holding the sample plant that goes back to it after each input by
// restoring only the blocks the input changed: a fresh load rewrites and checksums 3.9 MB and
// runs the whole after-load chain, which would hold a target to a few dozen inputs a second.
#include "SamplePlant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfBlocks.h"

#include <cstring>
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
    // sample's bytes back, written straight into their layouts: a change notice would start the
    // checks and the status rebuild, which every input that reaches the after-load chain runs on
    // its own. The status block is left as it is: no reader and no check uses its old bytes.
    void reset(u32 touched)
    {
        m_conf->set_panel_type(m_panelType);
        for (u32 dt = kFirst; dt <= kLast; ++dt)
            if (dt == touched || m_conf->get_blocks().get_crc(dt) != m_crcs[dt])
                restore(dt);
    }

private:
    void restore(u32 dataType)
    {
        ZpConfBlock* block = m_conf->find_block(dataType);
        if (block->lock_write() != ZP_OK)
            return;
        if (block->get_size() == m_bytes[dataType].size()) {
            std::memcpy(block->get_ptr(), m_bytes[dataType].data(), m_bytes[dataType].size());
            block->mark_modified();
        }
        block->unlock();
    }

    static constexpr u32 kFirst = 2;
    static constexpr u32 kLast = 198;
    ZpConf* m_conf;
    u32 m_panelType = 255;
    std::vector<u8> m_bytes[kLast + 1];
    u16 m_crcs[kLast + 1] = {};
};
