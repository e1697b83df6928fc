#include "app/Ov4kApp.h"

#include "app/OvThemeMdl.h"
#include "app/cpuTypeModel.h"
#include "cbe/OvCBEEditor.h"
#include "core/ApplicationLog.h"
#include "core/BrandTable.h"
#include "core/Configuration.h"
#include "core/ConfigurationCommon.h"
#include "core/ErrorMessages.h"
#include "core/OvLanguageModel.h"
#include "core/OvParametersReference.h"
#include "core/OvSettings.h"
#include "io/OvFileMng.h"
#include "models/ActiveItemsModel.h"
#include "models/ChoiceListModels.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvAreaModel.h"
#include "models/OvCPUModel.h"
#include "models/OvEventFilterModel.h"
#include "models/OvGroupsModel.h"
#include "models/OvPlantInfo.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "models/OvRecentFilesModel.h"
#include "models/OvRepeaterModel.h"
#include "models/SensorAllarmLevelModel.h"
#include "models/WalkTestModel.h"
#include "plant/OvGenericPoint.h"
#include "plant/Plant.h"
#include "plant/PlantLegacyReader.h"

#include <QDebug>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QPluginLoader>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickWindow>
#include <QScreen>
#include <QStandardPaths>
#include <QTimeZone>
#include <QUrl>

#include <cstdlib>
#include <memory>

namespace {
const char* const kSceneUrl = "qrc:/qml/main.qml";
// The plugins of the modules the first frame imports, under the QML import path; one missing
// here is loaded by the engine as usual.
const char* const kScenePlugins[] = {
    "/QtQuick.2/libqtquick2plugin.so",
    "/QtQuick/Window.2/libwindowplugin.so",
    "/QtQuick/Templates.2/libqtquicktemplates2plugin.so",
    "/QtQuick/Controls.2/libqtquickcontrols2plugin.so",
};

// The scene's context properties in publishing order. Those of objects that later commands
// create stay null until then, so the scene can test them.
const char* const kContextProperties[] = {
    "elementTreeViewModel",
    "activePlant",
    "theApp",
    "theParameters",
    "cpusModelData",
    "ovGroupModel",
    "ovAreaModel",
    "sensorAllarmLevelModel",
    "wtModel",
    "cbeEditor",
    "theLanguageModel",
    "theRecentFilesModel",
    "ovRepeatersMdl",
    "theAnnunciatorsMdl",
    "theViewersMdl",
    "ovEvtFilterModel",
    "theDevicesMdl",
    "theThemeModel",
    "thePlantTypeMdl",
    "theLibMdl",
    "theCpuTypeMdl",
    "theAreaListMdl",
    "thePlantInfo",
    "theSensorModel",
    "theModuleModel",
    "theMixedModel",
};
} // namespace

