#pragma once
// Common part of every layout of the panel configuration, and the layout factory.
#include "DataBlock/DataBlock.h"

class ZpConf;
class ZpConfBlock;

// Data versions of the block layouts, oldest first, closed by kDataVersionEnd.
constexpr u16 kDataVersion2600 = 0x2600;
constexpr u16 kDataVersion2601 = 0x2601;
constexpr u16 kDataVersion2602 = 0x2602;
constexpr u16 kDataVersionEnd = 0xFFFF;
extern const u16 g_zpDataVersions[4];
extern const u16 g_zpDataVersion; // the current one, 0x2602

namespace ZpData {

class IFace : public DataBlock::IFace {
public:
    // block may be null for a detached layout (conversion on the side, tests); conf may be
    // null too, and then the layout knows no panel type.
    IFace(ZpConf* conf, ZpConfBlock* block, u8 dataType, u32 size, u16 version);

    ZpConf* get_conf() const { return m_conf; }
    ZpConfBlock* get_block() const { return m_block; }
    u8 get_data_type() const { return m_dataType; }

    // Copies bytes of the block through the block's own copy routine; 1000 without a block.
    int get_data(void* dst, u32 offset, u32 length);

    // Change notice every setter sends after a write. Does nothing unless this layout is the
    // one installed in its block; kinds 1 and 2 mark the block modified.
    void notify_change(u32 kind, u32 offset, u32 length);
    // A silent change: marks the block modified, so that its CRC follows at the next unlock,
    // when this layout is the one installed in it; no notice.
    void mark_block_modified();
    // The write lock of the block; false when it is not taken or there is no block.
    bool lock_block_write();
    void unlock_block();
    // The container's panel type; 255 (unknown) without a container.
    u32 container_panel_type() const;

protected:
    ZpConf* m_conf;
    ZpConfBlock* m_block;
    u8 m_dataType;
};

// Size of a block of dataType in a data version; 0 for an unknown dataType or version.
u32 layout_size(u8 dataType, u16 version);

// A new layout for dataType in version, owned by the caller; null for an unknown version or
// dataType, or when expected_size is non-zero and differs from the layout's size.
IFace* new_iface(ZpConf* conf, ZpConfBlock* block, u32 dataType, u32 expected_size, u16 version);
// The same for the block's own dataType and container.
IFace* new_iface(ZpConfBlock* block, u32 expected_size, u16 version);

} // namespace ZpData
