#include "models/OvPlantModel.h"

#include "models/ModelLogging.h"
#include "models/OvModelItem.h"
#include "models/PlantTreeRules.h"

#include "core/Configuration.h"
#include "plant/ActivePlant.h"
#include "plant/OvGenericPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"

#include <QDebug>
#include <QSize>

using namespace PlantTreeRules;

namespace {

QString branded(const char* pattern, int cpuType = 255)
{
    return Configuration::instance()->getBrandedIcon(QString::fromLatin1(pattern), cpuType);
}

int kindOf(const TreeItem* item)
{
    const auto* modelItem = dynamic_cast<const OvModelItem*>(item);
    return modelItem ? modelItem->itemType() : -1;
}

const OvLoop* loopOf(const CPUDevice& cpu, int loopNumber)
{
    const int i = loopNumber > 0 ? loopNumber - 1 : 0;
    const int lines = loopsPerLib();
    const int lib = i / lines;
    const int position = i % lines;
    if (lib >= cpu.libs().size() || position >= cpu.libs().at(lib).loops().size())
        return nullptr;
    return cpu.libs().at(lib).loops().at(position);
}

int cpuBadge(const CPUDevice& cpu)
{
    if (cpu.hasCBEError() || cpu.hasInvalidFastInput())
        return 2;
    if (!cpu.isAreaAssigned())
        return 1;
    return cpu.annunciators().hasConflictingFilters() ? 1 : 0;
}

} // namespace

OvPlantModel::OvPlantModel(const Plant* plant)
    : QAbstractItemModel(nullptr)
{
    rebuildModel(plant);
}

OvPlantModel::~OvPlantModel()
{
    m_cpusItem = nullptr;
    m_currentItem = nullptr;
    m_plantItem = nullptr;
    m_repeatersItem = nullptr;
    delete m_root;
    m_root = nullptr;
}

// --- item model ---

QModelIndex OvPlantModel::indexForItem(TreeItem* item) const
{
    return item ? createIndex(item->row(), 0, item) : QModelIndex();
}

TreeItem* OvPlantModel::itemForIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return m_root;
    auto* item = static_cast<TreeItem*>(index.internalPointer());
    if (item && item->self() == item)
        return item;
    qCritical() << "item == NULL";
    return m_root;
}

QModelIndex OvPlantModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    TreeItem* parentItem = itemForIndex(parent);
    TreeItem* child = parentItem ? parentItem->child(row) : nullptr;
    return child && column >= 0 && column < 4 ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex OvPlantModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    TreeItem* parentItem = itemForIndex(index)->parent();
    if (!parentItem || parentItem == m_root)
        return QModelIndex();
    return indexForItem(parentItem);
}

int OvPlantModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    TreeItem* item = itemForIndex(parent);
    return item ? item->childCount() : 0;
}

int OvPlantModel::columnCount(const QModelIndex&) const
{
    return 4;
}

Qt::ItemFlags OvPlantModel::flags(const QModelIndex& index) const
{
    qCDebug(lcModelPaint) << "OvPlantModel::flags" << index;
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QVariant OvPlantModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    qCDebug(lcModelPaint) << "OvPlantModel::headerData" << section << role;
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && m_root)
        return m_root->data(section);
    return QVariant();
}

bool OvPlantModel::setData(const QModelIndex&, const QVariant&, int)
{
    qDebug() << "Cosa ci faccio qui ?";
    return false;
}

QHash<int, QByteArray> OvPlantModel::roleNames() const
{
    QHash<int, QByteArray> roles = QAbstractItemModel::roleNames();
    roles[itemIconImagePath] = "itemIconImagePath";
    roles[itemDescription] = "itemDescription";
    roles[itemHeight] = "itemHeight";
    roles[itemEnabled] = "itemEnabled";
    return roles;
}

