#include "models/OvAnnunciatorsModel.h"

#include "core/Configuration.h"
#include "models/ModelLogging.h"
#include "models/OvAnnunciatorDeviceItem.h"
#include "models/OvAnnunciatorFilterItem.h"
#include "plant/ActivePlant.h"
#include "plant/Plant.h"

#include <QDebug>
#include <QSet>

namespace {

const int kAnnunciatorRows = 16;
const int kKVViewerRows = 32;

// Order of indexes: row, column, internal pointer, model.
bool lessThan(const QModelIndex& a, const QModelIndex& b)
{
    if (a.row() != b.row())
        return a.row() < b.row();
    if (a.column() != b.column())
        return a.column() < b.column();
    if (a.internalPointer() != b.internalPointer())
        return std::less<void*>()(a.internalPointer(), b.internalPointer());
    return std::less<const void*>()(a.model(), b.model());
}

QModelIndex parentOrSelf(const QModelIndex& index)
{
    const QModelIndex parent = index.parent();
    return parent.isValid() ? parent : index;
}

QModelIndex rangeBound(const QModelIndex& bound, const QModelIndex& index, bool lower)
{
    if (!bound.isValid())
        return index;
    if (!index.isValid())
        return bound;
    // A device row and one of its filter rows: the device row, which dataChanged then covers
    // with its filter rows.
    if (index.parent() == bound)
        return bound;
    if (bound.parent() == index)
        return index;
    const QModelIndex a = parentOrSelf(bound);
    const QModelIndex b = parentOrSelf(index);
    if (a == b)
        return lessThan(bound, index) == lower ? bound : index;
    return lessThan(a, b) == lower ? a : b;
}

} // namespace

OvAnnunciatorsModel::OvAnnunciatorsModel(bool isViewer, QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(new OvAnnunciatorDev)
    , m_viewerMode(isViewer)
{
    qRegisterMetaType<OvAnnunciatorsSystem>("OvAnnunciatorsSystem");
    qRegisterMetaType<QModelIndexList>("QModelIndexList");
}

OvAnnunciatorsModel::~OvAnnunciatorsModel()
{
    delete m_root;
}

QModelIndex OvAnnunciatorsModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    if (column < 0 || column >= kColumns)
        return QModelIndex();
    OvAnnunciatorDev* parentItem = itemForIndex(parent);
    TreeItem* child = parentItem ? parentItem->child(row) : nullptr;
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex OvAnnunciatorsModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    OvAnnunciatorDev* item = itemForIndex(index);
    if (!item || item == m_root)
        return QModelIndex();
    TreeItem* up = item->parent();
    if (!up || up == m_root)
        return QModelIndex();
    return createIndex(up->row(), 0, up);
}

int OvAnnunciatorsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    OvAnnunciatorDev* item = itemForIndex(parent);
    return item ? item->childCount() : 0;
}

int OvAnnunciatorsModel::columnCount(const QModelIndex&) const
{
    return kColumns;
}

QVariant OvAnnunciatorsModel::data(const QModelIndex& index, int role) const
{
    const OvAnnunciatorDev* row = rowOf(index);
    if (!row)
        return QVariant();
    const bool filter = row->itemKind() == OvAnnunciatorDev::kFilter;
    switch (role) {
    case itemAddress: return row->addressText();
    case itemIconName: return row->iconName();
    case devEnabled: return row->isValid();
    case description: return row->description();
    case filterTarget:
        if (!filter)
            return QString();
        return row->targetText().isEmpty() ? qtTrId("LBL_TARGET_SELECTION") : row->targetText();
    case isFilterItem: return filter;
    case devErrInfo: return row->errorText();
    case filterType: return getDeviceModelFilter(index);
    case addFilterCmd: return canAddFilterTo(row);
    case removeFilterCmd: return canRemoveFilterFrom(row);
    case nullData: return QVariant();
    case zoneRangeStart: qCDebug(lcModelPaint) << "Zonestart " << row->startingZone(); return row->startingZone();
    case viewerType: return row->viewerType();
    default: break;
    }
    qCDebug(lcModelPaint).nospace() << "OvAnnunciatorsModel::data:Role: " << role << "\tNot Handled";
    return QVariant();
}

