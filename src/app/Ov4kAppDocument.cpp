// The document commands: open, import, new, save, save as, compile, CSV export, plant type,
// brand and quit, and the plant's wiring to the application.
#include "app/Ov4kApp.h"

#include "ZpData/Container/ModbusMap.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/interface.h"
#include "app/cpuTypeModel.h"
#include "cbe/CBEPlantInfo.h"
#include "core/BrandTable.h"
#include "core/Configuration.h"
#include "core/ErrorMessages.h"
#include "core/OvParametersReference.h"
#include "core/WholeFile.h"
#include "io/XMLmodifier.h"
#include "models/ChoiceListModels.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvAreaModel.h"
#include "models/OvCPUModel.h"
#include "models/OvGroupsModel.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "models/OvRecentFilesModel.h"
#include "models/OvRepeaterModel.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLib.h"
#include "plant/Plant.h"
#include "plant/TestPlantGenerator.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QThread>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// Characters a proposed file name may not hold.
const QString kForbidden = QStringLiteral("\\/:?\"<>|*");

// Restores the cursor on every way out.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

PlantMessage::Button question(const QString& title, const QString& text)
{
    PlantMessage message;
    message.icon = PlantMessage::Question;
    message.title = title;
    message.text = text;
    message.buttons = PlantMessage::Yes | PlantMessage::No;
    message.defaultButton = PlantMessage::NoButton;
    return PlantDialogs::show(message);
}

// After text, names the folder the files went to and offers to open it; false when the user
// wanted it opened and nothing opened it.
bool offerFolder(const QString& title, const QString& text, const QString& folder)
{
    const QString named = text + qtTrId("USR_MSG_FILES_WRITTEN_IN").arg(QDir::toNativeSeparators(folder))
        + QLatin1Char('\n');
    // A local path, not URL text: a "#" or "?" in a folder's name would cut the URL short.
    return question(title, named + qtTrId("USR_MSG_ASK_FOR_OPEN_FOLDER")) != PlantMessage::Yes
        || PlantDialogs::showUrl(QUrl::fromLocalFile(folder));
}

// Removes the last occurrence of suffix, case-insensitively, when found after the first character.
void removeLast(QString& name, const QString& suffix)
{
    if (suffix.isEmpty())
        return;
    const int at = name.lastIndexOf(suffix, -1, Qt::CaseInsensitive);
    if (at > 0)
        name.remove(at, suffix.size());
}

// A question telling what is about to be stored as it stands; false to store nothing.
bool askStore(PlantMessage message)
{
    message.icon = PlantMessage::Warning;
    message.buttons = PlantMessage::Ok | PlantMessage::Cancel;
    message.defaultButton = PlantMessage::Cancel;
    // The question comes while a wait cursor is up.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool store = PlantDialogs::show(message) == PlantMessage::Ok;
    QGuiApplication::restoreOverrideCursor();
    return store;
}

// A question naming what is about to be stored as it stands; false to store nothing.
bool storeNamed(const QString& title, const QString& text, const QStringList& names)
{
    if (names.isEmpty())
        return true;
    constexpr int kNamed = 40;
    PlantMessage message;
    message.title = title;
    message.text = text;
    message.informativeText = names.mid(0, kNamed).join(QStringLiteral(", "))
        + (names.size() > kNamed ? QStringLiteral(", \u2026") : QString());
    if (names.size() > kNamed)
        message.detailedText = names.join(QLatin1Char('\n'));
    return askStore(message);
}

// The modules that take a loop address another module takes too: files of older versions may
// hold them, and the panel answers at such an address for one of them only.
QStringList sharedAddresses(const Plant& plant)
{
    QStringList modules;
    int i = -1;
    for (const CPUDevice* cpu = plant.cpus().getNextEnabledCPU(i); cpu; cpu = plant.cpus().getNextEnabledCPU(i)) {
        for (const OvLib& lib : cpu->libs()) {
            for (const OvLoop* loop : lib.loops()) {
                for (const OvGenericPoint* m : loop->conflictingModules())
                    modules << Plant::programName(*m);
            }
        }
    }
    return modules;
}

// The programs that do not compile, the modules left out and the modules that share an
// address, each named before the plant is stored without them or with them; false to store
// nothing.
bool confirmStore(const QString& title, const QStringList& programs, const Plant& plant)
{
    return storeNamed(title, qtTrId("USR_MSG_PROGRAMS_STORED_EMPTY"), programs)
        && storeNamed(title, qtTrId("USR_MSG_MODULES_NOT_STORED"), plant.modulesNotStored())
        && storeNamed(title, qtTrId("USR_MSG_DEVICES_SHARE_ADDRESS"), sharedAddresses(plant));
}

struct CompileResult {
    int skipped = 0;
    QStringList programs;
};

// The pool hands the task over and back inside Qt, where the thread sanitizer cannot see it;
// the acquire at the start and the release at the end make that order visible to it.
void compileWorker(Plant* plant, CompileResult* result, std::atomic<int>* handover)
{
    handover->load(std::memory_order_acquire);
    result->skipped = plant->copyTo();
    result->programs = plant->programsStoredEmpty();
    handover->store(2, std::memory_order_release);
}

// A file dialog's name filter: the translated kind of file, a blank, the pattern.
QString fileFilter(const char* id, const QString& extension)
{
    return qtTrId(id) + QStringLiteral(" (*") + extension + QLatin1Char(')');
}

} // namespace

