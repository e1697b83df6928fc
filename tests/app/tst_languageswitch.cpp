// Switching the language of the running program, offscreen on the real scene: after each
// switch the stored code, every text the window shows from a message id (menus and submenus,
// tool tips, About labels), the language menu's active entry and the mirroring of Arabic and
// Hebrew. The English texts and the lists of texts a language keeps in English are read from
// the translation sources. A screenshot of each language lands in the build tree.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "cbe/OvCBEEditor.h"
#include "core/Configuration.h"
#include "core/OvLanguageModel.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvCPUModel.h"
#include "models/OvPlantModel.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QQmlExpression>
#include <QTreeView>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_languageswitch";
static char* s_argv[] = {s_arg0, nullptr};

class tst_LanguageSwitch : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;
    QHash<QString, QString> m_english;    // id -> English text
    QMultiHash<QString, QString> m_idsOf; // English text -> ids
    QSet<QString> m_translated;           // every id's text in the language in use

    QObject* named(const char* name) const { return m_window->findChild<QObject*>(name); }
    static QString shotPath(const QString& name)
    {
        QDir().mkpath(QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots"));
        return QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots/") + name + QStringLiteral(".png");
    }

    void readEnglish()
    {
        QFile file(QStringLiteral(OV_TRANSLATIONS_DIR "/ov4800_en.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString id;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("message"))
                id = xml.attributes().value(QLatin1String("id")).toString();
            else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
                // A plural text holds its forms as child elements.
                const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                m_english.insert(id, text);
                m_idsOf.insert(text, id);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(m_english.size() > 100);
    }

    // A text of an id shown in English in another language is a fault, unless the language
    // says it that way (its translation equals it: only brands and listed ids). Counts the
    // texts that come from an id.
    void checkText(const QString& where, const QString& text, const QString& code, int& checked)
    {
        if (text.isEmpty())
            return;
        if (m_english.contains(text) && qtTrId(qPrintable(text)) != text)
            QFAIL(qPrintable(QStringLiteral("%1 shows the bare id \"%2\"").arg(where, text)));
        if (m_translated.contains(text))
            ++checked;
        if (code == QLatin1String("en") || !m_idsOf.contains(text))
            return;
        for (const QString& id : m_idsOf.values(text)) {
            if (qtTrId(qPrintable(id)) == text)
                return;
        }
        QFAIL(qPrintable(QStringLiteral("%1 shows the English text \"%2\" in %3").arg(where, text, code)));
    }

    int checkWindowTexts(const QString& code)
    {
        m_translated.clear();
        for (auto it = m_english.cbegin(); it != m_english.cend(); ++it)
            m_translated.insert(qtTrId(qPrintable(it.key())));
        int checked = 0;
        const QList<QObject*> objects = m_window->findChildren<QObject*>();
        for (QObject* object : objects) {
            for (const char* property : {"text", "title"}) {
                const QVariant value = object->property(property);
                if (value.type() == QVariant::String)
                    checkText(QString::fromLatin1(object->metaObject()->className()), value.toString(), code, checked);
            }
            const QString tip = object->property("toolTipId").toString();
            if (!tip.isEmpty())
                checkText(QStringLiteral("tool tip ") + tip, qtTrId(qPrintable(tip)), code, checked);
        }
        return checked;
    }

    // The whole scene, popups included, as drawn.
    void saveShot(const QString& name)
    {
        QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
        QVERIFY(grab);
        bool ready = false;
        connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
        QTRY_VERIFY(ready);
        QVERIFY(!grab->image().isNull());
        QVERIFY(grab->image().save(shotPath(name)));
    }

    void openMenu(const char* menu, const char* above)
    {
        QObject* parent = named(above);
        QVERIFY(QMetaObject::invokeMethod(parent, "open"));
        QTRY_VERIFY(parent->property("opened").toBool());
        QObject* popup = named(menu);
        for (QObject* object : m_window->findChildren<QObject*>()) {
            if (object->property("subMenu").value<QObject*>() == popup)
                QVERIFY(QMetaObject::invokeMethod(object, "triggered"));
        }
        QTRY_VERIFY(popup->property("opened").toBool());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        readEnglish();
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window && m_app->languageModel());
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // A new plant, unnamed, with the groups page shown: its texts, the tree's and the
        // title's follow the language too.
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        QVERIFY2(m_window->title().startsWith(qtTrId("NEW_PLANT_FILE") + " - "),
                 qPrintable(m_window->title() + "/" + m_app->currentFilePath()));
        m_app->onGeneralGroupsPageSelected();
        QCOMPARE(m_window->property("workingAreaStat").toString(),
                 QStringLiteral("PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED"));
    }

    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    // Without a folder beside the program the menu lists nine languages; Arabic and Hebrew are
    // reached by their file names. English last: the window must come back unmirrored.
    // Qt's own buttons as its catalogue for the language says them (Save, Discard, Cancel, Yes
    // and the message box's details button), then the file dialog's look-in and file name labels,
    // its accept button, its filter and its date column. Romanian, Bokmål and European Portuguese
    // come from the program's own catalogues, the others from the system's Qt.
    void switchTo_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("qtTexts");
        QTest::addColumn<QStringList>("fileDialog");
        const QStringList listed{"en", "es", "fr", "hu", "it", "nl", "no", "pt", "ro"};
        const QHash<QString, QStringList> qtTexts{
            {"es", {"Guardar", "Descartar", "Cancelar", "&Sí", "Mostrar los detalles..."}},
            {"fr", {"Enregistrer", "Ne pas tenir compte", "Annuler", "&Oui", "Montrer les détails..."}},
            {"hu", {"Mentés", "Eldobás", "Mégse", "&Igen", "Részletek megjelenítése…"}},
            {"it", {"Salva", "Scarta", "Annulla", "&Sì", "Mostra dettagli..."}},
            {"nl", {"Opslaan", "Verwerpen", "Annuleren", "&Ja", "Details tonen..."}},
            {"no", {"Lagre", "Forkast", "Avbryt", "&Ja", "Vis detaljer..."}},
            {"pt", {"Guardar", "Descartar", "Cancelar", "&Sim", "Mostrar detalhes..."}},
            {"ro", {"Salvează", "Nu salva", "Anulează", "&Da", "Afișează detaliile..."}},
            {"ar", {"احفظ", "ارفض", "ألغِ", "&نعم", "أظهر التّفاصيل..."}},
            {"iw", {"שמור", "שכח", "ביטול", "&כן", "הצג פרטים..."}},
            {"en", {"Save", "Discard", "Cancel", "&Yes", "Show Details..."}},
        };
        const QHash<QString, QStringList> fileDialog{
            {"es", {"Ver en:", "&Nombre de fichero:", "&Abrir", "Todos los ficheros (*)", "Última modificación"}},
            {"fr", {"Voir dans :", "&Nom de fichier :", "&Ouvrir", "Tous les fichiers (*)", "Dernière modification"}},
            {"hu", {"Keresés itt:", "Fájl &neve:", "&Megnyitás", "Minden fájl (*)", "Módosítás dátuma"}},
            {"it", {"Cerca in:", "&Nome del file:", "&Apri", "Tutti i file (*)", "Data di modifica"}},
            {"nl", {"Zoeken in:", "Bestands&naam:", "&Openen", "Alle bestanden (*)", "Datum gewijzigd"}},
            {"no", {"Søk i:", "Fil&navn:", "&Åpne", "Alle filer (*)", "Endret"}},
            {"pt", {"Procurar em:", "&Nome do ficheiro:", "&Abrir", "Todos os ficheiros (*)", "Data de modificação"}},
            {"ro", {"Caută în:", "&Nume fișier:", "&Deschide", "Toate fișierele (*)", "Data modificării"}},
            {"ar", {"اعثر في:", "ا&سم الملفّ:", "ا&فتح", "كلّ الملفّات (*)", "تاريخ التّعديل"}},
            {"iw", {"חפש בתוך:", "&שם קובץ:", "&פתח", "כל הקבצים (*)", "תאריך שינוי"}},
            {"en", {"Look in:", "File &name:", "&Open", "All Files (*)", "Date Modified"}},
        };
        for (const char* code : {"es", "fr", "hu", "it", "nl", "no", "pt", "ro", "ar", "iw", "en"})
            QTest::newRow(code) << QString::fromLatin1(code) << int(listed.indexOf(QLatin1String(code)))
                                << qtTexts.value(QLatin1String(code)) << fileDialog.value(QLatin1String(code));
    }
    void switchTo()
    {
        QFETCH(QString, code);
        QFETCH(int, row);
        QFETCH(QStringList, qtTexts);
        QFETCH(QStringList, fileDialog);
        int dummy = 0; // those texts are checked, not counted
        OvLanguageModel* model = m_app->languageModel();
        QCOMPARE(model->rowCount(), 9);
        const QString file = QStringLiteral("ov4800_%1.qm").arg(code);
        // Open during the switch: its labels are filled again.
        QObject* about = named("aboutDlg");
        QVERIFY(QMetaObject::invokeMethod(m_window, "showAboutDlg"));
        QTRY_VERIFY(about->property("opened").toBool());
        if (row >= 0) {
            QSignalSpy spy(model, &OvLanguageModel::selectLanguage);
            model->clicked(row);
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toString(), file);
        } else {
            m_app->onSelectLanguage(file);
        }
        QCOMPARE(QSettings().value(QStringLiteral("defaultLanguage")).toString(), code);
        QCOMPARE(m_app->languageInUse(), code);
        QCOMPARE(model->selectedRow(), row);
        QCOMPARE(model->data(model->index(qMax(row, 0), 0), OvLanguageModel::lgActive).toBool(), row >= 0);

        const bool rtl = code == QLatin1String("ar") || code == QLatin1String("iw");
        auto* open = qobject_cast<QQuickItem*>(named("openButton"));
        QVERIFY(open);
        QTRY_COMPARE(open->mapToScene(QPointF(0, 0)).x() > m_window->width() / 2, rtl);

        const int checked = checkWindowTexts(code);
        QVERIFY2(checked >= 25, qPrintable(QString::number(checked)));
        QVERIFY2(m_window->title().startsWith(qtTrId("NEW_PLANT_FILE") + " - "), qPrintable(m_window->title()));
        checkText(QStringLiteral("title"), m_window->title().section(QStringLiteral(" - "), 0, 0), code, dummy);
        // The tree's first two levels: the plant and its general rows.
        const OvPlantModel* tree = m_app->plantTreeModel();
        int treeRows = 0;
        for (int top = 0; top < tree->rowCount(); ++top) {
            const QModelIndex parent = tree->index(top, 0);
            for (int row = -1; row < tree->rowCount(parent); ++row, ++treeRows) {
                const QModelIndex index = row < 0 ? parent : tree->index(row, 0, parent);
                checkText(QStringLiteral("tree row"), index.data(OvPlantModel::itemDescription).toString(), code,
                          dummy);
            }
        }
        QVERIFY(treeRows > 3);
        QCOMPARE(named("fileMenu")->property("title").toString(), qtTrId("File"));
        QCOMPARE(named("languageMenu")->property("title").toString(), qtTrId("Language"));
        QCOMPARE(about->property("_version").toString(), qtTrId("ID_OV_VERSION_LBL") + QStringLiteral(" 2.7"));
        QCOMPARE(about->property("_dataVersion").toString(), qtTrId("PANEL_DATA_VERSION") + QStringLiteral(" 0x2602"));
        // The CBE keypad's two translated labels.
        Ov4800::OvCBEEditor* keypad = m_app->cbeEditor();
        QVERIFY(keypad);
        QCOMPARE(keypad->getBtnName(42), qtTrId("CBE_BTN_SPACE"));
        QCOMPARE(keypad->getBtnName(46), qtTrId("CBE_BTN_ENTER"));
        QVERIFY(QMetaObject::invokeMethod(about, "close"));
        QTRY_VERIFY(!about->property("visible").toBool());

        // Texts that come from the program's own ids in every language: the groups page's tabs and
        // the theme menu's entries.
        int tabs = 0;
        for (QObject* tab : named("groupsTabs")->findChildren<QObject*>()) {
            if (tab->inherits("QQuickTabButton") && ++tabs)
                QVERIFY2(m_translated.contains(tab->property("text").toString()),
                         qPrintable(tab->property("text").toString()));
        }
        QCOMPARE(tabs, 2);
        const auto* themes = qobject_cast<QAbstractItemModel*>(
            qmlContext(m_window)->contextProperty(QStringLiteral("theThemeModel")).value<QObject*>());
        QVERIFY(themes && themes->rowCount() == 2);
        for (int theme = 0; theme < 2; ++theme) {
            const QString name = themes->index(theme, 0).data(258).toString();
            QVERIFY2(m_translated.contains(name), qPrintable(name));
            checkText(QStringLiteral("theme"), name, code, dummy);
        }

        QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Discard | QDialogButtonBox::Cancel
                             | QDialogButtonBox::Yes);
        QCOMPARE((QStringList{box.button(QDialogButtonBox::Save)->text(), box.button(QDialogButtonBox::Discard)->text(),
                              box.button(QDialogButtonBox::Cancel)->text(), box.button(QDialogButtonBox::Yes)->text(),
                              QCoreApplication::translate("QMessageBox", "Show Details...")}),
                 qtTexts);
        // The program's own catalogue replaces Qt's: no other variety lies beneath it.
        if (QStringList{"no", "pt", "ro"}.contains(code))
            QCOMPARE(QCoreApplication::translate("QShortcut", "Save"), QStringLiteral("Save"));
        // Qt's own dialog, as the program opens one to choose a file.
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        const auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
        const auto* fileName = dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
        const auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        const auto* filter = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        const auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QVERIFY(lookIn && fileName && buttons && buttons->button(QDialogButtonBox::Open) && filter && details);
        QCOMPARE((QStringList{lookIn->text(), fileName->text(), buttons->button(QDialogButtonBox::Open)->text(),
                              filter->itemText(0), details->model()->headerData(3, Qt::Horizontal).toString()}),
                 fileDialog);

        saveShot(QStringLiteral("language-") + code);
    }

    // The menu of languages open on the last one chosen: badges, and that entry disabled.
    void languageMenu()
    {
        openMenu("languageMenu", "optionsMenu");
        int disabled = 0;
        int entries = 0;
        for (QObject* object : named("languageMenu")->findChildren<QObject*>()) {
            if (!object->inherits("QQuickMenuItem") || object->property("text").toString().size() != 2)
                continue;
            ++entries;
            if (!object->property("enabled").toBool()) {
                ++disabled;
                QCOMPARE(object->property("text").toString(), QStringLiteral("en"));
            }
        }
        QCOMPARE(entries, 9);
        QCOMPARE(disabled, 1);
        saveShot(QStringLiteral("language-menu"));
        QVERIFY(QMetaObject::invokeMethod(named("languageMenu"), "dismiss"));
        QTRY_VERIFY(!named("languageMenu")->property("visible").toBool()
                    && !named("optionsMenu")->property("visible").toBool());
    }

    // Rows still being made when the language changes, more than a second's worth on a busy
    // machine: every one is finished before the scene's texts are evaluated again.
    void halfMadeRowsFinished()
    {
        QQmlComponent slow(m_app->engine());
        slow.setData("import QtQuick 2.15\n"
                     "Repeater { model: 60; Loader { asynchronous: true; sourceComponent: Item {\n"
                     "    Component.onCompleted: { var t = Date.now(); while (Date.now() - t < 30) {} } } } }",
                     QUrl());
        std::unique_ptr<QQuickItem> rows(qobject_cast<QQuickItem*>(slow.create()));
        QVERIFY2(rows, qPrintable(slow.errorString()));
        rows->setParentItem(m_window->contentItem());
        QQmlIncubationController* incubation = m_app->engine()->incubationController();
        QVERIFY(incubation);
        // The scene may still be making rows of its own besides these.
        QVERIFY(incubation->incubatingObjectCount() >= 60);
        m_app->onSelectLanguage(QStringLiteral("ov4800_it.qm"));
        QCOMPARE(incubation->incubatingObjectCount(), 0);
        m_app->onSelectLanguage(QStringLiteral("ov4800_en.qm"));
    }

    // A choice made on a page, stored or not yet (a network supervisor waits for its
    // addresses), is what its box shows in either language, and the plant keeps what it stored.
    void choiceKept_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("stored"); // read in the box's own context
        QTest::addColumn<int>("expected");
        const QString viewerType = QStringLiteral("view.model.data(styleData.index, %1)")
                                       .arg(int(OvAnnunciatorsModel::viewerType));
        QTest::newRow("viewer type") << "viewers"
                                     << "viewerTypeBox" << 1 << viewerType << 1;
        QTest::newRow("annunciator filter")
            << "annunciators"
            << "filterTypeBox" << 8
            << "view.model.getFilterType(styleData.index) === qsTrId(\"LBL_EVT_FILTER_ALARM_DET\")" << 1;
        QTest::newRow("printer parity") << "parameters"
                                        << "prnParity" << 2 << "activePlant.prnParity" << 2;
        QTest::newRow("relay supervision") << "parameters"
                                           << "plantReleAll" << 1 << "activePlant.plantReleAll" << 1;
        QTest::newRow("relay function") << "parameters"
                                        << "plantReleFU1" << 3 << "activePlant.plantReleFU1" << 3;
        QTest::newRow("walk test") << "parameters"
                                   << "walkTestMode" << 1 << "activePlant.getWalkTest()" << 1;
        QTest::newRow("supervisor Modbus TCP") << "cpu"
                                               << "supervisorCombo" << 2 << "activePlant.getSUPType(0)" << 0;
        QTest::newRow("supervisor BACnet") << "cpu"
                                           << "supervisorCombo" << 3 << "activePlant.getSUPType(0)" << 0;
        QTest::newRow("supervisor Modbus RTU") << "cpu"
                                               << "supervisorCombo" << 1 << "activePlant.getSUPType(0)" << 1;
        QTest::newRow("loop protocol") << "cpu"
                                       << "loopTypeCombo" << 1 << "activePlant.getCPULoopType(0, 0)" << 1;
    }
    void choiceKept()
    {
        QFETCH(QString, page);
        QFETCH(QString, box);
        QFETCH(int, chosen);
        QFETCH(QString, stored);
        QFETCH(int, expected);
        Plant* plant = m_app->plant();
        if (page == QLatin1String("viewers") || page == QLatin1String("annunciators")) {
            // The brands of this build have viewers only; annunciators come with the first family.
            const bool viewers = page == QLatin1String("viewers");
            Configuration::instance()->set_configNumber(viewers ? 7 : 1);
            OvPlantModel* tree = m_app->plantTreeModel();
            const QModelIndex devices = tree->index(0, 0, tree->index(0, 0, tree->index(1, 0)));
            for (const QModelIndex& row : {tree->index(0, 0), devices})
                QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                                  Q_ARG(QVariant, QVariant::fromValue(row))));
            OvAnnunciatorsModel* model = viewers ? m_app->viewersModel() : m_app->annunciatorsModel();
            QQuickItem* tab = nullptr;
            if (!viewers) {
                QTRY_VERIFY((tab = findAll(m_window->contentItem(), "annunciatorTab").value(0)));
                QTest::mouseClick(m_window, Qt::LeftButton, {},
                                  tab->mapToScene(QPointF(tab->width() / 2, tab->height() / 2)).toPoint());
            }
            model->enableDevice({model->index(0, 0)}, true, 0);
            if (!viewers) {
                // The device chosen (clear and select) and "+", as the view's keys do.
                QQuickItem* view = nullptr;
                QTRY_VERIFY((view = findAll(m_window->contentItem(), "annunciatorsView").value(0)));
                QObject* inside = view->findChild<QObject*>(QStringLiteral("annunciatorTree"));
                QVERIFY(inside);
                QQmlExpression add(
                    qmlContext(inside), view,
                    QStringLiteral("selectionModel.select(view.model.index(0, 0), 0x3); view.addFilter()"));
                add.evaluate();
                QVERIFY2(!add.hasError(), qPrintable(add.error().toString()));
                QCOMPARE(model->rowCount(model->index(0, 0)), 1);
            }
        } else if (page == QLatin1String("parameters")) {
            m_app->onGeneralParametersPageSelected();
        } else {
            if (!plant->isSIBEnabled(0)) {
                // A panel with an interface board, where CPU 1 carries the supervisor.
                g_zpConf->new_config(0);
                g_zpConf->set_default_all(g_zpDataVersion);
                plant->copyFrom();
                QVERIFY(plant->enableRSSIB(0, 1));
            }
            m_app->cpuModel()->selectCPU(-1);
        }
        QQuickItem* combo = nullptr;
        QTRY_VERIFY((combo = findAll(m_window->contentItem(), box).value(0)));
        // As a click does: the box moves, then reports the choice.
        QVERIFY(combo->setProperty("currentIndex", chosen));
        QVERIFY(QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, chosen)));
        QQmlExpression read(qmlContext(combo), combo, stored);
        for (const char* file : {"ov4800_it.qm", "ov4800_en.qm"}) {
            m_app->onSelectLanguage(QString::fromLatin1(file));
            QCOMPARE(combo->property("currentIndex").toInt(), chosen);
            QCOMPARE(read.evaluate().toInt(), expected);
        }
        QCOMPARE(m_dialogs.pending(), 0);
    }
};

QTEST_APPLESS_MAIN(tst_LanguageSwitch)
#include "tst_languageswitch.moc"
