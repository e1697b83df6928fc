#include "DataBlock/DataBlock.h"
#include "ZpData/BlockLock.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/bytes.h"
#include "ZpData/crc.h"
#include "ZpData/interface.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <vector>

namespace {

using libtest::bytes;
using libtest::TraceCapture;

// A block that records what reaches its hooks.
class ProbeBlock : public DataBlock {
public:
    explicit ProbeBlock(u8 dataType)
        : DataBlock(dataType)
    {
    }
    void on_change(const Notice& n) override { notices.push_back(n); }
    void on_crc_changed(u16 crc) override { crcs.push_back(crc); }

    std::vector<Notice> notices;
    std::vector<u16> crcs;
};

u16 crc_of(const QByteArray& a)
{
    return crc16(a.constData(), u32(a.size()));
}

// A block whose factory gives out no layout once armed.
class NoLayoutBlock : public ZpConfBlock {
public:
    NoLayoutBlock(ZpConfBlocks* table, u8 dataType)
        : ZpConfBlock(table, dataType)
    {
    }
    DataBlock::IFace* new_iface(u32 size, u16 version) override
    {
        return armed ? nullptr : ZpConfBlock::new_iface(size, version);
    }
    bool armed = false;
};

} // namespace

class tst_DataBlock : public QObject {
    Q_OBJECT

private slots:
    void freshLayoutIsZero();
    void setDataWholeBlock();
    void setDataRange_data();
    void setDataRange();
    void getDataRange_data();
    void getDataRange();
    void noLayout();
    void setIface();
    void crcKeptWithoutChange();
    void upgradeSteps();
    void upgradeRefusesDowngrade();
    void upgradeSameVersion();
    void upgradeWithoutLayout();
    void loadFiles_data();
    void loadFiles();
    void blockLock();
};

void tst_DataBlock::freshLayoutIsZero()
{
    ProbeBlock block(7);
    QVERIFY(block.set_iface(block.new_iface(16, 0x2602)) == 0);
    QCOMPARE(bytes(block.get_iface()), QByteArray(16, '\0'));
    QCOMPARE(block.get_size(), 16u);
    QCOMPARE(uint(block.get_version()), 0x2602u);
}

void tst_DataBlock::setDataWholeBlock()
{
    ProbeBlock block(9);
    block.set_iface(block.new_iface(8, 0x2602));
    block.notices.clear();
    block.crcs.clear();

    const QByteArray src("ABCDEFGH");
    QCOMPARE(block.set_data(src.constData(), 0, 0), 0);
    QCOMPARE(bytes(block.get_iface()), src);
    QCOMPARE(int(block.notices.size()), 1);
    QCOMPARE(block.notices[0].kind, u32(DataBlock::NOTICE_DATA));
    QCOMPARE(block.notices[0].dataType, 9u);
    QCOMPARE(block.notices[0].offset, 0u);
    QCOMPARE(block.notices[0].length, 8u);
    QCOMPARE(int(block.crcs.size()), 1);
    QCOMPARE(block.crcs[0], crc_of(src));
    QVERIFY(!block.is_modified());
}

void tst_DataBlock::setDataRange_data()
{
    QTest::addColumn<uint>("offset");
    QTest::addColumn<uint>("length");
    QTest::addColumn<int>("result");
    QTest::newRow("last byte") << 15u << 1u << 0;
    QTest::newRow("to the end") << 6u << 10u << 0;
    QTest::newRow("10 at size-5") << 11u << 10u << 1013;
    QTest::newRow("offset at size") << 16u << 1u << 1013;
    QTest::newRow("empty at the end") << 16u << 0u << 0;
    QTest::newRow("offset past size") << 17u << 0u << 1013;
    QTest::newRow("wrapping length") << 4u << 0xFFFFFFFEu << 1013;
    QTest::newRow("wrapping offset") << 0xFFFFFFF0u << 0x20u << 1013;
}

void tst_DataBlock::setDataRange()
{
    QFETCH(uint, offset);
    QFETCH(uint, length);
    QFETCH(int, result);

    ProbeBlock block(3);
    block.set_iface(block.new_iface(16, 0x2602));
    const QByteArray before = bytes(block.get_iface());
    block.notices.clear();
    block.crcs.clear();

    std::vector<u8> src(64, 0x5A);
    QCOMPARE(block.set_data(src.data(), length, offset), result);
    if (result == 0) {
        QByteArray expected = before;
        for (uint i = 0; i < length; ++i)
            expected[int(offset + i)] = char(0x5A);
        QCOMPARE(bytes(block.get_iface()), expected);
        QCOMPARE(int(block.notices.size()), 1);
        QCOMPARE(block.notices[0].offset, offset);
        QCOMPARE(block.notices[0].length, length);
    } else {
        QCOMPARE(bytes(block.get_iface()), before);
        QCOMPARE(int(block.notices.size()), 0);
        QCOMPARE(int(block.crcs.size()), 0);
    }
}

