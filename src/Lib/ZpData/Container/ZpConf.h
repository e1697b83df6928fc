#pragma once
// The panel configuration of one installation: 200 typed data blocks in the current data
// version and the services that keep them consistent with each other.
#include "DataBlock/DataBlock.h"
#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "ZpData/Container/ZpModbus.h"
#include "ZpData/Container/ZpStatus.h"
#include "ZpData/Container/ZpZone.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/DeviceRef.h"

#include <atomic>
#include <memory>

class ZpConfBlock;
class ZpConfIO;

namespace ZpData_v2602 {
class ZpxProg;
}

// Queue of 16-bit change signals with de-duplication. Nothing in this program takes signals
// out; the queue only tells a consumer which parts of the configuration changed.
class ZpSignalQueue {
public:
    static constexpr u32 kCapacity = 210;

    ZpSignalQueue()
        : m_buffer(new (std::nothrow) u16[kCapacity])
        , m_lock(os_LockCreate())
    {
        if (!m_buffer)
            os_Fatal("Out of Memory");
    }
    ~ZpSignalQueue() { os_LockDelete(m_lock); }
    ZpSignalQueue(const ZpSignalQueue&) = delete;
    ZpSignalQueue& operator=(const ZpSignalQueue&) = delete;

    // 0 when queued, -1 when the code is already waiting, 1010 when full.
    int add(u16 code)
    {
        LockGuard guard(&m_lock);
        if (!m_empty) {
            const u32 count = m_full ? kCapacity : (m_write + kCapacity - m_read) % kCapacity;
            for (u32 i = 0, at = m_read; i < count; ++i, at = (at + 1) % kCapacity) {
                if (m_buffer[at] == code)
                    return ZP_UNCHANGED;
            }
        }
        if (m_full)
            return ZP_ERR_FULL;
        m_buffer[m_write] = code;
        m_write = (m_write + 1) % kCapacity;
        m_empty = false;
        m_full = m_write == m_read;
        return ZP_OK;
    }
    // Queues code, retrying while the queue is full.
    void put(u16 code)
    {
        while (add(code) == ZP_ERR_FULL) {
            log_location("src/Lib/ZpData/ZpConf.h", "add", 201, "ZpConf Signal full!\n");
            os_Sleep(1);
        }
    }
    u32 count() const { return m_full ? kCapacity : (m_write + kCapacity - m_read) % kCapacity; }
    bool is_empty() const { return m_empty; }
    bool is_full() const { return m_full; }
    // The code at position i from the oldest; 0 past the count.
    u16 peek(u32 i) const { return i < count() ? m_buffer[(m_read + i) % kCapacity] : 0; }

private:
    std::unique_ptr<u16[]> m_buffer;
    u32 m_write = 0;
    u32 m_read = 0;
    bool m_full = false;
    bool m_empty = true;
    os_Lock m_lock;
};

class ZpConf {
public:
    typedef void (*SignalFn)(u16 code);

    // Signal codes.
    static constexpr u16 kSignalValidity = 1;
    static constexpr u16 kSignalParam5220 = 203;
    static constexpr u16 kSignalSirens = 204;
    static constexpr u16 kSignalPasswords = 205;
    static constexpr u16 kSignalNetValues = 206;

    // arg is handed to the block table and not used; panelType 255 is unknown.
    ZpConf(int arg, u32 panelType);
    virtual ~ZpConf();
    ZpConf(const ZpConf&) = delete;
    ZpConf& operator=(const ZpConf&) = delete;

    // --- blocks ---

    // The block of dataType first + index of a kind spanning first..last. An index past the
    // kind ends the program: it is a programming error, never a data error.
    ZpConfBlock* get_block(u32 index, u32 first, u32 last);
    // Blocks of dataTypes 2 to 199; null otherwise.
    ZpConfBlock* find_block(u32 dataType);
    ZpConfBlocks& get_blocks() { return m_blocks; }

    // 1013 above 199, 1008 without a block; else DataBlock::get_data. length 0 reads from
    // offset to the end of the block.
    int get_data(u32 dataType, void* dst, u32 length, u32 offset, u32* got = nullptr);
    // 1008 without a block (any dataType above 199 has none); else DataBlock::set_data.
    int set_data(u32 dataType, const void* src, u32 length, u32 offset);
    // set_data as a success flag.
    bool put_data(u32 dataType, u32 offset, u32 length, const void* src);
    // Chunk number chunk of the block cut into chunkSize bytes; count gets the number of chunks
    // and length the bytes copied. False above dataType 199, for an empty block, a chunk size
    // of 0 or a chunk past the last.
    bool get_data_chunk(u32 dataType, u16 chunk, u16 chunkSize, u16* count, u16* length, void* dst);
    // 1013 above 199 or past the block's size, else 0.
    int check_range(u32 dataType, u32 offset, u32 length);

