#pragma once
// The device lists behind the compressed registers of Modbus slave 1: every listed device, and
// the listed sensors. A device's position in a list is its register number.
#include "OS/os.h"
#include "OS/types.h"
#include "ZpData/Values/DeviceRef.h"

#include <vector>

class ZpConf;

class ZpModbus {
public:
    ZpModbus();
    ~ZpModbus();
    ZpModbus(const ZpModbus&) = delete;
    ZpModbus& operator=(const ZpModbus&) = delete;

    // Appends to the devices, and to the sensors when the reference is not a module. 0.
    int add(const DeviceRef& ref);
    // Empties both lists; their capacity is kept.
    void clear();
    int lock() { return os_MutexLock(m_lock, OS_WAIT_FOREVER); }
    void unlock() { os_MutexUnlock(m_lock); }

    // The device behind register reg of slave 101 to 164 (direct access by coordinates):
    // the device information of conf at that address, its device fields cleared when no
    // programmed device answers there. Numbers outside the map name no device.
    static DeviceRef decode(ZpConf& conf, u32 slave, u32 reg);

    const std::vector<DeviceRef>& get_devices() const { return m_devices; }
    const std::vector<DeviceRef>& get_sensors() const { return m_sensors; }

private:
    os_Lock m_lock;
    std::vector<DeviceRef> m_devices;
    std::vector<DeviceRef> m_sensors;
};
