// The brand configuration singleton and the brand configurations. Expected values are taken
// from the configuration table, the panel-model tables and the loop-device catalogue, written
// out by hand.
#include "app/BrandTable.h"
#include "app/Configuration.h"
#include "app/ConfigurationCommon.h"

#include "ZpData/BlockLock.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpxProg.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Collects the text of every message while it lives.
class LogCapture {
public:
    LogCapture()
    {
        s_lines = &m_lines;
        m_previous = qInstallMessageHandler(&LogCapture::handler);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_lines = nullptr;
    }
    const QStringList& lines() const { return m_lines; }
    QStringList startingWith(const QString& prefix) const
    {
        QStringList found;
        for (const QString& line : m_lines) {
            if (line.startsWith(prefix))
                found << line;
        }
        return found;
    }

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& text)
    {
        if (s_lines)
            *s_lines << text;
    }
    static QStringList* s_lines;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};
QStringList* LogCapture::s_lines = nullptr;

// The debug lines of every application run to thousands; only other levels reach the test log.
QtMessageHandler g_testLog = nullptr;
void dropDebugLines(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && g_testLog)
        g_testLog(type, context, text);
}

int panelBrand()
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx->get_sensor_brand();
}

int panelTypeByte()
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx->get_panel_type();
}

void setPanelBrand(u8 brand)
{
    ZpConfBlock* block = g_zpConf->get_block(0, 2, 2);
    QVERIFY(block);
    QCOMPARE(block->lock_write(), 0);
    auto* zpx = dynamic_cast<ZpData::IF_ZpxProg*>(block->get_iface());
    QVERIFY(zpx);
    zpx->set_sensor_brand(brand);
    block->unlock();
}

QVariantList ints(std::initializer_list<int> values)
{
    QVariantList list;
    for (int v : values)
        list << QVariant(v);
    return list;
}

QVariantList texts(std::initializer_list<const char*> values)
{
    QVariantList list;
    for (const char* v : values)
        list << QVariant(QString::fromLatin1(v));
    return list;
}

// One spy on the change signal of every property, in property order.
std::vector<std::unique_ptr<QSignalSpy>> spyAll(Configuration* config)
{
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    const QMetaObject* meta = config->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        spies.emplace_back(new QSignalSpy(config, meta->property(i).notifySignal()));
    return spies;
}

// Names of the properties whose change signal was emitted.
QStringList emitted(Configuration* config, const std::vector<std::unique_ptr<QSignalSpy>>& spies)
{
    QStringList names;
    const QMetaObject* meta = config->metaObject();
    for (size_t i = 0; i < spies.size(); ++i) {
        if (!spies[i]->isEmpty())
            names << QString::fromLatin1(meta->property(meta->propertyOffset() + int(i)).name());
    }
    return names;
}

const char* const kPropertyNames[] = {
    "configNumber", "orgName", "orgDomain", "appName", "translationFileName", "windowIcon",
    "proto_adv", "proto_apollo", "proto_varn", "central_brand", "current_brand",
    "brandChoices", "cpuTypeList", "allowedPlantTypes", "defaultPlantType", "has_sib",
    "has_network_type", "maxDevPerZone", "sirenMaxType", "sirenMaxVolume", "notify",
};

constexpr int kInvalid = -1; // index refused by newPlantTypeChosen
constexpr int kNone = 0;     // valid index without a target configuration

} // namespace

class tst_Configuration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startConfiguration();
    void configuration8WithNewPanelConfig();
    void configuration8KeepsLoadedPanelConfig();
    void secondApplicationEmitsNothing();
    void refusedConfiguration_data();
    void refusedConfiguration();
    void allowedConfigs();
    void configsForPanelType_data();
    void configsForPanelType();

    void newPlantTypeChosen_data();
    void newPlantTypeChosen();
    void newPlantTypeChosenUnderStartConfiguration();
    void applyPanelTypeConfig_data();
    void applyPanelTypeConfig();

    void propertyOrder();
    void settersCompareStoreEmit();
    void unchangedValueEmitsNothing();
    void currentBrandWritesPanelData();
    void currentBrandNotAllowedForPanelType();

    void configNumberTests_data();
    void configNumberTests();
    void fileExtension_data();
    void fileExtension();
    void brandString_data();
    void brandString();
    void cpuTypeName_data();
    void cpuTypeName();
    void charBufferToString();

    void brandedIcon_data();
    void brandedIcon();
    void brandedIconOneArgument();

    void loopProtocolAllowed_data();
    void loopProtocolAllowed();
    void allowedDeviceTypes_data();
    void allowedDeviceTypes();

    void commonEnums();
    void qmlType();

private:
    Configuration* m_config = nullptr;
};

void tst_Configuration::initTestCase()
{
    g_testLog = qInstallMessageHandler(dropDebugLines);
    m_config = Configuration::instance();
    QCOMPARE(Configuration::instance(), m_config);
    // Nothing applied yet: empty texts and lists, zeros, false flags.
    const QMetaObject* meta = m_config->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QVariant value = property.read(m_config);
        switch (value.userType()) {
        case QMetaType::Int: QCOMPARE(value.toInt(), 0); break;
        case QMetaType::Bool: QCOMPARE(value.toBool(), false); break;
        case QMetaType::QString: QCOMPARE(value.toString(), QString()); break;
        case QMetaType::QVariantList: QCOMPARE(value.toList(), QVariantList()); break;
        default: QFAIL(property.name());
        }
    }
    QCOMPARE(m_config->isZP4x(), true);
    QCOMPARE(m_config->isKV(), false);
}

void tst_Configuration::init()
{
    m_config->loadDefaultConfig();
}

