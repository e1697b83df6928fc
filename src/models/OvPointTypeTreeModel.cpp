#include "models/OvPointTypeTreeModel.h"

#include "models/ModelLogging.h"
#include "models/PointTypeItem.h"

#include "core/Configuration.h"
#include "plant/OvGenericPoint.h"
#include "plant/PointType.h"
#include "plant/PointTypeList.h"

#include "ZpData/Values/DeviceCatalogue.h"

#include <QDebug>

namespace {

enum Column { kProtocol = 0, kSeries, kFamily, kHwType, kSwType, kName, kSubCount };

constexpr int kColumns = 4;
// Software types with either of these bits have no name of their own.
constexpr int kUnnamedBits = 0xC0;

QString swTypeName(int swType)
{
    return (swType & kUnnamedBits) ? QString() : QString::fromLatin1(get_type_name(u32(swType)));
}

bool isBrandOneExcluded(int hwType)
{
    static const int kExcluded[] = {31, 61, 84, 96, 115, 116, 137, 139, 145, 180, 181, 182, 195, 200, 214, 222};
    if (hwType >= 16397 && hwType <= 16402)
        return true;
    for (int code : kExcluded)
        if (code == hwType)
            return true;
    return false;
}

int seriesOfClass(u32 codeClass)
{
    switch (codeClass) {
    case 0: return 1;
    case 1: return 2;
    case 2: return 4;
    default: return 0;
    }
}

} // namespace

OvPointTypeTreeModel::OvPointTypeTreeModel()
    : OvPointTypeTreeModel(0, 0)
{
}

OvPointTypeTreeModel::OvPointTypeTreeModel(int protocol, int family)
    : m_protocol(protocol)
    , m_family(family)
{
    buildTree();
}

OvPointTypeTreeModel::~OvPointTypeTreeModel()
{
    m_holdsSubPoint = false;
    delete m_root;
    m_root = nullptr;
}

void OvPointTypeTreeModel::setProtocolAndFamily(int protocol, int family)
{
    m_subPointMode = false;
    if (protocol == m_protocol && family == m_family)
        return;
    beginResetModel();
    m_protocol = protocol;
    m_family = family;
    buildTree();
    endResetModel();
}

void OvPointTypeTreeModel::setPointFilter(const OvGenericPoint* point, bool dropType16397, int maxSubCount,
                                          bool excludeSeries2, int maxSubCountSeries1, int maxSubCountSeries2,
                                          bool decadeAddress)
{
    qDebug() << "OvPointTypeTreeModel::setPointFilter >>>";
    if (!point) {
        qDebug() << "OvPointTypeTreeModel::setPointFilter <<<";
        return;
    }
    if (point->getSubIndex() == 0) {
        const bool heldOne = m_holdsSubPoint;
        m_holdsSubPoint = false;
        if (heldOne || dropType16397 != m_dropType16397 || maxSubCount != m_maxSubCount
            || excludeSeries2 != m_excludeSeries2 || maxSubCountSeries1 != m_maxSubCountSeries1
            || maxSubCountSeries2 != m_maxSubCountSeries2 || decadeAddress != m_decadeAddress) {
            beginResetModel();
            m_dropType16397 = dropType16397;
            m_maxSubCount = maxSubCount;
            m_excludeSeries2 = excludeSeries2;
            m_maxSubCountSeries1 = maxSubCountSeries1;
            m_maxSubCountSeries2 = maxSubCountSeries2;
            m_decadeAddress = decadeAddress;
            buildTree();
            endResetModel();
        }
    } else {
        SubPointKey key;
        key.protocol = point->protocol();
        key.series = point->series();
        key.family = point->family();
        key.hwType = point->hwType();
        key.loop = point->loopIndex();
        key.address = point->address();
        key.subIndex = point->getSubIndex();
        if (!m_holdsSubPoint || !(key == m_subPoint)) {
            m_holdsSubPoint = true;
            m_subPoint = key;
            buildSubPointList();
        }
    }
    qDebug() << "OvPointTypeTreeModel::setPointFilter <<<";
}

