#include "plant/OvLoop.h"

#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/PanelBlockWrite.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"

#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {

constexpr int kKorvaSensorCode = 65;
constexpr u32 kNameSize = 32;

bool isKorvaModule(const OvGenericPoint& p)
{
    return p.hwType() >= 180 && p.hwType() <= 182;
}

int inputTypeOf(const OvGenericPoint& p)
{
    return p.subPoints().isEmpty() ? p.inputType() : OvGenericPoint::kInputTypeChannels;
}

} // namespace

OvLoop::OvLoop() = default;

OvLoop::OvLoop(int ownerCpu, int loopIndex)
    : m_ownerCpu(ownerCpu)
    , m_loopIndex(loopIndex)
{
    readLineSettings();
    fillSensors();
    fillModules();
}

OvLoop::OvLoop(int ownerCpu, int loopIndex, bool open, int type)
    : m_open(open)
    , m_type(type)
    , m_ownerCpu(ownerCpu)
    , m_loopIndex(loopIndex)
{
    fillSensors();
    fillModules();
}

OvLoop::OvLoop(const OvLoop& other)
    : m_open(other.m_open)
    , m_type(other.m_type)
    , m_ownerCpu(other.m_ownerCpu)
    , m_loopIndex(other.m_loopIndex)
{
    copyLists(other);
}

OvLoop& OvLoop::operator=(const OvLoop& other)
{
    if (this == &other)
        return *this;
    m_sensors.deleteAll();
    m_modules.deleteAll();
    m_open = other.m_open;
    m_type = other.m_type;
    m_ownerCpu = other.m_ownerCpu;
    m_loopIndex = other.m_loopIndex;
    copyLists(other);
    return *this;
}

OvLoop& OvLoop::operator=(OvLoop&& other) noexcept
{
    if (this == &other)
        return *this;
    m_open = other.m_open;
    m_type = other.m_type;
    m_ownerCpu = other.m_ownerCpu;
    m_loopIndex = other.m_loopIndex;
    m_sensors = std::move(other.m_sensors);
    m_modules = std::move(other.m_modules);
    return *this;
}

OvLoop::~OvLoop() = default;

void OvLoop::copyLists(const OvLoop& other)
{
    m_sensors.reserveSlots(other.m_sensors.size());
    for (const OvGenericPoint* p : other.m_sensors)
        m_sensors.emplace(*p);
    m_modules.reserveSlots(other.m_modules.size());
    for (const OvGenericPoint* p : other.m_modules)
        m_modules.emplace(*p);
}

int OvLoop::sensorSlots(int type)
{
    switch (type) {
    case LOOP_ZAV200: return 159;
    case LOOP_VARN500: return 99;
    case LOOP_APOLLO: return 126;
    default: return 0;
    }
}

int OvLoop::moduleSlots(int type)
{
    switch (type) {
    case LOOP_ZAV200: return 159;
    case LOOP_VARN500: return 99;
    case LOOP_APOLLO: return 159;
    default: return 0;
    }
}

int OvLoop::sensorProtocol(int type)
{
    switch (type) {
    case LOOP_ZAV200: return 1;
    case LOOP_VARN500: return 2;
    case LOOP_APOLLO: return 4;
    default: return 0;
    }
}

int OvLoop::moduleProtocol(int type)
{
    switch (type) {
    case LOOP_ZAV200: return 1;
    case LOOP_VARN500:
    case LOOP_APOLLO: return 2;
    default: return 0;
    }
}

QString OvLoop::typeName(int type)
{
    switch (type) {
    case LOOP_ZAV200: return QStringLiteral("LOOP_TYPE_ZAV200");
    case LOOP_VARN500: return QStringLiteral("LOOP_TYPE_VARN500");
    case LOOP_APOLLO: return QStringLiteral("LOOP_TYPE_APOLLO");
    default: return QStringLiteral("UNDEF_TYPE");
    }
}

QString OvLoop::csvFileName(const QString& folder, int cpu, int loop)
{
    return folder + QStringLiteral("/Loop_%1_%2.csv").arg(cpu, 2).arg(loop, 2);
}

