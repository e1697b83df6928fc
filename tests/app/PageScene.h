#pragma once
// The program's pages offscreen, for the tests of what they show: the texts a page draws and
// where, the pages a person walks through, a language chosen on a networked plant with every CPU
// installed.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "models/OvPlantModel.h"
#include "plant/Plant.h"

#include <QtQuick>
#include <QtTest>

#include <algorithm>
#include <functional>

struct ShownText {
    QQuickItem* item;
    QRectF drawn;  // where its glyphs are, in the scene, cut to what its clipping parents show
    QRectF whole;  // where all of them would be
    bool scrolled; // inside a view that clips what it scrolls
    QString text;
};

// The part of item's box that its clipping ancestors and the window leave visible.
inline QRectF visiblePart(QQuickItem* item, const QRectF& sceneRect, const QSizeF& window)
{
    QRectF visible = sceneRect.intersected(QRectF(QPointF(), window));
    for (QQuickItem* up = item->parentItem(); up; up = up->parentItem()) {
        if (up->clip())
            visible = visible.intersected(up->mapRectToScene(QRectF(0, 0, up->width(), up->height())));
    }
    return visible;
}

// Every text item under root that shows something, with the rectangle its glyphs take.
QList<ShownText> shownTexts(QQuickItem* root, const QSizeF& window)
{
    QList<ShownText> found;
    std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (!item->isVisible() || item->opacity() <= 0.01)
            return;
        const QString text = item->property("text").toString();
        if (item->inherits("QQuickText") && !text.trimmed().isEmpty() && item->width() > 0) {
            const qreal w = item->width();
            const qreal h = item->height();
            const qreal cw = item->property("contentWidth").toReal();
            const qreal ch = item->property("contentHeight").toReal();
            const int hAlign = item->property("effectiveHorizontalAlignment").toInt();
            const int vAlign = item->property("verticalAlignment").toInt();
            const qreal x = hAlign == Qt::AlignRight ? w - cw : hAlign == Qt::AlignHCenter ? (w - cw) / 2 : 0;
            const qreal y = vAlign == Qt::AlignBottom ? h - ch : vAlign == Qt::AlignVCenter ? (h - ch) / 2 : 0;
            const QRectF scene = item->mapRectToScene(QRectF(x, y, cw, ch));
            const QRectF visible = visiblePart(item, scene, window);
            bool scrolled = false;
            for (QQuickItem* up = item->parentItem(); up && up != root; up = up->parentItem())
                scrolled = scrolled || up->clip();
            if (!visible.isEmpty())
                found << ShownText{item, visible, scene, scrolled, text};
        }
        for (QQuickItem* child : item->childItems())
            walk(child);
    };
    walk(root);
    return found;
}

// How much of a row's width is no room for more: the union of the extents, in the scene, of the
// texts (their glyphs, or their box when cut), fields, buttons, boxes and icons whose height
// holds the line at y, and of the column titles above it, as a column keeps the room its title
// needs; and of each gap between them, or to the page's edges, a line's height that keeps them
// apart.
inline qreal takenOnRow(QQuickItem* root, qreal y, const QRectF& page)
{
    QList<QPair<qreal, qreal>> spans;
    std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (!item->isVisible() || item->opacity() <= 0.01)
            return;
        QRectF box = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
        bool takes = false;
        if (item->inherits("QQuickText")) {
            takes = !item->property("text").toString().trimmed().isEmpty();
            if (takes && !item->property("truncated").toBool()) {
                const qreal cw = item->property("contentWidth").toReal();
                const int hAlign = item->property("effectiveHorizontalAlignment").toInt();
                const qreal x = hAlign == Qt::AlignRight ? item->width() - cw
                    : hAlign == Qt::AlignHCenter         ? (item->width() - cw) / 2
                                                         : 0;
                box = item->mapRectToScene(QRectF(x, 0, cw, item->height()));
            }
        } else if (item->inherits("QQuickTextInput") || item->inherits("QQuickAbstractButton")
                   || item->inherits("QQuickComboBox") || item->inherits("QQuickSpinBox")) {
            takes = true;
        } else if (item->inherits("QQuickImage")) {
            takes = item->width() < page.width() / 4;
        }
        const bool above = box.bottom() <= y && QByteArray(item->metaObject()->className()).startsWith("OvColumnTitle");
        if (takes && ((box.top() < y && y < box.bottom()) || above)) {
            box = box.intersected(page);
            if (box.width() > 0)
                spans << qMakePair(box.left(), box.right());
        }
        if (!item->inherits("QQuickTextInput"))
            for (QQuickItem* child : item->childItems())
                walk(child);
    };
    walk(root);
    std::sort(spans.begin(), spans.end());
    spans << qMakePair(page.right(), page.right());
    const qreal apart = QFontMetricsF(QGuiApplication::font()).height();
    qreal free = 0;
    qreal end = page.left();
    for (const auto& span : qAsConst(spans)) {
        free += qMax<qreal>(0, span.first - end - apart);
        end = qMax(end, span.second);
    }
    return page.width() - free;
}

