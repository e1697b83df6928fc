// The main window offscreen, used as a person would before any plant exists: every menu, the
// About box with its close button hovered, the search and filter keys, a file dropped on the
// window, and a quit that leaves the window as it was. The test base fails each step on any
// warning, QML ones included.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"

#include <QApplication>
#include <QDialog>
#include <QListView>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QtQuick>
#include <QtTest>

// Answers from its script and notes, as each dialog comes up, the menus still shown behind it.
class MenuWatchingDialogs : public ScriptedDialogs {
public:
    explicit MenuWatchingDialogs(QQuickWindow* window)
        : m_window(window)
    {
    }
    const QStringList& menusBehind() const { return m_menusBehind; }

    PlantMessage::Button ask(const PlantMessage& message, bool* checkBoxChecked) override
    {
        note();
        return ScriptedDialogs::ask(message, checkBoxChecked);
    }
    QString askFile(const PlantFileRequest& request) override
    {
        note();
        return ScriptedDialogs::askFile(request);
    }

private:
    void note()
    {
        for (QObject* object : m_window->findChildren<QObject*>()) {
            if (object->inherits("QQuickMenu") && object->property("visible").toBool())
                m_menusBehind << object->objectName();
        }
    }
    QQuickWindow* m_window;
    QStringList m_menusBehind;
};

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_mainwindow";
static char* s_argv[] = {s_arg0, nullptr};

class tst_MainWindow : public TestBase {
    Q_OBJECT

    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    QQuickItem* item(const char* name) const { return m_window->findChild<QQuickItem*>(name); }
    QObject* named(const char* name) const { return m_window->findChild<QObject*>(name); }

private slots:
    // The log's handler comes first, so the test base's handler sees every message on top of it.
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        m_window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanupTestCase()
    {
        delete m_app; // and the window with it
        TestBase::cleanupTestCase();
    }

    // A submenu opens from its entry in the menu above it, as a click on the entry does.
    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("above");
        QTest::newRow("fileMenu") << "fileMenu"
                                  << "";
        QTest::newRow("recentMenu") << "recentMenu"
                                    << "fileMenu";
        QTest::newRow("optionsMenu") << "optionsMenu"
                                     << "";
        QTest::newRow("languageMenu") << "languageMenu"
                                      << "optionsMenu";
        QTest::newRow("themeMenu") << "themeMenu"
                                   << "optionsMenu";
        QTest::newRow("infoMenu") << "infoMenu"
                                  << "";
    }
    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, above);
        QObject* popup = named(qPrintable(menu));
        QVERIFY(popup);
        QObject* parent = above.isEmpty() ? popup : named(qPrintable(above));
        QVERIFY(QMetaObject::invokeMethod(parent, "open"));
        QTRY_VERIFY(parent->property("opened").toBool());
        if (parent != popup) {
            QObject* entry = nullptr;
            for (QObject* object : m_window->findChildren<QObject*>()) {
                if (object->property("subMenu").value<QObject*>() == popup)
                    entry = object;
            }
            QVERIFY(entry);
            QVERIFY(QMetaObject::invokeMethod(entry, "triggered"));
            QTRY_VERIFY(popup->property("opened").toBool());
        }
        QVERIFY(QMetaObject::invokeMethod(popup, "dismiss"));
        QTRY_VERIFY(!popup->property("visible").toBool() && !parent->property("visible").toBool());
    }

    // Entries are made after the first frame, once, in their declared order: a submenu declared
    // in the menu itself keeps its place among them ("[name]"), a separator shows as "-". Runs
    // after menus(), which opened every menu again.
    void entryOrder_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("fileMenu") << "fileMenu"
                                  << QStringList{"newItem", "openItem", "[recentMenu]", "saveItem",    "saveAsItem",
                                                 "-",       "pdfItem",  "csvItem",      "compileItem", "importItem",
                                                 "-",       "exitItem"};
        QTest::newRow("optionsMenu") << "optionsMenu"
                                     << QStringList{"[languageMenu]", "[themeMenu]", "voidAddressesItem", "searchItem"};
        QTest::newRow("infoMenu") << "infoMenu" << QStringList{"aboutItem"};
    }
    void entryOrder()
    {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        QObject* popup = named(qPrintable(menu));
        QVERIFY(popup);
        QStringList found;
        for (int i = 0; i < popup->property("count").toInt(); ++i) {
            QQuickItem* entry = nullptr;
            QVERIFY(QMetaObject::invokeMethod(popup, "itemAt", Q_RETURN_ARG(QQuickItem*, entry), Q_ARG(int, i)));
            QVERIFY(entry);
            if (QObject* sub = entry->property("subMenu").value<QObject*>())
                found << QLatin1Char('[') + sub->objectName() + QLatin1Char(']');
            else if (entry->inherits("QQuickMenuSeparator"))
                found << QStringLiteral("-");
            else
                found << entry->objectName();
        }
        QCOMPARE(found, entries);
    }

    // The keys of the File menu as QKeySequence spells them, their right edges in one column.
    void shortcutColumn()
    {
        QObject* menu = named("fileMenu");
        QVERIFY(QMetaObject::invokeMethod(menu, "open"));
        QTRY_VERIFY(menu->property("opened").toBool());
        QStringList texts;
        QSet<qreal> rightEdges;
        for (const char* name : {"newItem", "openItem", "saveItem", "saveAsItem", "exitItem"}) {
            auto* key = item(name)->findChild<QQuickItem*>(QStringLiteral("shortcutText"));
            QVERIFY2(key, name);
            texts << key->property("text").toString();
            rightEdges << key->mapToScene(QPointF(key->width(), 0)).x();
        }
        QCOMPARE(texts, QStringList({"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Q"}));
        QCOMPARE(rightEdges.size(), 1);
        QVERIFY(QMetaObject::invokeMethod(menu, "close"));
        QTRY_VERIFY(!menu->property("visible").toBool());
    }

