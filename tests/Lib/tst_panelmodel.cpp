#include "LibTestSupport.h"
#include "TestBase.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <QtTest>

class tst_PanelModel : public TestBase {
    Q_OBJECT

private slots:
    void codes_data()
    {
        const QString f1Modules = "400B,99,9A,96,98,97,D6";
        const QString apollo = "B600,B800,B900,B400,B700,B000,A800,A801,A400,CD20,CE00,D800,D400,D700,C6A0,C680,"
                               "C600,DF00,F800,F400,F700,F801,F401,F701,F403,F121,E821,E861,FF01";
        const QStringList rows{
            // panel type: name, CPU model, brands allowed
            "type 0: ZP4800_KALDOREN 0 0", "type 1: ZP4700_KALDOREN 3 0", "type 2: ZP1300CL 4 5",
            "type 3: ZP1600CL 5 5", "type 4: ZP3600CL 6 5", "type 5: KV1300_03 7 4,2,3", "type 6: KV1600_03 8 4,2,3",
            "type 7: KV1300_01 7 4,3", "type 8: KV1600_01 8 4,3", "type 9: KV1300_02 7 2", "type 10: KV1600_02 8 2",
            "type 11: ZP4800N_KALDOREN 1 0", "type 12: ZP4800N_FERNHOLDT 1 1", "type 13: ZP4800_FERNHOLDT 0 1",
            "type 14: ZP4700_FERNHOLDT 3 1", "type 15: ZP4800G 2 ", "type 16: KV1300_04 7 2", "type 17: KV1600_04 8 2",
            "type 18: --- 255 ", "type 255: --- 255 ", "type 4294967295: --- 255 ",
            // CPU model: name, family, lines per board, line table, min lines, SIB, network, ADV, Apollo;
            // max CPUs, lines, zones and groups networked and not; CPU types allowed
            "model 0: ZP4800 0 2 8 2 1 1 1 0 32 1 64 8 2001 501 1600 400 1",
            "model 1: ZP4800N 0 2 4 2 1 1 1 0 32 1 64 4 2001 501 1600 400 9",
            "model 2: ZP4800G 3 2 4 2 1 1 1 0 1 1 64 4 2001 501 1600 400 10",
            "model 3: ZP4700 0 1 1 1 1 0 1 0 1 1 1 1 501 501 400 400 2",
            "model 4: ZP1300CL 1 1 1 1 0 0 0 0 1 1 1 1 151 151 400 400 3",
            "model 5: ZP1600CL 1 2 2 2 1 0 0 0 1 1 2 2 151 151 400 400 4",
            "model 6: ZP3600CL 1 2 8 4 1 0 0 0 1 1 8 8 151 151 400 400 5",
            "model 7: KV1300 2 1 1 1 0 0 0 1 1 1 1 1 151 151 400 400 6",
            "model 8: KV1600 2 2 8 2 0 1 0 1 64 1 128 8 2001 2001 1600 400 7,8",
            "model 9: --- 255 2 1 1 0 0 0 0 1 1 1 1 1 1 1 1 ", "model 255: --- 255 2 1 1 0 0 0 0 1 1 1 1 1 1 1 1 ",
            // CPU type: name, CPU model, min and max lines
            "cputype 0: UNDEFINED 255 1 1", "cputype 1: ZP-4800 0 2 8", "cputype 2: ZP-4700 3 1 1",
            "cputype 3: ZP1300CL 4 1 1", "cputype 4: ZP1600CL 5 2 2", "cputype 5: ZP3600CL 6 4 8",
            "cputype 6: KV-1300 7 1 1", "cputype 7: KV-1600 8 2 2", "cputype 8: KV-4600 8 4 8",
            "cputype 9: ZP-4800N 1 2 4", "cputype 10: ZP-4800G 2 2 4", "cputype 11: --- 255 1 1",
            "cputype 255: --- 255 1 1",
            // family: name, limit
            "family 0: ZP4x00 32000", "family 1: ZPx000CL 10000", "family 2: KVx000 10000", "family 3: ZP4x00G 32000",
            "family 4: --- 1", "family 255: --- 1",
            // family, protocol, device kind: the codes offered, in hexadecimal and in order
            "hw 0 0 0: 41,4002,1F,3C,14,1E,20,34,33,35,4004,4003,4005,4001",
            "hw 0 0 1: "
            "C9,400F,CA,400B,4012,D0,99,9A,80,81,84,87,9B,85,86,82,4010,CE,400A,4011,CF,400C,8B,89,400D,D1,83,96,97,98",
            "hw 0 1 0: 4002,14,1E,20,34,33,35,4004,4003,4005,4001",
            "hw 0 1 1: 400E,C9,CA,400B,D0,99,9A,80,81,84,85,86,87,9B,82,CE,400A,CF,400C,83,96,98,97",
            "hw 0 0 2: ", "hw 0 2 0: ", "hw 0 2 1: ", "hw 1 1 0: 4002,4004,4003,4005,4001", "hw 1 1 1: " + f1Modules,
            "hw 1 1 2: " + f1Modules, "hw 1 1 254: " + f1Modules,
            "hw 1 0 0: ", "hw 1 0 1: ", "hw 1 2 0: ", "hw 2 1 0: 4004,4003,4005", "hw 2 1 1: 99,97",
            "hw 2 1 254: 99,97", "hw 2 2 0: " + apollo, "hw 2 2 1: " + apollo, "hw 2 2 254: " + apollo,
            "hw 2 0 0: ", "hw 2 3 0: ", "hw 4 1 0: ", "hw 255 1 1: ",
            // codes inserted in turn into a list (MULTI, ION, THER, two equal names, "", the first equal name again):
            // each goes before the first greater name, equal names keep the order they came in
            "insert 16388 16386 16385 152 151 1 152: 1,16386,16388,16385,152,151,152",
            // line: its board and its line within the board
            "line 0 1 2 3 6 7 254 255: 0.0 0.1 1.0 1.1 3.0 3.1 127.0 127.1"};
        libtest::add_text_rows(rows);
    }
    // Each row: what the capability functions give for its key, in the order the row lists it.
    void codes()
    {
        QFETCH(QString, row);
        // Lists are compared as text too, so a failure shows both whole.
        const auto join = [](const auto& list, int base = 10) {
            QStringList parts;
            for (u32 value : list)
                parts << QString::number(value, base).toUpper();
            return parts.join(',');
        };
        const QStringList key = row.section(':', 0, 0).split(' ');
        const u32 c = key[1].toUInt();
        QStringList got{row.section(':', 0, 0) + ':'};
        std::vector<u16> inserted;
        for (int i = 1; key[0] == "insert" && i < key.size(); ++i)
            insert_hw_type_ordered(inserted, u16(key[i].toUInt()));
        if (key[0] == "insert")
            got << join(inserted);
        for (int i = 1; key[0] == "line" && i < key.size(); ++i) {
            const u32 line = key[i].toUInt();
            got << QString("%1.%2").arg(ll_of_line(line)).arg(line_in_ll(line));
            QCOMPARE(line_of_ll(ll_of_line(line), line_in_ll(line)), line);
        }
        if (key[0] == "hw")
            got << join(get_hw_type_list(c, u8(key[2].toUInt()), u8(key[3].toUInt())), 16);
        if (key[0] == "type")
            got << QString::asprintf("%s %u", PanelType::get_name(c), PanelType::get_cpu_model(c))
                << join(get_brand_list(c));
        if (key[0] == "cputype")
            got << QString::asprintf("%s %u %u %u", CpuType::get_name(c), CpuType::get_cpu_model(c),
                                     CpuType::get_min_line_num(c), CpuType::get_max_line_num(c));
        if (key[0] == "family")
            got << QString::asprintf("%s %u", PanelFamily::get_name(c), PanelFamily::get_limit(c));
        if (key[0] == "model") {
            got << QString::asprintf("%s %u %u %u %u %d %d %d %d %u %u %u %u %u %u %u %u", CpuModel::get_name(c),
                                     CpuModel::get_family(c), CpuModel::get_lines_per_ll(c), CpuModel::get_line_num(c),
                                     CpuModel::get_min_line_num(c), CpuModel::has_sib(c), CpuModel::has_network(c),
                                     CpuModel::has_adv_protocol(c), CpuModel::has_apollo_protocol(c),
                                     CpuModel::get_max_cpu_num(c, true), CpuModel::get_max_cpu_num(c, false),
                                     CpuModel::get_max_line_num(c, true), CpuModel::get_max_line_num(c, false),
                                     CpuModel::get_max_zone_num(c, true), CpuModel::get_max_zone_num(c, false),
                                     CpuModel::get_max_group_num(c, true), CpuModel::get_max_group_num(c, false))
                << join(get_cpu_type_list(c));
            QVERIFY(CpuModel::has_varn_protocol(c));
        }
        QCOMPARE(got.join(' '), row);
    }

