// The annunciator and viewer model of a CPU: its rows read from the plant, the duplicate and
// inclusion marks of filters, target texts, the install and filter limits, the removal question,
// paste, the change range and indexes kept across a rebuild; and the filter-type list.
#include "ModelFixture.h"
#include "TestBase.h"
#include "core/ErrorMessages.h"
#include "models/OvAnnunciatorDeviceItem.h"
#include "models/OvAnnunciatorFilterItem.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvEventFilterModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTranslator>

using modeltest::at;
using modeltest::FixturePlant;
using R = OvAnnunciatorsModel;
using Filters = QList<std::shared_ptr<ZpEventFilter>>;
Q_DECLARE_METATYPE(Filters)

namespace {

OvAnnunciator annunciator(int address, const Filters& filters = {})
{
    OvAnnunciator a;
    a.setCpuIndex(1);
    a.setAddress(address);
    for (const auto& f : filters)
        a.setFilter(-1, *f);
    return a;
}

void store(Plant& plant, const QList<OvAnnunciator>& entries)
{
    OvAnnunciatorsSystem system(1);
    for (const OvAnnunciator& a : entries)
        system.setAnnunciator(a);
    plant.cpus().setAnnunciators(system);
}

QModelIndexList rows(const QAbstractItemModel& model, std::initializer_list<int> list, const QModelIndex& parent = {})
{
    QModelIndexList indexes;
    for (int r : list)
        indexes << model.index(r, 0, parent);
    return indexes;
}

std::shared_ptr<ZpEventFilter> sensor(int type, int address)
{
    return std::shared_ptr<ZpEventFilter>(ZpEventFilter::create(u32(type), 1, 2, address, 0, 0).release());
}
std::shared_ptr<ZpEventFilter> zone(int z)
{
    return std::make_shared<ZpAreaAlarmFilter>(z);
}

QList<int> keys(const QSignalSpy& spy, int call)
{
    return spy.at(call).at(0).value<OvAnnunciatorsSystem>().annunciators().keys();
}

// Answers from the script and reports the check box as ticked when told.
class TickingDialogs : public ScriptedDialogs {
public:
    bool tick = false;
    PlantMessage::Button ask(const PlantMessage& message, bool* checked) override
    {
        const PlantMessage::Button answer = ScriptedDialogs::ask(message, checked);
        if (checked)
            *checked = tick;
        return answer;
    }
};

class Prefixing : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* id, const char*, int) const override
    {
        return QStringLiteral("fr:") + QLatin1String(id);
    }
};

} // namespace

class tst_AnnunciatorsModel : public TestBase {
    Q_OBJECT

    TickingDialogs m_dialogs;

private slots:
    void init()
    {
        m_dialogs.clear();
        m_dialogs.tick = false;
    }
    void cleanup() { QCOMPARE(m_dialogs.pending(), 0); }

    void rowsOfCpu()
    {
        FixturePlant plant(8);
        store(*plant, {annunciator(2), annunciator(5, {zone(3), std::make_shared<ZpCPUExclEvent>(1)})});
        R model(false);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        model.rebuildModel(0);
        QCOMPARE(model.rowCount(), 16);
        for (int r = 0; r < 16; ++r) {
            const QModelIndex device = at(model, {r});
            QCOMPARE(model.data(device, R::devEnabled).toBool(), r == 1 || r == 4);
            QCOMPARE(model.rowCount(device), r == 4 ? 2 : 0);
            QCOMPARE(model.data(device, R::zoneRangeStart).toInt(), 1);
            QCOMPARE(model.data(device, R::viewerType).toInt(), 0);
            QCOMPARE(model.data(device, R::itemAddress).toString(), QString::number(r + 1));
        }
        const QModelIndex second = at(model, {4, 1});
        QCOMPARE(model.rowCount(second), 0);
        QCOMPARE(model.data(second, R::itemAddress).toString(), QString("5.2"));
        QVERIFY(model.data(second, R::devEnabled).toBool());
        QCOMPARE(model.data(at(model, {4, 0}), R::filterTarget).toString(), QString("3: "));
        QCOMPARE(model.data(second, R::filterTarget).toString(), QString("LBL_TARGET_SELECTION"));
        QCOMPARE(model.data(at(model, {4}), R::filterTarget).toString(), QString());
        QCOMPARE(model.index(0, 0, model.index(4, 3)), QModelIndex());
        QCOMPARE(model.countEnabled(), 2);

        for (int config : {6, 7, 22, 23}) {
            Configuration::instance()->set_configNumber(config);
            R viewers(true);
            viewers.setActiveCPU(0);
            QCOMPARE(viewers.rowCount(), config == 7 || config == 22 ? 32 : 16);
        }
    }

