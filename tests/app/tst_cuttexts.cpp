// A plant of real size as a person meets it, offscreen: on every page in every language at the
// two sizes people use most, a text (a field's too) is cut only where its row has no room for
// it, a box that shows its choice cut ends it in "…", and a cut title shows its whole in a tool
// tip. The point table and the scrolled forms are read from end to end.
#include "../plant/PlantBuilder.h"
#include "IsolatedHome.h"
#include "PageScene.h"
#include "plant/PointTypeList.h"
#include "plant/TestPlantGenerator.h"

#include <QItemSelectionModel>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_cuttexts";
static char* s_argv[] = {s_arg0, nullptr};

class tst_CutTexts : public PageScene {
    Q_OBJECT

    bool m_realPlant = false;
    // The point table's row of a detector with level boxes.
    int m_levelRow = -1;

    // What is cut on the shown pages: each cut text once, and the faults found with it.
    struct Cuts {
        QMap<QString, QString> cut;
        // By the cut text, what is wrong with it where first seen.
        QMap<QString, QString> faults;
        // The pages where a cut title was looked at under the pointer.
        QSet<QString> hovered;
        // The pages where a title of a table's header was pointed at.
        QSet<QString> pointed;
    };
    // The choice of a box that takes no typing, shown in an input: it runs past its box rather
    // than end in "…".
    static bool isChoice(QQuickItem* item)
    {
        return item->inherits("QQuickTextInput") && item->parentItem() && item->parentItem()->inherits("QQuickComboBox")
            && !item->parentItem()->property("editable").toBool();
    }
    // How much wider than its box a cut text would be whole: a field's text, which no "…" ends,
    // within the field's padding.
    static qreal lacks(QQuickItem* item)
    {
        if (item->inherits("QQuickTextInput"))
            return item->property("contentWidth").toReal() - item->width() + item->property("leftPadding").toReal()
                + item->property("rightPadding").toReal();
        return item->implicitWidth() - item->width();
    }
    // The cut texts of the shown page, with the faults: cut while its row has room for what all
    // the cut texts of the row lack, a choice cut without "…", a title cut without its tool tip.
    void findCuts(const QString& where, Cuts& cuts)
    {
        QQuickItem* root = page();
        QVERIFY2(root, qPrintable(where));
        const QRectF pageBox = root->mapRectToScene(QRectF(0, 0, root->width(), root->height()));
        QList<ShownText> shortened;
        for (const ShownText& t : shownTexts(root, m_window->size())) {
            if (t.item->property("truncated").toBool())
                shortened << t;
        }
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
            if (!item->isVisible() || item->opacity() <= 0.01)
                return;
            const QString text = item->property("text").toString();
            if ((item->inherits("QQuickTextField") || isChoice(item)) && !text.trimmed().isEmpty()
                && lacks(item) > 0.5) {
                const QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
                const QRectF visible = visiblePart(item, box, m_window->size());
                if (!visible.isEmpty())
                    shortened << ShownText{item, visible, box, true, text};
            }
            for (QQuickItem* child : item->childItems())
                walk(child);
        };
        walk(root);
        for (const ShownText& t : qAsConst(shortened)) {
            const QString key = QStringLiteral("%1: \"%2\" (%3)")
                                    .arg(where, t.text, QString::fromLatin1(t.item->metaObject()->className()));
            cuts.cut.insert(key, QStringLiteral("%1: %2").arg(where, describe(t)));
            const qreal y = t.drawn.center().y();
            qreal missing = 0;
            for (const ShownText& other : qAsConst(shortened)) {
                if (other.drawn.top() < y && y < other.drawn.bottom())
                    missing += lacks(other.item);
            }
            const qreal free = pageBox.width() - takenOnRow(root, y, pageBox);
            const auto fault = [&cuts, &key](const QString& what) {
                if (!cuts.faults.contains(key))
                    cuts.faults.insert(key, key + what);
            };
            if (missing <= free)
                fault(QStringLiteral(" its row lacks %1 of %2 free").arg(missing).arg(free));
            if (isChoice(t.item))
                fault(QStringLiteral(" cut without \"…\""));
            if (t.item->objectName() != QLatin1String("columnTitle"))
                continue;
            if (t.item->property("toolTipText").toString() != t.text) {
                fault(QStringLiteral(" without its whole in a tool tip"));
            } else if (!cuts.hovered.contains(where)) {
                // One title a page under the pointer: its tip shows.
                cuts.hovered << where;
                QTest::mouseMove(m_window, t.drawn.center().toPoint());
                QQuickItem* overlay = findOverlay();
                QVERIFY(overlay);
                const bool shows = QTest::qWaitFor([&] { return tipShown(overlay, t.text); }, 3000);
                QTest::mouseMove(m_window, QPoint(m_window->width() - 5, m_window->height() - 5));
                if (!shows)
                    fault(QStringLiteral(" shows no tool tip under the pointer"));
            }
        }
        // A table's header takes the pointer over its cells: one title a page, cut or not, learns
        // from its view that the pointer rests on it, which its tip waits for.
        if (cuts.pointed.contains(where))
            return;
        for (QQuickItem* title : findAll(root, QStringLiteral("columnTitle"))) {
            QQuickItem* cell = title->parentItem();
            const QRectF box = title->mapRectToScene(QRectF(0, 0, title->width(), title->height()));
            if (!cell || !cell->property("hovered").isValid() || !title->isVisible()
                || visiblePart(title, box, m_window->size()) != box)
                continue;
            cuts.pointed << where;
            QTest::mouseMove(m_window, box.center().toPoint());
            const bool told = QTest::qWaitFor([cell] { return cell->property("hovered").toBool(); }, 3000);
            QTest::mouseMove(m_window, QPoint(m_window->width() - 5, m_window->height() - 5));
            if (!told) {
                const QString key = QStringLiteral("%1: \"%2\"").arg(where, title->property("text").toString());
                cuts.faults.insert(key, key + QStringLiteral(" not told that the pointer rests on it"));
            }
            break;
        }
        if (cuts.pointed.contains(where))
            return;
        std::function<bool(QQuickItem*)> hasHeader = [&](QQuickItem* item) {
            if (!item->isVisible())
                return false;
            if (item->property("headerVisible").toBool())
                return true;
            const QList<QQuickItem*> children = item->childItems();
            return std::any_of(children.begin(), children.end(), hasHeader);
        };
        if (hasHeader(root)) {
            cuts.pointed << where;
            cuts.faults.insert(where,
                               where + QStringLiteral(": a table's header whose titles learn nothing of the pointer"));
        }
    }
    // The shown page, and each form on it that scrolls read from its top to its bottom.
    void readPage(const QString& where, Cuts& cuts)
    {
        findCuts(where, cuts);
        for (QQuickItem* form : page()->findChildren<QQuickItem*>()) {
            if (!form->isVisible() || !QByteArray(form->metaObject()->className()).startsWith("OvFormFlickable"))
                continue;
            const qreal bottom = form->property("contentHeight").toReal() - form->height();
            for (qreal y = 0; y < bottom && !QTest::currentTestFailed();) {
                form->setProperty("contentY", y = qMin(y + form->height() * 0.8, bottom));
                settle();
                findCuts(where, cuts);
            }
            form->setProperty("contentY", 0);
        }
    }
    QQuickItem* findOverlay() const
    {
        for (QQuickItem* child : m_window->contentItem()->childItems()) {
            if (child->inherits("QQuickOverlay"))
                return child;
        }
        return nullptr;
    }
    static bool tipShown(QQuickItem* item, const QString& text)
    {
        if (!item->isVisible())
            return false;
        if (item->inherits("QQuickText") && item->property("text").toString() == text)
            return true;
        for (QQuickItem* child : item->childItems()) {
            if (tipShown(child, text))
                return true;
        }
        return false;
    }
    // The point table of the loop page on each tab, from its first row to its last and from its
    // first column to its last, a row of each stretch selected.
    void readPointTable(Cuts& cuts)
    {
        QQuickItem* tabs = find("pointTabs");
        QQuickItem* table = find("pointTable");
        QVERIFY(tabs && table);
        auto* view = table->property("flickableItem").value<QQuickItem*>();
        auto* selection = qobject_cast<QItemSelectionModel*>(table->property("selection").value<QObject*>());
        QVERIFY(view && selection);
        for (int tab = 0; tab < 3; ++tab) {
            tabs->setProperty("currentIndex", tab);
            settle();
            const QString where = QStringLiteral("loop, tab %1").arg(tab + 1);
            const auto span = [view](const char* origin, const char* content, qreal shown) {
                const qreal first = view->property(origin).toReal();
                return qMakePair(first, first + qMax<qreal>(0, view->property(content).toReal() - shown));
            };
            const auto rows = span("originY", "contentHeight", view->height());
            const auto columns = span("originX", "contentWidth", view->width());
            auto* points = qobject_cast<QAbstractItemModel*>(table->property("model").value<QObject*>());
            QVERIFY2(points && points->rowCount() > 10, qPrintable(where));
            const qreal down = view->height() * 0.8;
            const qreal across = view->width() * 0.9;
            const qreal startX = view->property("contentX").toReal();
            for (qreal y = rows.first;; y = qMin(y + down, rows.second)) {
                view->setProperty("contentY", y);
                QVariant middle;
                QVERIFY(QMetaObject::invokeMethod(table, "indexAt", Q_RETURN_ARG(QVariant, middle),
                                                  Q_ARG(QVariant, table->width() / 2),
                                                  Q_ARG(QVariant, table->height() / 2)));
                selection->setCurrentIndex(middle.value<QModelIndex>(),
                                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                for (qreal x = columns.first;; x = qMin(x + across, columns.second)) {
                    view->setProperty("contentX", x);
                    settle();
                    findCuts(where, cuts);
                    if (x >= columns.second || QTest::currentTestFailed())
                        break;
                }
                if (y >= rows.second || QTest::currentTestFailed())
                    break;
            }
            selection->clear();
            view->setProperty("contentY", rows.first);
            view->setProperty("contentX", startX);
        }
        tabs->setProperty("currentIndex", 0);
        settle();
    }

    // A plant of real size: CPU 1's first loop full of named sensors and modules of every type,
    // modules with channels among them, some with programs, in zones whose names take 30
    // characters (zone 3's 32), zone 2 of the highest correlation; four named CPUs, groups with programs, group 2
    // with a name of 32 characters, named viewers of either type and repeaters. The plant, CPU 1
    // and the first repeater take the longest names the panel keeps: 32 of a wide letter.
    void useRealPlant()
    {
        Plant* plant = m_app->plant();
        if (m_realPlant)
            return;
        m_realPlant = true;
        int loopType = OvLoop::LOOP_VARN500;
        while (!plant->keepsLoopType(loopType))
            loopType = (loopType + 1) % 3;
        plant->setCPULoopType(0, 0, uint(loopType));
        TestPlantGenerator generator(plant, 7);
        // The modules first, every address; the sensors leave the last ones to the modules alone,
        // which the table of both lists.
        for (int family = 2; family >= 1; --family) {
            const PointTypeList list(family == 1 ? OvLoop::sensorProtocol(loopType) : OvLoop::moduleProtocol(loopType),
                                     family);
            const int last = family == 1 ? OvLoop::sensorSlots(loopType) - 15 : OvLoop::moduleSlots(loopType);
            const auto held = [&] {
                return family == 1 ? plant->getActiveSensorCount(0, 0) : plant->getActiveModuleCount(0, 0);
            };
            // Every type once, then each again while the loop has room.
            for (bool added = true; added && held() < last;) {
                added = false;
                for (const PointTypeHw& type : list.entries()) {
                    if (held() < last && !type.channels().isEmpty() && !type.channels().first().swTypes().isEmpty())
                        added = generator.add(0, 0, type) || added;
                }
            }
        }
        for (int family = 1; family <= 2; ++family) {
            for (int address = 0; address < 128; ++address) {
                const OvGenericPoint* stored = plant->getPoint(0, 0, uint(address), family);
                if (!stored || !stored->isValid())
                    continue;
                OvGenericPoint named = *stored;
                named.setDescription(QStringLiteral("Corridor east wing room %1").arg(address + 1, 3, 10, QChar('0')));
                if (address % 4 == 0)
                    named.setCBE(QStringLiteral("OR(G1 G2)"));
                if (family == 1 && m_levelRow < 0 && named.hasFeature(OvGenericPoint::FEATURE_THREE_LEVELS))
                    m_levelRow = address;
                plant->setPoint(named);
            }
        }
        for (int k = 0; k < plant->areas().count(); ++k)
            plant->areas().areaAt(k)->setDescription(
                QStringLiteral("Entrance hall and stairs %1").arg(k + 1, 5, 10, QChar('0')));
        plant->areas().areaAt(1)->setCorrelation(10);
        plant->areas().areaAt(2)->setDescription(QStringLiteral("ENTRANCE HALL AND MAIN STAIRS 03"));
        const QString widest(32, QLatin1Char('W'));
        plant->setDescription(widest);
        plant->cpus().cpuAt(0)->setDescription(widest);
        for (int c = 1; c < 4; ++c)
            plant->cpus().cpuAt(c)->setDescription(QStringLiteral("Fire panel east wing floor no. %1").arg(c + 1));
        plantbuild::programGroups(*plant);
        plant->groups().groupAt(1)->setDescription(QStringLiteral("SMOKE VENTS EAST STAIRWELL no. 2"));
        OvAnnunciatorsSystem viewers(1);
        for (int address = 1; address <= 4; ++address) {
            OvAnnunciator viewer;
            viewer.setCpuIndex(1);
            viewer.setAddress(address);
            viewer.setDescription(QStringLiteral("Reception desk main entrance %1").arg(address));
            viewer.setViewerType(address % 2);
            viewers.setAnnunciator(viewer);
        }
        plant->cpus().setViewers(viewers);
        for (int r = 0; r < 3; ++r) {
            plant->enableRepeater(r, true);
            plant->setRepeaterDescription(r, r ? QStringLiteral("Repeater security office no. %1").arg(r + 1) : widest);
        }
        m_app->updateModels();
        QVERIFY(plant->getActiveSensorCount(0, 0) > 50 && plant->getActiveModuleCount(0, 0) > 50);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        startScene(s_argc, s_argv);
    }
    void cleanupTestCase() { stopScene(); }

    // A box shows its choice whole where its row has room: the zone box of the point table's
    // selected row, and a viewer's type box with the longer of the two types, in the language
    // where the two types differ only past a long common start; the page shown before in another
    // language too, the box keeping the viewer's type through the switch. Open, the box lists
    // every choice whole, the current one in its heavier weight too.
    void choiceShownWhole_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("open");
        const QString zone = QStringLiteral("pointZone");
        const QString type = QStringLiteral("viewerTypeBox");
        QTest::newRow("zone box") << QStringLiteral("en") << zone << QString() << false;
        QTest::newRow("viewer type box") << QStringLiteral("nl") << type << QString() << false;
        QTest::newRow("viewer type box after a language switch")
            << QStringLiteral("nl") << type << QStringLiteral("en") << false;
        QTest::newRow("viewer type list nl") << QStringLiteral("nl") << type << QString() << true;
        QTest::newRow("viewer type list hu") << QStringLiteral("hu") << type << QString() << true;
    }
    void choiceShownWhole()
    {
        QFETCH(QString, code);
        QFETCH(QString, box);
        QFETCH(QString, before);
        QFETCH(bool, open);
        const bool zone = box == QLatin1String("pointZone");
        if (!before.isEmpty()) {
            useLanguage(before);
            pages()[zone ? 9 : 8].select();
            settle();
        }
        useLanguage(code);
        useRealPlant();
        m_window->resize(1024, 700);
        pages()[zone ? 9 : 8].select();
        settle();
        if (zone) {
            QQuickItem* table = find("pointTable");
            QVERIFY(table);
            auto* selection = qobject_cast<QItemSelectionModel*>(table->property("selection").value<QObject*>());
            QVERIFY(selection && selection->model());
            selection->setCurrentIndex(selection->model()->index(0, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            settle();
        }
        QQuickItem* shown = nullptr;
        for (QQuickItem* candidate : findAll(page(), box)) {
            if (candidate->property("currentIndex").toInt() >= (zone ? 0 : 1))
                shown = candidate;
        }
        QVERIFY2(shown, qPrintable(box + QStringLiteral(": none shows its row's choice")));
        QQuickItem* text = shown->property("contentItem").value<QQuickItem*>();
        QVERIFY(text);
        const QString whole = shown->property("displayText").toString();
        QVERIFY(!whole.isEmpty());
        const qreal room = text->width() - text->property("leftPadding").toReal()
            - text->property("rightPadding").toReal();
        const QFontMetricsF metrics(text->property("font").value<QFont>());
        const qreal y = shown->mapToScene(QPointF(0, shown->height() / 2)).y();
        const QRectF pageBox = page()->mapRectToScene(QRectF(0, 0, page()->width(), page()->height()));
        const qreal free = pageBox.width() - takenOnRow(page(), y, pageBox);
        QStringList listCut;
        if (open) {
            auto* popup = shown->property("popup").value<QObject*>();
            QVERIFY(popup && QMetaObject::invokeMethod(popup, "open"));
            QTRY_VERIFY(popup->property("opened").toBool());
            const QList<ShownText> choices = shownTexts(popup->property("contentItem").value<QQuickItem*>(),
                                                        m_window->size());
            QVERIFY(!choices.isEmpty());
            for (const ShownText& t : choices) {
                if (t.item->property("truncated").toBool())
                    listCut << describe(t);
            }
            QMetaObject::invokeMethod(popup, "close");
        }
        m_window->resize(960, 720);
        QVERIFY2(listCut.isEmpty(), qPrintable(listCut.join(QStringLiteral("; "))));
        // The type column holds its longer type at any width, the table scrolling; the zone
        // column has it where the row has room.
        QVERIFY2(!zone || free > 100, qPrintable(QString::number(free)));
        QVERIFY2(
            metrics.horizontalAdvance(whole) <= room + 0.5,
            qPrintable(
                QStringLiteral("\"%1\" of %2 px in %3 px").arg(whole).arg(metrics.horizontalAdvance(whole)).arg(room)));
        QCOMPARE(text->property("truncated").toBool(), false);
    }

    // A field or a number box shows its widest text whole where its row has room: a group's name
    // as long as the panel keeps, a zone's highest correlation, and the level boxes of the point
    // table's selected detector where their titles are short.
    void shownWhole_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("shownPage");
        QTest::addColumn<QString>("name");
        QTest::newRow("group name") << QStringLiteral("en") << 4 << QStringLiteral("groupDescription");
        QTest::newRow("correlation 10 ar") << QStringLiteral("ar") << 3 << QStringLiteral("correlation");
        QTest::newRow("zone name iw") << QStringLiteral("iw") << 3 << QStringLiteral("areaDescription");
        QTest::newRow("level box ar") << QStringLiteral("ar") << 9 << QStringLiteral("pointLevel");
        QTest::newRow("level box iw") << QStringLiteral("iw") << 9 << QStringLiteral("pointLevel");
    }
    void shownWhole()
    {
        QFETCH(QString, code);
        QFETCH(int, shownPage);
        QFETCH(QString, name);
        useLanguage(code);
        useRealPlant();
        m_window->resize(1024, 700);
        pages()[shownPage].select();
        settle();
        if (shownPage == 9) {
            auto* table = find("pointTable");
            QVERIFY(table);
            auto* selection = qobject_cast<QItemSelectionModel*>(table->property("selection").value<QObject*>());
            QVERIFY(selection && selection->model());
            selection->setCurrentIndex(selection->model()->index(m_levelRow, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            settle();
        }
        QQuickItem* text = nullptr;
        for (QQuickItem* shown : findAll(page(), name)) {
            QQuickItem* inner = shown->inherits("QQuickTextInput")
                ? shown
                : shown->property("contentItem").value<QQuickItem*>();
            if (inner && shown->isVisible()
                && (!text || inner->property("contentWidth").toReal() > text->property("contentWidth").toReal()))
                text = inner;
        }
        QVERIFY2(text, qPrintable(name));
        const qreal y = text->mapToScene(QPointF(0, text->height() / 2)).y();
        const QRectF pageBox = page()->mapRectToScene(QRectF(0, 0, page()->width(), page()->height()));
        const qreal free = pageBox.width() - takenOnRow(page(), y, pageBox);
        const qreal lacking = lacks(text);
        m_window->resize(960, 720);
        QVERIFY2(lacking <= 0.5 || free < lacking,
                 qPrintable(QStringLiteral("\"%1\" lacks %2 px with %3 free on its row")
                                .arg(text->property("text").toString())
                                .arg(lacking)
                                .arg(free)));
    }

    // A plant of real size at the two sizes people use most: a text is cut only where its row has
    // no room for the whole of it (the page's width less what the rest of the row takes), a box
    // that shows its choice whole otherwise ends it in "…", and a cut title shows its whole in a
    // tool tip under the pointer. The point table is read from end to end on each tab, a row of
    // each stretch selected so that its zone shows in the zone box. The cut ones are listed.
    void cutTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QSize>("size");
#if defined(__SANITIZE_ADDRESS__)
        // Reading the table from end to end costs the sanitizer half a minute a language and size:
        // the mirrored language at the narrower size, where the columns are shortest, stands for
        // the others.
        QTest::newRow("ar 1024x700") << QStringLiteral("ar") << QSize(1024, 700);
#else
        // A row a language and size, each well inside the time a test function is given.
        for (const char* code : languages()) {
            for (const QSize size : {QSize(1024, 700), QSize(1280, 900)})
                QTest::addRow("%s %dx%d", code, size.width(), size.height()) << QString::fromLatin1(code) << size;
        }
#endif
    }
    void cutTexts()
    {
        QFETCH(QString, code);
        QFETCH(QSize, size);
        // A language's rows follow each other: its pages are translated once.
        if (m_app->languageInUse() != code || m_app->plant()->getPlantType() != 1)
            useLanguage(code);
        useRealPlant();
        QStringList faults;
        m_window->resize(size);
        Cuts cuts;
        for (const Page& shown : pages()) {
            shown.select();
            settle();
            if (qstrcmp(shown.name, "loop"))
                readPage(QLatin1String(shown.name), cuts);
            else
                readPointTable(cuts);
            if (QTest::currentTestFailed())
                return;
        }
        QTextStream(stdout) << code << " at " << size.width() << 'x' << size.height() << ": " << cuts.cut.size()
                            << " cut, " << cuts.faults.size() << " with room or unmarked\n  "
                            << cuts.cut.values().join(QStringLiteral("\n  ")) << '\n';
        for (const QString& fault : qAsConst(cuts.faults))
            faults << QStringLiteral("%1x%2 %3").arg(size.width()).arg(size.height()).arg(fault);
        m_window->resize(960, 720);
        QVERIFY2(faults.isEmpty(), qPrintable(code + QStringLiteral(": ") + faults.join(QStringLiteral("; "))));
    }
};

QTEST_APPLESS_MAIN(tst_CutTexts)
#include "tst_cuttexts.moc"
