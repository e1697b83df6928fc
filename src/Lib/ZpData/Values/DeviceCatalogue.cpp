#include "ZpData/Values/DeviceCatalogue.h"

#include <algorithm>
#include <cstring>

namespace {

struct ModelName {
    u16 code;
    const char* name;
};

// Sorted by code. The names order the hardware-type lists of the panel families (ordered by
// strcmp), so a rename may reorder what the user is offered. Codes sharing a name are listed in
// different relative orders by different families and must stay equal.
const ModelName modelNames[] = {
    // First series: sensors.
    {20, "LS-30 PHOTO"},
    {30, "LS-40 MULTI"},
    {31, "LS-10 MULTI CO-IR"},
    {32, "LS-41 MULTI IR"},
    {51, "LS-51 HEAT B"},
    {52, "LS-50 HEAT A"},
    {53, "LS-52 HEAT C"},
    {60, "LS-20 BEAM"},
    {61, "LS-21 BEAM"},
    {65, "ASD"},
    {84, "LS-31 PHOTO W"},
    {96, "LS-42 MULTI IR W"},
    {115, "LS-55 HEAT W"},
    {116, "LS-56 HEAT W"},
    // First series: modules.
    {128, "LM-30 OUTPUT PLUS"},
    {129, "LM-31 RELAY"},
    {130, "LM-50 CALL POINT"},
    {131, "WM-10 CALL POINT"},
    {132, "LM-40 INPUT"},
    {133, "LM-41 MULTI INPUT"},
    {134, "LM-41 MULTI INPUT"},
    {135, "LM-41 MULTI INPUT"},
    {137, "LM-80 OUTPUT X6"},
    {139, "LM-74 INPUT X10"},
    {145, "LM-90 GATEWAY"},
    {150, "WM-20 SOUNDER"},
    {151, "WM-30 SOUNDER BEACON"},
    {152, "WM-30 SOUNDER BEACON"},
    {153, "LM-20 SOUNDER"},
    {154, "LM-21 SOUNDER BEACON"},
    {155, "LM-41 MULTI INPUT"},
    {180, "LM-81 OUTPUT X2"},
    {181, "LM-82 RELAY"},
    {182, "LM-83 RELAY"},
    {195, "LM-51 CALL POINT"},
    {200, "LM-91 UPS MONITOR"},
    {201, "LM-02 IN/OUT 1+1"},
    {202, "LM-04 IN/OUT 2+2"},
    {206, "LM-61 IN/OUT 5+5"},
    {207, "LM-72 INPUT X10"},
    {208, "LM-12 OUTPUT X10"},
    {209, "UDS DUAL"},
    {214, "WM-40 SOUNDER"},
    {222, "LM-92 REPEATER"},
    // Second series.
    {16385, "THER"},
    {16386, "ION"},
    {16387, "PHOT"},
    {16388, "MULTI"},
    {16389, "PINN"},
    {16394, "LM-70 INPUT"},
    {16395, "LM-10 OUTPUT"},
    {16396, "LM-73 SPECIAL INPUT"},
    {16397, "UDS"},
    {16398, "LM-01 IN/OUT 1+1"},
    {16399, "LM-03 IN/OUT 2+2"},
    {16400, "LM-60 IN/OUT 5+5"},
    {16401, "LM-71 INPUT X10"},
    {16402, "LM-11 OUTPUT X10"},
    // Outside maker's series.
    {41984, "CLASSIC 70 (MOD.OUT)"},
    {43008, "CLASSIC 60 DUAL I/O"},
    {43009, "CLASSIC 61 (MOD.IN/OUT)"},
    {45056, "CLASSIC 50 (MOD.ZONE)"},
    {46080, "CLASSIC 30 (PHOT)"},
    {46592, "CLASSIC 10 (FLAME)"},
    {46848, "CLASSIC 40 (MULTI)"},
    {47104, "CLASSIC 20 (THER)"},
    {47360, "CLASSIC 21 (THER)"},
    {50688, "DIGITAL 62 (MOD.AV)"},
    {50816, "DIGITAL 61 (MOD.AV)"},
    {50848, "DIGITAL 60 (MOD.AV)"},
    {52512, "DIGITAL 10 (CO)"},
    {52736, "DIGITAL 20 (MULTI)"},
    {54272, "DIGITAL 40 (PHOT)"},
    {55040, "DIGITAL 50 (MULTI)"},
    {55296, "DIGITAL 30 (THER)"},
    {57088, "DIGITAL 70 (MCP)"},
    {59425, "SMART 52 (MOD.IN/OUT)"},
    {59489, "SMART 53 (MOD.IN)"},
    {61729, "SMART 51 (MOD.IN)"},
    {62464, "SMART 12 (PHOT)"},
    {62465, "SMART 22 (PHOT)"},
    {62467, "SMART 32 (PHOT)"},
    {62721, "SMART 70 BEAM"},
    {63232, "SMART 13 (MULTI)"},
    {63233, "SMART 23 (MULTI)"},
    {63488, "SMART 11 (THER)"},
    {63489, "SMART 21 (THER)"},
    {65281, "SMART 60 (MCP)"},
};

// Feature bits of a type row.
enum : u8 {
    FEATURE_ALARM_LEVEL = 0x02,
    FEATURE_SENSITIVITY = 0x04,
};
// List flag: devices of the type go into the zone list and the Modbus lists.
enum : u8 { LIST_FLAG_LISTED = 0x02 };

struct TypeRow {
    const char* name;
    u8 typeClass;
    u8 protocolMask; // bit 0 protocol 1, bit 1 protocol 0, bit 2 protocol 2
    u8 features;
    u8 listFlags;
};

const TypeRow typeRows[TYPE_ROW_NUM] = {
    {"---", 0, 7, 0, 0},
    {"ION", 1, 7, 29, 3},
    {"PHOT", 1, 7, 29, 3},
    {"THER", 1, 7, 25, 3},
    {"MULTI", 1, 7, 59, 3},
    {"PINN", 1, 7, 29, 3},
    {"MULTICIR", 1, 7, 27, 3},
    {"MULTIIR", 1, 7, 27, 3},
    {"MULTIIRW", 1, 7, 27, 3},
    {"ACC", 1, 7, 27, 3},
    {"BEAM", 1, 7, 29, 3},
    {"PHOTW", 1, 7, 29, 3},
    {"THERW", 1, 7, 25, 3},
    {"APND", 3, 7, 16, 2},
    {"GAC", 3, 7, 16, 2},
    {"GAS", 3, 7, 16, 2},
    {"GPND", 3, 7, 16, 2},
    {"GTC", 3, 7, 16, 2},
    {"PWRC", 3, 7, 16, 2},
    {"TPND", 3, 7, 16, 2},
    {"TRS", 3, 7, 16, 2},
    {"CON", 3, 7, 208, 3},
    {"FORC", 3, 7, 208, 3},
    {"", 0, 7, 0, 2},
    {"GTS", 3, 7, 16, 2},
    {"SND", 3, 7, 16, 2},
    {"ZDIS", 3, 7, 16, 2},
    {"UDS1", 3, 3, 0, 1},
    {"REM", 3, 7, 16, 2},
    {"REMC", 3, 7, 16, 2},
    {"GASV", 3, 2, 16, 2},
    {"CONV", 3, 2, 208, 3},
    {"GTSV", 3, 2, 16, 2},
    {"MAINF", 3, 6, 16, 2},
    {"MAINFC", 3, 6, 16, 2},
    {"MAINFV", 3, 2, 16, 2},
    {"ZFLT", 3, 6, 16, 2},
    {"ZFLTC", 3, 6, 16, 2},
    {"ZFLTV", 3, 2, 16, 2},
    {"REMV", 3, 2, 16, 2},
    {"GTW", 3, 2, 0, 2},
    {"RPT", 3, 2, 0, 2},
    {"MON", 2, 3, 24, 3},
    {"NCMN", 2, 7, 24, 3},
    {"NONA", 2, 7, 16, 3},
    {"SCON", 2, 3, 24, 3},
    {"PULL", 2, 7, 24, 3},
    {"MTRB", 2, 7, 16, 2},
    {"STAT", 2, 7, 16, 3},
    {"MACK", 2, 7, 16, 2},
    {"MTAC", 2, 7, 16, 2},
    {"MRES", 2, 7, 16, 2},
    {"SCO2", 2, 7, 24, 3},
    {"MON3", 2, 7, 24, 3},
    {"UDS2", 2, 3, 0, 0},
    {"SCO2CA", 2, 7, 24, 3},
    {"UPSM", 2, 2, 16, 0},
    {"GSND", 3, 7, 208, 3},
    {"STR", 3, 7, 16, 2},
    {"GSTR", 3, 7, 208, 3},
    // Row 60 is the high-sensitivity aspirating detector, named after its model.
    {"ASD", 1, 7, 29, 3},
    {"CO", 1, 4, 25, 3},
    {"IR", 1, 4, 25, 3},
    {"COTHER", 1, 4, 25, 3},
};

const char* const brandLabels[] = {"KALDOREN", "FERNHOLDT", "TAVREL FSX", "ZEL.DET.", "APOLLO", "Z.D. KALD"};

const TypeRow* type_row(u32 type)
{
    return type < TYPE_ROW_NUM ? &typeRows[type] : nullptr;
}

bool has_feature(u32 type, u8 feature)
{
    const TypeRow* row = type_row(type);
    return row != nullptr && (row->features & feature) != 0;
}

// Builds a type list: keeps the rows the protocol allows and inserts each before the first entry
// whose name compares greater, so equal names keep their insertion order.
class TypeListBuilder {
public:
    explicit TypeListBuilder(u32 protocol)
        : m_protocol(protocol)
    {
    }

