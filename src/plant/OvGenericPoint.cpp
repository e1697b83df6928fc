#include "plant/OvGenericPoint.h"
#include "plant/LogLine.h"

#include "plant/OvGenericSubPoint.h"
#include "plant/PointType.h"

#include "core/ApplicationLog.h"

#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"

#include <QDebug>
#include <QLoggingCategory>

#include <algorithm>

OvGenericPoint::OvGenericPoint()
{
    resetData();
}

bool OvGenericPoint::linkedModuleFits(unsigned int address, const OvGenericPoint* next)
{
    return address % 10 == 0 && next && !next->isValid();
}

void OvGenericPoint::typeLinkedChannels()
{
    if (!isLinkedModule(m_series, m_hwType))
        return;
    for (int k = 1; k <= 2; ++k) {
        const std::vector<u8> types = get_sw_type_list(m_hwType, PointType::loopTypeOf(m_protocol), u32(k - 1),
                                                       PointType::panelFamily());
        if (types.size() != 1)
            continue;
        // A channel already there keeps its settings, such as those a retype carried over.
        OvGenericSubPoint channel = k <= m_subPoints.size() ? m_subPoints.at(k - 1) : OvGenericSubPoint(*this, k);
        channel.setSWType(types.front(), true);
        updateSubPoint(channel);
    }
}

OvGenericPoint::OvGenericPoint(int family, int cpuIndex, int loopIndex, unsigned int address)
    : m_cpuIndex(cpuIndex)
    , m_loopIndex(loopIndex)
    , m_address(address)
    , m_family(family)
{
    resetData();
}

OvChannelList::OvChannelList(const OvChannelList& other)
    : QList<OvGenericSubPoint>(other)
{
    if (!isEmpty())
        detach();
}

OvChannelList& OvChannelList::operator=(const OvChannelList& other)
{
    QList<OvGenericSubPoint>::operator=(other);
    if (!isEmpty())
        detach();
    return *this;
}

OvChannelList::iterator OvChannelList::begin()
{
    return isEmpty() ? iterator() : QList<OvGenericSubPoint>::begin();
}

OvChannelList::iterator OvChannelList::end()
{
    return isEmpty() ? iterator() : QList<OvGenericSubPoint>::end();
}

// Every field, the channels each a copy of its own: a point copied member by member, which a
// full plant does for tens of thousands of points at each copy of its CPUs.
OvGenericPoint::OvGenericPoint(const OvGenericPoint& other) = default;
OvGenericPoint& OvGenericPoint::operator=(const OvGenericPoint& other) = default;

OvGenericPoint::~OvGenericPoint() = default;

void OvGenericPoint::assignData(const OvGenericPoint& other)
{
    m_cpuIndex = other.m_cpuIndex;
    m_loopIndex = other.m_loopIndex;
    m_address = other.m_address;
    m_hwType = other.m_hwType;
    m_swType = other.m_swType;
    m_inputType = other.m_inputType;
    m_family = other.m_family;
    m_protocol = other.m_protocol;
    m_series = other.m_series;
    m_description = other.m_description;
    m_areaIndex = other.m_areaIndex;
    m_checkAudit = other.m_checkAudit;
    m_checkFlashing = other.m_checkFlashing;
    m_checkTracking = other.m_checkTracking;
    m_checkRaviSCtrlDisa = other.m_checkRaviSCtrlDisa;
    m_checkTrackingMod = other.m_checkTrackingMod;
    m_checkFlashingMod = other.m_checkFlashingMod;
    m_checkAutoSilenceMod = other.m_checkAutoSilenceMod;
    m_checkSilenceMod = other.m_checkSilenceMod;
    m_sensNormal = other.m_sensNormal;
    m_sensLow = other.m_sensLow;
    m_sensHigh = other.m_sensHigh;
    m_cbe = other.m_cbe;
    m_alertLevelRAVI = other.m_alertLevelRAVI;
    m_fastInputDev1 = other.m_fastInputDev1;
    m_fastInputDev2 = other.m_fastInputDev2;
    m_fastInputLogic = other.m_fastInputLogic;
}

