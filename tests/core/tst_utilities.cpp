// Network checks, the CRC-16 wrappers, the name-field conversion and the window settings, in a
// private HOME.
#include "../app/IsolatedHome.h"
#include "TestBase.h"
#include "core/CharBuffer.h"
#include "core/Configuration.h"
#include "core/Crc16.h"
#include "core/NetworkChecks.h"
#include "core/Stopwatch.h"
#include "core/WindowSettings.h"

#include <QtTest>

// Set up before the application object exists.
static const IsolatedHome s_home;

struct Field {
    QByteArray field;
    int length;
    QString text;
    QByteArray after;
};
struct Window {
    QVariantList before;
    QString steps;
    QVariantList held, stored;
};
Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(QMargins)

class TstUtilities : public TestBase {
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(s_home.isValid());
        QSettings().clear();
    }

    // 0 before start(). Reference timers on the same monotonic clock, one started before the
    // stopwatch and one after, bound its milliseconds whatever the machine's speed.
    void stopwatch()
    {
        Stopwatch idle;
        QCOMPARE(idle.elapsed(), int64_t(0));
        QElapsedTimer before;
        before.start();
        Stopwatch stopwatch;
        stopwatch.start();
        QElapsedTimer after;
        after.start();
        while (after.elapsed() < 25) {}
        const qint64 lower = after.elapsed();
        const int64_t value = stopwatch.elapsed();
        QVERIFY2(value >= lower && value <= before.elapsed(), qPrintable(QString::number(value)));
        stopwatch.restart();
        QVERIFY(stopwatch.elapsed() <= before.elapsed() - 25 && g_stopwatch.elapsed() >= value);
    }

    // The row name is the dotted quad; is it a net mask, a host address?
    void octets_data()
    {
        QTest::addColumn<QString>("is");
        QTest::newRow("255.255.255.0") << "mask host";
        QTest::newRow("0.0.0.0") << "mask";
        QTest::newRow("255.255.255.255") << "mask";
        QTest::newRow("128.0.0.0") << "mask host";
        QTest::newRow("255.0.255.0") << "host";
        QTest::newRow("-1.0.0.0") << "";
        QTest::newRow("0.-1.0.0") << "";
        QTest::newRow("255.255.-1.0") << "";
        QTest::newRow("0.0.0.-1") << "";
        QTest::newRow("256.1.1.1") << "";
    }
    void octets()
    {
        QFETCH(QString, is);
        const QStringList o = QString(QTest::currentDataTag()).split('.');
        const int a = o[0].toInt(), b = o[1].toInt(), c = o[2].toInt(), d = o[3].toInt();
        QCOMPARE(QStringList({isValidNetMask(a, b, c, d) ? "mask" : "", isValidHostAddress(a, b, c, d) ? "host" : ""})
                     .join(' ')
                     .trimmed(),
                 is);
    }

    // Every prefix length makes a mask, which a stray host bit or a missing top bit spoils; the
    // subnet of an address ends just past its host bits. CRC-16/MODBUS: the catalogue check
    // value, nothing, and a textbook request frame, also continued from the first half's register.
    void arithmetic()
    {
        auto mask = [](quint32 m) { return isValidNetMask(m >> 24, m >> 16 & 255, m >> 8 & 255, m & 255); };
        for (int length = 0; length <= 32; ++length) {
            const quint32 m = length ? ~0u << (32 - length) : 0u, address = 0x0A010203u;
            QCOMPARE(
                (QVector<bool>{mask(m), mask(m | 1u), mask(m & 0x7FFFFFFFu), isInSameSubnet(address, m, address ^ ~m),
                               isInSameSubnet(address, m, address ^ (~m + 1u))}),
                (QVector<bool>{true, length > 30, length < 2, true, length == 0}));
        }
        for (const auto& row : QList<QPair<QByteArray, int>>{
                 {"123456789", 0x4B37}, {"", 0xFFFF}, {QByteArray::fromHex("010300000001"), 0x0A84}}) {
            const quint32 size = quint32(row.first.size()), half = size / 2;
            QCOMPARE(int(calcCrc16(row.first.constData(), size)), row.second);
            QCOMPARE(
                int(calcCrc16From(row.first.constData() + half, size - half, calcCrc16(row.first.constData(), half))),
                row.second);
        }
    }

    // A 32-byte name field: the text and the field afterwards.
    void charBuffer_data()
    {
        QTest::addColumn<Field>("row");
        const QByteArray full("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"), two = QByteArray("AB\0", 3) + QByteArray(29, 'x');
        const QByteArray latin1 = "Caf\xE9" + QByteArray(28, '\0'), twoAfter = "AB" + QByteArray(30, '\0');
        QTest::newRow("two letters") << Field{two, 32, "AB", twoAfter};
        QTest::newRow("full") << Field{full, 32, full, full};
        QTest::newRow("first zero") << Field{'\0' + QByteArray(31, 'Q'), 32, "", QByteArray(32, '\0')};
        QTest::newRow("latin-1") << Field{latin1, 32, QString::fromUtf8("Caf\xC3\xA9"), latin1};
        QTest::newRow("length 8") << Field{QByteArray("ABC\0DEFG", 8) + QByteArray(24, 'z'), 8, "ABC",
                                           "ABC" + QByteArray(5, '\0') + QByteArray(24, 'z')};
        QTest::newRow("length 0") << Field{two, 0, "", two};
        QTest::newRow("length 33") << Field{two, 33, "AB", twoAfter};
        QTest::newRow("length 64") << Field{full, 64, full, full};
    }
    void charBuffer()
    {
        QFETCH(Field, row);
        // Guard bytes behind the field: a zero that must not be reached and letters that must not
        // be cleared.
        for (auto convert : {&charBufferToString, &Configuration::charBufferToString}) {
            QByteArray guarded = row.field + QByteArray("gu\0ard", 6);
            QCOMPARE(convert(guarded.data(), row.length), row.text);
            QCOMPARE(guarded, row.after + QByteArray("gu\0ard", 6));
        }
    }

    // Steps: L load, S save, Wn width, Hn height, Mn maximized, Vn in a window (0), maximized (1)
    // or full screen (2), T settled. The settings hold "before" and then "stored" (width, height,
    // maximized; empty for nothing); "held" adds the modified flag.
    void window_data()
    {
        QTest::addColumn<Window>("row");
        const QVariantList none, size{1280, 800, false};
        QTest::newRow("saved before load") << Window{none, "S", {960, 720, false, false}, {960, 720, false}};
        QTest::newRow("load of nothing") << Window{none, "W1000 H600 L S", {1000, 600, false, false}, none};
        QTest::newRow("maximized") << Window{size, "L W1920 H1080 M1 S", {1280, 800, true, false}, {1280, 800, true}};
        QTest::newRow("maximized after load") << Window{size, "L M1", {1280, 800, true, true}, size};
        // Back from minimized, a window reports its state again: the size stays.
        QTest::newRow("restored") << Window{none, "W1000 W1100 H700 M0", {1100, 700, false, true}, none};
        // The scene assigns the loaded size while it settles: nothing to write, so the missing
        // "maximized" stays missing. A size changed and changed back is written.
        const QVariantList loaded{1280, 800};
        QTest::newRow("loaded size assigned") << Window{loaded, "L W1280 H800 M0 S", {1280, 800, false, false}, loaded};
        QTest::newRow("changed back") << Window{loaded, "L W1300 W1280 S", {1280, 800, false, false}, size};
        QTest::newRow("maximized then not") << Window{loaded, "L M1 M0 S", {1280, 800, false, false}, size};
        // A maximized window's size comes before or after its flag: the normal size stays.
        QTest::newRow("sized while maximized")
            << Window{{1280, 800, true}, "L W1920 H1080 M1 W1920 H1160 S", {1280, 800, true, false}, {1280, 800, true}};
        // Fn: the room a screen leaves; the stored size stays for a larger screen.
        QTest::newRow("fitted") << Window{loaded, "L F1024x672 S", {1024, 672, false, false}, loaded};
        QTest::newRow("room enough") << Window{loaded, "L F1920x1160 S", {1280, 800, false, false}, loaded};
        QTest::newRow("fitted, maximized") << Window{loaded, "L F1024x672 M1", {1024, 672, true, true}, loaded};
        QTest::newRow("fitted, then sized")
            << Window{loaded, "L F1100x700 W1000 S", {1000, 700, false, false}, {1000, 700, false}};
        // A window manager may report a new state before its size, and a drag reports each step.
        QTest::newRow("maximized, state first")
            << Window{none, "L W1000 H800 T M1 W1280 H1005 S", {1000, 800, true, false}, {1000, 800, true}};
        QTest::newRow("dragged, then maximized") << Window{
            none, "L W1055 H815 T W1060 H820 T M1 W1280 H1005 S", {1060, 820, true, false}, {1060, 820, true}};
        // Left full screen, the window keeps the state it goes back to.
        QTest::newRow("full screen") << Window{
            none, "L W1000 H800 T V2 W1280 H1024 S", {1000, 800, false, false}, {1000, 800, false}};
        QTest::newRow("maximized, then full screen")
            << Window{none, "L W1000 H800 T M1 W1280 H1005 T V2 H1024 S", {1000, 800, true, false}, {1000, 800, true}};
        // Back to maximized through a passing normal state, with the maximized size.
        QTest::newRow("full screen, back to maximized")
            << Window{none, "L M1 W1280 H1005 T V2 H1024 T V0 H1005 T M1 S", {960, 720, true, false}, {960, 720, true}};
    }
    void window()
    {
        QFETCH(Window, row);
        const QStringList keys{"mainWnd/width", "mainWnd/height", "mainWnd/maximized"};
        for (int i = 0; i < row.before.size(); ++i)
            QSettings().setValue(keys[i], row.before[i]);
        WindowSettings window;
        for (const QString& step : row.steps.split(' ', Qt::SkipEmptyParts)) {
            const int n = step.mid(1).toInt();
            const QStringList room = step.mid(1).split('x');
            step[0] == 'F'       ? window.fitInto(QSize(room.value(0).toInt(), room.value(1).toInt()))
                : step[0] == 'L' ? window.load()
                : step[0] == 'S' ? window.save()
                : step[0] == 'W' ? window.setWidth(n)
                : step[0] == 'H' ? window.setHeight(n)
                : step[0] == 'V' ? window.setState(WindowSettings::State(n))
                : step[0] == 'T' ? window.settle()
                                 : window.setMaximized(n);
        }
        QCOMPARE((QVariantList{window.width(), window.height(), window.isMaximized(), window.isModified()}), row.held);
        QSettings settings;
        QCOMPARE(settings.allKeys().size(), row.stored.size());
        for (int i = 0; i < row.stored.size(); ++i)
            QCOMPARE(settings.value(keys[i]).toString(), row.stored[i].toString());
    }

    // A window's client area and frame inside a screen's available area: no larger than the area
    // leaves, moved in by the least that brings the frame inside.
    void fittedWindow_data()
    {
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QRect>("fitted");
        const QMargins none, frame(8, 31, 8, 8);
        const auto row = [](const char* name, const QRect& geometry, const QMargins& frame, const QRect& area,
                            const QRect& fitted) { QTest::newRow(name) << geometry << frame << area << fitted; };
        row("fits", {100, 100, 960, 720}, frame, {0, 0, 1920, 1160}, {100, 100, 960, 720});
        row("too high", {0, 0, 960, 720}, none, {0, 0, 1024, 672}, {0, 0, 960, 672});
        row("too high, framed", {50, 40, 960, 720}, frame, {0, 0, 1024, 660}, {50, 31, 960, 621});
        row("larger both ways", {0, 0, 1600, 1000}, none, {0, 0, 1024, 672}, {0, 0, 1024, 672});
        row("frame to the area's edges", {8, 31, 1008, 621}, frame, {0, 0, 1024, 660}, {8, 31, 1008, 621});
        row("frame one past each edge", {7, 30, 1010, 623}, frame, {0, 0, 1024, 660}, {8, 31, 1008, 621});
        row("below the bottom", {100, 500, 960, 600}, frame, {0, 0, 1920, 1040}, {100, 432, 960, 600});
        row("past the right edge", {1500, 100, 960, 720}, frame, {0, 0, 1920, 1160}, {952, 100, 960, 720});
        row("under a side bar", {0, 0, 800, 600}, none, {60, 0, 964, 700}, {60, 0, 800, 600});
        row("second screen", {1950, 20, 960, 720}, frame, {1920, 0, 1280, 1024}, {1950, 31, 960, 720});
    }
    void fittedWindow()
    {
        QFETCH(QRect, geometry);
        QFETCH(QMargins, frame);
        QFETCH(QRect, area);
        QFETCH(QRect, fitted);
        QCOMPARE(fittedWindowGeometry(geometry, frame, area), fitted);
    }
};

QTEST_GUILESS_MAIN(TstUtilities)
#include "tst_utilities.moc"
