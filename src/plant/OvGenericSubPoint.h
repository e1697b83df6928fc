#pragma once
// One channel (sub-address) of a multi-channel module: a point of its own at its module's
// location, with a 1-based sub index and never channels of its own.
#include "plant/OvGenericPoint.h"

class OvGenericSubPoint : public OvGenericPoint {
public:
    OvGenericSubPoint() = default;
    // A copy of p's fields, without its channels, as channel subIndex.
    OvGenericSubPoint(const OvGenericPoint& p, int subIndex);
    OvGenericSubPoint(const OvGenericSubPoint& other) = default;
    OvGenericSubPoint& operator=(const OvGenericSubPoint& other) = default;
    ~OvGenericSubPoint() override = default;

    int getSubIndex() const override { return int(m_subIndex); }
    void dump() const override;
    bool isComplete() const override;
    void reset() override;
    bool isAreaAssigned() const override;

    // A copy that keeps this channel's address and sub index.
    void pasteFrom(const OvGenericSubPoint& other);
    // Same device code, and the catalogue offers other's type row on this channel.
    bool isCompatible(const OvGenericSubPoint& other) const;
    // The catalogue offers the type's row on this channel of the type's device code.
    bool acceptsPointType(const PointType* type) const;

protected:
    void packClass(u8* rec) const override;
    u8 moduleByte8() const override { return m_subIndex > 0 ? u8(m_subIndex - 1) : u8(0); }

private:
    unsigned int m_subIndex = 0;
};
