#include "cbe/CBECompiler.h"

#include "cbe/CBEParser.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"

int CBEExpr_Parse(CBECompileRequest* request)
{
    if (!request || !request->text)
        return -1;
    CBEParser parser(*g_zpConf, *request);
    return parser.run();
}

bool cbeMayNameModule(u8 ownerKind, bool direct, bool flt, u32 typeClass)
{
    if (ownerKind == CBE_OWNER_SENSOR)
        return true;
    if (direct)
        return typeClass != TYPE_CLASS_INPUT;
    if (ownerKind == CBE_OWNER_MODULE)
        return typeClass == TYPE_CLASS_INPUT || flt;
    return typeClass != TYPE_CLASS_OUTPUT || flt;
}

bool cbeMayNameSensor(bool direct, u32 deviceClass)
{
    return !direct || deviceClass == 0;
}

CBEToneLimits cbeToneLimits(u32 brand)
{
    const u16 limits = get_siren_limits(brand);
    CBEToneLimits l;
    l.tone = (limits & 0xFFu) + 1;
    l.volume = (limits >> 8) + 1;
    return l;
}

CBEToneLimits cbePanelToneLimits()
{
    BlockLock<ZpData::IF_ZpxProg> general(*g_zpConf, 0, 2, 2);
    return cbeToneLimits(general.layout() ? general->get_sensor_brand() : 0);
}

const char* cbeCompileErrorText(int code)
{
    static constexpr const char* kTexts[52] = {
        "bilanciamento parentesi errato",
        "dimensione CBE troppo grande",
        "CBE non terminata",
        "token non trovato",
        "troppi livelli di parentesi",
        "manca una parentesi aperta",
        "DEL:  SDEL o TONE ripetuti",
        "valore ritardo per DEL troppo grande",
        "comandi DEL: SDEL: ritardo non trovato",
        "indice gruppo fuori range",
        "indice loop fuori range",
        "'G' inaspettato",
        "'L' inaspettato",
        "'M' inaspettato",
        "'S' inaspettato",
        "indice modulo fuori range",
        "indice sensore fuori range",
        "case non previsto",
        "nessun token valido trovato",
        "punto di ritorno non previsto",
        "TIM non e' l'unico operatore nella CBE",
        "TIM: valore di Start Time errato",
        "TIM: Stop Time non trovato",
        "TIM: Start Time o Stop Time senza 'minuti'",
        "TIM: valore di Stop Time errato",
        "TIM non e' l'unico operatore nella CBE",
        "TIM: valore ore non valido",
        "TIM: separatore data non valido",
        "TIM: separatore data non valido",
        "TIM: valore del mese non valido",
        "TIM: valore del giorno non valido",
        "TIM: valore dell'anno non valido",
        "TIM: data non valida",
        "TIM: data non valida",
        "l'operatore deve avere uno ed un solo operando",
        "es.: L1:  cioe' senza moduli o sensori",
        "':' non trovato in DEL:  SDEL",
        "espressione DEL o SDEL non completa",
        "TIM: anno non valido",
        "TIM: espressione non completa",
        "DEL non e' l'unico operatore nella CBE",
        "SDEL non e' l'unico operatore nella CBE",
        "indice cpu fuori range",
        "'C' inaspettato",
        "indice zona fuori range",
        "'Z' inaspettato",
        "TONE non e' l'unico operatore nella CBE",
        "errore zone in TONE",
        "tono fuori range",
        "volume fuori range",
        "operando SYS non ammesso",
        "DIS non e' l'unico operatore nella CBE",
    };
    if (code < 0 || code >= 52)
        return "";
    return kTexts[code];
}

u32 cbeCompileErrorToUserError(int code)
{
    if (code < 0 || code > 53)
        return 65535;
    switch (code) {
    case 0:
    case 5: return 534;
    case 1: return 535;
    case 2: return 578;
    case 3: return 579;
    case 4: return 536;
    case 6: return 537;
    case 7: return 538;
    case 8: return 577;
    case 9: return 528;
    case 20:
    case 25: return 549;
    case 26: return 554;
    case 27:
    case 28: return 555;
    case 29: return 556;
    case 30: return 557;
    case 31:
    case 38: return 558;
    case 32:
    case 33: return 559;
    // EVAC where it may not stand: as an operand there, or in a list of outputs.
    case 52: return 589;
    case 53: return 590;
    default: break;
    }
    if (code >= 10 && code <= 19)
        return u32(539 + (code - 10));
    if (code >= 21 && code <= 24)
        return u32(550 + (code - 21));
    if (code >= 34 && code <= 37)
        return u32(560 + (code - 34));
    return u32(564 + (code - 39)); // 39 to 51
}
