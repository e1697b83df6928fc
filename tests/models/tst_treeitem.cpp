// The tree node and its item classes: kinds, ownership and the edge cases of rows and ranges.
#include "models/ActiveItem.h"
#include "models/OvModelItem.h"
#include "models/OvPointMdlItem.h"
#include "models/PointTypeItem.h"
#include "models/WalkTestItem.h"
#include "plant/OvGenericPoint.h"
#include "TestBase.h"

#include <QtTest>

namespace {

// Counts its destructions, so a test sees what a delete reached.
struct Counted : TreeItem {
    Counted(TreeItem* parent, int* deaths) : TreeItem({}, parent), deaths(deaths) {}
    ~Counted() override { ++*deaths; }
    int* deaths;
};

Counted* add(TreeItem* parent, int* deaths)
{
    auto* item = new Counted(parent, deaths);
    parent->appendChild(item);
    return item;
}

} // namespace

class tst_TreeItem : public TestBase {
    Q_OBJECT

private slots:
    void kinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("expected");
        const CPUDevice cpu(1);
        QTest::newRow("model root") << OvModelItem(QList<QVariant>()).itemType() << 0;
        QTest::newRow("plant") << OvPlantItem(QList<QVariant>()).itemType() << 1;
        QTest::newRow("general parameters") << OvGenParametersItem(QList<QVariant>()).itemType() << 2;
        QTest::newRow("passwords") << OvPwdMngItem(QList<QVariant>()).itemType() << 3;
        QTest::newRow("areas") << OvAreasItem(QList<QVariant>()).itemType() << 4;
        QTest::newRow("groups") << OvGrupsItem(QList<QVariant>()).itemType() << 5;
        QTest::newRow("repeaters") << OvRepeatersItem(QList<QVariant>()).itemType() << 6;
        QTest::newRow("CPUs") << OvCPUsItem(QList<QVariant>()).itemType() << 7;
        QTest::newRow("CPU") << OvCPUItem({}, cpu, nullptr).itemType() << 8;
        QTest::newRow("loop") << OvLoopItem({}, cpu, 1, nullptr).itemType() << 9;
        QTest::newRow("annunciator") << OvAnnunciatorItem({}, 1, nullptr).itemType() << 11;
        QTest::newRow("point table root") << OvPointMdlItem({}, nullptr).itemType() << 0;
        QTest::newRow("point row") << OvPtItem({}, nullptr).itemType() << 1;
        QTest::newRow("channel row") << OvSubItem({}, nullptr).itemType() << 2;
        QTest::newRow("walk-test root") << WalkTestItem(QList<QVariant>()).itemType() << 0;
        QTest::newRow("walk-test CPU") << CPUWalkTestItem(QList<QVariant>()).itemType() << 1;
        QTest::newRow("walk-test loop") << LoopWalkTestItem(QList<QVariant>()).itemType() << 2;
        QTest::newRow("walk-test module") << ModuleWalkTestItem(QList<QVariant>()).itemType() << 3;
        QTest::newRow("walk-test channel") << ModuleSubTestItem(1, 2, 3, 4, {}, nullptr).itemType() << 4;
        QTest::newRow("target root") << ActiveItem().itemType() << 0;
        QTest::newRow("target family") << ActiveItem(1, 4, "Detector", "sensore.png", false, nullptr).itemType() << 4;
    }
    void kinds()
    {
        QFETCH(int, kind);
        QFETCH(int, expected);
        QCOMPARE(kind, expected);
    }

    // Rows, siblings, columns and ranges at their edges.
    void edges_data()
    {
        QTest::addColumn<int>("children");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("result");
        QTest::addColumn<int>("left");
        QTest::newRow("empty, nothing") << 0 << 0 << 0 << true << 0;
        QTest::newRow("negative position") << 1 << -1 << 1 << false << 1;
        QTest::newRow("past the end") << 2 << 1 << 2 << false << 2;
        QTest::newRow("last one") << 2 << 1 << 1 << true << 1;
        QTest::newRow("all") << 3 << 0 << 3 << true << 0;
        QTest::newRow("negative count") << 2 << 0 << -1 << true << 2;
    }
    void edges()
    {
        QFETCH(int, children);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(bool, result);
        QFETCH(int, left);
        int deaths = 0;
        TreeItem root({"a", "b"});
        for (int i = 0; i < children; ++i)
            add(&root, &deaths);
        QCOMPARE(root.removeChildren(position, count), result);
        QCOMPARE(root.childCount(), left);
        QCOMPARE(deaths, children - left);
    }

    void navigation()
    {
        int deaths = 0;
        TreeItem root({"a", "b"});
        QCOMPARE(root.row(), 0);
        QCOMPARE(root.nextSibling(), nullptr);
        QCOMPARE(root.columnCount(), 2);
        QCOMPARE(root.data(1), QVariant("b"));
        QVERIFY(!root.data(2).isValid());
        QVERIFY(!root.data(-1).isValid());
        TreeItem* first = add(&root, &deaths);
        TreeItem* last = add(&root, &deaths);
        QCOMPARE(first->row(), 0);
        QCOMPARE(last->row(), 1);
        QCOMPARE(first->nextSibling(), last);
        QCOMPARE(last->nextSibling(), nullptr);
        QCOMPARE(root.child(2), nullptr);
        QCOMPARE(root.child(-1), nullptr);
        auto* middle = new Counted(&root, &deaths);
        root.insertChild(middle, 1);
        auto* end = new Counted(&root, &deaths);
        root.insertChild(end, 99);
        QCOMPARE(root.child(1), middle);
        QCOMPARE(root.child(3), end);
        root.removeChild(middle);
        QCOMPARE(root.childCount(), 3);
        QCOMPARE(deaths, 0);
        delete middle;
        root.removeChild(middle);
        QCOMPARE(root.childCount(), 3);
        QCOMPARE(first->self(), first);
    }

    // A deleted root takes its grandchildren with it; the points of point rows stay the plant's.
    void ownership()
    {
        int deaths = 0;
        auto* root = new TreeItem({});
        Counted* child = add(root, &deaths);
        add(child, &deaths);
        add(add(child, &deaths), &deaths);
        delete root;
        QCOMPARE(deaths, 4);

        const OvGenericPoint point(1, 1, 1, 5);
        auto* table = new OvPointMdlItem({}, nullptr);
        auto* row = new OvPtItem({}, table, &point);
        table->appendChild(row);
        QCOMPARE(row->getPoint(), &point);
        delete table;
        QCOMPARE(point.address(), 5u);
    }

    void pointTypeItem_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::addColumn<int>("series");
        QTest::addColumn<int>("family");
        QTest::addColumn<QList<int>>("read");
        QTest::newRow("VARN module") << 2 << 1 << 2 << QList<int>{2, 1, 2};
        QTest::newRow("APOLLO sensor") << 4 << 4 << 1 << QList<int>{4, 4, 1};
        QTest::newRow("not bits") << 3 << 8 << 3 << QList<int>{0, 0, 0};
    }
    void pointTypeItem()
    {
        QFETCH(int, protocol);
        QFETCH(int, series);
        QFETCH(int, family);
        QFETCH(QList<int>, read);
        PointTypeItem root;
        QCOMPARE(root.data(6), QVariant("subCount"));
        auto* item = new PointTypeItem(protocol, series, family, 130, 46, "Module", 2, &root);
        root.appendChild(item);
        QCOMPARE((QList<int>{item->getProtocol(), item->getSeries(), item->getFamily()}), read);
        QCOMPARE(item->columnCount(), 7);
        QCOMPARE(item->data(5), QVariant("Module"));
    }
};

QTEST_GUILESS_MAIN(tst_TreeItem)
#include "tst_treeitem.moc"