void sanitizeFileName(QString& name)
{
    name = QFileInfo(name).fileName();
    for (int i = 0; i < name.size();) {
        if (!kForbidden.contains(name.at(i))) {
            ++i;
        } else if (i == 0 || i == name.size() - 1) {
            name.remove(i, 1);
        } else {
            name[i] = QLatin1Char('_');
            ++i;
        }
    }
}

void Ov4kApp::showError(int code, const QString& detail)
{
    critical(getErrorMessage(code), detail);
}

void Ov4kApp::critical(const QString& text, const QString& detail) const
{
    PlantMessage message;
    message.icon = PlantMessage::Critical;
    message.text = text;
    message.detailedText = detail;
    PlantDialogs::show(message);
}

// --- plant and models ---

void Ov4kApp::createPlant()
{
    if (m_plant)
        return;
    // Loop-file topology goes with the CSV set; the plant layer cannot reach the writer.
    Plant::setTopologyWriter(&XMLmodifier::writeTopologyXml);
    attachPlant(new Plant());
}

void Ov4kApp::attachPlant(Plant* plant)
{
    m_plant = plant;
    Ov4800::setCBEPlant(plant);
    connectPlant();
}

void Ov4kApp::connectPlant()
{
    struct Row {
        const char* name;
        bool ok;
    };
    const Row rows[] = {
        {"descriptionChanged",
         bool(connect(m_plant, &Plant::descriptionChanged, this, &Ov4kApp::onPlantDescriptionChange))},
        {"updateAreasModelRqst",
         bool(connect(m_plant, &Plant::updateAreasModelRqst, this, &Ov4kApp::onUpdateAreasModelRqst))},
        {"plantTypeChanged", bool(connect(m_plant, &Plant::plantTypeChanged, this, &Ov4kApp::onPlantTypeChanged))},
        {"loopTypeChanged", bool(connect(m_plant, &Plant::loopTypeChanged, this, &Ov4kApp::onLoopTypeChanged))},
        {"loopOpenFlagChanged",
         bool(connect(m_plant, &Plant::loopOpenFlagChanged, this, &Ov4kApp::onLoopOpenFlagChanged))},
        {"cpuDataChanged",
         bool(connect(m_plant, QOverload<CPUDevice>::of(&Plant::cpuDataChanged), this,
                      &Ov4kApp::onCPUDataChangedFromPlantData))},
        {"cpuDescriptionChanged",
         bool(connect(m_plant, &Plant::cpuDescriptionChanged, this, &Ov4kApp::onCPUDescriptionChanged))},
        {"cpuLibCountChanged",
         bool(connect(m_plant, &Plant::cpuLibCountChanged, this, &Ov4kApp::onCPULibCountChanged))},
        {"cpuSibDataChanged", bool(connect(m_plant, &Plant::cpuSibDataChanged, this, &Ov4kApp::onCPUSibDataChanged))},
        {"cpuExtensionFlagChanged",
         bool(connect(m_plant, QOverload<CPUDevice>::of(&Plant::cpuExtensionFlagChanged), this,
                      &Ov4kApp::onCpuExtensionFlagChanged))},
        // The tree as it stands now; without one these fail and are logged.
        {"loopTypeChanged",
         m_plantTreeModel
             && bool(connect(m_plant, &Plant::loopTypeChanged, m_plantTreeModel, &OvPlantModel::onLoopTypeChanged))},
        {"loopOpenFlagChanged",
         m_plantTreeModel
             && bool(connect(m_plant, &Plant::loopOpenFlagChanged, m_plantTreeModel,
                             &OvPlantModel::onLoopOpenFlagChanged))},
    };
    for (const Row& row : rows) {
        if (!row.ok)
            qCritical().noquote() << "Connecting SIGNAL " + QLatin1String(row.name) + ": FAILED";
    }
    // The point and CPU models connect here when they arrive.
}

