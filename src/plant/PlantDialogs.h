#pragma once
// The one seam through which the plant layer asks the user something. The application installs
// an implementation over its message boxes; tests install one that answers from a script, so no
// test ever waits on a modal dialog. Icon and button values are those of QMessageBox, so the
// application maps them by a cast.
#include <QString>
#include <QStringList>
#include <QUrl>

struct PlantMessage {
    enum Icon { NoIcon = 0, Information = 1, Warning = 2, Critical = 3, Question = 4 };
    enum Button : int {
        NoButton = 0,
        // Answer for choices[i] is FirstChoice + i.
        FirstChoice = 1,
        Ok = 0x00000400,
        Yes = 0x00004000,
        No = 0x00010000,
        Save = 0x00000800,
        Discard = 0x00800000,
        Cancel = 0x00400000,
    };

    Icon icon = NoIcon;
    // The box's window title; empty leaves the platform's.
    QString title;
    QString text;
    QString informativeText;
    QString detailedText;
    // Buttons ORed together.
    int buttons = Ok;
    Button defaultButton = Ok;
    // A check box under the text when not empty.
    QString checkBoxText;
    // Labelled push buttons before the standard ones; defaultChoice, when not negative, is the
    // default instead of defaultButton.
    QStringList choices;
    int defaultChoice = -1;
};

// A file or folder the user is asked to choose.
struct PlantFileRequest {
    enum Kind { OpenFile, SaveFile, Folder };

    Kind kind = OpenFile;
    QString title;
    // The folder to start in, or for a save the proposed path.
    QString start;
    // Name filters separated by ";;"; unused for a folder.
    QString filter;
};

class PlantDialogs {
public:
    virtual ~PlantDialogs();

    // Modal; the button the user pressed. checkBoxChecked, when given, receives the state of the
    // message's check box.
    virtual PlantMessage::Button ask(const PlantMessage& message, bool* checkBoxChecked) = 0;
    // Modal; the chosen path, empty when cancelled. A save dialog asks before overwriting.
    virtual QString askFile(const PlantFileRequest& request);

    // The installed seam (not owned; null uninstalls).
    static void install(PlantDialogs* dialogs);
    static PlantDialogs* installed();
    // Through the installed seam; without one the default button is taken, with a warning.
    static PlantMessage::Button show(const PlantMessage& message, bool* checkBoxChecked = nullptr);
    // Through the installed seam; without one nothing is chosen, with a warning.
    static QString chooseFile(const PlantFileRequest& request);

    // Shows url with the desktop's viewer; false when none could open it.
    virtual bool openUrl(const QUrl& url);
    // Through the installed seam; without one nothing is shown, with a warning.
    static bool showUrl(const QUrl& url);
};
