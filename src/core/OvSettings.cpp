#include "core/OvSettings.h"

#include <QCoreApplication>

#include <mutex>

namespace {
// Read by every settings object, on whatever thread makes one.
std::mutex s_namesMutex;
bool s_kept = false;
QString s_organization;
QString s_application;
} // namespace

OvSettings::OvSettings()
    : OvSettings(names())
{
}

OvSettings::OvSettings(const Names& names)
    : QSettings(names.organization, names.application)
{
}

void OvSettings::keepNames()
{
    std::lock_guard<std::mutex> lock(s_namesMutex);
    s_organization = QCoreApplication::organizationName();
    s_application = QCoreApplication::applicationName();
    s_kept = true;
}

OvSettings::Names OvSettings::names()
{
    std::lock_guard<std::mutex> lock(s_namesMutex);
    if (s_kept)
        return {s_organization, s_application};
    return {QCoreApplication::organizationName(), QCoreApplication::applicationName()};
}
