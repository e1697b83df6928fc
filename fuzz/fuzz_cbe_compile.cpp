// Fuzz target of the control-by-event compiler on arbitrary text, in both modes. The input:
//
//   0     bit 0: direct program (list mode); bits 1-2: owner kind (group, sensor, module, group)
//   1-3   the owner's bytes
//   then  the text, up to its first NUL
//
// The compiler must give a program of 1 to 32 bytes in the first 32 bytes of the buffer (the
// rest untouched) or -1 with an error code of 0 to 53 and the buffer untouched. A program must
// decode, and the decoded text compile to the same program.
#include "CbeSeeds.h"
#include "FuzzTarget.h"

#include "SamplePlant.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEDecoder.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kTarget[] = "fuzz_cbe_compile";

// The sample plant in g_zpConf, which the compiler and decoder read; groups 1 to 10 are direct.
const u8 kOwnerKinds[4] = {CBE_OWNER_GROUP, CBE_OWNER_SENSOR, CBE_OWNER_MODULE, CBE_OWNER_GROUP};
constexpr size_t kProgramSize = 32;

struct Result {
    int length;
    std::vector<char> program;
};

Result compile(const u8* head, const std::string& text)
{
    // Exactly sized, so the sanitizers see a write past it.
    const size_t size = std::max(text.size() + 1, kProgramSize);
    std::unique_ptr<char[]> buffer(new char[size]);
    std::memset(buffer.get(), 'Z', size);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    const std::vector<char> before(buffer.get(), buffer.get() + size);

    CBECompileRequest request;
    request.text = buffer.get();
    request.listMode = head[0] & 1;
    request.ownerKind = kOwnerKinds[(head[0] >> 1) & 3];
    std::memcpy(request.owner, head + 1, 3);
    const int length = CBEExpr_Parse(&request);
    if (length == -1) {
        if (request.errorCode > CBE_ERR_EVAC_IN_LIST)
            fuzz_fail(kTarget, "error code %d", request.errorCode);
        if (!std::equal(before.begin(), before.end(), buffer.get()))
            fuzz_fail(kTarget, "a failed compile changed the buffer");
        return {length, {}};
    }
    if (length < 1 || length > int(kProgramSize))
        fuzz_fail(kTarget, "program length %d", length);
    for (size_t i = 0; i < size; ++i)
        if (buffer[i] != (i < size_t(length) ? buffer[i] : i < kProgramSize ? '\0' : before[i]))
            fuzz_fail(kTarget, "byte %zu of the buffer changed past the %d-byte program", i, length);
    return {length, std::vector<char>(buffer.get(), buffer.get() + length)};
}

std::string seed(u8 mode, const char* text)
{
    return std::string{char(mode), 20, 0, 0} + text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    load_cbe_plant(kTarget);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data + 4),
                           strnlen(reinterpret_cast<const char*>(data + 4), size - 4));
    const Result compiled = compile(data, text);
    if (compiled.length < 0)
        return 0;

    std::unique_ptr<char[]> decoded(new char[kCBEDecodeBufferSize]());
    std::memcpy(decoded.get(), compiled.program.data(), compiled.program.size());
    CBEDecodeRequest request{decoded.get(), 0, 0};
    const int result = CBEExpr_ToString(&request);
    if (result != 0 || !std::memchr(decoded.get(), 0, kCBEDecodeBufferSize))
        fuzz_fail(kTarget, "the program of \"%s\" does not decode (%d)", text.c_str(), result);
    const Result again = compile(data, decoded.get());
    if (again.program != compiled.program)
        fuzz_fail(kTarget, "\"%s\" decodes to \"%s\", which compiles to another program", text.c_str(), decoded.get());
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    // Conditions (mode 0) and direct programs (mode 1) of group 21.
    static const char* const kTexts[] = {
        "OR(AND(G1 G20) NOT (G3) XGRP(G10) Z3)",
        "OR(PRE(G10) PRE(EVAC) FLT(C1L1M10.2))",
        "OR(DIS(SYS) TAC(SYS))",
        "OR(Z1 Z2000 SYS EVAC)",
        "OR(C1L1S1 C1L1S3 C2L2S159 C1L3S8 C1L2S5 C1L1S7)",
        "NOT(C1L1M12)",
        "OR(C1L1M10.1 C1L1M30.1 C1L1M159)",
        "DEL(10.00 05.00 (G5))",
        "SDEL (09.59 00.01 (OR(G1 G2)))",
        "TIM(MO FR 08.00 17.30)",
        "TIM(02-29-00 )",
        "TONE(33 4 Z2000:Z1 (G5))",
        "OR(G1 G2 G3 G4 G5 G6 G7 G8 G9 G10 G11 C1L1S1 C1L1S3)",
    };
    static const char* const kDirect[] = {"(G2 G10)", "(DIS(Z3) DIS(C1L1S7))", "(C1L1M10.1)"};
    bool ok = true;
    int n = 0;
    for (const char* text : kTexts)
        ok = fuzz_save(dir, "condition_" + std::to_string(n++), seed(0, text)) && ok;
    for (const char* text : kDirect)
        ok = fuzz_save(dir, "direct_" + std::to_string(n++), seed(1, text)) && ok;
    return ok ? 0 : 1;
}
