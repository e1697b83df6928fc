#include "app/AppDialogs.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QWindow>

namespace {

// The window that had the focus gets it back when the dialog closes: without a window manager
// nothing else would hand it back, and the scene's shortcuts would stop working.
class FocusKeeper {
public:
    FocusKeeper()
        : m_window(QGuiApplication::focusWindow())
    {
    }
    ~FocusKeeper()
    {
        if (m_window)
            m_window->requestActivate();
    }
    FocusKeeper(const FocusKeeper&) = delete;
    FocusKeeper& operator=(const FocusKeeper&) = delete;

private:
    QPointer<QWindow> m_window;
};

} // namespace

PlantMessage::Button AppDialogs::ask(const PlantMessage& message, bool* checkBoxChecked)
{
    FocusKeeper focus;
    QMessageBox box;
    box.setIcon(QMessageBox::Icon(message.icon));
    box.setText(message.text);
    box.setInformativeText(message.informativeText);
    box.setDetailedText(message.detailedText);
    static const QMessageBox::ButtonRole roles[] = {QMessageBox::YesRole, QMessageBox::AcceptRole,
                                                    QMessageBox::ActionRole};
    QList<QPushButton*> choices;
    for (int i = 0; i < message.choices.size(); ++i)
        choices << box.addButton(message.choices.at(i), roles[qMin(i, 2)]);
    box.setStandardButtons(QMessageBox::StandardButtons(message.buttons));
    if (message.defaultChoice >= 0 && message.defaultChoice < choices.size())
        box.setDefaultButton(choices.at(message.defaultChoice));
    else if (message.defaultButton != PlantMessage::NoButton)
        box.setDefaultButton(QMessageBox::StandardButton(message.defaultButton));
    QCheckBox* check = nullptr;
    if (!message.checkBoxText.isEmpty()) {
        check = new QCheckBox(message.checkBoxText);
        box.setCheckBox(check);
    }
    const int result = box.exec();
    if (checkBoxChecked)
        *checkBoxChecked = check && check->isChecked();
    const int chosen = choices.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    if (chosen >= 0)
        return PlantMessage::Button(PlantMessage::FirstChoice + chosen);
    return PlantMessage::Button(result);
}

QString AppDialogs::askFile(const PlantFileRequest& request)
{
    FocusKeeper focus;
    switch (request.kind) {
    case PlantFileRequest::Folder:
        return QFileDialog::getExistingDirectory(nullptr, request.title, request.start, QFileDialog::ShowDirsOnly);
    case PlantFileRequest::SaveFile:
        return QFileDialog::getSaveFileName(nullptr, request.title, request.start, request.filter);
    case PlantFileRequest::OpenFile: break;
    }
    QFileDialog dialog(nullptr, request.title, request.start);
    dialog.setNameFilter(request.filter);
    dialog.selectNameFilter(request.filter);
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

bool AppDialogs::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
