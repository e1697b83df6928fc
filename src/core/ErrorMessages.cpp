#include "core/ErrorMessages.h"

namespace {

// Message id of a code that has a text of its own, nullptr otherwise. The ids stand in
// QT_TRID_NOOP so that the translation tools and the id check find them.
const char* messageId(quint32 code)
{
    switch (code) {
    case 0: return QT_TRID_NOOP("ERROR_NONE");
    case 257: return QT_TRID_NOOP("ENABLE_TO_READ_OV_FILE");
    case 259: return QT_TRID_NOOP("FILE_NOT_A_PLANT_FILE");
    case 260: return QT_TRID_NOOP("FILE_VERSION_NOT_SUPPORTED");
    case 264: return QT_TRID_NOOP("FILE_CHECKSUM_ERROR");
    case 265: return QT_TRID_NOOP("FILE_DAMAGED_OR_UNKNOWN_FORMAT");
    case 266: return QT_TRID_NOOP("FILE_NOT_FOUND");
    case 513: return QT_TRID_NOOP("CBE_C_VAL_TOO_BIG");
    case 514: return QT_TRID_NOOP("CBE_L_VAL_TOO_BIG");
    case 515: return QT_TRID_NOOP("CBE_PT_IDX_TOO_BIG");
    case 516: return QT_TRID_NOOP("CBE_G_VAL_TOO_BIG");
    case 517: return QT_TRID_NOOP("CBE_SUB_IDX_TOO_BIG");
    case 518: return QT_TRID_NOOP("CBE_TIME_SLICE_TOO_BIG");
    case 519: return QT_TRID_NOOP("CBE_INVALID_MONTH_INDEX");
    case 520: return QT_TRID_NOOP("CBE_INVALID_YEAR_INDEX");
    case 521: return QT_TRID_NOOP("CBE_TIME_SECONDS_TOO_BIG");
    case 522: return QT_TRID_NOOP("CBE_STIME_GREATER_THAN_END");
    case 523: return QT_TRID_NOOP("CBE_Z_VAL_TOO_BIG");
    case 524: return QT_TRID_NOOP("CBE_INVALID_TONE_INDEX");
    case 525: return QT_TRID_NOOP("CBE_INVALID_VOLUME_INDEX");
    case 526: return QT_TRID_NOOP("CBE_INVALID_AREA_INTERVAL");
    case 527: return QT_TRID_NOOP("CBE_DIRECT_INV_GROUP_IDX");
    case 528: return QT_TRID_NOOP("CBE_DIRECT_INV_GROUP_IDX_1");
    case 529: return QT_TRID_NOOP("CBE_REVERSE_INV_GROUP_IDX");
    case 530: return QT_TRID_NOOP("CBE_REVERSE_INV_GROUP_IDX_1");
    case 531: return QT_TRID_NOOP("CBE_DIRECT_INV_OUT_MODULE");
    case 532: return QT_TRID_NOOP("CBE_DIRECT_INV_OUT_SUB");
    case 533: return QT_TRID_NOOP("CBE_INV_POINT");
    case 534: return QT_TRID_NOOP("CBE_UNBALANCED_BRACKETS");
    case 535: return QT_TRID_NOOP("CBE_PROGRAM_TOO_LONG");
    case 536: return QT_TRID_NOOP("CBE_STACK_OVERFLOW");
    case 537: return QT_TRID_NOOP("CBE_DUPLICATED_CMD");
    case 538: return QT_TRID_NOOP("CBE_BAD_DEL_DELAY");
    case 539: return QT_TRID_NOOP("CBE_LOOP_INDEX_OUT_OF_RANGE");
    case 540: return QT_TRID_NOOP("CBE_UNEXPECTED_GROUP");
    case 541: return QT_TRID_NOOP("CBE_UNEXPECTED_LOOP");
    case 542: return QT_TRID_NOOP("CBE_UNEXPECTED_MODULE");
    case 543: return QT_TRID_NOOP("CBE_UNEXPECTED_SENSOR");
    case 544: return QT_TRID_NOOP("CBE_MODULE_INDEX_OUT_OF_RANGE");
    case 545: return QT_TRID_NOOP("CBE_SENSOR_INDEX_OUT_OF_RANGE");
    case 546: return QT_TRID_NOOP("CBE_UNEXPECTED_CASE");
    case 547: return QT_TRID_NOOP("CBE_NO_VALID_TOKEN");
    case 548: return QT_TRID_NOOP("CBE_UNEXPECTED_BREAK");
    case 549: return QT_TRID_NOOP("CBE_TIM_NOT_ALONE");
    case 550: return QT_TRID_NOOP("CBE_BAD_TIM_START_TIME");
    case 551: return QT_TRID_NOOP("CBE_TIM_STOP_TIME_NOT_FOUND");
    case 552: return QT_TRID_NOOP("CBE_TIM_NO_MINUTES");
    case 553: return QT_TRID_NOOP("CBE_BAD_TIM_STOP_TIME");
    case 554: return QT_TRID_NOOP("CBE_TIM_START_TIME_HOURS_INVALID");
    case 555: return QT_TRID_NOOP("CBE_TIM_INVALID_DATE_SEPARATOR");
    case 556: return QT_TRID_NOOP("CBE_TIM_BAD_MONTH");
    case 557: return QT_TRID_NOOP("CBE_TIM_BAD_DAY");
    case 558: return QT_TRID_NOOP("CBE_TIM_BAD_YEAR");
    case 559: return QT_TRID_NOOP("CBE_TIM_BAD_DATE");
    case 560: return QT_TRID_NOOP("CBE_TOO_MANY_OPERANDS");
    case 561: return QT_TRID_NOOP("CBE_BAD_LOOP_SYNTAX");
    case 562: return QT_TRID_NOOP("CBE_DEL_SDEL_INVALID_SEPARATOR");
    case 563: return QT_TRID_NOOP("CBE_DEL_SDEL_INCOMPLETE");
    case 564: return QT_TRID_NOOP("CBE_TIM_INCOMPLETE");
    case 565: return QT_TRID_NOOP("CBE_DEL_NOT_ALONE");
    case 566: return QT_TRID_NOOP("CBE_SDEL_NOT_ALONE");
    case 567: return QT_TRID_NOOP("CBE_CPU_INDEX_OUT_OF_RANGE");
    case 568: return QT_TRID_NOOP("CBE_UNEXPECTED_CPU");
    case 569: return QT_TRID_NOOP("CBE_ZONE_INDEX_OUT_OF_RANGE");
    case 570: return QT_TRID_NOOP("CBE_UNEXPECTED_ZONE");
    case 571: return QT_TRID_NOOP("CBE_TONE_NOT_ALONE");
    case 572: return QT_TRID_NOOP("CBE_TONE_BAD_ZONE");
    case 573: return QT_TRID_NOOP("CBE_TONE_OUT_OF_RANGE");
    case 574: return QT_TRID_NOOP("CBE_VOL_OUT_OF_RANGE");
    case 575: return QT_TRID_NOOP("CBE_SYS_INVALID");
    case 576: return QT_TRID_NOOP("CBE_DIS_NOT_ONLY");
    case 577: return QT_TRID_NOOP("CBE_DEL_SDEL_DELAY_NOT_FOUND");
    case 578: return QT_TRID_NOOP("CBE_NOT_TERMINATED");
    case 579: return QT_TRID_NOOP("CBE_NOTFOUND_TOKEN");
    case 581: return QT_TRID_NOOP("KORVA_INVALID_INPUT_1");
    case 582: return QT_TRID_NOOP("KORVA_INVALID_INPUT_2");
    case 583: return QT_TRID_NOOP("KORVA_INVALID_SUB");
    case 584: return QT_TRID_NOOP("KORVA_DUPLICATED_INPUT");
    case 585: return QT_TRID_NOOP("ERR_FLT_DUPLICATED");
    case 586: return QT_TRID_NOOP("ERR_FLT_SMALLER");
    // The day of a CBE date; the month keeps 519.
    case 588: return QT_TRID_NOOP("CBE_INVALID_DAY_INDEX");
    case 589: return QT_TRID_NOOP("CBE_UNEXPECTED_EVAC");
    case 590: return QT_TRID_NOOP("CBE_EVAC_IN_LIST");
    default: return nullptr;
    }
}

} // namespace

QString getErrorMessage(const UserErrorCode& code)
{
    // Negative codes become large unsigned ones and so take the generic text.
    if (const char* id = messageId(static_cast<quint32>(code)))
        return qtTrId(id);
    return qtTrId("ERROR_UNDEF") + QLatin1Char(':') + QString::number(static_cast<qint64>(code));
}