void OvLoop::readLineSettings()
{
    u8 style = 0xFF;
    int protocol = -1;
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        if (zpx.layout() && m_ownerCpu > 0 && m_loopIndex > 0) {
            style = zpx->get_cpu_line_style(u32(m_ownerCpu - 1), u32(m_loopIndex - 1));
            protocol = zpx->get_cpu_line_prot(u32(m_ownerCpu - 1), u32(m_loopIndex - 1));
        }
    }
    qDebug() << "OvLoop: CPU" << m_ownerCpu << "loop" << m_loopIndex << "line style" << style;
    m_open = style == 0;
    switch (protocol) {
    case 0: m_type = LOOP_ZAV200; break;
    case 1: m_type = LOOP_VARN500; break;
    case 2: m_type = LOOP_APOLLO; break;
    default: m_type = LOOP_UNDEFINED; break;
    }
}

void OvLoop::fillSensors()
{
    if (m_type == LOOP_UNDEFINED || m_ownerCpu == 0)
        return;
    const int n = sensorSlots(m_type);
    m_sensors.reserveSlots(n - m_sensors.size());
    while (m_sensors.size() < n) {
        OvGenericPoint* p = m_sensors.emplace(1, m_ownerCpu, m_loopIndex, unsigned(m_sensors.size() + 1));
        p->setProtocol(sensorProtocol(m_type));
    }
}

void OvLoop::fillModules()
{
    if (m_type == LOOP_UNDEFINED || m_ownerCpu == 0)
        return;
    const int n = moduleSlots(m_type);
    m_modules.reserveSlots(n - m_modules.size());
    while (m_modules.size() < n) {
        OvGenericPoint* p = m_modules.emplace(2, m_ownerCpu, m_loopIndex, unsigned(m_modules.size() + 1));
        p->setProtocol(moduleProtocol(m_type));
    }
}

bool OvLoop::setOpen(bool open)
{
    if (m_type == LOOP_UNDEFINED || m_ownerCpu == 0)
        return false;
    m_open = open;
    return true;
}

void OvLoop::setType(int type, bool rebuild)
{
    m_type = type >= LOOP_ZAV200 && type <= LOOP_APOLLO ? type : LOOP_UNDEFINED;
    if (!rebuild)
        return;
    m_sensors.deleteAll();
    fillSensors();
    m_modules.deleteAll();
    fillModules();
}

bool OvLoop::changeType(int type)
{
    if (m_type == LOOP_UNDEFINED || m_ownerCpu == 0 || m_type == type)
        return false;
    m_type = type;
    m_sensors.deleteAll();
    fillSensors();
    m_modules.deleteAll();
    fillModules();
    return true;
}

void OvLoop::reloadSettings()
{
    readLineSettings();
    // The slots of a new loop of the type read: as many as that type has, each with its protocol.
    m_sensors.deleteAll();
    fillSensors();
    m_modules.deleteAll();
    fillModules();
}

void OvLoop::dump() const
{
    qDebug().noquote() << QStringLiteral("Loop: owner index = %1\tIndex = %2\ttype = %3%4")
                              .arg(m_ownerCpu)
                              .arg(m_loopIndex)
                              .arg(getTypeName(), m_open ? QStringLiteral("\tAperto") : QStringLiteral("\tChiuso"));
}

OvGenericPoint* OvLoop::getPoint(int index, int family) const
{
    const QList<OvGenericPoint*>& list = family == 1 ? m_sensors : m_modules;
    return index >= 0 && index < list.size() ? list.at(index) : nullptr;
}

int OvLoop::spanOf(const OvGenericPoint& module) const
{
    if (m_type == LOOP_VARN500 && module.family() != 1 && module.subPoints().size() >= 2)
        return std::max(module.addressSpan(), int(module.subPoints().size()));
    return module.addressSpan();
}

