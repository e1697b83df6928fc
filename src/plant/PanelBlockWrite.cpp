#include "plant/PanelBlockWrite.h"

#include "OS/os.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"

PanelBlockWrite::PanelBlockWrite(u32 index, u32 first, u32 last)
    : m_block(g_zpConf->get_block(index, first, last))
{
    if (!m_block || !m_block->get_ptr())
        os_FatalPrintf("block == nullptr\n");
    m_holding = m_block->lock_write() == 0;
    m_data = m_block->get_ptr();
    m_size = m_block->get_size();
}

PanelBlockWrite::~PanelBlockWrite()
{
    if (!m_holding)
        return;
    m_block->mark_modified();
    m_block->unlock();
}
