#include "plant/OvAnnunciator.h"
#include "plant/FieldChange.h"

#include "core/Configuration.h"

#include <cstring>

using plantfields::change;

OvAnnunciator::OvAnnunciator() = default;

OvAnnunciator::OvAnnunciator(int cpuIndex, int address, const u8 viewerRecord[kViewerRecordSize])
    : m_cpuIndex(cpuIndex)
    , m_address(address)
{
    char name[32];
    std::memcpy(name, viewerRecord + 1, sizeof name);
    m_description = Configuration::charBufferToString(name, sizeof name);
}

OvAnnunciator::OvAnnunciator(const OvAnnunciator& other)
{
    copy(other);
}

OvAnnunciator& OvAnnunciator::operator=(const OvAnnunciator& other)
{
    copy(other);
    return *this;
}

OvAnnunciator::~OvAnnunciator() = default;

void OvAnnunciator::reset()
{
    m_cpuIndex = -1;
    m_address = -1;
    m_startingZone = 1;
    m_viewerType = 0;
    m_description.clear();
    m_filters.deleteAll();
}

void OvAnnunciator::copy(const OvAnnunciator& other)
{
    // A reset first would destroy the very filters a self-copy is about to clone.
    if (&other == this)
        return;
    reset();
    m_cpuIndex = other.m_cpuIndex;
    m_address = other.m_address;
    m_description = other.m_description;
    m_startingZone = other.m_startingZone;
    m_viewerType = other.m_viewerType;
    for (const ZpEventFilter* filter : other.m_filters) {
        if (filter)
            m_filters.append(filter->clone().release());
    }
}

bool OvAnnunciator::operator==(const OvAnnunciator& other) const
{
    if (m_description != other.m_description || m_filters.size() != other.m_filters.size()
        || m_startingZone != other.m_startingZone || m_viewerType != other.m_viewerType)
        return false;
    for (int i = 0; i < m_filters.size(); ++i) {
        const ZpEventFilter* mine = m_filters.at(i);
        const ZpEventFilter* theirs = other.m_filters.at(i);
        if (mine != theirs && (!mine || !mine->isEqual(theirs)))
            return false;
    }
    return true;
}

bool OvAnnunciator::setCpuIndex(int cpuIndex)
{
    return change(m_cpuIndex, cpuIndex);
}

bool OvAnnunciator::setAddress(int address)
{
    return change(m_address, address);
}

bool OvAnnunciator::setStartingZone(int zone)
{
    return change(m_startingZone, zone);
}

bool OvAnnunciator::setViewerType(int type)
{
    return change(m_viewerType, type);
}

bool OvAnnunciator::setDescription(const QString& description)
{
    return change(m_description, description);
}

void OvAnnunciator::setFilter(int pos, const ZpEventFilter& filter)
{
    ZpEventFilter* copy = filter.clone().release();
    if (pos >= 0 && pos < m_filters.size() && m_filters.at(pos)) {
        delete m_filters.at(pos);
        m_filters[pos] = copy;
        return;
    }
    m_filters.append(copy);
}

bool OvAnnunciator::hasConflictingFilters() const
{
    for (int i = m_filters.size() - 1; i >= 1; --i) {
        const ZpEventFilter* later = m_filters.at(i);
        if (!later || later->getType() == ZpEventFilter::None)
            continue;
        for (int j = i - 1; j >= 0; --j) {
            const ZpEventFilter* earlier = m_filters.at(j);
            if (later->isEqual(earlier) || later->isCoveredBy(earlier) || (earlier && earlier->isCoveredBy(later)))
                return true;
        }
    }
    return false;
}
