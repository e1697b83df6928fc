// Texts the scene shows, the window title and the translation installed at start.
#include "app/Ov4kApp.h"

#include "models/ChoiceListModels.h"
#include "models/OvPlantModel.h"

#include "ZpData/Layouts/interface.h"
#include "app/OvThemeMdl.h"
#include "app/cpuTypeModel.h"
#include "core/ApplicationLog.h"
#include "core/Configuration.h"
#include "core/OvLanguageModel.h"
#include "core/OvParametersReference.h"
#include "core/OvQtTranslator.h"
#include "models/OvEventFilterModel.h"
#include "models/OvPlantModel.h"
#include "models/OvRecentFilesModel.h"
#include "models/SensorAllarmLevelModel.h"
#include "plant/Plant.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QQmlApplicationEngine>
#include <QQmlIncubationController>
#include <QQuickWindow>
#include <QTranslator>

namespace {
// Longest a language switch waits for the rows still being made.
constexpr qint64 kIncubationBoundMs = 10000;
} // namespace

void Ov4kApp::loadQtTranslation(const QString& code)
{
    if (m_qtTranslator) {
        removeTranslator(m_qtTranslator);
        delete m_qtTranslator;
        m_qtTranslator = nullptr;
    }
    auto* translator = new OvQtTranslator(this);
    if (!translator->loadLanguage(code, applicationDirPath() + QStringLiteral("/translations"))) {
        delete translator;
        return;
    }
    m_qtTranslator = translator;
    installTranslator(m_qtTranslator);
}

void Ov4kApp::loadTranslation()
{
    const QString code = OvParametersReference::GetActualLanguage();
    qInfo() << "Language from param: " << code;
    const QString base = Configuration::instance()->translationFileName();
    const QString name = base + QLatin1Char('_') + code + QStringLiteral(".qm");
    // A file beside the program replaces the built-in one without a rebuild.
    QString path = applicationDirPath() + QStringLiteral("/translations/") + name;
    if (!QFile::exists(path)) {
        path = QStringLiteral(":/translations/") + base.toLower() + QLatin1Char('_') + code + QStringLiteral(".qm");
        qInfo() << "translatorUrl = " << path;
    }
    m_translator = new QTranslator(this);
    m_languageInUse = code;
    if (!m_translator->load(path)) {
        m_languageInUse = QStringLiteral("en");
        if (!m_translator->load(QStringLiteral(":/translations/ov4800_en.qm"))) {
            m_languageInUse.clear();
            qInfo() << "LANGUAGE NOT FOUND";
            return;
        }
    }
    installTranslator(m_translator);
    loadQtTranslation(m_languageInUse);
    onApplicationLanguageChanged();
}

void Ov4kApp::onSelectLanguage(const QString& fileName)
{
    QString path = applicationDirPath() + QStringLiteral("/translations/") + fileName;
    if (!QFile::exists(path)) {
        path = QStringLiteral(":/translations/") + fileName;
        qDebug() << "translatorUrl = " << path;
    }
    // Loaded aside first: a file that fails must not leave the scene showing bare ids.
    auto* translator = new QTranslator(this);
    if (!translator->load(path)) {
        qInfo() << "LANGUAGE NOT FOUND" << path;
        delete translator;
        return;
    }
    if (m_translator) {
        removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = translator;
    installTranslator(m_translator);
    m_languageInUse = OvLanguageModel::languageCode(fileName);
    loadQtTranslation(m_languageInUse);
    m_parameters->setActualLanguage(m_languageInUse);
    emit applicationLanguageChanged();
}

void Ov4kApp::onApplicationLanguageChanged()
{
    const bool unnamed = m_currentFilePath == m_defaultFileName;
    m_defaultFileName = qtTrId("NEW_PLANT_FILE");
    if (unnamed) {
        m_currentFilePath = m_defaultFileName;
        emit fileNameChanged();
    }
    // Message boxes and the scene (through Qt.application) read right to left in Arabic and
    // Hebrew. By the loaded file's code: the stored one may name a language without a file.
    setLayoutDirection(QLocale(m_languageInUse).textDirection());
    // Every qsTrId binding of the scene, the pages' included, is evaluated again; that includes
    // the window's own title binding, so the plant's title is set again after it.
    if (m_engine) {
        // Rows a view is still making between frames (the plant tree's, a table's) are finished
        // first: a half-made row's bindings, evaluated again, would read what only its completion
        // sets. All of them, however long a busy machine takes, within a bound that no
        // ever-refilled queue can pass.
        if (QQmlIncubationController* incubation = m_engine->incubationController()) {
            QElapsedTimer waited;
            waited.start();
            while (incubation->incubatingObjectCount() > 0 && !waited.hasExpired(kIncubationBoundMs))
                incubation->incubateFor(100);
        }
        m_engine->retranslate();
    }
    onPlantDescriptionChange();
    if (m_plantTreeModel)
        m_plantTreeModel->onApplicationLanguageChanged();
    if (m_cpuTypeModel)
        m_cpuTypeModel->reload();
    if (m_areaListModel)
        m_areaListModel->onApplicationLanguageChanged();
    if (m_libModel)
        m_libModel->reset();
    if (m_plantTypeModel)
        m_plantTypeModel->reset();
    if (m_eventFilterModel)
        m_eventFilterModel->reset();
    if (m_allarmLevelModel)
        m_allarmLevelModel->refresh();
    if (m_themeModel)
        m_themeModel->onApplicationLanguageChanged();
}

void Ov4kApp::onAppNameChanged()
{
    const QString appName = Configuration::instance()->appName();
    // The plant's name and description stay in front of the brand.
    onPlantDescriptionChange();
    setApplicationName(appName);
    qDebug() << "NEW APPLICATION NAME " << appName;
}

void Ov4kApp::updateCpuTypeMdl()
{
    if (m_cpuTypeModel)
        m_cpuTypeModel->reload();
}

void Ov4kApp::onPlantDescriptionChange()
{
    if (!m_mainWindow)
        return;
    QString head;
    if (!m_currentFilePath.isEmpty()) {
        head = m_currentFilePath;
        const QString description = m_plant ? m_plant->getDescription() : QString();
        if (!description.isEmpty())
            head += QStringLiteral(": ") + description;
        head += QStringLiteral(" - ");
    }
    qDebug() << "TITLE = " << head;
    m_mainWindow->setTitle(head + brandTitle());
}

void Ov4kApp::onPlantFileNameChanged()
{
    onPlantDescriptionChange();
}

QString Ov4kApp::getApplicationFileName() const
{
    return brandTitle();
}

QString Ov4kApp::getApplicationVersionLabel() const
{
    return qtTrId("ID_OV_VERSION_LBL") + QLatin1Char(' ') + versionToString(qMakePair(m_majorVersion, m_minorVersion));
}

QString Ov4kApp::getPanelDataVersionLabel() const
{
    return qtTrId("PANEL_DATA_VERSION") + QStringLiteral(" 0x") + QString::number(g_zpDataVersion, 16).toUpper();
}

QString Ov4kApp::getCopyRightInfo() const
{
    return qtTrId("COPYRIGHT_INFO").arg(Configuration::instance()->orgName());
}

int Ov4kApp::getRecentFileListSize() const
{
    return m_recentFilesModel ? m_recentFilesModel->rowCount() : 0;
}

void Ov4kApp::onClearRecentFileListSizeRqst()
{
    OvParametersReference::ClearRecentOpenFile();
    if (m_recentFilesModel)
        m_recentFilesModel->reset();
}

QString Ov4kApp::getUpdatedTimeStr() const
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}