inline QString describe(const ShownText& t)
{
    QString where;
    QDebug(&where) << t.drawn;
    return QStringLiteral("\"%1\" (%2 %3)").arg(t.text, QString::fromLatin1(t.item->metaObject()->className()), where);
}

// Under the address sanitizer a language's pass costs a minute of layout: there one language
// of each kind (right to left, long texts, the source) stands for the others, which lay out
// through the same code; the normal build runs every language.
QList<const char*> languages()
{
#if defined(__SANITIZE_ADDRESS__)
    return {"ar", "fr", "en"};
#else
    return {"ar", "es", "fr", "hu", "it", "iw", "nl", "no", "pt", "ro", "en"};
#endif
}

class PageScene : public TestBase {
protected:
    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    QQuickItem* find(const char* name) const { return findAll(m_window->contentItem(), name).value(0); }
    QQuickItem* page() const
    {
        QQuickItem* found = nullptr;
        std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
            if (item->inherits("QQuickLoader") && item->property("pageState").isValid() && item->isVisible())
                found = item->property("item").value<QQuickItem*>();
            for (QQuickItem* child : item->childItems())
                walk(child);
        };
        walk(m_window->contentItem());
        return found;
    }
    void settle() { settleScene(m_app->engine()); }

    struct Page {
        const char* name;
        const char* state;
        std::function<void()> select;
    };
    QList<Page> pages() const
    {
        return {
            {"plant", "PLANT_ACTIVE_GEN_INFO", [this] { m_app->onPlantInfoPageSelected(); }},
            {"general parameters", "PLANT_GEN_PARAMETER", [this] { m_app->onGeneralParametersPageSelected(); }},
            {"access codes", "PLANT_PWD_MNG", [this] { m_app->onPwdMngPageSelected(); }},
            {"zones", "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED", [this] { m_app->onGeneralAreasPageSelected(); }},
            {"groups", "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED", [this] { m_app->onGeneralGroupsPageSelected(); }},
            {"repeaters", "PLANT_REPEATERS_DATA_PAGE_SELECTED", [this] { m_app->onRepeatersPageSelected(); }},
            {"panels", "PLANT_ACTIVE_CPU_GEN_PAGE", [this] { m_app->onGeneralCPUsPageSelected(); }},
            // The CPU page shows a CPU or a loop as the tree asks it to.
            {"cpu", "PLANT_ACTIVE_CPU_DATA_PAGE", [this] { clickRow(cpuRow()); }},
            {"displays", "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED",
             [this] { clickRow(m_app->plantTreeModel()->index(0, 0, cpuRow())); }},
            {"loop", "PLANT_ACTIVE_CPU_DATA_PAGE",
             [this] { clickRow(m_app->plantTreeModel()->index(1, 0, cpuRow())); }},
        };
    }
    QModelIndex cpuRow() const
    {
        OvPlantModel* model = m_app->plantTreeModel();
        return model->index(0, 0, model->index(1, 0));
    }
    void clickRow(const QModelIndex& row) const
    {
        m_app->plantTreeModel()->onTreeViewItemClicked(QVariant::fromValue(row));
    }
    // Networked with every CPU installed: the longest list of CPUs the pages show.
    void useLanguage(const QString& code)
    {
        Plant* plant = m_app->plant();
        if (plant->getPlantType() != 1) {
            QVERIFY(QMetaObject::invokeMethod(m_window, "plantChangeTypeRqst", Q_ARG(int, 1)));
            for (int p = 0; p < plant->cpus().count(); ++p)
                plant->cpus().cpuAt(p)->setEnabled(true);
            plant->setCPULibCount(0, 1);
            m_app->updateModels();
        }
        m_app->onSelectLanguage(QStringLiteral("ov4800_%1.qm").arg(code));
        QCOMPARE(m_app->languageInUse(), code);
    }

    // The program on a new plant of the type that can be networked.
    void startScene(int& argc, char** argv)
    {
        m_app = newTestApp(argc, argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        // The panel that can be networked: the second of the new-plant question.
        QVERIFY(Configuration::instance()->allowedPlantTypes().size() > 1);
        m_dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + 1));
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        m_dialogs.clear();
        QVERIFY(Configuration::instance()->has_network_type());
        QCOMPARE(m_app->plant()->getPlantType(), 0);
    }
    void stopScene()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }
};