void OvGenericPoint::pasteFrom(const OvGenericPoint& other)
{
    const int cpuIndex = m_cpuIndex;
    const int loopIndex = m_loopIndex;
    const unsigned int address = m_address;
    *this = other;
    setLocation(cpuIndex, loopIndex, address);
}

void OvGenericPoint::setLocation(int cpuIndex, int loopIndex, unsigned int address)
{
    m_cpuIndex = cpuIndex;
    m_loopIndex = loopIndex;
    m_address = address;
    for (OvGenericSubPoint& channel : m_subPoints) {
        channel.m_cpuIndex = cpuIndex;
        channel.m_loopIndex = loopIndex;
        channel.m_address = address;
    }
}

const QList<OvGenericSubPoint>& OvGenericPoint::subPoints() const
{
    return m_subPoints;
}

void OvGenericPoint::resetData()
{
    m_hwType = 0;
    m_swType = 0;
    m_inputType = m_family == 1 ? int(PointType::PT_INPUT) : int(PointType::PT_INPUT_NONE);
    m_protocol = 0;
    m_series = 0;
    m_description.clear();
    m_areaIndex = -1;
    m_checkAudit = true;
    m_checkFlashing = false;
    m_checkTracking = false;
    m_checkRaviSCtrlDisa = false;
    m_checkTrackingMod = false;
    m_checkFlashingMod = false;
    m_checkAutoSilenceMod = false;
    m_checkSilenceMod = false;
    m_sensNormal = 1;
    m_sensLow = 1;
    m_sensHigh = 1;
    m_cbe.clear();
    m_alertLevelRAVI = 0;
    m_fastInputDev1 = 0;
    m_fastInputDev2 = 0;
    m_fastInputLogic = false;
    m_cbeErrorCode = 0;
    // Most points have no channels: an empty list is left as it is.
    if (!m_subPoints.isEmpty())
        m_subPoints.clear();
}

void OvGenericPoint::reset()
{
    resetData();
}

bool OvGenericPoint::hasFeature(unsigned int mask) const
{
    return PointType::swTypeHasAttribute(m_swType, mask);
}

// --- queries ---

bool OvGenericPoint::hasSetting(int family, bool noChannels, unsigned int feature) const
{
    return isValid() && (family == 0 || m_family == family) && !(noChannels && !m_subPoints.isEmpty())
        && hasFeature(feature);
}

int OvGenericPoint::alertLevel() const
{
    if (!hasSetting(1, true, FEATURE_ALERT_LEVEL))
        return 0;
    return m_alertLevelRAVI >= 1 && m_alertLevelRAVI <= kAlertLevels ? m_alertLevelRAVI : 0;
}

const OvGenericPoint* OvGenericPoint::at(int position) const
{
    if (m_subPoints.isEmpty())
        return position == 0 ? this : nullptr;
    return position >= 0 && position < m_subPoints.size() ? &m_subPoints.at(position) : nullptr;
}

OvGenericPoint* OvGenericPoint::at(int position)
{
    if (m_subPoints.isEmpty())
        return position == 0 ? this : nullptr;
    return position >= 0 && position < m_subPoints.size() ? &m_subPoints[position] : nullptr;
}

bool OvGenericPoint::isValid(int position) const
{
    const OvGenericPoint* point = at(position);
    return point != nullptr && point->isValid();
}

bool OvGenericPoint::isComplete(int position) const
{
    const OvGenericPoint* point = at(position);
    return point != nullptr && point->isComplete();
}

bool OvGenericPoint::isComplete() const
{
    return isValid() && isAreaAssigned();
}

int OvGenericPoint::getAreaIndex(int position) const
{
    const OvGenericPoint* point = at(position);
    return point != nullptr ? point->m_areaIndex : -1;
}

bool OvGenericPoint::setAreaIndex(int position, int area)
{
    OvGenericPoint* point = at(position);
    if (point != nullptr)
        point->m_areaIndex = area;
    return true;
}

int OvGenericPoint::getInputType(int position) const
{
    const OvGenericPoint* point = at(position);
    if (point == nullptr)
        return m_subPoints.isEmpty() ? m_inputType : kInputTypeChannels;
    return point->m_subPoints.isEmpty() ? point->m_inputType : kInputTypeChannels;
}

