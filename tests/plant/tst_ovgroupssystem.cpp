// The groups of a plant: the count, direct-count and sensitivity rules, the compile of a group's
// text with its log line, the group block and the general-block fields (expected bytes by hand
// from the layouts and the byte code), reading them back, and the CSV file.
#include "plant/OvGroupsSystem.h"

#include "../app/IsolatedHome.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

// Size, direct count, low and high numbers, then the runs of groups by kind ("D" direct, "R"
// reverse; "+" double consent on, "*" with a text or name), e.g. "1600 300 -1 -1 D+1-300 R301-1600".
// A group whose number or kind breaks the list's invariants shows as "!".
QString summary(const OvGroupsSystem& s)
{
    QString text = QString("%1 %2 %3 %4")
                       .arg(s.count())
                       .arg(s.directGroupsCount())
                       .arg(s.lowSensibilityGroupIndex())
                       .arg(s.highSensibilityGroupIndex());
    QString run;
    int first = 0;
    for (int p = 0; p <= s.count(); ++p) {
        QString kind;
        if (p < s.count()) {
            const OvGroup& g = s.groups().at(p);
            const bool sound = g.index() == p + 1 && g.isDirect() == (p < s.directGroupsCount());
            kind = !sound ? "!"
                          : QString(g.isDirect() ? "D" : "R") + (g.doubleConsent() ? "+" : "")
                    + (g.cbe().isEmpty() && g.description().isEmpty() ? "" : "*");
        }
        if (p > 0 && kind != run) {
            text += QString(" %1%2").arg(run).arg(first + 1) + (p > first + 1 ? QString("-%1").arg(p) : QString());
            first = p;
        }
        run = kind;
    }
    return text;
}

void name(OvGroupsSystem& s, const QList<int>& numbers)
{
    for (int n : numbers)
        s.groupAt(n - 1)->setDescription("x");
}

QByteArray groupBlock(const QMap<int, QByteArray>& programs, int doubleConsent)
{
    QByteArray bytes;
    for (int g = 1; g <= 1600; ++g) {
        QByteArray record = programs.value(g, QByteArray::fromHex("f0")).leftJustified(32, '\0');
        bytes += record + char(g <= doubleConsent ? 1 : 0);
    }
    return bytes;
}

const char* const kSelfError = "^CBE ERROR: OR\\(G301\\)\tindice gruppo fuori range\t\\(9\\)\tat pos: 4$";

} // namespace

