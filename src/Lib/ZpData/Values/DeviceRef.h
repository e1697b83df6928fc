#pragma once
// Device references passed around by the zone list, the Modbus map, the address text and the
// plant side: the 11-byte DeviceRef and the 3-byte PackedAddress. Both are plain values; what a
// reference names in a configuration is looked up through that configuration (ZpConf).
#include "DataBlock/bytes.h"
#include "OS/types.h"

// byte 0 bits 0-5 CPU, bits 6-7 line bits 0-1; byte 1 bit 0 line bit 2, bits 1-4 sub-address,
// bit 5 module; byte 2 loop address (0-based).
struct PackedAddress {
    u8 raw[3];

    static PackedAddress make(u32 cpu, u32 line, bool module, u32 sub, u32 address);
    // {255, 255, 255}: no device.
    static PackedAddress none();

    u32 get_cpu() const { return raw[0] & 0x3F; }
    u32 get_line() const { return (raw[0] >> 6) | ((raw[1] & 1) << 2); }
    u32 get_sub() const { return (raw[1] >> 1) & 0x0F; }
    bool is_module() const { return (raw[1] >> 5) & 1; }
    u32 get_address() const { return raw[2]; }
    bool is_none() const { return raw[0] == 255 && raw[1] == 255 && raw[2] == 255; }

    bool operator==(const PackedAddress& o) const
    {
        return raw[0] == o.raw[0] && raw[1] == o.raw[1] && raw[2] == o.raw[2];
    }
    bool operator!=(const PackedAddress& o) const { return !(*this == o); }
};

// Data bytes (numbers 0-based, u16 fields little-endian):
//   0      bits 0-6 CPU; bit 7 line bit 0
//   1      bits 0-1 line bits 1-2 (line 0 to 7); bits 2-5 sub-address; bit 6 module; bit 7 kept
//   2      type index (bits 0-5) and device class (bits 6-7), byte 4 of the device record
//   3-4    device code
//   5      loop address
//   6      DeviceProg block index
//   7-8    device slot
//   9-10   zone
// A reference that names no device has all 11 bytes 255; one built from the status index leaves
// bytes 2-4 and 9-10 at 255.
struct DeviceRef {
    enum { DATA_SIZE = 11 };

    u8 raw[DATA_SIZE];

    // The no-device value.
    static DeviceRef none();
    bool is_none() const;

    u32 get_cpu() const { return raw[0] & 0x7F; }
    u32 get_line() const { return (raw[0] >> 7) | ((raw[1] & 3) << 1); }
    u32 get_ll() const { return get_line() >> 1; }
    u32 get_sub() const { return (raw[1] >> 2) & 0x0F; }
    bool is_module() const { return (raw[1] >> 6) & 1; }
    u32 get_type() const { return raw[2] & 0x3F; }
    u8 get_type_and_class() const { return raw[2]; }
    u16 get_code() const { return get_le16(raw + 3); }
    u32 get_address() const { return raw[5]; }
    u32 get_block() const { return raw[6]; }
    u16 get_slot() const { return get_le16(raw + 7); }
    // The zone as carried in the reference (bytes 9-10).
    u16 get_stored_zone() const { return get_le16(raw + 9); }

    // Each setter writes its own bits only.
    void set_cpu(u32 cpu);
    void set_line(u32 line);
    void set_sub(u32 sub);
    void set_module(bool module);
    void set_type_and_class(u8 typeAndClass);
    void set_code(u16 code);
    void set_address(u32 address);
    void set_block(u32 block);
    void set_slot(u16 slot);
    void set_zone(u16 zone);

    // Device class 0 plain, 1 module whose channels take consecutive loop addresses,
    // 2 device that answers both as sensor and as module, as carried in byte 2. The class of the
    // programmed slot comes from ZpConf::get_device_class(ref).
    u32 get_device_class() const { return raw[2] >> 6; }
    // -1 when the address is above 158 or the type is 0; else the address, plus the
    // sub-address for a module of deviceClass 1.
    int get_effective_address(u32 deviceClass) const;
    // The same with the class of byte 2.
    int get_effective_address() const { return get_effective_address(get_device_class()); }
    // The no-device reference gives PackedAddress::none().
    PackedAddress to_packed_address() const;
};
