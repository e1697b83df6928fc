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

namespace ZpData_v2600 {

// One value of type T, default 0.
template <class T>
class Prog : public ZpData::IFace {
public:
    Prog(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, u32(sizeof(T)), kDataVersion2600)
    {
    }
};

class ZpxProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 2;

    ZpxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2600), kDataVersion2600)
    {
    }

    // Copies the general block and writes 0x2600 into its version word; -1 for a source of
    // this version, 1003 for one of another size.
    int convert(const DataBlock::IFace& previous) override;
};

class ZoneProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 3;

    ZoneProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

class ZoneName : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 4;

    ZoneName(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

class GroupProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 5;

    GroupProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

class AnnuncProg : public ZpData::IFace {
public:
    static constexpr u8 kFirstDataType = 6;

    AnnuncProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

class DeviceProg : public ZpData::IFace {
public:
    static constexpr u8 kFirstDataType = 70;

    DeviceProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2600), kDataVersion2600)
    {
    }

    // A plain copy; -1 for a source of this version, 1003 for one of another size.
    int convert(const DataBlock::IFace& previous) override;
};

class NameProg : public ZpData::IFace {
public:
    static constexpr u8 kFirstDataType = 134;

    NameProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

class DeviceAuxProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 198;

    DeviceAuxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

class DeviceStatusProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 199;

    DeviceStatusProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2600), kDataVersion2600)
    {
    }
};

} // namespace ZpData_v2600

namespace ZpData_v2601 {

// One value of type T, default 0.
template <class T>
class Prog : public ZpData::IFace {
public:
    Prog(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, u32(sizeof(T)), kDataVersion2601)
    {
    }
};

class ZpxProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 2;

    ZpxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2601), kDataVersion2601)
    {
    }

    // From 0x2600 only (else 1003; -1 for a source of this version): copies the general block,
    // reduces the networked-plant byte to 0 or 1 and writes 0x2601 into the version word.
    int convert(const DataBlock::IFace& previous) override;
};

class ZoneProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 3;

    ZoneProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

class ZoneName : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 4;

    ZoneName(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

class GroupProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 5;

    GroupProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

class AnnuncProg : public ZpData::IFace {
public:
    static constexpr u8 kFirstDataType = 6;

    AnnuncProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

class DeviceProg : public ZpData::IFace {
public:
    static constexpr u8 kFirstDataType = 70;

    DeviceProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2601), kDataVersion2601)
    {
    }

    // A plain copy; -1 for a source of this version, 1003 for one of another size.
    int convert(const DataBlock::IFace& previous) override;
};

class NameProg : public ZpData::IFace {
public:
    static constexpr u8 kFirstDataType = 134;

    NameProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

class DeviceAuxProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 198;

    DeviceAuxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

class DeviceStatusProg : public ZpData::IFace {
public:
    static constexpr u8 kDataType = 199;

    DeviceStatusProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2601), kDataVersion2601)
    {
    }
};

} // namespace ZpData_v2601
