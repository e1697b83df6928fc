#include "ZpData/ZpModbus.h"

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
