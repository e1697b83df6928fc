// Accessors of the container by kind of block: names, devices and their lookups.
#include "ZpData/Container/ZpConf.h"

#include "OS/TraceLog.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/AnnuncProg.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Layouts/ZoneName.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/NameField.h"
#include "ZpData/Values/PanelModel.h"

#include <cstring>

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpConf";
constexpr u32 kBlockCount = 64;
constexpr u32 kSlotCount = 700;
constexpr u32 kNameBuffer = 33;
constexpr u32 kLastZoneName = 2000;

// The allocating form of a name getter: an empty text when the getter fails.
template <class Fill>
std::unique_ptr<char[]> allocated_name(Fill fill)
{
    std::unique_ptr<char[]> text(new char[kNameBuffer]());
    if (fill(text.get()) != ZP_OK)
        text[0] = '\0';
    return text;
}

typedef int (ZpData::IF_AnnuncProg::*AnnuncNameGetter)(u32, char*) const;

void copy_text(char* dst, const char* text)
{
    os_strlcpy(dst, kNameBuffer, text);
}

// Runs op on the layout of one block of a kind under its write lock; 1000 when the installed
// layout is not of the expected class.
template <class Layout, class Op>
int write_layout(ZpConf& conf, u32 index, u32 first, u32 last, Op op)
{
    ZpConfBlock* block = conf.get_block(index, first, last);
    if (!block)
        os_FatalPrintf("block == nullptr\n");
    if (block->lock_write() != 0)
        return ZP_ERR_GENERIC;
    auto* layout = dynamic_cast<Layout*>(block->get_iface());
    const int result = layout ? op(*layout) : int(ZP_ERR_GENERIC);
    block->unlock();
    return result;
}

typedef BlockLock<ZpData::IF_DeviceProg> DeviceProgLock;
typedef BlockLock<ZpData::IF_DeviceStatusProg> StatusLock;

} // namespace

u32 ZpConf::panel_family() const
{
    return CpuModel::get_family(PanelType::get_cpu_model(m_panelType));
}

// ---------------------------------------------------------------------------------------------
// Names

int ZpConf::get_name(u32 block, u32 slot, char* dst)
{
    if (block >= kBlockCount) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    BlockLock<ZpData::IF_NameProg> names(*this, block, 134, 197);
    if (!names.layout()) {
        dst[0] = '\0';
        return ZP_ERR_GENERIC;
    }
    return names->get_name(slot, dst);
}

std::unique_ptr<char[]> ZpConf::get_name(u32 block, u32 slot)
{
    return allocated_name([&](char* dst) { return get_name(block, slot, dst); });
}

int ZpConf::set_name(u32 block, u32 slot, const char* name)
{
    if (block >= kBlockCount)
        return ZP_ERR_RANGE;
    return write_layout<ZpData::IF_NameProg>(*this, block, 134, 197,
                                             [&](ZpData::IF_NameProg& names) { return names.set_name(slot, name); });
}

int ZpConf::get_zone_name(u32 zone, char* dst)
{
    if (zone == 0) {
        copy_text(dst, panel_family() == PanelFamily::KVX000 ? "unassigned" : "default");
        return ZP_OK;
    }
    if (zone > kLastZoneName) {
        copy_text(dst, "Zone not available");
        return ZP_OK;
    }
    BlockLock<ZpData::IF_ZoneName> names(*this, 0, 4, 4);
    if (!names.layout()) {
        dst[0] = '\0';
        return ZP_ERR_GENERIC;
    }
    return names->get_name(zone, dst);
}

std::unique_ptr<char[]> ZpConf::get_zone_name(u32 zone)
{
    return allocated_name([&](char* dst) { return get_zone_name(zone, dst); });
}

namespace {

// A name held in a CPU's annunciator block; empty text and a code when out of range.
int annunc_block_name(ZpConf& conf, u32 cpu, u32 index, char* dst, AnnuncNameGetter getter)
{
    if (cpu >= kBlockCount) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    BlockLock<ZpData::IF_AnnuncProg> annunc(conf, cpu, 6, 69);
    if (!annunc.layout()) {
        dst[0] = '\0';
        return ZP_ERR_GENERIC;
    }
    return (annunc.layout()->*getter)(index, dst);
}

} // namespace

int ZpConf::get_viewer_name(u32 cpu, u32 index, char* dst)
{
    return annunc_block_name(*this, cpu, index, dst, &ZpData::IF_AnnuncProg::get_viewer_name);
}

std::unique_ptr<char[]> ZpConf::get_viewer_name(u32 cpu, u32 index)
{
    return allocated_name([&](char* dst) { return get_viewer_name(cpu, index, dst); });
}

int ZpConf::get_annunc_name(u32 cpu, u32 index, char* dst)
{
    return annunc_block_name(*this, cpu, index, dst, &ZpData::IF_AnnuncProg::get_annunc_name);
}

std::unique_ptr<char[]> ZpConf::get_annunc_name(u32 cpu, u32 index)
{
    return allocated_name([&](char* dst) { return get_annunc_name(cpu, index, dst); });
}

