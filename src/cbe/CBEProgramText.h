#pragma once
// The one path from a stored control-by-event program to the text the plant keeps.
#include "OS/types.h"

#include <QString>

namespace Ov4800 {

struct ProgramText {
    // False when the program does not decode (or decodes to nothing): callers keep their text.
    bool decoded = false;
    // Display form ("SUB"), ready to store in a group or point.
    QString text;
    // False when the text model could not hold the whole decoded text; `text` is then the
    // decoder's own text in display form, never a shortened one, and callers log a warning.
    bool faithful = true;
};

// program: the 32 stored bytes. direct: a direct (operand-list) program, as for a direct group
// or an input point.
ProgramText programText(const u8* program, bool direct);

} // namespace Ov4800