int OvGenericPoint::getValidCount() const
{
    if (m_subPoints.isEmpty())
        return isValid() ? 1 : 0;
    int count = 0;
    for (const OvGenericSubPoint& channel : m_subPoints)
        count += channel.isValid() ? 1 : 0;
    return count;
}

int OvGenericPoint::getInputCount() const
{
    if (m_subPoints.isEmpty())
        return isValid() && m_inputType == PointType::PT_INPUT ? 1 : 0;
    int count = 0;
    for (const OvGenericSubPoint& channel : m_subPoints)
        count += channel.isValid() && channel.m_inputType == PointType::PT_INPUT ? 1 : 0;
    return count;
}

int OvGenericPoint::getCBEErrorCode() const
{
    if (m_cbeErrorCode != 0)
        return m_cbeErrorCode;
    for (const OvGenericSubPoint& channel : m_subPoints) {
        if (channel.m_cbeErrorCode != 0)
            return channel.m_cbeErrorCode;
    }
    return 0;
}

bool OvGenericPoint::isAreaAssigned() const
{
    if (m_subPoints.isEmpty())
        return m_areaIndex > 0 || !hasFeature(FEATURE_AREA);
    bool seen = false;
    for (const OvGenericSubPoint& channel : m_subPoints) {
        if (!channel.isValid())
            continue;
        if (!channel.isAreaAssigned() && channel.hasFeature(FEATURE_AREA))
            return false;
        seen = true;
    }
    return seen;
}

bool OvGenericPoint::isEqual(const OvGenericPoint& other) const
{
    if (m_cpuIndex != other.m_cpuIndex || m_loopIndex != other.m_loopIndex || m_address != other.m_address
        || m_hwType != other.m_hwType || m_swType != other.m_swType || m_inputType != other.m_inputType
        || m_description != other.m_description || m_areaIndex != other.m_areaIndex || m_family != other.m_family
        || m_protocol != other.m_protocol || m_series != other.m_series || m_checkAudit != other.m_checkAudit
        || m_checkFlashing != other.m_checkFlashing || m_checkTracking != other.m_checkTracking
        || m_checkRaviSCtrlDisa != other.m_checkRaviSCtrlDisa || m_checkTrackingMod != other.m_checkTrackingMod
        || m_checkFlashingMod != other.m_checkFlashingMod || m_checkAutoSilenceMod != other.m_checkAutoSilenceMod
        || m_checkSilenceMod != other.m_checkSilenceMod || m_sensNormal != other.m_sensNormal
        || m_sensLow != other.m_sensLow || m_sensHigh != other.m_sensHigh || m_cbe != other.m_cbe
        || m_alertLevelRAVI != other.m_alertLevelRAVI || m_fastInputDev1 != other.m_fastInputDev1
        || m_fastInputDev2 != other.m_fastInputDev2 || m_fastInputLogic != other.m_fastInputLogic
        || m_subPoints.size() != other.m_subPoints.size())
        return false;
    for (int i = 0; i < m_subPoints.size(); ++i) {
        if (!m_subPoints.at(i).isEqual(other.m_subPoints.at(i)))
            return false;
    }
    return true;
}

bool OvGenericPoint::isSameType(const PointType* type) const
{
    return type != nullptr && m_hwType == type->hwType() && m_swType == type->swType() && m_family == type->getFamily()
        && m_protocol == type->getProtocol() && m_series == type->getSeries();
}

QString OvGenericPoint::getSubTypeName(int position) const
{
    const OvGenericPoint* point = at(position);
    return point != nullptr ? QString::fromLatin1(get_type_name(point->m_swType)) : QString();
}

bool OvGenericPoint::isUsableFor(int kind) const
{
    if (!isValid())
        return true;
    if (m_series == 1)
        return kind != 2;
    if (m_series == 2)
        return kind != 1;
    return true;
}

// --- changes ---

bool OvGenericPoint::setProtocol(int protocol)
{
    if (protocol != m_protocol) {
        resetData();
        m_protocol = protocol;
    }
    return true;
}

