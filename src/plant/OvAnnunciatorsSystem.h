#pragma once
// The annunciators, or the viewers, of one CPU, by address 1 to 16: an address is present
// exactly when the display is installed (annunciator) or enabled (viewer).
#include "OS/types.h"
#include "plant/OvAnnunciator.h"

#include <QMap>
#include <QString>

class OvAnnunciatorsSystem {
public:
    static constexpr int kAnnunciatorRecordSize = 291;
    static constexpr int kMaxDisplays = 16;
    static constexpr int kMaxFilters = 64;

    explicit OvAnnunciatorsSystem(u32 cpuIndex = 0);
    OvAnnunciatorsSystem(const OvAnnunciatorsSystem& other);
    OvAnnunciatorsSystem& operator=(const OvAnnunciatorsSystem& other);
    virtual ~OvAnnunciatorsSystem();

    u32 cpuIndex() const { return m_cpuIndex; }
    const QMap<int, OvAnnunciator>& annunciators() const { return m_annunciators; }

    // Stores a copy of entry at its address, over the entry held there.
    void setAnnunciator(const OvAnnunciator& entry);
    // Every entry of other overwrites (or joins) the entry of its address.
    void merge(const OvAnnunciatorsSystem& other);
    // Removes the entries at the addresses of other.
    void remove(const OvAnnunciatorsSystem& other);
    bool hasFilters() const;
    bool hasConflictingFilters() const;

    // The annunciator of a block record (filters, name, defined byte) at address; records of
    // no filter are skipped, so the entry holds its filters without gaps.
    void addFromRecord(int address, const u8 record[kAnnunciatorRecordSize]);
    void addViewerFromRecord(int address, const u8 record[OvAnnunciator::kViewerRecordSize]);

    // Writes the entries into the annunciator block of the CPU at cpuPosition (its number - 1),
    // as annunciators or as viewers. Sets bits and names over the block's defaults: the
    // conversion resets the configuration first. Addresses outside 1 to 16 and filters past
    // the 64th are left out.
    void writeToPanelData(int cpuPosition, bool annunciators) const;

    // folder + "/" + fileName + ".csv"; false when it could not be written completely.
    bool exportCsv(const QString& fileName, const QString& folder) const;

private:
    u32 m_cpuIndex;
    QMap<int, OvAnnunciator> m_annunciators;
};
