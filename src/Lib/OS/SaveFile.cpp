#include "OS/SaveFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kNameTries = 100;

constexpr int kLetterCount = 6;

// The target's name, the mark and six letters. O_EXCL or linkat() makes a name one writer's;
// the letters only keep the tries few when many write at once.
std::string candidate(const std::string& target)
{
    static std::atomic<u64> s_count{0};
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    u64 seed = u64(std::chrono::steady_clock::now().time_since_epoch().count()) ^ (u64(::getpid()) << 32)
        ^ (s_count.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    std::string name = target + SaveFile::kTempMark;
    for (int i = 0; i < kLetterCount; ++i) {
        seed ^= seed >> 31;
        seed *= 0xBF58476D1CE4E5B9ull;
        name += kLetters[(seed >> 32) % 62];
    }
    return name;
}

// Removes the marked files of target that a writer killed before its rename left: regular
// files of this user whose lock no running writer holds. A link is never followed.
void remove_left_files(const std::string& target)
{
    const size_t slash = target.rfind('/');
    const std::string prefix = target.substr(slash == std::string::npos ? 0 : slash + 1) + SaveFile::kTempMark;
    const int folder = ::open(folder_of(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = folder < 0 ? nullptr : ::fdopendir(folder);
    if (!entries) {
        if (folder >= 0)
            ::close(folder);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + kLetterCount || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat st;
        if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, name.c_str(), 0);
        if (fd >= 0)
            ::close(fd);
    }
    ::closedir(entries);
}

} // namespace

std::string folder_of(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : slash == 0 ? std::string("/") : path.substr(0, slash);
}

FolderLock::FolderLock(const std::string& folder)
    : FolderLock(folder, folder)
{
}

FolderLock::FolderLock(const std::string& folder, const std::string& other)
{
    struct stat ids[2];
    const std::string* names[2] = {&folder, &other};
    for (int i = 0; i < 2; ++i) {
        m_fds[i] = ::open(names[i]->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_fds[i] >= 0 && ::fstat(m_fds[i], &ids[i]) != 0) {
            ::close(m_fds[i]);
            m_fds[i] = -1;
        }
    }
    // A folder that cannot be opened leaves the other locked, for a writer whose checks pass.
    m_held = m_fds[0] >= 0 && m_fds[1] >= 0;
    if (m_held && ids[0].st_dev == ids[1].st_dev && ids[0].st_ino == ids[1].st_ino) {
        ::close(m_fds[1]);
        m_fds[1] = -1;
    } else if (m_held && std::make_pair(ids[1].st_dev, ids[1].st_ino) < std::make_pair(ids[0].st_dev, ids[0].st_ino)) {
        std::swap(m_fds[0], m_fds[1]);
    }
    for (const int fd : m_fds) {
        while (fd >= 0 && ::flock(fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                m_held = false;
                break;
            }
        }
    }
}

FolderLock::~FolderLock()
{
    for (const int fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
    }
}

int check_save_target(const char* path, SaveTarget* target)
{
    *target = SaveTarget();
    if (!path || !*path)
        return EINVAL;
    target->path = path;
    struct stat st;
    if (::stat(path, &st) != 0) {
        if (errno != ENOENT)
            return errno;
        // A dangling link is written through to the file it names, as a live one is.
        char named[PATH_MAX];
        const ssize_t n = ::readlink(path, named, sizeof named - 1);
        if (n > 0) {
            named[n] = 0;
            target->path = named[0] == '/' ? std::string(named) : folder_of(path) + '/' + named;
        }
        struct stat folder;
        if (::stat(folder_of(target->path).c_str(), &folder) != 0)
            return errno;
        if (!S_ISDIR(folder.st_mode))
            return ENOTDIR;
        return ::access(folder_of(target->path).c_str(), W_OK | X_OK) == 0 ? 0 : errno;
    }
    target->exists = true;
    target->mode = st.st_mode & 07777;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    char resolved[PATH_MAX];
    if (::realpath(path, resolved))
        target->path = resolved;
    if (!S_ISREG(st.st_mode)) {
        target->regular = false;
        return ::access(target->path.c_str(), W_OK) == 0 ? 0 : errno;
    }
    // Marked read-only by its owner: kept also for a user the system would let write it.
    if ((st.st_mode & S_IWUSR) == 0)
        return EACCES;
    if (::access(target->path.c_str(), W_OK) != 0)
        return errno;
    // The new file takes the old one's place in its folder; in a shared folder (sticky bit)
    // only the file's or the folder's owner may replace it.
    const std::string folder = folder_of(target->path);
    struct stat dir;
    if (::stat(folder.c_str(), &dir) != 0 || ::access(folder.c_str(), W_OK | X_OK) != 0)
        return errno;
    const uid_t user = ::geteuid();
    if ((dir.st_mode & S_ISVTX) && user != 0 && st.st_uid != user && dir.st_uid != user)
        return EPERM;
    return 0;
}

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
    SaveTarget target;
    if (const int refused = check_save_target(m_target.c_str(), &target)) {
        fail(refused);
        return nullptr;
    }
    m_target = target.path;
    if (!target.regular) {
        m_direct = true;
        m_file = std::fopen(m_target.c_str(), "wb");
        if (!m_file)
            fail(errno);
        return m_file;
    }
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
    // Held until the file is renamed or gone: the mark of a running writer's file.
    ::flock(fd, LOCK_EX | LOCK_NB);
    if (target.exists)
        ::fchmod(fd, target.mode);
    m_file = ::fdopen(fd, "wb");
    if (!m_file) {
        fail(errno);
        ::close(fd);
        discard();
        return nullptr;
    }
    // Given no buffer of its own, the C library keeps its default size whatever size is asked.
    if (!m_buffer)
        m_buffer.reset(new char[kBufferSize]);
    std::setvbuf(m_file, m_buffer.get(), _IOFBF, kBufferSize);
    return m_file;
}

