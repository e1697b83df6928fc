#include "DataBlock/DataBlock.h"
#include "DataBlock/crc.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/CpuRec.h"

#include "TestBase.h"

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

// Swaps a block's lock handle, so a test can make its lock fail.
class DataBlockTest {
public:
    static os_Lock swapLock(DataBlock& block, os_Lock lock)
    {
        std::swap(block.m_lock, lock);
        return lock;
    }
};

// Records what reaches its hooks.
struct Probe : DataBlock {
    using DataBlock::DataBlock;
    void on_change(const Notice& n) override { notices << QVector<u32>{n.kind, n.dataType, n.offset, n.length}; }
    void on_crc_changed(u16 crc) override { crcs << crc; }
    QByteArray bytes() { return QByteArray(reinterpret_cast<const char*>(get_ptr()), int(get_size())); }
    QVector<QVector<u32>> notices;
    QVector<u16> crcs;
};

// A 10-byte block (or one of size bytes) of dataType 3 holding "0123456789" written with
// "abcdefghij..." or read: the block after a write or the bytes read, or the figures of the
// logged refusal.
struct Access {
    bool write;
    uint offset, length;
    QByteArray result;
    QString refused;
    uint size = 10;
};
Q_DECLARE_METATYPE(Access)

class tst_DataBlock : public TestBase {
    Q_OBJECT

private slots:
    void access_data()
    {
        QTest::addColumn<Access>("a");
        QTest::newRow("write whole block") << Access{true, 0, 0, "abcdefghij", ""};
        QTest::newRow("write to the end") << Access{true, 4, 6, "0123abcdef", ""};
        QTest::newRow("write nothing at the end") << Access{true, 10, 0, "0123456789", ""};
        QTest::newRow("write 10 at size - 5") << Access{true, 5, 10, "", "5 + 10 > 10"};
        QTest::newRow("write at size") << Access{true, 10, 1, "", "10 + 1 > 10"};
        QTest::newRow("write past size") << Access{true, 11, 0, "", "11 + 0 > 10"};
        QTest::newRow("write wrapping length") << Access{true, 4, 0xFFFFFFFE, "", "4 + -2 > 10"};
        QTest::newRow("read whole") << Access{false, 0, 0, "0123456789", ""};
        QTest::newRow("read rest from offset") << Access{false, 4, 0, "456789", ""};
        QTest::newRow("read clipped") << Access{false, 8, 5, "89", ""};
        QTest::newRow("read at size") << Access{false, 10, 1, "", "10 >= 10"};
        QTest::newRow("read at size, length 0") << Access{false, 10, 0, "", "10 >= 10"};
        QTest::newRow("empty block, read all") << Access{false, 0, 0, "", "", 0};
        QTest::newRow("empty block, read rest from offset") << Access{false, 1, 0, "", "1 >= 0", 0};
    }
    // A refusal is logged and leaves the block, its CRC and its owner alone.
    void access()
    {
        QFETCH(Access, a);
        Probe block(3);
        QCOMPARE(block.set_iface(block.new_iface(a.size, 0x2602)), 0);
        if (a.size)
            memcpy(block.get_ptr(), "0123456789", a.size);
        QByteArray data(32, '#');
        u32 got = 0;
        const int rc = a.write ? block.set_data("abcdefghijklmnopqrstuvwxyz0123456789", a.length, a.offset)
                               : block.get_data(data.data(), a.length, a.offset, &got);
        QCOMPARE(rc, a.refused.isEmpty() ? 0 : 1013);
        QCOMPARE(trace().endsWith(" sforamento su dati richiesti a indice 0 (" + a.refused + ")\n"), rc != 0);
        QCOMPARE(a.write ? block.bytes() : data,
                 a.write ? (rc ? QByteArray("0123456789") : a.result) : a.result.leftJustified(32, '#'));
        QCOMPARE(int(got), a.write ? 0 : a.result.size());
        const bool written = a.write && !rc;
        const QVector<QVector<u32>> notice{{2, 3, a.offset, a.offset || a.length ? a.length : 10}};
        QCOMPARE(block.notices.mid(1), written ? notice : QVector<QVector<u32>>());
        QCOMPARE(block.crcs.mid(1), written ? QVector<u16>{crc16(a.result.constData(), 10)} : QVector<u16>());
    }
    // A range may end exactly at the block's end; one byte more, or a length that wraps, may not.
    void checkRange_data()
    {
        QTest::addColumn<uint>("offset");
        QTest::addColumn<uint>("length");
        QTest::addColumn<int>("rc");
        QTest::newRow("whole") << 0u << 10u << 0;
        QTest::newRow("empty at the end") << 10u << 0u << 0;
        QTest::newRow("last byte") << 9u << 1u << 0;
        QTest::newRow("one more") << 0u << 11u << 1013;
        QTest::newRow("at the end") << 10u << 1u << 1013;
        QTest::newRow("past the end") << 11u << 0u << 1013;
        QTest::newRow("wrapping length") << 1u << 0xFFFFFFFFu << 1013;
    }
    void checkRange()
    {
        QFETCH(uint, offset);
        QFETCH(uint, length);
        QFETCH(int, rc);
        Probe block(3);
        QCOMPARE(block.set_iface(block.new_iface(10, 0x2602)), 0);
        QCOMPARE(block.check_range(offset, length), rc);
    }
    // No layout: nothing to read or write. A layout installed once is announced once; its CRC
    // is that of nine zero bytes, then of the check string written under the lock, and an
    // unlock without a change recomputes nothing.
    void lifecycle()
    {
        Probe block(12);
        QVERIFY(block.get_data(nullptr, 4, 0) == 1008 && block.set_data(nullptr, 4, 0) == 1008);
        QVERIFY(block.set_iface(nullptr) == 1003 && block.get_size() == 0 && !block.get_ptr()
                && block.get_version() == 0);
        QCOMPARE(trace().count(
                     QRegularExpression("/DataBlock/[gs]et_data:\\d+ dataType:12 - Dati non validi all'indice 0\n")),
                 2);
        DataBlock::IFace* layout = block.new_iface(9, 0x2602);
        QVERIFY(block.set_iface(layout) == 0 && block.set_iface(layout) == -1 && block.lock_write() == 0);
        block.unlock();
        QCOMPARE(block.lock_read(), 0);
        memcpy(block.get_ptr(), "123456789", 9);
        block.mark_modified();
        block.unlock();
        QCOMPARE(block.notices, (QVector<QVector<u32>>{{1, 12, 0, 9}}));
        QCOMPARE(block.crcs, QVector<u16>({0xF00A, 0x4B37}));
        QVERIFY(!block.is_modified() && block.get_version() == 0x2602 && block.get_iface() == layout);
    }
    // Deferred, writes in pieces give one CRC, that of the whole result, when the deferral ends;
    // a layout installed with its CRC known reports it at once and leaves nothing pending.
    void deferredCrc()
    {
        Probe block(12);
        QCOMPARE(block.set_iface(block.new_iface(9, 0x2602)), 0);
        block.defer_crc(true);
        QVERIFY(block.set_data("12345", 5, 0) == 0 && block.set_data("6789", 4, 5) == 0);
        QCOMPARE(block.crcs, QVector<u16>{0xF00A});
        QCOMPARE(block.notices.size(), 3);
        block.defer_crc(false);
        block.defer_crc(false);
        QCOMPARE(block.crcs, QVector<u16>({0xF00A, 0x4B37}));

        block.defer_crc(true);
        QCOMPARE(block.set_data("xyz", 3, 0), 0);
        DataBlock::IFace* layout = block.new_iface(9, 0x2602);
        memcpy(layout->data(), "123456789", 9);
        QCOMPARE(block.set_iface(layout, 0x4B37), 0);
        block.defer_crc(false);
        QCOMPARE(block.crcs, QVector<u16>({0xF00A, 0x4B37, 0x4B37}));
        QVERIFY(!block.is_modified());
    }
    // A deferral that ends with the bytes the block held before it reports the CRC they had,
    // even one only trusted, without running it again; other bytes, or a CRC that was pending
    // when the layout was replaced, give the CRC of the bytes.
    void deferredCrcOfEqualBytes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("trusted");
        QTest::addColumn<bool>("pendingBefore");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("reported");
        QTest::newRow("same bytes") << QByteArray("123456789") << 0x4B37 << false << QByteArray("123456789") << 0x4B37;
        QTest::newRow("same bytes, trusted CRC")
            << QByteArray("123456789") << 0x1234 << false << QByteArray("123456789") << 0x1234;
        QTest::newRow("other bytes") << QByteArray(9, '\0') << 0x1234 << false << QByteArray("123456789") << 0x4B37;
        QTest::newRow("back to zeros") << QByteArray("123456789") << 0x4B37 << false << QByteArray(9, '\0') << 0xF00A;
        QTest::newRow("pending before") << QByteArray("123456789") << 0x1234 << true << QByteArray("123456789")
                                        << 0x4B37;
    }
    void deferredCrcOfEqualBytes()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, trusted);
        QFETCH(bool, pendingBefore);
        QFETCH(QByteArray, after);
        QFETCH(int, reported);
        Probe block(12);
        DataBlock::IFace* first = block.new_iface(9, 0x2602);
        memcpy(first->data(), before.constData(), 9);
        QCOMPARE(block.set_iface(first, u16(trusted)), 0);
        block.defer_crc(true);
        if (pendingBefore)
            QCOMPARE(block.set_data(before.constData(), 9, 0), 0);
        // The first layout replaced is the one compared, not one laid out in between.
        QCOMPARE(block.set_iface(block.new_iface(9, 0x2602)), 0);
        DataBlock::IFace* last = block.new_iface(9, 0x2602);
        memcpy(last->data(), after.constData(), 4);
        QCOMPARE(block.set_iface(last), 0);
        QCOMPARE(block.set_data(after.constData() + 4, 5, 4), 0);
        QCOMPARE(block.crcs, QVector<u16>{u16(trusted)});
        block.defer_crc(false);
        QCOMPARE(block.crcs, QVector<u16>({u16(trusted), u16(reported)}));
        QVERIFY(!block.is_modified() && block.bytes() == after);
    }
    // Block files: 7 bytes (length at 1, CRC at 5) or 8 (version at 4, CRC at 6), then the data.
    void load_data()
    {
        QTest::addColumn<int>("form");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("result");
        const QByteArray v1 = QByteArray::fromHex("00 09000000 374B") + "123456789";
        const QByteArray v3 = QByteArray::fromHex("00000000 0226 374B") + "123456789";
        QTest::newRow("v1") << 1 << v1 << 0;
        QTest::newRow("v1 length mismatch") << 1 << v1 + "x" << 1005;
        QTest::newRow("v1 short header") << 1 << v1.left(6) << 1015;
        QTest::newRow("v1 bad crc") << 1 << QByteArray(v1).replace('5', 'X') << 1018;
        QTest::newRow("v2") << 2 << v1 << 0;
        QTest::newRow("v3") << 3 << v3 << 0;
        QTest::newRow("file name cleared") << 1 << v1 << 1008;
    }
    void load()
    {
        QFETCH(int, form);
        QFETCH(QByteArray, file);
        QFETCH(int, result);
        QTemporaryDir dir;
        QFile f(dir.filePath("block.bin"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) == file.size() && f.flush());
        Probe block(20);
        block.set_file_name(qPrintable(f.fileName()));
        block.set_file_name(result == 1008 ? nullptr : qPrintable(f.fileName()));
        QCOMPARE(form == 1       ? block.load_v1_nolock()
                     : form == 2 ? block.load_v2_nolock()
                                 : block.load_v3_nolock(),
                 result);
        // Loaded data is not modified: a later unlock leaves the CRC as it came.
        QCOMPARE(block.lock_write(), 0);
        block.unlock();
        QCOMPARE(block.bytes(), result ? QByteArray() : QByteArray("123456789"));
        QCOMPARE(int(block.get_version()), !result && form == 3 ? 0x2602 : 0);
        QCOMPARE(block.crcs, result ? QVector<u16>() : QVector<u16>{0x4B37});
    }
    // (layout size, layouts at once): a layout starts zeroed, also where one of its size was let
    // go after being written; no two live layouts share a byte; sizes that are not a multiple of
    // the store's step and more layouts than its room, which then come from the heap, alike.
    void layoutBytes_data()
    {
        QTest::addColumn<uint>("size");
        QTest::addColumn<int>("count");
        QTest::newRow("one byte") << 1u << 40;
        QTest::newRow("a device table's size, 64 of them") << 22402u << 64;
        QTest::newRow("65 bytes, past the step") << 65u << 50;
        QTest::newRow("1 MB, six at once: past the store's room") << (1u << 20) << 6;
    }
    void layoutBytes()
    {
        QFETCH(uint, size);
        QFETCH(int, count);
        Probe block(3);
        std::vector<std::unique_ptr<DataBlock::IFace>> live;
        for (int round = 0; round < 2; ++round) {
            for (int i = 0; i < count; ++i) {
                live.emplace_back(block.new_iface(size, 0x2602));
                u8* bytes = live.back()->data();
                QVERIFY(bytes && std::all_of(bytes, bytes + size, [](u8 b) { return b == 0; }));
                memset(bytes, 0xA5, size);
            }
            std::vector<const u8*> starts;
            for (const auto& layout : live)
                starts.push_back(layout->data());
            std::sort(starts.begin(), starts.end());
            for (size_t i = 1; i < starts.size(); ++i)
                QVERIFY(starts[i - 1] + size <= starts[i]);
            live.clear();
        }
    }
    // Layouts made and let go on several threads at once: each starts zeroed and is its own.
    void layoutBytesAcrossThreads()
    {
        Probe block(3);
        std::atomic<int> faults{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&block, &faults, t] {
                for (int i = 0; i < 200; ++i) {
                    const u32 size = 4096 + 64 * u32((i + t) % 5);
                    std::unique_ptr<DataBlock::IFace> layout(block.new_iface(size, 0x2602));
                    u8* bytes = layout->data();
                    if (!std::all_of(bytes, bytes + size, [](u8 b) { return b == 0; }))
                        ++faults;
                    memset(bytes, t + 1, size);
                    if (!std::all_of(bytes, bytes + size, [t](u8 b) { return b == t + 1; }))
                        ++faults;
                }
            });
        }
        for (std::thread& thread : threads)
            thread.join();
        QCOMPARE(faults.load(), 0);
    }
    // The guard holds the read lock of the block it fetched, and only while it lives.
    void blockLock()
    {
        ZpConf conf(0, 255);
        ZpConfBlock* block = conf.find_block(133);
        {
            BlockLock<ZpData::IFace> guard(conf, 63, 70, 133);
            QVERIFY(guard.holding() && guard.block() == block && guard.layout() && guard.data() == block->get_ptr());
            QCOMPARE(int(guard.data_type()), 133);
            BlockLock<ZpData::IFace> status(conf, 0, 199, 199);
            QVERIFY(status.holding());
            QCOMPARE(int(status.data_type()), 199);
            QCOMPARE(status->size(), 89856u);
        }
        QCOMPARE(block->lock_write(), 0);
        block->unlock();
    }
    // A guard whose lock is not taken gives neither layout nor data, and releases nothing.
    void blockLockRefused_data()
    {
        QTest::addColumn<bool>("write");
        QTest::newRow("read") << false;
        QTest::newRow("write") << true;
    }
    void blockLockRefused()
    {
        QFETCH(bool, write);
        ZpConf conf(0, 255);
        ZpConfBlock* block = conf.find_block(2);
        const os_Lock real = DataBlockTest::swapLock(*block, 0);
        {
            BlockLock<ZpData::IFace> guard(conf, 0, 2, 2, write ? BlockAccess::write : BlockAccess::read);
            QVERIFY(!guard.holding());
            QVERIFY(!guard.layout());
            QVERIFY(!guard.data());
            QCOMPARE(int(guard.data_type()), 2);
        }
        DataBlockTest::swapLock(*block, real);
        QCOMPARE(block->lock_write(0), 0);
        block->unlock();
    }
    // While another thread writes a block, a guard of this one waits: a reader's guard for the
    // writer, a writer's guard for a reader too.
    void blockLockWaits_data()
    {
        QTest::addColumn<bool>("otherWrites");
        QTest::addColumn<bool>("guardWrites");
        QTest::addColumn<bool>("waits");
        QTest::newRow("writer, read guard") << true << false << true;
        QTest::newRow("writer, write guard") << true << true << true;
        QTest::newRow("reader, write guard") << false << true << true;
        QTest::newRow("reader, read guard") << false << false << false;
    }
    void blockLockWaits()
    {
        QFETCH(bool, otherWrites);
        QFETCH(bool, guardWrites);
        QFETCH(bool, waits);
        ZpConf conf(0, 255);
        ZpConfBlock* block = conf.find_block(2);
        std::atomic<int> stage{0};
        std::thread other([&] {
            QCOMPARE(otherWrites ? block->lock_write() : block->lock_read(), 0);
            stage = 1;
            while (stage != 2)
                std::this_thread::yield();
            QTest::qSleep(30);
            stage = 3;
            block->unlock();
        });
        while (stage != 1)
            std::this_thread::yield();
        stage = 2;
        int seen = 0;
        {
            BlockLock<ZpData::IFace> guard(conf, 0, 2, 2, guardWrites ? BlockAccess::write : BlockAccess::read);
            seen = stage;
            QVERIFY(guard.holding() && guard.data() == block->get_ptr());
        }
        other.join();
        QCOMPARE(seen == 3, waits);
    }
    // The check of the general block reads its layout under the block's lock: a layout installed
    // while the check waits for it is the one checked.
    void checkWaitsForLayout()
    {
        ZpConf conf(0, 255);
        ZpConfBlock* block = conf.find_block(2);
        QCOMPARE(block->lock_read(), 0);
        std::thread check([&conf] { conf.check_zpxProg(false); });
        // The check waits once a new reader is held back.
        std::thread([block] {
            while (block->lock_read(0) == 0) {
                block->unlock();
                std::this_thread::yield();
            }
        }).join();
        DataBlock::IFace* networked = block->new_iface(0, 0x2602);
        memcpy(networked->data(), block->get_ptr(), networked->size());
        networked->data()[ZpData_v2602::zpx::kNetworked] = 1;
        QCOMPARE(block->set_iface(networked), 0);
        block->unlock();
        check.join();
        QCOMPARE(int(conf.get_networked()), 1);
        // The default configuration installs no board: the check unbinds every board record.
        QStringList unbound;
        for (int i = 0; i < 64; ++i)
            unbound << QString("DeviceAuxProg[%1] = c255ll255").arg(i);
        QCOMPARE(traceErrors(), unbound);
    }
};

QTEST_APPLESS_MAIN(tst_DataBlock)
#include "tst_datablock.moc"
