#include "models/OvPointModel.h"

#include "models/ChoiceListModels.h"
#include "models/ModelLogging.h"
#include "models/OvPointMdlItem.h"
#include "models/OvPointTypeTreeModel.h"

#include "cbe/CBEExpression.h"
#include "plant/ActivePlant.h"
#include "plant/CPUDevice.h"
#include "plant/CPUSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include "ZpData/Values/DeviceCatalogue.h"

#include <QCoreApplication>
#include <QDebug>
#include <QQmlEngine>

#include <climits>

namespace {

constexpr int kColumns = 23;

const QList<QVariant>& rowColumns()
{
    static const QList<QVariant> columns{QStringLiteral("deviceIndex")};
    return columns;
}

// An address's index text, alike on rows with and without a point so the column lines up.
QString addressText(unsigned address)
{
    return QStringLiteral("#%1").arg(address, 3);
}

// Objects handed to QML stay ours: the engine must never collect them.
void keepNative(QObject* object)
{
    QQmlEngine::setObjectOwnership(object, QQmlEngine::CppOwnership);
}

// Every field, the error codes of the point and its channels included.
bool sameState(const OvGenericPoint& a, const OvGenericPoint& b)
{
    if (!a.isEqual(b) || a.cbeErrorCode() != b.cbeErrorCode())
        return false;
    for (int k = 0; k < a.subPoints().size(); ++k) {
        if (a.subPoints().at(k).cbeErrorCode() != b.subPoints().at(k).cbeErrorCode())
            return false;
    }
    return true;
}

// Whether the two give the same rows and channel rows.
bool sameRows(const OvGenericPoint& a, const OvGenericPoint& b)
{
    return a.family() == b.family() && a.hwType() == b.hwType() && a.series() == b.series()
        && a.subPoints().size() == b.subPoints().size() && a.isValid() == b.isValid();
}

// What the mixed table lists for address i + 1 of a loop: 0 no row, 1 the detector, 2 the module.
int mixedRow(const OvLoop& loop, int i)
{
    const OvGenericPoint* s = loop.sensors().value(i);
    const OvGenericPoint* m = loop.modules().value(i);
    const bool moduleValid = m && m->isValid();
    if (s && s->isComplete() && moduleValid)
        return 0;
    return (s && s->isValid()) || !moduleValid ? 1 : 2;
}

// Into a point that rows name: its channels are assigned one by one, so that the channel rows
// keep naming them.
void assignInPlace(OvGenericPoint* to, const OvGenericPoint& from)
{
    to->assignData(from);
    to->setCBEErrorCode(from.cbeErrorCode());
    for (const OvGenericSubPoint& channel : from.subPoints())
        to->updateSubPoint(channel);
}

} // namespace

OvPointModel::OvPointModel(int mode, QObject* parent)
    : QAbstractItemModel(parent)
    , m_mode(mode)
    , m_root(new OvPointMdlItem({}, nullptr))
{
    registerMetaTypes();
    connect(this, &QAbstractItemModel::columnsMoved, this, &OvPointModel::onColumnMoved);
    connect(this, &QAbstractItemModel::modelReset, this, &OvPointModel::onRowsGone);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &OvPointModel::onRowsGone);
}

OvPointModel::~OvPointModel()
{
    delete m_root;
    m_root = nullptr;
    delete m_korvaModel;
    m_korvaModel = nullptr;
}

void OvPointModel::registerMetaTypes()
{
    qRegisterMetaType<QModelIndexList>("QModelIndexList");
    qRegisterMetaType<PointType>("PointType");
    qRegisterMetaType<OvGenericPoint>("OvGenericPoint");
}

int OvPointModel::protocolOfLoopType(int type)
{
    switch (type) {
    case OvLoop::LOOP_ZAV200: return 1;
    case OvLoop::LOOP_VARN500: return 2;
    default: return 4;
    }
}

// --- rows ---

void OvPointModel::setActiveLoop(const OvLoop& loop)
{
    beginResetModel();
    if (loop.type() != m_loop.type()) {
        const int protocol = protocolOfLoopType(loop.type());
        if (m_sensorTypeTree)
            m_sensorTypeTree->setProtocolAndFamily(protocol, 1);
        if (m_moduleTypeTree)
            m_moduleTypeTree->setProtocolAndFamily(protocol, 2);
    }
    m_loop = loop;
    buildRows();
    endResetModel();
    emit activeLoopChanged();
}

