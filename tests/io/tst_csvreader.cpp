#include "io/QtCSV/Reader.h"
#include "io/QtCSV/StringData.h"

#include "TestBase.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

typedef QList<QStringList> Rows;

class TstCsvReader : public TestBase {
    Q_OBJECT

private slots:
    void dialect_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("plain") << QByteArray("a,b,c\n") << Rows{{"a", "b", "c"}};
        QTest::newRow("trailing separator") << QByteArray("a,b,\n") << Rows{{"a", "b", ""}};
        QTest::newRow("empty middle field") << QByteArray("a,,b\n") << Rows{{"a", "", "b"}};
        QTest::newRow("quoted separator") << QByteArray("x,\"b,c\",y\n") << Rows{{"x", "b,c", "y"}};
        QTest::newRow("quote-only values") << QByteArray("\"\"\"\"\"\",\"\",\"\"\"\"\n") << Rows{{"\"\"", "", "\""}};
        QTest::newRow("quoted then trailing separator") << QByteArray("1,\"a,b\",\n") << Rows{{"1", "a,b", ""}};
        QTest::newRow("quote not at the start") << QByteArray("ab\"c,d\n") << Rows{{"ab\"c", "d"}};
        QTest::newRow("quote after a blank") << QByteArray("a, \"b\" ,c\n") << Rows{{"a", "b", "c"}};
        QTest::newRow("unclosed quote runs on")
            << QByteArray("a,\"one\ntwo\",b\nc\n") << Rows{{"a", "one\ntwo", "b"}, {"c"}};
        QTest::newRow("separator on the next line") << QByteArray("\"x\ny,z\",w\n") << Rows{{"x\ny,z", "w"}};
        QTest::newRow("empty line inside quotes") << QByteArray("\"x\n\ny\"\n") << Rows{{"x\n\ny"}};
        QTest::newRow("opening quote ends the line") << QByteArray("a,\"\nx\",b\n") << Rows{{"a", "\nx", "b"}};
        QTest::newRow("file ends inside quotes") << QByteArray("a,\"open\nmore") << Rows{{"a", "open\nmore"}};
        QTest::newRow("CRLF") << QByteArray("a,b\r\nc,\"d\r\ne\"\r\n") << Rows{{"a", "b"}, {"c", "d\ne"}};
        QTest::newRow("empty line") << QByteArray("a\n\nb\n") << Rows{{"a"}, {}, {"b"}};
        QTest::newRow("Unicode blanks trimmed")
            << QString::fromUtf8("\u00a0a\u2003, \u3000b \n,\"\u2002c\"\n").toUtf8() << Rows{{"a", "b"}, {"", "c"}};
        QTest::newRow("tab is no blank") << QByteArray("\ta ,b\n") << Rows{{"\ta", "b"}};
        QTest::newRow("UTF-8 text") << QString::fromUtf8("1,\"Zoné \"\"ü\"\"\"\n").toUtf8()
                                    << Rows{{"1", QString::fromUtf8("Zoné \"ü\"")}};
        QTest::newRow("UTF-8 byte-order mark")
            << QByteArray("\xef\xbb\xbfZ\xc3\xa9,1\n") << Rows{{QString::fromUtf8("Zé"), "1"}};
        QTest::newRow("plant loop row") << QByteArray("Detector,3,\"Hall, \"\"east\"\"\",ION,1,0,0,0,1,1,1,,4,0,,,,1\n")
                                        << Rows{{"Detector", "3", "Hall, \"east\"", "ION", "1", "0", "0", "0", "1", "1",
                                                 "1", "", "4", "0", "", "", "", "1"}};
    }
    void dialect()
    {
        QFETCH(QByteArray, text);
        QFETCH(Rows, rows);
        QBuffer buffer(&text);
        QCOMPARE(QtCSV::Reader::readToList(buffer), rows);
    }

    // A stop from the processor ends the reading with false and the rows handed so far.
    void processorStops()
    {
        struct FirstRowOnly : QtCSV::Reader::AbstractProcessor {
            void preProcessRawLine(QString& line) override { line.replace(';', ','); }
            bool processRowElements(const QStringList& row) override
            {
                rows << row;
                return rows.size() < 2;
            }
            Rows rows;
        } processor;
        QByteArray text("a;b\nc\nd\n");
        QBuffer buffer(&text);
        QVERIFY(!QtCSV::Reader::read(buffer, processor));
        QCOMPARE(processor.rows, (Rows{{"a", "b"}, {"c"}}));
    }

    // "%1" stands for a folder holding "t.csv", "t.CSV" and a folder "dir.csv".
    void paths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("csv file") << "%1/t.csv"
                                  << "";
        QTest::newRow("other suffix") << "%1/t.CSV"
                                      << "CheckFile Warning - file suffix is not .csv";
        QTest::newRow("missing") << "%1/none.csv"
                                 << "openFile Error - wrong file path:";
        QTest::newRow("directory") << "%1/dir.csv"
                                   << "openFile Error - wrong file path:";
        QTest::newRow("relative") << "t.csv"
                                  << "openFile Error - wrong file path:";
        QTest::newRow("empty") << ""
                               << "CheckFile Error - file path is empty";
    }
    void paths()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("dir.csv"));
        for (const char* name : {"t.csv", "t.CSV"}) {
            QFile out(dir.filePath(name));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write("1,2\n") == 4);
        }
        QtCSV::StringData data;
        const bool read = QtCSV::Reader::readToData(path.contains("%1") ? path.arg(dir.path()) : path, data);
        QCOMPARE(read, !message.contains("Error"));
        QCOMPARE(data.rowValues(0), read ? (QStringList{"1", "2"}) : QStringList());
        QVERIFY2(messages(QtDebugMsg).join('\n').contains(message), qPrintable(messages(QtDebugMsg).join('\n')));
    }

    void emptySeparatorRefused()
    {
        QByteArray text("a,b\n");
        QBuffer buffer(&text);
        QtCSV::StringData data;
        QVERIFY(!QtCSV::Reader::readToData(buffer, data, QString()));
        QVERIFY(data.isEmpty());
        QVERIFY(!buffer.isOpen());
        QVERIFY(messages(QtDebugMsg).join('\n').contains("checkParams Error - separator could not be empty"));
    }
};

QTEST_GUILESS_MAIN(TstCsvReader)
#include "tst_csvreader.moc"
