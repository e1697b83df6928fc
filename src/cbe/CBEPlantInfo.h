#pragma once
// What the CBE text model asks of the active plant. The plant layer implements it and installs
// the active plant with setCBEPlant; without one every plant check passes and the limits are
// those of "no active plant".

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
    // sub-address) and the class of its type (TYPE_CLASS_*).
    int recordClass = 0;
    int typeClass = 0;
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
