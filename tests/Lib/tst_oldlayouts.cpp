#include "ZpData/AnnuncProg.h"
#include "ZpData/GroupProg.h"
#include "ZpData/NameProg.h"
#include "ZpData/OldLayouts.h"
#include "ZpData/WordProg.h"
#include "ZpData/ZoneName.h"
#include "ZpData/ZoneProg.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <cstring>
#include <memory>

namespace {

using libtest::bytes;

void set_bytes(DataBlock::IFace& layout, const QByteArray& content)
{
    QCOMPARE(uint(content.size()), layout.size());
    memcpy(layout.data(), content.constData(), layout.size());
}

// Bytes that differ from their neighbours, so a shifted or partial copy shows.
QByteArray pattern(int size, int seed)
{
    QByteArray a(size, '\0');
    for (int i = 0; i < size; ++i)
        a[i] = char((i * 7 + seed + i / 251) & 0xFF);
    return a;
}

std::unique_ptr<ZpData::IFace> make_2600(const QByteArray& kind, u8 dataType)
{
    using namespace ZpData_v2600;
    if (kind == "Prog")
        return std::make_unique<Prog<unsigned int>>(nullptr, nullptr, dataType);
    if (kind == "ZpxProg")
        return std::make_unique<ZpxProg>(nullptr, nullptr, dataType);
    if (kind == "ZoneProg")
        return std::make_unique<ZoneProg>(nullptr, nullptr, dataType);
    if (kind == "ZoneName")
        return std::make_unique<ZoneName>(nullptr, nullptr, dataType);
    if (kind == "GroupProg")
        return std::make_unique<GroupProg>(nullptr, nullptr, dataType);
    if (kind == "AnnuncProg")
        return std::make_unique<AnnuncProg>(nullptr, nullptr, dataType);
    if (kind == "DeviceProg")
        return std::make_unique<DeviceProg>(nullptr, nullptr, dataType);
    if (kind == "NameProg")
        return std::make_unique<NameProg>(nullptr, nullptr, dataType);
    if (kind == "DeviceAuxProg")
        return std::make_unique<DeviceAuxProg>(nullptr, nullptr, dataType);
    if (kind == "DeviceStatusProg")
        return std::make_unique<DeviceStatusProg>(nullptr, nullptr, dataType);
    return nullptr;
}

std::unique_ptr<ZpData::IFace> make_2601(const QByteArray& kind, u8 dataType)
{
    using namespace ZpData_v2601;
    if (kind == "Prog")
        return std::make_unique<Prog<unsigned int>>(nullptr, nullptr, dataType);
    if (kind == "ZpxProg")
        return std::make_unique<ZpxProg>(nullptr, nullptr, dataType);
    if (kind == "ZoneProg")
        return std::make_unique<ZoneProg>(nullptr, nullptr, dataType);
    if (kind == "ZoneName")
        return std::make_unique<ZoneName>(nullptr, nullptr, dataType);
    if (kind == "GroupProg")
        return std::make_unique<GroupProg>(nullptr, nullptr, dataType);
    if (kind == "AnnuncProg")
        return std::make_unique<AnnuncProg>(nullptr, nullptr, dataType);
    if (kind == "DeviceProg")
        return std::make_unique<DeviceProg>(nullptr, nullptr, dataType);
    if (kind == "NameProg")
        return std::make_unique<NameProg>(nullptr, nullptr, dataType);
    if (kind == "DeviceAuxProg")
        return std::make_unique<DeviceAuxProg>(nullptr, nullptr, dataType);
    if (kind == "DeviceStatusProg")
        return std::make_unique<DeviceStatusProg>(nullptr, nullptr, dataType);
    return nullptr;
}

// The current layouts of this unit; the others are not built here.
std::unique_ptr<ZpData::IFace> make_2602(const QByteArray& kind, u8 dataType)
{
    using namespace ZpData_v2602;
    if (kind == "Prog")
        return std::make_unique<Prog<unsigned int>>(nullptr, nullptr, dataType);
    if (kind == "ZoneProg")
        return std::make_unique<ZoneProg>(nullptr, nullptr, dataType);
    if (kind == "ZoneName")
        return std::make_unique<ZoneName>(nullptr, nullptr, dataType);
    if (kind == "GroupProg")
        return std::make_unique<GroupProg>(nullptr, nullptr, dataType);
    if (kind == "AnnuncProg")
        return std::make_unique<AnnuncProg>(nullptr, nullptr, dataType);
    if (kind == "NameProg")
        return std::make_unique<NameProg>(nullptr, nullptr, dataType);
    return nullptr;
}

std::unique_ptr<ZpData::IFace> make(uint version, const QByteArray& kind, u8 dataType)
{
    if (version == 0x2600)
        return make_2600(kind, dataType);
    if (version == 0x2601)
        return make_2601(kind, dataType);
    return make_2602(kind, dataType);
}

// A general block of version: the version word at 0, a pattern behind it.
QByteArray general_block(u16 version, int seed)
{
    QByteArray a = pattern(5310, seed);
    a[0] = char(version & 0xFF);
    a[1] = char(version >> 8);
    return a;
}

} // namespace