void Ov4kApp::createPlantTreeModel()
{
    if (m_plantTreeModel)
        return;
    qDebug() << ">>>";
    m_plantTreeModel = new OvPlantModel(m_plant);
    OvPlantModel* tree = m_plantTreeModel;
    struct Row {
        const char* name;
        bool ok;
    };
    const Row rows[] = {
        {"generalParametersPageSelected",
         bool(connect(tree, &OvPlantModel::generalParametersPageSelected, this,
                      &Ov4kApp::onGeneralParametersPageSelected))},
        {"generalAreasPageSelected",
         bool(connect(tree, &OvPlantModel::generalAreasPageSelected, this, &Ov4kApp::onGeneralAreasPageSelected))},
        {"generalGroupsPageSelected",
         bool(connect(tree, &OvPlantModel::generalGroupsPageSelected, this, &Ov4kApp::onGeneralGroupsPageSelected))},
        {"generalCPUsPageSelected",
         bool(connect(tree, &OvPlantModel::generalCPUsPageSelected, this, &Ov4kApp::onGeneralCPUsPageSelected))},
        {"cpuPageSelected", bool(connect(tree, &OvPlantModel::cpuPageSelected, this, &Ov4kApp::onCpuPageSelected))},
        {"loopPageSelected", bool(connect(tree, &OvPlantModel::loopPageSelected, this, &Ov4kApp::onLoopPageSelected))},
        {"plantInfoPageSelected",
         bool(connect(tree, &OvPlantModel::plantInfoPageSelected, this, &Ov4kApp::onPlantInfoPageSelected))},
        {"pwdMngPageSelected",
         bool(connect(tree, &OvPlantModel::pwdMngPageSelected, this, &Ov4kApp::onPwdMngPageSelected))},
        {"repeatersPageSelected",
         bool(connect(tree, &OvPlantModel::repeatersPageSelected, this, &Ov4kApp::onRepeatersPageSelected))},
        {"pointPageSelected",
         bool(connect(tree, &OvPlantModel::pointPageSelected, this, &Ov4kApp::onPointPageSelected))},
        {"annunciatorPageSelected",
         bool(connect(tree, &OvPlantModel::annunciatorPageSelected, this, &Ov4kApp::onAnnunciatorPageSelected))},
        {"selectAreaIndex", bool(connect(this, &Ov4kApp::selectAreaIndex, tree, &OvPlantModel::onSelectAreaIndex))},
        {"selectGroupIndex", bool(connect(this, &Ov4kApp::selectGroupIndex, tree, &OvPlantModel::onSelectGroupIndex))},
        {"selectSensor", bool(connect(this, &Ov4kApp::selectSensor, tree, &OvPlantModel::onSelectSensor))},
        {"selectModule", bool(connect(this, &Ov4kApp::selectModule, tree, &OvPlantModel::onSelectModule))},
    };
    for (const Row& row : rows) {
        if (!row.ok)
            qCritical().noquote() << "Connecting SIGNAL " + QLatin1String(row.name) + ": FAILED";
    }
    publish("elementTreeViewModel", m_plantTreeModel);
    qDebug() << "<<<";
}

void Ov4kApp::refreshPlantTreeModel()
{
    m_plantTreeModel ? m_plantTreeModel->rebuildModel(m_plant) : createPlantTreeModel();
}

void Ov4kApp::updateModels(bool rebuildTree)
{
    publish("activePlant", m_plant);
    // Rebuilt, not refiltered: a refilter keeps the previous plant's groups.
    if (m_groupsModel)
        m_groupsModel->rebuildModel();
    if (!m_plant)
        return;
    qDebug() << "UPDATE AREA MODEL " << m_plant->areas().count();
    if (rebuildTree || !m_plantTreeModel)
        refreshPlantTreeModel();
    refreshCpuModel();
    refreshZoneModels();
    // No rows until a CPU's annunciator page is chosen.
    if (m_annunciatorsModel)
        m_annunciatorsModel->rebuildModel(-1);
    if (m_viewersModel)
        m_viewersModel->rebuildModel(-1);
    // The CPU, group, area, repeater, walk-test and annunciator models rebuild here when they
    // arrive.
}

void Ov4kApp::onUpdateAreasModelRqst(QVector<int> rows)
{
    if (m_areaModel)
        m_areaModel->updateAreas(rows);
}

void Ov4kApp::onLoopTypeChanged(unsigned int cpu, unsigned int loop, int type)
{
    Q_UNUSED(type)
    if (m_pageCode != 9 || !m_plant || !m_sensorModel || !m_moduleModel || !m_mixedModel)
        return;
    // The tables showing that loop take it again, with the new protocol's addresses; a change of
    // another loop of the page leaves them on the loop the tree has selected.
    const OvLoop changed = loopOf(int(cpu), int(loop));
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel}) {
        if (model->activeLoop().ownerCpu() == changed.ownerCpu()
            && model->activeLoop().loopIndex() == changed.loopIndex())
            model->setActiveLoop(changed);
    }
}

