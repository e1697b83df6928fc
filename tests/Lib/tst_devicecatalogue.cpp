#include "LibTestSupport.h"
#include "TestBase.h"
#include "ZpData/Values/DeviceCatalogue.h"

#include <QtTest>

namespace {

// Every code with a model name.
const QSet<int> kCatalogue{20,    30,    31,    32,    51,    52,    53,    60,    61,    65,    84,    96,    115,
                           116,   128,   129,   130,   131,   132,   133,   134,   135,   137,   139,   145,   150,
                           151,   152,   153,   154,   155,   180,   181,   182,   195,   200,   201,   202,   206,
                           207,   208,   209,   214,   222,   16385, 16386, 16387, 16388, 16389, 16394, 16395, 16396,
                           16397, 16398, 16399, 16400, 16401, 16402, 41984, 43008, 43009, 45056, 46080, 46592, 46848,
                           47104, 47360, 50688, 50816, 50848, 52512, 52736, 54272, 55040, 55296, 57088, 59425, 59489,
                           61729, 62464, 62465, 62467, 62721, 63232, 63233, 63488, 63489, 65281};
// The outside maker's module codes.
const QSet<int> kOutsideModules{41984, 43008, 43009, 45056, 50688, 50816, 50848, 57088, 59425, 59489, 61729, 65281};
// Codes outside the catalogue that still have a default type.
const QSet<int> kUnnamedTyped{10, 23, 33, 34, 54, 55, 56, 70, 136, 138, 140, 160, 161, 162, 164, 165, 166, 167};

} // namespace

class tst_DeviceCatalogue : public TestBase {
    Q_OBJECT

private slots:
    // Every code: its series, module bit, model name, channels, default types and programmable
    // types agree with each other.
    void everyCode()
    {
        const QMap<int, u32> subs{{139, 10}, {206, 10},  {207, 10},  {208, 10},  {16400, 10}, {16401, 10}, {16402, 10},
                                  {137, 6},  {138, 6},   {140, 6},   {16397, 6}, {43009, 6},  {202, 4},    {16399, 4},
                                  {134, 3},  {59489, 3}, {133, 2},   {151, 2},   {154, 2},    {165, 2},    {180, 2},
                                  {201, 2},  {209, 2},   {16398, 2}, {43008, 2}, {50688, 2},  {50816, 2},  {59425, 2}};
        for (int code = 0; code <= 0xFFFF; ++code) {
            const u16 c = u16(code);
            const u32 series = code & 0x8000 ? 2 : code & 0x4000 ? 1 : 0;
            const bool module = series == 2 ? kOutsideModules.contains(code) : (code & 0xFF) >= (series ? 10 : 128);
            const bool named = kCatalogue.contains(code);
            const bool typed = (named && (code < 16397 || code > 16402)) || kUnnamedTyped.contains(code);
            QCOMPARE(QString::asprintf("%d: %u %d %d %u %d", code, get_code_class(c), is_module_code(c),
                                       *get_device_model_name(c) != 0, get_sub_num(c), get_default_type(c, 0) != 0),
                     QString::asprintf("%d: %u %d %d %u %d", code, series, module, named || !code, subs.value(code, 1),
                                       typed));
            for (u32 sub = 0; sub < get_sub_num(c); ++sub) {
                const u8 type = get_default_type(c, sub);
                bool offered = false, consistent = type == 0 || type_is_module(type) == int(module);
                for (u32 protocol = 0; protocol <= 3 && code != 0; ++protocol) {
                    const std::vector<u8> list = get_sw_type_list(c, protocol, sub, 0);
                    consistent &= protocol < 3 || list.empty() != named;
                    offered = offered || std::count(list.begin(), list.end(), type);
                    for (u8 t : list)
                        consistent &= type_is_module(t) == int(module)
                            && (protocol == 3 || type_has_protocol(t, protocol));
                }
                QVERIFY2(consistent && (type == 0 || !named || offered),
                         qPrintable(QString("%1.%2").arg(code).arg(sub)));
            }
        }
    }

