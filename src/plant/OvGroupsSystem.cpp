#include "plant/OvGroupsSystem.h"

#include "DataBlock/bytes.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/GroupProg.h"
#include "cbe/CBEProgramText.h"
#include "plant/PanelBlockWrite.h"
#include "plant/PlantCsv.h"

#include <QDebug>

namespace {

// Fields of the general programming block (dataType 2).
constexpr u32 kGeneralDataType = 2;
constexpr u32 kLowSensGroup = 5202;
constexpr u32 kHighSensGroup = 5204;
constexpr u32 kDirectGroups = 5206;

u16 storedNumber(int number)
{
    return number < 0 ? 0 : u16(number);
}

int readNumber(u32 offset)
{
    u8 bytes[2] = {0, 0};
    g_zpConf->get_data(kGeneralDataType, bytes, 2, offset);
    return get_le16(bytes);
}

} // namespace

OvGroup* OvGroupsSystem::groupAt(int position)
{
    return position >= 0 && position < m_groups.size() ? &m_groups[position] : nullptr;
}

void OvGroupsSystem::clear()
{
    m_groups.clear();
    m_directGroupsCount = -1;
    m_lowSensibilityGroupIndex = -1;
    m_highSensibilityGroupIndex = -1;
}

void OvGroupsSystem::init(int count)
{
    m_groups.clear();
    m_lowSensibilityGroupIndex = -1;
    m_highSensibilityGroupIndex = -1;
    m_directGroupsCount = count / 2;
    for (int p = 0; p < count; ++p) {
        OvGroup group(p + 1);
        group.setDirect(p < m_directGroupsCount);
        m_groups.append(group);
    }
}

void OvGroupsSystem::setGroupsCount(int count)
{
    while (m_groups.size() < count)
        m_groups.append(OvGroup(m_groups.size() + 1));
    while (m_groups.size() > qMax(count, 0)) {
        m_groups.removeLast();
        const int s = m_groups.size();
        if (m_directGroupsCount > s)
            m_directGroupsCount = s;
        if (m_lowSensibilityGroupIndex > s)
            m_lowSensibilityGroupIndex = -1;
        if (m_highSensibilityGroupIndex > s)
            m_highSensibilityGroupIndex = -1;
    }
}

void OvGroupsSystem::resetGroups(int directCount)
{
    const int size = m_groups.size();
    m_directGroupsCount = directCount != 0 && unsigned(size) > unsigned(directCount) ? directCount : size / 2;
    for (int p = 0; p < size; ++p) {
        OvGroup& group = m_groups[p];
        group.clear();
        group.setDirect(p < m_directGroupsCount);
        group.setDoubleConsent(p < m_directGroupsCount);
    }
}

void OvGroupsSystem::setDirectGroupsCount(int count)
{
    if (count < 0 || count == m_directGroupsCount || count > m_groups.size())
        return;
    const int old = m_directGroupsCount;
    m_directGroupsCount = count;
    // Group n is direct when n <= count: it can no longer be a sensitivity group.
    if (m_highSensibilityGroupIndex > 0 && count >= m_highSensibilityGroupIndex)
        m_highSensibilityGroupIndex = -1;
    if (m_lowSensibilityGroupIndex > 0 && count >= m_lowSensibilityGroupIndex)
        m_lowSensibilityGroupIndex = -1;
    const int from = qMax(0, qMin(old, count));
    for (int p = 0; p < m_groups.size(); ++p) {
        OvGroup& group = m_groups[p];
        const bool direct = p < count;
        if (direct != group.isDirect()) {
            group.clear();
            group.setDirect(direct);
        }
        if (p >= from)
            group.setDoubleConsent(direct);
    }
}

bool OvGroupsSystem::setLowSensibilityGroupIndex(int index)
{
    m_lowSensibilityGroupIndex = index;
    return true;
}

bool OvGroupsSystem::setHighSensibilityGroupIndex(int index)
{
    m_highSensibilityGroupIndex = index;
    return true;
}

void OvGroupsSystem::checkCBE()
{
    for (OvGroup& group : m_groups)
        group.checkCBE();
}

