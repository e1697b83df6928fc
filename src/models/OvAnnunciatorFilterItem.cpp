#include "models/OvAnnunciatorFilterItem.h"

#include "models/OvAnnunciatorDeviceItem.h"
#include "plant/ActivePlant.h"
#include "plant/EventFilterLabel.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/ZpEventFilter.h"

namespace {

bool isCpuType(int type)
{
    return type == int(ZpEventFilter::CpuFail) || type == int(ZpEventFilter::CpuExcl);
}
bool isAreaType(int type)
{
    return type >= int(ZpEventFilter::AreaAlarm) && type <= int(ZpEventFilter::AreaTest);
}
bool isPointType(int type)
{
    return type >= int(ZpEventFilter::SensorAlarm) && type <= int(ZpEventFilter::ModuleExcl);
}

// "ALL" for 0, nothing below 0, else the number and, with a plant, ": " and the description.
QString numberedText(int number, const QString* description)
{
    if (number == 0)
        return QStringLiteral("ALL");
    if (number < 0)
        return QString();
    QString text = QString::number(number);
    if (description)
        text += QStringLiteral(": ") + *description;
    return text;
}

} // namespace

OvAnnunciatorFilterItem::OvAnnunciatorFilterItem(std::unique_ptr<ZpEventFilter> filter, OvAnnunciatorDev* parent)
    : OvAnnunciatorDev(parent)
    , m_filter(filter ? std::move(filter) : std::make_unique<ZpEventFilter>())
{
    typeCode = int(m_filter->getType());
    readTarget();
    rebuildTargetText();
}

OvAnnunciatorFilterItem::~OvAnnunciatorFilterItem() = default;

QString OvAnnunciatorFilterItem::addressText() const
{
    const OvAnnunciatorDeviceItem* dev = device();
    return dev ? dev->addressText() + QLatin1Char('.') + QString::number(number()) : QString();
}

QString OvAnnunciatorFilterItem::description() const
{
    return typeCode >= 0 ? eventFilterTypeLabel(u32(typeCode)) : QString();
}

bool OvAnnunciatorFilterItem::isValid() const
{
    if (isCpuType(typeCode))
        return targetCpu >= 0;
    if (isAreaType(typeCode))
        return targetZone >= 0;
    if (isPointType(typeCode))
        return targetCpu >= 1 && targetLoop >= 1;
    return false;
}

OvAnnunciatorDeviceItem* OvAnnunciatorFilterItem::device() const
{
    OvAnnunciatorDev* up = parentDev();
    return up && up->itemKind() == kDevice ? static_cast<OvAnnunciatorDeviceItem*>(up) : nullptr;
}

void OvAnnunciatorFilterItem::setFromFilter(const ZpEventFilter* other)
{
    m_filter = other ? other->clone() : std::make_unique<ZpEventFilter>();
    typeCode = other ? int(other->getType()) : 0;
    readTarget();
    rebuildTargetText();
    filterDirty = false;
}

void OvAnnunciatorFilterItem::readTarget()
{
    targetCpu = targetLoop = targetPoint = targetSub = targetZone = -1;
    if (const auto* cpu = dynamic_cast<const ZpCPUEventFilter*>(m_filter.get())) {
        targetCpu = cpu->cpu();
    } else if (const auto* area = dynamic_cast<const ZpAreaEventFilter*>(m_filter.get())) {
        targetZone = area->zone();
    } else if (const auto* point = dynamic_cast<const ZpPointEventFilter*>(m_filter.get())) {
        targetCpu = point->cpu();
        targetLoop = point->loop();
        targetPoint = point->address();
        targetSub = point->sub();
    }
}