Ov4kApp::Ov4kApp(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_defaultFileName(qtTrId("NEW_PLANT_FILE"))
{
    setAttribute(Qt::AA_DisableShaderDiskCache);
    // The JavaScript engine compiles a function to machine code at its third call. The start's
    // bindings run a few times each, so compiling them costs more than it saves, and every
    // compiled function changes page protections, which interrupts each core running one of the
    // program's threads. A function called often, as a table's cells, is still compiled; a value
    // set outside the program wins.
    if (!qEnvironmentVariableIsSet("QV4_JIT_CALL_THRESHOLD"))
        qputenv("QV4_JIT_CALL_THRESHOLD", "50");
    // The scene's imports load their plugins on the engine's loader thread, and Qt Quick's
    // first image every image-format plugin with the libraries behind them: a worker maps
    // them, in the order they are wanted, while the configuration and the scene are built here.
    addLibraryPath(applicationDirPath() + QStringLiteral("/plugins"));
    // The worker holds the dynamic linker's lock while it loads; the scene engine's first use of
    // the time zone registers a thread-local destructor, which takes that lock: used here first.
    QTimeZone::systemTimeZone();
    m_pluginLoad = IdleWork([] {
        const QString imports = QLibraryInfo::location(QLibraryInfo::Qml2ImportsPath);
        for (const char* plugin : kScenePlugins)
            QPluginLoader(imports + QLatin1String(plugin)).load();
        QImageReader::supportedImageFormats();
    });
    OvThemeMdl::startRegisteringFont();

    // The brand decides the organisation and application names, and with them where the
    // settings, the log and the scene's compiled types live. With the names set, the engine's
    // loader thread reads the scene's types while the configuration is built here.
    if (const BrandRow* row = BrandTable::row(BrandTable::allowedConfigs().first().toInt())) {
        setOrganizationName(QString::fromLatin1(row->orgName));
        setOrganizationDomain(QString::fromLatin1(row->orgDomain));
        setApplicationName(QString::fromLatin1(row->appName));
    }
    preloadScene();
    Configuration* config = Configuration::instance();
    config->loadDefaultConfig();
    serveSceneLoader();
    connect(config, &Configuration::appNameChanged, this, &Ov4kApp::onAppNameChanged);
    connect(config, &Configuration::cpuTypeListChanged, this, &Ov4kApp::updateCpuTypeMdl);
    setOrganizationName(config->orgName());
    setOrganizationDomain(config->orgDomain());
    setApplicationName(config->appName());
    // A plant of another brand renames the application; the settings stay where they are.
    OvSettings::keepNames();

    if (!connect(this, &Ov4kApp::fileNameChanged, this, &Ov4kApp::onPlantFileNameChanged))
        qCritical() << "Connecting SIGNAL fileNameChanged: FAILED";

    // Tests install their scripted answers before the application exists.
    if (!PlantDialogs::installed())
        PlantDialogs::install(&m_dialogs);
    // The models reach the document through this, never by casting the application.
    ActivePlant::install(this);
    // The plant opens files of earlier releases through the import layer, which it cannot reach.
    OvFileMng::install();
    qRegisterMetaType<const OvGenericPoint*>("const OvGenericPoint*");

    initialise();
    serveSceneLoader();

    // Qt has removed the options it recognises by now; what is left names one file, whose
    // name may have been split at blanks by the shell.
    const QStringList args = arguments();
    if (args.size() >= 2) {
        qInfo() << "Application argument: " << args.at(1);
        m_currentFilePath = args.mid(1).join(QLatin1Char(' '));
    }
}

Ov4kApp::~Ov4kApp()
{
    m_pluginLoad.wait();
    OvThemeMdl::finishRegisteringFont();
    for (const char* name : kContextProperties)
        publish(name, nullptr);
    publish("config", nullptr);
    delete m_mainWindow;
    m_mainWindow = nullptr;
    delete m_engine;
    m_engine = nullptr;

    // The models go before the plant they may read.
    if (ActivePlant::installed() == this)
        ActivePlant::install(nullptr);
    delete m_plantTreeModel;
    m_plantTreeModel = nullptr;
    delete m_devicesModel;
    m_devicesModel = nullptr;
    delete m_groupsModel;
    m_groupsModel = nullptr;
    delete m_cpuModel;
    m_cpuModel = nullptr;
    delete m_cbeEditor;
    m_cbeEditor = nullptr;
    deleteZoneModels();
    delete m_annunciatorsModel;
    m_annunciatorsModel = nullptr;
    delete m_viewersModel;
    m_viewersModel = nullptr;
    delete m_eventFilterModel;
    m_eventFilterModel = nullptr;
    delete m_plant;
    m_plant = nullptr;
    setPlantLegacyReaderFactory({});
    delete m_recentFilesModel;
    m_recentFilesModel = nullptr;
    if (PlantDialogs::installed() == &m_dialogs)
        PlantDialogs::install(nullptr);

    delete m_themeModel;
    m_themeModel = nullptr;
    delete m_cpuTypeModel;
    m_cpuTypeModel = nullptr;
    delete m_languageModel;
    m_languageModel = nullptr;
    delete m_parameters;
    m_parameters = nullptr;

    closeLog();
}

void Ov4kApp::closeLog()
{
    if (!m_logOpen)
        return;
    m_logOpen = false;
    ApplicationLog::writeEndBanner();
    ApplicationLog::close();
}

bool Ov4kApp::initialise()
{
    addLibraryPath(applicationDirPath() + QStringLiteral("/plugins"));
    m_mouseX = -1;
    m_mouseY = -1;
    openLogFile();
    m_parameters = new OvParametersReference();
    m_windowSettings.load();
    loadTranslation();
    qDebug() << "<<<";
    return true;
}

void Ov4kApp::openLogFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ApplicationLog::open(folder);
    m_logOpen = true;
    ApplicationLog::writeStartBanner(m_majorVersion, m_minorVersion);
}

