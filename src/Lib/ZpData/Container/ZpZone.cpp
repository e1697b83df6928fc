#include "ZpData/Container/ZpZone.h"

#include "OS/TraceLog.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpStatus.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <iterator>

namespace {

const char* const kUnit = "src/Lib/ZpData/zone";

// Lexicographic order of the address fields, so a zone lists its devices as the panel shows them.
bool address_less(const DeviceRef& a, const DeviceRef& b)
{
    const u32 ka[] = {a.get_cpu(), a.get_line(), a.is_module() ? 1u : 0u, a.get_address(), a.get_sub()};
    const u32 kb[] = {b.get_cpu(), b.get_line(), b.is_module() ? 1u : 0u, b.get_address(), b.get_sub()};
    for (u32 i = 0; i < 5; ++i) {
        if (ka[i] != kb[i])
            return ka[i] < kb[i];
    }
    return false;
}

} // namespace

ZpZone::ZpZone()
    : m_lock(os_RWLockCreate())
{
}

ZpZone::~ZpZone()
{
    os_RWLockDelete(m_lock);
}

void ZpZone::init(u16 number, ZpConf* conf)
{
    m_number = number;
    m_conf = conf;
}

void ZpZone::clear_zone()
{
    LockGuard guard(&m_lock, LockGuard::write);
    m_devices.clear();
    m_testCount = 0;
    m_sensors = 0;
    m_inputs = 0;
    m_outputs = 0;
}

void ZpZone::insert(const DeviceRef& ref)
{
    LockGuard guard(&m_lock, LockGuard::write);
    // The list is kept sorted and the rebuild adds devices mostly in address order, so the place
    // is searched from the back: before the first device that sorts after ref.
    auto it = m_devices.end();
    while (it != m_devices.begin() && address_less(ref, *std::prev(it)))
        --it;
    m_devices.insert(it, ref);
    switch (get_type_class(ref.get_type())) {
    case TYPE_CLASS_SENSOR: ++m_sensors; break;
    case TYPE_CLASS_INPUT: ++m_inputs; break;
    case TYPE_CLASS_OUTPUT: ++m_outputs; break;
    default: break;
    }
}

ZoneList::ZoneList(ZpConf* conf)
    : m_conf(conf)
{
    for (u32 z = 0; z < kZoneCount; ++z)
        m_zones[z].init(u16(z), conf);
    m_spare.init(0xFFFF, conf);
}

ZpZone& ZoneList::operator[](u32 zone)
{
    if (zone >= kZoneCount) {
        log_error(kUnit, "operator[]", __LINE__, "Invalid zone: %d\n", int(zone));
        return m_spare;
    }
    return m_zones[zone];
}

int ZoneList::add_device(u32 zone, const DeviceRef& ref)
{
    if (zone >= kZoneCount)
        return ZP_ERR_RANGE;
    m_zones[zone].insert(ref);
    return ZP_OK;
}

void ZoneList::clear_all()
{
    for (ZpZone& zone : m_zones)
        zone.clear_zone();
}

u32 ZoneList::get_zone_limit() const
{
    if (!m_conf)
        return 1;
    const u32 limit = CpuModel::get_max_zone_num(PanelType::get_cpu_model(m_conf->get_panel_type()),
                                                 m_conf->get_networked() != 0);
    return limit < kZoneCount ? limit : kZoneCount;
}

void ZoneList::lock_all()
{
    const u32 limit = get_zone_limit();
    for (u32 z = 0; z < limit; ++z)
        m_zones[z].lock_write();
}

void ZoneList::unlock_all()
{
    const u32 limit = get_zone_limit();
    for (u32 z = 0; z < limit; ++z)
        m_zones[z].unlock();
}

ZpStatus* ZoneList::status() const
{
    return m_conf ? &m_conf->get_status() : nullptr;
}

void ZoneList::update_zone_test(ZpZone& zone)
{
    if (!m_conf)
        return;
    BlockLock<ZpData::IF_DeviceAuxProg> aux(*m_conf, 0, 198, 198);
    update_zone_test(zone, aux.layout());
}

void ZoneList::update_zone_test(ZpZone& zone, const ZpData::IF_DeviceAuxProg* aux)
{
    ZpStatus* zoneStatus = status();
    if (!zoneStatus)
        return;
    const u16 number = zone.get_number();
    if (number > ZpStatus::kLastZone)
        return;
    u32 inTest = 0;
    bool allInTest = true;
    u8 zone0Value = 0;
    {
        LockGuard guard(&zone.m_lock, LockGuard::read);
        if (zone.m_devices.empty()) {
            allInTest = false;
        } else {
            for (const DeviceRef& ref : zone.m_devices) {
                const u8 bit = aux ? aux->get_test(ref.get_block(), ref.get_slot()) : 0;
                if (!bit) {
                    allInTest = false;
                    continue;
                }
                ++inTest;
                if (number == 0 && ref.get_type() == kUds1Type && (!ref.is_module() || ref.get_sub() == 0))
                    zone0Value = bit;
            }
        }
    }
    zone.m_testCount = u16(inTest);
    if (number == 0)
        zoneStatus->set_status(0, zone0Value);
    else
        zoneStatus->set_status(number, kZoneTestFlag, allInTest);
}

void ZoneList::update_all_zone_test()
{
    if (!m_conf)
        return;
    const u32 start = os_GetTick();
    log_printf(1, "Inizio aggiornamento stato zone\n");
    {
        BlockLock<ZpData::IF_DeviceAuxProg> aux(*m_conf, 0, 198, 198);
        const u32 limit = get_zone_limit();
        for (u32 z = 0; z < limit; ++z)
            update_zone_test(m_zones[z], aux.layout());
    }
    log_printf(1, "Stato zone aggiornato (%d ms)\n", int(os_TickSince(start)));
}

bool ZoneList::is_zone_in_test(const ZpZone& zone) const
{
    ZpStatus* zoneStatus = status();
    return zoneStatus && (zoneStatus->get_zone(zone.get_number()) & kZoneTestFlag) != 0;
}
