#include "core/CharBuffer.h"

#include <cstring>

namespace {
const int kFieldWidth = 32;
}

QString charBufferToString(char* buffer, int length)
{
    if (!buffer || length <= 0)
        return QString();
    const int width = qMin(length, kFieldWidth);
    const void* zero = std::memchr(buffer, 0, size_t(width));
    if (zero) {
        const int text = int(static_cast<const char*>(zero) - buffer);
        std::memset(buffer + text, 0, size_t(width - text));
        return QString::fromLatin1(buffer, text);
    }
    return QString::fromLatin1(buffer, width);
}