    void add(u8 type)
    {
        if (m_protocol <= 2 && !type_has_protocol(type, m_protocol))
            return;
        const char* name = get_type_name(type);
        auto it = m_list.begin();
        while (it != m_list.end() && std::strcmp(get_type_name(*it), name) <= 0)
            ++it;
        m_list.insert(it, type);
    }
    template <size_t N>
    void add(const u8 (&types)[N])
    {
        for (u8 type : types)
            add(type);
    }
    void add_range(u8 first, u8 last)
    {
        for (u32 type = first; type <= last; ++type)
            add(u8(type));
    }

    void add_group0()
    {
        add_range(13, 22);
        add_range(24, 29);
        add_range(42, 54);
        add_range(57, 59);
    }
    // Input module types.
    void add_group1()
    {
        if (m_protocol != 2)
            add(42);
        static const u8 types[] = {53, 45};
        add(types);
        add_group2();
    }
    void add_group2()
    {
        static const u8 types[] = {49, 51, 50, 47, 43, 44, 46, 48};
        add(types);
    }
    // Output module types.
    void add_group3()
    {
        static const u8 types[] = {13, 22, 14, 16, 17, 33, 18, 28, 19, 20, 26, 36};
        add(types);
    }
    void add_group4()
    {
        static const u8 types[] = {21, 15, 57, 59, 24, 34, 29, 25, 58, 37};
        add(types);
        add_group3();
    }
    void add_group5()
    {
        static const u8 types[] = {39, 31, 30, 35, 32, 38};
        add(types);
        add_group4();
    }
    // Sounder types.
    void add_group6(u32 panelFamily)
    {
        static const u8 outputs[] = {14, 16, 17, 33, 28, 19, 20, 26, 36};
        if (m_protocol != 1 || panelFamily == 0) {
            add(13);
            if (m_protocol == 2)
                add(22);
            add(outputs);
        }
        static const u8 sounders[] = {57, 59, 25, 58};
        add(sounders);
    }

