#pragma once
// What the plant tests share: a fresh panel configuration, the bytes of one of its blocks, and
// the CSV files with their header in English under a known brand name.
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/interface.h"
#include "core/Configuration.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QTranslator>
#include <QtTest>

// Q_INIT_RESOURCE cannot stand inside a namespace.
inline void initTranslationResources()
{
    Q_INIT_RESOURCE(translations);
}

namespace planttest {

// Bytes by offset over a zeroed block.
using Patches = QMap<int, QByteArray>;

inline QByteArray patched(int size, const Patches& patches)
{
    QByteArray bytes(size, '\0');
    for (auto it = patches.cbegin(); it != patches.cend(); ++it)
        bytes.replace(it.key(), it.value().size(), it.value());
    return bytes;
}

// Every block back to its defaults, as the plant's conversion leaves it before writing.
inline void resetPanel()
{
    QCOMPARE(g_zpConf->set_default_all(g_zpDataVersion), 0);
}

inline QByteArray block(u32 dataType)
{
    QByteArray bytes(int(g_zpConf->find_block(dataType)->get_size()), '\0');
    g_zpConf->get_data(dataType, bytes.data(), 0, 0);
    return bytes;
}

// Installs the English translation and names the brand "KV1300-01 Tavrel-FSX".
inline void useEnglish(QTranslator& translator)
{
    initTranslationResources();
    QVERIFY(translator.load(":/translations/ov4800_en.qm") && QCoreApplication::installTranslator(&translator));
    Configuration::instance()->set_appName("KV1300-01");
    Configuration::instance()->set_orgName("Tavrel-FSX");
}

// Writes with write(), then compares the file with the three header lines of path, the empty
// line and body; the creation time may be that of the minute before or after the writing.
template <class Write>
void compareCsv(const QString& path, Write write, const QString& body)
{
    const QString before = QDateTime::currentDateTime().toString("yyyyMMdd hh:mm");
    write();
    const QString after = QDateTime::currentDateTime().toString("yyyyMMdd hh:mm");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const QString head = "File name," + path + "\nKV1300-01 Tavrel-FSX,Version,2.7\nCreated on,%1\n\n";
    if (text != head.arg(after) + body)
        QCOMPARE(text, head.arg(before) + body);
}

} // namespace planttest
