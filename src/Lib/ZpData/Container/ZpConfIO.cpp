#include "ZpData/Container/ZpConfIO.h"

#include "DataBlock/bytes.h"
#include "DataBlock/crc.h"
#include "OS/SaveFile.h"
#include "OS/TraceLog.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Layouts/interface.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpConfIO";

} // namespace

bool ZpConfIO::Source::read(void* dst, u32 length)
{
    if (m_file)
        return std::fread(dst, 1, length, m_file) == length;
    const u32 left = m_pos < m_size ? m_size - m_pos : 0;
    const u32 count = std::min(length, left);
    if (count)
        std::memcpy(dst, m_bytes + m_pos, count);
    m_pos += count;
    return count == length;
}

void ZpConfIO::Source::seek(u32 offset)
{
    if (m_file)
        std::fseek(m_file, long(offset), SEEK_SET);
    else
        m_pos = offset;
}

ZpConfIO::ZpConfIO(ZpConf* conf)
    : m_conf(conf)
{
}

// --- header codecs ---

bool ZpConfIO::decode_header(const u8* bytes, u32 length, Header* out)
{
    if (!bytes || !out || length < 4)
        return false;
    Header h;
    h.magic = get_le32(bytes);
    if (h.magic == kMagicV3) {
        if (length < kHeaderSizeV3)
            return false;
        h.panelType = bytes[7];
    } else if (h.magic == kMagicV2) {
        if (length < kHeaderSizeV2)
            return false;
    } else {
        return false;
    }
    h.version = get_le16(bytes + 4);
    h.blockCount = bytes[6];
    *out = h;
    return true;
}

void ZpConfIO::encode_header_v3(u8* out, u16 version, u8 blockCount, u8 panelType)
{
    put_le32(out, kMagicV3);
    put_le16(out + 4, version);
    out[6] = blockCount;
    out[7] = panelType;
}

bool ZpConfIO::decode_element_header(const u8* bytes, u32 length, ElementHeader* out)
{
    if (!bytes || !out || length < kElementHeaderSize)
        return false;
    out->dataType = bytes[0];
    out->size = get_le32(bytes + 1);
    out->crc = get_le16(bytes + 5);
    return true;
}

void ZpConfIO::encode_element_header(u8* out, u8 dataType, u32 size, u16 crc)
{
    out[0] = dataType;
    put_le32(out + 1, size);
    put_le16(out + 5, crc);
}

// --- import ---

int ZpConfIO::import_bin(const char* path, ZpData::ProgressFn progress)
{
    m_conf->get_blocks().set_valid_all_if_changed(false);
    log_printf(1, "Import Config %s started\n", path ? path : "");
    FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        log_printf(1, "Import Cfg file <%s> non found\n", path ? path : "");
        return ZP_ERR_NOT_FOUND;
    }
    Source source(file);
    const int result = import_source(source, path, progress);
    std::fclose(file);
    return result;
}

int ZpConfIO::import_bin(const u8* image, u32 size, const char* name, ZpData::ProgressFn progress)
{
    m_conf->get_blocks().set_valid_all_if_changed(false);
    log_printf(1, "Import Config %s started\n", name ? name : "");
    if (!image) {
        log_printf(1, "Import Cfg file <%s> non found\n", name ? name : "");
        return ZP_ERR_NOT_FOUND;
    }
    Source source(image, size);
    return import_source(source, name, progress);
}

