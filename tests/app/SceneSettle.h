#pragma once
// Lets the views of the scene finish the delegates they create over the next frames. A model
// reset that cancels a delegate still being created is reported by Qt as a warning, so a test
// settles the scene before it resets a model again.
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

inline void settleScene(QQmlEngine* engine)
{
    for (int pass = 0; pass < 2; ++pass) {
        for (QWindow* window : QGuiApplication::topLevelWindows()) {
            auto* quick = qobject_cast<QQuickWindow*>(window);
            if (!quick || !quick->isVisible())
                continue;
            QSignalSpy frames(quick, &QQuickWindow::frameSwapped);
            quick->update();
            QVERIFY2(QTest::qWaitFor([&frames] { return frames.count() > 0; }, 5000), "a shown window drew no frame");
        }
        if (QQmlIncubationController* incubation = engine->incubationController())
            QTRY_COMPARE(incubation->incubatingObjectCount(), 0);
    }
}
