// The areas of a plant: the size rules, the zone blocks written (expected bytes by hand from
// the block layouts) and the CSV file.
#include "plant/OvAreasSystem.h"

#include "../app/IsolatedHome.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

using Patches = QMap<int, QByteArray>;

// Area n with its name, night-and-day and pre-alarm flags and correlation.
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
        OvArea* area = s.areaAt(a.index - 1);
        area->setDescription(a.name);
        area->setNightAndDay(a.nightAndDay);
        area->setPreAllarm(a.preAllarm);
        area->setCorrelation(u8(a.correlation));
    }
    return s;
}

QString numbers(const OvAreasSystem& s)
{
    QStringList t;
    for (const OvArea& a : s.areas())
        t << QString::number(a.index()) + a.description();
    return t.size() > 4 ? t.mid(0, 2).join(' ') + " .. " + t.mid(t.size() - 2).join(' ') : t.join(' ');
}

QByteArray patched(int size, const Patches& patches)
{
    QByteArray bytes(size, '\0');
    for (auto it = patches.cbegin(); it != patches.cend(); ++it)
        bytes.replace(it.key(), it.value().size(), it.value());
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(OvAreasSystem)

class tst_OvAreasSystem : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    void init() { planttest::resetPanel(); }

    // Successive resizes of one list by end zone, with area 2 named, and the list after each.
    void sizes()
    {
        OvAreasSystem s;
        const QList<QPair<int, QString>> steps = {
            {1, ""}, {0, ""}, {-3, ""}, {2001, "1 2 .. 1999 2000"}, {501, "1 2Two .. 499 500"},
            {151, "1 2Two .. 149 150"}, {3, "1 2Two"}, {2, "1"}, {1, ""}, {4, "1 2 3"}};
        for (const auto& step : steps) {
            s.resize(step.first);
            QCOMPARE(numbers(s), step.second);
            if (s.count() >= 2)
                s.areaAt(1)->setDescription("Two");
        }
        OvArea area(3);
        area.setSensorCount(4);
        QVERIFY(s.updateArea(area));
        QCOMPARE(s.areas().at(2), area);
        QVERIFY(!s.updateArea(OvArea(0)) && !s.updateArea(OvArea(4)));
        s.areaAt(0)->pasteFrom(area);
        QCOMPARE(s.areas().at(0).index() * 10 + int(s.areas().at(0).sensorCount()), 14);
        s.reset();
        QVERIFY(s.areas().at(0) == OvArea(1) && s.areas().at(2) == OvArea(3));
        s.init(2);
        QCOMPARE(numbers(s), QString("1 2 .. 4 5"));
        QVERIFY(!s.areaAt(5) && !s.areaAt(-1));
    }

    // Areas of a list of the given size; the bytes of ZoneProg and of ZoneName, zero but for the
    // patches.
    void panel_data()
    {
        QTest::addColumn<OvAreasSystem>("list");
        QTest::addColumn<Patches>("zoneProg");
        QTest::addColumn<Patches>("zoneName");
        QTest::newRow("flags and nibbles")
            << areas(4, {{1, "", true, false, 0}, {2, "", false, true, 0}, {3, "", false, false, 4}, {4, "", false, false, 4}})
            << Patches{{0, "\x01"}, {250, "\x02"}, {501, "\x44"}} << Patches{};
        QTest::newRow("correlation 17") << areas(2, {{1, "", false, false, 17}, {2, "", false, false, 15}})
                                        << Patches{{500, "\xf1"}} << Patches{};
        QTest::newRow("zone 9, 2000")
            << areas(2000, {{9, "Nine", true, true, 3}, {2000, QString(40, 'z'), true, true, 9}})
            << Patches{{1, "\x01"}, {249, "\x80"}, {251, "\x01"}, {499, "\x80"}, {504, "\x03"}, {1499, "\x90"}}
            << Patches{{256, "Nine"}, {63968, QByteArray(32, 'z')}};
        QTest::newRow("2001 areas") << areas(2001, {{2001, "Past", true, true, 5}}) << Patches{} << Patches{};
        QTest::newRow("latin-1") << areas(1, {{1, QString::fromUtf8("Caf\u00e9 \u20ac"), false, false, 0}})
                                 << Patches{} << Patches{{0, "Caf\xe9 ?"}};
        QTest::newRow("empty") << OvAreasSystem() << Patches{} << Patches{};
    }
    void panel()
    {
        QFETCH(OvAreasSystem, list);
        QFETCH(Patches, zoneProg);
        QFETCH(Patches, zoneName);
        list.writeToPanelData();
        QCOMPARE(planttest::block(3).toHex(), patched(1500, zoneProg).toHex());
        QVERIFY(planttest::block(4) == patched(64000, zoneName));
    }

    void csv()
    {
        planttest::useEnglish(m_english);
        OvAreasSystem list = areas(13, {{12, "Stairs", true, false, 2}, {1, "Hall, east", false, true, 17},
                                        {2, "Say \"hi\"", false, false, 0}});
        list.areaAt(11)->setSensorCount(4);
        list.areaAt(1)->setModuleCount(3);
        QString body = "Index,Description,Night and day,Pre-alarm,Correlation,Sensors,Modules,\n"
                       "1,\"Hall, east\",0,1,18,0,0,\n2,\"Say \"\"hi\"\"\",0,0,1,0,3,\n";
        for (int n = 3; n <= 13; ++n)
            body += n == 12 ? "12,Stairs,1,0,3,4,0,\n" : QString("%1,,0,0,1,0,0,\n").arg(n);
        QTemporaryDir dir;
        const QString path = dir.path() + "/" + qtTrId("CSV_AREASSYSTEM") + ".csv";
        QVERIFY(path.endsWith("/Zones.csv"));
        planttest::compareCsv(path, [&] { list.exportCsv(path); }, body);
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(tst_OvAreasSystem)
#include "tst_ovareassystem.moc"
