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
    QString text = QString("%1 %2 %3 %4").arg(s.count()).arg(s.directGroupsCount()).arg(s.lowSensibilityGroupIndex())
                       .arg(s.highSensibilityGroupIndex());
    QString run;
    int first = 0;
    for (int p = 0; p <= s.count(); ++p) {
        QString kind;
        if (p < s.count()) {
            const OvGroup& g = s.groups().at(p);
            const bool sound = g.index() == p + 1 && g.isDirect() == (p < s.directGroupsCount());
            kind = !sound ? "!" : QString(g.isDirect() ? "D" : "R") + (g.doubleConsent() ? "+" : "")
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

    void check()
    {
        OvGroupsSystem s;
        s.init(1600);
        s.resetGroups(300);
        s.writeGeneralFields();
        s.groupAt(4)->setCBE("(G6)");
        s.groupAt(299)->setCBE("(G6)");
        s.groupAt(300)->setCBE("OR(G301)");
        s.groupAt(301)->setCBE("OR(G5)");
        expectWarning(kSelfError);
        expectWarning("^CBE ERROR: \\(G6\\)\tindice gruppo fuori range\t\\(9\\)\tat pos: 2$");
        s.checkCBE();
        const QList<int> codes = {s.groups().at(4).cbeErrorCode(), s.groups().at(299).cbeErrorCode(),
                                  s.groups().at(300).cbeErrorCode(), s.groups().at(301).cbeErrorCode(),
                                  s.groups().at(0).cbeErrorCode()};
        QCOMPARE(codes, QList<int>({0, 528, 528, 0, 0}));
        s.groupAt(4)->setCBE("(G7)");
        QCOMPARE(s.groups().at(4).cbeErrorCode(), 0xFFFF);
        QCOMPARE(messages(QtCriticalMsg).size(), 2);
    }

    // The general fields, then the group block: group 5's program, the failing reverse group
    // 301 with the empty one, double consent on for groups 1 to 300; read back into a fresh list.
    void panel()
    {
        OvGroupsSystem s;
        s.init(1600);
        s.resetGroups(300);
        s.setLowSensibilityGroupIndex(400);
        s.setHighSensibilityGroupIndex(1500);
        s.groupAt(4)->setCBE("(G6)");
        s.groupAt(300)->setCBE("OR(G301)");
        s.groupAt(301)->setCBE("OR(G5 G300)");
        s.setGroupsCount(2000);
        s.writeGeneralFields();
        expectWarning(kSelfError);
        s.writeToPanelData();
        QCOMPARE(planttest::block(2).mid(5202, 6).toHex(), QByteArray("9001dc052c01"));
        const QMap<int, QByteArray> programs{{5, QByteArray::fromHex("a09600a1f0")},
                                             {302, QByteArray::fromHex("a295009c21a1f0")}};
        QVERIFY(planttest::block(5) == groupBlock(programs, 300));

        OvGroupsSystem back;
        back.init(1600);
        back.groupAt(1499)->setCBE("kept");
        back.readFromPanelData();
        QCOMPARE(summary(back), QString("1600 300 400 1500 D+1-4 D+*5 D+6-300 R301 R*302 R303-1499 R*1500 R1501-1600"));
        QCOMPARE(back.groups().at(4).cbe() + back.groups().at(1499).cbe() + back.groups().at(301).cbe(),
                 QString("(G6)" "kept" "OR(G5 G300)"));
    }

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
        QCOMPARE(group.cbeErrorCode(), 0);
        QCOMPARE(group, OvGroup(7));
        QVERIFY(!(group == OvGroup(8)));
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
        planttest::compareCsv(path, [&] { s.exportCsv(path); }, body);
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(tst_OvGroupsSystem)
#include "tst_ovgroupssystem.moc"