    void filterCheck_data()
    {
        QTest::addColumn<Filters>("filters");
        QTest::addColumn<QList<int>>("codes");
        QTest::addColumn<int>("device");
        QTest::newRow("same sensor twice") << Filters{sensor(8, 15), sensor(8, 15)} << QList<int>{0, 585} << 585;
        QTest::newRow("zone 5, all zones") << Filters{zone(5), zone(0)} << QList<int>{586, 0} << 586;
        QTest::newRow("all zones, zone 5") << Filters{zone(0), zone(5)} << QList<int>{0, 586} << 586;
        QTest::newRow("zones 5, 6, all") << Filters{zone(5), zone(6), zone(0)} << QList<int>{0, 586, 0} << 586;
        QTest::newRow("different types") << Filters{sensor(8, 15), sensor(9, 15)} << QList<int>{0, 0} << 0;
        QTest::newRow("duplicate over inclusion")
            << Filters{zone(0), zone(5), zone(5)} << QList<int>{0, 586, 585} << 585;
    }
    void filterCheck()
    {
        QFETCH(Filters, filters);
        QFETCH(QList<int>, codes);
        QFETCH(int, device);
        FixturePlant plant(8);
        store(*plant, {annunciator(3, filters)});
        R model(false);
        model.rebuildModel(0);
        const QModelIndex row = at(model, {2});
        QList<int> got;
        for (int r = 0; r < model.rowCount(row); ++r)
            got << (model.data(at(model, {2, r}), R::itemIconName).toString() == "warning.png"
                        ? static_cast<OvAnnunciatorDev*>(at(model, {2, r}).internalPointer())->errorCode
                        : 0);
        QCOMPARE(got, codes);
        QCOMPARE(model.data(row, R::itemIconName).toString(), QString(device ? "warning.png" : ""));
        QCOMPARE(model.data(row, R::devErrInfo).toString(), getErrorMessage(device));
        QCOMPARE(plant->cpus().cpuAt(0)->annunciators().hasConflictingFilters(), device != 0);
    }

