// The variant list model: every slot called by name, as QML calls it, on short lists of
// letters, with the rows and the signals views see. A position outside the list changes
// nothing and says nothing. Also the slots the object list interface offers QML.
#include "models/QQmlObjectListModelBase.h"
#include "models/QQmlVariantListModel.h"
#include "TestBase.h"

#include <QAbstractItemModelTester>
#include <QtTest>

namespace {

QVariantList letters(const QStringList& names)
{
    QVariantList items;
    for (const QString& name : names)
        items << name;
    return items;
}

// Calls the one void slot of that name and argument count, as QML would; the arguments are
// converted to the slot's parameter types, a QVariant parameter takes the argument itself.
bool call(QObject* object, const QByteArray& name, QVariantList args)
{
    const QMetaObject* meta = object->metaObject();
    for (int m = meta->methodOffset(); m < meta->methodCount(); ++m) {
        const QMetaMethod method = meta->method(m);
        if (method.name() != name || method.parameterCount() != args.size())
            continue;
        QGenericArgument generic[2];
        for (int a = 0; a < args.size(); ++a) {
            const int type = method.parameterType(a);
            if (type == QMetaType::QVariant)
                generic[a] = QGenericArgument("QVariant", &args[a]);
            else if (args[a].convert(type))
                generic[a] = QGenericArgument(QMetaType::typeName(type), args[a].constData());
            else
                return false;
        }
        return method.invoke(object, Qt::DirectConnection, generic[0], generic[1]);
    }
    return false;
}

QStringList methods(const QMetaObject& meta)
{
    const char* const kinds[] = {"method", "signal", "slot", "constructor"};
    const char* const access[] = {"private", "protected", "public"};
    QStringList found;
    for (int m = meta.methodOffset(); m < meta.methodCount(); ++m) {
        const QMetaMethod method = meta.method(m);
        found << QString("%1 %2 %3 %4").arg(access[method.access()], kinds[method.methodType()], method.typeName(),
                                            method.methodSignature());
    }
    return found;
}

} // namespace

class Probe : public QQmlVariantListModel
{
public:
    using QQmlVariantListModel::createIndex;
};

class tst_VariantListModel : public TestBase
{
    Q_OBJECT

