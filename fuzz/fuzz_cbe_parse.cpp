// Fuzz target of the CBE text model on decoded texts and stored programs. The input:
//
//   0     bit 0: direct program; bit 1: the rest is a stored program, else a text
//   then  a text (Latin-1) for CBEExpression::parse, or 32 bytes of byte code (a shorter program
//         is padded with zeros) for programText
//
// parse must not crash, and the text of a tree it built must parse again to the same text.
// programText must give a text for every program it decodes.
#include "FuzzTarget.h"

#include "SamplePlant.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEDecoder.h"
#include "cbe/CBEExpression.h"
#include "cbe/CBEProgramText.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const char kTarget[] = "fuzz_cbe_parse";
constexpr size_t kProgramSize = 32;
constexpr uint8_t kDirect = 1;
constexpr uint8_t kProgram = 2;

// The sample plant in g_zpConf, which the decoder and the text model read; groups 1 to 10 are
// direct.
void load_cbe_plant()
{
    load_sample_plant(g_zpConf, kTarget);
    const u8 direct[2] = {10, 0};
    if (g_zpConf->set_data(2, direct, 2, 5206) != ZP_OK)
        fuzz_fail(kTarget, "the direct-group count could not be set");
}

void check_parse(bool direct, const QString& text)
{
    Ov4800::CBEExpression expression(direct);
    if (!expression.parse(direct, text))
        return;
    const QString built = expression.getString();
    Ov4800::CBEExpression again(direct);
    if (!again.parse(direct, built))
        fuzz_fail(kTarget, "\"%s\" parsed to \"%s\", which does not parse", qPrintable(text), qPrintable(built));
    if (again.getString() != built)
        fuzz_fail(kTarget, "\"%s\" parsed to \"%s\", which parses to \"%s\"", qPrintable(text), qPrintable(built),
                  qPrintable(again.getString()));
}

void check_program(bool direct, const uint8_t* data, size_t size)
{
    u8 program[kProgramSize] = {};
    std::memcpy(program, data, std::min(size, kProgramSize));
    const Ov4800::ProgramText text = Ov4800::programText(program, direct);
    if (text.decoded && text.text.isEmpty())
        fuzz_fail(kTarget, "a decoded program gave no text");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The operands log as they are built; the fuzzer wants its own output only.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    load_cbe_plant();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool direct = (data[0] & kDirect) != 0;
    if (data[0] & kProgram)
        check_program(direct, data + 1, size - 1);
    else
        check_parse(direct, QString::fromLatin1(reinterpret_cast<const char*>(data + 1), int(size - 1)));
    return 0;
}

int fuzz_write_seeds(const std::string& dir)
{
    // Programs of the compiler, for conditions of group 21 and direct programs; each is saved
    // as the decoder's text and as the program itself.
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
        const bool direct = text[0] == '(';
        request.listMode = direct ? 1 : 0;
        if (CBEExpr_Parse(&request) <= 0) {
            std::fprintf(stderr, "%s: seed \"%s\" does not compile (error %d)\n", kTarget, text, request.errorCode);
            return 1;
        }
        std::string program(1, char(kProgram | (direct ? kDirect : 0)));
        program.append(buffer, kProgramSize);
        char decoded[kCBEDecodeBufferSize] = {};
        std::memcpy(decoded, buffer, kProgramSize);
        CBEDecodeRequest decode{decoded, 0, 0};
        if (CBEExpr_ToString(&decode) != 0) {
            std::fprintf(stderr, "%s: seed \"%s\" does not decode\n", kTarget, text);
            return 1;
        }
        const std::string seed = std::string(1, char(direct ? kDirect : 0)) + decoded;
        ok = fuzz_save(dir, "program_" + std::to_string(n), program) && ok;
        ok = fuzz_save(dir, "text_" + std::to_string(n), seed) && ok;
        ++n;
    }
    return ok ? 0 : 1;
}
