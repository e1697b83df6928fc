// Annunciators and viewers of a CPU: entries that own their filters, the conflict check, merge
// and remove, the annunciator block written and read back (expected bytes by hand from the
// block layout) and the CSV file.
#include "plant/OvAnnunciatorsSystem.h"

#include "../app/IsolatedHome.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

static const IsolatedHome s_home;

namespace {

using planttest::Patches;

OvAnnunciator entry(int address, const QString& name, const QList<const ZpEventFilter*>& filters = {},
                    int mimicZone = 0)
{
    OvAnnunciator a;
    a.setCpuIndex(1);
    a.setAddress(address);
    a.setDescription(name);
    a.setViewerType(mimicZone ? 1 : 0);
    a.setStartingZone(mimicZone ? mimicZone : 1);
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

// Address and name of each entry, then the type and scope of each filter.
QString contents(const OvAnnunciatorsSystem& s)
{
    QStringList t;
    for (const OvAnnunciator& a : s.annunciators()) {
        t << QString::number(a.address()) + a.description();
        for (const ZpEventFilter* f : a.filters())
            t << QString::number(f->getType()) + ":" + f->getDescription();
    }
    return t.join(' ');
}

const ZpPointAlarmFilter kPoint(15, 1, 2, 3, 1);
const ZpAreaAlarmFilter kEveryArea(0), kZone12(12);
const ZpAreaFailFilter kFault12(12);
const ZpCPUExclEvent kExcl1(1), kExcl2(2);

} // namespace

Q_DECLARE_METATYPE(OvAnnunciatorsSystem)

class tst_OvAnnunciatorsSystem : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    void init() { planttest::resetPanel(); }

    // Copies hold their own clones; equality leaves out the address, not the filters or the
    // viewer settings; a filter slot outside the list appends.
    void entries()
    {
        OvAnnunciator a = entry(3, "Hall", {&kZone12, &kExcl1}, 81), b(a);
        QVERIFY(b.filters().at(0) != a.filters().at(0) && b.cpuIndex() == 1 && b.startingZone() == 81);
        b.setAddress(4);
        QVERIFY(a == b);
        b.setFilter(1, kFault12);
        b.copy(b);
        QVERIFY(a != b && b.filters().at(1)->isEqual(&kFault12));
        b.setFilter(7, kExcl2);
        b.setFilter(0, kPoint);
        QCOMPARE(contents(system({b})), QString("4Hall 8: 1: 2:15. 3 4:12 2: 2"));
        b = OvAnnunciator();
        QCOMPARE(QList<int>({b.cpuIndex(), b.address(), b.startingZone(), b.viewerType(), b.filters().size()}),
                 QList<int>({-1, -1, 1, 0, 0}));
        QVERIFY(a != entry(3, "Hall", {&kZone12, &kExcl1}));
    }

    // Filter lists in order, and whether two of a list conflict.
    void conflicts()
    {
        const QList<QList<const ZpEventFilter*>> lists{{},
                                                       {&kZone12},
                                                       {&kEveryArea, &kZone12},
                                                       {&kZone12, &kEveryArea},
                                                       {&kZone12, &kFault12},
                                                       {&kExcl1, &kExcl2},
                                                       {&kPoint, &kZone12, &kExcl1, &kPoint}};
        QString results;
        for (const auto& filters : lists)
            results += entry(1, "", filters).hasConflictingFilters() ? '1' : '0';
        QCOMPARE(results, QString("0011011"));
    }

    void mergeAndRemove()
    {
        OvAnnunciatorsSystem a = system({entry(1, "One"), entry(2, "Two")});
        const OvAnnunciatorsSystem b = system({entry(3, "Three"), entry(2, "Deux", {&kPoint})});
        a.merge(b);
        QCOMPARE(contents(a), QString("1One 2Deux 8: 1: 2:15. 3 3Three"));
        QVERIFY(a.hasFilters() && !a.hasConflictingFilters());
        a.setAnnunciator(entry(1, "Un", {&kEveryArea, &kZone12}));
        QVERIFY(a.hasConflictingFilters());
        a.remove(b);
        OvAnnunciatorsSystem c(7);
        c = a;
        QCOMPARE(contents(c) + " " + QString::number(c.cpuIndex()), QString("1Un 3:LBL_EVT_FILTER_ALL_AREA 3:12 1"));
    }