class tst_OvGroupsSystem : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    void init() { planttest::resetPanel(); }

    void counts()
    {
        OvGroupsSystem s;
        s.init(1600);
        QCOMPARE(summary(s), QString("1600 800 -1 -1 D1-800 R801-1600"));
        for (int direct : {0, 1600, -1}) {
            s.resetGroups(direct);
            QCOMPARE(summary(s), QString("1600 800 -1 -1 D+1-800 R801-1600"));
        }
        name(s, {1, 2, 300, 301, 302, 303, 1600});
        s.groupAt(300)->setCBE("OR(G1)");
        s.resetGroups(300);
        QCOMPARE(summary(s), QString("1600 300 -1 -1 D+1-300 R301-1600"));
        QCOMPARE(s.groups().at(300).cbeErrorCode(), 0xFFFF);

        s.setLowSensibilityGroupIndex(301);
        s.setHighSensibilityGroupIndex(302);
        name(s, {1, 300, 301, 302, 303});
        // Above the list size, or negative: nothing changes.
        s.setDirectGroupsCount(1601);
        s.setDirectGroupsCount(-2);
        QCOMPARE(summary(s), QString("1600 300 301 302 D+*1 D+2-299 D+*300 R*301-303 R304-1600"));
        s.setDirectGroupsCount(302);
        QCOMPARE(summary(s), QString("1600 302 -1 -1 D+*1 D+2-299 D+*300 D+301-302 R*303 R304-1600"));
        s.setHighSensibilityGroupIndex(303);
        s.setDirectGroupsCount(100);
        QCOMPARE(summary(s), QString("1600 100 -1 303 D+*1 D+2-100 R101-302 R*303 R304-1600"));

        s.setHighSensibilityGroupIndex(500);
        s.setLowSensibilityGroupIndex(400);
        s.setDirectGroupsCount(300);
        s.setGroupsCount(400);
        QCOMPARE(summary(s), QString("400 300 400 -1 D+*1 D+2-300 R301-302 R*303 R304-400"));
        s.setGroupsCount(150);
        QCOMPARE(summary(s), QString("150 150 -1 -1 D+*1 D+2-150"));
        s.setGroupsCount(2000);
        QCOMPARE(summary(s), QString("2000 150 -1 -1 D+*1 D+2-150 R151-2000"));
        s.clear();
        QCOMPARE(summary(s), QString("0 -1 -1 -1"));
    }

    // The general fields, then the group block: direct group 5 may name group 6, direct group 300
    // may not; reverse group 301 may not name itself, 302 may name 5 and 300. Failures keep the
    // empty program. The same texts checked; the block read back into a fresh list.
    void panel()
    {
        OvGroupsSystem s;
        s.init(1600);
        s.resetGroups(300);
        s.setLowSensibilityGroupIndex(400);
        s.setHighSensibilityGroupIndex(1500);
        const QMap<int, QString> texts{{4, "(G6)"}, {299, "(G6)"}, {300, "OR(G301)"}, {301, "OR(G5 G300)"}};
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            s.groupAt(it.key())->setCBE(it.value());
        s.setGroupsCount(2000);
        s.writeGeneralFields();
        expectWarning(kSelfError);
        expectWarning("^CBE ERROR: \\(G6\\)\tindice gruppo fuori range\t\\(9\\)\tat pos: 2$");
        s.writeToPanelData();
        QCOMPARE(planttest::block(2).mid(5202, 6).toHex(), QByteArray("9001dc052c01"));
        QVERIFY(
            planttest::block(5)
            == groupBlock({{5, QByteArray::fromHex("a09600a1f0")}, {302, QByteArray::fromHex("a295009c21a1f0")}}, 300));
        s.checkCBE();
        s.groupAt(0)->setCBE("(G7)");
        QList<int> codes;
        for (int p : {4, 299, 300, 301, 5, 0})
            codes << s.groups().at(p).cbeErrorCode();
        QCOMPARE(codes, QList<int>({0, 528, 528, 0, 0, 0xFFFF}));

        OvGroupsSystem back;
        back.init(1600);
        back.groupAt(1499)->setCBE("kept");
        back.readFromPanelData();
        QCOMPARE(summary(back), QString("1600 300 400 1500 D+1-4 D+*5 D+6-300 R301 R*302 R303-1499 R*1500 R1501-1600"));
        QCOMPARE(back.groups().at(4).cbe() + back.groups().at(1499).cbe() + back.groups().at(301).cbe(),
                 QString("(G6)"
                         "kept"
                         "OR(G5 G300)"));
    }

    // A new plant's 400 groups over the panel's defaults: every record past them is a reverse
    // group's, double consent off, as a plant type with 1600 groups reads it back.
    void newPlant()
    {
        OvGroupsSystem s;
        s.init(400);
        s.resetGroups(300);
        s.writeForNewPlant();
        QCOMPARE(planttest::block(2).mid(5202, 6).toHex(), QByteArray("000000002c01"));
        QVERIFY(planttest::block(5) == groupBlock({}, 300));
        OvGroupsSystem back;
        back.init(1600);
        back.readFromPanelData();
        QCOMPARE(summary(back), QString("1600 300 -1 -1 D+1-300 R301-1600"));
        QCOMPARE(summary(s), QString("400 300 -1 -1 D+1-300 R301-400"));
    }

    // An empty text leaves the record's program; only bit 0 of byte 32 follows the group.
    void emptyProgram()
    {
        OvGroup group(7);
        u8 record[33] = {0xF0, 0xAA};
        record[32] = 0xFE;
        group.setDoubleConsent(true);
        group.writeToPanelData(record);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(record), 33).toHex(),
                 QByteArray("f0aa" + QByteArray(60, '0') + "ff"));
        group.setDoubleConsent(false);
        group.checkCBE();
        QVERIFY(group.cbeErrorCode() == 0 && group == OvGroup(7) && !(group == OvGroup(8)));
    }

    // Sensitivity numbers, the kinds, a name with a comma and one with quotes.
    void csv()
    {
        planttest::useEnglish(m_english);
        OvGroupsSystem s;
        s.init(4);
        s.setHighSensibilityGroupIndex(4);
        s.groupAt(0)->setDescription("Hall, east");
        s.groupAt(0)->setCBE("(G2)");
        s.groupAt(0)->setDoubleConsent(true);
        s.groupAt(2)->setDescription("Say \"hi\"");
        s.groupAt(2)->setCBE("OR(G1 G2)");
        const QString body = "Low sensitivity group,-1\nHigh sensitivity group,4\n\n"
                             "Index,Description,Group type,Double consent,CBE,\n"
                             "1,\"Hall, east\",Direct,1,(G2),\n2,,Direct,0,,\n"
                             "3,\"Say \"\"hi\"\"\",Reverse,0,OR(G1 G2),\n4,,Reverse,0,,\n";
        QTemporaryDir dir;
        const QString path = dir.path() + "/" + qtTrId("CSV_GROUPSSYSTEM") + ".csv";
        QVERIFY(path.endsWith("/Groups.csv"));
        planttest::compareCsv(
            path, [&] { s.exportCsv(path); }, body);
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(tst_OvGroupsSystem)
#include "tst_ovgroupssystem.moc"
