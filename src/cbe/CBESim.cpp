// Control-by-event simulation driver: script reading, the main loop around the engine, the
// result file and the in-memory log.
#include "cbe/CBESim.h"

#include "cbe/CBEEngine.h"
#include "cbe/CBEEngineState.h"

#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kStructName = "ZP1600Struct";
constexpr double kStructVersion = 2.03;
constexpr u32 kLogSize = 4194304;
constexpr u32 kMinCommandMs = 500;
constexpr u32 kLLScanMs = 100;
constexpr u32 kMaxLine = 255;
constexpr u32 kLogMessage = 80;
// Console output of the log; switched off unless asked for.
constexpr int kConsoleChannel = 34;

enum LogLevel { LOG_ERROR = 0, LOG_WARNING = 1, LOG_PLAIN = 2 };

struct Module {
    PackedAddress address;
    u8 block;
    u16 slot;
};

struct Sim {
    std::unique_ptr<char[]> log;
    u32 logUsed = 0;
    u32 errors = 0;
    std::string logPath, errPath;
    FILE* result = nullptr;
    u32 start = 0;
    std::vector<Module> modules;
    size_t modulePos = 0;
    u8 printedModules[64][700];
    u8 printedGroups[1600];
    u32 maxCycle = 0, maxReverse = 0, maxModules = 0;
};

Sim* g_sim = nullptr;

long stamp()
{
    return long(CBE_TickMs() - g_sim->start);
}

void log_append(const char* text)
{
    Sim& s = *g_sim;
    g_logger().print_console(kConsoleChannel, text);
    const size_t room = kLogSize - 1 - s.logUsed;
    const size_t n = strnlen(text, room);
    memcpy(s.log.get() + s.logUsed, text, n);
    s.logUsed += u32(n);
    s.log[s.logUsed] = '\0';
}

__attribute__((format(printf, 2, 3))) void sim_log(int level, const char* fmt, ...)
{
    char text[kLogMessage];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    if (level == LOG_ERROR) {
        ++g_sim->errors;
        log_append("\nERROR: ");
    } else if (level == LOG_WARNING) {
        log_append("\nWARNING: ");
    }
    log_append(text);
}

// One line of the result file, also logged.
__attribute__((format(printf, 2, 3))) void out(int level, const char* fmt, ...)
{
    char text[512];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    if (g_sim->result) {
        fputs(level == LOG_ERROR ? "\nERROR: " : level == LOG_WARNING ? "\nWARNING: " : "", g_sim->result);
        fputs(text, g_sim->result);
    }
    sim_log(level, "%s", text);
}

void flush_log()
{
    Sim& s = *g_sim;
    remove(s.logPath.c_str());
    remove(s.errPath.c_str());
    const std::string& path = s.errors ? s.errPath : s.logPath;
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) {
        log_printf(1, "[FlushLog]Errore creazione file <%s>!\n", path.c_str());
        return;
    }
    if (fwrite(s.log.get(), 1, s.logUsed, f) != s.logUsed)
        log_printf(1, "[FlushLog]Errore scrittura file <%s>!\n", path.c_str());
    fclose(f);
}

void engine_notice(const char* text)
{
    out(LOG_PLAIN, "[%8.8ld]%s\n", stamp(), text);
}

void format_clock(char* dst, size_t size)
{
    struct tm t;
    CBE_GetSimClock(&t);
    snprintf(dst, size, "%02d.%02d.%04d %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900, t.tm_hour, t.tm_min,
             t.tm_sec);
}

