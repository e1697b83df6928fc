#include "app/ApplicationInfo.h"

#include "app/Configuration.h"

QString applicationFileName()
{
    const Configuration* config = Configuration::instance();
    return config->appName() + QLatin1Char(' ') + config->orgName();
}
