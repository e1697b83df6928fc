#include "ZpData/Values/DeviceRec.h"

#include "DataBlock/bytes.h"
#include "OS/TraceLog.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <cstring>

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpData_2602";
}

u16 DeviceRec::get_zone(const u8* rec)
{
    return get_le16(rec + 5);
}

void DeviceRec::clear(u8* rec)
{
    memset(rec, 0, kSize);
    rec[1] = kFlagsEmpty;
    rec[11] = kByte11Empty;
}

int DeviceRec::get_address(const u8* rec)
{
    if (!is_used(rec))
        return -1;
    int address = rec[0];
    if (is_module(rec) && get_class(rec) == CLASS_CONSECUTIVE)
        address += rec[8];
    return address;
}

u16 DeviceRec::get_code(const u8* rec)
{
    return get_le16(rec + 2);
}

bool DeviceRec::is_channel(const u8* rec)
{
    return is_module(rec) && (rec[8] > 0 || get_sub_num(get_code(rec)) > 1);
}

int DeviceRec::set_code(u8* rec, u16 code)
{
    if (get_code(rec) == code)
        return ZP_UNCHANGED;
    put_le16(rec + 2, code);
    return ZP_OK;
}

int DeviceRec::set_class(u8* rec, u32 deviceClass)
{
    if (deviceClass > 3)
        return ZP_ERR_RANGE;
    if (get_class(rec) == deviceClass)
        return ZP_UNCHANGED;
    rec[4] = u8((rec[4] & 0x3F) | (deviceClass << 6));
    return ZP_OK;
}

int DeviceRec::set_type(u8* rec, u32 type)
{
    // Six bits hold the type; a larger row would silently become another type (or an empty slot).
    if (type >= TYPE_ROW_NUM)
        return ZP_ERR_RANGE;
    if (get_type(rec) == type)
        return ZP_UNCHANGED;
    rec[4] = u8((rec[4] & 0xC0) | type);

    const u16 code = get_code(rec);
    const u32 sensMax = get_sens_max(code, type);
    const u32 alarm = get_alarm_level_default(code, type);
    rec[7] = 0;
    rec[8] = 0;
    rec[9] = 0;
    rec[10] = 0;
    if (sensMax != 0) {
        rec[8] = u8(get_sens_default(code, type));
        rec[9] = u8(sensMax);
        rec[10] = 1;
    } else if (alarm != 0) {
        rec[8] = u8(alarm);
    }
    return ZP_OK;
}

bool DeviceRec::matches(bool free, u32 lineBit, bool module, u32 deviceClass, u32 recAddress, u32 recSub, u32 line,
                        u32 kind, u32 address, u32 sub)
{
    if (free || lineBit != (line & 1))
        return false;
    const bool anySub = sub >= kAnySub;
    const bool subMatches = recSub == sub || anySub;
    const u32 moduleBit = module ? 1 : 0;

    if (kind == moduleBit) {
        if (kind == DEVICE_KIND_MODULE) {
            // A module whose channels take consecutive addresses answers at each channel's address.
            if (deviceClass == CLASS_CONSECUTIVE && anySub)
                return recAddress + recSub == address;
            return recAddress == address && subMatches;
        }
        return recAddress == address;
    }
    if (kind != DEVICE_KIND_ANY) {
        if (deviceClass != CLASS_DUAL)
            return false;
        if (kind == DEVICE_KIND_SENSOR)
            return recAddress == address;
        if (kind == DEVICE_KIND_MODULE)
            return recAddress == address && subMatches;
        log_error(kUnit, "is_me", __LINE__, "Invalid devtype (%d)\n", int(kind));
        return false;
    }
    return recAddress == address && subMatches;
}

bool DeviceRec::is_me(const u8* rec, u32 line, u32 kind, u32 address, u32 sub)
{
    return matches(!is_used(rec), get_line_bit(rec), is_module(rec), get_class(rec), rec[0], rec[8], line, kind,
                   address, sub);
}

int DeviceRec::check(u8* rec, u8 cpu, u8 board)
{
    const u16 code = get_code(rec);
    const u32 type = get_type(rec);
    const int address = rec[0];
    const u32 sensMax = get_sens_max(code, type);

    if (sensMax == 0) {
        const u32 alarmMax = get_alarm_level_max(code, type);
        if (alarmMax == 0 || rec[8] <= alarmMax)
            return ZP_UNCHANGED;
        log_error(kUnit, "check", __LINE__, "C%dL%dS%d - wrong alarmLev(%d) -> %d\n", cpu, board, address, rec[8],
                  int(alarmMax));
        rec[8] = u8(alarmMax);
        return ZP_OK;
    }

    bool repaired = false;
    if (rec[9] > sensMax) {
        log_error(kUnit, "check", __LINE__, "C%dL%dS%d - wrong highSensib(%d) -> %d\n", cpu, board, address, rec[9],
                  int(sensMax));
        rec[9] = u8(sensMax);
        repaired = true;
    }
    if (rec[10] > sensMax) {
        log_error(kUnit, "check", __LINE__, "C%dL%dS%d - wrong lowSensib(%d) -> %d\n", cpu, board, address, rec[10],
                  int(sensMax));
        rec[10] = 1;
        repaired = true;
    }
    if (rec[8] > sensMax) {
        log_error(kUnit, "check", __LINE__, "C%dL%dS%d - wrong sensib(%d) -> %d\n", cpu, board, address, rec[8],
                  int(sensMax));
        rec[8] = u8(get_sens_default(code, type));
        repaired = true;
    }
    const u32 alarmMax = get_alarm_level_max(code, type);
    if (alarmMax != 0 && rec[8] > alarmMax) {
        log_error(kUnit, "check", __LINE__, "C%dL%dS%d - wrong alarmLev(%d) -> %d\n", cpu, board, address, rec[8],
                  int(alarmMax));
        rec[8] = u8(alarmMax);
        repaired = true;
    }
    return repaired ? ZP_OK : ZP_UNCHANGED;
}

PackedAddress DeviceRec::get_packed_address(const u8* rec, u8 cpu, u8 board)
{
    return PackedAddress::make(cpu, line_of_ll(board, get_line_bit(rec)), is_module(rec), get_sub(rec), rec[0]);
}
