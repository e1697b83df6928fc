// The annunciators and viewers of a CPU: merge and remove, the annunciator block written and
// read back (expected bytes written by hand from the block layout), and the CSV file.
#include "plant/OvAnnunciatorsSystem.h"

#include "../app/IsolatedHome.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include <QTemporaryDir>

#include <cstring>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

using Patches = QMap<int, QByteArray>;

OvAnnunciator entry(int address, const QString& name, const QList<const ZpEventFilter*>& filters = {})
{
    OvAnnunciator a;
    a.setCpuIndex(1);
    a.setAddress(address);
    a.setDescription(name);
    for (const ZpEventFilter* f : filters)
        a.setFilter(-1, *f);
    return a;
}

OvAnnunciatorsSystem system(const QList<OvAnnunciator>& entries)
{
    OvAnnunciatorsSystem s(1);
    for (const OvAnnunciator& a : entries)
        s.setAnnunciator(a);
    return s;
}

QString addresses(const OvAnnunciatorsSystem& s)
{
    QStringList t;
    for (const OvAnnunciator& a : s.annunciators())
        t << QString::number(a.address()) + a.description();
    return t.join(' ');
}

const ZpPointAlarmFilter kPoint(15, 1, 2, 3, 1);
const ZpAreaAlarmFilter kEveryArea(0);

} // namespace

Q_DECLARE_METATYPE(OvAnnunciatorsSystem)

