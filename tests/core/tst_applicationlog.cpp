// The application log: the line of each level, the size limit at open, the handler's lifetime
// and whole lines from several threads; banners and a real session are tst_ov4kapp's. While
// the log is open its handler passes nothing on: the test base sees only what reaches the
// handler that was there before.
#include "TestBase.h"
#include "core/ApplicationLog.h"

#include <QtTest>

#include <cstring>
#include <limits>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// Date-time, "." and 0 to 9999 without leading zeros, " - ".
static const QString kStamp = QStringLiteral(R"(^\d{4}-\d{2}-\d{2}T\d{2}:\d{2}:\d{2}\.(0|[1-9]\d{0,3}) - )");

static QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class tst_ApplicationLog : public TestBase {
    Q_OBJECT

    QTemporaryDir m_dir;
    // A folder of each test and row.
    QString folder() const { return m_dir.filePath(QTest::currentTestFunction() + QString(QTest::currentDataTag())); }

private slots:
    // The decimal writer at its edges: one digit, each step to one more, the sign, both ends of
    // the range; nothing written past the end it returns.
    void putDecimal_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("0") << qint64(0) << QByteArray("0");
        QTest::newRow("9") << qint64(9) << QByteArray("9");
        QTest::newRow("10") << qint64(10) << QByteArray("10");
        QTest::newRow("99") << qint64(99) << QByteArray("99");
        QTest::newRow("100") << qint64(100) << QByteArray("100");
        QTest::newRow("9999") << qint64(9999) << QByteArray("9999");
        QTest::newRow("-1") << qint64(-1) << QByteArray("-1");
        QTest::newRow("-10") << qint64(-10) << QByteArray("-10");
        QTest::newRow("max") << std::numeric_limits<qint64>::max() << QByteArray("9223372036854775807");
        QTest::newRow("min") << std::numeric_limits<qint64>::min() << QByteArray("-9223372036854775808");
    }
    void putDecimal()
    {
        QFETCH(qint64, value);
        QFETCH(QByteArray, text);
        char buffer[24];
        std::memset(buffer, '#', sizeof buffer);
        char* const end = ApplicationLog::putDecimal(buffer, value);
        QCOMPARE(QByteArray(buffer, int(end - buffer)), text);
        QCOMPARE(QByteArray(end, int(buffer + sizeof buffer - end)),
                 QByteArray(int(buffer + sizeof buffer - end), '#'));
    }
    void cleanup()
    {
        ApplicationLog::close();
        TestBase::cleanup();
    }

    // A row whose name ends in "undef" has no file, line, function or message.
    void formatLine_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QByteArray>("line");
        const QByteArray at = "2024-01-02T03:04:05.";
        QTest::newRow("debug") << int(QtDebugMsg) << 12345 << at + "2345 - Debug: [a@12\tf]\tx";
        QTest::newRow("warning") << int(QtWarningMsg) << 10007 << at + "7 - Warning: [a@12\tf]\tx";
        QTest::newRow("critical") << int(QtCriticalMsg) << 0 << at + "0 - Critical: [a:12\tf]x";
        QTest::newRow("fatal") << int(QtFatalMsg) << 9999 << at + "9999 - Fatal: [a:12\tf]x";
        QTest::newRow("info") << int(QtInfoMsg) << 10000 << at + "0 - Info: x";
        QTest::newRow("debug undef") << int(QtDebugMsg) << 1 << at + "1 - Debug: [UNDEF@0\tUNDEF]\tUNDEF";
        QTest::newRow("critical undef") << int(QtCriticalMsg) << 1 << at + "1 - Critical: [UNDEF:0\tUNDEF]UNDEF";
        QTest::newRow("info undef") << int(QtInfoMsg) << 3600050 << at + "50 - Info: UNDEF";
    }
    void formatLine()
    {
        QFETCH(int, type);
        const bool undef = QByteArray(QTest::currentDataTag()).endsWith("undef");
        QFETCH(int, elapsed);
        const QMessageLogContext context(undef ? nullptr : "a", undef ? 0 : 12, undef ? nullptr : "f", "default");
        // The clock's own milliseconds are no part of the line.
        const QDateTime at(QDate(2024, 1, 2), QTime(3, 4, 5, 678));
        QTEST(ApplicationLog::formatLine(QtMsgType(type), context, undef ? QString() : "x", at, elapsed), "line");
    }

    // Every line of the file has the one layout: breaks that end a message are dropped, and
    // each inner line (a "\r" before its break dropped too) gets the head of its own.
    void formatLineBreaks_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("lines");
        const QByteArray warning = "2024-01-02T03:04:05.7 - Warning: [a@12\tf]\t";
        const QByteArray critical = "2024-01-02T03:04:05.7 - Critical: [a:12\tf]";
        const QByteArray info = "2024-01-02T03:04:05.7 - Info: ";
        QTest::newRow("one ending break") << int(QtWarningMsg) << "x\n" << warning + "x";
        QTest::newRow("ending CRLF and break") << int(QtWarningMsg) << "x\r\n\n" << warning + "x";
        QTest::newRow("inner break") << int(QtWarningMsg) << "x\ny" << warning + "x\n" + warning + "y";
        QTest::newRow("inner CRLF") << int(QtCriticalMsg) << "x\r\ny\n" << critical + "x\n" + critical + "y";
        QTest::newRow("empty inner line") << int(QtInfoMsg) << "x\n\ny" << info + "x\n" + info + "\n" + info + "y";
        QTest::newRow("leading break") << int(QtInfoMsg) << "\nx" << info + "\n" + info + "x";
        QTest::newRow("breaks only") << int(QtWarningMsg) << "\n\n" << warning + "UNDEF";
        // Breaks among the first eight or sixteen characters of a longer text.
        QTest::newRow("long, inner break")
            << int(QtInfoMsg) << "abcdefghij\nklmnopqrstuv" << info + "abcdefghij\n" + info + "klmnopqrstuv";
        QTest::newRow("long, ending CR") << int(QtInfoMsg) << "abcdefghijklmno\r" << info + "abcdefghijklmno";
        const QString accented = QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("not ASCII") << int(QtInfoMsg) << accented << info + accented.toLocal8Bit();
        const QString longer = "abcdefghijklmnopq" + accented + "rstuvwxyz0123456789";
        QTest::newRow("not ASCII, long") << int(QtInfoMsg) << longer << info + longer.toLocal8Bit();
        QTest::newRow("not ASCII, inner break") << int(QtInfoMsg) << accented + "\r\nx\n"
                                                << info + accented.toLocal8Bit() + "\n" + info + "x";
        // Lines about the size of the logging thread's own room for a line, and far past it.
        for (const int length : {900, 1023, 1024, 1025, 1100, 70000}) {
            const QByteArray text(length, 'w');
            QTest::newRow(qPrintable(QStringLiteral("%1 characters").arg(length)))
                << int(QtWarningMsg) << QString::fromLatin1(text) << warning + text;
        }
        const QByteArray half(3000, 'h');
        QTest::newRow("6000 characters, inner break")
            << int(QtInfoMsg) << QString::fromLatin1(half + '\n' + half) << info + half + '\n' + info + half;
    }
    void formatLineBreaks()
    {
        QFETCH(int, type);
        QFETCH(QString, message);
        const QMessageLogContext context("a", 12, "f", "default");
        const QDateTime at(QDate(2024, 1, 2), QTime(3, 4, 5));
        QTEST(ApplicationLog::formatLine(QtMsgType(type), context, message, at, 10007), "lines");
    }

    // The size is checked at open only: up to the limit the new line is appended, past it the
    // file starts afresh. Missing folders are made with their parents; where a file stands in
    // the way no log is written, though the handler is installed all the same. After close
    // messages reach the handler that was there before, and a call already on its way to the
    // log's handler finds the file closed.
    void openAndClose_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a file where the folder should be") << -1 << false;
        QTest::newRow("no file") << 0 << false;
        QTest::newRow("small file") << 12 << true;
        QTest::newRow("one byte under") << 10485759 << true;
        QTest::newRow("exactly 10485760") << 10485760 << true;
        QTest::newRow("one byte over") << 10485761 << false;
    }
    void openAndClose()
    {
        QFETCH(int, size);
        QFETCH(bool, kept);
        const QString dir = folder() + QStringLiteral("/data/log");
        QFile file(size < 0 ? dir : dir + QStringLiteral("/ov4800.log"));
        const QByteArray earlier = size > 0 ? QByteArray(size - 1, 'x') + '\n' : QByteArray();
        if (size) {
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly)
                    && file.write(earlier) == earlier.size());
            file.close();
        }
        QCOMPARE(ApplicationLog::open(dir), size >= 0);
        QCOMPARE(ApplicationLog::filePath(), dir + QStringLiteral("/ov4800.log"));
        qWarning("new run");
        ApplicationLog::close();
        expectWarning(QStringLiteral("^after close$"));
        qWarning("after close");
        ApplicationLog::messageHandler(QtWarningMsg, QMessageLogContext(), QStringLiteral("late call"));
        QCOMPARE(messages(QtWarningMsg), QStringList{"after close"});
        QCOMPARE(messages(QtDebugMsg) + messages(QtInfoMsg), QStringList({"LOG INTO \"" + dir + '"', '"' + dir + '"'}));
        const QByteArray content = readAll(dir + QStringLiteral("/ov4800.log"));
        QVERIFY(content.startsWith(earlier.left(kept ? size : 0)));
        const QString added = QString::fromLocal8Bit(content.mid(kept ? size : 0));
        const QString line = size < 0 ? QStringLiteral("^\\z") : kStamp + R"(Warning: \[[^\t]+@\d+\t.*\]\tnew run\n\z)";
        QVERIFY2(QRegularExpression(line).match(added).hasMatch(), qPrintable(added.left(200)));
    }

    // Debug and info lines reach the file when the event loop runs, a warning at once with the
    // lines before it, a full batch (256 KiB) without waiting for either, and the rest at close.
    void linesWrittenInTime()
    {
        const QString path = folder() + QStringLiteral("/ov4800.log");
        QVERIFY(ApplicationLog::open(folder()));
        qDebug("held");
        qInfo("held too");
        QCoreApplication::processEvents();
        QCOMPARE(readAll(path).count('\n'), 2);
        qDebug("before");
        qWarning("warned");
        const QByteArray text = readAll(path);
        QCOMPARE(text.count('\n'), 4);
        QVERIFY(text.contains("\tbefore\n") && text.endsWith("\twarned\n"));
        const QByteArray filler(1024, 'f');
        for (int i = 0; i < 256; ++i)
            qDebug("%s", filler.constData());
        // On the writer's time: no event is processed while waiting.
        for (int wait = 0; wait < 500 && readAll(path).count('\n') <= 4; ++wait)
            QThread::msleep(10);
        QVERIFY(readAll(path).count('\n') > 4);
        ApplicationLog::close();
        QCOMPARE(readAll(path).count('\n'), 4 + 256);
    }

    // A debug line logged on another thread is in the file once this thread has handled its
    // posted events. The flags are relaxed: the only order between the threads is what the log
    // itself makes, which the thread sanitizer must see.
    void lineFromAnotherThread()
    {
        QVERIFY(ApplicationLog::open(folder()));
        std::atomic<int> step{0};
        std::thread other([&step] {
            qDebug("from the other thread");
            step.store(1, std::memory_order_relaxed);
            while (step.load(std::memory_order_relaxed) != 2)
                std::this_thread::yield();
        });
        while (step.load(std::memory_order_relaxed) != 1)
            std::this_thread::yield();
        QCoreApplication::sendPostedEvents();
        const QByteArray text = readAll(folder() + "/ov4800.log");
        step.store(2, std::memory_order_relaxed);
        other.join();
        ApplicationLog::close();
        QVERIFY2(text.endsWith("\tfrom the other thread\n"), text.constData());
    }
    // Each line names this file as its source and comes whole, each thread's in order.
    void threadsWriteWholeLines()
    {
        const QString padding(300, 'p'); // long lines make a torn write likely to show
        QVERIFY(ApplicationLog::open(folder()));
        QObject threads;
        for (int t = 0; t < 4; ++t) {
            QThread* thread = QThread::create([t, &padding] {
                for (int i = 0; i < 500; ++i)
                    qDebug("thread %d line %d %s", t, i, qPrintable(padding));
            });
            thread->setParent(&threads);
            thread->start();
        }
        for (QThread* thread : threads.findChildren<QThread*>())
            QVERIFY(thread->wait());
        ApplicationLog::close();
        const QStringList lines = QString::fromLocal8Bit(readAll(folder() + "/ov4800.log")).split('\n');
        QCOMPARE(lines.size(), 4 * 500 + 1);
        const QRegularExpression pattern(kStamp + "Debug: \\[" + QRegularExpression::escape(__FILE__)
                                         + "@\\d+\\t[^\\]]+\\]\\tthread ([0-3]) line (\\d+) " + padding + '$');
        QVector<int> next(4, 0);
        for (const QString& line : lines.mid(0, lines.size() - 1)) {
            const auto match = pattern.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line.left(300)));
            QCOMPARE(match.captured(3).toInt(), next[match.captured(2).toInt()]++);
        }
    }
    // Two threads taking turns over several batches keep that order in the file; a fatal message
    // is there, after them, when its call returns; the end banner written before close is last.
    void orderAcrossThreads()
    {
        const QByteArray padding(1000, 'p');
        QVERIFY(ApplicationLog::open(folder()));
        QSemaphore turn[2];
        turn[0].release();
        const auto take = [&](int t) {
            for (int i = 0; i < 400; ++i) {
                turn[t].acquire();
                qDebug("thread %d line %d %s", t, i, padding.constData());
                turn[1 - t].release();
            }
        };
        QByteArray atFatal;
        std::unique_ptr<QThread> other(QThread::create([&] {
            take(1);
            ApplicationLog::messageHandler(QtFatalMsg, QMessageLogContext("a", 7, "f", "default"), "raised");
            atFatal = readAll(folder() + "/ov4800.log");
        }));
        other->start();
        take(0);
        QVERIFY(other->wait());
        ApplicationLog::writeEndBanner();
        ApplicationLog::close();
        const QList<QByteArray> lines = readAll(folder() + "/ov4800.log").split('\n');
        QCOMPARE(lines.size(), 800 + 1 + 3 + 1);
        for (int i = 0; i < 800; ++i)
            QVERIFY(lines[i].endsWith("\tthread " + QByteArray::number(i % 2) + " line " + QByteArray::number(i / 2)
                                      + ' ' + padding));
        QVERIFY(atFatal.count('\n') == 801 && atFatal.endsWith(" - Fatal: [a:7\tf]raised\n"));
        QVERIFY(lines[802].contains("APPLICATION END:") && lines[803].endsWith(" - Info: " + QByteArray(87, '*')));
    }

    // A run's two banners name one program: a plant of another panel family renames the
    // application in between, the log stays the one it started.
    void bannersNameTheStartedProgram()
    {
        const QString started = QCoreApplication::applicationName();
        QVERIFY(ApplicationLog::open(folder()));
        QCoreApplication::setApplicationName(QStringLiteral("KV1300-01"));
        ApplicationLog::writeStartBanner(2, 7);
        QCoreApplication::setApplicationName(QStringLiteral("KV1600-01"));
        ApplicationLog::writeEndBanner();
        ApplicationLog::close();
        QCoreApplication::setApplicationName(started);
        const QList<QByteArray> lines = readAll(folder() + "/ov4800.log").split('\n');
        QCOMPARE(lines.size(), 6 + 1);
        QVERIFY2(lines[4].endsWith("APPLICATION END: \"KV1300-01\" \t******************"), lines[4].constData());
    }

