#include "models/ChoiceListModels.h"

#include "core/Configuration.h"
#include "plant/ActivePlant.h"
#include "plant/LoopNumbering.h"
#include "plant/OvGenericPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"

#include <QDebug>

namespace {

constexpr int kNameRole = Qt::UserRole + 1;

bool served(const QModelIndex& index, int rows)
{
    return index.row() >= 0 && index.column() >= 0 && index.model() && index.row() < rows;
}

QString zoneText(int number, const QString& name)
{
    return name.isEmpty() ? QString::number(number) : QString("%1: %2").arg(number).arg(name);
}

QVariant notHandled(const char* prefix, int role)
{
    qDebug().nospace() << prefix << role << "\tNot Handled";
    return QVariant();
}

// The series-1 detector with this hardware type is the KORVA aspirating detector.
constexpr int kKorvaSeries = 1;
constexpr int kKorvaHwType = 65;

} // namespace

// --- zones ---

OvAreaListModel::OvAreaListModel(QObject* parent)
    : QAbstractListModel(parent)
{
    rebuildModel();
}

int OvAreaListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_names.size();
}

QHash<int, QByteArray> OvAreaListModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(kNameRole, "areaDescription");
    return names;
}

QVariant OvAreaListModel::data(const QModelIndex& index, int role) const
{
    if (!served(index, m_names.size()))
        return QVariant();
    if (role == kNameRole)
        return m_names.at(index.row());
    return notHandled("OvAreaListModel::data:Role ", role);
}

void OvAreaListModel::rebuildModel()
{
    beginResetModel();
    m_names.clear();
    if (const Plant* plant = ActivePlant::get()) {
        m_names << qtTrId("PT_NOT_ASSIGNED");
        int number = 0;
        for (const OvArea& area : plant->areas().areas())
            m_names << zoneText(++number, area.description());
    }
    endResetModel();
}

void OvAreaListModel::onAreaDescriptionChanged(const QList<int>& selection, const QString& newVal)
{
    int lowest = m_names.size();
    int highest = 0;
    for (int position : selection) {
        const int row = position + 1;
        if (row < 1 || row >= m_names.size())
            continue;
        m_names[row] = zoneText(row, newVal);
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
    }
    if (lowest <= highest)
        emit dataChanged(index(lowest), index(highest), {});
}

void OvAreaListModel::onApplicationLanguageChanged()
{
    beginResetModel();
    if (!m_names.isEmpty())
        m_names[0] = qtTrId("PT_NOT_ASSIGNED");
    endResetModel();
}

// --- LIB counts ---

OvLibModel::OvLibModel(QObject* parent)
    : QAbstractListModel(parent)
{
    reset();
}

int OvLibModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_names.size();
}

QHash<int, QByteArray> OvLibModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(kNameRole, "name");
    return names;
}

QVariant OvLibModel::data(const QModelIndex& index, int role) const
{
    if (!served(index, m_names.size()))
        return QVariant();
    if (role == kNameRole)
        return m_names.at(index.row());
    return notHandled("OvLibModel::data:Role ", role);
}

void OvLibModel::reset()
{
    const u32 model = PanelType::get_cpu_model(g_zpConf->get_panel_type());
    const u32 loops = CpuModel::get_line_num(model);
    const u32 perLib = CpuModel::get_lines_per_ll(model);
    const u32 maxLibs = perLib > 0 && loops >= perLib ? loops / perLib : 1;
    qDebug() << "TEST1 " << maxLibs;
    beginResetModel();
    m_names = QStringList{qtTrId("CPUInfo-SingleLib")};
    if (maxLibs >= 2)
        m_names << qtTrId("CPUInfo-DoubleLibs");
    if (maxLibs > 2)
        m_names << qtTrId("CPUInfo-ThreeLibs") << qtTrId("CPUInfo-FourLibs");
    endResetModel();
}

int OvLibModel::getIndexFromNLib(int nlib) const
{
    return nlib == 0 ? 0 : m_libNumbers.indexOf(nlib);
}

int OvLibModel::getnLibFromIndex(int index) const
{
    if (m_libNumbers.isEmpty())
        return 0;
    return index >= 0 && index < m_libNumbers.size() ? m_libNumbers.at(index) : m_libNumbers.first();
}

// --- KORVA detectors ---

OvPinnModel::OvPinnModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int OvPinnModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_addresses.size();
}

QHash<int, QByteArray> OvPinnModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(kNameRole, "deviceAddress");
    return names;
}

QVariant OvPinnModel::data(const QModelIndex& index, int role) const
{
    if (!served(index, m_addresses.size()))
        return QVariant();
    if (role == kNameRole)
        return m_addresses.at(index.row());
    return notHandled("OvPinnModel::data:Role ", role);
}

void OvPinnModel::setActiveLoop(int cpuIndex, int loopIndex)
{
    const Plant* plant = ActivePlant::get();
    const CPUDevice* cpu = plant ? plant->cpus().cpuAt(cpuIndex) : nullptr;
    if (!cpu || loopIndex < 0)
        return;
    const int lib = loopIndex / linesPerBoard();
    const int position = loopIndex % linesPerBoard();
    if (lib >= int(cpu->getLibCount()) || lib >= cpu->libs().size() || position >= cpu->libs().at(lib).loops().size())
        return;
    const OvLoop* loop = cpu->libs().at(lib).loops().at(position);
    beginResetModel();
    m_addresses = QStringList{qtTrId("ID_PT_NONE")};
    for (const OvGenericPoint* sensor : loop->sensors())
        if (sensor && sensor->series() == kKorvaSeries && sensor->hwType() == kKorvaHwType)
            m_addresses << QString::number(sensor->address());
    endResetModel();
}

QVariant OvPinnModel::getDeviceAddress(int index) const
{
    if (index < 1 || index >= m_addresses.size())
        return QVariant();
    return m_addresses.at(index).toInt();
}

// --- plant types ---

OvPlantTypeModel::OvPlantTypeModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_enabled{true, true}
{
    const Configuration* brand = Configuration::instance();
    const QVariantList cpuTypes = brand->cpuTypeList();
    const int cpuType = cpuTypes.isEmpty() ? 255 : cpuTypes.first().toInt();
    m_icons << "../Resources/" + brand->getBrandedIcon("centraleStandAlone%1.png", cpuType)
            << "../Resources/" + brand->getBrandedIcon("centraleSuper%1.png", cpuType);
    m_names << qtTrId("PlantTypeStandAlone") << qtTrId("PlantTypeSuper");
}

int OvPlantTypeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QHash<int, QByteArray> OvPlantTypeModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(kNameRole, "name");
    names.insert(kNameRole + 1, "icon");
    names.insert(kNameRole + 2, "tyEnabled");
    return names;
}

QVariant OvPlantTypeModel::data(const QModelIndex& index, int role) const
{
    if (!served(index, m_names.size()))
        return QVariant();
    switch (role) {
    case kNameRole: return m_names.at(index.row());
    case kNameRole + 1: return m_icons.at(index.row());
    case kNameRole + 2: return m_enabled.at(index.row());
    default: return notHandled("OvPlantTypeModel::data:Role ", role);
    }
}

void OvPlantTypeModel::reset()
{
    beginResetModel();
    m_names = QStringList{qtTrId("PlantTypeStandAlone"), qtTrId("PlantTypeSuper")};
    endResetModel();
}
