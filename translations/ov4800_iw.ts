<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>אין</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>שגיאות בקריאת הקובץ</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>גרסת הקובץ אינה נתמכת</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>הקובץ לא נמצא</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>הקובץ אינו קובץ מתקן</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>שגיאת סכום ביקורת: הקובץ פגום</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>הקובץ פגום או בתבנית לא מוכרת</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>הערך גדול מדי</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>מספר הלולאה גדול מדי</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>כתובת הנקודה גדולה מדי</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>מספר הקבוצה גדול מדי</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>תת-הכתובת גדולה מדי</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>ערך הזמן גדול מדי</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>חודש לא תקין </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>יום לא תקין</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>שנה לא תקינה</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>ערך הזמן גדול מדי</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>שעת ההתחלה מאוחרת משעת הסיום</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>מספר האזור גדול מדי</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>ערך צליל לא תקין</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>ערך העוצמה מחוץ לטווח</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>ערך אזור לא תקין </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>מספר קבוצה לא תקין</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>מספר קבוצה לא תקין</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>מספר קבוצה לא תקין</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>מספר קבוצה לא תקין</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>מודול יציאה לא תקין</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>מודול יציאה לא תקין</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>כתובת נקודה לא תקינה</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>סוגריים לא מאוזנים</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>התוכנית ארוכה מדי</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>רווח</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>הזנה</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>יותר מדי סוגריים מקוננים</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>פקודה כפולה</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>זמן ההשהיה גדול מדי באופרטור DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>מספר לולאה לא תקין </translation>
    </message>
    <message id="CBE_UNEXPECTED_GROUP">
        <source>Unexpected 'G' operator</source>
        <translation>אופרטור 'G' לא צפוי</translation>
    </message>
    <message id="CBE_UNEXPECTED_LOOP">
        <source>Unexpected 'L' operator </source>
        <translation>אופרטור 'L' לא צפוי </translation>
    </message>
    <message id="CBE_UNEXPECTED_MODULE">
        <source>Unexpected 'M' operator</source>
        <translation>אופרטור 'M' לא צפוי</translation>
    </message>
    <message id="CBE_UNEXPECTED_SENSOR">
        <source>Unexpected 'D' operator</source>
        <translation>אופרטור 'D' לא צפוי</translation>
    </message>
    <message id="CBE_MODULE_INDEX_OUT_OF_RANGE">
        <source>Invalid Module address</source>
        <translation>כתובת מודול לא תקינה</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>כתובת גלאי לא תקינה</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>שגיאה כללית</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>שגיאת אופרטור</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>שגיאת קיטוע</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>‏TIM אינו האופרטור היחיד ב-CBE</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>‏TIM: שעת התחלה לא תקינה</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>‏TIM: שעת הסיום לא נמצאה</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>‏TIM: שעת התחלה או סיום ללא 'דקות'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>‏TIM: ערך שעת סיום לא תקין</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>‏TIM: ערך שעות לא תקין</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>‏TIM: מפריד תאריך לא תקין</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>‏TIM: ערך חודש לא תקין</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>‏TIM: ערך יום לא תקין</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>‏TIM: ערך שנה לא תקין</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>‏TIM: תאריך לא תקין</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>יותר מדי אופרנדים</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>כתובת לולאה לא תקינה</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>‏DEL/SDEL: מפריד שגוי</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>ביטוי DEL או SDEL אינו שלם</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>ביטוי TIM אינו שלם</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>‏DEL אינו האופרטור היחיד ב-CBE</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>‏SDEL אינו האופרטור היחיד ב-CBE</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>כתובת יחידת עיבוד לא תקינה</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>אופרטור 'C' לא צפוי</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>מספר אזור לא תקין</translation>
    </message>
    <message id="CBE_UNEXPECTED_ZONE">
        <source>Unexpected 'Z' operator</source>
        <translation>אופרטור 'Z' לא צפוי</translation>
    </message>
    <message id="CBE_UNEXPECTED_EVAC">
        <source>Unexpected 'EVAC' operator</source>
        <translation>אופרטור 'EVAC' לא צפוי</translation>
    </message>
    <message id="CBE_EVAC_IN_LIST">
        <source>EVAC cannot stand in a list of outputs</source>
        <translation>‏EVAC אינו יכול להופיע ברשימת יציאות</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>‏TONE אינו האופרטור היחיד ב-CBE</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>מספר אזור לא תקין ב-TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>‏TONE: הערך מחוץ לטווח</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>ערך עוצמה לא תקין</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>האופרנד SYS אינו מותר</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>‏DIS אינו האופרטור היחיד ב-CBE</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>פקודות DEL, SDEL: ההשהיה לא נמצאה</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>הנוסחה לא הסתיימה כראוי</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>האופרטור לא נמצא</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>כתובת גלאי לא תקינה</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>כתובת גלאי לא תקינה</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>תת-כתובת לא תקינה</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>הגלאי המשויך כבר בשימוש </translation>
    </message>
    <message id="ERR_FLT_DUPLICATED">
        <source>Duplicated filter</source>
        <translation>מסנן כפול</translation>
    </message>
    <message id="ERR_FLT_SMALLER">
        <source>Irrelevant filter</source>
        <translation>מסנן לא רלוונטי</translation>
    </message>
    <message id="ERROR_UNDEF">
        <source>Generic Error</source>
        <translation>שגיאה כללית</translation>
    </message>
    <message id="Kaldoren">
        <source>Kaldoren</source>
        <translation>Kaldoren</translation>
    </message>
    <message id="Fernholdt">
        <source>Fernholdt</source>
        <translation>Fernholdt</translation>
    </message>
    <message id="Tavrel">
        <source>Tavrel</source>
        <translation>Tavrel</translation>
    </message>
    <message id="Zelmar Detect">
        <source>Zelmar Detect</source>
        <translation>Zelmar Detect</translation>
    </message>
    <message id="Apollo">
        <source>Apollo</source>
        <translation>Apollo</translation>
    </message>
    <message id="Device Brand Chooser">
        <source>Detector brand</source>
        <translation>מותג הגלאים</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>מתקן חדש</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>גרסת נתוני הרכזת</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>קובץ</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>מידע</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>חדש</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>פתיחה...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>פתיחת קובץ אחרון</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>ניקוי הרשימה</translation>
    </message>
    <message id="Salva">
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message id="SalvaConNome">
        <source>Save as...</source>
        <translation>שמירה בשם...</translation>
    </message>
    <message id="EsportaPDF">
        <source>Export to PDF...</source>
        <translation>ייצוא ל-PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>ייצוא ל-CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>הידור עבור הרכזת...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>ייבוא קובץ רכזת...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>יציאה</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>שפה</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>ערכת צבעים</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>כהה</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>בהיר</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>חיפוש...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>פתיחת קובץ מתקן</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>יצירת מתקן חדש</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>שמירת השינויים</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>ייצוא הנתונים כ-PDF</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>ייצוא הנתונים כ-CSV</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>הידור עבור הרכזת</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>ייבוא קובץ מהרכזת</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>בדיקת לוגיקת הבקרה לפי אירועים</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>מתקן</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>מידע על המתקן</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>פרמטרים כלליים</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>סיסמאות</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>רכזות</translation>
    </message>
    <message id="PAGE_CPU_DATA">
        <source>Panel</source>
        <translation>רכזת</translation>
    </message>
    <message id="PAGE_GROUPS">
        <source>Groups</source>
        <translation>קבוצות</translation>
    </message>
    <message id="PAGE_AREAS">
        <source>Areas</source>
        <translation>אזורים</translation>
    </message>
    <message id="PAGE_REPEATERS">
        <source>Repeaters</source>
        <translation>לוחות חוזרים</translation>
    </message>
    <message id="PAGE_ANNUNCIATORS">
        <source>Annunciators</source>
        <translation>לוחות התרעה</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>זכויות יוצרים (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>ללא מסנן</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>תקלת יחידת עיבוד</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>השבתת יחידת עיבוד</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>אזעקת אזור</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>תקלת אזור</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>אזעקה ותקלת אזור</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>השבתת אזור</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>בדיקת אזור</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>אזעקת גלאי</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>תקלת גלאי</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>אזעקה ותקלת גלאי</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>השבתת גלאי</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>אזעקת מודול</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>תקלת מודול</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>אזעקה ותקלת מודול</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>השבתת מודול</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>המערכת כולה</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>כל האזורים</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>שם הקובץ</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>נוצר בתאריך</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>מספר</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>סוג מסנן</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>יעד המסנן</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>צג</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>לוח סינופטי</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>יום ולילה</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>התרעה מוקדמת</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>מתאם</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>גלאים</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>מודולים</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>קבוצת רגישות נמוכה</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>קבוצת רגישות גבוהה</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>סוג קבוצה</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>אישור כפול</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>ישיר</translation>
    </message>
    <message id="CSV_REVERSE">
        <source>Reverse</source>
        <translation>הפוך</translation>
    </message>
    <message id="GROUP_INDEX">
        <source>Groups</source>
        <translation>קבוצות</translation>
    </message>
    <message id="GROUP_REMOVE">
        <source>Remove</source>
        <translation>הסר</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>העתק</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>הדבק</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>קבוצות ישירות</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>ישירות</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>הפוכות</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>לוח המקשים אינו יכול לערוך תוכנית זו: הזנה שומרת אותה כפי שהיא, מחיקה לאחור מוחקת אותה.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>בדיקה לוגית</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>קבוצות</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>לוחות התרעה</translation>
    </message>
    <message id="CSV_VIWER_FILE_PREFIX">
        <source>Viewers</source>
        <translation>צגים</translation>
    </message>
    <message id="CSV_AREASSYSTEM">
        <source>Zones</source>
        <translation>אזורים</translation>
    </message>
    <message id="CSV_CPUSSYSTEM">
        <source>Panels</source>
        <translation>רכזות</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>משפחה</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>גלאי</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>מודול</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>סוג לולאה</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>פתוחה</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>סגורה</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL">
        <source>Protocol</source>
        <translation>פרוטוקול</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL_ADV">
        <source>ADV</source>
        <translation>ADV</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL_APOLLO">
        <source>APOLLO</source>
        <translation>APOLLO</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL_VARN">
        <source>VARN</source>
        <translation>VARN</translation>
    </message>
    <message id="CSV_PT_INDEX">
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>ביקורת</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>מעקב</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>הבהוב</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>רמת התרעה</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>רגישות נמוכה</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>רגישות רגילה</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>רגישות גבוהה</translation>
    </message>
    <message id="FormulaCBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="areaIndex">
        <source>Zone</source>
        <translation>אזור</translation>
    </message>
    <message id="checkRaviSCtrlDisa">
        <source>Sounder control off</source>
        <translation>בקרת צופר מושבתת</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV1">
        <source>Input device 1</source>
        <translation>התקן כניסה 1</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV2">
        <source>Input device 2</source>
        <translation>התקן כניסה 2</translation>
    </message>
    <message id="CSV_KORVA_INPUT_LGC">
        <source>Input logic</source>
        <translation>לוגיקת כניסה</translation>
    </message>
    <message id="CSV_PT_TYPE_IN_OUT">
        <source>Input/output</source>
        <translation>כניסה/יציאה</translation>
    </message>
    <message id="CSV_CPUINDEX">
        <source>Panel</source>
        <translation>רכזת</translation>
    </message>
    <message id="CSV_CPUSTAT">
        <source>Installed</source>
        <translation>מותקנת</translation>
    </message>
    <message id="CSV_CPUDESCRIPTION">
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>לולאות</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>כתובת RS של SIB</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>כתובת SIB</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>מסכת רשת של SIB</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>שער SIB</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>מופעל</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>מושבת</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>השבתה</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>תקלה</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>פינוי</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>אזעקה</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>התרעה מוקדמת</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>צופר</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>לא מפוקח</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>מפוקח (דיודה)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>מפוקח (נגד)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>אי-זוגי</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>זוגי</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>לא מוגדר</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>מופעל</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>פרמטרים כלליים</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>לוחות חוזרים</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>כרטיסי לולאה מעבר למספר החדש יוסרו יחד עם הלולאות והנקודות שלהם. להמשיך?</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>במתקן עצמאי יש רק יחידת עיבוד 1. יחידות העיבוד האחרות יוסרו יחד עם השמות, הלולאות, הכרטיסים והרכיבים שלהן (יחידות עיבוד: %1, כרטיסי לולאה: %2, רכיבים: %3). להמשיך?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>לשנות את סוג הלולאה?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>כל הנקודות של הלולאה יימחקו.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>יותר מדי לולאות לסוג מתקן זה.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>מספר לולאות מרבי</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>מדפסת</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>זוגיות מדפסת</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>קצב מדפסת</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>בדיקת סיור</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>רכזת בדיקת סיור</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>לולאת בדיקת סיור</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>כתובת בדיקת סיור</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>תת-כתובת בדיקת סיור</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>הבהוב LED</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>הפעלת צופרים מיידית</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>השהיית צופרים</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>בדיקת גלאים</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>זמן בדיקת גלאים</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>זמן חסימת אישור</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>אישור אוטומטי</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>זמן אישור אוטומטי</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>זמן תקלת מערכת</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>אזהרת סחיפה</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>בדיקת מספרים סידוריים</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>רמת התרעה מוקדמת</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>הדפסת אירועים</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>זמן תקלת תגובה לא תקינה</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>זמן תקלת שווא</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>זמן תקלת מעגל פתוח</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>זמן תקלת ערך נמוך בתא</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>זמן תקלת תחזוקה</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>התאמת צופרים</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>צליל צופרים</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>עוצמת צופרים</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>צליל פינוי</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>עוצמת פינוי</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>מופע צופרים</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>יציאת אזעקה מפוקחת</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>יציאה מפוקחת 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>יציאה מפוקחת 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>ממסר פונקציה 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>ממסר פונקציה 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>קובץ המתקן הזה הגיע מגרסה קודמת והומר. בדוק את כל המתקן לפני השמירה או ההידור.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>טופולוגיית המערכת</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>פרמטרים כלליים של המערכת</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>סיסמאות</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>אפשרויות אזורים</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>אפשרויות קבוצות</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>מגברי אפיק CAN</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>תצורת רכזות</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>גלאים</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>מודולים</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>פרמטרים כלליים</translation>
    </message>
    <message id="PAGE_ZONE">
        <source>Zones</source>
        <translation>אזורים</translation>
    </message>
    <message id="PAGE_GRUPPI">
        <source>Groups</source>
        <translation>קבוצות</translation>
    </message>
    <message id="PAGE_CENTRALE">
        <source>Panels</source>
        <translation>רכזות</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>בחר קובץ מתקן</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>הסיומת %1 שייכת לקובצי מתקן של מותג אחר: תוכנה זו פותחת קובצי מתקן %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>בחר קובץ תמונה של הרכזת</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>קובצי מתקן</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>קובצי תמונה של הרכזת</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>קובצי PDF</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>בחר את תיקיית היעד</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>הידור</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>חלק מרכיבי המתקן אינם משויכים לאזור. להדר בכל זאת?</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>הקובץ כבר קיים. לשכתב אותו?</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>לא ניתן לכתוב את הקובץ</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>לא ניתן לכתוב את הקובץ %1: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>לא ניתן לכתוב את הקובץ %1: %2. קובצי הייצוא שנכתבו לפניו הוחלפו. הוא והקבצים שאחריו לא השתנו.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>הקובץ %1 הוחלף. הקובץ %2 שומר על תוכנו הקודם.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>בתוכנית אחת יש שגיאות והיא נכתבה ריקה.</numerusform>
            <numerusform>ב-%n תוכניות יש שגיאות והן נכתבו ריקות.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>רכיב אחד לא נכנס והושמט.</numerusform>
            <numerusform>%n רכיבים לא נכנסו והושמטו.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>הקבצים נכתבו. לפתוח את התיקייה?</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>לא ניתן לפתוח את התיקייה</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>תיקייה: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>ייצוא CSV</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>לא ניתן לכתוב את קובצי הייצוא</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>הייצוא הושלם</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>המתקן שונה.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>לשמור את השינויים?</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>שמירה בשם</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>לא משויך</translation>
    </message>
    <message id="CPUInfo-SingleLib">
        <source>1 LIB</source>
        <translation>1 LIB</translation>
    </message>
    <message id="CPUInfo-DoubleLibs">
        <source>2 LIBs</source>
        <translation>2 LIB</translation>
    </message>
    <message id="CPUInfo-ThreeLibs">
        <source>3 LIBs</source>
        <translation>3 LIB</translation>
    </message>
    <message id="CPUInfo-FourLibs">
        <source>4 LIBs</source>
        <translation>4 LIB</translation>
    </message>
    <message id="ID_PT_NONE">
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>עצמאית</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>ברשת</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>הסר</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>העתק</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>הדבק</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>לכל היותר %1 תווים</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>מותרים רק תווי Latin-1 (אותיות מערב אירופה)</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>תיאור המתקן</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>סוג המתקן</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>סוג הרכזת</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>יחידות עיבוד פעילות</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>לולאות בשימוש</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>אל-פסק</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>סוג יחידת עיבוד</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>כרטיסי לולאה</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>לולאה %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>מסכת רשת</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>שער</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>שער רשת</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>מערכת פיקוח</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>לא מותקן</translation>
    </message>
    <message id="LBL_SUP_MODBUS_RTU">
        <source>Modbus RTU</source>
        <translation>Modbus RTU</translation>
    </message>
    <message id="LBL_SUP_MODBUS_TCP">
        <source>Modbus TCP</source>
        <translation>Modbus TCP</translation>
    </message>
    <message id="LBL_SUP_BACNET">
        <source>BACnet</source>
        <translation>BACnet</translation>
    </message>
    <message id="LBL_SUP_MB_ADDRESS">
        <source>Modbus address</source>
        <translation>כתובת Modbus</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>קצב באוד</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>הרכזת לוקחת הגדרות אלה מכרטיס הממשק של יחידת העיבוד 1: סמן SIB כדי לקבוע אותן.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>כתובת מארח לא תקינה</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>מסכת רשת לא תקינה</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>השער אינו ברשת המשנה של הכתובת</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>צגים</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>צגי LCD</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>לוחות התרעה</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>פאנלי התרעה</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>בחר יעד</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>ניתן להתקין לכל היותר 32 צגים ולוחות התרעה ביחידת עיבוד אחת</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>הרכזת שומרת 16 צגים לכל יחידת עיבוד: לא ניתן להתקין את הכתובות 17 עד 32</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>לוח התרעה מכיל לכל היותר 64 מסנני אירועים</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>להתקן יש מסנני אירועים שיאבדו. להסיר אותו בכל זאת?</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>אל תשאל שוב</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>הכתובות הבאות אינן פנויות: ההתקן זקוק להן</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>כתובת זו תפוסה על ידי ערוץ של מודול בכתובת קודמת</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>להעביר את ההגדרות של הסוג הקודם לסוג החדש?</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>מלא במסנני אירועים</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>הסר את כל מסנני האירועים</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>גלאים ומודולים</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>הסתר כתובות ריקות</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>נקודות תקולות בלבד</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>בחר את יציאת בדיקת הסיור</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>יציאת בדיקת הסיור אינה עוד מודול יציאה תקף</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>במערכת אין מודול יציאה</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>חיפוש</translation>
    </message>
    <message id="searchZone">
        <source>Zone</source>
        <translation>אזור</translation>
    </message>
    <message id="searchGroup">
        <source>Group</source>
        <translation>קבוצה</translation>
    </message>
    <message id="searchSensor">
        <source>Detector</source>
        <translation>גלאי</translation>
    </message>
    <message id="searchModule">
        <source>Module</source>
        <translation>מודול</translation>
    </message>
    <message id="cpuAddress">
        <source>Panel</source>
        <translation>רכזת</translation>
    </message>
    <message id="lineIndex">
        <source>Loop</source>
        <translation>לולאה</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>מספר קבוצה</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>כתובת</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>לא נמצא</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>בדיקת סיור</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>ללא</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>צופר</translation>
    </message>
    <message id="Modulo">
        <source>Module</source>
        <translation>מודול</translation>
    </message>
    <message id="Deriva">
        <source>Drift warning</source>
        <translation>אזהרת סחיפה</translation>
    </message>
    <message id="ModalitaNona">
        <source>Event printing</source>
        <translation>הדפסת אירועים</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>מצב תגובת צופרים</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>בדיקות</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>זמנים</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>צופרים ופינוי</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>מדפסת</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>ממסרים</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>קוד גישה לרמה %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>מ-%1 עד %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>קבוצה אחת משנה סוג ומאבדת את התוכנית והשם שלה. לשנות את מספר הקבוצות הישירות?</numerusform>
            <numerusform>%n קבוצות משנות סוג ומאבדות את התוכנית והשם שלהן. לשנות את מספר הקבוצות הישירות?</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>ספרות בלבד, לכל היותר %1</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>בתוכניות אלה יש שגיאות והן יישמרו ריקות:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>למודולים אלה אין ערוץ עם סוג והם לא יישמרו:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>רכיבים אלה חולקים כתובת לולאה עם רכיב אחר ויישמרו כפי שהם:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>ללא קוד: הרכזת שומרת על הקוד שלה %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>תיאורי הקבוצות אינם נשמרים בקובץ המתקן.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>סוג התצוגה והאזור הראשון שלה אינם נשמרים בקובץ המתקן.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>אינו פרמטר של המערכת</translation>
    </message>
    <message id="STR_PRESENT">
        <source>Present</source>
        <translation>קיים</translation>
    </message>
    <message id="STR_ABSENT">
        <source>Absent</source>
        <translation>לא קיים</translation>
    </message>
    <message id="LampeggioAbilitato">
        <source>Flashing enabled</source>
        <translation>הבהוב מופעל</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>הבהוב מושבת</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>בדיקת גלאים מופעלת</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>בדיקת גלאים מושבתת</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>השתקה אוטומטית מופעלת</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>השתקה אוטומטית מושבתת</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>אזהרת סחיפה מופעלת</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>אזהרת סחיפה מושבתת</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>הדפסה ואחסון מופעלים</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>הדפסה ואחסון מושבתים</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>מספר קבוצות ישירות</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>דוח PDF</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>דוח ה-PDF נכתב</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>לולאות</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>גלאים</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>מודולים</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>השתקה</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>השתקה אוטומטית</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>וגם</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>או</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>רמה</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>יותר מדי נקודות בכרטיס לולאה זה.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>המספר המרבי של נקודות לכרטיס</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>יותר מדי כניסות בכרטיס לולאה זה.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>המספר המרבי של כניסות לכרטיס</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>יותר מדי התקני VARN בלולאה זו.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>לולאה מקבלת לכל היותר 30 התקני VARN</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>יותר מדי מודולי ADVANCED בלולאת VARN זו.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>לולאת VARN מקבלת לכל היותר 10 מודולי ADVANCED</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>יותר מדי נקודות באזור זה.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>המספר המרבי של נקודות לאזור</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>התקן VARN אחד לא הודבק: כתובות מ-100 ומעלה אינן יכולות להכיל אותו.</numerusform>
            <numerusform>%n התקני VARN לא הודבקו: כתובות מ-100 ומעלה אינן יכולות להכיל אותם.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>חלק מהשורות לא הודבקו: שורת ערוץ מקבלת רק ערוץ מאותו סוג התקן, ושורת התקן אינה מקבלת ערוץ.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>הדבקה מיוחדת</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>בחר הכל</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>סוג</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>פרמטרים</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>תיאור</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>הוסף את הכתובת אחרי התיאור</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>שים את הכתובת לפני התיאור</translation>
    </message>
    <message id="PT_PASTE_CBE">
        <source>CBE program</source>
        <translation>תוכנית CBE</translation>
    </message>
    <message id="PT_PASTE_AREA">
        <source>Zone</source>
        <translation>אזור</translation>
    </message>
</context>
</TS>
