// The pages as a person sees them, offscreen: in every language, at the window's first size and
// at full-screen size, no text runs past its box or over another text, and a cut text shows
// the whole of it in a tool tip (a plant of real size: tst_cuttexts). And the plant page through a change of plant
// type: the two pictures keep their places, the tree keeps what was expanded and selected.
#include "../plant/PlantBuilder.h"
#include "IsolatedHome.h"
#include "PageScene.h"

#include <QItemSelectionModel>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_pagelayout";
static char* s_argv[] = {s_arg0, nullptr};

class tst_PageLayout : public PageScene {
    Q_OBJECT

    QQuickItem* tree() const { return find("plantTree"); }
    QItemSelectionModel* treeSelection() const
    {
        return qobject_cast<QItemSelectionModel*>(tree()->property("selection").value<QObject*>());
    }
    bool expanded(const QModelIndex& index, QQuickItem* view = nullptr) const
    {
        bool result = false;
        QVariant answer;
        if (!QMetaObject::invokeMethod(view ? view : tree(), "isExpanded", Q_RETURN_ARG(QVariant, answer),
                                       Q_ARG(QVariant, QVariant::fromValue(index))))
            return false;
        result = answer.toBool();
        return result;
    }
    void expand(const QModelIndex& index)
    {
        QVERIFY(QMetaObject::invokeMethod(tree(), "expand", Q_ARG(QVariant, QVariant::fromValue(index))));
    }
    // The shown page: what the working area shows right of the tree.
    // The texts of the plant-type pictures, left to right.
    QStringList typePictures() const
    {
        QList<QQuickItem*> entries = findAll(m_window->contentItem(), "plantTypeEntry");
        std::sort(entries.begin(), entries.end(), [](QQuickItem* a, QQuickItem* b) {
            return a->mapToScene(QPointF()).x() < b->mapToScene(QPointF()).x();
        });
        QStringList names;
        for (QQuickItem* entry : entries) {
            for (QQuickItem* child : entry->childItems()) {
                if (child->inherits("QQuickText"))
                    names << child->property("text").toString();
            }
        }
        return names;
    }

