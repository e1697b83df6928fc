#pragma once
// The application object: starts the log, the settings and the translation, publishes the
// native objects to the QML scene, loads it and runs the event loop. A thin dispatcher: the
// work is done by the brand singleton, the settings store, the models and the scene.
#include "app/AppDialogs.h"
#include "app/IdleWork.h"
#include "core/ApplicationInfo.h"
#include "core/WindowSettings.h"
#include "plant/ActivePlant.h"

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QString>
#include <QUrl>

class ActiveItemsModel;
class OvAnnunciatorsModel;
class OvEventFilterModel;
class OvAreaListModel;
class OvAreaModel;
class OvCPUModel;
class OvLibModel;
class OvPlantTypeModel;
class OvPlantInfo;
class OvRepeaterModel;
class SensorAllarmLevelModel;
class WalkTestModel;
class CPUDevice;
class OvAnnunciatorsSystem;
class OvGenericPoint;
class OvGroupsModel;
class OvLanguageModel;
class OvPlantModel;
class OvPointModel;
class OvLoop;
class OvRecentFilesModel;
class Plant;
class OvParametersReference;
class OvThemeMdl;
class cpuTypeModel;
class QQmlApplicationEngine;
class QQmlComponent;
class QQuickWindow;
class QTranslator;
namespace Ov4800 {
class OvCBEEditor;
}

// The file-name part of name, forbidden characters dropped at its ends and "_" inside.
void sanitizeFileName(QString& name);

class Ov4kApp : public QApplication, public ActivePlant {
    Q_OBJECT

public:
    // argc is kept by reference by QApplication: it must outlive the object.
    Ov4kApp(int& argc, char** argv);
    // Withdraws every context property, deletes the scene and the engine, then the models,
    // then writes the end banner and closes the log, so nothing in the scene can reach a
    // deleted object.
    ~Ov4kApp() override;

    // Second construction stage: log, settings, window settings, translation. Always true.
    bool initialise();
    // Builds the scene and runs the event loop; the loop's exit code, or EXIT_FAILURE after a
    // critical line when the scene yields no window.
    int run();
    // The engine, and the scene's types loading on its loader thread. Once.
    void preloadScene();
    // Runs on this thread what the engine's loader thread waits for here.
    void serveSceneLoader();
    // Engine (when not preloaded), context properties and scene; null when a scene was
    // already created or the scene's root object is not a window.
    QQuickWindow* createGui();
    // Connects the scene and creates the remaining models; false without a main window.
    bool connectGui();
    // Creates each model that does not exist yet, publishes it and connects it.
    void createModels();
    void createZoneModels();
    // The three point tables of the loop page.
    void createPointModels();
    // Every point table shows loop (0-based) of CPU cpu (0-based position); none without a plant.
    void showLoop(int cpu, int loop);
    // Needs a plant.
    OvLoop loopOf(int cpu, int loop) const;
    // After the plant was set up, replaced or changed in type.
    void refreshZoneModels();
    void deleteZoneModels();
    QObject* zoneModel(const QLatin1String& property) const;
    // Sets the application's window icon from the brand; whether the main window exists.
    bool applyWindowIcon();
    // Keeps the window, frame and all, inside its screen's available area: a size stored on a
    // larger screen, or the first size on a small one, shrinks to the room there is, with the
    // least size, and the window moves in. The stored size stays. Nothing while maximized.
    void fitWindowToScreen(QQuickWindow* window);

    // Records the position of every mouse move before the normal delivery.
    bool notify(QObject* receiver, QEvent* event) override;

    // Marks an object handed to QML as owned by the native side, when the application and
    // its engine exist.
    static void setCppOwnership(QObject* object);

    QQuickWindow* mainWindow() const { return m_mainWindow; }
    QQmlApplicationEngine* engine() const { return m_engine; }
    int pageCode() const { return m_pageCode; }
    // The plant file to open: empty, the command-line argument, or the file of the plant.
    QString currentFilePath() const { return m_currentFilePath; }
    OvLanguageModel* languageModel() const { return m_languageModel; }
    Plant* plant() const { return m_plant; }
    Plant* activePlant() const override { return m_plant; }
    OvPlantModel* plantTreeModel() const { return m_plantTreeModel; }
    ActiveItemsModel* devicesModel() const { return m_devicesModel; }
    OvRecentFilesModel* recentFilesModel() const { return m_recentFilesModel; }
    OvGroupsModel* groupsModel() const { return m_groupsModel; }
    Ov4800::OvCBEEditor* cbeEditor() const { return m_cbeEditor; }
    OvAreaModel* areaModel() const { return m_areaModel; }
    OvRepeaterModel* repeaterModel() const { return m_repeaterModel; }
    OvCPUModel* cpuModel() const { return m_cpuModel; }
    // Creates the CPU list model when missing, else copies the plant's CPUs into it again.
    void refreshCpuModel();
    OvAnnunciatorsModel* annunciatorsModel() const { return m_annunciatorsModel; }
    OvAnnunciatorsModel* viewersModel() const { return m_viewersModel; }
    OvEventFilterModel* eventFilterModel() const { return m_eventFilterModel; }
    WalkTestModel* walkTestModel() const { return m_walkTestModel; }
    // Why the last save or save question returned false: 0 cancelled, else the error code.
    int fileStatus() const { return m_fileStatus; }

