// Replays one fuzz target (OV_FUZZ_TARGET) through its entry function: the seeds its own writers
// make, and every input the target was ever found to fail on, kept in OV_FUZZ_REGRESSIONS. The
// target ends the process on a fault, which fails the test with the target's message.
#include "FuzzTarget.h"

#include "TestBase.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_FuzzReplay : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QVERIFY(m_seeds.isValid());
        QCOMPARE(LLVMFuzzerInitialize(nullptr, nullptr), 0);
        QCOMPARE(fuzz_write_seeds(m_seeds.path().toStdString()), 0);
        QVERIFY(!QDir(m_seeds.path()).isEmpty());
    }

    void replay_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& folder : {QStringLiteral(OV_FUZZ_REGRESSIONS), m_seeds.path()}) {
            const QDir dir(folder);
            for (const QString& name : dir.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(name)) << dir.filePath(name);
        }
    }

    void replay()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray input = file.readAll();
        QCOMPARE(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size())), 0);
    }

private:
    QTemporaryDir m_seeds;
};

QTEST_GUILESS_MAIN(tst_FuzzReplay)
#include "tst_fuzzreplay.moc"
