#include "models/WalkTestModel.h"

#include "models/ModelLogging.h"
#include "models/WalkTestItem.h"

#include "core/Configuration.h"
#include "plant/ActivePlant.h"
#include "plant/CPUSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

namespace {

// Output modules on ADV or VARN loops.
constexpr int kProtocolMask = 3;
constexpr int kModuleFamily = 2;
constexpr int kOutput = 2;

int loopsPerLib()
{
    return int(CpuModel::get_lines_per_ll(PanelType::get_cpu_model(g_zpConf->get_panel_type())));
}

QString swTypeName(const OvGenericPoint& point)
{
    return QString::fromLatin1(get_type_name(point.swType()));
}

QString withDescription(const QString& text, const QString& description)
{
    return description.isEmpty() ? text : text + QStringLiteral(": ") + description;
}

} // namespace

WalkTestModel::WalkTestModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(new WalkTestItem({"pointItemIconName", "itemIndex", "itemDescription"}))
{
    buildTree();
}

WalkTestModel::~WalkTestModel()
{
    delete m_root;
}

TreeItem* WalkTestModel::itemForIndex(const QModelIndex& index) const
{
    if (!index.isValid() || !index.internalPointer())
        return m_root;
    return static_cast<TreeItem*>(index.internalPointer());
}

QModelIndex WalkTestModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return QModelIndex();
    TreeItem* child = itemForIndex(parent)->child(row);
    if (!child || column < 0 || column >= m_root->columnCount())
        return QModelIndex();
    return createIndex(row, column, child);
}

QModelIndex WalkTestModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    TreeItem* parentItem = itemForIndex(index)->parent();
    if (!parentItem || parentItem == m_root)
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

int WalkTestModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return itemForIndex(parent)->childCount();
}

int WalkTestModel::columnCount(const QModelIndex&) const
{
    return m_root->columnCount();
}

QVariant WalkTestModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_root->data(section);
    return QVariant();
}

Qt::ItemFlags WalkTestModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled;
}

QVariant WalkTestModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role < itemIconName || role > itemDescription) {
        qCDebug(lcModelPaint).nospace() << "WalkTestModel::data:Role " << role << "\tNot Handled";
        return QVariant();
    }
    return itemForIndex(index)->data(role - itemIconName);
}

