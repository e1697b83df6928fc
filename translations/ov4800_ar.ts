<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>لا يوجد</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>أخطاء في قراءة الملف</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>إصدار الملف غير مدعوم</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>الملف ليس ملف منشأة</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>خطأ في المجموع الاختباري: الملف تالف</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>الملف تالف أو بتنسيق غير معروف</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>القيمة كبيرة جدًا</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>رقم الحلقة كبير جدًا</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>عنوان النقطة كبير جدًا</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>رقم المجموعة كبير جدًا</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>العنوان الفرعي كبير جدًا</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>قيمة الوقت كبيرة جدًا</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>شهر غير صالح </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>يوم غير صالح</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>سنة غير صالحة</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>قيمة الوقت كبيرة جدًا</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>وقت البدء بعد وقت الانتهاء</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>رقم المنطقة كبير جدًا</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>قيمة النغمة غير صالحة</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>قيمة مستوى الصوت خارج النطاق</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>قيمة المنطقة غير صالحة </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>رقم المجموعة غير صالح</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>رقم المجموعة غير صالح</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>رقم المجموعة غير صالح</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>رقم المجموعة غير صالح</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>وحدة الإخراج غير صالحة</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>وحدة الإخراج غير صالحة</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>عنوان النقطة غير صالح</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>أقواس غير متوازنة</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>البرنامج طويل جدًا</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>مسافة</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>إدخال</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>أقواس متداخلة أكثر من اللازم</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>أمر مكرر</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>زمن التأخير كبير جدًا في المعامل DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>رقم الحلقة غير صالح </translation>
    </message>
    <message id="CBE_UNEXPECTED_GROUP">
        <source>Unexpected 'G' operator</source>
        <translation>المعامل 'G' غير متوقع</translation>
    </message>
    <message id="CBE_UNEXPECTED_LOOP">
        <source>Unexpected 'L' operator </source>
        <translation>المعامل 'L' غير متوقع </translation>
    </message>
    <message id="CBE_UNEXPECTED_MODULE">
        <source>Unexpected 'M' operator</source>
        <translation>المعامل 'M' غير متوقع</translation>
    </message>
    <message id="CBE_UNEXPECTED_SENSOR">
        <source>Unexpected 'D' operator</source>
        <translation>المعامل 'D' غير متوقع</translation>
    </message>
    <message id="CBE_MODULE_INDEX_OUT_OF_RANGE">
        <source>Invalid Module address</source>
        <translation>عنوان الوحدة غير صالح</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>عنوان الكاشف غير صالح</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>خطأ عام</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>خطأ في المعامل</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>خطأ في الاقتطاع</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>‏TIM ليس المعامل الوحيد في CBE</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>‏TIM: وقت بدء غير صالح</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>‏TIM: وقت الانتهاء غير موجود</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>‏TIM: وقت البدء أو الانتهاء بدون 'دقائق'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>‏TIM: قيمة وقت الانتهاء غير صالحة</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>‏TIM: قيمة الساعات غير صالحة</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>‏TIM: فاصل التاريخ غير صالح</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>‏TIM: قيمة الشهر غير صالحة</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>‏TIM: قيمة اليوم غير صالحة</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>‏TIM: قيمة السنة غير صالحة</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>‏TIM: تاريخ غير صالح</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>عدد المعاملات كبير جدًا</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>عنوان الحلقة غير صالح</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>‏DEL/SDEL: فاصل غير صحيح</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>التعبير DEL أو SDEL غير مكتمل</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>التعبير TIM غير مكتمل</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>‏DEL ليس المعامل الوحيد في CBE</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>‏SDEL ليس المعامل الوحيد في CBE</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>عنوان اللوحة غير صالح</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>المعامل 'C' غير متوقع</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>رقم المنطقة غير صالح</translation>
    </message>
    <message id="CBE_UNEXPECTED_ZONE">
        <source>Unexpected 'Z' operator</source>
        <translation>المعامل 'Z' غير متوقع</translation>
    </message>
    <message id="CBE_UNEXPECTED_EVAC">
        <source>Unexpected 'EVAC' operator</source>
        <translation>المعامل 'EVAC' غير متوقع</translation>
    </message>
    <message id="CBE_EVAC_IN_LIST">
        <source>EVAC cannot stand in a list of outputs</source>
        <translation>‏EVAC لا يمكن أن يكون في قائمة مخرجات</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>‏TONE ليس المعامل الوحيد في CBE</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>رقم منطقة غير صالح في TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>‏TONE: القيمة خارج النطاق</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>قيمة مستوى الصوت غير صالحة</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>المعامل SYS غير مسموح به</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>‏DIS ليس المعامل الوحيد في CBE</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>الأمران DEL و SDEL: التأخير غير موجود</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>الصيغة غير منتهية بشكل صحيح</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>المعامل غير موجود</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>عنوان الكاشف غير صالح</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>عنوان الكاشف غير صالح</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>عنوان فرعي غير صالح</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>الكاشف المرتبط مستخدم بالفعل </translation>
    </message>
    <message id="ERR_FLT_DUPLICATED">
        <source>Duplicated filter</source>
        <translation>مرشح مكرر</translation>
    </message>
    <message id="ERR_FLT_SMALLER">
        <source>Irrelevant filter</source>
        <translation>مرشح غير ذي صلة</translation>
    </message>
    <message id="ERROR_UNDEF">
        <source>Generic Error</source>
        <translation>خطأ عام</translation>
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
        <translation>العلامة التجارية للكواشف</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>منشأة جديدة</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>الإصدار</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>إصدار بيانات اللوحة</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>خيارات</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>معلومات</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>فتح...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>فتح ملف حديث</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>مسح القائمة</translation>
    </message>
    <message id="Salva">
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message id="SalvaConNome">
        <source>Save as...</source>
        <translation>حفظ باسم...</translation>
    </message>
    <message id="EsportaPDF">
        <source>Export to PDF...</source>
        <translation>تصدير إلى PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>تصدير إلى CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>تجميع البيانات للوحة...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>استيراد ملف من اللوحة...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>سمة الألوان</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>داكن</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>فاتح</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>بحث...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>فتح ملف منشأة</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>إنشاء منشأة جديدة</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>حفظ التغييرات</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>تصدير البيانات بصيغة PDF</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>تصدير البيانات بصيغة CSV</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>تجميع البيانات للوحة</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>استيراد ملف من اللوحة</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>التحقق من منطق التحكم بالأحداث</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>المنشأة</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>معلومات المنشأة</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>المعلمات العامة</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>كلمات المرور</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>اللوحات</translation>
    </message>
    <message id="PAGE_CPU_DATA">
        <source>Panel</source>
        <translation>اللوحة</translation>
    </message>
    <message id="PAGE_GROUPS">
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message id="PAGE_AREAS">
        <source>Areas</source>
        <translation>المناطق</translation>
    </message>
    <message id="PAGE_REPEATERS">
        <source>Repeaters</source>
        <translation>المكررات</translation>
    </message>
    <message id="PAGE_ANNUNCIATORS">
        <source>Annunciators</source>
        <translation>لوحات الإعلان</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>حقوق النشر (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>بدون مرشح</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>عطل اللوحة</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>استبعاد اللوحة</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>إنذار المنطقة</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>عطل المنطقة</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>إنذار وعطل المنطقة</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>استبعاد المنطقة</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>اختبار المنطقة</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>إنذار الكاشف</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>عطل الكاشف</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>إنذار وعطل الكاشف</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>استبعاد الكاشف</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>إنذار الوحدة</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>عطل الوحدة</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>إنذار وعطل الوحدة</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>استبعاد الوحدة</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>النظام بأكمله</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>جميع المناطق</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>اسم الملف</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>تاريخ الإنشاء</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>الرقم</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>نوع المرشح</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>هدف المرشح</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>شاشة العرض</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>لوحة بيانية</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>ليل ونهار</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>إنذار مبدئي</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>الربط</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>الكواشف</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>الوحدات</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>مجموعة الحساسية المنخفضة</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>مجموعة الحساسية العالية</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>نوع المجموعة</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>تأكيد مزدوج</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>مباشر</translation>
    </message>
    <message id="CSV_REVERSE">
        <source>Reverse</source>
        <translation>عكسي</translation>
    </message>
    <message id="GROUP_INDEX">
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message id="GROUP_REMOVE">
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>المجموعات المباشرة</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>المباشرة</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>العكسية</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>لا تستطيع لوحة المفاتيح تعديل هذا البرنامج: إدخال يبقيه كما هو، والمسح للخلف يمحوه.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>التحقق المنطقي</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>لوحات الإعلان</translation>
    </message>
    <message id="CSV_VIWER_FILE_PREFIX">
        <source>Viewers</source>
        <translation>شاشات العرض</translation>
    </message>
    <message id="CSV_AREASSYSTEM">
        <source>Zones</source>
        <translation>المناطق</translation>
    </message>
    <message id="CSV_CPUSSYSTEM">
        <source>Panels</source>
        <translation>اللوحات</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>العائلة</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>كاشف</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>وحدة</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>نوع الحلقة</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>مفتوحة</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>مغلقة</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL">
        <source>Protocol</source>
        <translation>البروتوكول</translation>
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
        <translation>العنوان</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>التدقيق</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>التتبع</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>الوميض</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>مستوى الإنذار</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>حساسية منخفضة</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>حساسية عادية</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>حساسية عالية</translation>
    </message>
    <message id="FormulaCBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="areaIndex">
        <source>Zone</source>
        <translation>المنطقة</translation>
    </message>
    <message id="checkRaviSCtrlDisa">
        <source>Sounder control off</source>
        <translation>التحكم بالصافرة معطّل</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV1">
        <source>Input device 1</source>
        <translation>جهاز الإدخال 1</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV2">
        <source>Input device 2</source>
        <translation>جهاز الإدخال 2</translation>
    </message>
    <message id="CSV_KORVA_INPUT_LGC">
        <source>Input logic</source>
        <translation>منطق الإدخال</translation>
    </message>
    <message id="CSV_PT_TYPE_IN_OUT">
        <source>Input/output</source>
        <translation>إدخال/إخراج</translation>
    </message>
    <message id="CSV_CPUINDEX">
        <source>Panel</source>
        <translation>اللوحة</translation>
    </message>
    <message id="CSV_CPUSTAT">
        <source>Installed</source>
        <translation>مثبتة</translation>
    </message>
    <message id="CSV_CPUDESCRIPTION">
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>الحلقات</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>عنوان RS لـ SIB</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>عنوان SIB</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>قناع الشبكة لـ SIB</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>بوابة SIB</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>مفعّل</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>معطّل</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>لا يوجد</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>استبعاد</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>عطل</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>إخلاء</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>إنذار</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>إنذار مبدئي</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>صافرة</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>غير مراقب</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>مراقب (ديود)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>مراقب (مقاومة)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>بدون</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>فردي</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>زوجي</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>غير محدد</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>مفعّل</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>المعلمات العامة</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>المكررات</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>ستتم إزالة بطاقات الحلقات التي تتجاوز العدد الجديد مع حلقاتها ونقاطها. هل تريد المتابعة؟</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>لا تضم المنشأة المستقلة إلا وحدة المعالجة 1. ستتم إزالة وحدات المعالجة الأخرى مع أسمائها وحلقاتها وبطاقاتها وأجهزتها (وحدات المعالجة: %1، بطاقات الحلقات: %2، الأجهزة: %3). هل تريد المتابعة؟</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>تغيير نوع الحلقة؟</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>سيتم حذف جميع نقاط الحلقة.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>عدد الحلقات كبير جدًا لهذا النوع من المنشآت.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>الحد الأقصى لعدد الحلقات</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>تكافؤ الطابعة</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>سرعة الطابعة</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>اختبار التجوال</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>لوحة اختبار التجوال</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>حلقة اختبار التجوال</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>عنوان اختبار التجوال</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>العنوان الفرعي لاختبار التجوال</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>وميض LED</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>تفعيل فوري للصفارات</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>تأخير الصفارات</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>فحص الكواشف</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>وقت فحص الكواشف</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>وقت منع الإقرار</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>الإقرار التلقائي</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>وقت الإقرار التلقائي</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>وقت عطل النظام</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>تحذير الانجراف</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>فحص الأرقام التسلسلية</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>مستوى الإنذار المبدئي</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>طباعة الأحداث</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>وقت عطل الاستجابة غير الصالحة</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>وقت العطل الكاذب</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>وقت عطل الدائرة المفتوحة</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>وقت عطل القيمة المنخفضة للحجرة</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>وقت عطل الصيانة</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>ربط الصفارات</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>نغمة الصفارات</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>مستوى صوت الصفارات</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>نغمة الإخلاء</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>مستوى صوت الإخلاء</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>طور الصفارات</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>مخرج إنذار مراقَب</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>مخرج مراقَب 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>مخرج مراقَب 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>مرحّل الوظيفة 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>مرحّل الوظيفة 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>ملف المنشأة هذا من إصدار سابق وقد تم تحويله. تحقق من المنشأة بالكامل قبل حفظها أو تجميعها.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>طوبولوجيا النظام</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>المعلمات العامة للنظام</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>كلمات المرور</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>خيارات المناطق</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>خيارات المجموعات</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>مقويات ناقل CAN</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>تهيئة اللوحات</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>الكواشف</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>الوحدات</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>المعلمات العامة</translation>
    </message>
    <message id="PAGE_ZONE">
        <source>Zones</source>
        <translation>المناطق</translation>
    </message>
    <message id="PAGE_GRUPPI">
        <source>Groups</source>
        <translation>المجموعات</translation>
    </message>
    <message id="PAGE_CENTRALE">
        <source>Panels</source>
        <translation>اللوحات</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>اختر ملف المنشأة</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>الامتداد %1 خاص بملفات المنشأة لعلامة تجارية أخرى: هذا البرنامج يفتح ملفات المنشأة %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>اختر ملف صورة اللوحة</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>ملفات المنشأة</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>ملفات صور اللوحة</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>ملفات PDF</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>اختر مجلد الوجهة</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>تجميع</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>بعض أجهزة المنشأة غير مخصصة لمنطقة. هل تريد التجميع على أي حال؟</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>الملف موجود بالفعل. هل تريد استبداله؟</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>تعذرت كتابة الملف</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>تعذرت كتابة الملف %1: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>تعذرت كتابة الملف %1: %2. تم استبدال ملفات التصدير المكتوبة قبله؛ أما هو والملفات التي تليه فلم تتغير.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>تم استبدال الملف %1. ويحتفظ الملف %2 بمحتواه السابق.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>%n برنامج يحتوي على أخطاء وكُتب فارغًا.</numerusform>
            <numerusform>برنامج واحد يحتوي على أخطاء وكُتب فارغًا.</numerusform>
            <numerusform>برنامجان يحتويان على أخطاء وكُتبا فارغين.</numerusform>
            <numerusform>%n برامج تحتوي على أخطاء وكُتبت فارغة.</numerusform>
            <numerusform>%n برنامجًا يحتوي على أخطاء وكُتب فارغًا.</numerusform>
            <numerusform>%n برنامج يحتوي على أخطاء وكُتب فارغًا.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>%n جهاز لم يتسع وتم حذفه.</numerusform>
            <numerusform>جهاز واحد لم يتسع وتم حذفه.</numerusform>
            <numerusform>جهازان لم يتسعا وتم حذفهما.</numerusform>
            <numerusform>%n أجهزة لم تتسع وتم حذفها.</numerusform>
            <numerusform>%n جهازًا لم يتسع وتم حذفه.</numerusform>
            <numerusform>%n جهاز لم يتسع وتم حذفه.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>تمت كتابة الملفات. هل تريد فتح المجلد؟</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>تعذر فتح المجلد</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>المجلد: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>تصدير CSV</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>تعذرت كتابة ملفات التصدير</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>اكتمل التصدير</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>تم تعديل المنشأة.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>هل تريد حفظ التغييرات؟</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>حفظ باسم</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>غير مخصصة</translation>
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
        <translation>لا شيء</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>مستقلة</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>شبكية</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>إزالة</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>لصق</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>%1 حرفًا على الأكثر</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>يُسمح فقط بأحرف Latin-1 (حروف أوروبا الغربية)</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>وصف المنشأة</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>نوع المنشأة</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>نوع اللوحة</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>وحدات CPU المفعّلة</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>الحلقات المستخدمة</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>مزود طاقة غير منقطعة</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>نوع وحدة المعالجة</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>بطاقات الحلقات</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>الحلقة %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>قناع الشبكة</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>البوابة</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>بوابة الشبكة</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>نظام الإشراف</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>غير مثبت</translation>
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
        <translation>عنوان Modbus</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>معدل الباود</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>تأخذ اللوحة هذه الإعدادات من بطاقة الواجهة لوحدة المعالجة 1: حدد SIB لضبطها.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>عنوان مضيف غير صالح</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>قناع شبكة غير صالح</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>البوابة ليست ضمن الشبكة الفرعية للعنوان</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>شاشات العرض</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>شاشات LCD</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>لوحات الإعلان</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>لوحات الإعلان</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>اختر هدفًا</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>يمكن تثبيت 32 شاشة عرض ولوحة إعلان على الأكثر في وحدة المعالجة المركزية</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>تحتفظ اللوحة بـ 16 شاشة عرض لكل وحدة معالجة مركزية: لا يمكن تثبيت العناوين من 17 إلى 32</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>تحتوي لوحة الإعلان على 64 مرشح أحداث على الأكثر</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>يحتوي الجهاز على مرشحات أحداث ستُفقد. هل تريد إزالته على أي حال؟</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>لا تسأل مرة أخرى</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>العناوين التالية غير متاحة: الجهاز يحتاج إليها</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>هذا العنوان مشغول بقناة وحدة في عنوان سابق</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>نقل إعدادات النوع القديم إلى النوع الجديد؟</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>املأ بمرشحات الأحداث</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>إزالة كل مرشحات الأحداث</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>الكواشف والوحدات</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>إخفاء العناوين الفارغة</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>النقاط المعطلة فقط</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>اختر مخرج اختبار التجوال</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>مخرج اختبار التجوال لم يعد وحدة إخراج صالحة</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>لا يحتوي النظام على وحدة إخراج</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message id="searchZone">
        <source>Zone</source>
        <translation>منطقة</translation>
    </message>
    <message id="searchGroup">
        <source>Group</source>
        <translation>مجموعة</translation>
    </message>
    <message id="searchSensor">
        <source>Detector</source>
        <translation>كاشف</translation>
    </message>
    <message id="searchModule">
        <source>Module</source>
        <translation>وحدة</translation>
    </message>
    <message id="cpuAddress">
        <source>Panel</source>
        <translation>اللوحة</translation>
    </message>
    <message id="lineIndex">
        <source>Loop</source>
        <translation>الحلقة</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>رقم المجموعة</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>العنوان</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>غير موجود</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>اختبار التجوال</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>لا شيء</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>صافرة</translation>
    </message>
    <message id="Modulo">
        <source>Module</source>
        <translation>وحدة</translation>
    </message>
    <message id="Deriva">
        <source>Drift warning</source>
        <translation>تحذير الانجراف</translation>
    </message>
    <message id="ModalitaNona">
        <source>Event printing</source>
        <translation>طباعة الأحداث</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>وضع استجابة الصافرة</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>الفحوصات</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>الأزمنة</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>الصافرات والإخلاء</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>المرحلات</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>رمز الدخول للمستوى %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>من %1 إلى %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>%n مجموعة تغيّر نوعها وتفقد برنامجها واسمها. هل تريد تغيير عدد المجموعات المباشرة؟</numerusform>
            <numerusform>مجموعة واحدة تغيّر نوعها وتفقد برنامجها واسمها. هل تريد تغيير عدد المجموعات المباشرة؟</numerusform>
            <numerusform>مجموعتان تغيّران نوعهما وتفقدان برنامجيهما واسميهما. هل تريد تغيير عدد المجموعات المباشرة؟</numerusform>
            <numerusform>%n مجموعات تغيّر نوعها وتفقد برامجها وأسماءها. هل تريد تغيير عدد المجموعات المباشرة؟</numerusform>
            <numerusform>%n مجموعةً تغيّر نوعها وتفقد برامجها وأسماءها. هل تريد تغيير عدد المجموعات المباشرة؟</numerusform>
            <numerusform>%n مجموعة تغيّر نوعها وتفقد برامجها وأسماءها. هل تريد تغيير عدد المجموعات المباشرة؟</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>أرقام فقط، %1 كحد أقصى</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>هذه البرامج تحتوي على أخطاء وسيتم حفظها فارغة:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>لا تحتوي هذه الوحدات على أي قناة محددة النوع ولن يتم حفظها:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>تشترك هذه الأجهزة في عنوان الحلقة مع جهاز آخر وسيتم حفظها كما هي:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>بلا رمز: تحتفظ اللوحة برمزها الخاص %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>لا تُحفظ أوصاف المجموعات في ملف المنشأة.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>لا يُحفظ نوع العارض ولا منطقته الأولى في ملف المنشأة.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>ليس معاملاً للنظام</translation>
    </message>
    <message id="STR_PRESENT">
        <source>Present</source>
        <translation>موجود</translation>
    </message>
    <message id="STR_ABSENT">
        <source>Absent</source>
        <translation>غير موجود</translation>
    </message>
    <message id="LampeggioAbilitato">
        <source>Flashing enabled</source>
        <translation>الوميض مفعّل</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>الوميض معطّل</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>فحص الكواشف مفعّل</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>فحص الكواشف معطّل</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>الإسكات التلقائي مفعّل</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>الإسكات التلقائي معطّل</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>تحذير الانجراف مفعّل</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>تحذير الانجراف معطّل</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>الطباعة والأرشفة مفعّلة</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>الطباعة والأرشفة معطّلة</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>عدد المجموعات المباشرة</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>تقرير PDF</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>تمت كتابة تقرير PDF</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>الحلقات</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>الكواشف</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>الوحدات</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>إسكات</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>إسكات تلقائي</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>و</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>أو</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>عدد النقاط كبير جدًا على لوحة الحلقة هذه.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>الحد الأقصى لعدد النقاط لكل لوحة</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>عدد المداخل كبير جدًا على لوحة الحلقة هذه.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>الحد الأقصى لعدد المداخل لكل لوحة</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>عدد أجهزة VARN كبير جدًا على هذه الحلقة.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>تقبل الحلقة 30 جهاز VARN على الأكثر</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>عدد وحدات ADVANCED كبير جدًا على حلقة VARN هذه.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>تقبل حلقة VARN عشر وحدات ADVANCED على الأكثر</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>عدد النقاط كبير جدًا في هذه المنطقة.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>الحد الأقصى لعدد النقاط لكل منطقة</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>%n جهاز VARN لم يُلصق: العناوين من 100 فما فوق لا تستوعبه.</numerusform>
            <numerusform>جهاز VARN واحد لم يُلصق: العناوين من 100 فما فوق لا تستوعبه.</numerusform>
            <numerusform>جهازا VARN لم يُلصقا: العناوين من 100 فما فوق لا تستوعبهما.</numerusform>
            <numerusform>%n أجهزة VARN لم تُلصق: العناوين من 100 فما فوق لا تستوعبها.</numerusform>
            <numerusform>%n جهازًا من أجهزة VARN لم يُلصق: العناوين من 100 فما فوق لا تستوعبها.</numerusform>
            <numerusform>%n جهاز VARN لم يُلصق: العناوين من 100 فما فوق لا تستوعبها.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>لم تُلصق بعض الصفوف: صف القناة لا يقبل إلا قناة من نوع الجهاز نفسه، وصف الجهاز لا يقبل أي قناة.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>لصق خاص</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>تحديد الكل</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>المعاملات</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>الوصف</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>إضافة العنوان بعد الوصف</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>وضع العنوان قبل الوصف</translation>
    </message>
    <message id="PT_PASTE_CBE">
        <source>CBE program</source>
        <translation>برنامج CBE</translation>
    </message>
    <message id="PT_PASTE_AREA">
        <source>Zone</source>
        <translation>المنطقة</translation>
    </message>
</context>
</TS>
