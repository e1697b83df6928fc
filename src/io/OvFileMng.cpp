#include "io/OvFileMng.h"

#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/ZpEventFilter.h"

#include "DataBlock/crc.h"
#include "cbe/CBEExpression.h"

#include <QDebug>

#include <cstdio>
#include <cstring>
#include <memory>
#include <zlib.h>

Q_LOGGING_CATEGORY(lcLegacySearch, "ov.legacy.search", QtWarningMsg)

namespace {

constexpr qint32 kFileMagic = 0x13F0C475;
constexpr uint kFileOk = 0;
constexpr uint kCannotRead = 257;
constexpr uint kBadMagic = 259;
constexpr uint kBadVersion = 260;
constexpr uint kBadEnd = 264;
constexpr uint kForeignRecord = 265;
// Deflate never expands more than this, so no block needs a larger buffer than this times its size.
constexpr qint64 kMaxInflateRatio = 1032;

enum SlideLog { kStreamSlide, kBufferSlide };

void unknownTag(quint16 tag)
{
    qDebug().noquote() << "Unknown TAG: " + QString::number(tag);
}

// A program compiles into 32 bytes; its text is far shorter than this. The conversion's cost
// grows with the square of the length, so a longer text is refused before it is converted.
constexpr int kMaxProgramText = 1024;

QString displayProgram(const QString& storageText)
{
    if (storageText.size() <= kMaxProgramText)
        return Ov4800::toDisplayString(storageText);
    qWarning("Legacy program text of %d characters refused", storageText.size());
    return QString();
}

} // namespace

// --- cursor ---

quint8 OvFileMng::Cursor::u8()
{
    const char* p = take(1);
    return p ? quint8(*p) : 0;
}

quint16 OvFileMng::Cursor::u16()
{
    const char* p = take(2);
    return p ? quint16(quint8(p[0]) | quint8(p[1]) << 8) : 0;
}

quint32 OvFileMng::Cursor::u32()
{
    const char* p = take(4);
    return p ? word(p) : 0;
}

const char* OvFileMng::Cursor::take(qint64 n)
{
    if (!m_ok || n < 0 || n > remaining()) {
        m_ok = false;
        return nullptr;
    }
    const char* p = m_data + m_pos;
    m_pos += n;
    return p;
}

QString OvFileMng::Cursor::text()
{
    const quint32 bytes = u32();
    if (!m_ok || bytes == 0xFFFFFFFF)
        return QString();
    if ((bytes & 1) != 0) {
        m_ok = false;
        return QString();
    }
    const char* p = take(qint64(bytes));
    if (!p)
        return QString();
    const int n = int(bytes / 2);
    QString s(n, Qt::Uninitialized);
    QChar* out = s.data();
    for (int i = 0; i < n; ++i)
        out[i] = QChar(ushort(quint8(p[2 * i]) | quint8(p[2 * i + 1]) << 8));
    return s;
}

quint16 OvFileMng::Cursor::nextField(const char* slideFormat)
{
    if (!m_ok)
        return 0;
    if (remaining() < 4) {
        m_ok = false;
        return 0;
    }
    quint32 w = word(m_data + m_pos);
    m_pos += 4;
    while (!isMarker(w)) {
        if (slideFormat == nullptr) {
            qCInfo(lcLegacySearch, "----TAG\t0x%04x", w);
            qCInfo(lcLegacySearch, "ShiftedTAG\t0x%04x", w >> 8);
        } else {
            qCInfo(lcLegacySearch, slideFormat, w);
        }
        if (m_pos >= m_size) {
            m_ok = false;
            return 0;
        }
        w = (w >> 8) | quint32(quint8(m_data[m_pos++])) << 24;
    }
    return quint16(w >> 16);
}

// --- record search and check ---

quint16 OvFileMng::crc16(const char* data, qint64 size)
{
    return ::crc16(data, u32(size));
}

bool OvFileMng::checkRecord(quint8 tag, const char* body, qint64 size)
{
    if (size < 8 || quint8(body[size - 3]) != tag)
        return false;
    const quint16 stored = quint16(quint8(body[size - 2]) | quint8(body[size - 1]) << 8);
    return stored == crc16(body, size - 7);
}

