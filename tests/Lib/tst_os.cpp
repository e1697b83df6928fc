#include "OS/os.h"
#include "ZpData/bytes.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include "FatalChild.h"

#include <QtTest>

#include <csignal>
#include <cstring>

// The fatal path aborts the process, so it is run in a child: this same binary started with
// "--fatal-child <case>".

[[noreturn]] __attribute__((noinline)) static void fatal_child(const char* which)
{
    if (strcmp(which, "block") == 0)
        os_FatalPrintf("block == nullptr\n");
    if (strcmp(which, "invalid-id") == 0)
        os_FatalPrintf("Invalid id (%d) for datatype %d\n", 300, 70);
    if (strcmp(which, "long") == 0)
        os_FatalPrintf("%s", "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!@#$%^&*()");
    os_Fatal("Out of Memory");
}

class TstOs : public QObject
{
    Q_OBJECT

private slots:
    void tickElapsed_data();
    void tickElapsed();
    void tickArithmetic();
    void tickFollowsWallClock();
    void delayWaitsLongerThanAsked();
    void dates_leapYear_data();
    void dates_leapYear();
    void dates_dayOfWeek_data();
    void dates_dayOfWeek();
    void dates_gmtime_data();
    void dates_gmtime();
    void dates_gmtimeFailure();
    void dates_diffDays_data();
    void dates_diffDays();
    void dates_diffTimeOfDay();
    void strlcpy_data();
    void strlcpy();
    void strlcat_data();
    void strlcat();
    void files();
    void fileWriter();
    void identities();
    void byteOrder();
    void locks();
    void lockGuard();
    void fifoOfThree();
    void fifoWrapsAround();
    void fifoTimeouts();
    void fifoNullAndBadSizes();
    void fatal_data();
    void fatal();
};

// Calls os_TickElapsed(now - back, ms) with a tick that did not move during the call, so the
// elapsed time is exactly back.
static bool elapsed_exactly(u32 back, u32 ms)
{
    for (;;) {
        const u32 before = os_GetTickMs();
        const bool result = os_TickElapsed(before - back, ms);
        if (os_GetTickMs() == before)
            return result;
    }
}

void TstOs::tickElapsed_data()
{
    QTest::addColumn<uint>("back");
    QTest::addColumn<uint>("ms");
    QTest::addColumn<bool>("expected");
    QTest::newRow("1000 of 1000") << 1000u << 1000u << false;
    QTest::newRow("1001 of 1000") << 1001u << 1000u << true;
    QTest::newRow("999 of 1000") << 999u << 1000u << false;
    QTest::newRow("0 of 0") << 0u << 0u << false;
    QTest::newRow("1 of 0") << 1u << 0u << true;
}

void TstOs::tickElapsed()
{
    QFETCH(uint, back);
    QFETCH(uint, ms);
    QFETCH(bool, expected);
    QCOMPARE(elapsed_exactly(back, ms), expected);
}

void TstOs::tickArithmetic()
{
    QCOMPARE(os_TickDiff(5, 0xFFFFFFFBu), 10u);
    QCOMPARE(os_TickDiff(0, 1), 0xFFFFFFFFu);
    QCOMPARE(os_TickDiff(1000, 1000), 0u);
    u32 t = 0xFFFFFFFFu;
    os_TickAdd(&t, 2);
    QCOMPARE(t, 1u);
    os_TickSub(&t, 3);
    QCOMPARE(t, 0xFFFFFFFEu);
    QVERIFY(os_TickSince(os_GetTickMs() - 5000u) >= 5000u);
}

void TstOs::tickFollowsWallClock()
{
    u32 stored = 0;
    const u32 returned = os_GetTick(&stored);
    QCOMPARE(stored, returned);

    const u32 wallMs = u32(quint64(QDateTime::currentMSecsSinceEpoch()));
    QVERIFY2(os_TickDiff(os_GetTickMs(), wallMs) < 2000u, "tick is not the wall clock in ms");
    const u32 wallUs = u32(quint64(QDateTime::currentMSecsSinceEpoch()) * 1000u);
    QVERIFY2(os_TickDiff(os_GetTickUs(), wallUs) < 2000000u, "tick is not the wall clock in us");
}

