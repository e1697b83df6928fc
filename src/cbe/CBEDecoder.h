#pragma once
// Turns a stored control-by-event program back into the expression text that compiles to it.
#include "OS/types.h"

// Size of the caller's text buffer. The longest text a 32-byte program gives is well below it;
// the decoder still never writes past it.
constexpr u32 kCBEDecodeBufferSize = 251;

struct CBEDecodeRequest {
    // In: a zeroed buffer of kCBEDecodeBufferSize bytes whose first 32 bytes hold the program.
    // Out: the text, written over the program and NUL-terminated (on failure too).
    char* buffer;
    // Out: nibbles consumed when the call ended, the end nibble or the faulty one included.
    u8 nibblePos;
    // Out: characters written for operands, day names, dates, times, TONE parameters and ")";
    // keyword texts do not count. Callers keep the text only when it is not 0.
    u8 textLength;
};

// 0 when the end nibble was reached; -1 on a nibble that is no opcode or keyword where one is
// expected, on a program that runs out of its 64 nibbles, or on a day part after TIM that is
// neither weekdays nor a date. Reads only the first 32 bytes of the buffer and the device
// records of g_zpConf (to write a module the way the compiler looks it up) and its detector
// brand. All state is per call.
int CBEExpr_ToString(CBEDecodeRequest* request);

// Whether an output's sub-address ("M2.1") is typed under the detector brand of g_zpConf: only
// the first two brands have them. Where it is not, the decoder writes a sub-address only for a
// module's channel.
bool cbeOutputSubAddressTyped();

// Whether the panel's record that a reference to the module at (cpu, loop, address), all 0-based,
// finds without a sub-address is a channel sharing its module's address: the decoder writes its
// sub-address under every brand.
bool cbeStoredChannel(u32 cpu, u32 loop, u32 address);