bool OvFileMng::checked(quint8 tag, const char* body, qint64 size, qint64 offset) const
{
    if (checkRecord(tag, body, size))
        return true;
    const quint16 stored = size >= 2 ? quint16(quint8(body[size - 2]) | quint8(body[size - 1]) << 8) : 0;
    const quint16 computed = size >= 7 ? crc16(body, size - 7) : 0xFFFF;
    qWarning("Legacy record %u at offset %lld skipped: stored CRC 0x%04x, computed 0x%04x", tag, offset, stored,
             computed);
    return false;
}

uint OvFileMng::findSync(const char* data, qint64 size, qint64& pos)
{
    if (pos >= 0 && pos + 4 <= size && word(data + pos) == kSyncWord) {
        pos += 4;
        return kFileOk;
    }
    for (;;) {
        if (pos < 0 || pos + 4 >= size)
            return kNotFound;
        const quint32 here = word(data + pos);
        if (isMarker(here) && (here >> 16) == kEndTag)
            return kNotFound;
        ++pos;
        const quint32 w = word(data + pos);
        qCInfo(lcLegacySearch, "----- TAG\t0x%04x", w);
        if (w == kSyncWord) {
            pos += 4;
            return kFileOk;
        }
    }
}

uint OvFileMng::findRecord(const char* data, qint64 size, qint64& pos, quint8 tag)
{
    const qint64 start = pos;
    for (;;) {
        if (findSync(data, size, pos) != kFileOk || pos >= size) {
            pos = start;
            return kNotFound;
        }
        const quint8 found = quint8(data[pos++]);
        if (found == tag)
            return kFileOk;
        if (pos + 4 > size) {
            pos = start;
            return kNotFound;
        }
        const quint32 length = word(data + pos);
        if (length != 0) {
            const qint64 next = pos + qint64(length) + 7;
            if (next > size) {
                pos = start;
                return kNotFound;
            }
            pos = next;
        }
    }
}

bool OvFileMng::takeSection(quint8 tag, const char** body, qint64* size)
{
    const char* data = m_content.constData();
    const qint64 total = m_content.size();
    if (findRecord(data, total, m_pos, tag) != kFileOk)
        return false;
    if (m_pos + 4 > total)
        return false;
    const qint64 start = m_pos + 4;
    const qint64 n = qint64(word(data + m_pos)) + 7;
    if (start + n > total) {
        // Later sections may still stand behind the size field.
        qWarning("Legacy record %u at offset %lld skipped: its %lld bytes run past the end", tag, start, n);
        m_pos = start;
        return false;
    }
    m_pos = start + n;
    *body = data + start;
    *size = n;
    return checked(tag, *body, n, start);
}

const char* OvFileMng::takeNested(Cursor& in, quint32 limit, qint64* bodySize)
{
    const quint32 length = in.u32();
    if (!in.ok() || length == 0 || length > limit || in.remaining() < qint64(length) + 7)
        return nullptr;
    *bodySize = qint64(length) + 7;
    return in.take(*bodySize);
}

// --- life cycle ---

OvFileMng::OvFileMng(const QString& fileName, bool importOnly)
    : m_file(fileName)
    , m_stream(&m_file)
    , m_importOnly(importOnly)
{
    m_stream.setByteOrder(QDataStream::LittleEndian);
}

OvFileMng::~OvFileMng()
{
    close();
}

void OvFileMng::close()
{
    if (m_importOnly && m_stream.status() == QDataStream::Ok)
        qDebug() << "Not supported option, this is legacy import used only for import";
    m_file.close();
}

void OvFileMng::install()
{
    setPlantLegacyReaderFactory(
        [](const QString& fileName) { return std::unique_ptr<PlantLegacyReader>(new OvFileMng(fileName, false)); });
}