bool OvPointModel::syncWithPlant()
{
    const Plant* plant = ActivePlant::get();
    const CPUDevice* cpu = plant && m_commandDepth == 0 && m_loop.ownerCpu() >= 1 && m_loop.loopIndex() >= 1
        ? plant->cpus().cpuAt(m_loop.ownerCpu() - 1)
        : nullptr;
    if (!cpu)
        return true;
    const OvLoop held = cpu->getLoop(u32(m_loop.loopIndex() - 1));
    if (held.ownerCpu() != m_loop.ownerCpu() || held.loopIndex() != m_loop.loopIndex())
        return true;
    bool rebuild = held.type() != m_loop.type() || held.sensors().size() != m_loop.sensors().size()
        || held.modules().size() != m_loop.modules().size();
    QList<QPair<OvGenericPoint*, const OvGenericPoint*>> stale;
    for (int family = 1; family <= 2 && !rebuild; ++family) {
        const QList<OvGenericPoint*>& mine = family == 1 ? m_loop.sensors() : m_loop.modules();
        const QList<OvGenericPoint*>& theirs = family == 1 ? held.sensors() : held.modules();
        for (int i = 0; i < mine.size() && !rebuild; ++i) {
            if (sameState(*mine.at(i), *theirs.at(i)))
                continue;
            // The error filter lists rows by their codes and zones: any change may move them.
            rebuild = !sameRows(*mine.at(i), *theirs.at(i)) || (m_filter & kOnlyErrors)
                || (m_mode == kMixed && mixedRow(m_loop, i) != mixedRow(held, i));
            stale.append(qMakePair(mine.at(i), static_cast<const OvGenericPoint*>(theirs.at(i))));
        }
    }
    if (rebuild) {
        qInfo() << "OvPointModel::syncWithPlant: rows rebuilt from the plant, mode" << m_mode;
        setActiveLoop(held);
        return false;
    }
    for (const auto& point : stale)
        assignInPlace(point.first, *point.second);
    const int rows = rowCount();
    if (stale.isEmpty() || rows == 0)
        return true;
    emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    for (int r = 0; r < rows; ++r) {
        const QModelIndex row = index(r, 0);
        const int channels = rowCount(row);
        if (channels > 0)
            emit dataChanged(index(0, 0, row), index(channels - 1, columnCount() - 1, row));
    }
    return true;
}

void OvPointModel::rebuildModel()
{
    qInfo() << "OvPointModel::rebuildModel >>>";
    beginResetModel();
    buildRows();
    endResetModel();
    qInfo() << "OvPointModel::rebuildModel <<<";
}

void OvPointModel::buildRows()
{
    delete m_root;
    m_root = new OvPointMdlItem({}, nullptr);
    const QList<OvGenericPoint*>& sensors = m_loop.sensors();
    const QList<OvGenericPoint*>& modules = m_loop.modules();
    switch (m_mode) {
    case kSensors:
        qDebug() << "SENDORCOUNT " << sensors.size();
        for (int i = 0; i < sensors.size(); ++i)
            addSensorRow(i);
        break;
    case kModules:
        m_spanIndex = -1;
        for (int i = 0; i < modules.size(); ++i)
            addModuleRow(i);
        break;
    default:
        m_spanIndex = -1;
        for (int i = 0; i < sensors.size(); ++i) {
            const OvGenericPoint* s = sensors.at(i);
            const OvGenericPoint* m = i < modules.size() ? modules.at(i) : nullptr;
            const bool moduleValid = m && m->isValid();
            if (s && s->isComplete() && moduleValid)
                qDebug() << "ORCO, GLI INDICI COINCIDONO...";
            else if (s && s->isValid())
                addSensorRow(i);
            else if (moduleValid)
                addModuleRow(i);
            else
                addSensorRow(i);
        }
        break;
    }
}

void OvPointModel::appendPointRow(const OvGenericPoint* p)
{
    auto* row = new OvPtItem(rowColumns(), m_root, p);
    m_root->appendChild(row);
    for (const OvGenericSubPoint& channel : p->subPoints())
        row->appendChild(new OvSubItem(rowColumns(), row, &channel));
}