void OvAnnunciatorFilterItem::rebuildFilter()
{
    m_filter.reset();
    if (isValid()) {
        const int zone = targetZone > 2000 ? 0 : targetZone;
        const int family = typeCode >= int(ZpEventFilter::ModuleAlarm) ? 2 : 1;
        switch (typeCode) {
        case ZpEventFilter::CpuFail: m_filter = std::make_unique<ZpCPUFailEvent>(targetCpu); break;
        case ZpEventFilter::CpuExcl: m_filter = std::make_unique<ZpCPUExclEvent>(targetCpu); break;
        case ZpEventFilter::AreaAlarm: m_filter = std::make_unique<ZpAreaAlarmFilter>(zone); break;
        case ZpEventFilter::AreaFail: m_filter = std::make_unique<ZpAreaFailFilter>(zone); break;
        case ZpEventFilter::AreaAlarmFail: m_filter = std::make_unique<ZpAreaAlarmFailFilter>(zone); break;
        case ZpEventFilter::AreaExcl: m_filter = std::make_unique<ZpAreaExclFilter>(zone); break;
        case ZpEventFilter::AreaTest: m_filter = std::make_unique<ZpAreaTestFilter>(zone); break;
        case ZpEventFilter::SensorAlarm:
        case ZpEventFilter::ModuleAlarm:
            m_filter = std::make_unique<ZpPointAlarmFilter>(targetPoint, targetCpu, targetLoop, targetSub, family);
            break;
        case ZpEventFilter::SensorFail:
        case ZpEventFilter::ModuleFail:
            m_filter = std::make_unique<ZpPointFailFilter>(targetPoint, targetCpu, targetLoop, targetSub, family);
            break;
        case ZpEventFilter::SensorAlarmFail:
        case ZpEventFilter::ModuleAlarmFail:
            m_filter = std::make_unique<ZpPointAlarmFailFilter>(targetPoint, targetCpu, targetLoop, targetSub, family);
            break;
        case ZpEventFilter::SensorExcl:
        case ZpEventFilter::ModuleExcl:
            m_filter = std::make_unique<ZpPointExclFilter>(targetPoint, targetCpu, targetLoop, targetSub, family);
            break;
        default: break;
        }
    }
    if (!m_filter)
        m_filter = std::make_unique<ZpEventFilter>();
    rebuildTargetText();
    filterDirty = false;
}

void OvAnnunciatorFilterItem::rebuildTargetText()
{
    targetLabel.clear();
    Plant* plant = ActivePlant::get();
    if (isCpuType(typeCode)) {
        if (typeCode == ZpEventFilter::CpuExcl)
            return;
        QString name;
        if (plant && targetCpu > 0)
            if (const CPUDevice* cpu = plant->cpus().cpuAt(targetCpu - 1))
                name = cpu->description();
        targetLabel = numberedText(targetCpu, plant ? &name : nullptr);
        return;
    }
    if (isAreaType(typeCode)) {
        QString name;
        if (plant && targetZone > 0)
            if (const OvArea* area = plant->areas().areaAt(targetZone - 1))
                name = area->description();
        targetLabel = numberedText(targetZone, plant ? &name : nullptr);
        return;
    }
    if (!isPointType(typeCode)) {
        m_filter = std::make_unique<ZpEventFilter>();
        return;
    }
    if (targetCpu < 1 || targetLoop == 0)
        return;
    targetLabel = QString::number(targetCpu) + QLatin1Char(':') + QString::number(targetLoop);
    if (targetPoint < 1)
        return;
    targetLabel += QLatin1Char(':') + QString::number(targetPoint);
    if (!plant)
        return;
    const bool module = typeCode >= int(ZpEventFilter::ModuleAlarm);
    const OvGenericPoint* point = plant->getPoint(uint(targetCpu - 1), uint(targetLoop - 1), uint(targetPoint - 1),
                                                  module ? 2 : 1);
    if (!point)
        return;
    if (module && targetSub >= 1 && targetSub <= point->subPoints().size()) {
        const QString& name = point->subPoints().at(targetSub - 1).description();
        targetLabel += QLatin1Char('.') + QString::number(targetSub);
        if (!name.isEmpty())
            targetLabel += QStringLiteral(": ") + name;
        return;
    }
    if (!point->description().isEmpty())
        targetLabel += QStringLiteral(": ") + point->description();
}

bool OvAnnunciatorFilterItem::differsFrom(const OvAnnunciatorFilterItem* other) const
{
    return other && !m_filter->isEqual(other->m_filter.get());
}

void OvAnnunciatorFilterItem::setType(int type)
{
    typeCode = type;
    targetCpu = type == ZpEventFilter::CpuExcl ? 0 : -1;
    targetLoop = targetPoint = targetSub = targetZone = -1;
    rebuildTargetText();
    filterDirty = true;
}

void OvAnnunciatorFilterItem::setTarget(int cpu, int loop, int point, int sub, int zone)
{
    targetCpu = cpu;
    targetLoop = loop;
    targetPoint = point;
    targetSub = sub;
    targetZone = zone;
    filterDirty = true;
}