void tst_DataBlock::getDataRange_data()
{
    QTest::addColumn<uint>("offset");
    QTest::addColumn<uint>("length");
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("got");
    QTest::newRow("whole") << 0u << 0u << 0 << 10u;
    QTest::newRow("rest from offset") << 4u << 0u << 0 << 6u;
    QTest::newRow("clipped") << 8u << 5u << 0 << 2u;
    QTest::newRow("exact") << 2u << 3u << 0 << 3u;
    QTest::newRow("offset at size") << 10u << 1u << 1013 << 0u;
    QTest::newRow("offset at size, length 0") << 10u << 0u << 1013 << 0u;
    QTest::newRow("far offset") << 0xFFFFFFFFu << 0u << 1013 << 0u;
}

void tst_DataBlock::getDataRange()
{
    QFETCH(uint, offset);
    QFETCH(uint, length);
    QFETCH(int, result);
    QFETCH(uint, got);

    ProbeBlock block(3);
    block.set_iface(block.new_iface(10, 0x2602));
    const QByteArray content("0123456789");
    block.set_data(content.constData(), 0, 0);

    std::vector<char> dst(32, '#');
    u32 count = 0;
    QCOMPARE(block.get_data(dst.data(), length, offset, &count), result);
    if (result == 0) {
        QCOMPARE(count, got);
        QCOMPARE(QByteArray(dst.data(), int(count)), content.mid(int(offset), int(got)));
        QCOMPARE(dst[count], '#');
    } else {
        QCOMPARE(dst[0], '#');
    }
}

void tst_DataBlock::noLayout()
{
    TraceCapture trace;
    ProbeBlock block(12);
    char buf[4];
    QCOMPARE(block.get_data(buf, 4, 0), 1008);
    QCOMPARE(block.set_data(buf, 4, 0), 1008);
    QCOMPARE(block.get_size(), 0u);
    QCOMPARE(block.get_ptr(), static_cast<u8*>(nullptr));
    QCOMPARE(block.set_iface(nullptr), 1003);
    QVERIFY(trace.text().contains("dataType:12 - Dati non validi all'indice 0\n"));
}

void tst_DataBlock::setIface()
{
    ProbeBlock block(5);
    DataBlock::IFace* first = block.new_iface(4, 0x2602);
    QCOMPARE(block.set_iface(first), 0);
    QCOMPARE(int(block.notices.size()), 1);
    QCOMPARE(block.notices[0].kind, u32(DataBlock::NOTICE_LAYOUT));
    QCOMPARE(block.notices[0].length, 4u);
    QCOMPARE(int(block.crcs.size()), 1);
    QCOMPARE(block.crcs[0], u16(crc_of(QByteArray(4, '\0'))));

    QCOMPARE(block.set_iface(first), -1);
    QCOMPARE(int(block.notices.size()), 1);
    QCOMPARE(block.get_iface(), first);
}

void tst_DataBlock::crcKeptWithoutChange()
{
    ProbeBlock block(5);
    block.set_iface(block.new_iface(4, 0x2602));
    block.crcs.clear();
    QCOMPARE(block.lock_write(), 0);
    block.unlock();
    QCOMPARE(int(block.crcs.size()), 0);

    QCOMPARE(block.lock_write(), 0);
    block.get_ptr()[1] = 0x42;
    block.mark_modified();
    block.unlock();
    QCOMPARE(int(block.crcs.size()), 1);
    const u8 expected[4] = {0, 0x42, 0, 0};
    QCOMPARE(block.crcs[0], crc16(expected, 4));
}

void tst_DataBlock::upgradeSteps()
{
    TraceCapture trace;
    ZpConf conf(0, 255);
    ZpConfBlock* block = conf.find_block(70);
    QVERIFY(block);
    QCOMPARE(block->get_size(), 30102u);
    block->set_iface(ZpData::new_iface(block, 0, 0x2600));
    QCOMPARE(block->get_size(), 29402u);

    QCOMPARE(block->update(0x2602), 0);
    QCOMPARE(uint(block->get_version()), 0x2602u);
    QCOMPARE(block->get_size(), 30102u);
    const QString log = trace.text();
    QVERIFY2(log.contains("Importing dataype 70 2600 -> 2601\n"), qPrintable(log));
    QVERIFY2(log.contains("Importing dataype 70 2601 -> 2602\n"), qPrintable(log));
    // The container keeps the CRC of the installed layout.
    QCOMPARE(conf.get_blocks().get_crc(70), DataBlock::crc(*block->get_iface()));
}

