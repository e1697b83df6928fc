// The CSV writer the plant's files share: quoting, trailing separators, UTF-8 and "\n" whatever
// the locale, a file that cannot be opened.
#include "plant/PlantCsv.h"

#include "../app/IsolatedHome.h"
#include "TestBase.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

static const IsolatedHome s_home;

class tst_PlantCsv : public TestBase {
    Q_OBJECT

private slots:
    void quoting_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "Hall east" << "," << "Hall east";
        QTest::newRow("empty") << "" << "," << "";
        QTest::newRow("separator") << "Hall, east" << "," << "\"Hall, east\"";
        QTest::newRow("other separator") << "Hall, east" << ";" << "Hall, east";
        QTest::newRow("semicolon") << "a;b" << ";" << "\"a;b\"";
        QTest::newRow("quotes") << "Say \"hi\"" << "," << "\"Say \"\"hi\"\"\"";
        QTest::newRow("lone quote") << "\"" << "," << "\"\"\"\"";
        QTest::newRow("cr") << "a\rb" << "," << "\"a\rb\"";
        QTest::newRow("lf") << "a\nb" << "," << "\"a\nb\"";
        QTest::newRow("blank and tab") << " a\tb " << "," << " a\tb ";
    }
    void quoting()
    {
        QFETCH(QString, cell);
        QFETCH(QString, separator);
        QTEST(PlantCsv::quoted(cell, separator), "written");
    }

    void lines()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/x.csv";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("a much longer text than the new file holds") > 0);
        old.close();
        // A Latin-1 locale must not change what is written.
        QTextCodec* const locale = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
        {
            PlantCsv csv(path);
            QVERIFY(csv.isOpen());
            QCOMPARE(csv.separator(), QString(","));
            csv.writeLine({"1", QString::fromUtf8("Caf\u00e9 \u20ac"), "a,b"}, true);
            csv.writeLine({"1", "2"}, false);
            csv.writeLine({}, true);
            csv.writeLine({""}, true);
        }
        QTextCodec::setCodecForLocale(locale);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1,Caf\xc3\xa9 \xe2\x82\xac,\"a,b\",\n1,2\n\n,\n"));

        PlantCsv missing(dir.path() + "/no/such/folder/x.csv");
        QVERIFY(!missing.isOpen());
        missing.writeHeader("x");
        missing.writeLine({"1"}, true);
    }
};

QTEST_GUILESS_MAIN(tst_PlantCsv)
#include "tst_plantcsv.moc"
