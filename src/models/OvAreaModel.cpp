#include "models/OvAreaModel.h"

#include "models/ModelLogging.h"
#include "models/OvPlantInfo.h"
#include "plant/ActivePlant.h"
#include "plant/Plant.h"

#include <QDebug>

#include <algorithm>

namespace {
constexpr int kColumns = 8;

QString countText(u32 count)
{
    return QString("%1").arg(count, 3, 10, QChar(' '));
}
} // namespace

OvAreaModel::OvAreaModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int OvAreaModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_areas.count();
}

int OvAreaModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

Qt::ItemFlags OvAreaModel::flags(const QModelIndex& index) const
{
    qCDebug(lcModelPaint) << "Pluto";
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvAreaModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(areaIconName, "areaIconName");
    names.insert(areaDescription, "areaDescription");
    names.insert(areaNightAndDaySensibility, "areaNightAndDaySensibility");
    names.insert(areaPreAllarm, "areaPreAllarm");
    names.insert(areaCorrelation, "areaCorrelation");
    names.insert(areaSensorCount, "areaSensorCount");
    names.insert(areaModuleCount, "areaModuleCount");
    names.insert(areaIndex, "areaIndex");
    return names;
}

QVariant OvAreaModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return QVariant();
    const OvArea area = index.row() < m_areas.count() ? m_areas.areas().at(index.row()) : OvArea();
    switch (role) {
    case areaIconName: return QStringLiteral("null.png");
    case areaDescription: return area.description();
    case areaNightAndDaySensibility: return area.nightAndDay();
    case areaPreAllarm: return area.preAllarm();
    case areaCorrelation: return int(area.correlation()) + 1;
    case areaSensorCount: return countText(area.sensorCount());
    case areaModuleCount: return countText(area.moduleCount());
    case areaIndex: return uint(area.index());
    default:
        qCDebug(lcModelPaint).nospace() << "OvAreaModel::data:Role: " << role << "\tNot Handled";
        return QVariant();
    }
}

template <typename Change>
QList<int> OvAreaModel::applyToSelection(const QList<int>& selection, Change change)
{
    QList<int> changed;
    int lowest = 65535;
    int highest = 0;
    for (int row : selection) {
        if (row < 0 || row >= m_areas.count())
            continue;
        OvArea area = m_areas.areas().at(row);
        if (!change(area))
            continue;
        m_areas.updateArea(area);
        changed << row;
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
    }
    if (changed.isEmpty())
        return changed;
    if (Plant* plant = ActivePlant::get())
        plant->setAreas(m_areas);
    return changed;
}

void OvAreaModel::emitChanged(const QList<int>& rows, const QVector<int>& roles)
{
    if (rows.isEmpty())
        return;
    const auto range = std::minmax_element(rows.begin(), rows.end());
    emit dataChanged(index(*range.first, 0), index(*range.second, kColumns - 1), roles);
}

void OvAreaModel::setAreaDescription(int rowIndex, const QString& desc)
{
    OvArea* area = m_areas.areaAt(rowIndex);
    if (!area || area->description() == desc || !OvPlantInfo::fitsName(desc))
        return;
    area->setDescription(desc);
    if (Plant* plant = ActivePlant::get()) {
        plant->setAreas(m_areas);
        emit dataChanged(index(rowIndex, 0), index(rowIndex, kColumns - 1), {});
    }
}

void OvAreaModel::setAreaDescription(const QList<int>& selection, const QString& desc)
{
    // The panel keeps a name the page shows, or none.
    if (!OvPlantInfo::fitsName(desc))
        return;
    const QList<int> rows = applyToSelection(selection, [&](OvArea& a) { return a.setDescription(desc); });
    if (rows.isEmpty())
        return;
    emit descritionModified(selection, desc);
    emitChanged(rows, {areaDescription});
}

