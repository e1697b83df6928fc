#pragma once
// The plant's dialog seam over the platform's message boxes and file dialogs. Each opens over
// the main window once it is known, and centred on the screen before.
#include "plant/PlantDialogs.h"

#include <QPointer>
#include <QWindow>

class QWidget;

class AppDialogs : public PlantDialogs {
public:
    PlantMessage::Button ask(const PlantMessage& message, bool* checkBoxChecked) override;
    QString askFile(const PlantFileRequest& request) override;
    bool openUrl(const QUrl& url) override;

    void setParentWindow(QWindow* window) { m_window = window; }

private:
    // A widget cannot take the scene's window as its parent: the dialog becomes its transient
    // child and is centred over it.
    void placeOver(QWidget* dialog) const;

    QPointer<QWindow> m_window;
};
