#include "OS/TraceLog.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

// "[hh:mm:ss.mmm] ": 15 characters.
static const char kPrefix[] = "\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\] ";
static const int kPrefixLength = 15;

// A static object of this unit logging at start-up, before main.
static const int s_loggedAtStart = log_printf(1, "avvio\n");

static QByteArray read_file(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

// True when text is, in full, the lines of pattern with the prefix pattern at each "P".
static bool matches(const QByteArray& text, const QString& pattern)
{
    QString re = QRegularExpression::escape(pattern);
    re.replace("P", kPrefix);
    return QRegularExpression("\\A" + re + "\\z").match(QString::fromLatin1(text)).hasMatch();
}

// Sends standard output to a file while it lives.
class StdoutCapture
{
public:
    explicit StdoutCapture(const QString& path)
    {
        fflush(stdout);
        m_saved = dup(STDOUT_FILENO);
        m_path = path;
        FILE* f = fopen(path.toLocal8Bit().constData(), "w");
        if (!f)
            return; // nothing captured: the comparisons fail
        dup2(fileno(f), STDOUT_FILENO);
        fclose(f);
    }
    ~StdoutCapture() { stop(); }
    QByteArray stop()
    {
        if (m_saved >= 0) {
            fflush(stdout);
            dup2(m_saved, STDOUT_FILENO);
            close(m_saved);
            m_saved = -1;
        }
        return read_file(m_path);
    }

private:
    int m_saved = -1;
    QString m_path;
};

class TstTraceLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startState();
    void channels_data();
    void channels();
    void channelSwitching();
    void prefixOncePerLine();
    void prefixAfterNewlineAnywhere();
    void prefixIsUtcNow();
    void timestampOff();
    void routing_data();
    void routing();
    void openFile();
    void closeAndFlush();
    void printfCut_data();
    void printfCut();
    void logPrintf();
    void location_data();
    void location();
    void locationMidLine();
    void error_data();
    void error();
    void errorLineCut();
    void errorTraceDepth();
    void errorCode();
    void listChannels();
    void rotation_data();
    void rotation();
    void loggerBuiltBeforeStaticObjects();

private:
    QTemporaryDir m_dir;
    QString m_path;      // file of the TraceLog under test
    QString m_globalLog; // file of g_logger
};

void TstTraceLog::init()
{
    QVERIFY(m_dir.isValid());
    m_path = m_dir.filePath(QString("trace-%1.log").arg(QTest::currentTestFunction()));
    QFile::remove(m_path);
    QFile::remove(m_path + ".0");
    m_globalLog = m_dir.filePath("global.log");
    QFile::remove(m_globalLog);
    QCOMPARE(g_logger().open_file(m_globalLog.toStdString(), true), 0);
    g_logger().set_console(false);
    g_logger().set_timestamp(true);
}

void TstTraceLog::cleanup()
{
    g_logger().close_file();
    QCOMPARE(g_logger().open_file("", false), 1000);
    g_logger().set_console(true);
    g_logger().set_timestamp(true);
    for (int channel = 0; channel < TraceLog::CHANNEL_COUNT; ++channel)
        g_logger().disable_channel(channel);
}

void TstTraceLog::startState()
{
    TraceLog log;
    QCOMPARE(log.is_enabled(0), false);
    QCOMPARE(log.is_enabled(1), true);
    for (int channel = 2; channel <= 67; ++channel)
        QCOMPARE(log.is_enabled(channel), false);
    QCOMPARE(log.at_line_start(), true);

    // Console on, no file: a write reaches standard output only, with a prefix.
    StdoutCapture capture(m_dir.filePath("stdout.txt"));
    QCOMPARE(log.print(1, "x\n"), kPrefixLength + 2);
    QVERIFY(matches(capture.stop(), "Px\n"));
}

void TstTraceLog::channels_data()
{
    QTest::addColumn<int>("channel");
    QTest::addColumn<bool>("switchOn");
    QTest::addColumn<bool>("written");
    QTest::newRow("0 on") << 0 << true << false;
    QTest::newRow("1 off") << 1 << false << true;
    QTest::newRow("1 on") << 1 << true << true;
    QTest::newRow("2 off") << 2 << false << false;
    QTest::newRow("2 on") << 2 << true << true;
    QTest::newRow("5 off") << 5 << false << false;
    QTest::newRow("5 on") << 5 << true << true;
    QTest::newRow("17 on") << 17 << true << true;
    QTest::newRow("67 on") << 67 << true << true;
    QTest::newRow("68 on") << 68 << true << false;
    QTest::newRow("-1 on") << -1 << true << false;
}

