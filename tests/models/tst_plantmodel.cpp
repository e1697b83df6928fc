// The plant navigation tree: shape, clicks, row data, badges and the upkeep that inserts and
// removes rows, with QAbstractItemModelTester watching throughout.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPlantModel.h"
#include "models/PlantTreeRules.h"

#include <QAbstractItemModelTester>
#include <QLoggingCategory>
#include <QTranslator>
#include <QtTest>

using modeltest::at;
using modeltest::FixturePlant;
using plantbuild::point;

namespace {

// Two loops per board on panel 8, one on panel 1; stand-alone: CPU 1 with two boards, CPU 3 with one.
void twoCpus(Plant& plant)
{
    plant.setPlantType(0, false);
    CPUSystem& cpus = plant.cpus();
    cpus.resize(3);
    cpus.cpuAt(0)->setLibCount(2);
    cpus.cpuAt(2)->setEnabled(true);
    cpus.cpuAt(2)->setLibCount(1);
}

// Only the loop label, which takes the loop's number.
class LoopLabel : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* id, const char*, int) const override
    {
        return qstrcmp(id, "LBL_CPU_LOOP") == 0 ? QStringLiteral("Loop %1") : QString();
    }
};

OvGenericPoint varnSensor(int loop, int address)
{
    return point(1, loop, address, 2, 1, 1, 30, 4);
}

} // namespace