int Ov4kApp::run()
{
    qDebug() << ">>>";
    m_mainWindow = createGui();
    if (!m_mainWindow) {
        qCritical() << "Filed to create GUI components.";
        closeLog();
        // A script or a service manager must see that the program never started.
        return EXIT_FAILURE;
    }
    qDebug() << "GUI components created.";
    applyWindowIcon();
    m_mainWindow->setTitle(brandTitle());
    m_dialogs.setParentWindow(m_mainWindow);
    connectGui();
    if (!m_currentFilePath.isEmpty()) {
        QString path = m_currentFilePath;
        openFile(path);
    }
    qInfo() << "Start Main Loop.";
    return exec();
}

void Ov4kApp::preloadScene()
{
    if (m_engine)
        return;
    m_engine = new QQmlApplicationEngine();
    // The scene has no file-selector variants: without the engine's selector, no URL it
    // resolves is looked up again under each selector.
    m_engine->setUrlInterceptor(nullptr);
    ConfigurationCommon::registerQmlType();
    m_scenePreload = new QQmlComponent(m_engine, m_engine);
    m_scenePreload->loadUrl(QUrl(QLatin1String(kSceneUrl)), QQmlComponent::Asynchronous);
}

void Ov4kApp::serveSceneLoader()
{
    // The loader thread registers each import's plugin with the engine through this thread and
    // waits until this thread has run the request. Between its own steps of the start this
    // thread answers what has come, so the loader does not wait for the whole start.
    if (m_scenePreload)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::User);
}

QQuickWindow* Ov4kApp::createGui()
{
    if (m_sceneCreated)
        return nullptr;
    m_sceneCreated = true;
    preloadScene();

    m_themeModel = new OvThemeMdl(this);
    m_cpuTypeModel = new cpuTypeModel(this);
    serveSceneLoader();
    for (const char* name : kContextProperties)
        publish(name, publishedObject(name));

    m_engine->rootContext()->setContextProperty(QStringLiteral("isQt57"), false);
    publish("config", Configuration::instance());
    m_engine->rootContext()->setContextProperty(QStringLiteral("debugMode"), false);

    // While the loader thread finishes the scene's types, this thread readies what the scene's
    // first texts need; then the component waits for what is left of the load.
    if (m_scenePreload && m_scenePreload->isLoading())
        m_themeModel->prepareFonts();
    // The scene's first size: its frame is not known before it shows.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_windowSettings.fitInto(screen->availableGeometry().size());
    QQmlComponent component(m_engine, QUrl(QLatin1String(kSceneUrl)));
    delete m_scenePreload;
    m_scenePreload = nullptr;
    QObject* root = component.create();
    qDebug() << component.errors();
    QQuickWindow* window = qobject_cast<QQuickWindow*>(root);
    if (!window) {
        delete root;
        return nullptr;
    }
    fitWindowToScreen(window);
    // What no first frame shows (the menus' entries, the About box, the plant's pages) the scene
    // makes once that frame is out. The signal may come from the render thread: the scene hears
    // of it on this one. A window manager tells the frame late: by then it is known.
    auto firstFrame = std::make_shared<QMetaObject::Connection>();
    *firstFrame = connect(
        window, &QQuickWindow::frameSwapped, window,
        [this, window, firstFrame] {
            disconnect(*firstFrame);
            fitWindowToScreen(window);
            window->setProperty("firstFrameShown", true);
        },
        Qt::QueuedConnection);
    return window;
}

