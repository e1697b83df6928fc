#include "app/Ov4kApp.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

Ov4kApp* g_app = nullptr;

// On Windows the program takes its own folder out of the DLL search path here; Linux never
// searches the working directory for libraries, so there is nothing to do.
void setDllDirectory(const char* /*path*/)
{
}

} // namespace

int main(int argc, char** argv)
{
    // A static library drops resources nobody refers to: the program names them here.
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(resources);

    // Machines whose OpenGL driver cannot draw the scene get software rendering when this
    // file is in the working directory.
    if (QFile::exists(QStringLiteral("swgl.par"))) {
        QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
        QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }
    setDllDirectory("");
    // The per-paint traces of the item models stay out of the log unless this rule is changed.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qml.connections.warning=false\n"
                                                    "ov4800.models.paint.debug=false"));

    g_app = new Ov4kApp(argc, argv);
    // Non-zero also when the scene could not be created.
    const int result = g_app->run();
    // The destructor writes the end banner and closes the log.
    delete g_app;
    g_app = nullptr;
    return result;
}
