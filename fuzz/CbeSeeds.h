#pragma once
// What the CBE targets share: the sample plant with ten direct groups, and the seed programs
// the compiler writes from a few texts that between them use every operator.
#include "FuzzTarget.h"
#include "SamplePlant.h"
#include "cbe/CBECompiler.h"

#include <cstdio>
#include <cstring>

inline void load_cbe_plant(const char* target)
{
    load_sample_plant(g_zpConf, target);
    const u8 direct[2] = {10, 0};
    if (g_zpConf->set_data(2, direct, 2, 5206) != ZP_OK)
        fuzz_fail(target, "the direct-group count could not be set");
}

// Calls each(n, text, direct, program) for every seed program, compiled for group 21 (a
// condition) or as a direct program; false when one does not compile or each returns false.
template <class Each>
bool for_each_seed_program(const char* target, Each each)
{
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
    load_cbe_plant(target);
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
            std::fprintf(stderr, "%s: seed \"%s\" does not compile (error %d)\n", target, text, request.errorCode);
            return false;
        }
        ok = each(n++, text, direct, static_cast<const char*>(buffer)) && ok;
    }
    return ok;
}
