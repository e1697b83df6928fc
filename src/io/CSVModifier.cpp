#include "io/CSVModifier.h"

#include "io/QtCSV/Reader.h"
#include "io/QtCSV/StringData.h"
#include "io/QtCSV/Writer.h"

#include <QDebug>
#include <QDir>
#include <QTextCodec>

#include <algorithm>

namespace {

// Columns of a loop file row.
constexpr int kFamilyColumn = 0;
constexpr int kAddressColumn = 1;
constexpr int kLabelColumn = 2;
constexpr int kTypeColumn = 3;
constexpr int kZoneColumn = 12;
constexpr int kInOutColumn = 17;
constexpr int kLoopRowFields = 18;

QList<QStringList> readTable(const QString& path)
{
    return QtCSV::Reader::readToList(path, QStringLiteral(","), QStringLiteral("\""),
                                     QTextCodec::codecForName("UTF-8"));
}

QString zeroFilled(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

} // namespace

CSVModifier::CSVModifier(QObject* parent)
    : QObject(parent)
{
}

QString CSVModifier::lookupLabel(const QList<QStringList>& rows, const QString& key)
{
    bool keyOk = false;
    const int number = key.trimmed().toInt(&keyOk, 10);
    if (!keyOk)
        return QString();
    for (const QStringList& row : rows) {
        bool ok = false;
        if (!row.isEmpty() && row.at(0).trimmed().toInt(&ok, 10) == number && ok)
            return row.size() > 1 ? row.at(1) : QString();
    }
    return QString();
}

void CSVModifier::mergeLoopFiles(const QString& folderPath)
{
    QString folder = folderPath;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    const QString familyCaption = qtTrId("CSV_PT_FAMILY");
    const QString sensorWord = qtTrId("CSV_PT_SENSOR");
    QtCSV::StringData output;
    output << QStringList{QStringLiteral("Panel Number"),
                          QStringLiteral("Loop Number"),
                          QStringLiteral("Device Address"),
                          QStringLiteral("Device Class, Device Type, Subtype"),
                          familyCaption,
                          QStringLiteral("Device Label"),
                          QStringLiteral("Zone Address"),
                          QStringLiteral("Zone Label")};
    const QList<QStringList> zones = readTable(folder + qtTrId("CSV_AREASSYSTEM") + QStringLiteral(".csv"));

    QStringList files = QDir(folder).entryList(QStringList(QStringLiteral("Loop*")), QDir::Files, QDir::NoSort);
    std::sort(files.begin(), files.end());
    for (const QString& name : files) {
        const QList<QStringList> rows = readTable(folder + name);
        const QStringList parts = name.split(QLatin1Char('_'));
        const int cpu = parts.size() > 1 ? parts.at(1).trimmed().toInt() : 0;
        const int loop = parts.size() > 2 ? parts.at(2).section(QLatin1Char('.'), 0, 0).trimmed().toInt() : 0;
        const QString panelText = QLatin1Char('C') + zeroFilled(cpu, 2);
        const QString loopText = QLatin1Char('L') + zeroFilled(loop, 3);
        qDebug() << "Before " << name << "size" << rows.size();

        int first = 0;
        while (first < rows.size() && (rows.at(first).isEmpty() || rows.at(first).first() != familyCaption))
            ++first;
        for (int i = first + 1; i < rows.size(); ++i) {
            const QStringList& row = rows.at(i);
            if (row.size() < kLoopRowFields)
                continue;
            const QString& family = row.at(kFamilyColumn);
            const QString& address = row.at(kAddressColumn);
            QString addressText;
            if (family.contains(sensorWord)) {
                addressText = QLatin1Char('D') + zeroFilled(address.trimmed().toInt(), 3);
                qDebug() << "DETECTOR " << addressText;
            } else {
                const QStringList numbers = address.split(QLatin1Char('_'));
                const int channel = numbers.size() > 1 ? numbers.at(1).trimmed().toInt() : 0;
                addressText = QLatin1Char('M') + zeroFilled(numbers.at(0).trimmed().toInt(), 3) + QLatin1Char('.')
                    + zeroFilled(channel, 2);
                qDebug() << "MODULE " << addressText;
            }
            const QStringList line{
                panelText,
                loopText,
                addressText,
                QStringList{family, row.at(kTypeColumn), row.at(kInOutColumn)}.join(QStringLiteral(", ")),
                family,
                row.at(kLabelColumn),
                row.at(kZoneColumn),
                lookupLabel(zones, row.at(kZoneColumn))};
            qDebug() << "line " << line;
            output << line;
        }
        qDebug() << "After " << name << "size" << output.rowCount();
    }
    QtCSV::Writer::write(folder + QStringLiteral("example.csv"), output, QStringLiteral(","));
}
