#include "FuzzTarget.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <unistd.h> // access, close, mkstemp, unlink

void fuzz_fail(const char* target, const char* fmt, ...)
{
    std::fprintf(stderr, "%s: ", target);
    va_list args;
    va_start(args, fmt);
    std::vfprintf(stderr, fmt, args);
    va_end(args);
    std::fputc('\n', stderr);
    std::abort();
}

bool fuzz_save(const std::string& dir, const std::string& name, const void* data, size_t size)
{
    const std::string path = dir + "/" + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        return false;
    }
    const bool written = std::fwrite(data, 1, size, f) == size;
    if (std::fclose(f) != 0 || !written) {
        std::perror(path.c_str());
        return false;
    }
    return true;
}

bool fuzz_save(const std::string& dir, const std::string& name, const std::string& data)
{
    return fuzz_save(dir, name, data.data(), data.size());
}

namespace {

std::vector<std::string>& scratchFiles()
{
    static std::vector<std::string> files;
    return files;
}

void removeScratchFiles()
{
    for (const std::string& path : scratchFiles())
        unlink(path.c_str());
}

} // namespace

std::string fuzz_scratch_file(const char* target)
{
    const char* tmp = std::getenv("TMPDIR");
    const char* folder = tmp && *tmp ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(folder) + "/" + target + ".XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0)
        fuzz_fail(target, "no scratch file in %s", folder);
    close(fd);
    if (scratchFiles().empty())
        std::atexit(removeScratchFiles);
    scratchFiles().push_back(pattern);
    return pattern;
}
