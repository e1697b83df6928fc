// Network checks, the stopwatch, the window settings, the CRC-16 wrappers and the name-field
// conversion. Settings live in a private HOME and XDG config folder set before the
// application object exists.
#include "app/CharBuffer.h"
#include "app/Crc16.h"
#include "app/NetworkChecks.h"
#include "app/Stopwatch.h"
#include "app/WindowSettings.h"
#include "IsolatedHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

QString s_home;

int ip(int a, int b, int c, int d)
{
    return int((quint32(a) << 24) | (quint32(b) << 16) | (quint32(c) << 8) | quint32(d));
}

QVariant storedWindowValue(const char* key)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("mainWnd"));
    return settings.value(QLatin1String(key));
}

void storeWindowValue(const char* key, const QVariant& value)
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("mainWnd"));
    settings.setValue(QLatin1String(key), value);
}

} // namespace

class TstUtilities : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void netMask_data();
    void netMask();
    void sameSubnet_data();
    void sameSubnet();
    void hostAddress_data();
    void hostAddress();

    void stopwatchBeforeStartIsZero();
    void stopwatchCountsMilliseconds();
    void globalStopwatchIsRunning();

    void crc16_data();
    void crc16();
    void crc16From();

    void charBuffer_data();
    void charBuffer();
    void charBufferNeverPassesThirtyTwoBytes_data();
    void charBufferNeverPassesThirtyTwoBytes();

    void windowInitialValues();
    void windowSaveBeforeLoadWritesInitialSize();
    void windowLoadMissingKeepsValues();
    void windowLoadStoredValues();
    void windowMaximizeKeepsNormalSize();
    void windowFirstMaximizeAfterConstruction();
    void windowFirstMaximizeAfterLoad();
    void windowRestoreAlsoTakesPreviousSize();
    void windowUnchangedSaveWritesNothing();
    void themeIndex();
};

void TstUtilities::initTestCase()
{
    QVERIFY2(QSettings().fileName().startsWith(s_home + QLatin1Char('/')), qPrintable(QSettings().fileName()));
}

void TstUtilities::init()
{
    QSettings().clear();
}

void TstUtilities::netMask_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<bool>("valid");

    QTest::newRow("255.255.255.0") << 255 << 255 << 255 << 0 << true;
    QTest::newRow("0.0.0.0") << 0 << 0 << 0 << 0 << true;
    QTest::newRow("255.255.255.255") << 255 << 255 << 255 << 255 << true;
    QTest::newRow("255.255.255.254") << 255 << 255 << 255 << 254 << true;
    QTest::newRow("255.255.255.252") << 255 << 255 << 255 << 252 << true;
    QTest::newRow("255.255.255.128") << 255 << 255 << 255 << 128 << true;
    QTest::newRow("255.255.254.0") << 255 << 255 << 254 << 0 << true;
    QTest::newRow("255.255.0.0") << 255 << 255 << 0 << 0 << true;
    QTest::newRow("255.128.0.0") << 255 << 128 << 0 << 0 << true;
    QTest::newRow("255.0.0.0") << 255 << 0 << 0 << 0 << true;
    QTest::newRow("254.0.0.0") << 254 << 0 << 0 << 0 << true;
    QTest::newRow("192.0.0.0") << 192 << 0 << 0 << 0 << true;
    QTest::newRow("128.0.0.0") << 128 << 0 << 0 << 0 << true;

    QTest::newRow("255.0.255.0") << 255 << 0 << 255 << 0 << false;
    QTest::newRow("255.255.-1.0") << 255 << 255 << -1 << 0 << false;
    QTest::newRow("-1.0.0.0") << -1 << 0 << 0 << 0 << false;
    QTest::newRow("0.-1.0.0") << 0 << -1 << 0 << 0 << false;
    QTest::newRow("0.0.0.-1") << 0 << 0 << 0 << -1 << false;
    QTest::newRow("-1.255.255.255") << -1 << 255 << 255 << 255 << false;
    QTest::newRow("0.0.0.1") << 0 << 0 << 0 << 1 << false;
    QTest::newRow("0.255.255.255") << 0 << 255 << 255 << 255 << false;
    QTest::newRow("127.0.0.0") << 127 << 0 << 0 << 0 << false;
    QTest::newRow("255.127.0.0") << 255 << 127 << 0 << 0 << false;
    QTest::newRow("255.255.255.1") << 255 << 255 << 255 << 1 << false;
    QTest::newRow("255.255.253.0") << 255 << 255 << 253 << 0 << false;
    QTest::newRow("255.255.0.255") << 255 << 255 << 0 << 255 << false;
    QTest::newRow("0.0.0.0 but 1 in host") << 0 << 0 << 1 << 0 << false;
}