void tst_Configuration::startConfiguration()
{
    QCOMPARE(m_config->configNumber(), 7);
    QCOMPARE(m_config->central_brand(), 2);
    QCOMPARE(m_config->orgName(), QString("Tavrel-FSX"));
    QCOMPARE(m_config->appName(), QString("KV1300-01"));
    QCOMPARE(m_config->translationFileName(), QString("ov4800"));
    QCOMPARE(m_config->windowIcon(), QString(":/Resources/logoTavrel.ico"));
    QCOMPARE(m_config->allowedPlantTypes(), texts({"KV1300", "KV1600-4600"}));
    QCOMPARE(m_config->defaultPlantType(), 0);
    QVERIFY(!m_config->orgDomain().isEmpty());
    QCOMPARE(g_zpConf->get_panel_type(), 7u);
    QCOMPARE(panelTypeByte(), 7);

    // Panel type 7 is CPU model 7 (KV1300), family 2.
    QCOMPARE(m_config->proto_adv(), false);
    QCOMPARE(m_config->proto_apollo(), true);
    QCOMPARE(m_config->proto_varn(), true);
    QCOMPARE(m_config->has_network_type(), false);
    QCOMPARE(m_config->has_sib(), false);
    QCOMPARE(m_config->maxDevPerZone(), 50);
    QCOMPARE(m_config->cpuTypeList(), ints({6}));
    QCOMPARE(m_config->brandChoices(), ints({4, 3}));
    // A fresh KV panel configuration holds the detector brand ZEL.DET. (3).
    QCOMPARE(m_config->current_brand(), 3);
    QCOMPARE(m_config->sirenMaxType(), 32);
    QCOMPARE(m_config->sirenMaxVolume(), 3);
    QCOMPARE(m_config->notify(), QString());
    QCOMPARE(m_config->getFileExtension(), QString(".tov"));
    QCOMPARE(m_config->isKV(), true);
    QCOMPARE(m_config->isKVVarn(), true);
    QCOMPARE(m_config->isKVAdv(), false);
}

void tst_Configuration::configuration8WithNewPanelConfig()
{
    const QString domain7 = m_config->orgDomain();
    setPanelBrand(4);
    QCOMPARE(m_config->applyConfigNumber(8, true), true);
    QCOMPARE(m_config->configNumber(), 8);
    QCOMPARE(m_config->central_brand(), 2);
    QCOMPARE(m_config->orgName(), QString("Tavrel-FSX UK"));
    QCOMPARE(m_config->appName(), QString("KV1600-01"));
    QCOMPARE(m_config->orgDomain(), domain7);
    QCOMPARE(m_config->windowIcon(), QString(":/Resources/logoTavrel.ico"));
    QCOMPARE(m_config->allowedPlantTypes(), texts({"KV1300", "KV1600-4600"}));
    QCOMPARE(m_config->defaultPlantType(), 1);
    QCOMPARE(g_zpConf->get_panel_type(), 8u);
    QCOMPARE(panelTypeByte(), 8);
    // The new panel configuration replaced the brand set before.
    QCOMPARE(panelBrand(), 3);
    QCOMPARE(m_config->current_brand(), 3);

    // Panel type 8 is CPU model 8 (KV1600).
    QCOMPARE(m_config->proto_adv(), false);
    QCOMPARE(m_config->proto_apollo(), true);
    QCOMPARE(m_config->proto_varn(), true);
    QCOMPARE(m_config->has_network_type(), true);
    QCOMPARE(m_config->has_sib(), false);
    QCOMPARE(m_config->maxDevPerZone(), 50);
    QCOMPARE(m_config->cpuTypeList(), ints({7, 8}));
    QCOMPARE(m_config->brandChoices(), ints({4, 3}));
    QCOMPARE(m_config->isKVVarn(), true);
}

void tst_Configuration::configuration8KeepsLoadedPanelConfig()
{
    setPanelBrand(4);
    QCOMPARE(m_config->applyConfigNumber(8, false), true);
    QCOMPARE(m_config->configNumber(), 8);
    QCOMPARE(m_config->orgName(), QString("Tavrel-FSX UK"));
    QCOMPARE(m_config->appName(), QString("KV1600-01"));
    QCOMPARE(m_config->defaultPlantType(), 1);
    // Everything derived comes from the loaded panel type 7, and its data stays.
    QCOMPARE(g_zpConf->get_panel_type(), 7u);
    QCOMPARE(panelBrand(), 4);
    QCOMPARE(m_config->current_brand(), 4);
    QCOMPARE(m_config->sirenMaxType(), 14);
    QCOMPARE(m_config->sirenMaxVolume(), 6);
    QCOMPARE(m_config->has_network_type(), false);
    QCOMPARE(m_config->cpuTypeList(), ints({6}));
    QCOMPARE(m_config->brandChoices(), ints({4, 3}));
    QCOMPARE(m_config->maxDevPerZone(), 50);
}

void tst_Configuration::secondApplicationEmitsNothing()
{
    auto spies = spyAll(m_config);
    LogCapture log;
    QCOMPARE(m_config->applyConfigNumber(7, true), true);
    QCOMPARE(emitted(m_config, spies), QStringList());
    QCOMPARE(m_config->applyConfigNumber(7, false), true);
    QCOMPARE(emitted(m_config, spies), QStringList());

    // printCfg runs on every application: the banner, then one line per property in order.
    QCOMPARE(log.startingWith("*****************************CONFIG***************************").size(), 2);
    const int banner = log.lines().indexOf("*****************************CONFIG***************************");
    QVERIFY(banner >= 0);
    QVERIFY(log.lines().size() > banner + 21);
    for (int i = 0; i < 21; ++i) {
        const QString line = log.lines().at(banner + 1 + i);
        QVERIFY2(line.startsWith(QString::fromLatin1(kPropertyNames[i]) + " "), qPrintable(line));
        QVERIFY2(line.contains(" = "), qPrintable(line));
    }
}

