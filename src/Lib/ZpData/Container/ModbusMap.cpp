#include "ZpData/Container/ModbusMap.h"

#include "OS/TraceLog.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpModbus.h"
#include "ZpData/Container/ZpZone.h"

#include <cstdio>
#include <string>

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpModbus";

const char* const kDeviceStatus =
    "Status (0=Normal 1=NotProgrammed 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm)";
const char* const kDeviceCmd = "Cmd (0=DoNothing 1=Exclude 2=Include 3=ActivateOut 4=DeactivateOut)";
const char* const kZone0Status = "Status (0=Normal 1=Empty 4=Active 5=Fault 6=PreAlarm)";
const char* const kZoneStatus = "Status (0=Normal 1=Empty 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm)";
const char* const kZoneCmd = "Cmd (0=DoNothing 1=Exclude 2=Include)";
const char* const kAnalog = "Analog value";
const char* const kNotApplicable = "'-";

constexpr int kZoneRegister = 100;
constexpr int kDeviceRegister = 15000;
constexpr int kSensorRegister = 3000;

struct Example {
    int reg;
    const char* coord;
    bool analog;
};

const Example kExamples[] = {
    {5011, "L1M1.1", false},   {5012, "L1M1.2", false},   {5020, "L1M1.10", false},  {5021, "L1M2.1", false},
    {6611, "L1M159.1", false}, {6620, "L1M159.10", false}, {7001, "L1S1", false},    {7159, "L1S159", false},
    {8001, "L1S1", true},      {8159, "L1S159", true},     {10011, "L2M1.1", false}, {15011, "L3M1.1", false},
    {20011, "L4M1.1", false},  {25011, "L5M1.1", false},   {30011, "L6M1.1", false}, {35011, "L7M1.1", false},
    {40011, "L8M1.1", false},  {43159, "L8S159", true},
};

struct Coil {
    const char* name;
    int reg;
    const char* read;
};

const Coil kCoils[] = {
    {"Horn", 320, "1=Horn is on"},
    {"Buzzer", 321, "1=System buzzer is on"},
    {"Alarm led", 322, "0=Led is off 1=Led is solid on/blinking"},
    {"Alarm led blink", 323, "0=Led is solid on/off 1=Led is blinking"},
    {"Fault led", 324, "0=Led is off 1=Led is solid on/blinking"},
    {"Fault led blink", 325, "0=Led is solid on/off 1=Led is blinking"},
    {"Exclusion", 326, "1=There is an exclusion"},
    {"Horn Silenced", 327, "1=The horn is silenced"},
    {"Busy", 328, "1=Busy. Data could not be available. Retry later"},
    {"Test", 329, "1=Test event active"},
    {"Evacuate", 330, "1=Evacuation is active"},
};

struct Holding {
    const char* name;
    int reg;
    const char* read;
    const char* write;
};

const Holding kHoldingsBeforeStatus[] = {
    {"FWVersion", 2, "Firmware Version", "'-"},
    {"FWSubversion", 3, "Firmware Subversion", "'-"},
    {"ProtocolVersion", 10, "MSB = Ver LSB = SubVer", "'-"},
    {"Reserved", 11, "'-", "'-"},
    {"Cpu Number", 12, "1-32", "'-"},
    {"Line Number", 13, "2-64", "'-"},
    {"Year", 14, "2000-2099", "2000-2099"},
    {"Month", 15, "1-12", "1-12"},
    {"Day", 16, "1-31", "1-31"},
    {"Hour", 17, "0-23", "0-23"},
    {"Minute", 18, "0-59", "0-59"},
    {"Second", 19, "0-59", "0-59"},
};

const Holding kCommands[] = {
    {"Buzzer Off", 80, "'-", "Silence the buzzer"},
    {"Reset", 81, "'-", "Resets fault status on devices"},
    {"Toggle Mute Horn", 82, "'-", "On/off silence horn"},
};

void write_lines(FILE* f, const char* const* lines, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        std::fprintf(f, "%s\n", lines[i]);
}