void TstOs::delayWaitsLongerThanAsked()
{
    const u32 start = os_GetTickMs();
    os_Delay(3);
    QVERIFY(os_TickSince(start) > 3u);
    os_Sleep(1000); // nothing on the PC: returns at once
}

void TstOs::dates_leapYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("leap");
    QTest::newRow("1900") << 1900 << false;
    QTest::newRow("2000") << 2000 << true;
    QTest::newRow("2023") << 2023 << false;
    QTest::newRow("2024") << 2024 << true;
    QTest::newRow("2100") << 2100 << false;
    QTest::newRow("2400") << 2400 << true;
}

void TstOs::dates_leapYear()
{
    QFETCH(int, year);
    QFETCH(bool, leap);
    QCOMPARE(os_IsLeapYear(u16(year)), leap);
}

void TstOs::dates_dayOfWeek_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("weekday");
    QTest::newRow("Sat 2000-01-01") << 1 << 1 << 2000 << 6;
    QTest::newRow("Thu 2024-02-29") << 29 << 2 << 2024 << 4;
    QTest::newRow("Fri 2024-03-01") << 1 << 3 << 2024 << 5;
    QTest::newRow("Mon 1900-01-01") << 1 << 1 << 1900 << 1;
    QTest::newRow("Fri 1999-12-31") << 31 << 12 << 1999 << 5;
    QTest::newRow("Thu 1776-07-04") << 4 << 7 << 1776 << 4;
    QTest::newRow("Mon 2100-03-01") << 1 << 3 << 2100 << 1;
    QTest::newRow("Mon 2023-12-25") << 25 << 12 << 2023 << 1;
    QTest::newRow("Sun 2023-12-31") << 31 << 12 << 2023 << 0;
    QTest::newRow("month 0") << 1 << 0 << 2024 << -1;
    QTest::newRow("month 13") << 1 << 13 << 2024 << -1;
    QTest::newRow("day 0") << 0 << 5 << 2024 << -1;
    QTest::newRow("day 32") << 32 << 5 << 2024 << -1;
    QTest::newRow("year 0") << 1 << 1 << 0 << -1;
}

void TstOs::dates_dayOfWeek()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, weekday);
    QCOMPARE(os_DayOfWeek(day, month, year), weekday);
}

void TstOs::dates_gmtime_data()
{
    QTest::addColumn<qint64>("t");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<int>("second");
    QTest::newRow("epoch") << qint64(0) << 1970 << 1 << 1 << 0 << 0 << 0;
    QTest::newRow("leap day") << qint64(951827696) << 2000 << 2 << 29 << 12 << 34 << 56;
    QTest::newRow("past 32 bits") << qint64(2147483648) << 2038 << 1 << 19 << 3 << 14 << 8;
    QTest::newRow("before epoch") << qint64(-1) << 1969 << 12 << 31 << 23 << 59 << 59;
}

void TstOs::dates_gmtime()
{
    QFETCH(qint64, t);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(int, second);
    const time64 value = t;
    struct tm out;
    memset(&out, 0xAA, sizeof out);
    QCOMPARE(os_gmtime(&value, &out), &out);
    QCOMPARE(out.tm_year + 1900, year);
    QCOMPARE(out.tm_mon + 1, month);
    QCOMPARE(out.tm_mday, day);
    QCOMPARE(out.tm_hour, hour);
    QCOMPARE(out.tm_min, minute);
    QCOMPARE(out.tm_sec, second);
}

void TstOs::dates_gmtimeFailure()
{
    struct tm out;
    const time64 huge = INT64_MAX;
    QCOMPARE(os_gmtime(&huge, &out), static_cast<struct tm*>(nullptr));
    QCOMPARE(os_gmtime(nullptr, &out), static_cast<struct tm*>(nullptr));
}

static struct tm make_tm(int year, int month, int day, int hour, int minute, int second, int dst)
{
    struct tm t;
    memset(&t, 0, sizeof t);
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    t.tm_isdst = dst;
    return t;
}

