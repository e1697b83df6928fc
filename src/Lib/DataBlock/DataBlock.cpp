#include "DataBlock/DataBlock.h"

#include "DataBlock/bytes.h"
#include "DataBlock/crc.h"
#include "OS/TraceLog.h"
#include "OS/os.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <vector>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
const char* const kUnit = "src/Lib/DataBlock/DataBlock";

// Where the blocks' bytes live. A panel configuration is a few megabytes in some hundreds of
// blocks, made while the program starts; taken from the heap, each 4 KB page of it costs a page
// fault of its own. One region, asking the system for large pages, takes them in a few faults.
// A block let go leaves its room to the next block of that size: a configuration's layouts come
// and go in the same sizes. Blocks that do not fit come from the heap.
class BlockStore {
public:
    // Never destroyed: static configurations give their blocks back while the program ends.
    static BlockStore& instance()
    {
        static BlockStore* const store = new BlockStore;
        return *store;
    }

    // size zeroed bytes.
    u8* take(u32 size)
    {
        const size_t room = roomFor(size);
        u8* kept = nullptr;
        {
            std::lock_guard<std::mutex> guard(m_lock);
            auto found = m_kept.find(room);
            if (found != m_kept.end() && !found->second.empty()) {
                kept = found->second.back();
                found->second.pop_back();
            } else if (m_base && room <= m_capacity - m_used) {
                // Never touched yet: the system gives it zeroed.
                u8* const fresh = m_base + m_used;
                m_used += room;
                return fresh;
            }
        }
        if (!kept)
            return new u8[size]();
        memset(kept, 0, size);
        return kept;
    }

    void give(u8* bytes, u32 size)
    {
        if (!bytes)
            return;
        if (!m_base || bytes < m_base || bytes >= m_base + m_capacity) {
            delete[] bytes;
            return;
        }
        std::lock_guard<std::mutex> guard(m_lock);
        m_kept[roomFor(size)].push_back(bytes);
    }

private:
    // Two large pages: the default configuration's blocks fill a little more, and a large page
    // counts whole in the program's memory once touched, however little of it is used.
    static constexpr size_t kLargePage = size_t(2) << 20;
    static constexpr size_t kCapacity = 2 * kLargePage;

    static size_t roomFor(u32 size) { return (size_t(size) + 63) & ~size_t(63); }

    BlockStore()
    {
#if defined(__linux__)
        // Reserved, not used: a page counts only once it is touched.
        void* mapped = mmap(nullptr, kCapacity + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1,
                            0);
        if (mapped == MAP_FAILED)
            return;
        u8* const start = static_cast<u8*>(mapped);
        u8* const aligned = reinterpret_cast<u8*>((reinterpret_cast<uintptr_t>(start) + kLargePage - 1)
                                                  & ~(kLargePage - 1));
        if (aligned > start)
            munmap(start, size_t(aligned - start));
        if (aligned + kCapacity < start + kCapacity + kLargePage)
            munmap(aligned + kCapacity, size_t(start + kCapacity + kLargePage - (aligned + kCapacity)));
        madvise(aligned, kCapacity, MADV_HUGEPAGE);
        m_base = aligned;
        m_capacity = kCapacity;
#endif
    }

    std::mutex m_lock;
    u8* m_base = nullptr;
    size_t m_capacity = 0;
    size_t m_used = 0;
    std::unordered_map<size_t, std::vector<u8*>> m_kept;
};
} // namespace

void DataBlock::IFace::GiveBack::operator()(u8* bytes) const
{
    BlockStore::instance().give(bytes, size);
}

DataBlock::IFace::IFace(DataBlock* owner, u32 size, u16 version)
    : m_size(size)
    , m_version(version)
    , m_data(size ? BlockStore::instance().take(size) : nullptr, GiveBack{size})
    , m_owner(owner)
{
}

DataBlock::IFace::~IFace() = default;

int DataBlock::IFace::convert(const IFace& previous)
{
    if (m_size && previous.m_data)
        memcpy(m_data.get(), previous.m_data.get(), std::min(m_size, previous.m_size));
    return -1;
}

int DataBlock::IFace::set_default()
{
    if (m_size)
        memset(m_data.get(), 0, m_size);
    return 0;
}

DataBlock::DataBlock(u8 dataType)
    : m_dataType(dataType)
    , m_lock(os_RWLockCreate())
{
}

DataBlock::~DataBlock()
{
    os_RWLockDelete(m_lock);
}

DataBlock::IFace* DataBlock::new_iface(u32 size, u16 version)
{
    return new IFace(this, size, version);
}

void DataBlock::on_change(const Notice&)
{
}

void DataBlock::on_crc_changed(u16)
{
}