bool OvPointTypeTreeModel::isDropped(int series, int hwType, int channels) const
{
    if (m_dropType16397 && series == 2 && hwType == 16397)
        return true;
    if (!m_decadeAddress
        && ((series == 1 && hwType >= 206 && hwType <= 208) || (series == 2 && hwType >= 16400 && hwType <= 16402)))
        return true;
    if (m_excludeSeries2 && series == 2) {
        qDebug() << "PointType Build Model IS VARN";
        return true;
    }
    if ((series == 2 && m_maxSubCountSeries2 >= 1 && channels > m_maxSubCountSeries2)
        || (series == 1 && m_maxSubCountSeries1 >= 1 && channels > m_maxSubCountSeries1))
        return true;
    return Configuration::instance()->current_brand() == 1 && isBrandOneExcluded(hwType);
}

void OvPointTypeTreeModel::buildTree()
{
    m_subPointMode = false;
    delete m_root;
    m_root = new PointTypeItem();

    if (!m_typeList) {
        m_typeList.reset(new PointTypeList(m_protocol, m_family));
    } else if (m_typeList->protocol() != m_protocol || m_typeList->family() != m_family) {
        qDebug().nospace() << "CREATE POINT LIST tpe:" << m_family << " prt:" << m_protocol;
        m_typeList.reset(new PointTypeList(m_protocol, m_family));
    }

    for (const PointTypeHw& hw : m_typeList->entries()) {
        const int channels = hw.channels().size();
        const QString modelName = hw.getModelName();
        qDebug() << "AFTER CREATION " << hw.series() << hw.protocol() << hw.family() << modelName << channels;
        if (isDropped(hw.series(), hw.hwType(), channels))
            continue;
        if (channels >= 2) {
            if (m_maxSubCount >= 0 && channels > m_maxSubCount)
                continue;
            m_root->appendChild(new PointTypeItem(hw.protocol(), hw.series(), hw.family(), hw.hwType(), 0, modelName,
                                                  channels, m_root));
            continue;
        }
        const QList<int> swTypes = channels == 1 ? hw.channels().first().swTypes() : QList<int>();
        if (swTypes.size() >= 2) {
            auto* group = new PointTypeItem(hw.protocol(), hw.series(), hw.family(), hw.hwType(), 0, modelName,
                                            channels, m_root);
            m_root->appendChild(group);
            for (int swType : swTypes)
                group->appendChild(new PointTypeItem(hw.protocol(), hw.series(), hw.family(), hw.hwType(),
                                                     swType & 0xFF, swTypeName(swType), channels, group));
            continue;
        }
        addSingleTypeRow(hw.series(), hw.protocol(), hw.family(), hw.hwType(), modelName, channels, swTypes);
    }
}

void OvPointTypeTreeModel::addSingleTypeRow(int series, int protocol, int family, int hwType, const QString& modelName,
                                            int channels, const QList<int>& swTypes)
{
    const int swType = swTypes.isEmpty() ? 255 : (swTypes.first() & 0xFF);
    const Configuration* config = Configuration::instance();
    QString name = modelName;
    if (!config->isLoopProtocolAllowed(m_family == 2))
        name = swTypes.isEmpty() ? QString() : swTypeName(swTypes.first());
    auto* row = new PointTypeItem(protocol, series, family, hwType, swType, name, channels, m_root);
    m_root->appendChild(row);
    for (const QVariant& code : config->getAllowedDeviceTypes(quint8(swType))) {
        const u16 device = u16(code.toUInt());
        const int codeSeries = seriesOfClass(get_code_class(device));
        row->appendChild(new PointTypeItem(codeSeries, codeSeries, family, device, swType,
                                           QString::fromLatin1(get_device_model_name(device)), int(get_sub_num(device)),
                                           row));
    }
}

void OvPointTypeTreeModel::buildSubPointList()
{
    m_subPointMode = true;
    beginResetModel();
    delete m_root;
    m_root = new PointTypeItem();
    const SubPointKey& s = m_subPoint;
    const u32 loopType = PointType::loopTypeOf(s.protocol);
    const std::vector<u8> swList = get_sw_type_list(u16(s.hwType), loopType, u32(s.subIndex - 1),
                                                    PointType::panelFamily());
    if (swList.empty())
        qInfo() << "swList = NULL";
    for (u8 swType : swList)
        m_root->appendChild(new PointTypeItem(s.protocol, s.series, s.family, s.hwType, swType,
                                              swType > 63 ? QString() : QString::fromLatin1(get_type_name(swType)), 0,
                                              m_root));
    endResetModel();
}