uint OvFileMng::readFile()
{
    if (m_importOnly) {
        qDebug() << "Not supported option, this is legacy import used only for import";
        return kFileOk;
    }
    if (!m_file.open(QIODevice::ReadOnly))
        return kCannotRead;
    m_stream >> m_magic;
    if (m_stream.status() != QDataStream::Ok || m_magic != kFileMagic)
        return kBadMagic;
    m_stream >> m_version;
    if (m_stream.status() != QDataStream::Ok)
        return kCannotRead;
    if ((m_version >> 8) > 0x01)
        return kBadVersion;
    quint32 blockSize = 0;
    m_stream >> blockSize;
    if (m_stream.status() != QDataStream::Ok || blockSize == 0xFFFFFFFF || blockSize < 4
        || qint64(blockSize) > m_file.size() - m_file.pos())
        return kCannotRead;
    const QByteArray block = m_file.read(qint64(blockSize));
    if (block.size() != int(blockSize))
        return kCannotRead;
    const quint32 declared = quint32(quint8(block[0])) << 24 | quint32(quint8(block[1])) << 16
        | quint32(quint8(block[2])) << 8 | quint32(quint8(block[3]));
    if (declared == 0 || declared > kMaxContentSize) {
        qWarning("Legacy plant file content of %u bytes refused", declared);
        return kCannotRead;
    }
    const qint64 room = qMin(qint64(declared), qint64(blockSize - 4) * kMaxInflateRatio + 1024);
    m_content.resize(int(room));
    z_stream zs;
    std::memset(&zs, 0, sizeof zs);
    if (inflateInit(&zs) != Z_OK)
        return kCannotRead;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(block.constData() + 4));
    zs.avail_in = uInt(blockSize - 4);
    zs.next_out = reinterpret_cast<Bytef*>(m_content.data());
    zs.avail_out = uInt(room);
    const int status = inflate(&zs, Z_FINISH);
    const qint64 produced = qint64(zs.total_out);
    inflateEnd(&zs);
    if (status != Z_STREAM_END || produced == 0) {
        qWarning("Legacy plant file block does not inflate to its %u declared bytes", declared);
        m_content.clear();
        return kCannotRead;
    }
    m_content.resize(int(produced));
    m_pos = 0;
    return readHeader();
}

// --- sections ---