int ZpConfIO::import_source(Source& source, const char* name, ZpData::ProgressFn progress)
{
    u8 head[kHeaderSizeV3];
    if (!source.read(head, sizeof head)) {
        log_printf(1, "file <%s> errore lettura\n", name ? name : "");
        return ZP_ERR_READ;
    }
    ZpConfBlocks& blocks = m_conf->get_blocks();
    bool locked[kLastDataType + 1] = {};
    for (u32 dt = kFirstDataType; dt <= kLastDataType; ++dt)
        if (ZpConfBlock* block = m_conf->find_block(dt))
            locked[dt] = block->lock_write() == 0;

    m_conf->set_loading(true);
    // One status rebuild at the end instead of one per installed device block.
    m_conf->hold_device_reactions();
    // The general block's change reaction binds its boards' blocks one by one; their CRCs are
    // run once, before the blocks become valid, and not at every binding.
    blocks.defer_crc(true);
    int result;
    Header header;
    if (decode_header(head, kHeaderSizeV3, &header) && header.magic == kMagicV3) {
        log_printf(1, "Import v3 Cfg %04X\n", header.version);
        source.seek(kHeaderSizeV3);
        result = import_bin_v3(source, header, progress);
    } else if (decode_header(head, kHeaderSizeV3, &header)) {
        log_printf(1, "Import v2 Cfg %04X\n", header.version);
        source.seek(kHeaderSizeV2);
        result = import_bin_v3(source, header, progress);
    } else {
        result = import_bin_v1(source, progress);
    }
    blocks.defer_crc(false);
    m_conf->set_loading(false);

    if (result == ZP_OK) {
        if (ZpConfBlock* block = m_conf->find_block(ZpData_v2602::ZpxProg::kDataType)) {
            if (block->lock_write() == 0) {
                if (auto* zpx = dynamic_cast<ZpData::IF_ZpxProg*>(block->get_iface()))
                    m_conf->set_panel_type(zpx->get_panel_type());
                block->unlock();
            }
        }
        blocks.set_valid_all_if_changed(true);
        // So for the binding that ends the load.
        blocks.defer_crc(true);
        m_conf->release_device_reactions(false);
        result = m_conf->post_load(progress);
        blocks.defer_crc(false);
    } else {
        m_conf->release_device_reactions(true);
    }

    for (u32 dt = kFirstDataType; dt <= kLastDataType; ++dt)
        if (locked[dt])
            m_conf->find_block(dt)->unlock();
    log_printf(1, "Import Config completed\n");
    return result;
}

int ZpConfIO::import_bin_v3(Source& source, const Header& header, ZpData::ProgressFn progress)
{
    // The elements are installed once read, in ascending dataType order: the general block then
    // comes before the blocks bound to its boards whatever order the file has, and its change
    // reaction cannot clear or rebind the devices and names the same file brings. After a
    // failure the elements read before it are installed all the same.
    std::unique_ptr<ZpData::IFace> layouts[kLastDataType + 1];
    u16 crcs[kLastDataType + 1] = {};
    const int result = read_elements(source, header, progress, layouts, crcs);
    for (u32 dt = 0; dt <= kLastDataType; ++dt) {
        if (!layouts[dt])
            continue;
        const int installed = install(m_conf->get_blocks()[dt], layouts[dt].release(), crcs[dt]);
        if (installed > 0)
            return result != ZP_OK ? result : installed;
    }
    return result != ZP_OK ? result : upgrade_all();
}

