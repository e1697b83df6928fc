#include "models/OvAnnunciatorDev.h"

#include "core/ErrorMessages.h"

QString OvAnnunciatorDev::iconName() const
{
    return errorCode != kNoError ? QStringLiteral("warning.png") : QString();
}

QString OvAnnunciatorDev::errorText() const
{
    return getErrorMessage(errorCode);
}
