// CPUs of the plant: construction and type, board management with the board count written at
// once, loops by global index, the CPU record (status byte and name by hand), 64 and 65 boards,
// the system's list operations and getters, and the CPU CSV file.
#include "plant/CPUSystem.h"

#include "../app/IsolatedHome.h"
#include "LoopTestSupport.h"
#include "PlantTestSupport.h"
#include "TestBase.h"

#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

using looptest::typed;

namespace {

// Installed flags of the board list, "1 0 1" style.
QString installed(const CPUDevice& cpu)
{
    QStringList t;
    for (const OvLib& lib : cpu.libs())
        t << (lib.isInstalled() ? "1" : "0");
    return t.join(' ');
}

// Bit 0 of the four board bytes of CPU record c.
QString recordBoards(int c)
{
    const QByteArray zpx = planttest::block(2);
    QString t;
    for (int b = 0; b < 4; ++b)
        t += QString::number(zpx.at(int(looptest::boardOffset(c, b))) & 1);
    return t;
}

QString indexes(const CPUSystem& s)
{
    QStringList t;
    for (int p = 0; p < s.count(); ++p)
        t << QString("%1%2").arg(s.cpuAt(p)->index()).arg(s.cpuAt(p)->isEnabled() ? "+" : "");
    return t.join(' ');
}

// 16 CPUs of four boards, and CPU 17 with one board when withExtra; a sensor on every loop.
CPUSystem boards(bool withExtra)
{
    CPUSystem s;
    s.resetTo(17);
    for (int c = 1; c <= 17; ++c) {
        CPUDevice* cpu = s.cpuAt(c - 1);
        cpu->setEnabled(c < 17 || withExtra);
        for (int b = 1; b < (c < 17 ? 4 : 1); ++b)
            cpu->addLib();
        for (int loop = 1; loop <= int(cpu->getLibCount()) * 2; ++loop)
            cpu->setPoint(&static_cast<const OvGenericPoint&>(typed(c, loop, loop, 1, 1, 1, 20, 2)));
    }
    return s;
}

QList<QByteArray> deviceBlocks()
{
    QList<QByteArray> blocks;
    for (u32 t = 70; t < 198; ++t)
        blocks << planttest::block(t);
    return blocks;
}

} // namespace

class TstCPUDevice : public TestBase {
    Q_OBJECT
    QTranslator m_english;

    // A board count written into the panel data binds the auxiliary records of the boards, which
    // the library traces as error lines.
    void boardsBound() { traceErrors("set_cpu_llId"); }

private slots:
    void init()
    {
        QCOMPARE(g_zpConf->new_config(0), 0);
        planttest::resetPanel();
    }

    void construction()
    {
        const CPUDevice first(1);
        QCOMPARE(QString("%1 %2 %3").arg(first.isEnabled()).arg(installed(first)).arg(first.cpuType()),
                 QString("1 1 1"));
        QCOMPARE(first.getCPUTypeName(), QString("ZP4800"));
        CPUDevice second(2);
        QCOMPARE(QString("%1 %2 %3").arg(second.isEnabled()).arg(second.libs().size()).arg(second.getLibCount()),
                 QString("0 0 0"));
        QVERIFY(second.setEnabled(true));
        QCOMPARE(installed(second), QString("1"));

        // A copy takes the type; an assignment keeps its own.
        second.setCpuType(9);
        QCOMPARE(CPUDevice(second).cpuType(), 9u);
        CPUDevice assigned(3);
        assigned = second;
        QCOMPARE(QString("%1 %2 %3").arg(assigned.cpuType()).arg(assigned.index()).arg(installed(assigned)),
                 QString("1 2 1"));
        // Enabling a CPU without a number gives it no board.
        CPUDevice none;
        QVERIFY(none.setEnabled(true) && none.libs().isEmpty());
        // The only CPU type of a single-line model.
        QCOMPARE(g_zpConf->new_config(1), 0);
        QCOMPARE(CPUDevice().cpuType(), 2u);
    }

