// Loops: slot counts and fill protocols, wiring and type read from the board byte, the type
// and open-flag rules, the update and load rules, the active counts and checks, and the loop
// CSV file against texts written by hand.
#include "plant/OvLoop.h"
#include "plant/PointTypeHw.h"

#include "../app/IsolatedHome.h"
#include "LoopTestSupport.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include "ZpData/Values/DeviceCatalogue.h"

#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

Q_DECLARE_METATYPE(OvGenericPoint)

using looptest::typed;

namespace {

// "S3/1" for a valid sensor at address 3 with protocol 1, "M5/2" for a module.
QString validPoints(const OvLoop& loop)
{
    QStringList t;
    for (const OvGenericPoint* p : loop.sensors() + loop.modules()) {
        if (p->isValid())
            t << QString("%1%2/%3").arg(p->family() == 1 ? 'S' : 'M').arg(p->address()).arg(p->protocol());
    }
    return t.join(' ');
}

// An ADV loop 2 of CPU 1: PHOT sensors at 1 and 2, a CON module at 3, a four-channel module
// (MON3, MON3, FORC, CON) at 4.
OvLoop countedLoop()
{
    OvLoop loop(1, 2, true, OvLoop::LOOP_ZAV200);
    loop.updatePoint(typed(1, 2, 1, 1, 1, 1, 20, 2));
    loop.updatePoint(typed(1, 2, 2, 1, 1, 1, 20, 2));
    loop.updatePoint(typed(1, 2, 3, 1, 2, 1, 129, 21));
    OvGenericPoint m = typed(1, 2, 4, 1, 2, 1, 202, 53, 4);
    looptest::editChannels(m, [](OvGenericSubPoint& c, int i) { c.setSWType(u8(i < 2 ? 53 : 24 - i), true); });
    loop.updatePoint(m);
    return loop;
}

} // namespace

class TstOvLoop : public TestBase {
    Q_OBJECT
    QTranslator m_english;

private slots:
    void init()
    {
        QCOMPARE(g_zpConf->new_config(0), 0);
        planttest::resetPanel();
    }