    // The arrow of each row of view that has one, as the view keeps it on the row.
    static QList<QQuickItem*> arrowsIn(QQuickItem* view)
    {
        QList<QQuickItem*> arrows;
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
            auto* arrow = item->property("branchDecoration").value<QQuickItem*>();
            if (arrow && item->isVisible() && arrow->isVisible())
                arrows << arrow;
            for (QQuickItem* child : item->childItems())
                walk(child);
        };
        walk(view);
        return arrows;
    }

    // The tree's arrows lie inside its pane; a click on the arrow of the closed CPUs row opens it.
    void checkTreeArrows(const QString& where)
    {
        OvPlantModel* model = m_app->plantTreeModel();
        const QModelIndex cpusRow = model->index(1, 0);
        QVERIFY(QMetaObject::invokeMethod(tree(), "collapse", Q_ARG(QVariant, QVariant::fromValue(cpusRow))));
        expand(model->index(0, 0));
        settle();
        QQuickItem* pane = find("plantElementsView");
        QVERIFY(pane);
        const QRectF paneBox = pane->mapRectToScene(QRectF(0, 0, pane->width(), pane->height()));
        QList<QQuickItem*> arrows = arrowsIn(tree());
        std::sort(arrows.begin(), arrows.end(), [](QQuickItem* a, QQuickItem* b) {
            return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y();
        });
        QVERIFY2(arrows.size() >= 2, qPrintable(where));
        for (QQuickItem* arrow : arrows) {
            const QRectF box = arrow->mapRectToScene(QRectF(0, 0, arrow->width(), arrow->height()));
            QVERIFY2(paneBox.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box),
                     qPrintable(QStringLiteral("%1: arrow at %2..%3 outside the pane %4..%5")
                                    .arg(where)
                                    .arg(box.left())
                                    .arg(box.right())
                                    .arg(paneBox.left())
                                    .arg(paneBox.right())));
        }
        QQuickItem* last = arrows.last();
        QVERIFY(!expanded(cpusRow));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
                          last->mapToScene(QPointF(last->width() / 2, last->height() / 2)).toPoint());
        QVERIFY2(expanded(cpusRow), qPrintable(where));
    }

    // The tips of the tree that show: at most one, that of the row under the pointer at point
    // when that row is not the selected one; count is how many show.
    void checkTip(const QPointF& point, int& count)
    {
        QList<QObject*> shown;
        QQuickItem* pane = find("plantElementsView");
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
            for (QObject* tip :
                 item->findChildren<QObject*>(QStringLiteral("plantTreeTip"), Qt::FindDirectChildrenOnly)) {
                if (tip->property("shown").toBool())
                    shown << tip;
            }
            for (QQuickItem* child : item->childItems())
                walk(child);
        };
        walk(pane);
        count = shown.size();
        QModelIndex under;
        const QRectF paneBox = pane->mapRectToScene(QRectF(0, 0, pane->width(), pane->height()));
        for (QQuickItem* icon : findAll(tree(), QStringLiteral("plantTreeIcon"))) {
            const QRectF box = icon->mapRectToScene(QRectF(0, 0, icon->width(), icon->height()));
            if (paneBox.contains(point) && box.top() <= point.y() && point.y() < box.bottom())
                under = icon->property("rowIndex").value<QModelIndex>();
        }
        const bool tells = under.isValid() && !treeSelection()->isSelected(under);
        QVERIFY2(count <= (tells ? 1 : 0), qPrintable(QString::number(count)));
        if (tells && count == 1)
            QCOMPARE(shown.first()->property("text").toString(), m_app->plantTreeModel()->getInfoToolTip(under));
    }

    // The arrow of the loop's module with channels lies in the module's index cell, on its
    // starting side; a click on it opens the row.
    void checkModuleArrow(const QString& where)
    {
        QQuickItem* table = find("pointTable");
        auto* modules = qobject_cast<QAbstractItemModel*>(table->property("model").value<QObject*>());
        QModelIndex module;
        for (int r = 0; modules && r < modules->rowCount() && !module.isValid(); ++r) {
            if (modules->rowCount(modules->index(r, 0)) == 3)
                module = modules->index(r, 0);
        }
        QVERIFY2(module.isValid(), qPrintable(where + QStringLiteral(": no module with channels")));
        QQuickItem* cell = nullptr;
        for (QQuickItem* title : findAll(page(), QStringLiteral("columnTitle"))) {
            if (title->property("text").toString() == qtTrId("CSV_PT_INDEX"))
                cell = title->parentItem();
        }
        QVERIFY2(cell, qPrintable(where));
        const QRectF cellBox = cell->mapRectToScene(QRectF(0, 0, cell->width(), cell->height()));
        // The table opens with every module open.
        QVERIFY(QMetaObject::invokeMethod(table, "collapse", Q_ARG(QVariant, QVariant::fromValue(module))));
        settle();
        const QList<QQuickItem*> arrows = arrowsIn(table);
        QCOMPARE(arrows.size(), 1);
        const QRectF box = arrows.first()->mapRectToScene(
            QRectF(0, 0, arrows.first()->width(), arrows.first()->height()));
        const qreal fromStart = QGuiApplication::layoutDirection() == Qt::RightToLeft ? cellBox.right() - box.right()
                                                                                      : box.left() - cellBox.left();
        QVERIFY2(box.left() >= cellBox.left() - 0.5 && box.right() <= cellBox.right() + 0.5
                     && fromStart < cellBox.width() / 2,
                 qPrintable(QStringLiteral("%1: arrow at %2, the index cell from %3 to %4")
                                .arg(where)
                                .arg(box.left())
                                .arg(cellBox.left())
                                .arg(cellBox.right())));
        QVERIFY(!expanded(module, table));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, box.center().toPoint());
        QVERIFY2(expanded(module, table), qPrintable(where));
    }

    // The box of each text the page shows once, in the page's coordinates. By text: a view
    // may show a row in another of its delegates once laid out again.
    QHash<QString, QRectF> textBoxes(QQuickItem* root) const
    {
        QHash<QString, QRectF> boxes;
        QSet<QString> twice;
        for (const ShownText& t : shownTexts(root, m_window->size())) {
            if (boxes.contains(t.text))
                twice << t.text;
            boxes.insert(t.text, t.item->mapRectToItem(root, QRectF(0, 0, t.item->width(), t.item->height())));
        }
        for (const QString& text : twice)
            boxes.remove(text);
        return boxes;
    }
    // Mirrored, every text of every page starts where the mirror image of its place left to right
    // starts: each page turned over as a whole, not a block of it left where it was. A change of
    // direction lays out every page made so far, so the pages are read in one direction, then
    // all again in the other.
    void checkMirrored(const QString& at)
    {
        QHash<QString, QHash<QString, QRectF>> turned;
        QHash<QString, qreal> widths;
        for (const Page& shown : pages()) {
            const QString where = QStringLiteral("%1, %2").arg(at, shown.name);
            shown.select();
            settle();
            QQuickItem* root = page();
            QVERIFY2(root, qPrintable(where));
            turned.insert(where, textBoxes(root));
            widths.insert(where, root->width());
            checkStartingSide(where);
        }
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QStringList faults;
        for (const Page& shown : pages()) {
            const QString where = QStringLiteral("%1, %2").arg(at, shown.name);
            shown.select();
            settle();
            QQuickItem* root = page();
            if (!root || root->width() != widths.value(where)) {
                faults << where + QStringLiteral(": not the page read right to left");
                continue;
            }
            const QHash<QString, QRectF> plain = textBoxes(root);
            const QHash<QString, QRectF>& mirrored = turned[where];
            int compared = 0;
            for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
                if (!mirrored.contains(it.key()))
                    continue;
                ++compared;
                // Each text starts where its mirror image starts: a view may size a cell of a
                // tree differently in either direction, never move its starting edge.
                const QRectF box = mirrored.value(it.key());
                const qreal mirrorStart = root->width() - it.value().left();
                if (qAbs(box.right() - mirrorStart) > 1.5 || qAbs(box.top() - it.value().top()) > 1.5) {
                    QString place;
                    QDebug(&place) << box << "mirror of" << it.value();
                    faults << QStringLiteral("%1: \"%2\" %3").arg(where, it.key(), place);
                }
            }
            if (compared <= 2)
                faults << where + QStringLiteral(": nothing to compare");
        }
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        settle();
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("not mirrored: ") + faults.join(QStringLiteral("; "))));
    }

    // Mirrored, a text narrower than its box stands at the box's starting (right) end, or in its
    // middle, whatever its script: Latin names and numbers too.
    void checkStartingSide(const QString& where)
    {
        QStringList faults;
        for (const ShownText& t : shownTexts(page(), m_window->size())) {
            const int hAlign = t.item->property("effectiveHorizontalAlignment").toInt();
            if (hAlign == Qt::AlignLeft && t.item->width() > t.item->property("contentWidth").toReal() + 2)
                faults << describe(t);
        }
        QVERIFY2(faults.isEmpty(),
                 qPrintable(where + QStringLiteral(": at the far end: ") + faults.join(QStringLiteral("; "))));
    }

    // Each text of the shown page fits its box or is cut with its whole in a tool tip; no two
    // overlap.
    void checkTexts(const QString& where) { checkTexts(where, page()); }
    void checkTexts(const QString& where, QQuickItem* root)
    {
        QVERIFY2(root, qPrintable(where));
        const QList<ShownText> texts = shownTexts(root, m_window->size());
        QVERIFY2(texts.size() > 2, qPrintable(where));
        QStringList faults;
        const QRectF pageBox = root->mapRectToScene(QRectF(0, 0, root->width(), root->height()));
        for (const ShownText& t : texts) {
            if (!t.scrolled && (t.whole.left() < pageBox.left() - 1 || t.whole.right() > pageBox.right() + 1))
                faults << QStringLiteral("runs off the page: ") + describe(t);
            const qreal w = t.item->width();
            const qreal h = t.item->height();
            const bool cut = t.item->property("truncated").toBool();
            if (t.item->property("contentWidth").toReal() > w + 1 || t.item->property("contentHeight").toReal() > h + 1)
                faults << QStringLiteral("runs past its box: ") + describe(t);
            if (cut && t.item->property("toolTipText").toString() != t.text)
                faults << QStringLiteral("cut without its whole in a tool tip: ") + describe(t);
            // On more than one line, each line ends between two words: none is wider than the box.
            if (t.item->property("lineCount").toInt() > 1) {
                const QFontMetricsF metrics(t.item->property("font").value<QFont>());
                const qreal room = w - t.item->property("leftPadding").toReal()
                    - t.item->property("rightPadding").toReal();
                for (const QString& word :
                     t.text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
                    if (metrics.horizontalAdvance(word) > room + 0.5)
                        faults << QStringLiteral("broken inside \"%1\": ").arg(word) + describe(t);
                }
            }
        }
        for (int i = 0; i < texts.size(); ++i) {
            for (int j = i + 1; j < texts.size(); ++j) {
                const QRectF both = texts[i].drawn.intersected(texts[j].drawn);
                if (both.width() > 1 && both.height() > 1)
                    faults << QStringLiteral("overlap: %1 and %2").arg(describe(texts[i]), describe(texts[j]));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(where + QStringLiteral(": ") + faults.join(QStringLiteral("; "))));
    }

    // A drop-down tree in either direction: its first group opened, the group's row has its
    // arrow on the row's starting side within the drop-down, the row under it is indented from
    // that side, and the selected row's text and every arrow stand out from what is behind them.
    void checkDropDown(const QString& where, QQuickItem* tree, const char* textName, const QByteArray& role,
                       bool rightToLeft)
    {
        QVERIFY2(tree && tree->isVisible(), qPrintable(where));
        auto* model = qobject_cast<QAbstractItemModel*>(tree->property("model").value<QObject*>());
        QVERIFY2(model, qPrintable(where));
        int group = 0;
        while (group < model->rowCount() && model->rowCount(model->index(group, 0)) == 0)
            ++group;
        QVERIFY2(group < model->rowCount(), qPrintable(where + QStringLiteral(": no group")));
        QVERIFY(
            QMetaObject::invokeMethod(tree, "expand", Q_ARG(QVariant, QVariant::fromValue(model->index(group, 0)))));
        settle();
        const QString groupText = model->index(group, 0).data(model->roleNames().key(role)).toString();
        QVERIFY2(!groupText.isEmpty(), qPrintable(where));
        const QRectF box = tree->mapRectToScene(QRectF(0, 0, tree->width(), tree->height()));
        const auto sceneBox = [](QQuickItem* item) {
            return item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        };
        // The shown rows, top to bottom: text, arrow and background of each.
        struct Row {
            QQuickItem* text = nullptr;
            QQuickItem* arrow = nullptr;
            QColor background;
        };
        QMap<int, Row> rows;
        const auto rowAt = [](const QRectF& r) { return qRound(r.center().y() / 4); };
        QList<QQuickItem*> fills;
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
            if (!item->isVisible())
                return;
            const QRectF at = sceneBox(item);
            if (item->objectName() == QLatin1String(textName) && box.intersects(at))
                rows[rowAt(at)].text = item;
            else if (item->inherits("QQuickText") && item->parentItem()
                     && QLatin1String(item->parentItem()->metaObject()->className())
                            .startsWith(QLatin1String("OvTreeBranch")))
                rows[rowAt(at)].arrow = item;
            else if (item->inherits("QQuickRectangle") && at.width() > box.width() / 2 && at.height() < 40)
                fills << item;
            for (QQuickItem* child : item->childItems())
                walk(child);
        };
        walk(tree);
        for (QQuickItem* fill : fills) {
            const QColor color = fill->property("color").value<QColor>();
            if (color.alpha() == 255 && rows.contains(rowAt(sceneBox(fill))))
                rows[rowAt(sceneBox(fill))].background = color;
        }
        QString boxFill;
        QObject* theme =
            m_app->engine()->rootContext()->contextProperty(QStringLiteral("theThemeModel")).value<QObject*>();
        QVERIFY(theme && QMetaObject::invokeMethod(theme, "boxFillColor", Q_RETURN_ARG(QString, boxFill)));
        QStringList faults;
        QQuickItem* previous = nullptr;
        for (const Row& row : qAsConst(rows)) {
            if (!row.text)
                continue;
            const QString text = row.text->property("text").toString();
            const QRectF textBox = sceneBox(row.text);
            if (previous && previous->property("text").toString() == groupText) {
                const QRectF above = sceneBox(previous);
                if (rightToLeft ? textBox.right() > above.right() - 4 : textBox.left() < above.left() + 4)
                    faults << QStringLiteral("\"%1\" not indented under \"%2\"").arg(text, groupText);
            }
            previous = row.text;
            if (text == groupText) {
                if (!row.arrow) {
                    faults << QStringLiteral("no arrow on \"%1\"").arg(text);
                } else {
                    const QRectF arrow = sceneBox(row.arrow);
                    if (!box.contains(arrow)
                        || (rightToLeft ? arrow.left() < textBox.right() - 1 : arrow.right() > textBox.left() + 1))
                        faults << QStringLiteral("arrow of \"%1\" at %2, its text at %3..%4, the drop-down at %5..%6")
                                      .arg(text)
                                      .arg(arrow.left())
                                      .arg(textBox.left())
                                      .arg(textBox.right())
                                      .arg(box.left())
                                      .arg(box.right());
                }
            }
            const QColor behind = row.background.isValid() ? row.background : QColor(boxFill);
            const QColor ink = row.text->property("color").value<QColor>();
            if (contrast(ink, behind) < 4.5)
                faults << QStringLiteral("\"%1\" hard to read: %2 on %3").arg(text, ink.name(), behind.name());
            if (row.arrow && contrast(row.arrow->property("color").value<QColor>(), behind) < 3)
                faults << QStringLiteral("arrow of \"%1\" hard to see: %2 on %3")
                              .arg(text, row.arrow->property("color").value<QColor>().name(), behind.name());
        }
        QVERIFY2(faults.isEmpty(), qPrintable(where + QStringLiteral(": ") + faults.join(QStringLiteral("; "))));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        startScene(s_argc, s_argv);
    }

    void cleanupTestCase() { stopScene(); }

    // The plant page: choosing the other type keeps the pictures where they were, stand-alone
    // on the left, and the tree's expanded rows and selected row.
    void plantTypeChange_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("asked");
        QTest::newRow("networked") << 1 << false;
        QTest::newRow("stand-alone") << 0 << true;
        QTest::newRow("networked again") << 1 << false;
    }
    void plantTypeChange()
    {
        QFETCH(int, type);
        QFETCH(bool, asked);
        OvPlantModel* model = m_app->plantTreeModel();
        QVERIFY(model && tree());
        const QModelIndex plantRow = model->index(0, 0);
        const QModelIndex cpusRow = model->index(1, 0);
        const QModelIndex cpu1Row = model->index(0, 0, cpusRow);
        QVERIFY(cpu1Row.isValid());
        expand(plantRow);
        expand(cpusRow);
        expand(cpu1Row);
        treeSelection()->setCurrentIndex(plantRow, QItemSelectionModel::ClearAndSelect);
        QTRY_COMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE_GEN_INFO"));
        settle();
        const QStringList pictures = typePictures();
        QCOMPARE(pictures, QStringList({qtTrId("PlantTypeStandAlone"), qtTrId("PlantTypeSuper")}));

        // Going back to stand-alone asks first; the tree's rows that go ask nothing of the model.
        if (asked)
            m_dialogs.answer(PlantMessage::Ok);
        QVERIFY(QMetaObject::invokeMethod(m_window, "plantChangeTypeRqst", Q_ARG(int, type)));
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_app->plant()->getPlantType(), type);
        settle();

        QCOMPARE(typePictures(), pictures);
        const QModelIndex plantAfter = model->index(0, 0);
        const QModelIndex cpusAfter = model->index(1, 0);
        QCOMPARE(QVector<bool>({expanded(plantAfter), expanded(cpusAfter), expanded(model->index(0, 0, cpusAfter))}),
                 QVector<bool>({true, true, true}));
        QCOMPARE(treeSelection()->currentIndex(), plantAfter);
        QVERIFY(treeSelection()->isSelected(plantAfter));
        QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE_GEN_INFO"));
    }

    // Every page in every language, at the first size and at full-screen size. Networked with
    // every CPU installed: the longest list of CPUs the plant page shows.
    // The plant page's description field stands on the page's starting edge: the left one, the
    // right one in a right-to-left language.
    void checkStartingEdge(bool rightToLeft)
    {
        QQuickItem* field = find("plantDescription");
        QVERIFY(field);
        QQuickItem* column = field->parentItem();
        const QRectF box = field->mapRectToItem(column, QRectF(0, 0, field->width(), field->height()));
        // Narrower than the page by far, so that the two edges tell the sides apart.
        QVERIFY(field->width() < column->width() - 100);
        if (rightToLeft)
            QCOMPARE(box.right(), column->width());
        else
            QCOMPARE(box.left(), 0.0);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : languages())
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void texts()
    {
        QFETCH(QString, code);
        useLanguage(code);
        for (const QSize size : {QSize(960, 720), QSize(1920, 1080)}) {
            m_window->resize(size);
            for (const Page& shown : pages()) {
                shown.select();
                QCOMPARE(m_window->property("workingAreaStat").toString(), QString::fromLatin1(shown.state));
                settle();
                checkTexts(
                    QStringLiteral("%1, %2 at %3x%4").arg(code, shown.name).arg(size.width()).arg(size.height()));
                if (QLatin1String(shown.name) == QLatin1String("plant"))
                    checkStartingEdge(code == QLatin1String("ar") || code == QLatin1String("iw"));
            }
        }
        m_window->resize(960, 720);
    }

    // Right to left: the tree opens from its arrows, which lie inside its pane; every page is
    // mirrored as a whole, the point table open on its first column.
    void rightToLeft_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("ar") << QStringLiteral("ar");