// Days since 1970-01-01 of a Gregorian date.
time64 days_from_civil(int y, int m, int d)
{
    y -= m <= 2;
    const time64 era = (y >= 0 ? y : y - 399) / 400;
    const time64 yoe = y - era * 400;
    const time64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const time64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void set_clock(const struct tm& t)
{
    CBE_SetSimTime(days_from_civil(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday) * 86400 + t.tm_hour * 3600 + t.tm_min * 60
                   + t.tm_sec);
}

// Every used module of the bound device blocks, in block and slot order.
void collect_modules()
{
    Sim& s = *g_sim;
    s.modules.clear();
    s.modulePos = 0;
    for (u32 block = 0; block < 64; ++block) {
        u8 header[2];
        if (g_zpConf->get_data(70 + block, header, 2, 0) != 0 || header[0] >= 64 || header[1] >= 4)
            continue;
        for (u16 slot = 0; slot < 700; ++slot) {
            u8 rec[DeviceRec::kSize];
            if (g_zpConf->get_device_record(rec, block, slot) == 0 && DeviceRec::is_used(rec)
                && DeviceRec::is_module(rec))
                s.modules.push_back({DeviceRec::get_packed_address(rec, header[0], header[1]), u8(block), slot});
        }
    }
}

void print_outputs()
{
    Sim& s = *g_sim;
    const u8* area = CBE_WorkArea(CBE_SIDE_LL);
    for (const Module& m : s.modules) {
        const u8 v = get_dev_state(area + m.block * kCBEBoardRecordSize, m.slot);
        if (v == s.printedModules[m.block][m.slot])
            continue;
        s.printedModules[m.block][m.slot] = v;
        out(LOG_PLAIN, "[%8.8ld]C%uL%uM%u=%s\n", stamp(), m.address.get_cpu() + 1, m.address.get_line() + 1,
            m.address.get_address() + 1,
            v == 3  ? "ON"
                : v ? "FAULT"
                    : "OFF");
    }
    for (u32 g = 1; g <= 1600; ++g) {
        const u8 on = (CBE_GetGroupState(CBE_SIDE_LL, g) & 7) ? 1 : 0;
        if (on == s.printedGroups[g - 1])
            continue;
        s.printedGroups[g - 1] = on;
        out(LOG_PLAIN, "[%8.8ld]G%u=%s\n", stamp(), g, on ? "ON" : "OFF");
    }
}

// The loop-line boards of the simulated CPU and their device records.
void dump_boards()
{
    const u32 cpu = cbe_engine::state().simCpu;
    u32 linesPerBoard = 2;
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        if (zpx.layout())
            linesPerBoard = zpx->get_lines_per_ll();
    }
    for (u32 board = 0; board < 4; ++board) {
        u8 block;
        {
            BlockLock<ZpData::IF_DeviceStatusProg> status(*g_zpConf, 0, 199, 199);
            block = status.layout() ? status->get_block_index(cpu, board) : 255;
        }
        if (block >= 64) {
            sim_log(LOG_PLAIN, "llIdx[%u][%u] -> LIB%u non configurata\n", cpu, board, board + 1);
            continue;
        }
        sim_log(LOG_PLAIN, "LIB%u configurata (llIdx[%u][%u]):\n", board + 1, cpu, board);
        for (u16 slot = 0; slot < 700; ++slot) {
            u8 rec[DeviceRec::kSize];
            if (g_zpConf->get_device_record(rec, block, slot) != 0 || !DeviceRec::is_used(rec))
                continue;
            const PackedAddress a = DeviceRec::get_packed_address(rec, u8(cpu), u8(board));
            const char kind = DeviceRec::is_module(rec) ? 'M' : 'S';
            if (get_type_class(DeviceRec::get_type(rec)) == TYPE_CLASS_NONE) {
                sim_log(LOG_PLAIN, "ramIdx=%u: C%uL%u%c%u errore tipo\n", slot, cpu + 1, a.get_line() + 1, kind,
                        a.get_address() + 1);
                continue;
            }
            if (DeviceRec::get_line_bit(rec) >= linesPerBoard) {
                sim_log(LOG_PLAIN, "ramIdx=%u: C%uL%u%c%u errore linea\n", slot, cpu + 1, a.get_line() + 1, kind,
                        a.get_address() + 1);
                continue;
            }
            const DeviceLocation where = cbe_engine::locate(a);
            if (!where.found() || where.block != block || where.slot != slot) {
                sim_log(LOG_PLAIN, "ramIdx=%u: C%uL%u%c%u.%u mancante\n", slot, cpu + 1, a.get_line() + 1, kind,
                        a.get_address() + 1, a.get_sub() + 1);
                continue;
            }
            if (DeviceRec::is_module(rec))
                sim_log(LOG_PLAIN, "ramIdx=%u: C%uL%uM%u sub=%u\n", slot, cpu + 1, a.get_line() + 1,
                        a.get_address() + 1, a.get_sub() + 1);
            else
                sim_log(LOG_PLAIN, "ramIdx=%u: C%uL%uS%u\n", slot, cpu + 1, a.get_line() + 1, a.get_address() + 1);
        }
    }
}

