// What the scene draws against what it draws it on, offscreen, in every theme: menu entries
// enabled and disabled, the plant tree's arrows from the drawn pixels, a control faded only when
// disabled. Contrast is the relative-luminance ratio of the web content accessibility guidelines.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "models/OvPlantModel.h"
#include "models/OvRepeaterModel.h"

#include <QQmlContext>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_contrast";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

// top, with its own alpha times opacity, laid over an opaque under.
QColor over(const QColor& top, qreal opacity, const QColor& under)
{
    const qreal a = top.alphaF() * opacity;
    return QColor::fromRgbF(top.redF() * a + under.redF() * (1 - a), top.greenF() * a + under.greenF() * (1 - a),
                            top.blueF() * a + under.blueF() * (1 - a));
}

// The opacity item is drawn with, up to and including top.
qreal opacityUpTo(QQuickItem* item, QQuickItem* top)
{
    qreal opacity = 1;
    for (QQuickItem* up = item; up; up = up->parentItem()) {
        opacity *= up->opacity();
        if (up == top)
            break;
    }
    return opacity;
}

// The items under root that draw a text in a colour of their own (Text, an icon's label).
QList<QQuickItem*> textsUnder(QQuickItem* root)
{
    QList<QQuickItem*> found;
    std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (!item->isVisible())
            return;
        if (!item->property("text").toString().isEmpty() && item->property("color").canConvert<QColor>())
            found << item;
        for (QQuickItem* child : item->childItems())
            walk(child);
    };
    walk(root);
    return found;
}

} // namespace

