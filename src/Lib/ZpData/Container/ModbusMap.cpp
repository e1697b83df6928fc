#include "ZpData/Container/ModbusMap.h"

#include "OS/SaveFile.h"
#include "OS/TraceLog.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Container/ZpModbus.h"
#include "ZpData/Container/ZpZone.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/NameField.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpModbus";

constexpr std::string_view kDeviceStatus =
    "Status (0=Normal 1=NotProgrammed 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm)";
constexpr std::string_view kDeviceCmd = "Cmd (0=DoNothing 1=Exclude 2=Include 3=ActivateOut 4=DeactivateOut)";
constexpr std::string_view kZone0Status = "Status (0=Normal 1=Empty 4=Active 5=Fault 6=PreAlarm)";
constexpr std::string_view kZoneStatus = "Status (0=Normal 1=Empty 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm)";
constexpr std::string_view kZoneCmd = "Cmd (0=DoNothing 1=Exclude 2=Include)";
constexpr std::string_view kAnalog = "Analog value";
constexpr std::string_view kNotApplicable = "'-";

constexpr u32 kZoneRegister = 100;
constexpr u32 kDeviceRegister = 15000;
constexpr u32 kSensorRegister = 3000;

struct Example {
    u32 reg;
    const char* coord;
    bool analog;
};

const Example kExamples[] = {
    {5011, "L1M1.1", false},   {5012, "L1M1.2", false},    {5020, "L1M1.10", false}, {5021, "L1M2.1", false},
    {6611, "L1M159.1", false}, {6620, "L1M159.10", false}, {7001, "L1S1", false},    {7159, "L1S159", false},
    {8001, "L1S1", true},      {8159, "L1S159", true},     {10011, "L2M1.1", false}, {15011, "L3M1.1", false},
    {20011, "L4M1.1", false},  {25011, "L5M1.1", false},   {30011, "L6M1.1", false}, {35011, "L7M1.1", false},
    {40011, "L8M1.1", false},  {43159, "L8S159", true},
};

struct Coil {
    const char* name;
    u32 reg;
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
    u32 reg;
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

// The map is built in a buffer of its own and goes to the file in pieces of kFlushSize: a full
// configuration's nine megabytes make a few large writes, which the file system stores in large
// pieces. Every row starts with at least kRowRoom bytes of room, so its fields are appended
// without a check.
class MapWriter {
public:
    static constexpr size_t kFlushSize = size_t(1) << 21;
    // Far more than the longest row: an address text, a name, a number and the longest texts.
    static constexpr size_t kRowRoom = 4096;

    explicit MapWriter(SaveFile& file)
        : m_file(file)
        , m_buffer(new char[kFlushSize + kRowRoom])
        , m_at(m_buffer.get())
    {
    }

    MapWriter& operator<<(std::string_view text)
    {
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
        return *this;
    }
    MapWriter& operator<<(char c)
    {
        *m_at++ = c;
        return *this;
    }
    MapWriter& operator<<(u32 value)
    {
        m_at = std::to_chars(m_at, m_at + 10, value).ptr;
        return *this;
    }
    // Where the next field goes, for a writer that fills it in place; advance() takes it in.
    char* cursor() const { return m_at; }
    void advance(size_t size) { m_at += size; }
    // Ends a row; a full buffer goes to the file.
    void end_row()
    {
        *m_at++ = '\n';
        if (size_t(m_at - m_buffer.get()) >= kFlushSize)
            flush();
    }
    // false once a write fell short; the file keeps the reason.
    bool flush()
    {
        const size_t size = size_t(m_at - m_buffer.get());
        if (size != 0 && m_written)
            m_written = m_file.write(m_buffer.get(), size);
        m_at = m_buffer.get();
        return m_written;
    }

private:
    SaveFile& m_file;
    std::unique_ptr<char[]> m_buffer;
    char* m_at;
    bool m_written = true;
};

void write_lines(MapWriter& out, const char* const* lines, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        out << lines[i];
        out.end_row();
    }
}