    // Asks to save a modified plant, then loads a plant file or a panel image (".bin") and makes
    // it the current plant; an image's path is rewritten to the plant extension.
    void openFile(QString& path);
    // True when the caller may go on: nothing to save, saved, or discarded.
    bool askToSave(uint acceptedState);
    // True when the plant file was written.
    bool savePlant(bool forceDialog);
    void saveCommand(bool forceDialog);
    // Kinds: 1 plant file, 2 PDF, 4 panel image (0 counts as 1). The chosen path or empty.
    QString askSaveFileName(uint kinds);
    // The folder the user chose, empty when cancelled.
    QString selectExportFolder();
    // Creates the plant when none exists and attaches it.
    void createPlant();
    void attachPlant(Plant* plant);
    // Re-publishes the plant and brings every model up to date with it; the plant tree is
    // rebuilt unless rebuildTree is false.
    void updateModels(bool rebuildTree = true);
    // The seed of the test-plant generator; 0, the default, seeds from the clock.
    void setTestPlantSeed(unsigned seed) { m_testPlantSeed = seed; }

    // The code of the translation loaded ("it"), empty while none is installed.
    QString languageInUse() const { return m_languageInUse; }

signals:
    void applicationLanguageChanged();
    void plantFileSaved();
    void fileNameChanged();
    void newPlant();
    void fileDropped(QString fileName);
    void voidAddressesFilterFlipped();
    void filterOnPointErrorFlipped();
    void urlsSelected(QList<QUrl> urls);
    void selectAreaIndex(int index);
    void selectGroupIndex(int index);
    void selectSensor(int cpu, int loop, int address);
    void selectModule(int cpu, int loop, int address);

public slots:
    // Page switching (Ov4kAppPages.cpp): each writes its state into the root window's
    // "workingAreaStat" and stores its page code.
    void onLoopOpenFlagChanged(unsigned int cpu, unsigned int loop, bool open);
    void onGeneralParametersPageSelected();
    void onGeneralAreasPageSelected();
    void onGeneralGroupsPageSelected();
    void onGeneralCPUsPageSelected();
    void onPlantInfoPageSelected();
    void onPwdMngPageSelected();
    void onRepeatersPageSelected();
    void onCpuPageSelected(int cpu);
    void onAnnunciatorPageSelected(int cpu);
    // Nothing for a negative CPU; the CPU data page, code 8 for a negative loop, else 9.
    void onLoopPageSelected(int cpu, int loop);
    // Nothing for null; the loop page of the point's (1-based) CPU and loop.
    void onPointPageSelected(const OvGenericPoint* point);

    // The CPU data page's code and 0-based CPU position, for a page built after the tree's
    // selection was announced.
    int getPageCode() const { return m_pageCode; }
    int getSelectedCPU() const { return m_selectedCpu; }
    // The 0-based loop the point tables show; -1 for none.
    int getShownLoop() const;

    int getMouseXPosition() const { return m_mouseX; }
    int getMouseYPosition() const { return m_mouseY; }

    // Texts and titles (Ov4kAppLabels.cpp).
    QString getApplicationFileName() const;
    void onPlantDescriptionChange();
    void onPlantFileNameChanged();
    // Loads a translation by its bare file name ("ov4800_it.qm"), from beside the program or
    // else from the resources, and stores its code as the language to start with. A file
    // that cannot be loaded leaves the language in use as it was.
    void onSelectLanguage(const QString& fileName);
    // New default plant name, layout direction of the language, models' texts.
    void onApplicationLanguageChanged();
    QString getApplicationVersionLabel() const;
    QString getPanelDataVersionLabel() const;
    QString getCopyRightInfo() const;
    // Row count of the recent-files model; 0 while that model does not exist.
    int getRecentFileListSize() const;
    void onClearRecentFileListSizeRqst();
    void fileDrop(const QString& text);
    bool isDragValid(const QString& url) const;

