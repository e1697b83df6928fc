#pragma once
// Writes plant files of earlier releases byte by byte from the format's tables: little-endian
// fields behind 32-bit markers (field tag high, 0xEB70 low), records framed by the sync word
// 0x91DEEB70, tag, size, the end marker 0xFFFFEB70, the tag again and a CRC-16/MODBUS of the
// payload; the records in a qCompress block behind magic, version and block size.
// Shares nothing with the reader.
#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace legacygen {

// CRC-16/MODBUS, bit by bit: reflected polynomial 0xA001, register 0xFFFF, no final XOR.
inline quint16 crc16(const QByteArray& bytes)
{
    quint16 reg = 0xFFFF;
    for (char c : bytes) {
        reg ^= quint8(c);
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1) ? quint16((reg >> 1) ^ 0xA001) : quint16(reg >> 1);
    }
    return reg;
}

inline QByteArray le(quint64 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

inline QByteArray marker(quint16 tag)
{
    return QByteArray("\x70\xEB", 2) + le(tag, 2);
}

// Fields: marker then value.
inline QByteArray fInt(quint16 tag, qint64 value)
{
    return marker(tag) + le(quint64(value), 4);
}
inline QByteArray fShort(quint16 tag, qint64 value)
{
    return marker(tag) + le(quint64(value), 2);
}
inline QByteArray fByte(quint16 tag, qint64 value)
{
    return marker(tag) + le(quint64(value), 1);
}
inline QByteArray fBool(quint16 tag, bool value)
{
    return fByte(tag, value ? 1 : 0);
}
inline QByteArray text(const QString& value)
{
    if (value.isNull())
        return le(0xFFFFFFFF, 4);
    QByteArray out = le(quint64(value.size()) * 2, 4);
    for (QChar c : value)
        out += le(c.unicode(), 2);
    return out;
}
inline QByteArray fText(quint16 tag, const QString& value)
{
    return marker(tag) + text(value);
}

// A record as it stands in the file; size, end tag and CRC may be forced to test damage.
struct RecordOptions {
    qint64 size = -1;
    int endTag = -1;
    int crcXor = 0;
};

inline QByteArray record(quint8 tag, const QByteArray& payload, RecordOptions o = {})
{
    const quint64 size = o.size >= 0 ? quint64(o.size) : quint64(payload.size());
    const quint8 endTag = o.endTag >= 0 ? quint8(o.endTag) : tag;
    return QByteArray("\x70\xEB\xDE\x91", 4) + char(tag) + le(size, 4) + payload + marker(0xFFFF) + char(endTag)
        + le(crc16(payload) ^ quint16(o.crcXor), 2);
}

// Container: magic, version, block size and the block (big-endian content size + zlib stream).
inline QByteArray file(const QByteArray& content, quint16 version = 0x0100)
{
    const QByteArray block = qCompress(content);
    return le(0x13F0C475, 4) + le(version, 2) + le(quint64(block.size()), 4) + block;
}

inline QByteArray fileWithBlock(const QByteArray& block, quint16 version = 0x0100)
{
    return le(0x13F0C475, 4) + le(version, 2) + le(quint64(block.size()), 4) + block;
}

// Records of the tree.
inline QByteArray header(int year, int month, int day, int hour, int minute, int second, const QByteArray& creator,
                         int major, int minor, int build)
{
    const QByteArray time = QByteArray() + char(second) + char(minute) + char(hour) + char(day) + char(month)
        + le(quint64(year), 3);
    return record(1,
                  marker(35) + time + marker(36) + char(creator.size()) + creator + marker(37) + le(quint64(major), 4)
                      + le(quint64(minor), 4) + le(quint64(build), 4));
}

inline QByteArray area(int position, const QString& description, bool nightAndDay, bool preAlarm, int correlation)
{
    return record(13,
                  fInt(90, position) + fText(87, description) + fBool(88, nightAndDay) + fBool(89, preAlarm)
                      + fByte(99, correlation));
}

inline QByteArray group(int number, const QString& description, bool direct, const QString& cbe, bool doubleConsent)
{
    return record(
        11, fText(82, description) + fBool(83, direct) + fText(84, cbe) + fBool(85, doubleConsent) + fInt(86, number));
}

inline QByteArray repeater(int number, const QString& description)
{
    return record(16, fInt(95, number) + fText(103, description));
}

inline QByteArray eventFilter(int type, int cpu, int loop, int address, int sub, int zone, int family)
{
    return record(20,
                  fInt(98, type) + fInt(40, cpu) + fInt(48, loop) + fInt(49, address) + fInt(50, sub) + fInt(90, zone)
                      + fInt(55, family));
}

inline QByteArray annunciator(int address, const QString& description, const QByteArray& filters = QByteArray())
{
    return record(18, fInt(96, address) + fText(97, description) + filters);
}

// The fields every point and sub-point carries in the tests; extra is appended as given.
inline QByteArray pointFields(int cpu, int loop, int address, int hw, int sw, int input, int family, int protocol,
                              int series, const QString& description, int zone, const QString& cbe = QString())
{
    QByteArray out = fInt(40, cpu) + fInt(48, loop) + fInt(49, address) + fInt(51, hw) + fInt(52, sw) + fInt(53, 7)
        + fByte(54, input) + fByte(55, family) + fByte(56, protocol) + fByte(57, series) + fText(58, description)
        + fInt(59, zone);
    if (!cbe.isNull())
        out += fText(75, cbe);
    return out;
}

inline QByteArray loop(int cpu, int index, int type, bool open, const QByteArray& points)
{
    return record(8, fInt(40, cpu) + fBool(46, open) + fByte(47, type) + fInt(48, index) + points);
}

inline QByteArray sib(int port, quint32 ip, quint32 mask, quint32 gate, quint32 gwIp, quint32 gwMask, quint32 gwGate,
                      int supType, int baud, int mbAddress, quint32 supIp, quint32 supMask, quint32 supGate)
{
    return record(7,
                  fByte(42, port) + fInt(43, ip) + fInt(44, mask) + fInt(45, gate) + fInt(112, gwIp) + fInt(113, gwMask)
                      + fInt(114, gwGate) + fByte(115, supType) + fByte(116, baud) + fByte(117, mbAddress)
                      + fInt(118, supIp) + fInt(119, supMask) + fInt(120, supGate));
}

inline QByteArray cpu(int index, bool ups, const QString& description, const QByteArray& nested)
{
    return record(6, fInt(40, index) + fBool(41, ups) + fText(4, description) + nested);
}

} // namespace legacygen
