// Fuzz target of the panel image reader. The input is a small recipe that builds an image from
// the blocks of the sample plant (SamplePlant.h) in data version 0x2602 and from the library's
// default layouts in the older ones, so every input is a nearly valid image of a few blocks and
// the reader is reached far beyond its header checks:
//
//   0     image kind in bits 0-1 (0 and 3 version 3, 1 version 2, 2 version 1); data version in
//         bits 2-3 (0x2600, 0x2601, 0x2602, or 3: the raw value of bytes 6-7)
//   1     panel type of a version 3 header
//   2     signed adjustment of the header's block count to the number of elements
//   3     number of elements, modulo 9
//   4-5   bytes cut off the end of the image
//   6-7   raw data version
//   then  per element 3 bytes: dataType (version 1: ignored, the blocks follow from 2), flags,
//         signed delta. Flags: bit 0 CRC off by one, bit 1 data of the next data version, bit 2
//         data resized by delta, bit 3 size field off by delta
//   then  patches to the end: target (255: the whole image, else an element), u16 offset,
//         length modulo 33, the bytes
//
// The image goes through the real import_bin, which must end in one of its result codes and
// leave, when it succeeds, every block in the current data version.
#include "FuzzTarget.h"

#include "DataBlock/crc.h"
#include "FuzzConf.h"
#include "OS/types.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Layouts/interface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <stdlib.h> // mkstemp

