#pragma once
// Text of a fixed-length name field of the panel data (32 bytes, NUL-padded when shorter,
// no terminator when full).
#include <QString>

// Clears the field from its first zero byte to its end and returns the text before that
// byte as Latin-1. Never touches more than 32 bytes, whatever length says; a length of 0 or
// less reads nothing and gives an empty text.
QString charBufferToString(char* buffer, int length);