    // --- defaults and version ---

    // Installs a new default layout of version for the block.
    int set_default(u32 dataType, u16 version);
    // set_default for dataTypes 2 to 198, stopping at the first failure.
    int set_default_all(u16 version);
    // Upgrades dataTypes 2 to 199, stopping at the first failure.
    int update_all(u16 version);
    // An empty configuration of panel type type; 0.
    int new_config(u32 type);

    // --- consistency ---

    // The chain after every fill: networked flag, status rebuild, repair of the general block,
    // zone test states. A positive result of a step, else 0 or -1 (nothing repaired).
    int post_load(ZpData::ProgressFn progress);
    // Binds the device, name and auxiliary records to the installed boards. 0, or 1008 when
    // an installed board finds no free block.
    int check_coeherence();
    // Checks and repairs the general programming block. 0 when something changed, -1 when not,
    // 1000 when the binding that follows failed, 1011 without a status block.
    int check_zpxProg(bool repair);
    // While a load installs its blocks: the brand it brings is no change of brand, whatever the
    // shadow of the configuration before holds, and the sounder settings stay as loaded.
    void set_loading(bool loading) { m_loading = loading; }
    // Rebuilds the device status block and the device lists; after a load, duplicate devices
    // are removed as well. 1006 when no status layout can be made, else 0.
    int build_device_status(bool afterLoad, ZpData::ProgressFn progress);
    // A loader that installs many device blocks holds their change reactions: each install
    // then only notes that the status needs rebuilding. The release rebuilds it once when
    // rebuild is set; a loader that goes on to post_load, which rebuilds it anyway, passes false.
    void hold_device_reactions() { ++m_heldDevices; }
    void release_device_reactions(bool rebuild);
    // Reaction to a change notice of one of the blocks.
    void on_block_change(const DataBlock::Notice& notice);

    // Device lists kept beside the status index (zone list, Modbus lists), rebuilt with it.
    void clear_device_lists();
    void list_device(const DeviceRef& ref);

    // --- signals ---

    // Queues a change signal, retrying while the queue is full.
    void queue_signal(u16 code) { m_signals.put(code); }
    ZpSignalQueue& get_signals() { return m_signals; }
    void set_signal_callback(SignalFn fn) { m_signalCallback = fn; }
    void emit_signal(u16 code)
    {
        if (m_signalCallback)
            m_signalCallback(code);
    }

    // --- members ---

    u32 get_panel_type() const { return m_panelType; }
    void set_panel_type(u32 panelType) { m_panelType = panelType; }
    u8 get_networked() const { return m_networked; }
    void set_networked(u8 networked) { m_networked = networked; }
    ZoneList& get_zone_list() { return m_zones; }
    ZpStatus& get_status() { return m_status; }
    ZpModbus& get_modbus() { return m_modbus; }
    // The image reader and writer of this configuration.
    ZpConfIO& get_io() { return *m_io; }
    u32 get_counter() const { return m_counter; }
    // Sensitivity selection of the control-by-event engine: 0 none, 1 low, 2 high.
    u16 get_sens_selection() const { return m_sensSelection; }
    void set_sens_selection(u16 selection) { m_sensSelection = selection; }

    // --- accessors by kind; out-of-range arguments are refused before a block is touched ---

    // Name of a device slot (dst: 33 bytes). Block above 63: an empty text and 1013.
    int get_name(u32 block, u32 slot, char* dst);
    std::unique_ptr<char[]> get_name(u32 block, u32 slot);
    int set_name(u32 block, u32 slot, const char* name);
    // Zone 0: "unassigned" for the KVx000 family, else "default"; above 2000: "Zone not
    // available"; else the zone's name.
    int get_zone_name(u32 zone, char* dst);
    std::unique_ptr<char[]> get_zone_name(u32 zone);
    // Names of a CPU's viewers and annunciators. CPU above 63: an empty text and 1013.
    int get_viewer_name(u32 cpu, u32 index, char* dst);
    std::unique_ptr<char[]> get_viewer_name(u32 cpu, u32 index);
    int get_annunc_name(u32 cpu, u32 index, char* dst);
    std::unique_ptr<char[]> get_annunc_name(u32 cpu, u32 index);