    std::vector<u8> take() { return std::move(m_list); }

private:
    u32 m_protocol;
    std::vector<u8> m_list;
};

// Writes value, below 1000 as every number of an address text is, at `at`; the end. The Modbus map
// builds an address text for each of tens of thousands of rows, where a formatted print would cost
// most of the time.
char* put_address_number(char* at, u32 value)
{
    if (value >= 100)
        *at++ = char('0' + value / 100);
    if (value >= 10)
        *at++ = char('0' + value / 10 % 10);
    *at++ = char('0' + value % 10);
    return at;
}

} // namespace

const char* get_device_model_name(u16 code)
{
    if (code == 0)
        return "---";
    auto it = std::lower_bound(std::begin(modelNames), std::end(modelNames), code,
                               [](const ModelName& m, u16 c) { return m.code < c; });
    return it != std::end(modelNames) && it->code == code ? it->name : "";
}

u32 get_code_class(u16 code)
{
    if (code & 0x8000)
        return 2;
    if (code & 0x4000)
        return 1;
    return 0;
}

bool is_module_code(u16 code)
{
    switch (get_code_class(code)) {
    case 2:
        switch (code) {
        case 41984:
        case 43008:
        case 43009:
        case 45056:
        case 50688:
        case 50816:
        case 50848:
        case 57088:
        case 59425:
        case 59489:
        case 61729:
        case 65281: return true;
        default: return false;
        }
    case 1: return (code & 0xFF) > 9;
    default: return (code & 0xFF) >= 128;
    }
}

