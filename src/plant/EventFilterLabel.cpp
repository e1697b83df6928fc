#include "plant/EventFilterLabel.h"

#include <QtGlobal>

QString eventFilterTypeLabel(u32 type)
{
    static const char* const kIds[] = {
        QT_TRID_NOOP("LBL_EVT_FILTER_NONE"),           QT_TRID_NOOP("LBL_EVT_FILTER_FAIL_SYS"),
        QT_TRID_NOOP("LBL_EVT_FILTER_EXCL_SYS"),       QT_TRID_NOOP("LBL_EVT_FILTER_ALARM_ZONE"),
        QT_TRID_NOOP("LBL_EVT_FILTER_FAIL_ZONE"),      QT_TRID_NOOP("LBL_EVT_FILTER_ALARM_FAIL_ZONE"),
        QT_TRID_NOOP("LBL_EVT_FILTER_EXCL_ZONE"),      QT_TRID_NOOP("LBL_EVT_FILTER_TEST_ZONE"),
        QT_TRID_NOOP("LBL_EVT_FILTER_ALARM_DET"),      QT_TRID_NOOP("LBL_EVT_FILTER_FAIL_DET"),
        QT_TRID_NOOP("LBL_EVT_FILTER_ALARM_FAIL_DET"), QT_TRID_NOOP("LBL_EVT_FILTER_EXCL_DET"),
        QT_TRID_NOOP("LBL_EVT_FILTER_ALARM_MOD"),      QT_TRID_NOOP("LBL_EVT_FILTER_FAIL_MOD"),
        QT_TRID_NOOP("LBL_EVT_FILTER_ALARM_FAIL_MOD"), QT_TRID_NOOP("LBL_EVT_FILTER_EXCL_MOD"),
    };
    if (type >= sizeof kIds / sizeof kIds[0])
        return QString();
    return qtTrId(kIds[type]);
}
