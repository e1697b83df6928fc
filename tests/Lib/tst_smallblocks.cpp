#include "OS/TraceLog.h"
#include "ZpData/AnnuncProg.h"
#include "ZpData/GroupProg.h"
#include "ZpData/NameProg.h"
#include "ZpData/WordProg.h"
#include "ZpData/ZoneName.h"
#include "ZpData/ZoneProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfBlocks.h"
#include "ZpData/crc.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using libtest::bytes;
using libtest::TraceCapture;

// A configuration block that records the notices and CRCs reaching its hooks.
class ProbeBlock : public ZpConfBlock {
public:
    explicit ProbeBlock(u8 dataType)
        : ZpConfBlock(nullptr, dataType)
    {
    }
    void on_change(const Notice& n) override
    {
        notices.push_back(n);
        ZpConfBlock::on_change(n);
    }
    void on_crc_changed(u16 crc) override
    {
        crcs.push_back(crc);
        ZpConfBlock::on_crc_changed(crc);
    }
    void forget()
    {
        notices.clear();
        crcs.clear();
    }

    std::vector<Notice> notices;
    std::vector<u16> crcs;
};

// True when log holds the error line of the block unit for function with message (whose
// closing newline the error line turns into "]").
bool has_error_line(const QString& log, const char* function, const QString& message)
{
    const QString pattern = QStringLiteral("src/Lib/ZpData/ZpData_2602/") + QLatin1String(function)
        + QStringLiteral(":\\d+ E\\[") + QRegularExpression::escape(message) + QStringLiteral("\\]\n");
    return QRegularExpression(pattern).match(log).hasMatch();
}

void fill(DataBlock::IFace& layout, u8 value)
{
    memset(layout.data(), value, layout.size());
}

void put(DataBlock::IFace& layout, int offset, const QByteArray& content)
{
    memcpy(layout.data() + offset, content.constData(), size_t(content.size()));
}

// 32 characters: a name that fills its field with no terminator.
const QByteArray kFullName("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");

std::unique_ptr<ZpData::IFace> make_layout(const QByteArray& kind, ZpConfBlock* block, u8 dataType)
{
    if (kind == "Prog")
        return std::make_unique<ZpData_v2602::Prog<unsigned int>>(nullptr, block, dataType);
    if (kind == "ZoneProg")
        return std::make_unique<ZpData_v2602::ZoneProg>(nullptr, block, dataType);
    if (kind == "ZoneName")
        return std::make_unique<ZpData_v2602::ZoneName>(nullptr, block, dataType);
    if (kind == "GroupProg")
        return std::make_unique<ZpData_v2602::GroupProg>(nullptr, block, dataType);
    if (kind == "AnnuncProg")
        return std::make_unique<ZpData_v2602::AnnuncProg>(nullptr, block, dataType);
    if (kind == "NameProg")
        return std::make_unique<ZpData_v2602::NameProg>(nullptr, block, dataType);
    return nullptr;
}

} // namespace

class tst_SmallBlocks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void sizes_data();
    void sizes();
    void indexes_data();
    void indexes();
    void zeroDefaults_data();
    void zeroDefaults();
    void groupDefaults_data();
    void groupDefaults();
    void groupDefaultsWhole();
    void nameDefaults_data();
    void nameDefaults();

    void zoneBits_data();
    void zoneBits();
    void zoneNibbles_data();
    void zoneNibbles();

    void zoneNameSet_data();
    void zoneNameSet();
    void zoneNameUnchanged();
    void zoneNameGet_data();
    void zoneNameGet();
    void zoneNameIntZone();

    void annuncFlags_data();
    void annuncFlags();
    void annuncNames_data();
    void annuncNames();

    void nameProgName_data();
    void nameProgName();
    void nameProgUnchanged();
    void nameProgClear_data();
    void nameProgClear();
    void nameProgBind_data();
    void nameProgBind();

    void writersNotify_data();
    void writersNotify();
    void unchangedSendsNothing();
    void notInstalledSendsNothing();
    void crcRecomputedOnUnlock();
};

void tst_SmallBlocks::initTestCase()
{
    // Expected error lines carry stack traces; keep them out of the test output.
    g_logger().set_console(false);
}

void tst_SmallBlocks::cleanupTestCase()
{
    g_logger().set_console(true);
}