// Digits at *p, at most 5; -1 when none.
long read_number(const char*& p)
{
    long v = 0;
    int n = 0;
    while (*p >= '0' && *p <= '9' && n < 5) {
        v = v * 10 + (*p++ - '0');
        ++n;
    }
    return n ? v : -1;
}

// C<c>L<l>S<s> or C<c>L<l>M<m>; false when the key has another form.
bool parse_device(const char* key, long& c, long& l, char& kind, long& a)
{
    const char* p = key;
    if (*p++ != 'C' || (c = read_number(p)) < 0 || *p++ != 'L' || (l = read_number(p)) < 0)
        return false;
    kind = *p++;
    if ((kind != 'S' && kind != 'M') || (a = read_number(p)) < 0)
        return false;
    return *p == '\0';
}

enum Command { CMD_SYNTAX, CMD_TIME, CMD_DATE, CMD_DELAY, CMD_COMMENT, CMD_RESET, CMD_TIMESTAMP, CMD_DEVICE };

// A line taken apart; nothing of it has run yet.
struct Parsed {
    Command command = CMD_SYNTAX;
    const char* value = nullptr;
    struct tm clock = {};
    u32 wait = kMinCommandMs;
    long cpu = 0, loop = 0, address = 0;
    char kind = 'S';
    int state = -1; // 0..3 as the device's 2-bit state
};

bool parse_device_value(Parsed& p, const char* key, const char* text)
{
    if (!parse_device(key, p.cpu, p.loop, p.kind, p.address))
        return false;
    static const char* const kSensorValues[] = {"NORM", "FAULT", "PRE", "ALARM"};
    static const char* const kModuleValues[] = {"OFF", "FAULT", "", "ON"};
    for (int v = 0; v < 4; ++v)
        if (*text && strcmp(text, p.kind == 'M' ? kModuleValues[v] : kSensorValues[v]) == 0)
            p.state = v;
    return p.state >= 0;
}