QVariant OvPlantModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        qCritical() << "Indice non valido!!!";
        return QVariant();
    }
    const TreeItem* item = itemForIndex(index);
    switch (role) {
    case Qt::SizeHintRole: qCDebug(lcModelPaint) << "Qt::SizeHintRole"; return QSize(64, 64);
    case Qt::DisplayRole: qCDebug(lcModelPaint) << "Qt::DisplayRole"; return QVariant();
    case Qt::DecorationRole: qCDebug(lcModelPaint) << "Qt::DecorationRole"; return QVariant();
    case Qt::EditRole: qCDebug(lcModelPaint) << "Qt::EditRole"; return QVariant();
    case Qt::BackgroundRole: qCDebug(lcModelPaint) << "Qt::BackgroundRole"; return QVariant();
    case itemIconImagePath: return iconOf(item);
    case itemDescription: return textOf(item);
    case itemHeight:
        if (kindOf(item) == OvModelItem::kCPU)
            return static_cast<const OvCPUItem*>(item)->cpu().getLibCount() < 3 ? 64 : 96;
        return 64;
    case itemEnabled: return true;
    default:
        qCDebug(lcModelPaint).nospace() << "OvPlantModel::data:Role " << role << "\tNot Handled";
        return QVariant();
    }
}

QString OvPlantModel::plantIcon(const Plant* plant)
{
    const QVariantList types = Configuration::instance()->cpuTypeList();
    // Without a CPU type list no brand has a panel picture of its own.
    const int first = types.isEmpty() ? 255 : types.first().toInt();
    const OvPlantType* type = plant ? plant->plantType() : nullptr;
    if (type && type->getType() == OvPlantType::kNetworked)
        return branded("centraleSuper%1.png", first);
    return branded("centraleStandAlone%1.png", first);
}

QString OvPlantModel::iconOf(const TreeItem* item) const
{
    switch (kindOf(item)) {
    case OvModelItem::kPlant:
        if (const Plant* plant = ActivePlant::get())
            return plantIcon(plant);
        break;
    case OvModelItem::kCPU: {
        const CPUDevice& cpu = static_cast<const OvCPUItem*>(item)->cpu();
        const int type = cpuType(cpu.index());
        if (cpu.getLibCount() < 3) {
            const QString icon = branded("centrale%1.png", type);
            qCDebug(lcModelPaint) << "IMAGE SET << " << icon;
            return icon;
        }
        const QString icon = branded("centraleIntera%1.png", type);
        qCDebug(lcModelPaint) << "IMAGE SET a << " << icon;
        return icon;
    }
    case OvModelItem::kLoop: {
        const auto* loop = static_cast<const OvLoopItem*>(item);
        return loopIcon(loop->cpu(), loop->loopNumber > 0 ? loop->loopNumber - 1 : 0);
    }
    default: break;
    }
    return item->data(0).toString();
}

QString OvPlantModel::textOf(const TreeItem* item) const
{
    switch (kindOf(item)) {
    case OvModelItem::kCPU: {
        const CPUDevice& cpu = static_cast<const OvCPUItem*>(item)->cpu();
        if (!cpu.description().isEmpty())
            return cpu.description();
        return QString("%1: %2").arg(cpu.index()).arg(Configuration::getCpuTypeName(cpuType(cpu.index())));
    }
    case OvModelItem::kLoop: {
        const auto* loop = static_cast<const OvLoopItem*>(item);
        const u32 i = u32(loop->loopNumber > 0 ? loop->loopNumber - 1 : 0);
        const int sensors = loop->cpu().getLoopActiveCount(i, 7, 1, 1);
        const int modules = loop->cpu().getLoopActiveCount(i, 7, 2, 3);
        if (sensors < 1 && modules < 1)
            return QString();
        return qtTrId("SHORT_LABEL_SENSOR") + ": " + QString::number(sensors) + "\n" + qtTrId("SHORT_LABEL_MODULE")
            + ": " + QString::number(modules);
    }
    default: return QString();
    }
}

// --- building ---

