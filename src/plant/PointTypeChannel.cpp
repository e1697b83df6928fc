#include "plant/PointTypeChannel.h"

#include "plant/PointType.h"

#include "ZpData/Values/DeviceCatalogue.h"

#include <QDebug>

PointTypeChannel::PointTypeChannel(int series, int protocol, int family, ushort hwType, int channel)
    : m_hwType(hwType)
    , m_channel(channel)
    , m_protocol(protocol)
    , m_family(family)
    , m_series(series)
{
    if (protocol == 0)
        return;
    const u32 loopType = PointType::loopTypeOf(protocol);
    for (u8 swType : get_sw_type_list(hwType, loopType, u32(channel), PointType::panelFamily()))
        m_swTypes.append(swType);
    if (m_swTypes.isEmpty())
        qInfo() << "swList = NULL";
}

PointTypeChannel::PointTypeChannel(int series, int protocol, int family, ushort hwType, int channel,
                                   const QList<int>& swTypes)
    : m_hwType(hwType)
    , m_channel(channel)
    , m_protocol(protocol)
    , m_family(family)
    , m_series(series)
    , m_swTypes(swTypes)
{
}

void PointTypeChannel::copy(const PointTypeChannel* source)
{
    if (source == nullptr)
        return;
    *this = *source;
}
