#include "plant/PointTypeHw.h"

#include "ZpData/Values/DeviceCatalogue.h"

PointTypeHw::PointTypeHw(int series, int protocol, int family, ushort hwType)
    : m_hwType(hwType)
    , m_series(series)
    , m_protocol(protocol)
    , m_family(family)
{
    if (protocol == 0)
        return;
    const int count = family == 2 ? int(get_sub_num(hwType)) : 1;
    for (int channel = 0; channel < count; ++channel)
        m_channels.append(PointTypeChannel(series, protocol, family, hwType, channel));
}

PointTypeHw::PointTypeHw(int series, int protocol, int family, ushort hwType, int swType)
    : m_hwType(hwType)
    , m_series(series)
    , m_protocol(protocol)
    , m_family(family)
{
    if (protocol == 0)
        return;
    if (family == 2)
        m_channels.append(PointTypeChannel(series, protocol, family, hwType, 0, {swType}));
    else
        m_channels.append(PointTypeChannel(series, protocol, family, hwType, 0));
}

void PointTypeHw::copy(const PointTypeHw* source)
{
    if (source == nullptr)
        return;
    *this = *source;
}

QString PointTypeHw::getModelName() const
{
    return QString::fromLatin1(get_device_model_name(m_hwType));
}