    // What views and QML bindings saw, in a fixed order of kinds: rows inserted, removed and
    // moved, cells changed, counts announced, resets.
    struct Watch
    {
        explicit Watch(QQmlVariantListModel* model)
            : inserted(model, &QAbstractItemModel::rowsInserted)
            , removed(model, &QAbstractItemModel::rowsRemoved)
            , moved(model, &QAbstractItemModel::rowsMoved)
            , changed(model, &QAbstractItemModel::dataChanged)
            , counted(model, &QQmlVariantListModel::countChanged)
            , reset(model, &QAbstractItemModel::modelReset)
        {
        }
        QStringList log() const
        {
            QStringList lines;
            for (const auto& args : inserted)
                lines << QString("inserted %1-%2").arg(args[1].toInt()).arg(args[2].toInt());
            for (const auto& args : removed)
                lines << QString("removed %1-%2").arg(args[1].toInt()).arg(args[2].toInt());
            for (const auto& args : moved)
                lines << QString("moved %1-%2>%3").arg(args[1].toInt()).arg(args[2].toInt()).arg(args[4].toInt());
            for (const auto& args : changed) {
                QStringList roles;
                for (int role : args[2].value<QVector<int>>())
                    roles << QString::number(role);
                lines << QString("changed %1-%2 [%3]").arg(args[0].toModelIndex().row()).arg(args[1].toModelIndex().row()).arg(roles.join(','));
            }
            for (const auto& args : counted)
                lines << QString("count %1").arg(args[0].toInt());
            if (!reset.isEmpty())
                lines << "reset";
            return lines;
        }
        QSignalSpy inserted, removed, moved, changed, counted, reset;
    };

private slots:
    void operation_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QStringList>("log");
        const QStringList xy{"X", "Y"}, xyz{"X", "Y", "Z"};
        const QVariantList ab = letters({"A", "B"});
        auto row = [](const char* name, const QStringList& before, const char* slot, const QVariantList& args,
                      const QStringList& after, const QStringList& log) {
            QTest::newRow(name) << before << QByteArray(slot) << args << after << log;
        };
        row("prependList reverses its block", {"X"}, "prependList", {QVariant(letters({"A", "B", "C"}))},
            {"C", "B", "A", "X"}, {"inserted 0-2", "count 4"});
        row("prependList empty", {"X"}, "prependList", {QVariant(QVariantList())}, {"X"}, {});
        row("appendList", {"X"}, "appendList", {QVariant(ab)}, {"X", "A", "B"}, {"inserted 1-2", "count 3"});
        row("appendList empty", {"X"}, "appendList", {QVariant(QVariantList())}, {"X"}, {});
        row("insertList keeps order", xy, "insertList", {1, ab}, {"X", "A", "B", "Y"}, {"inserted 1-2", "count 4"});
        row("insertList at the end", xy, "insertList", {2, ab}, {"X", "Y", "A", "B"}, {"inserted 2-3", "count 4"});
        row("insertList past the end", xy, "insertList", {3, ab}, xy, {});
        row("insertList before the start", xy, "insertList", {-1, ab}, xy, {});
        row("insertList empty", xy, "insertList", {0, QVariantList()}, xy, {});
        row("insert at the end", xy, "insert", {2, "A"}, {"X", "Y", "A"}, {"inserted 2-2", "count 3"});
        row("insert past the end", xy, "insert", {3, "A"}, xy, {});
        row("insert before the start", xy, "insert", {-1, "A"}, xy, {});
        row("insert into empty", {}, "insert", {0, "A"}, {"A"}, {"inserted 0-0", "count 1"});
        row("append to empty", {}, "append", {"A"}, {"A"}, {"inserted 0-0", "count 1"});
        row("append", xy, "append", {"A"}, {"X", "Y", "A"}, {"inserted 2-2", "count 3"});
        row("prepend", xy, "prepend", {"A"}, {"A", "X", "Y"}, {"inserted 0-0", "count 3"});
        row("replace", xyz, "replace", {1, "B"}, {"X", "B", "Z"}, {"changed 1-1 [256]"});
        row("replace last", xyz, "replace", {2, "B"}, {"X", "Y", "B"}, {"changed 2-2 [256]"});
        row("replace past the end", xyz, "replace", {3, "B"}, xyz, {});
        row("replace at 5 of 3", xyz, "replace", {5, "B"}, xyz, {});
        row("replace before the start", xyz, "replace", {-1, "B"}, xyz, {});
        row("remove", xyz, "remove", {1}, {"X", "Z"}, {"removed 1-1", "count 2"});
        row("remove last", xyz, "remove", {2}, xy, {"removed 2-2", "count 2"});
        row("remove past the end", xyz, "remove", {3}, xyz, {});
        row("remove at 5 of 3", xyz, "remove", {5}, xyz, {});
        row("remove before the start", xyz, "remove", {-1}, xyz, {});
        row("remove the only row", {"X"}, "remove", {0}, {}, {"removed 0-0", "count 0"});
        row("clear", xy, "clear", {}, {}, {"removed 0-1", "count 0"});
        row("clear empty", {}, "clear", {}, {}, {});
        row("move down", xyz, "move", {0, 2}, {"Y", "Z", "X"}, {"moved 0-0>3"});
        row("move down one", xyz, "move", {0, 1}, {"Y", "X", "Z"}, {"moved 0-0>2"});
        row("move up", xyz, "move", {2, 0}, {"Z", "X", "Y"}, {"moved 2-2>0"});
        row("move up one", xyz, "move", {2, 1}, {"X", "Z", "Y"}, {"moved 2-2>1"});
        row("move onto itself", xyz, "move", {1, 1}, xyz, {});
        row("move past the end", xyz, "move", {0, 3}, xyz, {});
        row("move from past the end", xyz, "move", {3, 0}, xyz, {});
        row("move before the start", xyz, "move", {0, -1}, xyz, {});
        row("move from before the start", xyz, "move", {-1, 0}, xyz, {});
    }
    void operation()
    {
        QFETCH(QStringList, before);
        QFETCH(QByteArray, slot);
        QFETCH(QVariantList, args);
        QQmlVariantListModel model;
        model.appendList(letters(before));
        QCOMPARE(model.count(), before.size());
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const Watch watch(&model);
        QVERIFY(call(&model, slot, args));
        QTEST(QVariant(model.list()).toStringList(), "after");
        QTEST(watch.log(), "log");
        QCOMPARE(model.rowCount(), model.count());
        QCOMPARE(model.property("count").toInt(), model.count());
        QCOMPARE(model.isEmpty(), model.count() == 0);
    }

    // get, data and setData answer for the rows of the list and role 256 only.
    void access_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("role");
        QTest::addColumn<QVariant>("item");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("first") << 0 << 256 << QVariant("X") << QStringList{"changed 0-0 [256]"};
        QTest::newRow("last") << 2 << 256 << QVariant("Z") << QStringList{"changed 2-2 [256]"};
        QTest::newRow("past the end") << 3 << 256 << QVariant() << QStringList();
        QTest::newRow("5 of 3") << 5 << 256 << QVariant() << QStringList();
        QTest::newRow("before the start") << -1 << 256 << QVariant() << QStringList();
        QTest::newRow("display role") << 1 << int(Qt::DisplayRole) << QVariant() << QStringList();
        QTest::newRow("role 257") << 1 << 257 << QVariant() << QStringList();
    }
    void access()
    {
        QFETCH(int, row);
        QFETCH(int, role);
        QFETCH(QVariant, item);
        Probe model;
        model.appendList(letters({"X", "Y", "Z"}));
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        const Watch watch(&model);
        const QModelIndex index = model.createIndex(row, 0);
        QCOMPARE(model.data(index, role), item);
        if (role == 256)
            QCOMPARE(model.get(row), item);
        QCOMPARE(model.setData(index, "N", role), item.isValid());
        QStringList after{"X", "Y", "Z"};
        if (item.isValid())
            after[row] = "N";
        QCOMPARE(QVariant(model.list()).toStringList(), after);
        QTEST(watch.log(), "log");
    }

    // The one role, the count QML binds to, and the rows cleared as the model goes.
    void shape()
    {
        auto* model = new QQmlVariantListModel;
        QCOMPARE(model->roleNames(), (QHash<int, QByteArray>{{256, "qtVariant"}}));
        const QMetaProperty count = model->metaObject()->property(model->metaObject()->indexOfProperty("count"));
        QCOMPARE(QList<bool>({count.isWritable(), count.hasNotifySignal()}), QList<bool>({false, true}));
        QCOMPARE(count.notifySignal().methodSignature(), QByteArray("countChanged(int)"));
        QCOMPARE(QVariantList({model->count(), model->isEmpty(), model->get(0)}), QVariantList({0, true, QVariant()}));
        model->appendList(letters({"X", "Y"}));
        QCOMPARE(model->rowCount(model->index(0)), 0);
        const Watch watch(model);
        delete model;
        QCOMPARE(watch.log(), QStringList({"removed 0-1", "count 0"}));
    }

    // The slots QML may call, in their order, with their access.
    void qmlSlots_data()
    {
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("variant list") << methods(QQmlVariantListModel::staticMetaObject)
            << QStringList{"public signal void countChanged(int)", "public slot void clear()",
                           "public slot int count()", "public slot bool isEmpty()",
                           "public slot void append(QVariant)", "public slot void prepend(QVariant)",
                           "public slot void insert(int,QVariant)", "public slot void appendList(QVariantList)",
                           "public slot void prependList(QVariantList)", "public slot void replace(int,QVariant)",
                           "public slot void insertList(int,QVariantList)", "public slot void move(int,int)",
                           "public slot void remove(int)", "public slot QVariant get(int)",
                           "public slot QVariantList list()"};
        QTest::newRow("object list interface") << methods(QQmlObjectListModelBase::staticMetaObject)
            << QStringList{"public signal void countChanged()", "public slot int size()", "public slot int count()",
                           "public slot bool isEmpty()", "public slot bool contains(QObject*)",
                           "public slot int indexOf(QObject*)", "public slot int roleForName(QByteArray)",
                           "public slot void clear()", "public slot void append(QObject*)",
                           "public slot void prepend(QObject*)", "public slot void insert(int,QObject*)",
                           "public slot void move(int,int)", "public slot void remove(QObject*)",
                           "public slot void remove(int)", "public slot QObject* get(int)",
                           "public slot QObject* get(QString)", "public slot QObject* getFirst()",
                           "public slot QObject* getLast()", "public slot QVariantList toVarArray()",
                           "private slot void onItemPropertyChanged()"};
    }
    void qmlSlots()
    {
        QFETCH(QStringList, actual);
        QFETCH(QStringList, expected);
        QCOMPARE(actual, expected);
    }
};

QTEST_GUILESS_MAIN(tst_VariantListModel)
#include "tst_variantlistmodel.moc"
