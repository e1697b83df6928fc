#include "core/OvLanguageModel.h"

#include "core/Configuration.h"
#include "core/OvParametersReference.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>

namespace {
// The translations built into the program, listed even without a folder beside it.
const char* const kBuiltInSuffixes[] = {"_en.qm", "_es.qm", "_fr.qm", "_it.qm", "_nl.qm",
                                        "_pt.qm", "_ro.qm", "_hu.qm", "_no.qm"};
const int kColumnCount = 4;

QString currentLanguage()
{
    const OvParametersReference parameters;
    return parameters.getActualLanguage();
}
} // namespace

const OvLanguageModel::RoleEntry OvLanguageModel::s_roles[] = {
    {lgIconName, "lgIconName", &OvLanguageModel::iconName},
    {lgActive, "lgActive", &OvLanguageModel::active},
    {lgDescription, "lgDescription", &OvLanguageModel::description},
    {lgCode, "lgCode", &OvLanguageModel::code},
};

OvLanguageModel::OvLanguageModel(QObject* parent)
    : OvLanguageModel(QCoreApplication::applicationDirPath() + QStringLiteral("/translations"), parent)
{
}

OvLanguageModel::OvLanguageModel(const QString& folder, QObject* parent)
    : QAbstractTableModel(parent)
    , m_folder(folder)
    , m_inUse(currentLanguage())
{
    fill();
}

QString OvLanguageModel::languageCode(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    // Without a "." nothing is left (left(-1) would keep the whole name).
    const QString code = dot < 0 ? QString() : fileName.left(dot);
    return code.mid(code.lastIndexOf(QLatin1Char('_')) + 1);
}

void OvLanguageModel::fill()
{
    const QString base = Configuration::instance()->translationFileName().toLower();
    m_files = QDir(m_folder).entryList({base + QStringLiteral("_??.qm")}, QDir::Files);
    for (const char* suffix : kBuiltInSuffixes) {
        const QString name = base + QLatin1String(suffix);
        if (!m_files.contains(name, Qt::CaseInsensitive))
            m_files.append(name);
    }
    m_files.sort(Qt::CaseSensitive);
    m_selectedRow = findSelectedRow();
}

int OvLanguageModel::findSelectedRow() const
{
    for (int row = 0; row < m_files.size(); ++row) {
        if (languageCode(m_files.at(row)) == m_inUse)
            return row;
    }
    return -1;
}

void OvLanguageModel::refresh()
{
    beginResetModel();
    fill();
    emit dataUpdated();
    endResetModel();
}

int OvLanguageModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_files.size();
}

int OvLanguageModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant OvLanguageModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model() || index.row() >= m_files.size())
        return QVariant();
    for (const RoleEntry& entry : s_roles) {
        if (entry.role == role)
            return (this->*entry.value)(index.row());
    }
    qDebug().nospace() << "OvLanguageModel::data:Role: " << role << "\tNot Handled";
    return QVariant();
}

Qt::ItemFlags OvLanguageModel::flags(const QModelIndex& index) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    qDebug() << "Pluto";
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvLanguageModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    for (const RoleEntry& entry : s_roles)
        names.insert(entry.role, entry.name);
    return names;
}

QVariant OvLanguageModel::iconName(int row) const
{
    const QString icon = QStringLiteral("../Resources/") + languageCode(m_files.at(row)) + QStringLiteral(".png");
    qDebug().nospace().noquote() << "OvLanguageModel::data:Role: " << lgIconName << " output = " << icon;
    return icon;
}

QVariant OvLanguageModel::active(int row) const
{
    return row == m_selectedRow;
}

QVariant OvLanguageModel::description(int row) const
{
    return languageCode(m_files.at(row));
}

QVariant OvLanguageModel::code(int row) const
{
    return QStringLiteral("#%1").arg(row, 3);
}

void OvLanguageModel::clicked(int row)
{
    qDebug().nospace() << "\t\tclicked on index = " << row;
    if (row < 0 || row >= m_files.size())
        return;
    const QString initials = languageCode(m_files.at(row));
    const QString current = currentLanguage();
    qInfo().nospace().noquote() << "initials = " << initials;
    qInfo().nospace().noquote() << "getActualLanguage = " << current;
    if (initials != current)
        emit selectLanguage(m_files.at(row));
}

void OvLanguageModel::onApplicationLanguageChanged()
{
    setLanguageInUse(currentLanguage());
}

void OvLanguageModel::setLanguageInUse(const QString& code)
{
    m_inUse = code;
    const int previous = m_selectedRow;
    m_selectedRow = findSelectedRow();
    emitRowChanged(m_selectedRow);
    emitRowChanged(previous);
    emit modelChanged();
}

void OvLanguageModel::emitRowChanged(int row)
{
    if (row < 0 || row >= m_files.size())
        return;
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}