QVariant OvAnnunciatorsModel::headerData(int, Qt::Orientation, int role) const
{
    qCInfo(lcModelPaint) << "OvAnnunciatorsModel::headerData ROLE = " << role;
    return QVariant();
}

Qt::ItemFlags OvAnnunciatorsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QHash<int, QByteArray> OvAnnunciatorsModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractItemModel::roleNames();
    const QHash<int, QByteArray>& own = ownRoleNames();
    for (auto it = own.cbegin(); it != own.cend(); ++it)
        names.insert(it.key(), it.value());
    return names;
}

const QHash<int, QByteArray>& OvAnnunciatorsModel::ownRoleNames()
{
    static const QHash<int, QByteArray> names{
        {itemAddress, "itemAddress"},         {itemIconName, "itemIconName"}, {devEnabled, "devEnabled"},
        {description, "description"},         {filterTarget, "filterTarget"}, {isFilterItem, "isFilterItem"},
        {devErrInfo, "devErrInfo"},           {filterType, "filterType"},     {addFilterCmd, "addFilterCmd"},
        {removeFilterCmd, "removeFilterCmd"}, {nullData, "nullData"},         {zoneRangeStart, "zoneRangeStart"},
        {viewerType, "viewerType"},
    };
    return names;
}

QString OvAnnunciatorsModel::roleNameOf(int role)
{
    if ((role >= itemAddress && role <= devErrInfo) || (role >= nullData && role <= viewerType))
        return QString::fromLatin1(ownRoleNames().value(role));
    return QStringLiteral("UNDEF");
}

QModelIndex OvAnnunciatorsModel::indexForItem(TreeItem* item) const
{
    return item ? createIndex(item->row(), 0, item) : QModelIndex();
}

OvAnnunciatorDev* OvAnnunciatorsModel::itemForIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return m_root;
    const void* pointer = index.internalPointer();
    if (index.model() != this || !pointer)
        return nullptr;
    // Only addresses are compared: the pointer may name an item that no longer exists.
    OvAnnunciatorDev* device = m_root->childDev(index.row());
    if (device && static_cast<const void*>(device) == pointer)
        return device;
    for (int d = 0; d < m_root->childCount(); ++d) {
        OvAnnunciatorDev* row = m_root->childDev(d)->childDev(index.row());
        if (row && static_cast<const void*>(row) == pointer)
            return row;
    }
    return nullptr;
}

OvAnnunciatorDev* OvAnnunciatorsModel::rowOf(const QModelIndex& index) const
{
    OvAnnunciatorDev* item = itemForIndex(index);
    return item == m_root ? nullptr : item;
}

OvAnnunciatorDeviceItem* OvAnnunciatorsModel::deviceOf(const QModelIndex& index) const
{
    OvAnnunciatorDev* row = rowOf(index);
    return row && row->itemKind() == OvAnnunciatorDev::kDevice ? static_cast<OvAnnunciatorDeviceItem*>(row) : nullptr;
}

OvAnnunciatorFilterItem* OvAnnunciatorsModel::filterOf(const QModelIndex& index) const
{
    OvAnnunciatorDev* row = rowOf(index);
    return row && row->itemKind() == OvAnnunciatorDev::kFilter ? static_cast<OvAnnunciatorFilterItem*>(row) : nullptr;
}

QModelIndex OvAnnunciatorsModel::firstColumnOf(const QModelIndex& index) const
{
    return index.column() != 0 && rowOf(index) ? createIndex(index.row(), 0, index.internalPointer()) : index;
}

