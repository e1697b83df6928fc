#include "ZpData/Container/ZpModbus.h"

#include "ZpData/Container/ZpConf.h"

ZpModbus::ZpModbus()
    : m_lock(os_LockCreate())
{
}

ZpModbus::~ZpModbus()
{
    os_LockDelete(m_lock);
}

int ZpModbus::add(const DeviceRef& ref)
{
    m_devices.push_back(ref);
    if (!ref.is_module())
        m_sensors.push_back(ref);
    return ZP_OK;
}

void ZpModbus::clear()
{
    m_devices.clear();
    m_sensors.clear();
}

DeviceRef ZpModbus::decode(ZpConf& conf, u32 slave, u32 reg)
{
    const int cpu = int(slave) - 101;
    const int line = int(reg / 5000) - 1;
    const int r = int(reg % 5000);
    // A sub-address of 255 asks for any sub-address.
    if (r >= 3000)
        return conf.find_device_info(u32(cpu), u32(line), false, u32((r - 3001) & 0xFF), 255);
    if (r >= 2000)
        return conf.find_device_info(u32(cpu), u32(line), false, u32((r - 2001) & 0xFF), 255);
    return conf.find_device_info(u32(cpu), u32(line), true, u32((r - 1) / 10 - 1), u32((r - 1) % 10));
}