void tst_SmallBlocks::sizes_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<uint>("size");
    QTest::newRow("word 0") << QByteArray("Prog") << 0 << 4u;
    QTest::newRow("word 1") << QByteArray("Prog") << 1 << 4u;
    QTest::newRow("zone prog") << QByteArray("ZoneProg") << 3 << 1500u;
    QTest::newRow("zone name") << QByteArray("ZoneName") << 4 << 64000u;
    QTest::newRow("group prog") << QByteArray("GroupProg") << 5 << 52800u;
    QTest::newRow("annunc first") << QByteArray("AnnuncProg") << 6 << 5200u;
    QTest::newRow("annunc last") << QByteArray("AnnuncProg") << 69 << 5200u;
    QTest::newRow("name first") << QByteArray("NameProg") << 134 << 22402u;
    QTest::newRow("name last") << QByteArray("NameProg") << 197 << 22402u;
}

void tst_SmallBlocks::sizes()
{
    QFETCH(QByteArray, kind);
    QFETCH(int, dataType);
    QFETCH(uint, size);
    const auto layout = make_layout(kind, nullptr, u8(dataType));
    QCOMPARE(layout->size(), size);
    QCOMPARE(uint(layout->version()), 0x2602u);
    QCOMPARE(int(layout->get_data_type()), dataType);
    // A fresh layout is all zero.
    QCOMPARE(bytes(*layout), QByteArray(int(size), '\0'));
}

void tst_SmallBlocks::indexes_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("index");
    QTest::newRow("annunc 6") << QByteArray("AnnuncProg") << 6 << 0;
    QTest::newRow("annunc 7") << QByteArray("AnnuncProg") << 7 << 1;
    QTest::newRow("annunc 69") << QByteArray("AnnuncProg") << 69 << 63;
    QTest::newRow("name 134") << QByteArray("NameProg") << 134 << 0;
    QTest::newRow("name 135") << QByteArray("NameProg") << 135 << 1;
    QTest::newRow("name 197") << QByteArray("NameProg") << 197 << 63;
}

void tst_SmallBlocks::indexes()
{
    QFETCH(QByteArray, kind);
    QFETCH(int, dataType);
    QFETCH(int, index);
    if (kind == "AnnuncProg")
        QCOMPARE(int(ZpData_v2602::AnnuncProg(nullptr, nullptr, u8(dataType)).get_index()), index);
    else
        QCOMPARE(int(ZpData_v2602::NameProg(nullptr, nullptr, u8(dataType)).get_index()), index);
}

// Blocks whose default is all zero, from a block full of 0xA5.
void tst_SmallBlocks::zeroDefaults_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("dataType");
    QTest::newRow("word 0") << QByteArray("Prog") << 0;
    QTest::newRow("word 1") << QByteArray("Prog") << 1;
    QTest::newRow("zone prog") << QByteArray("ZoneProg") << 3;
    QTest::newRow("zone name") << QByteArray("ZoneName") << 4;
    QTest::newRow("annunc") << QByteArray("AnnuncProg") << 6;
}

void tst_SmallBlocks::zeroDefaults()
{
    QFETCH(QByteArray, kind);
    QFETCH(int, dataType);
    const auto layout = make_layout(kind, nullptr, u8(dataType));
    fill(*layout, 0xA5);
    QCOMPARE(layout->set_default(), 0);
    QCOMPARE(bytes(*layout), QByteArray(int(layout->size()), '\0'));
}

void tst_SmallBlocks::groupDefaults_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("recordOffset");
    QTest::newRow("group 1") << 1 << 0;
    QTest::newRow("group 2") << 2 << 33;
    QTest::newRow("group 800") << 800 << 26367;
    QTest::newRow("group 1600") << 1600 << 52767;
}

void tst_SmallBlocks::groupDefaults()
{
    QFETCH(int, recordOffset);
    ZpData_v2602::GroupProg layout(nullptr, nullptr, 5);
    fill(layout, 0x5A);
    QCOMPARE(layout.set_default(), 0);
    QByteArray record(33, '\0');
    record[0] = char(240);
    record[32] = char(1);
    QCOMPARE(bytes(layout).mid(recordOffset, 33), record);
}

void tst_SmallBlocks::groupDefaultsWhole()
{
    ZpData_v2602::GroupProg layout(nullptr, nullptr, 5);
    fill(layout, 0xFF);
    QCOMPARE(layout.set_default(), 0);
    QByteArray expected(52800, '\0');
    for (int g = 0; g < 1600; ++g) {
        expected[33 * g] = char(240);
        expected[33 * g + 32] = char(1);
    }
    QCOMPARE(bytes(layout), expected);
}

void tst_SmallBlocks::nameDefaults_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("header");
    QTest::newRow("index 0") << 134 << 0;
    QTest::newRow("index 1") << 135 << 255;
    QTest::newRow("index 63") << 197 << 255;
}

