// The areas of a plant: the size rules, the zone blocks written (expected bytes by hand from
// the block layouts) and the CSV file.
#include "plant/OvAreasSystem.h"

#include "../app/IsolatedHome.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

// count areas; then area n's name, night-and-day and pre-alarm flags and correlation.
struct AreaSet {
    int index;
    QString name;
    bool nightAndDay, preAllarm;
    int correlation;
};
OvAreasSystem areas(int count, const QList<AreaSet>& sets)
{
    OvAreasSystem s;
    s.resize(count + 1);
    for (const AreaSet& a : sets) {
        s.areaAt(a.index - 1)->setDescription(a.name);
        s.areaAt(a.index - 1)->setNightAndDay(a.nightAndDay);
        s.areaAt(a.index - 1)->setPreAllarm(a.preAllarm);
        s.areaAt(a.index - 1)->setCorrelation(u8(a.correlation));
    }
    return s;
}

// The numbers and names of the first two and the last two areas.
QString numbers(const OvAreasSystem& s)
{
    QStringList t;
    for (const OvArea& a : s.areas())
        t << QString::number(a.index()) + a.description();
    return t.size() > 4 ? t.mid(0, 2).join(' ') + " .. " + t.mid(t.size() - 2).join(' ') : t.join(' ');
}

} // namespace

Q_DECLARE_METATYPE(OvAreasSystem)

class tst_OvAreasSystem : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    void init() { planttest::resetPanel(); }

    // Successive resizes of one list by end zone, naming area 2 after each, and the list then.
    void sizes()
    {
        OvAreasSystem s;
        const QList<QPair<int, QString>> steps = {{1, ""},
                                                  {0, ""},
                                                  {-3, ""},
                                                  {2001, "1 2 .. 1999 2000"},
                                                  {501, "1 2Two .. 499 500"},
                                                  {151, "1 2Two .. 149 150"},
                                                  {3, "1 2Two"},
                                                  {2, "1"},
                                                  {1, ""},
                                                  {4, "1 2 3"}};
        for (const auto& step : steps) {
            s.resize(step.first);
            QCOMPARE(numbers(s), step.second);
            if (s.count() >= 2)
                s.areaAt(1)->setDescription("Two");
        }
        OvArea area(3);
        area.setSensorCount(4);
        QVERIFY(s.updateArea(area) && s.areas().at(2) == area && !s.updateArea(OvArea(0)) && !s.updateArea(OvArea(4)));
        s.areaAt(0)->pasteFrom(area);
        QCOMPARE(s.areas().at(0).index() * 10 + int(s.areas().at(0).sensorCount()), 14);
        s.reset();
        QVERIFY(s.areas().at(0) == OvArea(1) && s.areas().at(2) == OvArea(3) && !s.areaAt(3) && !s.areaAt(-1));
        s.init(2);
        QCOMPARE(numbers(s), QString("1 2 .. 4 5"));
    }

    // The bytes of ZoneProg and of ZoneName after the write, zero but for the patches.
    void panel_data()
    {
        QTest::addColumn<OvAreasSystem>("list");
        QTest::addColumn<planttest::Patches>("zoneProg");
        QTest::addColumn<planttest::Patches>("zoneName");
        QTest::newRow("flags and nibbles") << areas(
            4, {{1, "", true, false, 0}, {2, "", false, true, 0}, {3, "", false, false, 4}, {4, "", false, false, 4}})
                                           << planttest::Patches{{0, "\x01"}, {250, "\x02"}, {501, "\x44"}}
                                           << planttest::Patches{};
        QTest::newRow("correlation 17") << areas(2, {{1, "", false, false, 17}, {2, "", false, false, 15}})
                                        << planttest::Patches{{500, "\xf1"}} << planttest::Patches{};
        QTest::newRow("zone 9, 2000") << areas(2000,
                                               {{9, "Nine", true, true, 3}, {2000, QString(40, 'z'), true, true, 9}})
                                      << planttest::Patches{{1, "\x01"},   {249, "\x80"}, {251, "\x01"},
                                                            {499, "\x80"}, {504, "\x03"}, {1499, "\x90"}}
                                      << planttest::Patches{{256, "Nine"}, {63968, QByteArray(32, 'z')}};
        QTest::newRow("2001 areas") << areas(2001, {{2001, "Past", true, true, 5}}) << planttest::Patches{}
                                    << planttest::Patches{};
        QTest::newRow("latin-1") << areas(1, {{1, QString::fromUtf8("Caf\u00e9 \u20ac"), false, false, 0}})
                                 << planttest::Patches{} << planttest::Patches{{0, "Caf\xe9 ?"}};
        QTest::newRow("empty") << OvAreasSystem() << planttest::Patches{} << planttest::Patches{};
    }
    void panel()
    {
        QFETCH(OvAreasSystem, list);
        QFETCH(planttest::Patches, zoneProg);
        QFETCH(planttest::Patches, zoneName);
        list.writeToPanelData();
        QCOMPARE(planttest::block(3).toHex(), planttest::patched(1500, zoneProg).toHex());
        QVERIFY(planttest::block(4) == planttest::patched(64000, zoneName));
    }

    void csv()
    {
        planttest::useEnglish(m_english);
        OvAreasSystem list = areas(13,
                                   {{12, "Stairs", true, false, 2},
                                    {1, "Hall, east", false, true, 17},
                                    {2, "Say \"hi\"", false, false, 0},
                                    {3, QString::fromUtf8("Caf\u00e9 \u20ac\nbar"), false, false, 0}});
        list.areaAt(11)->setSensorCount(4);
        list.areaAt(1)->setModuleCount(3);
        QString body = "Index,Description,Night and day,Pre-alarm,Correlation,Sensors,Modules,\n"
                       "1,\"Hall, east\",0,1,18,0,0,\n2,\"Say \"\"hi\"\"\",0,0,1,0,3,\n";
        body += QString::fromUtf8("3,\"Caf\u00e9 \u20ac\nbar\",0,0,1,0,0,\n");
        for (int n = 4; n <= 13; ++n)
            body += n == 12 ? "12,Stairs,1,0,3,4,0,\n" : QString("%1,,0,0,1,0,0,\n").arg(n);
        QTemporaryDir dir;
        const QString path = dir.path() + "/" + qtTrId("CSV_AREASSYSTEM") + ".csv";
        // UTF-8 whatever the locale.
        QTextCodec* const locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        planttest::compareCsv(
            path, [&] { list.exportCsv(path); }, body);
        QTextCodec::setCodecForLocale(locale);
        QVERIFY(path.endsWith("/Zones.csv"));
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(tst_OvAreasSystem)
#include "tst_ovareassystem.moc"
