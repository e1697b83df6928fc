// The zones and repeaters tables: multi-row edits reach the plant once, only changed rows are
// signalled, and the derived device counts are never pasted.
#include "../plant/PlantTestSupport.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvAreaModel.h"
#include "models/OvRepeaterModel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using modeltest::FixturePlant;

namespace {

// The zone's line of the plant's zone CSV, from its first field on.
QString csvLine(const Plant& plant, int zone)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/zones.csv";
    if (!plant.areas().exportCsv(path))
        return QString();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(QByteArray::number(zone) + ','))
            return QString::fromUtf8(line);
    return QString();
}

// Exposes indexes past the rows, which the views never ask for.
class RepeaterProbe : public OvRepeaterModel {
public:
    using OvRepeaterModel::createIndex;
};

} // namespace

class tst_AreaModel : public TestBase {
    Q_OBJECT

private slots:
    void correlation_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("taken");
        QTest::newRow("0 below") << 0 << false;
        QTest::newRow("1 lowest") << 1 << true;
        QTest::newRow("10 highest") << 10 << true;
        QTest::newRow("11 above") << 11 << false;
    }
    void correlation()
    {
        QFETCH(int, value);
        QFETCH(bool, taken);
        FixturePlant plant(8);
        plant->areas().areaAt(4)->setCorrelation(4);
        OvAreaModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel();
        plant->clearModificationBits(~0u);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setCorrelation({4}, value);
        QCOMPARE(changed.count(), taken ? 1 : 0);
        const int shown = taken ? value : 5;
        QCOMPARE(model.data(model.index(4, 0), 261).toInt(), shown);
        QCOMPARE(int(plant->areas().areaAt(4)->correlation()), shown - 1);
        QCOMPARE(csvLine(*plant, 5), QString("5,,0,0,%1,0,0,").arg(shown));
        QCOMPARE(plant->isModified(), taken);
        if (taken) {
            QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(4, 0));
            QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(4, 7));
            QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int>{261});
        }
    }

    void counts_data()
    {
        QTest::addColumn<uint>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("one digit") << 7u << "  7";
        QTest::newRow("two digits") << 12u << " 12";
        QTest::newRow("wider than the field") << 1234u << "1234";
    }
    void counts()
    {
        QFETCH(uint, count);
        QFETCH(QString, text);
        FixturePlant plant(8);
        plant->areas().areaAt(0)->setSensorCount(count);
        plant->areas().areaAt(0)->setModuleCount(count);
        OvAreaModel model;
        model.rebuildModel();
        QCOMPARE(model.data(model.index(0, 0), 262).toString(), text);
        QCOMPARE(model.data(model.index(0, 0), 263).toString(), text);
    }

    void multiRowEdits()
    {
        FixturePlant plant(8);
        OvAreaModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel();
        QCOMPARE(model.rowCount(), plant->areas().count());
        QCOMPARE(model.columnCount(model.index(0, 0)), 0);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy named(&model, &OvAreaModel::descritionModified);
        model.setAreaDescription(QList<int>{5, 2, 9, -1, 100000}, "Hall");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(2, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(9, 7));
        QCOMPARE(named.count(), 1);
        QCOMPARE(named.at(0).at(1).toString(), QString("Hall"));
        QCOMPARE(plant->areas().areaAt(9)->description(), QString("Hall"));

        // Nothing left to change: no signal, the plant stays unmodified.
        plant->clearModificationBits(~0u);
        model.setAreaDescription(QList<int>{5, 2, 9}, "Hall");
        model.setNightAndDayCheck({1}, false);
        model.enablePreAllarm({1}, false);
        model.reset({0, 1});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(named.count(), 1);
        QVERIFY(!plant->isModified());

        model.enablePreAllarm({3}, true);
        QVERIFY(model.getPreAllarmCheck(3));
        QVERIFY(!model.isNull(3));
        QCOMPARE(changed.last().at(2).value<QVector<int>>(), QVector<int>{260});

        // A row holding only a correlation is already null: reset leaves it.
        model.setCorrelation({6}, 3);
        model.reset({6, 3, 2});
        QCOMPARE(plant->areas().areaAt(6)->correlation(), u8(2));
        QVERIFY(model.isNull(3) && model.isNull(2) && model.isNull(6));
        QCOMPARE(named.last().at(1).toString(), QString());
    }

    void pasteKeepsCounts()
    {
        FixturePlant plant(8);
        OvArea* source = plant->areas().areaAt(3);
        source->setDescription("Roof");
        source->setNightAndDay(true);
        source->setCorrelation(6);
        source->setSensorCount(9);
        plant->areas().areaAt(1)->setSensorCount(2);
        plant->areas().areaAt(4)->setModuleCount(5);
        OvAreaModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy named(&model, &OvAreaModel::descritionModified);
        model.copy(3, {3});
        model.copy(-1, {1});
        QCOMPARE(changed.count(), 0);
        model.copy(3, {1, 3, 4});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(named.count(), 1);
        QCOMPARE(named.at(0).at(0).value<QList<int>>(), (QList<int>{1, 4}));
        QCOMPARE(named.at(0).at(1).toString(), QString("Roof"));
        QCOMPARE(model.data(model.index(1, 0), 262).toString(), QString("  2"));
        QCOMPARE(model.data(model.index(4, 0), 263).toString(), QString("  5"));
        QCOMPARE(csvLine(*plant, 2), QString("2,Roof,1,0,7,2,0,"));
        QCOMPARE(csvLine(*plant, 5), QString("5,Roof,1,0,7,0,5,"));
        QCOMPARE(csvLine(*plant, 4), QString("4,Roof,1,0,7,9,0,"));
    }

    void updateAndRoles()
    {
        FixturePlant plant(8);
        OvAreaModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy updated(&model, &OvAreaModel::dataUpdated);
        model.rebuildModel();
        QCOMPARE(updated.count(), 1);
        QCOMPARE(model.data(model.index(0, 0), 264).toUInt(), 1u);
        QCOMPARE(model.data(model.index(0, 0), 257).toString(), QString("null.png"));
        QVERIFY(!model.data(model.index(0, 0), 265).isValid());
        QCOMPARE(model.flags(model.index(0, 0)), Qt::ItemFlags(163));
        plant->areas().areaAt(7)->setSensorCount(3);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.updateAreas({});
        QCOMPARE(changed.count(), 0);
        model.updateAreas({7, 2});
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(2, 0));
        QCOMPARE(model.data(model.index(7, 0), 262).toString(), QString("  3"));
        // Fewer zones, as a plant type change leaves them: the rows follow in one reset.
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        plant->areas().resize(100);
        model.updateAreas({7});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 99);
    }

    void repeaters()
    {
        FixturePlant plant(8);
        RepeaterProbe model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.reset();
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(model.data(model.index(0, 0), 257).toString(), QString("#  1"));
        QCOMPARE(model.data(model.createIndex(9, 0), 257).toString(), QString("# 10"));
        QCOMPARE(model.data(model.createIndex(99, 0), 257).toString(), QString("#100"));
        QCOMPARE(model.data(model.createIndex(99, 0), 258).toString(), QString());
        plant->clearModificationBits(~0u);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.enableRPT({7, 0, 8, -1}, true);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, 0));
        QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(7, 2));
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int>{259});
        QCOMPARE(plant->getModificationStat(), 128u);
        QVERIFY(model.isEnableRTP(7) && !model.isEnableRTP(1) && !model.isEnableRTP(8));
        plant->clearModificationBits(~0u);
        changed.clear();
        model.enableRPT({7, 0}, true);
        model.setDescription({3}, QString());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(plant->getModificationStat(), 0u);
        model.setDescription({3, 5}, "Lobby");
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int>{258});
        QCOMPARE(plant->getRepeaterDescription(5), QString("Lobby"));
        QCOMPARE(plant->getModificationStat(), 128u);
    }

    // A zone's or a repeater's name is 32 Latin-1 bytes in the panel: a text it cannot keep is
    // refused, so the table, the plant and the compiled bytes hold the same name.
    void nameLimit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kept");
        QTest::newRow("32 characters") << QString(32, 'A') << true;
        QTest::newRow("33 characters") << QString(33, 'A') << false;
        QTest::newRow("Latin-1") << QString::fromUtf8("Caf\u00e9") << true;
        QTest::newRow("beyond Latin-1") << QString::fromUtf8("Hall \u20ac") << false;
    }
    void nameLimit()
    {
        QFETCH(QString, text);
        QFETCH(bool, kept);
        FixturePlant plant(8);
        OvAreaModel areas;
        areas.rebuildModel();
        areas.setAreaDescription(QList<int>{0}, text);
        areas.setAreaDescription(1, text);
        OvRepeaterModel repeaters;
        repeaters.enableRPT({0}, true);
        repeaters.setDescription({0}, text);
        const QString stored = kept ? text : QString();
        QCOMPARE(areas.data(areas.index(0, 0), OvAreaModel::areaDescription).toString(), stored);
        QCOMPARE(QStringList({plant->areas().areaAt(0)->description(), plant->areas().areaAt(1)->description(),
                              plant->getRepeaterDescription(0)}),
                 QStringList({stored, stored, stored}));
        QCOMPARE(plant->copyTo(), 0);
        // Zone 1's name at 0 of the zone names, repeater 1's at 4881 of the general block.
        const QByteArray name = stored.toLatin1().leftJustified(32, '\0');
        QCOMPARE(planttest::block(4).left(32), name);
        QCOMPARE(planttest::block(2).mid(4881, 32), name);
    }

    void noPlant()
    {
        OvRepeaterModel repeaters;
        QCOMPARE(repeaters.rowCount(), 0);
        repeaters.enableRPT({0}, true);
        QVERIFY(!repeaters.isEnableRTP(0));
        OvAreaModel areas;
        areas.rebuildModel();
        QCOMPARE(areas.rowCount(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_AreaModel)
#include "tst_areamodel.moc"