// Splits key=value at the first "=" and checks the value; the line is left as it was.
Parsed parse(char* line)
{
    Parsed p;
    char* eq = strchr(line, '=');
    if (!eq)
        return p;
    *eq = '\0';
    const char* key = line;
    const char* value = eq + 1;
    p.value = value;
    CBE_GetSimClock(&p.clock);
    char extra;
    Command command = CMD_SYNTAX;
    if (strcmp(key, "time") == 0) {
        int h, m, sec = 0;
        const int n = sscanf(value, "%d:%d:%d%c", &h, &m, &sec, &extra);
        if ((n == 2 || n == 3) && h >= 0 && h < 24 && m >= 0 && m < 60 && sec >= 0 && sec < 60) {
            p.clock.tm_hour = h, p.clock.tm_min = m, p.clock.tm_sec = sec;
            command = CMD_TIME;
        }
    } else if (strcmp(key, "date") == 0) {
        int d, m, y;
        if (sscanf(value, "%d.%d.%d%c", &d, &m, &y, &extra) == 3 && m >= 1 && m <= 12 && y >= 0 && y < 10000) {
            if (y < 100)
                y += 2000;
            static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            if (d >= 1 && d <= kDays[m - 1] + (m == 2 && os_IsLeapYear(u16(y)) ? 1 : 0)) {
                p.clock.tm_mday = d, p.clock.tm_mon = m - 1, p.clock.tm_year = y - 1900;
                command = CMD_DATE;
            }
        }
    } else if (strcmp(key, "delay") == 0) {
        char* end = nullptr;
        const double seconds = strtod(value, &end);
        if (end != value && *end == '\0' && seconds >= 0 && seconds <= 86400) {
            p.wait = seconds < 0.5 ? kMinCommandMs : u32(seconds * 1000 + 0.5);
            command = CMD_DELAY;
        }
    } else if (strcmp(key, "comment") == 0) {
        command = CMD_COMMENT;
    } else if (strcmp(key, "cmd") == 0) {
        command = strcmp(value, "RESET") == 0 ? CMD_RESET
            : strcmp(value, "TIMESTAMP") == 0 ? CMD_TIMESTAMP
                                              : CMD_SYNTAX;
    } else if (parse_device_value(p, key, value)) {
        command = CMD_DEVICE;
    }
    *eq = '=';
    p.command = command;
    return p;
}

void device_command(const Parsed& p)
{
    const bool module = p.kind == 'M';
    PackedAddress address = PackedAddress::none();
    if (p.cpu >= 1 && p.cpu <= 64 && p.loop >= 1 && p.loop <= 8 && p.address >= 1 && p.address <= 159)
        address = g_zpConf->get_packed_address(u32(p.cpu - 1), u32(p.loop - 1), module, u32(p.address - 1),
                                               module ? DeviceRec::kAnySub : 0);
    u8 rec[DeviceRec::kSize];
    if (address.is_none() || unpack_device_address(address, rec) != 0) {
        out(LOG_ERROR, "<C%ldL%ld%c%ld> non configurato\n", p.cpu, p.loop, p.kind, p.address);
        return;
    }
    CBE_SelectArea(CBE_SIDE_LL);
    CBE_WriteDevState(address, u8(p.state));
    const u32 type = DeviceRec::get_type(rec);
    if (!module) {
        static const u8 kCodes[4] = {0, 14, 13, 0};
        const u8 code = p.state == 3 ? CBE_AlarmCodeOfCategory(get_type_category(type)) : kCodes[p.state];
        CBE_AlarmDevCBEAnalisys(address, rec + 11, code);
    } else if (get_type_class(type) == TYPE_CLASS_INPUT) {
        static const u8 kCodes[4] = {3, 2, 0, 1};
        CBE_AlarmDevCBEAnalisys(address, rec + 11, kCodes[p.state]);
    }
}

// Runs an accepted line.
void execute(const Parsed& p)
{
    char text[64];
    switch (p.command) {
    case CMD_TIME:
    case CMD_DATE:
        set_clock(p.clock);
        out(LOG_PLAIN, p.command == CMD_TIME ? "[%8.8ld]set time=%s\n" : "[%8.8ld]set date=%s\n", stamp(), p.value);
        break;
    case CMD_DELAY: out(LOG_PLAIN, "[%8.8ld]delay=%1.1fs\n", stamp(), p.wait / 1000.0); break;
    case CMD_COMMENT: out(LOG_PLAIN, "# %s\n", p.value); break;
    case CMD_TIMESTAMP:
        format_clock(text, sizeof text);
        out(LOG_PLAIN, "[%8.8ld]time stamp=%s\n", stamp(), text);
        break;
    case CMD_DEVICE: device_command(p); break;
    default: break;
    }
}