int ZpConfIO::read_elements(Source& source, const Header& header, ZpData::ProgressFn progress,
                            std::unique_ptr<ZpData::IFace>* layouts, u16* crcs)
{
    for (u32 n = 0; n < header.blockCount; ++n) {
        u8 raw[kElementHeaderSize];
        ElementHeader element;
        if (!source.read(raw, sizeof raw) || !decode_element_header(raw, sizeof raw, &element)) {
            log_location(kUnit, "import_bin_v3", __LINE__, "too few blocks (%u < %u)\n", n, u32(header.blockCount));
            return ZP_ERR_FORMAT;
        }
        log_location(kUnit, "import_bin_v3", __LINE__, "Read dataType=%d size=%d crc=%04X\n", element.dataType,
                     int(element.size), element.crc);
        if (progress)
            progress("Read", element.dataType);
        if (element.dataType > kLastDataType) {
            log_location(kUnit, "import_bin_v3", __LINE__, "invalid datatype (%u)\n", u32(element.dataType));
            return ZP_ERR_FORMAT;
        }
        ZpConfBlock* block = m_conf->get_blocks()[element.dataType];
        std::unique_ptr<ZpData::IFace> layout(block ? new_layout(block, header.version) : nullptr);
        if (!layout) {
            log_location(kUnit, "import_bin_v3", __LINE__, "ZpData::new_iface FAIL\n");
            return ZP_ERR_GENERIC;
        }
        if (layout->size() != element.size) {
            log_location(kUnit, "import_bin_v3", __LINE__, "Size mismatch (%d != %d)\n", int(layout->size()),
                         int(element.size));
            return ZP_ERR_GENERIC;
        }
        if (!source.read(layout->data(), layout->size())) {
            log_location(kUnit, "import_bin_v3", __LINE__, "Can't read\n");
            return ZP_ERR_READ;
        }
        const u16 crc = crc16(layout->data(), layout->size());
        if (crc != element.crc) {
            log_location(kUnit, "import_bin_v3", __LINE__, "Crc err (%04X != %04X)\n", crc, element.crc);
            return ZP_ERR_CRC;
        }
        log_location(kUnit, "import_bin_v3", __LINE__, "L_ImportCfg dataType=%d crc=%04X size=%d\n", element.dataType,
                     crc, int(layout->size()));
        layouts[element.dataType] = std::move(layout);
        crcs[element.dataType] = crc;
    }
    return ZP_OK;
}

int ZpConfIO::import_bin_v1(Source& source, ZpData::ProgressFn progress)
{
    log_location(kUnit, "import_bin_v1", __LINE__, "Import Cfg\n");
    source.seek(0);
    u16 version = kDataVersion2600;
    for (u32 dt = kFirstDataType; dt <= kLastDataTypeV1; ++dt) {
        if (progress)
            progress("Read", int(dt));
        ZpConfBlock* block = m_conf->find_block(dt);
        ZpData::IFace* layout = block ? new_layout(block, version) : nullptr;
        if (!block || !layout) {
            log_location(kUnit, "import_bin_v1", __LINE__, "ZpData::new_iface FAIL\n");
            delete layout;
            return ZP_ERR_GENERIC;
        }
        std::unique_ptr<ZpData::IFace> owned(layout);
        if (!source.read(layout->data(), layout->size())) {
            log_location(kUnit, "import_bin_v1", __LINE__, "Can't read\n");
            return ZP_ERR_READ;
        }
        if (dt == kFirstDataType) {
            // The general block opens with the data version of the whole file.
            const u16 fileVersion = get_le16(layout->data());
            if (fileVersion != kDataVersion2600 && fileVersion != kDataVersion2601) {
                log_location(kUnit, "import_bin_v1", __LINE__, "ZpData VERSION 0x%.4X invalid for bin v1\n",
                             fileVersion);
                return ZP_ERR_FORMAT;
            }
            if (fileVersion == kDataVersion2601) {
                log_location(kUnit, "import_bin_v1", __LINE__, "Check ZpData_curr::VERSION already 0x2601\n");
                ZpData::IFace* again = ZpData::new_iface(m_conf, nullptr, dt, 0, kDataVersion2601);
                if (!again) {
                    log_location(kUnit, "import_bin_v1", __LINE__, "ZpData::new_iface FAIL\n");
                    return ZP_ERR_GENERIC;
                }
                std::memcpy(again->data(), layout->data(), again->size());
                owned.reset(again);
                layout = again;
                version = kDataVersion2601;
            } else {
                log_location(kUnit, "import_bin_v1", __LINE__, "Check ZpData_curr::VERSION OK\n");
            }
        }
        u8 raw[2];
        if (!source.read(raw, sizeof raw)) {
            log_location(kUnit, "import_bin_v1", __LINE__, "Can't read\n");
            return ZP_ERR_READ;
        }
        const u16 stored = get_le16(raw);
        const u16 crc = crc16(layout->data(), layout->size());
        if (crc != stored) {
            log_location(kUnit, "import_bin_v1", __LINE__, "Crc err (%04X != %04X)\n", crc, stored);
            return ZP_ERR_CRC;
        }
        log_location(kUnit, "import_bin_v1", __LINE__, "L_ImportCfg dataType=%d crc=%04X size=%d\n", int(dt), crc,
                     int(layout->size()));
        const int installed = install(block, owned.release(), crc);
        if (installed > 0)
            return installed;
    }
    log_location(kUnit, "import_bin_v1", __LINE__, "Import Cfg ok\n");
    return upgrade_all();
}