void OvPlantModel::rebuildModel(const Plant* plant)
{
    qDebug() << "OvPlantModel::rebuildModel" << (plant != nullptr);
    beginResetModel();
    m_cpusItem = nullptr;
    m_currentItem = nullptr;
    m_plantItem = nullptr;
    m_repeatersItem = nullptr;
    delete m_root;
    m_plantDescription = plant ? plant->getDescription() : QString();
    m_root = new OvModelItem({"itemIconImagePath", "itemDescription"});
    if (plant)
        buildTree(*plant);
    endResetModel();
    m_currentIndex = QModelIndex();
}

void OvPlantModel::buildTree(const Plant& plant)
{
    m_plantItem = new OvPlantItem({plantIcon(&plant), plant.getDescription()}, m_root);
    m_root->appendChild(m_plantItem);
    m_plantItem->appendChild(
        new OvGenParametersItem({branded("GenParameters%1.png"), qtTrId("PAGE_PARAMETRIGENERALI")}, m_plantItem));
    m_plantItem->appendChild(new OvAreasItem({branded("PlantAreas%1.png"), qtTrId("PAGE_ZONE")}, m_plantItem));
    m_plantItem->appendChild(new OvGrupsItem({"PlantGroups.png", qtTrId("PAGE_GRUPPI")}, m_plantItem));
    const OvPlantType* type = plant.plantType();
    if (Configuration::instance()->has_network_type() && type && type->getType() != OvPlantType::kStandAlone) {
        m_repeatersItem = new OvRepeatersItem({"Ripetitore.png", QString()}, m_plantItem);
        m_plantItem->appendChild(m_repeatersItem);
    }
    m_cpusItem = new OvCPUsItem({branded("Centrali%1.png"), qtTrId("PAGE_CENTRALE")}, m_root);
    m_root->appendChild(m_cpusItem);
    const CPUSystem& cpus = plant.cpus();
    for (int p = 0; p < cpus.count(); ++p) {
        if (cpus.cpuAt(p)->isEnabled())
            addCPUItem(*cpus.cpuAt(p), false);
    }
}

void OvPlantModel::addCPUItem(const CPUDevice& cpu, bool notify)
{
    const QString text = cpu.description().isEmpty() ? QString("%1: %2").arg(cpu.index()).arg(cpu.getCPUTypeName())
                                                     : cpu.description();
    auto* item = new OvCPUItem({branded("centrale%1.png", cpuType(cpu.index())), text}, cpu, m_cpusItem);
    const QString annunciatorIcon = branded("annunciator%1.png");
    item->appendChild(new OvAnnunciatorItem({annunciatorIcon, QString()}, int(cpu.index()), item));
    qDebug() << "TEST MODEL " << annunciatorIcon;
    appendLoopItems(item, 0, int(cpu.getLibCount()) * loopsPerLib() - 1);

    int row = 0;
    while (row < m_cpusItem->childCount()
           && static_cast<OvCPUItem*>(m_cpusItem->child(row))->cpu().index() <= cpu.index())
        ++row;
    if (notify)
        beginInsertRows(indexForItem(m_cpusItem), row, row);
    m_cpusItem->insertChild(item, row);
    if (notify)
        endInsertRows();
}

void OvPlantModel::appendLoopItems(OvCPUItem* cpuItem, int first, int last)
{
    const CPUDevice& cpu = cpuItem->cpu();
    for (int i = first; i <= last; ++i)
        cpuItem->appendChild(new OvLoopItem({loopIcon(cpu, i), QString()}, cpuItem->snapshot, i + 1, cpuItem));
}

OvModelItem* OvPlantModel::findCPUItem(uint cpuIndex) const
{
    if (!m_cpusItem)
        return nullptr;
    for (int row = 0; row < m_cpusItem->childCount(); ++row) {
        auto* item = static_cast<OvCPUItem*>(m_cpusItem->child(row));
        if (item->cpu().index() == cpuIndex)
            return item;
    }
    return nullptr;
}

