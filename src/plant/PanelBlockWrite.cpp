#include "plant/PanelBlockWrite.h"

#include "OS/os.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"

PanelBlockWrite::PanelBlockWrite(u32 index, u32 first, u32 last)
    : m_block(g_zpConf->get_block(index, first, last))
{
    if (!m_block)
        os_FatalPrintf("block == nullptr\n");
    m_holding = m_block->lock_write() == 0;
    if (m_holding) {
        m_data = m_block->get_ptr();
        m_size = m_block->get_size();
    }
    // The plant's writers cannot go on without the block's bytes.
    if (!m_data)
        os_FatalPrintf("block == nullptr\n");
}

PanelBlockWrite::~PanelBlockWrite()
{
    if (!m_holding)
        return;
    m_block->mark_modified();
    m_block->unlock();
}