void Ov4kApp::onPointsChanged(QList<const OvGenericPoint*> points)
{
    if (m_plant)
        m_plant->setPoints(points);
    // The other point tables show the same loop: they take what was just stored.
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel})
        if (model && model != sender())
            model->syncWithPlant();
    if (m_plantTreeModel)
        m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::onNewPointActivated(QList<const OvGenericPoint*> points)
{
    if (!m_plantTreeModel)
        return;
    m_plantTreeModel->onNewPointActivated(points);
    m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::onCPUDataChangedFromPlantData(const CPUDevice& cpu)
{
    qDebug() << "Ov4kApp::onCPUDataChangedFromPlantData";
    cpu.dump();
    if (m_plantTreeModel) {
        m_plantTreeModel->onCPUDataChanged(cpu);
        m_plantTreeModel->notifyErrorsChanged();
    }
    refreshCpuModel();
}

void Ov4kApp::onCPUDataChangedFromCPUModel(const CPUDevice& cpu, QVector<int> roles)
{
    qDebug() << "Ov4kApp::onCPUDataChangedFromCPUModel";
    cpu.dump();
    if (m_plant)
        m_plant->setCPU(cpu);
    if (!m_plantTreeModel)
        return;
    if (roles.size() == 1 && roles.first() != OvCPUModel::itemEnableStat && roles.first() != OvCPUModel::itemLibCount) {
        if (roles.first() == OvCPUModel::itemDescription)
            m_plantTreeModel->onCPUDescriptionChanged(cpu);
        return;
    }
    m_plantTreeModel->onCPUDataChanged(cpu);
    m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::onCPUSibDataChanged(const CPUDevice& cpu)
{
    qDebug() << ">>>";
    if (m_cpuModel)
        m_cpuModel->onCPUDataChanged(cpu, {OvCPUModel::itemSibStat});
    qDebug() << "<<<";
}

void Ov4kApp::onCpuExtensionFlagChanged(const CPUDevice& cpu)
{
    if (m_cpuModel)
        m_cpuModel->onCPUDataChanged(cpu, {OvCPUModel::itemUPSPresent});
}

void Ov4kApp::onCPUDescriptionChanged(const CPUDevice& cpu)
{
    qDebug() << ">>>";
    if (m_plantTreeModel)
        m_plantTreeModel->onCPUDescriptionChanged(cpu);
    if (m_cpuModel)
        m_cpuModel->onCPUDataChanged(cpu, {OvCPUModel::itemDescription});
    qDebug() << "<<<";
}

void Ov4kApp::onCPULibCountChanged(const CPUDevice& cpu)
{
    qDebug() << ">>>";
    if (m_plantTreeModel) {
        m_plantTreeModel->onCPULibCountChanged(cpu);
        m_plantTreeModel->notifyErrorsChanged();
    }
    if (m_libModel)
        m_libModel->reset();
    if (m_cpuModel)
        m_cpuModel->onCPUDataChanged(cpu, {OvCPUModel::itemLibCount});
    qDebug() << "<<<";
}

void Ov4kApp::onAnnunciatorsChanged(const OvAnnunciatorsSystem& system)
{
    if (m_plant)
        m_plant->setAnnunciators(system);
    if (m_plantTreeModel)
        m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::onAnnunciatorsRemoved(const OvAnnunciatorsSystem& system)
{
    if (m_plant)
        m_plant->removeAnnunciators(system);
    if (m_plantTreeModel)
        m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::onViewersChanged(const OvAnnunciatorsSystem& system)
{
    if (m_plant)
        m_plant->setViewers(system);
    if (m_plantTreeModel)
        m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::onViewersRemoved(const OvAnnunciatorsSystem& system)
{
    if (m_plant)
        m_plant->removeViewers(system);
    if (m_plantTreeModel)
        m_plantTreeModel->notifyErrorsChanged();
}

void Ov4kApp::flipFilterOnVoidAddresses(bool notify)
{
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel})
        if (model)
            model->flipFilterOnVoidAddresses();
    if (notify)
        emit voidAddressesFilterFlipped();
}

void Ov4kApp::flipFilterOnPointError(bool notify)
{
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel})
        if (model)
            model->flipFilterOnPointError();
    if (notify)
        emit filterOnPointErrorFlipped();
}

void Ov4kApp::dbgTestMakeAll()
{
    if (refusedNow("test plant"))
        return;
    if (!m_plant)
        return;
    WaitCursor cursor;
    TestPlantGenerator(m_plant, m_testPlantSeed).makeAll();
    updateModels();
}

void Ov4kApp::onPlantTypeChanged()
{
    // The tree follows the change row by row: rebuilt, it would lose what the user expanded and
    // selected.
    if (m_plantTreeModel) {
        m_plantTreeModel->onPlantTypeChanged();
        m_plantTreeModel->notifyErrorsChanged();
    }
    updateModels(false);
}

// --- open ---

void Ov4kApp::openFile(QString& path)
{
    if (askToSave(0))
        loadFile(path);
}

void Ov4kApp::loadFile(QString& path)
{
    if (!QFileInfo::exists(path)) {
        showError(266, path);
        return;
    }
    const QFileInfo info(path);
    const QString extension = m_parameters->getDefaultFileExtensione();
    const QString binExtension = m_parameters->getDefaultFileBinExtensione();
    const QString dotted = QLatin1Char('.') + info.suffix();
    bool plantFile = false;
    if (dotted.compare(extension, Qt::CaseInsensitive) == 0) {
        plantFile = true;
    } else if (info.suffix().compare(QLatin1String("bin"), Qt::CaseInsensitive) != 0) {
        // The user picked it to open: a file that is not opened says why.
        if (BrandTable::isPlantFileExtension(dotted)) {
            qInfo() << "Not opened, a plant file of another brand:" << path;
            critical(qtTrId("USR_MSG_OTHER_BRAND_FILE").arg(dotted, extension), path);
        }
        return;
    }

    WaitCursor cursor;
    qDebug() << "openFile"
             << "File selezionato:" << path;
    // The file goes into the panel configuration through a plant of its own: the plant shown,
    // or the lack of one, stays as it is until the file has loaded whole.
    const u32 panelType = g_zpConf->get_panel_type();
    uint result = 0;
    {
        Plant loading;
        result = loading.loadFromFile(path, plantFile);
    }
    int failure = int(result);
    if (result == 0 && !Configuration::instance()->applyPanelTypeConfig(int(g_zpConf->get_panel_type())))
        failure = 260;
    if (failure != 0) {
        // Nothing of the file stays behind: the configuration is the shown plant's again, or the
        // empty one of the panel type before.
        if (m_plant) {
            g_zpConf->set_panel_type(panelType);
            m_plant->copyTo();
        } else {
            g_zpConf->new_config(panelType);
        }
        showError(failure, failure == 266 ? path : QString());
        return;
    }
    if (m_plant)
        m_plant->setDefaultParameters();
    createPlant();
    m_plant->copyFrom();
    if (m_cpuTypeModel)
        m_cpuTypeModel->reload();
    if (m_recentFilesModel)
        m_recentFilesModel->reset();
    m_plant->checkCBESystem();
    if (m_plantTreeModel)
        m_plantTreeModel->refreshErrorFlags();
    updateModels();
    if (m_mainWindow)
        m_mainWindow->setProperty("workingAreaStat", QStringLiteral("PLANT_ACTIVE"));
    m_pathFromImage = !plantFile;
    if (plantFile) {
        m_currentFilePath = path;
        m_parameters->noteOpenedFile(info.path(), path);
        if (m_recentFilesModel)
            m_recentFilesModel->reset();
    } else {
        QString rewritten = path;
        rewritten.replace(binExtension, extension, Qt::CaseInsensitive);
        path = rewritten;
        m_currentFilePath = rewritten;
    }
    m_plant->modifyPlantData(false);
    m_plant->clearModificationBits(~0u);
    m_plant->modifyPlantData(true);
    emit m_plant->plantDataChanged(m_plant->getModificationStat());
    emit fileNameChanged();
    emit newPlant();
}

void Ov4kApp::onOpenFileMenu()
{
    if (refusedNow("open"))
        return;
    if (!askToSave(0)) {
        if (m_fileStatus != 0)
            qCritical() << m_fileStatus;
        else
            qInfo() << "Operazione annullata";
        return;
    }
    PlantFileRequest request;
    request.title = qtTrId("USR_MSG_PICK_UP_PLANT_FILE");
    request.start = m_parameters->getLastFilePath();
    request.filter = fileFilter(QT_TRID_NOOP("USR_MSG_FILE_FILTER"), m_parameters->getDefaultFileExtensione());
    QString path = PlantDialogs::chooseFile(request);
    if (path.isEmpty()) {
        qDebug() << "onOpenFileMenu"
                 << "Nessun file selezionato.";
        return;
    }
    loadFile(path);
}

void Ov4kApp::onOpenFileMenu(const QString& path)
{
    if (refusedNow("open"))
        return;
    QString copy = path;
    openFile(copy);
}

void Ov4kApp::onfileDropped(const QString& url)
{
    if (refusedNow("open"))
        return;
    if (url.isEmpty())
        return;
    QString path = QUrl(url).toLocalFile();
    openFile(path);
}

void Ov4kApp::onImportBtnClicked()
{
    if (refusedNow("import"))
        return;
    qDebug() << ">>>";
    if (!askToSave(0)) {
        if (m_fileStatus != 0)
            qCritical() << m_fileStatus;
        else
            qInfo() << "Operazione annullata";
        return;
    }
    PlantFileRequest request;
    request.title = qtTrId("USR_MSG_PICK_UP_PLANT_BIN_FILE");
    request.start = m_parameters->getLastFilePath();
    request.filter = fileFilter(QT_TRID_NOOP("USR_MSG_FILE_BIN_FILTER"), m_parameters->getDefaultFileBinExtensione());
    QString path = PlantDialogs::chooseFile(request);
    if (path.isEmpty())
        qDebug() << "onImportBtnClicked"
                 << "Nessun file selezionato.";
    else
        loadFile(path);
    qDebug() << "<<<";
}

bool Ov4kApp::isDragValid(const QString& url) const
{
    if (url.isEmpty())
        return false;
    const QString suffix = QFileInfo(QUrl(url).toLocalFile()).suffix();
    const QString dotted = QLatin1Char('.') + suffix;
    // Another brand's plant file is taken too: the open says why it does not open it.
    if (dotted.compare(m_parameters->getDefaultFileExtensione(), Qt::CaseInsensitive) == 0
        || BrandTable::isPlantFileExtension(dotted))
        return true;
    if (suffix.compare(QLatin1String("bin"), Qt::CaseInsensitive) == 0
        || suffix.compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0)
        return true;
    // A loop file goes onto the loop shown, and only onto one without points.
    if (suffix.compare(QLatin1String("MNT"), Qt::CaseInsensitive) != 0 || m_pageCode != 9 || !m_plantTreeModel
        || !m_plant)
        return false;
    uint cpu = 0;
    uint loop = 0;
    return m_plantTreeModel->getCurrentLoopAddress(cpu, loop) && m_plant->getActiveModuleCount(cpu, loop) == 0
        && m_plant->getActiveSensorCount(cpu, loop) == 0;
}

void Ov4kApp::fileDrop(const QString& text)
{
    emit fileDropped(text);
}

// --- compile and export ---

QString Ov4kApp::selectExportFolder()
{
    PlantFileRequest request;
    request.kind = PlantFileRequest::Folder;
    request.title = qtTrId("USR_MSG_SELECTFOLDERTOEXPORT");
    request.start = m_parameters->getLastFilePath();
    return PlantDialogs::chooseFile(request);
}

bool Ov4kApp::isInputEvent(const QEvent* event) const
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    // A key of a shortcut reaches its action as this, before any key press is sent.
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::NativeGesture:
    case QEvent::ContextMenu:
    case QEvent::Close:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    default: return false;
    }
}

