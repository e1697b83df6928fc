#include "core/OvQtTranslator.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

QString OvQtTranslator::catalogueName(const QString& code)
{
    if (code.isEmpty() || code == QLatin1String("en"))
        return QString();
    if (code == QLatin1String("iw"))
        return QStringLiteral("qtbase_he");
    if (code == QLatin1String("no"))
        return QStringLiteral("qtbase_nb");
    if (code == QLatin1String("pt"))
        return QStringLiteral("qtbase_pt_PT");
    return QStringLiteral("qtbase_") + code;
}

bool OvQtTranslator::loadLanguage(const QString& code, const QString& folder)
{
    const QString name = catalogueName(code);
    if (name.isEmpty())
        return false;
    const QString file = name + QStringLiteral(".qm");
    for (const QString& where :
         {folder, QStringLiteral(":/translations"), QLibraryInfo::location(QLibraryInfo::TranslationsPath)}) {
        const QString path = QDir(where).filePath(file);
        if (!where.isEmpty() && QFileInfo(path).isFile() && load(path))
            return true;
    }
    qInfo() << "Qt translation not found: " << name;
    return false;
}
