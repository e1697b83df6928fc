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
        QCOMPARE(block(s).left(13),
                 QByteArray::fromHex("0100000a"
                                     "00ffffff"
                                     "fe00000a"
                                     "00"));

        QVERIFY(s.setSupervisorModbusTCP(kIp, kMask, kGateway));
        QVERIFY(!s.setSupervisorModbusTCP(kIp, kMask, kGateway));
        QCOMPARE(block(s).mid(12, 13),
                 QByteArray::fromHex("02"
                                     "140aa8c0"
                                     "00ffffff"
                                     "010aa8c0"));
        // Address and baud code land on the two low-order bytes of the TCP address.
        QVERIFY(s.setSupervisorModbusRTU(5, 3));
        QVERIFY(!s.setSupervisorModbusRTU(5, 3));
        QCOMPARE(block(s).mid(12, 13),
                 QByteArray::fromHex("01"
                                     "0503a8c0"
                                     "00ffffff"
                                     "010aa8c0"));
        QCOMPARE(SIBConfiguration::toDottedText(s.supIp()), QString("192.168.3.5"));
        QVERIFY(s.setSupervisorModbusTCP(kIp, kMask, kGateway));
        QCOMPARE(block(s).mid(12, 13),
                 QByteArray::fromHex("02"
                                     "140aa8c0"
                                     "00ffffff"
                                     "010aa8c0"));
        QVERIFY(s.setSupervisorBacnet(kIp, kMask, kGateway));
        QVERIFY(!s.setSupervisorBacnet(kIp, kMask, kGateway));
        QVERIFY(s.setSupervisorNotInstalled());
        QCOMPARE(block(s).mid(12, 5) + block(s).mid(25), QByteArray::fromHex("00140aa8c0") + QByteArray(29, '\0'));
    }

    // A block from the panel is kept byte for byte, the tail past byte 24 included, also by a
    // copy and by clear.
    void supervisorBlockKept()
    {
        QByteArray raw(SIBConfiguration::kSupervisorSize, '\0');
        for (int i = 0; i < raw.size(); ++i)
            raw[i] = char(0xA0 + i);
        SIBConfiguration s;
        s.enableRSSIB(9);
        s.setSupervisorBlock(reinterpret_cast<const u8*>(raw.constData()));
        QCOMPARE((QList<u32>{s.gwIp(), s.supType(), s.supMbAddr(), s.supMbBaud(), s.supIp(), s.supGateway()}),
                 (QList<u32>{0xA3A2A1A0, 0xAC, 0xAD, 0xAE, 0xB0AFAEAD, 0xB8B7B6B5}));
        QCOMPARE(block(SIBConfiguration(s)), raw);
        s.clear();
        QCOMPARE(block(s), raw);
        QVERIFY(!s.isSIBEnabled() && s.rsAddress() == 0);
    }

    void sibFlagAndTexts()
    {
        SIBConfiguration s;
        s.enableNetworkSIB(kIp, kMask, kGateway);
        s.disableSIB();
        s.enableNetworkGW(1, 2, 3);
        QVERIFY(!s.isSIBEnabled());
        s.enableSIB();
        const SIBNetworkAddresses a = s.getNetworkSIB();
        QCOMPARE((QList<u32>{a.ip, a.netmask, a.gateway}), (QList<u32>{kIp, kMask, kGateway}));
        QCOMPARE(SIBConfiguration::toDottedText(0xC0A80001) + " " + SIBConfiguration::toDottedText(0xFF000102),
                 QString("192.168.0.1 255.0.1.2"));
        s.enableRSSIB(7);
        s.dump();
        QCOMPARE(messages(QtInfoMsg),
                 (QStringList{"RS SIB\t: Addr = 7", "NET SIB\t: ip = 3232238100\t[192.168.10.20]",
                              "\t: gatway = 3232238081\t[192.168.10.1]", "\t: netmask = 4294967040\t[255.255.255.0]"}));
    }
};

QTEST_GUILESS_MAIN(TstSIBConfiguration)
#include "tst_sibconfiguration.moc"
