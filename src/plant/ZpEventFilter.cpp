#include "plant/ZpEventFilter.h"

#include "DataBlock/bytes.h"

namespace {

// A number as the filter lists show it: right-aligned in two characters.
QString twoWide(int value)
{
    return QStringLiteral("%1").arg(value, 2);
}

// A record field of a 1-based number; values below 1 are stored as the first one.
u32 field(int value)
{
    return value < 1 ? 0u : u32(value - 1);
}

template <class Filter>
const Filter* sameType(const ZpEventFilter* self, const ZpEventFilter* other)
{
    if (!other || other->getType() != self->getType())
        return nullptr;
    return dynamic_cast<const Filter*>(other);
}

} // namespace

ZpEventFilter::~ZpEventFilter() = default;

std::unique_ptr<ZpEventFilter> ZpEventFilter::clone() const
{
    return std::make_unique<ZpEventFilter>();
}

QString ZpEventFilter::getDescription() const
{
    return QString();
}

void ZpEventFilter::encode(u8*) const
{
}

bool ZpEventFilter::isEqual(const ZpEventFilter* other) const
{
    return other && other->getType() == getType();
}

bool ZpEventFilter::isCoveredBy(const ZpEventFilter*) const
{
    return false;
}

std::unique_ptr<ZpEventFilter> ZpEventFilter::decode(const u8 record[kRecordSize])
{
    const u32 type = record[0];
    if (type == None || type > ModuleExcl)
        return nullptr;
    if (type <= CpuExcl) {
        const int cpu = (record[1] & 63) + 1;
        return create(type, cpu, 0, 0, 0, 0);
    }
    if (type <= AreaTest) {
        const int zone = get_le16(record + 1);
        return create(type, 0, 0, 0, 0, zone >= kAllZones ? 0 : zone);
    }
    const int cpu = (record[1] & 63) + 1;
    const int loop = (record[2] & 1) * 4 + (record[1] >> 6) + 1;
    const int address = record[3] <= 158 ? record[3] + 1 : 0;
    const int subField = (record[2] >> 1) & 15;
    const int sub = subField == 15 ? 0 : subField + 1;
    return create(type, cpu, loop, address, sub, 0);
}

std::unique_ptr<ZpEventFilter> ZpEventFilter::create(u32 type, int cpu, int loop, int address, int sub, int zone)
{
    switch (type) {
    case CpuFail:
        if (cpu >= 0)
            return std::make_unique<ZpCPUFailEvent>(cpu);
        break;
    case CpuExcl:
        if (cpu >= 0)
            return std::make_unique<ZpCPUExclEvent>(cpu);
        break;
    case AreaAlarm:
    case AreaFail:
    case AreaAlarmFail:
    case AreaExcl:
    case AreaTest: {
        if (zone < 0)
            break;
        const int z = zone >= kAllZones ? 0 : zone;
        switch (type) {
        case AreaAlarm: return std::make_unique<ZpAreaAlarmFilter>(z);
        case AreaFail: return std::make_unique<ZpAreaFailFilter>(z);
        case AreaAlarmFail: return std::make_unique<ZpAreaAlarmFailFilter>(z);
        case AreaExcl: return std::make_unique<ZpAreaExclFilter>(z);
        default: return std::make_unique<ZpAreaTestFilter>(z);
        }
    }
    default:
        if (type < SensorAlarm || type > ModuleExcl || cpu < 1 || loop < 1 || address < 0)
            break;
        const int kind = type < ModuleAlarm ? 1 : 2;
        switch ((type - SensorAlarm) % 4) {
        case 0: return std::make_unique<ZpPointAlarmFilter>(address, cpu, loop, sub, kind);
        case 1: return std::make_unique<ZpPointFailFilter>(address, cpu, loop, sub, kind);
        case 2: return std::make_unique<ZpPointAlarmFailFilter>(address, cpu, loop, sub, kind);
        default: return std::make_unique<ZpPointExclFilter>(address, cpu, loop, sub, kind);
        }
    }
    return std::make_unique<ZpEventFilter>();
}

// --- CPU filters ---

QString ZpCPUEventFilter::getDescription() const
{
    return m_cpu == 0 ? qtTrId("LBL_EVT_FILTER_ALL_SYSTEM") : twoWide(m_cpu);
}

void ZpCPUEventFilter::encode(u8 record[kRecordSize]) const
{
    record[0] = u8(getType());
    // cpu 0 (the whole system) wraps to 63.
    record[1] = u8((record[1] & 0xC0) | (u32(m_cpu - 1) & 63));
}

bool ZpCPUEventFilter::isEqual(const ZpEventFilter* other) const
{
    const auto* same = sameType<ZpCPUEventFilter>(this, other);
    if (!same)
        return false;
    // Exclusion filters are one per annunciator whatever their CPU.
    return getType() == CpuExcl || same->m_cpu == m_cpu;
}