void Ov4kApp::fitWindowToScreen(QQuickWindow* window)
{
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = window->frameMargins();
    const QSize room = area.size().shrunkBy(frame);
    // First: the size the window then reports is no change of the user's.
    m_windowSettings.fitInto(room);
    if (window->windowStates() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    window->setMinimumSize(window->minimumSize().boundedTo(room));
    const QRect fitted = fittedWindowGeometry(window->geometry(), frame, area);
    if (fitted != window->geometry())
        window->setGeometry(fitted);
}

void Ov4kApp::setWndWidth(int width)
{
    m_windowSettings.setWidth(width);
    settleWindowLater();
}

void Ov4kApp::setWndHeight(int height)
{
    m_windowSettings.setHeight(height);
    settleWindowLater();
}

void Ov4kApp::setWndVisibility(int visibility)
{
    switch (visibility) {
    case QWindow::Windowed: m_windowSettings.setState(WindowSettings::State::Normal); break;
    case QWindow::Maximized: m_windowSettings.setState(WindowSettings::State::Maximized); break;
    case QWindow::FullScreen: m_windowSettings.setState(WindowSettings::State::FullScreen); break;
    default: break;
    }
}

void Ov4kApp::settleWindowLater()
{
    if (m_windowSettling)
        return;
    m_windowSettling = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_windowSettling = false;
            m_windowSettings.settle();
        },
        Qt::QueuedConnection);
}

bool Ov4kApp::connectGui()
{
    if (!m_mainWindow)
        return false;
    createModels();
    struct Row {
        const char* signal;
        const char* slot;
    };
    const bool clicked = connect(m_mainWindow, SIGNAL(onPlantElementsClicked(QVariant)), m_plantTreeModel,
                                 SLOT(onTreeViewItemClicked(QVariant)));
    qDebug() << "Connect onPlantElementsClicked: retVal = " << clicked;
    // The CPU list model's rows and the PDF report connect here when they arrive.
    const Row rows[] = {
        {SIGNAL(onOpenFileMenu()), SLOT(onOpenFileMenu())},
        {SIGNAL(plantChangeTypeRqst(int)), SLOT(onPlantChangeTypeRqst(int))},
        {SIGNAL(clickedOnFileSaveBtn()), SLOT(onSaveFileMenu())},
        {SIGNAL(clickedOnFileSaveAs()), SLOT(onFileSaveAs())},
        {SIGNAL(onFileNewMenu()), SLOT(onFileNewMenu())},
        {SIGNAL(compileBtnClicked()), SLOT(onCompileBtnClicked())},
        {SIGNAL(importBtnClicked()), SLOT(onImportBtnClicked())},
        {SIGNAL(xlsExportBtnClicked()), SLOT(onXlsExportBtnClicked())},
        {SIGNAL(clearRecentFileListSizeRqst()), SLOT(onClearRecentFileListSizeRqst())},
        {SIGNAL(pdfExportBtnClicked()), SLOT(onPdfExportBtnClicked())},
    };
    for (const Row& row : rows) {
        if (!connect(m_mainWindow, row.signal, this, row.slot))
            qCritical().noquote() << "Connecting SIGNAL "
                    + QString::fromLatin1(row.signal + 1).section(QLatin1Char('('), 0, 0) + ": FAILED";
    }
    if (!connect(this, &Ov4kApp::fileDropped, this, &Ov4kApp::onfileDropped))
        qCritical() << "Connecting SIGNAL fileDropped: FAILED";
    const bool brand = connect(m_mainWindow, SIGNAL(changedBrandType(int)), this, SLOT(onCurrentBrandChanged(int)));
    if (!brand)
        qCritical() << "Connect SIGNAL onCurrentBrandChanged()\t\t: " << false;
    return brand;
}