void OvPointModel::addSensorRow(int i)
{
    const OvGenericPoint* s = m_loop.sensors().value(i);
    if (!s) {
        qDebug() << "PT NULL at:" << i;
        return;
    }
    if ((m_filter & kOnlyValid) && !s->isValid())
        return;
    if ((m_filter & kOnlyErrors) && s->getCBEErrorCode() == 0 && s->isAreaAssigned())
        return;
    appendPointRow(s);
}

void OvPointModel::addModuleRow(int i)
{
    const OvGenericPoint* m = m_loop.modules().value(i);
    if (!m) {
        qDebug() << "PT NULL at:" << i;
        return;
    }
    // The addresses a module's channels take show no rows of their own, unless another module
    // takes one too: the user must see that. The span ends at its last address even when that
    // address is never offered here (mixed table, filters).
    if (m_spanIndex >= 0 && i > m_spanIndex + m_spanLast)
        m_spanIndex = -1;
    if (m_spanIndex >= 0 && m->hwType() == 0) {
        if (i == m_spanIndex + m_spanLast)
            m_spanIndex = -1;
        return;
    }
    if ((m_filter & kOnlyValid) && !m->isValid())
        return;
    if (m_filter & kOnlyErrors) {
        const Plant* plant = ActivePlant::get();
        if (!plant)
            return;
        if (m->getCBEErrorCode() == 0 && m->isAreaAssigned() && plant->checkKorvaModule(m) == 0
            && !m_loop.sharesAddress(*m))
            return;
    }
    const int span = m_loop.spanOf(*m);
    if (span >= 2 && (m_spanIndex < 0 || i + span - 1 > m_spanIndex + m_spanLast)) {
        m_spanIndex = i;
        m_spanLast = span - 1;
    }
    appendPointRow(m);
}

void OvPointModel::rebuildChannels(const QModelIndex& index)
{
    TreeItem* item = itemForIndex(index);
    auto* row = dynamic_cast<OvPtItem*>(item);
    if (!row || !row->getPoint())
        return;
    const QModelIndex rowIndex = indexForItem(row);
    if (row->childCount() > 0) {
        beginRemoveRows(rowIndex, 0, row->childCount() - 1);
        row->removeAllChildren();
        endRemoveRows();
    }
    const OvGenericPoint* p = row->getPoint();
    const QList<OvGenericSubPoint>& channels = p->subPoints();
    if (channels.size() < 2)
        return;
    int listed = channels.size();
    if (p->family() == 2 && m_loop.type() == OvLoop::LOOP_VARN500)
        listed = qBound(0, 99 - int(p->address()) + 1, channels.size());
    if (listed == 0)
        return;
    beginInsertRows(rowIndex, 0, listed - 1);
    for (int k = 0; k < listed; ++k)
        row->appendChild(new OvSubItem(rowColumns(), row, &channels.at(k)));
    endInsertRows();
}

bool OvPointModel::insertPointItem(TreeItem* parent, int row, OvGenericPoint* p)
{
    if (row < 0 || !p || !parent)
        return false;
    if (p->getSubIndex() > 0)
        parent->insertChild(new OvSubItem(rowColumns(), parent, p), row);
    else
        parent->insertChild(new OvPtItem(rowColumns(), parent, p), row);
    return true;
}

void OvPointModel::flipFilterOnVoidAddresses()
{
    m_filter ^= kOnlyValid;
    rebuildModel();
}

void OvPointModel::flipFilterOnPointError()
{
    m_filter ^= kOnlyErrors;
    rebuildModel();
}

void OvPointModel::selectPoint(const OvGenericPoint& p)
{
    if (p.cpuIndex() != m_loop.ownerCpu() || p.loopIndex() != m_loop.loopIndex())
        return;
    for (int r = 0; r < m_root->childCount(); ++r) {
        const auto* item = static_cast<const OvPointMdlItem*>(m_root->child(r));
        const OvGenericPoint* q = item->getPoint();
        if (q && q->family() == p.family() && q->cpuIndex() == p.cpuIndex() && q->loopIndex() == p.loopIndex()
            && q->address() == p.address()) {
            emit pointSelected(index(r, 0));
            return;
        }
    }
}

void OvPointModel::select(int ptIdx)
{
    if (ptIdx >= 0 && ptIdx < m_root->childCount())
        emit pointSelected(index(ptIdx, 0));
}

