#pragma once
// The plant's dialog seam over the platform's message boxes and file dialogs, none with a
// parent window, so they appear over the scene.
#include "plant/PlantDialogs.h"

class AppDialogs : public PlantDialogs {
public:
    PlantMessage::Button ask(const PlantMessage& message, bool* checkBoxChecked) override;
    QString askFile(const PlantFileRequest& request) override;
    bool openUrl(const QUrl& url) override;
};
