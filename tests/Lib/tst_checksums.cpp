#include "DataBlock/bytes.h"
#include "DataBlock/crc.h"

#include "TestBase.h"

#include <QtTest>

// The reflected register run bit by bit, as the catalogue defines both CRCs: an oracle that
// shares nothing with the library's tables.
static u32 bitwise(const QByteArray& data, u32 reg, u32 poly)
{
    for (int bit = 0; bit < 8 * data.size(); ++bit) {
        reg ^= bit % 8 ? 0 : u8(data[bit / 8]);
        reg = (reg & 1) ? (reg >> 1) ^ poly : reg >> 1;
    }
    return reg;
}

class tst_Checksums : public TestBase {
    Q_OBJECT

private slots:
    void catalogue_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("crc16");
        QTest::addColumn<uint>("crc32");
        QTest::newRow("check 123456789") << QByteArray("123456789") << 0x4B37u << 0xCBF43926u;
        QTest::newRow("empty") << QByteArray() << 0xFFFFu << 0u;
        QTest::newRow("modbus request, sent as C5 CD") << QByteArray::fromHex("01030000000A") << 0xCDC5u << 0xDDEBE1C8u;
        QTest::newRow("quick brown fox") << QByteArray("The quick brown fox jumps over the lazy dog") << 0xA89Cu
                                         << 0x414FA339u;
    }
    void catalogue()
    {
        QFETCH(QByteArray, input);
        QFETCH(uint, crc16);
        QFETCH(uint, crc32);
        QCOMPARE(uint(::crc16(input.constData(), u32(input.size()))), crc16);
        QCOMPARE(uint(::crc32(input.constData(), u32(input.size()))), crc32);
    }
    // Runs continued from any register, and runs of one repeated byte.
    void randomBuffers()
    {
        QRandomGenerator rng(7);
        for (int i = 0; i < 300; ++i) {
            QByteArray data(int(rng.bounded(200)), '\0');
            rng.fillRange(reinterpret_cast<quint32*>(data.data()), data.size() / 4);
            const u32 reg = rng.generate(), n = u32(data.size());
            QCOMPARE(uint(crc16_from(data.constData(), n, u16(reg))), bitwise(data, u16(reg), 0xA001));
            QCOMPARE(uint(crc32_update(data.constData(), n, reg)), ~bitwise(data, reg, 0xEDB88320u));
            QCOMPARE(uint(crc32_fill(u8(reg), n, reg)), ~bitwise(QByteArray(int(n), char(reg)), reg, 0xEDB88320u));
        }
    }
    // The CRC-16 takes 16 bytes a step and the rest one at a time: every length from 0 to 64
    // covers each split, the large buffers many steps, and the offsets every alignment.
    void crc16Lengths_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("offset");
        for (int n = 0; n <= 64; ++n)
            QTest::addRow("length %d", n) << n << n % 8;
        QTest::newRow("4096 at 1") << 4096 << 1;
        QTest::newRow("65537 at 7") << 65537 << 7;
        QTest::newRow("1 MiB + 15 at 3") << (1 << 20) + 15 << 3;
    }
    void crc16Lengths()
    {
        QFETCH(int, length);
        QFETCH(int, offset);
        QRandomGenerator rng{quint32(length)};
        QByteArray buffer(offset + length + 4, '\0');
        rng.fillRange(reinterpret_cast<quint32*>(buffer.data()), buffer.size() / 4);
        const QByteArray data = buffer.mid(offset, length);
        QCOMPARE(uint(crc16(buffer.constData() + offset, u32(length))), bitwise(data, 0xFFFF, 0xA001));
        const u16 start = u16(rng.generate());
        QCOMPARE(uint(crc16_from(buffer.constData() + offset, u32(length), start)), bitwise(data, start, 0xA001));
    }
    // Zero runs take a shorter path: runs ending on each side of the 16- and 64-byte steps,
    // and single bytes set at or next to step boundaries, from a random register.
    void crc16ZeroRuns_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("set");
        for (int n : {15, 16, 17, 47, 48, 63, 64, 65, 79, 80, 127, 128, 129, 4096 + 5})
            QTest::addRow("zeros %d", n) << n << QList<int>();
        for (int at : {0, 1, 15, 16, 17, 31, 47, 48, 63, 64, 65, 111, 127, 128})
            QTest::addRow("one byte at %d of 192", at) << 192 << QList<int>({at});
        QTest::newRow("bytes 16 apart") << 300 << QList<int>({20, 36, 52, 68, 84});
        QTest::newRow("bytes 64 apart") << 1000 << QList<int>({3, 67, 131, 195, 259, 999});
    }
    void crc16ZeroRuns()
    {
        QFETCH(int, length);
        QFETCH(QList<int>, set);
        QRandomGenerator rng{quint32(length * 31 + set.value(0, -1))};
        QByteArray data(length, '\0');
        for (int at : set)
            data[at] = char(1 + rng.bounded(255));
        const u16 start = u16(rng.generate());
        QCOMPARE(uint(crc16_from(data.constData(), u32(length), start)), bitwise(data, start, 0xA001));
        QCOMPARE(uint(crc16(data.constData(), u32(length))), bitwise(data, 0xFFFF, 0xA001));
    }
    // Every u16 value, with random high halves for the u32 forms, written side by side between
    // guard bytes; Qt's own endian helpers give the expected bytes.
    void byteOrder()
    {
        QRandomGenerator rng(7);
        for (u32 low = 0; low <= 0xFFFF; ++low) {
            const u32 v = (rng.generate() << 16) | low;
            u8 got[14] = {}, want[14] = {};
            put_le16(got + 1, u16(v));
            put_be16(got + 3, u16(v));
            put_le32(got + 5, v);
            put_be32(got + 9, v);
            qToLittleEndian(u16(v), want + 1);
            qToBigEndian(u16(v), want + 3);
            qToLittleEndian(v, want + 5);
            qToBigEndian(v, want + 9);
            if (memcmp(got, want, sizeof got) != 0 || get_le16(want + 1) != u16(v) || get_be16(want + 3) != u16(v)
                || get_le32(want + 5) != v || get_be32(want + 9) != v)
                QFAIL(qPrintable(QString::number(v, 16)));
        }
    }
    // Every char value against the digit strings: nothing outside them decodes to non-zero.
    void hexDigits()
    {
        const QByteArray upper = "0123456789ABCDEF", lower = "0123456789abcdef";
        for (int i = -128; i <= 127; ++i) {
            const char c = char(i);
            const int u = c ? upper.indexOf(c) : -1, l = c ? lower.indexOf(c) : -1;
            const int any = u >= 0 ? u : l >= 0 ? l : 0;
            QCOMPARE(int(hex_to_nibble_any(c)), any);
            QCOMPARE(int(hex_to_nibble(c)), u >= 0 ? u : 0);
        }
    }
    void trimming_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("right");
        QTest::addColumn<QByteArray>("both");
        QTest::addColumn<int>("last");
        QTest::newRow("trailing") << QByteArray("ab  ") << QByteArray("ab  ") << QByteArray("ab") << QByteArray("ab")
                                  << 1;
        QTest::newRow("leading") << QByteArray("  ab") << QByteArray("ab") << QByteArray("  ab") << QByteArray("ab")
                                 << 3;
        QTest::newRow("inner blank kept")
            << QByteArray(" a b ") << QByteArray("a b ") << QByteArray(" a b") << QByteArray("a b") << 3;
        QTest::newRow("tabs are not blanks")
            << QByteArray("\tab\t") << QByteArray("\tab\t") << QByteArray("\tab\t") << QByteArray("\tab\t") << 3;
        QTest::newRow("only blanks") << QByteArray("   ") << QByteArray("") << QByteArray("") << QByteArray("") << 0;
        QTest::newRow("empty") << QByteArray("") << QByteArray("") << QByteArray("") << QByteArray("") << 0;
    }
    void trimming()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, right);
        QFETCH(QByteArray, both);
        QFETCH(int, last);
        // A guard byte after the terminator shows a move that copies too much or too little.
        const QByteArray guarded = input + '\0' + '#';
        QByteArray l = guarded;
        QCOMPARE(ltrim_safe(l.data()), l.data());
        QCOMPARE(QByteArray(l.constData()), left);
        QCOMPARE(l.mid(left.size() + 1), guarded.mid(left.size() + 1));
        QByteArray r = input;
        QCOMPARE(rtrim_safe(r.data()), r.data() + last);
        QCOMPARE(QByteArray(r.constData()), right);
        QByteArray b = input;
        QCOMPARE(QByteArray(trim_safe(b.data())), both);
        QCOMPARE(trim_safe(nullptr), static_cast<char*>(nullptr));
        QCOMPARE(rtrim_safe(nullptr), static_cast<char*>(nullptr));
        QCOMPARE(ltrim_safe(nullptr), static_cast<char*>(nullptr));
    }
    void endsWith_data()
    {
        QTest::addColumn<QByteArray>("s");
        QTest::addColumn<QByteArray>("suffix");
        QTest::addColumn<int>("expected");
        QTest::newRow("match") << QByteArray("CFG_IN.BIN") << QByteArray(".BIN") << 0;
        QTest::newRow("whole") << QByteArray(".bin") << QByteArray(".bin") << 0;
        QTest::newRow("last char differs") << QByteArray("CFG.BIM") << QByteArray(".BIN") << -1;
        QTest::newRow("first char differs") << QByteArray("CFG_BIN") << QByteArray(".BIN") << -1;
        QTest::newRow("case differs") << QByteArray("CFG_IN.BIN") << QByteArray(".bin") << -1;
        QTest::newRow("suffix one longer") << QByteArray("in") << QByteArray("bin") << -1;
        QTest::newRow("empty suffix") << QByteArray("abc") << QByteArray("") << -1;
        QTest::newRow("empty text") << QByteArray("") << QByteArray("a") << -1;
    }
    void endsWith()
    {
        QFETCH(QByteArray, s);
        QFETCH(QByteArray, suffix);
        QFETCH(int, expected);
        QCOMPARE(str_ends_with(s.constData(), suffix.constData()), expected);
        QCOMPARE(str_ends_with(nullptr, suffix.constData()), -1);
        QCOMPARE(str_ends_with(s.constData(), nullptr), -1);
    }
    void replaceChar()
    {
        char text[] = "C:\\plant\\a.ov\0\\";
        str_replace_char(text, '\\', '/');
        QCOMPARE(QByteArray(text, sizeof text), QByteArray("C:/plant/a.ov\0\\", sizeof text));
    }
    // Every two-digit value both ways.
    void bcd()
    {
        for (int v = 0; v <= 99; ++v) {
            const int packed = (v / 10) * 16 + v % 10;
            QCOMPARE(int(bin_to_bcd(u8(v))), packed);
            QCOMPARE(int(bcd_to_bin(u8(packed))), v);
        }
    }
};

QTEST_APPLESS_MAIN(tst_Checksums)
#include "tst_checksums.moc"