void tst_SmallBlocks::nameDefaults()
{
    QFETCH(int, dataType);
    QFETCH(int, header);
    ZpData_v2602::NameProg layout(nullptr, nullptr, u8(dataType));
    fill(layout, 0x3C);
    QCOMPARE(layout.set_default(), 0);
    QByteArray expected(22402, '\0');
    expected[0] = char(header);
    expected[1] = char(header);
    QCOMPARE(bytes(layout), expected);
}

// One byte of a zone bit table set by hand, read back through a zone number.
void tst_SmallBlocks::zoneBits_data()
{
    QTest::addColumn<char>("table");
    QTest::addColumn<int>("offset"); // -1: every byte of the block 0xFF
    QTest::addColumn<int>("value");
    QTest::addColumn<uint>("zone");
    QTest::addColumn<int>("expected");
    QTest::newRow("A zone 1") << 'A' << 0 << 0x01 << 1u << 1;
    QTest::newRow("A zone 1 other bits") << 'A' << 0 << 0xFE << 1u << 0;
    QTest::newRow("A zone 2") << 'A' << 0 << 0x02 << 2u << 1;
    QTest::newRow("A zone 8") << 'A' << 0 << 0x80 << 8u << 1;
    QTest::newRow("A zone 9") << 'A' << 1 << 0x01 << 9u << 1;
    QTest::newRow("A zone 2000") << 'A' << 249 << 0x80 << 2000u << 1;
    QTest::newRow("A zone 1999 clear") << 'A' << 249 << 0x80 << 1999u << 0;
    QTest::newRow("A not from table B") << 'A' << 250 << 0xFF << 1u << 0;
    QTest::newRow("A zone 0") << 'A' << -1 << 0xFF << 0u << 0;
    QTest::newRow("A zone 2001") << 'A' << -1 << 0xFF << 2001u << 0;
    QTest::newRow("B zone 1") << 'B' << 250 << 0x01 << 1u << 1;
    QTest::newRow("B zone 2") << 'B' << 250 << 0x02 << 2u << 1;
    QTest::newRow("B zone 2000") << 'B' << 499 << 0x80 << 2000u << 1;
    QTest::newRow("B not from table A") << 'B' << 0 << 0xFF << 1u << 0;
    QTest::newRow("B not from nibbles") << 'B' << 500 << 0xFF << 2000u << 0;
    QTest::newRow("B zone 0") << 'B' << -1 << 0xFF << 0u << 0;
    QTest::newRow("B zone 2001") << 'B' << -1 << 0xFF << 2001u << 0;
}

void tst_SmallBlocks::zoneBits()
{
    QFETCH(char, table);
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(uint, zone);
    QFETCH(int, expected);
    ZpData_v2602::ZoneProg layout(nullptr, nullptr, 3);
    if (offset < 0)
        fill(layout, u8(value));
    else
        layout.data()[offset] = u8(value);
    const u8 bit = table == 'A' ? layout.get_zone_bit_a(zone) : layout.get_zone_bit_b(zone);
    QCOMPARE(int(bit), expected);
}

void tst_SmallBlocks::zoneNibbles_data()
{
    QTest::addColumn<int>("offset"); // -1: every byte of the block 0xFF
    QTest::addColumn<int>("value");
    QTest::addColumn<uint>("zone");
    QTest::addColumn<int>("expected");
    QTest::newRow("zone 1 low nibble") << 500 << 0x3C << 1u << 0x0C;
    QTest::newRow("zone 2 high nibble") << 500 << 0x3C << 2u << 0x03;
    QTest::newRow("zone 3") << 501 << 0x0F << 3u << 0x0F;
    QTest::newRow("zone 4") << 501 << 0x0F << 4u << 0x00;
    // An area 3 and an area 4 both with correlation 4 share byte 501.
    QTest::newRow("byte 501 = 0x44, zone 3") << 501 << 0x44 << 3u << 4;
    QTest::newRow("byte 501 = 0x44, zone 4") << 501 << 0x44 << 4u << 4;
    QTest::newRow("zone 1999") << 1499 << 0x5A << 1999u << 0x0A;
    QTest::newRow("zone 2000") << 1499 << 0x5A << 2000u << 0x05;
    QTest::newRow("not from table B") << 499 << 0xFF << 1u << 0;
    QTest::newRow("zone 0") << -1 << 0xFF << 0u << 0;
    QTest::newRow("zone 2001") << -1 << 0xFF << 2001u << 0;
}