private:
    // A click on a menu's title in the bar, as a person makes it (only the pointer resting on
    // it without press).
    void clickTitle(const QString& menu, bool press = true)
    {
        QQuickItem* title = barTitle(menu);
        QVERIFY2(title, qPrintable(menu));
        const QPoint at = title->mapToScene(QPointF(title->width() / 2, title->height() / 2)).toPoint();
        QTest::mouseMove(m_window, at);
        if (press)
            QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, at);
    }
    QQuickItem* barTitle(const QString& menu) const
    {
        for (QQuickItem* title : m_window->findChildren<QQuickItem*>()) {
            if (title->inherits("QQuickMenuBarItem")
                && title->property("menu").value<QObject*>() == named(qPrintable(menu)))
                return title;
        }
        return nullptr;
    }
    bool shown(const QString& menu) const { return named(qPrintable(menu))->property("visible").toBool(); }

private slots:
    // An entry whose command asks something: the menu is gone before the question comes up.
    void menuClosedBeforeCommand_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("question");
        QTest::newRow("New") << "newItem" << true;
        QTest::newRow("Open") << "openItem" << false;
        QTest::newRow("Import") << "importItem" << false;
    }
    void menuClosedBeforeCommand()
    {
        QFETCH(QString, entry);
        QFETCH(bool, question);
        PlantDialogs* const appDialogs = PlantDialogs::installed();
        {
            MenuWatchingDialogs dialogs(m_window);
            if (question)
                dialogs.answer(PlantMessage::Cancel);
            else
                dialogs.answerFile(QString());
            clickTitle("fileMenu");
            QTRY_VERIFY(named("fileMenu")->property("opened").toBool());
            QQuickItem* chosen = item(qPrintable(entry));
            QVERIFY(chosen);
            // Laid out for the frame that shows the menu.
            QSignalSpy frames(m_window, &QQuickWindow::frameSwapped);
            m_window->update();
            QTRY_VERIFY(frames.count() > 0);
            const QPoint at = chosen->mapToScene(QPointF(chosen->width() / 2, chosen->height() / 2)).toPoint();
            QTest::mouseMove(m_window, at);
            QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, at);
            QTRY_COMPARE(dialogs.pending() + dialogs.pendingFiles(), 0);
            QCOMPARE(dialogs.menusBehind(), QStringList());
            QTRY_VERIFY(!shown("fileMenu"));
        }
        PlantDialogs::install(appDialogs);
    }

    // With a menu open, one click on another title, or the pointer resting on it, opens that
    // menu in place of the first.
    void menuTitleSwitch_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("click");
        QTest::newRow("click File to Options") << "fileMenu"
                                               << "optionsMenu" << true;
        QTest::newRow("click Options to Info") << "optionsMenu"
                                               << "infoMenu" << true;
        QTest::newRow("click Info to File") << "infoMenu"
                                            << "fileMenu" << true;
        QTest::newRow("hover File to Info") << "fileMenu"
                                            << "infoMenu" << false;
        QTest::newRow("hover Info to Options") << "infoMenu"
                                               << "optionsMenu" << false;
    }
    void menuTitleSwitch()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, click);
        clickTitle(from);
        QTRY_VERIFY(named(qPrintable(from))->property("opened").toBool());
        clickTitle(to, click);
        QTRY_VERIFY(named(qPrintable(to))->property("opened").toBool());
        QVERIFY(!shown(from));
        if (!click) {
            // The click that follows the pointer keeps open what it has opened.
            clickTitle(to);
            QTest::qWait(50);
            QVERIFY(shown(to));
        }
        // A click on the open menu's own title closes it.
        clickTitle(to);
        QTRY_VERIFY(!shown(to));
        QVERIFY(!shown(from));
    }

    // Resting on the close button shows its tool tip left of the pointer; closing the box
    // hides it again.
    void aboutBox()
    {
        QVERIFY(QMetaObject::invokeMethod(m_window, "showAboutDlg"));
        QTRY_VERIFY(named("aboutDlg")->property("opened").toBool());
        QQuickItem* close = item("closeInfoBtn");
        QVERIFY(close);
        const QPoint pointer = close->mapToScene(QPointF(close->width() / 2, close->height() / 2)).toPoint();
        QTest::mouseMove(m_window, pointer);
        QQuickItem* tip = item("toolTip");
        QTRY_VERIFY(tip->isVisible());
        QCOMPARE(tip->property("text").toString(), QStringLiteral("Close"));
        QCOMPARE(QPointF(tip->x() + tip->width(), tip->y()), QPointF(pointer));
        QVERIFY(QMetaObject::invokeMethod(close, "clicked"));
        QTRY_VERIFY(!named("aboutDlg")->property("visible").toBool());
        QVERIFY(!tip->isVisible());
    }

    // Search and the void-address filter come with their commands: until then their keys
    // reach their actions and do nothing.
    void keys_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+F") << "searchItem" << int(Qt::Key_F) << int(Qt::ControlModifier);
        QTest::newRow("F2") << "voidAddressesItem" << int(Qt::Key_F2) << int(Qt::NoModifier);
    }
    void keys()
    {
        QFETCH(QString, item);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QObject* action = named(qPrintable(item))->property("action").value<QObject*>();
        QVERIFY(action);
        QSignalSpy triggered(action, SIGNAL(triggered(QObject*)));
        QTest::keyClick(m_window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(triggered.count(), 1);
    }

    // A file that is neither a plant nor an image is refused and its drop does nothing.
    void drop()
    {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(s_home.path() + QStringLiteral("/plant.xyz"))});
        const QPoint centre(m_window->width() / 2, m_window->height() / 2);
        QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &enter);
        QVERIFY(!enter.isAccepted());
        QDragMoveEvent move(centre + QPoint(1, 1), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &move);
        QVERIFY(!move.isAccepted());
        QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window, &dropped);
        QVERIFY(!dropped.isAccepted());
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(m_window, &leave);
    }

    // Without a plant there is nothing to save: Save and Save As keys reach nothing, New once.
    void plantKeysWithoutPlant()
    {
        QSignalSpy newSpy(m_window, SIGNAL(onFileNewMenu()));
        QSignalSpy saveSpy(m_window, SIGNAL(clickedOnFileSaveBtn()));
        QSignalSpy saveAsSpy(m_window, SIGNAL(clickedOnFileSaveAs()));
        PlantDialogs* const appDialogs = PlantDialogs::installed();
        {
            // New asks for the plant type once; cancelled, nothing changes.
            ScriptedDialogs dialogs;
            dialogs.answer(PlantMessage::Cancel);
            m_window->requestActivate();
            QVERIFY(QTest::qWaitForWindowActive(m_window));
            QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
            QTest::keyClick(m_window, Qt::Key_N, Qt::ControlModifier);
            QCOMPARE(QVector<int>({saveSpy.count(), saveAsSpy.count(), newSpy.count()}), QVector<int>({0, 0, 1}));
            QCOMPARE(dialogs.asked().size(), 1);
        }
        PlantDialogs::install(appDialogs);
    }

    // Message boxes and file dialogs open over the main window, away from the screen's centre:
    // its transient children, centred on it.
    void dialogsOverWindow()
    {
        // The offscreen platform's word on every dialog it shows.
        expectWarning(QStringLiteral("^This plugin does not support propagateSizeHints\\(\\)$"));
        // A quit the first frame queued leaves every later event loop, the dialog's too, ending at
        // once until the application's own loop runs again.
        QCoreApplication::processEvents();
        QTimer::singleShot(0, m_app, &QCoreApplication::quit);
        QCoreApplication::exec();
        const QPoint place = m_window->position();
        m_window->setPosition(300, 200);
        QList<QWindow*> parents;
        QList<QPoint> offsets;
        // Right to left, a button's text is drawn over its icon: the buttons that have one.
        QStringList overIcons;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog && dialog->isVisible()) {
                parents << dialog->windowHandle()->transientParent();
                offsets << dialog->frameGeometry().center() - m_window->geometry().center();
                for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
                    if (button->isVisible() && !button->icon().isNull() && !button->text().isEmpty())
                        overIcons << button->text();
                }
                dialog->reject();
            }
        });
        closer.start(10);
        PlantDialogs::installed()->ask(PlantMessage(), nullptr);
        PlantDialogs::installed()->askFile(PlantFileRequest());
        QCOMPARE(parents, QList<QWindow*>({m_window, m_window}));
        overIcons.clear();
        // As on the desktops whose dialog buttons have icons.
        struct ButtonIcons : QProxyStyle {
            using QProxyStyle::QProxyStyle;
            int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returned) const override
            {
                return hint == SH_DialogButtonBox_ButtonsHaveIcons
                    ? 1
                    : QProxyStyle::styleHint(hint, option, widget, returned);
            }
        };
        const QString styleName = QApplication::style()->objectName();
        QApplication::setStyle(new ButtonIcons(QStyleFactory::create(styleName)));
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        PlantDialogs::installed()->ask(PlantMessage(), nullptr);
        PlantFileRequest folder;
        folder.kind = PlantFileRequest::Folder;
        for (const PlantFileRequest& request : {PlantFileRequest(), folder})
            PlantDialogs::installed()->askFile(request);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QApplication::setStyle(styleName);
        m_window->setPosition(place);
        QCOMPARE(offsets.size(), 5);
        QVERIFY2(overIcons.isEmpty(), qPrintable(overIcons.join(QStringLiteral(", "))));
        for (const QPoint& offset : offsets)
            QVERIFY2(offset.manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    }

    // The file dialogs' side list of places shows each name whole, in either direction: the
    // home folder's among them.
    void sideList_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("folder") << int(PlantFileRequest::Folder) << false;
        QTest::newRow("folder, right to left") << int(PlantFileRequest::Folder) << true;
        QTest::newRow("file, right to left") << int(PlantFileRequest::OpenFile) << true;
    }
    void sideList()
    {
        QFETCH(int, kind);
        QFETCH(bool, rightToLeft);
        expectWarning(QStringLiteral("^This plugin does not support propagateSizeHints\\(\\)$"));
        // A quit the first frame queued would end the dialog's loop at once.
        QCoreApplication::processEvents();
        QTimer::singleShot(0, m_app, &QCoreApplication::quit);
        QCoreApplication::exec();
        QStringList cut;
        int names = 0;
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            auto* list = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
            for (int row = 0; list && row < list->model()->rowCount(); ++row, ++names) {
                const QModelIndex index = list->model()->index(row, 0);
                if (list->sizeHintForIndex(index).width() > list->viewport()->width())
                    cut << index.data().toString();
            }
            dialog->reject();
        });
        closer.start(10);
        QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        PlantFileRequest request;
        request.kind = PlantFileRequest::Kind(kind);
        request.start = s_home.path();
        PlantDialogs::installed()->askFile(request);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QVERIFY(names >= 2);
        QCOMPARE(cut, QStringList());
    }

    // Every image the program ships, and no other, decodes.
    void bundledImages()
    {
        const QStringList images =
            QString("Toolbar lightToolbar menuBar lightMenuBar Fondo_2 lightFondo_2 Infobar lightInfobar "
                    "tabPage lightTabPage WorkigArea_BLU lightWorkinAreaBg tickOn null closeBtn "
                    "WorkigArea_Anello_m Blank_m infoBGImage_m tbOpenFile tbNewFile tbSave tbPdfExport "
                    "tbCsvExport tbCompile tbImport tbCheckCbe adv varn apl warning errors "
                    "ar en es fr hu it iw nl no pt ro "
                    "loopAdvancedClose loopAdvancedOpen loopVarnClose loopVarnOpen loopAplClose loopAplOpen loop_m "
                    "centrale_m centraleIntera_m centraleStandAlone_m centraleSuper_m Centrali_m GenParameters_m "
                    "pwdManager_m PlantAreas_m PlantGroups Ripetitore annunciator_m sensore Moduli "
                    "highSensibilityGroup_on lowSensibilityGroup_on cbeBackspace cbeCaretLeft cbeCaretRight "
                    "ptTypeIn ptTypeOut ptTypeArrow")
                .split(' ');
        QStringList expected;
        for (const QString& name : images)
            expected << name + ".png";
        expected << "logoTavrel.ico";
        QStringList shipped = QDir(":/Resources").entryList(QDir::Files);
        shipped.sort(), expected.sort();
        QCOMPARE(shipped, expected);
        for (const QString& name : expected)
            QVERIFY2(!QImage(":/Resources/" + name).isNull(), qPrintable(name));
    }

    // The scene's own first size is no change of the user's: a quit writes no window settings.
    void quitUntouched()
    {
        QCOMPARE(m_window->size(), QSize(960, 720));
        QVERIFY(m_app->onQuitRequest());
        QSettings settings;
        QCOMPARE(settings.allKeys().filter(QStringLiteral("mainWnd/")), QStringList());
    }

    // A start on a screen of that available area: the window, its information bar included, lies
    // inside it, at the stored size where there is room for it; a quit keeps the stored size for a
    // larger screen. Each row a start of its own.
    void firstSize_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("stored");   // none when empty
        QTest::addColumn<QSize>("expected"); // without a frame
        QTest::addColumn<QSize>("least");
        const auto row = [](const char* name, const QRect& available, const QSize& stored, const QSize& expected,
                            const QSize& least) { QTest::newRow(name) << available << stored << expected << least; };
        row("1024x700, first start", {0, 0, 1024, 672}, {}, {960, 672}, {750, 650});
        row("1024x700, stored larger", {0, 0, 1024, 672}, {1600, 1000}, {1024, 672}, {750, 650});
        row("1024x700, bar on top", {0, 40, 1024, 660}, {1000, 660}, {1000, 660}, {750, 650});
        row("800x600", {0, 0, 800, 570}, {}, {800, 570}, {750, 570});
        row("1920x1200", {0, 0, 1920, 1160}, {1280, 800}, {1280, 800}, {750, 650});
    }
    void firstSize()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, stored);
        QFETCH(QSize, expected);
        QFETCH(QSize, least);
        {
            QSettings settings;
            settings.remove(QStringLiteral("mainWnd"));
            if (stored.isValid()) {
                settings.setValue(QStringLiteral("mainWnd/width"), stored.width());
                settings.setValue(QStringLiteral("mainWnd/height"), stored.height());
            }
        }
        delete m_app;
        m_app = newTestApp(s_argc, s_argv);
        setScreen(QRect(QPoint(0, 0), available.bottomRight() + QPoint(1, 1)), available);
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        // The sizes of the rows are a frameless window's: the platform's frame takes its part.
        const QSize room = available.size().shrunkBy(m_window->frameMargins());
        QCOMPARE(QList<QSize>({m_window->size(), m_window->minimumSize()}),
                 QList<QSize>({expected.boundedTo(room), least.boundedTo(room)}));
        QVERIFY2(available.contains(m_window->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(m_window->x())
                                .arg(m_window->y())
                                .arg(m_window->width())
                                .arg(m_window->height())));
        QQuickItem* bar = item("infoMessage");
        QVERIFY(bar);
        const QRectF barBox = bar->mapRectToScene(QRectF(0, 0, bar->width(), bar->height()));
        QVERIFY(available.contains(QRect(m_window->mapToGlobal(barBox.topLeft().toPoint()), barBox.size().toSize())));
        QVERIFY(m_app->onQuitRequest());
        QSettings settings;
        QCOMPARE(QSize(settings.value(QStringLiteral("mainWnd/width"), -1).toInt(),
                       settings.value(QStringLiteral("mainWnd/height"), -1).toInt()),
                 stored.isValid() ? stored : QSize(-1, -1));
    }

    // A window maximized at quit opens maximized, its normal size kept: a quit that changed
    // nothing writes nothing else, start after start, nor does full screen over it; un-maximized,
    // it writes the state alone.
    void maximizedStart()
    {
        const QStringList keys{"mainWnd/width", "mainWnd/height", "mainWnd/maximized"};
        const auto stored = [&keys] {
            QSettings settings;
            return QStringList{settings.value(keys[0]).toString(), settings.value(keys[1]).toString(),
                               settings.value(keys[2]).toString()};
        };
        const QStringList maximized{"700", "500", "true"};
        for (int i = 0; i < keys.size(); ++i)
            QSettings().setValue(keys[i], maximized[i]);
        for (int start = 0; start < 2; ++start) {
            delete m_app;
            m_app = newTestApp(s_argc, s_argv);
            // The platform's own screen, the one it maximizes to.
            setScreen(QRect(0, 0, 800, 600), QRect(0, 0, 800, 600));
            QVERIFY(runToFirstFrame(m_app));
            m_window = m_app->mainWindow();
            QTRY_COMPARE(m_window->size(), QSize(800, 600).shrunkBy(m_window->frameMargins()));
            QCOMPARE(m_window->visibility(), QWindow::Maximized);
            QCOMPARE(QSize(m_app->getWndWidth(), m_app->getWndHeight()), QSize(700, 500));
            QVERIFY(m_app->onQuitRequest());
            QCOMPARE(stored(), maximized);
        }
        m_window->showFullScreen();
        QTRY_COMPARE(m_window->size(), QSize(800, 600));
        QVERIFY(m_app->onQuitRequest());
        QCOMPARE(stored(), maximized);
        m_window->showNormal();
        QVERIFY(m_app->onQuitRequest());
        QCOMPARE(stored(), QStringList({"700", "500", "false"}));
        // Sized, then maximized: the size the window settled at is kept.
        QVERIFY(drawFrame(m_window));
        m_window->resize(760, 560);
        QTRY_COMPARE(QSize(m_app->getWndWidth(), m_app->getWndHeight()), QSize(760, 560));
        QCoreApplication::sendPostedEvents(); // the pass is over
        m_window->showMaximized();
        QVERIFY(m_app->onQuitRequest());
        QCOMPARE(stored(), QStringList({"760", "560", "true"}));
    }
};

QTEST_APPLESS_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