class tst_Contrast : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    void settle() { settleScene(m_app->engine()); }
    QObject* published(const char* name) const
    {
        return m_app->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject*>();
    }
    void useTheme(int theme)
    {
        QVERIFY(QMetaObject::invokeMethod(published("theThemeModel"), "clicked", Q_ARG(int, theme)));
        settle();
    }
    void showPage(const QString& page)
    {
        OvPlantModel* tree = m_app->plantTreeModel();
        // The CPU's points or displays, in the tree's first CPU row.
        if (page == "points" || page == "displays")
            tree->onTreeViewItemClicked(
                QVariant::fromValue(tree->index(page == "points", 0, tree->index(0, 0, tree->index(1, 0)))));
        else if (page == "zones")
            m_app->onGeneralAreasPageSelected();
        else if (page == "groups")
            m_app->onGeneralGroupsPageSelected();
        else if (page == "repeaters")
            m_app->onRepeatersPageSelected();
        settle();
    }
    // The page shown in the working area's state, or the menu bar.
    QObject* pageRoot(const QString& page) const
    {
        if (page == "menu bar")
            return m_window->findChild<QObject*>(QStringLiteral("fileMenu"))->parent();
        const QString state = m_window->property("workingAreaStat").toString();
        for (QObject* loader : m_window->findChildren<QObject*>())
            if (loader->property("pageState").toString() == state && loader->property("page").isValid())
                return loader->property("item").value<QObject*>();
        return nullptr;
    }
    // Faults of each text of entry against the menu's background, drawn enabled and disabled.
    static QStringList entryFaults(QObject* menu, QQuickItem* entry)
    {
        QStringList faults;
        const QColor menuFill = menu->property("background").value<QQuickItem*>()->property("color").value<QColor>();
        const QString where = QStringLiteral("%1 / \"%2\"").arg(menu->objectName(), entry->property("text").toString());
        QMap<QString, double> enabledContrast;
        for (const bool enabled : {true, false}) {
            for (const bool highlighted : {false, true}) {
                entry->setProperty("enabled", enabled);
                entry->setProperty("highlighted", highlighted);
                QColor under = menuFill;
                if (auto* fill = entry->property("background").value<QQuickItem*>(); fill && fill->isVisible())
                    under = over(fill->property("color").value<QColor>(), opacityUpTo(fill, entry), under);
                const QList<QQuickItem*> texts = textsUnder(entry);
                if (texts.isEmpty())
                    faults << where + ": no text";
                for (QQuickItem* text : texts) {
                    const QString shown = text->property("text").toString();
                    const QColor drawn = over(text->property("color").value<QColor>(), opacityUpTo(text, entry), under);
                    const double ratio = contrast(drawn, under);
                    const QString what = QStringLiteral("%1 \"%2\" %3 on %4: %5:1")
                                             .arg(where, shown, drawn.name(), under.name())
                                             .arg(ratio, 0, 'f', 2);
                    if (enabled) {
                        if (!highlighted)
                            enabledContrast.insert(shown, ratio);
                        if (ratio < 4.5)
                            faults << what
                                    + QStringLiteral(" enabled%1, below 4.5").arg(highlighted ? " highlighted" : "");
                    } else if (!highlighted) {
                        // Plainly weaker than the enabled text, yet still drawn.
                        if (ratio * 2 > enabledContrast.value(shown) || ratio < 1.5)
                            faults << what
                                    + QStringLiteral(" disabled, against %1:1 enabled")
                                          .arg(enabledContrast.value(shown), 0, 'f', 2);
                    }
                }
            }
        }
        return faults;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        m_window->resize(1400, 800);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        settle();
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    // Every menu of a page (and of the menu bar), opened: each entry's texts against the
    // menu's background, enabled and under the pointer at least 4.5:1; disabled, at most half
    // the enabled contrast.
    void menuEntries_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("menus");
        // The menu bar's: File, its recent files, options, language, theme, info.
        const QList<QPair<const char*, int>> pages{{"points", 1}, {"displays", 2},  {"zones", 1},
                                                   {"groups", 1}, {"repeaters", 1}, {"menu bar", 6}};
        for (int theme : {0, 1})
            for (const auto& [page, menus] : pages)
                QTest::addRow("%s, %s", page, theme ? "light" : "dark") << QString(page) << theme << menus;
    }
    void menuEntries()
    {
        QFETCH(QString, page);
        QFETCH(int, theme);
        QFETCH(int, menus);
        useTheme(theme);
        showPage(page);
        QObject* root = pageRoot(page);
        QVERIFY(root);
        QList<QObject*> found;
        for (QObject* o : root->findChildren<QObject*>())
            if (o->inherits("QQuickMenu"))
                found << o;
        QCOMPARE(found.size(), menus);
        QStringList faults;
        int entries = 0;
        for (QObject* menu : qAsConst(found)) {
            // A submenu opens from its entry in the menus above it, open first.
            QList<QObject*> chain{menu};
            for (QObject* up = menu->parent(); up && up != root->parent(); up = up->parent())
                if (up->inherits("QQuickMenu"))
                    chain.prepend(up);
            for (QObject* open : qAsConst(chain)) {
                // One that cannot open now (recent files, none yet) has the same entries later.
                open->setProperty("enabled", true);
                QVERIFY(QMetaObject::invokeMethod(open, "open"));
                QTRY_VERIFY(open->property("opened").toBool());
            }
            settle();
            const int count = menu->property("count").toInt();
            for (int i = 0; i < count; ++i) {
                QQuickItem* entry = nullptr;
                QVERIFY(QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem*, entry), Q_ARG(int, i)));
                if (!entry || !entry->inherits("QQuickMenuItem") || !entry->isVisible())
                    continue;
                ++entries;
                faults << entryFaults(menu, entry);
            }
            for (QObject* open : qAsConst(chain)) {
                QVERIFY(QMetaObject::invokeMethod(open, "close"));
                QTRY_VERIFY(!open->property("visible").toBool());
            }
        }
        QVERIFY(entries >= menus);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // A disabled repeater's number fades; its box and its name work as on any row, and look it.
    void repeaterRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled repeater") << 0 << true;
        QTest::newRow("disabled repeater") << 1 << false;
    }
    void repeaterRow()
    {
        QFETCH(int, row);
        QFETCH(bool, enabled);
        auto* model = qobject_cast<OvRepeaterModel*>(published("ovRepeatersMdl"));
        QVERIFY(model);
        model->enableRPT({0}, true);
        model->enableRPT({1}, false);
        showPage("repeaters");
        QQuickItem* rowItem = nullptr;
        for (QQuickItem* item : findAll(m_window->contentItem(), "repeaterRow"))
            if (item->property("rowIndex").toInt() == row)
                rowItem = item;
        QVERIFY(rowItem);
        QQuickItem* check = findAll(rowItem, "enabledCheck").value(0);
        QQuickItem* index = findAll(rowItem, "repeaterIndex").value(0);
        QQuickItem* name = findAll(rowItem, "rptDescription").value(0);
        QVERIFY(check && index && name);
        QCOMPARE(check->property("checked").toBool(), enabled);
        // (box enabled, box opacity, name enabled, name opacity, index opacity)
        QCOMPARE(QList<qreal>({qreal(check->isEnabled()), opacityUpTo(check, rowItem), qreal(name->isEnabled()),
                               opacityUpTo(name, rowItem), opacityUpTo(index, rowItem)}),
                 QList<qreal>({1.0, 1.0, 1.0, 1.0, enabled ? 1.0 : 0.5}));
    }

    // The arrow of the plant tree's highlighted row, and of every other row, at least 3:1
    // against the pixels around it.
    void treeArrow_data()
    {
        QTest::addColumn<int>("theme");
        for (int theme : {0, 1})
            QTest::newRow(theme ? "light" : "dark") << theme;
    }
    void treeArrow()
    {
        QFETCH(int, theme);
        useTheme(theme);
        m_app->onPlantInfoPageSelected();
        settle();
        OvPlantModel* tree = m_app->plantTreeModel();
        QQuickItem* plantIcon = nullptr;
        for (QQuickItem* icon : findAll(m_window->contentItem(), "plantTreeIcon"))
            if (icon->property("rowIndex").toModelIndex() == tree->index(0, 0))
                plantIcon = icon;
        QVERIFY(plantIcon);
        const QRectF selectedRow = plantIcon->mapRectToScene(QRectF(0, 0, plantIcon->width(), plantIcon->height()));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, selectedRow.center().toPoint());
        settle();
        const QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
        QVERIFY(grab);
        QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
        m_window->update();
        QTRY_VERIFY(ready.count() > 0);
        const QImage image = grab->image();

        QStringList faults;
        int onSelectedRow = 0;
        for (QQuickItem* branch : findAll(m_window->contentItem(), "plantTreeBranch")) {
            const QRect box = branch->mapRectToScene(QRectF(0, 0, branch->width(), branch->height()))
                                  .toRect()
                                  .intersected(image.rect());
            // The arrow is centred in its box; a corner shows what it is drawn on.
            const QColor under = image.pixelColor(box.topLeft());
            double best = 1;
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    best = std::max(best, contrast(image.pixelColor(x, y), under));
            const bool selected = box.center().y() > selectedRow.top() && box.center().y() < selectedRow.bottom();
            onSelectedRow += selected;
            if (best < 3)
                faults << QStringLiteral("%1 row at y %2: %3:1 on %4")
                              .arg(selected ? "selected" : "other")
                              .arg(box.top())
                              .arg(best, 0, 'f', 2)
                              .arg(under.name());
        }
        QCOMPARE(onSelectedRow, 1);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_APPLESS_MAIN(tst_Contrast)
#include "tst_contrast.moc"