void Ov4kApp::createModels()
{
    createPlantTreeModel();
    if (!m_devicesModel) {
        m_devicesModel = new ActiveItemsModel();
        publish("theDevicesMdl", m_devicesModel);
    }
    if (!m_languageModel) {
        m_languageModel = new OvLanguageModel();
        publish("theLanguageModel", m_languageModel);
        if (!connect(m_languageModel, &OvLanguageModel::selectLanguage, this, &Ov4kApp::onSelectLanguage))
            qCritical() << "Connect SIGNAL OvLanguageModel::selectLanguage()\t: " << false;
        m_languageModel->setLanguageInUse(m_languageInUse);
        // The menu marks its new entry before the application's own texts follow.
        if (!connect(this, &Ov4kApp::applicationLanguageChanged, m_languageModel,
                     [this] { m_languageModel->setLanguageInUse(m_languageInUse); })
            || !connect(this, &Ov4kApp::applicationLanguageChanged, this, &Ov4kApp::onApplicationLanguageChanged))
            qCritical() << "Connect SIGNAL Ov4kApp::applicationLanguageChanged()\t: " << false;
    }
    if (!m_recentFilesModel) {
        m_recentFilesModel = new OvRecentFilesModel();
        publish("theRecentFilesModel", m_recentFilesModel);
        if (!connect(m_recentFilesModel, &OvRecentFilesModel::selectFile, this,
                     QOverload<const QString&>::of(&Ov4kApp::onOpenFileMenu)))
            qCritical() << "Connect SIGNAL OvLanguageModel::selectFile\t: " << false;
    }
    createCpuModel();
    createGroupsModels();
    createZoneModels();
    createAnnunciatorModels();
    createPointModels();
    publish("activePlant", m_plant);
    publish("theApp", this);
}

void Ov4kApp::createGroupsModels()
{
    if (!m_groupsModel) {
        m_groupsModel = new OvGroupsModel();
        publish("ovGroupModel", m_groupsModel);
        if (!connect(this, &Ov4kApp::applicationLanguageChanged, m_groupsModel,
                     &OvGroupsModel::onApplicationLanguageChanged))
            qCritical() << "Connect SIGNAL applicationLanguageChanged to ovGroupModel\t: " << false;
    }
    if (!m_cbeEditor) {
        Ov4800::OvCBEEditor::setErrorText(&getErrorMessage);
        m_cbeEditor = new Ov4800::OvCBEEditor();
        // The keypad's Space and Enter labels are translated texts.
        if (!connect(this, &Ov4kApp::applicationLanguageChanged, m_cbeEditor,
                     &Ov4800::OvCBEEditor::onApplicationLanguageChanged))
            qCritical() << "Connecting SIGNAL applicationLanguageChanged: FAILED";
        publish("cbeEditor", m_cbeEditor);
    }
}

void Ov4kApp::createCpuModel()
{
    if (m_cpuModel)
        return;
    m_cpuModel = new OvCPUModel(m_plant);
    publish("cpusModelData", m_cpuModel);
    if (!connect(m_cpuModel, &OvCPUModel::cpuDeviceModified, this, &Ov4kApp::onCPUDataChangedFromCPUModel))
        qCritical() << "Connecting SIGNAL cpuDeviceModified: FAILED";
    if (!m_plantTreeModel
        || !connect(m_cpuModel, &OvCPUModel::selectCPURqst, m_plantTreeModel, &OvPlantModel::onSelectCPURqst))
        qCritical() << "Connecting SIGNAL selectCPURqst: FAILED";
}

void Ov4kApp::refreshCpuModel()
{
    m_cpuModel ? m_cpuModel->reset(m_plant) : createCpuModel();
}