void tst_Configuration::refusedConfiguration_data()
{
    QTest::addColumn<int>("number");
    for (int number : {-1, 0, 1, 2, 3, 5, 6, 9, 15, 16, 22, 23, 28, 29, 255})
        QTest::addRow("%d", number) << number;
}

void tst_Configuration::refusedConfiguration()
{
    QFETCH(int, number);
    setPanelBrand(4);
    m_config->set_current_brand(4);
    for (bool newPanelConfig : {false, true}) {
        auto spies = spyAll(m_config);
        LogCapture log;
        QCOMPARE(m_config->applyConfigNumber(number, newPanelConfig), false);
        QCOMPARE(emitted(m_config, spies), QStringList());
        QCOMPARE(log.lines(), QStringList());
        QCOMPARE(m_config->configNumber(), 7);
        QCOMPARE(m_config->orgName(), QString("Tavrel-FSX"));
        QCOMPARE(g_zpConf->get_panel_type(), 7u);
        QCOMPARE(panelBrand(), 4);
    }
}

void tst_Configuration::allowedConfigs()
{
    QCOMPARE(m_config->getAllowedConfigs(), ints({7, 8}));
}

void tst_Configuration::configsForPanelType_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<QVariantList>("configs");
    QTest::newRow("0") << 0 << QVariantList();
    QTest::newRow("1") << 1 << ints({6});
    QTest::newRow("2") << 2 << ints({23, 24});
    QTest::newRow("3") << 3 << ints({25, 26});
    QTest::newRow("4") << 4 << ints({27, 28});
    QTest::newRow("5") << 5 << ints({11});
    QTest::newRow("6") << 6 << ints({12});
    QTest::newRow("7") << 7 << ints({7});
    QTest::newRow("8") << 8 << ints({8});
    QTest::newRow("9") << 9 << ints({9});
    QTest::newRow("10") << 10 << ints({10});
    QTest::newRow("11") << 11 << ints({3});
    QTest::newRow("12") << 12 << ints({4});
    QTest::newRow("13") << 13 << QVariantList();
    QTest::newRow("14") << 14 << ints({5});
    QTest::newRow("15") << 15 << QVariantList();
    QTest::newRow("16") << 16 << ints({13});
    QTest::newRow("17") << 17 << ints({14});
    QTest::newRow("18") << 18 << QVariantList();
    QTest::newRow("255") << 255 << QVariantList();
    QTest::newRow("-1") << -1 << QVariantList();
}

void tst_Configuration::configsForPanelType()
{
    QFETCH(int, panelType);
    QFETCH(QVariantList, configs);
    QCOMPARE(m_config->getConfigsForPanelType(panelType), configs);
}

void tst_Configuration::newPlantTypeChosen_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("plantTypeCount");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("target");

    // Targets for the indices -1, 0, 1, 2, 3 of each source configuration.
    struct Row {
        int source;
        int count;
        int targets[5];
    };
    const Row rows[] = {
        {0, 0, {kNone, kInvalid, kInvalid, kInvalid, kInvalid}},
        {1, 2, {kNone, kNone, kNone, kInvalid, kInvalid}},
        {2, 2, {kNone, kNone, kNone, kInvalid, kInvalid}},
        {3, 2, {3, 3, 6, kInvalid, kInvalid}},
        {4, 2, {4, 4, 5, kInvalid, kInvalid}},
        {5, 2, {4, 4, 5, kInvalid, kInvalid}},
        {6, 2, {3, 3, 6, kInvalid, kInvalid}},
        {7, 2, {7, 7, 8, kInvalid, kInvalid}},
        {8, 2, {8, 7, 8, kInvalid, kInvalid}},
        {9, 2, {9, 9, 10, kInvalid, kInvalid}},
        {10, 2, {10, 9, 10, kInvalid, kInvalid}},
        {11, 2, {11, 11, 12, kInvalid, kInvalid}},
        {12, 2, {12, 11, 12, kInvalid, kInvalid}},
        {13, 2, {13, 13, 14, kInvalid, kInvalid}},
        {14, 2, {14, 13, 14, kInvalid, kInvalid}},
        {15, 2, {15, 15, 16, kInvalid, kInvalid}},
        {16, 2, {16, 15, 16, kInvalid, kInvalid}},
        {17, 2, {17, 17, 18, kInvalid, kInvalid}},
        {18, 2, {18, 17, 18, kInvalid, kInvalid}},
        {19, 2, {19, 19, 20, kInvalid, kInvalid}},
        {20, 2, {20, 19, 20, kInvalid, kInvalid}},
        {21, 2, {21, 21, 22, kInvalid, kInvalid}},
        {22, 2, {22, 21, 22, kInvalid, kInvalid}},
        {23, 3, {23, 23, 25, 27, kInvalid}},
        {24, 3, {24, 24, 26, 28, kInvalid}},
        {25, 3, {25, 23, 25, 27, kInvalid}},
        {26, 3, {26, 24, 26, 28, kInvalid}},
        {27, 3, {27, 23, 25, 27, kInvalid}},
        {28, 3, {28, 24, 26, 28, kInvalid}},
        {29, 2, {kNone, kNone, kNone, kInvalid, kInvalid}},
    };
    for (const Row& row : rows) {
        for (int i = 0; i < 5; ++i) {
            const int index = i - 1;
            QTest::addRow("config %d index %d", row.source, index)
                << row.source << row.count << index << row.targets[i];
        }
    }
}

