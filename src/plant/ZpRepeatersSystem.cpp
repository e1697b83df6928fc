#include "plant/ZpRepeatersSystem.h"

#include "core/CharBuffer.h"
#include "plant/PlantCsv.h"

#include <cstring>

void ZpRepeatersSystem::addRepeaters(int count)
{
    for (int i = 0; i < count; ++i)
        m_repeaters.append(ZpRepeater());
}

void ZpRepeatersSystem::reset()
{
    for (ZpRepeater& r : m_repeaters)
        r.clear();
}

int ZpRepeatersSystem::getEnabledCount() const
{
    int n = 0;
    for (const ZpRepeater& r : m_repeaters)
        n += r.enabled ? 1 : 0;
    return n;
}

void ZpRepeatersSystem::enableRepeater(int idx, bool enable, bool grow)
{
    if (idx < 0)
        return;
    if (idx < m_repeaters.size()) {
        m_repeaters[idx].enabled = enable;
        return;
    }
    if (!grow)
        return;
    while (m_repeaters.size() < idx)
        m_repeaters.append(ZpRepeater(false, QString(), m_repeaters.size()));
    m_repeaters.append(ZpRepeater(enable, QString(), idx));
}

void ZpRepeatersSystem::writeToPanelData(unsigned char* zpx) const
{
    for (int i = 0; i < m_repeaters.size() && i < kPanelRepeaters; ++i) {
        const ZpRepeater& r = m_repeaters.at(i);
        unsigned char* record = zpx + kFirstRecord + kRecordSize * i;
        record[0] = r.enabled ? 1 : 0;
        if (!r.enabled || r.description.isEmpty())
            continue;
        const QByteArray name = r.description.toLatin1().left(kRecordSize - 1);
        std::memset(record + 1, 0, kRecordSize - 1);
        std::memcpy(record + 1, name.constData(), size_t(name.size()));
    }
}

void ZpRepeatersSystem::readFromPanelData(const unsigned char* zpx)
{
    for (int i = 0; i < kPanelRepeaters; ++i) {
        const unsigned char* record = zpx + kFirstRecord + kRecordSize * i;
        enableRepeater(i, record[0] == 1, true);
        char name[kRecordSize];
        std::memcpy(name, record + 1, kRecordSize - 1);
        name[kRecordSize - 1] = 0;
        if (ZpRepeater* r = at(i))
            r->description = charBufferToString(name, kRecordSize - 1);
    }
}

bool ZpRepeatersSystem::exportCsv(const QString& fileName) const
{
    PlantCsv csv(fileName);
    if (!csv.isOpen())
        return false;
    csv.writeHeader(fileName);
    csv.writeLine({qtTrId("CSV_INDEX"), qtTrId("CSV_DESCRIPTION"), qtTrId("CSV_ENABLEDSTAT")}, false);
    for (int i = 0; i < m_repeaters.size(); ++i) {
        const ZpRepeater& r = m_repeaters.at(i);
        csv.writeLine({QString::number(i + 1), r.description, r.enabled ? "1" : "0"}, false);
    }
    return csv.close();
}
