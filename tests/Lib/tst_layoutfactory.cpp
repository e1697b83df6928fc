// The layout factory and the layouts of the older data versions: size, defaults and class of
// every dataType in every version, the factory's refusals, and the upgrade steps.
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/AnnuncProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/NameProg.h"

#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "TestBase.h"

#include <QtTest>

#include <memory>
#include <random>

using libtest::bytes;
using Layout = std::unique_ptr<ZpData::IFace>;

class tst_LayoutFactory : public TestBase {
    Q_OBJECT

private slots:
    // Zero bytes of the size of the layout table, defaults of all zero in the older versions; only
    // the current version reads as the current device layout, and its annunciator, device and name
    // blocks know their index within the kind.
    void factory()
    {
        for (u16 version : {imagegen::kV2600, imagegen::kV2601, imagegen::kV2602}) {
            for (int dt = 0; dt < 200; ++dt) {
                const Layout layout(ZpData::new_iface(nullptr, nullptr, u32(dt), 0, version));
                const QByteArray zero(int(imagegen::block_size(dt, version)), '\0');
                QVERIFY(layout);
                QCOMPARE(
                    QVector<int>({layout->version(), layout->get_data_type(), int(ZpData::layout_size(u8(dt), version)),
                                  dynamic_cast<ZpData::IF_DeviceProg*>(layout.get()) != nullptr}),
                    QVector<int>({version, dt, zero.size(), version == imagegen::kV2602 && dt >= 70 && dt < 134}));
                QCOMPARE(bytes(*layout), zero);
                if (version == imagegen::kV2602 && dt >= 6 && dt < 198)
                    QCOMPARE(dt < 70        ? dynamic_cast<ZpData_v2602::AnnuncProg&>(*layout).get_index()
                                 : dt < 134 ? dynamic_cast<ZpData_v2602::DeviceProg&>(*layout).get_index()
                                            : dynamic_cast<ZpData_v2602::NameProg&>(*layout).get_index(),
                             (dt - 6) % 64);
                if (version == imagegen::kV2602)
                    continue;
                memset(layout->data(), 0xA5, layout->size());
                QCOMPARE(layout->set_default(), 0);
                QCOMPARE(bytes(*layout), zero);
            }
        }
    }

    void refusals()
    {
        const QString version = "Invalid version (0x%1)";
        QStringList logged;
        for (const auto& r : QVector<QPair<QVector<int>, QString>>{
                 {{70, 29402, 0x2602}, "can't open dataType = 70 len = (30102, 29402)"},
                 {{70, 29402, 0x2601}, {}},
                 {{70, 30102, 0x2602}, {}},
                 {{2, 0, 0}, version.arg("0000")},
                 {{2, 0, 0x25FF}, version.arg("25FF")},
                 {{2, 0, 0x2603}, version.arg("2603")},
                 {{2, 0, 0xFFFF}, version.arg("FFFF")},
                 {{200, 0, 0x2602}, "malloc failed!"}}) {
            const Layout layout(ZpData::new_iface(nullptr, nullptr, u32(r.first[0]), u32(r.first[1]), u16(r.first[2])));
            QCOMPARE(!layout, !r.second.isEmpty());
            logged << r.second;
            logged.removeAll(QString());
            QCOMPARE(traceErrors("interface/new_iface"), logged);
        }
    }

    void steps_data()
    {
        QTest::addColumn<QVector<int>>("r"); // to, dataType, from, source size, result, copied, networked byte
        for (int dt : {0, 1, 3, 4, 5, 6, 69, 134, 197, 198, 199})
            for (int to : {0x2601, 0x2602})
                QTest::addRow("%d to %X", dt, to)
                    << QVector<int>({to, dt, to - 1, int(imagegen::block_size(dt, 0x2600)), -1, 1, 0});
        for (const QVector<int>& r :
             QVector<QVector<int>>{{0x2601, 4, 0x2601, 64000, -1, 1, 0},    {0x2600, 2, 0x2601, 5310, 0, 1, 0},
                                   {0x2600, 2, 0x2600, 5310, -1, 0, 0},     {0x2601, 2, 0x2600, 5310, 0, 1, 7},
                                   {0x2601, 2, 0x2600, 5310, 0, 1, 0},      {0x2601, 2, 0x2600, 5310, 0, 1, 0x80},
                                   {0x2601, 2, 0x2601, 5310, -1, 0, 0},     {0x2601, 2, 0x2602, 5310, 1003, 0, 0},
                                   {0x2601, 2, 0x25FF, 5310, 1003, 0, 0},   {0x2601, 2, 0x2600, 1500, 1003, 0, 0},
                                   {0x2601, 70, 0x2600, 29402, 0, 1, 0},    {0x2601, 133, 0x2600, 29402, 0, 1, 0},
                                   {0x2600, 70, 0x2601, 29402, 0, 1, 0},    {0x2600, 70, 0x2600, 29402, -1, 0, 0},
                                   {0x2601, 70, 0x2601, 29402, -1, 0, 0},   {0x2601, 70, 0x2602, 30102, 1003, 0, 0},
                                   {0x2601, 70, 0x2600, 29401, 1003, 0, 0}, {0x2602, 70, 0x2600, 29402, 1003, 0, 0},
                                   {0x2602, 70, 0x2601, 30102, 1003, 0, 0}, {0x2602, 70, 0x2602, 30102, -1, 0, 0}})
            QTest::addRow("%d to %X from %X, %d bytes, networked %d", r[1], r[0], r[2], r[3], r[6]) << r;
    }
    // A step copies the block of the version before, whole; the general block is stamped with its
    // new version and from 0x2601 on holds 0 or 1 as its networked flag.
    void steps()
    {
        QFETCH(QVector<int>, r);
        ZpData::IFace source(nullptr, nullptr, u8(r[1]), u32(r[3]), u16(r[2]));
        std::mt19937 rng{u32(r[3])};
        for (u32 i = 0; i < source.size(); ++i)
            source.data()[i] = u8(i == 5245 && r[1] == 2 ? r[6] : int(rng()));
        const Layout target(ZpData::new_iface(nullptr, nullptr, u32(r[1]), 0, u16(r[0])));
        QCOMPARE(target->convert(source), r[4]);
        QByteArray want = r[5] ? bytes(source).left(int(target->size())) : QByteArray(int(target->size()), '\0');
        if (r[1] == 2 && r[4] == 0)
            want[0] = char(r[0]), want[1] = char(r[0] >> 8), want[5245] = char(r[0] == 0x2601 ? r[6] != 0 : r[6]);
        QCOMPARE(bytes(*target), want);
    }
    // A container creates every block from 0 to 199 with the current layout.
    void containerBlocksAreCurrent()
    {
        ZpConf conf(0, 255);
        for (u32 dt = 0; dt < 200; ++dt) {
            ZpConfBlock* block = conf.get_blocks()[dt];
            QVERIFY(block);
            QCOMPARE(uint(block->get_data_type()), dt);
            QCOMPARE(uint(block->get_version()), 0x2602u);
            QCOMPARE(block->get_size(), ZpData::layout_size(u8(dt), 0x2602));
        }
    }
};

QTEST_APPLESS_MAIN(tst_LayoutFactory)
#include "tst_layoutfactory.moc"