void OvGroupsSystem::dump() const
{
    qDebug().noquote().nospace() << "\tNumero gruppi = " << m_groups.size();
    qDebug().noquote().nospace() << "\tGruppi Diretti = " << m_directGroupsCount;
    qDebug().noquote().nospace() << "\tGruppo ad alta sensibilita' = " << m_highSensibilityGroupIndex;
    qDebug().noquote().nospace() << "\tGruppo a bassa sensibilita' = " << m_lowSensibilityGroupIndex;
}

void OvGroupsSystem::writeGeneralFields() const
{
    PanelBlockWrite block(0, kGeneralDataType, kGeneralDataType);
    put_le16(block.data() + kLowSensGroup, storedNumber(m_lowSensibilityGroupIndex));
    put_le16(block.data() + kHighSensGroup, storedNumber(m_highSensibilityGroupIndex));
    put_le16(block.data() + kDirectGroups, storedNumber(m_directGroupsCount));
}

QList<int> OvGroupsSystem::writeToPanelData() const
{
    using GroupProg = ZpData_v2602::GroupProg;
    PanelBlockWrite block(0, GroupProg::kDataType, GroupProg::kDataType);
    const int count = qMin(m_groups.size(), kPanelGroups);
    QList<int> failed;
    for (int p = 0; p < count; ++p) {
        if (!m_groups.at(p).writeToPanelData(block.data() + GroupProg::kRecordSize * u32(p)))
            failed << p + 1;
    }
    return failed;
}

void OvGroupsSystem::writeForNewPlant() const
{
    OvGroupsSystem all(*this);
    all.setGroupsCount(qMax(count(), kPanelGroups));
    all.writeGeneralFields();
    all.writeToPanelData();
}

void OvGroupsSystem::readFromPanelData()
{
    using GroupProg = ZpData_v2602::GroupProg;
    setDirectGroupsCount(readNumber(kDirectGroups));
    const int low = readNumber(kLowSensGroup);
    const int high = readNumber(kHighSensGroup);
    m_lowSensibilityGroupIndex = low == 0 ? -1 : low;
    m_highSensibilityGroupIndex = high == 0 ? -1 : high;
    for (int p = 0; p < kPanelGroups; ++p) {
        u8 record[GroupProg::kRecordSize] = {};
        g_zpConf->get_data(GroupProg::kDataType, record, GroupProg::kRecordSize, GroupProg::kRecordSize * u32(p));
        OvGroup* group = groupAt(p);
        if (group)
            group->setDoubleConsent(record[32] & 1);
        const Ov4800::ProgramText program = Ov4800::programText(record, p < m_directGroupsCount);
        if (!program.decoded || program.text.isEmpty() || !group)
            continue;
        if (!program.faithful)
            qWarning().noquote() << "Group" << p + 1 << "program kept as decoded:" << program.text;
        group->setCBE(program.text);
    }
}

bool OvGroupsSystem::exportCsv(const QString& filePath) const
{
    PlantCsv csv(filePath);
    if (!csv.isOpen())
        return false;
    csv.writeHeader(filePath);
    csv.writeLine({qtTrId("CSV_LOWSENSIBILITYGROUPINDEX"), QString::number(m_lowSensibilityGroupIndex)}, false);
    csv.writeLine({qtTrId("CSV_HIGHTSENSIBILITYGROUPINDEX"), QString::number(m_highSensibilityGroupIndex)}, false);
    csv.writeLine({}, false);
    csv.writeLine({qtTrId("CSV_INDEX"), qtTrId("CSV_DESCRIPTION"), qtTrId("CSV_GROUPTYPE"), qtTrId("CSV_DOUBLECONSENT"),
                   qtTrId("CSV_CBE")},
                  true);
    for (const OvGroup& group : m_groups) {
        csv.writeLine({QString::number(unsigned(group.index())), group.description(),
                       group.isDirect() ? qtTrId("CSV_DIRECT") : qtTrId("CSV_REVERSE"),
                       QString::number(group.doubleConsent() ? 1 : 0), group.cbe()},
                      true);
    }
    return csv.close();
}