bool Ov4kApp::holdBack(QObject* receiver, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusAboutToChange:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // Focus changes happen on this thread only.
        if (QThread::currentThread() != thread())
            return false;
        m_heldEvents.emplace_back(
            receiver, std::make_unique<QFocusEvent>(event->type(), static_cast<const QFocusEvent*>(event)->reason()));
        return true;
    default: return isInputEvent(event);
    }
}

void Ov4kApp::releaseHeldEvents()
{
    for (auto& held : m_heldEvents) {
        if (held.first)
            QCoreApplication::postEvent(held.first, held.second.release());
    }
    m_heldEvents.clear();
}

bool Ov4kApp::refusedWhileCompiling(const char* command) const
{
    if (!m_compiling)
        return false;
    qInfo() << command << "refused: a compile is running";
    return true;
}

bool Ov4kApp::editRefused(const char* command)
{
    QVariant ended = true;
    if (m_mainWindow && m_mainWindow->metaObject()->indexOfMethod("endEdit()") >= 0)
        QMetaObject::invokeMethod(m_mainWindow, "endEdit", Q_RETURN_ARG(QVariant, ended));
    if (ended.toBool())
        return false;
    qInfo() << command << "refused: the value typed is refused";
    return true;
}

void Ov4kApp::onCompileBtnClicked()
{
    if (!m_plant || refusedNow("compile"))
        return;
    const QString title = qtTrId("USR_MSG_EXPORT_TO_BIN_FILE");
    if (!m_plant->cpus().isAreaAssigned()
        && question(title, qtTrId("USR_MSG_ASK_PLANT_NOT_ASSIGNED")) != PlantMessage::Yes)
        return;
    const QString folder = selectExportFolder();
    if (folder.isEmpty())
        return;
    const QString target = folder + QStringLiteral("/CFG_IN.BIN");
    if (QFileInfo::exists(target) && question(title, qtTrId("USR_MSG_ASK_FOR_FILE_OVER_W")) != PlantMessage::Yes)
        return;

    CompileResult result;
    bool written = false;
    CompileFailure failure;
    {
        WaitCursor cursor;
        g_zpConf->set_default_all(g_zpDataVersion);
        // The plant must hold still while another thread converts it: input is swallowed (the
        // window still repaints) and the plant's own checks stay away from the configuration.
        m_plant->setBusy(true);
        m_compiling = true;
        std::atomic<int> handover{0};
        handover.store(1, std::memory_order_release);
        QFutureWatcher<void> task;
        task.setFuture(QtConcurrent::run(&compileWorker, m_plant, &result, &handover));
        // The watcher reports the end as an event, even when the task ended already, so the
        // wait sleeps until an event comes instead of spinning. An exec() would return at once
        // once a quit is asked for; a quit asked for now takes effect after the compile.
        QEventLoop wait;
        while (!task.isFinished())
            wait.processEvents(QEventLoop::WaitForMoreEvents);
        task.waitForFinished();
        handover.load(std::memory_order_acquire);
        m_compiling = false;
        m_plant->setBusy(false);
        releaseHeldEvents();
        if (!confirmStore(title, result.programs, *m_plant))
            return;
        const QByteArray image = QFile::encodeName(target);
        const QByteArray map = QFile::encodeName(folder + QStringLiteral("/ModbusMap.csv"));
        written = write_compile_files(*g_zpConf, image.constData(),
                                      m_plant->isSIBEnabled(0) ? map.constData() : nullptr, &failure)
            == ZP_OK;
    }
    if (!written) {
        const QString failed = QFile::decodeName(failure.path.c_str());
        qCritical() << "Errore scrittura file: " << failed;
        PlantMessage message;
        message.icon = PlantMessage::Critical;
        message.text = WholeFile::failureText(failed, qt_error_string(failure.error));
        // The image may be in place already: the panel's file and the supervisor's then differ.
        if (!failure.replaced.empty())
            message.informativeText = qtTrId("FILE_WR_NEW_BESIDE_OLD")
                                          .arg(QDir::toNativeSeparators(QFile::decodeName(failure.replaced.c_str())),
                                               QDir::toNativeSeparators(failed));
        PlantDialogs::show(message);
        return;
    }
    // A program that does not compile is written empty, a device that did not fit is left
    // out: the user must know the image is not the whole plant.
    QString text;
    if (!result.programs.isEmpty())
        text += qtTrId("USR_MSG_COMPILE_PROGRAM_ERRORS", result.programs.size()) + QLatin1Char('\n');
    if (result.skipped > 0)
        text += qtTrId("USR_MSG_COMPILE_SKIPPED_DEVICES", result.skipped) + QLatin1Char('\n');
    if (!text.isEmpty())
        qWarning().noquote() << text.trimmed();
    if (!offerFolder(title, text, QFileInfo(target).absolutePath())) {
        PlantMessage message;
        message.icon = PlantMessage::Warning;
        message.title = title;
        message.text = qtTrId("USR_MSG_UNABLE_TO_OPEN_FOLDER");
        PlantDialogs::show(message);
    }
    qInfo() << "Download completato: " << target;
}