void OvPointModel::onApplicationLanguageChanged()
{
    const QVector<int> roles{CbeRole};
    for (int r = 0; r < m_root->childCount(); ++r) {
        const auto* row = static_cast<const OvPointMdlItem*>(m_root->child(r));
        const QModelIndex rowIndex = index(r, 0);
        if (row->getPoint() && !row->getPoint()->cbe().isEmpty())
            emit dataChanged(rowIndex, rowIndex, roles);
        for (int c = 0; c < row->childCount(); ++c) {
            const auto* channel = static_cast<const OvPointMdlItem*>(row->child(c));
            if (channel->getPoint() && !channel->getPoint()->cbe().isEmpty()) {
                const QModelIndex channelIndex = index(c, 0, rowIndex);
                emit dataChanged(channelIndex, channelIndex, roles);
            }
        }
    }
}

void OvPointModel::markCopySource(const QModelIndex& index)
{
    const QModelIndex row = itemForIndex(index) != m_root ? index.sibling(index.row(), 0) : QModelIndex();
    if (m_copySource == row)
        return;
    m_copySource = row;
    m_copySourceShown = hasCopySource();
    emit copySourceChanged();
}

void OvPointModel::onRowsGone()
{
    if (m_copySourceShown == hasCopySource())
        return;
    m_copySourceShown = hasCopySource();
    emit copySourceChanged();
}

// --- item model ---

TreeItem* OvPointModel::itemForIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return m_root;
    // An index of another table, or of a row that is gone, names no row of this one.
    OvPointMdlItem* item = index.model() == this ? OvPointMdlItem::byId(index.internalId()) : nullptr;
    return item ? item : m_root;
}

QModelIndex OvPointModel::indexOf(int row, int column, TreeItem* item) const
{
    return createIndex(row, column, static_cast<OvPointMdlItem*>(item)->id());
}

QModelIndex OvPointModel::indexForItem(TreeItem* item) const
{
    return item && item != m_root ? indexOf(item->row(), 0, item) : QModelIndex();
}

QModelIndex OvPointModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    TreeItem* child = itemForIndex(parent)->child(row);
    if (!child || column < 0 || column >= kColumns)
        return QModelIndex();
    return indexOf(row, column, child);
}

QModelIndex OvPointModel::parent(const QModelIndex& child) const
{
    TreeItem* item = itemForIndex(child);
    TreeItem* parentItem = item != m_root ? item->parent() : nullptr;
    if (!parentItem || parentItem == m_root)
        return QModelIndex();
    return indexOf(parentItem->row(), 0, parentItem);
}

int OvPointModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return itemForIndex(parent)->childCount();
}

int OvPointModel::columnCount(const QModelIndex&) const
{
    return kColumns;
}

Qt::ItemFlags OvPointModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QVariant OvPointModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    qCDebug(lcModelPaint) << ">>>";
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_root->data(section);
    return QVariant();
}

QHash<int, QByteArray> OvPointModel::roleNames() const
{
    QHash<int, QByteArray> roles = QAbstractItemModel::roleNames();
    for (int role = IconNameRole; role <= IsValidRole; ++role)
        roles[role] = roleName(role).toLatin1();
    roles[IsValidRole] = "isValid";
    return roles;
}

QString OvPointModel::roleName(int role)
{
    static const char* const kNames[] = {
        "iconName",
        "hardwareType",
        "description",
        "areaIndex",
        "sensorType",
        "checkAudit",
        "checkFlashing",
        "checkTracking",
        "checkRaviSCtrlDisa",
        "checkTrackingMod",
        "checkFlashingMod",
        "checkAutoSilenceMod",
        "checkSilenceMod",
        "sensNormal",
        "sensLow",
        "sensHigh",
        "cbe",
        "alertLevelRAVI",
        "nullData",
        "fastInputDev1",
        "fastInputDev2",
        "fastInputLogic",
        "deviceIndex",
    };
    const int at = role - IconNameRole;
    return at >= 0 && at < int(sizeof(kNames) / sizeof(kNames[0])) ? QString::fromLatin1(kNames[at]) : QString();
}