ZpData::IFace* ZpConfIO::new_layout(ZpConfBlock* block, u16 version)
{
    if (version == g_zpDataVersion)
        return ZpData::new_iface(block, 0, version);
    return ZpData::new_iface(m_conf, nullptr, block->get_data_type(), 0, version);
}

ZpData::IFace* ZpConfIO::upgrade_detached(ZpConfBlock* block, ZpData::IFace* layout, int* result)
{
    std::unique_ptr<ZpData::IFace> current(layout);
    int from = -1;
    int to = -1;
    for (int i = 0; g_zpDataVersions[i] != kDataVersionEnd; ++i) {
        if (g_zpDataVersions[i] == current->version())
            from = i;
        if (g_zpDataVersions[i] == g_zpDataVersion)
            to = i;
    }
    if (from < 0 || to < 0 || from > to) {
        *result = ZP_ERR_PARAM;
        return nullptr;
    }
    const u8 dt = block->get_data_type();
    for (int i = from; i < to; ++i) {
        const u16 next = g_zpDataVersions[i + 1];
        log_printf(1, "Importing dataype %d %04X -> %04X\n", dt, g_zpDataVersions[i], next);
        ZpData::IFace* fresh = i + 1 == to ? ZpData::new_iface(block, 0, next)
                                           : ZpData::new_iface(m_conf, nullptr, dt, 0, next);
        if (!fresh) {
            *result = ZP_ERR_IFACE;
            return nullptr;
        }
        std::unique_ptr<ZpData::IFace> step(fresh);
        const int converted = step->convert(*current);
        if (converted > 0) {
            *result = converted;
            return nullptr;
        }
        current = std::move(step);
    }
    *result = ZP_OK;
    return current.release();
}

int ZpConfIO::install(ZpConfBlock* block, ZpData::IFace* layout, u16 crc)
{
    int result = ZP_OK;
    const bool upgrade = layout->version() != g_zpDataVersion;
    ZpData::IFace* current = upgrade ? upgrade_detached(block, layout, &result) : layout;
    if (!current)
        return result;
    // The CRC was checked over these very bytes; an upgraded layout has new ones.
    if (!upgrade)
        block->set_iface(current, crc);
    else
        block->set_iface(current);
    return ZP_OK;
}

int ZpConfIO::upgrade_all()
{
    for (u32 dt = kFirstDataType; dt <= kLastDataType; ++dt) {
        ZpConfBlock* block = m_conf->find_block(dt);
        if (!block)
            continue;
        const int result = block->update(g_zpDataVersion);
        if (result != ZP_OK)
            return result;
    }
    return ZP_OK;
}

// --- export ---

bool ZpConfIO::Sink::write(const void* data, u32 length)
{
    return save ? save->write(data, length) : std::fwrite(data, 1, length, file) == length;
}

int ZpConfIO::write_block_data(Sink& out, ZpConfBlock* block, u32 size)
{
    // Straight from the block under its read lock: a large write bypasses the stream's buffer.
    if (block->lock_read() != ZP_OK) {
        log_location(kUnit, "export_bin_v3", __LINE__, "get data failed!\n");
        return ZP_ERR_GENERIC;
    }
    const DataBlock::IFace* layout = block->get_iface();
    const u32 count = layout ? std::min(size, layout->size()) : 0;
    const bool missing = size != 0 && !layout;
    const bool written = missing || count == 0 || out.write(layout->data(), count);
    block->unlock();
    if (missing) {
        log_location(kUnit, "export_bin_v3", __LINE__, "get data failed!\n");
        return ZP_ERR_GENERIC;
    }
    if (!written) {
        log_location(kUnit, "export_bin_v3", __LINE__, "write failed!\n");
        return ZP_ERR_GENERIC;
    }
    return ZP_OK;
}