QModelIndexList OvAnnunciatorsModel::rowsOf(const QModelIndexList& selection) const
{
    QModelIndexList rows;
    QSet<const void*> seen;
    for (const QModelIndex& index : selection) {
        const QModelIndex row = firstColumnOf(index);
        if (!rowOf(row) || !seen.contains(row.internalPointer())) {
            seen.insert(row.internalPointer());
            rows << row;
        }
    }
    return rows;
}

void OvAnnunciatorsModel::rebuildModel(int cpuIndex)
{
    qDebug() << "REBLUILD VIEVER MODEL FOR INDEX " << (m_viewerMode ? "true" : "false") << cpuIndex;
    beginResetModel();
    m_activeCPU = cpuIndex;
    emit activeCPUChanged();
    buildTree();
    endResetModel();
    qDebug() << "<<<";
}

void OvAnnunciatorsModel::setActiveCPU(int cpuIndex)
{
    if (cpuIndex == m_activeCPU)
        return;
    rebuildModel(cpuIndex);
    emit activeCPUChanged();
}

void OvAnnunciatorsModel::buildTree()
{
    delete m_root;
    m_root = new OvAnnunciatorDev;
    const Plant* plant = ActivePlant::get();
    if (m_activeCPU < 0 || !plant)
        return;
    // A copy: reading an absent address must not add it to the plant's map.
    OvAnnunciatorsSystem map(u32(m_activeCPU + 1));
    if (const CPUDevice* cpu = plant->cpus().cpuAt(m_activeCPU))
        map = m_viewerMode ? cpu->viewers() : cpu->annunciators();
    const int rows = m_viewerMode && Configuration::instance()->isKV() ? kKVViewerRows : kAnnunciatorRows;
    for (int address = 1; address <= rows; ++address) {
        const OvAnnunciator entry = map.annunciators().value(address);
        auto* device = new OvAnnunciatorDeviceItem(entry, address, m_root);
        m_root->appendChild(device);
        for (const ZpEventFilter* filter : entry.filters()) {
            if (!filter)
                continue;
            std::unique_ptr<ZpEventFilter> clone = filter->clone();
            if (clone)
                device->appendFilterRow(new OvAnnunciatorFilterItem(std::move(clone), device));
        }
    }
}

QModelIndex OvAnnunciatorsModel::rangeLowerBound(const QModelIndex& bound, const QModelIndex& index)
{
    return rangeBound(bound, index, true);
}

QModelIndex OvAnnunciatorsModel::rangeUpperBound(const QModelIndex& bound, const QModelIndex& index)
{
    return rangeBound(bound, index, false);
}

void OvAnnunciatorsModel::notifyRangeChanged(const QModelIndex& first, const QModelIndex& last,
                                             const QVector<int>& roles)
{
    if (!first.isValid() || !last.isValid())
        return;
    const QModelIndex parent = first.parent();
    if (parent != last.parent())
        return;
    emit dataChanged(first, last, roles);
    OvAnnunciatorDev* parentItem = itemForIndex(parent);
    if (!parentItem)
        return;
    for (int r = first.row(); r <= last.row(); ++r) {
        OvAnnunciatorDev* row = parentItem->childDev(r);
        if (!row)
            break;
        if (row->itemKind() == OvAnnunciatorDev::kDevice && row->childCount() > 0) {
            const QModelIndex device = indexForItem(row);
            emit dataChanged(index(0, 0, device), index(row->childCount() - 1, 0, device), roles);
        }
    }
}

void OvAnnunciatorsModel::test()
{
    qDebug() << "TEST";
}

bool OvAnnunciatorsModel::isValid(const QModelIndex& index, int) const
{
    const OvAnnunciatorDev* row = rowOf(index);
    return row && row->isValid();
}

QString OvAnnunciatorsModel::getFilterType(const QModelIndex& idx) const
{
    const OvAnnunciatorFilterItem* row = filterOf(idx);
    return row ? row->description() : QString();
}