namespace {

const char kTarget[] = "fuzz_import_bin";
constexpr size_t kRecipeHeader = 8;
constexpr u32 kMaxElements = 9;

std::string g_path;
FuzzConf* g_fuzzConf = nullptr;
ZpConf* g_conf = nullptr;

bool is_result_code(int result)
{
    switch (result) {
    case ZP_OK:
    case ZP_UNCHANGED:
    case ZP_ERR_GENERIC:
    case ZP_ERR_NULL_HANDLE:
    case ZP_ERR_PARAM:
    case ZP_ERR_FORMAT:
    case ZP_ERR_IFACE:
    case ZP_ERR_NOT_FOUND:
    case ZP_ERR_FULL:
    case ZP_ERR_NO_STATUS:
    case ZP_ERR_RANGE:
    case ZP_ERR_READ:
    case ZP_ERR_CRC: return true;
    default: return false;
    }
}

u16 data_version(u8 form, const u8* recipe)
{
    static const u16 kVersions[3] = {kDataVersion2600, kDataVersion2601, kDataVersion2602};
    const u32 index = (form >> 2) & 3;
    return index < 3 ? kVersions[index] : u16(recipe[6] | recipe[7] << 8);
}

u16 next_version(u16 version)
{
    return version == kDataVersion2600 ? kDataVersion2601 : kDataVersion2602;
}

// The bytes of an element: the sample plant's block in the current data version, else the
// default bytes of the layout, made once per dataType and data version; empty when the library
// has no such layout.
const std::vector<u8>& element_data(u8 dataType, u16 version)
{
    if (version == g_zpDataVersion && dataType >= 2 && dataType <= 198)
        return g_fuzzConf->bytes(dataType);
    static std::map<u32, std::vector<u8>> cache;
    const u32 key = u32(dataType) << 16 | version;
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    std::vector<u8>& bytes = cache[key];
    std::unique_ptr<ZpData::IFace> layout(ZpData::new_iface(nullptr, nullptr, dataType, 0, version));
    if (layout) {
        layout->set_default();
        bytes.assign(layout->data(), layout->data() + layout->size());
    }
    return bytes;
}

void put_le(std::vector<u8>& out, u32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(u8(value >> (8 * i)));
}

struct Patch {
    u8 target;
    u16 offset;
    std::vector<u8> bytes;
};

void apply(std::vector<u8>& data, const Patch& patch)
{
    if (data.empty())
        return;
    const size_t at = patch.offset % data.size();
    for (size_t i = 0; i < patch.bytes.size() && at + i < data.size(); ++i)
        data[at + i] = patch.bytes[i];
}

std::vector<u8> build_image(const u8* recipe, size_t size)
{
    std::vector<u8> header(kRecipeHeader, 0);
    std::copy(recipe, recipe + std::min(size, kRecipeHeader), header.begin());
    const u8 form = header[0];
    const u32 kind = form & 3;
    const u16 version = data_version(form, header.data());
    const u32 count = header[3] % kMaxElements;
    const u32 cut = header[4] | header[5] << 8;

    size_t at = std::min(size, kRecipeHeader);
    auto next = [&]() -> u8 { return at < size ? recipe[at++] : 0; };
    struct Element {
        u8 dataType, flags;
        int delta;
    };
    std::vector<Element> elements;
    for (u32 i = 0; i < count; ++i) {
        const u8 dt = next();
        const u8 flags = next();
        elements.push_back({kind == 2 ? u8(2 + i) : dt, flags, int(int8_t(next()))});
    }
    std::vector<Patch> patches;
    while (at < size) {
        Patch p;
        p.target = next();
        p.offset = u16(next() | next() << 8);
        const u32 length = next() % 33;
        for (u32 i = 0; i < length && at < size; ++i)
            p.bytes.push_back(next());
        patches.push_back(p);
    }

    std::vector<u8> image;
    if (kind != 2) {
        const u8 blockCount = u8(count + int8_t(header[2]));
        if (kind == 1) {
            put_le(image, ZpConfIO::kMagicV2, 4);
            put_le(image, version, 2);
            image.push_back(blockCount);
        } else {
            image.resize(ZpConfIO::kHeaderSizeV3);
            ZpConfIO::encode_header_v3(image.data(), version, blockCount, header[1]);
        }
    }
    for (u32 i = 0; i < elements.size(); ++i) {
        const Element& e = elements[i];
        std::vector<u8> data = element_data(e.dataType, e.flags & 2 ? next_version(version) : version);
        if (e.flags & 4)
            data.resize(size_t(std::max(0, int(data.size()) + e.delta)));
        for (const Patch& p : patches)
            if (p.target != 255 && p.target % count == i)
                apply(data, p);
        const u16 crc = u16(crc16(data.data(), u32(data.size())) + (e.flags & 1));
        if (kind == 2) {
            image.insert(image.end(), data.begin(), data.end());
            put_le(image, crc, 2);
            continue;
        }
        u8 head[ZpConfIO::kElementHeaderSize];
        const u32 declared = e.flags & 8 ? u32(int(data.size()) + e.delta) : u32(data.size());
        ZpConfIO::encode_element_header(head, e.dataType, declared, crc);
        image.insert(image.end(), head, head + sizeof head);
        image.insert(image.end(), data.begin(), data.end());
    }
    for (const Patch& p : patches)
        if (p.target == 255)
            apply(image, p);
    image.resize(cut < image.size() ? image.size() - cut : 0);
    return image;
}

// A recipe of the given header and elements of dataTypes with no flags.
std::string recipe(u8 form, u8 panelType, std::initializer_list<u8> dataTypes)
{
    std::string r = {char(form), char(panelType), 0, char(dataTypes.size()), 0, 0, 0, 0};
    for (u8 dt : dataTypes)
        r += std::string{char(dt), 0, 0};
    return r;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Every input is a file written and read back.
    g_path = fuzz_scratch_file(kTarget);
    // One container for the whole run, emptied before each input so that runs do not depend on
    // each other.
    g_fuzzConf = new FuzzConf(kTarget);
    g_conf = g_fuzzConf->get();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<u8> image = build_image(data, size);
    FILE* file = std::fopen(g_path.c_str(), "wb");
    if (!file || std::fwrite(image.data(), 1, image.size(), file) != image.size() || std::fclose(file) != 0)
        fuzz_fail(kTarget, "cannot write the image");
    g_fuzzConf->reset(0);
    const int result = g_conf->get_io().import_bin(g_path.c_str(), nullptr);
    if (!is_result_code(result))
        fuzz_fail(kTarget, "import_bin returned %d, not a result code", result);
    if (result > 0)
        return 0;
    for (u32 dt = ZpConfIO::kFirstDataType; dt <= ZpConfIO::kLastDataType; ++dt) {
        ZpConfBlock* block = g_conf->find_block(dt);
        const DataBlock::IFace* layout = block ? block->get_iface() : nullptr;
        if (layout && layout->version() != g_zpDataVersion)
            fuzz_fail(kTarget, "dataType %u left in version %04X after a load", dt, layout->version());
    }
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    const u8 v3 = 0, v2 = 1, v1 = 2;
    const u8 v2600 = 0 << 2, v2601 = 1 << 2, v2602 = 2 << 2;
    bool ok = fuzz_save(dir, "v3_2602_empty", recipe(v3 | v2602, 0, {}));
    ok = fuzz_save(dir, "v3_2602_general", recipe(v3 | v2602, 0, {2, 3, 4})) && ok;
    ok = fuzz_save(dir, "v3_2602_devices", recipe(v3 | v2602, 0, {2, 70, 134, 6, 198})) && ok;
    ok = fuzz_save(dir, "v3_2601_upgrade", recipe(v3 | v2601, 1, {2, 70, 134, 5})) && ok;
    ok = fuzz_save(dir, "v2_2600_upgrade", recipe(v2 | v2600, 0, {2, 3, 70, 198})) && ok;
    ok = fuzz_save(dir, "v2_2601", recipe(v2 | v2601, 0, {2, 69, 133, 197})) && ok;
    ok = fuzz_save(dir, "v1_2600", recipe(v1 | v2600, 0, {0, 0, 0, 0})) && ok;
    ok = fuzz_save(dir, "v1_2601", recipe(v1 | v2601, 0, {0, 0})) && ok;
    return ok ? 0 : 1;
}