    void targets_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selector");
        QTest::newRow("all CPUs") << 1 << QList<int>{0, -1, -1, -1, -1} << "ALL" << 2;
        QTest::newRow("CPU exclusion") << 2 << QList<int>{0, -1, -1, -1, -1} << "" << 0;
        QTest::newRow("all zones") << 5 << QList<int>{-1, -1, -1, -1, 0} << "ALL" << 1;
        QTest::newRow("zone 2") << 3 << QList<int>{-1, -1, -1, -1, 2} << "2: Area 2" << 1;
        QTest::newRow("sensor") << 9 << QList<int>{1, 2, 15, -1, -1} << "1:2:15: Smoke kitchen" << 6;
        QTest::newRow("channel") << 14 << QList<int>{1, 2, 40, 3, -1} << "1:2:40.3" << 26;
        QTest::newRow("named channel") << 14 << QList<int>{1, 2, 9, 2, -1} << "1:2:9.2: Channel 2.2" << 26;
        QTest::newRow("point 0") << 8 << QList<int>{1, 2, 0, -1, -1} << "1:2" << 6;
        QTest::newRow("missing point") << 8 << QList<int>{1, 2, 77, -1, -1} << "1:2:77" << 6;
    }
    void targets()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, target);
        QFETCH(QString, text);
        QFETCH(int, selector);
        FixturePlant plant(8);
        plantbuild::buildSmallPlant(*plant, 2);
        OvGenericPoint smoke = plantbuild::point(1, 2, 15, 4, 1, 4, 62464, 2);
        smoke.setDescription("Smoke kitchen");
        OvGenericPoint channels = plantbuild::point(1, 2, 40, 4, 2, 4, 43009, 53, 6);
        plant->cpus().setPoint(&smoke);
        plant->cpus().setPoint(&channels);
        store(*plant, {annunciator(12, {zone(1), zone(2)})});
        R model(false);
        model.rebuildModel(0);
        const QModelIndex filter = at(model, {11, 1});
        QCOMPARE(model.data(filter, R::itemAddress).toString(), QString("12.2"));
        model.setFilterType({filter}, type);
        model.selectTarget(filter, target[0], target[1], target[2], target[3], target[4]);
        const auto* row = static_cast<OvAnnunciatorFilterItem*>(filter.internalPointer());
        QCOMPARE(row->targetText(), text);
        QVERIFY(model.isValid(filter, 0));
        QCOMPARE(model.getDeviceModelFilter(filter), selector);
        QCOMPARE(model.data(filter, R::filterType).toInt(), selector);
        QCOMPARE(int(row->filter()->getType()), type);
        QCOMPARE(model.getDeviceModelFilter(at(model, {11})), 0);
    }

    void installLimit_data()
    {
        QTest::addColumn<int>("total");
        QTest::addColumn<QList<int>>("installed");
        QTest::addColumn<QList<int>>("removed");
        QTest::newRow("29") << 29 << QList<int>{1, 2, 3} << QList<int>{};
        QTest::newRow("30") << 30 << QList<int>{1, 2} << QList<int>{3};
        QTest::newRow("32") << 32 << QList<int>{} << QList<int>{1, 2, 3};
    }
    void installLimit()
    {
        QFETCH(int, total);
        QFETCH(QList<int>, installed);
        QFETCH(QList<int>, removed);
        FixturePlant plant(8);
        QCOMPARE(plant->cpus().count(), 1);
        R model(false);
        model.rebuildModel(0);
        connect(&model, &R::devicesChanged, &*plant, &Plant::setAnnunciators);
        QSignalSpy changed(&model, &R::devicesChanged), gone(&model, &R::devicesRemove);
        if (installed.size() < 3)
            m_dialogs.answer(PlantMessage::Ok);
        model.enableDevice(rows(model, {0, 1, 2}), true, total);
        QCOMPARE(m_dialogs.asked().size(), installed.size() < 3 ? 1 : 0);
        if (!m_dialogs.asked().isEmpty())
            QCOMPARE(m_dialogs.asked().first().text, QString("USR_ERR_TOO_MANY_VIEWER"));
        QCOMPARE(changed.count(), installed.isEmpty() ? 0 : 1);
        if (!installed.isEmpty()) {
            QCOMPARE(changed.at(0).at(0).value<OvAnnunciatorsSystem>().cpuIndex(), 1u);
            QCOMPARE(keys(changed, 0), installed);
            QCOMPARE(plant->cpus().cpuAt(0)->annunciators().annunciators().keys(), installed);
        }
        QCOMPARE(gone.count(), removed.isEmpty() ? 0 : 1);
        if (!removed.isEmpty())
            QCOMPARE(keys(gone, 0), removed);
        QCOMPARE(model.countEnabled(), installed.size());
    }

    // A second-family viewer list shows 32 rows, but the panel keeps 16 viewers: the rows past
    // them are refused (one message per command) instead of being dropped when the plant is saved.
    void viewersPastPanel()
    {
        FixturePlant plant(8);
        const int config = Configuration::instance()->configNumber();
        Configuration::instance()->set_configNumber(7);
        R model(true);
        model.rebuildModel(0);
        QCOMPARE(model.rowCount(), 32);
        connect(&model, &R::devicesChanged, &*plant, &Plant::setViewers);
        m_dialogs.answer(PlantMessage::Ok);
        model.enableDevice(rows(model, {16, 15, 31, 0}), true, 0);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().text, QString("USR_ERR_VIEWER_PAST_PANEL"));
        QCOMPARE(plant->cpus().cpuAt(0)->viewers().annunciators().keys(), (QList<int>{1, 16}));
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Ok);
        model.setDescription(rows(model, {15}), "Lobby");
        model.copy(at(model, {15}), rows(model, {19, 2}));
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().text, QString("USR_ERR_VIEWER_PAST_PANEL"));
        QCOMPARE(plant->cpus().cpuAt(0)->viewers().annunciators().keys(), (QList<int>{1, 3, 16}));
        QVERIFY(!model.data(at(model, {19}), R::devEnabled).toBool());
        // A name longer than the panel's 32 characters is refused.
        model.setDescription(rows(model, {15}), QString(33, 'L'));
        QCOMPARE(plant->cpus().cpuAt(0)->viewers().annunciators().value(16).description(), QString("Lobby"));
        Configuration::instance()->set_configNumber(config);
    }

    void removalQuestion()
    {
        FixturePlant plant(8);
        store(*plant, {annunciator(1, {zone(4)}), annunciator(2, {zone(5)}), annunciator(3, {zone(6)})});
        R model(false);
        model.rebuildModel(0);
        // Without a complete filter nothing is asked.
        model.setFilterType(rows(model, {0}, at(model, {2})), 9);
        model.enableDevice(rows(model, {2}), false);
        QVERIFY(m_dialogs.asked().isEmpty());
        QCOMPARE(model.countEnabled(), 2);
        // Once for the whole command; No with the box ticked holds for later commands.
        m_dialogs.tick = true;
        m_dialogs.answer(PlantMessage::No);
        model.enableDevice(rows(model, {0, 1}), false);
        model.enableDevice(rows(model, {1}), false);
        model.removeFilters(rows(model, {0, 1}));
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().text, QString("USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY"));
        QCOMPARE(m_dialogs.asked().first().defaultButton, PlantMessage::No);
        QCOMPARE(model.countEnabled(), 2);
        QCOMPARE(model.rowCount(at(model, {1})), 1);
    }

    void filterCommands()
    {
        FixturePlant plant(8);
        Filters full;
        for (int z = 1; z <= 64; ++z)
            full << zone(z);
        store(*plant,
              {annunciator(1, full), annunciator(2, {zone(0), zone(7), zone(8)}),
               annunciator(3, {zone(1), zone(2), zone(3), zone(4), zone(5)})});
        R model(false);
        model.rebuildModel(0);
        QSignalSpy changed(&model, &R::devicesChanged);
        m_dialogs.answer(PlantMessage::Ok);
        model.addFilter(rows(model, {0, 3}));
        QCOMPARE(m_dialogs.asked().first().text, QString("USR_ERR_TOO_MANY_EVT_FILTER"));
        QCOMPARE(model.rowCount(at(model, {3})), 0);
        model.addFilters(rows(model, {1}));
        QCOMPARE(model.rowCount(at(model, {1})), 64);
        QCOMPARE(keys(changed, changed.count() - 1), QList<int>{2});
        QCOMPARE(changed.last().at(0).value<OvAnnunciatorsSystem>().annunciators().value(2).filters().size(), 64);
        model.removeFilter(rows(model, {1}));
        QCOMPARE(model.rowCount(at(model, {1})), 63);

        // A CPU exclusion is complete at once.
        const QModelIndex last = at(model, {1, 62});
        QVERIFY(!model.data(last, R::devEnabled).toBool());
        model.setFilterType({last}, 2);
        QVERIFY(model.data(last, R::devEnabled).toBool());
        QCOMPARE(changed.last().at(0).value<OvAnnunciatorsSystem>().annunciators().value(2).filters().at(62)->getType(),
                 2u);

        // An equal filter pasted changes nothing.
        const int before = changed.count();
        model.copy(at(model, {2, 0}), rows(model, {0}, at(model, {0})));
        QCOMPARE(changed.count(), before);

        // A device with 3 filters over one with 5, and over an uninstalled one.
        model.rebuildModel(-1);
        model.rebuildModel(0);
        model.setDescription(rows(model, {1}), "Source");
        model.setStartingZone(rows(model, {2}), 41);
        model.setViewerType(rows(model, {2}), 1);
        changed.clear();
        model.copy(at(model, {1}), rows(model, {2, 5}));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(keys(changed, 0), (QList<int>{3, 6}));
        for (int r : {2, 5}) {
            const OvAnnunciator sent = changed.at(0).at(0).value<OvAnnunciatorsSystem>().annunciators().value(r + 1);
            QCOMPARE(model.rowCount(at(model, {r})), 3);
            QCOMPARE(sent.filters().size(), 3);
            for (int f = 0; f < 3; ++f)
                QVERIFY(sent.filters().at(f)->isEqual(
                    plant->cpus().cpuAt(0)->annunciators().annunciators().value(2).filters().at(f)));
            QCOMPARE(sent.description(), QString("Source"));
            QCOMPARE(sent.cpuIndex(), 1);
            QCOMPARE(sent.address(), r + 1);
            QCOMPARE(sent.startingZone(), r == 2 ? 41 : 1);
            QCOMPARE(sent.viewerType(), r == 2 ? 1 : 0);
        }
        // An uninstalled device equal to the source's values stays uninstalled.
        store(*plant, {annunciator(7)});
        model.rebuildModel(-1);
        model.rebuildModel(0);
        changed.clear();
        model.copy(at(model, {6}), rows(model, {7}));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!model.data(at(model, {7}), R::devEnabled).toBool());
    }

    // A row selected whole comes as one index per column: each command counts it once.
    void wholeRowSelected_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("filters"); // of addresses 2 and 3 after it
        QTest::newRow("add to 63") << "add to 63" << QList<int>{64, 0};
        QTest::newRow("remove") << "remove" << QList<int>{2, 0};
        QTest::newRow("paste") << "paste" << QList<int>{3, 3};
    }
    void wholeRowSelected()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, filters);
        FixturePlant plant(8);
        Filters three{zone(1), zone(2), zone(3)};
        if (command == "add to 63")
            for (int z = 4; z <= 63; ++z)
                three << zone(z);
        store(*plant, {annunciator(2, three), annunciator(3)});
        R model(false);
        model.rebuildModel(0);
        QModelIndexList second, third;
        for (int c = 0; c < R::kColumns; ++c) {
            second << model.index(1, c);
            third << model.index(2, c);
        }
        QSignalSpy changed(&model, &R::devicesChanged);
        if (command == "remove") {
            QVERIFY(model.canRmFilter(second));
            model.removeFilter(second);
        } else if (command == "paste") {
            QVERIFY(model.canBeUsedForCopy(second));
            QVERIFY(!model.canBeUsedForPaste(second.last(), second));
            model.copy(second.last(), third);
        } else {
            QVERIFY(model.canAddFilter(second));
            model.addFilter(second);
        }
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.rowCount(at(model, {1})), filters.at(0));
        QCOMPARE(model.rowCount(at(model, {2})), filters.at(1));
    }

    void changeRange()
    {
        FixturePlant plant(8);
        store(*plant, {annunciator(3, {zone(1), zone(2), zone(3), zone(4), zone(5)})});
        R model(false);
        model.rebuildModel(0);
        QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
        model.notifyRangeChanged(at(model, {0}), at(model, {3}), {R::description});
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toModelIndex(), at(model, {0}));
        QCOMPARE(spy.at(0).at(1).toModelIndex(), at(model, {3}));
        QCOMPARE(spy.at(1).at(0).toModelIndex(), at(model, {2, 0}));
        QCOMPARE(spy.at(1).at(1).toModelIndex(), at(model, {2, 4}));
        QCOMPARE(R::rangeLowerBound(at(model, {2, 3}), at(model, {4})), at(model, {2}));
        QCOMPARE(R::rangeUpperBound(at(model, {2, 3}), at(model, {2})), at(model, {2}));
        QCOMPARE(R::rangeUpperBound(at(model, {2, 3}), at(model, {2, 1})), at(model, {2, 3}));

        // An index kept across a change of CPU names no row.
        const QPersistentModelIndex persistent = at(model, {2, 4});
        const QModelIndex kept = persistent;
        model.setActiveCPU(1);
        QVERIFY(!persistent.isValid());
        QVERIFY(!model.isFilter(kept));
        QVERIFY(!model.data(kept, R::description).isValid());
        QCOMPARE(model.rowCount(kept), 0);
        QCOMPARE(model.parent(kept), QModelIndex());
        QVERIFY(!model.canBeUsedForCopy({kept}));
        spy.clear();
        model.copy(kept, rows(model, {0}));
        model.enableDevice({kept}, false);
        QCOMPARE(spy.count(), 0);
    }

    void tester_data()
    {
        QTest::addColumn<int>("installed");
        QTest::addColumn<int>("filters");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("two") << 2 << 1;
        QTest::newRow("sixteen") << 16 << 2;
        QTest::newRow("full device") << 1 << 64;
    }
    void tester()
    {
        QFETCH(int, installed);
        QFETCH(int, filters);
        FixturePlant plant(8);
        Filters list;
        for (int z = 1; z <= filters; ++z)
            list << zone(z);
        QList<OvAnnunciator> entries;
        for (int a = 1; a <= installed; ++a)
            entries << annunciator(a, list);
        store(*plant, entries);
        R model(false);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setActiveCPU(0);
        if (filters == 64)
            m_dialogs.answer(PlantMessage::Ok);
        model.addFilter(rows(model, {0, 1}));
        // Yes, and not again.
        m_dialogs.tick = true;
        if (installed > 0 && filters > 0)
            m_dialogs.answer(PlantMessage::Ok);
        model.removeFilters(rows(model, {0}));
        model.enableDevice(rows(model, {0, 1, 2}), true);
        model.copy(at(model, {1}), rows(model, {0, 2}));
        model.enableDevice(rows(model, {1, 2}), false);
        QCOMPARE(model.countEnabled(), qMax(installed, 3) - 2);
        QCOMPARE(model.removalAnswer(), installed > 0 && filters > 0 ? 2 : 0);
    }

    void filterTypeList()
    {
        OvEventFilterModel types;
        QCOMPARE(types.rowCount(), 16);
        QCOMPARE(types.data(types.index(7), OvEventFilterModel::filterName).toString(),
                 QString("LBL_EVT_FILTER_TEST_ZONE"));
        QVERIFY(!types.data(types.index(16), OvEventFilterModel::filterName).isValid());
        QVERIFY(!types.data(types.index(3)).isValid());
        Prefixing french;
        QCoreApplication::installTranslator(&french);
        QSignalSpy reset(&types, &QAbstractItemModel::modelReset);
        types.reset();
        QCoreApplication::removeTranslator(&french);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(types.data(types.index(7), OvEventFilterModel::filterName).toString(),
                 QString("fr:LBL_EVT_FILTER_TEST_ZONE"));
    }
};

QTEST_GUILESS_MAIN(tst_AnnunciatorsModel)
#include "tst_annunciatorsmodel.moc"