void Ov4kApp::onXlsExportBtnClicked()
{
    if (refusedNow("CSV export"))
        return;
    if (!m_plant)
        return;
    const QString folder = selectExportFolder();
    if (folder.isEmpty())
        return;
    bool written = false;
    {
        WaitCursor cursor;
        qDebug() << "Export To = " << folder;
        written = m_plant->exportCsvFiles(folder);
    }
    const QString title = qtTrId("USR_MSG_EXPORT_TO_CSV_FILE");
    if (!written) {
        PlantMessage message;
        message.icon = PlantMessage::Critical;
        message.text = qtTrId("USR_MSG_ENABLE_TO_WRITE_ON_FILE");
        const QString failed = m_plant->exportFailedFile();
        message.informativeText = m_plant->exportPartlyReplaced()
            ? qtTrId("FILE_WR_ERROR_SET_PART").arg(QDir::toNativeSeparators(failed), m_plant->exportFailureReason())
            : WholeFile::failureText(failed, m_plant->exportFailureReason());
        PlantDialogs::show(message);
        return;
    }
    if (!offerFolder(title, QString(), folder)) {
        PlantMessage message;
        message.icon = PlantMessage::Information;
        message.title = title;
        message.text = qtTrId("USR_MSG_EXPORT_TO_CSV_DONE");
        PlantDialogs::show(message);
    }
}