QVariant OvPointModel::emptyRowData(const QModelIndex& index, int role) const
{
    const OvGenericPoint* p = getPoint(index);
    switch (role) {
    case IconNameRole: return QStringLiteral("null.png");
    case HardwareTypeRole: return qtTrId("ID_PT_NONE");
    case DescriptionRole:
    case CbeRole: return QString();
    case AreaIndexRole:
    case SensorTypeRole:
    case SensNormalRole:
    case SensLowRole:
    case SensHighRole:
    case AlertLevelRAVIRole:
    case FastInputDev1Role:
    case FastInputDev2Role: return 0;
    case CheckAuditRole:
    case CheckFlashingRole:
    case CheckTrackingRole:
    case CheckRaviSCtrlDisaRole:
    case CheckTrackingModRole:
    case CheckFlashingModRole:
    case CheckAutoSilenceModRole:
    case CheckSilenceModRole:
    case FastInputLogicRole: return false;
    case DeviceIndexRole: return p ? addressText(p->address()) : QString();
    case IsValidRole: return p && p->isValid();
    default:
        qCDebug(lcModelPaint).nospace() << "OvPointModel::data:Role: " << role << "\tNot Handled";
        return QVariant();
    }
}

QVariant OvPointModel::data(const QModelIndex& index, int role) const
{
    const OvGenericPoint* p = getPoint(index);
    if (!p || p->hwType() == 0)
        return emptyRowData(index, role);
    switch (role) {
    case IconNameRole: {
        const Plant* plant = ActivePlant::get();
        if (plant && plant->checkKorvaModule(p) != 0)
            return QStringLiteral("errors.png");
        if (p->getCBEErrorCode() != 0 || (!isChannel(index) && m_loop.sharesAddress(*p)))
            return QStringLiteral("errors.png");
        if (!isChannel(index))
            return p->isAreaAssigned() ? QStringLiteral("null.png") : QStringLiteral("warning.png");
        switch (p->inputType()) {
        case 1: return QStringLiteral("ptTypeIn.png");
        case 2: return QStringLiteral("ptTypeOut.png");
        default: return QStringLiteral("null.png");
        }
    }
    case HardwareTypeRole:
        if (isChannel(index))
            return PointType::getChannelTypeName(p->family(), p->protocol(), p->series(), p->hwType(), p->swType());
        if (p->subPoints().isEmpty())
            return PointType::getTypeName(p->family(), p->protocol(), p->series(), p->hwType(), p->swType());
        return QString::fromLatin1(get_device_model_name(p->hwType()));
    case DescriptionRole: return p->description();
    case AreaIndexRole: return p->areaIndex();
    case SensorTypeRole: return p->family();
    case CheckAuditRole: return p->checkAudit();
    case CheckFlashingRole: return p->checkFlashing();
    case CheckTrackingRole: return p->checkTracking();
    case CheckRaviSCtrlDisaRole: return p->checkRaviSCtrlDisa();
    case CheckTrackingModRole: return p->checkTrackingMod();
    case CheckFlashingModRole: return p->checkFlashingMod();
    case CheckAutoSilenceModRole: return p->checkAutoSilenceMod();
    case CheckSilenceModRole: return p->checkSilenceMod();
    case SensNormalRole: return p->sensNormal();
    case SensLowRole: return p->sensLow();
    case SensHighRole: return p->sensHigh();
    case CbeRole: return p->cbe().isEmpty() ? QString() : Ov4800::toStorageString(p->cbe());
    case AlertLevelRAVIRole: return p->alertLevel() - 1;
    case FastInputDev1Role: return p->fastInputDev1();
    case FastInputDev2Role: return p->fastInputDev2();
    case FastInputLogicRole: return p->fastInputLogic();
    case DeviceIndexRole: {
        if (!isChannel(index))
            return addressText(p->address());
        // Named as a program names it.
        const OvGenericPoint* module = getPoint(index.parent());
        if (module && module->channelsAtOwnAddresses())
            return QStringLiteral("%1").arg(p->address() + unsigned(p->getSubIndex()) - 1, 3);
        return QStringLiteral(".%1").arg(p->getSubIndex(), 2);
    }
    case IsValidRole: return p->isValid();
    default:
        qCDebug(lcModelPaint).nospace() << "OvPointModel::data:Role: " << role << "\tNot Handled";
        return QVariant();
    }
}

// --- type trees ---

