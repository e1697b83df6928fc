#include "plant/OvAnnunciatorsSystem.h"

#include "ZpData/Layouts/AnnuncProg.h"
#include "core/Configuration.h"
#include "plant/EventFilterLabel.h"
#include "plant/PanelBlockWrite.h"
#include "plant/PlantCsv.h"

#include <QDebug>

#include <cstring>

namespace {

using Layout = ZpData_v2602::AnnuncProg;

// Copies at most 32 Latin-1 characters into a 32-byte name field, padding with NULs.
void putName(u8* field, const QString& name)
{
    const QByteArray latin1 = name.toLatin1().left(32);
    std::memset(field, 0, 32);
    std::memcpy(field, latin1.constData(), size_t(latin1.size()));
}

} // namespace

OvAnnunciatorsSystem::OvAnnunciatorsSystem(u32 cpuIndex)
    : m_cpuIndex(cpuIndex)
{
}

OvAnnunciatorsSystem::OvAnnunciatorsSystem(const OvAnnunciatorsSystem& other)
    : m_cpuIndex(other.m_cpuIndex)
{
    merge(other);
}

OvAnnunciatorsSystem& OvAnnunciatorsSystem::operator=(const OvAnnunciatorsSystem& other)
{
    if (&other == this)
        return *this;
    m_annunciators.clear();
    m_cpuIndex = other.m_cpuIndex;
    merge(other);
    return *this;
}

OvAnnunciatorsSystem::~OvAnnunciatorsSystem() = default;

void OvAnnunciatorsSystem::setAnnunciator(const OvAnnunciator& entry)
{
    auto it = m_annunciators.find(entry.address());
    if (it != m_annunciators.end())
        it->copy(entry);
    else
        m_annunciators.insert(entry.address(), entry);
}

void OvAnnunciatorsSystem::merge(const OvAnnunciatorsSystem& other)
{
    if (&other == this)
        return;
    for (const OvAnnunciator& entry : other.m_annunciators)
        setAnnunciator(entry);
}

void OvAnnunciatorsSystem::remove(const OvAnnunciatorsSystem& other)
{
    const QList<int> addresses = other.m_annunciators.keys();
    for (int address : addresses)
        m_annunciators.remove(address);
}

bool OvAnnunciatorsSystem::hasFilters() const
{
    for (const OvAnnunciator& entry : m_annunciators) {
        if (!entry.filters().isEmpty())
            return true;
    }
    return false;
}

bool OvAnnunciatorsSystem::hasConflictingFilters() const
{
    for (const OvAnnunciator& entry : m_annunciators) {
        if (entry.hasConflictingFilters())
            return true;
    }
    return false;
}

void OvAnnunciatorsSystem::addFromRecord(int address, const u8 record[kAnnunciatorRecordSize])
{
    OvAnnunciator entry;
    entry.setCpuIndex(int(m_cpuIndex));
    entry.setAddress(address);
    char name[32];
    std::memcpy(name, record + Layout::kAnnuncName, sizeof name);
    entry.setDescription(Configuration::charBufferToString(name, sizeof name));
    for (int i = 0; i < kMaxFilters; ++i) {
        const std::unique_ptr<ZpEventFilter> filter = ZpEventFilter::decode(record + ZpEventFilter::kRecordSize * i);
        if (filter)
            entry.setFilter(-1, *filter);
    }
    setAnnunciator(entry);
}

void OvAnnunciatorsSystem::addViewerFromRecord(int address, const u8 record[OvAnnunciator::kViewerRecordSize])
{
    setAnnunciator(OvAnnunciator(int(m_cpuIndex), address, record));
}

void OvAnnunciatorsSystem::writeToPanelData(int cpuPosition, bool annunciators) const
{
    if (cpuPosition < 0 || cpuPosition >= 64) {
        qWarning() << "CPU position out of range:" << cpuPosition;
        return;
    }
    PanelBlockWrite block(u32(cpuPosition), Layout::kFirstDataType, Layout::kFirstDataType + 63);
    u8* data = block.data();
    for (const OvAnnunciator& entry : m_annunciators) {
        const int a = entry.address() - 1;
        if (a < 0 || a >= kMaxDisplays)
            continue;
        if (annunciators) {
            u8* record = data + Layout::kAnnuncSize * u32(a);
            record[Layout::kAnnuncDefined] = 1;
            putName(record + Layout::kAnnuncName, entry.description());
            const QList<ZpEventFilter*>& filters = entry.filters();
            for (int i = 0; i < filters.size() && i < kMaxFilters; ++i) {
                if (filters.at(i))
                    filters.at(i)->encode(record + ZpEventFilter::kRecordSize * i);
            }
        } else {
            u8* record = data + Layout::kViewers + Layout::kViewerSize * u32(a);
            record[0] |= 1;
            if (!entry.description().isEmpty())
                putName(record + Layout::kViewerName, entry.description());
        }
    }
}

bool OvAnnunciatorsSystem::exportCsv(const QString& fileName, const QString& folder) const
{
    const QString path = folder + QLatin1Char('/') + fileName + QStringLiteral(".csv");
    PlantCsv csv(path);
    if (!csv.isOpen())
        return false;
    csv.writeHeader(path);
    QStringList captions{qtTrId("CSV_INDEX"), qtTrId("CSV_DESCRIPTION")};
    if (hasFilters())
        captions << qtTrId("CSV_FILTER_TYPE") << qtTrId("CSV_FILTER_TARGET");
    csv.writeLine(captions, true);
    const bool secondFamily = Configuration::instance()->isKV();
    for (auto it = m_annunciators.cbegin(); it != m_annunciators.cend(); ++it) {
        const OvAnnunciator& entry = it.value();
        QStringList cells{QString::number(it.key()), entry.description()};
        if (secondFamily) {
            QString model = qtTrId("VIEWERKV");
            if (entry.viewerType() != 0)
                model += QStringLiteral(" M (") + qtTrId("MIMIC") + QLatin1Char(')');
            cells << model;
            if (entry.viewerType() == 1)
                cells << QStringLiteral("A:%1-%2").arg(entry.startingZone()).arg(entry.startingZone() + 79);
        }
        csv.writeLine(cells, true);
        for (const ZpEventFilter* filter : entry.filters()) {
            if (filter)
                csv.writeLine({QString(), QString(), eventFilterTypeLabel(filter->getType()), filter->getDescription()},
                              true);
        }
    }
    return csv.close();
}