void Ov4kApp::createAnnunciatorModels()
{
    if (m_annunciatorsModel)
        return;
    m_annunciatorsModel = new OvAnnunciatorsModel(false);
    publish("theAnnunciatorsMdl", m_annunciatorsModel);
    m_viewersModel = new OvAnnunciatorsModel(true);
    publish("theViewersMdl", m_viewersModel);
    m_eventFilterModel = new OvEventFilterModel();
    publish("ovEvtFilterModel", m_eventFilterModel);
    if (!connect(m_annunciatorsModel, &OvAnnunciatorsModel::devicesChanged, this, &Ov4kApp::onAnnunciatorsChanged))
        qCritical() << "Connect SIGNAL theAnnunciatorsMdl devicesChanged\t: " << false;
    if (!connect(m_annunciatorsModel, &OvAnnunciatorsModel::devicesRemove, this, &Ov4kApp::onAnnunciatorsRemoved))
        qCritical() << "Connect SIGNAL theAnnunciatorsMdl devicesRemove\t: " << false;
    if (!connect(m_viewersModel, &OvAnnunciatorsModel::devicesChanged, this, &Ov4kApp::onViewersChanged))
        qCritical() << "Connect SIGNAL theViewersMdl devicesChanged\t: " << false;
    if (!connect(m_viewersModel, &OvAnnunciatorsModel::devicesRemove, this, &Ov4kApp::onViewersRemoved))
        qCritical() << "Connect SIGNAL theViewersMdl devicesRemove\t: " << false;
}

void Ov4kApp::createZoneModels()
{
    if (m_areaModel)
        return;
    m_areaModel = new OvAreaModel();
    publish("ovAreaModel", m_areaModel);
    m_repeaterModel = new OvRepeaterModel();
    publish("ovRepeatersMdl", m_repeaterModel);
    m_areaListModel = new OvAreaListModel();
    publish("theAreaListMdl", m_areaListModel);
    m_libModel = new OvLibModel();
    publish("theLibMdl", m_libModel);
    m_plantTypeModel = new OvPlantTypeModel();
    publish("thePlantTypeMdl", m_plantTypeModel);
    m_plantInfo = new OvPlantInfo();
    publish("thePlantInfo", m_plantInfo);
    m_walkTestModel = new WalkTestModel();
    publish("wtModel", m_walkTestModel);
    if (!connect(m_areaModel, &OvAreaModel::descritionModified, m_areaListModel,
                 &OvAreaListModel::onAreaDescriptionChanged))
        qCritical() << "Connect SIGNAL OvAreaModel::descritionModified\t: " << false;
}

void Ov4kApp::createPointModels()
{
    if (m_sensorModel)
        return;
    m_sensorModel = new OvPointModel(OvPointModel::kSensors, this);
    m_moduleModel = new OvPointModel(OvPointModel::kModules, this);
    m_mixedModel = new OvPointModel(OvPointModel::kMixed, this);
    publish("theSensorModel", m_sensorModel);
    publish("theModuleModel", m_moduleModel);
    publish("theMixedModel", m_mixedModel);
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel}) {
        if (!connect(model, &OvPointModel::pointsChanged, this, &Ov4kApp::onPointsChanged)
            || !connect(model, &OvPointModel::newPointActivated, this, &Ov4kApp::onNewPointActivated)
            || !connect(this, &Ov4kApp::applicationLanguageChanged, model, &OvPointModel::onApplicationLanguageChanged))
            qCritical() << "Connect SIGNAL OvPointModel\t: " << false;
    }
    m_allarmLevelModel = new SensorAllarmLevelModel(this);
    publish("sensorAllarmLevelModel", m_allarmLevelModel);
}

