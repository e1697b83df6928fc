#include "plant/LogLine.h"

#include <QDebug>

namespace logline {

void appendQuoted(QString& out, const QString& text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || u > 0x7E || u == '"' || u == '\\') {
            QString quoted;
            QDebug(&quoted).nospace() << text;
            out += quoted;
            return;
        }
    }
    out += QLatin1Char('"');
    out += text;
    out += QLatin1Char('"');
}

} // namespace logline