void TstUtilities::netMask()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(bool, valid);
    QCOMPARE(isValidNetMask(a, b, c, d), valid);
}

void TstUtilities::sameSubnet_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("gateway");
    QTest::addColumn<bool>("same");

    QTest::newRow("192.168.1.10/24 gw 192.168.1.1")
        << ip(192, 168, 1, 10) << ip(255, 255, 255, 0) << ip(192, 168, 1, 1) << true;
    QTest::newRow("192.168.1.10/24 gw 192.168.2.1")
        << ip(192, 168, 1, 10) << ip(255, 255, 255, 0) << ip(192, 168, 2, 1) << false;
    QTest::newRow("192.168.1.10/16 gw 192.168.2.1")
        << ip(192, 168, 1, 10) << ip(255, 255, 0, 0) << ip(192, 168, 2, 1) << true;
    QTest::newRow("10.0.0.5/8 gw 10.255.255.254")
        << ip(10, 0, 0, 5) << ip(255, 0, 0, 0) << ip(10, 255, 255, 254) << true;
    QTest::newRow("10.0.0.5/8 gw 11.0.0.1")
        << ip(10, 0, 0, 5) << ip(255, 0, 0, 0) << ip(11, 0, 0, 1) << false;
    QTest::newRow("200.1.2.3/25 gw 200.1.2.127")
        << ip(200, 1, 2, 3) << ip(255, 255, 255, 128) << ip(200, 1, 2, 127) << true;
    QTest::newRow("200.1.2.3/25 gw 200.1.2.128")
        << ip(200, 1, 2, 3) << ip(255, 255, 255, 128) << ip(200, 1, 2, 128) << false;
    QTest::newRow("empty mask") << ip(1, 2, 3, 4) << 0 << ip(250, 6, 7, 8) << true;
    QTest::newRow("/32 same") << ip(172, 16, 0, 1) << ip(255, 255, 255, 255) << ip(172, 16, 0, 1) << true;
    QTest::newRow("/32 other") << ip(172, 16, 0, 1) << ip(255, 255, 255, 255) << ip(172, 16, 0, 2) << false;
    QTest::newRow("top bit differs /1")
        << ip(127, 255, 255, 255) << ip(128, 0, 0, 0) << ip(128, 0, 0, 0) << false;
}

void TstUtilities::sameSubnet()
{
    QFETCH(int, address);
    QFETCH(int, mask);
    QFETCH(int, gateway);
    QFETCH(bool, same);
    QCOMPARE(isInSameSubnet(address, mask, gateway), same);
}

void TstUtilities::hostAddress_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("d");
    QTest::addColumn<bool>("valid");

    QTest::newRow("255.255.255.255") << 255 << 255 << 255 << 255 << false;
    QTest::newRow("0.0.0.0") << 0 << 0 << 0 << 0 << false;
    QTest::newRow("256.1.1.1") << 256 << 1 << 1 << 1 << false;
    QTest::newRow("10.0.0.256") << 10 << 0 << 0 << 256 << false;
    QTest::newRow("-1.0.0.1") << -1 << 0 << 0 << 1 << false;
    QTest::newRow("10.0.-5.1") << 10 << 0 << -5 << 1 << false;
    QTest::newRow("10.0.0.1") << 10 << 0 << 0 << 1 << true;
    QTest::newRow("0.0.0.1") << 0 << 0 << 0 << 1 << true;
    QTest::newRow("1.0.0.0") << 1 << 0 << 0 << 0 << true;
    QTest::newRow("255.255.255.254") << 255 << 255 << 255 << 254 << true;
    QTest::newRow("192.168.1.255") << 192 << 168 << 1 << 255 << true;
}