    // Family 3 offers what family 0 does. Both kinds: the sensors and the modules merged by model
    // name, each in its own order.
    void hwTypeListsBothKinds()
    {
        for (u8 protocol : {0, 1, 2}) {
            for (u8 kind : {DEVICE_KIND_SENSOR, DEVICE_KIND_MODULE, DEVICE_KIND_ANY})
                QCOMPARE(get_hw_type_list(3, protocol, kind), get_hw_type_list(0, protocol, kind));
            std::vector<u16> kinds[2];
            const std::vector<u16> both = get_hw_type_list(0, protocol, DEVICE_KIND_ANY);
            for (size_t i = 0; i < both.size(); ++i) {
                kinds[is_module_code(both[i])].push_back(both[i]);
                QVERIFY(i == 0 || strcmp(get_device_model_name(both[i - 1]), get_device_model_name(both[i])) <= 0);
            }
            QCOMPARE(kinds[0], get_hw_type_list(0, protocol, DEVICE_KIND_SENSOR));
            QCOMPARE(kinds[1], get_hw_type_list(0, protocol, DEVICE_KIND_MODULE));
        }
    }

    // Speed codes 0 to 8 and their rates both ways; any other rate or mode is refused, unchanged.
    void serialRecord()
    {
        const u32 rates[] = {0, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
        u8 record[SERIAL_REC_SIZE] = {9, 0x5A};
        QCOMPARE(get_baud_rate(record), 0u);
        for (u8 code = 0; code < 9; ++code) {
            QCOMPARE(QVector<int>({set_baud_code(record, rates[code]), set_baud_code(record, rates[code])}),
                     QVector<int>({0, -1}));
            QCOMPARE(QVector<u32>({record[0], record[1], get_baud_rate(record)}),
                     QVector<u32>({code, 0x5A, rates[code]}));
        }
        QCOMPARE(QVector<int>({set_baud_code(record, 300), set_baud_code(record, 9601), set_mode(record, 0),
                               set_mode(record, 0), set_mode(record, 2), set_mode(record, 3), set_mode(record, 255),
                               record[0], record[1]}),
                 QVector<int>({1005, 1005, 0, -1, 0, 1005, 1005, 8, 2}));
    }
};

QTEST_APPLESS_MAIN(tst_PanelModel)
#include "tst_panelmodel.moc"
