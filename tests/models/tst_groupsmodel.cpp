// The group table: row mapping of the two tabs, the edits handed to the plant, the icon rule,
// the sensitivity groups and the compact text of a selection.
#include "../plant/PlantTestSupport.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvGroupsModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

using modeltest::FixturePlant;

namespace {

// Panel 8 stand-alone: 400 groups, the first `direct` of them direct.
void standAlone(Plant& plant, int direct)
{
    plant.setPlantType(0, false);
    plant.groups().setDirectGroupsCount(direct);
}

QVariantList rows(std::initializer_list<int> list)
{
    QVariantList v;
    for (int r : list)
        v.append(r);
    return v;
}

} // namespace

class tst_GroupsModel : public TestBase {
    Q_OBJECT

private slots:
    void rowMapping()
    {
        OvGroupsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.columnCount(), 6);
        QCOMPARE(model.roleNames().value(257), QByteArray("groupType"));
        QCOMPARE(model.roleNames().value(262), QByteArray("groupIndex"));
        model.rebuildModel();
        QCOMPARE(model.rowCount(), 0);
        model.setDirectGroupsFilter(false);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.getDirectGrupsCount(), -1);

        FixturePlant plant(8);
        standAlone(*plant, 300);
        model.rebuildModel();
        QCOMPARE(model.rowCount(), 100);
        QCOMPARE(model.data(model.index(0, 0), 262).toString(), QString("301"));
        QCOMPARE(int(model.flags(model.index(0, 0))), 163);
        model.setDirectGroupsFilter(true);
        QCOMPARE(model.rowCount(), 300);
        QCOMPARE(model.data(model.index(0, 0), 262).toString(), QString("  1"));
    }

    void selectedIndexesStr_data()
    {
        QTest::addColumn<QVariantList>("selection");
        QTest::addColumn<QString>("expected");
        QTest::newRow("runs") << rows({0, 1, 2, 4, 5, 7}) << "GROUP_INDEX: 1 - 3; 5; 6; 8";
        QTest::newRow("pair") << rows({3, 4}) << "GROUP_INDEX: 4; 5";
        QTest::newRow("pair backwards") << rows({4, 3}) << "GROUP_INDEX: 5; 4";
        QTest::newRow("empty") << QVariantList() << "GROUP_INDEX: ";
        QTest::newRow("out of range skipped") << rows({0, 300, 1}) << "GROUP_INDEX: 1; 2";
    }

    void selectedIndexesStr()
    {
        QFETCH(QVariantList, selection);
        QFETCH(QString, expected);
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        model.rebuildModel();
        QCOMPARE(model.getSelectedIndexesStr(selection), expected);
    }

    void sensitivity_data()
    {
        QTest::addColumn<int>("direct");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("steps over low") << 300 << 301 << 302;
        QTest::newRow("two reverse groups") << 398 << 399 << 400;
        QTest::newRow("one reverse group is both") << 399 << 400 << 400;
        QTest::newRow("no reverse group") << 400 << -1 << -1;
        QTest::newRow("low not in the way") << 300 << -1 << 301;
    }

    void sensitivity()
    {
        QFETCH(int, direct);
        QFETCH(int, low);
        QFETCH(int, high);
        FixturePlant plant(8);
        standAlone(*plant, direct);
        plant->groups().setLowSensibilityGroupIndex(low);
        OvGroupsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel();
        model.enableHighSensibilityGroup(true);
        QCOMPARE(model.getHighSensibilityGroupIndex(), high);
        QCOMPARE(plant->groups().highSensibilityGroupIndex(), high);
        // The panel's general block holds the high group's number (0 for none) at 5204, low byte
        // first.
        plant->groups().writeGeneralFields();
        const int stored = qMax(high, 0);
        QCOMPARE(planttest::block(2).mid(5204, 2), QByteArray().append(char(stored & 0xFF)).append(char(stored >> 8)));
        model.enableHighSensibilityGroup(false);
        QCOMPARE(plant->groups().highSensibilityGroupIndex(), -1);
    }

    void cbeForms()
    {
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.rebuildModel();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        expectWarning("^CBE ERROR: \\(SUB\\(");
        expectWarning("^CBE ERROR: \\(G1\\)");
        model.setCBE(rows({0}), "(SUB1(C1L1M2.1))");
        QCOMPARE(plant->groups().groups().at(0).cbe(), QString("(SUB(C1L1M2.1))"));
        QCOMPARE(model.data(model.index(0, 0), 260).toString(), QString("(SUB1(C1L1M2.1))"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), (QVector<int>{260, 258}));
        // The same text again changes nothing.
        model.setCBE(rows({0}), "(SUB1(C1L1M2.1))");
        QCOMPARE(changed.count(), 1);

        model.setCBE(rows({1}), "(G1)");
        QCOMPARE(plant->groups().groups().at(1).cbeErrorCode(), 528);
        QCOMPARE(model.data(model.index(1, 0), 258).toString(), QString("errors.png"));
        QCOMPARE(model.getIconToolTip(1), QString("CBE_DIRECT_INV_GROUP_IDX_1"));
    }

    void clearingKeepsTheKind()
    {
        FixturePlant plant(8);
        standAlone(*plant, 300);
        plant->groups().groupAt(0)->setDescription("Doors");
        OvGroupsModel model;
        model.rebuildModel();
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.resetGroups(rows({0, 500}));
        QCOMPARE(changed.count(), 1);
        const OvGroup& group = plant->groups().groups().at(0);
        QVERIFY(group.isDirect());
        QVERIFY(group.description().isEmpty());
        QVERIFY(!group.doubleConsent());
        // Checked as a direct group: naming a lower group is the direct error.
        model.setCBE(rows({0}), "(G2)");
        QCOMPARE(plant->groups().groups().at(0).cbeErrorCode(), 0);
    }

    // A description equal to the stored one changes nothing, the plant's state included.
    void sameDescription()
    {
        FixturePlant plant(8);
        standAlone(*plant, 300);
        plant->groups().groupAt(0)->setDescription("Doors");
        OvGroupsModel model;
        model.rebuildModel();
        plant->modifyPlantData(false);
        plant->clearModificationBits(~0u);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setGroupDescription(0, "Doors");
        model.setGroupDescription(rows({0}), "Doors");
        QCOMPARE(changed.count(), 0);
        QVERIFY(!plant->isModified() && !plant->isPlantDataModified());
        model.setGroupDescription(0, "Gates");
        QCOMPARE(changed.count(), 1);
        QVERIFY(plant->isModified() && plant->isPlantDataModified());
    }

    void icons()
    {
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        model.setDirectGroupsFilter(false);
        model.rebuildModel();
        model.setHighSensibilityGroupIndex(301);
        model.setLowSensibilityGroupIndex(301);
        QCOMPARE(model.data(model.index(0, 0), 258).toString(), QString("highSensibilityGroup_on.png"));
        model.setHighSensibilityGroupIndex(302);
        QCOMPARE(model.data(model.index(0, 0), 258).toString(), QString("lowSensibilityGroup_on.png"));
        QCOMPARE(model.data(model.index(2, 0), 258).toString(), QString("null.png"));
        // Unchecked without a plant, and while a compile holds the plant.
        ActivePlant::install(nullptr);
        QCOMPARE(model.data(model.index(2, 0), 258).toString(), QString("errors.png"));
        QCOMPARE(model.getIconToolTip(2), QString());
        ActivePlant::install(&plant);
        plant->setBusy(true);
        QCOMPARE(model.data(model.index(2, 0), 258).toString(), QString("errors.png"));
        plant->setBusy(false);
    }

    void countIgnored_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("current") << 300;
        QTest::newRow("negative") << -1;
        QTest::newRow("above the group count") << 401;
    }

    void countIgnored()
    {
        QFETCH(int, count);
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        model.rebuildModel();
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.setDirectGrupsCount(count);
        QCOMPARE(reset.count(), 0);
        model.setDirectGrupsCount(200);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(plant->groups().directGroupsCount(), 200);
        QCOMPARE(model.rowCount(), 200);
    }

    void selectFollowsTheTab()
    {
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        model.rebuildModel();
        QSignalSpy selected(&model, &OvGroupsModel::remoteSelect);
        model.select(310);
        model.select(400);
        QCOMPARE(selected.count(), 0);
        model.select(4);
        model.setDirectGroupsFilter(false);
        model.select(310);
        QCOMPARE(selected.count(), 2);
        QCOMPARE(selected.at(0).at(0).toInt(), 4);
        QCOMPARE(selected.at(1).at(0).toInt(), 10);
    }
};

QTEST_GUILESS_MAIN(tst_GroupsModel)
#include "tst_groupsmodel.moc"
