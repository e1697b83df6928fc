#pragma once
// The panel configuration of one installation: 200 typed data blocks in the current data
// version and the services that keep them consistent with each other.
#include "DataBlock/DataBlock.h"
#include "ZpData/ZpConfBlocks.h"

class ZpConfBlock;
struct DeviceRef;

class ZpConf {
public:
    ZpConf(int arg, u32 panelType);
    virtual ~ZpConf();
    ZpConf(const ZpConf&) = delete;
    ZpConf& operator=(const ZpConf&) = delete;

    // The block of dataType first + index of a kind spanning first..last. An index past the
    // kind ends the program: it is a programming error, never a data error.
    ZpConfBlock* get_block(u32 index, u32 first, u32 last);
    // Blocks of dataTypes 2 to 199; null otherwise.
    ZpConfBlock* find_block(u32 dataType);

    ZpConfBlocks& get_blocks() { return m_blocks; }

    u32 get_panel_type() const { return m_panelType; }
    void set_panel_type(u32 panelType) { m_panelType = panelType; }
    u8 get_networked() const { return m_networked; }
    void set_networked(u8 networked) { m_networked = networked; }

    // Reaction to a change notice of one of the blocks.
    void on_block_change(const DataBlock::Notice& notice);

    // Device lists kept beside the status index (zone list, Modbus lists), rebuilt with it.
    void clear_device_lists();
    void list_device(const DeviceRef& ref);

    // Queues a change signal, retrying while the queue is full.
    void queue_signal(u16 code);

private:
    ZpConfBlocks m_blocks;
    u32 m_panelType;
    u8 m_networked = 0;
};