void Ov4kApp::onSensorChanged(const OvGenericPoint& point)
{
    if (refusedWhileCompiling("point change"))
        return;
    if (m_plant)
        m_plant->setPoint(point);
    if (m_plantTreeModel)
        m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::deleteZoneModels()
{
    delete m_areaModel;
    m_areaModel = nullptr;
    delete m_repeaterModel;
    m_repeaterModel = nullptr;
    delete m_areaListModel;
    m_areaListModel = nullptr;
    delete m_libModel;
    m_libModel = nullptr;
    delete m_plantTypeModel;
    m_plantTypeModel = nullptr;
    delete m_plantInfo;
    m_plantInfo = nullptr;
    delete m_walkTestModel;
    m_walkTestModel = nullptr;
}

void Ov4kApp::refreshZoneModels()
{
    if (m_areaModel)
        m_areaModel->rebuildModel();
    if (m_repeaterModel)
        m_repeaterModel->reset();
    if (m_libModel)
        m_libModel->reset();
    if (m_areaListModel)
        m_areaListModel->rebuildModel();
    if (m_walkTestModel)
        m_walkTestModel->rebuildModel();
}

bool Ov4kApp::applyWindowIcon()
{
    if (!m_mainWindow)
        return false;
    setWindowIcon(QIcon(Configuration::instance()->windowIcon()));
    return true;
}

bool Ov4kApp::notify(QObject* receiver, QEvent* event)
{
    // While a compile converts the plant on another thread, nothing may change it.
    if (m_compiling && event && holdBack(receiver, event))
        return true;
    if (receiver && event && event->type() == QEvent::MouseMove) {
        const QPointF pos = static_cast<QMouseEvent*>(event)->localPos();
        m_mouseX = qRound(pos.x());
        m_mouseY = qRound(pos.y());
    }
    return QApplication::notify(receiver, event);
}

void Ov4kApp::setCppOwnership(QObject* object)
{
    auto* app = qobject_cast<Ov4kApp*>(QCoreApplication::instance());
    if (app && app->m_engine && object)
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}

void Ov4kApp::publish(const char* name, QObject* object)
{
    if (!m_engine)
        return;
    if (object)
        QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
    m_engine->rootContext()->setContextProperty(QLatin1String(name), object);
}

QObject* Ov4kApp::publishedObject(const char* name)
{
    const QLatin1String property(name);
    if (property == QLatin1String("theApp"))
        return this;
    if (property == QLatin1String("theParameters"))
        return m_parameters;
    if (property == QLatin1String("theThemeModel"))
        return m_themeModel;
    if (property == QLatin1String("theCpuTypeMdl"))
        return m_cpuTypeModel;
    if (property == QLatin1String("theLanguageModel"))
        return m_languageModel;
    if (property == QLatin1String("theRecentFilesModel"))
        return m_recentFilesModel;
    if (property == QLatin1String("activePlant"))
        return m_plant;
    if (property == QLatin1String("elementTreeViewModel"))
        return m_plantTreeModel;
    if (property == QLatin1String("theDevicesMdl"))
        return m_devicesModel;
    if (property == QLatin1String("ovGroupModel"))
        return m_groupsModel;
    if (property == QLatin1String("cbeEditor"))
        return m_cbeEditor;
    if (property == QLatin1String("cpusModelData"))
        return m_cpuModel;
    if (property == QLatin1String("theAnnunciatorsMdl"))
        return m_annunciatorsModel;
    if (property == QLatin1String("theViewersMdl"))
        return m_viewersModel;
    if (property == QLatin1String("ovEvtFilterModel"))
        return m_eventFilterModel;
    return zoneModel(property);
}

QObject* Ov4kApp::zoneModel(const QLatin1String& property) const
{
    if (property == QLatin1String("ovAreaModel"))
        return m_areaModel;
    if (property == QLatin1String("ovRepeatersMdl"))
        return m_repeaterModel;
    if (property == QLatin1String("theAreaListMdl"))
        return m_areaListModel;
    if (property == QLatin1String("theLibMdl"))
        return m_libModel;
    if (property == QLatin1String("thePlantTypeMdl"))
        return m_plantTypeModel;
    if (property == QLatin1String("thePlantInfo"))
        return m_plantInfo;
    if (property == QLatin1String("wtModel"))
        return m_walkTestModel;
    if (property == QLatin1String("sensorAllarmLevelModel"))
        return m_allarmLevelModel;
    return nullptr;
}

QString Ov4kApp::brandTitle() const
{
    return applicationFileName();
}
