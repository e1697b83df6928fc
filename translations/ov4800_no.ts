<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>Feil ved lesing av filen</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>Filversjonen støttes ikke</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>Filen ble ikke funnet</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>Filen er ikke en anleggsfil</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>Kontrollsumfeil: filen er skadet</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>Filen er skadet eller i et ukjent format</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>Verdien er for stor</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>Sløyfeindeksen er for stor</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>Punktadressen er for stor</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>Gruppeindeksen er for stor</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>Underadressen er for stor</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>Tidsverdien er for stor</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>Ugyldig måned </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>Ugyldig dag</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>Ugyldig år</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>Tidsverdien er for stor</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>Starttiden er senere enn sluttiden</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>Soneindeksen er for stor</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>Ugyldig toneverdi</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>Volumverdien er utenfor området</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>Ugyldig soneverdi </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Ugyldig gruppeindeks</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Ugyldig gruppeindeks</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Ugyldig gruppeindeks</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Ugyldig gruppeindeks</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>Ugyldig utgangsmodul</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>Ugyldig utgangsmodul</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>Ugyldig punktadresse</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>Ubalanserte parenteser</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>Programmet er for langt</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>Mellomrom</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>For mange nestede parenteser</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>Duplisert kommando</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>For lang forsinkelse i operatoren DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>Ugyldig sløyfenummer </translation>
    </message>
    <message id="CBE_UNEXPECTED_GROUP">
        <source>Unexpected 'G' operator</source>
        <translation>Uventet operator 'G'</translation>
    </message>
    <message id="CBE_UNEXPECTED_LOOP">
        <source>Unexpected 'L' operator </source>
        <translation>Uventet operator 'L' </translation>
    </message>
    <message id="CBE_UNEXPECTED_MODULE">
        <source>Unexpected 'M' operator</source>
        <translation>Uventet operator 'M'</translation>
    </message>
    <message id="CBE_UNEXPECTED_SENSOR">
        <source>Unexpected 'D' operator</source>
        <translation>Uventet operator 'D'</translation>
    </message>
    <message id="CBE_MODULE_INDEX_OUT_OF_RANGE">
        <source>Invalid Module address</source>
        <translation>Ugyldig moduladresse</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>Ugyldig detektoradresse</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>Generell feil</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>Operatorfeil</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>Avkortingsfeil</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>TIM er ikke den eneste operatoren i CBE-en</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>TIM: ugyldig starttid</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>TIM: sluttid ikke funnet</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>TIM: start- eller sluttid uten 'minutter'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>TIM: ugyldig verdi for sluttid</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>TIM: ugyldig timeverdi</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>TIM: ugyldig datoskilletegn</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>TIM: ugyldig månedsverdi</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>TIM: ugyldig dagsverdi</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>TIM: ugyldig årsverdi</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>TIM: ugyldig dato</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>For mange operander</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>Ugyldig sløyfeadresse</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>DEL/SDEL: feil skilletegn</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>Uttrykket DEL eller SDEL er ufullstendig</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>Uttrykket TIM er ufullstendig</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>DEL er ikke den eneste operatoren i CBE-en</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>SDEL er ikke den eneste operatoren i CBE-en</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>Ugyldig sentraladresse</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>Uventet operator 'C'</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>Ugyldig sonenummer</translation>
    </message>
    <message id="CBE_UNEXPECTED_ZONE">
        <source>Unexpected 'Z' operator</source>
        <translation>Uventet operator 'Z'</translation>
    </message>
    <message id="CBE_UNEXPECTED_EVAC">
        <source>Unexpected 'EVAC' operator</source>
        <translation>Uventet operator 'EVAC'</translation>
    </message>
    <message id="CBE_EVAC_IN_LIST">
        <source>EVAC cannot stand in a list of outputs</source>
        <translation>EVAC kan ikke stå i en liste over utganger</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>TONE er ikke den eneste operatoren i CBE-en</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>Ugyldig sonenummer i TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>TONE: verdien er utenfor området</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>Ugyldig volumverdi</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>Operanden SYS er ikke tillatt</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>DIS er ikke den eneste operatoren i CBE-en</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>Kommandoene DEL, SDEL: forsinkelse ikke funnet</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>Formelen er ikke avsluttet riktig</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>Operator ikke funnet</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>Ugyldig detektoradresse</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>Ugyldig detektoradresse</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>Ugyldig underadresse</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>Tilknyttet detektor er allerede i bruk </translation>
    </message>
    <message id="ERR_FLT_DUPLICATED">
        <source>Duplicated filter</source>
        <translation>Duplisert filter</translation>
    </message>
    <message id="ERR_FLT_SMALLER">
        <source>Irrelevant filter</source>
        <translation>Uvesentlig filter</translation>
    </message>
    <message id="ERROR_UNDEF">
        <source>Generic Error</source>
        <translation>Generell feil</translation>
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
        <translation>Detektormerke</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>Nytt anlegg</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>Versjon av sentraldataene</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>Alternativer</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informasjon</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>Åpne...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>Åpne nylig brukt fil</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>Tøm listen</translation>
    </message>
    <message id="Salva">
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message id="SalvaConNome">
        <source>Save as...</source>
        <translation>Lagre som...</translation>
    </message>
    <message id="EsportaPDF">
        <source>Export to PDF...</source>
        <translation>Eksporter til PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>Eksporter til CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>Kompiler for sentralen...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>Importer en sentralfil...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>Språk</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>Fargetema</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>Mørkt</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>Lyst</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>Søk...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>Åpne en anleggsfil</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>Opprett et nytt anlegg</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>Lagre endringene</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>Eksporter dataene som PDF</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>Eksporter dataene som CSV</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>Kompiler for sentralen</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>Importer en fil fra sentralen</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>Kontroller den hendelsesstyrte logikken</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>Anlegg</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>Anleggsinformasjon</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>Generelle parametere</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>Passord</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>Sentraler</translation>
    </message>
    <message id="PAGE_CPU_DATA">
        <source>Panel</source>
        <translation>Sentral</translation>
    </message>
    <message id="PAGE_GROUPS">
        <source>Groups</source>
        <translation>Grupper</translation>
    </message>
    <message id="PAGE_AREAS">
        <source>Areas</source>
        <translation>Soner</translation>
    </message>
    <message id="PAGE_REPEATERS">
        <source>Repeaters</source>
        <translation>Repeatere</translation>
    </message>
    <message id="PAGE_ANNUNCIATORS">
        <source>Annunciators</source>
        <translation>Signaltablåer</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>Opphavsrett (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>Ingen filter</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>Feil i sentral</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>Utkobling av sentral</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>Sonealarm</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>Sonefeil</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>Sonealarm og sonefeil</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>Utkobling av sone</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>Sonetest</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>Detektoralarm</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>Detektorfeil</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>Detektoralarm og detektorfeil</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>Utkobling av detektor</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>Modulalarm</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>Modulfeil</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>Modulalarm og modulfeil</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>Utkobling av modul</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>Hele systemet</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>Alle soner</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>Filnavn</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>Opprettet</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>Indeks</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>Beskrivelse</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>Filtertype</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>Filtermål</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>Visningsenhet</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>Synoptisk tablå</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>Dag og natt</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>Forvarsel</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>Korrelasjon</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>Detektorer</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>Moduler</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>Gruppe med lav følsomhet</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>Gruppe med høy følsomhet</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>Gruppetype</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>Dobbel bekreftelse</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>Direkte</translation>
    </message>
    <message id="CSV_REVERSE">
        <source>Reverse</source>
        <translation>Omvendt</translation>
    </message>
    <message id="GROUP_INDEX">
        <source>Groups</source>
        <translation>Grupper</translation>
    </message>
    <message id="GROUP_REMOVE">
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>Direkte grupper</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>Direkte</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>Omvendte</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>Tastaturet kan ikke redigere dette programmet: Enter beholder det som det er, tilbaketasten sletter det.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>Logisk kontroll</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>Grupper</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>Signaltablåer</translation>
    </message>
    <message id="CSV_VIWER_FILE_PREFIX">
        <source>Viewers</source>
        <translation>Visningsenheter</translation>
    </message>
    <message id="CSV_AREASSYSTEM">
        <source>Zones</source>
        <translation>Soner</translation>
    </message>
    <message id="CSV_CPUSSYSTEM">
        <source>Panels</source>
        <translation>Sentraler</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>Sløyfetype</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>Åpen</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>Lukket</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL">
        <source>Protocol</source>
        <translation>Protokoll</translation>
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
        <translation>Adresse</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>Beskrivelse</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>Kontroll</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>Følging</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>Blinking</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>Alarmnivå</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>Lav følsomhet</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>Normal følsomhet</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>Høy følsomhet</translation>
    </message>
    <message id="FormulaCBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="areaIndex">
        <source>Zone</source>
        <translation>Sone</translation>
    </message>
    <message id="checkRaviSCtrlDisa">
        <source>Sounder control off</source>
        <translation>Sirenestyring deaktivert</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV1">
        <source>Input device 1</source>
        <translation>Inngangsenhet 1</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV2">
        <source>Input device 2</source>
        <translation>Inngangsenhet 2</translation>
    </message>
    <message id="CSV_KORVA_INPUT_LGC">
        <source>Input logic</source>
        <translation>Inngangslogikk</translation>
    </message>
    <message id="CSV_PT_TYPE_IN_OUT">
        <source>Input/output</source>
        <translation>Inngang/utgang</translation>
    </message>
    <message id="CSV_CPUINDEX">
        <source>Panel</source>
        <translation>Sentral</translation>
    </message>
    <message id="CSV_CPUSTAT">
        <source>Installed</source>
        <translation>Installert</translation>
    </message>
    <message id="CSV_CPUDESCRIPTION">
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>Sløyfer</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>SIB RS-adresse</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>SIB-adresse</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>SIB-nettmaske</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>SIB-gateway</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>Deaktivert</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>Utkobling</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>Feil</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>Evakuering</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>Brannalarm</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>Forvarsel</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>Sirene</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>Ikke overvåket</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>Overvåket (diode)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>Overvåket (motstand)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>Odde</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>Like</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>Ikke definert</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>Aktivert</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>Generelle parametere</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>Repeatere</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>Sløyfekort utover det nye antallet fjernes med sine sløyfer og punkter. Vil du fortsette?</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>Et frittstående anlegg har bare CPU 1. De andre CPU-ene fjernes med sine navn, sløyfer, kort og enheter (CPU-er: %1, sløyfekort: %2, enheter: %3). Vil du fortsette?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>Endre sløyfetypen?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>Alle punktene i sløyfen slettes.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>For mange sløyfer for denne anleggstypen.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>Største antall sløyfer</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>Skriver</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>Skriverparitet</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>Skriverhastighet</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>Gangtest</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>Sentral for gangtest</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>Sløyfe for gangtest</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>Adresse for gangtest</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>Underadresse for gangtest</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>LED-blinking</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>Umiddelbar sireneaktivering</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>Sireneforsinkelse</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>Detektorkontroll</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>Tid for detektorkontroll</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>Sperretid for kvittering</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>Automatisk kvittering</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>Tid for automatisk kvittering</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>Tid for systemfeil</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>Avdriftsvarsel</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>Serienummerkontroll</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>Forvarselsnivå</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>Utskrift av hendelser</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>Feiltid for ugyldig svar</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>Tid for falsk feil</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>Feiltid for åpen krets</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>Feiltid for lav kammerverdi</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>Feiltid for vedlikehold</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>Sirenekorrelasjon</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>Sirenetone</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>Sirenevolum</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>Evakueringstone</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>Evakueringsvolum</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>Sirenefase</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>Overvåket alarmutgang</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>Overvåket utgang 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>Overvåket utgang 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>Funksjonsrelé 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>Funksjonsrelé 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>Denne anleggsfilen kommer fra en tidligere versjon og er konvertert. Kontroller hele anlegget før du lagrer eller kompilerer det.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>Systemtopologi</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>Generelle systemparametere</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>Passord</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>Sonealternativer</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>Gruppealternativer</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>CAN-bussforsterkere</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>Konfigurasjon av sentraler</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>Detektorer</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>Moduler</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>Generelle parametere</translation>
    </message>
    <message id="PAGE_ZONE">
        <source>Zones</source>
        <translation>Soner</translation>
    </message>
    <message id="PAGE_GRUPPI">
        <source>Groups</source>
        <translation>Grupper</translation>
    </message>
    <message id="PAGE_CENTRALE">
        <source>Panels</source>
        <translation>Sentraler</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>Velg en anleggsfil</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>Filtypen %1 hører til anleggsfiler fra et annet merke: dette programmet åpner anleggsfiler %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>Velg en bildefil for sentralen</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>Anleggsfiler</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>Bildefiler for sentralen</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>PDF-filer</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>Velg målmappen</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>Kompiler</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>Noen enheter i anlegget er ikke tilordnet en sone. Kompilere likevel?</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>Filen finnes allerede. Overskrive den?</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>Kan ikke skrive filen</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>Kan ikke skrive filen %1: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>Kan ikke skrive filen %1: %2. Eksportfilene som ble skrevet før den, er erstattet. Den og filene etter den er uendret.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>Filen %1 ble erstattet. Filen %2 beholder sitt tidligere innhold.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>%n program har feil og ble skrevet tomt.</numerusform>
            <numerusform>%n programmer har feil og ble skrevet tomme.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>%n enhet fikk ikke plass og ble utelatt.</numerusform>
            <numerusform>%n enheter fikk ikke plass og ble utelatt.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>Filene er skrevet. Åpne mappen?</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>Kan ikke åpne mappen</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>Mappe: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>CSV-eksport</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>Kan ikke skrive eksportfilene</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>Eksporten er fullført</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>Anlegget er endret.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>Lagre endringene?</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>Lagre som</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>Ikke tilordnet</translation>
    </message>
    <message id="CPUInfo-SingleLib">
        <source>1 LIB</source>
        <translation>1 LIB</translation>
    </message>
    <message id="CPUInfo-DoubleLibs">
        <source>2 LIBs</source>
        <translation>2 LIB-er</translation>
    </message>
    <message id="CPUInfo-ThreeLibs">
        <source>3 LIBs</source>
        <translation>3 LIB-er</translation>
    </message>
    <message id="CPUInfo-FourLibs">
        <source>4 LIBs</source>
        <translation>4 LIB-er</translation>
    </message>
    <message id="ID_PT_NONE">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>Frittstående</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>Nettverk</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>Høyst %1 tegn</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>Bare Latin-1-tegn (vesteuropeiske bokstaver) er tillatt</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>Beskrivelse av anlegget</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>Anleggstype</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>Sentraltype</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>Aktiverte CPU-er</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>Sløyfer i bruk</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>CPU-type</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>Sløyfekort</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>Sløyfe %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>Nettmaske</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>Standard gateway</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>Nettverksgateway</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>Overvåkingssystem</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>Ikke installert</translation>
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
        <translation>Modbus-adresse</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>Overføringshastighet (baud)</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>Sentralen henter disse innstillingene fra grensesnittkortet til CPU 1: kryss av for SIB for å angi dem.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>Ugyldig vertsadresse</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>Ugyldig nettmaske</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>Gatewayen er ikke i adressens delnett</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>Visningsenheter</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>LCD-skjermer</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>Signaltablåer</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>Signalpaneler</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>Velg et mål</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>En CPU kan ha høyst 32 visningsenheter og signaltablåer installert</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>Sentralen lagrer 16 visningsenheter per CPU: adressene 17 til 32 kan ikke installeres</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>Et signaltablå kan ha høyst 64 hendelsesfiltre</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>Enheten har hendelsesfiltre som går tapt. Fjerne den likevel?</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>Ikke spør igjen</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>De neste adressene er ikke ledige: enheten trenger dem</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>Denne adressen er opptatt av en kanal i en modul på en tidligere adresse</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>Overføre innstillingene fra den gamle typen til den nye?</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>Fyll med hendelsesfiltre</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>Fjern alle hendelsesfiltre</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>Detektorer og moduler</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>Skjul tomme adresser</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>Bare punkter med feil</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>Velg utgangen for gangtesten</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>Utgangen for gangtesten er ikke lenger en gyldig utgangsmodul</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>Anlegget har ingen utgangsmodul</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message id="searchZone">
        <source>Zone</source>
        <translation>Sone</translation>
    </message>
    <message id="searchGroup">
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message id="searchSensor">
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message id="searchModule">
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message id="cpuAddress">
        <source>Panel</source>
        <translation>Sentral</translation>
    </message>
    <message id="lineIndex">
        <source>Loop</source>
        <translation>Sløyfe</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>Gruppenummer</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>Ikke funnet</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>Gangtest</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>Sirene</translation>
    </message>
    <message id="Modulo">
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message id="Deriva">
        <source>Drift warning</source>
        <translation>Avdriftsvarsel</translation>
    </message>
    <message id="ModalitaNona">
        <source>Event printing</source>
        <translation>Utskrift av hendelser</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>Sirenereaksjonsmodus</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>Kontroller</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>Tider</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>Sirener og evakuering</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>Skriver</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>Releer</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>Tilgangskode for nivå %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>Fra %1 til %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>%n gruppe bytter type og mister programmet og navnet sitt. Endre antall direkte grupper?</numerusform>
            <numerusform>%n grupper bytter type og mister programmet og navnet sitt. Endre antall direkte grupper?</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>Bare sifre, høyst %1</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>Disse programmene har feil og blir lagret tomme:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>Disse modulene har ingen kanal med type og blir ikke lagret:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>Disse enhetene deler en sløyfeadresse med en annen enhet og blir lagret som de er:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>Ingen kode: sentralen beholder sin egen kode %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>Gruppebeskrivelser lagres ikke i anleggsfilen.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>Visningsenhetens type og første sone lagres ikke i anleggsfilen.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>Ikke en parameter for anlegget</translation>
    </message>
    <message id="STR_PRESENT">
        <source>Present</source>
        <translation>Til stede</translation>
    </message>
    <message id="STR_ABSENT">
        <source>Absent</source>
        <translation>Fraværende</translation>
    </message>
    <message id="LampeggioAbilitato">
        <source>Flashing enabled</source>
        <translation>Blinking aktivert</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>Blinking deaktivert</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>Detektorkontroll aktivert</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>Detektorkontroll deaktivert</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>Automatisk avstilling aktivert</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>Automatisk avstilling deaktivert</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>Avdriftsvarsel aktivert</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>Avdriftsvarsel deaktivert</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>Utskrift og arkivering aktivert</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>Utskrift og arkivering deaktivert</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>Antall direkte grupper</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>PDF-rapport</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>PDF-rapporten er skrevet</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>Sløyfer</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>Detektorer</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>Moduler</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>Avstilling</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>Automatisk avstilling</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>OG</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>ELLER</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>Nivå</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>For mange punkter på dette sløyfekortet.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>Høyeste antall punkter per kort</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>For mange innganger på dette sløyfekortet.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>Høyeste antall innganger per kort</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>For mange VARN-enheter på denne sløyfen.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>En sløyfe kan ha høyst 30 VARN-enheter</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>For mange ADVANCED-moduler på denne VARN-sløyfen.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>En VARN-sløyfe kan ha høyst 10 ADVANCED-moduler</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>For mange punkter i denne sonen.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>Høyeste antall punkter per sone</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>%n VARN-enhet ble ikke limt inn: adresser fra 100 og oppover kan ikke ha den.</numerusform>
            <numerusform>%n VARN-enheter ble ikke limt inn: adresser fra 100 og oppover kan ikke ha dem.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>Noen rader ble ikke limt inn: en kanalrad tar bare en kanal av samme enhetstype, og en enhetsrad tar ingen kanal.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>Lim inn utvalg</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>Merk alt</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>Parametere</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>Beskrivelse</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>Legg adressen etter beskrivelsen</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>Sett adressen foran beskrivelsen</translation>
    </message>
    <message id="PT_PASTE_CBE">
        <source>CBE program</source>
        <translation>CBE-program</translation>
    </message>
    <message id="PT_PASTE_AREA">
        <source>Zone</source>
        <translation>Sone</translation>
    </message>
</context>
</TS>
