#include "OS/SaveFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameTries = 100;

// The target's name and six letters. O_EXCL or linkat() makes a name one writer's; the letters
// only keep the tries few when many write at once.
std::string candidate(const std::string& target)
{
    static std::atomic<u64> s_count{0};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    u64 seed = u64(std::chrono::steady_clock::now().time_since_epoch().count()) ^ (u64(::getpid()) << 32)
        ^ (s_count.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    std::string name = target + '.';
    for (int i = 0; i < 6; ++i) {
        seed ^= seed >> 31;
        seed *= 0xBF58476D1CE4E5B9ull;
        name += kLetters[(seed >> 32) % 62];
    }
    return name;
}

std::string folder_of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

} // namespace

SaveFile::SaveFile(const char* path)
    : m_target(path ? path : "")
{
}

SaveFile::~SaveFile()
{
    discard();
}

bool SaveFile::fail(int error)
{
    if (m_error == 0)
        m_error = error != 0 ? error : EIO;
    return false;
}

FILE* SaveFile::open()
{
    if (m_file)
        return m_file;
    if (m_target.empty()) {
        fail(EINVAL);
        return nullptr;
    }
    struct stat st;
    const bool exists = ::stat(m_target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        fail(EISDIR);
        return nullptr;
    }
    if (exists && !S_ISREG(st.st_mode)) {
        m_direct = true;
        m_file = std::fopen(m_target.c_str(), "wb");
        if (!m_file)
            fail(errno);
        return m_file;
    }
    // Through a link the file it names is replaced and the link kept.
    char resolved[PATH_MAX];
    if (exists && ::realpath(m_target.c_str(), resolved))
        m_target = resolved;
    int fd = -1;
#ifdef O_TMPFILE
    // The commit names the file through /proc; file systems without unnamed files refuse here.
    if (::access("/proc/self/fd", X_OK) == 0) {
        fd = ::open(folder_of(m_target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        m_unnamed = fd >= 0;
    }
#endif
    for (int i = 0; fd < 0 && i < kNameTries; ++i) {
        m_temp = candidate(m_target);
        fd = ::open(m_temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        fail(errno);
        m_temp.clear();
        return nullptr;
    }
    if (exists)
        ::fchmod(fd, st.st_mode & 07777);
    m_file = ::fdopen(fd, "wb");
    if (!m_file) {
        fail(errno);
        ::close(fd);
        discard();
    }
    return m_file;
}

bool SaveFile::link_unnamed()
{
    const std::string self = "/proc/self/fd/" + std::to_string(::fileno(m_file));
    for (int i = 0; i < kNameTries; ++i) {
        m_temp = candidate(m_target);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_temp.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    m_temp.clear();
    return fail(error);
}

int SaveFile::commit()
{
    if (!m_file)
        return fail(EBADF), ZP_ERR_GENERIC;
    bool ok = std::fflush(m_file) == 0 || fail(errno);
    ok = ok && (std::ferror(m_file) == 0 || fail(EIO));
    // On the disk before its name is: a power cut leaves the old file or the new, never a
    // named file with nothing in it.
    ok = ok && (m_direct || ::fsync(::fileno(m_file)) == 0 || fail(errno));
    if (ok && m_unnamed)
        ok = link_unnamed();
    const int closed = std::fclose(m_file);
    m_file = nullptr;
    ok = (closed == 0 || fail(errno)) && ok;
    if (ok && !m_direct && ::rename(m_temp.c_str(), m_target.c_str()) != 0)
        ok = fail(errno);
    // Renamed, the temporary name may already be another writer's.
    if (ok)
        m_temp.clear();
    discard();
    return ok ? ZP_OK : ZP_ERR_GENERIC;
}

void SaveFile::discard()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
    if (!m_temp.empty())
        ::unlink(m_temp.c_str());
    m_temp.clear();
    m_unnamed = false;
}
