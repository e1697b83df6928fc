// The brand configuration singleton and the brand configurations. Derived values follow the
// panel-model tables and the loop-device catalogue, written out by hand.
#include "TestBase.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "core/BrandTable.h"
#include "core/Configuration.h"

#include <QtTest>

namespace {

// In the order the object declares and logs them.
const QStringList kProperties = {
    "configNumber",  "orgName",          "orgDomain",     "appName",           "translationFileName",
    "windowIcon",    "proto_adv",        "proto_apollo",  "proto_varn",        "central_brand",
    "current_brand", "brandChoices",     "cpuTypeList",   "allowedPlantTypes", "defaultPlantType",
    "has_sib",       "has_network_type", "maxDevPerZone", "sirenMaxType",      "sirenMaxVolume",
    "notify"};
// What an application sets or derives.
const QString kDerived = "configNumber orgName appName defaultPlantType proto_adv proto_apollo proto_varn "
                         "has_network_type has_sib maxDevPerZone cpuTypeList brandChoices current_brand sirenMaxType "
                         "sirenMaxVolume";

Configuration* const c = Configuration::instance();

// The detector brand byte of the general programming block; tests also use it as a marker that
// shows whether a new panel configuration was started.
int panelBrand()
{
    return BlockLock<ZpData::IF_ZpxProg>(*g_zpConf, 0, 2, 2)->get_sensor_brand();
}

void setPanelBrand(int brand)
{
    ZpConfBlock* block = g_zpConf->get_block(0, 2, 2);
    QCOMPARE(block->lock_write(), 0);
    dynamic_cast<ZpData::IF_ZpxProg*>(block->get_iface())->set_sensor_brand(u8(brand));
    block->unlock();
}

// The values of the named properties, lists joined by ",", then the panel type and detector
// brand of the panel data, all joined by "|".
QString values(const QString& names)
{
    QStringList texts;
    for (const QString& name : names.split(' ')) {
        const QVariant value = c->property(qPrintable(name));
        texts << (value.type() == QVariant::List ? value.toStringList().join(',') : value.toString());
    }
    return (texts << QString::number(g_zpConf->get_panel_type()) << QString::number(panelBrand())).join('|');
}

// A panel type, the detector brand in its panel data, a device type index; the brand then set
// (none when negative) and what follows.
struct Panel {
    int type, brand, deviceType;
    bool varn;
    QVariantList codes;
    int set;
    QString after;
};

} // namespace

Q_DECLARE_METATYPE(Panel)

