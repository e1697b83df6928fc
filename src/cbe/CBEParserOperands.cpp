// Operands of a CBE text and their checks against the panel configuration.
#include "cbe/CBEParser.h"

#include "DataBlock/bytes.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"

using namespace cbe;

namespace {
// Record byte 4: type index in bits 0-5, code class in bits 6-7.
constexpr u32 kTypeByte = 4;
constexpr u32 kMaxAddress = 159;
// Sub-address 15 is the "not set" value of the status index.
constexpr u32 kMaxSub = 15;
} // namespace

bool CBEParser::operand(u32 tokenPos)
{
    u32 kind = 0;
    u8 unexpected = CBE_ERR_UNKNOWN_CHAR;
    switch (peek()) {
    case 'G':
        kind = K_G;
        unexpected = CBE_ERR_UNEXPECTED_G;
        break;
    case 'C':
        kind = K_C;
        unexpected = CBE_ERR_UNEXPECTED_C;
        break;
    case 'L':
        kind = K_L;
        unexpected = CBE_ERR_UNEXPECTED_L;
        break;
    case 'M':
        kind = K_M;
        unexpected = CBE_ERR_UNEXPECTED_M;
        break;
    case 'Z':
        kind = K_Z;
        unexpected = CBE_ERR_UNEXPECTED_Z;
        break;
    case 'S':
        // In a list "SYS" is always SYS, so it draws its own error where sensors are allowed too.
        if (peek(1) == 'Y' && peek(2) == 'S' && (m_list || !(m_kinds & K_S))) {
            kind = K_SYS;
            unexpected = CBE_ERR_UNEXPECTED_Z;
        } else {
            kind = K_S;
            unexpected = CBE_ERR_UNEXPECTED_S;
        }
        break;
    case 'E':
        if (peek(1) != 'V' || peek(2) != 'A' || peek(3) != 'C')
            return fail(CBE_ERR_UNKNOWN_CHAR, tokenPos);
        kind = K_EVAC;
        unexpected = CBE_ERR_UNEXPECTED_EVAC;
        break;
    default: return fail(CBE_ERR_UNKNOWN_CHAR, tokenPos);
    }
    if (!(m_next & T_OPERAND))
        return fail(CBE_ERR_NOT_ALLOWED, tokenPos);
    // A direct program drives outputs; the plant-wide events are conditions only.
    if (m_list && kind == K_SYS)
        return fail(CBE_ERR_SYS_NOT_ALLOWED, tokenPos);
    if (m_list && kind == K_EVAC)
        return fail(CBE_ERR_EVAC_IN_LIST, tokenPos);
    if (!(m_kinds & kind))
        return fail(unexpected, tokenPos);

    switch (kind) {
    case K_G: return group_operand(tokenPos);
    case K_C: return cpu_operand();
    case K_L: return loop_operand();
    case K_M: return module_operand();
    case K_S: return sensor_operand();
    case K_Z: return zone_operand();
    default: {
        const bool sys = kind == K_SYS;
        const u32 length = sys ? 3 : 4;
        m_pos += length;
        m_consumed += length;
        emit(OP_ZONE);
        emit_12(sys ? kZoneSys : kZoneEvac);
        ++m_items[m_depth];
        after_operand();
        return true;
    }
    }
}

void CBEParser::after_operand()
{
    m_directOnly = false;
    if (m_list) {
        m_kinds = K_LIST_DEFAULT;
        m_next = T_LIST_AFTER_OPERAND;
    } else {
        m_kinds = K_NORMAL_DEFAULT;
        m_next = T_AFTER_OPERAND;
    }
}

bool CBEParser::group_operand(u32)
{
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    u32 n = 0;
    if (!read_number(4, &n))
        return fail(CBE_ERR_GROUP, digits);
    const bool ok = !m_request.checkReferences ? n >= 1 && n <= cbe::kMaxGroup
        : m_directOnly                         ? (n >= 1 && n <= m_groupCount && n - 1 < m_directCount)
                                               : check_group(n);
    if (!ok)
        return fail(CBE_ERR_GROUP, digits);
    emit(OP_GROUP);
    emit_12(n);
    ++m_items[m_depth];
    after_operand();
    return true;
}

bool CBEParser::cpu_operand()
{
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    u32 n = 0;
    if (!read_number(2, &n) || n < 1 || n > kMaxCpu)
        return fail(CBE_ERR_CPU, digits);
    m_cpu = n;
    m_kinds = K_L;
    m_next = T_OPERAND;
    return true;
}

bool CBEParser::loop_operand()
{
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    u32 n = 0;
    if (!read_number(1, &n) || n < 1 || n > kMaxLoop)
        return fail(CBE_ERR_LOOP, digits);
    if (peek() != 'M' && peek() != 'S')
        return fail(CBE_ERR_LOOP_WITHOUT_POINT, m_pos);
    m_loop = n;
    m_kinds = K_M | K_S;
    m_next = T_OPERAND;
    return true;
}

