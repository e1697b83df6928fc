#include "io/QtCSV/ContentIterator.h"
#include "io/QtCSV/Reader.h"
#include "io/QtCSV/StringData.h"
#include "io/QtCSV/VariantData.h"
#include "io/QtCSV/Writer.h"

#include "TestBase.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class TstCsvWriter : public TestBase {
    Q_OBJECT

private slots:
    void composeRow_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("line");
        QTest::newRow("quoted") << QStringList{"a", "", "b c"} << "\""
                                << "\"a\",\"\",\"b c\"\n";
        QTest::newRow("inner quotes doubled") << QStringList{"say \"hi\"", "\""} << "\""
                                              << "\"say \"\"hi\"\"\",\"\"\"\"\n";
        QTest::newRow("no delimiter") << QStringList{"a,b", "c\rd", "e\nf", "g"} << ""
                                      << "\"a,b\",\"c\rd\",\"e\nf\",g\n";
        QTest::newRow("no values") << QStringList() << "\""
                                   << "\n";
    }
    void composeRow()
    {
        QFETCH(QStringList, values);
        QFETCH(QString, delimiter);
        QFETCH(QString, line);
        QCOMPARE(QtCSV::ContentIterator::composeRow(values, ",", delimiter), line);
    }

    // Chunks of at most 1000 lines: the header opens the first, the footer closes the last.
    void chunks_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("footer");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("2500 rows") << 2500 << QStringList() << QList<int>{1000, 1000, 501};
        QTest::newRow("2500 rows, footer") << 2500 << QStringList{"end"} << QList<int>{1000, 1000, 502};
        QTest::newRow("998 rows, footer") << 998 << QStringList{"end"} << QList<int>{1000};
    }
    void chunks()
    {
        QFETCH(int, rows);
        QFETCH(QStringList, footer);
        QFETCH(QList<int>, lines);
        QtCSV::StringData data;
        for (int i = 0; i < rows; ++i)
            data << QString::number(i);
        QtCSV::ContentIterator content(data, ",", "", {"head"}, footer);
        QString all;
        QList<int> counts;
        while (content.hasNext()) {
            const QString chunk = content.getNext();
            counts << chunk.count('\n');
            all += chunk;
        }
        QCOMPARE(counts, lines);
        QVERIFY(all.startsWith("head\n0\n1\n"));
        QVERIFY(all.endsWith(QString::number(rows - 1) + (footer.isEmpty() ? "\n" : "\nend\n")));
    }

    // A rewrite replaces the whole file and leaves no temporary file; an append adds to it.
    void writeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("out.csv");
        QtCSV::StringData data;
        data << QStringList{"1", QString::fromUtf8("Zoné, \"A\"")} << QStringList{"2", "x\ny"};
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(200, 'z')) == 200);
        old.close();
        QVERIFY(QtCSV::Writer::write(path, data, ",", "\"", QtCSV::Writer::Rewrite, {"n", "name"}));
        const QByteArray expected = QString::fromUtf8("\"n\",\"name\"\n\"1\",\"Zoné, \"\"A\"\"\"\n\"2\",\"x\ny\"\n")
                                        .toUtf8();
        QCOMPARE(fileBytes(path), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.csv"});

        QtCSV::StringData more;
        more << "3";
        QVERIFY(QtCSV::Writer::write(path, more, ",", "\"", QtCSV::Writer::Append, {}, {"end"}));
        QCOMPARE(fileBytes(path), expected + "\"3\"\n\"end\"\n");

        QCOMPARE(QtCSV::Reader::readToList(path),
                 (QList<QStringList>{
                     {"n", "name"}, {"1", QString::fromUtf8("Zoné, \"A\"")}, {"2", "x\ny"}, {"3"}, {"end"}}));
    }

    void refused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty path") << ""
                                    << "write Error - empty path to file";
        QTest::newRow("empty data") << "/tmp/x.csv"
                                    << "write Error - empty data";
        QTest::newRow("relative") << "x.csv"
                                  << "write Error - wrong file path/name:";
        QTest::newRow("directory") << "/tmp"
                                   << "write Error - wrong file path/name:";
        QTest::newRow("missing folder") << "/nonexistent/x.csv"
                                        << "overwriteFile Error";
    }
    void refused()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        QtCSV::StringData data;
        if (!message.contains("empty data"))
            data << "a";
        QVERIFY(!QtCSV::Writer::write(path, data));
        QVERIFY2(messages(QtDebugMsg).join('\n').contains(message), qPrintable(messages(QtDebugMsg).join('\n')));
    }

    void device()
    {
        QBuffer buffer;
        QtCSV::StringData data;
        data << QStringList{"a", "b"};
        QVERIFY(QtCSV::Writer::write(buffer, data, ";", "'", {"h"}));
        QCOMPARE(buffer.data(), QByteArray("'h'\n'a';'b'\n"));
        QVERIFY(!QtCSV::Writer::write(buffer, QtCSV::StringData()));
    }

    // An index at or below 0 inserts at the front, one past the end appends; replacing or
    // removing outside the table changes nothing. A value without a text form is refused.
    void tables()
    {
        QtCSV::VariantData variants;
        QVERIFY(variants.addRow(QList<QVariant>{1, 2.5}));
        QVERIFY(!variants.addRow(QList<QVariant>{1, QVariantMap()}));
        QVERIFY(!variants.insertRow(0, QVariant()));
        QVERIFY(variants.insertRow(-1, QStringList{"s"}));
        QVERIFY(variants.insertRow(9, QVariant(true)));
        QVERIFY(!variants.replaceRow(3, QVariant(3)));
        variants.removeRow(3);
        QtCSV::StringData text;
        for (int row = 0; row <= variants.rowCount(); ++row)
            text << variants.rowValues(row);
        text.replaceRow(0, "t");
        QCOMPARE(text.rowValues(0) + text.rowValues(1) + text.rowValues(2) + text.rowValues(3),
                 (QStringList{"t", "1", "2.5", "true"}));
        QCOMPARE(text.rowCount(), 4);
    }
};

QTEST_GUILESS_MAIN(TstCsvWriter)
#include "tst_csvwriter.moc"
