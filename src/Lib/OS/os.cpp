#include "OS/os.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <sys/stat.h>
#include <sys/time.h>
#include <thread>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------------------------
// Fatal errors

namespace {
os_FatalReporter s_fatalReporter = nullptr;
}

void os_SetFatalReporter(os_FatalReporter reporter)
{
    s_fatalReporter = reporter;
}

void os_Fatal(const char* msg)
{
    // One report, then abort: the caller cannot go on, and a core beats a process that hangs.
    if (s_fatalReporter)
        s_fatalReporter(msg);
    else
        fprintf(stderr, "%s\n", msg);
    fflush(stdout);
    std::abort();
}

void os_FatalPrintf(const char* fmt, ...)
{
    char msg[64];
    va_list args;
    va_start(args, fmt);
    vsnprintf(msg, sizeof msg, fmt, args);
    va_end(args);
    os_Fatal(msg);
}

// ---------------------------------------------------------------------------------------------
// Time

u32 os_GetTick(u32* out)
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    const u32 tick = u32(u64(tv.tv_sec) * 1000u + u64(tv.tv_usec) / 1000u);
    if (out)
        *out = tick;
    return tick;
}

u32 os_GetTickMs()
{
    return os_GetTick();
}

bool os_TickElapsed(u32 start, u32 ms)
{
    return os_TickDiff(os_GetTick(), start) > ms;
}

u32 os_TickSince(u32 start)
{
    return os_TickDiff(os_GetTick(), start);
}

u32 os_TickDiff(u32 a, u32 b)
{
    return a - b;
}

void os_TickAdd(u32* t, u32 n)
{
    *t += n;
}

void os_TickSub(u32* t, u32 n)
{
    *t -= n;
}

u32 os_GetTickUs()
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    return u32(u64(tv.tv_sec) * 1000000u + u64(tv.tv_usec));
}

void os_Delay(u32 ms)
{
    const u32 start = os_GetTick();
    while (!os_TickElapsed(start, ms)) {}
}

void os_Sleep(u32)
{
}

// ---------------------------------------------------------------------------------------------
// Dates

time64 os_DiffDays(const struct tm& a, const struct tm& b)
{
    struct tm da = a;
    struct tm db = b;
    da.tm_hour = da.tm_min = da.tm_sec = da.tm_isdst = 0;
    db.tm_hour = db.tm_min = db.tm_sec = db.tm_isdst = 0;
    return time64(mktime(&da)) - time64(mktime(&db));
}

time64 os_DiffTimeOfDay(const struct tm& a, const struct tm& b)
{
    struct tm ta = a;
    struct tm tb = b;
    ta.tm_mday = ta.tm_mon = ta.tm_year = ta.tm_yday = ta.tm_isdst = 0;
    tb.tm_mday = tb.tm_mon = tb.tm_year = tb.tm_yday = tb.tm_isdst = 0;
    return time64(mktime(&ta)) - time64(mktime(&tb));
}

bool os_IsLeapYear(u16 year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int os_DayOfWeek(int day, int month, int year)
{
    static const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1 || year > 0xFFFF)
        return -1;
    // Days since 1 January of year 1, a Monday in the proleptic Gregorian calendar.
    const s64 y = year - 1;
    s64 days = y * 365 + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < month; ++m)
        days += monthDays[m - 1] + ((m == 2 && os_IsLeapYear(u16(year))) ? 1 : 0);
    days += day - 1;
    return int((days + 1) % 7);
}

struct tm* os_gmtime(const time64* t, struct tm* out)
{
    if (!t || !out)
        return nullptr;
    const time_t tt = time_t(*t);
    return gmtime_r(&tt, out);
}

// ---------------------------------------------------------------------------------------------
// Strings and files

void os_strlcpy(char* dst, size_t size, const char* src)
{
    if (size == 0)
        return;
    const size_t len = strnlen(src, size - 1);
    memcpy(dst, src, len);
    dst[len] = '\0';
}