void OvAreaModel::setCorrelation(const QList<int>& selection, int val)
{
    if (val < 1 || val > 10)
        return;
    emitChanged(applyToSelection(selection, [&](OvArea& a) { return a.setCorrelation(u8(val - 1)); }),
                {areaCorrelation});
}

void OvAreaModel::setNightAndDayCheck(const QList<int>& selection, bool enable)
{
    emitChanged(applyToSelection(selection, [&](OvArea& a) { return a.setNightAndDay(enable); }),
                {areaNightAndDaySensibility});
}

void OvAreaModel::enablePreAllarm(const QList<int>& selection, bool enable)
{
    emitChanged(applyToSelection(selection, [&](OvArea& a) { return a.setPreAllarm(enable); }), {areaPreAllarm});
}

void OvAreaModel::reset(const QList<int>& selection)
{
    const QList<int> rows = applyToSelection(selection, [](OvArea& a) {
        if (a.description().isEmpty() && !a.nightAndDay() && !a.preAllarm())
            return false;
        a.setDescription(QString());
        a.setNightAndDay(false);
        a.setPreAllarm(false);
        return true;
    });
    if (rows.isEmpty())
        return;
    emit descritionModified(selection, QString());
    emitChanged(rows, {areaDescription, areaNightAndDaySensibility, areaPreAllarm});
}

// The device counts stay the target's own: the plant keeps them as devices move between zones.
void OvAreaModel::copy(int rowIndexFrom, const QList<int>& selection)
{
    if (rowIndexFrom < 0 || rowIndexFrom >= m_areas.count())
        return;
    const OvArea source = m_areas.areas().at(rowIndexFrom);
    QList<int> targets = selection;
    targets.removeAll(rowIndexFrom);
    const QList<int> rows = applyToSelection(targets, [&](OvArea& a) {
        bool changed = a.setDescription(source.description());
        changed |= a.setNightAndDay(source.nightAndDay());
        changed |= a.setPreAllarm(source.preAllarm());
        changed |= a.setCorrelation(source.correlation());
        return changed;
    });
    if (rows.isEmpty())
        return;
    emit descritionModified(rows, source.description());
    emitChanged(rows, {});
}

bool OvAreaModel::isNull(int rowIndex) const
{
    if (rowIndex < 0 || rowIndex >= m_areas.count())
        return true;
    const OvArea& a = m_areas.areas().at(rowIndex);
    return a.description().isEmpty() && !a.nightAndDay() && !a.preAllarm();
}

bool OvAreaModel::getNightAndDayCheck(int rowIndex) const
{
    return rowIndex >= 0 && rowIndex < m_areas.count() && m_areas.areas().at(rowIndex).nightAndDay();
}

bool OvAreaModel::getPreAllarmCheck(int rowIndex) const
{
    return rowIndex >= 0 && rowIndex < m_areas.count() && m_areas.areas().at(rowIndex).preAllarm();
}

void OvAreaModel::rebuildModel()
{
    Plant* plant = ActivePlant::get();
    if (plant)
        qDebug().nospace() << "OvAreaModel::rebuildModel() " << plant->areas().count();
    beginResetModel();
    if (plant)
        m_areas = plant->areas();
    else
        m_areas.reset();
    emit dataUpdated();
    endResetModel();
}

void OvAreaModel::updateAreas(const QVector<int>& rows)
{
    Plant* plant = ActivePlant::get();
    if (rows.isEmpty() || !plant)
        return;
    // A plant type change brings another number of zones: the rows go with it.
    if (plant->areas().count() != m_areas.count()) {
        rebuildModel();
        return;
    }
    m_areas = plant->areas();
    const auto range = std::minmax_element(rows.begin(), rows.end());
    const int lowest = qMax(*range.first, 0);
    const int highest = qMin(*range.second, m_areas.count() - 1);
    if (lowest <= highest)
        emit dataChanged(index(lowest, 0), index(highest, kColumns - 1), {});
}