QVariant OvPointModel::getSensorTypeTreeModel()
{
    qDebug() << "GET SENSOR MODEL";
    if (!m_sensorTypeTree) {
        const int type = m_loop.type();
        const int protocol = type == OvLoop::LOOP_ZAV200 ? 1 : type == OvLoop::LOOP_APOLLO ? 4 : 2;
        // Lives as long as the program: the scene may still show it after this model has gone.
        m_sensorTypeTree = new OvPointTypeTreeModel(protocol, 1);
        m_sensorTypeTree->setParent(QCoreApplication::instance());
        keepNative(m_sensorTypeTree);
    }
    qDebug() << "Sensor List" << m_sensorTypeTree->rowCount();
    return QVariant::fromValue(m_sensorTypeTree);
}

QVariant OvPointModel::getModuleTypeTreeModel()
{
    qDebug() << "GET MODULE MODEL";
    if (!m_moduleTypeTree) {
        const int type = m_loop.type();
        const int protocol = type == OvLoop::LOOP_ZAV200 ? 1 : type == OvLoop::LOOP_APOLLO ? 4 : 2;
        m_moduleTypeTree = new OvPointTypeTreeModel(protocol, 2);
        m_moduleTypeTree->setParent(QCoreApplication::instance());
        keepNative(m_moduleTypeTree);
    }
    qDebug() << "Module List" << m_moduleTypeTree->rowCount();
    return QVariant::fromValue(m_moduleTypeTree);
}

QVariant OvPointModel::getKorvaPtModel()
{
    if (!m_korvaModel) {
        m_korvaModel = new OvPinnModel();
        keepNative(m_korvaModel);
    }
    m_korvaModel->setActiveLoop(m_loop.ownerCpu() - 1, m_loop.loopIndex() - 1);
    return QVariant::fromValue(m_korvaModel);
}

void OvPointModel::onCurrentIndexChanged(const QModelIndex& index)
{
    qDebug() << "CINDEX CHANGED";
    qInfo().nospace() << "sensorListActive = " << m_mode << "\tindex = " << index;
    const OvGenericPoint* p = getPoint(index);
    if (!index.isValid() || !p)
        return;
    if (m_mode == kMixed) {
        emit subPointSelected(isChannel(index));
        prepareSensorTree(p);
        prepareModuleTree(p);
    } else if (p->family() == 1) {
        prepareSensorTree(p);
    } else {
        prepareModuleTree(p);
    }
}

void OvPointModel::prepareSensorTree(const OvGenericPoint* p)
{
    if (m_sensorTypeTree)
        m_sensorTypeTree->setPointFilter(p, false, -1, p->address() > 99, -1, -1, true);
}

const OvGenericPoint* OvPointModel::moduleAt(int address) const
{
    return address >= 1 ? m_loop.modules().value(address - 1) : nullptr;
}

int OvPointModel::freeAfter(int address, int lastAddress) const
{
    // Free addresses are those of the loop, whatever the rows show.
    int count = 1;
    for (int next = address + 1; next <= address + 10 && next <= lastAddress; ++next) {
        const OvGenericPoint* m = moduleAt(next);
        if (m && m->hwType() != 0)
            break;
        ++count;
    }
    return count;
}

void OvPointModel::prepareModuleTree(const OvGenericPoint* p)
{
    if (!m_moduleTypeTree)
        return;
    const int a = int(p->address());
    const bool decade = a % 10 == 0;
    qInfo().nospace() << " skipUDS = " << (decade ? "false" : "true");
    bool nextValid = true;
    if (decade) {
        const OvGenericPoint* next = moduleAt(a + 1);
        nextValid = !next || next->isValid();
        qInfo().nospace() << "1] skipUDS = " << (nextValid ? "true" : "false");
    }
    const bool covered = coveringModule(a) != nullptr;
    if (OvLoop::moduleProtocol(m_loop.type()) != 1) {
        // The channels of every module with channels take the addresses after its own.
        const int freeCount = covered ? 0 : freeAfter(a, m_loop.modules().size());
        m_moduleTypeTree->setPointFilter(p, nextValid, freeCount, false, -1, -1, decade);
        return;
    }
    m_moduleTypeTree->setPointFilter(p, nextValid, -1, a >= 100 || covered, -1, freeAfter(a, 99), decade);
}