void tst_SmallBlocks::zoneNibbles()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(uint, zone);
    QFETCH(int, expected);
    ZpData_v2602::ZoneProg layout(nullptr, nullptr, 3);
    if (offset < 0)
        fill(layout, u8(value));
    else
        layout.data()[offset] = u8(value);
    QCOMPARE(int(layout.get_zone_nibble(zone)), expected);
}

void tst_SmallBlocks::zoneNameSet_data()
{
    QTest::addColumn<uint>("zone");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("offset"); // -1: nothing written
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("error");
    QTest::newRow("zone 1") << 1u << QByteArray("Hall") << 0 << 0 << QByteArray("Hall") << QString();
    QTest::newRow("zone 2") << 2u << QByteArray("Stairs") << 0 << 32 << QByteArray("Stairs") << QString();
    QTest::newRow("zone 2000") << 2000u << QByteArray("Roof") << 0 << 63968 << QByteArray("Roof") << QString();
    QTest::newRow("32 characters") << 5u << kFullName << 0 << 128 << kFullName << QString();
    QTest::newRow("40 characters") << 5u << kFullName + "67890123" << 0 << 128 << kFullName << QString();
    QTest::newRow("empty") << 7u << QByteArray("") << -1 << -1 << QByteArray() << QString();
    QTest::newRow("zone 0") << 0u << QByteArray("X") << 1013 << -1 << QByteArray()
                            << QString("zoneNbr = 0 ( > 2000 || == 0)");
    QTest::newRow("zone 2001") << 2001u << QByteArray("X") << 1013 << -1 << QByteArray()
                               << QString("zoneNbr = 2001 ( > 2000 || == 0)");
}

void tst_SmallBlocks::zoneNameSet()
{
    QFETCH(uint, zone);
    QFETCH(QByteArray, name);
    QFETCH(int, result);
    QFETCH(int, offset);
    QFETCH(QByteArray, field);
    QFETCH(QString, error);
    TraceCapture trace;
    ZpData_v2602::ZoneName layout(nullptr, nullptr, 4);
    QCOMPARE(layout.set_name(zone, name.constData()), result);

    QByteArray expected(64000, '\0');
    if (offset >= 0)
        expected.replace(offset, field.size(), field);
    QCOMPARE(bytes(layout), expected);
    const QString log = trace.text();
    if (error.isEmpty())
        QVERIFY2(!log.contains("zoneNbr"), qPrintable(log));
    else
        QVERIFY2(has_error_line(log, "set_name", error), qPrintable(log));
}

void tst_SmallBlocks::zoneNameUnchanged()
{
    ZpData_v2602::ZoneName layout(nullptr, nullptr, 4);
    QCOMPARE(layout.set_name(3u, "Kitchen"), 0);
    QCOMPARE(layout.set_name(3u, "Kitchen"), -1);
    // A shorter name replaces the field whole: no trace of the longer one stays behind.
    QCOMPARE(layout.set_name(3u, "Kit"), 0);
    QCOMPARE(bytes(layout).mid(64, 32), QByteArray("Kit").leftJustified(32, '\0'));
    // Only 32 characters are compared.
    QCOMPARE(layout.set_name(4u, kFullName.constData()), 0);
    QCOMPARE(layout.set_name(4u, (kFullName + "tail").constData()), -1);
}

void tst_SmallBlocks::zoneNameGet_data()
{
    QTest::addColumn<uint>("zone");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("zone 1") << 1u << 0 << QByteArray("first");
    QTest::newRow("zone 2000 full") << 2000u << 0 << kFullName;
    QTest::newRow("zone 0") << 0u << 1013 << QByteArray();
    QTest::newRow("zone 2001") << 2001u << 1013 << QByteArray();
}

void tst_SmallBlocks::zoneNameGet()
{
    QFETCH(uint, zone);
    QFETCH(int, result);
    QFETCH(QByteArray, name);
    ZpData_v2602::ZoneName layout(nullptr, nullptr, 4);
    fill(layout, 'z');
    put(layout, 0, QByteArray("first").leftJustified(32, '\0'));
    put(layout, 63968, kFullName);
    char dst[33];
    memset(dst, '#', sizeof dst);
    QCOMPARE(layout.get_name(zone, dst), result);
    QCOMPARE(QByteArray(dst), name);
}

void tst_SmallBlocks::zoneNameIntZone()
{
    ZpData_v2602::ZoneName layout(nullptr, nullptr, 4);
    QCOMPARE(layout.set_name(2000, "int"), 0);
    QCOMPARE(bytes(layout).mid(63968, 4), QByteArray("int\0", 4));
    QCOMPARE(layout.set_name(-1, "neg"), 1013);
    QCOMPARE(layout.set_name(0, "zero"), 1013);
}

