#pragma once
// What every model test shares: a plant built through its API and installed as the active one,
// over a fresh panel configuration of a chosen panel type; the dialog seam answered by script
// (ScriptedDialogs); and small helpers to reach rows of a tree model by their row path.
#include "../plant/PlantBuilder.h"
#include "../plant/ScriptedDialogs.h"
#include "core/Configuration.h"
#include "plant/ActivePlant.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"

#include <QAbstractItemModel>
#include <QtTest>

#include <memory>

namespace modeltest {

// The active plant of a test; the panel configuration is reset to panelType before the plant
// exists, as the document commands do.
class FixturePlant : public ActivePlant {
public:
    explicit FixturePlant(int panelType, bool networked = false)
    {
        g_zpConf->new_config(u32(panelType));
        g_zpConf->set_default_all(g_zpDataVersion);
        g_zpConf->set_networked(networked ? 1 : 0);
        m_plant.reset(new Plant);
        ActivePlant::install(this);
    }
    ~FixturePlant() override { ActivePlant::install(nullptr); }
    Plant* activePlant() const override { return m_plant.get(); }
    Plant& operator*() const { return *m_plant; }
    Plant* operator->() const { return m_plant.get(); }

private:
    std::unique_ptr<Plant> m_plant;
};

// The index at a path of rows from the root, column 0.
inline QModelIndex at(const QAbstractItemModel& model, std::initializer_list<int> rows)
{
    QModelIndex index;
    for (int row : rows)
        index = model.index(row, 0, index);
    return index;
}

} // namespace modeltest
