#pragma once
// The plant's repeaters in position order. Records 0 to 7 of the general programming block
// (33 bytes from byte 4880: enabled byte, 32 bytes of Latin-1 name) belong to positions 0 to 7.
#include "plant/ZpRepeater.h"

#include <QVector>

class ZpRepeatersSystem {
public:
    static constexpr int kPanelRepeaters = 8;
    static constexpr int kFirstRecord = 4880;
    static constexpr int kRecordSize = 33;

    ZpRepeatersSystem() = default;
    ZpRepeatersSystem(const ZpRepeatersSystem&) = default;
    ZpRepeatersSystem& operator=(const ZpRepeatersSystem&) = default;
    virtual ~ZpRepeatersSystem() = default;

    // count disabled, unnamed repeaters of index 0.
    virtual void addRepeaters(int count);

    int count() const { return m_repeaters.size(); }
    const QVector<ZpRepeater>& repeaters() const { return m_repeaters; }
    // Null outside the list.
    ZpRepeater* at(int idx) { return idx >= 0 && idx < m_repeaters.size() ? &m_repeaters[idx] : nullptr; }
    const ZpRepeater* at(int idx) const { return idx >= 0 && idx < m_repeaters.size() ? &m_repeaters[idx] : nullptr; }

    void clear() { m_repeaters.clear(); }
    // Every repeater cleared; the count stays.
    void reset();
    int getEnabledCount() const;
    // Past the list only with grow: fills with disabled repeaters numbered by position up to
    // idx, then appends the one asked for. A negative idx does nothing.
    void enableRepeater(int idx, bool enable, bool grow);

    // The first eight into the general programming block: the enabled byte always, the name only
    // for an enabled repeater with one.
    void writeToPanelData(unsigned char* zpx) const;
    void readFromPanelData(const unsigned char* zpx);
    // False when the file could not be written completely.
    bool exportCsv(const QString& fileName) const;

private:
    QVector<ZpRepeater> m_repeaters;
};
