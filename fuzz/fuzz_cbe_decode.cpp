// Fuzz target of the control-by-event decoder on arbitrary byte code: the input's first 32
// bytes are the program (a shorter one is padded with zeros). The decoder must end in 0 or -1
// with a terminated text inside its buffer and a nibble count within the program.
#include "CbeSeeds.h"
#include "FuzzTarget.h"

#include "SamplePlant.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace {

const char kTarget[] = "fuzz_cbe_decode";

// The sample plant in g_zpConf, which the compiler and decoder read; groups 1 to 10 are direct.
constexpr size_t kProgramSize = 32;
constexpr u32 kProgramNibbles = 64;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    load_cbe_plant(kTarget);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Exactly sized, so the sanitizers see a write past it.
    std::unique_ptr<char[]> buffer(new char[kCBEDecodeBufferSize]());
    std::memcpy(buffer.get(), data, std::min(size, kProgramSize));
    CBEDecodeRequest request{buffer.get(), 0xEE, 0xEE};
    const int result = CBEExpr_ToString(&request);
    if (result != 0 && result != -1)
        fuzz_fail(kTarget, "result %d", result);
    if (!std::memchr(buffer.get(), 0, kCBEDecodeBufferSize))
        fuzz_fail(kTarget, "the text is not terminated");
    if (request.nibblePos > kProgramNibbles)
        fuzz_fail(kTarget, "%d nibbles read of %u", request.nibblePos, kProgramNibbles);
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    const bool ok = for_each_seed_program(kTarget, [&](int n, const char*, bool, const char* program) {
        return fuzz_save(dir, "program_" + std::to_string(n), program, kProgramSize);
    });
    return ok ? 0 : 1;
}