void TstTraceLog::channels()
{
    QFETCH(int, channel);
    QFETCH(bool, switchOn);
    QFETCH(bool, written);
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    log.set_channel(channel, switchOn);
    QCOMPARE(log.is_enabled(channel), written);
    QCOMPARE(log.print(channel, "hello\n"), written ? kPrefixLength + 6 : 0);
    QCOMPARE(log.printf(channel, "%s %d\n", "n", 42), written ? kPrefixLength + 5 : 0);
    log.close_file();
    const QByteArray text = read_file(m_path);
    QVERIFY2(written ? matches(text, "Phello\nPn 42\n") : text.isEmpty(), text.constData());
}

void TstTraceLog::channelSwitching()
{
    TraceLog log;
    log.enable_channel(5);
    log.enable_channel(6);
    QCOMPARE(log.is_enabled(5), true);
    log.disable_channel(5);
    QCOMPARE(log.is_enabled(5), false);
    QCOMPARE(log.is_enabled(6), true);
    log.disable_channel(1);
    QCOMPARE(log.is_enabled(1), true);
    log.disable_channel(68); // out of range: ignored
    QCOMPARE(log.is_enabled(6), true);
}

void TstTraceLog::prefixOncePerLine()
{
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    QCOMPARE(log.print(1, "a"), kPrefixLength + 1);
    QCOMPARE(log.at_line_start(), false);
    QCOMPARE(log.print(1, "b\n"), 2);
    QCOMPARE(log.at_line_start(), true);
    QCOMPARE(log.print(1, "c\n"), kPrefixLength + 2);
    log.close_file();
    const QByteArray text = read_file(m_path);
    QVERIFY2(matches(text, "Pab\nPc\n"), text.constData());
}

void TstTraceLog::prefixAfterNewlineAnywhere()
{
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    log.print(1, "x\ny");
    QCOMPARE(log.print(1, "z"), kPrefixLength + 1);
    log.close_file();
    const QByteArray text = read_file(m_path);
    QVERIFY2(matches(text, "Px\nyPz"), text.constData());
}

void TstTraceLog::prefixIsUtcNow()
{
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    const QTime before = QDateTime::currentDateTimeUtc().time();
    log.print(1, "t\n");
    log.close_file();
    const QByteArray text = read_file(m_path);
    const QTime stamp = QTime::fromString(QString::fromLatin1(text.mid(1, 12)), "hh:mm:ss.zzz");
    QVERIFY2(stamp.isValid(), text.constData());
    // Against the same UTC clock; allow for a slow machine and a midnight in between.
    const int diff = (stamp.msecsSinceStartOfDay() - before.msecsSinceStartOfDay() + 86400000) % 86400000;
    QVERIFY2(diff < 5000, text.constData());
}

void TstTraceLog::timestampOff()
{
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    log.set_timestamp(false);
    QCOMPARE(log.print(1, "abc\n"), 4);
    QCOMPARE(log.print(1, "def"), 3);
    log.set_timestamp(true);
    QCOMPARE(log.print(1, "ghi\n"), kPrefixLength + 4);
    log.close_file();
    const QByteArray text = read_file(m_path);
    QVERIFY2(matches(text, "abc\ndefPghi\n"), text.constData());
}

void TstTraceLog::routing_data()
{
    QTest::addColumn<int>("form"); // 0 print, 1 print_file, 2 print_console, 3..5 the printf forms
    QTest::addColumn<bool>("console");
    QTest::addColumn<bool>("fileOutput");
    QTest::addColumn<bool>("toStdout");
    QTest::addColumn<bool>("toFile");
    QTest::newRow("print") << 0 << true << false << true << true;
    QTest::newRow("print, console off") << 0 << false << false << false << true;
    QTest::newRow("print_file") << 1 << true << false << false << true;
    QTest::newRow("print_console") << 2 << true << false << true << false;
    QTest::newRow("print_console, file output on") << 2 << true << true << true << true;
    QTest::newRow("print_console, console off") << 2 << false << false << false << false;
    QTest::newRow("printf") << 3 << true << false << true << true;
    QTest::newRow("printf_file") << 4 << true << false << false << true;
    QTest::newRow("printf_console") << 5 << true << false << true << false;
    QTest::newRow("printf_console, file output on") << 5 << true << true << true << true;
}

void TstTraceLog::routing()
{
    QFETCH(int, form);
    QFETCH(bool, console);
    QFETCH(bool, fileOutput);
    QFETCH(bool, toStdout);
    QFETCH(bool, toFile);
    TraceLog log;
    QCOMPARE(log.open_file(m_path.toStdString(), fileOutput), 0);
    log.set_console(console);

    StdoutCapture capture(m_dir.filePath("stdout.txt"));
    int n = 0;
    switch (form) {
    case 0: n = log.print(1, "msg\n"); break;
    case 1: n = log.print_file(1, "msg\n"); break;
    case 2: n = log.print_console(1, "msg\n"); break;
    case 3: n = log.printf(1, "%s\n", "msg"); break;
    case 4: n = log.printf_file(1, "%s\n", "msg"); break;
    case 5: n = log.printf_console(1, "%s\n", "msg"); break;
    }
    const QByteArray out = capture.stop();
    log.close_file();
    const QByteArray text = read_file(m_path);

    QCOMPARE(n, kPrefixLength + 4); // counted whether or not anything was output
    QVERIFY2(toStdout ? matches(out, "Pmsg\n") : out.isEmpty(), out.constData());
    QVERIFY2(toFile ? matches(text, "Pmsg\n") : text.isEmpty(), text.constData());
}

