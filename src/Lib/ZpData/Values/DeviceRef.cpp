#include "ZpData/Values/DeviceRef.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Values/NameField.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Container/ZpConf.h"

namespace {
constexpr u32 kBlockCount = 64;
constexpr u32 kSlotCount = 700;
constexpr u16 kZoneLimit = 2000;

// The configuration a reference names, when its block index is one of the 64 and its slot one of
// the 700. A reference only reads through it; the block locks it takes are the container's
// mutable state, hence the const_cast.
ZpConf* slot_conf(const DeviceRef& ref)
{
    if (!ref.conf || ref.get_block() >= kBlockCount || ref.get_slot() >= kSlotCount)
        return nullptr;
    return const_cast<ZpConf*>(ref.conf);
}
} // namespace

PackedAddress PackedAddress::make(u32 cpu, u32 line, bool module, u32 sub, u32 address)
{
    PackedAddress p;
    p.raw[0] = u8((cpu & 0x3F) | ((line & 3) << 6));
    p.raw[1] = u8(((line >> 2) & 1) | ((sub & 0x0F) << 1) | (module ? 0x20 : 0));
    p.raw[2] = u8(address);
    return p;
}

PackedAddress PackedAddress::none()
{
    return PackedAddress{{255, 255, 255}};
}

DeviceRef DeviceRef::none(const ZpConf* conf)
{
    DeviceRef ref;
    for (u8& b : ref.raw)
        b = 255;
    ref.conf = conf;
    return ref;
}

bool DeviceRef::is_none() const
{
    for (u8 b : raw)
        if (b != 255)
            return false;
    return true;
}

void DeviceRef::set_cpu(u32 cpu)
{
    raw[0] = u8((raw[0] & 0x80) | (cpu & 0x7F));
}

void DeviceRef::set_line(u32 line)
{
    raw[0] = u8((raw[0] & 0x7F) | ((line & 1) << 7));
    raw[1] = u8((raw[1] & ~3u) | ((line >> 1) & 3));
}

void DeviceRef::set_sub(u32 sub)
{
    raw[1] = u8((raw[1] & ~0x3Cu) | ((sub & 0x0F) << 2));
}

void DeviceRef::set_module(bool module)
{
    raw[1] = u8((raw[1] & ~0x40u) | (module ? 0x40 : 0));
}

void DeviceRef::set_type_and_class(u8 typeAndClass)
{
    raw[2] = typeAndClass;
}

void DeviceRef::set_code(u16 code)
{
    put_le16(raw + 3, code);
}

void DeviceRef::set_address(u32 address)
{
    raw[5] = u8(address);
}

void DeviceRef::set_block(u32 block)
{
    raw[6] = u8(block);
}

void DeviceRef::set_slot(u16 slot)
{
    put_le16(raw + 7, slot);
}

void DeviceRef::set_zone(u16 zone)
{
    put_le16(raw + 9, zone);
}

u32 DeviceRef::get_device_class() const
{
    if (ZpConf* conf = slot_conf(*this)) {
        BlockLock<ZpData::IF_DeviceProg> lock(*conf, get_block(), 70, 133);
        if (lock.layout()) {
            const int deviceClass = lock.layout()->get_device_class(get_slot());
            if (deviceClass >= 0)
                return u32(deviceClass);
        }
    }
    return raw[2] >> 6;
}

int DeviceRef::get_name(char* dst) const
{
    dst[0] = '\0';
    if (!conf)
        return ZP_ERR_NOT_FOUND;
    ZpConf* c = slot_conf(*this);
    if (!c)
        return ZP_ERR_RANGE;
    BlockLock<ZpData::IF_NameProg> lock(*c, get_block(), 134, 197);
    if (!lock.layout())
        return ZP_ERR_NOT_FOUND;
    return lock.layout()->get_name(get_slot(), dst);
}

std::unique_ptr<char[]> DeviceRef::get_name() const
{
    std::unique_ptr<char[]> name(new char[ZpData::kNameBufferSize]());
    get_name(name.get());
    return name;
}

u16 DeviceRef::get_zone() const
{
    const u16 stored = get_stored_zone();
    if (stored < kZoneLimit)
        return stored;
    if (ZpConf* c = slot_conf(*this)) {
        BlockLock<ZpData::IF_DeviceProg> lock(*c, get_block(), 70, 133);
        if (lock.layout())
            return lock.layout()->get_device_zone(get_slot());
    }
    return stored;
}

u8 DeviceRef::get_test() const
{
    ZpConf* c = slot_conf(*this);
    if (!c)
        return 0;
    BlockLock<ZpData::IF_DeviceAuxProg> lock(*c, 0, 198, 198);
    return lock.layout() ? lock.layout()->get_test(get_block(), get_slot()) : 0;
}

int DeviceRef::get_effective_address() const
{
    if (raw[5] > 158 || get_type() == 0)
        return -1;
    int address = raw[5];
    if (is_module() && get_device_class() == 1)
        address += int(get_sub());
    return address;
}

PackedAddress DeviceRef::to_packed_address() const
{
    if (is_none())
        return PackedAddress::none();
    return PackedAddress::make(get_cpu(), get_line(), is_module(), get_sub(), get_address());
}