OvModelItem* OvPlantModel::findLoopItem(uint cpuIndex, int loopNumber) const
{
    OvModelItem* cpuItem = findCPUItem(cpuIndex);
    for (int row = 1; cpuItem && row < cpuItem->childCount(); ++row) {
        auto* loop = static_cast<OvLoopItem*>(cpuItem->child(row));
        if (loop->itemType() == OvModelItem::kLoop && loop->loopNumber == loopNumber)
            return loop;
    }
    return nullptr;
}

void OvPlantModel::removeItemRows(TreeItem* parent, int first, int last)
{
    for (const TreeItem* up = m_currentItem; up; up = up->parent()) {
        if (up->parent() == parent && up->row() >= first && up->row() <= last) {
            m_currentItem = nullptr;
            m_currentIndex = QModelIndex();
            break;
        }
    }
    beginRemoveRows(indexForItem(parent), first, last);
    parent->removeChildren(first, last - first + 1);
    endRemoveRows();
}

// --- clicks and selections ---

void OvPlantModel::onTreeViewItemClicked(const QVariant& idx)
{
    QModelIndex index;
    if (idx.canConvert<QModelIndex>())
        index = idx.value<QModelIndex>();
    qDebug() << "PAGE SELECTED " << index << m_currentIndex << (index.isValid() ? "true" : "false");
    if (index == m_currentIndex || !index.isValid())
        return;
    m_currentIndex = index;
    TreeItem* item = itemForIndex(index);
    if (m_currentItem && m_currentItem != item && kindOf(m_currentItem) == OvModelItem::kCPU
        && kindOf(item) != OvModelItem::kCPU)
        emit cpuPageSelected(-1);
    m_currentItem = item;

    switch (kindOf(item)) {
    case OvModelItem::kRoot:
    case OvModelItem::kPlant: emit plantInfoPageSelected(); break;
    case OvModelItem::kPwdMng: emit pwdMngPageSelected(); break;
    case OvModelItem::kAreas: emit generalAreasPageSelected(); break;
    case OvModelItem::kGroups: emit generalGroupsPageSelected(); break;
    case OvModelItem::kRepeaters: emit repeatersPageSelected(); break;
    case OvModelItem::kCPUs: emit generalCPUsPageSelected(); break;
    case OvModelItem::kCPU: emit cpuPageSelected(int(static_cast<OvCPUItem*>(item)->cpu().index())); break;
    case OvModelItem::kLoop: {
        const auto* loop = static_cast<OvLoopItem*>(item);
        emit loopPageSelected(int(loop->cpu().index()) - 1, loop->loopNumber - 1);
        break;
    }
    case OvModelItem::kAnnunciator:
        emit annunciatorPageSelected(static_cast<OvAnnunciatorItem*>(item)->cpuIndex - 1);
        break;
    default: emit generalParametersPageSelected(); break;
    }
}

int OvPlantModel::getRowPixelHeight(const QModelIndex& index) const
{
    qCDebug(lcModelPaint) << "OvPlantModel::getRowPixelHeight" << index;
    return 64;
}

void OvPlantModel::selectItem(TreeItem* item)
{
    const QModelIndex index = indexForItem(item);
    onTreeViewItemClicked(QVariant::fromValue(index));
    emit itemSelected(index);
}

void OvPlantModel::onSelectAreaIndex(int)
{
    for (int row = 0; m_plantItem && row < m_plantItem->childCount(); ++row) {
        TreeItem* item = m_plantItem->child(row);
        if (kindOf(item) == OvModelItem::kAreas) {
            if (item != m_currentItem)
                selectItem(item);
            return;
        }
    }
}

void OvPlantModel::onSelectGroupIndex(int)
{
    for (int row = 0; m_plantItem && row < m_plantItem->childCount(); ++row) {
        TreeItem* item = m_plantItem->child(row);
        if (kindOf(item) == OvModelItem::kGroups) {
            if (item != m_currentItem)
                selectItem(item);
            return;
        }
    }
}

void OvPlantModel::onSelectCPURqst(uint cpu)
{
    if (OvModelItem* item = findCPUItem(cpu + 1))
        selectItem(item);
}

