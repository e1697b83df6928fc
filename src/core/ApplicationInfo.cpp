#include "core/ApplicationInfo.h"

#include "core/Configuration.h"

QString applicationFileName()
{
    const Configuration* config = Configuration::instance();
    return config->appName() + QLatin1Char(' ') + config->orgName();
}
