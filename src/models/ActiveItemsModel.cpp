#include "models/ActiveItemsModel.h"

#include "models/ActiveItem.h"
#include "models/ModelLogging.h"
#include "models/PlantTreeRules.h"

#include "core/Configuration.h"
#include "plant/ActivePlant.h"
#include "plant/OvGenericPoint.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"

#include <QDebug>

using namespace PlantTreeRules;

namespace {

// Active detectors and input/output modules of the ADV and VARN protocols; APOLLO devices are
// not targets.
bool hasSensors(const OvLoop& loop)
{
    return loop.getActiveCount(3, 1, 1) > 0;
}

bool hasModules(const OvLoop& loop)
{
    return loop.getActiveCount(3, 2, 3) > 0;
}

} // namespace

ActiveItemsModel::ActiveItemsModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(new ActiveItem)
{
}

ActiveItemsModel::~ActiveItemsModel()
{
    m_selected = nullptr;
    delete m_root;
    m_root = nullptr;
}

ActiveItem* ActiveItemsModel::itemOf(const QModelIndex& index) const
{
    auto* item = index.isValid() ? static_cast<ActiveItem*>(index.internalPointer()) : nullptr;
    return item ? item : m_root;
}

QModelIndex ActiveItemsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    TreeItem* child = itemOf(parent)->child(row);
    return child && column >= 0 && column < 4 ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex ActiveItemsModel::parent(const QModelIndex& index) const
{
    if (!index.isValid() || !index.internalPointer())
        return QModelIndex();
    TreeItem* parentItem = itemOf(index)->parent();
    if (!parentItem || parentItem == m_root)
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

int ActiveItemsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return itemOf(parent)->childCount();
}

int ActiveItemsModel::columnCount(const QModelIndex&) const
{
    return 4;
}

QVariant ActiveItemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const ActiveItem* item = itemOf(index);
    switch (role) {
    case itemIconName: return item->iconName;
    case itemAddress: return item->address;
    case itemDescription: return item->description;
    case selectable: return item->selectable;
    default:
        qCDebug(lcModelPaint).nospace() << "ActiveItemsModel::data:Role " << role << "\tNot Handled";
        return QVariant();
    }
}

QHash<int, QByteArray> ActiveItemsModel::roleNames() const
{
    QHash<int, QByteArray> roles = QAbstractItemModel::roleNames();
    roles[itemIconName] = "itemIconName";
    roles[itemAddress] = "itemAddress";
    roles[itemDescription] = "itemDescription";
    roles[selectable] = "selectable";
    return roles;
}

void ActiveItemsModel::select(const QModelIndex& index)
{
    m_selected = index.isValid() ? itemOf(index) : nullptr;
}

bool ActiveItemsModel::canBeSelected(const QModelIndex& index) const
{
    return index.isValid() && itemOf(index)->selectable;
}

QModelIndex ActiveItemsModel::getFirstIndex() const
{
    return index(0, 0);
}

QModelIndexList ActiveItemsModel::getParentIndexes() const
{
    QModelIndexList indexes;
    for (int row = 0; row < m_root->childCount(); ++row)
        indexes << index(row, 0);
    qInfo() << "getParentIndexes: " << indexes.size();
    return indexes;
}

int ActiveItemsModel::selectedAddress(int kind) const
{
    for (const TreeItem* up = m_selected; up; up = up->parent()) {
        const auto* item = dynamic_cast<const ActiveItem*>(up);
        if (!item)
            break;
        if (item->itemType() == kind)
            return item->address;
    }
    return -1;
}

int ActiveItemsModel::getSelectedCPUAddress() const
{
    return selectedAddress(ActiveItem::kCPU);
}

int ActiveItemsModel::getSelectedLoopAddress() const
{
    return selectedAddress(ActiveItem::kLoop);
}

int ActiveItemsModel::getSelectedPointAddress() const
{
    return selectedAddress(ActiveItem::kPoint);
}

int ActiveItemsModel::getSelectedSubAddress() const
{
    return selectedAddress(ActiveItem::kSub);
}

int ActiveItemsModel::getSelectedAreaAddress() const
{
    return selectedAddress(ActiveItem::kArea);
}

void ActiveItemsModel::rebuildModel(int deviceType, bool skipEmpty)
{
    qInfo().nospace() << "ActiveItemsModel::rebuildModel: " << deviceType << "\t" << (skipEmpty ? "true" : "false");
    beginResetModel();
    m_selected = nullptr;
    delete m_root;
    m_root = new ActiveItem;
    if (const Plant* plant = ActivePlant::get()) {
        if (deviceType & kAreas) {
            addAreas(skipEmpty);
        } else if (deviceType & kCPUs) {
            int i = -1;
            while (const CPUDevice* cpu = plant->cpus().getNextEnabledCPU(i))
                addCPU(*cpu, deviceType, skipEmpty);
        }
    }
    endResetModel();
}