    // A move gives what a copy gives, points included, and keeps the target's type.
    void moveAssignment()
    {
        const CPUSystem s = boards(false);
        const CPUDevice& source = *s.cpuAt(2);
        const auto summary = [](const CPUDevice& cpu) {
            QStringList t{installed(cpu), QString::number(cpu.index()), QString::number(cpu.cpuType())};
            for (const OvLib& lib : cpu.libs())
                for (const OvLoop* loop : lib.loops())
                    for (const OvGenericPoint* p : loop->sensors())
                        if (p->isValid())
                            t << QString("%1:%2").arg(loop->loopIndex()).arg(p->address());
            return t.join(' ');
        };
        CPUDevice copied(5);
        copied = source;
        CPUDevice moved(5);
        moved.addLib();
        moved.addLib();
        moved.addLib();
        moved.addLib();
        CPUDevice taken(source);
        moved = std::move(taken);
        QCOMPARE(summary(moved), summary(copied));
        QCOMPARE(summary(moved), QString("1 1 1 1 3 1 1:1 2:2 3:3 4:4 5:5 6:6 7:7 8:8"));
    }

    void boardsAddedAndRemoved()
    {
        CPUDevice cpu(1);
        QStringList steps;
        auto step = [&] { steps << installed(cpu) + "/" + recordBoards(0); };
        cpu.setLibCount(3);
        step();
        cpu.setLibCount(1);
        step();
        cpu.installLib(2);
        cpu.addLib(); // board 2, the first not installed
        step();
        cpu.addLib();
        cpu.addLib(); // no fifth board
        cpu.uninstallLib(9);
        step();
        cpu.removeLastInstalledLib();
        step();
        // A disabled CPU: the record changes, the boards do not.
        cpu.setEnabled(false);
        cpu.setLibCount(2);
        step();
        QCOMPARE(
            steps,
            (QStringList{"1 1 1/1110", "1 0 0/1000", "1 1 1/1000", "1 1 1 1/1000", "1 1 1 0/1000", "1 1 1 0/1100"}));
        QCOMPARE(cpu.getLibCount() * 10 + cpu.getInstalledLibCount(), 3u);
        QCOMPARE(messages(QtDebugMsg).filter("setLibCount").last(),
                 QString("CPUDevice::setLibCount(): CPU[1]LIB COUNT = 2"));
        boardsBound();
    }

