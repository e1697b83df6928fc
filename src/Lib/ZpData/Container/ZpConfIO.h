#pragma once
// Reader and writer of the panel configuration image "CFG_IN.BIN". Versions 1 (no header),
// 2 (magic 0xA55ADEAD) and 3 (magic "O*K(", with the panel type) are read; version 3 is written.
//
//   version 3 header: u32 magic 0x284B2A4F, u16 data version, u8 block count, u8 panel type
//   version 2 header: u32 magic 0xA55ADEAD, u16 data version, u8 block count
//   element:          u8 dataType, u32 size, u16 CRC-16/MODBUS of the data, then the data
//   version 1:        the data of dataTypes 2, 3, ... each followed by its u16 CRC
#include "OS/types.h"
#include "ZpData/Layouts/DeviceStatusProg.h"

#include <cstdio>
#include <memory>

class ZpConf;
class SaveFile;
class ZpConfBlock;

namespace ZpData {
class IFace;
}

class ZpConfIO {
public:
    // The writers report the dataType of each block they write.
    typedef void (*ExportProgressFn)(int dataType);

    static constexpr u32 kMagicV3 = 0x284B2A4F; // "O*K("
    static constexpr u32 kMagicV2 = 0xA55ADEAD;
    static constexpr u32 kHeaderSizeV3 = 8;
    static constexpr u32 kHeaderSizeV2 = 7;
    static constexpr u32 kElementHeaderSize = 7;
    static constexpr u8 kFirstDataType = 2;
    static constexpr u8 kLastDataType = 199;
    // The version 1 reader stops before the status block, which every load rebuilds.
    static constexpr u8 kLastDataTypeV1 = 198;
    static constexpr u8 kBlockCount = 198;
    static constexpr u32 kChunkSize = 4096;

    struct Header {
        u32 magic = 0;
        u16 version = 0;
        u8 blockCount = 0;
        u8 panelType = 0xFF; // version 3 only
    };

    struct ElementHeader {
        u8 dataType = 0;
        u32 size = 0;
        u16 crc = 0;
    };

    explicit ZpConfIO(ZpConf* conf);

    ZpConf* get_conf() const { return m_conf; }

    // The bytes of an image being read: an open file, or an image already in memory.
    class Source {
    public:
        explicit Source(FILE* file)
            : m_file(file)
        {
        }
        Source(const u8* bytes, u32 size)
            : m_bytes(bytes)
            , m_size(size)
        {
        }
        // False when fewer than length bytes are left; what was there is consumed.
        bool read(void* dst, u32 length);
        void seek(u32 offset);

    private:
        FILE* m_file = nullptr;
        const u8* m_bytes = nullptr;
        u32 m_size = 0;
        u32 m_pos = 0;
    };

    // 0 (or the after-load chain's -1), 1008 file not found, 1015 read error, 1005 format,
    // 1018 CRC error, 1000 other, or a result of the after-load chain. On failure the blocks read
    // so far stay installed, validity stays cleared and the after-load chain is skipped.
    int import_bin(const char* path, ZpData::ProgressFn progress);
    // The same for an image already in memory; name is only for the trace.
    int import_bin(const u8* image, u32 size, const char* name, ZpData::ProgressFn progress);
    // Elements of a version 2 or 3 image, from the current position of source.
    int import_bin_v3(Source& source, const Header& header, ZpData::ProgressFn progress);
    // A version 1 image from the start of source.
    int import_bin_v1(Source& source, ZpData::ProgressFn progress);

    // Writes a version 3 image to a temporary file beside path and renames it over path once
    // every block was written, so a failed export never leaves a partial image and an existing
    // file survives it. 0, 1008 no path or cannot create, 1000 header or element
    // or data not written, data not readable, close or rename failed.
    int export_bin_v3(const char* path, ExportProgressFn progress);
    // The same for a version 1 image (dataTypes 2 to 199, each followed by its CRC).
    int export_bin_v1(const char* path, ExportProgressFn progress);
    // The image bodies on an open stream; the stream is neither flushed nor closed.
    int write_image_v3(FILE* file, ExportProgressFn progress);
    int write_image_v1(FILE* file, ExportProgressFn progress);
    // A version 3 image into a whole-file write not yet written to, which the caller commits,
    // with other files where they go in place together. 0, 1008 when out cannot be opened, or
    // 1000; out.error() gives the system's reason of a failed write.
    int write_image_v3(SaveFile& out, ExportProgressFn progress);

    // The panel type byte of a version 3 image; 255 for any other file or on error.
    static u8 read_panel_type(const char* path);

    // Byte codecs of the headers. decode_* return false when length is too short (and, for the
    // image header, when the magic is neither of the two).
    static bool decode_header(const u8* bytes, u32 length, Header* out);
    static void encode_header_v3(u8* out, u16 version, u8 blockCount, u8 panelType);
    static bool decode_element_header(const u8* bytes, u32 length, ElementHeader* out);
    static void encode_element_header(u8* out, u8 dataType, u32 size, u16 crc);

private:
    // A layout of the current version is made for block at once; an older one is detached, so
    // the block only ever receives current layouts.
    ZpData::IFace* new_layout(ZpConfBlock* block, u16 version);
    // Brings a layout read in an older data version up to the current one, the intermediate
    // steps detached from any block and the last one bound to block, so that the block only
    // ever sees current layouts. Takes ownership of layout; null on failure with *result set.
    ZpData::IFace* upgrade_detached(ZpConfBlock* block, ZpData::IFace* layout, int* result);
    // Reads the elements of a version 2 or 3 image into layouts and their checked CRCs into crcs
    // (both indexed by dataType); a later element of the same dataType replaces an earlier one.
    int read_elements(Source& source, const Header& header, ZpData::ProgressFn progress,
                      std::unique_ptr<ZpData::IFace>* layouts, u16* crcs);
    // Installs a layout read from an image, whose data has the CRC crc, converted to the current
    // version first.
    int install(ZpConfBlock* block, ZpData::IFace* layout, u16 crc);
    // An import from the start of source; name is only for the trace.
    int import_source(Source& source, const char* name, ZpData::ProgressFn progress);
    int upgrade_all();
    int export_to_temp(const char* path, bool v3, ExportProgressFn progress);
    // Where an image goes: a stream, or a whole-file write, which keeps the reason of a failure.
    struct Sink {
        FILE* file;
        SaveFile* save;
        bool write(const void* data, u32 length);
    };
    int write_image_v3(Sink& out, ExportProgressFn progress);
    int write_image_v1(Sink& out, ExportProgressFn progress);
    // Writes size bytes of one block straight from its layout; 0, or 1000 when the block cannot be
    // read or the write fails.
    int write_block_data(Sink& out, ZpConfBlock* block, u32 size);

    ZpConf* m_conf;
};