void TstOs::dates_diffDays_data()
{
    QTest::addColumn<QVector<int>>("a");
    QTest::addColumn<QVector<int>>("b");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("same day") << QVector<int>{2024, 5, 10, 23, 59, 59} << QVector<int>{2024, 5, 10, 0, 0, 1}
                              << qint64(0);
    QTest::newRow("over leap day") << QVector<int>{2024, 3, 1, 0, 0, 1} << QVector<int>{2024, 2, 28, 23, 59, 59}
                                   << qint64(2 * 86400);
    QTest::newRow("backwards") << QVector<int>{2023, 2, 28, 12, 0, 0} << QVector<int>{2023, 3, 1, 12, 0, 0}
                               << qint64(-86400);
    QTest::newRow("new year") << QVector<int>{2025, 1, 1, 0, 30, 0} << QVector<int>{2024, 12, 31, 23, 30, 0}
                              << qint64(86400);
    QTest::newRow("over spring change") << QVector<int>{2024, 4, 1, 12, 0, 0} << QVector<int>{2024, 3, 1, 12, 0, 0}
                                        << qint64(31 * 86400);
}

void TstOs::dates_diffDays()
{
    QFETCH(QVector<int>, a);
    QFETCH(QVector<int>, b);
    QFETCH(qint64, seconds);
    // The daylight flags differ on purpose: they must not move either day.
    const struct tm ta = make_tm(a[0], a[1], a[2], a[3], a[4], a[5], 1);
    const struct tm tb = make_tm(b[0], b[1], b[2], b[3], b[4], b[5], 0);
    QCOMPARE(qint64(os_DiffDays(ta, tb)), seconds);
    QCOMPARE(ta.tm_hour, a[3]); // the caller's structures are left alone
}

void TstOs::dates_diffTimeOfDay()
{
    const struct tm a = make_tm(2024, 5, 1, 10, 30, 15, 1);
    const struct tm b = make_tm(1999, 12, 31, 8, 0, 0, 0);
    QCOMPARE(qint64(os_DiffTimeOfDay(a, b)), qint64(2 * 3600 + 30 * 60 + 15));
    QCOMPARE(qint64(os_DiffTimeOfDay(b, a)), qint64(-(2 * 3600 + 30 * 60 + 15)));
    const struct tm c = make_tm(2030, 7, 15, 10, 30, 15, 0);
    QCOMPARE(qint64(os_DiffTimeOfDay(a, c)), qint64(0));
}

void TstOs::strlcpy_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("src");
    QTest::addColumn<QByteArray>("expected"); // the whole 8-byte buffer afterwards
    QTest::newRow("size 0") << 0 << QByteArray("abc") << QByteArray("XXXXXXXX");
    QTest::newRow("size 1") << 1 << QByteArray("abc") << QByteArray("\0XXXXXXX", 8);
    QTest::newRow("size 3") << 3 << QByteArray("abc") << QByteArray("ab\0XXXXX", 8);
    QTest::newRow("size 4") << 4 << QByteArray("abc") << QByteArray("abc\0XXXX", 8);
    QTest::newRow("size 8") << 8 << QByteArray("abc") << QByteArray("abc\0XXXX", 8);
    QTest::newRow("empty src") << 8 << QByteArray("") << QByteArray("\0XXXXXXX", 8);
}

void TstOs::strlcpy()
{
    QFETCH(int, size);
    QFETCH(QByteArray, src);
    QFETCH(QByteArray, expected);
    char dst[8];
    memset(dst, 'X', sizeof dst);
    os_strlcpy(dst, size_t(size), src.constData());
    QCOMPARE(QByteArray(dst, sizeof dst), expected);
}