void TstUtilities::hostAddress()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, d);
    QFETCH(bool, valid);
    QCOMPARE(isValidHostAddress(a, b, c, d), valid);
}

void TstUtilities::stopwatchBeforeStartIsZero()
{
    Stopwatch stopwatch;
    QCOMPARE(stopwatch.elapsed(), int64_t(0));
}

void TstUtilities::stopwatchCountsMilliseconds()
{
    // The reference timers read the same monotonic clock; one starts before the stopwatch and
    // one after, so the stopwatch's milliseconds lie between theirs whatever the machine's speed.
    QElapsedTimer before;
    before.start();
    Stopwatch stopwatch;
    stopwatch.start();
    QElapsedTimer after;
    after.start();
    while (after.elapsed() < 25) {
    }
    const qint64 lower = after.elapsed();
    const int64_t value = stopwatch.elapsed();
    const qint64 upper = before.elapsed();
    QVERIFY2(value >= lower, qPrintable(QStringLiteral("%1 < %2").arg(value).arg(lower)));
    QVERIFY2(value <= upper, qPrintable(QStringLiteral("%1 > %2").arg(value).arg(upper)));

    const int64_t later = stopwatch.elapsed();
    QVERIFY(later >= value);

    stopwatch.restart();
    QVERIFY(stopwatch.elapsed() <= before.elapsed() - 25);
}

void TstUtilities::globalStopwatchIsRunning()
{
    // Started with the static objects, long before this test.
    QElapsedTimer timer;
    timer.start();
    const int64_t first = g_stopwatch.elapsed();
    QVERIFY(first >= 0);
    while (timer.elapsed() < 5) {
    }
    QVERIFY(g_stopwatch.elapsed() >= first + 5);
}

void TstUtilities::crc16_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("expected");

    // CRC-16/MODBUS catalogue check value and a textbook Modbus request frame.
    QTest::newRow("123456789") << QByteArray("123456789") << 0x4B37;
    QTest::newRow("empty") << QByteArray() << 0xFFFF;
    QTest::newRow("read holding register") << QByteArray::fromHex("010300000001") << 0x0A84;
}

void TstUtilities::crc16()
{
    QFETCH(QByteArray, data);
    QFETCH(int, expected);
    QCOMPARE(int(calcCrc16(data.constData(), quint32(data.size()))), expected);
}

void TstUtilities::crc16From()
{
    const char digits[] = "123456789";
    QCOMPARE(int(calcCrc16From(digits, 9, 0xFFFF)), 0x4B37);
    QCOMPARE(int(calcCrc16From(digits + 4, 5, calcCrc16(digits, 4))), 0x4B37);
    QCOMPARE(int(calcCrc16From(digits, 0, 0x1234)), 0x1234);
}