uint OvFileMng::readHeader()
{
    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(1, &body, &size))
        return kFileOk;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(".... TAG\t0x%04x")) {
        switch (tag) {
        case 35:
            if (const char* p = in.take(8)) {
                m_creationTime = QByteArray(p, 8);
                const uint year = quint8(p[5]) | quint8(p[6]) << 8 | quint8(p[7]) << 16;
                qInfo().noquote() << QString("File created on: %1-%2-%3 %4.%5.%6")
                                         .arg(year)
                                         .arg(quint8(p[4]))
                                         .arg(quint8(p[3]))
                                         .arg(quint8(p[2]))
                                         .arg(quint8(p[1]))
                                         .arg(quint8(p[0]));
            }
            break;
        case 36: {
            const quint8 n = in.u8();
            if (const char* p = in.take(n)) {
                m_creator = QString::fromLatin1(p, int(qstrnlen(p, n)));
                qInfo().noquote() << "File created by " + m_creator;
            }
            break;
        }
        case 37:
            for (int& part : m_appVersion)
                part = in.i32();
            qInfo().noquote()
                << QString("APP_VERSION = %1.%2.%3").arg(m_appVersion[0]).arg(m_appVersion[1]).arg(m_appVersion[2]);
            break;
        case kEndTag: return in.u8() == 1 ? kFileOk : kBadEnd;
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::loadSections(Plant& plant)
{
    uint result = readGeneral(plant);
    plant.dumpParameters();
    if (result == kFileOk)
        result = readReservedSection();
    if (result == kFileOk)
        result = readAreas(plant);
    if (result == kFileOk)
        result = readGroups(plant);
    if (result == kFileOk)
        result = readRepeaters(plant);
    if (result == kFileOk)
        result = readCPUs(plant);
    return result;
}

uint OvFileMng::readGeneral(Plant& plant)
{
    static const struct {
        quint16 tag;
        uint Plant::*member;
    } numbers[] = {
        {5, &Plant::m_walkTest},
        {6, &Plant::m_walkTestCPUID},
        {7, &Plant::m_walkTestLoopID},
        {8, &Plant::m_walkTestModuleID},
        {9, &Plant::m_walkTestSubID},
        {11, &Plant::m_sirenDelayTime},
        {12, &Plant::m_allarmsTxDelayTime},
        {14, &Plant::m_acknowledgementInhibitionTime},
        {16, &Plant::m_autoAcknowledgementTime},
        {17, &Plant::m_failureSystemTime},
        {18, &Plant::m_failureTxTime},
        {20, &Plant::m_detectorsCheckTime},
        {21, &Plant::m_falseFailureTimeTypeID},
        {22, &Plant::m_openCircuitsFailureTime},
        {23, &Plant::m_cameraLowValueTimeFailure},
        {24, &Plant::m_sirenSoundType},
        {25, &Plant::m_sirenVolume},
        {27, &Plant::m_printerParity},
        {28, &Plant::m_printerBaudRate},
        {31, &Plant::m_failureIvalidResponseTime},
        {32, &Plant::m_faultMaintenanceTime},
        {33, &Plant::m_evacSoundType},
        {34, &Plant::m_evacSoundVolume},
        {100, &Plant::m_preAlarmLvl},
    };
    static const struct {
        quint16 tag;
        bool Plant::*member;
    } flags[] = {
        {2, &Plant::m_driftAllert},
        {3, &Plant::m_storagePrint},
        {10, &Plant::m_flashingStat},
        {13, &Plant::m_evacuationChecks},
        {15, &Plant::m_autoAcknowledgementStat},
        {19, &Plant::m_detectorsCheckStat},
        {26, &Plant::m_printerStat},
        {29, &Plant::m_sirenPhaseStat},
        {30, &Plant::m_serialNumbersCheckStat},
        {101, &Plant::m_sirenReactMode},
        {102, &Plant::m_sirenCorrelation},
        {109, &Plant::m_sirenInstantActivation},
    };

    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(2, &body, &size))
        return kFileOk;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 1: {
            const quint32 type = in.u32();
            if (in.ok())
                plant.setPlantType(type, false);
            continue;
        }
        case 4: {
            const QString text = in.text();
            if (in.ok())
                plant.m_description = text;
            continue;
        }
        case 91: {
            const quint8 index = in.u8();
            const quint32 code = in.u32();
            if (in.ok() && index <= 2 && code <= Plant::kMaxPassword)
                plant.m_passwords[index] = code;
            continue;
        }
        case 111: {
            const quint32 value = in.u32();
            if (in.ok() && value != plant.m_plantReleAll) {
                plant.m_plantReleAll = value;
                emit plant.plantReleAllChanged(value);
            }
            continue;
        }
        case kEndTag: return in.u8() == 2 ? kFileOk : kBadEnd;
        default: break;
        }
        bool known = false;
        for (const auto& field : numbers) {
            if (field.tag == tag) {
                const quint32 value = in.u32();
                if (in.ok())
                    plant.*field.member = value;
                known = true;
                break;
            }
        }
        for (const auto& field : flags) {
            if (!known && field.tag == tag) {
                const bool value = in.boolean();
                if (in.ok())
                    plant.*field.member = value;
                known = true;
                break;
            }
        }
        if (!known)
            unknownTag(tag);
    }
    return kFileOk;
}

uint OvFileMng::readReservedSection()
{
    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(3, &body, &size))
        return kFileOk;
    qint64 pos = 0;
    while (findRecord(body, size, pos, 4) == kFileOk) {
        if (pos + 4 > size)
            break;
        const qint64 start = pos + 4;
        const qint64 n = qint64(word(body + pos)) + 7;
        if (start + n > size) {
            pos = start;
            continue;
        }
        checked(4, body + start, n, offsetOf(body + start));
        pos = start + n;
    }
    return kFileOk;
}

