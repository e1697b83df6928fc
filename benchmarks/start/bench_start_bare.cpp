// The reference side of the start benchmark: a bare Qt Quick window of the program's size
// that imports both generations of Quick Controls, as the program's scene may.
#include "FirstFrame.h"

#include <QApplication>
#include <QQmlApplicationEngine>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QQmlApplicationEngine engine;
    engine.loadData(R"(
import QtQuick 2.15
import QtQuick.Controls 1.4 as C1
import QtQuick.Controls 2.15
ApplicationWindow {
    width: 960
    height: 720
    visible: true
}
)");
    if (engine.rootObjects().isEmpty())
        return 1;
    quitAtFirstFrame(qobject_cast<QQuickWindow*>(engine.rootObjects().first()));
    return app.exec();
}