// --- save, new, plant type, brand, quit ---

bool Ov4kApp::askToSave(uint acceptedState)
{
    if (!m_plant || m_plant->getModificationStat() == 0 || m_plant->getModificationStat() == acceptedState)
        return true;
    PlantMessage message;
    message.icon = PlantMessage::Question;
    message.text = qtTrId("USR_MSG_DATIMODIFICATI");
    message.informativeText = qtTrId("USR_MSG_ASK_FOR_SAVE");
    message.buttons = PlantMessage::Save | PlantMessage::Discard | PlantMessage::Cancel;
    message.defaultButton = PlantMessage::Save;
    switch (PlantDialogs::show(message)) {
    case PlantMessage::Cancel: return false;
    case PlantMessage::Discard: return true;
    case PlantMessage::Save:
        if (savePlant(false)) {
            m_plant->modifyPlantData(false);
            m_plant->clearModificationBits(~0u);
            return true;
        }
        if (m_fileStatus != 0)
            critical(m_saveFailure);
        return false;
    default: m_fileStatus = 3840; return false;
    }
}

bool Ov4kApp::savePlant(bool forceDialog)
{
    m_fileStatus = 0;
    if (!m_plant)
        return false;
    QString name;
    if (!forceDialog && !m_pathFromImage && !m_currentFilePath.isEmpty() && m_currentFilePath != m_defaultFileName
        && QFileInfo::exists(m_currentFilePath))
        name = m_currentFilePath;
    else
        name = askSaveFileName(1);
    if (name.isEmpty())
        return false;
    uint result = 0;
    {
        WaitCursor cursor;
        m_parameters->setLastFilePath(QFileInfo(name).absolutePath());
        const QString title = m_mainWindow ? m_mainWindow->title() : brandTitle();
        const Plant& plant = *m_plant;
        // The file is the panel configuration: devices that do not fit in it are not stored,
        // which the user must hear of before the file replaces one that holds them.
        int skipped = 0;
        result = m_plant->saveToFile(name, &skipped, [&title, &plant, &skipped](const QStringList& programs) {
            if (!confirmStore(title, programs, plant))
                return false;
            if (skipped <= 0)
                return true;
            PlantMessage leftOut;
            leftOut.title = title;
            leftOut.text = qtTrId("USR_MSG_COMPILE_SKIPPED_DEVICES", skipped);
            return askStore(leftOut);
        });
    }
    if (result == Plant::kFileNotConfirmed)
        return false;
    if (result != 0) {
        m_fileStatus = int(result);
        // The box names the file that failed, also before it becomes the current one.
        const QString reason = m_plant->saveFailureReason();
        m_saveFailure = reason.isEmpty() ? qtTrId("FILE_WR_ERROR") + QLatin1Char(' ') + name
                                         : WholeFile::failureText(name, reason);
        return false;
    }
    m_parameters->addToRecentOpenFile(name);
    if (m_recentFilesModel)
        m_recentFilesModel->reset();
    m_pathFromImage = false;
    if (name != m_currentFilePath) {
        m_currentFilePath = name;
        emit fileNameChanged();
    }
    return true;
}

QString Ov4kApp::askSaveFileName(uint kinds)
{
    PlantFileRequest request;
    request.kind = PlantFileRequest::SaveFile;
    request.title = qtTrId("USR_MSG_SAVE_AS");
    QString suffix;
    const QString extension = m_parameters->getDefaultFileExtensione();
    if (kinds == 0 || (kinds & 1)) {
        request.filter = fileFilter(QT_TRID_NOOP("USR_MSG_FILE_FILTER"), extension);
        suffix = extension;
    }
    const auto addFilter = [&](const QString& piece, const QString& pieceSuffix) {
        request.filter = request.filter.isEmpty() ? piece : request.filter + QStringLiteral(";;") + piece;
        if (suffix.isEmpty())
            suffix = pieceSuffix;
    };
    if (kinds & 2)
        addFilter(fileFilter(QT_TRID_NOOP("USR_PDF_FILE_FILTER"), QStringLiteral(".pdf")), QStringLiteral(".pdf"));
    if (kinds & 4)
        addFilter(fileFilter(QT_TRID_NOOP("USR_MSG_FILE_BIN_FILTER"), QStringLiteral(".bin")), QStringLiteral(".bin"));
    QString base;
    if (m_plant && !m_plant->getDescription().isEmpty()) {
        base = m_plant->getDescription();
    } else if (!m_currentFilePath.isEmpty()) {
        base = m_currentFilePath;
        removeLast(base, suffix);
        removeLast(base, extension);
    } else {
        base = m_defaultFileName;
    }
    sanitizeFileName(base);
    request.start = m_parameters->getLastFilePath() + QLatin1Char('/') + base + suffix;
    return PlantDialogs::chooseFile(request);
}

void Ov4kApp::onSaveFileMenu()
{
    if (refusedNow("save"))
        return;
    saveCommand(false);
}

void Ov4kApp::onFileSaveAs()
{
    if (refusedNow("save as"))
        return;
    saveCommand(true);
}