// Reads the next line to run; false at the end of the script. An over-long line is read whole
// and reported as too long.
bool next_line(FILE* script, char* line, bool* tooLong)
{
    char buffer[kMaxLine + 3];
    if (!fgets(buffer, sizeof buffer, script))
        return false;
    size_t n = strlen(buffer);
    const bool ended = n > 0 && buffer[n - 1] == '\n';
    *tooLong = false;
    if (!ended && !feof(script)) {
        *tooLong = true;
        int ch;
        while ((ch = fgetc(script)) != EOF && ch != '\n') {}
    }
    while (n > 0 && (buffer[n - 1] == '\n' || buffer[n - 1] == '\r'))
        buffer[--n] = '\0';
    if (n > kMaxLine) {
        *tooLong = true;
        buffer[kMaxLine] = '\0';
    }
    memcpy(line, buffer, kMaxLine + 1);
    line[kMaxLine] = '\0';
    return true;
}

// One pass of the engine between commands.
void pass(u32& lastScan, u32& lastReverse)
{
    Sim& s = *g_sim;
    const u32 begin = CBE_TickMs();
    if (!s.modules.empty()) {
        const u32 t0 = CBE_TickMs();
        ScanCBEMod(s.modules[s.modulePos].address);
        s.modulePos = (s.modulePos + 1) % s.modules.size();
        const u32 took = CBE_TickMs() - t0;
        s.maxModules = took > s.maxModules ? took : s.maxModules;
    }
    const u32 now = CBE_TickMs();
    if (now - lastScan >= kLLScanMs) {
        lastScan = now;
        CBE_SensScan();
        CBE_TestOutputHold();
    }
    CBE_CBEEventRxHnd();
    CBE_GroupCBEHandler();
    const u32 elapsed = now - lastReverse;
    if (elapsed >= 1) {
        lastReverse = now;
        const u32 steps = elapsed > 400 ? 1600 : elapsed * 4;
        const u32 t0 = CBE_TickMs();
        for (u32 i = 0; i < steps; ++i)
            CBE_ReverseScan();
        const u32 took = CBE_TickMs() - t0;
        s.maxReverse = took > s.maxReverse ? took : s.maxReverse;
    }
    CBE_MainCycle();
    CBEEvent e;
    if (CBE_ReadCBEEventToLIB(&e, true)) {
        CBE_SelectArea(CBE_SIDE_LL);
        do {
            if (e.b[0] == CBE_EV_GROUP)
                CBE_WriteCBEStatusTable(&e, 1);
        } while (CBE_ReadCBEEventToLIB(&e, false));
        CBE_ClearCBEEventToLIB();
    }
    const u32 took = CBE_TickMs() - begin;
    s.maxCycle = took > s.maxCycle ? took : s.maxCycle;
}

void run(FILE* script)
{
    Sim& s = *g_sim;
    u32 wait = kMinCommandMs;
    u32 last = CBE_TickMs(), lastScan = last, lastReverse = last;
    char line[kMaxLine + 1];
    u32 number = 0;
    for (;;) {
        if (CBE_TickMs() - last <= wait) {
            pass(lastScan, lastReverse);
            continue;
        }
        bool tooLong = false, skipped = true;
        while (skipped) {
            if (!next_line(script, line, &tooLong))
                return;
            ++number;
            skipped = !tooLong && (strlen(line) < 4 || line[0] == '#');
        }
        Parsed p;
        if (!tooLong)
            p = parse(line);
        wait = p.wait;
        const Command command = p.command;
        if (command != CMD_SYNTAX) {
            out(LOG_PLAIN, "[%8.8ld]exec<%s>\n", stamp(), line);
            execute(p);
        } else {
            sim_log(LOG_PLAIN, "Errore sintassi linea %u: \"%s\"\n", number, line);
            ++s.errors;
            if (s.result)
                fprintf(s.result, "\nERROR: Errore sintassi linea %u: \"%s\"\n", number, line);
        }
        if (command == CMD_RESET) {
            CBE_CPUInitCBE();
            CBE_LLInitCBE();
            lastScan = lastReverse = CBE_TickMs();
            s.modulePos = 0;
        }
        print_outputs();
        last = CBE_TickMs();
    }
}

} // namespace

