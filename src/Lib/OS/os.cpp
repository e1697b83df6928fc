#include "OS/os.h"

#include <algorithm>
#include <atomic>
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

struct LockObject;

struct ReadHolds {
    const LockObject* lock;
    u32 count;
};

// The read holds of the calling thread, one entry per lock, the latest taken last. A thread
// holds the reads of few locks at once and gives back mostly the latest it took. Plain data:
// locks are still taken while the program's static objects are destroyed, after the thread's
// objects with destructors are gone. Holds past the room (no caller needs them) go to a list
// that lives while it is not empty.
struct ThreadReads {
    static constexpr u32 kRoom = 64;
    ReadHolds held[kRoom];
    u32 size;
    std::vector<ReadHolds>* more;
};
thread_local ThreadReads t_reads;

// The calling thread as a lock's writer.
const void* self()
{
    return &t_reads;
}

u32* reads_held(const LockObject* lock)
{
    for (u32 i = t_reads.size; i-- > 0;)
        if (t_reads.held[i].lock == lock)
            return &t_reads.held[i].count;
    if (t_reads.more)
        for (ReadHolds& hold : *t_reads.more)
            if (hold.lock == lock)
                return &hold.count;
    return nullptr;
}

void add_read(const LockObject* lock)
{
    if (u32* count = reads_held(lock)) {
        ++*count;
    } else if (t_reads.size < ThreadReads::kRoom) {
        t_reads.held[t_reads.size++] = {lock, 1};
    } else {
        if (!t_reads.more)
            t_reads.more = new std::vector<ReadHolds>;
        t_reads.more->push_back({lock, 1});
    }
}

// False when the thread holds no read of the lock.
bool drop_read(const LockObject* lock)
{
    for (u32 i = t_reads.size; i-- > 0;) {
        if (t_reads.held[i].lock != lock)
            continue;
        if (--t_reads.held[i].count == 0) {
            std::copy(t_reads.held + i + 1, t_reads.held + t_reads.size, t_reads.held + i);
            --t_reads.size;
        }
        return true;
    }
    if (!t_reads.more)
        return false;
    for (auto it = t_reads.more->begin(); it != t_reads.more->end(); ++it) {
        if (it->lock != lock)
            continue;
        if (--it->count == 0)
            t_reads.more->erase(it);
        if (t_reads.more->empty()) {
            delete t_reads.more;
            t_reads.more = nullptr;
        }
        return true;
    }
    return false;
}

// A read/write lock that the thread holding it may take again, in either mode: the library
// takes a block's lock inside operations that already hold it (an import holds every block
// while it installs their layouts; a layout setter writes through the block it was reached by).
// A thread that holds the only read holds may also take the write lock. A mutex is the same
// lock taken for writing.
//
// An uncontended take or give is one atomic operation on the lock's state word plus the
// thread's own bookkeeping; the mutex and the condition variable serve only threads that wait.
// A waiting writer holds new readers back, so readers cannot starve it; a thread that already
// holds a read passes, as the writer waits for that read anyway. Of two readers that both ask
// for the write lock, each would wait for the other's read: the second is refused at once.
struct LockObject {
    // Read holds (the writer's own included), the writer bit, the writers waiting and the
    // threads asleep on woken.
    static constexpr u64 kRead = 1;
    static constexpr u64 kReads = 0xFFFFFFFFull;
    static constexpr u64 kWriter = 1ull << 32;
    static constexpr u64 kWaitingWriter = 1ull << 33;
    static constexpr u64 kWaitingWriters = 0x7FFFull << 33;
    static constexpr u64 kSleeper = 1ull << 48;
    static constexpr u64 kSleepers = 0xFFFFull << 48;

    std::atomic<u64> word{0};
    std::atomic<const void*> writer{nullptr};
    // The writer's holds from its first write hold on, a stack of bits (1: write) with the
    // latest in bit 0, and the holds past 64 deep, latest at the back; only the writer touches
    // them. Reads it held before are in its t_reads.
    u64 writerHolds = 0;
    u32 writerDepth = 0;
    std::vector<bool> deeperHolds;
    std::mutex sleep;
    std::condition_variable woken;
    // Under sleep: a thread holding a read waits for the write lock.
    bool upgrading = false;

    static bool can_read(u64 w) { return (w & (kWriter | kWaitingWriters)) == 0; }

    void become_writer()
    {
        writer.store(self(), std::memory_order_relaxed);
        writerHolds = 1;
        writerDepth = 1;
    }

    void push_hold(bool write)
    {
        if (writerDepth++ < 64)
            writerHolds = (writerHolds << 1) | (write ? 1 : 0);
        else
            deeperHolds.push_back(write);
    }

    // Whether the latest hold was a write.
    bool pop_hold()
    {
        if (--writerDepth >= 64) {
            const bool write = deeperHolds.back();
            deeperHolds.pop_back();
            return write;
        }
        const bool write = (writerHolds & 1) != 0;
        writerHolds >>= 1;
        return write;
    }