u32 get_sub_num(u16 code)
{
    switch (code) {
    case 139:
    case 206:
    case 207:
    case 208:
    case 16400:
    case 16401:
    case 16402: return 10;
    case 137:
    case 138:
    case 140:
    case 16397:
    case 43009: return 6;
    case 202:
    case 16399: return 4;
    case 134:
    case 59489: return 3;
    case 133:
    case 151:
    case 154:
    case 165:
    case 180:
    case 201:
    case 209:
    case 16398:
    case 43008:
    case 50688:
    case 50816:
    case 59425: return 2;
    default: return 1;
    }
}

u8 get_default_type(u16 code, u32 sub)
{
    switch (code) {
    case 10: return 1;
    case 20:
    case 23: return 2;
    case 30:
    case 33: return 4;
    case 31: return 6;
    case 32: return 7;
    case 34: return 9;
    case 51:
    case 52:
    case 53:
    case 54:
    case 55:
    case 56: return 3;
    case 60:
    case 61: return 10;
    case 65: return 60;
    case 70: return 5;
    case 84: return 11;
    case 96: return 8;
    case 115:
    case 116: return 12;
    case 128:
    case 129:
    case 137:
    case 138:
    case 164:
    case 166:
    case 180:
    case 181:
    case 182:
    case 208: return 22;
    case 130:
    case 131:
    case 195: return 46;
    case 132:
    case 133:
    case 136:
    case 139:
    case 160:
    case 161:
    case 165:
    case 167:
    case 207: return 53;
    case 134: return sub < 2 ? 53 : 22;
    case 135:
    case 140:
    case 155: return 52;
    case 145: return 40;
    case 150:
    case 153:
    case 214: return 57;
    case 151:
    case 154: return sub == 0 ? 57 : 59;
    case 152: return 59;
    case 162: return 55;
    case 200: return 56;
    case 201: return sub == 0 ? 53 : 22;
    case 202: return sub < 2 ? 53 : 22;
    case 206: return sub < 5 ? 22 : 53;
    case 209: return 27;
    case 222: return 41;
    case 16385: return 3;
    case 16386: return 1;
    case 16387: return 2;
    case 16388: return 4;
    case 16389: return 5;
    case 16394: return 53;
    case 16395: return 22;
    case 16396: return 52;
    case 41984:
    case 50688:
    case 50816:
    case 50848: return 22;
    case 43008:
    case 59425: return sub == 0 ? 53 : 22;
    case 43009: return sub < 3 ? 53 : 22;
    case 45056: return 52;
    case 46080:
    case 54272:
    case 62464:
    case 62465:
    case 62467: return 2;
    case 46592: return 62;
    case 46848:
    case 55040:
    case 63232:
    case 63233: return 4;
    case 47104:
    case 47360:
    case 55296:
    case 63488:
    case 63489: return 3;
    case 52512: return 61;
    case 52736: return 63;
    case 57088:
    case 65281: return 46;
    case 59489: return sub < 2 ? 53 : 22;
    case 61729: return 53;
    case 62721: return 10;
    default: return 0;
    }
}