int ZpConfIO::write_image_v3(FILE* file, ExportProgressFn progress)
{
    Sink out{file, nullptr};
    return write_image_v3(out, progress);
}

int ZpConfIO::write_image_v1(FILE* file, ExportProgressFn progress)
{
    Sink out{file, nullptr};
    return write_image_v1(out, progress);
}

int ZpConfIO::write_image_v3(SaveFile& out, ExportProgressFn progress)
{
    FILE* file = out.open();
    if (!file)
        return ZP_ERR_NOT_FOUND;
    Sink sink{file, &out};
    return write_image_v3(sink, progress);
}

int ZpConfIO::write_image_v3(Sink& out, ExportProgressFn progress)
{
    ZpConfBlock* general = m_conf->find_block(ZpData_v2602::ZpxProg::kDataType);
    // The header names the version the blocks are held in, so it never contradicts their sizes.
    const u16 version = general ? general->get_version() : g_zpDataVersion;
    u8 head[kHeaderSizeV3];
    encode_header_v3(head, version, kBlockCount, u8(m_conf->get_panel_type()));
    if (!out.write(head, sizeof head)) {
        log_location(kUnit, "export_bin_v3", __LINE__, "write header failed!\n");
        return ZP_ERR_GENERIC;
    }
    // The position is counted here rather than asked of the stream: each ftell costs a seek.
    const long start = std::ftell(out.file);
    unsigned long written = 0;
    for (u32 dt = kFirstDataType; dt <= kLastDataType; ++dt) {
        ZpConfBlock* block = m_conf->find_block(dt);
        u16 crc = 0;
        u32 size = 0;
        if (block && block->lock_read() == 0) {
            if (const DataBlock::IFace* layout = block->get_iface()) {
                size = layout->size();
                crc = DataBlock::crc(*layout);
            }
            block->unlock();
        }
        log_location(kUnit, "export_bin_v3", __LINE__, "Write dataType = %d (%lu bytes)\n", int(dt),
                     static_cast<unsigned long>(size));
        if (progress)
            progress(int(dt));
        u8 element[kElementHeaderSize];
        encode_element_header(element, u8(dt), size, crc);
        if (!out.write(element, sizeof element)) {
            log_location(kUnit, "export_bin_v3", __LINE__, "write elem_header failed!\n");
            return ZP_ERR_GENERIC;
        }
        if (!block) {
            log_location(kUnit, "export_bin_v3", __LINE__, "get data failed!\n");
            return ZP_ERR_GENERIC;
        }
        const int result = write_block_data(out, block, size);
        if (result != ZP_OK)
            return result;
        written += kElementHeaderSize + size;
        const long pos = start < 0 ? -1 : long(start + written);
        log_location(kUnit, "export_bin_v3", __LINE__, "L_ExportCfg dataType=%d crc=%04X\n", int(dt), crc);
        log_location(kUnit, "export_bin_v3", __LINE__, "bin file pos = 0x%0X\n", unsigned(pos));
    }
    return ZP_OK;
}

