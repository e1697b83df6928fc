#include "plant/OvArea.h"
#include "plant/FieldChange.h"

#include <QDebug>

using plantfields::boolText;
using plantfields::change;

OvArea::~OvArea() = default;

bool OvArea::operator==(const OvArea& other) const
{
    return m_index == other.m_index && m_description == other.m_description && m_nightAndDay == other.m_nightAndDay
        && m_preAllarm == other.m_preAllarm && m_sensorCount == other.m_sensorCount
        && m_moduleCount == other.m_moduleCount && m_correlation == other.m_correlation;
}

void OvArea::pasteFrom(const OvArea& other)
{
    const int index = m_index;
    *this = other;
    m_index = index;
}

void OvArea::clear()
{
    pasteFrom(OvArea());
}

void OvArea::dump() const
{
    qDebug().noquote().nospace() << "Zona " << m_index << "\tNight&Day = " << boolText(m_nightAndDay)
                                 << "\tPreAllarm = " << boolText(m_preAllarm) << "\tCorrelation = " << m_correlation
                                 << "\tSensors Count = " << m_sensorCount << "\tModule Count = " << m_moduleCount;
}

bool OvArea::setDescription(const QString& description)
{
    return change(m_description, description);
}

bool OvArea::setNightAndDay(bool on)
{
    return change(m_nightAndDay, on);
}

bool OvArea::setPreAllarm(bool on)
{
    return change(m_preAllarm, on);
}

bool OvArea::setSensorCount(u32 count)
{
    return change(m_sensorCount, count);
}

bool OvArea::setModuleCount(u32 count)
{
    return change(m_moduleCount, count);
}

bool OvArea::setCorrelation(u8 correlation)
{
    return change(m_correlation, correlation);
}
