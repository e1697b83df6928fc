#pragma once
// The zone list: the devices programmed in each zone 0 to 2001, rebuilt with the device status
// index, and the zones' in-test state derived from the devices' in-test bits.
#include "OS/os.h"
#include "OS/types.h"
#include "ZpData/Values/DeviceRef.h"

#include <vector>

class ZpConf;
class ZpStatus;

namespace ZpData {
class IF_DeviceAuxProg;
}

// One zone with its devices and counters.
class ZpZone {
public:
    ZpZone();
    ~ZpZone();
    ZpZone(const ZpZone&) = delete;
    ZpZone& operator=(const ZpZone&) = delete;

    void init(u16 number, ZpConf* conf);

    u16 get_number() const { return m_number; }
    u32 get_count() const { return u32(m_devices.size()); }
    u16 get_test_count() const { return m_testCount; }
    // By the class of the type row: sensors, input modules, output modules.
    u16 get_sensor_count() const { return m_sensors; }
    u16 get_input_count() const { return m_inputs; }
    u16 get_output_count() const { return m_outputs; }
    // Ordered by CPU, line, module flag, loop address and sub-address.
    const std::vector<DeviceRef>& get_devices() const { return m_devices; }

    int lock_read() { return os_RWLockRead(m_lock, OS_WAIT_FOREVER); }
    int lock_write() { return os_RWLockWrite(m_lock, OS_WAIT_FOREVER); }
    void unlock() { os_RWLockUnlock(m_lock); }

    // Under the zone's write lock.
    void clear_zone();
    void insert(const DeviceRef& ref);

private:
    friend class ZoneList;

    os_Lock m_lock;
    // A vector, so that the status rebuild, which clears and refills every zone, reuses its room.
    std::vector<DeviceRef> m_devices;
    u16 m_number = 0xFFFF;
    u16 m_testCount = 0;
    u16 m_sensors = 0;
    u16 m_inputs = 0;
    u16 m_outputs = 0;
    ZpConf* m_conf = nullptr;
};

class ZoneList {
public:
    static constexpr u32 kZoneCount = 2002;
    static constexpr u8 kZoneTestFlag = 2;
    // Type row whose device in test puts zone 0 in test.
    static constexpr u32 kUds1Type = 27;

    explicit ZoneList(ZpConf* conf);
    ZoneList(const ZoneList&) = delete;
    ZoneList& operator=(const ZoneList&) = delete;

    // Zones 0 to 2001; any other number logs an error and gives a spare zone.
    ZpZone& operator[](u32 zone);
    // 1013 above zone 2001.
    int add_device(u32 zone, const DeviceRef& ref);
    void clear_all();
    // Write locks of zones 0 to get_zone_limit() - 1.
    void lock_all();
    void unlock_all();
    // One past the highest zone of the container's panel model and networked flag.
    u32 get_zone_limit() const;

    // Recomputes the zone's in-test count and its flag in the zone status, under the read lock
    // of the auxiliary device block.
    void update_zone_test(ZpZone& zone);
    // The same for every zone below the zone limit.
    void update_all_zone_test();
    bool is_zone_in_test(const ZpZone& zone) const;

private:
    void update_zone_test(ZpZone& zone, const ZpData::IF_DeviceAuxProg* aux);
    ZpStatus* status() const;

    ZpConf* m_conf;
    ZpZone m_zones[kZoneCount];
    ZpZone m_spare;
};