#if !defined(__SANITIZE_ADDRESS__)
        QTest::newRow("iw") << QStringLiteral("iw");
#endif
    }
    void rightToLeft()
    {
        QFETCH(QString, code);
        useLanguage(code);
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        for (const QSize size : {QSize(1280, 900), QSize(1024, 700)}) {
            m_window->resize(size);
            const QString at = QStringLiteral("%1 at %2x%3").arg(code).arg(size.width()).arg(size.height());
            checkTreeArrows(at);
            checkMirrored(at);
            QQuickItem* firstTitle = nullptr;
            for (QQuickItem* title : findAll(page(), QStringLiteral("columnTitle"))) {
                if (title->property("text").toString() == qtTrId("CSV_PT_INDEX"))
                    firstTitle = title;
            }
            QVERIFY2(firstTitle, qPrintable(at));
            const QRectF box = firstTitle->mapRectToScene(QRectF(0, 0, firstTitle->width(), firstTitle->height()));
            QCOMPARE(visiblePart(firstTitle, box, m_window->size()), box);
        }
        // A row's menu and a tree row's tip open towards the reading direction: left of the
        // pointer, clear of what it points at.
        m_app->onGeneralAreasPageSelected();
        settle();
        QQuickItem* row = find("areaRow");
        QVERIFY(row);
        // On the row's number, at its starting end, off its fields.
        const QPoint pointer = row->mapToScene(QPointF(row->width() - 10, row->height() / 2)).toPoint();
        QTest::mouseClick(m_window, Qt::RightButton, Qt::NoModifier, pointer);
        settle();
        auto* menu = page()->findChild<QObject*>(QStringLiteral("areasMenu"));
        QVERIFY(menu && menu->property("opened").toBool());
        const qreal menuRight =
            page()->mapToScene(QPointF(menu->property("x").toReal() + menu->property("width").toReal(), 0)).x();
        QVERIFY2(
            qAbs(menuRight - pointer.x()) <= 2,
            qPrintable(QStringLiteral("menu's right edge at %1, the pointer at %2").arg(menuRight).arg(pointer.x())));
        QTest::keyClick(m_window, Qt::Key_Escape);
        QList<QQuickItem*> icons = findAll(tree(), QStringLiteral("plantTreeIcon"));
        // The first row under the pointer that tells something.
        QQuickItem* pane = find("plantElementsView");
        const QRectF paneBox = pane->mapRectToScene(QRectF(0, 0, pane->width(), pane->height()));
        QObject* tip = pane->findChild<QObject*>(QStringLiteral("plantTreeTip"));
        QVERIFY(tip);
        QPoint over;
        for (QQuickItem* icon : icons) {
            const QModelIndex row = icon->property("rowIndex").value<QModelIndex>();
            over = icon->mapToScene(QPointF(icon->width() / 2, icon->height() / 2)).toPoint();
            if (!paneBox.contains(over) || !row.isValid() || treeSelection()->isSelected(row))
                continue;
            QTest::mouseMove(m_window, over);
            settle();
            if (tip->property("shown").toBool())
                break;
        }
        QVERIFY(tip->property("shown").toBool());
        QTRY_VERIFY(tip->property("visible").toBool());
        auto* tipItem = tip->property("contentItem").value<QQuickItem*>();
        QVERIFY(tipItem);
        // Left of the pointer where the window has room for it and a gap there, else right of it.
        const QRectF tipBox = tipItem->mapRectToScene(QRectF(0, 0, tipItem->width(), tipItem->height()));
        const bool room = over.x() > tipBox.width() + 40;
        const bool none = over.x() < tipBox.width();
        QVERIFY2(room ? tipBox.right() <= over.x() : !none || tipBox.left() >= over.x(),
                 qPrintable(QStringLiteral("tip at %1..%2, the pointer at %3")
                                .arg(tipBox.left())
                                .arg(tipBox.right())
                                .arg(over.x())));
        QTest::mouseMove(m_window, QPoint(m_window->width() - 5, m_window->height() - 5));
        m_window->resize(960, 720);
    }

    // The column titles of the tables at the two sizes people use most: broken between words
    // only (checkTexts), in every language.
    void columnTitles_data()
    {
        texts_data();
    }
    void columnTitles()
    {
        QFETCH(QString, code);
        useLanguage(code);
        for (const QSize size : {QSize(1280, 900), QSize(1024, 700)}) {
            m_window->resize(size);
            for (const Page& shown : pages()) {
                if (qstrcmp(shown.name, "loop") && qstrcmp(shown.name, "zones") && qstrcmp(shown.name, "groups")
                    && qstrcmp(shown.name, "panels"))
                    continue;
                shown.select();
                settle();
                checkTexts(
                    QStringLiteral("%1, %2 at %3x%4").arg(code, shown.name).arg(size.width()).arg(size.height()));
            }
        }
        m_window->resize(960, 720);
    }

    // The drop-down trees in either direction: the walk-test output chooser and the point-type
    // chooser.
    void choosers_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("ar") << QStringLiteral("ar");
        QTest::newRow("iw") << QStringLiteral("iw");
        QTest::newRow("en") << QStringLiteral("en");
    }
    void choosers()
    {
        QFETCH(QString, code);
        useLanguage(code);
        const bool rightToLeft = code != QLatin1String("en");
        // An output module for the walk test: loop 1 of CPU 1 opens to it.
        Plant* plant = m_app->plant();
        if (plant->getWalkTest() != 2) {
            plant->cpus().cpuAt(0)->setLoopType(0, 1);
            OvGenericPoint bell = plantbuild::point(1, 1, 5, 2, 2, 1, 130, 24);
            plant->cpus().setPoint(&bell);
            OvGenericPoint doors = plantbuild::point(1, 1, 8, 2, 2, 2, 16398, 0, 3);
            plant->cpus().setPoint(&doors);
            plant->setWalkTest(2);
            m_app->updateModels();
        }
        // Tall enough for the whole parameters page.
        m_window->resize(1024, 2300);
        m_app->onGeneralParametersPageSelected();
        settle();
        QQuickItem* output = find("walkTestOutput");
        QVERIFY(output && output->isEnabled());
        // Every box of the page, the walk test's too, starts at one edge, beside the labels.
        QList<QQuickItem*> boxes = findAll(page(), QStringLiteral("walkTestOutput"));
        std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
            if (item->inherits("QQuickComboBox") && item->isVisible())
                boxes << item;
            for (QQuickItem* child : item->childItems())
                collect(child);
        };
        collect(page());
        QSet<int> starts;
        QStringList edges;
        for (QQuickItem* box : boxes) {
            const QRectF at = box->mapRectToScene(QRectF(0, 0, box->width(), box->height()));
            starts << qRound(rightToLeft ? at.right() : at.left());
            edges << QStringLiteral("%1 at %2").arg(box->objectName()).arg(rightToLeft ? at.right() : at.left());
        }
        QVERIFY2(boxes.size() > 5 && starts.size() == 1, qPrintable(edges.join(QStringLiteral(", "))));
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
                          output->mapToScene(QPointF(output->width() / 2, output->height() / 2)).toPoint());
        settle();
        checkDropDown(code + QStringLiteral(", walk-test output"), find("walkTestTree"), "walkTestRowText",
                      "itemDescription", rightToLeft);
        QTest::keyClick(m_window, Qt::Key_Escape);
        m_window->resize(1024, 700);

        // The module types, in groups. The tree takes a click on the row it shows only once.
        clickRow(cpuRow());
        pages().last().select();
        settle();
        QQuickItem* tabs = find("pointTabs");
        QVERIFY(tabs);
        tabs->setProperty("currentIndex", 1);
        settle();
        QQuickItem* cell = find("pointTypeCell");
        QVERIFY(cell);
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier,
                          cell->mapToScene(QPointF(cell->width() / 2, cell->height() / 2)).toPoint());
        settle();
        QQuickItem* types = find("typeTree");
        checkDropDown(code + QStringLiteral(", point types"), types, "typeName", "pointItemName", rightToLeft);
        if (QTest::currentTestFailed())
            return;
        // Each type's name beside its icon, on the icon's far side from the starting edge.
        QStringList apart;
        const QList<ShownText> names = shownTexts(types, m_window->size());
        for (QQuickItem* icon : findAll(types, QStringLiteral("typeIcon"))) {
            const QRectF at = icon->mapRectToScene(QRectF(0, 0, icon->width(), icon->height()));
            for (const ShownText& name : names) {
                if (name.item->objectName() != QLatin1String("typeName")
                    || qAbs(name.drawn.center().y() - at.center().y()) > 4)
                    continue;
                const qreal gap = rightToLeft ? at.left() - name.whole.right() : name.whole.left() - at.right();
                if (gap < 0 || gap > 12)
                    apart << QStringLiteral("\"%1\" %2 px from its icon").arg(name.text).arg(gap);
            }
        }
        QVERIFY2(apart.isEmpty(), qPrintable(code + QStringLiteral(": ") + apart.join(QStringLiteral("; "))));
        QTest::keyClick(m_window, Qt::Key_Escape);
        settle();
        checkModuleArrow(code);
        tabs->setProperty("currentIndex", 0);
        m_window->resize(960, 720);
    }

    // A tip of the tree belongs to the row under the pointer, and to no other: rows that move
    // under a still pointer as one opens leave none behind, and the pointer gone takes it away.
    void treeTips()
    {
        useLanguage(QStringLiteral("en"));
        OvPlantModel* model = m_app->plantTreeModel();
        QVERIFY(
            QMetaObject::invokeMethod(tree(), "collapse", Q_ARG(QVariant, QVariant::fromValue(model->index(0, 0)))));
        QVERIFY(
            QMetaObject::invokeMethod(tree(), "collapse", Q_ARG(QVariant, QVariant::fromValue(model->index(1, 0)))));
        settle();
        QList<QQuickItem*> icons = findAll(tree(), QStringLiteral("plantTreeIcon"));
        QVERIFY(icons.size() >= 2);
        const QPointF plantRow = icons.first()->mapToScene(
            QPointF(icons.first()->width() / 2, icons.first()->height() / 2));
        QTest::mouseMove(m_window, plantRow.toPoint());
        QTest::mouseClick(m_window, Qt::LeftButton, Qt::NoModifier, plantRow.toPoint());
        tree()->forceActiveFocus();
        int count = 0;
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Down}) {
            QTest::keyClick(m_window, key);
            settle();
            checkTip(plantRow, count);
            if (QTest::currentTestFailed())
                return;
        }
        // Another row, and then off the tree.
        icons = findAll(tree(), QStringLiteral("plantTreeIcon"));
        const QPointF lastRow = icons.last()->mapToScene(
            QPointF(icons.last()->width() / 2, icons.last()->height() / 2));
        QTest::mouseMove(m_window, lastRow.toPoint());
        settle();
        checkTip(lastRow, count);
        QCOMPARE(count, 1);
        const QPoint away(m_window->width() - 5, m_window->height() / 2);
        QTest::mouseMove(m_window, away);
        settle();
        checkTip(away, count);
        QCOMPARE(count, 0);
    }

    // The CBE keypad's keys in every language: each name fits its key or is cut with its whole
    // in a tool tip.
    void keypad_data()
    {
        texts_data();
    }
    void keypad()
    {
        QFETCH(QString, code);
        m_app->onSelectLanguage(QStringLiteral("ov4800_%1.qm").arg(code));
        QCOMPARE(m_app->languageInUse(), code);
        m_app->onGeneralGroupsPageSelected();
        QQmlComponent component(m_app->engine(), QUrl(QStringLiteral("qrc:/qml/controls/OvCBEKeypad.qml")));
        std::unique_ptr<QQuickItem> keys(qobject_cast<QQuickItem*>(component.create()));
        QVERIFY2(keys, qPrintable(component.errorString()));
        keys->setParentItem(page());
        keys->setSize(QSizeF(keys->implicitWidth(), keys->implicitHeight()));
        QVERIFY(QMetaObject::invokeMethod(keys.get(), "open", Q_ARG(QVariant, 1), Q_ARG(QVariant, true),
                                          Q_ARG(QVariant, QString())));
        settle();
        int named = 0;
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
            if (item->objectName().startsWith(QLatin1String("cbeButton"))
                && !item->property("text").toString().isEmpty())
                ++named;
            for (QQuickItem* child : item->childItems())
                walk(child);
        };
        walk(keys.get());
        QVERIFY2(named > 30, qPrintable(QString::number(named)));
        checkTexts(code + QStringLiteral(", keypad"), keys.get());
    }

    // The arrow keys go as the tree's arrows point: into a row (opening it first) towards where a
    // closed row's arrow points, out of it (closing it first) the other way; right to left, Left
    // goes in.
    void treeKeys_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::newRow("en") << "en" << int(Qt::Key_Right) << int(Qt::Key_Left);
        QTest::newRow("ar") << "ar" << int(Qt::Key_Left) << int(Qt::Key_Right);
        QTest::newRow("iw") << "iw" << int(Qt::Key_Left) << int(Qt::Key_Right);
    }
    void treeKeys()
    {
        QFETCH(QString, code);
        QFETCH(int, in);
        QFETCH(int, out);
        useLanguage(code);
        OvPlantModel* model = m_app->plantTreeModel();
        const QModelIndex cpus = model->index(1, 0);
        const QModelIndex cpu = model->index(0, 0, cpus);
        for (const QModelIndex& row : {cpu, cpus, model->index(0, 0)})
            QVERIFY(QMetaObject::invokeMethod(tree(), "collapse", Q_ARG(QVariant, QVariant::fromValue(row))));
        settle();
        const QList<QQuickItem*> icons = findAll(tree(), QStringLiteral("plantTreeIcon"));
        QCOMPARE(icons.size(), 2);
        QTest::mouseClick(
            m_window, Qt::LeftButton, Qt::NoModifier,
            icons.at(1)->mapToScene(QPointF(icons.at(1)->width() / 2, icons.at(1)->height() / 2)).toPoint());
        QCOMPARE(treeSelection()->currentIndex(), cpus);
        QStringList steps;
        for (int key : {in, in, out, out}) {
            QTest::keyClick(m_window, Qt::Key(key));
            settle();
            const QModelIndex at = treeSelection()->currentIndex();
            steps << QStringLiteral("%1, at %2")
                         .arg(expanded(cpus) ? "open" : "closed",
                              at == cpus      ? "CPUs"
                                  : at == cpu ? "CPU 1"
                                              : "another row");
        }
        QCOMPARE(steps, QStringList({"open, at CPUs", "open, at CPU 1", "open, at CPUs", "closed, at CPUs"}));
        QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_ACTIVE_CPU_GEN_PAGE"));
    }

    // The tree's pane, 210 wide until it is dragged, stands on the window's starting edge with the
    // page beside it: right to left, at the right edge.
    void treePaneSide_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << QStringLiteral("en");
        QTest::newRow("ar") << QStringLiteral("ar");
        QTest::newRow("iw") << QStringLiteral("iw");
    }
    void treePaneSide()
    {
        QFETCH(QString, code);
        useLanguage(code);
        m_window->resize(1024, 700);
        m_app->onGeneralGroupsPageSelected();
        settle();
        QQuickItem* pane = find("plantElementsView");
        QVERIFY(pane && page());
        const QRectF paneBox = pane->mapRectToScene(QRectF(0, 0, pane->width(), pane->height()));
        const QRectF pageBox = page()->mapRectToScene(QRectF(0, 0, page()->width(), page()->height()));
        m_window->resize(960, 720);
        m_app->onSelectLanguage(QStringLiteral("ov4800_en.qm"));
        QCOMPARE(paneBox.width(), 210.0);
        if (code == QLatin1String("en")) {
            QCOMPARE(paneBox.left(), 0.0);
            QVERIFY(pageBox.left() >= paneBox.right());
        } else {
            QCOMPARE(paneBox.right(), 1024.0);
            QVERIFY(pageBox.right() <= paneBox.left());
        }
    }
};

QTEST_APPLESS_MAIN(tst_PageLayout)
#include "tst_pagelayout.moc"