void os_strlcat(char* dst, size_t size, const char* src)
{
    const size_t used = strnlen(dst, size);
    if (used + 1 >= size)
        return;
    os_strlcpy(dst + used, size - used, src);
}

bool os_FileExists(const char* path)
{
    struct stat st;
    return path && stat(path, &st) == 0;
}

s64 os_FileSize(FILE* file)
{
    if (!file)
        return -1;
    const off_t here = ftello(file);
    if (here < 0 || fseeko(file, 0, SEEK_END) != 0)
        return -1;
    const off_t size = ftello(file);
    fseeko(file, here, SEEK_SET);
    return s64(size);
}

const char* os_TaskName()
{
    return "Unknown";
}

const char* os_TaskName(u32)
{
    return "Unknown";
}

const char* os_DbgId()
{
    return "os_DbgId Not Available!";
}

u32 os_HostToLe32(u32 v)
{
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return __builtin_bswap32(v);
#else
    return v;
#endif
}

u32 os_Le32ToHost(u32 v)
{
    return os_HostToLe32(v);
}

static bool s_started = false;

void os_Init()
{
    s_started = true;
}

// ---------------------------------------------------------------------------------------------
// Locks

namespace {

// A read/write lock that the thread holding it may take again, in either mode: the library
// takes a block's lock inside operations that already hold it (an import holds every block
// while it installs their layouts; a layout setter writes through the block it was reached by).
// A thread that holds the only read holds may also take the write lock. A mutex is the same
// lock taken for writing.
struct LockObject {
    std::mutex state;
    std::condition_variable released;
    std::thread::id writer;
    u32 writes = 0;
    u32 reads = 0;
    // Every hold in the order taken: an unlock gives back the calling thread's latest one, so
    // the caller need not say which mode it releases.
    std::vector<std::pair<std::thread::id, bool>> holds;

    u32 reads_of(std::thread::id self) const
    {
        if (reads == 0)
            return 0;
        u32 n = 0;
        for (const auto& hold : holds)
            n += hold.first == self && !hold.second ? 1 : 0;
        return n;
    }
    bool can_read(std::thread::id self) const { return writes == 0 || writer == self; }
    bool can_write(std::thread::id self) const { return (writes == 0 || writer == self) && reads == reads_of(self); }

    // 0 when taken, else failure.
    int take(bool write, u32 timeoutMs, int failure)
    {
        const std::thread::id self = std::this_thread::get_id();
        std::unique_lock<std::mutex> guard(state);
        const auto free = [&] { return write ? can_write(self) : can_read(self); };
        if (!free()) {
            if (timeoutMs == 0)
                return failure;
            if (timeoutMs == OS_WAIT_FOREVER)
                released.wait(guard, free);
            else if (!released.wait_for(guard, std::chrono::milliseconds(timeoutMs), free))
                return failure;
        }
        if (write) {
            writer = self;
            ++writes;
        } else {
            ++reads;
        }
        holds.emplace_back(self, write);
        return ZP_OK;
    }

    // The calling thread's latest hold; ZP_ERR_GENERIC when it holds none.
    int give()
    {
        const std::thread::id self = std::this_thread::get_id();
        {
            std::lock_guard<std::mutex> guard(state);
            auto hold = std::find_if(holds.rbegin(), holds.rend(), [self](const auto& h) { return h.first == self; });
            if (hold == holds.rend())
                return ZP_ERR_GENERIC;
            if (hold->second) {
                if (--writes == 0)
                    writer = std::thread::id();
            } else {
                --reads;
            }
            holds.erase(std::next(hold).base());
        }
        released.notify_all();
        return ZP_OK;
    }
};

LockObject* lock_object(os_Lock lock)
{
    return reinterpret_cast<LockObject*>(lock);
}

os_Lock create_lock()
{
    LockObject* lock = new (std::nothrow) LockObject;
    if (!lock)
        os_Fatal("Out of Memory");
    return reinterpret_cast<os_Lock>(lock);
}

int take_lock(os_Lock lock, bool write, u32 timeoutMs, int failure)
{
    return lock ? lock_object(lock)->take(write, timeoutMs, failure) : int(ZP_ERR_NULL_HANDLE);
}

int give_lock(os_Lock lock)
{
    return lock ? lock_object(lock)->give() : int(ZP_ERR_NULL_HANDLE);
}

} // namespace