class tst_PlantModel : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        qRegisterMetaType<const OvGenericPoint*>("const OvGenericPoint*");
    }
    void init() { Configuration::instance()->set_has_network_type(false); }

    void faceOfTheModel()
    {
        FixturePlant plant(0);
        OvPlantModel model(&*plant);
        const QHash<int, QByteArray> roles = model.roleNames();
        QCOMPARE((QList<QByteArray>{roles.value(257), roles.value(258), roles.value(259), roles.value(260),
                                    roles.value(261)}),
                 (QList<QByteArray>{"itemIconImagePath", "itemDescription", "itemHeight", "itemEnabled", ""}));
        QCOMPARE((QList<int>{model.columnCount(), model.columnCount(at(model, {0})), int(model.flags(at(model, {0}))),
                             int(model.flags(QModelIndex()))}),
                 (QList<int>{4, 4, 0x23, 0}));
        QCOMPARE(model.headerData(1, Qt::Horizontal), QVariant("itemDescription"));
        QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
        // Children only under column 0.
        QCOMPARE(model.rowCount(model.index(0, 1)), 0);
        QVERIFY(!model.index(0, 0, model.index(0, 1)).isValid());
        QVERIFY(!model.setData(at(model, {0}), 1));
    }

    void shape_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QList<int>>("counts");
        // root, plant, CPUs, first CPU, second CPU
        QTest::newRow("panel 8") << 8 << QList<int>{2, 3, 2, 5, 3};
        QTest::newRow("panel 1") << 1 << QList<int>{2, 3, 2, 3, 2};
    }
    void shape()
    {
        QFETCH(int, panel);
        QFETCH(QList<int>, counts);
        FixturePlant plant(panel);
        twoCpus(*plant);
        OvPlantModel model(nullptr);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        model.rebuildModel(&*plant);
        QCOMPARE((QList<int>{model.rowCount(), model.rowCount(at(model, {0})), model.rowCount(at(model, {1})),
                             model.rowCount(at(model, {1, 0})), model.rowCount(at(model, {1, 1}))}),
                 counts);
        QCOMPARE(model.getPlantDescription(), plant->getDescription());
    }

    void repeatersFollowThePlantType()
    {
        Configuration::instance()->set_has_network_type(true);
        FixturePlant plant(8, true);
        plant->setPlantType(0, false);
        OvPlantModel model(&*plant);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &OvPlantModel::rowsInserted), removed(&model, &OvPlantModel::rowsRemoved);
        QCOMPARE(model.rowCount(at(model, {0})), 3);
        plant->setPlantType(1, false);
        model.onPlantTypeChanged();
        QCOMPARE(inserted.count(), 1);
        QCOMPARE(inserted.at(0).at(0).value<QModelIndex>(), at(model, {0}));
        QCOMPARE(inserted.at(0).at(1).toInt(), 3);
        QCOMPARE(model.getInfoToolTip(at(model, {0, 3})), QString("PLANT_REPEATERS_PAGE"));
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {0, 3})));
        plant->setPlantType(0, false);
        model.onPlantTypeChanged();
        QCOMPARE(removed.count(), 1);
        QCOMPARE(removed.at(0).at(1).toInt(), 3);
        QCOMPARE(model.rowCount(at(model, {0})), 3);
        // The removed row was current: the next click on the plant is a new one.
        QSignalSpy info(&model, &OvPlantModel::plantInfoPageSelected);
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {0})));
        QCOMPARE(info.count(), 1);
    }

    void clicks()
    {
        FixturePlant plant(8);
        twoCpus(*plant);
        OvPlantModel model(&*plant);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy cpu(&model, &OvPlantModel::cpuPageSelected), loop(&model, &OvPlantModel::loopPageSelected);
        QCOMPARE(model.getActiveCPULoopCount(), -1);
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 0})));
        QCOMPARE(cpu.count(), 1);
        QCOMPARE(cpu.takeFirst().at(0).toInt(), 1);
        QCOMPARE(model.getActiveCPULoopCount(), 4);
        uint c = 7, l = 7;
        QVERIFY(!model.getCurrentLoopAddress(c, l));
        QCOMPARE(c + l, 14u);
        for (int again = 0; again < 2; ++again)
            model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 0, 2})));
        QCOMPARE(cpu.count(), 1);
        QCOMPARE(cpu.takeFirst().at(0).toInt(), -1);
        QCOMPARE(loop.count(), 1);
        QCOMPARE(loop.takeFirst(), (QList<QVariant>{0, 1}));
        QCOMPARE(model.getActiveCPULoopCount(), -1);
        QVERIFY(model.getCurrentLoopAddress(c, l));
        QCOMPARE((QList<uint>{c, l}), (QList<uint>{0, 1}));

        // From one CPU to another: only the new index.
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 0})));
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 1})));
        QCOMPARE(cpu.count(), 2);
        QCOMPARE(cpu.at(1).at(0).toInt(), 3);

        QSignalSpy annunciator(&model, &OvPlantModel::annunciatorPageSelected);
        QSignalSpy groups(&model, &OvPlantModel::generalGroupsPageSelected);
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 1, 0})));
        QCOMPARE(annunciator.count(), 1);
        QCOMPARE(annunciator.at(0).at(0).toInt(), 2);
        model.onTreeViewItemClicked(QVariant(42));
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {0, 2})));
        QCOMPARE(groups.count(), 1);

        // Programmatic selections: selected once, echoed to the view.
        QSignalSpy selected(&model, &OvPlantModel::itemSelected),
            areas(&model, &OvPlantModel::generalAreasPageSelected);
        model.onSelectAreaIndex(5);
        model.onSelectAreaIndex(6);
        QCOMPARE(areas.count(), 1);
        QCOMPARE(selected.count(), 1);
        QCOMPARE(selected.at(0).at(0).value<QModelIndex>(), at(model, {0, 1}));
        QSignalSpy expand(&model, &OvPlantModel::expandModelIndex), points(&model, &OvPlantModel::pointPageSelected);
        model.onSelectSensor(1, 0, 5);
        QCOMPARE(expand.count(), 1);
        QCOMPARE(expand.at(0).at(0).value<QModelIndex>(), at(model, {1}));
        QCOMPARE(selected.last().at(0).value<QModelIndex>(), at(model, {1, 0}));
        QCOMPARE(points.count(), 1);
        model.onSelectModule(1, 3, 2);
        QCOMPARE(selected.last().at(0).value<QModelIndex>(), at(model, {1, 0, 3}));
        model.onSelectCPURqst(2);
        QCOMPARE(selected.last().at(0).value<QModelIndex>(), at(model, {1, 1}));
    }

    void rows_data()
    {
        QTest::addColumn<int>("loopType");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("icon");
        QTest::newRow("ADV closed") << 0 << false << "loopAdvancedClose.png";
        QTest::newRow("ADV open") << 0 << true << "loopAdvancedOpen.png";
        QTest::newRow("VARN closed") << 1 << false << "loopVarnClose.png";
        QTest::newRow("VARN open") << 1 << true << "loopVarnOpen.png";
        QTest::newRow("APOLLO closed") << 2 << false << "loopAplClose.png";
        QTest::newRow("APOLLO open") << 2 << true << "loopAplOpen.png";
    }
    void rows()
    {
        QFETCH(int, loopType);
        QFETCH(bool, open);
        QFETCH(QString, icon);
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        OvPlantModel model(&*plant);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const QModelIndex loop = at(model, {1, 0, 1});
        QSignalSpy changed(&model, &OvPlantModel::dataChanged);
        model.onLoopTypeChanged(0, 0, loopType);
        model.onLoopOpenFlagChanged(0, 0, open);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), (QVector<int>{257, 258}));
        QCOMPARE(changed.at(1).at(2).value<QVector<int>>(), (QVector<int>{257}));
        QCOMPARE(model.data(loop, 257).toString(), icon);
        QCOMPARE(model.data(loop, 258).toString(), QString());
    }

    void texts()
    {
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        CPUDevice* cpu = plant->cpus().cpuAt(0);
        cpu->setLoopType(0, 1);
        for (int address = 1; address <= 3; ++address) {
            const OvGenericPoint p = varnSensor(1, address);
            cpu->setPoint(&p);
        }
        OvPlantModel model(&*plant);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.data(at(model, {1, 0, 1}), 258).toString(),
                 QString("SHORT_LABEL_SENSOR: 3\nSHORT_LABEL_MODULE: 0"));
        QCOMPARE(model.data(at(model, {1, 0, 2}), 258).toString(), QString());
        QCOMPARE(model.data(at(model, {1, 0}), 258).toString(), "1: " + cpu->getCPUTypeName());
        QCOMPARE(model.data(at(model, {0}), 258).toString(), QString());
        QCOMPARE(model.data(at(model, {1, 0}), 259).toInt(), 64);
        QCOMPARE(model.data(at(model, {1, 0}), 260).toBool(), true);
        QVERIFY(!model.data(at(model, {1, 0}), 261).isValid());
        expectWarning("Indice non valido");
        QVERIFY(!model.data(QModelIndex(), 257).isValid());

        cpu->setDescription("North");
        cpu->setLibCount(3);
        QSignalSpy inserted(&model, &OvPlantModel::rowsInserted);
        model.onCPULibCountChanged(*cpu);
        QCOMPARE(inserted.count(), 4);
        QCOMPARE(model.rowCount(at(model, {1, 0})), 7);
        QCOMPARE(model.data(at(model, {1, 0}), 259).toInt(), 96);
        QCOMPARE(model.data(at(model, {1, 0}), 258).toString(), QString("North"));
        QCOMPARE(model.data(at(model, {1, 0}), 257).toString(),
                 Configuration::instance()->getBrandedIcon("centraleIntera%1.png", PlantTreeRules::cpuType(1)));
    }

    // A CPU without a name is called by its type: the row says so as soon as the type changes,
    // whether the boards change with it or not.
    void cpuTypeChange_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("boards");
        QTest::newRow("KV1600 to KV4600, more boards") << 7 << 1;
        QTest::newRow("KV1600 to KV4600, same boards") << 7 << 2;
    }
    void cpuTypeChange()
    {
        QFETCH(int, from);
        QFETCH(int, boards);
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        plant->setCPUType(0, from);
        plant->setCPULibCount(0, boards);
        OvPlantModel model(&*plant);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        connect(&*plant, &Plant::cpuLibCountChanged, &model, &OvPlantModel::onCPULibCountChanged);
        QCOMPARE(model.data(at(model, {1, 0}), 258).toString(), QString("1: KV1600"));
        QSignalSpy changed(&model, &OvPlantModel::dataChanged);
        plant->setCPUType(0, 8);
        QCOMPARE(model.data(at(model, {1, 0}), 258).toString(), QString("1: KV4600"));
        bool told = false;
        for (const QList<QVariant>& signal : changed) {
            const auto roles = signal.at(2).value<QVector<int>>();
            told = told
                || (signal.at(0).toModelIndex() == at(model, {1, 0})
                    && (roles.isEmpty() || roles.contains(OvPlantModel::itemDescription)));
        }
        QVERIFY(told);
    }

    // Painting leaves no trace unless its category is switched on; the upkeep follows the
    // points and names the application passes on.
    void paintTracesAndUpkeep()
    {
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        OvPlantModel model(&*plant);
        const QModelIndex cpuRow = at(model, {1, 0});
        reset();
        QCOMPARE(model.data(cpuRow, Qt::SizeHintRole), QVariant(QSize(64, 64)));
        QVERIFY(!messages(QtDebugMsg).contains("Qt::SizeHintRole"));
        QLoggingCategory::setFilterRules("ov4800.models.paint.debug=true");
        model.data(cpuRow, Qt::SizeHintRole);
        QLoggingCategory::setFilterRules(QString());
        QVERIFY(messages(QtDebugMsg).contains("Qt::SizeHintRole"));

        QSignalSpy changed(&model, &OvPlantModel::dataChanged);
        CPUDevice cpu = *plant->cpus().cpuAt(0);
        cpu.setDescription("East");
        model.onCPUDescriptionChanged(cpu);
        QCOMPARE(model.data(cpuRow, 258).toString(), QString("East"));
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 0, 1})));
        model.onLoopTypeChanged(0, 0, 1);
        const OvGenericPoint p = varnSensor(1, 7);
        model.onNewPointActivated({&p});
        QCOMPARE(model.data(at(model, {1, 0, 1}), 258).toString(),
                 QString("SHORT_LABEL_SENSOR: 1\nSHORT_LABEL_MODULE: 0"));
        QCOMPARE(changed.last().at(2).value<QVector<int>>(), QVector<int>{258});
    }

    void toolTips_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<QString>("tip");
        QTest::newRow("plant") << QList<int>{0} << "PLANT_ROOT_PAGE";
        QTest::newRow("general parameters") << QList<int>{0, 0} << "GEN_PARAMETERS_PAGE";
        QTest::newRow("areas") << QList<int>{0, 1} << "PLANT_AREA_PAGE";
        QTest::newRow("groups") << QList<int>{0, 2} << "PLANT_GROUP_PAGE";
        QTest::newRow("CPUs") << QList<int>{1} << "CPU_ROOT_PAGE";
        QTest::newRow("CPU") << QList<int>{1, 0} << "Main building east wing panel 01";
        QTest::newRow("annunciators") << QList<int>{1, 0, 0} << "PAGE_ANNUNCIATORS";
        QTest::newRow("loop") << QList<int>{1, 0, 2} << "Loop 2";
        QTest::newRow("invalid") << QList<int>{} << "";
    }
    void toolTips()
    {
        QFETCH(QList<int>, path);
        QFETCH(QString, tip);
        FixturePlant plant(8);
        plant->cpus().cpuAt(0)->setDescription("Main building east wing panel 01");
        OvPlantModel model(&*plant);
        QModelIndex index;
        for (int row : path)
            index = model.index(row, 0, index);
        LoopLabel label;
        QCoreApplication::installTranslator(&label);
        QCOMPARE(model.getInfoToolTip(index), tip);
    }

    // Badges on the live plant: 0 none, 1 warning, 2 error.
    void badges_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QList<int>>("flags");
        // groups, CPUs, CPU, annunciators, loop
        QTest::newRow("none") << "" << QList<int>{0, 0, 0, 0, 0};
        QTest::newRow("group CBE error") << "group" << QList<int>{2, 0, 0, 0, 0};
        QTest::newRow("point without zone") << "zone" << QList<int>{0, 1, 1, 0, 1};
        QTest::newRow("point without zone and CBE error") << "zone+cbe" << QList<int>{0, 2, 2, 0, 2};
        QTest::newRow("equal filters") << "filters" << QList<int>{0, 1, 1, 1, 0};
    }
    void badges()
    {
        QFETCH(QString, fault);
        QFETCH(QList<int>, flags);
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        CPUDevice* cpu = plant->cpus().cpuAt(0);
        cpu->setLibCount(1);
        cpu->setLoopType(0, 1);
        if (fault == "group") {
            plant->groups().groupAt(2)->setCBE("(G1)");
            expectWarning("CBE ERROR");
            plant->checkCBESystem();
        }
        if (fault.startsWith("zone")) {
            // A device with channels and none of them in use counts as not assigned.
            OvGenericPoint p = point(1, 1, 9, 2, 2, 1, 133, 53, 2);
            for (OvGenericSubPoint channel : p.subPoints()) {
                channel.resetData();
                p.updateSubPoint(channel);
            }
            if (fault.endsWith("cbe"))
                p.setCBE("OR(G1601)");
            plant->setPoint(p);
            if (fault.endsWith("cbe")) {
                expectWarning("CBE ERROR");
                plant->checkCBESystem();
            }
        }
        if (fault == "filters") {
            OvAnnunciatorsSystem annunciators(1);
            OvAnnunciator a;
            a.setCpuIndex(1);
            a.setAddress(2);
            a.setFilter(-1, ZpAreaAlarmFilter(12));
            a.setFilter(-1, ZpAreaAlarmFilter(12));
            annunciators.setAnnunciator(a);
            plant->cpus().setAnnunciators(annunciators);
        }
        OvPlantModel model(&*plant);
        QSignalSpy update(&model, &OvPlantModel::updateErrorsFlag);
        model.refreshErrorFlags();
        QCOMPARE(update.count(), 1);
        QCOMPARE((QList<int>{model.getErrorFlag(at(model, {0, 2})), model.getErrorFlag(at(model, {1})),
                             model.getErrorFlag(at(model, {1, 0})), model.getErrorFlag(at(model, {1, 0, 0})),
                             model.getErrorFlag(at(model, {1, 0, 1}))}),
                 flags);
        QCOMPARE(model.getErrorFlag(at(model, {0})), 0);
    }

    // The current row removed, then a click and the loop count: nothing reads the freed item.
    void removingTheCurrent_data()
    {
        QTest::addColumn<QString>("removal");
        QTest::newRow("CPU disabled") << "cpu";
        QTest::newRow("fewer boards") << "libs";
        QTest::newRow("boards changed in CPU data") << "data";
    }
    void removingTheCurrent()
    {
        QFETCH(QString, removal);
        FixturePlant plant(8);
        twoCpus(*plant);
        OvPlantModel model(&*plant);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy removed(&model, &OvPlantModel::rowsRemoved);
        CPUDevice* cpu = plant->cpus().cpuAt(0);
        model.onTreeViewItemClicked(QVariant::fromValue(removal == "cpu" ? at(model, {1, 0}) : at(model, {1, 0, 4})));
        if (removal == "cpu") {
            cpu->setEnabled(false);
            model.onCPUDataChanged(*cpu);
            QCOMPARE(model.rowCount(at(model, {1})), 1);
        } else {
            cpu->setLibCount(1);
            removal == "libs" ? model.onCPULibCountChanged(*cpu) : model.onCPUDataChanged(*cpu);
            QCOMPARE(model.rowCount(at(model, {1, 0})), 3);
        }
        QCOMPARE(removed.count(), 1);
        uint c = 0, l = 0;
        QVERIFY(!model.getCurrentLoopAddress(c, l));
        QCOMPARE(model.getActiveCPULoopCount(), -1);
        QSignalSpy cpuPage(&model, &OvPlantModel::cpuPageSelected);
        model.onTreeViewItemClicked(QVariant::fromValue(at(model, {1, 0})));
        QCOMPARE(cpuPage.count(), 1);

        // Enabled again: back at the row that keeps the CPU indexes ascending.
        cpu->setEnabled(true);
        cpu->setLibCount(2);
        model.onCPUDataChanged(*cpu);
        QCOMPARE(model.rowCount(at(model, {1})), 2);
        QCOMPARE(model.rowCount(at(model, {1, 0})), 5);
    }
};

QTEST_MAIN(tst_PlantModel)
#include "tst_plantmodel.moc"
