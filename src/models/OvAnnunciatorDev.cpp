#include "models/OvAnnunciatorDev.h"

#include "app/ErrorMessages.h"

QString OvAnnunciatorDev::iconName() const
{
    return errorCode != kNoError ? QStringLiteral("warning.png") : QString();
}

QString OvAnnunciatorDev::errorText() const
{
    return getErrorMessage(errorCode);
}