    void slotCounts_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("expected"); // sensor slots, module slots, their protocols
        QTest::newRow("ZAV200") << 0 << QList<int>{159, 159, 1, 1};
        QTest::newRow("VARN500") << 1 << QList<int>{99, 99, 2, 2};
        QTest::newRow("APOLLO") << 2 << QList<int>{126, 159, 4, 2};
        QTest::newRow("undefined") << 0xFFFF << QList<int>{0, 0, 0, 0};
        QTest::newRow("3 is undefined") << 3 << QList<int>{0, 0, 0, 0};
    }
    void slotCounts()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, expected);
        OvLoop loop(2, 3, false, 0xFFFF);
        loop.setType(type, true);
        const OvGenericPoint* s = loop.getPoint(loop.sensors().size() - 1, 1);
        const OvGenericPoint* m = loop.getPoint(loop.modules().size() - 1, 2);
        QCOMPARE(
            (QList<int>{loop.sensors().size(), loop.modules().size(), s ? s->protocol() : 0, m ? m->protocol() : 0}),
            expected);
        // Slot p holds address p + 1 of the loop's CPU and loop number.
        if (m)
            QCOMPARE((QList<int>{m->family(), m->cpuIndex(), m->loopIndex(), int(m->address())}),
                     (QList<int>{2, 2, 3, expected[1]}));
        QVERIFY(loop.isEmpty());
        // A loop without owner gets no slots.
        QCOMPARE(OvLoop(0, 1, false, type).sensors().size(), 0);
    }

    void typeWiringAndUpdates()
    {
        OvLoop loop = countedLoop();
        QVERIFY(!loop.changeType(OvLoop::LOOP_ZAV200));
        QCOMPARE(validPoints(loop), QString("S1/1 S2/1 M3/1 M4/1"));
        QVERIFY(loop.setOpen(false) && loop.changeType(OvLoop::LOOP_APOLLO) && loop.isEmpty());
        loop.dump();
        QCOMPARE(messages(QtDebugMsg).last(),
                 QString("Loop: owner index = 1\tIndex = 2\ttype = LOOP_TYPE_APOLLO\tChiuso"));
        OvLoop undefined(1, 2, true, 0xFFFF);
        QVERIFY(!undefined.setOpen(false) && !undefined.changeType(OvLoop::LOOP_VARN500) && undefined.isOpen());
        // Reloading from a board byte of a closed VARN line keeps the slots and empties the points.
        OvLoop reloaded = countedLoop();
        looptest::setBoardByte(0, 0, 0x0B);
        reloaded.reloadSettings();
        QVERIFY(reloaded.isEmpty());
        QCOMPARE(reloaded.sensors().size() * 100 + reloaded.type() * 10 + reloaded.isOpen(), 15901);

        // Refused: address 0, past the list, another CPU, another loop.
        loop.changeType(OvLoop::LOOP_ZAV200);
        for (const OvGenericPoint& p : {typed(1, 2, 0, 1, 1, 1, 20, 2), typed(1, 2, 160, 1, 1, 1, 20, 2),
                                        typed(2, 2, 5, 1, 1, 1, 20, 2), typed(1, 3, 5, 1, 1, 1, 20, 2)})
            QVERIFY(!loop.updatePoint(p));
        QVERIFY(loop.updatePoint(typed(1, 2, 159, 1, 1, 1, 20, 2)));
        QVERIFY(loop.updateModule(typed(1, 2, 7, 1, 2, 1, 129, 22)));
        QVERIFY(loop.updateSubPoint(OvGenericSubPoint(typed(1, 2, 160, 1, 2, 1, 202, 53, 4), 2)));
        QVERIFY(!loop.updateSubPoint(OvGenericSubPoint(typed(1, 2, 0, 1, 2, 1, 202, 53), 2)));
        QCOMPARE(validPoints(loop), QString("S159/1 M7/1"));
        // A channel read from the panel creates its module's channels.
        OvGenericSubPoint channel(typed(1, 2, 9, 1, 2, 1, 202, 22), 3);
        channel.setDescription("third");
        loop.loadPoint(&channel);
        QCOMPARE(loop.getPoint(8, 2)->subPoints().size(), 4);
        QCOMPARE(loop.getPoint(8, 2)->subPoints().at(2).description(), QString("third"));
        QVERIFY(!loop.getPoint(159, 2) && !loop.getPoint(-1, 1));
    }

    // "owner.sub reached" when a loop address alone reaches that module's channel there
    // (sub 0: the module itself), "covered" when the module takes the address without answering
    // at it; conflicts lists the addresses of modules that take an address another takes.
    void moduleAtAddress_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<OvGenericPoint>>("modules");
        QTest::addColumn<int>("address");
        QTest::addColumn<QString>("found");
        QTest::addColumn<QString>("conflicts");
        const OvGenericPoint apollo6 = typed(1, 1, 10, 4, 2, 4, 43009, 0, 6);
        const OvGenericPoint series2 = typed(1, 1, 10, 1, 2, 2, 16398, 53, 3);
        QTest::newRow("consecutive, own address") << 2 << QList<OvGenericPoint>{apollo6} << 10 << "10.1 reached"
                                                  << "";
        QTest::newRow("consecutive, last channel") << 2 << QList<OvGenericPoint>{apollo6} << 15 << "10.6 reached"
                                                   << "";
        QTest::newRow("consecutive, after the last") << 2 << QList<OvGenericPoint>{apollo6} << 16 << "none"
                                                     << "";
        QTest::newRow("before the module") << 2 << QList<OvGenericPoint>{apollo6} << 9 << "none"
                                           << "";
        QTest::newRow("second series, own address") << 0 << QList<OvGenericPoint>{series2} << 10 << "10.0 reached"
                                                    << "";
        QTest::newRow("second series, covered") << 0 << QList<OvGenericPoint>{series2} << 12 << "10.3 covered"
                                                << "";
        QTest::newRow("ADV channels share the address")
            << 0 << QList<OvGenericPoint>{typed(1, 1, 10, 1, 2, 1, 202, 53, 4)} << 11 << "none"
            << "";
        QTest::newRow("VARN loop, ADV code with channels")
            << 1 << QList<OvGenericPoint>{typed(1, 1, 10, 1, 2, 1, 151, 0, 2)} << 11 << "10.2 covered"
            << "";
        QTest::newRow("older file, two on one address, the lower answers")
            << 2 << QList<OvGenericPoint>{apollo6, typed(1, 1, 13, 4, 2, 4, 41984, 22)} << 13 << "10.4 reached"
            << "10 13";
        QTest::newRow("older file, second series over a module")
            << 0 << QList<OvGenericPoint>{series2, typed(1, 1, 12, 1, 2, 1, 130, 46), typed(1, 1, 13, 1, 2, 1, 130, 46)}
            << 13 << "13.0 reached"
            << "10 12";
    }
    void moduleAtAddress()
    {
        QFETCH(int, type);
        QFETCH(QList<OvGenericPoint>, modules);
        QFETCH(int, address);
        QFETCH(QString, found);
        QFETCH(QString, conflicts);
        OvLoop loop(1, 1, true, type);
        for (const OvGenericPoint& m : modules)
            loop.updatePoint(m);
        const OvLoop::ModuleAtAddress at = loop.moduleAtAddress(address);
        QCOMPARE(
            at.point
                ? QString("%1.%2 %3").arg(at.point->address()).arg(at.subIndex).arg(at.byAddress ? "reached" : "covered")
                : QString("none"),
            found);
        QStringList listed;
        for (const OvGenericPoint* m : loop.conflictingModules())
            listed << QString::number(m->address());
        QCOMPARE(listed.join(' '), conflicts);
    }

    void activeCount_data()
    {
        QTest::addColumn<QList<int>>("masks"); // protocol, series, family, input type
        QTest::addColumn<int>("count");
        QTest::newRow("sensors") << QList<int>{1, 1, 1, 3} << 2;
        QTest::newRow("modules, channels counted") << QList<int>{1, 1, 2, 3} << 5;
        QTest::newRow("module inputs") << QList<int>{1, 1, 2, 1} << 2;
        QTest::newRow("module outputs") << QList<int>{1, 1, 2, 2} << 3;
        QTest::newRow("all") << QList<int>{7, 7, 3, 3} << 7;
        QTest::newRow("other protocol") << QList<int>{2, 7, 3, 3} << 0;
        QTest::newRow("other series") << QList<int>{7, 2, 3, 3} << 0;
        QTest::newRow("no family") << QList<int>{7, 7, 0, 3} << 0;
    }
    void activeCount()
    {
        QFETCH(QList<int>, masks);
        QFETCH(int, count);
        const OvLoop loop = countedLoop();
        QCOMPARE(loop.getActivePointCount(masks[0], masks[1], masks[2], masks[3]), count);
        if (masks[1] == 7 || masks[1] == 1)
            QCOMPARE(loop.getActiveCount(masks[0], masks[2], masks[3]), count);
    }

    void checks()
    {
        OvLoop loop = countedLoop();
        // Its typed points have no zone yet; zone 1 on every point and channel completes it.
        QVERIFY(!loop.isAreaAssigned() && !loop.hasCBEError());
        for (const QList<OvGenericPoint*>& list : {loop.sensors(), loop.modules()})
            for (const OvGenericPoint* p : list) {
                if (!p->isValid())
                    continue;
                OvGenericPoint zoned = *p;
                for (int position = 0; position <= zoned.subPoints().size(); ++position)
                    zoned.setAreaIndex(position, 1);
                loop.updatePoint(zoned);
            }
        QVERIFY(loop.isAreaAssigned());
        OvGenericPoint bad = *loop.getPoint(0, 1);
        bad.setCBE("OR(G1");
        loop.updatePoint(bad);
        QVERIFY(!loop.hasCBEError()); // unchecked
        expectWarning("^CBE ERROR: OR\\(G1\\t");
        loop.checkCBE();
        QVERIFY(loop.hasCBEError());

        // A module whose channels are all invalid has no area.
        OvGenericPoint m = *loop.getPoint(3, 2);
        looptest::editChannels(m, [](OvGenericSubPoint& c, int) { c.setSWType(0, true); });
        loop.updatePoint(m);
        QVERIFY(!loop.isAreaAssigned());
    }

    // KORVA input modules (codes 180 to 182) need KORVA sensors (code 65) at their inputs.
    void fastInput_data()
    {
        QTest::addColumn<int>("hw");
        QTest::addColumn<QList<int>>("inputs"); // first and second input, per channel for code 180
        QTest::addColumn<bool>("invalid");
        QTest::newRow("181 on a KORVA sensor") << 181 << QList<int>{1, 0} << false;
        QTest::newRow("181 on another sensor") << 181 << QList<int>{3, 0} << true;
        QTest::newRow("181 past the list") << 181 << QList<int>{160, 0} << true;
        QTest::newRow("182 both right") << 182 << QList<int>{1, 4} << false;
        QTest::newRow("182 second on a free address") << 182 << QList<int>{1, 2} << true;
        QTest::newRow("180 channels right") << 180 << QList<int>{1, 4} << false;
        QTest::newRow("180 second channel wrong") << 180 << QList<int>{1, 3} << true;
    }
    void fastInput()
    {
        QFETCH(int, hw);
        QFETCH(QList<int>, inputs);
        QFETCH(bool, invalid);
        OvLoop loop(1, 1, true, OvLoop::LOOP_ZAV200);
        loop.updatePoint(typed(1, 1, 1, 1, 1, 1, 65, 60));
        loop.updatePoint(typed(1, 1, 3, 1, 1, 1, 20, 2));
        loop.updatePoint(typed(1, 1, 4, 1, 1, 1, 65, 60));
        QVERIFY(!loop.hasInvalidFastInput());
        OvGenericPoint m = typed(1, 1, 10, 1, 2, 1, u16(hw), 22, hw == 180 ? 2 : 0);
        m.setFastInput(inputs.at(0), inputs.at(1), false);
        looptest::editChannels(m, [&](OvGenericSubPoint& c, int i) { c.setFastInput(inputs.at(i), 0, false); });
        QVERIFY(loop.updatePoint(m));
        QCOMPARE(loop.hasInvalidFastInput(), invalid);
    }

    void csv()
    {
        planttest::useEnglish(m_english);
        QTemporaryDir dir;
        const QString caption = "Family,Address,Description,Type,Audit,Tracking,Flashing,Alert level,Low sensitivity,"
                                "Normal sensitivity,High sensitivity,CBE,Zone,Sounder control off,Input device 1,"
                                "Input device 2,Input logic,Input/output,\n";

        // Loop 2 of CPU 1, ADV, open.
        OvLoop adv(1, 2, true, OvLoop::LOOP_ZAV200);
        OvGenericPoint s = typed(1, 2, 3, 1, 1, 2, 0x4003, 2);
        s.setDescription("Hall");
        s.setAreaIndex(7);
        s.setSensitivities(4, 2, 8);
        s.setCBE("OR(G1 G2)");
        s.setCheckTracking(true);
        s.setRaviRadioFlag(true);
        adv.updatePoint(s);
        OvGenericPoint out = typed(1, 2, 5, 1, 2, 1, 129, 21);
        out.setDescription("Door, east");
        out.setFastInput(0, 0, false);
        adv.updatePoint(out);
        OvGenericPoint m = typed(1, 2, 12, 1, 2, 1, 202, 53, 4);
        looptest::editChannels(m, [](OvGenericSubPoint& c, int i) {
            c.setDescription(QString("ch%1").arg(i + 1));
            c.setAreaIndex(20 + i);
            c.setCheckFlashing(i == 0);
            c.setSWType(u8(QList<int>{53, 0, 22, 53}[i]), true); // channel 2 invalid: left out
        });
        adv.updatePoint(m);
        // The type column is the catalogue's caption; its own tests cover its texts.
        const QString conName = PointType::getTypeName(2, 1, 1, 129, 21);
        const QString model202 = QString::fromLatin1(get_device_model_name(202));
        QVERIFY(!conName.isEmpty() && !model202.isEmpty());
        const QString advBody = "Loop type,Open\nProtocol,ADV\n\n" + caption
            + "Detector,3,Hall,PHOT,1,1,0,0,2,4,8,OR(G1 G2),7,1,,,,1\n"
              "Module,5,\"Door, east\","
            + conName + ",,0,0,,,,,,-1,,0,0,0,2\nModule,12,," + model202
            + ",,,,,,,,,,,,,,\n"
              "Module,12_1,ch1,MON3,,0,1,,,,,,20,,0,0,0,1\n"
              "Module,12_3,ch3,FORC,,0,0,,,,,,22,,0,0,0,2\n"
              "Module,12_4,ch4,MON3,,0,0,,,,,,23,,0,0,0,1\n";
        const QString advPath = dir.path() + "/Loop_ 1_ 2.csv";
        QCOMPARE(OvLoop::csvFileName(dir.path(), 1, 2), advPath);
        planttest::compareCsv(
            advPath, [&] { adv.exportCSV(dir.path()); }, advBody);

        // VARN: channels numbered on from the module's address, no summary row.
        OvLoop varn(12, 3, false, OvLoop::LOOP_VARN500);
        OvGenericPoint v = typed(12, 3, 20, 2, 2, 1, 133, 53, 2);
        looptest::editChannels(v, [](OvGenericSubPoint& c, int i) { c.setSWType(i ? 22 : 53, true); });
        varn.updatePoint(v);
        const QString varnBody = "Loop type,Closed\nProtocol,VARN\n\n" + caption
            + "Module,20,,MON3,,0,0,,,,,,-1,,0,0,0,1\nModule,21,,FORC,,0,0,,,,,,-1,,0,0,0,2\n";
        planttest::compareCsv(
            dir.path() + "/Loop_12_ 3.csv", [&] { varn.exportCSV(dir.path()); }, varnBody);

        // APOLLO: channels that take address + sub-address are numbered as the panel reaches them.
        OvLoop apollo(2, 1, false, OvLoop::LOOP_APOLLO);
        OvGenericPoint a = typed(2, 1, 10, 4, 2, 4, 43009, 0, 6);
        const PointTypeHw apolloHw(4, 4, 2, 43009);
        looptest::editChannels(a, [&](OvGenericSubPoint& c, int i) {
            c.setSWType(i == 0 || i == 2 ? u8(apolloHw.channels().at(i).swTypes().first()) : u8(0), true);
        });
        apollo.updatePoint(a);
        QVERIFY(apollo.exportCSV(dir.path()));
        QFile apolloCsv(OvLoop::csvFileName(dir.path(), 2, 1));
        QVERIFY(apolloCsv.open(QIODevice::ReadOnly));
        QStringList indexes;
        for (const QByteArray& line : apolloCsv.readAll().split('\n')) {
            if (line.startsWith("Module,"))
                indexes << QString::fromUtf8(line.split(',').value(1));
        }
        QCOMPARE(indexes, QStringList({"10", "12"}));

        // No valid point, undefined type.
        const OvLoop empty(3, 1, false, 0xFFFF);
        planttest::compareCsv(
            dir.path() + "/Loop_ 3_ 1.csv", [&] { empty.exportCSV(dir.path()); },
            "Loop type,Closed\nProtocol,VARN\n\n" + caption);

        // An unwritable folder: no file, no message.
        empty.exportCSV(dir.path() + "/missing");
        QVERIFY(!QFile::exists(dir.path() + "/missing/Loop_ 3_ 1.csv"));
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(TstOvLoop)
#include "tst_ovloop.moc"