void tst_Configuration::newPlantTypeChosen()
{
    QFETCH(int, source);
    QFETCH(int, plantTypeCount);
    QFETCH(int, index);
    QFETCH(int, target);

    if (target != kInvalid)
        QCOMPARE(BrandTable::plantTypeTarget(source, index), target);

    // A marker in the panel data shows whether a new panel configuration was started.
    m_config->set_current_brand(4);
    QCOMPARE(panelBrand(), 4);
    m_config->set_configNumber(source);
    QVariantList plantTypes;
    for (int i = 0; i < plantTypeCount; ++i)
        plantTypes << QVariant(QString("type %1").arg(i));
    m_config->set_allowedPlantTypes(plantTypes);

    LogCapture log;
    m_config->newPlantTypeChosen(index);

    // Only 7 and 8 may be applied in this build.
    const bool applied = target == 7 || target == 8;
    QCOMPARE(m_config->configNumber(), applied ? target : source);
    QCOMPARE(g_zpConf->get_panel_type(), applied ? u32(target) : 7u);
    QCOMPARE(panelBrand(), applied ? 3 : 4);
    if (applied)
        QCOMPARE(m_config->allowedPlantTypes(), texts({"KV1300", "KV1600-4600"}));
    else
        QCOMPARE(m_config->allowedPlantTypes(), plantTypes);

    const QStringList refused = log.startingWith("IMPOSSIBLE: index of chosen plant not valid");
    const QStringList loaded = log.startingWith("LOADED CONFIG!!! ");
    QCOMPARE(refused.size(), target == kInvalid ? 1 : 0);
    QCOMPARE(loaded.size(), target == kInvalid ? 0 : 1);
    QCOMPARE(log.startingWith("**************Impossible Config").size(),
             (source == 1 || source == 2) && target != kInvalid ? 1 : 0);
}

void tst_Configuration::newPlantTypeChosenUnderStartConfiguration()
{
    m_config->newPlantTypeChosen(1);
    QCOMPARE(m_config->configNumber(), 8);
    QCOMPARE(m_config->orgName(), QString("Tavrel-FSX UK"));
    QCOMPARE(g_zpConf->get_panel_type(), 8u);
    QCOMPARE(m_config->cpuTypeList(), ints({7, 8}));

    m_config->newPlantTypeChosen(0);
    QCOMPARE(m_config->configNumber(), 7);
    QCOMPARE(m_config->orgName(), QString("Tavrel-FSX"));
    QCOMPARE(g_zpConf->get_panel_type(), 7u);
    QCOMPARE(m_config->cpuTypeList(), ints({6}));

    // Index 0 again starts a new empty panel configuration.
    setPanelBrand(4);
    m_config->newPlantTypeChosen(0);
    QCOMPARE(panelBrand(), 3);

    setPanelBrand(4);
    auto spies = spyAll(m_config);
    LogCapture log;
    m_config->newPlantTypeChosen(2);
    QCOMPARE(log.lines(), QStringList({"IMPOSSIBLE: index of chosen plant not valid"}));
    QCOMPARE(emitted(m_config, spies), QStringList());
    QCOMPARE(panelBrand(), 4);
}

void tst_Configuration::applyPanelTypeConfig_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("startConfig");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("config");
    // Only the panel types of the allowed configurations 7 and 8 have one.
    QTest::newRow("7 from 8") << 7 << 8 << true << 7;
    QTest::newRow("7 from 7") << 7 << 7 << true << 7;
    QTest::newRow("8 from 7") << 8 << 7 << true << 8;
    QTest::newRow("8 from 8") << 8 << 8 << true << 8;
    QTest::newRow("10 from 8") << 10 << 8 << false << 8;
    for (int type : {-1, 0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 255})
        QTest::addRow("%d", type) << type << 7 << false << 7;
}

void tst_Configuration::applyPanelTypeConfig()
{
    QFETCH(int, panelType);
    QFETCH(int, startConfig);
    QFETCH(bool, result);
    QFETCH(int, config);

    QCOMPARE(m_config->applyConfigNumber(startConfig, true), true);
    m_config->set_current_brand(4);
    const QString startOrg = m_config->orgName();

    LogCapture log;
    QCOMPARE(m_config->applyPanelTypeConfig(panelType), result);
    QCOMPARE(m_config->configNumber(), config);
    QCOMPARE(m_config->orgName(), config == 8 ? QString("Tavrel-FSX UK")
                                              : config == 7 ? QString("Tavrel-FSX") : startOrg);
    // The loaded panel data is kept, applied or not.
    QCOMPARE(g_zpConf->get_panel_type(), u32(startConfig));
    QCOMPARE(panelBrand(), 4);
    QCOMPARE(m_config->current_brand(), 4);
    QCOMPARE(log.startingWith("Allowed Configs ").size(), 1);
}

void tst_Configuration::propertyOrder()
{
    const QMetaObject* meta = m_config->metaObject();
    QCOMPARE(meta->propertyCount() - meta->propertyOffset(), 21);
    for (int i = 0; i < 21; ++i) {
        const QMetaProperty property = meta->property(meta->propertyOffset() + i);
        QCOMPARE(property.name(), kPropertyNames[i]);
        QVERIFY(property.isWritable());
        QVERIFY(property.hasNotifySignal());
        const QByteArray signal = property.notifySignal().methodSignature();
        QCOMPARE(signal.left(signal.indexOf('(')), QByteArray(kPropertyNames[i]) + "Changed");
    }
    QCOMPARE(m_config->metaObject()->indexOfSignal("notifyChanged()") >= 0, true);
}

