#include "plant/OwningPtrList.h"

#include "TestBase.h"

#include <QtTest>

static int s_deaths = 0;

struct Counted {
    virtual ~Counted() { ++s_deaths; }
};

class tst_OwningPtrList : public TestBase {
    Q_OBJECT

private slots:
    // Each element dies once: by deleteAll, by the assignment that replaces it, by the
    // destructor of the list it was moved into; never through a moved-from list.
    void ownership()
    {
        {
            OwningPtrList<Counted> a, b;
            a << new Counted << new Counted;
            a.deleteAll();
            b << new Counted;
            a << new Counted << new Counted;
            b = std::move(a);
            QCOMPARE(s_deaths, 3);
            OwningPtrList<Counted> c(std::move(b));
        }
        QCOMPARE(s_deaths, 5);
    }
};

QTEST_APPLESS_MAIN(tst_OwningPtrList)
#include "tst_owningptrlist.moc"
