#pragma once
// The reader of plant files of earlier releases: a compressed block of tagged records (sync
// word, tag, size, payload of marked fields and nested records, end marker, tag again, CRC-16)
// read straight into the plant. Bodies are walked marker by marker, sliding a byte at a time
// over whatever is not understood, so a nested record that is not read is walked through and
// its end marker ends the record around it. Every size and index taken from the file is checked
// before it is used: nothing is allocated from it and nothing grows past the plant's lists.
#include "plant/PlantLegacyReader.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QLoggingCategory>
#include <QString>

class CPUDevice;
class OvAnnunciator;
class OvGenericPoint;
class OvLoop;
class OvAnnunciatorsSystem;

// The per-byte marker search lines; off unless enabled ("ov.legacy.search.info=true").
Q_DECLARE_LOGGING_CATEGORY(lcLegacySearch)

class OvFileMng : public PlantLegacyReader {
public:
    static constexpr quint32 kSyncWord = 0x91DEEB70;
    static constexpr quint16 kNestedTag = 0x91DE;
    static constexpr quint16 kEndTag = 0xFFFF;
    static constexpr quint32 kMarkerLow = 0xEB70;
    // The content of a full-size plant takes 64 MiB; a declared size above this is refused.
    static constexpr quint32 kMaxContentSize = 128u << 20;
    static constexpr quint32 kMaxRecordSize = 0xFFFFF;
    static constexpr quint32 kMaxListRecordSize = 0x9FFFFF;
    static constexpr int kMaxSubIndex = 10;
    static constexpr int kMaxRepeaterNumber = 64;
    static constexpr uint kNotFound = 263;

    OvFileMng(const QString& fileName, bool importOnly);
    ~OvFileMng() override;
    OvFileMng(const OvFileMng&) = delete;
    OvFileMng& operator=(const OvFileMng&) = delete;

    // 0, 257, 259, 260 or 264.
    uint readFile() override;
    // 0, 264 or 265.
    uint loadSections(Plant& plant) override;
    void close();

    // Installs this reader as the plant's legacy reader.
    static void install();

    const QByteArray& content() const { return m_content; }
    quint16 version() const { return m_version; }
    const QByteArray& creationTime() const { return m_creationTime; }
    const QString& creator() const { return m_creator; }
    int appVersion(int part) const { return part >= 0 && part < 3 ? m_appVersion[part] : 0; }

    // A bounded little-endian reader over bytes held elsewhere; a read past the end fails the
    // reader and yields 0, as a data stream goes bad.
    class Cursor {
    public:
        Cursor(const char* data, qint64 size)
            : m_data(data)
            , m_size(size)
        {
        }
        bool ok() const { return m_ok; }
        qint64 pos() const { return m_pos; }
        qint64 remaining() const { return m_size - m_pos; }
        const char* data() const { return m_data; }
        qint64 size() const { return m_size; }
        quint8 u8();
        quint16 u16();
        quint32 u32();
        qint32 i32() { return qint32(u32()); }
        bool boolean() { return u8() != 0; }
        QString text();
        // The span of n bytes at the position, skipped; null when fewer remain.
        const char* take(qint64 n);
        // The tag of the next field marker, sliding a byte at a time; 0 at the end.
        quint16 nextField(const char* slideFormat);

    private:
        const char* m_data;
        qint64 m_size;
        qint64 m_pos = 0;
        bool m_ok = true;
    };

    // The record check on a record body (payload, end marker, tag, CRC).
    static bool checkRecord(quint8 tag, const char* body, qint64 size);
    static quint16 crc16(const char* data, qint64 size);
    static quint32 word(const char* data)
    {
        return quint32(quint8(data[0])) | quint32(quint8(data[1])) << 8 | quint32(quint8(data[2])) << 16
            | quint32(quint8(data[3])) << 24;
    }
    static bool isMarker(quint32 w) { return (w & kMarkerLow) == kMarkerLow && (w >> 16) != 0; }

    // The search of the sync word and of a record by tag in bytes from pos; on failure pos goes
    // back to where the search began. kNotFound when not found.
    static uint findSync(const char* data, qint64 size, qint64& pos);
    static uint findRecord(const char* data, qint64 size, qint64& pos, quint8 tag);

private:
    // A nested record's body taken from the walk at its size field, or null (nothing read).
    const char* takeNested(Cursor& in, quint32 limit, qint64* bodySize);
    bool checked(quint8 tag, const char* body, qint64 size, qint64 offset) const;
    // Finds the top-level record, cuts out its body and checks it; false when it is skipped.
    bool takeSection(quint8 tag, const char** body, qint64* size);

    uint readHeader();
    uint readGeneral(Plant& plant);
    uint readReservedSection();
    uint readAreas(Plant& plant);
    uint readGroups(Plant& plant);
    uint readRepeaters(Plant& plant);
    uint readCPUs(Plant& plant);
    uint readCPU(Plant& plant, const char* body, qint64 size);
    uint readSIB(CPUDevice& cpu, const char* body, qint64 size);
    uint readLoop(CPUDevice& cpu, const char* body, qint64 size);
    uint readPoint(OvLoop& loop, const char* body, qint64 size);
    uint readSubPoint(OvGenericPoint& point, const char* body, qint64 size);
    uint readAnnunciatorList(CPUDevice& cpu, quint8 tag, const char* body, qint64 size);
    uint readAnnunciator(OvAnnunciator& entry, const char* body, qint64 size);
    uint readEventFilter(OvAnnunciator& entry, const char* body, qint64 size);
    // The value of a point field (both point and sub-point records); false for another tag.
    static bool readPointField(OvGenericPoint& point, quint16 tag, Cursor& in, bool subPoint);
    qint64 offsetOf(const char* p) const { return p - m_content.constData(); }

    QFile m_file;
    QDataStream m_stream;
    QByteArray m_content;
    qint64 m_pos = 0;
    qint32 m_magic = 0;
    quint16 m_version = 0;
    QByteArray m_creationTime;
    int m_appVersion[3] = {2, 7, 0};
    QString m_creator;
    bool m_importOnly = false;
};