bool OvGenericPoint::setSeries(int series)
{
    if (series != m_series) {
        resetData();
        m_series = series;
    }
    return true;
}

bool OvGenericPoint::setSWType(unsigned char swType, bool recompute)
{
    m_swType = swType;
    if (recompute)
        m_inputType = PointType::computeInputType(m_family, m_series, m_hwType, swType);
    return true;
}

bool OvGenericPoint::setCheckAudit(bool value)
{
    m_checkAudit = value;
    return true;
}

bool OvGenericPoint::setCBE(const QString& text)
{
    if (text == m_cbe)
        return true;
    m_cbe = text;
    m_cbeErrorCode = kCBEUnchecked;
    return true;
}

void OvGenericPoint::setSensitivities(int normal, int low, int high)
{
    m_sensNormal = normal;
    m_sensLow = low;
    m_sensHigh = high;
}

void OvGenericPoint::setFastInput(int dev1, int dev2, bool logic)
{
    m_fastInputDev1 = dev1;
    m_fastInputDev2 = dev2;
    m_fastInputLogic = logic;
}

void OvGenericPoint::applyTypeDefaults()
{
    if (hasFeature(FEATURE_THREE_LEVELS)) {
        const bool raised = m_series == 2 ? (m_hwType == 0x4002 || m_hwType == 0x4003 || m_hwType == 0x4005)
                                          : (m_hwType == 20 || m_hwType == 84);
        m_sensHigh = raised ? 9 : 6;
        m_sensNormal = raised ? 5 : 2;
        m_sensLow = 1;
    }
    if (hasFeature(FEATURE_ALERT_LEVEL))
        m_alertLevelRAVI = 4;
}

void OvGenericPoint::appendChannelCopy(unsigned int subIndex)
{
    // The device's fields without its channels, which a channel copies from a point.
    m_subPoints.append(OvGenericSubPoint(*this, int(subIndex)));
}

void OvGenericPoint::takeDeviceOf(const OvGenericPoint& channel)
{
    // No record holds a module's own description, zone, flags or program: they stay as typing
    // the module leaves them, whatever its channel carries.
    OvGenericPoint device(channel.m_family, channel.m_cpuIndex, channel.m_loopIndex, channel.m_address);
    device.m_hwType = channel.m_hwType;
    device.m_protocol = channel.m_protocol;
    device.m_series = channel.m_series;
    assignData(device);
    m_cbeErrorCode = 0;
}

int OvGenericPoint::channelsOfCode(int series, u16 hwType)
{
    return isLinkedModule(series, hwType) ? 2 : int(get_sub_num(hwType));
}

bool OvGenericPoint::channelsAtOwnAddresses() const
{
    return m_family != 1 && !m_subPoints.isEmpty() && m_subPoints.first().atOwnAddress();
}

bool OvGenericPoint::atOwnAddress() const
{
    return getSubIndex() > 0 && m_family != 1 && recordClass() == DeviceRec::CLASS_CONSECUTIVE;
}

int OvGenericPoint::addressSpan() const
{
    if (m_family == 1 || (m_series != 2 && !channelsAtOwnAddresses()))
        return 1;
    return std::max(1, int(m_subPoints.size()));
}

void OvGenericPoint::dropUntypedChannelsAfter(int count)
{
    while (m_subPoints.size() > count && m_subPoints.last().swType() == 0)
        m_subPoints.removeLast();
}

void OvGenericPoint::setPointType(const PointType& type)
{
    resetData();
    m_hwType = type.hwType();
    m_swType = type.swType();
    m_family = type.getFamily();
    m_protocol = type.getProtocol();
    m_series = type.getSeries();
    m_inputType = PointType::computeInputType(m_family, m_series, m_hwType, m_swType);
    if (type.subCount() > 1) {
        for (int i = 1; i <= type.subCount(); ++i)
            appendChannelCopy(unsigned(i));
    }
    applyTypeDefaults();
}