    // The feature word of every row as the table gives it (bit 1 alarm level, bit 2 sensitivity),
    // and 0 past the table.
    void typeFeatures()
    {
        const int features[66] = {0,  29, 29, 25, 59,  29,  27,  27, 27,  27, 29, 29, 25, 16, 16,  16, 16,
                                  16, 16, 16, 16, 208, 208, 0,   16, 16,  16, 0,  16, 16, 16, 208, 16, 16,
                                  16, 16, 16, 16, 16,  16,  0,   0,  24,  24, 16, 24, 24, 16, 16,  16, 16,
                                  16, 24, 24, 0,  24,  16,  208, 16, 208, 29, 25, 25, 25, 0,  0};
        for (u32 t = 0; t < 66; ++t)
            QCOMPARE(int(get_type_features(t)), features[t]);
        QCOMPARE(int(get_type_features(255)), 0);
        // The attribute word: features, then the list flags as bits 8 and up.
        for (const auto& row : {std::pair<u32, int>{2, 29 + 3 * 256}, {14, 16 + 2 * 256}, {27, 256}, {54, 0}, {255, 0}})
            QCOMPARE(int(get_type_attributes(row.first)), row.second);
    }

    // Every row of the type table, and the two past it.
    void typeTable()
    {
        const QStringList names = QString(
                                      "---|ION|PHOT|THER|MULTI|PINN|MULTICIR|MULTIIR|MULTIIRW|ACC|BEAM|PHOTW|THERW|"
                                      "APND|GAC|GAS|GPND|GTC|PWRC|TPND|TRS|CON|FORC||GTS|SND|ZDIS|UDS1|REM|REMC|GASV|"
                                      "CONV|GTSV|MAINF|MAINFC|MAINFV|ZFLT|ZFLTC|ZFLTV|REMV|GTW|RPT|MON|NCMN|NONA|SCON|"
                                      "PULL|MTRB|STAT|MACK|MTAC|MRES|SCO2|MON3|UDS2|SCO2CA|UPSM|GSND|STR|GSTR|%1|CO|"
                                      "IR|COTHER||")
                                      .arg(get_type_name(60))
                                      .split('|');
        QCOMPARE(names[60], QString("ASD"));
        const QString classes = "011111111111133333333330333333333333333333222222222222222333111100";
        const QString masks = "777777777777777777777777777377222662662222377377777777372777744400";
        const QString codes = "0000000000000BBBBBBBBBB0BBBDBB000000000000AAAAAAAAAACAD00BBB000000";
        for (u32 t = 0; t < 66; ++t) {
            const u32 typeClass = classes.mid(int(t), 1).toUInt(), mask = masks.mid(int(t), 1).toUInt();
            QCOMPARE(QString(get_type_name(t)), names[int(t)]);
            QCOMPARE(get_type_class(t), typeClass);
            QCOMPARE(type_is_module(t), typeClass ? int(typeClass > 1) : -1);
            QCOMPARE(get_type_category(t),
                     typeClass == 2       ? 1u
                         : typeClass != 1 ? 0u
                         : t < 3          ? 11u
                         : t == 3         ? 10u
                                          : 12u);
            QCOMPARE(type_is_listed(t), t < 64 && t != 0 && t != 27 && t != 54 && t != 56);
            QCOMPARE(get_default_code(t),
                     u16(codes[int(t)] == '0' ? 0 : 0x4000 + codes.mid(int(t), 1).toUInt(nullptr, 16)));
            for (u32 p = 0; p < 4; ++p)
                QCOMPARE(type_has_protocol(t, p), p < 3 && (mask >> (p == 0 ? 1 : p == 1 ? 0 : 2)) & 1);
        }
    }