// ---------------------------------------------------------------------------------------------
// Device slots

int ZpConf::get_free_device_prog()
{
    for (u32 i = 0; i < kBlockCount; ++i) {
        DeviceProgLock prog(*this, i, 70, 133);
        if (prog.layout() && !prog->is_assigned())
            return int(i);
    }
    return -1;
}

int ZpConf::get_free_device(u32 block)
{
    if (block >= kBlockCount)
        return -1;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_free_device() : -1;
}

u32 ZpConf::get_block_device_num(u32 block)
{
    if (block >= kBlockCount)
        return 0;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_device_num(2) : 0;
}

bool ZpConf::is_device_used(u32 block, u32 slot)
{
    if (block >= kBlockCount || slot >= kSlotCount)
        return false;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() && prog->is_device_used(slot);
}

int ZpConf::get_device_class(u32 block, u32 slot)
{
    if (block >= kBlockCount || slot >= kSlotCount)
        return -1;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_code_class(slot) : -1;
}

u16 ZpConf::get_device_code(u32 block, u32 slot)
{
    if (block >= kBlockCount || slot >= kSlotCount)
        return 0;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_device_code(slot) : 0;
}

u8 ZpConf::get_device_type(u32 block, u32 slot)
{
    if (block >= kBlockCount || slot >= kSlotCount)
        return 0;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_device_type(slot) : 0;
}

u16 ZpConf::get_slot_zone(u32 block, u32 slot)
{
    if (block >= kBlockCount || slot >= kSlotCount)
        return 0;
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_device_zone(slot) : 0;
}

int ZpConf::get_device_record(u8* record, u32 block, u32 slot)
{
    if (block >= kBlockCount) {
        memset(record, 0, DeviceRec::kSize);
        return ZP_ERR_NOT_FOUND;
    }
    DeviceProgLock prog(*this, block, 70, 133);
    if (!prog.layout()) {
        memset(record, 0, DeviceRec::kSize);
        return ZP_ERR_NOT_FOUND;
    }
    return prog->get_device_record(slot, record);
}

// ---------------------------------------------------------------------------------------------
// Lookups through the status index

namespace {

DeviceLocation locate(ZpConf& conf, u32 cpu, u32 line, bool module, u32 address, u32 sub)
{
    StatusLock status(conf, 0, 199, 199);
    if (!status.layout())
        return DeviceLocation{255, DeviceLocation::kNoSlot};
    return status->find_device(cpu, line, module ? DEVICE_KIND_MODULE : DEVICE_KIND_SENSOR, address, sub);
}

} // namespace

int ZpConf::get_device(u8* record, u32 cpu, u32 line, bool module, u32 address, u32 sub)
{
    const DeviceLocation where = locate(*this, cpu, line, module, address, sub);
    if (!where.found())
        return ZP_ERR_NOT_FOUND;
    return get_device_record(record, where.block, where.slot);
}

PackedAddress ZpConf::get_packed_address(u32 cpu, u32 line, bool module, u32 address, u32 sub)
{
    const DeviceLocation where = locate(*this, cpu, line, module, address, sub);
    PackedAddress packed = PackedAddress::none();
    if (!where.found() || where.block >= kBlockCount)
        return packed;
    DeviceProgLock prog(*this, where.block, 70, 133);
    if (prog.layout())
        prog->get_packed_address(where.slot, &packed);
    return packed;
}

u16 ZpConf::get_device_zone(const PackedAddress& address)
{
    const DeviceLocation where = locate(*this, address.get_cpu(), address.get_line(), address.is_module(),
                                        address.get_address(), address.get_sub());
    if (!where.found())
        return 0;
    return get_slot_zone(where.block, where.slot);
}

int unpack_device_address(const PackedAddress& address, u8* record)
{
    return g_zpConf->get_device(record, address.get_cpu(), address.get_line(), address.is_module(),
                                address.get_address(), address.get_sub());
}

DeviceRef ZpConf::get_device_info(u32 block, u32 slot)
{
    if (block >= kBlockCount)
        return DeviceRef::none();
    DeviceProgLock prog(*this, block, 70, 133);
    return prog.layout() ? prog->get_device_ref(slot) : DeviceRef::none();
}

DeviceRef ZpConf::find_device_info(u32 cpu, u32 line, bool module, u32 address, u32 sub)
{
    const DeviceLocation where = locate(*this, cpu, line, module, address, sub);
    DeviceRef info = where.found() ? get_device_info(where.block, where.slot) : DeviceRef::none();
    if (info.get_address() > DeviceRec::kMaxAddress) {
        info = DeviceRef::none();
        info.set_cpu(cpu);
        info.set_line(line);
        info.set_module(module);
        info.set_sub(sub);
        info.set_address(address);
    }
    return info;
}

namespace {
constexpr u16 kZoneLimit = 2000;

// A reference reaches a slot when its block is one of the 64 and its slot one of the 700.
bool reaches_slot(const DeviceRef& ref)
{
    return ref.get_block() < kBlockCount && ref.get_slot() < kSlotCount;
}
} // namespace