int ZpConfIO::write_image_v1(Sink& out, ExportProgressFn progress)
{
    std::unique_ptr<u8[]> buffer(new u8[kChunkSize]);
    for (u32 dt = kFirstDataType; dt <= kLastDataType; ++dt) {
        ZpConfBlock* block = m_conf->find_block(dt);
        if (!block) {
            log_location(kUnit, "export_bin_v1", __LINE__, "get data failed!\n");
            return ZP_ERR_GENERIC;
        }
        u16 crc = 0;
        u32 size = 0;
        if (block->lock_read() == 0) {
            if (const DataBlock::IFace* layout = block->get_iface()) {
                size = layout->size();
                crc = DataBlock::crc(*layout);
            }
            block->unlock();
        }
        log_location(kUnit, "export_bin_v1", __LINE__, "Write dataType = %d (%lu bytes)\n", int(dt),
                     static_cast<unsigned long>(size));
        if (progress)
            progress(int(dt));
        u32 offset = 0;
        u32 got = kChunkSize;
        while (got == kChunkSize && offset < size) {
            got = 0;
            if (block->get_data(buffer.get(), kChunkSize, offset, &got) != ZP_OK) {
                std::memset(buffer.get(), 0xAA, kChunkSize);
                log_location(kUnit, "export_bin_v1", __LINE__, "get data failed!\n");
                return ZP_ERR_GENERIC;
            }
            log_location(kUnit, "export_bin_v1", __LINE__, "L_ExportCfg dataType=%d offset=%d\n", int(dt), int(offset));
            if (!out.write(buffer.get(), got)) {
                log_location(kUnit, "export_bin_v1", __LINE__, "write failed!\n");
                return ZP_ERR_GENERIC;
            }
            offset += got;
        }
        u8 raw[2];
        put_le16(raw, crc);
        log_location(kUnit, "export_bin_v1", __LINE__, "L_ExportCfg dataType=%d crc=%d\n", int(dt), crc);
        if (!out.write(raw, sizeof raw)) {
            log_location(kUnit, "export_bin_v1", __LINE__, "write crc failed!\n");
            return ZP_ERR_GENERIC;
        }
    }
    return ZP_OK;
}

int ZpConfIO::export_to_temp(const char* path, bool v3, ExportProgressFn progress)
{
    const char* const function = v3 ? "export_bin_v3" : "export_bin_v1";
    if (!path || !*path) {
        log_location(kUnit, function, __LINE__, "Can't open file\n");
        return ZP_ERR_NOT_FOUND;
    }
    // Every write has a temporary of its own: two compiles into one folder each put a whole
    // image in place, and a failed one leaves the image there was.
    SaveFile out(path);
    FILE* file = out.open();
    if (!file) {
        log_location(kUnit, function, __LINE__, "Can't open file\n");
        return ZP_ERR_NOT_FOUND;
    }
    Sink sink{file, &out};
    const int result = v3 ? write_image_v3(sink, progress) : write_image_v1(sink, progress);
    if (result != ZP_OK)
        return result;
    if (out.commit() != ZP_OK) {
        log_location(kUnit, function, __LINE__, "close failed!\n");
        return ZP_ERR_GENERIC;
    }
    log_location(kUnit, function, __LINE__, "Write cfg ok\n");
    return ZP_OK;
}

int ZpConfIO::export_bin_v3(const char* path, ExportProgressFn progress)
{
    log_location(kUnit, "export_bin_v3", __LINE__, "Export Cfg v3\n");
    return export_to_temp(path, true, progress);
}

int ZpConfIO::export_bin_v1(const char* path, ExportProgressFn progress)
{
    log_location(kUnit, "export_bin_v1", __LINE__, "Export Cfg\n");
    return export_to_temp(path, false, progress);
}

u8 ZpConfIO::read_panel_type(const char* path)
{
    FILE* file = path ? std::fopen(path, "rb") : nullptr;
    if (!file) {
        log_printf(1, "Import Cfg file <%s> non found\n", path ? path : "");
        return 0xFF;
    }
    u8 head[kHeaderSizeV3];
    const bool read = Source(file).read(head, sizeof head);
    std::fclose(file);
    if (!read) {
        log_printf(1, "file <%s> errore lettura\n", path);
        return 0xFF;
    }
    Header header;
    if (!decode_header(head, kHeaderSizeV3, &header) || header.magic != kMagicV3)
        return 0xFF;
    return header.panelType;
}
