#pragma once
// Block guard: fetches a block of a kind from a panel configuration, ends the program when it
// is missing, and holds the block's read lock for its own lifetime. When the lock is not taken
// it gives no layout and no data: another thread may be writing them. A guard made with
// BlockAccess::write holds the write lock instead, for callers that change the layout.
#include "OS/os.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"

enum class BlockAccess { read, write };

template <class Layout>
class BlockLock {
public:
    BlockLock(ZpConf& conf, u32 index, u32 first, u32 last, BlockAccess access = BlockAccess::read)
        : m_conf(&conf)
        , m_block(conf.get_block(index, first, last))
    {
        if (!m_block)
            os_FatalPrintf("block == nullptr\n");
        m_dataType = m_block->get_data_type();
        if ((access == BlockAccess::write ? m_block->lock_write() : m_block->lock_read()) == 0) {
            m_holding = true;
            m_layout = dynamic_cast<Layout*>(m_block->get_iface());
            m_data = m_block->get_ptr();
        }
    }
    ~BlockLock()
    {
        if (m_holding)
            m_block->unlock();
    }
    BlockLock(const BlockLock&) = delete;
    BlockLock& operator=(const BlockLock&) = delete;

    // The installed layout, or null when it is not of the expected class (an older version).
    Layout* operator->() const { return m_layout; }
    Layout* layout() const { return m_layout; }
    u8* data() const { return m_data; }
    ZpConfBlock* block() const { return m_block; }
    ZpConf* conf() const { return m_conf; }
    u8 data_type() const { return m_dataType; }
    bool holding() const { return m_holding; }

private:
    ZpConf* m_conf;
    ZpConfBlock* m_block;
    u8 m_dataType = 0;
    Layout* m_layout = nullptr;
    u8* m_data = nullptr;
    bool m_holding = false;
};
