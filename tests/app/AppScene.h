#pragma once
// The program's scene for the tests that drive its window offscreen.
#include "app/Ov4kApp.h"

#include <QCoreApplication>
#include <QList>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <functional>

// The offscreen platform's screen, 800 by 600 of itself, as one of that size and available area.
inline void setScreen(const QRect& geometry, const QRect& available)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), geometry, available);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// A desktop's screen, where the window's first size fits.
inline void useDesktopScreen()
{
    setScreen(QRect(0, 0, 1920, 1200), QRect(0, 0, 1920, 1160));
}

// The program with the scene's resources, drawing in software: offscreen has no OpenGL. On a
// desktop's screen.
inline Ov4kApp* newTestApp(int& argc, char** argv)
{
    qputenv("QT_QUICK_BACKEND", "software");
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(resources);
    auto* app = new Ov4kApp(argc, argv);
    useDesktopScreen();
    return app;
}

// Runs the program until its window has drawn its first frame; whether the run ended well.
// Later frames must not end the test's own waits, so the quit is taken off again.
inline bool runToFirstFrame(Ov4kApp* app)
{
    QTimer::singleShot(0, app, [app] {
        QObject::connect(app->mainWindow(), &QQuickWindow::frameSwapped, app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    });
    const int result = app->run();
    if (app->mainWindow())
        QObject::disconnect(app->mainWindow(), &QQuickWindow::frameSwapped, app, nullptr);
    return result == 0;
}

// The visible items of objectName name under root, from the top of the scene down.
inline QList<QQuickItem*> findAll(QQuickItem* root, const QString& name)
{
    QList<QQuickItem*> found;
    std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (item->objectName() == name && item->isVisible())
            found << item;
        for (QQuickItem* child : item->childItems())
            walk(child);
    };
    walk(root);
    std::sort(found.begin(), found.end(),
              [](QQuickItem* a, QQuickItem* b) { return a->mapToScene(QPointF()).y() < b->mapToScene(QPointF()).y(); });
    return found;
}