uint OvFileMng::readAreas(Plant& plant)
{
    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(12, &body, &size))
        return kFileOk;
    qint64 position = -1;
    auto area = [&]() {
        return position >= 0 && position < plant.m_areas.count() ? plant.m_areas.areaAt(int(position)) : nullptr;
    };
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 90: position = in.i32(); break;
        case 87: {
            const QString text = in.text();
            if (OvArea* a = area(); a && in.ok())
                a->setDescription(text);
            break;
        }
        case 88: {
            const bool on = in.boolean();
            if (OvArea* a = area(); a && in.ok())
                a->setNightAndDay(on);
            break;
        }
        case 89: {
            const bool on = in.boolean();
            if (OvArea* a = area(); a && in.ok())
                a->setPreAllarm(on);
            break;
        }
        case 99: {
            const quint8 value = in.u8();
            if (OvArea* a = area(); a && in.ok())
                a->setCorrelation(value & 0x0F);
            break;
        }
        case kNestedTag:
            if (in.u8() != 13)
                return kForeignRecord;
            in.u32();
            break;
        case kEndTag: {
            const quint8 end = in.u8();
            if (end == 12)
                return kFileOk;
            if (end != 13)
                return kBadEnd;
            in.u16();
            position = -1;
            break;
        }
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::readGroups(Plant& plant)
{
    struct Working {
        QString description;
        bool direct = false;
        QString cbe;
        bool doubleConsent = false;
        qint64 number = 0;
    } group;

    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(10, &body, &size))
        return kFileOk;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 78: in.i32(); break;
        case 79: {
            const qint32 count = in.i32();
            if (in.ok())
                plant.m_groups.setDirectGroupsCount(count);
            break;
        }
        case 80: {
            const qint32 index = in.i32();
            if (in.ok())
                plant.m_groups.setLowSensibilityGroupIndex(index);
            break;
        }
        case 81: {
            const qint32 index = in.i32();
            if (in.ok())
                plant.m_groups.setHighSensibilityGroupIndex(index);
            break;
        }
        case 82: group.description = in.text(); break;
        case 83: group.direct = in.boolean(); break;
        case 84: group.cbe = displayProgram(in.text()); break;
        case 85: group.doubleConsent = in.boolean(); break;
        case 86: group.number = qint64(in.i32()) + 1; break;
        case kNestedTag:
            if (in.u8() != 11)
                return kForeignRecord;
            in.u32();
            group = Working();
            break;
        case kEndTag: {
            const quint8 end = in.u8();
            if (end == 10)
                return kFileOk;
            if (end != 11)
                return kBadEnd;
            in.u16();
            if (group.number >= 1 && group.number <= plant.m_groups.count()) {
                OvGroup stored(int(group.number));
                // Changing the direct flag clears a group: it goes first.
                stored.setDirect(group.direct);
                stored.setDescription(group.description);
                stored.setCBE(group.cbe);
                stored.setDoubleConsent(group.doubleConsent);
                *plant.m_groups.groupAt(int(group.number - 1)) = stored;
            }
            break;
        }
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::readRepeaters(Plant& plant)
{
    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(15, &body, &size))
        return kFileOk;
    qint64 pos = 0;
    while (findRecord(body, size, pos, 16) == kFileOk) {
        if (pos + 4 > size)
            break;
        const qint64 start = pos + 4;
        const quint32 length = word(body + pos);
        const qint64 n = qint64(length) + 7;
        if (length == 0 || length > kMaxRecordSize || start + n > size) {
            pos = start;
            continue;
        }
        pos = start + n;
        if (!checked(16, body + start, n, offsetOf(body + start)))
            continue;
        qint64 number = -1;
        QString description;
        Cursor in(body + start, n);
        for (quint16 tag = in.nextField(nullptr); tag != 0 && tag != kEndTag; tag = in.nextField(nullptr)) {
            if (tag == 95)
                number = in.i32();
            else if (tag == 103)
                description = in.text();
            else
                unknownTag(tag);
        }
        if (number > kMaxRepeaterNumber) {
            qWarning("Legacy repeater number %lld refused", number);
        } else if (number > 0) {
            plant.m_repeaters.enableRepeater(int(number - 1), true, true);
            if (ZpRepeater* repeater = plant.m_repeaters.at(int(number - 1)))
                repeater->description = description;
        }
    }
    return kFileOk;
}

uint OvFileMng::readCPUs(Plant& plant)
{
    const char* body = nullptr;
    qint64 size = 0;
    if (!takeSection(5, &body, &size))
        return kFileOk;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        if (tag == kEndTag)
            return kFileOk;
        if (tag != kNestedTag) {
            unknownTag(tag);
            continue;
        }
        if (in.u8() != 6) {
            unknownTag(kNestedTag);
            continue;
        }
        qint64 n = 0;
        const char* record = takeNested(in, kMaxRecordSize, &n);
        if (!record || !checked(6, record, n, offsetOf(record)))
            continue;
        if (const uint result = readCPU(plant, record, n))
            return result;
    }
    return kFileOk;
}