void OvPlantModel::onSelectSensor(int cpuAddress, int lineIdx, int address)
{
    selectPoint(cpuAddress, lineIdx, address, 1);
}

void OvPlantModel::onSelectModule(int cpuAddress, int lineIdx, int address)
{
    selectPoint(cpuAddress, lineIdx, address, 2);
}

void OvPlantModel::selectPoint(int cpuAddress, int lineIdx, int address, int family)
{
    if (OvModelItem* cpuItem = cpuAddress > 0 ? findCPUItem(uint(cpuAddress)) : nullptr) {
        emit expandModelIndex(indexForItem(m_cpusItem));
        TreeItem* target = lineIdx > 0 ? findLoopItem(uint(cpuAddress), lineIdx) : cpuItem;
        if (target && target != m_currentItem)
            selectItem(target);
    }
    const Plant* plant = ActivePlant::get();
    emit pointPageSelected(plant ? plant->getPoint(uint(cpuAddress - 1), uint(lineIdx - 1), uint(address - 1), family)
                                 : nullptr);
}

int OvPlantModel::getActiveCPULoopCount() const
{
    qDebug() << "OvPlantModel::getActiveCPULoopCount()";
    if (kindOf(m_currentItem) != OvModelItem::kCPU)
        return -1;
    return int(static_cast<const OvCPUItem*>(m_currentItem)->cpu().getLibCount()) * loopsPerLib();
}

bool OvPlantModel::getCurrentLoopAddress(uint& cpu, uint& loop) const
{
    if (kindOf(m_currentItem) != OvModelItem::kLoop)
        return false;
    const auto* item = static_cast<const OvLoopItem*>(m_currentItem);
    cpu = item->cpu().index() > 0 ? item->cpu().index() - 1 : 0;
    loop = item->loopNumber > 0 ? uint(item->loopNumber - 1) : 0;
    return true;
}

// --- upkeep ---

void OvPlantModel::onCPUDataChanged(const CPUDevice& cpu)
{
    if (!m_cpusItem)
        return;
    auto* item = static_cast<OvCPUItem*>(findCPUItem(cpu.index()));
    if (item && cpu.isEnabled()) {
        if (item->cpu().getLibCount() != cpu.getLibCount()) {
            item->snapshot.assign(cpu);
            if (item->childCount() > 1)
                removeItemRows(item, 1, item->childCount() - 1);
            const int loops = int(cpu.getLibCount()) * loopsPerLib();
            if (loops > 0) {
                beginInsertRows(indexForItem(item), 1, loops);
                appendLoopItems(item, 0, loops - 1);
                endInsertRows();
            }
        } else {
            item->snapshot.assign(cpu);
            const QModelIndex index = indexForItem(item);
            emit dataChanged(index, index);
        }
    } else if (item) {
        removeItemRows(m_cpusItem, item->row(), item->row());
    } else if (cpu.isEnabled()) {
        addCPUItem(cpu, true);
    }
}

void OvPlantModel::onCPUDescriptionChanged(const CPUDevice& cpu)
{
    auto* item = static_cast<OvCPUItem*>(findCPUItem(cpu.index()));
    if (!item)
        return;
    item->snapshot.assign(cpu);
    const QModelIndex index = indexForItem(item);
    emit dataChanged(index, index, {itemDescription});
}

void OvPlantModel::onCPULibCountChanged(const CPUDevice& cpu)
{
    auto* item = static_cast<OvCPUItem*>(findCPUItem(cpu.index()));
    if (!item)
        return;
    const int oldLoops = int(item->cpu().getLibCount()) * loopsPerLib();
    const int newLoops = int(cpu.getLibCount()) * loopsPerLib();
    item->snapshot.assign(cpu);
    const QModelIndex index = indexForItem(item);
    if (newLoops > oldLoops) {
        for (int i = oldLoops; i < newLoops; ++i) {
            beginInsertRows(index, item->childCount(), item->childCount());
            appendLoopItems(item, i, i);
            endInsertRows();
        }
    } else if (newLoops < oldLoops) {
        const int surplus = oldLoops - newLoops;
        if (surplus > 0 && surplus < item->childCount())
            removeItemRows(item, item->childCount() - surplus, item->childCount() - 1);
    }
    // The plant tells a change of the CPU's type this way too: its name and picture follow it.
    emit dataChanged(index, index, {itemIconImagePath, itemDescription, itemHeight});
}