void tst_SmallBlocks::annuncFlags_data()
{
    QTest::addColumn<char>("kind"); // 'V' viewer enabled, 'A' annunciator defined
    QTest::addColumn<int>("offset"); // -1: every byte of the block 0xFF
    QTest::addColumn<int>("value");
    QTest::addColumn<uint>("index");
    QTest::addColumn<bool>("expected");
    QTest::newRow("viewer 0 enabled") << 'V' << 4672 << 0x01 << 0u << true;
    QTest::newRow("viewer 0 other bits") << 'V' << 4672 << 0xFE << 0u << false;
    QTest::newRow("viewer 1") << 'V' << 4705 << 0x01 << 1u << true;
    QTest::newRow("viewer 15") << 'V' << 5167 << 0x01 << 15u << true;
    QTest::newRow("viewer 16") << 'V' << -1 << 0xFF << 16u << false;
    QTest::newRow("annunc 0 defined") << 'A' << 290 << 0x01 << 0u << true;
    QTest::newRow("annunc 0 any non-zero") << 'A' << 290 << 0x80 << 0u << true;
    QTest::newRow("annunc 0 byte 289") << 'A' << 289 << 0xFF << 0u << false;
    QTest::newRow("annunc 0 byte 291") << 'A' << 291 << 0xFF << 0u << false;
    QTest::newRow("annunc 1") << 'A' << 581 << 0x01 << 1u << true;
    QTest::newRow("annunc 15") << 'A' << 4655 << 0x01 << 15u << true;
    QTest::newRow("annunc 16") << 'A' << -1 << 0xFF << 16u << false;
}

void tst_SmallBlocks::annuncFlags()
{
    QFETCH(char, kind);
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(uint, index);
    QFETCH(bool, expected);
    ZpData_v2602::AnnuncProg layout(nullptr, nullptr, 6);
    if (offset < 0)
        fill(layout, u8(value));
    else
        layout.data()[offset] = u8(value);
    const bool got = kind == 'V' ? layout.is_viewer_enabled(index) : layout.is_annunc_defined(index);
    QCOMPARE(got, expected);
}

void tst_SmallBlocks::annuncNames_data()
{
    QTest::addColumn<char>("kind"); // 'V' viewer, 'A' annunciator
    QTest::addColumn<uint>("index");
    QTest::addColumn<int>("offset"); // where the name is put; -1: nowhere
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("error");
    const QByteArray pad = QByteArray("Lobby").leftJustified(32, '\0');
    QTest::newRow("viewer 0") << 'V' << 0u << 4673 << pad << 0 << QByteArray("Lobby") << QString();
    QTest::newRow("viewer 1") << 'V' << 1u << 4706 << pad << 0 << QByteArray("Lobby") << QString();
    QTest::newRow("viewer 15 full") << 'V' << 15u << 5168 << kFullName << 0 << kFullName << QString();
    QTest::newRow("viewer 16") << 'V' << 16u << -1 << QByteArray() << 1013 << QByteArray()
                               << QString("viewerId = 16 ( >= 16 )");
    QTest::newRow("annunc 0") << 'A' << 0u << 256 << pad << 0 << QByteArray("Lobby") << QString();
    QTest::newRow("annunc 1") << 'A' << 1u << 547 << pad << 0 << QByteArray("Lobby") << QString();
    QTest::newRow("annunc 15 full") << 'A' << 15u << 4621 << kFullName << 0 << kFullName << QString();
    QTest::newRow("annunc 16") << 'A' << 16u << -1 << QByteArray() << 1013 << QByteArray()
                               << QString("annuncId = 16 ( >= 16 )");
}

void tst_SmallBlocks::annuncNames()
{
    QFETCH(char, kind);
    QFETCH(uint, index);
    QFETCH(int, offset);
    QFETCH(QByteArray, stored);
    QFETCH(int, result);
    QFETCH(QByteArray, name);
    QFETCH(QString, error);
    TraceCapture trace;
    ZpData_v2602::AnnuncProg layout(nullptr, nullptr, 6);
    // Neighbouring bytes are not part of the name.
    fill(layout, '~');
    if (offset >= 0)
        put(layout, offset, stored);
    const QByteArray before = bytes(layout);

    char dst[33];
    memset(dst, '#', sizeof dst);
    const int got = kind == 'V' ? layout.get_viewer_name(index, dst) : layout.get_annunc_name(index, dst);
    QCOMPARE(got, result);
    QCOMPARE(QByteArray(dst), name);

    const std::unique_ptr<char[]> copy = kind == 'V' ? layout.get_viewer_name(index) : layout.get_annunc_name(index);
    QVERIFY(copy);
    QCOMPARE(QByteArray(copy.get()), name);
    QCOMPARE(copy[32], '\0');
    QCOMPARE(bytes(layout), before);

    const char* function = kind == 'V' ? "get_viewer_name" : "get_annunc_name";
    const QString log = trace.text();
    if (error.isEmpty()) {
        QVERIFY2(!log.contains("Id = "), qPrintable(log));
    } else {
        // Both forms log.
        QCOMPARE(log.count(error), 2);
        QVERIFY2(has_error_line(log, function, error), qPrintable(log));
    }
}

