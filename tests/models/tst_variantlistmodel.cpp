// The variant list model on short lists of letters ("XYZ" is the rows X, Y, Z): the rows after
// each call and what views and bindings saw. A position outside the list changes nothing.
#include "TestBase.h"
#include "models/QQmlVariantListModel.h"

#include <QAbstractItemModelTester>
#include <QtTest>

#include <functional>

class Model : public QQmlVariantListModel {
public:
    using QQmlVariantListModel::createIndex;
};
using Step = std::function<void(Model&)>;
Q_DECLARE_METATYPE(Step)

namespace {

QVariantList items(const QString& letters)
{
    QVariantList items;
    for (const QChar c : letters)
        items << QString(c);
    return items;
}

// What views and bindings saw, the signals of one kind together.
struct Watch {
    explicit Watch(Model* m)
        : ins(m, &Model::rowsInserted)
        , rem(m, &Model::rowsRemoved)
        , mov(m, &Model::rowsMoved)
        , chg(m, &Model::dataChanged)
        , cnt(m, &Model::countChanged)
    {
    }
    QString log() const
    {
        QStringList out;
        for (const QSignalSpy* spy : {&ins, &rem})
            for (const auto& a : *spy)
                out << QString(spy == &ins ? "ins %1-%2" : "rem %1-%2").arg(a[1].toInt()).arg(a[2].toInt());
        for (const auto& a : mov)
            out << QString("mov %1-%2>%3").arg(a[1].toInt()).arg(a[2].toInt()).arg(a[4].toInt());
        for (const auto& a : chg)
            out << QString("chg %1-%2 %3")
                       .arg(a[0].toModelIndex().row())
                       .arg(a[1].toModelIndex().row())
                       .arg(a[2].value<QVector<int>>() == QVector<int>{256} ? "[256]" : "[?]");
        for (const auto& a : cnt)
            out << QString("count %1").arg(a[0].toInt());
        return out.join("; ");
    }
    QSignalSpy ins, rem, mov, chg, cnt;
};

} // namespace

