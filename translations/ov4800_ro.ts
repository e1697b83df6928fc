<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>Erori la citirea fișierului</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>Versiune de fișier neacceptată</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>Fișierul nu a fost găsit</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>Fișierul nu este un fișier de instalație</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>Eroare de sumă de control: fișierul este deteriorat</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>Fișierul este deteriorat sau într-un format necunoscut</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>Valoare prea mare</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>Indice de buclă prea mare</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>Adresă de punct prea mare</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>Indice de grup prea mare</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>Subadresă prea mare</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>Valoare de timp prea mare</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>Lună nevalidă </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>Zi nevalidă</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>An nevalid</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>Valoare de timp prea mare</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>Ora de început este după ora de sfârșit</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>Indice de zonă prea mare</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>Valoare de ton nevalidă</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>Valoare de volum în afara intervalului</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>Valoare de zonă nevalidă </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Indice de grup nevalid</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Indice de grup nevalid</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Indice de grup nevalid</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Indice de grup nevalid</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>Modul de ieșire nevalid</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>Modul de ieșire nevalid</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>Adresă de punct nevalidă</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>Paranteze neechilibrate</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>Program prea lung</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>Spațiu</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>Prea multe paranteze imbricate</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>Comandă duplicată</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>Timp de întârziere prea mare în operatorul DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>Număr de buclă nevalid </translation>
    </message>
    <message id="CBE_UNEXPECTED_GROUP">
        <source>Unexpected 'G' operator</source>
        <translation>Operator 'G' neașteptat</translation>
    </message>
    <message id="CBE_UNEXPECTED_LOOP">
        <source>Unexpected 'L' operator </source>
        <translation>Operator 'L' neașteptat </translation>
    </message>
    <message id="CBE_UNEXPECTED_MODULE">
        <source>Unexpected 'M' operator</source>
        <translation>Operator 'M' neașteptat</translation>
    </message>
    <message id="CBE_UNEXPECTED_SENSOR">
        <source>Unexpected 'D' operator</source>
        <translation>Operator 'D' neașteptat</translation>
    </message>
    <message id="CBE_MODULE_INDEX_OUT_OF_RANGE">
        <source>Invalid Module address</source>
        <translation>Adresă de modul nevalidă</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>Adresă de detector nevalidă</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>Eroare generică</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>Eroare de operator</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>Eroare de trunchiere</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>TIM nu este singurul operator din CBE</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>TIM: oră de început nevalidă</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>TIM: ora de sfârșit nu a fost găsită</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>TIM: oră de început sau de sfârșit fără 'minute'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>TIM: valoare nevalidă pentru ora de sfârșit</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>TIM: valoare nevalidă pentru ore</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>TIM: separator de dată nevalid</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>TIM: valoare nevalidă pentru lună</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>TIM: valoare nevalidă pentru zi</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>TIM: valoare nevalidă pentru an</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>TIM: dată nevalidă</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>Prea mulți operanzi</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>Adresă de buclă nevalidă</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>DEL/SDEL: separator incorect</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>Expresie DEL sau SDEL incompletă</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>Expresie TIM incompletă</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>DEL nu este singurul operator din CBE</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>SDEL nu este singurul operator din CBE</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>Adresă de centrală nevalidă</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>Operator 'C' neașteptat</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>Număr de zonă nevalid</translation>
    </message>
    <message id="CBE_UNEXPECTED_ZONE">
        <source>Unexpected 'Z' operator</source>
        <translation>Operator 'Z' neașteptat</translation>
    </message>
    <message id="CBE_UNEXPECTED_EVAC">
        <source>Unexpected 'EVAC' operator</source>
        <translation>Operator 'EVAC' neașteptat</translation>
    </message>
    <message id="CBE_EVAC_IN_LIST">
        <source>EVAC cannot stand in a list of outputs</source>
        <translation>EVAC nu poate apărea într-o listă de ieșiri</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>TONE nu este singurul operator din CBE</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>Număr de zonă nevalid în TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>TONE: valoare în afara intervalului</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>Valoare de volum nevalidă</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>Operandul SYS nu este permis</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>DIS nu este singurul operator din CBE</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>Comenzile DEL, SDEL: întârzierea nu a fost găsită</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>Formula nu este încheiată corect</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>Operatorul nu a fost găsit</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>Adresă de detector nevalidă</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>Adresă de detector nevalidă</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>Subadresă nevalidă</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>Detectorul asociat este deja folosit </translation>
    </message>
    <message id="ERR_FLT_DUPLICATED">
        <source>Duplicated filter</source>
        <translation>Filtru duplicat</translation>
    </message>
    <message id="ERR_FLT_SMALLER">
        <source>Irrelevant filter</source>
        <translation>Filtru irelevant</translation>
    </message>
    <message id="ERROR_UNDEF">
        <source>Generic Error</source>
        <translation>Eroare generică</translation>
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
        <translation>Marca detectoarelor</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>Instalație nouă</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>Versiune</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>Versiunea datelor centralei</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>Fișier</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>Opțiuni</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informații</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>Nou</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>Deschidere...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>Deschidere fișier recent</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>Golire listă</translation>
    </message>
    <message id="Salva">
        <source>Save</source>
        <translation>Salvare</translation>
    </message>
    <message id="SalvaConNome">
        <source>Save as...</source>
        <translation>Salvare ca...</translation>
    </message>
    <message id="EsportaPDF">
        <source>Export to PDF...</source>
        <translation>Export în PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>Export în CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>Compilare pentru centrală...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>Import fișier de centrală...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>Ieșire</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>Limbă</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>Temă de culori</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>Întunecat</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>Luminos</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>Căutare...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>Deschide un fișier de instalație</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>Creează o instalație nouă</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>Salvează modificările</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>Exportă datele în PDF</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>Exportă datele în CSV</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>Compilează pentru centrală</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>Importă un fișier de la centrală</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>Verifică logica de control pe evenimente</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>Instalație</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>Informații despre instalație</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>Parametri generali</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>Parole</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>Centrale</translation>
    </message>
    <message id="PAGE_CPU_DATA">
        <source>Panel</source>
        <translation>Centrală</translation>
    </message>
    <message id="PAGE_GROUPS">
        <source>Groups</source>
        <translation>Grupuri</translation>
    </message>
    <message id="PAGE_AREAS">
        <source>Areas</source>
        <translation>Zone</translation>
    </message>
    <message id="PAGE_REPEATERS">
        <source>Repeaters</source>
        <translation>Repetoare</translation>
    </message>
    <message id="PAGE_ANNUNCIATORS">
        <source>Annunciators</source>
        <translation>Panouri de semnalizare</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>Drepturi de autor (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>Fără filtru</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>Defect centrală</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>Excludere centrală</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>Alarmă zonă</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>Defect zonă</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>Alarmă și defect zonă</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>Excludere zonă</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>Test zonă</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>Alarmă detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>Defect detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>Alarmă și defect detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>Excludere detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>Alarmă modul</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>Defect modul</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>Alarmă și defect modul</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>Excludere modul</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>Întregul sistem</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>Toate zonele</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>Nume fișier</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>Creat la</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>Indice</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>Descriere</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>Tip filtru</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>Țintă filtru</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>Afișor</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>Sinoptic</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>Zi și noapte</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>Prealarmă</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>Corelare</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>Detectoare</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>Module</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>Grup de sensibilitate scăzută</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>Grup de sensibilitate ridicată</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>Tip grup</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>Dublă confirmare</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>Direct</translation>
    </message>
    <message id="CSV_REVERSE">
        <source>Reverse</source>
        <translation>Invers</translation>
    </message>
    <message id="GROUP_INDEX">
        <source>Groups</source>
        <translation>Grupuri</translation>
    </message>
    <message id="GROUP_REMOVE">
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>Copiază</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>Lipește</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>Grupuri directe</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>Directe</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>Inverse</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>Tastatura nu poate modifica acest program: Enter îl păstrează așa cum este, backspace îl șterge.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>Control logic</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>Grupuri</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>Panouri de semnalizare</translation>
    </message>
    <message id="CSV_VIWER_FILE_PREFIX">
        <source>Viewers</source>
        <translation>Afișoare</translation>
    </message>
    <message id="CSV_AREASSYSTEM">
        <source>Zones</source>
        <translation>Zone</translation>
    </message>
    <message id="CSV_CPUSSYSTEM">
        <source>Panels</source>
        <translation>Centrale</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>Tip buclă</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>Deschisă</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>Închisă</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL">
        <source>Protocol</source>
        <translation>Protocol buclă</translation>
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
        <translation>Adresă</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>Descriere</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>Verificare</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>Urmărire</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>Clipire</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>Nivel de alertă</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>Sensibilitate scăzută</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>Sensibilitate normală</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>Sensibilitate ridicată</translation>
    </message>
    <message id="FormulaCBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="areaIndex">
        <source>Zone</source>
        <translation>Zonă</translation>
    </message>
    <message id="checkRaviSCtrlDisa">
        <source>Sounder control off</source>
        <translation>Comandă sirenă dezactivată</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV1">
        <source>Input device 1</source>
        <translation>Dispozitiv de intrare 1</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV2">
        <source>Input device 2</source>
        <translation>Dispozitiv de intrare 2</translation>
    </message>
    <message id="CSV_KORVA_INPUT_LGC">
        <source>Input logic</source>
        <translation>Logică de intrare</translation>
    </message>
    <message id="CSV_PT_TYPE_IN_OUT">
        <source>Input/output</source>
        <translation>Intrare/ieșire</translation>
    </message>
    <message id="CSV_CPUINDEX">
        <source>Panel</source>
        <translation>Centrală</translation>
    </message>
    <message id="CSV_CPUSTAT">
        <source>Installed</source>
        <translation>Instalată</translation>
    </message>
    <message id="CSV_CPUDESCRIPTION">
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>Bucle</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>Adresă RS SIB</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>Adresă SIB</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>Mască de rețea SIB</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>Gateway SIB</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>Activat</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>Dezactivat</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>Excludere</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>Defect</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>Evacuare</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>Alarmă</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>Prealarmă</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>Sirenă</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>Nesupravegheat</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>Supravegheat (diodă)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>Supravegheat (rezistență)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>Niciuna</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>Impară</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>Pară</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>Nedefinit</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>Activat</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>Parametri generali ai instalației</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>Repetoare</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>Plăcile de buclă peste noul număr vor fi eliminate împreună cu buclele și punctele lor. Doriți să continuați?</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>O instalație autonomă are doar CPU 1. Celelalte CPU-uri vor fi eliminate împreună cu numele, buclele, plăcile și dispozitivele lor (CPU-uri: %1, plăci de buclă: %2, dispozitive: %3). Doriți să continuați?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>Schimbați tipul buclei?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>Toate punctele buclei vor fi șterse.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>Prea multe bucle pentru acest tip de instalație.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>Numărul maxim de bucle</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>Imprimantă</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>Paritate imprimantă</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>Viteză imprimantă</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>Test de parcurgere</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>Centrala testului de parcurgere</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>Bucla testului de parcurgere</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>Adresa testului de parcurgere</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>Subadresa testului de parcurgere</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>Clipire LED</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>Activare imediată sirene</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>Întârziere sirene</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>Verificare detectoare</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>Timp verificare detectoare</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>Timp de inhibare a confirmării</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>Confirmare automată</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>Timp confirmare automată</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>Timp defect sistem</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>Avertizare derivă</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>Verificare numere de serie</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>Nivel de prealarmă</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>Tipărire evenimente</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>Timp defect răspuns invalid</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>Timp defect fals</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>Timp defect circuit deschis</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>Timp defect valoare scăzută cameră</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>Timp defect întreținere</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>Corelare sirene</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>Ton sirene</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>Volum sirene</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>Ton evacuare</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>Volum evacuare</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>Fază sirene</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>Ieșire alarmă supravegheată</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>Ieșire supravegheată 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>Ieșire supravegheată 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>Releu funcție 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>Releu funcție 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>Acest fișier de instalație provine dintr-o versiune anterioară și a fost convertit. Verificați întreaga instalație înainte de a o salva sau compila.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>Topologia sistemului</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>Parametrii generali ai sistemului</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>Parole</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>Opțiuni zone</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>Opțiuni grupuri</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>Amplificatoare magistrală CAN</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>Configurarea centralelor</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>Detectoare</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>Module</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>Parametri generali</translation>
    </message>
    <message id="PAGE_ZONE">
        <source>Zones</source>
        <translation>Zone</translation>
    </message>
    <message id="PAGE_GRUPPI">
        <source>Groups</source>
        <translation>Grupuri</translation>
    </message>
    <message id="PAGE_CENTRALE">
        <source>Panels</source>
        <translation>Centrale</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>Alegeți un fișier de instalație</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>Extensia %1 aparține fișierelor de instalație ale altei mărci: acest program deschide fișiere de instalație %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>Alegeți un fișier imagine al centralei</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>Fișiere de instalație</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>Fișiere imagine ale centralei</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>Fișiere PDF</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>Alegeți dosarul de destinație</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>Compilare</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>Unele dispozitive ale instalației nu sunt atribuite unei zone. Compilați totuși?</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>Fișierul există deja. Îl suprascrieți?</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>Fișierul nu poate fi scris</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>Fișierul %1 nu poate fi scris: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>Fișierul %1 nu poate fi scris: %2. Fișierele exportului scrise înaintea lui au fost înlocuite. El și fișierele de după el au rămas neschimbate.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>Fișierul %1 a fost înlocuit. Fișierul %2 își păstrează conținutul anterior.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>%n program are erori și a fost scris gol.</numerusform>
            <numerusform>%n programe au erori și au fost scrise goale.</numerusform>
            <numerusform>%n de programe au erori și au fost scrise goale.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>%n dispozitiv nu a încăput și a fost omis.</numerusform>
            <numerusform>%n dispozitive nu au încăput și au fost omise.</numerusform>
            <numerusform>%n de dispozitive nu au încăput și au fost omise.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>Fișierele au fost scrise. Deschideți dosarul?</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>Dosarul nu poate fi deschis</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>Dosar: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>Export CSV</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>Fișierele de export nu pot fi scrise</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>Export finalizat</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>Instalația a fost modificată.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>Salvați modificările?</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>Salvare ca</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>Neatribuită</translation>
    </message>
    <message id="CPUInfo-SingleLib">
        <source>1 LIB</source>
        <translation>1 LIB</translation>
    </message>
    <message id="CPUInfo-DoubleLibs">
        <source>2 LIBs</source>
        <translation>2 LIB-uri</translation>
    </message>
    <message id="CPUInfo-ThreeLibs">
        <source>3 LIBs</source>
        <translation>3 LIB-uri</translation>
    </message>
    <message id="CPUInfo-FourLibs">
        <source>4 LIBs</source>
        <translation>4 LIB-uri</translation>
    </message>
    <message id="ID_PT_NONE">
        <source>None</source>
        <translation>Niciunul</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>Autonomă</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>În rețea</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>Copiază</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>Lipește</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>Cel mult %1 caractere</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>Sunt permise doar caractere Latin-1 (litere vest-europene)</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>Descrierea instalației</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>Tipul instalației</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>Tipul centralei</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>CPU-uri activate</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>Bucle utilizate</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>Tip CPU</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>Plăci de buclă</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>Bucla %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>Mască de rețea</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>Poartă</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>Poartă de rețea</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>Supervizor</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>Neinstalat</translation>
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
        <translation>Adresă Modbus</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>Viteză (baud)</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>Centrala preia aceste setări de pe placa de interfață a CPU 1: bifați SIB pentru a le seta.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>Adresă de gazdă nevalidă</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>Mască de rețea nevalidă</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>Poarta nu este în subrețeaua adresei</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>Afișoare</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>Ecrane LCD</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>Panouri de semnalizare</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>Tablouri de semnalizare</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>Alegeți o țintă</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>Pe o CPU se pot instala cel mult 32 de afișoare și panouri de semnalizare</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>Centrala păstrează 16 afișoare pe CPU: adresele 17–32 nu pot fi instalate</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>Un panou de semnalizare conține cel mult 64 de filtre de evenimente</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>Dispozitivul are filtre de evenimente care se vor pierde. Îl eliminați totuși?</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>Nu mai întreba</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>Adresele următoare nu sunt libere: dispozitivul are nevoie de ele</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>Această adresă este ocupată de un canal al unui modul de la o adresă anterioară</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>Preluați setările tipului vechi în cel nou?</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>Completează cu filtre de evenimente</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>Elimină toate filtrele de evenimente</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>Detectoare și module</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>Ascunde adresele goale</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>Doar punctele cu defect</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>Alegeți ieșirea testului de parcurgere</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>Ieșirea testului de parcurgere nu mai este un modul de ieșire valid</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>Instalația nu are niciun modul de ieșire</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>Căutare</translation>
    </message>
    <message id="searchZone">
        <source>Zone</source>
        <translation>Zonă</translation>
    </message>
    <message id="searchGroup">
        <source>Group</source>
        <translation>Grup</translation>
    </message>
    <message id="searchSensor">
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message id="searchModule">
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message id="cpuAddress">
        <source>Panel</source>
        <translation>Centrală</translation>
    </message>
    <message id="lineIndex">
        <source>Loop</source>
        <translation>Buclă</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>Număr grup</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>Adresă</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>Negăsit</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>Test de parcurgere</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>Niciunul</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>Sirenă</translation>
    </message>
    <message id="Modulo">
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message id="Deriva">
        <source>Drift warning</source>
        <translation>Avertizare derivă</translation>
    </message>
    <message id="ModalitaNona">
        <source>Event printing</source>
        <translation>Tipărire evenimente</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>Mod de reacție sirene</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>Verificări</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>Timpi</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>Sirene și evacuare</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>Imprimantă</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>Relee</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>Cod de acces nivel %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>De la %1 la %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>%n grup își schimbă tipul și își pierde programul și numele. Schimbați numărul de grupuri directe?</numerusform>
            <numerusform>%n grupuri își schimbă tipul și își pierd programul și numele. Schimbați numărul de grupuri directe?</numerusform>
            <numerusform>%n de grupuri își schimbă tipul și își pierd programul și numele. Schimbați numărul de grupuri directe?</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>Doar cifre, cel mult %1</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>Aceste programe au erori și vor fi salvate goale:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>Aceste module nu au niciun canal cu tip și nu vor fi salvate:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>Aceste dispozitive au aceeași adresă de buclă cu un alt dispozitiv și vor fi salvate așa cum sunt:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>Fără cod: centrala își păstrează propriul cod %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>Descrierile grupurilor nu sunt păstrate în fișierul instalației.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>Tipul unui afișaj și prima sa zonă nu sunt păstrate în fișierul instalației.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>Nu este un parametru al instalației</translation>
    </message>
    <message id="STR_PRESENT">
        <source>Present</source>
        <translation>Prezent</translation>
    </message>
    <message id="STR_ABSENT">
        <source>Absent</source>
        <translation>Lipsă</translation>
    </message>
    <message id="LampeggioAbilitato">
        <source>Flashing enabled</source>
        <translation>Clipire activată</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>Clipire dezactivată</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>Verificare detectoare activată</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>Verificare detectoare dezactivată</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>Silențiere automată activată</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>Silențiere automată dezactivată</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>Avertizare de derivă activată</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>Avertizare de derivă dezactivată</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>Tipărire și arhivare activate</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>Tipărire și arhivare dezactivate</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>Număr de grupuri directe</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>Raport PDF</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>Raportul PDF a fost scris</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>Bucle</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>Detectoare</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>Module</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>Silențiere</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>Silențiere automată</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>ȘI</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>SAU</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>Prea multe puncte pe această placă de buclă.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>Numărul maxim de puncte pe placă</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>Prea multe intrări pe această placă de buclă.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>Numărul maxim de intrări pe placă</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>Prea multe dispozitive VARN pe această buclă.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>O buclă acceptă cel mult 30 de dispozitive VARN</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>Prea multe module ADVANCED pe această buclă VARN.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>O buclă VARN acceptă cel mult 10 module ADVANCED</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>Prea multe puncte în această zonă.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>Numărul maxim de puncte pe zonă</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>%n dispozitiv VARN nelipit: adresele de la 100 în sus nu îl pot găzdui.</numerusform>
            <numerusform>%n dispozitive VARN nelipite: adresele de la 100 în sus nu le pot găzdui.</numerusform>
            <numerusform>%n de dispozitive VARN nelipite: adresele de la 100 în sus nu le pot găzdui.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>Unele rânduri nu au fost lipite: un rând de canal primește doar un canal de același tip de dispozitiv, iar un rând de dispozitiv nu primește niciun canal.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>Lipire specială</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>Selectează tot</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>Parametri</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>Descriere</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>Adaugă adresa după descriere</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>Pune adresa înaintea descrierii</translation>
    </message>
    <message id="PT_PASTE_CBE">
        <source>CBE program</source>
        <translation>Program CBE</translation>
    </message>
    <message id="PT_PASTE_AREA">
        <source>Zone</source>
        <translation>Zonă</translation>
    </message>
</context>
</TS>
