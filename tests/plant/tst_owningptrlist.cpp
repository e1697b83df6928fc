#include "plant/OwningPtrList.h"

#include <QtTest>

namespace {

struct Base {
    virtual ~Base() = default;
};

// Counts deletions through the base class's virtual destructor.
struct Counted : Base {
    explicit Counted(int* deaths)
        : m_deaths(deaths)
    {
    }
    ~Counted() override { ++*m_deaths; }
    int* m_deaths;
};

} // namespace

class tst_OwningPtrList : public QObject {
    Q_OBJECT

private slots:
    void deletesElements_data();
    void deletesElements();
    void moveKeepsOwnership();
    void deleteAllEmpties();
};

void tst_OwningPtrList::deletesElements_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("many") << 64;
}

void tst_OwningPtrList::deletesElements()
{
    QFETCH(int, count);
    int deaths = 0;
    {
        OwningPtrList<Base> list;
        for (int i = 0; i < count; ++i)
            list.append(new Counted(&deaths));
        QCOMPARE(list.size(), count);
        QCOMPARE(deaths, 0);
    }
    QCOMPARE(deaths, count);
}

void tst_OwningPtrList::moveKeepsOwnership()
{
    int deaths = 0;
    {
        OwningPtrList<Base> target;
        {
            OwningPtrList<Base> source;
            source.append(new Counted(&deaths));
            source.append(new Counted(&deaths));
            target = std::move(source);
            QCOMPARE(target.size(), 2);
        }
        QCOMPARE(deaths, 0);
        OwningPtrList<Base> moved(std::move(target));
        QCOMPARE(moved.size(), 2);
        QCOMPARE(target.size(), 0);
    }
    QCOMPARE(deaths, 2);
}

void tst_OwningPtrList::deleteAllEmpties()
{
    int deaths = 0;
    OwningPtrList<Base> list;
    list.append(new Counted(&deaths));
    list.deleteAll();
    QCOMPARE(deaths, 1);
    QVERIFY(list.isEmpty());
    list.append(new Counted(&deaths));
    Base* taken = list.takeFirst(); // a taken element is no longer owned
    QCOMPARE(deaths, 1);
    delete taken;
    QCOMPARE(deaths, 2);
}

QTEST_APPLESS_MAIN(tst_OwningPtrList)
#include "tst_owningptrlist.moc"
