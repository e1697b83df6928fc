#include "cbe/CBEProgramText.h"

#include "cbe/CBEDecoder.h"
#include "cbe/CBEExpression.h"

#include <cstring>

namespace Ov4800 {

ProgramText programText(const u8* program, bool direct)
{
    ProgramText result;
    char buffer[kCBEDecodeBufferSize] = {};
    std::memcpy(buffer, program, 32);
    CBEDecodeRequest request{buffer, 0, 0};
    if (CBEExpr_ToString(&request) != 0 || request.textLength == 0)
        return result;
    result.decoded = true;
    const QString decoded = QString::fromLatin1(buffer);
    CBEExpression expression(direct);
    result.faithful = expression.parse(direct, decoded);
    // A text the tree cannot hold is kept as decoded, never shortened.
    result.text = toDisplayString(result.faithful ? expression.getString() : decoded);
    return result;
}

} // namespace Ov4800