bool WalkTestModel::removeRows(int row, int count, const QModelIndex& parent)
{
    TreeItem* item = itemForIndex(parent);
    if (row < 0 || count < 1 || row + count > item->childCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    const bool removed = item->removeChildren(row, count);
    endRemoveRows();
    return removed;
}

QHash<int, QByteArray> WalkTestModel::roleNames() const
{
    return {{itemIconName, "itemIconName"}, {itemIndex, "itemIndex"}, {itemDescription, "itemDescription"}};
}

bool WalkTestModel::canBeSelected(const QModelIndex& index) const
{
    if (!index.isValid())
        return false;
    const auto* item = dynamic_cast<const WalkTestItem*>(itemForIndex(index));
    return item && item->itemType() == 4;
}

void WalkTestModel::select(const QModelIndex& index)
{
    if (!canBeSelected(index))
        return;
    const auto* item = static_cast<const ModuleSubTestItem*>(itemForIndex(index));
    m_cpu = item->cpu;
    m_loop = item->loop;
    m_module = item->module;
    m_sub = item->sub;
    composeName();
}

QString WalkTestModel::getCurrentSelectedItemName() const
{
    return m_name.isEmpty() ? qtTrId("WALK_TEST_OUTPUT_SELECTION") : m_name;
}

QModelIndex WalkTestModel::getFirstIndex() const
{
    qCDebug(lcModelPaint) << "getFirstIndex()";
    return index(0, 0);
}

void WalkTestModel::rebuildModel()
{
    beginResetModel();
    buildTree();
    endResetModel();
}

void WalkTestModel::clearSelection()
{
    m_name.clear();
    m_cpu = m_loop = m_module = m_sub = -1;
}

void WalkTestModel::buildTree()
{
    clearSelection();
    m_root->removeAllChildren();
    const Plant* plant = ActivePlant::get();
    if (!plant)
        return;
    const CPUSystem enabled(plant->cpus(), true);
    const int lines = loopsPerLib();
    for (int p = 0; p < enabled.count(); ++p) {
        const CPUDevice* cpu = enabled.cpuAt(p);
        if (cpu->getActiveCount(kProtocolMask, kModuleFamily, kOutput) == 0)
            continue;
        const int number = int(cpu->index());
        const QString text = cpu->description().isEmpty() ? QStringLiteral("#%1").arg(number) : cpu->description();
        auto* cpuItem = new CPUWalkTestItem(
            {Configuration::instance()->getBrandedIcon(QStringLiteral("centrale%1.png"), int(cpu->cpuType())),
             uint(number), text},
            m_root);
        m_root->appendChild(cpuItem);
        const int loopCount = int(cpu->getLibCount()) * lines;
        for (int g = 0; g < loopCount; ++g) {
            const OvLoop loop = cpu->getLoop(u32(g));
            if (loop.getActiveCount(kProtocolMask, kModuleFamily, kOutput) == 0)
                continue;
            auto* loopItem = new LoopWalkTestItem(
                {Configuration::instance()->getBrandedIcon(QStringLiteral("loop%1.png"), 255), QString(),
                 QStringLiteral("#%1").arg(g + 1)},
                cpuItem);
            cpuItem->appendChild(loopItem);
            int position = -1;
            OvGenericPoint module;
            while (loop.findNextModule(kOutput, &position, &module))
                addModule(loopItem, number, g + 1, module);
        }
    }
    const uint cpuId = plant->getWalkTestCPUID();
    const uint loopId = plant->getWalkTestLoopID();
    const uint moduleId = plant->getWalkTestModuleID();
    if (plant->getWalkTest() == 2 && int(cpuId) > 0 && int(loopId) > 0 && int(moduleId) > 0) {
        m_cpu = int(cpuId);
        m_loop = int(loopId);
        m_module = int(moduleId);
        m_sub = int(plant->getWalkTestSubID());
        // The panel keeps no sub-address 0: a module without channels reads back as sub 1.
        const OvGenericPoint* module = plant->getPoint(cpuId - 1, loopId - 1, moduleId - 1, kModuleFamily);
        if (m_sub == 1 && module && module->subPoints().isEmpty())
            m_sub = 0;
        composeName();
    }
}

void WalkTestModel::addModule(TreeItem* loopItem, int cpu, int loop, const OvGenericPoint& module)
{
    const int address = int(module.address());
    const QString head = QStringLiteral("%1 - ").arg(address);
    if (module.subPoints().isEmpty()) {
        if (!module.isValid() || module.family() != kModuleFamily || module.inputType() != kOutput)
            return;
        const QString name = PointType::getTypeName(module.family(), module.protocol(), module.series(),
                                                    module.hwType(), module.swType());
        loopItem->appendChild(new ModuleSubTestItem(
            cpu, loop, address, 0,
            {QStringLiteral("null.png"), QString(), withDescription(head + name, module.description())}, loopItem));
        return;
    }
    auto* moduleItem = new ModuleWalkTestItem(
        {QStringLiteral("null.png"), QString(),
         withDescription(head + QString::fromLatin1(get_device_model_name(module.hwType())), module.description())},
        loopItem);
    // Each channel named as a program names it.
    const bool byAddress = module.channelsAtOwnAddresses();
    const QList<OvGenericSubPoint>& channels = module.subPoints();
    for (int i = 0; i < channels.size(); ++i) {
        const OvGenericSubPoint& channel = channels.at(i);
        if (!channel.isValid() || channel.inputType() != kOutput)
            continue;
        const QString number = byAddress ? QString::number(int(channel.address()) + i)
                                         : QStringLiteral(".%1").arg(channel.getSubIndex());
        moduleItem->appendChild(new ModuleSubTestItem(
            cpu, loop, address, channel.getSubIndex(),
            {QStringLiteral("null.png"), QString(),
             withDescription(number + QStringLiteral(" - ") + swTypeName(channel), channel.description())},
            moduleItem));
    }
    if (moduleItem->childCount() > 0)
        loopItem->appendChild(moduleItem);
    else
        delete moduleItem;
}

void WalkTestModel::composeName()
{
    const Plant* plant = ActivePlant::get();
    if (!plant)
        return;
    const OvGenericPoint* module = plant->getPoint(uint(m_cpu - 1), uint(m_loop - 1), uint(m_module - 1), 2);
    QString description;
    if (module && m_sub >= 1 && m_sub <= module->subPoints().size())
        description = module->subPoints().at(m_sub - 1).description();
    else if (module && m_sub < 1)
        description = module->description();
    if (module && module->channelsAtOwnAddresses()) {
        // A channel is named by its own loop address; a whole module by the module's.
        const int address = m_sub >= 1 ? m_module + m_sub - 1 : m_module;
        m_name = QStringLiteral("%1.%2.%3").arg(m_cpu).arg(m_loop).arg(address);
    } else if (m_sub < 1) {
        m_name = QStringLiteral("%1.%2.%3").arg(m_cpu).arg(m_loop).arg(m_module);
    } else {
        m_name = QStringLiteral("%1.%2.%3.%4").arg(m_cpu).arg(m_loop).arg(m_module).arg(m_sub);
    }
    if (!description.isEmpty())
        m_name += QLatin1Char(' ') + description;
}

bool WalkTestModel::checkSelectedPoint()
{
    const Plant* plant = ActivePlant::get();
    if (m_cpu <= 0 || m_loop <= 0 || m_module <= 0 || !plant)
        return true;
    const OvGenericPoint* module = plant->getPoint(uint(m_cpu - 1), uint(m_loop - 1), uint(m_module - 1), 2);
    if (module && module->isValid() && (m_sub < 1 || module->isValid(m_sub - 1)))
        return true;
    clearSelection();
    return false;
}
