#pragma once
// Builds panel images byte by byte from the block layouts, independently of the library's writer:
// version 1 (no header), 2 (0xA55ADEAD) and 3 ("O*K(") images of a plant whose general, device,
// name, in-test and status blocks are laid out here by hand.
#include <QByteArray>
#include <QSet>
#include <QVector>

#include <cstdint>
#include <random>

namespace imagegen {

constexpr uint16_t kV2600 = 0x2600, kV2601 = 0x2601, kV2602 = 0x2602;

// Block sizes by dataType and data version, from the layout table.
inline uint32_t block_size(int dt, uint16_t version)
{
    const uint32_t first[] = {4, 4, 5310, 1500, 64000, 52800};
    return dt <= 5  ? first[dt]
        : dt <= 69  ? 5200
        : dt <= 133 ? (version == kV2602 ? 30102 : 29402)
        : dt <= 197 ? 22402
        : dt == 198 ? 5760
                    : 89856;
}

// CRC-16/MODBUS: reflected 0x8005 (0xA001), initial 0xFFFF, no final XOR; a table of the bit-by-bit
// steps for each byte value.
inline uint16_t crc16_modbus(const QByteArray& data)
{
    static uint16_t table[256] = {};
    for (int n = 0; n < 256 && !table[255]; ++n)
        for (int i = 0; i < 8; ++i)
            table[n] = uint16_t(((table[n] ^ (n >> i)) & 1) ? (table[n] >> 1) ^ 0xA001 : table[n] >> 1);
    uint16_t crc = 0xFFFF;
    for (char c : data)
        crc = uint16_t((crc >> 8) ^ table[(crc ^ uint8_t(c)) & 0xFF]);
    return crc;
}

// v as little-endian bytes; written at at into into when given.
inline QByteArray le(uint32_t v, int bytes, QByteArray* into = nullptr, int at = 0)
{
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return into ? into->replace(at, bytes, b) : b;
}

struct Board {
    uint8_t cpu, board, prot0, prot1;
}; // line protocols: 0 ADV, 1 VARN

// A device in the fields of the 0x2602 record; older versions take the code's low byte and bit 14,
// and one class bit. boardIndex is the index into Plant::boards and of the device block; param is
// byte 8, the sub-address or sensitivity.
struct Device {
    int boardIndex, slot;
    uint8_t address, lineBit;
    bool module;
    uint16_t code;
    uint8_t type, cls;
    uint16_t zone;
    uint8_t param;
    QByteArray name;
    bool inTest;
};

// A ZP4800_KALDOREN plant by default; cpuType is of every CPU record, idleProt the protocol of boards
// not installed (0x2602 only).
struct Plant {
    uint8_t panelType = 0, networked = 1, brand = 0, cpuType = 1, idleProt = 0;
    QVector<Board> boards;
    QVector<Device> devices;
    QVector<QPair<int, QByteArray>> zoneNames;
};

// A device record: 43 bytes in 0x2602; 42 in older versions, with an 8-bit code, the module-code
// bit 6 and one class bit 7 in the type byte, and bytes 5 to 11 one place lower. No device: the
// empty record (byte 1 = 16, byte 11 = 240).
inline QByteArray record(const Device* d, bool current)
{
    QByteArray r(current ? 43 : 42, '\0');
    const int old = current ? 0 : 1;
    r[1] = char(d ? (d->lineBit ? 0x40 : 0) | (d->module ? 0x80 : 0) : 16);
    r[d ? 0 : 11 - old] = char(d ? d->address : 240);
    if (!d)
        return r;
    le(current ? d->code : d->code & 0xFF, 2 - old, &r, 2);
    r[4 - old] = char(d->type | (current ? d->cls << 6 : ((d->code & 0x4000) ? 0x40 : 0) | (d->cls ? 0x80 : 0)));
    le(d->zone, 2, &r, 5 - old);
    r[8 - old] = char(d->param);
    return r;
}

// The general block: CPU records of 61 bytes at 4, each with its four 5-byte boards and, at 52, its
// installed bit and type; the networked flag, panel type and brand at 5245.
inline QByteArray general_block(const Plant& p, uint16_t version)
{
    const bool current = version == kV2602;
    QByteArray b = le(version, 2) + QByteArray(5308, '\0');
    for (int board = 0; board < 256 && current; ++board) {
        b[4 + 61 * (board / 4) + 52] = char(p.cpuType << 3);
        b[4 + 61 * (board / 4) + 5 * (board % 4)] = char((p.idleProt << 3) | (p.idleProt << 5));
    }
    for (const Board& bd : p.boards) {
        const char installed = char(1 | (bd.prot0 << 3) | (bd.prot1 << (current ? 5 : 4)));
        b.replace(4 + 61 * bd.cpu + 5 * bd.board, 5, QByteArray(1, installed) + QByteArray("\0\x0A\0\x0A", 4));
        b[4 + 61 * bd.cpu + 52] = char(b[4 + 61 * bd.cpu + 52] | 1);
    }
    return b.replace(5245, 3, QByteArray(1, char(p.networked)) + char(p.panelType) + char(p.brand));
}

// Data of dataType dt of the plant in version. The status block (199) is the index the device
// blocks give, in 0x2602 only.
inline QByteArray block(const Plant& p, int dt, uint16_t version)
{
    const bool current = version == kV2602;
    if (dt == 2)
        return general_block(p, version);
    QByteArray b(int(block_size(dt, version)), dt == 199 && current ? '\xFF' : '\0');
    const int index = dt - (dt >= 134 ? 134 : 70), size = current ? 43 : 42;
    for (int i = 0; i < 64; ++i) // the board of each device, name and in-test block; 255: none
        if ((dt >= 70 && dt <= 197 && i == index) || dt == 198)
            b.replace(dt == 198 ? 90 * i : 0, 2,
                      i < p.boards.size() ? QByteArray(1, char(p.boards[i].cpu)) + char(p.boards[i].board)
                                          : "\xFF\xFF");
    if (dt >= 70 && dt <= 133)
        b.replace(2, 700 * size, record(nullptr, current).repeated(700));
    for (int i = 0; dt == 199 && current && i < p.boards.size(); ++i)
        b[4 * p.boards[i].cpu + p.boards[i].board] = char(i);
    for (int z = 0; dt == 4 && z < p.zoneNames.size(); ++z)
        b.replace(32 * (p.zoneNames[z].first - 1), p.zoneNames[z].second.size(), p.zoneNames[z].second);
    for (const Device& d : p.devices) {
        if (dt >= 70 && dt <= 133 && d.boardIndex == index)
            b.replace(2 + size * d.slot, size, record(&d, current));
        if (dt >= 134 && dt <= 197 && d.boardIndex == index)
            b.replace(2 + 32 * d.slot, d.name.size(), d.name);
        if (dt == 198 && d.inTest)
            b[90 * d.boardIndex + 2 + d.slot / 8] = char(b[90 * d.boardIndex + 2 + d.slot / 8] | (1 << (d.slot % 8)));
        if (dt == 199 && current) // address; sub-address (15: none), line, module and class bits
            le(d.address | ((d.module ? d.param & 15 : 15) | d.lineBit << 4 | d.module << 5 | d.cls << 6) << 8, 2, &b,
               256 + 1400 * d.boardIndex + 2 * d.slot);
    }
    return b;
}

inline QByteArray element(int dt, const QByteArray& data)
{
    return char(dt) + le(uint32_t(data.size()), 4) + le(crc16_modbus(data), 2) + data;
}
inline QByteArray header_v2(uint16_t version, uint8_t count)
{
    return le(0xA55ADEAD, 4) + le(version, 2) + char(count);
}
inline QByteArray header_v3(uint16_t version, uint8_t count, uint8_t type)
{
    return "O*K(" + le(version, 2) + char(count) + char(type);
}

// The blocks of dataTypes 2 to last in ascending order: each followed by its CRC (version 1), or as
// an element (versions 2 and 3, after the header).
inline QByteArray blocks(const Plant& p, uint16_t version, bool v1, int last = 199)
{
    QByteArray out;
    for (int dt = 2; dt <= last; ++dt)
        out += v1 ? block(p, dt, version) + le(crc16_modbus(block(p, dt, version)), 2)
                  : element(dt, block(p, dt, version));
    return out;
}

inline QByteArray elements(const Plant& p, uint16_t version)
{
    return blocks(p, version, false);
}
inline QByteArray image_v1(const Plant& p, uint16_t version, int lastDt = 199)
{
    return blocks(p, version, true, lastDt);
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
    p.devices = {{0, 0, 0, 0, false, 20, 2, 0, 1, 5, "Hall", false},
                 {0, 1, 4, 1, false, 0x4002, 2, 0, 2, 6, "", true},
                 {0, 5, 9, 0, true, 0x400B, 22, 0, 1, 1, "Door", false},
                 {1, 0, 158, 1, false, 30, 1, 0, 3, 4, "Stairs", false},
                 {1, 699, 7, 0, true, 137, 22, 1, 3, 0, "", false},
                 {2, 3, 12, 0, false, 0x4001, 3, 0, 0, 0, "Basement", false}};
    p.zoneNames = {{1, "Lobby"}, {3, "Stairs 1"}};
    return p;
}

// A networked ZP4800 plant drawn from seed: one to eight CPUs with one to four boards each, and
// devices, names, in-test bits and zone names in the ranges every version carries. No two devices
// of a line share an address and kind (and sub-address for modules): a load would drop one.
inline Plant random_plant(unsigned seed)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto text = [&pick]() { return QByteArray::number(pick(0, 1 << 30), 36).repeated(pick(1, 5)).left(32); };
    Plant p;
    for (int cpu = 0, cpus = pick(1, 8); cpu < cpus; ++cpu)
        for (int board = 0, mask = pick(1, 15); board < 4; ++board)
            if (mask & (1 << board))
                p.boards.append({uint8_t(cpu), uint8_t(board), uint8_t(pick(0, 1)), uint8_t(pick(0, 1))});
    QSet<int> taken;
    for (int n = pick(0, 200); n > 0; --n) {
        const bool module = pick(0, 1);
        Device d{pick(0, p.boards.size() - 1),
                 pick(0, 699),
                 uint8_t(pick(0, 158)),
                 uint8_t(pick(0, 1)),
                 module,
                 uint16_t(pick(0, 1) ? 0x4000 | pick(1, 18) : pick(1, 255)),
                 uint8_t(pick(1, 63)),
                 uint8_t(pick(0, 1)),
                 uint16_t(pick(0, 2001)),
                 uint8_t(module ? pick(0, 9) : pick(0, 255)),
                 pick(0, 1) ? text() : "",
                 pick(0, 1) == 1};
        const int slot = -1 - d.boardIndex * 700 - d.slot;
        const int where = ((d.boardIndex * 2 + d.lineBit) * 2 + module) * 2560 + d.address * 10
            + (module ? d.param : 0);
        if (!taken.contains(slot) && !taken.contains(where))
            taken << slot << where, p.devices.append(d);
    }
    for (int n = pick(0, 6); n > 0; --n)
        p.zoneNames.append({pick(1, 2000), text()});
    return p;
}

} // namespace imagegen
