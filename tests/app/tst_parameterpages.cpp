// The general-parameters and access-codes pages on the running application, offscreen: a
// refused and an accepted siren delay, the walk-test output chosen in its drop-down, a level-3
// code typed on the page its button opens, and what the compile writes of them. Screenshots
// of both pages in both themes go to "screenshots" beside the test.
#include "../plant/PlantBuilder.h"
#include "../plant/PlantTestSupport.h"
#include "../plant/ScriptedDialogs.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Configuration.h"
#include "app/Ov4kApp.h"
#include "plant/CPUSystem.h"
#include "plant/Plant.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_parameterpages";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

void collect(QQuickItem* item, const QString& name, QList<QQuickItem*>& found)
{
    if (item->objectName() == name && item->isVisible())
        found << item;
    for (QQuickItem* child : item->childItems())
        collect(child, name, found);
}

QQuickItem* find(QQuickWindow* window, const char* name)
{
    QList<QQuickItem*> found;
    collect(window->contentItem(), QString::fromLatin1(name), found);
    return found.value(0);
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

} // namespace

class tst_ParameterPages : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    // Pointer moved there first: a click out of nowhere does not reach a control inside the
    // page's flickable.
    void click(QQuickItem* item)
    {
        QVERIFY(item);
        QTest::mouseMove(m_window, centre(item));
        QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, centre(item));
        QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, centre(item));
    }
    void typeInto(QQuickItem* field, const QString& text)
    {
        click(field);
        QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
        for (const QChar c : text)
            QTest::keyClick(m_window, c.toLatin1());
        QTest::keyClick(m_window, Qt::Key_Return);
    }
    // The drop-down's rows from the top.
    QList<QQuickItem*> walkTestRows()
    {
        QList<QQuickItem*> rows;
        collect(m_window->contentItem(), "walkTestRow", rows);
        std::sort(rows.begin(), rows.end(), [](QQuickItem* a, QQuickItem* b) {
            return a->mapToScene(QPointF(0, 0)).y() < b->mapToScene(QPointF(0, 0)).y();
        });
        return rows;
    }
    void shoot(const QString& name)
    {
        QObject* themes = m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>();
        QVERIFY(themes);
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QVERIFY(QDir().mkpath(dir));
        for (int t = 0; t < 2; ++t) {
            QVERIFY(QMetaObject::invokeMethod(themes, "clicked", Q_ARG(int, t)));
            QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
            QVERIFY(grab);
            // Polled: the application's quit on its first frame ends any nested event loop.
            bool ready = false;
            connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
            QTRY_VERIFY(ready);
            QVERIFY(grab->image().save(dir + QString("/%1_theme%2.png").arg(name).arg(t)));
        }
    }

