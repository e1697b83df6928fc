#include "cbe/CBEProgramText.h"

#include "cbe/CBEDecoder.h"

#include <cstring>

namespace Ov4800 {

ProgramText programText(const u8* program, bool direct)
{
    (void)direct;
    ProgramText result;
    char buffer[kCBEDecodeBufferSize] = {};
    std::memcpy(buffer, program, 32);
    CBEDecodeRequest request{buffer, 0, 0};
    if (CBEExpr_ToString(&request) != 0 || request.textLength == 0)
        return result;
    result.decoded = true;
    result.text = QString::fromLatin1(buffer);
    return result;
}

} // namespace Ov4800