    // Document commands (Ov4kAppDocument.cpp).
    void onOpenFileMenu();
    void onOpenFileMenu(const QString& path);
    void onfileDropped(const QString& url);
    void onImportBtnClicked();
    void onCompileBtnClicked();
    void onXlsExportBtnClicked();
    // The plant printed as a PDF report into a file the user chooses, then shown (Ov4kAppReport.cpp).
    void onPdfExportBtnClicked();
    void onSaveFileMenu();
    void onFileSaveAs();
    void onFileNewMenu();
    void onPlantChangeTypeRqst(int type);
    void onPlantTypeChanged();
    void onCurrentBrandChanged(int brand);
    void onUpdateAreasModelRqst(QVector<int> rows);
    void onLoopTypeChanged(unsigned int cpu, unsigned int loop, int type);
    void onPointsChanged(QList<const OvGenericPoint*> points);
    void onNewPointActivated(QList<const OvGenericPoint*> points);
    void onCPUDataChangedFromPlantData(const CPUDevice& cpu);
    void onCPUDescriptionChanged(const CPUDevice& cpu);
    void onCPULibCountChanged(const CPUDevice& cpu);
    void onCPUSibDataChanged(const CPUDevice& cpu);
    void onCpuExtensionFlagChanged(const CPUDevice& cpu);
    // An edit of the CPU list: the plant stores the whole CPU; the tree follows.
    void onCPUDataChangedFromCPUModel(const CPUDevice& cpu, QVector<int> roles);
    // A point changed outside the point tables: the plant stores it and the tree shows its
    // error marks again. Refused while a compile runs.
    void onSensorChanged(const OvGenericPoint& point);
    void onAnnunciatorsChanged(const OvAnnunciatorsSystem& system);
    void onAnnunciatorsRemoved(const OvAnnunciatorsSystem& system);
    void onViewersChanged(const OvAnnunciatorsSystem& system);
    void onViewersRemoved(const OvAnnunciatorsSystem& system);
    void flipFilterOnVoidAddresses(bool notify);
    void flipFilterOnPointError(bool notify);
    // Fills the plant with every catalogue type, then every loop up to the panel's limits.
    void dbgTestMakeAll();

    // Search and CBE check (Ov4kAppSearch.cpp). Target 0 zone, 1 group, 2 detector, 3 module;
    // numbers are 1-based. A CPU without a loop finds the CPU, a loop without an address the
    // loop. True, with the selection signal emitted, when the target exists.
    bool doSearch(int targetType, int cpuAddress, int loopIndex, int address);
    // The target type of the last search that succeeded, -1 before any.
    int getLastSearchTargetType() const { return m_lastSearchTargetType; }
    // Re-checks every CBE program of the plant and refreshes every error mark.
    void checkCBE();

    // Asks to save a modified plant (none exists before the plant model arrives, so nothing is
    // asked yet), stores the window settings whatever the answer, and returns whether the
    // window may close.
    bool onQuitRequest();

    // The main window's size and state, kept in settings group "mainWnd".
    int getWndWidth() const { return m_windowSettings.width(); }
    int getWndHeight() const { return m_windowSettings.height(); }
    bool isWndMaximized() const { return m_windowSettings.isMaximized(); }
    void setWndWidth(int width);
    void setWndHeight(int height);
    void setWndMaximized(bool maximized) { m_windowSettings.setMaximized(maximized); }
    // The window's visibility as QWindow gives it. Minimized or hidden, the window keeps the
    // state it comes back to.
    void setWndVisibility(int visibility);

    void onAppNameChanged();
    void updateCpuTypeMdl();
    QString getUpdatedTimeStr() const;

private:
    // openFile once the save question has been answered.
    void loadFile(QString& path);
    // Sets the context property name to object (null withdraws it) and keeps the object's
    // ownership native. Nothing without an engine.
    void publish(const char* name, QObject* object);
    // The object published under a context property name now; null for objects that do not
    // exist yet.
    QObject* publishedObject(const char* name);
    void openLogFile();
    // End banner and log closed, once.
    void closeLog();
    // The translation of the stored language: beside the program, else in the resources,
    // else English.
    void loadTranslation();
    // Replaces Qt's own translation (its buttons and dialogs) with the one for code, if any.
    void loadQtTranslation(const QString& code);
    // Brand application name, a blank, brand organisation name.
    QString brandTitle() const;
    // Tells the window settings that the window has settled once the event loop is back from the
    // pass that brought a size.
    void settleWindowLater();