void TstOs::strlcat_data()
{
    QTest::addColumn<QByteArray>("initial"); // the whole 8-byte buffer before
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("src");
    QTest::addColumn<QByteArray>("expected"); // the whole 8-byte buffer afterwards
    QTest::newRow("fits") << QByteArray("ab\0XXXXX", 8) << 8 << QByteArray("cd") << QByteArray("abcd\0XXX", 8);
    QTest::newRow("cut") << QByteArray("ab\0XXXXX", 8) << 4 << QByteArray("cdef") << QByteArray("abc\0XXXX", 8);
    QTest::newRow("holds size - 1") << QByteArray("abc\0XXXX", 8) << 4 << QByteArray("d")
                                    << QByteArray("abc\0XXXX", 8);
    QTest::newRow("holds size - 2") << QByteArray("ab\0XXXXX", 8) << 4 << QByteArray("de")
                                    << QByteArray("abd\0XXXX", 8);
    QTest::newRow("size 1 empty") << QByteArray("\0XXXXXXX", 8) << 1 << QByteArray("x")
                                  << QByteArray("\0XXXXXXX", 8);
    QTest::newRow("size 0") << QByteArray("\0XXXXXXX", 8) << 0 << QByteArray("x") << QByteArray("\0XXXXXXX", 8);
    QTest::newRow("no NUL within size") << QByteArray("abcdXXXX") << 4 << QByteArray("e") << QByteArray("abcdXXXX");
}

void TstOs::strlcat()
{
    QFETCH(QByteArray, initial);
    QFETCH(int, size);
    QFETCH(QByteArray, src);
    QFETCH(QByteArray, expected);
    char dst[8];
    memcpy(dst, initial.constData(), sizeof dst);
    os_strlcat(dst, size_t(size), src.constData());
    QCOMPARE(QByteArray(dst, sizeof dst), expected);
}

void TstOs::files()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray path = dir.filePath("data.bin").toLocal8Bit();
    QCOMPARE(os_FileExists(path.constData()), false);

    FILE* f = fopen(path.constData(), "w+b");
    QVERIFY(f);
    const QByteArray content(1234, 'z');
    QCOMPARE(fwrite(content.constData(), 1, size_t(content.size()), f), size_t(1234));
    QCOMPARE(fseek(f, 100, SEEK_SET), 0);
    QCOMPARE(os_FileSize(f), s64(1234));
    QCOMPARE(ftell(f), 100L);
    fclose(f);

    QCOMPARE(os_FileExists(path.constData()), true);
    QCOMPARE(os_FileExists(dir.path().toLocal8Bit().constData()), true);
    QCOMPARE(os_FileSize(nullptr), s64(-1));
}

void TstOs::fileWriter()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("ModbusMap.csv");

    FileWriter writer;
    QCOMPARE(writer.printf("nothing open\n"), -1);
    QCOMPARE(writer.open(path.toLocal8Bit().constData(), "w"), int(ZP_OK));
    QCOMPARE(writer.is_open(), true);
    QCOMPARE(writer.printf("%s;%d;%s\n", "Zone5", 105, "x"), 12);
    QCOMPARE(writer.close(), int(ZP_OK));
    QCOMPARE(writer.is_open(), false);
    QCOMPARE(writer.printf("closed\n"), -1);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Zone5;105;x\n"));

    const QString missing = dir.filePath("no/such/folder/map.csv");
    QCOMPARE(writer.open(missing.toLocal8Bit().constData(), "w"), int(ZP_ERR_GENERIC));
    QCOMPARE(writer.is_open(), false);
}

void TstOs::identities()
{
    QCOMPARE(QByteArray(os_TaskName()), QByteArray("Unknown"));
    QCOMPARE(QByteArray(os_TaskName(7)), QByteArray("Unknown"));
    QCOMPARE(QByteArray(os_DbgId()), QByteArray("os_DbgId Not Available!"));
    os_Init();
    os_Init(); // a second start is harmless
}

void TstOs::byteOrder()
{
    const u32 le = os_HostToLe32(0x11223344u);
    u8 bytes[4];
    memcpy(bytes, &le, sizeof bytes);
    QCOMPARE(bytes[0], u8(0x44));
    QCOMPARE(bytes[1], u8(0x33));
    QCOMPARE(bytes[2], u8(0x22));
    QCOMPARE(bytes[3], u8(0x11));
    QCOMPARE(os_Le32ToHost(le), 0x11223344u);
}

