#pragma once
// A panel configuration that goes back to its empty state after each input by restoring only
// the blocks the input changed: new_config rewrites and checksums 3.9 MB and runs the whole
// after-load chain, which would hold a target to a few dozen inputs a second.
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "ZpData/Layouts/interface.h"

class FuzzConf {
public:
    static constexpr u32 kPanelType = 255;

    FuzzConf()
        : m_conf(new ZpConf(0, kPanelType))
    {
        m_conf->new_config(kPanelType);
        for (u32 dt = kFirst; dt <= kLast; ++dt)
            m_crcs[dt] = m_conf->get_blocks().get_crc(dt);
    }

    ZpConf* get() const { return m_conf; }

    // Blocks whose CRC moved, and touched (whose CRC may have come back by chance), go back to
    // their defaults. The status block is left as it is: no reader and no check uses its old
    // bytes, and every input that reaches the chain rebuilds it.
    void reset(u32 touched)
    {
        m_conf->set_panel_type(kPanelType);
        m_conf->hold_device_reactions();
        for (u32 dt = kFirst; dt <= kLast; ++dt)
            if (dt == touched || m_conf->get_blocks().get_crc(dt) != m_crcs[dt])
                m_conf->set_default(dt, g_zpDataVersion);
        m_conf->release_device_reactions(false);
    }

private:
    static constexpr u32 kFirst = 2;
    static constexpr u32 kLast = 198;
    ZpConf* m_conf;
    u16 m_crcs[kLast + 1] = {};
};