void write_fixed_part(MapWriter& out)
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
    write_lines(out, direct, sizeof direct / sizeof direct[0]);
    for (const Example& e : kExamples) {
        out << e.reg << ';' << e.coord << ';';
        if (e.analog)
            out << kAnalog << ';' << kNotApplicable;
        else
            out << kDeviceStatus << ';' << kDeviceCmd;
        out.end_row();
    }
    static const char* const slave1[] = {
        "",
        "",
        "",
        "Address description slave address 1",
        "The slave 1 address is for plant status and compressed mapping of devices",
        "",
        "COILS (read only)",
        "Name;Modbus address;Read Desc",
    };
    write_lines(out, slave1, sizeof slave1 / sizeof slave1[0]);
    for (const Coil& c : kCoils) {
        out << c.name << ';' << c.reg << ';' << c.read;
        out.end_row();
    }
    static const char* const holdings[] = {"", "HOLDING REGISTERS", "Name;Modbus address;Read Desc;Write Desc"};
    write_lines(out, holdings, sizeof holdings / sizeof holdings[0]);
    for (const Holding& h : kHoldingsBeforeStatus) {
        out << h.name << ';' << h.reg << ';' << h.read << ';' << h.write;
        out.end_row();
    }
    out << "CPU Status;" << 20u << ";Cpu status (Shared with COIL " << 320u << '-' << 335u << ");-";
    out.end_row();
    for (const Holding& h : kCommands) {
        out << h.name << ';' << h.reg << ';' << h.read << ';' << h.write;
        out.end_row();
    }
}

// " (name)" after a label, nothing for an empty name.
void write_name_suffix(MapWriter& out, const char* name)
{
    if (name[0])
        out << " (" << name << ')';
}

void write_zones(MapWriter& out, ZpConf& conf)
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
        char name[ZpData::kNameBufferSize] = {};
        conf.get_zone_name(z, name);
        out << "Zone" << z;
        write_name_suffix(out, name);
        if (z == 0)
            out << ';' << kZoneRegister << ';' << kZone0Status << ";-";
        else
            out << ';' << kZoneRegister + z << ';' << kZoneStatus << ';' << kZoneCmd;
        out.end_row();
    }
}

// Labels of listed devices: the address text with the class of the programmed slot and the
// slot's name, as ZpConf::make_address_text and ZpConf::get_name(ref) give them. The lists run
// in block order, so the locks of one device block and its name block serve a run of rows. The
// sensors' list repeats the sensors of the devices' list in their order: their labels are kept
// from the first list and copied into the second.
class DeviceLabels {
public:
    DeviceLabels(ZpConf& conf, size_t sensors)
        : m_conf(conf)
    {
        m_kept.reserve(sensors);
    }

    // ref's label, kept when ref is a sensor.
    void write(MapWriter& out, const DeviceRef& ref)
    {
        const char* const begin = out.cursor();
        build(out, ref);
        if (!ref.is_module()) {
            m_keptText.append(begin, size_t(out.cursor() - begin));
            m_kept.push_back({ref, m_keptText.size()});
        }
    }
    // The next kept label when it is ref's, else ref's built afresh.
    void write_again(MapWriter& out, const DeviceRef& ref)
    {
        if (m_next < m_kept.size() && std::memcmp(m_kept[m_next].ref.raw, ref.raw, DeviceRef::DATA_SIZE) == 0) {
            const size_t begin = m_next == 0 ? 0 : m_kept[m_next - 1].end;
            out << std::string_view(m_keptText).substr(begin, m_kept[m_next].end - begin);
            ++m_next;
        } else {
            build(out, ref);
        }
    }

private:
    static constexpr u32 kBlockCount = 64;
    static constexpr u32 kSlotCount = 700;

    struct Kept {
        DeviceRef ref;
        size_t end; // of its label in m_keptText
    };

    // The address text, then " (name)" when the slot has a name.
    void build(MapWriter& out, const DeviceRef& ref)
    {
        const bool reaches = ref.get_block() < kBlockCount && ref.get_slot() < kSlotCount;
        if (reaches && ref.get_block() != m_block) {
            m_devices.reset();
            m_names.reset();
            m_block = ref.get_block();
        }
        u32 deviceClass = ref.get_device_class();
        if (reaches && ref.get_address() < 159 && ref.get_type() != 0) {
            if (!m_devices)
                m_devices.emplace(m_conf, m_block, 70, 133);
            const int slotClass = m_devices->layout() ? m_devices->layout()->get_device_class(ref.get_slot()) : -1;
            if (slotClass >= 0)
                deviceClass = u32(slotClass);
        }
        out.advance(make_address_text(ref, deviceClass, out.cursor()));
        if (!reaches)
            return;
        if (!m_names)
            m_names.emplace(m_conf, m_block, 134, 197);
        if (!m_names->layout())
            return;
        // The name is read straight into the row, behind the " (" it needs when it is not empty.
        char* const suffix = out.cursor();
        suffix[0] = ' ';
        suffix[1] = '(';
        char* const name = suffix + 2;
        m_names->layout()->get_name(ref.get_slot(), name);
        // Counted a byte at a time: a wide read of bytes just stored waits for the stores.
        size_t length = 0;
        while (length < ZpData::kNameLength && name[length])
            ++length;
        if (length != 0) {
            suffix[length + 2] = ')';
            out.advance(length + 3);
        }
    }

