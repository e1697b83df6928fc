#include "plant/ZpRepeater.h"

#include <QDebug>

void ZpRepeater::clear()
{
    enabled = false;
    description.clear();
}

void ZpRepeater::dump() const
{
    qDebug().noquote() << className() + "\t" + QString::number(index) + "\tDescription: " + description
            + "\tRPT: ENABLE" + (enabled ? "true" : "false");
}