private slots:
    void initTestCase()
    {
        qputenv("QT_QUICK_BACKEND", "software");
        Q_INIT_RESOURCE(translations);
        Q_INIT_RESOURCE(qml);
        Q_INIT_RESOURCE(resources);
        m_app = new Ov4kApp(s_argc, s_argv);
        TestBase::initTestCase();
        QTimer::singleShot(0, m_app, [this] {
            connect(m_app->mainWindow(), &QQuickWindow::frameSwapped, m_app, &QCoreApplication::quit,
                    Qt::QueuedConnection);
        });
        QCOMPARE(m_app->run(), 0);
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        m_window->resize(1000, 700);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        // Loop 1 of CPU 1 VARN, with the output module "Bell" at 5 (type row 24).
        Plant* plant = m_app->plant();
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvGenericPoint bell = plantbuild::point(1, 1, 5, 2, 2, 1, 130, 24);
        bell.setDescription("Bell");
        plant->cpus().setPoint(&bell);
        m_app->updateModels();
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    void pages()
    {
        Plant* plant = m_app->plant();
        plant->modifyPlantData(false);
        // Tall enough for the whole page: every field is reached without scrolling.
        m_window->resize(1000, 2300);
        m_app->onGeneralParametersPageSelected();
        QQuickItem* delay = nullptr;
        QTRY_VERIFY((delay = find(m_window, "sirenDelayTime")));
        // Laid out once the page has been polished: the delay lies below the first groups.
        QTRY_VERIFY(delay->mapToScene(QPointF(0, 0)).y() > 600);
        // The delay counts only while sirens do not start at once.
        QVERIFY(!delay->isEnabled());
        click(find(m_window, "sirenInstantActivation"));
        QTRY_VERIFY(delay->isEnabled());
        QVERIFY(!plant->getSirenInstantActivation());
        QCOMPARE(find(m_window, "sirenDelayTimeRange")->property("text").toString(), QString::fromUtf8("0 – 600"));
        plant->modifyPlantData(false);
        plant->clearModificationBits(~0u);

        typeInto(delay, "601");
        QQuickItem* refusal = find(m_window, "sirenDelayTimeRefusal");
        QVERIFY(refusal);
        QCOMPARE(refusal->property("text").toString(), QString("From 0 to 600"));
        QCOMPARE(plant->getSirenDelayTime(), 0u);
        QVERIFY(!plant->isPlantDataModified() && !plant->isModified());
        typeInto(delay, "120");
        QCOMPARE(plant->getSirenDelayTime(), 120u);
        QVERIFY(plant->isPlantDataModified() && plant->isModified());
        QVERIFY(!refusal->isVisible());

        // Mode 2, then the output: CPU and loop rows expand, the module row is chosen.
        QQuickItem* mode = find(m_window, "walkTestMode");
        QVERIFY(QMetaObject::invokeMethod(mode, "activated", Q_ARG(int, 2)));
        QCOMPARE(plant->getWalkTest(), 2u);
        QQuickItem* output = find(m_window, "walkTestOutput");
        QTRY_VERIFY(output->isEnabled());
        QQuickItem* name = find(m_window, "walkTestOutputName");
        QCOMPARE(name->property("text").toString(), QString("Choose the walk test output"));
        click(output);
        // The CPU row ("#1": the CPU has no description) expands to its loop row ("#1"), which
        // expands to the module row.
        for (int row = 0; row < 2; ++row) {
            QTRY_COMPARE(walkTestRows().size(), row + 1);
            click(walkTestRows().at(row));
        }
        QTRY_COMPARE(walkTestRows().size(), 3);
        QCOMPARE(walkTestRows().at(0)->property("rowText").toString(), QString("#1"));
        QCOMPARE(walkTestRows().at(1)->property("rowText").toString(), QString("#1"));
        QVERIFY(walkTestRows().at(2)->property("rowText").toString().startsWith("5 - "));
        click(walkTestRows().at(2));
        QTRY_COMPARE(name->property("text").toString(), QString("1.1.5 Bell"));
        QCOMPARE(QList<uint>({plant->getWalkTestCPUID(), plant->getWalkTestLoopID(), plant->getWalkTestModuleID(),
                              plant->getWalkTestSubID()}),
                 QList<uint>({1, 1, 5, 0}));
        QVERIFY(!find(m_window, "walkTestProblem"));
        shoot("general_parameters");

        // The passwords page, from its button.
        m_window->resize(1000, 700);
        click(find(m_window, "passwordsButton"));
        QTRY_COMPARE(m_window->property("workingAreaStat").toString(), QString("PLANT_PWD_MNG"));
        QQuickItem* level3 = nullptr;
        QTRY_VERIFY((level3 = find(m_window, "password3")));
        // A new plant takes the panel's default codes.
        QCOMPARE(level3->property("text").toString(), QString("60427"));
        typeInto(level3, "12345");
        QCOMPARE(plant->getPassword(1), 12345u);
        QCOMPARE(level3->property("text").toString(), QString("12345"));
        shoot("passwords");

        // The general block: siren delay u16 at 5200, walk-test output at 5188 (CPU and loop
        // bits 0, module bit 5 of 5189 set by default, module - 1), level 3 u32 at 5212.
        QCOMPARE(plant->copyTo(), 0);
        const QByteArray general = planttest::block(2);
        QCOMPARE(general.mid(5200, 2), QByteArray::fromHex("7800"));
        QCOMPARE(general.mid(5188, 3), QByteArray::fromHex("002004"));
        QCOMPARE(general.mid(5212, 4), QByteArray::fromHex("39300000"));
    }
};

QTEST_APPLESS_MAIN(tst_ParameterPages)
#include "tst_parameterpages.moc"
