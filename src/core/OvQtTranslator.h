#pragma once
// Qt's own texts (the standard buttons, the file dialog, the message box's details button) in one
// of the program's languages. The system's Qt files Hebrew under "he" and knows Norwegian only as
// Nynorsk and Portuguese only as Brazilian; the program carries the few Qt texts its dialogs show
// for Romanian, Bokmål and European Portuguese, and never falls back on another variety.
#include <QTranslator>

class OvQtTranslator : public QTranslator {
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    // The catalogue's base name for one of our language codes ("qtbase_nb" for "no"); empty for
    // English, which Qt speaks untranslated.
    static QString catalogueName(const QString& code);

    // Loads the catalogue of code from folder (a copy deployed beside the program), else from the
    // resources, else from Qt's own folder; false when none holds it. Only the exact file counts:
    // "qtbase_pt_PT" must not be cut down to another variety's "qtbase_pt".
    bool loadLanguage(const QString& code, const QString& folder);
};
