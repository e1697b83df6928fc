#pragma once
#include "DataBlock/DataBlock.h"

class ZpConf;
class ZpConfBlocks;

// A block of the panel configuration: creates its layouts through the layout factory,
// upgrades them one data version at a time and reports changes to its container.
class ZpConfBlock : public DataBlock {
public:
    ZpConfBlock(ZpConfBlocks* table, u8 dataType);

    DataBlock::IFace* new_iface(u32 size, u16 version) override;
    void on_change(const Notice& notice) override;
    void on_crc_changed(u16 crc) override;

    // Upgrades the layout step by step up to toVersion; never downgrades.
    int update(u16 toVersion);

    ZpConf* get_conf() const;
    ZpConfBlocks* get_table() const { return m_table; }

private:
    ZpConfBlocks* m_table;
};