void TstUtilities::charBuffer_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("fieldAfter");

    const QByteArray tail = QByteArray("xyzXYZ0123456789abcdefghijklm"); // 29 non-zero bytes
    QByteArray twoLetters = QByteArray("AB") + QByteArray(1, '\0') + tail;
    QTest::newRow("two letters then zero")
        << twoLetters << 32 << QStringLiteral("AB") << (QByteArray("AB") + QByteArray(30, '\0'));

    const QByteArray full = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    QTest::newRow("32 non-zero bytes") << full << 32 << QString::fromLatin1(full) << full;

    QByteArray leadingZero = QByteArray(1, '\0') + QByteArray(31, 'Q');
    QTest::newRow("first byte zero") << leadingZero << 32 << QString() << QByteArray(32, '\0');

    QByteArray lastZero = QByteArray(31, 'N') + QByteArray(1, '\0');
    QTest::newRow("zero at byte 31") << lastZero << 32 << QString(31, QLatin1Char('N')) << lastZero;

    QByteArray latin1 = QByteArray("Caf\xE9") + QByteArray(28, '\0');
    QTest::newRow("latin-1") << latin1 << 32 << QString::fromUtf8("Caf\xC3\xA9") << latin1;

    QTest::newRow("length 8") << full << 8 << QStringLiteral("ABCDEFGH") << full;
    QByteArray shortZero = QByteArray("ABC") + QByteArray(1, '\0') + QByteArray("DEFG") + QByteArray(24, 'z');
    QTest::newRow("length 8 with zero")
        << shortZero << 8 << QStringLiteral("ABC")
        << (QByteArray("ABC") + QByteArray(5, '\0') + QByteArray(24, 'z'));
    QTest::newRow("length 0") << twoLetters << 0 << QString() << twoLetters;
    QTest::newRow("length -1") << twoLetters << -1 << QString() << twoLetters;
}

void TstUtilities::charBuffer()
{
    QFETCH(QByteArray, field);
    QFETCH(int, length);
    QFETCH(QString, text);
    QFETCH(QByteArray, fieldAfter);
    QCOMPARE(field.size(), 32);

    // Exactly 32 bytes on the heap, so a sanitizer build reports any access beyond them.
    std::unique_ptr<char[]> buffer(new char[32]);
    std::memcpy(buffer.get(), field.constData(), 32);
    QCOMPARE(charBufferToString(buffer.get(), length), text);
    QCOMPARE(QByteArray(buffer.get(), 32), fieldAfter);
}

void TstUtilities::charBufferNeverPassesThirtyTwoBytes_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("fieldAfter");

    const QByteArray full = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
    QTest::newRow("full, length 33") << full << 33 << QString::fromLatin1(full) << full;
    QTest::newRow("full, length 1000") << full << 1000 << QString::fromLatin1(full) << full;
    QByteArray twoLetters = QByteArray("AB") + QByteArray(1, '\0') + QByteArray(29, 'x');
    QTest::newRow("two letters, length 64")
        << twoLetters << 64 << QStringLiteral("AB") << (QByteArray("AB") + QByteArray(30, '\0'));
}

void TstUtilities::charBufferNeverPassesThirtyTwoBytes()
{
    QFETCH(QByteArray, field);
    QFETCH(int, length);
    QFETCH(QString, text);
    QFETCH(QByteArray, fieldAfter);

    {
        // A sanitizer build catches a read or write past the 32 heap bytes.
        std::unique_ptr<char[]> buffer(new char[32]);
        std::memcpy(buffer.get(), field.constData(), 32);
        QCOMPARE(charBufferToString(buffer.get(), length), text);
        QCOMPARE(QByteArray(buffer.get(), 32), fieldAfter);
    }
    {
        // Without a sanitizer: guard bytes behind the field, holding a zero that must not be
        // reached and non-zero bytes that must not be cleared.
        QByteArray guarded = field + QByteArray("gu") + QByteArray(1, '\0') + QByteArray("ard");
        const QByteArray guard = guarded.mid(32);
        QCOMPARE(charBufferToString(guarded.data(), length), text);
        QCOMPARE(guarded.left(32), fieldAfter);
        QCOMPARE(guarded.mid(32), guard);
    }
}

void TstUtilities::windowInitialValues()
{
    const WindowSettings window;
    QCOMPARE(window.width(), 960);
    QCOMPARE(window.height(), 720);
    QCOMPARE(window.isMaximized(), false);
    QCOMPARE(window.isModified(), true);
}

