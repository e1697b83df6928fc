#include "plant/PointType.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/PanelModel.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

void registerPointTypes()
{
    qRegisterMetaType<PointType>("PointType");
    qRegisterMetaType<PointType::PT_INPUT_TYPE>("PointType::PT_INPUT_TYPE");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerPointTypes)

PointType::PointType() = default;

PointType::PointType(int protocol, int family, int series, ushort hwType, uchar swType, int subCount)
    : m_hwType(hwType)
    , m_swType(swType)
    , m_protocol(u32(protocol))
    , m_family(u32(family))
    , m_series(u32(series))
    , m_subCount(u32(subCount))
{
}

PointType::PointType(const PointType& other)
    : QObject()
{
    copy(&other);
}

PointType& PointType::operator=(const PointType& other)
{
    copy(&other);
    return *this;
}

void PointType::copy(const PointType* source)
{
    if (source == nullptr || source == this)
        return;
    m_protocol = source->m_protocol;
    m_family = source->m_family;
    m_hwType = source->m_hwType;
    m_swType = source->m_swType;
    m_series = source->m_series;
    m_subCount = source->m_subCount;
}

bool PointType::isValid() const
{
    return m_protocol != 0 && m_family != 0 && m_series != 0;
}

QString PointType::getIconName(int family, int protocol)
{
    qDebug() << "Point Type " << protocol;
    if (family == 1 || family == 2) {
        switch (protocol) {
        case 1: return QStringLiteral("adv.png");
        case 2: return QStringLiteral("varn.png");
        case 4: return QStringLiteral("apl.png");
        default: break;
        }
    }
    return QStringLiteral("null.png");
}

QString PointType::getTypeName(int, int, int, ushort hwType, uchar swType)
{
    const QString typeName = QString::fromLatin1(get_type_name(swType));
    const QString modelName = QString::fromLatin1(get_device_model_name(hwType));
    if (modelName == typeName)
        return typeName;
    return modelName + QStringLiteral(" - ") + typeName;
}

QString PointType::getChannelTypeName(int family, int protocol, int series, ushort hwType, uchar swType)
{
    if (protocol == 1 && series == 1)
        return QString::fromLatin1(get_type_name(swType));
    return getTypeName(family, protocol, series, hwType, swType);
}

int PointType::computeInputType(int family, int, int, int swType)
{
    // Through a record, as the panel sees the type: a row the record cannot hold is no type.
    u8 rec[DeviceRec::kSize];
    DeviceRec::clear(rec);
    if (family != 1)
        rec[1] |= DeviceRec::kModuleBit;
    DeviceRec::set_type(rec, swType < 1 ? 0u : u32(swType));
    switch (get_type_class(DeviceRec::get_type(rec))) {
    case TYPE_CLASS_SENSOR:
    case TYPE_CLASS_INPUT: return PT_INPUT;
    case TYPE_CLASS_OUTPUT: return PT_OUTPUT;
    default: return PT_INPUT_NONE;
    }
}

bool PointType::swTypeHasAttribute(uchar swType, uint mask)
{
    return swType < TYPE_ROW_NUM && (get_type_attributes(swType) & mask) != 0;
}

u32 PointType::loopTypeOf(int protocol)
{
    static const u32 loopTypes[] = {LINE_PROTOCOL_ADV, LINE_PROTOCOL_VARN, kNoLoopType, LINE_PROTOCOL_APOLLO};
    return protocol >= 1 && protocol <= 4 ? loopTypes[protocol - 1] : kNoLoopType;
}

int PointType::seriesOf(ushort hwType)
{
    switch (get_code_class(hwType)) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    default: return 0;
    }
}

u32 PointType::panelFamily()
{
    return CpuModel::get_family(PanelType::get_cpu_model(g_zpConf->get_panel_type()));
}
