#pragma once
// Event filters of annunciators: which kind of event (alarm, fault, exclusion, test) of which
// scope (the whole system or a CPU, an area, a point of a loop) a display shows. Each filter is
// stored in the panel configuration as a packed 4-byte record whose byte 0 is the type code.
#include "OS/types.h"

#include <QString>

#include <memory>

class ZpEventFilter {
public:
    // Type codes, the value of getType() and byte 0 of a record.
    enum Type : u32 {
        None = 0,
        CpuFail = 1,
        CpuExcl = 2,
        AreaAlarm = 3,
        AreaFail = 4,
        AreaAlarmFail = 5,
        AreaExcl = 6,
        AreaTest = 7,
        SensorAlarm = 8,
        SensorFail = 9,
        SensorAlarmFail = 10,
        SensorExcl = 11,
        ModuleAlarm = 12,
        ModuleFail = 13,
        ModuleAlarmFail = 14,
        ModuleExcl = 15,
    };
    // Event bits of getEventMask().
    enum Event : u32 { Fault = 1, Exclusion = 2, Alarm = 4, Test = 8 };
    static constexpr int kRecordSize = 4;
    // Written for "every area" and read back as 0.
    static constexpr int kAllZones = 2001;

    ZpEventFilter() = default;
    virtual ~ZpEventFilter();

    virtual u32 getType() const { return None; }
    virtual u32 getEventMask() const { return 0; }
    virtual std::unique_ptr<ZpEventFilter> clone() const;
    // The scope as the user reads it; empty for the empty filter.
    virtual QString getDescription() const;
    // Writes the packed record; bits the record format leaves unchanged keep what record held.
    virtual void encode(u8 record[kRecordSize]) const;
    // A duplicate: same type code and scope class, same fields.
    virtual bool isEqual(const ZpEventFilter* other) const;
    // other is a wildcard filter of the same type whose scope includes this one.
    virtual bool isCoveredBy(const ZpEventFilter* other) const;

    // The filter a record describes; null for a record of type 0 or above 15.
    static std::unique_ptr<ZpEventFilter> decode(const u8 record[kRecordSize]);
    // A filter from loose values; a value that does not fit the type gives the empty filter.
    static std::unique_ptr<ZpEventFilter> create(u32 type, int cpu, int loop, int address, int sub, int zone);

protected:
    ZpEventFilter(const ZpEventFilter&) = default;
    ZpEventFilter& operator=(const ZpEventFilter&) = default;
};

// A CPU's events, or with cpu 0 those of the whole system.
class ZpCPUEventFilter : public ZpEventFilter {
public:
    explicit ZpCPUEventFilter(int cpu)
        : m_cpu(cpu)
    {
    }
    int cpu() const { return m_cpu; }
    QString getDescription() const override;
    void encode(u8 record[kRecordSize]) const override;
    bool isEqual(const ZpEventFilter* other) const override;
    bool isCoveredBy(const ZpEventFilter* other) const override;

private:
    int m_cpu;
};

class ZpCPUFailEvent : public ZpCPUEventFilter {
public:
    using ZpCPUEventFilter::ZpCPUEventFilter;
    u32 getType() const override { return CpuFail; }
    u32 getEventMask() const override { return Fault; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpCPUExclEvent : public ZpCPUEventFilter {
public:
    using ZpCPUEventFilter::ZpCPUEventFilter;
    u32 getType() const override { return CpuExcl; }
    u32 getEventMask() const override { return Exclusion; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

// An area's events, or with zone 0 those of every area.
class ZpAreaEventFilter : public ZpEventFilter {
public:
    explicit ZpAreaEventFilter(int zone)
        : m_zone(zone)
    {
    }
    int zone() const { return m_zone; }
    QString getDescription() const override;
    void encode(u8 record[kRecordSize]) const override;
    bool isEqual(const ZpEventFilter* other) const override;
    bool isCoveredBy(const ZpEventFilter* other) const override;

protected:
    // The zone a copy takes: one past the last zone and above mean every area.
    int clonedZone() const { return m_zone >= kAllZones ? 0 : m_zone; }

private:
    int m_zone;
};

class ZpAreaAlarmFilter : public ZpAreaEventFilter {
public:
    using ZpAreaEventFilter::ZpAreaEventFilter;
    u32 getType() const override { return AreaAlarm; }
    u32 getEventMask() const override { return Alarm; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpAreaFailFilter : public ZpAreaEventFilter {
public:
    using ZpAreaEventFilter::ZpAreaEventFilter;
    u32 getType() const override { return AreaFail; }
    u32 getEventMask() const override { return Fault; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpAreaAlarmFailFilter : public ZpAreaEventFilter {
public:
    using ZpAreaEventFilter::ZpAreaEventFilter;
    u32 getType() const override { return AreaAlarmFail; }
    u32 getEventMask() const override { return Alarm | Fault; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpAreaExclFilter : public ZpAreaEventFilter {
public:
    using ZpAreaEventFilter::ZpAreaEventFilter;
    u32 getType() const override { return AreaExcl; }
    u32 getEventMask() const override { return Exclusion; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpAreaTestFilter : public ZpAreaEventFilter {
public:
    using ZpAreaEventFilter::ZpAreaEventFilter;
    u32 getType() const override { return AreaTest; }
    u32 getEventMask() const override { return Test; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

// A point's events. address 0: any address of the loop; sub 0: the whole point; kind 1 sensor,
// any other value module. Its type code follows the kind at every call.
class ZpPointEventFilter : public ZpEventFilter {
public:
    ZpPointEventFilter(int address, int cpu, int loop, int sub, int kind)
        : m_address(address)
        , m_cpu(cpu)
        , m_loop(loop)
        , m_sub(sub)
        , m_kind(kind)
    {
    }
    int address() const { return m_address; }
    int cpu() const { return m_cpu; }
    int loop() const { return m_loop; }
    int sub() const { return m_sub; }
    int kind() const { return m_kind; }
    QString getDescription() const override;
    void encode(u8 record[kRecordSize]) const override;
    bool isEqual(const ZpEventFilter* other) const override;
    bool isCoveredBy(const ZpEventFilter* other) const override;

protected:
    // The sensor type code, moved to the module range for a module.
    u32 typeOf(u32 sensorType) const { return m_kind == 1 ? sensorType : sensorType + 4; }

private:
    int m_address;
    int m_cpu;
    int m_loop;
    int m_sub;
    int m_kind;
};

class ZpPointAlarmFilter : public ZpPointEventFilter {
public:
    using ZpPointEventFilter::ZpPointEventFilter;
    u32 getType() const override { return typeOf(SensorAlarm); }
    u32 getEventMask() const override { return Alarm; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpPointFailFilter : public ZpPointEventFilter {
public:
    using ZpPointEventFilter::ZpPointEventFilter;
    u32 getType() const override { return typeOf(SensorFail); }
    u32 getEventMask() const override { return Fault; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpPointAlarmFailFilter : public ZpPointEventFilter {
public:
    using ZpPointEventFilter::ZpPointEventFilter;
    u32 getType() const override { return typeOf(SensorAlarmFail); }
    u32 getEventMask() const override { return Alarm | Fault; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};

class ZpPointExclFilter : public ZpPointEventFilter {
public:
    using ZpPointEventFilter::ZpPointEventFilter;
    u32 getType() const override { return typeOf(SensorExcl); }
    u32 getEventMask() const override { return Exclusion; }
    std::unique_ptr<ZpEventFilter> clone() const override;
};
