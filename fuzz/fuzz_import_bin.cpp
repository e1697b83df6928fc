// libFuzzer target of the panel image reader: every input, however malformed, must end in a
// result code of import_bin, never in a crash, a hang or a sanitizer report.
#include "OS/TraceLog.h"
#include "OS/types.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <stdlib.h> // mkstemp
#include <unistd.h> // close, getpid, unlink

namespace {

std::string g_path;
ZpConf* g_conf = nullptr;

void remove_file()
{
    if (!g_path.empty())
        unlink(g_path.c_str());
}

// The codes import_bin and the after-load chain give.
bool is_result_code(int result)
{
    switch (result) {
    case ZP_OK:
    case ZP_UNCHANGED:
    case ZP_ERR_GENERIC:
    case ZP_ERR_NULL_HANDLE:
    case ZP_ERR_PARAM:
    case ZP_ERR_FORMAT:
    case ZP_ERR_IFACE:
    case ZP_ERR_NOT_FOUND:
    case ZP_ERR_FULL:
    case ZP_ERR_NO_STATUS:
    case ZP_ERR_RANGE:
    case ZP_ERR_READ:
    case ZP_ERR_CRC:
        return true;
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The trace of every element read would drown the fuzzer's own output and slow it down.
    g_logger().set_console(false);
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_import_bin.XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        std::perror("fuzz_import_bin: mkstemp");
        std::abort();
    }
    close(fd);
    g_path = pattern;
    std::atexit(remove_file);
    // One container for the whole run, emptied before each input so runs do not depend on
    // each other.
    g_conf = new ZpConf(0, 255);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = std::fopen(g_path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0) {
        std::perror("fuzz_import_bin: cannot write the input");
        std::abort();
    }
    g_conf->new_config(255);
    const int result = g_conf->get_io().import_bin(g_path.c_str(), nullptr);
    if (!is_result_code(result)) {
        std::fprintf(stderr, "fuzz_import_bin: import_bin returned %d, not a result code\n", result);
        std::abort();
    }
    return 0;
}