// --- item model ---

TreeItem* OvPointTypeTreeModel::itemForIndex(const QModelIndex& index) const
{
    return TreeItem::fromIndex(index, m_root);
}

QModelIndex OvPointTypeTreeModel::indexFor(TreeItem* item) const
{
    return item ? createIndex(item->row(), 0, item) : QModelIndex();
}

QModelIndex OvPointTypeTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    TreeItem* parentItem = itemForIndex(parent);
    TreeItem* child = parentItem ? parentItem->child(row) : nullptr;
    if (!child || column < 0 || column >= kColumns)
        return QModelIndex();
    return createIndex(row, column, child);
}

QModelIndex OvPointTypeTreeModel::parent(const QModelIndex& index) const
{
    if (!index.isValid() || !index.internalPointer())
        return QModelIndex();
    TreeItem* parentItem = itemForIndex(index)->parent();
    if (!parentItem || parentItem == m_root)
        return QModelIndex();
    return indexFor(parentItem);
}

int OvPointTypeTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_root ? m_root->childCount() : 0;
    if (parent.column() != 0)
        return 0;
    auto* item = static_cast<TreeItem*>(parent.internalPointer());
    if (!item || item->self() != item) {
        qCritical() << "item != item->pThis";
        return 0;
    }
    return item->childCount();
}

int OvPointTypeTreeModel::columnCount(const QModelIndex&) const
{
    return kColumns;
}

QVariant OvPointTypeTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && m_root)
        return m_root->data(section);
    return QVariant();
}

Qt::ItemFlags OvPointTypeTreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QVariant OvPointTypeTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !index.internalPointer())
        return QVariant();
    const auto* item = static_cast<const PointTypeItem*>(itemForIndex(index));
    if (item == m_root)
        return QVariant();
    switch (role) {
    case PointItemNameRole: {
        const QString name = item->data(kName).toString();
        qCDebug(lcModelPaint) << "name from model DATA " << name;
        return name;
    }
    case PointItemIconNameRole:
        if (item->parent() == m_root && item->getSeries() == 2 && !m_subPointMode)
            return PointType::getIconName(item->getFamily(), item->getSeries());
        return QStringLiteral("null.png");
    default:
        qCDebug(lcModelPaint).nospace() << "OvPointTypeTreeModel::data:Role: " << role << "\tNot Handled";
        return QVariant();
    }
}

bool OvPointTypeTreeModel::setData(const QModelIndex&, const QVariant&, int)
{
    return false;
}

bool OvPointTypeTreeModel::setHeaderData(int, Qt::Orientation, const QVariant&, int)
{
    return false;
}

bool OvPointTypeTreeModel::insertRows(int, int, const QModelIndex&)
{
    return false;
}

bool OvPointTypeTreeModel::insertColumns(int, int, const QModelIndex&)
{
    return false;
}

bool OvPointTypeTreeModel::removeRows(int, int, const QModelIndex&)
{
    return false;
}

bool OvPointTypeTreeModel::removeColumns(int, int, const QModelIndex&)
{
    return false;
}

QHash<int, QByteArray> OvPointTypeTreeModel::roleNames() const
{
    QHash<int, QByteArray> roles;
    roles[PointItemIconNameRole] = "pointItemIconName";
    roles[PointItemNameRole] = "pointItemName";
    roles[PointItemValueRole] = "pointItemValue";
    roles[PointItemDescriptionRole] = "pointItemDescription";
    return roles;
}

// --- invokables ---

bool OvPointTypeTreeModel::canBeSelected(const QModelIndex& index) const
{
    if (!index.isValid() || !index.internalPointer())
        return false;
    TreeItem* item = itemForIndex(index);
    return item != m_root && item->childCount() == 0;
}

QVariant OvPointTypeTreeModel::getPointType(const QModelIndex& index) const
{
    const auto* item = static_cast<const PointTypeItem*>(itemForIndex(index));
    if (!item)
        return QVariant();
    return QVariant::fromValue(PointType(item->getProtocol(), item->getFamily(), item->getSeries(),
                                         ushort(item->data(kHwType).toUInt()), uchar(item->data(kSwType).toUInt()),
                                         item->data(kSubCount).toInt()));
}

QModelIndex OvPointTypeTreeModel::getFirstIndex() const
{
    return index(0, 0);
}