int CBE_Simulate(const char* scriptPath, const char* resultPath)
{
    std::unique_ptr<Sim> sim(new Sim());
    g_sim = sim.get();
    Sim& s = *sim;
    s.log.reset(new char[kLogSize]);
    s.log[0] = '\0';
    memset(s.printedModules, 0, sizeof s.printedModules);
    memset(s.printedGroups, 0, sizeof s.printedGroups);
    s.logPath = std::string(resultPath) + ".log";
    s.errPath = std::string(resultPath) + ".err";
    s.start = CBE_TickMs();
    char text[128];
    snprintf(text, sizeof text, "<%s V%1.2f (ZpData V0x%4.4X)>\n\n", kStructName, kStructVersion,
             unsigned(g_zpDataVersion));
    log_append(text);

    s.result = fopen(resultPath, "w");
    if (!s.result) {
        sim_log(LOG_ERROR, "Errore creazione file <%s>!\n", resultPath);
        flush_log();
        g_sim = nullptr;
        return 1;
    }
    FILE* script = fopen(scriptPath, "r");
    if (!script) {
        sim_log(LOG_ERROR, "Errore apertura file <%s>!\n", scriptPath);
        fclose(s.result);
        s.result = nullptr;
        flush_log();
        g_sim = nullptr;
        return 1;
    }

    const time_t machine = time_t(CBE_Calendar());
    struct tm calendar;
    char when[64] = "";
    if (gmtime_r(&machine, &calendar))
        strftime(when, sizeof when, "%d.%m.%Y %H:%M:%S", &calendar);
    out(LOG_PLAIN, "%s\n", when);
    out(LOG_PLAIN, "%s V%1.2f (ZpData V0x%4.4X)\n", kStructName, kStructVersion, unsigned(g_zpDataVersion));
    out(LOG_PLAIN, "Simulazione CBE: file <%s>\n", scriptPath);
    out(LOG_PLAIN, "########## inizio simulazione #########\n");
    out(LOG_PLAIN, "# simulazione CPU%u\n", cbe_engine::state().simCpu + 1);
    out(LOG_PLAIN, "# simulazione LL%u\n", cbe_engine::state().simBoard + 1);
    out(LOG_PLAIN, "# tempo minimo tra comandi = %ums\n", kMinCommandMs);
    out(LOG_PLAIN, "# tempo tra scansioni CBE inverse su LL = %ums\n", kLLScanMs);

    CBE_SetNoticeSink(engine_notice);
    CBE_CPUInitCBE();
    CBE_LLInitCBE();
    dump_boards();
    collect_modules();
    format_clock(text, sizeof text);
    out(LOG_PLAIN, "[%8.8ld]BEGIN simulation, time= %s\n", stamp(), text);

    run(script);
    fclose(script);

    format_clock(text, sizeof text);
    out(LOG_PLAIN, "[%8.8ld]END simulation, time=%s\n", stamp(), text);
    out(LOG_PLAIN, "# ciclo max di simulazione = %ums\n", s.maxCycle);
    out(LOG_PLAIN, "# ciclo max di scansione gruppi inversi = %ums\n", s.maxReverse);
    out(LOG_PLAIN, "# ciclo max di scansione formule inverse = %ums\n", s.maxModules);
    if (s.maxCycle > kMinCommandMs)
        out(LOG_WARNING, "Simulazione piu' lenta del tempo tra comandi (%ums)!\n", s.maxCycle);
    out(LOG_PLAIN, "######## simulazione completata #######\n");
    CBE_LogStatistics();
    CBE_SetNoticeSink(nullptr);
    fclose(s.result);
    s.result = nullptr;
    flush_log();
    g_sim = nullptr;
    return 0;
}
