#include "ZpData/Values/PanelModel.h"

#include <cstring>

#include "ZpData/Values/DeviceCatalogue.h"

namespace {

template <typename T, size_t N>
constexpr size_t count_of(const T (&)[N])
{
    return N;
}

struct PanelTypeRow {
    const char* name;
    u8 cpuModel;
};

const PanelTypeRow panelTypeRows[] = {
    {"ZP4800_KALDOREN", 0},   {"ZP4700_KALDOREN", 3},  {"ZP1300CL", 4},         {"ZP1600CL", 5},
    {"ZP3600CL", 6},          {"KV1300_03", 7},        {"KV1600_03", 8},        {"KV1300_01", 7},
    {"KV1600_01", 8},         {"KV1300_02", 7},        {"KV1600_02", 8},        {"ZP4800N_KALDOREN", 1},
    {"ZP4800N_FERNHOLDT", 1}, {"ZP4800_FERNHOLDT", 0}, {"ZP4700_FERNHOLDT", 3}, {"ZP4800G", 2},
    {"KV1300_04", 7},         {"KV1600_04", 8},
};

struct CpuModelRow {
    const char* name;
    u8 family;
    u8 linesPerLl;
    u8 lineNum;
    u8 minLineNum;
    bool sib;
    bool network;
    bool adv;
    bool apollo;
};

const CpuModelRow cpuModelRows[] = {
    {"ZP4800", 0, 2, 8, 2, true, true, true, false},      {"ZP4800N", 0, 2, 4, 2, true, true, true, false},
    {"ZP4800G", 3, 2, 4, 2, true, true, true, false},     {"ZP4700", 0, 1, 1, 1, true, false, true, false},
    {"ZP1300CL", 1, 1, 1, 1, false, false, false, false}, {"ZP1600CL", 1, 2, 2, 2, true, false, false, false},
    {"ZP3600CL", 1, 2, 8, 4, true, false, false, false},  {"KV1300", 2, 1, 1, 1, false, false, false, true},
    {"KV1600", 2, 2, 8, 2, false, true, false, true},
};
const CpuModelRow unknownCpuModel = {"---", 255, 2, 1, 1, false, false, false, false};

const CpuModelRow& cpu_model_row(u32 model)
{
    return model < count_of(cpuModelRows) ? cpuModelRows[model] : unknownCpuModel;
}

const char* const familyNames[] = {"ZP4x00", "ZPx000CL", "KVx000", "ZP4x00G"};

struct CpuTypeRow {
    const char* name;
    u8 cpuModel;
};

const CpuTypeRow cpuTypeRows[] = {
    {"UNDEFINED", 255}, {"ZP-4800", 0}, {"ZP-4700", 3}, {"ZP1300CL", 4}, {"ZP1600CL", 5}, {"ZP3600CL", 6},
    {"KV-1300", 7},     {"KV-1600", 8}, {"KV-4600", 8}, {"ZP-4800N", 1}, {"ZP-4800G", 2},
};

// Inserts value before the first entry whose name compares greater; equal names keep the order
// in which they were inserted.
template <typename T, typename NameOf>
void insert_ordered(std::vector<T>& list, T value, NameOf nameOf)
{
    const char* name = nameOf(value);
    auto it = list.begin();
    while (it != list.end() && std::strcmp(nameOf(*it), name) <= 0)
        ++it;
    list.insert(it, value);
}

template <typename T, size_t N, typename NameOf>
std::vector<T> ordered_list(const T (&candidates)[N], NameOf nameOf)
{
    std::vector<T> list;
    list.reserve(N);
    for (T value : candidates)
        insert_ordered(list, value, nameOf);
    return list;
}

// Candidate sets of get_hw_type_list, each in the order the list shows them: the insertion keeps
// codes that share a model name in this order.
const u16 hwFamily1Sensors[] = {0x4002, 0x4004, 0x4003, 0x4005, 0x4001};
const u16 hwFamily1Modules[] = {0x400B, 0x99, 0x9A, 0x96, 0x98, 0x97, 0xD6};
const u16 hwFamily2VarnSensors[] = {0x4004, 0x4003, 0x4005};
const u16 hwFamily2VarnModules[] = {0x99, 0x97};
const u16 hwFamily2Apollo[] = {
    0xB600, 0xB800, 0xB900, 0xB400, 0xB700, 0xB000, 0xA800, 0xA801, 0xA400, 0xCD20,
    0xCE00, 0xD800, 0xD400, 0xD700, 0xC6A0, 0xC680, 0xC600, 0xDF00, 0xF800, 0xF400,
    0xF700, 0xF801, 0xF401, 0xF701, 0xF403, 0xF121, 0xE821, 0xE861, 0xFF01,
};
const u16 hwZp4AdvSensors[] = {
    0x41, 0x4002, 0x1F, 0x3C, 0x14, 0x1E, 0x20, 0x34, 0x33, 0x35, 0x4004, 0x4003, 0x4005, 0x4001,
};
const u16 hwZp4AdvModules[] = {
    0xC9, 0x400F, 0xCA, 0x400B, 0x4012, 0xD0, 0x99,   0x9A, 0x80, 0x81,   0x84, 0x87, 0x9B, 0x85, 0x86,
    0x82, 0x4010, 0xCE, 0x400A, 0x4011, 0xCF, 0x400C, 0x8B, 0x89, 0x400D, 0xD1, 0x83, 0x96, 0x97, 0x98,
};
const u16 hwZp4VarnSensors[] = {
    0x4002, 0x14, 0x1E, 0x20, 0x34, 0x33, 0x35, 0x4004, 0x4003, 0x4005, 0x4001,
};
const u16 hwZp4VarnModules[] = {
    0x400E, 0xC9, 0xCA, 0x400B, 0xD0,   0x99, 0x9A,   0x80, 0x81, 0x84, 0x85, 0x86,
    0x87,   0x9B, 0x82, 0xCE,   0x400A, 0xCF, 0x400C, 0x83, 0x96, 0x98, 0x97,
};

template <size_t N>
void insert_all(std::vector<u16>& list, const u16 (&codes)[N])
{
    for (u16 code : codes)
        insert_hw_type_ordered(list, code);
}

// Families 0 and 3: sensors, modules, or both merged by name.
template <size_t S, size_t M>
std::vector<u16> zp4_list(const u16 (&sensors)[S], const u16 (&modules)[M], u8 kind)
{
    std::vector<u16> list;
    if (kind == DEVICE_KIND_SENSOR || kind == DEVICE_KIND_ANY)
        insert_all(list, sensors);
    if (kind == DEVICE_KIND_MODULE || kind == DEVICE_KIND_ANY)
        insert_all(list, modules);
    return list;
}

// Index = serial speed code.
const u32 baudRates[] = {0, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

} // namespace

const char* PanelType::get_name(u32 panelType)
{
    return panelType < count_of(panelTypeRows) ? panelTypeRows[panelType].name : "---";
}

u32 PanelType::get_cpu_model(u32 panelType)
{
    return panelType < count_of(panelTypeRows) ? panelTypeRows[panelType].cpuModel : CpuModel::UNKNOWN;
}

const char* CpuModel::get_name(u32 model)
{
    return cpu_model_row(model).name;
}

u32 CpuModel::get_family(u32 model)
{
    return cpu_model_row(model).family;
}

u32 CpuModel::get_lines_per_ll(u32 model)
{
    return cpu_model_row(model).linesPerLl;
}

u32 CpuModel::get_line_num(u32 model)
{
    return cpu_model_row(model).lineNum;
}

u32 CpuModel::get_min_line_num(u32 model)
{
    return cpu_model_row(model).minLineNum;
}

bool CpuModel::has_sib(u32 model)
{
    return cpu_model_row(model).sib;
}

bool CpuModel::has_network(u32 model)
{
    return cpu_model_row(model).network;
}

bool CpuModel::has_varn_protocol(u32)
{
    return true;
}

bool CpuModel::has_adv_protocol(u32 model)
{
    return cpu_model_row(model).adv;
}

bool CpuModel::has_apollo_protocol(u32 model)
{
    return cpu_model_row(model).apollo;
}

u32 CpuModel::get_max_cpu_num(u32 model, bool networked)
{
    if (!networked)
        return 1;
    if (model == 0 || model == 1)
        return 32;
    if (model == 8)
        return 64;
    return 1;
}

u32 CpuModel::get_max_line_num(u32 model, bool networked)
{
    if (networked && model <= 2)
        return 64;
    if (networked && model == 8)
        return 128;
    return get_line_num(model);
}

u32 CpuModel::get_max_zone_num(u32 model, bool networked)
{
    if (model <= 2)
        return networked ? 2001 : 501;
    if (model == 3)
        return 501;
    if (model <= 7)
        return 151;
    if (model == 8)
        return 2001;
    return 1;
}

u32 CpuModel::get_max_group_num(u32 model, bool networked)
{
    if (model <= 2 || model == 8)
        return networked ? 1600 : 400;
    if (model <= 7)
        return 400;
    return 1;
}

const char* PanelFamily::get_name(u32 family)
{
    return family < count_of(familyNames) ? familyNames[family] : "---";
}

u32 PanelFamily::get_limit(u32 family)
{
    if (family == ZP4X00 || family == ZP4X00G)
        return 32000;
    if (family == ZPX000CL || family == KVX000)
        return 10000;
    return 1;
}

const char* CpuType::get_name(u32 cpuType)
{
    return cpuType < count_of(cpuTypeRows) ? cpuTypeRows[cpuType].name : "---";
}

u32 CpuType::get_cpu_model(u32 cpuType)
{
    return cpuType < count_of(cpuTypeRows) ? cpuTypeRows[cpuType].cpuModel : CpuModel::UNKNOWN;
}

u32 CpuType::get_min_line_num(u32 cpuType)
{
    if (cpuType == 7)
        return 2;
    if (cpuType == 8)
        return 4;
    u32 model = get_cpu_model(cpuType);
    if (model == 6)
        return 4;
    if (model <= 2 || model == 8)
        return 2;
    return CpuModel::get_line_num(model); // 1 for an unknown model
}

u32 CpuType::get_max_line_num(u32 cpuType)
{
    if (cpuType == 7)
        return 2;
    if (cpuType == 8)
        return 8;
    return CpuModel::get_line_num(get_cpu_model(cpuType));
}

bool is_line_protocol_kept(u32 model, u32 brand, u32 protocol)
{
    constexpr u32 kBrandApollo = 4;
    if (brand == kBrandApollo)
        return protocol == LINE_PROTOCOL_APOLLO;
    switch (protocol) {
    case LINE_PROTOCOL_ADV: return CpuModel::has_adv_protocol(model);
    case LINE_PROTOCOL_VARN: return CpuModel::has_varn_protocol(model);
    default: return false;
    }
}

std::vector<u8> get_brand_list(u32 panelType)
{
    static const u8 kaldoren[] = {0};
    static const u8 fernholdt[] = {1};
    static const u8 zdKald[] = {5};
    static const u8 kv03[] = {4, 2, 3};
    static const u8 kv01[] = {4, 3};
    static const u8 tavrel[] = {2};
    auto label = [](u8 brand) { return get_brand_label(brand); };
    switch (panelType) {
    case 0:
    case 1:
    case 11: return ordered_list(kaldoren, label);
    case 12:
    case 13:
    case 14: return ordered_list(fernholdt, label);
    case 2:
    case 3:
    case 4: return ordered_list(zdKald, label);
    case 5:
    case 6: return ordered_list(kv03, label);
    case 7:
    case 8: return ordered_list(kv01, label);
    case 9:
    case 10:
    case 16:
    case 17: return ordered_list(tavrel, label);
    default: return {};
    }
}

std::vector<u8> get_cpu_type_list(u32 model)
{
    auto name = [](u8 cpuType) { return CpuType::get_name(cpuType); };
    if (model == 8) {
        static const u8 kv1600[] = {7, 8};
        return ordered_list(kv1600, name);
    }
    // Models 0 to 7 allow one CPU type each.
    static const u8 single[] = {1, 9, 10, 2, 3, 4, 5, 6};
    if (model < count_of(single))
        return {single[model]};
    return {};
}

void insert_hw_type_ordered(std::vector<u16>& list, u16 code)
{
    insert_ordered(list, code, [](u16 c) { return get_device_model_name(c); });
}

std::vector<u16> get_hw_type_list(u32 family, u8 protocol, u8 kind)
{
    std::vector<u16> list;
    switch (family) {
    case PanelFamily::ZPX000CL:
        if (protocol == LINE_PROTOCOL_VARN && kind == DEVICE_KIND_SENSOR)
            insert_all(list, hwFamily1Sensors);
        else if (protocol == LINE_PROTOCOL_VARN)
            insert_all(list, hwFamily1Modules);
        return list;
    case PanelFamily::KVX000:
        if (protocol == LINE_PROTOCOL_APOLLO)
            insert_all(list, hwFamily2Apollo);
        else if (protocol == LINE_PROTOCOL_VARN && kind == DEVICE_KIND_SENSOR)
            insert_all(list, hwFamily2VarnSensors);
        else if (protocol == LINE_PROTOCOL_VARN)
            insert_all(list, hwFamily2VarnModules);
        return list;
    case PanelFamily::ZP4X00:
    case PanelFamily::ZP4X00G:
        if (protocol == LINE_PROTOCOL_ADV)
            return zp4_list(hwZp4AdvSensors, hwZp4AdvModules, kind);
        if (protocol == LINE_PROTOCOL_VARN)
            return zp4_list(hwZp4VarnSensors, hwZp4VarnModules, kind);
        return list;
    default: return list;
    }
}

int set_baud_code(u8* record, u32 rate)
{
    if (record == nullptr)
        return ZP_ERR_PARAM;
    for (size_t code = 0; code < count_of(baudRates); ++code) {
        if (baudRates[code] != rate)
            continue;
        if (record[0] == code)
            return ZP_UNCHANGED;
        record[0] = u8(code);
        return ZP_OK;
    }
    return ZP_ERR_FORMAT;
}

u32 get_baud_rate(const u8* record)
{
    if (record == nullptr || record[0] >= count_of(baudRates))
        return 0;
    return baudRates[record[0]];
}

int set_mode(u8* record, u8 value)
{
    if (record == nullptr)
        return ZP_ERR_PARAM;
    if (value > 2)
        return ZP_ERR_FORMAT;
    if (record[1] == value)
        return ZP_UNCHANGED;
    record[1] = value;
    return ZP_OK;
}