bool ZpCPUEventFilter::isCoveredBy(const ZpEventFilter*) const
{
    return false;
}

std::unique_ptr<ZpEventFilter> ZpCPUFailEvent::clone() const
{
    return std::make_unique<ZpCPUFailEvent>(*this);
}

std::unique_ptr<ZpEventFilter> ZpCPUExclEvent::clone() const
{
    return std::make_unique<ZpCPUExclEvent>(*this);
}

// --- area filters ---

QString ZpAreaEventFilter::getDescription() const
{
    return m_zone == 0 ? qtTrId("LBL_EVT_FILTER_ALL_AREA") : twoWide(m_zone);
}

void ZpAreaEventFilter::encode(u8 record[kRecordSize]) const
{
    record[0] = u8(getType());
    put_le16(record + 1, u16(m_zone < 1 ? kAllZones : m_zone));
}

bool ZpAreaEventFilter::isEqual(const ZpEventFilter* other) const
{
    const auto* same = sameType<ZpAreaEventFilter>(this, other);
    return same && same->m_zone == m_zone;
}

bool ZpAreaEventFilter::isCoveredBy(const ZpEventFilter* other) const
{
    const auto* same = sameType<ZpAreaEventFilter>(this, other);
    return same && same->m_zone == 0;
}

std::unique_ptr<ZpEventFilter> ZpAreaAlarmFilter::clone() const
{
    return std::make_unique<ZpAreaAlarmFilter>(clonedZone());
}

std::unique_ptr<ZpEventFilter> ZpAreaFailFilter::clone() const
{
    return std::make_unique<ZpAreaFailFilter>(clonedZone());
}

std::unique_ptr<ZpEventFilter> ZpAreaAlarmFailFilter::clone() const
{
    return std::make_unique<ZpAreaAlarmFailFilter>(clonedZone());
}

std::unique_ptr<ZpEventFilter> ZpAreaExclFilter::clone() const
{
    return std::make_unique<ZpAreaExclFilter>(clonedZone());
}

std::unique_ptr<ZpEventFilter> ZpAreaTestFilter::clone() const
{
    return std::make_unique<ZpAreaTestFilter>(clonedZone());
}

// --- point filters ---

QString ZpPointEventFilter::getDescription() const
{
    QString text = twoWide(m_cpu) + QLatin1Char(':') + twoWide(m_loop) + QLatin1Char(':') + twoWide(m_address);
    if (m_sub >= 1)
        text += QLatin1Char('.') + twoWide(m_sub);
    return text;
}

void ZpPointEventFilter::encode(u8 record[kRecordSize]) const
{
    const u32 cpu = field(m_cpu);
    const u32 loop = field(m_loop);
    const u32 sub = m_sub < 1 ? 15u : u32(m_sub - 1) & 15;
    record[0] = u8(getType());
    record[1] = u8((cpu & 63) | (loop & 3) << 6);
    record[2] = u8((record[2] & 0xC0) | (loop >> 2 & 1) | sub << 1 | (m_kind != 1 ? 0x20 : 0));
    record[3] = m_address < 1 ? 159 : u8(m_address - 1);
}

bool ZpPointEventFilter::isEqual(const ZpEventFilter* other) const
{
    const auto* same = sameType<ZpPointEventFilter>(this, other);
    return same && same->m_address == m_address && same->m_cpu == m_cpu && same->m_loop == m_loop
        && same->m_sub == m_sub && same->m_kind == m_kind;
}

bool ZpPointEventFilter::isCoveredBy(const ZpEventFilter* other) const
{
    const auto* same = sameType<ZpPointEventFilter>(this, other);
    if (!same)
        return false;
    const bool anyAddress = same->m_address == m_address || same->m_address == 0 || same->m_address == -1;
    const bool wholePoint = same->m_sub == 0 || same->m_sub == -1;
    return anyAddress && wholePoint && same->m_cpu == m_cpu && same->m_loop == m_loop && same->m_kind == m_kind;
}

std::unique_ptr<ZpEventFilter> ZpPointAlarmFilter::clone() const
{
    return std::make_unique<ZpPointAlarmFilter>(*this);
}

std::unique_ptr<ZpEventFilter> ZpPointFailFilter::clone() const
{
    return std::make_unique<ZpPointFailFilter>(*this);
}

std::unique_ptr<ZpEventFilter> ZpPointAlarmFailFilter::clone() const
{
    return std::make_unique<ZpPointAlarmFailFilter>(*this);
}

std::unique_ptr<ZpEventFilter> ZpPointExclFilter::clone() const
{
    return std::make_unique<ZpPointExclFilter>(*this);
}