u32 ZpConf::get_device_class(const DeviceRef& ref)
{
    if (reaches_slot(ref)) {
        BlockLock<ZpData::IF_DeviceProg> lock(*this, ref.get_block(), 70, 133);
        if (lock.layout()) {
            const int deviceClass = lock.layout()->get_device_class(ref.get_slot());
            if (deviceClass >= 0)
                return u32(deviceClass);
        }
    }
    return ref.get_device_class();
}

int ZpConf::get_effective_address(const DeviceRef& ref)
{
    // The class only matters for a module, and looking it up takes a block lock.
    if (ref.get_address() > 158 || ref.get_type() == 0 || !ref.is_module())
        return ref.get_effective_address();
    return ref.get_effective_address(get_device_class(ref));
}

void ZpConf::make_address_text(const DeviceRef& ref, char* buffer)
{
    const bool typed = ref.get_address() < 159 && ref.get_type() != 0;
    ::make_address_text(ref, typed ? get_device_class(ref) : ref.get_device_class(), buffer);
}

int ZpConf::get_name(const DeviceRef& ref, char* dst)
{
    dst[0] = '\0';
    if (!reaches_slot(ref))
        return ZP_ERR_RANGE;
    BlockLock<ZpData::IF_NameProg> lock(*this, ref.get_block(), 134, 197);
    if (!lock.layout())
        return ZP_ERR_NOT_FOUND;
    return lock.layout()->get_name(ref.get_slot(), dst);
}

std::unique_ptr<char[]> ZpConf::get_name(const DeviceRef& ref)
{
    std::unique_ptr<char[]> name(new char[ZpData::kNameBufferSize]());
    get_name(ref, name.get());
    return name;
}

u16 ZpConf::get_zone(const DeviceRef& ref)
{
    const u16 stored = ref.get_stored_zone();
    if (stored < kZoneLimit || !reaches_slot(ref))
        return stored;
    BlockLock<ZpData::IF_DeviceProg> lock(*this, ref.get_block(), 70, 133);
    return lock.layout() ? lock.layout()->get_device_zone(ref.get_slot()) : stored;
}

u8 ZpConf::get_test(const DeviceRef& ref)
{
    if (!reaches_slot(ref))
        return 0;
    BlockLock<ZpData::IF_DeviceAuxProg> lock(*this, 0, 198, 198);
    return lock.layout() ? lock.layout()->get_test(ref.get_block(), ref.get_slot()) : 0;
}

int ZpConf::delete_device(u32 block, u32 slot)
{
    if (block >= kBlockCount)
        return ZP_ERR_NOT_FOUND;
    return write_layout<ZpData::IF_DeviceProg>(*this, block, 70, 133,
                                               [&](ZpData::IF_DeviceProg& prog) { return prog.clear_device(slot); });
}

int ZpConf::clear_line(u32 cpu, u32 line)
{
    if (cpu >= kBlockCount)
        return ZP_ERR_RANGE;
    const u32 index = get_device_prog_index(cpu, ll_of_line(line));
    if (index >= kBlockCount)
        return ZP_ERR_RANGE;
    return write_layout<ZpData::IF_DeviceProg>(
        *this, index, 70, 133, [&](ZpData::IF_DeviceProg& prog) { return prog.clear_line_devices(line_in_ll(line)); });
}

u32 ZpConf::get_device_prog_index(u32 cpu, u32 ll)
{
    if (cpu >= kBlockCount || ll >= 4)
        return kBlockCount;
    StatusLock status(*this, 0, 199, 199);
    return status.layout() ? status->get_block_index(cpu, ll) : 255;
}

u32 ZpConf::get_device_num(u32 cpu, u32 line)
{
    const u32 index = get_device_prog_index(cpu, ll_of_line(line));
    if (index >= kBlockCount) {
        log_location(kUnit, "get_device_num", __LINE__, "devProg cpu%d line%d non trovato\n", int(cpu), int(line));
        return 0;
    }
    DeviceProgLock prog(*this, index, 70, 133);
    return prog.layout() ? prog->get_device_num(line_in_ll(line)) : 0;
}

u32 ZpConf::get_device_num(u32 cpu, u32 ll, u32 which)
{
    const u32 index = get_device_prog_index(cpu, ll);
    if (index >= kBlockCount) {
        log_location(kUnit, "get_device_num", __LINE__, "devProg cpu%d ll%d non trovato\n", int(cpu), int(ll));
        return 0;
    }
    DeviceProgLock prog(*this, index, 70, 133);
    return prog.layout() ? prog->get_device_num(which) : 0;
}

bool ZpConf::is_type_enabled(u32 type) const
{
    if (panel_family() == PanelFamily::ZP4X00)
        return false;
    return type == 25 || type == 57 || type == 58 || type == 59;
}

bool ZpConf::is_kind_type_enabled(bool module, u32 type) const
{
    if (module && get_code_class(get_default_code(type)) == 1)
        return is_type_enabled(type);
    return true;
}
