#include "FuzzTarget.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

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