void tst_Configuration::settersCompareStoreEmit()
{
    const QMetaObject* meta = m_config->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        const QByteArray setter = QByteArray("set_") + property.name();
        const QVariant original = property.read(m_config);
        QVariant other;
        switch (original.userType()) {
        case QMetaType::Int: other = original.toInt() + 1; break;
        case QMetaType::Bool: other = !original.toBool(); break;
        case QMetaType::QString: other = original.toString() + "x"; break;
        case QMetaType::QVariantList: other = original.toList() << QVariant(99); break;
        default: QFAIL(property.name());
        }

        QSignalSpy spy(m_config, property.notifySignal());
        auto call = [&](const QVariant& value) {
            bool changed = false;
            const bool invoked = QMetaObject::invokeMethod(
                m_config, setter.constData(), Qt::DirectConnection, Q_RETURN_ARG(bool, changed),
                QGenericArgument(value.typeName(), value.constData()));
            if (!invoked)
                qFatal("no setter %s", setter.constData());
            return changed;
        };
        QVERIFY2(!call(original), property.name());
        QCOMPARE(spy.count(), 0);
        QVERIFY2(call(other), property.name());
        QCOMPARE(spy.count(), 1);
        QCOMPARE(property.read(m_config), other);
        if (property.notifySignal().parameterCount() == 1)
            QCOMPARE(spy.at(0).at(0), other);
        QVERIFY2(!call(other), property.name());
        QCOMPARE(spy.count(), 1);
        QVERIFY2(call(original), property.name());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(property.read(m_config), original);
    }
}

void tst_Configuration::unchangedValueEmitsNothing()
{
    QSignalSpy orgSpy(m_config, &Configuration::orgNameChanged);
    QCOMPARE(m_config->set_orgName(QString("Tavrel-") + "FSX"), false);
    QCOMPARE(orgSpy.count(), 0);
    QCOMPARE(m_config->set_orgName("Other"), true);
    QCOMPARE(orgSpy.count(), 1);
    QCOMPARE(orgSpy.at(0).at(0).toString(), QString("Other"));

    QSignalSpy cpuSpy(m_config, &Configuration::cpuTypeListChanged);
    QCOMPARE(m_config->set_cpuTypeList(ints({6})), false);
    QCOMPARE(cpuSpy.count(), 0);
    QCOMPARE(m_config->set_cpuTypeList(ints({6, 7})), true);
    QCOMPARE(cpuSpy.count(), 1);

    // Setting the held brand does not run the brand reaction.
    QSignalSpy notifySpy(m_config, &Configuration::notifyChanged);
    QSignalSpy brandSpy(m_config, &Configuration::current_brandChanged);
    LogCapture log;
    QCOMPARE(m_config->set_current_brand(3), false);
    QCOMPARE(brandSpy.count(), 0);
    QCOMPARE(notifySpy.count(), 0);
    QCOMPARE(log.startingWith("NOTIFY CHANGES change brand").size(), 0);

    QCOMPARE(m_config->set_notify(QString()), false);
    QCOMPARE(notifySpy.count(), 0);
}

void tst_Configuration::currentBrandWritesPanelData()
{
    QSignalSpy notifySpy(m_config, &Configuration::notifyChanged);
    QSignalSpy typeSpy(m_config, &Configuration::sirenMaxTypeChanged);
    QSignalSpy volumeSpy(m_config, &Configuration::sirenMaxVolumeChanged);
    ZpConfBlock* block = g_zpConf->get_block(0, 2, 2);
    QVERIFY(block);
    QVERIFY(!block->is_modified());

    QCOMPARE(m_config->set_current_brand(4), true);
    QCOMPARE(panelBrand(), 4);
    // The write lock was released, which recomputes the CRC and clears the mark.
    QVERIFY(!block->is_modified());
    QCOMPARE(m_config->sirenMaxType(), 14);
    QCOMPARE(m_config->sirenMaxVolume(), 6);
    QCOMPARE(typeSpy.count(), 1);
    QCOMPARE(typeSpy.at(0).at(0).toInt(), 14);
    QCOMPARE(volumeSpy.count(), 1);
    QCOMPARE(volumeSpy.at(0).at(0).toInt(), 6);
    QCOMPARE(notifySpy.count(), 1);
    QCOMPARE(m_config->notify(), QString());

    QCOMPARE(m_config->set_current_brand(3), true);
    QCOMPARE(panelBrand(), 3);
    QCOMPARE(m_config->sirenMaxType(), 32);
    QCOMPARE(m_config->sirenMaxVolume(), 3);
    QCOMPARE(typeSpy.count(), 2);
    QCOMPARE(notifySpy.count(), 2);

    // The panel data already holds the brand: nothing is written, the limits and notify are
    // refreshed all the same.
    m_config->set_current_brand(4);
    setPanelBrand(3);
    QCOMPARE(m_config->set_current_brand(3), true);
    QCOMPARE(panelBrand(), 3);
    QCOMPARE(m_config->sirenMaxType(), 32);
    QCOMPARE(notifySpy.count(), 4);
}

void tst_Configuration::currentBrandNotAllowedForPanelType()
{
    // Panel type 7 allows the brands 4 and 3; the panel configuration's own check replaces
    // brand 2 by the first of them, and the limits follow what the panel data holds.
    QCOMPARE(m_config->set_current_brand(2), true);
    QCOMPARE(m_config->current_brand(), 2);
    QCOMPARE(panelBrand(), 4);
    QCOMPARE(m_config->sirenMaxType(), 14);
    QCOMPARE(m_config->sirenMaxVolume(), 6);
}