void OvPlantModel::onLoopTypeChanged(uint cpuIndex, uint loopIndex, int newVal)
{
    qDebug() << ">>>";
    if (auto* item = static_cast<OvLoopItem*>(findLoopItem(cpuIndex + 1, int(loopIndex) + 1))) {
        item->snapshot.detached().setLoopType(u32(item->loopNumber - 1), newVal);
        const QModelIndex index = indexForItem(item);
        emit dataChanged(index, index, {itemIconImagePath, itemDescription});
    }
    qDebug() << "<<<";
}

void OvPlantModel::onLoopOpenFlagChanged(uint cpuIndex, uint loopIndex, bool newVal)
{
    qDebug() << ">>>";
    if (auto* item = static_cast<OvLoopItem*>(findLoopItem(cpuIndex + 1, int(loopIndex) + 1))) {
        item->snapshot.detached().setLoopOpenFlag(u32(item->loopNumber - 1), newVal);
        const QModelIndex index = indexForItem(item);
        emit dataChanged(index, index, {itemIconImagePath});
    }
    qDebug() << "<<<";
}

void OvPlantModel::onPlantTypeChanged()
{
    const Plant* plant = ActivePlant::get();
    if (!plant || !m_plantItem)
        return;
    const OvPlantType* type = plant->plantType();
    const bool networked = type && type->getType() != OvPlantType::kStandAlone;
    if (networked && !m_repeatersItem) {
        const int row = m_plantItem->childCount();
        beginInsertRows(indexForItem(m_plantItem), row, row);
        m_repeatersItem = new OvRepeatersItem({"Ripetitore.png", QString()}, m_plantItem);
        m_plantItem->appendChild(m_repeatersItem);
        endInsertRows();
    } else if (!networked && m_repeatersItem) {
        TreeItem* item = m_repeatersItem;
        m_repeatersItem = nullptr;
        removeItemRows(m_plantItem, item->row(), item->row());
    }
    // The type sets how many CPUs the plant holds: rows of CPUs gone or no longer installed go,
    // installed ones without a row come; the rest, and what the view shows of them, stay.
    const CPUSystem& cpus = plant->cpus();
    for (int row = m_cpusItem ? m_cpusItem->childCount() - 1 : -1; row >= 0; --row) {
        const uint cpuIndex = static_cast<OvCPUItem*>(m_cpusItem->child(row))->cpu().index();
        const int position = int(cpuIndex) - 1;
        if (position >= cpus.count() || !cpus.cpuAt(position)->isEnabled())
            removeItemRows(m_cpusItem, row, row);
    }
    for (int p = 0; m_cpusItem && p < cpus.count(); ++p) {
        if (cpus.cpuAt(p)->isEnabled() && !findCPUItem(cpus.cpuAt(p)->index()))
            addCPUItem(*cpus.cpuAt(p), true);
    }
    emit dataChanged(index(0, 0), index(0, 3));
}

void OvPlantModel::onNewPointActivated(const QList<const OvGenericPoint*>& points)
{
    if (kindOf(m_currentItem) != OvModelItem::kLoop)
        return;
    auto* item = static_cast<OvLoopItem*>(m_currentItem);
    for (const OvGenericPoint* point : points)
        item->snapshot.detached().setPoint(point);
    emit dataChanged(m_currentIndex, m_currentIndex, {itemDescription});
}

void OvPlantModel::onApplicationLanguageChanged()
{
    for (int row = 0; m_cpusItem && row < m_cpusItem->childCount(); ++row) {
        TreeItem* item = m_cpusItem->child(row);
        if (item->childCount() > 0)
            emit dataChanged(indexForItem(item->child(0)), indexForItem(item->child(item->childCount() - 1)),
                             {itemDescription});
    }
}

