#pragma once
// Lets the views of the scene finish the delegates they create over the next frames. A model
// reset that cancels a delegate still being created is reported by Qt as a warning, so a test
// settles the scene before it resets a model again.
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickWindow>
#include <QTimer>
#include <QtTest>

#include <memory>

// Runs the events until window has drawn a frame; false after five seconds without one. Woken by
// the frame itself, not by polling: a walk over many pages settles hundreds of times. (A nested
// QEventLoop would return at once once the application's own loop has ended.)
inline bool drawFrame(QQuickWindow* window)
{
    QObject context;
    bool drawn = false;
    QObject::connect(window, &QQuickWindow::frameSwapped, &context, [&drawn] { drawn = true; });
    QTimer limit;
    limit.start(5000);
    QDeadlineTimer deadline(5000);
    window->update();
    while (!drawn && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return drawn;
}

// A page's window that, when it goes, first lets its views finish what they were doing: a
// delegate still being created after a model reset, or released and deleted later, would outlive
// the table's row items and warn that they are gone.
struct PageWindowDeleter {
    void operator()(QQuickWindow* window) const
    {
        QQmlEngine* engine = window ? qmlEngine(window) : nullptr;
        if (QQmlIncubationController* incubation = engine ? engine->incubationController() : nullptr) {
            const QDeadlineTimer deadline(5000);
            while (incubation->incubatingObjectCount() > 0 && !deadline.hasExpired())
                incubation->incubateFor(5);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete window;
    }
};
using PageWindow = std::unique_ptr<QQuickWindow, PageWindowDeleter>;

inline void settleScene(QQmlEngine* engine)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            auto* quick = qobject_cast<QQuickWindow*>(window);
            if (!quick || !quick->isVisible())
                continue;
            QVERIFY2(drawFrame(quick), "a shown window drew no frame");
        }
        if (QQmlIncubationController* incubation = engine->incubationController())
            QTRY_COMPARE(incubation->incubatingObjectCount(), 0);
    }
}