void TstOs::locks()
{
    const os_Lock mutex = os_LockCreate();
    QCOMPARE(mutex, 0);
    QCOMPARE(os_MutexLock(mutex, OS_WAIT_FOREVER), 0);
    QCOMPARE(os_MutexLock(mutex, 0), 0); // no real lock: a second take succeeds too
    QCOMPARE(os_MutexUnlock(mutex), 0);
    os_LockDelete(mutex);

    const os_Lock rw = os_RWLockCreate();
    QCOMPARE(rw, 0);
    QCOMPARE(os_RWLockWrite(rw, OS_WAIT_FOREVER), 0);
    QCOMPARE(os_RWLockRead(rw, 10), 0);
    QCOMPARE(os_RWLockUnlock(rw), 0);
    os_RWLockDelete(rw);
    os_EnterCritical();
    os_ExitCritical();
    QCOMPARE(OS_WAIT_FOREVER, 0xFFFFFFFFu);
}

void TstOs::lockGuard()
{
    os_Lock handle = os_RWLockCreate();
    {
        LockGuard mutex(&handle);
        QCOMPARE(mutex.is_held(), true);
        LockGuard reader(&handle, LockGuard::read);
        QCOMPARE(reader.is_held(), true);
        LockGuard writer(&handle, LockGuard::write, 0);
        QCOMPARE(writer.is_held(), true);
        writer.release();
        QCOMPARE(writer.is_held(), false);
        writer.release();
        QCOMPARE(writer.is_held(), false);
    }
    os_RWLockDelete(handle);
}

static u32 put(os_Fifo* fifo, u32 value, u32 timeoutMs = 0)
{
    u8 item[4];
    put_le32(item, value);
    return u32(os_FifoPut(fifo, item, timeoutMs));
}

static u32 value_of(const u8* item)
{
    return get_le32(item);
}

void TstOs::fifoOfThree()
{
    os_Fifo* fifo = os_FifoCreate(3, 4);
    QVERIFY(fifo);
    QCOMPARE(os_FifoIsEmpty(fifo), true);
    QCOMPARE(os_FifoCount(fifo), 0u);
    QCOMPARE(put(fifo, 11), 0u);
    QCOMPARE(put(fifo, 22), 0u);
    QCOMPARE(os_FifoIsFull(fifo), false);
    QCOMPARE(put(fifo, 33), 0u);
    QCOMPARE(os_FifoIsFull(fifo), true);
    QCOMPARE(os_FifoIsEmpty(fifo), false);
    QCOMPARE(put(fifo, 44), 1010u);
    QCOMPARE(os_FifoCount(fifo), 3u);

    u8 item[4] = {};
    QCOMPARE(os_FifoPeek(fifo, item, 0), 0);
    QCOMPARE(value_of(item), 11u);
    QCOMPARE(os_FifoCount(fifo), 3u);
    QCOMPARE(os_FifoGet(fifo, item, 0), 0);
    QCOMPARE(value_of(item), 11u);
    QCOMPARE(os_FifoIsFull(fifo), false);
    QCOMPARE(os_FifoCount(fifo), 2u);

    QCOMPARE(os_FifoClear(fifo), 0);
    QCOMPARE(os_FifoCount(fifo), 0u);
    QCOMPARE(os_FifoIsEmpty(fifo), true);
    QCOMPARE(os_FifoGet(fifo, item, 0), 1009);
    QCOMPARE(os_FifoPeek(fifo, item, 0), 1009);
    os_FifoDelete(fifo);
}

void TstOs::fifoWrapsAround()
{
    os_Fifo* fifo = os_FifoCreate(3, 4);
    QVERIFY(fifo);
    u8 item[4] = {};
    u32 next = 1;
    // Many rounds through the 3 slots keep first-in first-out order and the count.
    for (u32 round = 0; round < 10; ++round) {
        QCOMPARE(put(fifo, next), 0u);
        QCOMPARE(put(fifo, next + 1), 0u);
        QCOMPARE(os_FifoCount(fifo), 2u);
        QCOMPARE(os_FifoGet(fifo, item, 0), 0);
        QCOMPARE(value_of(item), next);
        QCOMPARE(os_FifoGet(fifo, nullptr, 0), 0); // dropped without a copy
        QCOMPARE(os_FifoCount(fifo), 0u);
        next += 2;
    }
    QCOMPARE(put(fifo, 7), 0u);
    QCOMPARE(put(fifo, 8), 0u);
    QCOMPARE(put(fifo, 9), 0u);
    QCOMPARE(os_FifoCount(fifo), 3u);
    for (u32 expected = 7; expected <= 9; ++expected) {
        QCOMPARE(os_FifoGet(fifo, item, 0), 0);
        QCOMPARE(value_of(item), expected);
    }
    QCOMPARE(os_FifoIsEmpty(fifo), true);
    os_FifoDelete(fifo);
}