void tst_SmallBlocks::nameProgName_data()
{
    QTest::addColumn<uint>("slot");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("offset"); // -1: nothing written
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("slot 0") << 0u << QByteArray("Smoke 1") << 0 << 2 << QByteArray("Smoke 1");
    QTest::newRow("slot 1") << 1u << QByteArray("Smoke 2") << 0 << 34 << QByteArray("Smoke 2");
    QTest::newRow("slot 699") << 699u << QByteArray("Last") << 0 << 22370 << QByteArray("Last");
    QTest::newRow("slot 699 full") << 699u << kFullName << 0 << 22370 << kFullName;
    QTest::newRow("slot 699 long") << 699u << kFullName + "xyz" << 0 << 22370 << kFullName;
    QTest::newRow("slot 700") << 700u << QByteArray("Beyond") << 1013 << -1 << QByteArray();
    QTest::newRow("slot max") << 0xFFFFFFFFu << QByteArray("Beyond") << 1013 << -1 << QByteArray();
}

void tst_SmallBlocks::nameProgName()
{
    QFETCH(uint, slot);
    QFETCH(QByteArray, name);
    QFETCH(int, result);
    QFETCH(int, offset);
    QFETCH(QByteArray, field);
    ZpData_v2602::NameProg layout(nullptr, nullptr, 135);
    layout.set_default();
    QCOMPARE(layout.set_name(slot, name.constData()), result);

    QByteArray expected(22402, '\0');
    expected[0] = char(255);
    expected[1] = char(255);
    if (offset >= 0)
        expected.replace(offset, field.size(), field);
    QCOMPARE(bytes(layout), expected);

    char dst[33];
    memset(dst, '#', sizeof dst);
    QCOMPARE(layout.get_name(slot, dst), result == 0 ? 0 : 1013);
    QCOMPARE(QByteArray(dst), field);
}

void tst_SmallBlocks::nameProgUnchanged()
{
    ZpData_v2602::NameProg layout(nullptr, nullptr, 134);
    QCOMPARE(layout.set_name(10u, "Pump"), 0);
    QCOMPARE(layout.set_name(10u, "Pump"), -1);
    QCOMPARE(layout.set_name(10, "Pump"), -1);
    QCOMPARE(layout.set_name(-1, "Pump"), 1013);
    QCOMPARE(layout.set_name(699, "Int slot"), 0);
    QCOMPARE(bytes(layout).mid(22370, 9), QByteArray("Int slot\0", 9));
    QCOMPARE(layout.set_name(700, "Int slot"), 1013);
}

void tst_SmallBlocks::nameProgClear_data()
{
    QTest::addColumn<uint>("slot");
    QTest::addColumn<QByteArray>("stored"); // put at the slot's field before clearing
    QTest::addColumn<int>("result");
    const QByteArray tailOnly = QByteArray(1, '\0') + QByteArray(31, 'q');
    QTest::newRow("slot 0 named") << 0u << QByteArray("Name").leftJustified(32, '\0') << 0;
    QTest::newRow("slot 699 full") << 699u << kFullName << 0;
    QTest::newRow("slot 5 empty") << 5u << QByteArray(32, '\0') << -1;
    // An empty text with bytes behind its terminator is cleared whole.
    QTest::newRow("slot 5 stale tail") << 5u << tailOnly << 0;
    QTest::newRow("slot 5 last byte") << 5u << QByteArray(31, '\0') + "q" << 0;
    QTest::newRow("slot 700") << 700u << QByteArray() << 1013;
}

void tst_SmallBlocks::nameProgClear()
{
    QFETCH(uint, slot);
    QFETCH(QByteArray, stored);
    QFETCH(int, result);
    ZpData_v2602::NameProg layout(nullptr, nullptr, 134);
    fill(layout, 'n');
    const int offset = 2 + 32 * int(slot);
    if (!stored.isEmpty())
        put(layout, offset, stored);
    QByteArray expected = bytes(layout);
    if (result == 0)
        expected.replace(offset, 32, QByteArray(32, '\0'));
    QCOMPARE(layout.clear_name(slot), result);
    QCOMPARE(bytes(layout), expected);
}