void tst_DataBlock::upgradeRefusesDowngrade()
{
    TraceCapture trace;
    ZpConf conf(0, 255);
    ZpConfBlock* block = conf.find_block(3);
    DataBlock::IFace* before = block->get_iface();
    QCOMPARE(block->update(0x2601), 1003);
    QCOMPARE(block->get_iface(), before);
    QVERIFY(trace.text().contains(
        "Configurazione con una versione di ZpData piu recente, downgrade non supportato!!!! 2601 < 2602\n"));

    QCOMPARE(block->update(0x2700), 1003);
    QVERIFY(trace.text().contains("Non trovata versione di partenza/fine (2602 -> 2700)\n"));
}

void tst_DataBlock::upgradeSameVersion()
{
    ZpConf conf(0, 255);
    ZpConfBlock* block = conf.find_block(4);
    DataBlock::IFace* before = block->get_iface();
    QCOMPARE(block->update(0x2602), 0);
    QCOMPARE(block->get_iface(), before);
}

void tst_DataBlock::upgradeWithoutLayout()
{
    ZpConf conf(0, 255);
    NoLayoutBlock block(&conf.get_blocks(), 3);
    block.set_iface(ZpData::new_iface(&block, 0, 0x2600));
    DataBlock::IFace* before = block.get_iface();
    block.armed = true;
    QCOMPARE(block.update(0x2602), 1006);
    QCOMPARE(block.get_iface(), before);
    QCOMPARE(uint(block.get_version()), 0x2600u);
}

void tst_DataBlock::loadFiles_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("result");

    const QByteArray payload("panel-data");
    const u16 crc = crc_of(payload);
    QByteArray v1(7, '\0');
    put_le32(v1.data() + 1, u32(payload.size()));
    put_le16(v1.data() + 5, crc);
    QByteArray v3(8, '\0');
    put_le16(v3.data() + 4, 0x2602);
    put_le16(v3.data() + 6, crc);

    QTest::newRow("v1 good") << 1 << (v1 + payload) << 0;
    QTest::newRow("v1 length mismatch") << 1 << (v1 + payload + "x") << 1005;
    QTest::newRow("v1 short header") << 1 << v1.left(6) << 1015;
    QByteArray badCrc = v1 + payload;
    badCrc[10] = 'X';
    QTest::newRow("v1 bad crc") << 1 << badCrc << 1018;
    QTest::newRow("v2 good") << 2 << (v1 + payload) << 0;
    QTest::newRow("v3 good") << 3 << (v3 + payload) << 0;
    QTest::newRow("v3 short header") << 3 << v3.left(7) << 1015;
}

void tst_DataBlock::loadFiles()
{
    QFETCH(int, form);
    QFETCH(QByteArray, file);
    QFETCH(int, result);

    QTemporaryDir dir;
    const QString path = dir.filePath("block.bin");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(file);
    f.close();

    ProbeBlock block(20);
    block.set_file_name(path.toLocal8Bit().constData());
    const int got = form == 1 ? block.load_v1_nolock() : form == 2 ? block.load_v2_nolock() : block.load_v3_nolock();
    QCOMPARE(got, result);
    if (result == 0) {
        QCOMPARE(bytes(block.get_iface()), QByteArray("panel-data"));
        QCOMPARE(block.crcs.back(), crc_of("panel-data"));
    } else {
        QCOMPARE(block.get_iface(), static_cast<DataBlock::IFace*>(nullptr));
    }
}

void tst_DataBlock::blockLock()
{
    ZpConf conf(0, 255);
    BlockLock<ZpData::IFace> guard(conf, 63, 70, 133);
    QVERIFY(guard.holding());
    QCOMPARE(int(guard.data_type()), 133);
    QVERIFY(guard.layout());
    QCOMPARE(guard.data(), conf.find_block(133)->get_ptr());

    BlockLock<ZpData::IFace> status(conf, 0, 199, 199);
    QCOMPARE(int(status.data_type()), 199);
    QCOMPARE(status->size(), 89856u);
}

QTEST_APPLESS_MAIN(tst_DataBlock)
#include "tst_datablock.moc"