std::vector<u8> get_sw_type_list(u16 code, u32 protocol, u32 sub, u32 panelFamily)
{
    TypeListBuilder list(protocol);
    switch (code) {
    case 0:
        if (protocol == 1)
            list.add_group0();
        break;
    case 20:
    case 54272:
    case 46080:
    case 62464:
    case 62465:
    case 62467:
    case 16387: list.add(2); break;
    case 30:
    case 46848:
    case 55040:
    case 63232:
    case 63233:
    case 16388: list.add(4); break;
    case 31: list.add(6); break;
    case 32: list.add(7); break;
    case 51:
    case 52:
    case 53:
    case 47104:
    case 47360:
    case 55296:
    case 63488:
    case 63489:
    case 16385: list.add(3); break;
    case 60:
    case 61:
    case 62721: list.add(10); break;
    case 65: list.add(60); break;
    case 84: list.add(11); break;
    case 96: list.add(8); break;
    case 115:
    case 116: list.add(12); break;
    case 128: list.add_group5(); break;
    case 129:
    case 137:
    case 180:
    case 181:
    case 182:
    case 208:
    case 16402: list.add_group3(); break;
    case 130:
    case 131:
    case 195:
    case 57088:
    case 65281: list.add_group2(); break;
    case 132:
    case 133:
    case 139:
    case 207:
    case 61729:
    case 16394:
    case 16401: list.add_group1(); break;
    case 134:
    case 59489:
        if (sub < 2)
            list.add_group1();
        else
            list.add_group3();
        break;
    case 135:
    case 155:
    case 45056:
    case 16396: list.add(52); break;
    case 145: list.add(40); break;
    case 150:
    case 151:
    case 152:
    case 153:
    case 154:
    case 214:
    case 41984:
    case 50688:
    case 50816:
    case 50848: list.add_group6(panelFamily); break;
    case 200: list.add(56); break;
    case 201:
    case 16398:
        if (sub == 0)
            list.add_group1();
        else
            list.add_group4();
        break;
    case 202:
    case 16399:
        if (sub < 2)
            list.add_group1();
        else if (sub == 2)
            list.add_group3();
        else if (sub == 3)
            list.add_group4();
        break;
    case 206:
    case 16400:
        if (sub < 5)
            list.add_group3();
        else
            list.add_group1();
        break;
    case 209: list.add(27); break;
    case 222: list.add(41); break;
    case 43008:
    case 59425:
        if (sub == 0)
            list.add_group1();
        else
            list.add_group3();
        break;
    case 43009:
        if (sub < 3)
            list.add_group1();
        else
            list.add_group3();
        break;
    case 46592: list.add(62); break;
    case 52512: list.add(61); break;
    case 52736: list.add(63); break;
    case 16386: list.add(1); break;
    case 16389: list.add(5); break;
    case 16395: list.add_group4(); break;
    case 16397: list.add(sub < 2 ? 27 : 54); break;
    default: break;
    }
    return list.take();
}

const char* get_type_name(u32 type)
{
    const TypeRow* row = type_row(type);
    return row != nullptr ? row->name : "";
}

u32 get_type_class(u32 type)
{
    const TypeRow* row = type_row(type);
    return row != nullptr ? u32(row->typeClass) : u32(TYPE_CLASS_NONE);
}

u16 get_type_features(u32 type)
{
    const TypeRow* row = type_row(type);
    return row != nullptr ? u16(row->features) : u16(0);
}

u16 get_type_attributes(u32 type)
{
    const TypeRow* row = type_row(type);
    return row != nullptr ? u16(row->features | row->listFlags << 8) : u16(0);
}

bool type_is_listed(u32 type)
{
    const TypeRow* row = type_row(type);
    return row != nullptr && (row->listFlags & LIST_FLAG_LISTED) != 0;
}

int type_is_module(u32 type)
{
    switch (get_type_class(type)) {
    case TYPE_CLASS_SENSOR: return 0;
    case TYPE_CLASS_INPUT:
    case TYPE_CLASS_OUTPUT: return 1;
    default: return -1;
    }
}

u32 get_type_category(u32 type)
{
    switch (get_type_class(type)) {
    case TYPE_CLASS_SENSOR:
        if (type == 1 || type == 2)
            return 11;
        return type == 3 ? 10 : 12;
    case TYPE_CLASS_INPUT: return 1;
    default: return 0;
    }
}

bool type_has_protocol(u32 type, u32 protocol)
{
    static const u8 protocolBits[] = {0x02, 0x01, 0x04};
    const TypeRow* row = type_row(type);
    if (row == nullptr || protocol > 2)
        return false;
    return (row->protocolMask & protocolBits[protocol]) != 0;
}

u16 get_default_code(u32 type)
{
    if ((type >= 13 && type <= 22) || type == 24 || type == 25 || type == 26 || type == 28 || type == 29 || type == 57
        || type == 58 || type == 59)
        return 16395;
    if (type == 27 || type == 54)
        return 16397;
    if ((type >= 42 && type <= 51) || type == 53)
        return 16394;
    if (type == 52)
        return 16396;
    return 0;
}

