// Point types: icons, captions, input kinds and feature tests of the statics, the value type and
// its meta-type, and the catalogue lists built for a panel. Expected codes and rows come from the
// device catalogue and panel-model tables.
#include "plant/PointType.h"
#include "plant/PointTypeList.h"

#include "ZpData/Container/ZpConf.h"

#include "TestBase.h"

#include <QtTest>

class TstPointType : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        QCOMPARE(g_zpConf->new_config(0), 0); // ZP4800_KALDOREN: family ZP4x00
    }

    // Icon of (family, protocol); input kind, feature test and caption of a type row.
    void statics_data()
    {
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("expected");
        const struct {
            const char* name;
            int family, protocol;
            const char* icon;
        } icons[] = {{"sensor ADV", 1, 1, "adv.png"},    {"module VARN", 2, 2, "varn.png"},
                     {"sensor APOLLO", 1, 4, "apl.png"}, {"module APOLLO", 2, 4, "apl.png"},
                     {"protocol 3", 1, 3, "null.png"},   {"protocol 0", 2, 0, "null.png"},
                     {"family 3", 3, 1, "null.png"},     {"family 0", 0, 2, "null.png"}};
        for (const auto& r : icons)
            QTest::newRow(r.name) << PointType::getIconName(r.family, r.protocol) << QString(r.icon);
        const struct {
            const char* name;
            int family, swType, inputType;
        } kinds[] = {{"PHOT sensor", 1, 2, 1}, {"CON output", 2, 22, 2}, {"PULL input", 2, 46, 1},
                     {"row 0", 2, 0, 0},       {"negative", 1, -5, 0},   {"row 23 class 0", 2, 23, 0},
                     {"row 63", 1, 63, 1},     {"row 64", 1, 64, 0}};
        for (const auto& r : kinds)
            QTest::newRow(r.name) << QString::number(PointType::computeInputType(r.family, 0, 0, r.swType))
                                  << QString::number(r.inputType);
        const struct {
            const char* name;
            int swType;
            uint mask;
            bool has;
        } features[] = {{"MULTI alert level", 4, 2, true}, {"PHOT no alert level", 2, 2, false},
                        {"PHOT three levels", 2, 4, true}, {"CON silence", 21, 64, true},
                        {"CON audit", 21, 1, false},       {"row 0 any", 0, 0xFFFF, false},
                        {"row 64 any", 64, 0xFFFF, false}};
        for (const auto& r : features)
            QTest::newRow(r.name) << QString::number(PointType::swTypeHasAttribute(uchar(r.swType), r.mask))
                                  << QString::number(r.has);
        // Captions: 16387's model name is its type name; every other type names its model, a
        // type of a grouped model too; row 64 has no name.
        const struct {
            const char* name;
            int family, hwType, swType;
            const char* caption;
        } captions[] = {{"same name", 1, 16387, 2, "PHOT"},
                        {"model and type", 1, 16386, 2, "ION - PHOT"},
                        {"second series sounder", 2, 16395, 25, "LM-10 OUTPUT - SND"},
                        {"grouped APOLLO output", 2, 50848, 16, "DIGITAL 60 (MOD.AV) - GPND"},
                        {"grouped APOLLO input", 2, 50848, 46, "DIGITAL 60 (MOD.AV) - PULL"},
                        {"row 64", 1, 16385, 64, "THER - "}};
        for (const auto& r : captions)
            QTest::newRow(r.name) << PointType::getTypeName(r.family, 0, 0, ushort(r.hwType), uchar(r.swType))
                                  << QString(r.caption);
    }
    void statics()
    {
        QFETCH(QString, result);
        QFETCH(QString, expected);
        QCOMPARE(result, expected);
    }

    void valueType()
    {
        QVERIFY(!PointType().isValid() && PointType().hwType() == 0xFFFF && PointType().swType() == 0xFF);
        QVERIFY(!PointType(1, 1, 0, 20, 2, 0).isValid());
        const PointType type(4, 2, 4, 43009, 53, 6);
        QVERIFY(type.isValid());
        const PointType copy = QVariant::fromValue(type).value<PointType>();
        QCOMPARE((QList<int>{copy.getProtocol(), copy.getFamily(), copy.getSeries(), copy.hwType(), copy.swType(),
                             copy.subCount()}),
                 (QList<int>{4, 2, 4, 43009, 53, 6}));
        PointType target(1, 1, 1, 20, 2, 0);
        target.copy(nullptr);
        QCOMPARE(target.hwType(), ushort(20));
        QVERIFY(QMetaType::type("PointType") != QMetaType::UnknownType);
        QVERIFY(QMetaType::type("PointType::PT_INPUT_TYPE") != QMetaType::UnknownType);
    }

    void channelsWithoutProtocol()
    {
        QVERIFY(PointTypeHw(1, 0, 2, 202).channels().isEmpty());
        QVERIFY(PointTypeChannel(1, 0, 2, 202, 0).swTypes().isEmpty());
        const PointTypeHw module(1, 1, 2, 202);
        QCOMPARE(module.channels().size(), 4);
        QCOMPARE(module.channels().at(3).channel(), 3);
        // Channel 3 of code 202 offers group 4 on ADV: rows 21, 15, 57, ... 37 and group 3.
        QVERIFY(module.channels().at(3).swTypes().contains(21));
        QVERIFY(!module.channels().at(0).swTypes().contains(21));
        QCOMPARE(PointTypeHw(1, 1, 1, 20).channels().size(), 1);
        QCOMPARE(PointTypeHw(1, 1, 1, 20).channels().at(0).swTypes(), QList<int>{2});
        const PointTypeHw entry(2, 1, 2, 16395, 25);
        QCOMPARE(entry.channels().size(), 1);
        QCOMPARE(entry.channels().at(0).swTypes(), QList<int>{25});
        QVERIFY(lessByModelName(16386, 16385)); // "ION" before "THER"
        QVERIFY(!lessByModelName(16385, 16386));
        QVERIFY(!lessByModelName(16385, 16385));
    }

    // ZP4x00 on ADV: 14 sensor codes of which the five second-series ones come last.
    void sensorListZp4()
    {
        const PointTypeList list(1, 1);
        QCOMPARE(list.entries().size(), 14);
        for (int i = 0; i < 14; ++i) {
            const PointTypeHw& e = list.entries().at(i);
            QCOMPARE(e.series(), i < 9 ? 1 : 2);
            QCOMPARE(e.hwType() >= 0x4001 && e.hwType() <= 0x4005, i >= 9);
            QCOMPARE(e.family(), 1);
            QCOMPARE(e.channels().size(), 1);
        }
        QVERIFY(PointTypeList(3, 1).entries().isEmpty());
        QVERIFY(PointTypeList(1, 3).entries().isEmpty());
    }

    // ZP4x00 on ADV: 30 module codes, eight of the second series last.
    void moduleListZp4()
    {
        const PointTypeList list(1, 2);
        QCOMPARE(list.entries().size(), 30);
        int tenChannels = 0;
        for (int i = 0; i < 30; ++i) {
            const PointTypeHw& e = list.entries().at(i);
            QCOMPARE(e.series(), i < 22 ? 1 : 2);
            if (e.hwType() == 139)
                tenChannels = e.channels().size();
        }
        QCOMPARE(tenChannels, 10);
    }

    // KVx000 on APOLLO: the 17 non-module codes of the outside maker's list, all series 4.
    void sensorListApollo()
    {
        QCOMPARE(g_zpConf->new_config(5), 0);
        const PointTypeList list(4, 1);
        QCOMPARE(g_zpConf->new_config(0), 0);
        QCOMPARE(list.entries().size(), 17);
        bool phot = false;
        for (const PointTypeHw& e : list.entries()) {
            QCOMPARE(e.series(), 4);
            QCOMPARE(e.protocol(), 4);
            if (e.hwType() == 62464) {
                phot = true;
                QCOMPARE(e.channels().at(0).swTypes(), QList<int>{2});
            }
        }
        QVERIFY(phot);
    }

    // ZPx000CL on VARN without the APOLLO brand: one entry per type row of group 0 at its default
    // code; all 32 codes are of the second series.
    void moduleListByType()
    {
        QCOMPARE(g_zpConf->new_config(2), 0);
        const PointTypeList list(2, 2);
        QCOMPARE(g_zpConf->new_config(0), 0);
        QCOMPARE(list.entries().size(), 32);
        for (const PointTypeHw& e : list.entries()) {
            QCOMPARE(e.series(), 2);
            QCOMPARE(e.channels().size(), 1);
            QCOMPARE(e.channels().at(0).swTypes().size(), 1);
            const int row = e.channels().at(0).swTypes().at(0);
            if (row == 27 || row == 54)
                QCOMPARE(e.hwType(), ushort(16397));
            if (row == 52)
                QCOMPARE(e.hwType(), ushort(16396));
        }
    }
};

QTEST_GUILESS_MAIN(TstPointType)
#include "tst_pointtype.moc"