void ActiveItemsModel::addAreas(bool skipEmpty)
{
    Plant* plant = ActivePlant::get();
    auto* all = new ActiveItem(0, ActiveItem::kArea, "ALL",
                               Configuration::instance()->getBrandedIcon("PlantAreas%1.png", 255), true, m_root);
    m_root->appendChild(all);
    OvAreasSystem& areas = plant->areas();
    for (int i = 0; i < areas.count(); ++i) {
        const OvArea* area = areas.areaAt(i);
        if (!area || (skipEmpty && area->sensorCount() + area->moduleCount() < 1))
            continue;
        all->appendChild(new ActiveItem(i + 1, ActiveItem::kArea, QString("%1:%2").arg(i + 1).arg(area->description()),
                                        QString(), true, all));
    }
}

void ActiveItemsModel::addCPU(const CPUDevice& cpu, int deviceType, bool skipEmpty)
{
    const bool sensors = cpu.getActiveCount(3, 1, 1) > 0;
    const bool modules = cpu.getActiveCount(3, 2, 3) > 0;
    const bool loopsAsked = deviceType & (kSensors | kModules);
    if (loopsAsked && !((deviceType & kSensors) && sensors) && !((deviceType & kModules) && modules))
        return;
    auto* item = new ActiveItem(
        int(cpu.index()), ActiveItem::kCPU, QString("%1:%2").arg(cpu.index()).arg(cpu.description()),
        Configuration::instance()->getBrandedIcon("centrale%1.png", cpuType(cpu.index())), !loopsAsked, m_root);
    m_root->appendChild(item);
    if (!loopsAsked)
        return;
    const int lines = loopsPerLib();
    const int loops = int(cpu.getLibCount()) * lines;
    for (int i = 0; i < loops; ++i) {
        const int lib = i / lines;
        const int position = i % lines;
        if (lib >= cpu.libs().size() || position >= cpu.libs().at(lib).loops().size())
            continue;
        const OvLoop* loop = cpu.libs().at(lib).loops().at(position);
        if (!loop)
            continue;
        if (((deviceType & kSensors) && hasSensors(*loop)) || ((deviceType & kModules) && modules))
            addLoop(item, *loop, i + 1, deviceType, skipEmpty);
    }
}

void ActiveItemsModel::addLoop(ActiveItem* cpuItem, const OvLoop& loop, int number, int deviceType, bool skipEmpty)
{
    auto* item = new ActiveItem(number, ActiveItem::kLoop, QString::number(number),
                                Configuration::instance()->getBrandedIcon("loop%1.png", 255), true, cpuItem);
    cpuItem->appendChild(item);
    const bool sensorsListed = (deviceType & kSensors) && hasSensors(loop);
    const bool modulesListed = (deviceType & kModules) && hasModules(loop);
    const bool grouped = sensorsListed && modulesListed;
    if (sensorsListed) {
        ActiveItem* parent = item;
        if (grouped) {
            parent = new ActiveItem(1, ActiveItem::kFamily, qtTrId("CSV_PT_SENSOR"), "sensore.png", false, item);
            item->appendChild(parent);
        }
        addPoints(parent, loop.sensors(), skipEmpty);
    }
    if (modulesListed) {
        ActiveItem* parent = item;
        if (grouped) {
            parent = new ActiveItem(2, ActiveItem::kFamily, qtTrId("CSV_PT_MODULE"), "Moduli.png", false, item);
            item->appendChild(parent);
        }
        addPoints(parent, loop.modules(), skipEmpty);
    }
}

void ActiveItemsModel::addPoints(ActiveItem* parent, const QList<OvGenericPoint*>& points, bool skipEmpty)
{
    for (const OvGenericPoint* point : points) {
        if (!point || (skipEmpty && !point->isValid()))
            continue;
        auto* item = new ActiveItem(int(point->address()), ActiveItem::kPoint,
                                    QString("%1:%2").arg(point->address()).arg(point->description()), QString(), true,
                                    parent);
        parent->appendChild(item);
        for (const OvGenericSubPoint& sub : point->subPoints()) {
            if (skipEmpty && !sub.isValid())
                continue;
            item->appendChild(new ActiveItem(sub.getSubIndex(), ActiveItem::kSub,
                                             QString("%1:%2").arg(sub.getSubIndex()).arg(sub.description()), QString(),
                                             true, item));
        }
    }
}
