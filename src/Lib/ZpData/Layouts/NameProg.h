#pragma once
// Device name block (dataTypes 134 to 197, index = dataType - 134): the names of the 700 device
// slots of the DeviceProg block of the same index, under a header naming the CPU and board the
// pair is bound to.
#include "ZpData/Layouts/interface.h"

namespace ZpData {

class IF_NameProg : public IFace {
public:
    using IFace::IFace;

    int set_default() override = 0;
    // Binding to another board clears every name; 0 also when the header already holds them.
    virtual int set_cpu_ll(u8 cpu, u8 board) = 0;
    // dst holds 33 bytes and gets the name of slot 0 to 699 with a terminator; any other slot
    // gives an empty text and 1013.
    virtual int get_name(u32 slot, char* dst) const = 0;
    // Stores at most 32 characters; -1 when the field already holds them, 1013 above slot 699.
    virtual int set_name(u32 slot, const char* name) = 0;
    virtual int set_name(int slot, const char* name) = 0;
    // Zeroes all 32 bytes of the slot's name whatever they hold; -1 when they are all 0 already.
    virtual int clear_name(u32 slot) = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class NameProg : public ZpData::IF_NameProg {
public:
    static constexpr u8 kFirstDataType = 134;
    static constexpr u32 kSlotCount = 700;
    // Byte 0 the CPU, byte 1 the board; 255 when unassigned.
    static constexpr u32 kHeaderSize = 2;
    static constexpr u8 kUnassigned = 255;

    NameProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    // The DeviceProg block the names belong to.
    u8 get_index() const { return m_index; }

    // All names empty; block 0 bound to CPU 0 board 0, the others unassigned.
    int set_default() override;
    int set_cpu_ll(u8 cpu, u8 board) override;
    int get_name(u32 slot, char* dst) const override;
    int set_name(u32 slot, const char* name) override;
    int set_name(int slot, const char* name) override;
    int clear_name(u32 slot) override;

private:
    u8 m_index;
};

} // namespace ZpData_v2602