#ifdef Q_OS_UNIX
    // A logger runs no more than a few MiB (4,500 lines of some 1,150 bytes) ahead of a slow
    // reader of the file, a pipe here; every line still comes, in order.
    void loggerWaitsForTheFile()
    {
        const QByteArray fifo = QFile::encodeName(folder() + QStringLiteral("/ov4800.log"));
        QVERIFY(QDir().mkpath(folder()) && ::mkfifo(fifo.constData(), 0600) == 0);
        const int reader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
        expectWarning(QStringLiteral("^QFile::at: Cannot set file position 0$")); // appending to a pipe
        QVERIFY(reader >= 0 && ApplicationLog::open(folder()) && ::fcntl(reader, F_SETFL, 0) == 0);
        const int count = 24 * 1024;
        QAtomicInt logged;
        QByteArray text;
        int mostAhead = 0;
        std::unique_ptr<QThread> slowReader(QThread::create([&] {
            char chunk[4096];
            for (int lines = 0, seen = 0;;) {
                // Each read waits for eight new lines, or for a thousand not yet read.
                while (logged.loadAcquire() < qMin(count, seen + 8) && logged.loadAcquire() - lines < 1000)
                    QThread::yieldCurrentThread();
                seen = logged.loadAcquire();
                mostAhead = qMax(mostAhead, seen - lines);
                const ssize_t n = ::read(reader, chunk, sizeof(chunk));
                if (n <= 0)
                    break; // closed by the log
                lines += int(std::count(chunk, chunk + n, '\n'));
                text.append(chunk, int(n));
            }
        }));
        slowReader->start();
        const QByteArray padding(1000, 'p');
        for (int i = 0; i < count; ++i) {
            qDebug("line %d %s", i, padding.constData());
            logged.storeRelease(i + 1);
        }
        ApplicationLog::close();
        QVERIFY(slowReader->wait() && ::close(reader) == 0);
        QVERIFY2(mostAhead <= 4500, qPrintable(QString::number(mostAhead)));
        const QList<QByteArray> written = text.split('\n');
        QCOMPARE(written.size(), count + 1);
        for (int i = 0; i < count; ++i)
            QVERIFY(written[i].endsWith("\tline " + QByteArray::number(i) + ' ' + padding));
    }
#endif
};

QTEST_GUILESS_MAIN(tst_ApplicationLog)
#include "tst_applicationlog.moc"