void tst_Configuration::configNumberTests_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("zp4x");
    QTest::addColumn<bool>("kv");
    QTest::addColumn<bool>("kvVarn");
    QTest::addColumn<bool>("kvAdv");
    QTest::addColumn<bool>("zpcl");
    QTest::newRow("-1") << -1 << true << false << false << false << false;
    QTest::newRow("0") << 0 << true << false << false << false << false;
    QTest::newRow("4") << 4 << true << false << false << false << false;
    QTest::newRow("5") << 5 << false << false << false << false << false;
    QTest::newRow("6") << 6 << false << false << false << false << false;
    QTest::newRow("7") << 7 << false << true << true << false << false;
    QTest::newRow("14") << 14 << false << true << true << false << false;
    QTest::newRow("15") << 15 << false << true << false << true << false;
    QTest::newRow("22") << 22 << false << true << false << true << false;
    QTest::newRow("23") << 23 << false << false << false << false << true;
    QTest::newRow("28") << 28 << false << false << false << false << true;
    QTest::newRow("29") << 29 << false << false << false << false << true;
}

void tst_Configuration::configNumberTests()
{
    QFETCH(int, number);
    QFETCH(bool, zp4x);
    QFETCH(bool, kv);
    QFETCH(bool, kvVarn);
    QFETCH(bool, kvAdv);
    QFETCH(bool, zpcl);
    m_config->set_configNumber(number);
    QCOMPARE(m_config->isZP4x(), zp4x);
    QCOMPARE(m_config->isKV(), kv);
    QCOMPARE(m_config->isKVVarn(), kvVarn);
    QCOMPARE(m_config->isKVAdv(), kvAdv);
    QCOMPARE(m_config->isZPCL(), zpcl);
}

void tst_Configuration::fileExtension_data()
{
    QTest::addColumn<int>("centralBrand");
    QTest::addColumn<QString>("extension");
    QTest::newRow("-1") << -1 << ".ov";
    QTest::newRow("0") << 0 << ".kov";
    QTest::newRow("1") << 1 << ".fov";
    QTest::newRow("2") << 2 << ".tov";
    QTest::newRow("3") << 3 << ".ov";
    QTest::newRow("5") << 5 << ".ov";
}

void tst_Configuration::fileExtension()
{
    QFETCH(int, centralBrand);
    QFETCH(QString, extension);
    m_config->set_central_brand(centralBrand);
    QCOMPARE(m_config->getFileExtension(), extension);
}

void tst_Configuration::brandString_data()
{
    // Without a translator the message id itself comes back.
    QTest::addColumn<int>("brand");
    QTest::addColumn<QString>("text");
    QTest::newRow("-1") << -1 << QString();
    QTest::newRow("0") << 0 << "Kaldoren";
    QTest::newRow("1") << 1 << "Fernholdt";
    QTest::newRow("2") << 2 << "Tavrel";
    QTest::newRow("3") << 3 << "Zelmar Detect";
    QTest::newRow("4") << 4 << "Apollo";
    QTest::newRow("5") << 5 << QString();
}

void tst_Configuration::brandString()
{
    QFETCH(int, brand);
    QFETCH(QString, text);
    QCOMPARE(m_config->getBrandString(brand), text);
}

void tst_Configuration::cpuTypeName_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    const char* const names[] = {"UNKNOWN", "ZP4800", "ZP4700", "ZP1300CL", "ZP1600CL",
                                 "ZP3600CL", "KV1300", "KV1600", "KV4600", "ZP4800N",
                                 "UNKNOWN", "NUM", "UNKNOWN"};
    for (int code = 0; code <= 12; ++code)
        QTest::addRow("%d", code) << code << names[code];
    QTest::newRow("-1") << -1 << "UNKNOWN";
    QTest::newRow("255") << 255 << "UNKNOWN";
}

void tst_Configuration::cpuTypeName()
{
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(Configuration::getCpuTypeName(code), name);
}

void tst_Configuration::charBufferToString()
{
    char field[32];
    memset(field, 'z', sizeof field);
    field[0] = 'A';
    field[1] = 'B';
    field[2] = 0;
    QCOMPARE(Configuration::charBufferToString(field, 32), QString("AB"));
    QCOMPARE(field[0], 'A');
    QCOMPARE(field[1], 'B');
    for (int i = 2; i < 32; ++i)
        QCOMPARE(int(field[i]), 0);

    char full[33];
    memset(full, 'k', sizeof full);
    full[32] = 'X'; // past the field: neither read nor written
    QCOMPARE(Configuration::charBufferToString(full, 40), QString(32, QChar('k')));
    QCOMPARE(full[31], 'k');
    QCOMPARE(full[32], 'X');
}

