// The program's side of the start benchmark: main() of the program, quitting at the first
// frame of its main window.
#include "FirstFrame.h"
#include "app/Ov4kApp.h"

#include <QTimer>

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(resources);

    auto* app = new Ov4kApp(argc, argv);
    // run() creates the window and then enters the loop: the first event of the loop finds it.
    QTimer::singleShot(0, app, [app] {
        if (app->mainWindow())
            quitAtFirstFrame(app->mainWindow());
    });
    const int result = app->run();
    delete app;
    return result;
}
