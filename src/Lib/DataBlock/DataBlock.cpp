#include "DataBlock/DataBlock.h"

#include "DataBlock/bytes.h"
#include "DataBlock/crc.h"
#include "OS/TraceLog.h"
#include "OS/os.h"

#include <algorithm>
#include <cstring>

namespace {
const char* const kUnit = "src/Lib/DataBlock/DataBlock";
}

DataBlock::IFace::IFace(DataBlock* owner, u32 size, u16 version)
    : m_size(size)
    , m_version(version)
    , m_data(size ? new u8[size]() : nullptr)
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
    if (m_modified) {
        m_modified = 0;
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
    if (offset >= size && (length != 0 || size > 0)) {
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
