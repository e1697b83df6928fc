#pragma once
// Stand-alone (one panel) or networked plant. The limits are read from the panel configuration
// at every call, so they follow a change of panel type or networked flag without a new object.
class OvPlantType {
public:
    static constexpr int kStandAlone = 0;
    static constexpr int kNetworked = 1;
    static constexpr int kRepeatersMax = 8;

    virtual ~OvPlantType() = default;

    // 0 stand-alone, 1 networked, any other id null. Owned by the caller.
    static OvPlantType* create(int typeId);

    virtual int getType() const = 0;
    virtual int getCpuMaxCount() const;
    virtual int getLoopMaxCount() const;
    virtual int getGroupsMaxCount() const;
    // The zone limit of the model less zone 0.
    virtual int getMaxAreasCount() const;
    virtual int getRepeatersMaxCount() const { return kRepeatersMax; }
};

class OvPlantStandAloneType : public OvPlantType {
public:
    int getType() const override { return kStandAlone; }
};

class OvPlantSuperType : public OvPlantType {
public:
    int getType() const override { return kNetworked; }
};