void tst_SmallBlocks::nameProgBind_data()
{
    QTest::addColumn<int>("dataType");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("board");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("index 0, same header") << 134 << 0 << 0 << false;
    QTest::newRow("index 0, other cpu") << 134 << 1 << 0 << true;
    QTest::newRow("index 0, other board") << 134 << 0 << 3 << true;
    QTest::newRow("index 1, same header") << 135 << 255 << 255 << false;
    QTest::newRow("index 1, bound") << 135 << 63 << 3 << true;
    QTest::newRow("index 63, half") << 197 << 255 << 0 << true;
}

// Binding to another board clears all names; the same header keeps them and still gives 0.
void tst_SmallBlocks::nameProgBind()
{
    QFETCH(int, dataType);
    QFETCH(int, cpu);
    QFETCH(int, board);
    QFETCH(bool, cleared);
    ProbeBlock block{u8(dataType)};
    auto* layout = new ZpData_v2602::NameProg(nullptr, &block, u8(dataType));
    block.set_iface(layout);
    layout->set_default();
    QCOMPARE(layout->set_name(0u, "first"), 0);
    QCOMPARE(layout->set_name(699u, kFullName.constData()), 0);
    block.lock_write();
    block.unlock();
    block.forget();
    const QByteArray before = bytes(*layout);

    QCOMPARE(layout->set_cpu_ll(u8(cpu), u8(board)), 0);

    QByteArray expected = before;
    if (cleared) {
        expected = QByteArray(22402, '\0');
        expected[0] = char(cpu);
        expected[1] = char(board);
    }
    QCOMPARE(bytes(*layout), expected);
    QCOMPARE(int(block.notices.size()), cleared ? 1 : 0);
    if (cleared) {
        QCOMPARE(block.notices[0].kind, 1u);
        QCOMPARE(block.notices[0].dataType, uint(dataType));
        QCOMPARE(block.notices[0].offset, 0u);
        QCOMPARE(block.notices[0].length, 0u);
    }
    QCOMPARE(block.is_modified(), cleared);
}

// Each writer on an installed layout sends one notice of kind 1 with the bytes it changed and
// marks the block.
void tst_SmallBlocks::writersNotify_data()
{
    QTest::addColumn<QByteArray>("writer");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<uint>("offset");
    QTest::addColumn<uint>("length");
    QTest::newRow("zone name 1") << QByteArray("ZoneName::set_name 1") << 4 << 0u << 32u;
    QTest::newRow("zone name 2000") << QByteArray("ZoneName::set_name 2000") << 4 << 63968u << 32u;
    QTest::newRow("name 699") << QByteArray("NameProg::set_name 699") << 150 << 22370u << 32u;
    QTest::newRow("clear name 1") << QByteArray("NameProg::clear_name 1") << 150 << 34u << 32u;
    QTest::newRow("name default") << QByteArray("NameProg::set_default") << 150 << 0u << 0u;
    QTest::newRow("name bind") << QByteArray("NameProg::set_cpu_ll") << 150 << 0u << 0u;
    QTest::newRow("zone prog default") << QByteArray("ZoneProg::set_default") << 3 << 0u << 0u;
    QTest::newRow("group default") << QByteArray("GroupProg::set_default") << 5 << 0u << 0u;
}

void tst_SmallBlocks::writersNotify()
{
    QFETCH(QByteArray, writer);
    QFETCH(int, dataType);
    QFETCH(uint, offset);
    QFETCH(uint, length);
    ProbeBlock block{u8(dataType)};
    int result = -2;
    if (writer.startsWith("ZoneName")) {
        auto* layout = new ZpData_v2602::ZoneName(nullptr, &block, u8(dataType));
        block.set_iface(layout);
        block.forget();
        result = layout->set_name(writer.endsWith(" 1") ? 1u : 2000u, "Zone");
    } else if (writer.startsWith("NameProg")) {
        auto* layout = new ZpData_v2602::NameProg(nullptr, &block, u8(dataType));
        block.set_iface(layout);
        put(*layout, 34, QByteArray("old"));
        block.forget();
        if (writer.contains("set_name"))
            result = layout->set_name(699u, "Zone");
        else if (writer.contains("clear_name"))
            result = layout->clear_name(1u);
        else if (writer.contains("set_default"))
            result = layout->set_default();
        else
            result = layout->set_cpu_ll(2, 1);
    } else if (writer.startsWith("ZoneProg")) {
        auto* layout = new ZpData_v2602::ZoneProg(nullptr, &block, u8(dataType));
        block.set_iface(layout);
        block.forget();
        result = layout->set_default();
    } else {
        auto* layout = new ZpData_v2602::GroupProg(nullptr, &block, u8(dataType));
        block.set_iface(layout);
        block.forget();
        result = layout->set_default();
    }
    QCOMPARE(result, 0);
    QCOMPARE(int(block.notices.size()), 1);
    QCOMPARE(block.notices[0].kind, 1u);
    QCOMPARE(block.notices[0].dataType, uint(dataType));
    QCOMPARE(block.notices[0].offset, offset);
    QCOMPARE(block.notices[0].length, length);
    QVERIFY(block.is_modified());
}

