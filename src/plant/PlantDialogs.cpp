#include "plant/PlantDialogs.h"

#include <QDebug>

namespace {

PlantDialogs* s_dialogs = nullptr;

} // namespace

PlantDialogs::~PlantDialogs() = default;

void PlantDialogs::install(PlantDialogs* dialogs)
{
    s_dialogs = dialogs;
}

PlantDialogs* PlantDialogs::installed()
{
    return s_dialogs;
}

PlantMessage::Button PlantDialogs::show(const PlantMessage& message, bool* checkBoxChecked)
{
    if (s_dialogs)
        return s_dialogs->ask(message, checkBoxChecked);
    // The default button of every question is the one that changes nothing.
    qWarning().noquote() << "No dialog installed, default answer to:" << message.text;
    if (checkBoxChecked)
        *checkBoxChecked = false;
    return message.defaultButton;
}

QString PlantDialogs::askFile(const PlantFileRequest& request)
{
    qWarning().noquote() << "No file dialog available for:" << request.title;
    return QString();
}

QString PlantDialogs::chooseFile(const PlantFileRequest& request)
{
    if (s_dialogs)
        return s_dialogs->askFile(request);
    qWarning().noquote() << "No dialog installed, nothing chosen for:" << request.title;
    return QString();
}

bool PlantDialogs::openUrl(const QUrl& url)
{
    qWarning().noquote() << "No viewer available for:" << url.toString();
    return false;
}

bool PlantDialogs::showUrl(const QUrl& url)
{
    if (s_dialogs)
        return s_dialogs->openUrl(url);
    qWarning().noquote() << "No dialog installed, not shown:" << url.toString();
    return false;
}
