#include "models/OvCPUModel.h"

#include "core/Configuration.h"
#include "models/ModelLogging.h"
#include "plant/ActivePlant.h"
#include "plant/Plant.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QDebug>

OvCPUModel::OvCPUModel(Plant* plant, QObject* parent)
    : QAbstractTableModel(parent)
{
    reset(plant);
}

QString OvCPUModel::indexText(int cpuIndex)
{
    return QStringLiteral("#%1").arg(cpuIndex, 2, 10, QLatin1Char(' '));
}

int OvCPUModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || cpus().count() < 1 ? 0 : cpus().count() - 1;
}

int OvCPUModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

Qt::ItemFlags OvCPUModel::flags(const QModelIndex& index) const
{
    qCDebug(lcModelPaint) << " Pluto ";
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvCPUModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(itemIconName, "itemIconName");
    names.insert(itemIndex, "itemIndex");
    names.insert(itemEnableStat, "itemEnableStat");
    names.insert(itemLibCount, "itemLibCount");
    names.insert(itemSibStat, "itemSibStat");
    names.insert(itemUPSPresent, "itemUPSPresent");
    names.insert(itemDescription, "itemDescription");
    return names;
}

QVariant OvCPUModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return QVariant();
    const int position = index.row() + 1;
    const CPUDevice* cpu = cpus().cpuAt(position);
    if (!cpu)
        return QVariant();
    switch (role) {
    case itemIconName: {
        u8 type = 255;
        {
            BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
            if (zpx.layout())
                type = zpx->get_cpu_type(u32(position));
        }
        return Configuration::instance()->getBrandedIcon(QStringLiteral("centrale%1.png"), type);
    }
    case itemIndex: return indexText(int(cpu->index()));
    case itemEnableStat: return cpu->isEnabled();
    case itemLibCount: return int(cpu->getLibCount());
    case itemSibStat: return cpus().isSIBEnabled(position);
    case itemUPSPresent: return cpu->upsFlag();
    case itemDescription: return cpu->description();
    default: qCDebug(lcModelPaint).nospace() << "OvCPUModel::data:Role " << role << "\tNot Handled"; return QVariant();
    }
}

bool OvCPUModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int row = index.row();
    const int position = row + 1;
    if (row < 0 || index.column() < 0 || !index.model() || position >= cpus().count()) {
        emit revertData(row);
        return false;
    }
    Plant* plant = ActivePlant::get();
    // Points, boards, annunciators, board settings and the type change elsewhere without telling
    // this copy, the application stores the whole CPU and the loop budget counts the boards its
    // type gives: it must start from the plant's.
    if (plant && plant->cpus().cpuAt(position))
        takeCPU(*plant->cpus().cpuAt(position));
    CPUDevice* cpu = cpus().cpuAt(position);

    switch (role) {
    case itemEnableStat:
        if (!value.toBool()) {
            cpu->setEnabled(false);
            announce(index, position, {itemEnableStat});
        } else if (plant
                   && plant->fitsLoopBudget(position, true, int(cpu->cpuType()), int(cpu->getInstalledLibCount()),
                                            true)) {
            qDebug().noquote() << "Set CPU INSTALLED " << position << "true";
            {
                BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2, BlockAccess::write);
                if (zpx.layout())
                    zpx->set_cpu_installed(u32(position), true);
            }
            cpu->setEnabled(true);
            // A record that was not installed has just been rebuilt with the panel's defaults:
            // the CPU page reads its type and board range there.
            cpu->writeRecordState();
            announce(index, position, {itemEnableStat});
        } else {
            emit revertData(row);
        }
        break;
    case itemLibCount: {
        const int count = value.toInt();
        const int current = int(cpu->getLibCount());
        if (count < current) {
            cpu->setLibCount(u32(count));
            announce(index, position, {itemLibCount});
        } else if (count > current && plant
                   && plant->fitsLoopBudget(position, true, int(cpu->cpuType()), count, true)) {
            cpu->setLibCount(u32(count));
            announce(index, position, {itemLibCount});
        } else {
            emit revertData(row);
        }
        break;
    }
    case itemUPSPresent:
        if (value.toBool() == cpu->upsFlag()) {
            emit revertData(row);
        } else {
            cpu->setUPSFlag(value.toBool());
            announce(index, position, {itemUPSPresent});
        }
        break;
    case itemDescription:
        if (value.toString() == cpu->description()) {
            emit revertData(row);
        } else {
            cpu->setDescription(value.toString());
            announce(index, position, {itemDescription});
        }
        break;
    case itemIconName:
    case itemIndex:
    case itemSibStat: emit revertData(row); break;
    default:
        qDebug() << "Come mai sono qui: controllare !";
        emit revertData(row);
        break;
    }
    return false;
}

void OvCPUModel::announce(const QModelIndex& index, int position, const QVector<int>& roles)
{
    const CPUDevice* cpu = cpus().cpuAt(position);
    emit cpuDeviceModified(cpu ? *cpu : CPUDevice(), roles);
    emit dataChanged(index, index, roles);
}

void OvCPUModel::reset(Plant* plant)
{
    beginResetModel();
    if (plant)
        m_source = plant;
    endResetModel();
}

CPUSystem& OvCPUModel::cpus() const
{
    if (m_source) {
        m_cpus = m_source->cpus();
        m_source = nullptr;
    }
    return m_cpus;
}

void OvCPUModel::onCPUDataChanged(const CPUDevice& dev, QVector<int> roles)
{
    const int position = int(dev.index()) - 1;
    for (int role : roles) {
        CPUDevice* cpu = cpus().cpuAt(position);
        if (!cpu)
            continue;
        switch (role) {
        case itemEnableStat: cpu->setEnabled(dev.isEnabled()); break;
        case itemLibCount: takeCPU(dev); break;
        case itemSibStat: cpu->setSib(dev.sib()); break;
        case itemUPSPresent: cpu->setUPSFlag(dev.upsFlag()); break;
        case itemDescription: cpu->setDescription(dev.description()); break;
        default: break;
        }
    }
    const int row = int(dev.index()) - 2;
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, kColumns - 1), roles);
}

void OvCPUModel::takeCPU(const CPUDevice& cpu)
{
    cpus().setCPU(cpu);
    // An assignment keeps the copy's own type.
    if (CPUDevice* own = cpus().cpuAt(int(cpu.index()) - 1))
        own->setCpuType(cpu.cpuType());
}

bool OvCPUModel::setData(int rowIndex, int columnIndex, QVariant value)
{
    Q_UNUSED(value)
    qDebug() << "OvCPUModel::setData. cpuIndex =  " << rowIndex + 1 << "\t col = " << columnIndex;
    return true;
}

bool OvCPUModel::isSameIndex(QString strIndex, int index)
{
    return strIndex == indexText(index);
}

void OvCPUModel::selectCPU(int rowIndex)
{
    if (rowIndex >= -1)
        emit selectCPURqst(uint(rowIndex + 1));
}
