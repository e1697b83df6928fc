#pragma once
// Block layouts of the older data versions 0x2600 and 0x2601. Blocks of these versions come from
// older panel images and plant files and are upgraded one version at a time to the current one;
// apart from the general block and the device blocks their bytes match the current layouts.
//
// Device records in both versions are 42 bytes (slot s at 2 + 42 * s): loop address, flags,
// 8-bit device code, type byte (bits 0-5 type, bit 6 module code, bit 7 class), u16 zone,
// 4 + 32 parameter bytes. The line protocols of the general block are one bit each (bits 3 and
// 4 of the board byte), and byte 5245 of a 0x2600 block may hold any non-zero value for a
// networked plant.
#include "ZpData/Layouts/interface.h"

namespace ZpData {

// The bytes of one kind of block in an older version; FirstDataType, the first dataType of the
// kind, fixes the size.
template <u16 Version, u8 FirstDataType>
class OldLayout : public IFace {
public:
    static constexpr u8 kFirstDataType = FirstDataType;

    OldLayout(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : IFace(conf, block, dataType, layout_size(FirstDataType, Version), Version)
    {
    }
};

// One value of type T, default 0.
template <u16 Version, class T>
class OldValueProg : public IFace {
public:
    OldValueProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : IFace(conf, block, dataType, u32(sizeof(T)), Version)
    {
    }
};

template <u16 Version>
class OldZpxProg : public OldLayout<Version, 2> {
public:
    using OldLayout<Version, 2>::OldLayout;

    // 0x2600: copies the general block and writes the version into its version word; -1 for a
    // source of this version, 1003 for one of another size.
    // 0x2601: the same from 0x2600 only (else 1003), reducing the networked-plant byte to 0 or 1.
    int convert(const DataBlock::IFace& previous) override;
};

template <u16 Version>
class OldDeviceProg : public OldLayout<Version, 70> {
public:
    using OldLayout<Version, 70>::OldLayout;

    // A plain copy; -1 for a source of this version, 1003 for one of another size.
    int convert(const DataBlock::IFace& previous) override;
};

template <>
int OldZpxProg<kDataVersion2600>::convert(const DataBlock::IFace& previous);
template <>
int OldZpxProg<kDataVersion2601>::convert(const DataBlock::IFace& previous);
extern template class OldDeviceProg<kDataVersion2600>;
extern template class OldDeviceProg<kDataVersion2601>;

// The ten layout classes of an older version under the names of the current ones.
template <u16 Version>
struct OldFamily {
    template <class T>
    using Prog = OldValueProg<Version, T>;
    using ZpxProg = OldZpxProg<Version>;
    using ZoneProg = OldLayout<Version, 3>;
    using ZoneName = OldLayout<Version, 4>;
    using GroupProg = OldLayout<Version, 5>;
    using AnnuncProg = OldLayout<Version, 6>;
    using DeviceProg = OldDeviceProg<Version>;
    using NameProg = OldLayout<Version, 134>;
    using DeviceAuxProg = OldLayout<Version, 198>;
    using DeviceStatusProg = OldLayout<Version, 199>;
};

} // namespace ZpData

using ZpData_v2600 = ZpData::OldFamily<kDataVersion2600>;
using ZpData_v2601 = ZpData::OldFamily<kDataVersion2601>;
