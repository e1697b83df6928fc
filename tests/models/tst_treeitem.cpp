// The tree node and its item classes: kinds, ownership and the edge cases of rows and ranges.
#include "TestBase.h"
#include "models/ActiveItem.h"
#include "models/OvModelItem.h"
#include "models/OvPointMdlItem.h"
#include "models/PointTypeItem.h"
#include "models/WalkTestItem.h"
#include "plant/OvGenericPoint.h"

#include <QtTest>

namespace {

// Counts its destructions, so a test sees what a delete reached.
struct Counted : TreeItem {
    Counted(TreeItem* parent, int* deaths)
        : TreeItem({}, parent)
        , deaths(deaths)
    {
    }
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
    void kinds()
    {
        const CPUDevice cpu(1);
        const QList<QVariant> none;
        QCOMPARE(
            (QList<int>{OvModelItem(none).itemType(), OvPlantItem(none).itemType(),
                        OvGenParametersItem(none).itemType(), OvPwdMngItem(none).itemType(),
                        OvAreasItem(none).itemType(), OvGrupsItem(none).itemType(), OvRepeatersItem(none).itemType(),
                        OvCPUsItem(none).itemType(), OvCPUItem(none, cpu, nullptr).itemType(),
                        OvLoopItem(none, cpu, 1, nullptr).itemType(), OvAnnunciatorItem(none, 1, nullptr).itemType()}),
            (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));
        QCOMPARE((QList<int>{OvPointMdlItem(none, nullptr).itemType(), OvPtItem(none, nullptr).itemType(),
                             OvSubItem(none, nullptr).itemType()}),
                 (QList<int>{0, 1, 2}));
        QCOMPARE((QList<int>{WalkTestItem(none).itemType(), CPUWalkTestItem(none).itemType(),
                             LoopWalkTestItem(none).itemType(), ModuleWalkTestItem(none).itemType(),
                             ModuleSubTestItem(1, 2, 3, 4, none, nullptr).itemType()}),
                 (QList<int>{0, 1, 2, 3, 4}));
        QCOMPARE((QList<int>{ActiveItem().itemType(), ActiveItem(1, 4, "Detector", "", false, nullptr).itemType()}),
                 (QList<int>{0, 4}));
    }

    // A CPU item and its loop items share one snapshot; a change reaches only the item that
    // makes it, and a new CPU keeps the snapshot's CPU type, as assigning a CPU does.
    void sharedSnapshot()
    {
        CPUDevice cpu(1);
        cpu.setDescription("North");
        cpu.setCpuType(3);
        OvCPUItem cpuItem({}, cpu, nullptr);
        OvLoopItem first({}, cpuItem.snapshot, 1, nullptr);
        OvLoopItem second({}, cpuItem.snapshot, 2, nullptr);
        QCOMPARE(&first.cpu(), &cpuItem.cpu());
        first.snapshot.detached().setDescription("South");
        QCOMPARE(QStringList({cpuItem.cpu().description(), first.cpu().description(), second.cpu().description()}),
                 QStringList({"North", "South", "North"}));
        CPUDevice other(1);
        other.setDescription("East");
        other.setCpuType(5);
        cpuItem.snapshot.assign(other);
        QCOMPARE(cpuItem.cpu().description() + QString::number(cpuItem.cpu().cpuType()), QString("East3"));
        QCOMPARE(second.cpu().description(), QString("North"));
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
        QCOMPARE((QList<QVariant>{root.row(), root.columnCount(), root.data(1), root.data(2), root.data(-1)}),
                 (QList<QVariant>{0, 2, "b", QVariant(), QVariant()}));
        TreeItem* first = add(&root, &deaths);
        TreeItem* last = add(&root, &deaths);
        QCOMPARE((QList<int>{first->row(), last->row()}), (QList<int>{0, 1}));
        QCOMPARE((QList<TreeItem*>{root.nextSibling(), first->nextSibling(), last->nextSibling(), root.child(2),
                                   root.child(-1)}),
                 (QList<TreeItem*>{nullptr, last, nullptr, nullptr, nullptr}));
        auto* middle = new Counted(&root, &deaths);
        root.insertChild(middle, 1);
        auto* end = new Counted(&root, &deaths);
        root.insertChild(end, 99);
        QCOMPARE(root.child(1), middle);
        QCOMPARE(root.child(3), end);
        root.removeChild(middle);
        QCOMPARE(root.childCount(), 3);
        QCOMPARE(deaths, 0);
        // Not a child (any more): nothing happens.
        root.removeChild(middle);
        QCOMPARE(root.childCount(), 3);
        delete middle;
        QCOMPARE(deaths, 1);
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
