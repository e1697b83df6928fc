// Fuzz target of the CBE text model on decoded texts and stored programs. The input:
//
//   0     bit 0: direct program; bit 1: the rest is a stored program, else a text
//   then  a text (Latin-1) for CBEExpression::parse, or 32 bytes of byte code (a shorter program
//         is padded with zeros) for programText
//
// parse must not crash, and the text of a tree it built must parse again to the same text.
// programText must give a text for every program it decodes.
#include "CbeSeeds.h"
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
    load_cbe_plant(kTarget);
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
    // Each seed program is saved as the decoder's text and as the program itself.
    const bool ok = for_each_seed_program(kTarget, [&](int n, const char* text, bool direct, const char* code) {
        std::string program(1, char(kProgram | (direct ? kDirect : 0)));
        program.append(code, kProgramSize);
        char decoded[kCBEDecodeBufferSize] = {};
        std::memcpy(decoded, code, kProgramSize);
        CBEDecodeRequest decode{decoded, 0, 0};
        if (CBEExpr_ToString(&decode) != 0) {
            std::fprintf(stderr, "%s: seed \"%s\" does not decode\n", kTarget, text);
            return false;
        }
        const std::string seed = std::string(1, char(direct ? kDirect : 0)) + decoded;
        const bool saved = fuzz_save(dir, "program_" + std::to_string(n), program);
        return fuzz_save(dir, "text_" + std::to_string(n), seed) && saved;
    });
    return ok ? 0 : 1;
}