u32 get_sens_max(u16 code, u32 type)
{
    // The outside maker's sensors with bit 14 set have their own scale.
    if ((code & 0xC000) == 0xC000 && !is_module_code(code))
        return 5;
    if (!has_feature(type, FEATURE_SENSITIVITY))
        return 0;
    if (type == 10)
        return 6;
    if (type == 60)
        return 10;
    return 9;
}

bool has_sens(u16 code, u32 type)
{
    return get_sens_max(code, type) != 0;
}

u32 get_sens_default(u16 code, u32 type)
{
    u32 m = get_sens_max(code, type);
    if (m == 0)
        return 0;
    if (m <= 2)
        return 1;
    return (m + 1) / 2;
}

bool has_alarm_level(u16 code, u32 type)
{
    return (code & 0x8000) == 0 && has_feature(type, FEATURE_ALARM_LEVEL);
}

u32 get_alarm_level_max(u16 code, u32 type)
{
    return has_alarm_level(code, type) ? 5 : 0;
}

u32 get_alarm_level_default(u16 code, u32 type)
{
    return has_alarm_level(code, type) ? 4 : 0;
}

u16 get_siren_limits(u32 brand)
{
    if (brand == SENSOR_BRAND_APOLLO)
        return u16((6 << 8) | 14);
    return u16((3 << 8) | 32);
}

const char* get_brand_label(u32 brand)
{
    return brand < sizeof(brandLabels) / sizeof(brandLabels[0]) ? brandLabels[brand] : "---";
}

size_t make_address_text(const DeviceRef& ref, char* buffer)
{
    return make_address_text(ref, ref.get_device_class(), buffer);
}

size_t make_address_text(const DeviceRef& ref, u32 deviceClass, char* buffer)
{
    if (buffer == nullptr)
        return 0;
    const bool module = ref.is_module();
    u32 channels;
    u32 address;
    if (ref.get_address() < 159 && ref.get_type() != 0) {
        channels = !module || deviceClass == 1 ? 1 : get_sub_num(ref.get_code());
        address = u32(ref.get_effective_address(deviceClass));
    } else {
        channels = module ? ref.get_sub() + 1 : 1;
        address = ref.get_address();
    }
    // The coordinate takes at most 13 characters ("C128L8M256.16"); the name behind it is cut to
    // what the buffer holds.
    char* at = buffer;
    *at++ = 'C';
    at = put_address_number(at, ref.get_cpu() + 1);
    *at++ = 'L';
    at = put_address_number(at, ref.get_line() + 1);
    *at++ = module ? 'M' : 'S';
    at = put_address_number(at, address % 256 + 1);
    if (module && channels > 1) {
        *at++ = '.';
        at = put_address_number(at, ref.get_sub() + 1);
    }
    *at++ = ' ';
    *at++ = '(';
    char* const last = buffer + ADDRESS_TEXT_SIZE - 1;
    for (const char* name = module ? get_type_name(ref.get_type()) : get_device_model_name(ref.get_code());
         *name && at < last;)
        *at++ = *name++;
    if (at < last)
        *at++ = ')';
    *at = '\0';
    return size_t(at - buffer);
}

std::string new_address_text(const DeviceRef& ref)
{
    char buffer[ADDRESS_TEXT_SIZE];
    make_address_text(ref, buffer);
    return buffer;
}

u32 get_code_address_offset(u16 code, u32 sensorBrand)
{
    u32 offset = code & 0xFF;
    if ((code & 0x8000) && sensorBrand != SENSOR_BRAND_APOLLO)
        offset += 159;
    return offset;
}

u32 get_number_category(int n)
{
    struct Range {
        int first;
        int last;
        u8 category;
    };
    static const Range ranges[] = {
        {1, 13, 7},    {15, 45, 6},   {48, 138, 3},  {140, 184, 2}, {188, 189, 1}, {190, 195, 0},
        {200, 211, 4}, {220, 232, 8}, {233, 233, 5}, {234, 237, 3}, {238, 242, 8}, {243, 245, 5},
        {246, 247, 8}, {300, 357, 3}, {400, 411, 6}, {449, 499, 2},
    };
    for (const Range& r : ranges)
        if (n >= r.first && n <= r.last)
            return r.category;
    return 9;
}

bool number_has_category(int n)
{
    return get_number_category(n) != 9;
}

int get_catalogue_revision()
{
    return 1;
}