    void rows_data()
    {
        const QString g4 =
            "APND CON FORC GAC GAS GPND GSND GSTR GTC GTS MAINF MAINFC PWRC REM REMC SND STR TPND TRS ZDIS ZFLT ZFLTC";
        const QString sounders = "APND GAC GPND GSND GSTR GTC MAINF REM SND STR TPND TRS ZDIS ZFLT";
        const QStringList rows{
            // default code.sub ...: the default types, for codes outside the catalogue and where a neighbouring type is
            // offered too
            "default 10.0 23.0 33.0 34.0 54.0 56.0 70.0 136.0 138.0 140.0 160.0 162.0 164.0 167.0 150.0 153.0 214.0 "
            "151.0 "
            "151.1 154.0 154.1 152.0 130.0 195.0 57088.0 65281.0 201.1 206.4 206.5 16397.0 57.0 65535.0: "
            "1 2 4 9 3 3 5 53 22 52 53 55 22 53 57 57 57 57 59 57 59 59 46 46 46 46 22 22 53 0 0 0",
            // name code ...: the model names whose words are fixed, and the class word ending the outside maker's
            "name 0 16385 16386 16387 16388 16389 16397 41984 43009 45056 46080 46592 46848 47104 47360 50688 50816 "
            "50848 52512 "
            "52736 54272 55040 55296 57088 59425 59489 61729 62464 62465 62467 63232 63233 63488 63489 65281: --- THER "
            "ION PHOT "
            "MULTI PINN UDS (MOD.OUT) (MOD.IN/OUT) (MOD.ZONE) (PHOT) (FLAME) (MULTI) (THER) (THER) (MOD.AV) (MOD.AV) "
            "(MOD.AV) "
            "(CO) (MULTI) (PHOT) (MULTI) (THER) (MCP) (MOD.IN/OUT) (MOD.IN) (MOD.IN) (PHOT) (PHOT) (PHOT) (MULTI) "
            "(MULTI) "
            "(THER) (THER) (MCP)",
            // list code protocol sub family: the types offered, by name
            "list 0 1 0 0: APND CON FORC GAC GAS GPND GSND GSTR GTC GTS MACK MON MON3 MRES MTAC MTRB NCMN NONA PULL "
            "PWRC "
            "REM REMC SCO2 SCON SND STAT STR TPND TRS UDS1 UDS2 ZDIS",
            "list 0 0 0 0: ", "list 0 3 0 0: ", "list 202 0 4 0: ", "list 16397 3 1 0: UDS1", "list 16397 1 2 0: UDS2",
            "list 132 0 0 0: MACK MON MON3 MRES MTAC MTRB NCMN NONA PULL SCON STAT", "list 16395 0 0 0: " + g4,
            "list 61729 2 0 0: MACK MON3 MRES MTAC MTRB NCMN NONA PULL STAT", "list 128 2 0 0: " + g4,
            "list 130 0 0 0: MACK MRES MTAC MTRB NCMN NONA PULL STAT", "list 153 1 0 3: GSND GSTR SND STR",
            "list 129 0 0 0: APND FORC GAC GPND GTC MAINF PWRC REM TPND TRS ZDIS ZFLT",
            "list 214 1 0 2: GSND GSTR SND STR", "list 16402 1 3 0: APND FORC GAC GPND GTC PWRC REM TPND TRS ZDIS",
            "list 50848 3 0 1: " + sounders,
            "list 128 1 0 0: APND CON FORC GAC GAS GPND GSND GSTR GTC GTS PWRC REM REMC SND STR TPND TRS ZDIS",
            "list 128 0 0 0: APND CON CONV FORC GAC GAS GASV GPND GSND GSTR GTC GTS GTSV MAINF MAINFC MAINFV PWRC REM "
            "REMC "
            "REMV SND STR TPND TRS ZDIS ZFLT ZFLTC ZFLTV",
            "list 153 1 0 0: APND GAC GPND GSND GSTR GTC REM SND STR TPND TRS ZDIS", "list 150 0 0 1: " + sounders,
            "list 41984 2 0 2: APND FORC GAC GPND GSND GSTR GTC MAINF REM SND STR TPND TRS ZDIS ZFLT",
            // sens code type: sensitivity max and default, alarm level max and default
            "sens 60 10: 6 3 0 0", "sens 65 60: 10 5 0 0", "sens 16386 1: 9 5 0 0", "sens 20 2: 9 5 0 0",
            "sens 16389 5: 9 5 0 0", "sens 84 11: 9 5 0 0", "sens 51 3: 0 0 0 0", "sens 30 4: 0 0 5 4",
            "sens 31 6: 0 0 5 4", "sens 96 8: 0 0 5 4", "sens 20 9: 0 0 5 4", "sens 208 22: 0 0 0 0",
            "sens 132 53: 0 0 0 0", "sens 62464 2: 5 3 0 0", "sens 52512 61: 5 3 0 0", "sens 49152 0: 5 3 0 0",
            "sens 50688 22: 0 0 0 0", "sens 59489 2: 9 5 0 0", "sens 46080 2: 9 5 0 0", "sens 46848 4: 0 0 0 0",
            "sens 46080 10: 6 3 0 0", "sens 20 64: 0 0 0 0",
            // text CPU line sub module type-and-class code address: the address text and the effective loop address
            "text 0 0 0 0 1 16386 0: C1L1S1 (ION) 0", "text 63 7 0 0 1 16386 158: C64L8S159 (ION) 158",
            "text 1 2 0 0 3 16385 4: C2L3S5 (THER) 4", "text 0 0 0 0 2 1 0: C1L1S1 () 0",
            "text 0 0 0 0 66 16387 10: C1L1S11 (PHOT) 10", "text 0 0 1 1 22 201 9: C1L1M10.2 (FORC) 9",
            "text 0 0 0 1 53 201 9: C1L1M10.1 (MON3) 9", "text 0 0 1 1 86 201 9: C1L1M11 (FORC) 10",
            "text 1 2 0 1 53 132 4: C2L3M5 (MON3) 4", "text 2 5 9 1 53 139 20: C3L6M21.10 (MON3) 20",
            "text 0 0 1 1 187 154 30: C1L1M31.2 (GSTR) 30", "text 127 7 15 1 255 65535 255: C128L8M256.16 (COTHER) -1",
            // Without a type, the channels come from the sub-address.
            "text 0 0 2 1 0 201 20: C1L1M21.3 (---) -1", "text 0 0 0 1 0 201 20: C1L1M21 (---) -1",
            "text 0 0 0 0 0 16387 20: C1L1S21 (PHOT) -1",
            // Above 158, the reference's own address, wrapped to a byte.
            "text 0 0 0 0 2 16387 255: C1L1S256 (PHOT) -1", "text 0 0 1 1 86 201 159: C1L1M160.2 (FORC) -1",
            // brand: label, sounder tone types and volume steps
            "brand 0: KALDOREN 32 3", "brand 1: FERNHOLDT 32 3", "brand 2: TAVREL FSX 32 3", "brand 3: ZEL.DET. 32 3",
            "brand 4: APOLLO 14 6", "brand 5: Z.D. KALD 32 3", "brand 6: --- 32 3", "brand 255: --- 32 3",
            // Tables nothing else calls. category numbers: their categories, at the edge of each range
            "category -1 0 1 13 14 15 45 46 47 48 138 139 140 184 185 187 188 189 190 195 196 199 200 211 212 219 220 "
            "232: "
            "9 9 7 7 9 6 6 9 9 3 3 9 2 2 9 9 1 1 0 0 9 9 4 4 9 9 8 8",
            "category 233 234 237 238 242 243 245 246 247 248 299 300 357 358 399 400 411 412 448 449 499 500 65535: "
            "5 3 3 8 8 5 5 8 8 9 9 3 3 9 9 6 6 9 9 2 2 9 9",
            // offset code.brand ...: address offsets
            "offset 20.0 200.4 16389.0 46592.0 46592.4 62465.3 65535.5: 20 200 5 159 0 160 414"};
        libtest::add_text_rows(rows);
    }
    void rows()
    {
        QFETCH(QString, row);
        const QStringList k = row.section(':', 0, 0).split(' ');
        const auto n = [&](int i) { return k[i + 1].toUInt(); };
        QStringList got;
        for (int i = 1; k[0] == "name" && i < k.size(); ++i)
            got << QString(get_device_model_name(u16(k[i].toUInt()))).section(' ', -1);
        for (int i = 1; k[0] == "default" && i < k.size(); ++i)
            got << QString::number(
                get_default_type(u16(k[i].section('.', 0, 0).toUInt()), k[i].section('.', 1).toUInt()));
        for (u8 type : k[0] == "list" ? get_sw_type_list(u16(n(0)), n(1), n(2), n(3)) : std::vector<u8>())
            got << get_type_name(type);
        if (k[0] == "sens") {
            got << QString::asprintf("%u %u %u %u", get_sens_max(n(0), n(1)), get_sens_default(n(0), n(1)),
                                     get_alarm_level_max(n(0), n(1)), get_alarm_level_default(n(0), n(1)));
            QCOMPARE(has_sens(n(0), n(1)), get_sens_max(n(0), n(1)) != 0);
            QCOMPARE(has_alarm_level(n(0), n(1)), get_alarm_level_max(n(0), n(1)) != 0);
        }
        if (k[0] == "text") {
            // The reference through its setters, against its bytes laid out by hand.
            DeviceRef ref = DeviceRef::none();
            ref.set_cpu(n(0));
            ref.set_line(n(1));
            ref.set_sub(n(2));
            ref.set_module(n(3));
            ref.set_type_and_class(u8(n(4)));
            ref.set_code(u16(n(5)));
            ref.set_address(n(6));
            const char raw[DeviceRef::DATA_SIZE] = {char(n(0) | (n(1) & 1) << 7),
                                                    char(0x80 | n(1) >> 1 | n(2) << 2 | n(3) << 6),
                                                    char(n(4)),
                                                    char(n(5)),
                                                    char(n(5) >> 8),
                                                    char(n(6)),
                                                    -1,
                                                    -1,
                                                    -1,
                                                    -1,
                                                    -1};
            QCOMPARE(QByteArray(reinterpret_cast<char*>(ref.raw), sizeof raw), QByteArray(raw, sizeof raw));
            char buffer[ADDRESS_TEXT_SIZE + 20];
            memset(buffer, '~', sizeof buffer);
            const size_t length = make_address_text(ref, buffer);
            QCOMPARE(length, strlen(buffer));
            QCOMPARE(QByteArray(buffer + ADDRESS_TEXT_SIZE, 20), QByteArray(20, '~'));
            QCOMPARE(QString::fromStdString(new_address_text(ref)), QString(buffer));
            got << buffer << QString::number(ref.get_effective_address());
        }
        if (k[0] == "brand")
            got << QString::asprintf("%s %d %d", get_brand_label(n(0)), get_siren_limits(n(0)) & 255,
                                     get_siren_limits(n(0)) >> 8);
        for (int i = 1; k[0] == "category" && i < k.size(); ++i) {
            got << QString::number(get_number_category(k[i].toInt()));
            QCOMPARE(number_has_category(k[i].toInt()), got.last() != "9");
        }
        for (int i = 1; k[0] == "offset" && i < k.size(); ++i)
            got << QString::number(
                get_code_address_offset(u16(k[i].section('.', 0, 0).toUInt()), k[i].section('.', 1).toUInt()));
        QCOMPARE(k.join(' ') + ": " + got.join(' '), row);
    }
};

QTEST_APPLESS_MAIN(tst_DeviceCatalogue)
#include "tst_devicecatalogue.moc"
