// The CPU type list model: rows from the brand's CPU type list, names from the CPU type table,
// refreshed only on reload. Expected names and codes are written out from the brand tables.
#include "app/Configuration.h"
#include "app/cpuTypeModel.h"
#include "IsolatedHome.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QSignalSpy>
#include "MessageCapture.h"

#include <QtTest>

namespace {

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list << QVariant(v);
    return list;
}

// Reaches rows past the end, which the model itself never hands out.
class RowProbe : public cpuTypeModel {
public:
    using cpuTypeModel::createIndex;
};

// The one-argument form QML may call.
QVariant dataWithoutRole(cpuTypeModel* model, const QModelIndex& index)
{
    QVariant result(QVariant::Int);
    const bool called = QMetaObject::invokeMethod(model, "data", Qt::DirectConnection,
                                                  Q_RETURN_ARG(QVariant, result),
                                                  Q_ARG(QModelIndex, index));
    return called ? result : QVariant(QStringLiteral("not callable"));
}

} // namespace

class tst_CpuTypeModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void roleNames();
    void followsBrandConfiguration_data();
    void followsBrandConfiguration();
    void rowsStayUntilReload();
    void rows_data();
    void rows();
    void indexFromCode_data();
    void indexFromCode();
    void codeFromIndex_data();
    void codeFromIndex();
    void unservedRolesAreSilent_data();
    void unservedRolesAreSilent();
    void dataOutsideRows();
    void dataLogLine();
    void emptyList();

private:
    Configuration* m_config = nullptr;
};

void tst_CpuTypeModel::initTestCase()
{
    messagecapture::install();
    m_config = Configuration::instance();
}

void tst_CpuTypeModel::init()
{
    messagecapture::warnings() = 0;
    // Configuration 7: one CPU type, KV1300.
    m_config->loadDefaultConfig();
    QCOMPARE(m_config->cpuTypeList(), ints({6}));
}

void tst_CpuTypeModel::cleanup()
{
    QCOMPARE(messagecapture::warnings(), 0);
}

void tst_CpuTypeModel::roleNames()
{
    cpuTypeModel model(nullptr);
    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(257), QByteArray("name"));
    QCOMPARE(names.value(258), QByteArray("code"));
    QCOMPARE(names.value(Qt::DisplayRole), QByteArray("display"));
    QCOMPARE(names.value(Qt::EditRole), QByteArray("edit"));
    QCOMPARE(int(cpuTypeModel::name), 257);
    QCOMPARE(int(cpuTypeModel::code), 258);
}

void tst_CpuTypeModel::followsBrandConfiguration_data()
{
    QTest::addColumn<int>("configNumber");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QVariantList>("codes");
    QTest::addColumn<int>("resets");

    QTest::newRow("7: same list, no reset") << 7 << QStringList{"KV1300"} << ints({6}) << 0;
    QTest::newRow("8") << 8 << QStringList{"KV1600", "KV4600"} << ints({7, 8}) << 1;
}

// The application reloads the model on every change of the brand's CPU type list.
void tst_CpuTypeModel::followsBrandConfiguration()
{
    QFETCH(int, configNumber);
    QFETCH(QStringList, names);
    QFETCH(QVariantList, codes);
    QFETCH(int, resets);

    cpuTypeModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.data(model.index(0), cpuTypeModel::name), QVariant(QStringLiteral("KV1300")));
    QCOMPARE(model.data(model.index(0), cpuTypeModel::code), QVariant(6));

    connect(m_config, &Configuration::cpuTypeListChanged, &model, &cpuTypeModel::reload);
    QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    QCOMPARE(m_config->applyConfigNumber(configNumber, true), true);
    QCOMPARE(aboutToReset.count(), resets);
    QCOMPARE(reset.count(), resets);
    QCOMPARE(model.rowCount(), names.size());
    for (int row = 0; row < names.size(); ++row) {
        QCOMPARE(model.data(model.index(row), cpuTypeModel::name), QVariant(names.at(row)));
        QCOMPARE(model.data(model.index(row), cpuTypeModel::code), codes.at(row));
    }
}

void tst_CpuTypeModel::rowsStayUntilReload()
{
    cpuTypeModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    QCOMPARE(m_config->set_cpuTypeList(ints({7, 8})), true);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.getIndexFromCode(8), -1);
    QCOMPARE(reset.count(), 0);

    QVERIFY(QMetaObject::invokeMethod(&model, "reload"));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.getIndexFromCode(8), 1);

    // A reload over the same list still resets once, leaving the same rows.
    model.reload();
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model.rowCount(), 2);
}

void tst_CpuTypeModel::rows_data()
{
    QTest::addColumn<QVariantList>("list");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("every named code")
        << ints({1, 2, 3, 4, 5, 6, 7, 8, 9, 11})
        << QStringList{"ZP4800", "ZP4700", "ZP1300CL", "ZP1600CL", "ZP3600CL",
                       "KV1300", "KV1600", "KV4600", "ZP4800N", "NUM"};
    QTest::newRow("code without a name") << ints({10}) << QStringList{"UNKNOWN"};
    QTest::newRow("0, 12 and 255") << ints({0, 12, 255})
                                   << QStringList{"UNKNOWN", "UNKNOWN", "UNKNOWN"};
    QTest::newRow("order kept, repeats kept") << ints({8, 7, 8})
                                              << QStringList{"KV4600", "KV1600", "KV4600"};
}

