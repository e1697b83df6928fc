// The language list: built-in translations and the files of a folder, the row of the stored
// language, the request to switch and the signals after a switch.
#include "../app/IsolatedHome.h"
#include "TestBase.h"
#include "core/Configuration.h"
#include "core/OvLanguageModel.h"
#include "core/OvParametersReference.h"

#include <QtTest>

#include <memory>

static const IsolatedHome s_home;

class tst_LanguageModel : public TestBase {
    Q_OBJECT

    QTemporaryDir m_folder;
    // Held for the whole test, so the store is not loaded again (and logged) at every use.
    std::unique_ptr<OvParametersReference> m_parameters;

    static QStringList column(const OvLanguageModel& model, int role)
    {
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.data(model.index(row, 0), role).toString();
        return texts;
    }
    void store(const QString& code) { m_parameters->setActualLanguage(code); }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QVERIFY(s_home.isValid() && m_folder.isValid());
        Configuration::instance()->loadDefaultConfig();
        m_parameters.reset(new OvParametersReference);
        for (const char* name : {"ov4800_de.qm", "ov4800_EN.qm", "ov4800_d.qm", "other_sv.qm"}) {
            QFile file(m_folder.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }

    void rows_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("no folder") << "/nonexistent/translations"
                                   << QStringList{"en", "es", "fr", "hu", "it", "nl", "no", "pt", "ro"};
        QTest::newRow("folder") << "" << QStringList{"EN", "de", "es", "fr", "hu", "it", "nl", "no", "pt", "ro"};
    }
    void rows()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, codes);
        store(QStringLiteral("en"));
        OvLanguageModel model(folder.isEmpty() ? m_folder.path() : folder, nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), 4);
        QCOMPARE(column(model, OvLanguageModel::lgDescription), codes);
        QCOMPARE(model.data(model.index(0, 0), 256).toString(), "../Resources/" + codes.at(0) + ".png");
        QCOMPARE(model.data(model.index(2, 3), 259).toString(), QStringLiteral("#  2"));
        QCOMPARE(model.data(model.index(codes.size() - 1, 0), 259).toString(),
                 QStringLiteral("#%1").arg(codes.size() - 1, 3));
        QCOMPARE(model.roleNames().value(258), QByteArray("lgDescription"));
    }

    void active_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("row");
        QTest::newRow("fr") << "fr" << 2;
        QTest::newRow("first") << "en" << 0;
        QTest::newRow("last") << "ro" << 8;
        QTest::newRow("unknown") << "de" << -1;
        QTest::newRow("case differs") << "FR" << -1;
    }
    void active()
    {
        QFETCH(QString, stored);
        QFETCH(int, row);
        store(stored);
        OvLanguageModel model(QStringLiteral("/nonexistent"), nullptr);
        QCOMPARE(model.selectedRow(), row);
        for (int r = 0; r < model.rowCount(); ++r)
            QCOMPARE(model.data(model.index(r, 1), OvLanguageModel::lgActive).toBool(), r == row);
    }

    void clicked_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("emitted");
        QTest::addColumn<QStringList>("info");
        const QStringList none;
        QTest::newRow("active row") << 2 << none << QStringList{"initials = fr", "getActualLanguage = fr"};
        QTest::newRow("other row") << 4 << QStringList{"ov4800_it.qm"}
                                   << QStringList{"initials = it", "getActualLanguage = fr"};
        QTest::newRow("last") << 8 << QStringList{"ov4800_ro.qm"}
                              << QStringList{"initials = ro", "getActualLanguage = fr"};
        QTest::newRow("past the end") << 9 << none << none;
        QTest::newRow("negative") << -1 << none << none;
    }
    void clicked()
    {
        QFETCH(int, row);
        QFETCH(QStringList, emitted);
        QFETCH(QStringList, info);
        store(QStringLiteral("fr"));
        OvLanguageModel model(QStringLiteral("/nonexistent"), nullptr);
        QSignalSpy spy(&model, &OvLanguageModel::selectLanguage);
        reset();
        model.clicked(row);
        QStringList files;
        for (const QList<QVariant>& args : spy)
            files << args.at(0).toString();
        QCOMPARE(files, emitted);
        QCOMPARE(messages(QtDebugMsg), QStringList{QStringLiteral("\t\tclicked on index = %1").arg(row)});
        QCOMPARE(messages(QtInfoMsg), info);
    }

    // dataChanged for the new row, then the old one, then modelChanged; an unknown language
    // has no row to announce.
    void languageChanged_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<int>("selected");
        QTest::newRow("fr to it") << "fr"
                                  << "it" << QList<int>{4, 2} << 4;
        QTest::newRow("unknown to pt") << "de"
                                       << "pt" << QList<int>{7} << 7;
        QTest::newRow("hu to unknown") << "hu"
                                       << "iw" << QList<int>{3} << -1;
        QTest::newRow("unknown to unknown") << "de"
                                            << "ar" << QList<int>{} << -1;
    }
    void languageChanged()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QList<int>, rows);
        QFETCH(int, selected);
        store(from);
        OvLanguageModel model(QStringLiteral("/nonexistent"), nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QStringList order;
        connect(
            &model, &QAbstractItemModel::dataChanged, this,
            [&order](const QModelIndex& first, const QModelIndex& last) {
                QCOMPARE(first.row(), last.row());
                order << QStringLiteral("row %1 columns %2-%3").arg(first.row()).arg(first.column()).arg(last.column());
            });
        connect(&model, &OvLanguageModel::modelChanged, this, [&order] { order << QStringLiteral("modelChanged"); });
        store(to);
        model.onApplicationLanguageChanged();
        QStringList expected;
        for (int row : rows)
            expected << QStringLiteral("row %1 columns 0-3").arg(row);
        expected << QStringLiteral("modelChanged");
        QCOMPARE(order, expected);
        QCOMPARE(model.selectedRow(), selected);
    }

    void cleanupTestCase()
    {
        m_parameters.reset();
        TestBase::cleanupTestCase();
    }

    // A refresh tells of new data inside the model reset.
    void refreshSignals()
    {
        OvLanguageModel model(m_folder.path(), nullptr);
        QStringList order;
        connect(&model, &QAbstractItemModel::modelAboutToBeReset, this, [&order] { order << "aboutToBeReset"; });
        connect(&model, &OvLanguageModel::dataUpdated, this, [&order] { order << "dataUpdated"; });
        connect(&model, &QAbstractItemModel::modelReset, this, [&order] { order << "modelReset"; });
        model.refresh();
        QCOMPARE(order, (QStringList{"aboutToBeReset", "dataUpdated", "modelReset"}));
        QCOMPARE(model.rowCount(), 10);
    }

    void dataAndFlags()
    {
        OvLanguageModel model(QStringLiteral("/nonexistent"), nullptr);
        reset();
        QVERIFY(!model.data(model.index(0, 0), 260).isValid());
        QCOMPARE(messages(QtDebugMsg), QStringList{QStringLiteral("OvLanguageModel::data:Role: 260\tNot Handled")});
        QVERIFY(!model.data(QModelIndex(), 258).isValid());
        QCOMPARE(int(model.flags(model.index(1, 2))), 163);
        QCOMPARE(int(model.flags(QModelIndex())), 0);
        QCOMPARE(model.getEmptyString(), QString());
        QCOMPARE(OvLanguageModel::languageCode(QStringLiteral("ov4800_it.qm")), QStringLiteral("it"));
        QCOMPARE(OvLanguageModel::languageCode(QStringLiteral("a_b_iw.x.qm")), QStringLiteral("iw.x"));
        QCOMPARE(OvLanguageModel::languageCode(QStringLiteral("noext")), QString());
    }
};

QTEST_GUILESS_MAIN(tst_LanguageModel)
#include "tst_languagemodel.moc"