os_Lock os_LockCreate()
{
    return create_lock();
}

void os_LockDelete(os_Lock lock)
{
    delete lock_object(lock);
}

int os_MutexLock(os_Lock lock, u32 timeoutMs)
{
    return take_lock(lock, true, timeoutMs, ZP_ERR_FULL);
}

int os_MutexUnlock(os_Lock lock)
{
    return give_lock(lock);
}

os_Lock os_RWLockCreate()
{
    return create_lock();
}

void os_RWLockDelete(os_Lock lock)
{
    delete lock_object(lock);
}

int os_RWLockRead(os_Lock lock, u32 timeoutMs)
{
    return take_lock(lock, false, timeoutMs, ZP_ERR_READ_TIMEOUT);
}

int os_RWLockWrite(os_Lock lock, u32 timeoutMs)
{
    return take_lock(lock, true, timeoutMs, ZP_ERR_FULL);
}

int os_RWLockUnlock(os_Lock lock)
{
    return give_lock(lock);
}

void os_EnterCritical()
{
}

void os_ExitCritical()
{
}

LockGuard::LockGuard(os_Lock* lock, u32 timeoutMs)
    : m_lock(lock)
    , m_kind(0)
    , m_held(os_MutexLock(*lock, timeoutMs) == 0)
{
}

LockGuard::LockGuard(os_Lock* lock, ReadTag, u32 timeoutMs)
    : m_lock(lock)
    , m_kind(1)
    , m_held(os_RWLockRead(*lock, timeoutMs) == 0)
{
}

LockGuard::LockGuard(os_Lock* lock, WriteTag, u32 timeoutMs)
    : m_lock(lock)
    , m_kind(1)
    , m_held(os_RWLockWrite(*lock, timeoutMs) == 0)
{
}

LockGuard::~LockGuard()
{
    release();
}

void LockGuard::release()
{
    if (!m_held)
        return;
    if (m_kind == 0)
        os_MutexUnlock(*m_lock);
    else
        os_RWLockUnlock(*m_lock);
    m_held = false;
}

// ---------------------------------------------------------------------------------------------
// FileWriter

FileWriter::FileWriter()
    : m_file(nullptr)
    , m_lock(os_LockCreate())
{
}

FileWriter::~FileWriter()
{
    close();
    os_LockDelete(m_lock);
}

int FileWriter::open(const char* path, const char* mode)
{
    close();
    LockGuard guard(&m_lock);
    m_file = fopen(path, mode);
    return m_file ? ZP_OK : ZP_ERR_GENERIC;
}

int FileWriter::close()
{
    LockGuard guard(&m_lock);
    if (!m_file)
        return ZP_OK;
    const int rc = fclose(m_file);
    m_file = nullptr;
    return rc == 0 ? ZP_OK : ZP_ERR_GENERIC;
}

int FileWriter::printf(const char* fmt, ...)
{
    LockGuard guard(&m_lock);
    if (!guard.is_held() || !m_file)
        return -1;
    va_list args;
    va_start(args, fmt);
    const int n = vfprintf(m_file, fmt, args);
    va_end(args);
    return n;
}

// ---------------------------------------------------------------------------------------------
// FIFO