    // The entries written into the block of CPU position 1 (dataType 7) as annunciators or as
    // viewers; the block expected is all zero but for the patches. Byte 5167 holds 0x82 before.
    void panel_data()
    {
        QTest::addColumn<OvAnnunciatorsSystem>("entries");
        QTest::addColumn<bool>("annunciators");
        QTest::addColumn<Patches>("patches");
        QByteArray sixtyFour;
        QList<const ZpEventFilter*> seventy;
        static std::vector<std::unique_ptr<ZpEventFilter>> owned;
        for (int i = 0; i < 70; ++i) {
            sixtyFour += i < 64 ? QByteArray("\x01") + char(i) + QByteArray(2, '\0') : QByteArray();
            owned.push_back(std::make_unique<ZpCPUFailEvent>(i % 64 + 1));
            seventy << owned.back().get();
        }
        QTest::newRow("hall") << system({entry(3, "Hall", {&kPoint, &kEveryArea})}) << true
                              << Patches{{582, QByteArray::fromHex("0840040e03d10700")},
                                         {838, "Hall"},
                                         {872, "\x01"},
                                         {5167, "\x82"}};
        QTest::newRow("70 filters") << system({entry(1, "N", seventy)}) << true
                                    << Patches{{0, sixtyFour + "N"}, {290, "\x01"}, {5167, "\x82"}};
        QTest::newRow("40 characters") << system({entry(16, QString(40, 'x')), entry(0, "Zero"), entry(17, "Past")})
                                       << true << Patches{{4621, QByteArray(32, 'x')}, {4655, "\x01"}, {5167, "\x82"}};
        QTest::newRow("latin-1") << system({entry(2, QString::fromUtf8("Caf\u00e9 \u20ac"))}) << true
                                 << Patches{{547, "Caf\xe9 ?"}, {581, "\x01"}, {5167, "\x82"}};
        QTest::newRow("lobby") << system({entry(16, "Lobby", {&kPoint}, 81), entry(1, ""), entry(17, "Past")}) << false
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
        QCOMPARE(planttest::block(7).toHex(), planttest::patched(5200, patches).toHex());
        QCOMPARE(planttest::block(6), QByteArray(5200, '\0'));
    }

    // A record with filters in slots 0 and 2; then written entries read back, a mimic viewer
    // coming back plain.
    void readBack()
    {
        u8 record[291] = {};
        std::memcpy(record,
                    QByteArray::fromHex("0102000000000000"
                                        "0c422300")
                        .constData(),
                    12);
        std::memcpy(record + 256, "Hall", 4);
        OvAnnunciatorsSystem s(2);
        s.addFromRecord(3, record);
        QCOMPARE(contents(s) + " " + QString::number(s.annunciators().value(3).cpuIndex()),
                 QString("3Hall 1: 3 12: 3: 6: 1. 2 2"));
        const OvAnnunciatorsSystem written = system({entry(3, "Hall", {&kPoint, &kEveryArea}), entry(16, "Lobby")});
        written.writeToPanelData(0, true);
        system({entry(16, "Lobby", {}, 81)}).writeToPanelData(0, false);
        const QByteArray bytes = planttest::block(6);
        const u8* data = reinterpret_cast<const u8*>(bytes.constData());
        OvAnnunciatorsSystem annunciators(1), viewers(1);
        annunciators.addFromRecord(3, data + 582);
        annunciators.addFromRecord(16, data + 4365);
        viewers.addViewerFromRecord(16, data + 5167);
        QVERIFY(annunciators.annunciators() == written.annunciators());
        QVERIFY(viewers.annunciators() == system({entry(16, "Lobby")}).annunciators());
    }

    // Annunciators with and without filters under a brand of the first family, viewers under one
    // of the second; descriptions with a comma and with quotes.
    void csv_data()
    {
        QTest::addColumn<OvAnnunciatorsSystem>("entries");
        QTest::addColumn<QString>("body");
        QTest::newRow("annunciators")
            << system({entry(5, "Say \"hi\""), entry(2, "Hall, east", {&kEveryArea, &kPoint})})
            << "Index,Description,Filter type,Filter target,\n2,\"Hall, east\",\n"
               ",,Area alarm,All areas,\n,,Sensor alarm, 1: 2:15. 3,\n5,\"Say \"\"hi\"\"\",\n";
        QTest::newRow("no filters") << system({entry(1, "Lobby", {}, 81)}) << "Index,Description,\n1,Lobby,\n";
        QTest::newRow("second family") << system({entry(1, "Lobby"), entry(3, "Map", {}, 81)})
                                       << "Index,Description,\n1,Lobby,Viewer,\n3,Map,Viewer M (Mimic),A:81-160,\n";
    }
    void csv()
    {
        QFETCH(OvAnnunciatorsSystem, entries);
        QFETCH(QString, body);
        planttest::useEnglish(m_english);
        Configuration::instance()->set_configNumber(QTest::currentDataTag() == QString("second family") ? 7 : 1);
        QTemporaryDir dir;
        const QString name = qtTrId("CSV_ANNUNCIATOR_FILE_PREFIX") + "_" + QString("%1").arg(1, 2);
        planttest::compareCsv(
            dir.path() + "/Annunciators_ 1.csv", [&] { entries.exportCsv(name, dir.path()); }, body);
        entries.exportCsv(name, dir.path() + "/missing");
        QVERIFY(!QFile::exists(dir.path() + "/missing"));
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(tst_OvAnnunciatorsSystem)
#include "tst_ovannunciatorssystem.moc"
