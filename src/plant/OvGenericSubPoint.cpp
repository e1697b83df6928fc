#include "plant/OvGenericSubPoint.h"

#include "plant/LogLine.h"
#include "plant/PointType.h"

#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"

#include <QDebug>

#include <algorithm>

namespace {

bool offers(u16 hwType, int protocol, unsigned int subIndex, u8 swType)
{
    const std::vector<u8> list = get_sw_type_list(hwType, PointType::loopTypeOf(protocol), subIndex - 1,
                                                  PointType::panelFamily());
    return std::find(list.begin(), list.end(), swType) != list.end();
}

} // namespace

OvGenericSubPoint::OvGenericSubPoint(const OvGenericPoint& p, int subIndex)
    : m_subIndex(unsigned(subIndex))
{
    // p's fields without its channels: copying those only to drop them would copy each one.
    assignData(p);
    m_cbeErrorCode = p.cbeErrorCode();
}

void OvGenericSubPoint::dump() const
{
    if (!logline::infoEnabled())
        return;
    QString text = dumpHead();
    text += QLatin1String(" \tSUB INDEX =  ");
    logline::appendNumber(text, m_subIndex);
    OV_LOG_LINE(QtInfoMsg, text);
}

bool OvGenericSubPoint::isComplete() const
{
    return isValid() && m_areaIndex > 0;
}

bool OvGenericSubPoint::isAreaAssigned() const
{
    return m_areaIndex > 0;
}

void OvGenericSubPoint::reset()
{
    const u16 hwType = m_hwType;
    const int protocol = m_protocol;
    const int series = m_series;
    resetData();
    m_hwType = hwType;
    m_protocol = protocol;
    m_series = series;
}

void OvGenericSubPoint::pasteFrom(const OvGenericSubPoint& other)
{
    const unsigned int address = m_address;
    const unsigned int subIndex = m_subIndex;
    *this = other;
    m_address = address;
    m_subIndex = subIndex;
}

bool OvGenericSubPoint::isCompatible(const OvGenericSubPoint& other) const
{
    return m_hwType == other.m_hwType && offers(m_hwType, m_protocol, m_subIndex, other.m_swType);
}

bool OvGenericSubPoint::acceptsPointType(const PointType* type) const
{
    return type != nullptr && offers(type->hwType(), type->getProtocol(), m_subIndex, type->swType());
}

void OvGenericSubPoint::packClass(u8* rec) const
{
    DeviceRec::set_class(rec, m_protocol == 1 ? 0 : 1);
}
