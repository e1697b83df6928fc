// The small choosers: zone names following the zone table, the LIB limit of each panel model,
// the KORVA detectors of a loop and the plant types, re-translated on a language change.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/ChoiceListModels.h"
#include "models/OvAreaModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

using modeltest::FixturePlant;
using plantbuild::point;

namespace {

// Brackets every id, so a re-translated row is told from one left alone.
class FakeTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* id, const char*, int) const override { return QString("[%1]").arg(id); }
};

QStringList texts(const QAbstractItemModel& model, int role = Qt::UserRole + 1)
{
    QStringList list;
    for (int row = 0; row < model.rowCount(); ++row)
        list << model.data(model.index(row, 0), role).toString();
    return list;
}

} // namespace

class tst_ChoiceListModels : public TestBase {
    Q_OBJECT

private slots:
    void zonesFollowTheTable()
    {
        FixturePlant plant(5);
        plant->areas().resize(4);
        plant->areas().areaAt(0)->setDescription("Hall");
        plant->areas().areaAt(2)->setDescription("Roof");
        OvAreaListModel zones;
        QAbstractItemModelTester tester(&zones, QAbstractItemModelTester::FailureReportingMode::QtTest);
        OvAreaModel table;
        connect(&table, &OvAreaModel::descritionModified, &zones, &OvAreaListModel::onAreaDescriptionChanged);
        table.rebuildModel();
        QCOMPARE(texts(zones), (QStringList{"PT_NOT_ASSIGNED", "1: Hall", "2", "3: Roof"}));
        table.setAreaDescription(QList<int>{0}, "Lobby");
        QCOMPARE(texts(zones).at(1), QString("1: Lobby"));
        table.setAreaDescription(QList<int>{0}, "");
        QCOMPARE(texts(zones).at(1), QString("1"));
        table.copy(2, {0});
        QCOMPARE(texts(zones).at(1), QString("1: Roof"));
        QSignalSpy changed(&zones, &QAbstractItemModel::dataChanged);
        zones.onAreaDescriptionChanged({-1, 3}, "Cellar");
        QCOMPARE(changed.count(), 0);

        FakeTranslator translator;
        QCoreApplication::installTranslator(&translator);
        zones.onApplicationLanguageChanged();
        QCOMPARE(texts(zones), (QStringList{"[PT_NOT_ASSIGNED]", "1: Roof", "2", "3: Roof"}));
        QCoreApplication::removeTranslator(&translator);
    }

    void libs_data()
    {
        QTest::addColumn<int>("panelType");
        QTest::addColumn<int>("rows");
        QTest::newRow("type 0") << 0 << 4;
        QTest::newRow("type 11") << 11 << 2;
        QTest::newRow("type 5") << 5 << 1;
        QTest::newRow("outside the table") << 200 << 1;
    }
    void libs()
    {
        QFETCH(int, panelType);
        QFETCH(int, rows);
        const u32 saved = g_zpConf->get_panel_type();
        g_zpConf->set_panel_type(u32(panelType));
        OvLibModel libs;
        QAbstractItemModelTester tester(&libs, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(libs.rowCount(), rows);
        QCOMPARE(texts(libs).first(), QString("CPUInfo-SingleLib"));
        QCOMPARE(libs.getnLibFromIndex(3), 0);
        QCOMPARE(libs.getIndexFromNLib(0), 0);
        QCOMPARE(libs.getIndexFromNLib(2), -1);
        FakeTranslator translator;
        QCoreApplication::installTranslator(&translator);
        libs.reset();
        QCOMPARE(texts(libs).last(),
                 QString(rows == 4       ? "[CPUInfo-FourLibs]"
                             : rows == 2 ? "[CPUInfo-DoubleLibs]"
                                         : "[CPUInfo-SingleLib]"));
        QCoreApplication::removeTranslator(&translator);
        g_zpConf->set_panel_type(saved);
    }

    void korvaDetectors()
    {
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        CPUDevice* cpu = plant->cpus().cpuAt(0);
        cpu->setLibCount(1);
        cpu->setLoopType(0, 1);
        plant->setPoint(point(1, 1, 9, 2, 1, 1, 65, 4));
        plant->setPoint(point(1, 1, 3, 2, 1, 1, 65, 4));
        plant->setPoint(point(1, 1, 5, 2, 1, 1, 30, 4));
        OvPinnModel korva;
        QAbstractItemModelTester tester(&korva, QAbstractItemModelTester::FailureReportingMode::QtTest);
        korva.setActiveLoop(0, 0);
        QCOMPARE(texts(korva), (QStringList{"ID_PT_NONE", "3", "9"}));
        QCOMPARE(korva.getDeviceAddress(2), QVariant(9));
        QVERIFY(!korva.getDeviceAddress(0).isValid() && !korva.getDeviceAddress(3).isValid());
        // Past the CPU's LIBs, or no such CPU: the list stays.
        korva.setActiveLoop(0, 8);
        korva.setActiveLoop(3, 0);
        korva.setActiveLoop(0, -1);
        QCOMPARE(korva.rowCount(), 3);
        korva.setActiveLoop(0, 1);
        QCOMPARE(texts(korva), QStringList{"ID_PT_NONE"});
    }

    // A role none of them serves is logged at debug level, as the event filter list logs it.
    void roleNotHandled_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("zones") << "OvAreaListModel::data:Role 0\tNot Handled";
        QTest::newRow("libs") << "OvLibModel::data:Role 0\tNot Handled";
        QTest::newRow("korva") << "OvPinnModel::data:Role 0\tNot Handled";
        QTest::newRow("plant types") << "OvPlantTypeModel::data:Role 0\tNot Handled";
    }
    void roleNotHandled()
    {
        QFETCH(QString, line);
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        plant->cpus().cpuAt(0)->setLibCount(1);
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvAreaListModel zones;
        OvLibModel libs;
        OvPinnModel korva;
        korva.setActiveLoop(0, 0);
        OvPlantTypeModel types;
        const QMap<QString, const QAbstractListModel*> models{
            {"zones", &zones}, {"libs", &libs}, {"korva", &korva}, {"plant types", &types}};
        const QAbstractListModel* model = models.value(QTest::currentDataTag());
        QVERIFY(model && model->rowCount() > 0);
        const int mark = messages(QtDebugMsg).size();
        QVERIFY(!model->data(model->index(0), Qt::DisplayRole).isValid());
        QCOMPARE(messages(QtDebugMsg).mid(mark), QStringList(line));
    }

    void plantTypes()
    {
        Configuration* brand = Configuration::instance();
        const QVariantList saved = brand->cpuTypeList();
        brand->set_cpuTypeList({});
        OvPlantTypeModel types;
        QAbstractItemModelTester tester(&types, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(types.rowCount(), 2);
        QCOMPARE(texts(types), (QStringList{"PlantTypeStandAlone", "PlantTypeSuper"}));
        QVERIFY(types.data(types.index(1), 259).toBool());
        QVERIFY(types.data(types.index(0), 258).toString().startsWith("../Resources/"));
        QVERIFY(!types.data(types.index(0), 260).isValid());
        FakeTranslator translator;
        QCoreApplication::installTranslator(&translator);
        types.reset();
        QCOMPARE(texts(types), (QStringList{"[PlantTypeStandAlone]", "[PlantTypeSuper]"}));
        QCoreApplication::removeTranslator(&translator);
        brand->set_cpuTypeList(saved);
    }
};

QTEST_GUILESS_MAIN(tst_ChoiceListModels)
#include "tst_choicelistmodels.moc"