    // The record names the boards installed, and a count past four is refused, not faked.
    void libCountReached_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("reached");
        QTest::addColumn<QString>("boards");
        QTest::addColumn<QString>("record");
        QTest::newRow("3") << 3 << true << "1 1 1"
                           << "1110";
        QTest::newRow("4, the limit") << 4 << true << "1 1 1 1"
                                      << "1111";
        QTest::newRow("5, one past") << 5 << false << "1 1 1 1"
                                     << "1111";
    }
    void libCountReached()
    {
        QFETCH(int, count);
        CPUDevice cpu(1);
        QTEST(cpu.setLibCount(u32(count)), "reached");
        QTEST(installed(cpu), "boards");
        QTEST(recordBoards(0), "record");
        QCOMPARE(int(cpu.getLibCount()), std::min(count, 4));
        boardsBound();
    }

    void loopsByGlobalIndex()
    {
        CPUDevice cpu(1);
        cpu.setLibCount(2);
        QVERIFY(cpu.setLoopType(2, 1) && !cpu.setLoopType(5, 1));
        QCOMPARE(cpu.getLoop(2).type() * 10 + cpu.getLoop(2).loopIndex(), 13);
        QVERIFY(cpu.setLoopOpenFlag(3, true) && cpu.isLoopOpen(3));
        QVERIFY(!cpu.setLoopOpenFlag(5, true) && !cpu.isLoopOpen(5));
        QCOMPARE(cpu.getLoop(5).type(), 0xFFFF);
        for (const OvGenericPoint& p : {typed(1, 4, 6, 1, 1, 1, 20, 2), typed(2, 4, 7, 1, 1, 1, 20, 2)})
            cpu.setPoint(&p);
        QVERIFY(!cpu.isLoopEmpty(3) && cpu.isLoopEmpty(2) && cpu.getPoint(3, 5, 1)->isValid());
        QCOMPARE(cpu.getLoopActiveCount(3, 1, 1, 1) * 10 + cpu.getActiveCount(7, 3, 3), 11);
        QCOMPARE(cpu.getPoint(6, 5, 1), nullptr);
        boardsBound();

        // A loop on a board that does not exist yet brings the boards up to it, never past 4.
        CPUDevice other(2);
        other.setLoop(OvLoop(2, 5, true, 1));
        other.setLoop(OvLoop(2, 9, true, 1));
        other.setLoop(OvLoop(3, 1, true, 1));
        QCOMPARE(installed(other), QString("1 1 1"));
        QCOMPARE(other.getLoop(4).type(), 1);
    }

    // Status byte: bit 0 enabled, 1 SIB, 2 UPS, bits 3-7 the CPU type; name at 20, 32 bytes.
    void record_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("sib");
        QTest::addColumn<bool>("ups");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("all on, name cut at 32") << true << true << true << "Control room of building C, floor 2"
                                                << QByteArray("Control room of building C, floo\x0f");
        QTest::newRow("disabled") << false << false << false << "Annex"
                                  << QByteArray("Annex").append(QByteArray(27, '\0')).append('\x08');
        QTest::newRow("SIB only") << true << true << false << QString() << QByteArray(32, '\0').append('\x0b');
    }
    void record()
    {
        QFETCH(bool, enabled);
        QFETCH(bool, sib);
        QFETCH(bool, ups);
        QFETCH(QString, description);
        QFETCH(QByteArray, expected);
        CPUDevice cpu(3);
        cpu.setEnabled(enabled);
        cpu.setUPSFlag(ups);
        cpu.setDescription(description);
        if (sib)
            cpu.enableRSSIB(4);
        looptest::freeDeviceBlocks();
        QCOMPARE(cpu.writeToPanelData(), 0);
        QCOMPARE(planttest::block(2).mid(4 + 61 * 2 + 20, 33), expected);
        // Only an enabled CPU stores its board.
        QCOMPARE(planttest::block(70).left(2), enabled ? QByteArray("\x02\x00", 2) : QByteArray("\xff\xff"));
    }

    // 64 boards fill the 64 device blocks; a 65th is left out with a count and a critical line,
    // and every device and name block is as without it.
    void boards65()
    {
        looptest::freeDeviceBlocks();
        QCOMPARE(boards(false).writeToPanelData(), 0);
        const QList<QByteArray> without = deviceBlocks();
        QCOMPARE(without.at(63).left(2), QByteArray("\x0f\x03"));

        planttest::resetPanel();
        looptest::freeDeviceBlocks();
        expectWarning("^No free device block: CPU 17 LIB 1 loop 1 not stored, 1 device records left out$");
        expectWarning("^No free device block: CPU 17 LIB 1 loop 2 not stored, 1 device records left out$");
        QCOMPARE(boards(true).writeToPanelData(), 2);
        QCOMPARE(deviceBlocks(), without);
        QCOMPARE(int(planttest::block(2).at(int(looptest::boardOffset(16, 0))) & 1), 1);
    }

    void system()
    {
        CPUSystem s;
        s.resetTo(5);
        s.cpuAt(2)->setEnabled(true);
        QCOMPARE(indexes(s), QString("1+ 2 3+ 4 5"));
        QCOMPARE(indexes(CPUSystem(s, true)), QString("1+ 3+"));
        s.resize(3);
        QCOMPARE(indexes(s), QString("1+ 2 3+"));
        int i = -1;
        QList<int> walk;
        while (const CPUDevice* cpu = s.getNextEnabledCPU(i))
            walk << int(cpu->index()) << i;
        QCOMPARE(walk << i, (QList<int>{1, 0, 3, 2, 3}));
        s.resize(5);
        QCOMPARE(indexes(s), QString("1+ 2 3+ 4 5"));
        QVERIFY(s.isLibInstalled(0, 0) && !s.isLibInstalled(1, 0) && !s.isLibInstalled(9, 0));
        s.cpuAt(0)->setEnabled(false);
        s.ensureFirstCPUEnabled();
        QVERIFY(s.cpuAt(0)->isEnabled());
        CPUDevice edited = *s.cpuAt(3);
        edited.setDescription("Edited");
        s.setCPU(edited);
        CPUSystem copy;
        copy = s;
        QCOMPARE(copy.cpuAt(3)->description(), QString("Edited"));

        // Per-CPU settings by list position; out of range nothing is set and nothing read.
        s.setSupervisorModbusRTU(1, 5, 3);
        s.setSupervisorModbusRTU(9, 5, 3);
        s.enableNetworkGW(1, 0x0A000001, 0xFF000000, 0x0A0000FE);
        QCOMPARE((QList<u32>{s.getSUPType(1), s.getSUPmbAddr(1), s.getSUPmbBaud(1), s.getSUPType(9)}),
                 (QList<u32>{1, 5, 3, 0xFFFFFFFF}));
        QCOMPARE(s.getGWNetMask(1) + "|" + s.getSIBIPAddr(9), QString("255.0.0.0|"));
        QVERIFY(!s.isSIBEnabled(9));
        QCOMPARE(messages(QtDebugMsg).last(), QString("CPUSystem::isSIBEnabled (9 - 5): false"));
    }

    void csv()
    {
        planttest::useEnglish(m_english);
        CPUSystem s;
        s.resetTo(2);
        CPUDevice* first = s.cpuAt(0);
        first->setDescription("Main, hall");
        first->setLibCount(2);
        first->enableNetworkSIB(0xC0A8010A, 0xFFFFFF00, 0xC0A80101);
        first->enableRSSIB(7);
        s.cpuAt(1)->setDescription("Annex");
        QTemporaryDir dir;
        const QString path = dir.path() + "/" + qtTrId("CSV_CPUSSYSTEM") + ".csv";
        QVERIFY(path.endsWith("/Panels.csv"));
        planttest::compareCsv(
            path, [&] { s.exportCsv(path); },
            "Panel,Installed,Name,Loops,SIB,SIB RS address,SIB address,SIB netmask,SIB gateway,\n"
            "1,1,\"Main, hall\",4,Enabled,7,192.168.1.10,255.255.255.0,192.168.1.1,\n"
            "2,0,Annex,0,Disabled,,,,,\n");

        // File names of the loops (enabled CPUs only) and of the viewers.
        first->exportLoopsCsv(dir.path());
        s.cpuAt(1)->exportLoopsCsv(dir.path());
        CPUDevice(7).exportViewersCsv(dir.path());
        QDir folder(dir.path());
        QCOMPARE(folder.entryList({"*.csv"}, QDir::Files, QDir::Name),
                 (QStringList{"Loop_ 1_ 1.csv", "Loop_ 1_ 2.csv", "Loop_ 1_ 3.csv", "Loop_ 1_ 4.csv", "Panels.csv",
                              "Viewers_ 7.csv"}));
        s.exportCsv(dir.path() + "/missing/x.csv");
        QVERIFY(!QFile::exists(dir.path() + "/missing/x.csv"));
        boardsBound();
        QCoreApplication::removeTranslator(&m_english);
    }
};

QTEST_GUILESS_MAIN(TstCPUDevice)
#include "tst_cpudevice.moc"