    ZpConf& m_conf;
    u32 m_block = kBlockCount;
    std::optional<BlockLock<ZpData::IF_DeviceProg>> m_devices;
    std::optional<BlockLock<ZpData::IF_NameProg>> m_names;
    std::string m_keptText;
    std::vector<Kept> m_kept;
    size_t m_next = 0;
};

// What follows the label in each row of a list: ";", the row's register, ";", the read and the
// write description. The register is counted up in place from row to row, since formatting each
// number afresh would cost more than the rest of its row.
class RowTail {
public:
    RowTail(u32 firstRegister, std::string_view read, std::string_view write)
        : m_text(";" + std::to_string(firstRegister))
        , m_last(m_text.size() - 1)
    {
        m_text.append(";").append(read).append(";").append(write);
    }

    std::string_view text() const { return m_text; }
    void next()
    {
        size_t at = m_last;
        while (m_text[at] == '9')
            m_text[at--] = '0';
        // The ";" before the register: the number takes one more digit.
        if (m_text[at] == ';') {
            m_text.insert(at + 1, 1, '1');
            ++m_last;
        } else {
            ++m_text[at];
        }
    }

private:
    std::string m_text;
    size_t m_last; // the register's last digit
};

// The rows of one list, each label written by label(ref).
template <typename Label>
void write_devices(MapWriter& out, const std::vector<DeviceRef>& devices, u32 firstRegister, std::string_view read,
                   std::string_view write, Label label)
{
    RowTail tail(firstRegister, read, write);
    for (const DeviceRef& ref : devices) {
        label(ref);
        out << tail.text();
        out.end_row();
        tail.next();
    }
}

} // namespace

int write_map(ZpConf& conf, SaveFile& out)
{
    if (!out.open()) {
        log_error(kUnit, "write_map", __LINE__, "Can't open %s\n", out.target().c_str());
        return ZP_ERR_GENERIC;
    }
    MapWriter writer(out);
    write_fixed_part(writer);
    write_zones(writer, conf);

    ZpModbus& modbus = conf.get_modbus();
    const bool locked = modbus.lock() == 0;
    {
        DeviceLabels labels(conf, modbus.get_sensors().size());
        write_devices(writer, modbus.get_devices(), kDeviceRegister, kDeviceStatus, kDeviceCmd,
                      [&](const DeviceRef& ref) { labels.write(writer, ref); });
        write_devices(writer, modbus.get_sensors(), kSensorRegister, kAnalog, kNotApplicable,
                      [&](const DeviceRef& ref) { labels.write_again(writer, ref); });
    }
    if (locked)
        modbus.unlock();
    return writer.flush() ? ZP_OK : ZP_ERR_GENERIC;
}

int write_map(ZpConf& conf, const char* path, int* error)
{
    // The map goes in place whole: a failed write leaves the earlier one.
    SaveFile file(path);
    const int result = write_map(conf, file) == ZP_OK ? file.commit() : ZP_ERR_GENERIC;
    if (error)
        *error = result == ZP_OK ? 0 : file.error();
    return result;
}

int write_compile_files(ZpConf& conf, const char* imagePath, const char* mapPath, CompileFailure* failure)
{
    // Two writers of one folder take turns from the check of the targets through the last
    // rename, so the folder holds one writer's pair; a killed writer's turn ends with it.
    const std::string imageFolder = folder_of(imagePath ? imagePath : "");
    const FolderLock turn(imageFolder, mapPath ? folder_of(mapPath) : imageFolder);
    SaveFile image(imagePath);
    SaveFile map(mapPath);
    SaveFile* failed = nullptr;
    const char* replaced = "";
    // Every target is checked before anything is written, and both files are whole on the disk
    // under their marked names before either is renamed: nothing but the two renames lies
    // between the first move and the last, and only a failed rename of the map can part them.
    if (!image.open())
        failed = &image;
    else if (mapPath && (write_map(conf, map) != ZP_OK || !map.finish()))
        failed = &map;
    else if (conf.get_io().write_image_v3(image, nullptr) != ZP_OK || !image.finish())
        failed = &image;
    else if (mapPath && !map.stage())
        failed = &map;
    else if (!image.stage() || image.commit() != ZP_OK)
        failed = &image;
    else if (mapPath && map.commit() != ZP_OK) {
        failed = &map;
        replaced = imagePath;
    }
    if (!failed)
        return ZP_OK;
    if (failure) {
        failure->path = failed == &image ? imagePath : mapPath;
        failure->error = failed->error();
        failure->replaced = replaced;
    }
    return ZP_ERR_GENERIC;
}