void write_fixed_part(FILE* f)
{
    static const char* const direct[] = {
        "Address description slave address 101 - 164 maps CPU 1-64",
        "This range of slave addresses map the data for direct access of device based on CxLxDx coordinates",
        "Module Reg Address = Line * 5000 + module address * 10 + submodule",
        "Sensor Reg Address = Line * 5000 + 2000 + sensor address",
        "Sensor Analog Reg Address = Line * 5000 + 3000 + sensor address",
        "",
        "HOLDING REGISTERS (examples)",
        "Modbus address;Coord;Read Desc;Write Desc",
    };
    write_lines(f, direct, sizeof direct / sizeof direct[0]);
    for (const Example& e : kExamples) {
        if (e.analog)
            std::fprintf(f, "%d;%s;%s;%s\n", e.reg, e.coord, kAnalog, kNotApplicable);
        else
            std::fprintf(f, "%d;%s;%s;%s\n", e.reg, e.coord, kDeviceStatus, kDeviceCmd);
    }
    static const char* const slave1[] = {
        "", "", "",
        "Address description slave address 1",
        "The slave 1 address is for plant status and compressed mapping of devices",
        "",
        "COILS (read only)",
        "Name;Modbus address;Read Desc",
    };
    write_lines(f, slave1, sizeof slave1 / sizeof slave1[0]);
    for (const Coil& c : kCoils)
        std::fprintf(f, "%s;%d;%s\n", c.name, c.reg, c.read);
    std::fprintf(f, "\nHOLDING REGISTERS\nName;Modbus address;Read Desc;Write Desc\n");
    for (const Holding& h : kHoldingsBeforeStatus)
        std::fprintf(f, "%s;%d;%s;%s\n", h.name, h.reg, h.read, h.write);
    char status[64];
    std::snprintf(status, sizeof status, "Cpu status (Shared with COIL %d-%d)", 320, 335);
    std::fprintf(f, "%s;%d;%s;%s\n", "CPU Status", 20, status, "-");
    for (const Holding& h : kCommands)
        std::fprintf(f, "%s;%d;%s;%s\n", h.name, h.reg, h.read, h.write);
}

void write_zones(FILE* f, ZpConf& conf)
{
    ZoneList& zones = conf.get_zone_list();
    const u32 limit = zones.get_zone_limit();
    for (u32 z = 0; z < limit && z < ZoneList::kZoneCount; ++z) {
        ZpZone& zone = zones[z];
        u32 count = 0;
        if (zone.lock_read() == 0) {
            count = zone.get_count();
            zone.unlock();
        }
        if (count == 0)
            continue;
        char name[33] = {};
        conf.get_zone_name(z, name);
        const std::string suffix = name[0] ? std::string(" (") + name + ")" : std::string();
        if (z == 0)
            std::fprintf(f, "Zone%u%s;%d;%s;%s\n", z, suffix.c_str(), kZoneRegister, kZone0Status, "-");
        else
            std::fprintf(f, "Zone%u%s;%d;%s;%s\n", z, suffix.c_str(), kZoneRegister + int(z), kZoneStatus,
                         kZoneCmd);
    }
}

// Address text and name suffix of a listed device.
void device_label(ZpConf& conf, const DeviceRef& ref, std::string* address, std::string* suffix)
{
    char text[ADDRESS_TEXT_SIZE];
    conf.make_address_text(ref, text);
    *address = text;
    char name[33] = {};
    conf.get_name(ref, name);
    *suffix = name[0] ? std::string(" (") + name + ")" : std::string();
}

} // namespace

int write_map(ZpConf& conf, const char* path)
{
    // Binary mode: the map has "\n" line ends on every platform.
    FILE* f = path ? std::fopen(path, "wb") : nullptr;
    if (!f) {
        log_error(kUnit, "write_map", __LINE__, "Can't open %s\n", path ? path : "");
        return ZP_ERR_GENERIC;
    }
    write_fixed_part(f);
    write_zones(f, conf);

    ZpModbus& modbus = conf.get_modbus();
    const bool locked = modbus.lock() == 0;
    std::string address;
    std::string suffix;
    const std::vector<DeviceRef>& devices = modbus.get_devices();
    for (size_t i = 0; i < devices.size(); ++i) {
        device_label(conf, devices[i], &address, &suffix);
        std::fprintf(f, "%s%s;%d;%s;%s\n", address.c_str(), suffix.c_str(), kDeviceRegister + int(i), kDeviceStatus,
                     kDeviceCmd);
    }
    const std::vector<DeviceRef>& sensors = modbus.get_sensors();
    for (size_t i = 0; i < sensors.size(); ++i) {
        device_label(conf, sensors[i], &address, &suffix);
        std::fprintf(f, "%s%s;%d;%s;%s\n", address.c_str(), suffix.c_str(), kSensorRegister + int(i), kAnalog,
                     kNotApplicable);
    }
    // Buffered writes fail late: a full disk may show only when the stream is flushed at close.
    const bool failed = std::ferror(f) != 0;
    const bool closeFailed = std::fclose(f) != 0;
    if (locked)
        modbus.unlock();
    return failed || closeFailed ? ZP_ERR_GENERIC : ZP_OK;
}