    // First device block not bound to a board, else -1.
    int get_free_device_prog();
    // First free slot of a device block; -1 when full or out of range.
    int get_free_device(u32 block);
    // Devices on both lines of a device block; 0 above 63.
    u32 get_block_device_num(u32 block);
    bool is_device_used(u32 block, u32 slot);
    // Code class of the slot's device code; -1 out of range.
    int get_device_class(u32 block, u32 slot);
    u16 get_device_code(u32 block, u32 slot);
    u8 get_device_type(u32 block, u32 slot);
    // 0 out of range.
    u16 get_slot_zone(u32 block, u32 slot);
    // Copies the 43-byte record. Block above 63: a zero record and 1008.
    int get_device_record(u8* record, u32 block, u32 slot);
    // Finds the device through the status index; 1008 when absent.
    int get_device(u8* record, u32 cpu, u32 line, bool module, u32 address, u32 sub);
    // PackedAddress::none() when absent.
    PackedAddress get_packed_address(u32 cpu, u32 line, bool module, u32 address, u32 sub);
    // Zone of the programmed device at that address; 0 when no device answers.
    u16 get_device_zone(const PackedAddress& address);
    // The 11-byte device-info record of a slot (DeviceRef bytes 0 to 10); all 255 above 63.
    DeviceRef get_device_info(u32 block, u32 slot);
    // The device-info record of the device at an address; when none answers, a record of the
    // given address with the device fields at 255.
    DeviceRef find_device_info(u32 cpu, u32 line, bool module, u32 address, u32 sub);

    // What a device reference names in this configuration, each read under the block's lock.
    // The slot's class from the device block; the class the reference carries when it reaches
    // no slot.
    u32 get_device_class(const DeviceRef& ref);
    // The reference's effective loop address with the class above.
    int get_effective_address(const DeviceRef& ref);
    // Its address text with the class above (ADDRESS_TEXT_SIZE bytes).
    void make_address_text(const DeviceRef& ref, char* buffer);
    // dst (33 bytes) gets the slot's name, terminated. An empty text and 1013 for a block above
    // 63 or a slot above 699, 1008 when the name block has no current layout.
    int get_name(const DeviceRef& ref, char* dst);
    // The same as a new 33-byte array (an empty text on error).
    std::unique_ptr<char[]> get_name(const DeviceRef& ref);
    // Bytes 9-10 when below 2000, else the zone of the slot; a reference that reaches no slot
    // gives its own bytes.
    u16 get_zone(const DeviceRef& ref);
    // The slot's in-test bit; 0 when the reference reaches no slot.
    u8 get_test(const DeviceRef& ref);
    // 1008 for a block above 63, 1013 above slot 699, -1 when already empty.
    int delete_device(u32 block, u32 slot);
    // 1013 for a CPU above 63 or a board without a device block.
    int clear_line(u32 cpu, u32 line);
    // The device block of (cpu, ll) from the status index; 255 when none, 64 out of range.
    u32 get_device_prog_index(u32 cpu, u32 ll);
    // Devices on a line of a CPU; 0 when the board has no device block.
    u32 get_device_num(u32 cpu, u32 line);
    // The same by board: which 0 or 1 a line, 2 both.
    u32 get_device_num(u32 cpu, u32 ll, u32 which);
    bool is_type_enabled(u32 type) const;
    bool is_kind_type_enabled(bool module, u32 type) const;

private:
    u32 panel_family() const;
    // Binds device block i, its names and its auxiliary record to (cpu, ll); the device block
    // itself only when withDevices.
    void bind_block(u32 index, u8 cpu, u8 ll, bool withDevices);
    // The binding pass of check_coeherence.
    int bind_boards();
    // The body of check_zpxProg, run with the change reactions held.
    int check_zpx(bool repair);
    // Protocol bits of line index (0 or 1) of a board record byte.
    static u8 line_protocol(u8 boardByte, u32 index);
    // Bulk changes hold the change reactions back and run each needed one once at the end, on
    // the finished state rather than on every intermediate one.
    void hold_reactions() { ++m_held; }
    void release_reactions();

    // Declared before the blocks: they install their first layouts while the container is
    // still being built, and their change notices must not reach a half-built container.
    bool m_ready = false;
    // The status rebuild and the repair of the general block write blocks whose change notices
    // would start them again.
    bool m_inStatusRebuild = false;
    bool m_inZpxCheck = false;
    bool m_loading = false;
    u32 m_held = 0;
    u32 m_heldDevices = 0;
    // The compile's thread and the window's both reach these: atomic.
    std::atomic<bool> m_pendingZpx{false};
    std::atomic<bool> m_pendingDevices{false};

    ZpSignalQueue m_signals;
    ZpConfBlocks m_blocks;
    ZoneList m_zones;
    ZpConf* m_self;
    ZpStatus m_status;
    ZpModbus m_modbus;
    std::unique_ptr<ZpConfIO> m_io;
    std::atomic<u32> m_panelType;
    std::atomic<u8> m_networked{0};
    std::unique_ptr<u8[]> m_shadow;
    u32 m_tick = 0;
    u32 m_period = 10;
    bool m_periodic = true;
    SignalFn m_signalCallback = nullptr;
    u32 m_counter = 0;
    u16 m_sensSelection = 0;
};

extern ZpConf* const g_zpConf;

// Finds the device of a packed address in g_zpConf and copies its record; 1008 when absent.
int unpack_device_address(const PackedAddress& address, u8* record);