void OvGenericPoint::copyType(const OvGenericPoint& other)
{
    if (m_family == other.m_family && m_protocol == other.m_protocol && m_series == other.m_series
        && m_hwType == other.m_hwType && m_swType == other.m_swType)
        return;
    resetData();
    m_family = other.m_family;
    m_series = other.m_series;
    m_protocol = other.m_protocol;
    m_hwType = other.m_hwType;
    m_swType = other.m_swType;
    m_inputType = other.m_inputType;
    if (other.m_subPoints.size() > 1) {
        for (int i = 0; i < other.m_subPoints.size(); ++i) {
            appendChannelCopy(unsigned(i + 1));
            OvGenericSubPoint& channel = m_subPoints.last();
            channel.m_swType = other.m_subPoints.at(i).m_swType;
            channel.m_inputType = PointType::computeInputType(m_family, m_series, m_hwType, channel.m_swType);
        }
    }
    applyTypeDefaults();
}

bool OvGenericPoint::updateSubPoint(const OvGenericSubPoint& channel)
{
    const int s = channel.getSubIndex();
    const int n = m_subPoints.size();
    if (s < 1)
        return false;
    if (s <= n) {
        m_subPoints[s - 1] = channel;
        return true;
    }
    if (s == 1) {
        // n is 0: the first channel of the device brings the device's type. Of a code without
        // channels the record is the device itself.
        const int g = int(get_sub_num(channel.m_hwType));
        if (g < 2) {
            assignData(channel);
            return false;
        }
        takeDeviceOf(channel);
        m_inputType = kInputTypeChannels;
        m_subPoints.append(channel);
        for (int i = 2; i <= g; ++i)
            appendChannelCopy(unsigned(i));
        return false;
    }
    if (m_cpuIndex != channel.m_cpuIndex || m_loopIndex != channel.m_loopIndex || m_address != channel.m_address
        || (m_hwType != 0 && m_hwType != channel.m_hwType))
        return false;
    if (m_hwType == 0) {
        takeDeviceOf(channel);
        const int g = int(get_sub_num(m_hwType));
        if (m_subPoints.isEmpty() && g > 1) {
            m_inputType = kInputTypeChannels;
            for (int i = 1; i <= g; ++i)
                appendChannelCopy(unsigned(i));
        }
    }
    while (m_subPoints.size() < s)
        appendChannelCopy(unsigned(m_subPoints.size() + 1));
    m_subPoints[s - 1] = channel;
    return false;
}

// --- log ---

namespace {
// A label and its number, as the dump writes each field.
template <size_t N>
char* putField(char* p, const char (&label)[N], qint64 value)
{
    return ApplicationLog::putDecimal(ApplicationLog::putText(p, label), value);
}
} // namespace

QString OvGenericPoint::dumpHead() const
{
    // The fields as a spacing stream writes them: a blank after each item, the description quoted.
    char head[256];
    char* p = m_family == 1 ? putField(head, "Sensore \tCentrale:  ", m_cpuIndex)
                            : putField(head, "Modulo \tCentrale:  ", m_cpuIndex);
    p = putField(p, " \tLoop :  ", m_loopIndex);
    p = putField(p, " \tIndex =  ", m_address);
    p = putField(p, " \tProtocollo =  ", m_protocol);
    p = putField(p, " \tSerie\t\t=  ", m_series);
    p = putField(p, " \tHType =  ", m_hwType);
    p = putField(p, " \tSType ", m_swType);
    p = ApplicationLog::putText(p, " \tDescrizione =  ");
    char tail[64];
    char* t = putField(tail, " \tZona =  ", m_areaIndex);
    *t++ = ' ';
    QString text;
    text.reserve(int(p - head) + int(t - tail) + m_description.size() + 24);
    text.append(QLatin1String(head, int(p - head)));
    logline::appendQuoted(text, m_description);
    text.append(QLatin1String(tail, int(t - tail)));
    return text;
}

void OvGenericPoint::dump() const
{
    // Every point read from the panel configuration is dumped: skip the formatting when the
    // line would be dropped.
    if (!logline::infoEnabled())
        return;
    QString text = dumpHead();
    text += QLatin1String(" \tSUB SIZE =  ");
    logline::appendNumber(text, m_subPoints.size());
    OV_LOG_LINE(QtInfoMsg, text);
}
