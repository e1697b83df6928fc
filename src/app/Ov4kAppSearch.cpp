// The CBE check of the whole plant and the search that lets the scene select what was found.
#include "app/Ov4kApp.h"

#include "models/OvGroupsModel.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "plant/CPUSystem.h"
#include "plant/OvGenericPoint.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"

#include <QDebug>
#include <QGuiApplication>

void Ov4kApp::checkCBE()
{
    if (refusedNow("CBE check"))
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (m_plant) {
        m_plant->checkCBESystem();
        if (m_groupsModel)
            m_groupsModel->updateFromPlant();
        for (OvPointModel* model : {m_sensorModel, m_moduleModel, m_mixedModel}) {
            if (model)
                model->refreshErrors();
        }
        if (m_plantTreeModel)
            m_plantTreeModel->refreshErrorFlags();
    }
    QGuiApplication::restoreOverrideCursor();
}

bool Ov4kApp::doSearch(int targetType, int cpuAddress, int loopIndex, int address)
{
    qInfo() << "targetType = " << targetType << "\tcpuAddress = " << cpuAddress << "\tloopIndex = " << loopIndex
            << "\taddress = " << address;
    if (!m_plant || targetType < 0 || targetType > 3)
        return false;
    if (targetType <= 1) {
        const int count = targetType == 0 ? m_plant->areas().count() : m_plant->groups().count();
        if (address < 1 || address > count)
            return false;
        m_lastSearchTargetType = targetType;
        if (targetType == 0)
            emit selectAreaIndex(address);
        else
            emit selectGroupIndex(address);
        return true;
    }
    // The tree lists enabled CPUs only: what lies on another one cannot be shown.
    const CPUDevice* cpu = m_plant->cpus().cpuAt(cpuAddress - 1);
    if (!cpu || !cpu->isEnabled())
        return false;
    const int family = targetType == 2 ? 1 : 2;
    if (loopIndex >= 1 && address < 1) {
        const int lines = int(CpuModel::get_lines_per_ll(PanelType::get_cpu_model(g_zpConf->get_panel_type())));
        if (loopIndex > int(cpu->getLibCount()) * lines)
            return false;
    } else if (loopIndex >= 1) {
        // Every address of a loop has its slot: only a point programmed there is found.
        const OvGenericPoint* point = m_plant->getPoint(uint(cpuAddress - 1), uint(loopIndex - 1), uint(address - 1),
                                                        family);
        if (!point || !point->isValid())
            return false;
    }
    m_lastSearchTargetType = targetType;
    if (targetType == 2)
        emit selectSensor(cpuAddress, loopIndex, address);
    else
        emit selectModule(cpuAddress, loopIndex, address);
    return true;
}