    // The plant's connections to the application and to the tree model.
    void connectPlant();
    // Creates, connects and publishes the tree model when it does not exist yet.
    void createPlantTreeModel();
    void createGroupsModels();
    void createCpuModel();
    // The annunciator and viewer models of the active CPU and the filter-type list.
    void createAnnunciatorModels();
    // The tree model created when missing, else rebuilt from the plant.
    void refreshPlantTreeModel();
    // Critical box of a user error code, with an optional detail.
    void showError(int code, const QString& detail = QString());
    // Critical box under the main window's title.
    void critical(const QString& text, const QString& detail = QString()) const;
    // Swallows user input while a compile converts the plant.
    bool isInputEvent(const QEvent* event) const;
    // While a compile runs: input is dropped, and a change of focus, which ends an edit and so
    // commits it, is held back until the compile is over. Whether the event was taken.
    bool holdBack(QObject* receiver, const QEvent* event);
    // The focus changes held back, delivered in their order.
    void releaseHeldEvents();
    // True, with a log line, while a compile runs: no command may touch the plant then.
    bool refusedWhileCompiling(const char* command) const;
    // Ends the edit in progress first, so that a command sees what was typed; true, with a log
    // line, when the value typed is refused: its reason shows and the command does not go on.
    bool editRefused(const char* command);
    // A command that reads, writes or leaves the plant may not run now.
    bool refusedNow(const char* command) { return refusedWhileCompiling(command) || editRefused(command); }

    AppDialogs m_dialogs;
    Plant* m_plant = nullptr;
    OvRecentFilesModel* m_recentFilesModel = nullptr;
    OvPlantModel* m_plantTreeModel = nullptr;
    ActiveItemsModel* m_devicesModel = nullptr;
    OvGroupsModel* m_groupsModel = nullptr;
    Ov4800::OvCBEEditor* m_cbeEditor = nullptr;
    // Zones, repeaters and the small choosers.
    OvAreaModel* m_areaModel = nullptr;
    OvRepeaterModel* m_repeaterModel = nullptr;
    OvAreaListModel* m_areaListModel = nullptr;
    OvLibModel* m_libModel = nullptr;
    OvPlantTypeModel* m_plantTypeModel = nullptr;
    OvPlantInfo* m_plantInfo = nullptr;
    OvCPUModel* m_cpuModel = nullptr;
    OvAnnunciatorsModel* m_annunciatorsModel = nullptr;
    OvAnnunciatorsModel* m_viewersModel = nullptr;
    OvEventFilterModel* m_eventFilterModel = nullptr;
    OvPointModel* m_sensorModel = nullptr;
    OvPointModel* m_moduleModel = nullptr;
    OvPointModel* m_mixedModel = nullptr;
    SensorAllarmLevelModel* m_allarmLevelModel = nullptr;
    WalkTestModel* m_walkTestModel = nullptr;
    int m_lastSearchTargetType = -1;
    int m_fileStatus = 0;
    // The box of the last failed save: the file and, where known, the system's reason.
    QString m_saveFailure;
    // The current path was made from an image's: a file of that name is not the user's plant.
    bool m_pathFromImage = false;
    unsigned m_testPlantSeed = 0;
    std::atomic<bool> m_compiling{false};
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> m_heldEvents;
    WindowSettings m_windowSettings;
    bool m_windowSettling = false;
    QString m_defaultFileName;
    QString m_currentFilePath;
    QQuickWindow* m_mainWindow = nullptr;
    int m_pageCode = 0;
    int m_selectedCpu = -1;
    OvThemeMdl* m_themeModel = nullptr;
    cpuTypeModel* m_cpuTypeModel = nullptr;
    QQmlApplicationEngine* m_engine = nullptr;
    QQmlComponent* m_scenePreload = nullptr;
    bool m_sceneCreated = false;
    OvParametersReference* m_parameters = nullptr;
    bool m_logOpen = false;
    // The worker that loads the scene's plugins and the image-format plugins.
    IdleWork m_pluginLoad;
    int m_mouseX = -1;
    int m_mouseY = -1;
    int m_majorVersion = kApplicationMajorVersion;
    int m_minorVersion = kApplicationMinorVersion;
    QTranslator* m_translator = nullptr;
    QTranslator* m_qtTranslator = nullptr;
    QString m_languageInUse;
    OvLanguageModel* m_languageModel = nullptr;
};
