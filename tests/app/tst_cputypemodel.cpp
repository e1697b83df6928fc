// The CPU type list model: rows from the brand's CPU type list, names from the CPU type table,
// refreshed only on reload. Expected names and codes are written out from the brand tables.
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/cpuTypeModel.h"
#include "core/Configuration.h"

#include <QtTest>

static const IsolatedHome s_home;

// Reaches rows past the end, which the model itself never hands out.
class RowProbe : public cpuTypeModel {
public:
    using cpuTypeModel::createIndex;
    QStringList names() const
    {
        QStringList names;
        for (int row = 0; row < rowCount(); ++row)
            names << data(index(row), 257).toString();
        return names;
    }
};

class tst_CpuTypeModel : public TestBase {
    Q_OBJECT

private slots:
    // A list set, or a brand applied, reaches the rows only through reload(), which resets the
    // model even over the same list.
    void rows_data()
    {
        QTest::addColumn<QVariant>("change");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("every named code") << QVariant(QVariantList{1, 2, 3, 4, 5, 6, 7, 8, 9, 11})
                                          << QStringList{"ZP4800", "ZP4700", "ZP1300CL", "ZP1600CL", "ZP3600CL",
                                                         "KV1300", "KV1600", "KV4600",   "ZP4800N",  "NUM"};
        QTest::newRow("codes without a name")
            << QVariant(QVariantList{0, 10, 12, 255}) << QStringList{"UNKNOWN", "UNKNOWN", "UNKNOWN", "UNKNOWN"};
        QTest::newRow("order and repeats kept")
            << QVariant(QVariantList{8, 7, 8}) << QStringList{"KV4600", "KV1600", "KV4600"};
        QTest::newRow("empty") << QVariant(QVariantList()) << QStringList();
        QTest::newRow("brand 7: the same list") << QVariant(7) << QStringList{"KV1300"};
        QTest::newRow("brand 8") << QVariant(8) << QStringList{"KV1600", "KV4600"};
    }
    void rows()
    {
        QFETCH(QVariant, change);
        Configuration* config = Configuration::instance();
        QVERIFY(s_home.isValid());
        config->loadDefaultConfig();
        QCOMPARE(config->cpuTypeList(), QVariantList{6}); // the first brand: KV1300 only
        RowProbe model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        if (change.type() == QVariant::Int)
            config->applyConfigNumber(change.toInt(), true);
        else
            config->set_cpuTypeList(change.toList());
        QCOMPARE(model.names(), QStringList{"KV1300"});
        QVERIFY(QMetaObject::invokeMethod(&model, "reload"));
        QCOMPARE(QList<int>({aboutToReset.count(), reset.count(), removed.count()}), QList<int>({1, 1, 0}));
        QCOMPARE(model.roleNames().value(257) + ' ' + model.roleNames().value(258), QByteArray("name code"));
        QTEST(model.names(), "names");
        const QVariantList list = config->cpuTypeList();
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant code = model.data(model.index(row), 258);
            QCOMPARE(code.userType(), int(QMetaType::Int));
            QCOMPARE(code, list.value(row));
            QCOMPARE(model.getCodeFromIndex(row), code.toInt());
            QCOMPARE(model.getIndexFromCode(code.toInt()), list.indexOf(code)); // the first row with it
            for (int role : {int(Qt::DisplayRole), int(Qt::EditRole), 256, 259})
                QCOMPARE(model.data(model.index(row), role), QVariant());
        }
        const int end = list.size();
        QCOMPARE(QList<int>({model.getIndexFromCode(13), model.getCodeFromIndex(-1), model.getCodeFromIndex(end)}),
                 QList<int>({-1, -1, -1}));
        for (const QModelIndex& outside : {model.createIndex(end, 0), model.createIndex(-1, 0), QModelIndex()})
            QCOMPARE(model.data(outside, 257).isValid() || model.data(outside, 258).isValid(), false);
    }
};

QTEST_GUILESS_MAIN(tst_CpuTypeModel)
#include "tst_cputypemodel.moc"
