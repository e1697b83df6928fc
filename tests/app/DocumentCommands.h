#pragma once
// The document commands as the tests give them, every question answered by script.
#include "../plant/ScriptedDialogs.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "plant/Plant.h"

#include <QtTest>

// File > New, the changes discarded when asked; choice 0 KV1300, 1 KV1600-4600.
inline void newPlantCommand(Ov4kApp* app, ScriptedDialogs& dialogs, int choice = 0)
{
    dialogs.clear();
    if (app->plant() && app->plant()->getModificationStat() > 1)
        dialogs.answer(PlantMessage::Discard);
    if (Configuration::instance()->allowedPlantTypes().size() > 1)
        dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + choice));
    app->onFileNewMenu();
    QCOMPARE(dialogs.pending(), 0);
}