void OvPlantModel::refreshErrorFlags()
{
    if (!m_plantItem)
        return;
    if (TreeItem* groups = m_plantItem->child(2)) {
        const QModelIndex index = indexForItem(groups);
        emit dataChanged(index, index, {itemIconImagePath});
    }
    emit updateErrorsFlag();
}

void OvPlantModel::notifyErrorsChanged()
{
    emit updateErrorsFlag();
}

// --- tool-tips and badges ---

// Each tip names its row: a panel's row may show only part of its name, and the loop rows look
// alike.
QString OvPlantModel::getInfoToolTip(const QModelIndex& index) const
{
    if (!index.isValid())
        return QString();
    const TreeItem* item = itemForIndex(index);
    switch (kindOf(item)) {
    case OvModelItem::kPlant: return qtTrId("PLANT_ROOT_PAGE");
    case OvModelItem::kGenParameters: return qtTrId("GEN_PARAMETERS_PAGE");
    case OvModelItem::kPwdMng: return qtTrId("PWD_MNG_PAGE");
    case OvModelItem::kAreas: return qtTrId("PLANT_AREA_PAGE");
    case OvModelItem::kGroups: return qtTrId("PLANT_GROUP_PAGE");
    case OvModelItem::kRepeaters: return qtTrId("PLANT_REPEATERS_PAGE");
    case OvModelItem::kCPUs: return qtTrId("CPU_ROOT_PAGE");
    case OvModelItem::kCPU: return textOf(item);
    case OvModelItem::kLoop: return qtTrId("LBL_CPU_LOOP").arg(static_cast<const OvLoopItem*>(item)->loopNumber);
    case OvModelItem::kAnnunciator: return qtTrId("PAGE_ANNUNCIATORS");
    default: return QString();
    }
}

int OvPlantModel::getErrorFlag(const QModelIndex& index) const
{
    const Plant* plant = ActivePlant::get();
    if (!index.isValid() || !plant)
        return 0;
    const TreeItem* item = itemForIndex(index);
    const CPUSystem& cpus = plant->cpus();
    switch (kindOf(item)) {
    case OvModelItem::kGroups: return plant->getGroupsCBEErrorCount() > 0 ? 2 : 0;
    case OvModelItem::kCPUs:
        for (int p = 0; p < cpus.count(); ++p)
            if (cpus.cpuAt(p)->hasCBEError() || cpus.cpuAt(p)->hasInvalidFastInput())
                return 2;
        for (int p = 0; p < cpus.count(); ++p)
            if (!cpus.cpuAt(p)->isAreaAssigned())
                return 1;
        for (int p = 0; p < cpus.count(); ++p)
            if (cpus.cpuAt(p)->annunciators().hasConflictingFilters())
                return 1;
        return 0;
    case OvModelItem::kCPU: {
        const CPUDevice* cpu = cpus.cpuAt(int(static_cast<const OvCPUItem*>(item)->cpu().index()) - 1);
        return cpu ? cpuBadge(*cpu) : 0;
    }
    case OvModelItem::kLoop: {
        const auto* loopItem = static_cast<const OvLoopItem*>(item);
        const CPUDevice* cpu = cpus.cpuAt(int(loopItem->cpu().index()) - 1);
        const OvLoop* loop = cpu ? loopOf(*cpu, loopItem->loopNumber) : nullptr;
        if (!loop)
            return 0;
        if (loop->hasCBEError() || loop->hasInvalidFastInput())
            return 2;
        return loop->isAreaAssigned() ? 0 : 1;
    }
    case OvModelItem::kAnnunciator: {
        const CPUDevice* cpu = cpus.cpuAt(static_cast<const OvAnnunciatorItem*>(item)->cpuIndex - 1);
        return cpu && cpu->annunciators().hasConflictingFilters() ? 1 : 0;
    }
    default: return 0;
    }
}
