// Fuzz target of the block layouts: their record checks and repairs, the conversions from the
// older data versions and the checks a configuration runs after a load. The input:
//
//   0     dataType, 2 + value modulo 198
//   1     data version of the bytes: 0x2600, 0x2601 or 0x2602 by value modulo 3
//   then  the block's bytes from offset 0, over the sample plant's block in 0x2602 and the
//         layout's defaults in the older versions (longer input is ignored)
//
// The configuration holds the sample plant (SamplePlant.h), so that device blocks meet installed
// boards. The layout is brought up to the current version the way the image reader does it, detached
// from any block; then the record checks run over it (the board-count check of every CPU record
// of the general block, the limit repair of every device record), it is written into its block
// and, for the blocks it reads, the after-load chain runs: status rebuild, repair of the general
// block, zone tests. Every call must end in one of its result codes and leave the stored CRC of
// the block and of the general block those of their bytes.
#include "FuzzTarget.h"

#include "DataBlock/crc.h"
#include "FuzzConf.h"
#include "OS/types.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/CpuRec.h"
#include "ZpData/Values/DeviceRec.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

const char kTarget[] = "fuzz_blocks";
constexpr u16 kVersions[3] = {kDataVersion2600, kDataVersion2601, kDataVersion2602};
constexpr u32 kZpxDataType = 2;
constexpr u32 kCpuCount = 64;

FuzzConf* g_fuzzConf = nullptr;
ZpConf* g_conf = nullptr;

void check_crc(u32 dataType)
{
    ZpConfBlock* block = g_conf->find_block(dataType);
    if (!block || !block->get_iface())
        return;
    const u16 crc = crc16(block->get_ptr(), block->get_size());
    if (g_conf->get_blocks().get_crc(dataType) != crc)
        fuzz_fail(kTarget, "dataType %u: stored CRC %04X, data %04X", dataType, g_conf->get_blocks().get_crc(dataType),
                  crc);
}

void check_records(u32 dataType, u8* data)
{
    if (dataType == kZpxDataType) {
        for (u32 cpu = 0; cpu < kCpuCount; ++cpu)
            ZpData_v2602::CpuRec(data, cpu).check_ll_num();
    } else if (dataType >= ZpData_v2602::DeviceProg::kFirstDataType
               && dataType < ZpData_v2602::DeviceProg::kFirstDataType + kCpuCount) {
        for (u32 slot = 0; slot < ZpData::IF_DeviceProg::kSlotCount; ++slot)
            DeviceRec::check(data + ZpData_v2602::DeviceProg::kHeaderSize + slot * DeviceRec::kSize, data[0], data[1]);
    }
}

// Whether the after-load chain reads the block: the general block, the device, name and auxiliary
// blocks and the status block itself. The chain is most of an input's time, and the others (zones,
// groups, annunciators) never reach it.
bool in_chain(u32 dataType)
{
    return dataType == kZpxDataType || dataType >= ZpData_v2602::DeviceProg::kFirstDataType;
}

// One block of the given bytes (the rest default), the form of the input that a seed takes.
std::string input(u8 dataType, u8 versionIndex, const std::string& bytes = std::string())
{
    return std::string{char(dataType - 2), char(versionIndex)} + bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_fuzzConf = new FuzzConf(kTarget);
    g_conf = g_fuzzConf->get();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const u8 dataType = u8(2 + data[0] % 198);
    const u32 from = data[1] % 3;
    std::unique_ptr<ZpData::IFace> layout(ZpData::new_iface(g_conf, nullptr, dataType, 0, kVersions[from]));
    if (!layout)
        fuzz_fail(kTarget, "no layout of dataType %u in %04X", dataType, kVersions[from]);
    layout->set_default();
    if (kVersions[from] == g_zpDataVersion && dataType <= 198)
        std::memcpy(layout->data(), g_fuzzConf->bytes(dataType).data(), layout->size());
    std::memcpy(layout->data(), data + 2, std::min<size_t>(size - 2, layout->size()));
    for (u32 i = from + 1; i < 3; ++i) {
        std::unique_ptr<ZpData::IFace> next(ZpData::new_iface(g_conf, nullptr, dataType, 0, kVersions[i]));
        if (!next)
            fuzz_fail(kTarget, "no layout of dataType %u in %04X", dataType, kVersions[i]);
        const int converted = next->convert(*layout);
        if (converted > 0)
            return 0;
        if (converted != ZP_OK && converted != ZP_UNCHANGED)
            fuzz_fail(kTarget, "conversion of dataType %u to %04X gave %d", dataType, kVersions[i], converted);
        layout = std::move(next);
    }
    check_records(dataType, layout->data());

    // Written straight into the installed layout: a change notice would run the checks of the
    // after-load chain once more before the chain itself.
    ZpConfBlock* block = g_conf->find_block(dataType);
    if (block->lock_write() != ZP_OK || block->get_size() != layout->size())
        fuzz_fail(kTarget, "dataType %u: no block layout of %u bytes", dataType, layout->size());
    std::memcpy(block->get_ptr(), layout->data(), layout->size());
    block->mark_modified();
    block->unlock();
    if (in_chain(dataType)) {
        const int result = g_conf->post_load(nullptr);
        if (result != ZP_OK && result != ZP_UNCHANGED && result != ZP_ERR_GENERIC && result != ZP_ERR_IFACE
            && result != ZP_ERR_NO_STATUS)
            fuzz_fail(kTarget, "post_load gave %d", result);
        check_crc(kZpxDataType);
    }
    check_crc(dataType);
    g_fuzzConf->reset(dataType);
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    bool ok = true;
    // Every layout in every version, with the sample's bytes or the defaults.
    for (u32 dt = 2; dt <= 199; ++dt)
        for (u8 v = 0; v < 3; ++v)
            ok = fuzz_save(dir, "block_" + std::to_string(dt) + "_" + std::to_string(v), input(u8(dt), v)) && ok;
    return ok ? 0 : 1;
}
