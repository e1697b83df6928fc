#pragma once
// One typed, fixed-size block of panel data: owns the layout object that holds the bytes,
// guards them with a lock, keeps their CRC-16 current and tells its owner of every change.
#include "OS/os.h"
#include "OS/types.h"

#include <atomic>
#include <cstdio>
#include <memory>

class DataBlock {
public:
    enum NoticeKind : u32 { NOTICE_LAYOUT = 1, NOTICE_DATA = 2 };

    struct Notice {
        u32 kind; // NOTICE_LAYOUT: the layout was replaced; NOTICE_DATA: bytes were written
        u32 dataType;
        u32 offset; // 0 for NOTICE_LAYOUT
        u32 length; // the new layout's size, or the number of bytes written
    };

    // The layout object: the bytes of a block in one data version.
    class IFace {
    public:
        IFace(DataBlock* owner, u32 size, u16 version);
        virtual ~IFace();
        IFace(const IFace&) = delete;
        IFace& operator=(const IFace&) = delete;

        // Base: copies size bytes (at most the smaller size) from the other layout; -1.
        virtual int convert(const IFace& previous);
        // Base: zero-fills the data; 0.
        virtual int set_default();

        u32 size() const { return m_size; }
        u16 version() const { return m_version; }
        u8* data() { return m_data.get(); }
        const u8* data() const { return m_data.get(); }
        DataBlock* owner() const { return m_owner; }

    protected:
        // The bytes come from the block store (DataBlock.cpp) and go back to it.
        struct GiveBack {
            u32 size;
            void operator()(u8* bytes) const;
        };

        u32 m_size;
        u16 m_version;
        std::unique_ptr<u8[], GiveBack> m_data;
        DataBlock* m_owner;
    };

    explicit DataBlock(u8 dataType);
    virtual ~DataBlock();
    DataBlock(const DataBlock&) = delete;
    DataBlock& operator=(const DataBlock&) = delete;

    virtual IFace* new_iface(u32 size, u16 version);
    virtual void on_change(const Notice& notice);
    virtual void on_crc_changed(u16 crc);

    u8 get_data_type() const { return m_dataType; }

    // 0 when taken; callers release only a lock they took.
    int lock_read(u32 timeoutMs = 0xFFFFFFFFu);
    int lock_write(u32 timeoutMs = 0xFFFFFFFFu);
    // Recomputes the CRC when the block was modified, then releases the lock.
    void unlock();
    void mark_modified() { m_modified = 1; }
    bool is_modified() const { return m_modified != 0; }
    // While deferred, an unlock of a modified block leaves its CRC pending instead of running it
    // over the whole block; ending the deferral runs it once and reports it as unlock would
    // have. A writer that takes a block record by record then pays for one CRC, not one each.
    // When the block ends with the bytes of the layout it held before the deferral, their CRC
    // is taken without running it again.
    void defer_crc(bool on);

    u8* get_ptr() { return m_layout ? m_layout->data() : nullptr; }
    IFace* get_iface() { return m_layout.get(); }
    const IFace* get_iface() const { return m_layout.get(); }
    u32 get_size() const { return m_layout ? m_layout->size() : 0; }
    u16 get_version();

    static u16 crc(const IFace& layout);

    // Installs a layout and takes ownership of it. null: 1003; the installed one: -1.
    int set_iface(IFace* layout);
    // The same for a layout whose CRC is known (a reader has just checked it): the CRC is not
    // run again over the data.
    int set_iface(IFace* layout, u16 crc);
    // length 0 copies from offset to the end of the block.
    int get_data(void* dst, u32 length, u32 offset, u32* got = nullptr);
    // offset and length both 0 write the whole block.
    int set_data(const void* src, u32 length, u32 offset);
    int check_range(u32 offset, u32 length) const;

    // Reads the rest of an open file as the block, checked against crc.
    int load_file(FILE* file, u16 version, u16 crc);
    void set_file_name(const char* name);
    const char* get_file_name() const { return m_fileName.get(); }
    // Per-file loaders; each reads the block file from its start.
    int load_v1_nolock();
    int load_v2_nolock();
    int load_v3_nolock();

protected:
    void send_notice(u32 kind, u32 offset, u32 length);

private:
    int install(IFace* layout, const u16* knownCrc);
    void report_crc(u16 crc);

    std::unique_ptr<char[]> m_fileName;
    u8 m_dataType;
    os_Lock m_lock;
    // Atomic: a reader's unlock on another thread tests it.
    std::atomic<u8> m_modified{0};
    // Set by set_iface with a known CRC for the unlock that follows it.
    bool m_crcKnown = false;
    u16 m_knownCrc = 0;
    bool m_crcDeferred = false;
    std::atomic<bool> m_crcPending{false};
    // The CRC last reported, and whether it is that of the layout's bytes as they are.
    u16 m_crc = 0;
    bool m_crcCurrent = false;
    std::unique_ptr<IFace> m_layout;
    // While deferred: a replaced layout whose bytes had m_basisCrc.
    std::unique_ptr<IFace> m_basis;
    u16 m_basisCrc = 0;

    friend class DataBlockTest;
};
