#pragma once
#include "OS/types.h"

class ZpConf;
class ZpConfBlock;

// The 200 blocks of a panel configuration, indexed by dataType, with their validity bits
// and the CRC-16 last computed for each of dataTypes 2 to 199.
class ZpConfBlocks {
public:
    static constexpr u32 kCount = 200;
    static constexpr u16 kInitialCrc = 0xAAAA;

    ZpConfBlocks(ZpConf* conf, int arg);
    ~ZpConfBlocks();
    ZpConfBlocks(const ZpConfBlocks&) = delete;
    ZpConfBlocks& operator=(const ZpConfBlocks&) = delete;

    // null (with an error line) above 199.
    ZpConfBlock* operator[](u32 dataType) const;

    ZpConf* get_conf() const { return m_conf; }

    // Stored CRC of dataTypes 2 to 199; 0 for others.
    u16 get_crc(u32 dataType) const;
    void set_crc(u32 dataType, u16 crc);

    bool is_valid(u32 dataType) const;
    bool is_all_valid() const { return m_allValid != 0; }

private:
    friend class ZpConf;
    ZpConf* m_conf;
    ZpConfBlock* m_blocks[kCount];
    u8 m_validBits[(kCount + 7) / 8] = {};
    u8 m_allValid = 0;
    u32 m_validLock;
    u16 m_crcs[kCount - 2];
};