int DataBlock::lock_read(u32 timeoutMs)
{
    return os_RWLockRead(m_lock, timeoutMs);
}

int DataBlock::lock_write(u32 timeoutMs)
{
    return os_RWLockWrite(m_lock, timeoutMs);
}

void DataBlock::unlock()
{
    if (m_modified.exchange(0) != 0) {
        if (m_layout && m_crcKnown) {
            m_crcPending = false;
            report_crc(m_knownCrc);
        } else if (m_layout && m_crcDeferred) {
            m_crcPending = true;
            m_crcCurrent = false;
        } else if (m_layout) {
            report_crc(crc(*m_layout));
        }
    }
    // Set only under the write lock and cleared by that hold's unlock: readers, which may
    // unlock side by side, never write it.
    if (m_crcKnown)
        m_crcKnown = false;
    os_RWLockUnlock(m_lock);
}

void DataBlock::report_crc(u16 crc)
{
    m_crc = crc;
    m_crcCurrent = true;
    on_crc_changed(crc);
}

void DataBlock::defer_crc(bool on)
{
    if (on) {
        m_crcDeferred = true;
        return;
    }
    if (lock_write() != 0)
        return;
    m_crcDeferred = false;
    if (m_crcPending) {
        m_crcPending = false;
        mark_modified();
        // A conversion often lays out again the very bytes the block held before it: their CRC
        // is known and is not run again.
        if (m_basis && m_layout && m_basis->size() == m_layout->size()
            && (m_layout->size() == 0 || memcmp(m_basis->data(), m_layout->data(), m_layout->size()) == 0)) {
            m_crcKnown = true;
            m_knownCrc = m_basisCrc;
        }
    }
    const std::unique_ptr<IFace> basis = std::move(m_basis);
    unlock();
}

u16 DataBlock::get_version()
{
    if (lock_read() != 0)
        return 0;
    const u16 version = m_layout ? m_layout->version() : 0;
    unlock();
    return version;
}

u16 DataBlock::crc(const IFace& layout)
{
    return crc16(layout.data(), layout.size());
}

void DataBlock::send_notice(u32 kind, u32 offset, u32 length)
{
    on_change(Notice{kind, m_dataType, offset, length});
}

int DataBlock::set_iface(IFace* layout)
{
    return install(layout, nullptr);
}

int DataBlock::set_iface(IFace* layout, u16 crc)
{
    return install(layout, &crc);
}

int DataBlock::install(IFace* layout, const u16* knownCrc)
{
    if (!layout)
        return ZP_ERR_PARAM;
    if (lock_write() != 0)
        return ZP_ERR_GENERIC;
    if (layout == m_layout.get()) {
        unlock();
        return ZP_UNCHANGED;
    }
    // While the CRC is deferred, the first layout replaced keeps its bytes with their CRC, if
    // that is current, until the deferral ends.
    if (m_crcDeferred && !knownCrc && !m_basis && m_layout && m_crcCurrent && !m_modified && !m_crcPending) {
        m_basis = std::move(m_layout);
        m_basisCrc = m_crc;
    }
    m_layout.reset(layout);
    m_crcCurrent = false;
    mark_modified();
    if (knownCrc) {
        m_crcKnown = true;
        m_knownCrc = *knownCrc;
    }
    unlock();
    send_notice(NOTICE_LAYOUT, 0, layout->size());
    return ZP_OK;
}

int DataBlock::get_data(void* dst, u32 length, u32 offset, u32* got)
{
    if (lock_read() != 0)
        return ZP_ERR_GENERIC;
    if (!m_layout) {
        log_location(kUnit, "get_data", __LINE__, "dataType:%d - Dati non validi all'indice 0\n", m_dataType);
        unlock();
        return ZP_ERR_NOT_FOUND;
    }
    const u32 size = m_layout->size();
    // Only a read of nothing from offset 0 of an empty block stays in range.
    if (offset >= size && (length != 0 || size > 0 || offset > 0)) {
        log_location(kUnit, "get_data", __LINE__, "dataType:%d - sforamento su dati richiesti a indice 0 (%d >= %d)\n",
                     m_dataType, int(offset), int(size));
        unlock();
        return ZP_ERR_RANGE;
    }
    // Length 0 means "to the end of the block".
    const u32 count = length ? std::min(length, size - offset) : size - offset;
    if (count)
        memcpy(dst, m_layout->data() + offset, count);
    if (got)
        *got = count;
    unlock();
    return ZP_OK;
}

