#pragma once
// Builds panel images byte by byte from the block layouts, independently of the library's
// writer: version 1 (no header), 2 (0xA55ADEAD) and 3 ("O*K(") images of a small plant whose
// general block, device blocks, name blocks and in-test block are laid out here by hand.
#include <QByteArray>
#include <QVector>

#include <cstdint>

namespace imagegen {

constexpr uint16_t kV2600 = 0x2600;
constexpr uint16_t kV2601 = 0x2601;
constexpr uint16_t kV2602 = 0x2602;

// Block sizes by dataType and data version, from the layout table.
inline uint32_t block_size(int dt, uint16_t version)
{
    if (dt <= 1)
        return 4;
    if (dt == 2)
        return 5310;
    if (dt == 3)
        return 1500;
    if (dt == 4)
        return 64000;
    if (dt == 5)
        return 52800;
    if (dt <= 69)
        return 5200;
    if (dt <= 133)
        return version == kV2602 ? 30102 : 29402;
    if (dt <= 197)
        return 22402;
    if (dt == 198)
        return 5760;
    return 89856;
}

// CRC-16/MODBUS, bit by bit: reflected 0x8005 (0xA001), initial 0xFFFF, no final XOR.
inline uint16_t crc16_modbus(const QByteArray& data)
{
    uint16_t crc = 0xFFFF;
    for (char c : data) {
        crc ^= uint8_t(c);
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

inline void le16(QByteArray& b, int at, uint16_t v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

inline void append_le16(QByteArray& b, uint16_t v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

inline void append_le32(QByteArray& b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

struct Board {
    uint8_t cpu;
    uint8_t board;
    uint8_t prot0; // line protocol of each line: 0 ADV, 1 VARN
    uint8_t prot1;
};

// A device in the fields of the 0x2602 record; code is written in the old 8-bit form plus the
// module-code bit (bit 14) for older versions.
struct Device {
    int boardIndex; // index into Plant::boards = DeviceProg block index
    int slot;
    uint8_t address;
    uint8_t lineBit;
    bool module;
    uint16_t code;
    uint8_t type;
    uint8_t cls; // 0 or 1 (older versions keep one class bit)
    uint16_t zone;
    uint8_t param; // byte 8 of the current record: sub-address or sensitivity
    QByteArray name;
    bool inTest;
};

struct Plant {
    uint8_t panelType = 0; // ZP4800_KALDOREN
    uint8_t networked = 1;
    uint8_t brand = 0;
    QVector<Board> boards;
    QVector<Device> devices;
    QVector<QPair<int, QByteArray>> zoneNames;
};

// The 0x2602 record of a device (43 bytes).
inline QByteArray record_2602(const Device& d)
{
    QByteArray r(43, '\0');
    r[0] = char(d.address);
    r[1] = char((d.lineBit ? 0x40 : 0) | (d.module ? 0x80 : 0));
    le16(r, 2, d.code);
    r[4] = char(d.type | (d.cls << 6));
    le16(r, 5, d.zone);
    r[8] = char(d.param);
    return r;
}

inline QByteArray empty_record_2602()
{
    QByteArray r(43, '\0');
    r[1] = char(16);
    r[11] = char(240);
    return r;
}

// The older 42-byte record: 8-bit code, type byte with the module-code bit 6 and class bit 7.
inline QByteArray record_old(const Device& d)
{
    QByteArray r(42, '\0');
    r[0] = char(d.address);
    r[1] = char((d.lineBit ? 0x40 : 0) | (d.module ? 0x80 : 0));
    r[2] = char(d.code & 0xFF);
    r[3] = char(d.type | ((d.code & 0x4000) ? 0x40 : 0) | (d.cls ? 0x80 : 0));
    le16(r, 4, d.zone);
    r[7] = char(d.param); // old bytes 6-9 become bytes 7-10
    return r;
}

inline QByteArray empty_record_old()
{
    QByteArray r(42, '\0');
    r[1] = char(16);
    r[10] = char(240);
    return r;
}

inline QByteArray general_block(const Plant& p, uint16_t version)
{
    QByteArray b(5310, '\0');
    le16(b, 0, version);
    for (const Board& bd : p.boards) {
        const int cpu = 4 + 61 * bd.cpu;
        const int line = cpu + 5 * bd.board;
        uint8_t byte0 = 1;
        if (version == kV2602)
            byte0 |= uint8_t((bd.prot0 << 3) | (bd.prot1 << 5));
        else
            byte0 |= uint8_t((bd.prot0 << 3) | (bd.prot1 << 4));
        b[line] = char(byte0);
        b[line + 2] = 10;
        b[line + 4] = 10;
        b[cpu + 52] = char(version == kV2602 ? (1 | (1 << 3)) : 1); // installed, CPU type 1
    }
    b[5245] = char(p.networked);
    b[5246] = char(p.panelType);
    b[5247] = char(p.brand);
    return b;
}

// Data of dataType dt of the plant in version.
inline QByteArray block(const Plant& p, int dt, uint16_t version)
{
    const bool current = version == kV2602;
    if (dt == 2)
        return general_block(p, version);
    QByteArray b(int(block_size(dt, version)), '\0');
    if (dt == 4) {
        for (const auto& zn : p.zoneNames)
            b.replace(32 * (zn.first - 1), zn.second.size(), zn.second);
    } else if (dt >= 70 && dt <= 133) {
        const int index = dt - 70;
        const int rec = current ? 43 : 42;
        const bool bound = index < p.boards.size();
        b[0] = char(bound ? p.boards[index].cpu : 255);
        b[1] = char(bound ? p.boards[index].board : 255);
        const QByteArray empty = current ? empty_record_2602() : empty_record_old();
        for (int s = 0; s < 700; ++s)
            b.replace(2 + rec * s, rec, empty);
        for (const Device& d : p.devices)
            if (d.boardIndex == index)
                b.replace(2 + rec * d.slot, rec, current ? record_2602(d) : record_old(d));
    } else if (dt >= 134 && dt <= 197) {
        const int index = dt - 134;
        const bool bound = index < p.boards.size();
        b[0] = char(bound ? p.boards[index].cpu : 255);
        b[1] = char(bound ? p.boards[index].board : 255);
        for (const Device& d : p.devices)
            if (d.boardIndex == index)
                b.replace(2 + 32 * d.slot, d.name.size(), d.name);
    } else if (dt == 198) {
        for (int i = 0; i < 64; ++i) {
            const bool bound = i < p.boards.size();
            b[90 * i] = char(bound ? p.boards[i].cpu : 255);
            b[90 * i + 1] = char(bound ? p.boards[i].board : 255);
        }
        for (const Device& d : p.devices)
            if (d.inTest)
                b[90 * d.boardIndex + 2 + d.slot / 8] = char(b[90 * d.boardIndex + 2 + d.slot / 8] | (1 << (d.slot % 8)));
    }
    return b;
}

inline QByteArray element(int dt, const QByteArray& data)
{
    QByteArray e;
    e.append(char(dt));
    append_le32(e, uint32_t(data.size()));
    append_le16(e, crc16_modbus(data));
    e.append(data);
    return e;
}

// Version 1: dataTypes 2 to lastDt, each followed by its CRC.
inline QByteArray image_v1(const Plant& p, uint16_t version, int lastDt = 199)
{
    QByteArray img;
    for (int dt = 2; dt <= lastDt; ++dt) {
        const QByteArray data = block(p, dt, version);
        img.append(data);
        append_le16(img, crc16_modbus(data));
    }
    return img;
}

inline QByteArray header_v2(uint16_t version, uint8_t count)
{
    QByteArray h;
    append_le32(h, 0xA55ADEAD);
    append_le16(h, version);
    h.append(char(count));
    return h;
}

inline QByteArray header_v3(uint16_t version, uint8_t count, uint8_t panelType)
{
    QByteArray h;
    h.append("O*K(", 4);
    append_le16(h, version);
    h.append(char(count));
    h.append(char(panelType));
    return h;
}

// Elements of dataTypes 2 to 199 in ascending order.
inline QByteArray elements(const Plant& p, uint16_t version)
{
    QByteArray e;
    for (int dt = 2; dt <= 199; ++dt)
        e.append(element(dt, block(p, dt, version)));
    return e;
}

inline QByteArray image_v2(const Plant& p, uint16_t version)
{
    return header_v2(version, 198) + elements(p, version);
}

inline QByteArray image_v3(const Plant& p, uint16_t version)
{
    return header_v3(version, 198, p.panelType) + elements(p, version);
}

// Devices on three boards of two CPUs: sensors and modules on both lines, names, zones, one in
// test, codes of the first and second series.
inline Plant sample_plant()
{
    Plant p;
    p.boards = {{0, 0, 0, 1}, {0, 1, 1, 0}, {1, 0, 0, 0}};
    p.devices = {
        {0, 0, 0, 0, false, 20, 2, 0, 1, 5, "Hall", false},
        {0, 1, 4, 1, false, 0x4002, 2, 0, 2, 6, "", true},
        {0, 5, 9, 0, true, 0x400B, 22, 0, 1, 1, "Door", false},
        {1, 0, 158, 1, false, 30, 1, 0, 3, 4, "Stairs", false},
        {1, 699, 7, 0, true, 137, 22, 1, 3, 0, "", false},
        {2, 3, 12, 0, false, 0x4001, 3, 0, 0, 0, "Basement", false},
    };
    p.zoneNames = {{1, "Lobby"}, {3, "Stairs 1"}};
    return p;
}

} // namespace imagegen
