// Loop numbers across boards, for panels of one and of two lines per board, with the lines
// asked of the panel and given by the caller.
#include "plant/LoopNumbering.h"

#include "TestBase.h"

#include "ZpData/Container/ZpConf.h"

#include <QtTest>

class tst_LoopNumbering : public TestBase {
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("board");
        QTest::addColumn<int>("line");
        QTest::newRow("two lines, loop 1") << 0u << 2 << 1 << 0 << 0;
        QTest::newRow("two lines, loop 2") << 0u << 2 << 2 << 0 << 1;
        QTest::newRow("two lines, loop 3") << 0u << 2 << 3 << 1 << 0;
        QTest::newRow("two lines, loop 8") << 0u << 2 << 8 << 3 << 1;
        QTest::newRow("one line, loop 1") << 1u << 1 << 1 << 0 << 0;
        QTest::newRow("one line, loop 4") << 1u << 1 << 4 << 3 << 0;
    }
    void numbers()
    {
        QFETCH(uint, panelType);
        QFETCH(int, lines);
        QFETCH(int, loop);
        QFETCH(int, board);
        QFETCH(int, line);
        QCOMPARE(g_zpConf->new_config(panelType), 0);
        QCOMPARE(linesPerBoard(), lines);
        const QVector<int> want{board, line, loop};
        QCOMPARE(QVector<int>({boardOfLoop(loop), lineOfLoop(loop), loopOfLine(board, line)}), want);
        QCOMPARE(QVector<int>({boardOfLoop(loop, lines), lineOfLoop(loop, lines), loopOfLine(board, line, lines)}),
                 want);
        // No loop 0: no board, line 0.
        QCOMPARE(QVector<int>({boardOfLoop(0, lines), lineOfLoop(0, lines)}), QVector<int>({-1, 0}));
    }
};

QTEST_APPLESS_MAIN(tst_LoopNumbering)
#include "tst_loopnumbering.moc"