void TstOs::fifoTimeouts()
{
    os_Fifo* fifo = os_FifoCreate(1, 4);
    QVERIFY(fifo);
    u8 item[4] = {};
    // A short timeout waits, then gives up with the same codes as timeout 0.
    QCOMPARE(os_FifoGet(fifo, item, 2), 1009);
    QCOMPARE(os_FifoPeek(fifo, item, 2), 1009);
    QCOMPARE(put(fifo, 5, 2), 0u);
    QCOMPARE(put(fifo, 6, 2), 1010u);
    // Nothing to wait for: the forever timeout returns at once.
    QCOMPARE(os_FifoPeek(fifo, item, OS_WAIT_FOREVER), 0);
    QCOMPARE(value_of(item), 5u);
    QCOMPARE(os_FifoGet(fifo, item, OS_WAIT_FOREVER), 0);
    QCOMPARE(put(fifo, 6, OS_WAIT_FOREVER), 0u);
    os_FifoDelete(fifo);
}

void TstOs::fifoNullAndBadSizes()
{
    u8 item[4] = {};
    QCOMPARE(os_FifoPut(nullptr, item, 0), 1001);
    QCOMPARE(os_FifoGet(nullptr, item, 0), 1001);
    QCOMPARE(os_FifoPeek(nullptr, item, 0), 1001);
    QCOMPARE(os_FifoClear(nullptr), 1001);
    QCOMPARE(os_FifoCount(nullptr), 0u);
    QCOMPARE(os_FifoIsFull(nullptr), false);
    os_FifoDelete(nullptr);
    // A FIFO without slots or with empty elements has no sound behaviour; it is refused.
    QCOMPARE(os_FifoCreate(0, 4), static_cast<os_Fifo*>(nullptr));
    QCOMPARE(os_FifoCreate(3, 0), static_cast<os_Fifo*>(nullptr));
}

void TstOs::fatal_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QByteArray>("line"); // after the time prefix
    QTest::newRow("block") << "block" << QByteArray("src/Lib/OS/os/os_Fatal:128 E[block == nullptr]\n");
    QTest::newRow("invalid id") << "invalid-id"
                                << QByteArray("src/Lib/OS/os/os_Fatal:128 E[Invalid id (300) for datatype 70]\n");
    QTest::newRow("cut at 63") << "long"
                               << QByteArray("src/Lib/OS/os/os_Fatal:128 "
                                             "E[0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!]\n");
    QTest::newRow("out of memory") << "oom" << QByteArray("src/Lib/OS/os/os_Fatal:128 E[Out of Memory]\n");
}

void TstOs::fatal()
{
    QFETCH(QString, which);
    QFETCH(QByteArray, line);

    const libtest::ChildRun child = libtest::run_fatal_child(which);
    QVERIFY(child.finished);
    const QByteArray out = child.output;

    QCOMPARE(child.status, QProcess::CrashExit);
    QCOMPARE(child.code, int(SIGABRT));
    const QRegularExpression prefixed("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\] " +
                                          QRegularExpression::escape(QString::fromLatin1(line)),
                                      QRegularExpression::MultilineOption);
    QVERIFY2(prefixed.match(QString::fromLatin1(out)).hasMatch(), out.constData());
    QCOMPARE(out.count(line), 1); // written once, not repeated

    const int header = out.indexOf("Stack trace (most recent call last):\n");
    QVERIFY2(header > out.indexOf(line), out.constData());
    const QByteArray trace = out.mid(header);
    QVERIFY2(trace.contains("os_Fatal"), out.constData());
    QVERIFY2(trace.contains("fatal_child"), out.constData());
}

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], libtest::kFatalChildArg) == 0)
        fatal_child(argv[2]);
    QCoreApplication app(argc, argv);
    TstOs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_os.moc"
