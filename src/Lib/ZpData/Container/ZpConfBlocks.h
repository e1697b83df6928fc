#pragma once
#include "OS/os.h"
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

    // Every validity bit and the all-valid flag := v; queues signal 1.
    void set_valid_all(bool v);
    // set_valid_all when the all-valid flag differs from v, else -1.
    int set_valid_all_if_changed(bool v);
    // One validity bit, keeping the all-valid flag current (over dataTypes 2 to 199). 1003 above
    // 199, -1 when the bit already has the value.
    int l_set_valid(u32 dataType, bool v);
    // l_set_valid, queuing signal 1 when a bit changed.
    int set_valid(u32 dataType, bool v);
    // How many of dataTypes 2 to 199 are not valid.
    u32 count_invalid() const;
    // Compares the stored CRC of each dataType 2 to 199 with crcs[dataType - 2] and makes each
    // block valid exactly when they agree; failed, when given, gets the dataTypes that differ in
    // order (198 bytes at most). The first dataType that differs, or 200 when all agree.
    u32 compare_crc(const u16 crcs[kCount - 2], u8* failed);

    // DataBlock::defer_crc on every block; ending it reports the pending CRCs in dataType order.
    void defer_crc(bool on);

private:
    friend class ZpConf;
    ZpConf* m_conf;
    ZpConfBlock* m_blocks[kCount];
    u8 m_validBits[(kCount + 7) / 8] = {};
    u8 m_allValid = 0;
    os_Lock m_validLock;
    u16 m_crcs[kCount - 2];
};
