#pragma once
// Operating-system layer of the panel-data library. The same library runs in the panel and on
// the PC; on the PC a compile fills the panel configuration on a worker thread while the window
// reads it, so the locks are real.
#include "OS/types.h"

#include <cstddef>
#include <cstdio>
#include <ctime>

// ---------------------------------------------------------------------------------------------
// Fatal errors

// Reports msg (see os_SetFatalReporter) and aborts the process.
[[noreturn]] void os_Fatal(const char* msg);
// Formats into a 64-byte buffer (longer text is cut) and calls os_Fatal.
[[noreturn]] void os_FatalPrintf(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// The trace log, which is built on this layer, installs the report os_Fatal makes before it
// aborts; without one the message goes to stderr.
typedef void (*os_FatalReporter)(const char* msg);
void os_SetFatalReporter(os_FatalReporter reporter);

// ---------------------------------------------------------------------------------------------
// Time. A tick is milliseconds of the wall clock in 32 bits; it wraps, so ticks are only ever
// compared through unsigned differences.

// The current tick, also stored in out when given.
u32 os_GetTick(u32* out = nullptr);
u32 os_GetTickMs();
// True when more than ms milliseconds have passed since start.
bool os_TickElapsed(u32 start, u32 ms);
u32 os_TickSince(u32 start);
u32 os_TickDiff(u32 a, u32 b);
void os_TickAdd(u32* t, u32 n);
void os_TickSub(u32* t, u32 n);
// Microseconds of the wall clock in 32 bits.
u32 os_GetTickUs();
// Busy wait until more than ms milliseconds have passed.
void os_Delay(u32 ms);
// Does nothing on the PC: retry loops that call it spin.
void os_Sleep(u32 ms);

// ---------------------------------------------------------------------------------------------
// Dates

// Seconds from the start of b's day to the start of a's day (local time, daylight flag ignored).
time64 os_DiffDays(const struct tm& a, const struct tm& b);
// Seconds from b's time of day to a's time of day; the dates are ignored.
time64 os_DiffTimeOfDay(const struct tm& a, const struct tm& b);
bool os_IsLeapYear(u16 year);
// 0 = Sunday ... 6 = Saturday (as tm_wday) for a Gregorian date; -1 for a month outside 1..12,
// a day outside 1..31 or year 0.
int os_DayOfWeek(int day, int month, int year);
// UTC broken-down time of *t copied into out; null when the conversion fails.
struct tm* os_gmtime(const time64* t, struct tm* out);

// ---------------------------------------------------------------------------------------------
// Strings and files

// size 0 leaves dst untouched; otherwise dst gets at most size - 1 characters of src and a NUL.
void os_strlcpy(char* dst, size_t size, const char* src);
// Appends at most size - 1 - strlen(dst) characters when strlen(dst) + 1 < size; a dst with no
// NUL within size bytes is left alone.
void os_strlcat(char* dst, size_t size, const char* src);
bool os_FileExists(const char* path);
// Length of an open file; its position is left where it was. -1 for null or an unseekable file.
s64 os_FileSize(FILE* file);

const char* os_TaskName();
const char* os_TaskName(u32 taskId);
const char* os_DbgId();

// Host to little-endian and back; identities on a little-endian host.
u32 os_HostToLe32(u32 v);
u32 os_Le32ToHost(u32 v);

void os_Init();

// ---------------------------------------------------------------------------------------------
// Locks. A lock call returns 0 when the lock was taken; on any other result (1001 null handle,
// 1009 read lock or 1010 write lock or mutex not taken within the timeout) the caller neither
// uses nor releases it. Timeout 0 tries once. A thread may take a lock it holds again, in
// either mode, and may take the write lock while it holds the only read holds; each hold is
// given back by one unlock, latest first. An unlock by a thread that holds nothing gives 1000.
// Handle 0 is no lock. A thread waiting for the write lock holds new readers back; a thread
// that already holds a read still gets another. A thread that holds a read and asks for the
// write lock while another reader waits for it is refused at once with 1010, whatever its
// timeout: each would wait for the other's read. It may give its reads back and try again.

typedef intptr_t os_Lock;
constexpr u32 OS_WAIT_FOREVER = 0xFFFFFFFFu;

os_Lock os_LockCreate();
void os_LockDelete(os_Lock lock);
int os_MutexLock(os_Lock lock, u32 timeoutMs);
int os_MutexUnlock(os_Lock lock);
os_Lock os_RWLockCreate();
void os_RWLockDelete(os_Lock lock);
int os_RWLockRead(os_Lock lock, u32 timeoutMs);
int os_RWLockWrite(os_Lock lock, u32 timeoutMs);
int os_RWLockUnlock(os_Lock lock);
void os_EnterCritical();
void os_ExitCritical();

// Holds a mutex, read or write lock for its lifetime, released with the matching unlock.
class LockGuard {
public:
    struct ReadTag {};
    struct WriteTag {};
    static constexpr ReadTag read{};
    static constexpr WriteTag write{};

    explicit LockGuard(os_Lock* lock, u32 timeoutMs = OS_WAIT_FOREVER);
    LockGuard(os_Lock* lock, ReadTag, u32 timeoutMs = OS_WAIT_FOREVER);
    LockGuard(os_Lock* lock, WriteTag, u32 timeoutMs = OS_WAIT_FOREVER);
    ~LockGuard();
    LockGuard(const LockGuard&) = delete;
    LockGuard& operator=(const LockGuard&) = delete;

    bool is_held() const { return m_held; }
    // Unlocks when held; a second call does nothing.
    void release();

private:
    os_Lock* m_lock;
    int m_kind; // 0 mutex, 1 read/write lock
    bool m_held;
};

// ---------------------------------------------------------------------------------------------
// Formatted output to a file under the file's own lock.

class FileWriter {
public:
    FileWriter();
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // fopen(path, mode); 0, or ZP_ERR_GENERIC when the file cannot be opened. An open file is
    // closed first.
    int open(const char* path, const char* mode);
    // 0, or ZP_ERR_GENERIC when closing fails; nothing open gives 0.
    int close();
    bool is_open() const { return m_file != nullptr; }
    // Result of vfprintf; -1 when no file is open.
    int printf(const char* fmt, ...) __attribute__((format(printf, 2, 3)));

private:
    FILE* m_file;
    os_Lock m_lock;
};

// ---------------------------------------------------------------------------------------------
// FIFO of fixed-size elements.

struct os_Fifo {
    u8* buffer;
    u32 elementSize;
    u32 count;
    u32 writeIndex;
    u32 readIndex;
    bool full;
    os_Lock stateLock;
    os_Lock readersLock;
    os_Lock writersLock;
};

// Null when count or size is 0.
os_Fifo* os_FifoCreate(u32 count, u32 size);
void os_FifoDelete(os_Fifo* fifo);
u32 os_FifoCount(const os_Fifo* fifo);
bool os_FifoIsFull(const os_Fifo* fifo);
bool os_FifoIsEmpty(const os_Fifo* fifo);
// Timeout 0 does not wait, OS_WAIT_FOREVER waits without limit. 0, 1001 null, 1010 still full.
int os_FifoPut(os_Fifo* fifo, const void* item, u32 timeoutMs);
// 0, 1001 null, 1009 still empty. out may be null to drop the element.
int os_FifoGet(os_Fifo* fifo, void* out, u32 timeoutMs);
int os_FifoPeek(os_Fifo* fifo, void* out, u32 timeoutMs);
int os_FifoClear(os_Fifo* fifo);