void tst_SmallBlocks::unchangedSendsNothing()
{
    ProbeBlock zones(4);
    auto* zoneName = new ZpData_v2602::ZoneName(nullptr, &zones, 4);
    zones.set_iface(zoneName);
    QCOMPARE(zoneName->set_name(9u, "Same"), 0);
    zones.lock_write();
    zones.unlock();
    zones.forget();
    QCOMPARE(zoneName->set_name(9u, "Same"), -1);
    QCOMPARE(zoneName->set_name(2001u, "Bad"), 1013);
    QCOMPARE(int(zones.notices.size()), 0);
    QVERIFY(!zones.is_modified());

    ProbeBlock names(140);
    auto* nameProg = new ZpData_v2602::NameProg(nullptr, &names, 140);
    names.set_iface(nameProg);
    names.lock_write();
    names.unlock();
    names.forget();
    QCOMPARE(nameProg->clear_name(3u), -1);
    QCOMPARE(nameProg->set_name(3u, ""), -1);
    QCOMPARE(nameProg->set_name(700u, "Bad"), 1013);
    QCOMPARE(nameProg->clear_name(700u), 1013);
    QCOMPARE(int(names.notices.size()), 0);
    QVERIFY(!names.is_modified());
}

// A layout that is not (or no longer) the one installed in its block writes its own bytes only.
void tst_SmallBlocks::notInstalledSendsNothing()
{
    ProbeBlock block(4);
    block.forget();
    ZpData_v2602::ZoneName loose(nullptr, &block, 4);
    QCOMPARE(loose.set_name(1u, "Loose"), 0);
    QCOMPARE(bytes(loose).left(5), QByteArray("Loose"));
    QCOMPARE(int(block.notices.size()), 0);
    QVERIFY(!block.is_modified());

    ZpData_v2602::NameProg detached(nullptr, nullptr, 134);
    QCOMPARE(detached.set_name(0u, "Alone"), 0);
    QCOMPARE(detached.set_cpu_ll(1, 1), 0);
    QCOMPARE(detached.set_default(), 0);
    ZpData_v2602::GroupProg group(nullptr, nullptr, 5);
    QCOMPARE(group.set_default(), 0);
}

// The marks of a writer make the next unlock of the configuration's block recompute its CRC.
void tst_SmallBlocks::crcRecomputedOnUnlock()
{
    ZpConf conf(0, 0);
    ZpConfBlock* block = conf.find_block(4);
    QVERIFY(block);
    auto* layout = new ZpData_v2602::ZoneName(&conf, block, 4);
    QCOMPARE(block->set_iface(layout), 0);
    QVERIFY(!block->is_modified());

    QCOMPARE(layout->set_name(2000u, "Boiler room"), 0);
    QVERIFY(block->is_modified());
    block->lock_write();
    block->unlock();
    QVERIFY(!block->is_modified());

    QByteArray expected(64000, '\0');
    expected.replace(63968, 11, QByteArray("Boiler room"));
    QCOMPARE(conf.get_blocks().get_crc(4), crc16(expected.constData(), u32(expected.size())));

    ProbeBlock probe(134);
    auto* names = new ZpData_v2602::NameProg(nullptr, &probe, 134);
    probe.set_iface(names);
    probe.forget();
    QCOMPARE(names->set_default(), 0);
    probe.lock_write();
    probe.unlock();
    QByteArray nameBytes(22402, '\0');
    QCOMPARE(int(probe.crcs.size()), 1);
    QCOMPARE(probe.crcs[0], crc16(nameBytes.constData(), u32(nameBytes.size())));
}

QTEST_GUILESS_MAIN(tst_SmallBlocks)
#include "tst_smallblocks.moc"