void tst_CpuTypeModel::rows()
{
    QFETCH(QVariantList, list);
    QFETCH(QStringList, names);

    m_config->set_cpuTypeList(list);
    cpuTypeModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), names.size());
    QCOMPARE(model.rowCount(model.index(0)), 0);
    for (int row = 0; row < names.size(); ++row) {
        QCOMPARE(model.data(model.index(row), cpuTypeModel::name), QVariant(names.at(row)));
        QCOMPARE(model.data(model.index(row), cpuTypeModel::code), list.at(row));
        QCOMPARE(model.data(model.index(row), cpuTypeModel::code).userType(), int(QMetaType::Int));
    }
}

void tst_CpuTypeModel::indexFromCode_data()
{
    QTest::addColumn<QVariantList>("list");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("index");

    QTest::newRow("7 of 7, 8") << ints({7, 8}) << 7 << 0;
    QTest::newRow("8 of 7, 8") << ints({7, 8}) << 8 << 1;
    QTest::newRow("6 of 7, 8") << ints({7, 8}) << 6 << -1;
    QTest::newRow("first of repeats") << ints({8, 7, 8}) << 8 << 0;
    QTest::newRow("10 of 10") << ints({10}) << 10 << 0;
    QTest::newRow("empty") << QVariantList() << 7 << -1;
}

void tst_CpuTypeModel::indexFromCode()
{
    QFETCH(QVariantList, list);
    QFETCH(int, code);
    QFETCH(int, index);

    m_config->set_cpuTypeList(list);
    cpuTypeModel model(nullptr);
    int result = -2;
    QVERIFY(QMetaObject::invokeMethod(&model, "getIndexFromCode", Q_RETURN_ARG(int, result),
                                      Q_ARG(int, code)));
    QCOMPARE(result, index);
}

void tst_CpuTypeModel::codeFromIndex_data()
{
    QTest::addColumn<QVariantList>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");

    QTest::newRow("row 0") << ints({7, 8}) << 0 << 7;
    QTest::newRow("row 1") << ints({7, 8}) << 1 << 8;
    QTest::newRow("row 2 of 2") << ints({7, 8}) << 2 << -1;
    QTest::newRow("row -1") << ints({7, 8}) << -1 << -1;
    QTest::newRow("empty") << QVariantList() << 0 << -1;
}

void tst_CpuTypeModel::codeFromIndex()
{
    QFETCH(QVariantList, list);
    QFETCH(int, index);
    QFETCH(int, code);

    m_config->set_cpuTypeList(list);
    cpuTypeModel model(nullptr);
    int result = -2;
    QVERIFY(QMetaObject::invokeMethod(&model, "getCodeFromIndex", Q_RETURN_ARG(int, result),
                                      Q_ARG(int, index)));
    QCOMPARE(result, code);
}

void tst_CpuTypeModel::unservedRolesAreSilent_data()
{
    QTest::addColumn<int>("role");

    QTest::newRow("display") << int(Qt::DisplayRole);
    QTest::newRow("edit") << int(Qt::EditRole);
    QTest::newRow("256") << 256;
    QTest::newRow("259") << 259;
}

void tst_CpuTypeModel::unservedRolesAreSilent()
{
    QFETCH(int, role);

    m_config->set_cpuTypeList(ints({7, 8}));
    cpuTypeModel model(nullptr);
    MessageCapture log;
    QCOMPARE(model.data(model.index(1), role), QVariant());
    // Only the line every call writes.
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().at(0).startsWith(QLatin1String("GET DATA CPU TYPE ")),
             qPrintable(log.lines().at(0)));
}

void tst_CpuTypeModel::dataOutsideRows()
{
    m_config->set_cpuTypeList(ints({7, 8}));
    RowProbe model;
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.data(model.createIndex(2, 0), cpuTypeModel::name), QVariant());
    QCOMPARE(model.data(model.createIndex(2, 0), cpuTypeModel::code), QVariant());
    QCOMPARE(model.data(model.createIndex(-1, 0), cpuTypeModel::name), QVariant());
    QCOMPARE(model.data(QModelIndex(), cpuTypeModel::name), QVariant());
    // Without a role: the display role, which the model does not serve.
    QCOMPARE(dataWithoutRole(&model, model.index(0)), QVariant());
    QCOMPARE(model.data(model.index(0), cpuTypeModel::name), QVariant(QStringLiteral("KV1600")));
}

void tst_CpuTypeModel::dataLogLine()
{
    m_config->set_cpuTypeList(ints({7, 8}));
    cpuTypeModel model(nullptr);
    MessageCapture log;
    model.data(model.index(1), cpuTypeModel::code);
    model.data(QModelIndex(), cpuTypeModel::code);
    QCOMPARE(log.lines(), (QStringList{
                              "GET DATA CPU TYPE  true 1 (\"KV1600\", \"KV4600\")",
                              "GET DATA CPU TYPE  false -1 (\"KV1600\", \"KV4600\")",
                          }));
}

void tst_CpuTypeModel::emptyList()
{
    cpuTypeModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    QCOMPARE(m_config->set_cpuTypeList(QVariantList()), true);
    model.reload();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.getIndexFromCode(6), -1);
    QCOMPARE(model.getIndexFromCode(0), -1);
    QCOMPARE(model.getCodeFromIndex(0), -1);
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    if (!home.isValid())
        return 1;
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OvTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_cputypemodel"));
    tst_CpuTypeModel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cputypemodel.moc"