// Save and Save as: the file written, or the failure shown, or the cancel logged.
void Ov4kApp::saveCommand(bool forceDialog)
{
    if (savePlant(forceDialog)) {
        m_plant->modifyPlantData(false);
        m_plant->clearModificationBits(~0u);
        emit plantFileSaved();
        qInfo() << "File Salvato correttamente.";
    } else if (m_fileStatus != 0) {
        qCritical() << "Non sono riuscito a salvare il file.";
        critical(m_saveFailure);
    } else {
        qInfo() << "Operazione annullata dall'utente.";
    }
}

void Ov4kApp::onFileNewMenu()
{
    if (refusedNow("new"))
        return;
    qDebug() << ">>>";
    if (!askToSave(1)) {
        if (m_fileStatus != 0)
            qCritical() << m_fileStatus;
        else
            qInfo() << "Operazione annullata";
        qDebug() << "<<<";
        return;
    }
    Configuration* config = Configuration::instance();
    const QVariantList types = config->allowedPlantTypes();
    if (types.size() > 1) {
        PlantMessage message;
        message.icon = PlantMessage::Question;
        message.title = qtTrId("PLANT_TYPE");
        message.text = qtTrId("NEW_PLANT_FILE");
        for (const QVariant& type : types.mid(0, 3))
            message.choices << type.toString();
        message.buttons = PlantMessage::Cancel;
        message.defaultButton = PlantMessage::Cancel;
        message.defaultChoice = config->defaultPlantType() < message.choices.size() ? config->defaultPlantType() : -1;
        const int chosen = int(PlantDialogs::show(message)) - PlantMessage::FirstChoice;
        if (chosen < 0 || chosen >= message.choices.size()) {
            qDebug() << "<<<";
            return;
        }
        if (m_plant)
            m_plant->setDefaultParameters();
        config->newPlantTypeChosen(chosen);
    }
    {
        WaitCursor cursor;
        createPlant();
        const bool reset = m_plant->newPlant();
        // Read back from the panel configuration, and again at a change of brand, the groups
        // stay as the reset made them.
        m_plant->groups().writeForNewPlant();
        m_plant->copyFrom();
        // An untouched new plant asks nothing at quit or open.
        m_plant->clearModificationBits(~uint(Plant::kNewPlant));
        if (reset) {
            m_currentFilePath = m_defaultFileName;
            m_pathFromImage = false;
            if (m_cpuTypeModel)
                m_cpuTypeModel->reload();
            updateModels();
            if (m_mainWindow)
                m_mainWindow->setProperty("workingAreaStat", QStringLiteral("PLANT_ACTIVE"));
            emit fileNameChanged();
            emit newPlant();
        }
    }
    qDebug() << "<<<";
}

void Ov4kApp::onPlantChangeTypeRqst(int type)
{
    if (refusedNow("plant type"))
        return;
    qDebug() << ">>>";
    if (!m_plant)
        return;
    const int current = m_plant->getPlantType();
    if (type == current)
        return;
    if (type < current) {
        const Plant::CpuRemoval removed = m_plant->cpusRemovedBy(uint(type));
        PlantMessage message;
        message.icon = PlantMessage::Warning;
        // The counts stand as labelled numbers, so that no language needs a plural for each.
        message.text = removed.cpus == 0 ? qtTrId("USR_MSG_CONFIRM_PLANT_CHANGE_TYPE")
                                         : qtTrId("USR_MSG_CONFIRM_STAND_ALONE")
                                               .arg(QString::number(removed.cpus), QString::number(removed.boards),
                                                    QString::number(removed.devices));
        message.buttons = PlantMessage::Ok | PlantMessage::Cancel;
        message.defaultButton = PlantMessage::Cancel;
        if (PlantDialogs::show(message) != PlantMessage::Ok)
            return;
    }
    m_plant->setPlantType(uint(type), true);
    qDebug() << "<<<";
}

void Ov4kApp::onCurrentBrandChanged(int brand)
{
    if (refusedWhileCompiling("brand"))
        return;
    Configuration* config = Configuration::instance();
    if (brand == config->current_brand())
        return;
    // The plant writes its brand into the panel image as it is: only a brand the panel offers.
    if (!config->brandChoices().contains(QVariant(brand))) {
        qDebug() << "BRAND NOT OFFERED" << brand << config->brandChoices();
        return;
    }
    // The announcement puts the scene's brand chooser back on the brand that stays.
    if (editRefused("brand") || !askToSave(0)) {
        emit newPlant();
        return;
    }
    config->set_current_brand(brand);
    qDebug() << "CURRENT BRAND CHANGED!!!";
    WaitCursor cursor;
    createPlant();
    const bool reset = m_plant->newPlant();
    m_plant->copyFrom();
    m_plant->clearModificationBits(~uint(Plant::kNewPlant));
    if (reset) {
        m_currentFilePath = m_defaultFileName;
        m_pathFromImage = false;
        updateModels();
        if (m_mainWindow)
            m_mainWindow->setProperty("workingAreaStat", QStringLiteral("PLANT_ACTIVE"));
        checkCBE();
        emit fileNameChanged();
        emit newPlant();
    }
}

bool Ov4kApp::onQuitRequest()
{
    if (refusedNow("quit"))
        return false;
    qDebug() << ">>>";
    const bool result = askToSave(1);
    m_windowSettings.save();
    qDebug() << "<<<";
    return result;
}
