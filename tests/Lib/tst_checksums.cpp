#include "ZpData/bytes.h"
#include "ZpData/crc.h"

#include <QtTest>

#include <cstring>

class tst_Checksums : public QObject {
    Q_OBJECT

private slots:
    void crc16Catalogue_data();
    void crc16Catalogue();
    void crc16Continues();
    void crc32Catalogue_data();
    void crc32Catalogue();
    void crc32UpdateChains();
    void crc32Fill_data();
    void crc32Fill();
    void byteOrder();
    void hexDigits_data();
    void hexDigits();
    void trimming_data();
    void trimming();
    void endsWith_data();
    void endsWith();
    void replaceChar();
    void bcd_data();
    void bcd();
};

// Expected values are published check values, never our own output.
void tst_Checksums::crc16Catalogue_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<uint>("expected");
    QTest::newRow("check 123456789") << QByteArray("123456789") << 0x4B37u;
    QTest::newRow("empty") << QByteArray() << 0xFFFFu;
    // A Modbus RTU read-holding-registers request; its frame ends in C5 CD.
    QTest::newRow("modbus frame") << QByteArray::fromHex("01030000000A") << 0xCDC5u;
}

void tst_Checksums::crc16Catalogue()
{
    QFETCH(QByteArray, input);
    QFETCH(uint, expected);
    QCOMPARE(uint(crc16(input.constData(), u32(input.size()))), expected);
}

void tst_Checksums::crc16Continues()
{
    const char* text = "123456789";
    const u16 head = crc16(text, 4);
    QCOMPARE(uint(crc16_from(text + 4, 5, head)), 0x4B37u);
    QCOMPARE(uint(crc16_from(text, 0, 0x1234)), 0x1234u);
}

void tst_Checksums::crc32Catalogue_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<uint>("expected");
    QTest::newRow("check 123456789") << QByteArray("123456789") << 0xCBF43926u;
    QTest::newRow("empty") << QByteArray() << 0u;
    QTest::newRow("quick brown fox")
        << QByteArray("The quick brown fox jumps over the lazy dog") << 0x414FA339u;
    QTest::newRow("32 zero bytes") << QByteArray(32, '\0') << 0x190A55ADu;
    QTest::newRow("32 bytes 0xFF") << QByteArray(32, '\xFF') << 0xFF6CAB0Bu;
}

void tst_Checksums::crc32Catalogue()
{
    QFETCH(QByteArray, input);
    QFETCH(uint, expected);
    QCOMPARE(uint(crc32(input.constData(), u32(input.size()))), expected);
    QCOMPARE(uint(crc32_update(input.constData(), u32(input.size()), 0xFFFFFFFFu)), expected);
}

void tst_Checksums::crc32UpdateChains()
{
    const char* text = "123456789";
    // The result is inverted on the way out, so it is inverted again to continue.
    const u32 head = crc32(text, 3);
    QCOMPARE(uint(crc32_update(text + 3, 6, ~head)), 0xCBF43926u);
}

void tst_Checksums::crc32Fill_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<uint>("expected");
    QTest::newRow("zeros") << 0x00 << 0x190A55ADu;
    QTest::newRow("ones") << 0xFF << 0xFF6CAB0Bu;
}

void tst_Checksums::crc32Fill()
{
    QFETCH(int, value);
    QFETCH(uint, expected);
    QCOMPARE(uint(crc32_fill(u8(value), 32, 0xFFFFFFFFu)), expected);
    QCOMPARE(uint(crc32_fill(u8(value), 0, 0xFFFFFFFFu)), 0u);
}

void tst_Checksums::byteOrder()
{
    u8 buf[6];
    memset(buf, 0xEE, sizeof buf);
    put_le32(buf + 1, 0x12345678u);
    const u8 le32[] = {0xEE, 0x78, 0x56, 0x34, 0x12, 0xEE};
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 6), QByteArray(reinterpret_cast<const char*>(le32), 6));
    QCOMPARE(uint(get_le32(buf + 1)), 0x12345678u);
    QCOMPARE(uint(get_be32(buf + 1)), 0x78563412u);

    put_be32(buf + 1, 0x12345678u);
    QCOMPARE(uint(buf[1]), 0x12u);
    QCOMPARE(uint(buf[4]), 0x78u);
    QCOMPARE(uint(get_be32(buf + 1)), 0x12345678u);

    put_le16(buf + 3, 0xBEEF);
    QCOMPARE(uint(buf[3]), 0xEFu);
    QCOMPARE(uint(buf[4]), 0xBEu);
    QCOMPARE(uint(get_le16(buf + 3)), 0xBEEFu);
    QCOMPARE(uint(get_be16(buf + 3)), 0xEFBEu);
    put_be16(buf + 3, 0xBEEF);
    QCOMPARE(uint(buf[3]), 0xBEu);
    QCOMPARE(uint(buf[0]), 0xEEu);
    QCOMPARE(uint(buf[5]), 0xEEu);
}

