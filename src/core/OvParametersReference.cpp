#include "core/OvParametersReference.h"

OvParametersReference::OvParametersReference(QObject* parent)
    : QObject(parent)
    , m_store(OvParameters::instance())
{
}

OvParametersReference::~OvParametersReference()
{
    OvParameters::release();
}

QString OvParametersReference::GetActualLanguage()
{
    const OvParametersReference holder;
    return holder.getActualLanguage();
}

QStringList OvParametersReference::RecentFilesName()
{
    const OvParametersReference holder;
    return holder.recentFilesName();
}

void OvParametersReference::ClearRecentOpenFile()
{
    OvParametersReference holder;
    holder.clearRecentOpenFile();
}

void OvParametersReference::SaveApplicationFontFamilyName(const QString& name)
{
    OvParameters::saveApplicationFontFamilyName(name);
}

QString OvParametersReference::GetApplicationFontFamilyName()
{
    return OvParameters::applicationFontFamilyName();
}