os_Fifo* os_FifoCreate(u32 count, u32 size)
{
    if (count == 0 || size == 0)
        return nullptr;
    os_Fifo* fifo = new (std::nothrow) os_Fifo;
    if (!fifo)
        os_Fatal("Out of Memory");
    fifo->buffer = new (std::nothrow) u8[size_t(count) * size];
    if (!fifo->buffer)
        os_Fatal("Out of Memory");
    fifo->elementSize = size;
    fifo->count = count;
    fifo->stateLock = os_LockCreate();
    fifo->readersLock = os_LockCreate();
    fifo->writersLock = os_LockCreate();
    fifo->writeIndex = 0;
    fifo->readIndex = 0;
    fifo->full = false;
    return fifo;
}

void os_FifoDelete(os_Fifo* fifo)
{
    if (!fifo)
        return;
    delete[] fifo->buffer;
    os_LockDelete(fifo->stateLock);
    os_LockDelete(fifo->readersLock);
    os_LockDelete(fifo->writersLock);
    delete fifo;
}

u32 os_FifoCount(const os_Fifo* fifo)
{
    if (!fifo)
        return 0;
    if (fifo->full)
        return fifo->count;
    return (fifo->writeIndex + fifo->count - fifo->readIndex) % fifo->count;
}

bool os_FifoIsFull(const os_Fifo* fifo)
{
    return fifo && fifo->full;
}

bool os_FifoIsEmpty(const os_Fifo* fifo)
{
    return !fifo || (!fifo->full && fifo->writeIndex == fifo->readIndex);
}

// Waits while the condition holds; false when the timeout ran out first.
template <typename Cond>
static bool fifo_wait(Cond blocked, u32 timeoutMs)
{
    const u32 start = os_GetTick();
    while (blocked()) {
        if (timeoutMs == 0)
            return false;
        if (timeoutMs != OS_WAIT_FOREVER && os_TickElapsed(start, timeoutMs))
            return false;
        os_Sleep(1);
    }
    return true;
}

int os_FifoPut(os_Fifo* fifo, const void* item, u32 timeoutMs)
{
    if (!fifo)
        return ZP_ERR_NULL_HANDLE;
    LockGuard writers(&fifo->writersLock);
    // The other side changes the indexes under the state lock: they are read under it too.
    if (!fifo_wait(
            [fifo] {
                LockGuard state(&fifo->stateLock);
                return os_FifoIsFull(fifo);
            },
            timeoutMs))
        return ZP_ERR_FULL;
    LockGuard state(&fifo->stateLock);
    memcpy(fifo->buffer + size_t(fifo->writeIndex) * fifo->elementSize, item, fifo->elementSize);
    fifo->writeIndex = (fifo->writeIndex + 1) % fifo->count;
    fifo->full = fifo->writeIndex == fifo->readIndex;
    return ZP_OK;
}

static int fifo_read(os_Fifo* fifo, void* out, u32 timeoutMs, bool remove)
{
    if (!fifo)
        return ZP_ERR_NULL_HANDLE;
    LockGuard readers(&fifo->readersLock);
    if (!fifo_wait(
            [fifo] {
                LockGuard state(&fifo->stateLock);
                return os_FifoIsEmpty(fifo);
            },
            timeoutMs))
        return ZP_ERR_READ_TIMEOUT;
    LockGuard state(&fifo->stateLock);
    if (out)
        memcpy(out, fifo->buffer + size_t(fifo->readIndex) * fifo->elementSize, fifo->elementSize);
    if (remove) {
        fifo->readIndex = (fifo->readIndex + 1) % fifo->count;
        fifo->full = false;
    }
    return ZP_OK;
}

int os_FifoGet(os_Fifo* fifo, void* out, u32 timeoutMs)
{
    return fifo_read(fifo, out, timeoutMs, true);
}

int os_FifoPeek(os_Fifo* fifo, void* out, u32 timeoutMs)
{
    return fifo_read(fifo, out, timeoutMs, false);
}

int os_FifoClear(os_Fifo* fifo)
{
    if (!fifo)
        return ZP_ERR_NULL_HANDLE;
    LockGuard state(&fifo->stateLock);
    fifo->writeIndex = 0;
    fifo->readIndex = 0;
    fifo->full = false;
    return ZP_OK;
}
