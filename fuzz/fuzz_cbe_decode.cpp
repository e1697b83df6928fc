// Fuzz target of the control-by-event decoder on arbitrary byte code: the input's first 32
// bytes are the program (a shorter one is padded with zeros). The decoder must end in 0 or -1
// with a terminated text inside its buffer and a nibble count within the program.
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
void load_cbe_plant()
{
    load_sample_plant(g_zpConf, kTarget);
    const u8 direct[2] = {10, 0};
    if (g_zpConf->set_data(2, direct, 2, 5206) != ZP_OK)
        fuzz_fail(kTarget, "the direct-group count could not be set");
}
constexpr size_t kProgramSize = 32;
constexpr u32 kProgramNibbles = 64;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    load_cbe_plant();
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
    // Programs of the compiler, for conditions of group 21 and a direct program.
    static const char* const kTexts[] = {
        "OR(AND(G1 G20) NOT (G3) XGRP(G10) Z3)",
        "OR(PRE(G10) PRE(EVAC) FLT(C1L1M10.2))",
        "OR(DIS(SYS) TAC(SYS))",
        "OR(C1L1S1 C1L1S3 C2L2S159 C1L3S8 C1L2S5 C1L1S7)",
        "SDEL (09.59 00.01 (OR(G1 G2)))",
        "TIM(MO FR 08.00 17.30)",
        "TIM(02-29-00 )",
        "TONE(33 4 Z2000:Z1 (G5))",
        "(G2 G10)",
    };
    load_cbe_plant();
    bool ok = true;
    int n = 0;
    for (const char* text : kTexts) {
        char buffer[256] = {};
        std::strncpy(buffer, text, sizeof buffer - 1);
        CBECompileRequest request;
        request.text = buffer;
        request.owner[0] = 20;
        request.listMode = text[0] == '(' ? 1 : 0;
        const int length = CBEExpr_Parse(&request);
        if (length <= 0) {
            std::fprintf(stderr, "%s: seed \"%s\" does not compile (error %d)\n", kTarget, text, request.errorCode);
            return 1;
        }
        ok = fuzz_save(dir, "program_" + std::to_string(n++), buffer, kProgramSize) && ok;
    }
    return ok ? 0 : 1;
}