OvLoop::ModuleAtAddress OvLoop::moduleAtAddress(int address) const
{
    ModuleAtAddress found;
    // A record's sub-address has four bits: no device spans more than 16 addresses.
    for (int own = std::max(1, address - 15); own <= address && own <= m_modules.size(); ++own) {
        const OvGenericPoint* m = m_modules.at(own - 1);
        if (m->hwType() == 0 || own + spanOf(*m) <= address)
            continue;
        const bool consecutive = m->channelsAtOwnAddresses();
        found.point = m;
        found.subIndex = consecutive || own != address ? address - own + 1 : 0;
        found.byAddress = consecutive || own == address;
        return found;
    }
    return found;
}

bool OvLoop::sharesAddress(const OvGenericPoint& module) const
{
    const int own = int(module.address());
    if (module.family() == 1 || module.hwType() == 0 || own < 1 || m_modules.value(own - 1) != &module)
        return false;
    const int end = own + spanOf(module);
    for (int other = std::max(1, own - 15); other < end && other <= m_modules.size(); ++other) {
        const OvGenericPoint* m = m_modules.at(other - 1);
        if (m != &module && m->hwType() != 0 && other + spanOf(*m) > own)
            return true;
    }
    return false;
}

QList<const OvGenericPoint*> OvLoop::conflictingModules() const
{
    QList<const OvGenericPoint*> conflicts;
    for (const OvGenericPoint* m : m_modules) {
        if (sharesAddress(*m))
            conflicts.append(m);
    }
    return conflicts;
}

bool OvLoop::isEmpty() const
{
    for (const OvGenericPoint* p : m_sensors) {
        if (p->isValid())
            return false;
    }
    for (const OvGenericPoint* p : m_modules) {
        if (p->isValid())
            return false;
    }
    return true;
}

bool OvLoop::updateSensor(const OvGenericPoint& point)
{
    if (point.address() == 0 || int(point.address()) > m_sensors.size() || point.cpuIndex() != m_ownerCpu
        || point.loopIndex() != m_loopIndex)
        return false;
    *m_sensors[int(point.address()) - 1] = point;
    return true;
}

bool OvLoop::updateModule(const OvGenericPoint& point)
{
    if (point.address() == 0 || int(point.address()) > m_modules.size() || point.cpuIndex() != m_ownerCpu
        || point.loopIndex() != m_loopIndex)
        return false;
    *m_modules[int(point.address()) - 1] = point;
    return true;
}

bool OvLoop::updatePoint(const OvGenericPoint& point)
{
    return point.family() == 1 ? updateSensor(point) : updateModule(point);
}

bool OvLoop::updateSubPoint(const OvGenericSubPoint& channel)
{
    if (channel.address() == 0 || channel.cpuIndex() != m_ownerCpu || channel.loopIndex() != m_loopIndex)
        return false;
    const QList<OvGenericPoint*>& list = channel.family() == 1 ? m_sensors : m_modules;
    if (int(channel.address()) > list.size())
        return true;
    list.at(int(channel.address()) - 1)->updateSubPoint(channel);
    return true;
}

void OvLoop::loadPoint(const OvGenericPoint* point)
{
    if (point == nullptr || point->address() == 0 || point->cpuIndex() != m_ownerCpu
        || point->loopIndex() != m_loopIndex)
        return;
    const int at = int(point->address()) - 1;
    if (point->family() == 1) {
        if (at < m_sensors.size())
            *m_sensors[at] = *point;
        return;
    }
    if (at >= m_modules.size())
        return;
    if (const auto* channel = dynamic_cast<const OvGenericSubPoint*>(point))
        m_modules[at]->updateSubPoint(*channel);
    else
        *m_modules[at] = *point;
}

void OvLoop::completeLoadedModules()
{
    for (OvGenericPoint* p : m_modules) {
        if (p->subPoints().isEmpty())
            continue;
        p->dropUntypedChannelsAfter(OvGenericPoint::channelsOfCode(p->series(), p->hwType()));
        for (int k = 0; k < p->subPoints().size(); ++k) {
            OvGenericSubPoint channel = p->subPoints().at(k);
            if (channel.swType() != 0)
                continue;
            channel.reset();
            p->updateSubPoint(channel);
        }
    }
}

