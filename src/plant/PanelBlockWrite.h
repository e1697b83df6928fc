#pragma once
// Write access to one block of the global panel configuration for the plant's writers, which
// put their fields straight into the block's bytes. Holds the block's write lock for its
// lifetime; the release recomputes the block's CRC-16.
#include "OS/types.h"

class ZpConfBlock;

class PanelBlockWrite {
public:
    // The block of dataType first + index of the kind first..last; a missing block ends the
    // program.
    PanelBlockWrite(u32 index, u32 first, u32 last);
    ~PanelBlockWrite();
    PanelBlockWrite(const PanelBlockWrite&) = delete;
    PanelBlockWrite& operator=(const PanelBlockWrite&) = delete;

    u8* data() const { return m_data; }
    u32 size() const { return m_size; }

private:
    ZpConfBlock* m_block;
    u8* m_data = nullptr;
    u32 m_size = 0;
    bool m_holding = false;
};