class tst_Configuration : public TestBase {
    Q_OBJECT

private slots:
    // Nothing applied yet: empty texts and lists, zeros, false flags.
    void initTestCase()
    {
        TestBase::initTestCase();
        const QMetaObject* meta = c->metaObject();
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
            const QVariant value = meta->property(i).read(c);
            QVERIFY2(value == QVariant(value.type())
                         || (value.type() == QVariant::String && value.toString().isEmpty()),
                     meta->property(i).name());
        }
        QVERIFY(c->isZP4x() && !c->isKV());
    }
    void init() { c->loadDefaultConfig(); }

    // Each setter compares, stores and emits only on change, with the new value.
    void setters()
    {
        const QMetaObject* meta = c->metaObject();
        QCOMPARE(meta->propertyCount() - meta->propertyOffset(), kProperties.size());
        for (int i = 0; i < kProperties.size(); ++i) {
            const QMetaProperty property = meta->property(meta->propertyOffset() + i);
            QCOMPARE(QString(property.name()), kProperties[i]);
            const QVariant original = property.read(c);
            const QVariant other = original.type() == QVariant::Bool ? QVariant(!original.toBool())
                : original.type() == QVariant::Int                   ? QVariant(original.toInt() + 1)
                : original.type() == QVariant::String                ? QVariant(original.toString() + "x")
                                                                     : QVariant(original.toList() << 99);
            QSignalSpy spy(c, property.notifySignal());
            QVariantList results;
            for (const QVariant& value : {original, other, other, original}) {
                bool changed = false;
                QVERIFY(QMetaObject::invokeMethod(c, qPrintable("set_" + kProperties[i]), Q_RETURN_ARG(bool, changed),
                                                  QGenericArgument(value.typeName(), value.constData())));
                results << changed << property.read(c) << spy.count();
            }
            QCOMPARE(results, (QVariantList{false, original, 0, true, other, 1, false, other, 1, true, original, 2}));
            QCOMPARE(spy.at(0).value(0), property.notifySignal().parameterCount() ? other : QVariant());
        }
    }

    // Rows start from configuration 7 with a new panel configuration, whose detector brand 3 is
    // then replaced by 4 in the panel data; "N new|kept" applies N with a new panel
    // configuration or without, "plant N" chooses plant type N. "fired" names the change signals
    // emitted; only 7 and 8 may be applied.
    void apply_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("fired");
        const QString start = "7|Tavrel-FSX|KV1300-01|0|false|true|true|false|false|50|6|4,3|3|32|3|7|";
        const QString eight = "8|Tavrel-FSX UK|KV1600-01|1|false|true|true|true|false|50|7,8|4,3|3|32|3|8|3";
        const QString eightFired = "configNumber orgName appName cpuTypeList defaultPlantType has_network_type";
        QTest::newRow("7 new") << start + "3"
                               << "";
        QTest::newRow("8 new") << eight << eightFired;
        QTest::newRow("8 kept") << "8|Tavrel-FSX UK|KV1600-01|1|false|true|true|false|false|50|6|4,3|4|14|6|7|4"
                                << "configNumber orgName appName current_brand defaultPlantType sirenMaxType "
                                   "sirenMaxVolume notify";
        for (int number : {-1, 0, 1, 2, 3, 5, 6, 9, 15, 16, 22, 23, 28, 29})
            for (const char* how : {"new", "kept"})
                QTest::addRow("%d %s", number, how) << start + "4"
                                                    << "";
        QTest::newRow("plant 1") << eight << eightFired;
        QTest::newRow("plant 0") << start + "3"
                                 << "";
        QTest::newRow("plant -1") << start + "3"
                                  << "";
        QTest::newRow("plant 2") << start + "4"
                                 << "";
    }
    void apply()
    {
        QFETCH(QString, expected);
        QFETCH(QString, fired);
        const QString tag = QTest::currentDataTag(), domain = c->orgDomain();
        const bool plant = tag.startsWith("plant");
        const int number = tag.split(' ')[plant ? 1 : 0].toInt();
        const bool applied = plant ? number < 2 : expected.startsWith(QString::number(number) + '|');
        setPanelBrand(4);
        const int mark = messages(QtDebugMsg).size();
        std::vector<std::unique_ptr<QSignalSpy>> spies;
        for (int i = 0; i < kProperties.size(); ++i)
            spies.emplace_back(
                new QSignalSpy(c, c->metaObject()->property(c->metaObject()->propertyOffset() + i).notifySignal()));
        if (plant)
            c->newPlantTypeChosen(number);
        else
            QCOMPARE(c->applyConfigNumber(number, tag.endsWith("new")), applied);
        QCOMPARE(values(kDerived), expected);
        // Every configuration shares the translation and the central brand; 7 and 8 also the
        // domain, the icon and the plant types.
        QCOMPARE(values("orgDomain translationFileName windowIcon central_brand allowedPlantTypes").section('|', 0, 4),
                 domain + "|ov4800|:/Resources/logoTavrel.ico|2|KV1300,KV1600-4600");
        QStringList names;
        for (int i = 0; i < kProperties.size(); ++i)
            names << (spies[size_t(i)]->isEmpty() ? QString() : kProperties[i]);
        QCOMPARE(names.filter(QRegularExpression(".")).join(' '), fired);
        // Every application logs the configuration, a property a line; a refused one logs
        // nothing but a refused plant-type index.
        const QStringList lines = messages(QtDebugMsg).mid(mark);
        QStringList marks = lines.filter(QRegularExpression("^(\\*+CONFIG\\*+$|notify |IMPOSSIBLE|LOADED CONFIG!!!)"));
        QCOMPARE(marks.replaceInStrings(QRegularExpression("[ :].*"), "").join(' '),
                 QString(applied ? "*****************************CONFIG*************************** notify" : "")
                     + (plant ? (applied ? " LOADED" : "IMPOSSIBLE") : ""));
        QVERIFY(applied || plant || lines.isEmpty());
    }

    // Whole ranges. The configurations of the panel types -1 to 18; only 7 and 8 may be applied,
    // and a file's panel type applies its own one from the other, keeping the loaded data. The
    // family of each configuration number ("z" ZP4x00, "k" KV, "v" its VARN and "a" its ADV half,
    // "c" ZPxx00CL), the file extension of each central brand, the name of each detector brand
    // and of each CPU type code.
    void ranges()
    {
        QCOMPARE(c->getAllowedConfigs(), (QVariantList{7, 8}));
        QStringList map;
        for (int type = -1; type <= 18; ++type) {
            const QStringList configs = QVariant(c->getConfigsForPanelType(type)).toStringList();
            map << (configs.isEmpty() ? "-" : configs.join(','));
            const int from = type == 7 ? 8 : 7, to = type == 7 || type == 8 ? type : from;
            QVERIFY(c->applyConfigNumber(from, true));
            c->set_current_brand(4);
            QCOMPARE(c->applyPanelTypeConfig(type), to == type);
            QCOMPARE(values("configNumber orgName current_brand"),
                     QString("%1|Tavrel-FSX%2|4|%3|4").arg(to).arg(to == 8 ? " UK" : "").arg(from));
        }
        QCOMPARE(map.join(' '), QString("- - 6 23,24 25,26 27,28 11 12 7 8 9 10 3 4 - 5 - 13 14 -"));
        QStringList family, extension, brand, cpu;
        for (int n = -1; n <= 29; ++n) {
            c->set_configNumber(n);
            c->set_central_brand(n);
            const QString f = QString(c->isZP4x() ? "z" : "") + (c->isKV() ? "k" : "") + (c->isKVVarn() ? "v" : "")
                + (c->isKVAdv() ? "a" : "") + (c->isZPCL() ? "c" : "");
            family << (f.isEmpty() ? "-" : f);
            extension << c->getFileExtension();
            brand << c->getBrandString(n);
            cpu << Configuration::getCpuTypeName(n);
        }
        QCOMPARE(family.join(' '),
                 "z z z z z z - - " + QString("kv ").repeated(8) + QString("ka ").repeated(8)
                     + QString("c c c c c c c"));
        QCOMPARE(extension.join(' '), ".ov .kov .fov .tov" + QString(" .ov").repeated(27));
        QCOMPARE(brand.join(','), ",Kaldoren,Fernholdt,Tavrel,Zelmar Detect,Apollo" + QString(",").repeated(25));
        QCOMPARE(cpu.join(' '),
                 "UNKNOWN UNKNOWN ZP4800 ZP4700 ZP1300CL ZP1600CL ZP3600CL KV1300 KV1600 KV4600 "
                 "ZP4800N UNKNOWN NUM"
                     + QString(" UNKNOWN").repeated(18));
    }

    // Per configuration: the target of each plant-type index -1 to 3 (0 for none), and for spot
    // rows the organisation, application, icon, plant types, the default among them and the
    // panel type of a new panel configuration.
    void configurations_data()
    {
        QTest::addColumn<QString>("targets");
        QTest::addColumn<QString>("row");
        QTest::newRow("1") << "0 0 0 0 0"
                           << "Kaldoren Italia|OV4800|Kaldoren|OV4800,OV4700|0|0";
        QTest::newRow("2") << "0 0 0 0 0"
                           << "Fernholdt|OV4800|Fernholdt|OV4800,OV4700|0|13";
        QTest::newRow("3") << "3 3 6 3 3"
                           << "Kaldoren Italia|OV4800N|Kaldoren|OV4800N,OV4700|0|11";
        QTest::newRow("5") << "4 4 5 4 4"
                           << "Fernholdt ES|ZP4700|Fernholdt|OV4800N,OV4700|0|14";
        QTest::newRow("6") << "3 3 6 3 3"
                           << "Kaldoren Italia|OV4700|Kaldoren|OV4800N,OV4700|1|1";
        QTest::newRow("18") << "18 17 18 18 18"
                            << "Tavrel-FSX|KV1600-02|Tavrel|KV1300,KV1600-4600|1|10";
        QTest::newRow("22") << "22 21 22 22 22"
                            << "";
        QTest::newRow("23") << "23 23 25 27 23"
                            << "Kaldoren IT|ZP1300CL|Kaldoren|ZP1300,ZP1600,ZP3600|0|2";
        QTest::newRow("24") << "24 24 26 28 24"
                            << "";
        QTest::newRow("25") << "25 23 25 27 25"
                            << "Kaldoren IT|ZP1600CL|Kaldoren|ZP1300,ZP1600,ZP3600|1|3";
        QTest::newRow("26") << "26 24 26 28 26"
                            << "";
        QTest::newRow("27") << "27 23 25 27 27"
                            << "Kaldoren IT|ZP3600CL|Kaldoren|ZP1300,ZP1600,ZP3600|2|4";
        QTest::newRow("28") << "28 24 26 28 28"
                            << "Kaldoren ES|ZP3600CL|Kaldoren|ZP1300,ZP1600,ZP3600|2|4";
        QTest::newRow("29") << "0 0 0 0 0"
                            << "";
    }
    void configurations()
    {
        QFETCH(QString, targets);
        QFETCH(QString, row);
        const int number = QString(QTest::currentDataTag()).toInt();
        QStringList actual;
        for (int index = -1; index <= 3; ++index)
            actual << QString::number(BrandTable::plantTypeTarget(number, index));
        QCOMPARE(actual.join(' '), targets);
        const BrandRow* r = BrandTable::row(number);
        QCOMPARE(r ? r->number : 0, number == 29 ? 0 : number);
        QCOMPARE(BrandTable::plantTypes(number).isEmpty(), !r);
        if (!row.isEmpty())
            QCOMPARE(QStringList({r->orgName, r->appName, QString(r->windowIcon).mid(16).chopped(4),
                                  BrandTable::plantTypes(number).join(','), QString::number(r->defaultPlantType),
                                  QString::number(r->panelType)})
                         .join('|'),
                     row);
    }

    // A new panel configuration of a panel type with a detector brand in its panel data, still
    // under configuration 7. VARN device lists only on a ZP4x00 panel or under the detector brand
    // Apollo (4). Only types 25, 57, 58 and 59 are enabled, none on a ZP4x00 panel; their default
    // code 0x400B has class 1, whose modules of the panel's family programmable as the type are
    // listed. A brand change writes the panel data (the guard leaves its CRC current), takes the
    // panel data's sounder limits and always announces notify; panel type 7 allows the brands 4
    // and 3, so the panel data takes the first instead of 2.
    void panelData_data()
    {
        QTest::addColumn<Panel>("row");
        QTest::newRow("KV1300_01, brand 3 to 4") << Panel{7, 3, 25, false, {0x99, 0x97}, 4, "true 4|14|6|7|4 1"};
        QTest::newRow("KV1300_01, brand 3 held") << Panel{7, 3, 57, false, {0x99, 0x97}, 3, "false 3|32|3|7|3 0"};
        QTest::newRow("KV1300_01, brand 4 to 4") << Panel{7, 4, 24, true, {}, 4, "true 4|14|6|7|4 1"};
        QTest::newRow("KV1300_01, brand 3 to 2") << Panel{7, 3, 26, false, {}, 2, "true 2|14|6|7|4 1"};
        QTest::newRow("KV1300_02, brand 2") << Panel{9, 2, 0, false, {}, -1, ""};
        QTest::newRow("KV1600_01, brand 4") << Panel{8, 4, 59, true, {0x99, 0x97}, -1, ""};
        QTest::newRow("ZP4800, brand 0") << Panel{0, 0, 25, true, {}, -1, ""};
        QTest::newRow("ZP1300CL, brand 5")
            << Panel{2, 5, 58, false, {0x400B, 0x99, 0x9A, 0x96, 0x98, 0x97, 0xD6}, -1, ""};
        QTest::newRow("ZP4800G, brand 0") << Panel{15, 0, 24, false, {}, -1, ""};
    }
    void panelData()
    {
        QFETCH(Panel, row);
        QCOMPARE(g_zpConf->new_config(u32(row.type)), 0);
        setPanelBrand(row.brand);
        QCOMPARE((QVariantList{panelBrand(), c->isLoopProtocolAllowed(true), c->isLoopProtocolAllowed(false)}),
                 (QVariantList{row.brand, row.varn, true}));
        QCOMPARE(c->getAllowedDeviceTypes(quint8(row.deviceType)), row.codes);
        QSignalSpy notify(c, &Configuration::notifyChanged);
        const bool changed = row.set >= 0 && c->set_current_brand(row.set);
        QCOMPARE(row.set < 0 ? ""
                             : QVariant(changed).toString() + ' ' + values("current_brand sirenMaxType sirenMaxVolume")
                         + ' ' + QString::number(notify.count()),
                 row.after);
        QVERIFY(!g_zpConf->get_block(0, 2, 2)->is_modified());
    }
    // The test resources hold, under ":/Resources/": iconA_m_KV-4600, iconA_m, iconA_h; iconB_m,
    // iconB_h, iconB_KV-4600; iconC_h, iconC; iconD; iconE_ZP, iconE; iconF_m_ZP-4800G, iconF_m
    // (all ".svg"). CPU type 8 is "KV-4600", 10 "ZP-4800G"; from 11 on no CPU suffix is tried.
    void brandedIcon_data()
    {
        QTest::addColumn<int>("centralBrand");
        QTest::addColumn<int>("configNumber");
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("cpuType");
        QTest::addColumn<QString>("tried");
        QTest::addColumn<QString>("result");
        QTest::newRow("2: CPU suffix first") << 2 << 7 << "iconA%1.svg" << 8 << "iconA_m_KV-4600"
                                             << "iconA_m_KV-4600.svg";
        QTest::newRow("2: then _m") << 2 << 7 << "iconB%1.svg" << 8 << "iconB_m_KV-4600 iconB_m"
                                    << "iconB_m.svg";
        QTest::newRow("2: then _h") << 2 << 7 << "iconC%1.svg" << 8 << "iconC_m_KV-4600 iconC_m iconC_h"
                                    << "iconC_h.svg";
        QTest::newRow("2: no empty suffix") << 2 << 7 << "iconD%1.svg" << 8 << "iconD_m_KV-4600 iconD_m iconD_h"
                                            << "";
        QTest::newRow("2: cpu 255") << 2 << 7 << "iconA%1.svg" << 255 << "iconA_m"
                                    << "iconA_m.svg";
        QTest::newRow("2: cpu 10") << 2 << 7 << "iconF%1.svg" << 10 << "iconF_m_ZP-4800G"
                                   << "iconF_m_ZP-4800G.svg";
        QTest::newRow("2: cpu 11") << 2 << 7 << "iconF%1.svg" << 11 << "iconF_m"
                                   << "iconF_m.svg";
        QTest::newRow("2: low byte of cpu") << 2 << 7 << "iconA%1.svg" << -248 << "iconA_m_KV-4600"
                                            << "iconA_m_KV-4600.svg";
        QTest::newRow("0: CPU suffix") << 0 << 7 << "iconB%1.svg" << 8 << "iconB_KV-4600"
                                       << "iconB_KV-4600.svg";
        QTest::newRow("0: _ZP above 22") << 0 << 25 << "iconE%1.svg" << 8 << "iconE_KV-4600 iconE_ZP"
                                         << "iconE_ZP.svg";
        QTest::newRow("0: _ZP at 23") << 0 << 23 << "iconE%1.svg" << 255 << "iconE_ZP"
                                      << "iconE_ZP.svg";
        QTest::newRow("0: no _ZP at 22") << 0 << 22 << "iconE%1.svg" << 255 << "iconE"
                                         << "iconE.svg";
        QTest::newRow("0: cpu 11") << 0 << 22 << "iconE%1.svg" << 11 << "iconE"
                                   << "iconE.svg";
        QTest::newRow("0: none") << 0 << 25 << "iconB%1.svg" << 255 << "iconB_ZP iconB"
                                 << "";
        QTest::newRow("1: _h") << 1 << 7 << "iconC%1.svg" << 8 << "iconC_h"
                               << "iconC_h.svg";
        QTest::newRow("1: then empty") << 1 << 7 << "iconD%1.svg" << 8 << "iconD_h iconD"
                                       << "iconD.svg";
        QTest::newRow("3: no suffix") << 3 << 7 << "iconD%1.svg" << 8 << ""
                                      << "";
        QTest::newRow("-1: no suffix") << -1 << 7 << "iconD%1.svg" << 255 << ""
                                       << "";
    }
    // Names tried in order, each logged as found or not.
    void brandedIcon()
    {
        QFETCH(int, centralBrand);
        QFETCH(int, configNumber);
        QFETCH(QString, image);
        QFETCH(int, cpuType);
        QFETCH(QString, tried);
        QFETCH(QString, result);
        c->set_central_brand(centralBrand);
        c->set_configNumber(configNumber);
        reset();
        QCOMPARE(cpuType == 255 ? c->getBrandedIcon(image) : c->getBrandedIcon(image, cpuType), result);
        QStringList names, outcomes;
        for (const QString& line : messages(QtDebugMsg)) {
            if (line.startsWith("checking "))
                names << line.section('"', 1, 1).chopped(4);
            else if (line == "OK" || line == "IMMGINE NON TROVATA")
                outcomes << line;
        }
        QCOMPARE(names.join(' '), tried);
        QCOMPARE(outcomes.size(), names.size());
        QCOMPARE(outcomes.lastIndexOf("OK"), result.isEmpty() ? -1 : names.size() - 1);
    }
};

QTEST_GUILESS_MAIN(tst_Configuration)
#include "tst_configuration.moc"