class tst_OldLayouts : public QObject {
    Q_OBJECT

private slots:
    void sizes_data();
    void sizes();
    void zeroDefaults_data();
    void zeroDefaults();
    void notCurrentInterfaces();

    void plainSteps_data();
    void plainSteps();

    void general2600();
    void general2600SameVersion();
    void general2601_data();
    void general2601();
    void general2601Refused_data();
    void general2601Refused();

    void devices_data();
    void devices();
    void devicesRefused_data();
    void devicesRefused();
};

void tst_OldLayouts::sizes_data()
{
    QTest::addColumn<uint>("version");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("dataType");
    QTest::addColumn<uint>("size");
    struct Row {
        const char* kind;
        int dataType;
        uint size;
    };
    const Row rows[] = {
        {"Prog", 0, 4},           {"Prog", 1, 4},           {"ZpxProg", 2, 5310},
        {"ZoneProg", 3, 1500},    {"ZoneName", 4, 64000},   {"GroupProg", 5, 52800},
        {"AnnuncProg", 6, 5200},  {"AnnuncProg", 69, 5200}, {"DeviceProg", 70, 29402},
        {"DeviceProg", 133, 29402}, {"NameProg", 134, 22402}, {"NameProg", 197, 22402},
        {"DeviceAuxProg", 198, 5760}, {"DeviceStatusProg", 199, 89856},
    };
    for (uint version : {0x2600u, 0x2601u})
        for (const Row& r : rows)
            QTest::addRow("%X %s %d", version, r.kind, r.dataType)
                << version << QByteArray(r.kind) << r.dataType << r.size;
}

void tst_OldLayouts::sizes()
{
    QFETCH(uint, version);
    QFETCH(QByteArray, kind);
    QFETCH(int, dataType);
    QFETCH(uint, size);
    const auto layout = make(version, kind, u8(dataType));
    QVERIFY(layout);
    QCOMPARE(layout->size(), size);
    QCOMPARE(uint(layout->version()), version);
    QCOMPARE(int(layout->get_data_type()), dataType);
    QCOMPARE(bytes(*layout), QByteArray(int(size), '\0'));
}

void tst_OldLayouts::zeroDefaults_data()
{
    QTest::addColumn<uint>("version");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("dataType");
    const char* kinds[] = {"Prog",       "ZpxProg",    "ZoneProg", "ZoneName",      "GroupProg",
                           "AnnuncProg", "DeviceProg", "NameProg", "DeviceAuxProg", "DeviceStatusProg"};
    const int dataTypes[] = {0, 2, 3, 4, 5, 6, 70, 134, 198, 199};
    for (uint version : {0x2600u, 0x2601u})
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%X %s", version, kinds[i]) << version << QByteArray(kinds[i]) << dataTypes[i];
}

// Every older layout defaults to all zero, the general, group and name blocks included.
void tst_OldLayouts::zeroDefaults()
{
    QFETCH(uint, version);
    QFETCH(QByteArray, kind);
    QFETCH(int, dataType);
    const auto layout = make(version, kind, u8(dataType));
    memset(layout->data(), 0xA5, layout->size());
    QCOMPARE(layout->set_default(), 0);
    QCOMPARE(bytes(*layout), QByteArray(int(layout->size()), '\0'));
}

// Readers that expect the current layout find none in a block of an older version.
void tst_OldLayouts::notCurrentInterfaces()
{
    for (uint version : {0x2600u, 0x2601u}) {
        QVERIFY(!dynamic_cast<ZpData::IF_ZoneProg*>(make(version, "ZoneProg", 3).get()));
        QVERIFY(!dynamic_cast<ZpData::IF_ZoneName*>(make(version, "ZoneName", 4).get()));
        QVERIFY(!dynamic_cast<ZpData::IF_GroupProg*>(make(version, "GroupProg", 5).get()));
        QVERIFY(!dynamic_cast<ZpData::IF_AnnuncProg*>(make(version, "AnnuncProg", 6).get()));
        QVERIFY(!dynamic_cast<ZpData::IF_NameProg*>(make(version, "NameProg", 134).get()));
    }
    QVERIFY(dynamic_cast<ZpData::IF_NameProg*>(make(0x2602, "NameProg", 134).get()));
}