bool SaveFile::write(const void* data, size_t size)
{
    if (!m_file)
        return fail(EBADF);
    if (m_error != 0)
        return false;
    // stdio retries a short write itself; a stop before the last byte carries the reason.
    if (std::fwrite(data, 1, size, m_file) == size)
        return true;
    return fail(std::ferror(m_file) && errno != 0 ? errno : EIO);
}

bool SaveFile::link_unnamed()
{
    const std::string self = "/proc/self/fd/" + std::to_string(m_fd);
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

bool SaveFile::finish()
{
    if (m_finished)
        return true;
    if (!m_file)
        return fail(EBADF);
    bool ok = m_error == 0;
    ok = ok && (std::fflush(m_file) == 0 || fail(errno));
    ok = ok && (std::ferror(m_file) == 0 || fail(EIO));
    // On the disk before its name is: a power cut leaves the old file or the new, never a
    // named file with nothing in it.
    ok = ok && (m_direct || ::fsync(::fileno(m_file)) == 0 || fail(errno));
    ok = ok && (m_direct || (m_fd = ::dup(::fileno(m_file))) >= 0 || fail(errno));
    const int closed = std::fclose(m_file);
    m_file = nullptr;
    ok = (closed == 0 || fail(errno)) && ok;
    if (!ok) {
        discard();
        return false;
    }
    m_finished = true;
    return true;
}

bool SaveFile::stage()
{
    if (m_staged)
        return true;
    if (!finish())
        return false;
    if (!m_direct) {
        remove_left_files(m_target);
        if (m_unnamed && !link_unnamed()) {
            discard();
            return false;
        }
    }
    m_staged = true;
    return true;
}

int SaveFile::commit()
{
    if (!stage())
        return ZP_ERR_GENERIC;
    const bool ok = m_direct || ::rename(m_temp.c_str(), m_target.c_str()) == 0 || fail(errno);
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
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_unnamed = false;
    m_finished = false;
    m_staged = false;
}