bool CBEParser::sensor_operand()
{
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    u32 a = 0;
    if (!read_number(3, &a) || a < 1 || a > kMaxAddress)
        return fail(CBE_ERR_SENSOR, digits);
    const PackedAddress address = PackedAddress::make(m_cpu - 1, m_loop - 1, false, 0, a - 1);
    if (m_request.checkReferences && !check_sensor(address))
        return fail(CBE_ERR_SENSOR, digits);
    emit(OP_SENSOR);
    emit_24(packed_to_value(address));
    ++m_items[m_depth];
    after_operand();
    return true;
}

bool CBEParser::module_operand()
{
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    u32 a = 0;
    if (!read_number(3, &a) || a < 1 || a > kMaxAddress)
        return fail(CBE_ERR_MODULE, digits);
    PackedAddress address;
    if (peek() == '.') {
        ++m_pos;
        ++m_consumed;
        const u32 subDigits = m_pos;
        u32 s = 0;
        if (!read_number(2, &s) || s < 1 || s > kMaxSub)
            return fail(CBE_ERR_MODULE, subDigits);
        address = PackedAddress::make(m_cpu - 1, m_loop - 1, true, s - 1, a - 1);
    } else if (!m_request.checkReferences) {
        address = PackedAddress::make(m_cpu - 1, m_loop - 1, true, 0, a - 1);
    } else {
        address = m_conf.get_packed_address(m_cpu - 1, m_loop - 1, true, a - 1, DeviceRec::kAnySub);
        if (address.is_none())
            return fail(CBE_ERR_MODULE, digits);
    }
    if (m_request.checkReferences && !check_module(address))
        return fail(CBE_ERR_MODULE, digits);
    emit(OP_MODULE);
    emit_24(packed_to_value(address));
    ++m_items[m_depth];
    after_operand();
    return true;
}

bool CBEParser::zone_operand()
{
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    u32 n = 0;
    if (!read_number(4, &n) || n < 1 || n > m_zoneCount)
        return fail(CBE_ERR_ZONE, digits);
    emit(OP_ZONE);
    emit_12(n);
    ++m_items[m_depth];
    if (m_list) {
        m_directOnly = false;
        m_next = T_CLOSE;
    } else {
        after_operand();
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// Checks

bool CBEParser::owner_is_direct_group() const
{
    return get_le16(m_request.owner) < m_directCount;
}

bool CBEParser::check_group(u32 n) const
{
    if (n < 1 || n > m_groupCount)
        return false;
    const u32 target = n - 1;
    switch (m_request.ownerKind) {
    case CBE_OWNER_GROUP: {
        // Direct groups chain forwards up to the last direct group; the others only backwards,
        // so no chain of groups can loop.
        const u32 own = get_le16(m_request.owner);
        if (own < m_directCount)
            return own < target && target < m_directCount;
        return target < own;
    }
    case CBE_OWNER_SENSOR: return target < m_directCount;
    case CBE_OWNER_MODULE: return !m_list || target < m_directCount;
    default: return true;
    }
}

bool CBEParser::check_sensor(const PackedAddress& address) const
{
    u8 record[DeviceRec::kSize];
    if (m_conf.get_device(record, address.get_cpu(), address.get_line(), false, address.get_address(),
                          DeviceRec::kAnySub)
        != ZP_OK)
        return false;
    if ((record[kTypeByte] & 0x3F) == 0)
        return false;
    return m_dis || cbeMayNameSensor(m_list, record[kTypeByte] >> 6);
}

bool CBEParser::check_module(const PackedAddress& address) const
{
    u8 record[DeviceRec::kSize];
    // A dual device written without a sub-address packs as the sensor its record is stored as.
    if (m_conf.get_device(record, address.get_cpu(), address.get_line(), address.is_module(), address.get_address(),
                          address.is_module() ? address.get_sub() : DeviceRec::kAnySub)
        != ZP_OK)
        return false;
    const u32 type = record[kTypeByte] & 0x3F;
    if (type == 0)
        return false;
    if (m_dis)
        return true;
    const u32 typeClass = get_type_class(type);
    switch (m_request.ownerKind) {
    case CBE_OWNER_SENSOR: return cbeMayNameModule(CBE_OWNER_SENSOR, m_list, m_flt, typeClass);
    case CBE_OWNER_GROUP: return cbeMayNameModule(CBE_OWNER_GROUP, owner_is_direct_group(), m_flt, typeClass);
    case CBE_OWNER_MODULE:
        if (address.raw[0] == m_request.owner[0] && address.raw[1] == m_request.owner[1]
            && address.raw[2] == m_request.owner[2])
            return false;
        return cbeMayNameModule(CBE_OWNER_MODULE, m_list, m_flt, typeClass);
    default: return true;
    }
}