// Kinds whose layout does not change between versions: a step copies the block whole and
// reports -1, whatever the source version.
void tst_OldLayouts::plainSteps_data()
{
    QTest::addColumn<uint>("from");
    QTest::addColumn<uint>("to");
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<int>("dataType");
    struct Row {
        const char* kind;
        int dataType;
    };
    const Row rows[] = {{"Prog", 0},       {"Prog", 1},       {"ZoneProg", 3}, {"ZoneName", 4},
                        {"GroupProg", 5},  {"AnnuncProg", 6}, {"NameProg", 134}};
    const Row oldOnly[] = {{"DeviceAuxProg", 198}, {"DeviceStatusProg", 199}};
    for (const Row& r : rows) {
        QTest::addRow("2600 to 2601 %s %d", r.kind, r.dataType) << 0x2600u << 0x2601u << QByteArray(r.kind) << r.dataType;
        QTest::addRow("2601 to 2602 %s %d", r.kind, r.dataType) << 0x2601u << 0x2602u << QByteArray(r.kind) << r.dataType;
    }
    for (const Row& r : oldOnly)
        QTest::addRow("2600 to 2601 %s", r.kind) << 0x2600u << 0x2601u << QByteArray(r.kind) << r.dataType;
    QTest::newRow("same version ZoneName") << 0x2601u << 0x2601u << QByteArray("ZoneName") << 4;
}

void tst_OldLayouts::plainSteps()
{
    QFETCH(uint, from);
    QFETCH(uint, to);
    QFETCH(QByteArray, kind);
    QFETCH(int, dataType);
    const auto source = make(from, kind, u8(dataType));
    const auto target = make(to, kind, u8(dataType));
    const QByteArray content = pattern(int(source->size()), dataType);
    set_bytes(*source, content);
    QCOMPARE(target->convert(*source), -1);
    QCOMPARE(bytes(*target), content);
    QCOMPARE(bytes(*source), content);
    QCOMPARE(uint(target->version()), to);
}

// The first version has no predecessor; a source of another version is copied and stamped.
void tst_OldLayouts::general2600()
{
    ZpData_v2601::ZpxProg source(nullptr, nullptr, 2);
    set_bytes(source, general_block(0x2601, 3));
    ZpData_v2600::ZpxProg target(nullptr, nullptr, 2);
    QCOMPARE(target.convert(source), 0);
    QByteArray expected = general_block(0x2601, 3);
    expected[0] = char(0x00);
    expected[1] = char(0x26);
    QCOMPARE(bytes(target), expected);
}

void tst_OldLayouts::general2600SameVersion()
{
    ZpData_v2600::ZpxProg source(nullptr, nullptr, 2);
    set_bytes(source, general_block(0x2600, 5));
    ZpData_v2600::ZpxProg target(nullptr, nullptr, 2);
    QCOMPARE(target.convert(source), -1);
    QCOMPARE(bytes(target), QByteArray(5310, '\0'));
}

void tst_OldLayouts::general2601_data()
{
    QTest::addColumn<int>("networked");
    QTest::addColumn<int>("expected");
    QTest::newRow("7 becomes 1") << 7 << 1;
    QTest::newRow("0 stays 0") << 0 << 0;
    QTest::newRow("1 stays 1") << 1 << 1;
    QTest::newRow("255 becomes 1") << 255 << 1;
    QTest::newRow("0x80 becomes 1") << 0x80 << 1;
}

// Step 0x2600 -> 0x2601: a plain copy but for the networked-plant byte 5245 and the version word.
void tst_OldLayouts::general2601()
{
    QFETCH(int, networked);
    QFETCH(int, expected);
    QByteArray content = general_block(0x2600, 11);
    content[5245] = char(networked);
    // Board bytes with one-bit protocols pass unchanged in this step.
    content[4] = char(0x19);
    content[9] = char(0x11);
    ZpData_v2600::ZpxProg source(nullptr, nullptr, 2);
    set_bytes(source, content);
    ZpData_v2601::ZpxProg target(nullptr, nullptr, 2);

    QCOMPARE(target.convert(source), 0);

    QByteArray want = content;
    want[0] = char(0x01);
    want[1] = char(0x26);
    want[5245] = char(expected);
    QCOMPARE(bytes(target), want);
    QCOMPARE(int(u8(bytes(target)[5245])), expected);
    QCOMPARE(bytes(source), content);
}

