// The point-type drop-down's tree: its drop rules over the device catalogue of an ADV loop,
// group rows, type-ahead and walking, and the software types of one channel.
#include "ModelFixture.h"
#include "TestBase.h"
#include "models/OvPointTypeTreeModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using modeltest::FixturePlant;

namespace {

QSet<int> rootHwTypes(const OvPointTypeTreeModel& tree)
{
    QSet<int> codes;
    for (int r = 0; r < tree.rowCount(); ++r)
        codes << qvariant_cast<PointType>(tree.getPointType(tree.index(r, 0))).hwType();
    return codes;
}

int rowOf(const OvPointTypeTreeModel& tree, const QString& name)
{
    for (int r = 0; r < tree.rowCount(); ++r)
        if (tree.data(tree.index(r, 0), 258).toString() == name)
            return r;
    return -1;
}

} // namespace

class tst_PointTypeTree : public TestBase {
    Q_OBJECT

private slots:
    void face()
    {
        FixturePlant plant(0);
        OvPointTypeTreeModel tree(1, 2);
        const QHash<int, QByteArray> roles = tree.roleNames();
        QCOMPARE((QList<QByteArray>{roles.value(257), roles.value(258), roles.value(259), roles.value(260)}),
                 (QList<QByteArray>{"pointItemIconName", "pointItemName", "pointItemValue", "pointItemDescription"}));
        QCOMPARE(roles.size(), 4);
        QCOMPARE(tree.columnCount(), 4);
        const QModelIndex input = tree.index(rowOf(tree, "LM-40 INPUT"), 0);
        QVERIFY(!tree.data(input, 259).isValid());
        QCOMPARE(tree.data(input, 257).toString(), QString("null.png"));
        QCOMPARE(tree.data(tree.index(rowOf(tree, "LM-70 INPUT"), 0), 257).toString(), QString("varn.png"));
        QCOMPARE(tree.data(tree.index(0, 0, tree.index(rowOf(tree, "LM-70 INPUT"), 0)), 257).toString(),
                 QString("null.png"));
        for (int protocol : {1, 2, 4})
            for (int family : {1, 2}) {
                OvPointTypeTreeModel other(protocol, family);
                QAbstractItemModelTester tester(&other, QAbstractItemModelTester::FailureReportingMode::QtTest);
                OvGenericPoint p(family, 1, 1, 10);
                other.setPointFilter(&p, true, 3, true, 2, 2, false);
                other.setProtocolAndFamily(protocol == 1 ? 2 : 1, family);
            }
    }

    void dropRules_data()
    {
        QTest::addColumn<QVariantList>("filter");
        QTest::addColumn<QList<int>>("absent");
        QTest::addColumn<QList<int>>("present");
        // filter: dropType16397, maxSubCount, excludeSeries2, maxSubCountSeries1, maxSubCountSeries2,
        // decadeAddress.
        QTest::newRow("none") << QVariantList{false, -1, false, -1, -1, true} << QList<int>{}
                              << QList<int>{16397, 206, 208, 16402, 139};
        QTest::newRow("16397") << QVariantList{true, -1, false, -1, -1, true} << QList<int>{16397}
                               << QList<int>{16399, 16400};
        QTest::newRow("no decade") << QVariantList{false, -1, false, -1, -1, false}
                                   << QList<int>{206, 207, 208, 16400, 16401, 16402} << QList<int>{139, 16399};
        QTest::newRow("series-1 limit 9")
            << QVariantList{false, -1, false, 9, -1, true} << QList<int>{139, 208} << QList<int>{137, 16402};
        QTest::newRow("series-2 limit 9")
            << QVariantList{false, -1, false, -1, 9, true} << QList<int>{16402} << QList<int>{208, 16397};
        QTest::newRow("limit 4") << QVariantList{false, 4, false, -1, -1, true} << QList<int>{137, 208, 16397}
                                 << QList<int>{202, 16399, 132};
        QTest::newRow("limit 0") << QVariantList{false, 0, false, -1, -1, true} << QList<int>{201, 16398}
                                 << QList<int>{132, 16394};
    }
    void dropRules()
    {
        QFETCH(QVariantList, filter);
        QFETCH(QList<int>, absent);
        QFETCH(QList<int>, present);
        FixturePlant plant(0);
        OvPointTypeTreeModel tree(1, 2);
        QSignalSpy resets(&tree, &QAbstractItemModel::modelReset);
        OvGenericPoint p(2, 1, 1, 10);
        tree.setPointFilter(&p, filter[0].toBool(), filter[1].toInt(), filter[2].toBool(), filter[3].toInt(),
                            filter[4].toInt(), filter[5].toBool());
        QCOMPARE(resets.count(), QTest::currentDataTag() == QByteArray("none") ? 0 : 1);
        const QSet<int> codes = rootHwTypes(tree);
        for (int code : absent)
            QVERIFY2(!codes.contains(code), qPrintable(QString::number(code)));
        for (int code : present)
            QVERIFY2(codes.contains(code), qPrintable(QString::number(code)));
    }

