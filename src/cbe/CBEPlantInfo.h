#pragma once
// What the CBE text model asks of the active plant. The plant layer implements it and installs
// the active plant with setCBEPlant; without one every plant check passes and the limits are
// those of "no active plant".
#include "cbe/CBECompiler.h"

#include "ZpData/Values/DeviceRef.h"

namespace Ov4800 {

// The sub of a point reference without a sub-address.
constexpr int kAnySub = 15;

struct CBEPointInfo {
    // The point exists and is valid.
    bool valid = false;
    // Protocol bit (1 ADV, 2 VARN, 4 APOLLO) and series bit (1, 2, 4) of its code.
    int protocol = 0;
    int series = 0;
    bool hasSubPoints = false;
    // The asked sub-point exists and is valid.
    bool subValid = false;
    // Of the record that answers: its device class (0 plain, 1 answering at address +
    // sub-address), the class of its type (TYPE_CLASS_*), and its address and sub-address as
    // the compiler packs them (0-based).
    int recordClass = 0;
    int typeClass = 0;
    int recordAddress = -1;
    int recordSub = 0;
};

// Whose program an expression is, as the compiler is told: a group's, or a point's by the
// point's own packed address, whose module flag tells a module from a sensor. An unknown owner
// (no group, no point) has its references checked for existence only.
struct CBEOwner {
    // A group's 1-based number; negative for none.
    CBEOwner(int group_ = -1)
        : group(group_)
    {
    }
    // A point's, from its PackedAddress read as byte 0 + 256 x byte 1 + 65536 x byte 2.
    static CBEOwner ofPoint(u32 packedAddress);

    bool isKnown() const { return group >= 0 || kind != CBE_OWNER_GROUP; }
    // Whether the program may name the module that answers at (cpu, loop) with p: the one rule
    // of the compiler, the module itself never; direct as for cbeMayNameModule.
    bool mayNameModule(int cpu, int loop, const CBEPointInfo& p, bool direct, bool flt) const;
    bool operator==(const CBEOwner& o) const { return group == o.group && kind == o.kind && address == o.address; }

    int group = -1;
    u8 kind = CBE_OWNER_GROUP;
    PackedAddress address = PackedAddress::none();
};

class CBEPlantInfo {
public:
    virtual ~CBEPlantInfo() = default;
    // Groups are numbered 1 to groupCount; 1 to directGroupCount are direct.
    virtual int groupCount() const = 0;
    virtual int directGroupCount() const = 0;
    // Of the plant type; 0 when the plant has none.
    virtual int maxAreasCount() const = 0;
    // cpu, loop, address and sub all 0-based; family 1 sensor, 2 module. sub kAnySub: the
    // reference names no sub-address, and a module answers to it as the panel's records do.
    virtual CBEPointInfo point(int cpu, int loop, int address, int family, int sub) const = 0;
};

// Not owned; null when no plant is active.
void setCBEPlant(const CBEPlantInfo* plant);
const CBEPlantInfo* cbePlant();

} // namespace Ov4800