void tst_OldLayouts::general2601Refused_data()
{
    QTest::addColumn<uint>("sourceVersion");
    QTest::addColumn<uint>("sourceSize");
    QTest::addColumn<int>("result");
    QTest::newRow("same version") << 0x2601u << 5310u << -1;
    QTest::newRow("from 0x2602") << 0x2602u << 5310u << 1003;
    QTest::newRow("from 0") << 0u << 5310u << 1003;
    QTest::newRow("from 0x25FF") << 0x25FFu << 5310u << 1003;
    // A 0x2600 block of another kind: too short to hold the networked-plant byte.
    QTest::newRow("from 0x2600 zone block") << 0x2600u << 1500u << 1003;
}

void tst_OldLayouts::general2601Refused()
{
    QFETCH(uint, sourceVersion);
    QFETCH(uint, sourceSize);
    QFETCH(int, result);
    ZpData::IFace source(nullptr, nullptr, 2, sourceSize, u16(sourceVersion));
    memset(source.data(), 7, source.size());
    ZpData_v2601::ZpxProg target(nullptr, nullptr, 2);
    QCOMPARE(target.convert(source), result);
    QCOMPARE(bytes(target), QByteArray(5310, '\0'));
}

void tst_OldLayouts::devices_data()
{
    QTest::addColumn<uint>("from");
    QTest::addColumn<uint>("to");
    QTest::addColumn<int>("dataType");
    QTest::newRow("2601 from 2600, block 0") << 0x2600u << 0x2601u << 70;
    QTest::newRow("2601 from 2600, block 63") << 0x2600u << 0x2601u << 133;
    QTest::newRow("2600 from 2601") << 0x2601u << 0x2600u << 70;
}

// Device blocks of 0x2600 and 0x2601 share the 42-byte record: a step copies them whole.
void tst_OldLayouts::devices()
{
    QFETCH(uint, from);
    QFETCH(uint, to);
    QFETCH(int, dataType);
    QByteArray content = pattern(29402, 1);
    content[0] = char(2); // CPU
    content[1] = char(1); // board
    // Slot 0: address 4, code byte 10, type byte 0x45 (module code bit, type 5), zone 300.
    const QByteArray record = QByteArray::fromHex("04000a452c01");
    content.replace(2, record.size(), record);
    // Slot 699 ends the block at 2 + 42 * 699 + 41.
    content[29401] = char(0x99);
    const auto source = make(from, "DeviceProg", u8(dataType));
    set_bytes(*source, content);
    const auto target = make(to, "DeviceProg", u8(dataType));
    QCOMPARE(target->convert(*source), 0);
    QCOMPARE(bytes(*target), content);
    QCOMPARE(uint(target->version()), to);
}

void tst_OldLayouts::devicesRefused_data()
{
    QTest::addColumn<uint>("version");
    QTest::addColumn<uint>("sourceVersion");
    QTest::addColumn<uint>("sourceSize");
    QTest::addColumn<int>("result");
    QTest::newRow("2600 same version") << 0x2600u << 0x2600u << 29402u << -1;
    QTest::newRow("2601 same version") << 0x2601u << 0x2601u << 29402u << -1;
    // A source of another size is not a device block of these versions.
    QTest::newRow("2601 from 2602 size") << 0x2601u << 0x2602u << 30102u << 1003;
    QTest::newRow("2601 from short") << 0x2601u << 0x2600u << 29401u << 1003;
}

void tst_OldLayouts::devicesRefused()
{
    QFETCH(uint, version);
    QFETCH(uint, sourceVersion);
    QFETCH(uint, sourceSize);
    QFETCH(int, result);
    ZpData::IFace source(nullptr, nullptr, 70, sourceSize, u16(sourceVersion));
    memset(source.data(), 0x6B, source.size());
    const auto target = make(version, "DeviceProg", 70);
    QCOMPARE(target->convert(source), result);
    QCOMPARE(bytes(*target), QByteArray(29402, '\0'));
}

QTEST_GUILESS_MAIN(tst_OldLayouts)
#include "tst_oldlayouts.moc"