void TstTraceLog::openFile()
{
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file("", true), 1000);
    QCOMPARE(log.open_file(m_dir.filePath("no/such/folder/t.log").toStdString(), true), 1000);
    QCOMPARE(log.print(1, "lost\n"), kPrefixLength + 5);

    // An existing file is appended to.
    {
        QFile f(m_path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old\n");
    }
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    log.print(1, "new\n");
    // Opening again closes the first file.
    const QString second = m_dir.filePath("second.log");
    QFile::remove(second);
    QCOMPARE(log.open_file(second.toStdString(), false), 0);
    log.print(1, "other\n");
    log.close_file();
    QVERIFY2(matches(read_file(m_path), "old\nPnew\n"), read_file(m_path).constData());
    QVERIFY2(matches(read_file(second), "Pother\n"), read_file(second).constData());

    // An empty name also drops the file output flag: console-only writes go nowhere else.
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    QCOMPARE(log.open_file("", true), 1000);
    log.print_console(1, "gone\n");
    QVERIFY2(matches(read_file(m_path), "old\nPnew\n"), read_file(m_path).constData());
}

void TstTraceLog::closeAndFlush()
{
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    log.print(1, "kept\n");
    log.flush();
    QVERIFY2(matches(read_file(m_path), "Pkept\n"), read_file(m_path).constData());
    log.close_file();
    log.print(1, "after close\n");
    log.flush();
    QVERIFY2(matches(read_file(m_path), "Pkept\n"), read_file(m_path).constData());
}

void TstTraceLog::printfCut_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept");
    QTest::newRow("298") << 298 << 298;
    QTest::newRow("299") << 299 << 299;
    QTest::newRow("300") << 300 << 299;
    QTest::newRow("1000") << 1000 << 299;
}

void TstTraceLog::printfCut()
{
    QFETCH(int, length);
    QFETCH(int, kept);
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    const QByteArray message(length, 'm');
    QCOMPARE(log.printf(1, "%s", message.constData()), kPrefixLength + kept);
    log.close_file();
    QCOMPARE(read_file(m_path).mid(kPrefixLength), QByteArray(kept, 'm'));
}

void TstTraceLog::logPrintf()
{
    QCOMPARE(log_printf(5, "off %d\n", 5), 0);
    g_logger().enable_channel(5);
    QCOMPARE(log_printf(5, "on %d\n", 5), kPrefixLength + 5);
    QCOMPARE(log_printf(0, "never\n"), 0);
    const QByteArray message(400, 'g');
    QCOMPARE(log_printf(1, "%s\n", message.constData()), kPrefixLength + 299);
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);
    QVERIFY2(matches(text, "Pon 5\nP" + QString(299, 'g')), text.constData());
}

void TstTraceLog::location_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("kept");
    QTest::newRow("short") << 5 << 5;
    QTest::newRow("300") << 300 << 300;
    QTest::newRow("301") << 301 << 300;
}

void TstTraceLog::location()
{
    QFETCH(int, length);
    QFETCH(int, kept);
    const QByteArray message(length, 'L');
    log_location("src/Lib/ZpData/ZpConf", "add", 201, "%s", message.constData());
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);
    QVERIFY2(matches(text, "Psrc/Lib/ZpData/ZpConf/add:201 " + QString(kept, 'L')), text.constData());
}

void TstTraceLog::locationMidLine()
{
    log_location("src/Lib/ZpData/ZpConf", "add", 201, "ZpConf Signal full!\n");
    g_logger().print(1, "start ");
    log_location("src/Lib/ZpData/ZpConf", "add", 201, "%s %d\n", "middle", 7);
    log_location("u", "f", 3, "next\n");
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);
    QVERIFY2(matches(text, "Psrc/Lib/ZpData/ZpConf/add:201 ZpConf Signal full!\n"
                           "Pstart middle 7\n"
                           "Pu/f:3 next\n"),
             text.constData());
}

void TstTraceLog::error_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("ends in newline") << QByteArray("bad\n") << QByteArray("u/f:7 E[bad]\n");
    QTest::newRow("no newline") << QByteArray("bad") << QByteArray("u/f:7 E[bad]\n");
    QTest::newRow("only the last newline") << QByteArray("two\n\n") << QByteArray("u/f:7 E[two\n]\n");
    QTest::newRow("empty") << QByteArray("") << QByteArray("u/f:7 E\n");
}