QModelIndexList OvAnnunciatorsModel::selectAll(const QModelIndex& idx) const
{
    QModelIndexList all;
    const OvAnnunciatorDev* item = itemForIndex(idx);
    const TreeItem* parentItem = item ? item->parent() : nullptr;
    if (!parentItem)
        return all;
    for (int r = 0; r < parentItem->childCount(); ++r)
        all << createIndex(r, 0, parentItem->child(r));
    return all;
}

bool OvAnnunciatorsModel::isFilter(const QModelIndex& idx) const
{
    return filterOf(idx) != nullptr;
}

bool OvAnnunciatorsModel::areCoerent(const QModelIndexList& selection) const
{
    if (selection.size() < 2)
        return true;
    int kind = -1;
    for (const QModelIndex& index : selection) {
        const OvAnnunciatorDev* row = rowOf(index);
        if (!row || (kind >= 0 && row->itemKind() != kind))
            return false;
        kind = row->itemKind();
    }
    return true;
}

int OvAnnunciatorsModel::getDeviceModelFilter(const QModelIndex& idx) const
{
    const OvAnnunciatorFilterItem* row = filterOf(idx);
    if (!row)
        return 0;
    const int type = row->typeCode;
    if (type == 1)
        return 2;
    if (type >= 3 && type <= 7)
        return 1;
    if (type >= 8 && type <= 11)
        return 6;
    if (type >= 12 && type <= 15)
        return 26;
    return 0;
}

bool OvAnnunciatorsModel::canBeUsedForCopy(const QModelIndexList& cells) const
{
    const QModelIndexList selection = rowsOf(cells);
    if (selection.size() != 1)
        return false;
    const OvAnnunciatorDev* row = rowOf(selection.first());
    return row && row->isValid();
}

bool OvAnnunciatorsModel::canBeUsedForPaste(const QModelIndex& from, const QModelIndexList& cells) const
{
    const QModelIndexList selection = rowsOf(cells);
    if (selection.isEmpty() || (selection.size() == 1 && selection.first() == firstColumnOf(from)))
        return false;
    const OvAnnunciatorDev* source = rowOf(from);
    if (!source || !source->isValid())
        return false;
    for (const QModelIndex& index : selection) {
        const OvAnnunciatorDev* row = rowOf(index);
        if (!row || row->itemKind() != source->itemKind())
            return false;
    }
    return true;
}

bool OvAnnunciatorsModel::canBeResetted(const QModelIndexList& selection) const
{
    for (const QModelIndex& index : selection) {
        const OvAnnunciatorDev* row = rowOf(index);
        if (row && row->isValid())
            return true;
    }
    return false;
}

bool OvAnnunciatorsModel::canAddFilterTo(const OvAnnunciatorDev* row)
{
    return row && row->itemKind() == OvAnnunciatorDev::kDevice && row->isValid()
        && row->childCount() < OvAnnunciatorDeviceItem::kMaxFilters;
}

bool OvAnnunciatorsModel::canRemoveFilterFrom(const OvAnnunciatorDev* row)
{
    return row && row->itemKind() == OvAnnunciatorDev::kDevice && row->isValid() && row->childCount() > 0;
}

bool OvAnnunciatorsModel::canAddFilter(const QModelIndexList& selection) const
{
    if (selection.isEmpty())
        return false;
    for (const QModelIndex& index : selection)
        if (!canAddFilterTo(rowOf(index)))
            return false;
    return true;
}

bool OvAnnunciatorsModel::canRmFilter(const QModelIndexList& selection) const
{
    if (selection.isEmpty())
        return false;
    for (const QModelIndex& index : selection)
        if (!canRemoveFilterFrom(rowOf(index)))
            return false;
    return true;
}

int OvAnnunciatorsModel::countEnabled() const
{
    int count = 0;
    for (int r = 0; r < m_root->childCount(); ++r)
        if (m_root->childDev(r)->isValid())
            ++count;
    return count;
}
