#pragma once
// The keys of a CBE expression: token codes 0 to 43 and their two spellings. The storage form
// ("SUB1") is what the tree, the editor and the keypad work in; the display form ("SUB") is what
// points and groups keep.
#include <QString>

namespace Ov4800 {

enum TokenCode : uint {
    TK_0 = 0,
    TK_9 = 9,
    TK_C = 10,
    TK_G = 11,
    TK_SYS = 12,
    TK_MO = 13,
    TK_TU,
    TK_WE,
    TK_TH,
    TK_FR,
    TK_SA,
    TK_SU = 19,
    TK_DOT = 20,
    TK_COLON = 21,
    TK_MINUS = 22,
    TK_L = 23,
    TK_S = 24,
    TK_M = 25,
    TK_Z = 26,
    TK_SPACE = 27,
    TK_OPEN = 28,
    TK_CLOSE = 29,
    TK_OR = 30,
    TK_AND,
    TK_NOT,
    TK_XGRP,
    TK_DEL,
    TK_TIM,
    TK_SDEL,
    TK_PRE,
    TK_FLT,
    TK_DIS,
    TK_TAC = 40,
    TK_SUB1 = 41,
    TK_TONE = 42,
    TK_EVAC = 43,
    TK_COUNT = 44,
    TK_NONE = 0xFFFF,
};

// Empty for a code above 43.
QString tokenStorageText(uint code);
QString tokenDisplayText(uint code);
// The code itself for 0 to 43, else TK_NONE.
uint checkTokenCode(uint code);
// 0 to 9 for the digit keys, else -1.
int keyDigitValue(uint key);

} // namespace Ov4800