QString OvPointTypeTreeModel::nameOf(const TreeItem* item)
{
    return item->data(kName).toString();
}

QModelIndex OvPointTypeTreeModel::getFirstIndex(const QString& text) const
{
    const QModelIndex first = index(0, 0);
    if (!m_root || text.isEmpty())
        return first;
    for (int r = 0; r < m_root->childCount(); ++r) {
        TreeItem* row = m_root->child(r);
        // A channel's rows are its types alone; the channel is named with its module's model.
        if (nameOf(row) == text || (m_subPointMode && text.endsWith(QStringLiteral(" - ") + nameOf(row))))
            return indexFor(row);
        for (int c = 0; c < row->childCount(); ++c) {
            TreeItem* child = row->child(c);
            if (nameOf(row) + QStringLiteral(" - ") + nameOf(child) == text)
                return indexFor(child);
        }
    }
    return first;
}

TreeItem* OvPointTypeTreeModel::findByPrefix(TreeItem* item, const QString& prefix, bool withSiblings)
{
    for (int r = 0; r < item->childCount(); ++r) {
        TreeItem* child = item->child(r);
        if (nameOf(child).startsWith(prefix, Qt::CaseInsensitive))
            return child;
        if (TreeItem* found = findByPrefix(child, prefix, false))
            return found;
    }
    if (!withSiblings)
        return nullptr;
    for (TreeItem* sibling = item->nextSibling(); sibling; sibling = sibling->nextSibling()) {
        if (nameOf(sibling).startsWith(prefix, Qt::CaseInsensitive))
            return sibling;
        if (TreeItem* found = findByPrefix(sibling, prefix, false))
            return found;
    }
    return nullptr;
}

QModelIndex OvPointTypeTreeModel::keyPressed(const QModelIndex& index, Qt::Key keyPressed) const
{
    QModelIndex result = this->index(0, 0);
    // Qt's key codes of letters and digits are their Latin-1 codes.
    if (int(keyPressed) <= 0x20 || int(keyPressed) > 0xFF)
        return result;
    const QString prefix = QString(QChar(int(keyPressed)));
    TreeItem* current = itemForIndex(index);
    if (TreeItem* found = findByPrefix(current, prefix, true))
        return indexFor(found);
    TreeItem* parentItem = current->parent();
    if (!parentItem)
        return result;
    for (TreeItem* sibling = parentItem->nextSibling(); sibling; sibling = sibling->nextSibling()) {
        if (TreeItem* found = findByPrefix(sibling, prefix, true)) {
            result = indexFor(found);
            break;
        }
    }
    if (result.row() == 0) {
        for (TreeItem* up = parentItem; up; up = up->parent()) {
            if (TreeItem* found = findByPrefix(up, prefix, true))
                return indexFor(found);
        }
    }
    return result;
}

QModelIndex OvPointTypeTreeModel::getParent(const QModelIndex& index) const
{
    TreeItem* item = itemForIndex(index);
    if (!item || !item->parent())
        return index;
    return createIndex(item->parent()->row(), 0, item->parent());
}

QModelIndex OvPointTypeTreeModel::getNext(const QModelIndex& index, bool isExpanded) const
{
    qInfo().nospace() << "currentIndex = " << index << "\tIsExpandend = " << (isExpanded ? "true" : "false");
    TreeItem* item = itemForIndex(index);
    if (!item)
        return index;
    TreeItem* next = item->childCount() > 0 && isExpanded ? item->child(0) : item->nextSibling();
    if (!next || !next->parent())
        next = item->parent() ? item->parent()->nextSibling() : nullptr;
    return next ? indexFor(next) : index;
}

QModelIndex OvPointTypeTreeModel::getPrev(const QModelIndex& index) const
{
    TreeItem* item = itemForIndex(index);
    qInfo() << "currentIndex = " << index << "currentItem ROW = " << (item ? item->row() : -1);
    if (!item || !item->parent())
        return index;
    TreeItem* target = nullptr;
    if (item->row() == 0) {
        qInfo() << "Prendo il padre";
        target = item->parent();
    } else {
        qInfo() << "Prendo il fratello maggiore";
        target = item->parent()->child(item->row() - 1);
    }
    if (!target || target == m_root)
        return index;
    return indexFor(target);
}
