#include "cbe/CBEToken.h"

namespace Ov4800 {

namespace {

const char* const kStorage[TK_COUNT] = {
    "0",  "1",   "2",   "3",    "4",   "5",   "6",    "7",   "8",   "9",   "C",   "G",    "SYS",  "MO",  "TU",
    "WE", "TH",  "FR",  "SA",   "SU",  ".",   ":",    "-",   "L",   "S",   "M",   "Z",    " ",    "(",   ")",
    "OR", "AND", "NOT", "XGRP", "DEL", "TIM", "SDEL", "PRE", "FLT", "DIS", "TAC", "SUB1", "TONE", "EVAC"};

} // namespace

QString tokenStorageText(uint code)
{
    return code < TK_COUNT ? QString::fromLatin1(kStorage[code]) : QString();
}

QString tokenDisplayText(uint code)
{
    return code == TK_SUB1 ? QStringLiteral("SUB") : tokenStorageText(code);
}

uint checkTokenCode(uint code)
{
    return code < TK_COUNT ? code : uint(TK_NONE);
}

int keyDigitValue(uint key)
{
    return key <= TK_9 ? int(key) : -1;
}

} // namespace Ov4800