const OvGenericPoint* OvLoop::nextValidSensor(const OvGenericPoint* after) const
{
    for (int p = after ? int(after->address()) : 0; p < m_sensors.size(); ++p) {
        if (m_sensors.at(p)->isValid())
            return m_sensors.at(p);
    }
    return nullptr;
}

const OvGenericPoint* OvLoop::nextValidModule(const OvGenericPoint* after) const
{
    for (int p = after ? int(after->address()) : 0; p < m_modules.size(); ++p) {
        if (m_modules.at(p)->isValid())
            return m_modules.at(p);
    }
    return nullptr;
}

bool OvLoop::findNextSensor(int* pos, OvGenericPoint* out) const
{
    for (*pos = *pos < 0 ? 0 : *pos + 1; *pos < m_sensors.size(); ++*pos) {
        if (m_sensors.at(*pos)->isValid()) {
            *out = *m_sensors.at(*pos);
            return true;
        }
    }
    return false;
}

bool OvLoop::findNextModule(int inputTypeMask, int* pos, OvGenericPoint* out) const
{
    for (*pos = *pos < 0 ? 0 : *pos + 1; *pos < m_modules.size(); ++*pos) {
        const OvGenericPoint* p = m_modules.at(*pos);
        if (p->isValid() && (inputTypeOf(*p) & inputTypeMask) != 0) {
            *out = *p;
            return true;
        }
    }
    return false;
}

int OvLoop::activeCount(int protocolMask, int seriesMask, int familyMask, int inputTypeMask) const
{
    auto selected = [&](const OvGenericPoint& p) {
        return p.isValid() && (p.protocol() & protocolMask) != 0 && (p.series() & seriesMask) != 0
            && (inputTypeOf(p) & inputTypeMask) != 0;
    };
    int count = 0;
    if (familyMask & 1) {
        for (const OvGenericPoint* p : m_sensors)
            count += selected(*p) ? 1 : 0;
    }
    if (familyMask & 2) {
        for (const OvGenericPoint* p : m_modules) {
            if (!selected(*p))
                continue;
            if (p->subPoints().isEmpty()) {
                ++count;
                continue;
            }
            for (int k = 0; k < p->subPoints().size(); ++k)
                count += (p->getInputType(k) & inputTypeMask) != 0 ? 1 : 0;
        }
    }
    return count;
}

int OvLoop::getActiveCount(int protocolMask, int familyMask, int inputTypeMask) const
{
    return activeCount(protocolMask, ~0, familyMask, inputTypeMask);
}

int OvLoop::getActivePointCount(int protocolMask, int seriesMask, int familyMask, int inputTypeMask) const
{
    return activeCount(protocolMask, seriesMask, familyMask, inputTypeMask);
}

bool OvLoop::isAreaAssigned() const
{
    for (const OvGenericPoint* p : m_sensors) {
        if (p->isValid() && !p->isAreaAssigned())
            return false;
    }
    for (const OvGenericPoint* p : m_modules) {
        if (p->isValid() && !p->isAreaAssigned())
            return false;
    }
    return true;
}

bool OvLoop::hasCBEError() const
{
    auto failed = [](const OvGenericPoint* p) {
        const int code = p->getCBEErrorCode();
        return code != 0 && code != OvGenericPoint::kCBEUnchecked;
    };
    for (const OvGenericPoint* p : m_sensors) {
        if (failed(p))
            return true;
    }
    for (const OvGenericPoint* p : m_modules) {
        if (failed(p))
            return true;
    }
    return false;
}

bool OvLoop::isKorvaInput(int address) const
{
    if (address < 1 || address > m_sensors.size())
        return false;
    const OvGenericPoint* s = m_sensors.at(address - 1);
    return s->isValid() && s->hwType() == kKorvaSensorCode;
}