uint OvFileMng::readCPU(Plant& plant, const char* body, qint64 size)
{
    CPUDevice cpu;
    bool known = false;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 40: {
            const qint32 index = in.i32();
            qDebug().noquote() << "CPU_INDEX " + QString::number(index);
            known = in.ok() && index >= 1 && index <= plant.m_cpus.count();
            if (known) {
                cpu = *plant.m_cpus.cpuAt(index - 1);
                cpu.setEnabled(true);
            } else {
                qWarning("Legacy CPU index %d refused", index);
                cpu = CPUDevice();
            }
            break;
        }
        case 41: cpu.setUPSFlag(in.boolean()); break;
        case 4: cpu.setDescription(in.text()); break;
        case kNestedTag: {
            qDebug() << "START_SECTION";
            const quint8 kind = in.u8();
            quint32 limit = kMaxListRecordSize;
            switch (kind) {
            case 8: qDebug() << "LOOP_DATA"; break;
            case 7:
                qDebug() << "SIB_DATA";
                limit = kMaxRecordSize;
                break;
            case 17: qDebug() << "VIEWER_SYSTEM"; break;
            case 19: qDebug() << "ANNUN_SYSTEM"; break;
            default: unknownTag(kind); continue;
            }
            qint64 n = 0;
            const char* record = takeNested(in, limit, &n);
            if (!record || !checked(kind, record, n, offsetOf(record)))
                break;
            uint result = kFileOk;
            if (kind == 8)
                result = readLoop(cpu, record, n);
            else if (kind == 7)
                result = readSIB(cpu, record, n);
            else
                result = readAnnunciatorList(cpu, kind, record, n);
            if (result != kFileOk)
                return result;
            break;
        }
        case kEndTag:
            if (in.u8() == 6) {
                if (known) {
                    plant.m_cpus.setCPU(std::move(cpu));
                    plant.markModified(Plant::kCpus);
                }
                return kFileOk;
            }
            break;
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::readSIB(CPUDevice& cpu, const char* body, qint64 size)
{
    quint8 port = 0, supervisor = 0, baud = 0, modbusAddress = 0;
    quint32 sib[3] = {}, gateway[3] = {}, sup[3] = {};
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 42: port = in.u8(); break;
        case 43:
        case 44:
        case 45: sib[tag - 43] = in.u32(); break;
        case 112:
        case 113:
        case 114: gateway[tag - 112] = in.u32(); break;
        case 115: supervisor = in.u8(); break;
        case 116: baud = in.u8(); break;
        case 117: modbusAddress = in.u8(); break;
        case 118:
        case 119:
        case 120: sup[tag - 118] = in.u32(); break;
        case kEndTag:
            if (in.u8() != 7)
                return kBadEnd;
            std::printf("END SECTION\nOK%d\n", supervisor);
            cpu.enableRSSIB(port);
            cpu.enableNetworkSIB(sib[0], sib[1], sib[2]);
            cpu.enableNetworkGW(gateway[0], gateway[1], gateway[2]);
            switch (supervisor) {
            case 0: cpu.setSupervisorNotInstalled(); break;
            case 1: cpu.setSupervisorModbusRTU(modbusAddress, baud); break;
            case 2: cpu.setSupervisorModbusTCP(sup[0], sup[1], sup[2]); break;
            case 3: cpu.setSupervisorBacnet(sup[0], sup[1], sup[2]); break;
            default: break;
            }
            return kFileOk;
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::readLoop(CPUDevice& cpu, const char* body, qint64 size)
{
    int owner = 0, index = 0, type = OvLoop::LOOP_UNDEFINED;
    bool open = false;
    auto loop = std::make_unique<OvLoop>();
    // The point lists are filled once owner and type are known; a loop whose owner or index
    // changes after its points starts again from empty lists.
    auto prepare = [&]() {
        if ((loop->sensors().isEmpty() && loop->modules().isEmpty()) || loop->ownerCpu() != owner
            || loop->loopIndex() != index) {
            loop = std::make_unique<OvLoop>(owner, index, open, type);
            return;
        }
        if (loop->type() != type)
            loop->setType(type, false);
        if (loop->isOpen() != open)
            loop->setOpen(open);
    };
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 40: owner = in.i32(); break;
        case 46: open = in.boolean(); break;
        case 47: {
            const qint8 value = qint8(in.u8());
            type = value >= OvLoop::LOOP_ZAV200 && value <= OvLoop::LOOP_APOLLO ? value : int(OvLoop::LOOP_UNDEFINED);
            break;
        }
        case 48: index = in.i32(); break;
        case kNestedTag: {
            if (in.u8() != 9)
                break;
            prepare();
            qint64 n = 0;
            const char* record = takeNested(in, kMaxRecordSize, &n);
            if (!record || !checked(9, record, n, offsetOf(record)))
                break;
            if (const uint result = readPoint(*loop, record, n))
                return result;
            break;
        }
        case kEndTag:
            if (in.u8() != 8)
                return kBadEnd;
            prepare();
            if (index >= 1 && index <= CPUDevice::kMaxLibs)
                cpu.setLoop(std::move(*loop));
            else
                qWarning("Legacy loop index %d refused", index);
            return kFileOk;
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

bool OvFileMng::readPointField(OvGenericPoint& point, quint16 tag, Cursor& in, bool subPoint)
{
    switch (tag) {
    case 40: point.setLocation(in.i32(), point.loopIndex(), point.address()); break;
    case 48: point.setLocation(point.cpuIndex(), in.i32(), point.address()); break;
    case 49: point.setLocation(point.cpuIndex(), point.loopIndex(), in.u32()); break;
    case 51: point.m_hwType = quint16(in.u32()); break;
    case 52: point.setSWType(quint8(in.u32()), false); break;
    case 53: in.i32(); break;
    case 54: point.importInputType(char(in.u8())); break;
    case 55: point.importFamily(char(in.u8())); break;
    case 56:
        point.importProtocol(char(in.u8()));
        if (!subPoint && point.m_protocol == 2)
            point.m_hwType = quint16((point.m_hwType & 0x00FF) | 0x4000);
        break;
    case 57: point.importSeries(char(in.u8())); break;
    case 58: point.setDescription(in.text()); break;
    case 59: point.setAreaIndex(in.i32()); break;
    case 60: point.setCheckAudit(in.boolean()); break;
    case 61: point.setCheckFlashing(in.boolean()); break;
    case 63: point.setCheckTracking(in.boolean()); break;
    case 64: point.setRaviRadioFlag(in.boolean()); break;
    case 65: point.setCheckTrackingMod(in.boolean()); break;
    case 66: point.setCheckFlashingMod(in.boolean()); break;
    case 67: point.setCheckAutoSilenceMod(in.boolean()); break;
    case 69: point.setCheckSilenceMod(in.boolean()); break;
    // The point keeps neither the third and ninth flag nor the first, second and fourth text.
    case 62:
    case 68: in.boolean(); break;
    case 73:
    case 74:
    case 76: in.text(); break;
    case 70: point.setSensitivities(in.i32(), point.sensLow(), point.sensHigh()); break;
    case 71: point.setSensitivities(point.sensNormal(), in.i32(), point.sensHigh()); break;
    case 72: point.setSensitivities(point.sensNormal(), point.sensLow(), in.i32()); break;
    case 75: point.setCBE(displayProgram(in.text())); break;
    case 77: point.setAlertLevelRAVI(in.i32()); break;
    case 92: point.setFastInput(in.i32(), point.fastInputDev2(), point.fastInputLogic()); break;
    case 93: point.setFastInput(point.fastInputDev1(), in.i32(), point.fastInputLogic()); break;
    case 94: point.setFastInput(point.fastInputDev1(), point.fastInputDev2(), in.boolean()); break;
    default: return false;
    }
    return true;
}

uint OvFileMng::readPoint(OvLoop& loop, const char* body, qint64 size)
{
    OvGenericPoint point;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        if (readPointField(point, tag, in, false))
            continue;
        if (tag == kNestedTag) {
            const quint8 kind = in.u8();
            if (kind != 14) {
                unknownTag(kind);
                continue;
            }
            qint64 n = 0;
            const char* record = takeNested(in, kMaxRecordSize, &n);
            if (!record || !checked(14, record, n, offsetOf(record)))
                continue;
            if (const uint result = readSubPoint(point, record, n))
                return result;
        } else if (tag == kEndTag) {
            if (in.u8() != 9)
                return kBadEnd;
            loop.updatePoint(point);
            return kFileOk;
        } else {
            unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::readSubPoint(OvGenericPoint& point, const char* body, qint64 size)
{
    OvGenericPoint fields;
    qint64 subIndex = 0;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        if (tag == 50) {
            subIndex = in.i32();
            continue;
        }
        if (readPointField(fields, tag, in, true))
            continue;
        if (tag != kEndTag) {
            unknownTag(tag);
            continue;
        }
        if (in.u8() != 14)
            return kBadEnd;
        if (subIndex > kMaxSubIndex)
            qWarning("Legacy sub index %lld refused", subIndex);
        if (subIndex < 1 || subIndex > kMaxSubIndex)
            return kFileOk;
        const OvGenericSubPoint channel(fields, int(subIndex));
        if (point.m_subPoints.size() >= subIndex) {
            point.m_subPoints[int(subIndex - 1)] = channel;
        } else {
            while (point.m_subPoints.size() < subIndex - 1)
                point.appendChannelCopy(unsigned(point.m_subPoints.size() + 1));
            point.m_subPoints.append(channel);
        }
        point.updateSubPoint(channel);
        return kFileOk;
    }
    return kFileOk;
}

uint OvFileMng::readAnnunciatorList(CPUDevice& cpu, quint8 kind, const char* body, qint64 size)
{
    OvAnnunciator entry;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        if (tag == kEndTag)
            return in.u8() == kind ? kFileOk : kBadEnd;
        if (tag != kNestedTag) {
            unknownTag(tag);
            continue;
        }
        if (in.u8() != 18)
            continue;
        // Each record starts clean: no address or description carried over.
        entry = OvAnnunciator();
        entry.setViewerType(1);
        entry.setCpuIndex(int(cpu.index()));
        qint64 n = 0;
        const char* record = takeNested(in, kMaxRecordSize, &n);
        if (!record || !checked(18, record, n, offsetOf(record)))
            continue;
        if (const uint result = readAnnunciator(entry, record, n))
            return result;
        if (entry.address() > 0)
            (kind == 17 ? cpu.viewers() : cpu.annunciators()).setAnnunciator(entry);
    }
    return kFileOk;
}

uint OvFileMng::readAnnunciator(OvAnnunciator& entry, const char* body, qint64 size)
{
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 96: entry.setAddress(in.i32()); break;
        case 97: entry.setDescription(in.text()); break;
        case kNestedTag: {
            if (in.u8() != 20)
                break;
            qint64 n = 0;
            const char* record = takeNested(in, kMaxRecordSize, &n);
            if (!record || !checked(20, record, n, offsetOf(record)))
                break;
            if (const uint result = readEventFilter(entry, record, n))
                return result;
            break;
        }
        case kEndTag: return in.u8() == 18 ? kFileOk : kBadEnd;
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}

uint OvFileMng::readEventFilter(OvAnnunciator& entry, const char* body, qint64 size)
{
    qint32 type = -1, cpu = -1, loop = -1, address = -1, sub = -1, zone = -1;
    Cursor in(body, size);
    while (const quint16 tag = in.nextField(nullptr)) {
        switch (tag) {
        case 98: type = in.i32(); break;
        case 40: cpu = in.i32(); break;
        case 48: loop = in.i32(); break;
        case 49: address = in.i32(); break;
        case 50: sub = in.i32(); break;
        case 90: zone = in.i32(); break;
        // The family travels with the filter but does not shape it.
        case 55: in.i32(); break;
        case kEndTag: {
            if (in.u8() != 20)
                return kBadEnd;
            const std::unique_ptr<ZpEventFilter> filter = ZpEventFilter::create(u32(type), cpu, loop, address, sub,
                                                                                zone);
            entry.setFilter(entry.filters().size(), *filter);
            return kFileOk;
        }
        default: unknownTag(tag);
        }
    }
    return kFileOk;
}