    void excludeSeries2AndBrand()
    {
        FixturePlant plant(0);
        OvPointTypeTreeModel tree(1, 2);
        OvGenericPoint p(2, 1, 1, 10);
        tree.setPointFilter(&p, false, -1, true, -1, -1, true);
        QVERIFY(tree.rowCount() > 0);
        for (int r = 0; r < tree.rowCount(); ++r)
            QCOMPARE(qvariant_cast<PointType>(tree.getPointType(tree.index(r, 0))).getSeries(), 1);

        Configuration* config = Configuration::instance();
        const int brand = config->current_brand();
        config->set_current_brand(1);
        OvPointTypeTreeModel branded(1, 2);
        OvPointTypeTreeModel sensors(1, 1);
        config->set_current_brand(brand);
        const QSet<int> codes = rootHwTypes(branded);
        for (int code : {137, 139, 16397, 16400, 16401, 16402})
            QVERIFY2(!codes.contains(code), qPrintable(QString::number(code)));
        QVERIFY(codes.contains(208) && codes.contains(132));
        QVERIFY(!rootHwTypes(sensors).contains(31));
        QVERIFY(rootHwTypes(sensors).contains(30));
    }

    void groupsAndWalking()
    {
        FixturePlant plant(0);
        OvPointTypeTreeModel tree(1, 2);
        const int input = rowOf(tree, "LM-40 INPUT");
        const QModelIndex group = tree.index(input, 0);
        const QModelIndex mon = tree.getFirstIndex("LM-40 INPUT - MON");
        QCOMPARE(mon.parent(), group);
        QCOMPARE(tree.getFirstIndex("LM-40 INPUT"), group);
        QCOMPARE(tree.getFirstIndex(""), tree.index(0, 0));
        QCOMPARE(tree.getFirstIndex("LM-40 INPUT - NOTHING"), tree.index(0, 0));
        QVERIFY(!tree.canBeSelected(group));
        QVERIFY(tree.canBeSelected(mon));
        QVERIFY(tree.canBeSelected(tree.index(rowOf(tree, "LM-02 IN/OUT 1+1"), 0)));
        const PointType type = qvariant_cast<PointType>(tree.getPointType(mon));
        QCOMPARE((QList<int>{type.getProtocol(), type.getFamily(), type.getSeries(), type.hwType(), type.swType()}),
                 (QList<int>{1, 2, 1, 132, 42}));

        QCOMPARE(tree.keyPressed(tree.index(3, 0), Qt::Key_Q), tree.index(0, 0));
        QCOMPARE(tree.keyPressed(group, Qt::Key_M), tree.index(0, 0, group));
        QCOMPARE(tree.keyPressed(group, Qt::Key_W), tree.index(rowOf(tree, "WM-10 CALL POINT"), 0));
        QCOMPARE(tree.getParent(mon), group);
        QCOMPARE(tree.getParent(group).row(), 0);
        QVERIFY(tree.getParent(group).isValid());

        QCOMPARE(tree.getNext(group, true), tree.index(0, 0, group));
        QCOMPARE(tree.getNext(group, false), tree.index(input + 1, 0));
        QCOMPARE(tree.getNext(tree.index(tree.rowCount(group) - 1, 0, group), true), tree.index(input + 1, 0));
        QCOMPARE(tree.getPrev(tree.index(0, 0, group)), group);
        QCOMPARE(tree.getPrev(tree.index(input + 1, 0)), group);
        QCOMPARE(tree.getPrev(tree.index(0, 0)), tree.index(0, 0));
    }

    void channelList()
    {
        FixturePlant plant(8);
        OvPointTypeTreeModel tree(2, 2);
        OvGenericPoint module(2, 1, 1, 40);
        module.setPointType(PointType(2, 2, 2, 16398, 0, 2));
        const OvGenericSubPoint channel = module.subPoints().at(1);
        tree.setPointFilter(&channel, false, -1, false, -1, -1, true);
        QVERIFY(tree.subPointMode());
        QVERIFY(tree.rowCount() > 1);
        QCOMPARE(tree.data(tree.index(0, 0), 258).toString(), QString("APND"));
        QCOMPARE(tree.data(tree.index(0, 0), 257).toString(), QString("null.png"));
        const PointType type = qvariant_cast<PointType>(tree.getPointType(tree.index(0, 0)));
        QCOMPARE((QList<int>{type.hwType(), type.swType(), type.subCount()}), (QList<int>{16398, 13, 0}));
        // The chooser opens on the channel's type, named as the table names it.
        const QString second = tree.data(tree.index(1, 0), 258).toString();
        QCOMPARE(tree.getFirstIndex(QString("LM-01 IN/OUT 1+1 - ") + second), tree.index(1, 0));
        // The module itself leaves the channel's list.
        tree.setPointFilter(&module, false, -1, false, -1, -1, true);
        QVERIFY(!tree.subPointMode());
        QCOMPARE(tree.rowCount(), OvPointTypeTreeModel(2, 2).rowCount());
    }
};

QTEST_GUILESS_MAIN(tst_PointTypeTree)
#include "tst_pointtypetree.moc"