void TstUtilities::windowSaveBeforeLoadWritesInitialSize()
{
    WindowSettings window;
    window.save();
    QCOMPARE(window.isModified(), false);
    QCOMPARE(storedWindowValue("width").toInt(), 960);
    QCOMPARE(storedWindowValue("height").toInt(), 720);
    QCOMPARE(storedWindowValue("maximized").toBool(), false);
    QVERIFY(storedWindowValue("maximized").isValid());
}

void TstUtilities::windowLoadMissingKeepsValues()
{
    WindowSettings window;
    window.setWidth(1000);
    window.setHeight(600);
    window.load();
    QCOMPARE(window.width(), 1000);
    QCOMPARE(window.height(), 600);
    QCOMPARE(window.isMaximized(), false);
    QCOMPARE(window.isModified(), false);
}

void TstUtilities::windowLoadStoredValues()
{
    storeWindowValue("width", 1280);
    storeWindowValue("height", 800);
    storeWindowValue("maximized", true);
    WindowSettings window;
    window.load();
    QCOMPARE(window.width(), 1280);
    QCOMPARE(window.height(), 800);
    QCOMPARE(window.isMaximized(), true);
    QCOMPARE(window.isModified(), false);
}

void TstUtilities::windowMaximizeKeepsNormalSize()
{
    storeWindowValue("width", 1024);
    storeWindowValue("height", 768);
    WindowSettings window;
    window.load();
    window.setWidth(1920);
    window.setHeight(1080);
    window.setMaximized(true);
    QCOMPARE(window.width(), 1024);
    QCOMPARE(window.height(), 768);
    QCOMPARE(window.isMaximized(), true);
    QCOMPARE(window.isModified(), true);

    window.save();
    QCOMPARE(storedWindowValue("width").toInt(), 1024);
    QCOMPARE(storedWindowValue("height").toInt(), 768);
    QCOMPARE(storedWindowValue("maximized").toBool(), true);
    QCOMPARE(window.isModified(), false);
}

void TstUtilities::windowFirstMaximizeAfterConstruction()
{
    WindowSettings window;
    window.setMaximized(true);
    QCOMPARE(window.width(), 960);
    QCOMPARE(window.height(), 720);
    QCOMPARE(window.isMaximized(), true);
}

void TstUtilities::windowFirstMaximizeAfterLoad()
{
    storeWindowValue("width", 1280);
    storeWindowValue("height", 800);
    WindowSettings window;
    window.load();
    window.setMaximized(true);
    QCOMPARE(window.width(), 1280);
    QCOMPARE(window.height(), 800);
}

void TstUtilities::windowRestoreAlsoTakesPreviousSize()
{
    WindowSettings window;
    window.load();
    window.setWidth(1000);
    window.setWidth(1100);
    window.setHeight(700);
    window.setMaximized(false);
    // The previous width is the one before the last width change.
    QCOMPARE(window.width(), 1000);
    QCOMPARE(window.height(), 720);
    QCOMPARE(window.isMaximized(), false);
}

void TstUtilities::windowUnchangedSaveWritesNothing()
{
    {
        WindowSettings window;
        window.load();
        window.save();
        QSettings settings;
        settings.beginGroup(QStringLiteral("mainWnd"));
        QCOMPARE(settings.childKeys(), QStringList());
    }
    storeWindowValue("width", 1280);
    WindowSettings window;
    window.load();
    storeWindowValue("width", 640);
    window.save();
    QCOMPARE(storedWindowValue("width").toInt(), 640);
}

void TstUtilities::themeIndex()
{
    QCOMPARE(getThemeIndex(), 0);
    setThemeIndex(1);
    QCOMPARE(storedWindowValue("themeIndex").toInt(), 1);
    QCOMPARE(getThemeIndex(), 1);
    setThemeIndex(0);
    QCOMPARE(getThemeIndex(), 0);
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    if (!home.isValid())
        return 1;
    s_home = home.path();

    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OvTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_utilities"));

    TstUtilities test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_utilities.moc"
