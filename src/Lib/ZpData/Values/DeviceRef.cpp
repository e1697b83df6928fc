#include "ZpData/Values/DeviceRef.h"

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

DeviceRef DeviceRef::none()
{
    DeviceRef ref;
    for (u8& b : ref.raw)
        b = 255;
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

int DeviceRef::get_effective_address(u32 deviceClass) const
{
    if (raw[5] > 158 || get_type() == 0)
        return -1;
    int address = raw[5];
    if (is_module() && deviceClass == 1)
        address += int(get_sub());
    return address;
}

PackedAddress DeviceRef::to_packed_address() const
{
    if (is_none())
        return PackedAddress::none();
    return PackedAddress::make(get_cpu(), get_line(), is_module(), get_sub(), get_address());
}