class tst_VariantListModel : public TestBase {
    Q_OBJECT

private slots:
    void step_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Step>("step");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("log");
        auto row = [](const char* name, const char* before, Step step, const char* after, const char* log) {
            QTest::newRow(name) << QString(before) << step << QString(after) << QString(log);
        };
        row(
            "prependList reverses its block", "X", [](Model& m) { m.prependList(items("ABC")); }, "CBAX",
            "ins 0-2; count 4");
        row(
            "prependList empty", "X", [](Model& m) { m.prependList({}); }, "X", "");
        row(
            "appendList", "X", [](Model& m) { m.appendList(items("AB")); }, "XAB", "ins 1-2; count 3");
        row(
            "insertList keeps order", "XY", [](Model& m) { m.insertList(1, items("AB")); }, "XABY", "ins 1-2; count 4");
        row(
            "insertList at the end", "XY", [](Model& m) { m.insertList(2, items("AB")); }, "XYAB", "ins 2-3; count 4");
        row(
            "insertList past the end", "XY", [](Model& m) { m.insertList(3, items("AB")); }, "XY", "");
        row(
            "insertList before the start", "XY", [](Model& m) { m.insertList(-1, items("AB")); }, "XY", "");
        row(
            "insert at the end", "XY", [](Model& m) { m.insert(2, "A"); }, "XYA", "ins 2-2; count 3");
        row(
            "insert past the end", "XY", [](Model& m) { m.insert(3, "A"); }, "XY", "");
        row(
            "insert before the start", "XY", [](Model& m) { m.insert(-1, "A"); }, "XY", "");
        row(
            "append to empty", "", [](Model& m) { m.append("A"); }, "A", "ins 0-0; count 1");
        row(
            "prepend", "XY", [](Model& m) { m.prepend("A"); }, "AXY", "ins 0-0; count 3");
        row(
            "replace last", "XYZ", [](Model& m) { m.replace(2, "B"); }, "XYB", "chg 2-2 [256]");
        row(
            "replace past the end", "XYZ", [](Model& m) { m.replace(3, "B"); }, "XYZ", "");
        row(
            "replace 5 of 3", "XYZ", [](Model& m) { m.replace(5, "B"); }, "XYZ", "");
        row(
            "remove", "XYZ", [](Model& m) { m.remove(1); }, "XZ", "rem 1-1; count 2");
        row(
            "remove last", "XYZ", [](Model& m) { m.remove(2); }, "XY", "rem 2-2; count 2");
        row(
            "remove past the end", "XYZ", [](Model& m) { m.remove(3); }, "XYZ", "");
        row(
            "remove before the start", "XYZ", [](Model& m) { m.remove(-1); }, "XYZ", "");
        row(
            "clear", "XY", [](Model& m) { m.clear(); }, "", "rem 0-1; count 0");
        row(
            "clear empty", "", [](Model& m) { m.clear(); }, "", "");
        row(
            "move down", "XYZ", [](Model& m) { m.move(0, 2); }, "YZX", "mov 0-0>3");
        row(
            "move down one", "XYZ", [](Model& m) { m.move(0, 1); }, "YXZ", "mov 0-0>2");
        row(
            "move up", "XYZ", [](Model& m) { m.move(2, 0); }, "ZXY", "mov 2-2>0");
        row(
            "move onto itself", "XYZ", [](Model& m) { m.move(1, 1); }, "XYZ", "");
        row(
            "move past the end", "XYZ", [](Model& m) { m.move(0, 3); }, "XYZ", "");
        row(
            "move from past the end", "XYZ", [](Model& m) { m.move(3, 0); }, "XYZ", "");
        row(
            "move before the start", "XYZ", [](Model& m) { m.move(0, -1); }, "XYZ", "");
        row(
            "setData", "XYZ", [](Model& m) { QVERIFY(m.setData(m.index(1), "N", 256)); }, "XNZ", "chg 1-1 [256]");
        row(
            "setData other roles", "XYZ",
            [](Model& m) { QVERIFY(!m.setData(m.index(1), "N") && !m.setData(m.index(1), "N", 257)); }, "XYZ", "");
        row(
            "setData past the end", "XYZ", [](Model& m) { QVERIFY(!m.setData(m.createIndex(3, 0), "N", 256)); }, "XYZ",
            "");
        row(
            "data and get", "XYZ",
            [](Model& m) {
                QCOMPARE(QVariantList({m.data(m.index(2), 256), m.get(2), m.data(m.index(2), Qt::DisplayRole), m.get(5),
                                       m.get(-1), m.data(m.createIndex(3, 0), 256)}),
                         QVariantList({"Z", "Z", {}, {}, {}, {}}));
            },
            "XYZ", "");
    }
    void step()
    {
        QFETCH(QString, before);
        QFETCH(Step, step);
        Model model;
        model.appendList(items(before));
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const Watch watch(&model);
        step(model);
        QFETCH(QString, after);
        QCOMPARE(QVariant(model.list()).toStringList().join(QString()), after);
        QTEST(watch.log(), "log");
        QCOMPARE(QVariantList({model.rowCount(), model.count(), model.property("count"), model.isEmpty()}),
                 QVariantList({after.size(), after.size(), after.size(), after.isEmpty()}));
    }

    void shape()
    {
        auto* model = new Model;
        QCOMPARE(model->roleNames(), (QHash<int, QByteArray>{{256, "qtVariant"}}));
        model->appendList(items("XY"));
        QCOMPARE(model->rowCount(model->index(0)), 0);
        const Watch watch(model);
        delete model;
        QCOMPARE(watch.log(), QString("rem 0-1; count 0"));
    }
};

QTEST_GUILESS_MAIN(tst_VariantListModel)
#include "tst_variantlistmodel.moc"