bool OvLoop::hasInvalidFastInput() const
{
    for (const OvGenericPoint* m : m_modules) {
        if (!isKorvaModule(*m))
            continue;
        if (m->subPoints().isEmpty()) {
            if (!isKorvaInput(m->fastInputDev1()))
                return true;
            if (m->hwType() == 182 && !isKorvaInput(m->fastInputDev2()))
                return true;
            continue;
        }
        for (const OvGenericSubPoint& c : m->subPoints()) {
            if (!c.isValid() || !isKorvaInput(c.fastInputDev1()))
                return true;
        }
    }
    return false;
}

void OvLoop::checkCBE()
{
    for (OvGenericPoint* p : m_sensors)
        p->checkCBE();
    for (OvGenericPoint* p : m_modules)
        p->checkCBE();
}

int OvLoop::recordCount() const
{
    int count = 0;
    for (const QList<OvGenericPoint*>* list : {&m_sensors, &m_modules}) {
        for (const OvGenericPoint* p : *list) {
            if (!p->isValid())
                continue;
            if (p->subPoints().isEmpty()) {
                ++count;
                continue;
            }
            for (const OvGenericSubPoint& c : p->subPoints())
                count += c.isValid() ? 1 : 0;
        }
    }
    return count;
}

int OvLoop::storeToPanel(int deviceProgIndex) const
{
    const int needed = recordCount();
    const int board = boardOfLoop(m_loopIndex) + 1;
    const bool known = deviceProgIndex >= 0 && deviceProgIndex < 64;
    const int first = known ? g_zpConf->get_free_device(u32(deviceProgIndex)) : -1;
    if (first < 0 || first > kLastRecord) {
        if (needed > 0)
            qCritical().noquote() << QStringLiteral("Device block %1 full: CPU %2 LIB %3 loop %4 not stored, %5 device "
                                                    "records left out")
                                         .arg(deviceProgIndex)
                                         .arg(m_ownerCpu)
                                         .arg(board)
                                         .arg(m_loopIndex)
                                         .arg(needed);
        return needed;
    }

    using ZpData_v2602::DeviceProg;
    using ZpData_v2602::NameProg;
    PanelBlockWrite devices(u32(deviceProgIndex), DeviceProg::kFirstDataType, DeviceProg::kFirstDataType + 63);
    PanelBlockWrite names(u32(deviceProgIndex), NameProg::kFirstDataType, NameProg::kFirstDataType + 63);
    const bool secondLine = lineOfLoop(m_loopIndex) != 0;
    int cursor = first;
    auto put = [&](int position, const OvGenericPoint& point) {
        if (cursor > kLastRecord)
            return;
        u8* rec = devices.data() + DeviceProg::record_offset(u32(cursor));
        rec[0] = u8(position);
        rec[1] = secondLine ? u8(rec[1] | DeviceRec::kLineBit) : u8(rec[1] & ~DeviceRec::kLineBit);
        point.packRecord(rec);
        u8* name = names.data() + NameProg::kHeaderSize + kNameSize * u32(cursor);
        const QByteArray latin1 = point.description().toLatin1().left(int(kNameSize));
        std::memset(name, 0, kNameSize);
        std::memcpy(name, latin1.constData(), size_t(latin1.size()));
        ++cursor;
    };
    for (const QList<OvGenericPoint*>* list : {&m_sensors, &m_modules}) {
        for (int p = 0; p < list->size(); ++p) {
            const OvGenericPoint& point = *list->at(p);
            if (!point.isValid())
                continue;
            if (point.subPoints().isEmpty())
                put(p, point);
            for (const OvGenericSubPoint& c : point.subPoints()) {
                if (c.isValid())
                    put(p, c);
            }
        }
    }
    const int skipped = needed - (cursor - first);
    if (skipped > 0)
        qCritical().noquote() << QStringLiteral("Device block %1 full: CPU %2 LIB %3 loop %4, %5 device records "
                                                "left out")
                                     .arg(deviceProgIndex)
                                     .arg(m_ownerCpu)
                                     .arg(board)
                                     .arg(m_loopIndex)
                                     .arg(skipped);
    return skipped;
}
