// SIB and supervisor settings of a CPU: the 54-byte supervisor block against bytes written by
// hand from its layout (the RTU bytes overlapping the TCP address), the setters' change results,
// the dotted texts and the dump.
#include "plant/SIBConfiguration.h"

#include "TestBase.h"

#include <QtTest>

namespace {

QByteArray block(const SIBConfiguration& s)
{
    return QByteArray(reinterpret_cast<const char*>(s.supervisorBlock()), SIBConfiguration::kSupervisorSize);
}

// The 54 bytes: the given head, then zeros.
QByteArray expected(const char* hexHead)
{
    QByteArray b = QByteArray::fromHex(hexHead);
    return b + QByteArray(SIBConfiguration::kSupervisorSize - b.size(), '\0');
}

constexpr u32 kIp = 0xC0A80A14;      // 192.168.10.20
constexpr u32 kMask = 0xFFFFFF00;    // 255.255.255.0
constexpr u32 kGateway = 0xC0A80A01; // 192.168.10.1

} // namespace

class TstSIBConfiguration : public TestBase {
    Q_OBJECT

private slots:
    void supervisorSteps()
    {
        SIBConfiguration s;
        QVERIFY(!s.setSupervisorNotInstalled());
        s.enableNetworkGW(0x0A000001, kMask, 0x0A0000FE);
        QCOMPARE(block(s), expected("0100000a" "00ffffff" "fe00000a" "00"));

        QVERIFY(s.setSupervisorModbusTCP(kIp, kMask, kGateway));
        QVERIFY(!s.setSupervisorModbusTCP(kIp, kMask, kGateway));
        QCOMPARE(block(s).mid(12, 13), QByteArray::fromHex("02" "140aa8c0" "00ffffff" "010aa8c0"));

        // Address and baud code land on the two low-order bytes of the TCP address.
        QVERIFY(s.setSupervisorModbusRTU(5, 3));
        QVERIFY(!s.setSupervisorModbusRTU(5, 3));
        QCOMPARE(block(s).mid(12, 13), QByteArray::fromHex("01" "0503a8c0" "00ffffff" "010aa8c0"));
        QCOMPARE(SIBConfiguration::toDottedText(s.supIp()), QString("192.168.3.5"));

        QVERIFY(s.setSupervisorModbusTCP(kIp, kMask, kGateway));
        QCOMPARE(block(s).mid(12, 13), QByteArray::fromHex("02" "140aa8c0" "00ffffff" "010aa8c0"));
        QVERIFY(s.setSupervisorBacnet(kIp, kMask, kGateway));
        QVERIFY(!s.setSupervisorBacnet(kIp, kMask, kGateway));
        QCOMPARE(s.supType(), u8(3));
        QVERIFY(s.setSupervisorNotInstalled());
        QCOMPARE(block(s).mid(12, 5), QByteArray::fromHex("00140aa8c0"));
    }

    // A block from the panel is kept byte for byte, the tail past byte 24 included; a copy of
    // the settings carries it along.
    void supervisorBlockCopied()
    {
        QByteArray raw(SIBConfiguration::kSupervisorSize, '\0');
        for (int i = 0; i < raw.size(); ++i)
            raw[i] = char(0xA0 + i);
        SIBConfiguration s;
        s.enableRSSIB(9);
        s.setSupervisorBlock(reinterpret_cast<const u8*>(raw.constData()));
        QCOMPARE(block(s), raw);
        QCOMPARE(s.gwIp(), 0xA3A2A1A0u);
        QCOMPARE(s.supType(), u8(0xAC));
        QCOMPARE(s.supMbAddr(), u8(0xAD));
        QCOMPARE(s.supMbBaud(), u8(0xAE));
        QCOMPARE(s.supIp(), 0xB0AFAEADu);
        QCOMPARE(s.supGateway(), 0xB8B7B6B5u);
        const SIBConfiguration copy = s;
        QCOMPARE(block(copy), raw);
        QCOMPARE(copy.rsAddress(), u8(9));

        // clear keeps the block.
        s.clear();
        QCOMPARE(block(s), raw);
        QVERIFY(!s.isSIBEnabled());
        QCOMPARE(s.rsAddress(), u8(0));
    }

    void sibFlag()
    {
        SIBConfiguration s;
        s.enableNetworkSIB(kIp, kMask, kGateway);
        QVERIFY(s.isSIBEnabled());
        s.disableSIB();
        QVERIFY(!s.isSIBEnabled());
        s.enableNetworkGW(1, 2, 3);
        QVERIFY(!s.isSIBEnabled());
        s.enableSIB();
        const SIBNetworkAddresses a = s.getNetworkSIB();
        QCOMPARE((QList<u32>{a.ip, a.netmask, a.gateway}), (QList<u32>{kIp, kMask, kGateway}));
        s.enableRSSIB(200);
        QCOMPARE(s.rsAddress(), u8(200));
        QCOMPARE(s.sibIp(), kIp);
    }

    void dottedText_data()
    {
        QTest::addColumn<uint>("address");
        QTest::addColumn<QString>("text");
        QTest::newRow("private") << 0xC0A80001u << "192.168.0.1";
        QTest::newRow("zero") << 0u << "0.0.0.0";
        QTest::newRow("all ones") << 0xFFFFFFFFu << "255.255.255.255";
        QTest::newRow("order") << 0x01020304u << "1.2.3.4";
    }
    void dottedText()
    {
        QFETCH(uint, address);
        QFETCH(QString, text);
        QCOMPARE(SIBConfiguration::toDottedText(address), text);
    }

    void dump()
    {
        SIBConfiguration s;
        s.enableRSSIB(7);
        s.enableNetworkSIB(0x0A000002, 0xFFFF0000, 0x0A000001);
        s.dump();
        QCOMPARE(messages(QtInfoMsg), (QStringList{"RS SIB\t: Addr = 7", "NET SIB\t: ip = 167772162\t[10.0.0.2]",
                                                   "\t: gatway = 167772161\t[10.0.0.1]",
                                                   "\t: netmask = 4294901760\t[255.255.0.0]"}));
    }
};

QTEST_GUILESS_MAIN(TstSIBConfiguration)
#include "tst_sibconfiguration.moc"