class tst_OvAnnunciatorsSystem : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    void init() { planttest::resetPanel(); }

    void mergeAndRemove()
    {
        OvAnnunciatorsSystem a = system({entry(1, "One"), entry(2, "Two")});
        const OvAnnunciatorsSystem b = system({entry(3, "Three"), entry(2, "Deux", {&kPoint})});
        a.merge(b);
        QCOMPARE(addresses(a), QString("1One 2Deux 3Three"));
        QVERIFY(a.hasFilters() && !a.hasConflictingFilters());
        a.setAnnunciator(entry(1, "Un", {&kEveryArea, &kEveryArea}));
        QVERIFY(a.hasConflictingFilters());
        a.remove(b);
        QCOMPARE(addresses(a), QString("1Un"));
        a = a;
        OvAnnunciatorsSystem c(7);
        c = a;
        QCOMPARE(addresses(c) + QString::number(c.cpuIndex()), QString("1Un1"));
    }

    // The entries written into the block of CPU position 1 (dataType 7) as annunciators or as
    // viewers; the block expected is all zero but for the patches. Byte 5167 holds 0x82 before.
    void panel_data()
    {
        QTest::addColumn<OvAnnunciatorsSystem>("entries");
        QTest::addColumn<bool>("annunciators");
        QTest::addColumn<Patches>("patches");
        QByteArray sixtyFour;
        for (int i = 0; i < 64; ++i)
            sixtyFour += QByteArray::fromHex("01") + char(i) + QByteArray(2, '\0');
        QList<const ZpEventFilter*> seventy;
        std::vector<std::unique_ptr<ZpEventFilter>> owned;
        for (int i = 0; i < 70; ++i) {
            owned.push_back(std::make_unique<ZpCPUFailEvent>(i % 64 + 1));
            seventy << owned.back().get();
        }
        QTest::newRow("hall") << system({entry(3, "Hall", {&kPoint, &kEveryArea})}) << true
                              << Patches{{582, QByteArray::fromHex("084004" "0e" "03d10700")},
                                         {838, "Hall"}, {872, "\x01"}, {5167, "\x82"}};
        QTest::newRow("70 filters") << system({entry(1, "N", seventy)}) << true
                                    << Patches{{0, sixtyFour + "N"}, {290, "\x01"}, {5167, "\x82"}};
        QTest::newRow("40 characters")
            << system({entry(16, QString(40, 'x')), entry(0, "Zero"), entry(17, "Past")}) << true
            << Patches{{4365 + 256, QByteArray(32, 'x')}, {4365 + 290, "\x01"}, {5167, "\x82"}};
        QTest::newRow("latin-1") << system({entry(2, QString::fromUtf8("Caf\u00e9 \u20ac"))}) << true
                                 << Patches{{291 + 256, "Caf\xe9 ?"}, {291 + 290, "\x01"}, {5167, "\x82"}};
        QTest::newRow("lobby") << system({entry(16, "Lobby", {&kPoint}), entry(1, ""), entry(17, "Past")}) << false
                               << Patches{{4672, "\x01"}, {5167, "\x83Lobby"}};
    }
    void panel()
    {
        QFETCH(OvAnnunciatorsSystem, entries);
        QFETCH(bool, annunciators);
        QFETCH(Patches, patches);
        const u8 before = 0x82;
        QCOMPARE(g_zpConf->set_data(7, &before, 1, 5167), 0);
        entries.writeToPanelData(1, annunciators);
        QByteArray expected(5200, '\0');
        for (auto it = patches.cbegin(); it != patches.cend(); ++it)
            expected.replace(it.key(), it.value().size(), it.value());
        QCOMPARE(planttest::block(7).toHex(), expected.toHex());
        QCOMPARE(planttest::block(6), QByteArray(5200, '\0'));
    }

    void readBack()
    {
        u8 record[291] = {};
        std::memcpy(record, QByteArray::fromHex("01020000" "00000000" "0c422300").constData(), 12);
        std::memcpy(record + 256, "Hall", 4);
        OvAnnunciatorsSystem s(2);
        s.addFromRecord(3, record);
        const OvAnnunciator& a = s.annunciators().value(3);
        QCOMPARE(QString("%1 %2 %3 %4").arg(a.cpuIndex()).arg(a.address()).arg(a.description()).arg(a.filters().size()),
                 QString("2 3 Hall 2"));
        QCOMPARE(a.filters().at(1)->getDescription(), QString(" 3: 6: 1. 2"));

        // Written and read back: the same entries; a mimic viewer comes back plain.
        OvAnnunciator mimic = entry(16, "Lobby");
        mimic.setViewerType(1);
        mimic.setStartingZone(81);
        const OvAnnunciatorsSystem written = system({entry(3, "Hall", {&kPoint, &kEveryArea}), entry(16, "Lobby")});
        written.writeToPanelData(0, true);
        system({mimic}).writeToPanelData(0, false);
        const QByteArray bytes = planttest::block(6);
        const u8* data = reinterpret_cast<const u8*>(bytes.constData());
        OvAnnunciatorsSystem annunciators(1), viewers(1);
        for (int a = 0; a < 16; ++a) {
            if (data[291 * a + 290])
                annunciators.addFromRecord(a + 1, data + 291 * a);
            if (data[4672 + 33 * a] & 1)
                viewers.addViewerFromRecord(a + 1, data + 4672 + 33 * a);
        }
        QCOMPARE(addresses(annunciators), QString("3Hall 16Lobby"));
        QVERIFY(annunciators.annunciators().value(3) == written.annunciators().value(3));
        QVERIFY(viewers.annunciators().value(16) == entry(16, "Lobby"));
    }

    // Annunciators with and without filters under a brand of the first family, viewers under one
    // of the second; descriptions with a comma and with quotes.
    void csv_data()
    {
        QTest::addColumn<OvAnnunciatorsSystem>("entries");
        QTest::addColumn<int>("configNumber");
        QTest::addColumn<QString>("body");
        OvAnnunciator mimic = entry(3, "Map");
        mimic.setViewerType(1);
        mimic.setStartingZone(81);
        QTest::newRow("annunciators")
            << system({entry(5, "Say \"hi\""), entry(2, "Hall, east", {&kEveryArea, &kPoint})}) << 1
            << "Index,Description,Filter type,Filter target,\n"
               "2,\"Hall, east\",\n,,Area alarm,All areas,\n,,Sensor alarm, 1: 2:15. 3,\n"
               "5,\"Say \"\"hi\"\"\",\n";
        QTest::newRow("no filters") << system({entry(1, "Lobby")}) << 1 << "Index,Description,\n1,Lobby,\n";
        QTest::newRow("second family") << system({entry(1, "Lobby"), mimic}) << 7
                                       << "Index,Description,\n1,Lobby,Viewer,\n3,Map,Viewer M (Mimic),A:81-160,\n";
        QTest::newRow("none") << OvAnnunciatorsSystem(1) << 7 << "Index,Description,\n";
    }
    void csv()
    {
        QFETCH(OvAnnunciatorsSystem, entries);
        QFETCH(int, configNumber);
        QFETCH(QString, body);
        planttest::useEnglish(m_english);
        Configuration::instance()->set_configNumber(configNumber);
        QTemporaryDir dir;
        const QString name = qtTrId("CSV_ANNUNCIATOR_FILE_PREFIX") + "_" + QString("%1").arg(1, 2);
        planttest::compareCsv(dir.path() + "/Annunciators_ 1.csv", [&] { entries.exportCsv(name, dir.path()); }, body);
        entries.exportCsv(name, dir.path() + "/missing");
        QVERIFY(!QFile::exists(dir.path() + "/missing"));
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(tst_OvAnnunciatorsSystem)
#include "tst_ovannunciatorssystem.moc"