void tst_Configuration::brandedIcon_data()
{
    QTest::addColumn<int>("centralBrand");
    QTest::addColumn<int>("configNumber");
    QTest::addColumn<QString>("image");
    QTest::addColumn<int>("cpuType");
    QTest::addColumn<QStringList>("tried");
    QTest::addColumn<QString>("result");

    // The test resources hold, under ":/Resources/": iconA_m_KV-4600, iconA_m, iconA_h;
    // iconB_m, iconB_h, iconB_KV-4600; iconC_h, iconC; iconD; iconE_ZP, iconE;
    // iconF_m_ZP-4800G, iconF_m (all ".svg"). CPU type 8 is "KV-4600", 10 "ZP-4800G".
    QTest::newRow("2: CPU suffix first") << 2 << 7 << "iconA%1.svg" << 8
        << QStringList{"iconA_m_KV-4600.svg"} << "iconA_m_KV-4600.svg";
    QTest::newRow("2: then _m") << 2 << 7 << "iconB%1.svg" << 8
        << QStringList{"iconB_m_KV-4600.svg", "iconB_m.svg"} << "iconB_m.svg";
    QTest::newRow("2: then _h") << 2 << 7 << "iconC%1.svg" << 8
        << QStringList{"iconC_m_KV-4600.svg", "iconC_m.svg", "iconC_h.svg"} << "iconC_h.svg";
    QTest::newRow("2: no empty suffix") << 2 << 7 << "iconD%1.svg" << 8
        << QStringList{"iconD_m_KV-4600.svg", "iconD_m.svg", "iconD_h.svg"} << "";
    QTest::newRow("2: cpu 255") << 2 << 7 << "iconA%1.svg" << 255
        << QStringList{"iconA_m.svg"} << "iconA_m.svg";
    QTest::newRow("2: cpu 10") << 2 << 7 << "iconF%1.svg" << 10
        << QStringList{"iconF_m_ZP-4800G.svg"} << "iconF_m_ZP-4800G.svg";
    QTest::newRow("2: cpu 11") << 2 << 7 << "iconF%1.svg" << 11
        << QStringList{"iconF_m.svg"} << "iconF_m.svg";
    QTest::newRow("2: low byte of cpu") << 2 << 7 << "iconA%1.svg" << -248
        << QStringList{"iconA_m_KV-4600.svg"} << "iconA_m_KV-4600.svg";
    QTest::newRow("2: none") << 2 << 7 << "none%1.png" << 8
        << QStringList{"none_m_KV-4600.png", "none_m.png", "none_h.png"} << "";

    QTest::newRow("0: CPU suffix") << 0 << 7 << "iconB%1.svg" << 8
        << QStringList{"iconB_KV-4600.svg"} << "iconB_KV-4600.svg";
    QTest::newRow("0: _ZP above 22") << 0 << 25 << "iconE%1.svg" << 8
        << QStringList{"iconE_KV-4600.svg", "iconE_ZP.svg"} << "iconE_ZP.svg";
    QTest::newRow("0: _ZP at 23") << 0 << 23 << "iconE%1.svg" << 255
        << QStringList{"iconE_ZP.svg"} << "iconE_ZP.svg";
    QTest::newRow("0: no _ZP at 22") << 0 << 22 << "iconE%1.svg" << 255
        << QStringList{"iconE.svg"} << "iconE.svg";
    QTest::newRow("0: empty suffix") << 0 << 25 << "iconD%1.svg" << 255
        << QStringList{"iconD_ZP.svg", "iconD.svg"} << "iconD.svg";
    QTest::newRow("0: none") << 0 << 25 << "iconB%1.svg" << 255
        << QStringList{"iconB_ZP.svg", "iconB.svg"} << "";

    QTest::newRow("1: _h") << 1 << 7 << "iconC%1.svg" << 8
        << QStringList{"iconC_h.svg"} << "iconC_h.svg";
    QTest::newRow("1: then empty") << 1 << 7 << "iconD%1.svg" << 8
        << QStringList{"iconD_h.svg", "iconD.svg"} << "iconD.svg";

    QTest::newRow("3: no suffix") << 3 << 7 << "iconD%1.svg" << 8 << QStringList{} << "";
    QTest::newRow("-1: no suffix") << -1 << 7 << "iconD%1.svg" << 255 << QStringList{} << "";
}

void tst_Configuration::brandedIcon()
{
    QFETCH(int, centralBrand);
    QFETCH(int, configNumber);
    QFETCH(QString, image);
    QFETCH(int, cpuType);
    QFETCH(QStringList, tried);
    QFETCH(QString, result);

    m_config->set_central_brand(centralBrand);
    m_config->set_configNumber(configNumber);
    LogCapture log;
    QCOMPARE(m_config->getBrandedIcon(image, cpuType), result);

    QCOMPARE(log.startingWith("GETTING IMAGE FOR BRAND").size(), 1);
    QStringList names;
    const QRegularExpression quoted("\"([^\"]*)\"");
    for (const QString& line : log.startingWith("checking ")) {
        const QRegularExpressionMatch match = quoted.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        names << match.captured(1);
    }
    QCOMPARE(names, tried);
    QCOMPARE(log.startingWith("OK").size(), result.isEmpty() ? 0 : 1);
    QCOMPARE(log.startingWith("IMMGINE NON TROVATA").size(), tried.size() - (result.isEmpty() ? 0 : 1));
}

void tst_Configuration::brandedIconOneArgument()
{
    m_config->set_central_brand(0);
    m_config->set_configNumber(25);
    QCOMPARE(m_config->getBrandedIcon("iconE%1.svg"), QString("iconE_ZP.svg"));
    QCOMPARE(m_config->getBrandedIcon("iconB%1.svg"), QString());
    m_config->set_central_brand(1);
    QCOMPARE(m_config->getBrandedIcon("iconA%1.svg"), QString("iconA_h.svg"));
    m_config->set_central_brand(2);
    QCOMPARE(m_config->getBrandedIcon("iconA%1.svg"), QString("iconA_m.svg"));
}

void tst_Configuration::loopProtocolAllowed_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("brand");
    QTest::addColumn<bool>("forVarn");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("KV1300_02, brand 2, VARN") << 9 << 2 << true << false;
    QTest::newRow("KV1300_02, brand 2, other") << 9 << 2 << false << true;
    QTest::newRow("KV1300_03, brand 4") << 5 << 4 << true << true;
    QTest::newRow("KV1300_03, brand 3") << 5 << 3 << true << false;
    QTest::newRow("KV1300_01, brand 4") << 7 << 4 << true << true;
    QTest::newRow("KV1300_01, brand 3") << 7 << 3 << true << false;
    QTest::newRow("ZP4800, brand 0") << 0 << 0 << true << true;
    QTest::newRow("ZP4800_FERNHOLDT, brand 1") << 13 << 1 << true << true;
    QTest::newRow("ZP4700, brand 0") << 1 << 0 << true << true;
    QTest::newRow("ZP1300CL, brand 5") << 2 << 5 << true << false;
    QTest::newRow("ZP1300CL, brand 5, other") << 2 << 5 << false << true;
    QTest::newRow("ZP4800G, VARN") << 15 << 0 << true << false;
}

