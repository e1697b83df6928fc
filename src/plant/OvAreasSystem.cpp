#include "plant/OvAreasSystem.h"

#include "ZpData/Layouts/ZoneName.h"
#include "ZpData/Layouts/ZoneProg.h"
#include "plant/PanelBlockWrite.h"
#include "plant/PlantCsv.h"

#include <QDebug>

#include <cstring>

OvArea* OvAreasSystem::areaAt(int position)
{
    return position >= 0 && position < m_areas.size() ? &m_areas[position] : nullptr;
}

void OvAreasSystem::reset()
{
    for (OvArea& area : m_areas)
        area.clear();
}

void OvAreasSystem::init(int count)
{
    reset();
    for (int i = 0; i < count; ++i)
        m_areas.append(OvArea(m_areas.size() + 1));
}

void OvAreasSystem::resize(int endZone)
{
    const int target = qMax(0, endZone - 1);
    while (m_areas.size() < target)
        m_areas.append(OvArea(m_areas.size() + 1));
    while (m_areas.size() > target)
        m_areas.removeLast();
}

bool OvAreasSystem::updateArea(const OvArea& area)
{
    if (area.index() <= 0 || area.index() > m_areas.size())
        return false;
    m_areas[area.index() - 1] = area;
    return true;
}

void OvAreasSystem::dump() const
{
    qDebug().noquote().nospace() << "\tNumero di zone = " << m_areas.size();
}

void OvAreasSystem::writeToPanelData() const
{
    using ZoneProg = ZpData_v2602::ZoneProg;
    const int count = qMin(m_areas.size(), kPanelZones);
    {
        PanelBlockWrite block(0, ZoneProg::kDataType, ZoneProg::kDataType);
        u8* data = block.data();
        for (int p = 0; p < count; ++p) {
            const OvArea& area = m_areas.at(p);
            const u8 bit = u8(1u << (p % 8));
            if (area.nightAndDay())
                data[ZoneProg::kBitTableA + p / 8] |= bit;
            if (area.preAllarm())
                data[ZoneProg::kBitTableB + p / 8] |= bit;
            const u8 nibble = area.correlation() & 15;
            data[ZoneProg::kNibbleTable + p / 2] |= p % 2 == 0 ? nibble : u8(nibble << 4);
        }
    }
    PanelBlockWrite names(0, ZpData_v2602::ZoneName::kDataType, ZpData_v2602::ZoneName::kDataType);
    for (int p = 0; p < count; ++p) {
        const QByteArray latin1 = m_areas.at(p).description().toLatin1().left(32);
        u8* field = names.data() + 32 * p;
        std::memset(field, 0, 32);
        std::memcpy(field, latin1.constData(), size_t(latin1.size()));
    }
}

bool OvAreasSystem::exportCsv(const QString& filePath) const
{
    PlantCsv csv(filePath);
    if (!csv.isOpen())
        return false;
    csv.writeHeader(filePath);
    csv.writeLine({qtTrId("CSV_INDEX"), qtTrId("CSV_DESCRIPTION"), qtTrId("NIGHTANDDAYCHECK"),
                   qtTrId("PREALLARMENABLED"), qtTrId("AREA_CORRELATION"), qtTrId("SENSORCOUNT"),
                   qtTrId("MODULECOUNT")},
                  true);
    for (const OvArea& area : m_areas) {
        csv.writeLine({QString::number(unsigned(area.index())), area.description(),
                       QString::number(area.nightAndDay() ? 1 : 0), QString::number(area.preAllarm() ? 1 : 0),
                       QString::number(area.correlation() + 1), QString::number(area.sensorCount()),
                       QString::number(area.moduleCount())},
                      true);
    }
    return csv.close();
}