void TstTraceLog::error()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, line);
    if (message.isEmpty())
        log_error_text("u", "f", 7, "");
    else
        log_error("u", "f", 7, "%s", message.constData());
    g_logger().print(1, "after\n");
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);

    QVERIFY2(text.startsWith("["), text.constData());
    QCOMPARE(text.mid(kPrefixLength, line.size()), line);
    const QByteArray trace = text.mid(kPrefixLength + line.size());
    QVERIFY2(trace.startsWith("Stack trace (most recent call last):\n"), text.constData());
    QVERIFY2(trace.contains("in log_error_text\n"), text.constData());
    QVERIFY2(trace.contains("tst_tracelog.cpp\", line "), text.constData()); // the caller's frame
    // The line ends in a newline, so the next write starts with a prefix.
    QVERIFY2(QRegularExpression(QString("\n") + kPrefix + "after\n\\z").match(QString::fromLatin1(text)).hasMatch(),
             text.constData());
}

void TstTraceLog::errorLineCut()
{
    // 300 bytes with the NUL: 298 characters, then the newline.
    const QByteArray message(400, 'e');
    log_error("u", "f", 7, "%s\n", message.constData());
    log_error_code("u", "f", 7, 1005, "%s\n", message.constData());
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);
    const QByteArray line = "u/f:7 E[" + QByteArray(290, 'e') + "\n";
    QCOMPARE(line.size(), 299);
    QCOMPARE(text.mid(kPrefixLength, line.size()), line);
    // With a code, the code is what the cut drops.
    QVERIFY2(text.endsWith("] " + line), text.constData());
}

// Keeps itself on the stack: the work after the call stops it becoming a loop.
__attribute__((noinline)) static int deep(int depth)
{
    if (depth == 0) {
        log_error("u", "deep", 1, "deep\n");
        return 0;
    }
    volatile int after = deep(depth - 1);
    return after + 1;
}

void TstTraceLog::errorTraceDepth()
{
    QCOMPARE(deep(40), 40);
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);
    int count = 0;
    auto it = QRegularExpression("^#\\d+ ", QRegularExpression::MultilineOption)
                  .globalMatch(QString::fromLatin1(text));
    while (it.hasNext()) {
        it.next();
        ++count;
    }
    QCOMPARE(count, 32); // the deepest 32 of more than 40 frames
}

void TstTraceLog::errorCode()
{
    log_error_code("u", "f", 9, 1005, "bad\n");
    log_error_code("u", "f", 9, -1, "%s", "");
    g_logger().close_file();
    const QByteArray text = read_file(m_globalLog);
    QVERIFY2(matches(text, "Pu/f:9 E[bad]:Unknown(1005) \nPu/f:9 E:Unknown(-1) \n"), text.constData());
}

void TstTraceLog::listChannels()
{
    g_logger().set_timestamp(false);
    log_list_channels();
    g_logger().close_file();
    QByteArray expected = "Lista delle maschere:\n";
    for (int channel = 2; channel <= 67; ++channel)
        expected += QByteArray::number(channel) + "\n";
    QCOMPARE(read_file(m_globalLog), expected);
}

void TstTraceLog::rotation_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("rotated");
    QTest::newRow("2000000") << 2000000 << false;
    QTest::newRow("2000001") << 2000001 << true;
}

void TstTraceLog::rotation()
{
    QFETCH(int, size);
    QFETCH(bool, rotated);
    {
        QFile full(m_path);
        QVERIFY(full.open(QIODevice::WriteOnly));
        QCOMPARE(full.write(QByteArray(size, 'x')), qint64(size));
        QFile older(m_path + ".0");
        QVERIFY(older.open(QIODevice::WriteOnly));
        older.write("older\n");
    }
    TraceLog log;
    log.set_console(false);
    QCOMPARE(log.open_file(m_path.toStdString(), true), 0);
    log.print(1, "new\n");
    log.close_file();

    const QByteArray current = read_file(m_path);
    const QByteArray previous = read_file(m_path + ".0");
    if (rotated) {
        QVERIFY2(matches(current, "Pnew\n"), current.left(100).constData());
        QCOMPARE(previous, QByteArray(size, 'x'));
    } else {
        QCOMPARE(current.size(), size + kPrefixLength + 4);
        QVERIFY(matches(current.mid(size), "Pnew\n"));
        QCOMPARE(previous, QByteArray("older\n"));
    }
}

void TstTraceLog::loggerBuiltBeforeStaticObjects()
{
    QCOMPARE(s_loggedAtStart, kPrefixLength + 6);
    QCOMPARE(&g_logger(), &g_logger());
}

QTEST_GUILESS_MAIN(TstTraceLog)
#include "tst_tracelog.moc"
