#include "OS/SaveFile.h"
#include "OS/os.h"

#include "FatalChild.h"
#include "TestBase.h"

#include <QtTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

[[noreturn]] __attribute__((noinline)) static void fatal_child(const char* which)
{
    if (strcmp(which, "block") == 0)
        os_FatalPrintf("block == nullptr\n");
    if (strcmp(which, "cut at 63") == 0)
        os_FatalPrintf("Invalid id (%d) for datatype %d %s", 300, 70, "0123456789abcdefghijklmnopqrstuvwxyz");
    os_Fatal("Out of Memory");
}

class tst_Os : public TestBase {
    Q_OBJECT

private slots:
    // Elapsed means strictly more than the limit; ticks are milliseconds of the wall clock.
    void ticks()
    {
        for (const auto& c :
             {std::array<u32, 3>{1000, 1000, 0}, {1001, 1000, 1}, {999, 1000, 0}, {0, 0, 0}, {1, 0, 1}}) {
            u32 now = 0;
            bool elapsed;
            do // again when the tick moved during the call
                elapsed = os_TickElapsed(os_GetTick(&now) - c[0], c[1]);
            while (os_GetTickMs() != now);
            QCOMPARE(elapsed, bool(c[2]));
        }
        QVERIFY(os_TickDiff(os_GetTickMs(), u32(QDateTime::currentMSecsSinceEpoch())) < 2000u);
    }
    // A map written under the file's lock and read back; nothing is written without a file.
    void files()
    {
        QTemporaryDir dir;
        const QByteArray path = dir.filePath("map.csv").toLocal8Bit();
        FileWriter writer;
        QCOMPARE(writer.printf("nothing open\n"), -1);
        QCOMPARE(writer.open(qPrintable(dir.filePath("no/such/map.csv")), "w"), int(ZP_ERR_GENERIC));
        QVERIFY(!os_FileExists(path) && writer.open(path, "w") == ZP_OK && os_FileExists(path) && writer.is_open());
        QCOMPARE(writer.printf("%s;%d\n", "Zone5", 105), 10);
        QVERIFY(writer.close() == ZP_OK && writer.close() == ZP_OK && !writer.is_open() && writer.printf("x") == -1);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == "Zone5;105\n" && os_FileSize(nullptr) == -1);
    }
    // Two writers of one target at once each have a file of their own: the target is always one
    // of them whole, keeps its permissions, and a discarded write leaves nothing behind.
    void saveFiles()
    {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath("CFG_IN.BIN"));
        QFile target(dir.filePath("CFG_IN.BIN"));
        QVERIFY(target.open(QIODevice::WriteOnly) && target.write("old") == 3 && (target.close(), true));
        QVERIFY(target.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        SaveFile first(path), second(path), dropped(path);
        FILE* a = first.open();
        FILE* b = second.open();
        QVERIFY(a && b && dropped.open() && a != b);
        QVERIFY(std::fputs("first", a) >= 0 && std::fputs("second", b) >= 0);
        dropped.discard();
        QCOMPARE(second.commit(), 0);
        QCOMPARE(first.commit(), 0);
        QVERIFY(target.open(QIODevice::ReadOnly) && target.readAll() == "first");
        QCOMPARE(int(target.permissions() & 0x7077), int(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"CFG_IN.BIN"});
        SaveFile folder(QFile::encodeName(dir.path()));
        QVERIFY(!folder.open());
        QCOMPARE(folder.error(), EISDIR);
    }
    // A dangling link is written through and stays a link; another user's file in a shared
    // folder, and a file in a missing folder, are refused with the reason before anything is
    // written.
    void saveTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("error");
        QTest::newRow("dangling link") << "link" << 0;
        QTest::newRow("shared folder, another's file") << "shared/theirs" << EPERM;
        QTest::newRow("missing folder") << "missing/file" << ENOENT;
    }
    void saveTargets()
    {
        QFETCH(QString, target);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QByteArray root = QFile::encodeName(dir.path());
        QVERIFY(QFile::link("named", dir.filePath("link")) && QDir(dir.path()).mkdir("shared"));
        QVERIFY(::chmod(root, 0755) == 0 && ::chmod(root + "/shared", 01777) == 0
                && ::close(::creat(root + "/shared/theirs", 0)) == 0 && ::chmod(root + "/shared/theirs", 0666) == 0);
        if (error == EPERM && ::seteuid(65534) != 0)
            QSKIP("another user's file needs the superuser");
        SaveFile file(QFile::encodeName(dir.filePath(target)));
        // A refused target is refused before anything is written.
        const bool opened = file.open() != nullptr;
        const bool written = opened && file.write("new", 3) && file.commit() == 0;
        QVERIFY(::seteuid(0) == 0 || error != EPERM);
        QCOMPARE(opened, error == 0);
        QCOMPARE(file.error(), error);
        QCOMPARE(written, error == 0);
        QCOMPARE(fileContents(dir.filePath("shared/theirs")), QByteArray());
        QCOMPARE(QFileInfo(dir.filePath("link")).isSymLink() && fileContents(dir.filePath("named")) == "new",
                 error == 0);
    }
    // A commit removes the marked files of its target that a killed writer left, and nothing
    // else: a running writer's file, a user's file, another target's, a link or a folder stay.
    void leftFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("kept");
        const QString marked = QStringLiteral("CFG_IN.BIN") + SaveFile::kTempMark + "Ab12Cd";
        QTest::newRow("killed writer's") << marked << "file" << false;
        QTest::newRow("running writer's") << marked << "locked" << true;
        QTest::newRow("user's") << "CFG_IN.BIN.backup"
                                << "file" << true;
        QTest::newRow("another target's") << QStringLiteral("ModbusMap.csv") + SaveFile::kTempMark + "Ab12Cd"
                                          << "file" << true;
        QTest::newRow("mark, five letters") << marked.chopped(1) << "file" << true;
        QTest::newRow("link") << marked << "link" << true;
        QTest::newRow("folder") << marked << "folder" << true;
    }
    void leftFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        const QByteArray left = QFile::encodeName(dir.filePath(name));
        const int holder = kind == "folder" ? ::mkdir(left, 0700)
            : kind == "link"                ? ::symlink("user", left)
                                            : ::open(left, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        QVERIFY(holder >= 0 && (kind != "locked" || ::flock(holder, LOCK_EX | LOCK_NB) == 0));
        SaveFile file(QFile::encodeName(dir.filePath("CFG_IN.BIN")));
        QVERIFY(file.open() && file.write("new", 3) && file.commit() == 0);
        QCOMPARE(QFileInfo(dir.filePath(name)).exists() || QFileInfo(dir.filePath(name)).isSymLink(), kept);
        if (holder > 0 && kind != "link")
            ::close(holder);
        QCOMPARE(fileContents(dir.filePath("CFG_IN.BIN")), QByteArray("new"));
    }
    // A second lock of a folder waits until the first is let go, also within one process.
    void folderLock()
    {
        QTemporaryDir dir;
        std::atomic<bool> second{false};
        std::future<void> waiting;
        {
            FolderLock first(QFile::encodeName(dir.path()).toStdString());
            QVERIFY(first.held());
            waiting = std::async(std::launch::async, [&] {
                FolderLock lock(QFile::encodeName(dir.path()).toStdString());
                second = lock.held();
            });
            QCOMPARE(waiting.wait_for(std::chrono::milliseconds(200)), std::future_status::timeout);
            QVERIFY(!second);
        }
        waiting.get();
        QVERIFY(second);
        QVERIFY(!FolderLock(QFile::encodeName(dir.filePath("missing")).toStdString()).held());
    }
    // Writers that name two folders in opposite orders lock them in one order and never wait for
    // each other; a folder named twice is locked once. A stuck writer is left behind, detached.
    void folderLockOrder()
    {
        QTemporaryDir dir;
        const std::string a = QFile::encodeName(dir.path()).toStdString(), b = a + "/b";
        QVERIFY(::mkdir(b.c_str(), 0700) == 0 && FolderLock(a, a + "/.").held());
        auto done = std::make_shared<std::atomic<int>>(0);
        for (const auto& order : {std::make_pair(a, b), std::make_pair(b, a)})
            std::thread([order, done] {
                for (int i = 0; i < 5000; ++i)
                    FolderLock(order.first, order.second);
                ++*done;
            }).detach();
        QTRY_COMPARE_WITH_TIMEOUT(done->load(), 2, 10000);
    }
    // Each step puts (+value), gets (-), drops (x), peeks (?) or clears (C), and reports its
    // result (the element for a get or a peek), then the count, F when full, E when empty.
    void fifo_data()
    {
        QTest::addColumn<uint>("count");
        QTest::addColumn<uint>("timeout");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("results");
        QTest::newRow("three") << 3u << 0u << "+11 +22 +33 +44 ? - C - ?"
                               << "0/1 0/2 0/3F 1010/3F 11/3F 11/2 0/0E 1009/0E 1009/0E";
        QTest::newRow("wraps around") << 3u << 0u << "+1 +2 - x +3 +4 +5 - - -"
                                      << "0/1 0/2 1/1 0/0E 0/1 0/2 0/3F 3/2 4/1 5/0E";
        QTest::newRow("one, short wait") << 1u << 2u << "- ? +5 +6"
                                         << "1009/0E 1009/0E 0/1F 1010/1F";
        QTest::newRow("none") << 0u << 0u << "+1 - ? C"
                              << "1001/0E 1001/0E 1001/0E 1001/0E";
    }
    void fifo()
    {
        QFETCH(uint, count);
        QFETCH(uint, timeout);
        QFETCH(QString, steps);
        QFETCH(QString, results);
        QVERIFY(!os_FifoCreate(3, 0));
        os_Fifo* fifo = os_FifoCreate(count, 4);
        QStringList got;
        for (const QString& step : steps.split(' ')) {
            u32 item = step.mid(1).toUInt();
            const char op = step[0].toLatin1();
            const int rc = op == '+' ? os_FifoPut(fifo, &item, timeout)
                : op == '?'          ? os_FifoPeek(fifo, &item, timeout)
                : op == 'C'          ? os_FifoClear(fifo)
                                     : os_FifoGet(fifo, op == 'x' ? nullptr : &item, timeout);
            got << QString("%1/%2").arg(rc == 0 && (op == '-' || op == '?') ? item : u32(rc)).arg(os_FifoCount(fifo))
                    + (os_FifoIsFull(fifo) ? "F" : "") + (os_FifoIsEmpty(fifo) ? "E" : "");
        }
        os_FifoDelete(fifo);
        QCOMPARE(got.join(' '), results);
    }
    // A producer and a consumer on two threads, each waiting without limit: every element
    // arrives once, in order, whatever the FIFO's size.
    void fifoThreads_data()
    {
        QTest::addColumn<uint>("count");
        QTest::newRow("one") << 1u;
        QTest::newRow("seven") << 7u;
    }
    void fifoThreads()
    {
        QFETCH(uint, count);
        os_Fifo* fifo = os_FifoCreate(count, 4);
        std::thread producer([fifo] {
            for (u32 i = 1; i <= 2000; ++i)
                os_FifoPut(fifo, &i, OS_WAIT_FOREVER);
        });
        u32 expected = 1, wrong = 0;
        for (; expected <= 2000; ++expected) {
            u32 item = 0;
            if (os_FifoGet(fifo, &item, OS_WAIT_FOREVER) != 0 || item != expected)
                ++wrong;
        }
        producer.join();
        QCOMPARE(wrong, 0u);
        QVERIFY(os_FifoIsEmpty(fifo));
        os_FifoDelete(fifo);
    }
    // Every day of years 1 to 2401 against Qt's proleptic Gregorian calendar, then the edges.
    void dayOfWeek()
    {
        for (QDate d(1, 1, 1); d.year() <= 2401; d = d.addDays(1))
            if (os_DayOfWeek(d.day(), d.month(), d.year()) != d.dayOfWeek() % 7)
                QFAIL(qPrintable(d.toString(Qt::ISODate)));
        QCOMPARE(os_DayOfWeek(31, 12, 0xFFFF), QDate(0xFFFF, 12, 31).dayOfWeek() % 7);
        for (const auto& bad :
             {std::array<int, 3>{1, 0, 2024}, {1, 13, 2024}, {0, 5, 2024}, {32, 5, 2024}, {1, 1, 0}, {1, 1, 0x10000}})
            QCOMPARE(os_DayOfWeek(bad[0], bad[1], bad[2]), -1);
    }
    void gmtime_data()
    {
        QTest::addColumn<qint64>("t");
        QTest::addColumn<QString>("utc");
        QTest::newRow("epoch") << qint64(0) << "1970-01-01 00:00:00";
        QTest::newRow("leap day") << qint64(951827696) << "2000-02-29 12:34:56";
        QTest::newRow("past 32 bits") << qint64(2147483648) << "2038-01-19 03:14:08";
        QTest::newRow("before epoch") << qint64(-1) << "1969-12-31 23:59:59";
    }
    void gmtime()
    {
        QFETCH(qint64, t);
        QFETCH(QString, utc);
        const time64 value = t, huge = INT64_MAX;
        struct tm out;
        memset(&out, 0xAA, sizeof out);
        QCOMPARE(os_gmtime(&value, &out), &out);
        QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", out.tm_year + 1900, out.tm_mon + 1, out.tm_mday,
                                   out.tm_hour, out.tm_min, out.tm_sec),
                 utc);
        QCOMPARE(os_gmtime(&huge, &out), static_cast<struct tm*>(nullptr));
        QCOMPARE(os_gmtime(nullptr, &out), static_cast<struct tm*>(nullptr));
    }
    // Day differences ignore the times and the daylight flags; time-of-day differences ignore
    // the dates.
    void diffDays_data()
    {
        QTest::addColumn<QDateTime>("a");
        QTest::addColumn<QDateTime>("b");
        QTest::addColumn<qint64>("days");
        QTest::addColumn<qint64>("timeOfDay");
        const auto at = [](int y, int m, int d, int h, int min, int s) {
            return QDateTime(QDate(y, m, d), QTime(h, min, s));
        };
        QTest::newRow("same day") << at(2024, 5, 10, 23, 59, 59) << at(2024, 5, 10, 0, 0, 1) << qint64(0)
                                  << qint64(86398);
        QTest::newRow("over leap day") << at(2024, 3, 1, 0, 0, 1) << at(2024, 2, 28, 23, 59, 59) << qint64(2 * 86400)
                                       << qint64(-86398);
        QTest::newRow("backwards") << at(2023, 2, 28, 12, 0, 0) << at(2023, 3, 1, 12, 0, 0) << qint64(-86400)
                                   << qint64(0);
        QTest::newRow("new year") << at(2025, 1, 1, 0, 30, 0) << at(2024, 12, 31, 23, 30, 0) << qint64(86400)
                                  << qint64(-82800);
        QTest::newRow("a month") << at(2024, 4, 1, 10, 30, 15) << at(2024, 3, 1, 8, 0, 0) << qint64(31 * 86400)
                                 << qint64(9015);
    }
    void diffDays()
    {
        QFETCH(QDateTime, a);
        QFETCH(QDateTime, b);
        QFETCH(qint64, days);
        QFETCH(qint64, timeOfDay);
        const auto make = [](const QDateTime& v, int dst) {
            struct tm t = {};
            t.tm_year = v.date().year() - 1900, t.tm_mon = v.date().month() - 1, t.tm_mday = v.date().day();
            t.tm_hour = v.time().hour(), t.tm_min = v.time().minute(), t.tm_sec = v.time().second(), t.tm_isdst = dst;
            return t;
        };
        const struct tm ta = make(a, 1), tb = make(b, 0);
        QCOMPARE(qint64(os_DiffDays(ta, tb)), days);
        QCOMPARE(qint64(os_DiffTimeOfDay(ta, tb)), timeOfDay);
        QCOMPARE(ta.tm_hour, a.time().hour()); // the caller's structures are left alone
    }
    // The whole 8-byte buffer afterwards; 'X' marks bytes that must stay untouched.
    void strlcpyAndCat_data()
    {
        QTest::addColumn<QByteArray>("initial");
        QTest::addColumn<bool>("cat");
        QTest::addColumn<int>("size");
        QTest::addColumn<QByteArray>("src");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray x8("XXXXXXXX");
        QTest::newRow("cpy size 0") << x8 << false << 0 << QByteArray("abc") << x8;
        QTest::newRow("cpy size 1") << x8 << false << 1 << QByteArray("abc") << QByteArray("\0XXXXXXX", 8);
        QTest::newRow("cpy size 3") << x8 << false << 3 << QByteArray("abc") << QByteArray("ab\0XXXXX", 8);
        QTest::newRow("cpy size 4") << x8 << false << 4 << QByteArray("abc") << QByteArray("abc\0XXXX", 8);
        QTest::newRow("cpy size 8") << x8 << false << 8 << QByteArray("abc") << QByteArray("abc\0XXXX", 8);
        QTest::newRow("cpy empty") << x8 << false << 8 << QByteArray("") << QByteArray("\0XXXXXXX", 8);
        QTest::newRow("cat fits") << QByteArray("ab\0XXXXX", 8) << true << 8 << QByteArray("cd")
                                  << QByteArray("abcd\0XXX", 8);
        QTest::newRow("cat cut") << QByteArray("ab\0XXXXX", 8) << true << 4 << QByteArray("cdef")
                                 << QByteArray("abc\0XXXX", 8);
        QTest::newRow("cat holds size - 1")
            << QByteArray("abc\0XXXX", 8) << true << 4 << QByteArray("d") << QByteArray("abc\0XXXX", 8);
        QTest::newRow("cat holds size - 2")
            << QByteArray("ab\0XXXXX", 8) << true << 4 << QByteArray("de") << QByteArray("abd\0XXXX", 8);
        QTest::newRow("cat size 1") << QByteArray("\0XXXXXXX", 8) << true << 1 << QByteArray("x")
                                    << QByteArray("\0XXXXXXX", 8);
        QTest::newRow("cat size 0") << QByteArray("\0XXXXXXX", 8) << true << 0 << QByteArray("x")
                                    << QByteArray("\0XXXXXXX", 8);
        QTest::newRow("cat no NUL within size")
            << QByteArray("abcdXXXX") << true << 4 << QByteArray("e") << QByteArray("abcdXXXX");
    }
    void strlcpyAndCat()
    {
        QFETCH(QByteArray, initial);
        QFETCH(bool, cat);
        QFETCH(int, size);
        QFETCH(QByteArray, src);
        QFETCH(QByteArray, expected);
        char dst[8];
        memcpy(dst, initial.constData(), sizeof dst);
        (cat ? os_strlcat : os_strlcpy)(dst, size_t(size), src.constData());
        QCOMPARE(QByteArray(dst, sizeof dst), expected);
    }
    // The host stand-ins: fixed task names, little-endian words; the thread that holds a lock
    // takes it again at once.
    void identitiesAndLocks()
    {
        QCOMPARE(QByteArray(os_TaskName()) + '|' + os_TaskName(7) + '|' + os_DbgId(),
                 QByteArray("Unknown|Unknown|os_DbgId Not Available!"));
        const u32 le = os_HostToLe32(0x11223344u);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&le), 4), QByteArray("\x44\x33\x22\x11"));
        QCOMPARE(os_Le32ToHost(le), 0x11223344u);
        os_Lock mutex = os_LockCreate(), rw = os_RWLockCreate();
        QCOMPARE(QVector<int>({mutex != 0, os_MutexLock(mutex, OS_WAIT_FOREVER), os_MutexLock(mutex, 0),
                               os_MutexUnlock(mutex), rw != 0, os_RWLockWrite(rw, OS_WAIT_FOREVER),
                               os_RWLockRead(rw, 10), os_RWLockUnlock(rw)}),
                 QVector<int>({1, 0, 0, 0, 1, 0, 0, 0}));
        {
            LockGuard whole(&rw), reader(&rw, LockGuard::read), writer(&rw, LockGuard::write, 0);
            QVERIFY(whole.is_held() && reader.is_held() && writer.is_held());
            writer.release();
            QVERIFY(!writer.is_held());
            writer.release();
            QVERIFY(!writer.is_held() && whole.is_held());
        }
        os_LockDelete(mutex), os_RWLockDelete(rw);
        QCOMPARE(OS_WAIT_FOREVER, 0xFFFFFFFFu);
    }
    // Another thread holds a lock after the steps in held (R read, W write, M mutex, - unlock);
    // this thread then tries it once with timeout 0.
    void locksExclude_data()
    {
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<char>("attempt");
        QTest::addColumn<int>("expected");
        QTest::newRow("nothing held, write") << QByteArray() << 'W' << 0;
        QTest::newRow("read, read") << QByteArray("R") << 'R' << 0;
        QTest::newRow("read, write") << QByteArray("R") << 'W' << 1010;
        QTest::newRow("write, read") << QByteArray("W") << 'R' << 1009;
        QTest::newRow("write, write") << QByteArray("W") << 'W' << 1010;
        QTest::newRow("mutex, mutex") << QByteArray("M") << 'M' << 1010;
        QTest::newRow("write twice, one unlock, read") << QByteArray("WW-") << 'R' << 1009;
        QTest::newRow("read twice, one unlock, write") << QByteArray("RR-") << 'W' << 1010;
        QTest::newRow("write then read, both unlocked, write") << QByteArray("WR--") << 'W' << 0;
        QTest::newRow("read then write on one thread, read") << QByteArray("RW") << 'R' << 1009;
        QTest::newRow("read then write, write unlocked, read") << QByteArray("RW-") << 'R' << 0;
        QTest::newRow("read then write, write unlocked, write") << QByteArray("RW-") << 'W' << 1010;
    }
    void locksExclude()
    {
        QFETCH(QByteArray, held);
        QFETCH(char, attempt);
        QFETCH(int, expected);
        const os_Lock lock = held.contains('M') || attempt == 'M' ? os_LockCreate() : os_RWLockCreate();
        QVERIFY(lock != 0);
        const auto take = [lock](char kind, u32 timeoutMs) {
            return kind == 'R' ? os_RWLockRead(lock, timeoutMs)
                : kind == 'W'  ? os_RWLockWrite(lock, timeoutMs)
                               : os_MutexLock(lock, timeoutMs);
        };
        std::promise<QVector<int>> taken;
        std::promise<void> done;
        std::thread holder([&] {
            QVector<int> results;
            int holds = 0;
            for (char step : held) {
                results << (step == '-' ? os_RWLockUnlock(lock) : take(step, 0));
                holds += step == '-' ? -1 : 1;
            }
            taken.set_value(results);
            done.get_future().wait();
            while (holds-- > 0)
                os_RWLockUnlock(lock);
        });
        QCOMPARE(taken.get_future().get(), QVector<int>(held.size(), 0));
        const int result = take(attempt, 0);
        done.set_value();
        holder.join();
        QCOMPARE(result, expected);
        if (result == 0)
            QCOMPARE(os_RWLockUnlock(lock), 0);
        // Everything given back: the lock is free for a writer.
        QCOMPARE(os_RWLockWrite(lock, 0), 0);
        QCOMPARE(os_RWLockUnlock(lock), 0);
        os_RWLockDelete(lock);
    }
    // Another thread holds a read lock; a third waits for the write lock, holding a read itself
    // when it upgrades. This thread, holding the reads in mine, then tries: a new reader stays
    // behind the waiting writer, a thread that holds a read passes it, and a second upgrade is
    // refused at once (both waiting without limit, each for the other's read, would never end).
    void locksWaitingWriter_data()
    {
        QTest::addColumn<int>("mine");
        QTest::addColumn<bool>("upgrade");
        QTest::addColumn<char>("attempt");
        QTest::addColumn<u32>("timeoutMs");
        QTest::addColumn<int>("expected");
        QTest::newRow("new reader") << 0 << false << 'R' << 0u << 1009;
        QTest::newRow("new reader, behind an upgrade") << 0 << true << 'R' << 0u << 1009;
        QTest::newRow("reader reads again") << 1 << false << 'R' << 0u << 0;
        QTest::newRow("reader reads again, past an upgrade") << 2 << true << 'R' << 0u << 0;
        QTest::newRow("second upgrade") << 1 << true << 'W' << OS_WAIT_FOREVER << 1010;
        QTest::newRow("second upgrade, two reads") << 2 << true << 'W' << OS_WAIT_FOREVER << 1010;
    }
    void locksWaitingWriter()
    {
        QFETCH(int, mine);
        QFETCH(bool, upgrade);
        QFETCH(char, attempt);
        QFETCH(u32, timeoutMs);
        QFETCH(int, expected);
        const os_Lock lock = os_RWLockCreate();
        std::promise<void> held, done;
        int holderRead = -1, mineTaken = 0;
        std::thread holder([&] {
            holderRead = os_RWLockRead(lock, 0);
            held.set_value();
            done.get_future().wait();
            os_RWLockUnlock(lock);
        });
        held.get_future().wait();
        for (int i = 0; i < mine; ++i)
            mineTaken += os_RWLockRead(lock, 0) == 0 ? 1 : 0;
        int writerRead = -1, written = -1;
        std::thread writer([&] {
            if (upgrade)
                writerRead = os_RWLockRead(lock, 0);
            written = os_RWLockWrite(lock, OS_WAIT_FOREVER);
            os_RWLockUnlock(lock);
            if (upgrade)
                os_RWLockUnlock(lock);
        });
        // The writer waits once a new reader is held back.
        std::thread([lock] {
            while (os_RWLockRead(lock, 0) == 0) {
                os_RWLockUnlock(lock);
                std::this_thread::yield();
            }
        }).join();
        const int result = attempt == 'R' ? os_RWLockRead(lock, timeoutMs) : os_RWLockWrite(lock, timeoutMs);
        int released = 0;
        for (int i = mine + (result == 0 ? 1 : 0); i > 0; --i)
            released += os_RWLockUnlock(lock) == 0 ? 1 : 0;
        done.set_value();
        holder.join();
        writer.join();
        QCOMPARE(result, expected);
        QCOMPARE(QVector<int>({holderRead, mineTaken, released}),
                 QVector<int>({0, mine, mine + (result == 0 ? 1 : 0)}));
        QCOMPARE(writerRead, upgrade ? 0 : -1);
        QCOMPARE(written, 0);
        QCOMPARE(os_RWLockWrite(lock, 0), 0);
        QCOMPARE(os_RWLockUnlock(lock), 0);
        os_RWLockDelete(lock);
    }
    // A thread reading a hundred locks at once, given back in the order taken: each excludes a
    // writer until its own unlock, and one unlock more gives back nothing.
    void locksManyHeld()
    {
        std::vector<os_Lock> locks(100);
        for (os_Lock& lock : locks)
            lock = os_RWLockCreate();
        QString results;
        for (int i = 0; i < 200; ++i)
            results += QString::number(os_RWLockRead(locks[size_t(i / 2)], 0));
        const auto writable = [&locks] {
            QString taken;
            std::thread([&] {
                for (os_Lock lock : locks)
                    if (os_RWLockWrite(lock, 0) == 0)
                        taken += '+', os_RWLockUnlock(lock);
                    else
                        taken += '-';
            }).join();
            return taken;
        };
        QCOMPARE(writable(), QString(100, '-'));
        for (os_Lock lock : locks)
            results += QString::number(os_RWLockUnlock(lock));
        QCOMPARE(writable(), QString(100, '-'));
        for (int i = 0; i < 200; ++i)
            results += QString::number(os_RWLockUnlock(locks[size_t(i / 2)]));
        QCOMPARE(results, QString(200, '0') + QString(100, '0') + QString("01000").repeated(100));
        QCOMPARE(writable(), QString(100, '+'));
        // A writer nesting a hundred holds, reads and writes in turn, gives them back in order.
        QCOMPARE(os_RWLockWrite(locks[0], 0), 0);
        for (int i = 0; i < 100; ++i)
            results += QString::number(i % 3 ? os_RWLockRead(locks[0], 0) : os_RWLockWrite(locks[0], 0));
        for (int i = 0; i < 100; ++i)
            results += QString::number(os_RWLockUnlock(locks[0]));
        QCOMPARE(writable(), '-' + QString(99, '+'));
        QCOMPARE(os_RWLockUnlock(locks[0]), 0);
        QCOMPARE(writable(), QString(100, '+'));
        QCOMPARE(results.mid(800), QString(200, '0'));
        for (os_Lock lock : locks)
            os_RWLockDelete(lock);
    }
    // A timed attempt gives up after its timeout; a waiting one is let in by the unlock. An
    // unlock by a thread that holds nothing releases nothing; handle 0 is no lock.
    void locksWait()
    {
        const os_Lock lock = os_RWLockCreate();
        QCOMPARE(os_RWLockWrite(lock, OS_WAIT_FOREVER), 0);
        int stranger = -1, timedRead = -1, timedWrite = -1, waited = -1;
        qint64 timedMs = 0;
        std::thread([&] {
            stranger = os_RWLockUnlock(lock);
            QElapsedTimer clock;
            clock.start();
            timedRead = os_RWLockRead(lock, 50);
            timedWrite = os_RWLockWrite(lock, 20);
            timedMs = clock.elapsed();
        }).join();
        QCOMPARE(stranger, 1000);
        QCOMPARE(timedRead, 1009);
        QCOMPARE(timedWrite, 1010);
        QVERIFY2(timedMs >= 70, qPrintable(QString::number(timedMs)));
        std::atomic<bool> entered{false};
        std::thread waiter([&] {
            waited = os_RWLockRead(lock, OS_WAIT_FOREVER);
            entered = true;
            os_RWLockUnlock(lock);
        });
        QTest::qWait(30);
        QVERIFY(!entered);
        QCOMPARE(os_RWLockUnlock(lock), 0);
        waiter.join();
        QCOMPARE(waited, 0);
        QCOMPARE(os_RWLockUnlock(lock), 1000);
        os_RWLockDelete(lock);
        QCOMPARE(QVector<int>({os_RWLockRead(0, 0), os_RWLockWrite(0, 0), os_MutexLock(0, 0), os_RWLockUnlock(0),
                               os_MutexUnlock(0)}),
                 QVector<int>(5, 1001));
    }
    // Another thread holds the lock (R read, W write) while sleepers ask for it (R or W) with a
    // timeout; then it lets go. Sleepers that outwait it all get in within a second of the
    // release, readers all at once; sleepers that time out first get the failure. Either way
    // the lock is free afterwards.
    void locksWake_data()
    {
        QTest::addColumn<char>("held");
        QTest::addColumn<char>("asked");
        QTest::addColumn<int>("sleepers");
        QTest::addColumn<u32>("timeoutMs");
        QTest::addColumn<int>("expected");
        for (int n = 1; n <= 3; ++n) {
            QTest::addRow("%d readers behind a writer", n) << 'W' << 'R' << n << 3000u << 0;
            QTest::addRow("%d writers behind a reader", n) << 'R' << 'W' << n << 3000u << 0;
            QTest::addRow("%d writers behind a writer", n) << 'W' << 'W' << n << 3000u << 0;
            QTest::addRow("%d readers time out", n) << 'W' << 'R' << n << 20u << 1009;
            QTest::addRow("%d writers time out behind a reader", n) << 'R' << 'W' << n << 20u << 1010;
        }
        QTest::newRow("2 writers time out behind a writer") << 'W' << 'W' << 2 << 20u << 1010;
    }
    void locksWake()
    {
        QFETCH(char, held);
        QFETCH(char, asked);
        QFETCH(int, sleepers);
        QFETCH(u32, timeoutMs);
        QFETCH(int, expected);
        using Clock = std::chrono::steady_clock;
        const os_Lock lock = os_RWLockCreate();
        const auto take = [lock](char kind, u32 ms) {
            return kind == 'R' ? os_RWLockRead(lock, ms) : os_RWLockWrite(lock, ms);
        };
        std::promise<int> taken;
        std::promise<void> letGo;
        std::thread holder([&] {
            taken.set_value(take(held, 0));
            letGo.get_future().wait();
            os_RWLockUnlock(lock);
        });
        QCOMPARE(taken.get_future().get(), 0);
        std::atomic<Clock::rep> released{Clock::time_point::max().time_since_epoch().count()};
        std::atomic<int> asking{0}, inside{0};
        std::vector<int> results(size_t(sleepers), -1), lateMs(size_t(sleepers), 0), together(size_t(sleepers), 0);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < size_t(sleepers); ++i)
            threads.emplace_back([&, i] {
                ++asking;
                results[i] = take(asked, timeoutMs);
                if (results[i] != 0)
                    return;
                const Clock::time_point since{Clock::duration(released.load())};
                lateMs[i] = int(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
                ++inside;
                // Readers share the lock: each stays until all are in, for a second at most.
                while (asked == 'R' && inside < sleepers && Clock::now() - since < std::chrono::seconds(1))
                    std::this_thread::yield();
                together[i] = inside;
                os_RWLockUnlock(lock);
            });
        while (asking < sleepers)
            std::this_thread::yield();
        if (expected != 0)
            for (std::thread& t : threads)
                t.join();
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the sleepers are asleep
        released = Clock::now().time_since_epoch().count();
        letGo.set_value();
        holder.join();
        if (expected == 0)
            for (std::thread& t : threads)
                t.join();
        const auto list = [](const std::vector<int>& v) { return QVector<int>(v.begin(), v.end()); };
        QCOMPARE(list(results), QVector<int>(sleepers, expected));
        for (int ms : lateMs)
            QVERIFY2(ms < 1000, qPrintable(QString::number(ms)));
        if (asked == 'R' && expected == 0)
            QCOMPARE(list(together), QVector<int>(sleepers, sleepers));
        QCOMPARE(QVector<int>(
                     {os_RWLockRead(lock, 0), os_RWLockUnlock(lock), os_RWLockWrite(lock, 0), os_RWLockUnlock(lock)}),
                 QVector<int>(4, 0));
        os_RWLockDelete(lock);
    }
    // Readers that come one after another, each taking its read before the one before lets go,
    // never leave the lock free; a writer that waits holds the next one back and gets in within
    // a second.
    void locksWriterAmongReaders()
    {
        const os_Lock lock = os_RWLockCreate();
        std::atomic<int> turn{0};
        std::atomic<bool> over{false};
        const auto relay = [&](int first) {
            bool holding = false;
            for (int t = first;; t += 2) {
                while (turn != t && !over)
                    std::this_thread::yield();
                if (holding)
                    os_RWLockUnlock(lock); // the other relay thread reads meanwhile
                holding = !over && os_RWLockRead(lock, 0) == 0;
                if (!holding) {
                    over = true;
                    return;
                }
                turn = t + 1;
            }
        };
        std::thread a(relay, 0), b(relay, 1);
        while (turn < 4)
            std::this_thread::yield();
        QElapsedTimer clock;
        clock.start();
        const int written = os_RWLockWrite(lock, 2000);
        const qint64 waitedMs = clock.elapsed();
        const int passed = turn;
        over = true;
        if (written == 0)
            os_RWLockUnlock(lock);
        a.join();
        b.join();
        QCOMPARE(written, 0);
        QVERIFY2(waitedMs < 1000, qPrintable(QString("%1 ms, %2 readers").arg(waitedMs).arg(passed)));
        os_RWLockDelete(lock);
    }
    // Two threads counting under a mutex and under a write lock lose no step.
    void locksCount_data()
    {
        QTest::addColumn<bool>("mutex");
        QTest::newRow("mutex") << true;
        QTest::newRow("write lock") << false;
    }
    void locksCount()
    {
        QFETCH(bool, mutex);
        os_Lock lock = mutex ? os_LockCreate() : os_RWLockCreate();
        long counter = 0;
        const auto count = [&] {
            for (int i = 0; i < 100000; ++i) {
                if (mutex) {
                    LockGuard guard(&lock);
                    ++counter;
                } else {
                    LockGuard guard(&lock, LockGuard::write);
                    ++counter;
                }
            }
        };
        std::thread other(count);
        count();
        other.join();
        QCOMPARE(counter, 200000L);
        os_LockDelete(lock);
    }
    // Logged once with the stack, then an abort; the formatted text is cut at 63 characters.
    void fatal_data()
    {
        QTest::addColumn<QString>("message");
        QTest::newRow("block") << "block == nullptr";
        QTest::newRow("cut at 63") << "Invalid id (300) for datatype 70 0123456789abcdefghijklmnopqrst";
        QTest::newRow("out of memory") << "Out of Memory";
    }
    void fatal()
    {
        QFETCH(QString, message);
        const libtest::ChildRun child = libtest::run_fatal_child(QTest::currentDataTag());
        QVERIFY(child.finished && child.status == QProcess::CrashExit && child.code == SIGABRT);
        const QString out = QString::fromLatin1(child.output), line = "src/Lib/OS/os/os_Fatal:128 E[" + message + "]\n";
        const QString before = out.section(line, 0, 0), stack = out.section(line, 1);
        QVERIFY2(out.count(line) == 1 && before.contains(QRegularExpression("\\[[\\d:.]{12}\\] $")), qPrintable(out));
        QVERIFY2(stack.startsWith("Stack trace (most recent call last):\n") && stack.contains(", in os_Fatal\n")
                     && stack.contains(", in fatal_child"),
                 qPrintable(out));
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], libtest::kFatalChildArg) == 0)
        fatal_child(argv[2]);
    QCoreApplication app(argc, argv);
    tst_Os test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_os.moc"
