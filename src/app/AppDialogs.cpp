#include "app/AppDialogs.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QWindow>

namespace {

// The window that had the focus gets it back when the dialog closes: without a window manager
// nothing else would hand it back, and the scene's shortcuts would stop working. Activation is
// asynchronous, so a dialog that follows another at once finds no focus window yet: it hands the
// focus back to the window the previous one did.
class FocusKeeper {
public:
    FocusKeeper()
        : m_window(QGuiApplication::focusWindow())
    {
        if (m_window)
            s_last = m_window;
        else
            m_window = s_last;
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
    static QPointer<QWindow> s_last;
};

QPointer<QWindow> FocusKeeper::s_last;

// Right to left, a button of a dialog's button box draws its text from its left edge over its
// icon and cuts it: without the icon the text has the button to itself.
void clearButtonIcons(QWidget* dialog)
{
    if (QGuiApplication::layoutDirection() != Qt::RightToLeft)
        return;
    for (QDialogButtonBox* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        for (QAbstractButton* button : buttons->buttons())
            button->setIcon(QIcon());
    }
}

// A file dialog's side list of places as wide as its longest name, up to a third of the dialog:
// at its own width it cuts a folder's name, and right to left shows only the name's end.
void widenSideList(QFileDialog* dialog)
{
    auto* list = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
    if (!list)
        return;
    list->ensurePolished();
    const int names = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    const int most = dialog->sizeHint().width() / 3;
    list->setMinimumWidth(qMin(names + list->fontMetrics().averageCharWidth(), most));
}

} // namespace

PlantMessage::Button AppDialogs::ask(const PlantMessage& message, bool* checkBoxChecked)
{
    FocusKeeper focus;
    QMessageBox box;
    box.setIcon(QMessageBox::Icon(message.icon));
    if (!message.title.isEmpty())
        box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setInformativeText(message.informativeText);
    box.setDetailedText(message.detailedText);
    static const QMessageBox::ButtonRole roles[] = {QMessageBox::YesRole, QMessageBox::AcceptRole,
                                                    QMessageBox::ActionRole};
    QList<QPushButton*> choices;
    for (int i = 0; i < message.choices.size(); ++i)
        choices << box.addButton(message.choices.at(i), roles[qMin(i, 2)]);
    box.setStandardButtons(QMessageBox::StandardButtons(message.buttons));
    clearButtonIcons(&box);
    if (message.defaultChoice >= 0 && message.defaultChoice < choices.size())
        box.setDefaultButton(choices.at(message.defaultChoice));
    else if (message.defaultButton != PlantMessage::NoButton)
        box.setDefaultButton(QMessageBox::StandardButton(message.defaultButton));
    QCheckBox* check = nullptr;
    if (!message.checkBoxText.isEmpty()) {
        check = new QCheckBox(message.checkBoxText);
        box.setCheckBox(check);
    }
    placeOver(&box);
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
    QFileDialog dialog(nullptr, request.title, request.start);
    if (request.kind == PlantFileRequest::Folder) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (request.kind == PlantFileRequest::SaveFile) {
        dialog.setNameFilter(request.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without its extension gets the filter's first one ("*.pdf" gives "pdf").
        const QRegularExpressionMatch suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(request.filter);
        if (suffix.hasMatch())
            dialog.setDefaultSuffix(suffix.captured(1));
    } else {
        dialog.setNameFilter(request.filter);
        dialog.selectNameFilter(request.filter);
        dialog.setViewMode(QFileDialog::Detail);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    clearButtonIcons(&dialog);
    widenSideList(&dialog);
    placeOver(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void AppDialogs::placeOver(QWidget* dialog) const
{
    if (!m_window)
        return;
    // The native window made now takes its parent before it is first shown.
    dialog->winId();
    if (QWindow* handle = dialog->windowHandle())
        handle->setTransientParent(m_window);
    dialog->adjustSize();
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(m_window->geometry().center());
    dialog->move(frame.topLeft());
}

bool AppDialogs::openUrl(const QUrl& url)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a launcher Qt can only warn; the caller's box says where the file is instead.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty())
        return false;
#endif
    return QDesktopServices::openUrl(url);
}
