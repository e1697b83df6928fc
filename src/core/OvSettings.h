#pragma once
// The user's settings file. A plant of another brand renames the application while it is open,
// but the file stays the one of the names the program started with: the next start, under the
// first brand again, reads what this run wrote.
#include <QSettings>
#include <QString>

class OvSettings : public QSettings {
public:
    // On the names kept by keepNames(), or on the application's own before that.
    OvSettings();

    // Keeps the application's organisation and application names as they are now for every
    // settings object made later, whatever names the application takes afterwards.
    static void keepNames();

private:
    struct Names {
        QString organization;
        QString application;
    };
    explicit OvSettings(const Names& names);
    static Names names();
};
