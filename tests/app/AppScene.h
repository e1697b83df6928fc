#pragma once
// The program's scene for the tests that drive its window offscreen.
#include "app/Ov4kApp.h"

#include <QColor>
#include <QCoreApplication>
#include <QList>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cmath>
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

// The contrast of two colours as the accessibility guidelines measure it: 1 to 21.
inline qreal contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}