void tst_Configuration::loopProtocolAllowed()
{
    QFETCH(int, panelType);
    QFETCH(int, brand);
    QFETCH(bool, forVarn);
    QFETCH(bool, allowed);
    QCOMPARE(g_zpConf->new_config(u32(panelType)), 0);
    setPanelBrand(u8(brand));
    QCOMPARE(panelBrand(), brand);
    QCOMPARE(m_config->isLoopProtocolAllowed(forVarn), allowed);
}

void tst_Configuration::allowedDeviceTypes_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<QVariantList>("codes");
    // Only types 25, 57, 58 and 59 are enabled, and none on a ZP4x00 panel.
    QTest::newRow("ZP4800, 25") << 0 << 25 << QVariantList();
    QTest::newRow("KV1300, 0") << 7 << 0 << QVariantList();
    QTest::newRow("KV1300, 24") << 7 << 24 << QVariantList();
    QTest::newRow("KV1300, 26") << 7 << 26 << QVariantList();
    // Default code 0x400B, class 1: the KV family's VARN modules 0x99 and 0x97, both
    // programmable as these types.
    QTest::newRow("KV1300, 25") << 7 << 25 << ints({0x99, 0x97});
    QTest::newRow("KV1600, 57") << 8 << 57 << ints({0x99, 0x97});
    QTest::newRow("KV1600, 59") << 8 << 59 << ints({0x99, 0x97});
    // The ZPx000CL family's VARN modules.
    QTest::newRow("ZP1300CL, 25") << 2 << 25
        << ints({0x400B, 0x99, 0x9A, 0x96, 0x98, 0x97, 0xD6});
    QTest::newRow("ZP1300CL, 58") << 2 << 58
        << ints({0x400B, 0x99, 0x9A, 0x96, 0x98, 0x97, 0xD6});
}

void tst_Configuration::allowedDeviceTypes()
{
    QFETCH(int, panelType);
    QFETCH(int, deviceType);
    QFETCH(QVariantList, codes);
    QCOMPARE(g_zpConf->new_config(u32(panelType)), 0);
    QCOMPARE(m_config->getAllowedDeviceTypes(quint8(deviceType)), codes);
}

void tst_Configuration::commonEnums()
{
    const QMetaObject& meta = ConfigurationCommon::staticMetaObject;

    const QMetaEnum sensor = meta.enumerator(meta.indexOfEnumerator("sensorBrand"));
    QVERIFY(sensor.isValid());
    QCOMPARE(sensor.keyCount(), 5);
    const char* const sensorKeys[] = {"Kaldoren", "Fernholdt", "Tavrel", "ZelmarDetect", "Apollo"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(sensor.keyToValue(sensorKeys[i]), i);

    const QMetaEnum central = meta.enumerator(meta.indexOfEnumerator("centralBrand"));
    QVERIFY(central.isValid());
    QCOMPARE(central.keyCount(), 3);
    QCOMPARE(central.keyToValue("Central_Kaldoren"), 0);
    QCOMPARE(central.keyToValue("Central_Fernholdt"), 1);
    QCOMPARE(central.keyToValue("Central_Tavrel"), 2);

    const QMetaEnum configs = meta.enumerator(meta.indexOfEnumerator("Configuration"));
    QVERIFY(configs.isValid());
    QCOMPARE(configs.keyCount(), 28);
    const char* const configKeys[] = {
        "ZP4800_IT_OLD", "ZP4800_FERNHOLDT_IT_OLD", "ZP4800N", "ZP4800N_FERNHOLDT", "ZP4700_ES",
        "ZP4700_IT", "KV1300_01", "KV1600_01", "KV1300_02", "KV1600_02", "KV1300_03",
        "KV1600_03", "KV1300_04", "KV1600_04", "KV1300_01A", "KV1600_01A", "KV1300_02A",
        "KV1600_02A", "KV1300_03A", "KV1600_03A", "KV1300_04A", "KV1600_04A", "ZP1300CL_IT",
        "ZP1300CL_ES", "ZP1600CL_IT", "ZP1600CL_ES", "ZP3600CL_IT", "ZP3600CL_ES",
    };
    for (int i = 0; i < 28; ++i)
        QCOMPARE(configs.keyToValue(configKeys[i]), i + 1);
}

void tst_Configuration::qmlType()
{
    ConfigurationCommon::registerQmlType();
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData("import QtQml 2.15\n"
                      "import com.config 0.1\n"
                      "QtObject {\n"
                      "  property int apollo: Config.Apollo\n"
                      "  property int tavrel: Config.Central_Tavrel\n"
                      "  property int kv1600: Config.KV1600_01\n"
                      "  property int last: Config.ZP3600CL_ES\n"
                      "}\n",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QCOMPARE(object->property("apollo").toInt(), 4);
    QCOMPARE(object->property("tavrel").toInt(), 2);
    QCOMPARE(object->property("kv1600").toInt(), 8);
    QCOMPARE(object->property("last").toInt(), 28);
}

QTEST_GUILESS_MAIN(tst_Configuration)
#include "tst_configuration.moc"