void tst_Checksums::hexDigits_data()
{
    QTest::addColumn<char>("c");
    QTest::addColumn<int>("any");
    QTest::addColumn<int>("upper");
    QTest::newRow("0") << '0' << 0 << 0;
    QTest::newRow("9") << '9' << 9 << 9;
    QTest::newRow("A") << 'A' << 10 << 10;
    QTest::newRow("F") << 'F' << 15 << 15;
    QTest::newRow("a") << 'a' << 10 << 0;
    QTest::newRow("f") << 'f' << 15 << 0;
    QTest::newRow("G") << 'G' << 0 << 0;
    QTest::newRow("g") << 'g' << 0 << 0;
    QTest::newRow("/") << '/' << 0 << 0;
    QTest::newRow(":") << ':' << 0 << 0;
}

void tst_Checksums::hexDigits()
{
    QFETCH(char, c);
    QFETCH(int, any);
    QFETCH(int, upper);
    QCOMPARE(int(hex_to_nibble_any(c)), any);
    QCOMPARE(int(hex_to_nibble(c)), upper);
}

void tst_Checksums::trimming_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("right");
    QTest::addColumn<QByteArray>("both");
    QTest::newRow("trailing") << QByteArray("ab  ") << QByteArray("ab  ") << QByteArray("ab") << QByteArray("ab");
    QTest::newRow("leading") << QByteArray("  ab") << QByteArray("ab") << QByteArray("  ab") << QByteArray("ab");
    QTest::newRow("inner blank kept") << QByteArray(" a b ") << QByteArray("a b ") << QByteArray(" a b") << QByteArray("a b");
    QTest::newRow("tabs are not blanks") << QByteArray("\tab\t") << QByteArray("\tab\t") << QByteArray("\tab\t") << QByteArray("\tab\t");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray("") << QByteArray("") << QByteArray("");
    QTest::newRow("empty") << QByteArray("") << QByteArray("") << QByteArray("") << QByteArray("");
}

void tst_Checksums::trimming()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, right);
    QFETCH(QByteArray, both);

    QByteArray l = input;
    QCOMPARE(QByteArray(ltrim(l.data())), left);
    QByteArray r = input;
    rtrim(r.data());
    QCOMPARE(QByteArray(r.constData()), right);
    QByteArray b = input;
    QCOMPARE(QByteArray(trim(b.data())), both);
    QByteArray s = input;
    QCOMPARE(QByteArray(trim_safe(s.data())), both);
}

void tst_Checksums::endsWith_data()
{
    QTest::addColumn<QByteArray>("s");
    QTest::addColumn<QByteArray>("suffix");
    QTest::addColumn<int>("expected");
    QTest::newRow("match") << QByteArray("CFG_IN.BIN") << QByteArray(".BIN") << 0;
    QTest::newRow("whole") << QByteArray(".bin") << QByteArray(".bin") << 0;
    QTest::newRow("case differs") << QByteArray("CFG_IN.BIN") << QByteArray(".bin") << -1;
    QTest::newRow("suffix longer") << QByteArray("in") << QByteArray("bin") << -1;
    QTest::newRow("empty suffix") << QByteArray("abc") << QByteArray("") << -1;
    QTest::newRow("empty text") << QByteArray("") << QByteArray("a") << -1;
}

void tst_Checksums::endsWith()
{
    QFETCH(QByteArray, s);
    QFETCH(QByteArray, suffix);
    QFETCH(int, expected);
    QCOMPARE(str_ends_with(s.constData(), suffix.constData()), expected);
    QCOMPARE(str_ends_with(nullptr, suffix.constData()), -1);
    QCOMPARE(str_ends_with(s.constData(), nullptr), -1);
}

void tst_Checksums::replaceChar()
{
    char text[] = "C:\\plant\\a.ov";
    str_replace_char(text, '\\', '/');
    QCOMPARE(QByteArray(text), QByteArray("C:/plant/a.ov"));
    QCOMPARE(rtrim_safe(nullptr), static_cast<char*>(nullptr));
    QCOMPARE(ltrim_safe(nullptr), static_cast<char*>(nullptr));
}

void tst_Checksums::bcd_data()
{
    QTest::addColumn<int>("bin");
    QTest::addColumn<int>("bcd");
    QTest::newRow("0") << 0 << 0x00;
    QTest::newRow("9") << 9 << 0x09;
    QTest::newRow("10") << 10 << 0x10;
    QTest::newRow("59") << 59 << 0x59;
    QTest::newRow("99") << 99 << 0x99;
}

void tst_Checksums::bcd()
{
    QFETCH(int, bin);
    QFETCH(int, bcd);
    QCOMPARE(int(bin_to_bcd(u8(bin))), bcd);
    QCOMPARE(int(bcd_to_bin(u8(bcd))), bin);
}

QTEST_APPLESS_MAIN(tst_Checksums)
#include "tst_checksums.moc"