    // Wakes the sleepers, if the state word had any before a release.
    void wake(u64 before)
    {
        if ((before & kSleepers) == 0)
            return;
        {
            std::lock_guard<std::mutex> guard(sleep);
        }
        woken.notify_all();
    }

    // Sleeps on woken until the deadline; false once it has passed.
    bool doze(std::unique_lock<std::mutex>& guard, u32 timeoutMs, std::chrono::steady_clock::time_point deadline)
    {
        if (timeoutMs == OS_WAIT_FOREVER) {
            woken.wait(guard);
            return true;
        }
        return woken.wait_until(guard, deadline) == std::cv_status::no_timeout
            || std::chrono::steady_clock::now() < deadline;
    }

    int take_read(u32 timeoutMs)
    {
        if (writer.load(std::memory_order_relaxed) == self()) {
            word.fetch_add(kRead, std::memory_order_relaxed);
            push_hold(false);
            return ZP_OK;
        }
        // Acquire: a thread refused here has seen what a waiting writer did before it waited.
        u64 w = word.load(std::memory_order_acquire);
        while (can_read(w)) {
            if (word.compare_exchange_weak(w, w + kRead, std::memory_order_acquire, std::memory_order_relaxed)) {
                add_read(this);
                return ZP_OK;
            }
        }
        if (u32* count = reads_held(this)) {
            // No writer can hold the lock while this thread reads.
            word.fetch_add(kRead, std::memory_order_acquire);
            ++*count;
            return ZP_OK;
        }
        if (timeoutMs == 0)
            return ZP_ERR_READ_TIMEOUT;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        std::unique_lock<std::mutex> guard(sleep);
        word.fetch_add(kSleeper, std::memory_order_relaxed);
        for (;;) {
            w = word.load(std::memory_order_relaxed);
            if (can_read(w)) {
                if (word.compare_exchange_weak(w, w + kRead - kSleeper, std::memory_order_acquire,
                                               std::memory_order_relaxed))
                    break;
                continue;
            }
            if (!doze(guard, timeoutMs, deadline)) {
                word.fetch_sub(kSleeper, std::memory_order_relaxed);
                return ZP_ERR_READ_TIMEOUT;
            }
        }
        add_read(this);
        return ZP_OK;
    }

    int take_write(u32 timeoutMs, int failure)
    {
        if (writer.load(std::memory_order_relaxed) == self()) {
            push_hold(true);
            return ZP_OK;
        }
        const u32* count = reads_held(this);
        const u64 own = count ? *count : 0;
        // Free: no other read, no writer, nobody waiting.
        u64 w = own;
        if (word.compare_exchange_strong(w, own | kWriter, std::memory_order_acquire, std::memory_order_relaxed)) {
            become_writer();
            return ZP_OK;
        }
        const auto free = [own](u64 w) { return (w & (kReads | kWriter)) == own; };
        std::unique_lock<std::mutex> guard(sleep);
        if (own && upgrading)
            return failure;
        bool waiting = false;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        for (;;) {
            w = word.load(std::memory_order_relaxed);
            // A writer that comes while others wait joins them rather than passing them: a
            // thread taking the lock in a loop would otherwise keep it from them.
            if (free(w) && (waiting || (w & kWaitingWriters) == 0)) {
                const u64 taken = (w | kWriter) - (waiting ? kWaitingWriter + kSleeper : 0);
                if (word.compare_exchange_weak(w, taken, std::memory_order_acquire, std::memory_order_relaxed))
                    break;
                continue;
            }
            if (timeoutMs == 0)
                return failure;
            if (!waiting) {
                // Registered before the state is looked at again, so a release after it wakes.
                word.fetch_add(kWaitingWriter + kSleeper, std::memory_order_release);
                if (own)
                    upgrading = true;
                waiting = true;
                continue;
            }
            if (!doze(guard, timeoutMs, deadline)) {
                word.fetch_sub(kWaitingWriter + kSleeper, std::memory_order_relaxed);
                if (own)
                    upgrading = false;
                // Readers held back by this writer may go.
                woken.notify_all();
                return failure;
            }
        }
        if (own)
            upgrading = false;
        become_writer();
        return ZP_OK;
    }

    // The calling thread's latest hold; ZP_ERR_GENERIC when it holds none.
    int give()
    {
        if (writer.load(std::memory_order_relaxed) == self()) {
            if (!pop_hold()) {
                word.fetch_sub(kRead, std::memory_order_release);
                return ZP_OK;
            }
            if (writerDepth != 0)
                return ZP_OK;
            writer.store(nullptr, std::memory_order_relaxed);
            wake(word.fetch_sub(kWriter, std::memory_order_release));
            return ZP_OK;
        }
        if (!drop_read(this))
            return ZP_ERR_GENERIC;
        wake(word.fetch_sub(kRead, std::memory_order_release));
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
    if (!lock)
        return ZP_ERR_NULL_HANDLE;
    return write ? lock_object(lock)->take_write(timeoutMs, failure) : lock_object(lock)->take_read(timeoutMs);
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