int DataBlock::set_data(const void* src, u32 length, u32 offset)
{
    if (lock_write() != 0)
        return ZP_ERR_GENERIC;
    if (!m_layout) {
        log_location(kUnit, "set_data", __LINE__, "dataType:%d - Dati non validi all'indice 0\n", m_dataType);
        unlock();
        return ZP_ERR_NOT_FOUND;
    }
    const u32 size = m_layout->size();
    u32 written = length;
    if (offset != 0 || length != 0) {
        if (offset > size || length > size - offset) {
            log_location(kUnit, "set_data", __LINE__,
                         "dataType:%d - sforamento su dati richiesti a indice 0 (%d + %d > %d)\n", m_dataType,
                         int(offset), int(length), int(size));
            unlock();
            return ZP_ERR_RANGE;
        }
    } else {
        written = size;
    }
    if (written)
        memcpy(m_layout->data() + offset, src, written);
    mark_modified();
    unlock();
    send_notice(NOTICE_DATA, offset, written);
    return ZP_OK;
}

int DataBlock::check_range(u32 offset, u32 length) const
{
    const u32 size = get_size();
    return (offset > size || length > size - offset) ? ZP_ERR_RANGE : ZP_OK;
}

void DataBlock::set_file_name(const char* name)
{
    if (!name) {
        m_fileName.reset();
        return;
    }
    const size_t n = strlen(name) + 1;
    m_fileName.reset(new char[n]);
    memcpy(m_fileName.get(), name, n);
}

int DataBlock::load_file(FILE* file, u16 version, u16 expectedCrc)
{
    const long pos = ftell(file);
    const long total = long(os_FileSize(file)); // position is kept
    if (pos < 0 || total < pos)
        return ZP_ERR_READ;
    const u32 size = u32(total - pos);
    std::unique_ptr<IFace> layout(new_iface(size, version));
    if (!layout) {
        log_location(kUnit, "load_file", __LINE__, "Fallita creazione iface %d\n", m_dataType);
        return ZP_ERR_IFACE;
    }
    if (!m_fileName) {
        log_location(kUnit, "load_file", __LINE__, "dataType:%d non e' salvato su file\n", m_dataType);
        return ZP_ERR_NOT_FOUND;
    }
    if (layout->size() != size || fread(layout->data(), 1, size, file) != size) {
        log_location(kUnit, "load_file", __LINE__, "Errore lettura %s\n", m_fileName.get());
        return ZP_ERR_READ;
    }
    const u16 actual = crc(*layout);
    if (actual != expectedCrc) {
        log_location(kUnit, "load_file", __LINE__, "Crc fallito: %s\n", m_fileName.get());
        log_location(kUnit, "load_file", __LINE__, "crc 0x%04X != 0x%04X\n", actual, expectedCrc);
        return ZP_ERR_CRC;
    }
    m_layout = std::move(layout);
    report_crc(expectedCrc);
    return ZP_OK;
}

namespace {

// Opens the block's file and reads a header of headerSize bytes from its start.
FILE* open_with_header(const char* name, u8* header, size_t headerSize, int* result)
{
    FILE* f = name ? fopen(name, "rb") : nullptr;
    if (!f) {
        *result = ZP_ERR_NOT_FOUND;
        return nullptr;
    }
    if (fread(header, 1, headerSize, f) != headerSize) {
        fclose(f);
        *result = ZP_ERR_READ;
        return nullptr;
    }
    *result = ZP_OK;
    return f;
}

} // namespace

int DataBlock::load_v1_nolock()
{
    u8 header[7];
    int result;
    FILE* f = open_with_header(m_fileName.get(), header, sizeof header, &result);
    if (!f)
        return result;
    const u32 length = get_le32(header + 1);
    const s64 fileSize = os_FileSize(f);
    if (fileSize < s64(sizeof header) || s64(length) != fileSize - s64(sizeof header)) {
        log_location(kUnit, "load_v1_nolock", __LINE__, "check header %s: len=%d, fileSize=%d\n", m_fileName.get(),
                     int(length), int(fileSize));
        fclose(f);
        return ZP_ERR_FORMAT;
    }
    result = load_file(f, 0, get_le16(header + 5));
    fclose(f);
    return result;
}

int DataBlock::load_v2_nolock()
{
    u8 header[7];
    int result;
    FILE* f = open_with_header(m_fileName.get(), header, sizeof header, &result);
    if (!f)
        return result;
    result = load_file(f, 0, get_le16(header + 5));
    fclose(f);
    return result;
}

int DataBlock::load_v3_nolock()
{
    u8 header[8];
    int result;
    FILE* f = open_with_header(m_fileName.get(), header, sizeof header, &result);
    if (!f)
        return result;
    result = load_file(f, get_le16(header + 4), get_le16(header + 6));
    fclose(f);
    return result;
}
