#include "core/ConfigurationCommon.h"

#include <QtQml>

ConfigurationCommon::ConfigurationCommon(QObject* parent)
    : QObject(parent)
{
}

void ConfigurationCommon::registerQmlType()
{
    qmlRegisterType<ConfigurationCommon>("com.config", 0, 1, "Config");
}
