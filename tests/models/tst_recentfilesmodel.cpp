// The recent-files and plant parameter models. The stored list lives in a private HOME; a
// letter c stands for the path "/p/c".
#include "../app/IsolatedHome.h"
#include "TestBase.h"
#include "core/OvParametersReference.h"
#include "models/OvPlantParameterMdl.h"
#include "models/OvRecentFilesModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

static const IsolatedHome s_home;

class Probe : public OvRecentFilesModel {
public:
    using OvRecentFilesModel::createIndex;
    using OvRecentFilesModel::OvRecentFilesModel;
};

class tst_RecentFilesModel : public TestBase {
    Q_OBJECT

    QStringList debugSince(int mark) const { return messages(QtDebugMsg).mid(mark); }

private slots:
    void init()
    {
        QVERIFY(s_home.isValid());
        QSettings().clear();
    }

    // Files opened in turn reach the rows on reset only, newest first, nine at most, none twice.
    void rows_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("rows");
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("nine") << "012345678"
                              << "876543210";
        QTest::newRow("ten keep nine") << "0123456789"
                                       << "987654321";
        QTest::newRow("third opened again") << "abcdb"
                                            << "bdca";
    }
    void rows()
    {
        QFETCH(QString, opened);
        Probe model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy aboutToReset(&model, &Probe::modelAboutToBeReset), reset(&model, &Probe::modelReset);
        QSignalSpy updated(&model, &Probe::dataUpdated);
        QList<int> seenByUpdate;
        connect(&model, &Probe::dataUpdated, this, [&] { seenByUpdate << aboutToReset.count() << reset.count(); });
        for (const QChar c : opened)
            OvParametersReference().addToRecentOpenFile(QString("/p/") + c);
        QCOMPARE(model.rowCount(), 0);
        model.reset();
        QCOMPARE(seenByUpdate + QList<int>({reset.count(), updated.count()}), QList<int>({1, 0, 1, 1}));
        for (Probe* shown : {&model, new Probe(this)}) {
            QString rows;
            for (int row = 0; row < shown->rowCount(); ++row) {
                QCOMPARE(shown->data(shown->index(row, 0), Probe::itemFileIndex), QVariant(row));
                rows += shown->data(shown->index(row, 0), Probe::itemFileName).toString().remove("/p/");
            }
            QTEST(rows, "rows");
        }
        OvParametersReference::ClearRecentOpenFile();
        model.reset();
        QCOMPARE(QList<int>({model.rowCount(), updated.count()}), QList<int>({0, 2}));
    }

    // A click asks for the file of its row; a row outside the list asks nothing.
    void clicked_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("selected");
        QTest::newRow("first of nine") << 9 << 0 << QStringList("/p/0");
        QTest::newRow("last of nine") << 9 << 8 << QStringList("/p/8");
        QTest::newRow("past the end of nine") << 9 << 9 << QStringList();
        QTest::newRow("before the start") << 9 << -1 << QStringList();
        QTest::newRow("empty list") << 0 << 0 << QStringList();
    }
    void clicked()
    {
        QFETCH(int, stored);
        QFETCH(int, row);
        QSettings().setValue(
            "recentFiles",
            QStringList(QString("/p/0 /p/1 /p/2 /p/3 /p/4 /p/5 /p/6 /p/7 /p/8").split(' ').mid(0, stored)));
        OvRecentFilesModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy selected(&model, &OvRecentFilesModel::selectFile);
        const int mark = messages(QtDebugMsg).size();
        model.clicked(row);
        QStringList files;
        for (const QList<QVariant>& args : selected)
            files << args.at(0).toString();
        QTEST(files, "selected");
        QCOMPARE(debugSince(mark), QStringList("\t\tclicked on index = " + QString::number(row)));
    }

    // Role 258 logs one line, a cell outside the list nothing.
    void cells()
    {
        QSettings().setValue("recentFiles", QStringList({"/p/a", "/p/b"}));
        Probe model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const int mark = messages(QtDebugMsg).size();
        QCOMPARE(QVariantList({model.data(model.index(0, 0), 258), model.data(model.createIndex(2, 0), 257),
                               model.data(model.createIndex(-1, 0), 257), model.data(model.createIndex(0, -1), 257)}),
                 QVariantList({{}, {}, {}, {}}));
        QCOMPARE(debugSince(mark), QStringList("OvRecentFilesModel::data:Role: 258\tNot Handled"));
        const QModelIndex cell = model.index(0, 0);
        QCOMPARE(QList<int>({model.columnCount(), model.rowCount(cell), model.columnCount(cell), int(model.flags(cell)),
                             int(model.flags(QModelIndex())), int(model.flags(model.createIndex(0, -1)))}),
                 QList<int>({1, 0, 0, 163, 0, 0}));
        const QHash<int, QByteArray> names = model.roleNames();
        QCOMPARE(QByteArrayList({names.value(0), names.value(256), names.value(257), names.value(258)}),
                 QByteArrayList({"display", "itemFileIndex", "itemFileName", ""}));
        QCOMPARE(model.property("emptyString"), QVariant(QString()));
    }

    // One row of four empty columns; only roles outside its own four are logged.
    void plantParameter()
    {
        OvPlantParameterMdl model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QModelIndex cell = model.index(0, 3);
        QCOMPARE(QList<int>({model.rowCount(), model.columnCount(), model.rowCount(cell), model.columnCount(cell),
                             int(model.flags(cell)), int(model.flags(QModelIndex()))}),
                 QList<int>({1, 4, 0, 0, 163, 0}));
        const QHash<int, QByteArray> names = model.roleNames();
        QCOMPARE(QByteArrayList({names.value(0), names.value(256), names.value(257), names.value(258), names.value(259),
                                 names.value(260), names.value(261)}),
                 QByteArrayList({"display", "", "parameterID", "parameterName", "parameterType", "parameterVald", ""}));
        const int mark = messages(QtDebugMsg).size();
        for (int role : {256, 257, 260, 261})
            QCOMPARE(model.data(model.index(0, 0), role), QVariant());
        QCOMPARE(model.data(QModelIndex(), 300), QVariant());
        QCOMPARE(debugSince(mark),
                 QStringList({"OvPlantParameterMdl::data:Role: 256\tNot Handled",
                              "OvPlantParameterMdl::data:Role: 261\tNot Handled"}));
    }
};

QTEST_GUILESS_MAIN(tst_RecentFilesModel)
#include "tst_recentfilesmodel.moc"
