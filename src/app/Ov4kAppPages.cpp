// Page switching: the plant tree's selection picks the working page by writing a state name
// into the scene's root window; the page code records which page that was.
#include "app/Ov4kApp.h"

#include "models/OvAnnunciatorsModel.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "plant/Plant.h"

#include <QQmlProperty>
#include <QQuickWindow>

namespace {

// Through the QML property system, so a root object without the property is left as it is.
void showPage(QQuickWindow* window, const char* state)
{
    if (window)
        QQmlProperty::write(window, QStringLiteral("workingAreaStat"), QString::fromLatin1(state));
}

} // namespace

void Ov4kApp::onLoopOpenFlagChanged(unsigned int cpu, unsigned int loop, bool open)
{
    Q_UNUSED(cpu)
    Q_UNUSED(loop)
    Q_UNUSED(open)
}

void Ov4kApp::onPlantInfoPageSelected()
{
    showPage(m_mainWindow, "PLANT_ACTIVE_GEN_INFO");
    m_pageCode = 1;
}

void Ov4kApp::onGeneralParametersPageSelected()
{
    showPage(m_mainWindow, "PLANT_GEN_PARAMETER");
    m_pageCode = 2;
}

void Ov4kApp::onPwdMngPageSelected()
{
    showPage(m_mainWindow, "PLANT_PWD_MNG");
    m_pageCode = 3;
    // The parameters page's button leads here while the tree keeps that page's row selected.
    if (m_plantTreeModel)
        m_plantTreeModel->forgetCurrentPage();
}

void Ov4kApp::onGeneralAreasPageSelected()
{
    showPage(m_mainWindow, "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED");
    m_pageCode = 4;
}

void Ov4kApp::onGeneralGroupsPageSelected()
{
    showPage(m_mainWindow, "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED");
    m_pageCode = 5;
}

void Ov4kApp::onRepeatersPageSelected()
{
    showPage(m_mainWindow, "PLANT_REPEATERS_DATA_PAGE_SELECTED");
    m_pageCode = 6;
}

void Ov4kApp::onGeneralCPUsPageSelected()
{
    showPage(m_mainWindow, "PLANT_ACTIVE_CPU_GEN_PAGE");
    m_pageCode = 7;
}

void Ov4kApp::onCpuPageSelected(int cpu)
{
    if (cpu < 0)
        return;
    // The tree names a CPU by its 1-based index here.
    m_selectedCpu = cpu - 1;
    m_pageCode = 8;
    showPage(m_mainWindow, "PLANT_ACTIVE_CPU_DATA_PAGE");
}

void Ov4kApp::onAnnunciatorPageSelected(int cpu)
{
    if (cpu < 0)
        return;
    if (m_annunciatorsModel)
        m_annunciatorsModel->setActiveCPU(cpu);
    if (m_viewersModel)
        m_viewersModel->setActiveCPU(cpu);
    showPage(m_mainWindow, "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED");
    m_pageCode = 10;
}

void Ov4kApp::onLoopPageSelected(int cpu, int loop)
{
    if (cpu < 0)
        return;
    m_selectedCpu = cpu;
    m_pageCode = loop < 0 ? 8 : 9;
    showPage(m_mainWindow, "PLANT_ACTIVE_CPU_DATA_PAGE");
    if (loop >= 0)
        showLoop(cpu, loop);
}

int Ov4kApp::getShownLoop() const
{
    return m_sensorModel ? m_sensorModel->activeLoop().loopIndex() - 1 : -1;
}

OvLoop Ov4kApp::loopOf(int cpu, int loop) const
{
    // A CPU past the plant's list reads as an empty one.
    const CPUDevice* device = m_plant->cpus().cpuAt(cpu);
    return device ? device->getLoop(u32(loop)) : CPUDevice().getLoop(u32(loop));
}

void Ov4kApp::showLoop(int cpu, int loop)
{
    if (!m_plant)
        return;
    const OvLoop shown = loopOf(cpu, loop);
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel})
        if (model)
            model->setActiveLoop(shown);
}

void Ov4kApp::onPointPageSelected(const OvGenericPoint* point)
{
    if (!point)
        return;
    if (m_pageCode != 9) {
        showPage(m_mainWindow, "PLANT_ACTIVE_CPU_DATA_PAGE");
        m_pageCode = 9;
    }
    for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel}) {
        if (model && m_plant
            && (model->activeLoop().ownerCpu() != point->cpuIndex()
                || model->activeLoop().loopIndex() != point->loopIndex()))
            model->setActiveLoop(loopOf(point->cpuIndex() - 1, point->loopIndex() - 1));
    }
    OvPointModel* own = point->family() == 1 ? m_sensorModel : m_moduleModel;
    if (own)
        own->selectPoint(*point);
    if (m_mixedModel)
        m_mixedModel->selectPoint(*point);
}
