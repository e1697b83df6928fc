<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>Fouten bij het lezen van het bestand</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>Bestandsversie niet ondersteund</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>Bestand niet gevonden</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>Het bestand is geen installatiebestand</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>Controlesomfout: het bestand is beschadigd</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>Het bestand is beschadigd of heeft een onbekende indeling</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>Waarde te groot</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>Lusindex te groot</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>Puntadres te groot</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>Groepsindex te groot</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>Subadres te groot</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>Tijdwaarde te groot</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>Ongeldige maand </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>Ongeldige dag</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>Ongeldig jaar</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>Tijdwaarde te groot</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>Begintijd later dan eindtijd</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>Zone-index te groot</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>Ongeldige toonwaarde</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>Volumewaarde buiten bereik</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>Ongeldige zonewaarde </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Ongeldige groepsindex</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Ongeldige groepsindex</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Ongeldige groepsindex</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Ongeldige groepsindex</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>Ongeldige uitgangsmodule</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>Ongeldige uitgangsmodule</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>Ongeldig puntadres</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>Ongebalanceerde haakjes</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>Programma te lang</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>Spatie</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>Invoer</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>Te veel geneste haakjes</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>Dubbele opdracht</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>Vertragingstijd te groot in de operator DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>Ongeldig lusnummer </translation>
    </message>
    <message id="CBE_UNEXPECTED_GROUP">
        <source>Unexpected 'G' operator</source>
        <translation>Onverwachte operator 'G'</translation>
    </message>
    <message id="CBE_UNEXPECTED_LOOP">
        <source>Unexpected 'L' operator </source>
        <translation>Onverwachte operator 'L' </translation>
    </message>
    <message id="CBE_UNEXPECTED_MODULE">
        <source>Unexpected 'M' operator</source>
        <translation>Onverwachte operator 'M'</translation>
    </message>
    <message id="CBE_UNEXPECTED_SENSOR">
        <source>Unexpected 'D' operator</source>
        <translation>Onverwachte operator 'D'</translation>
    </message>
    <message id="CBE_MODULE_INDEX_OUT_OF_RANGE">
        <source>Invalid Module address</source>
        <translation>Ongeldig moduleadres</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>Ongeldig melderadres</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>Algemene fout</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>Operatorfout</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>Afkappingsfout</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>TIM is niet de enige operator in de CBE</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>TIM: ongeldige begintijd</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>TIM: eindtijd niet gevonden</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>TIM: begin- of eindtijd zonder 'minuten'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>TIM: ongeldige waarde voor eindtijd</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>TIM: ongeldige uurwaarde</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>TIM: ongeldig datumscheidingsteken</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>TIM: ongeldige maandwaarde</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>TIM: ongeldige dagwaarde</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>TIM: ongeldige jaarwaarde</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>TIM: ongeldige datum</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>Te veel operanden</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>Ongeldig lusadres</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>DEL/SDEL: onjuist scheidingsteken</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>Expressie DEL of SDEL onvolledig</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>Expressie TIM onvolledig</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>DEL is niet de enige operator in de CBE</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>SDEL is niet de enige operator in de CBE</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>Ongeldig centrale-adres</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>Onverwachte operator 'C'</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>Ongeldig zonenummer</translation>
    </message>
    <message id="CBE_UNEXPECTED_ZONE">
        <source>Unexpected 'Z' operator</source>
        <translation>Onverwachte operator 'Z'</translation>
    </message>
    <message id="CBE_UNEXPECTED_EVAC">
        <source>Unexpected 'EVAC' operator</source>
        <translation>Onverwachte operator 'EVAC'</translation>
    </message>
    <message id="CBE_EVAC_IN_LIST">
        <source>EVAC cannot stand in a list of outputs</source>
        <translation>EVAC kan niet in een lijst met uitgangen staan</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>TONE is niet de enige operator in de CBE</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>Ongeldig zonenummer in TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>TONE: waarde buiten bereik</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>Ongeldige volumewaarde</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>Operand SYS niet toegestaan</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>DIS is niet de enige operator in de CBE</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>Opdrachten DEL, SDEL: vertraging niet gevonden</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>Formule niet correct afgesloten</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>Operator niet gevonden</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>Ongeldig melderadres</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>Ongeldig melderadres</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>Ongeldig subadres</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>Gekoppelde melder al in gebruik </translation>
    </message>
    <message id="ERR_FLT_DUPLICATED">
        <source>Duplicated filter</source>
        <translation>Dubbel filter</translation>
    </message>
    <message id="ERR_FLT_SMALLER">
        <source>Irrelevant filter</source>
        <translation>Overbodig filter</translation>
    </message>
    <message id="ERROR_UNDEF">
        <source>Generic Error</source>
        <translation>Algemene fout</translation>
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
        <translation>Merk van de detectoren</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>Nieuwe installatie</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>Versie van de centralegegevens</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informatie</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>Recent bestand openen</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>Lijst wissen</translation>
    </message>
    <message id="Salva">
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message id="SalvaConNome">
        <source>Save as...</source>
        <translation>Opslaan als...</translation>
    </message>
    <message id="EsportaPDF">
        <source>Export to PDF...</source>
        <translation>Exporteren naar PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>Exporteren naar CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>Compileren voor de centrale...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>Een centralebestand importeren...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>Kleurenthema</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>Donker</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>Licht</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>Zoeken...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>Een installatiebestand openen</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>Een nieuwe installatie maken</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>De wijzigingen opslaan</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>De gegevens als PDF exporteren</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>De gegevens als CSV exporteren</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>Compileren voor de centrale</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>Een bestand van de centrale importeren</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>De gebeurtenisgestuurde logica controleren</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>Installatie</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>Installatiegegevens</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>Algemene parameters</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>Wachtwoorden</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>Centrales</translation>
    </message>
    <message id="PAGE_CPU_DATA">
        <source>Panel</source>
        <translation>Centrale</translation>
    </message>
    <message id="PAGE_GROUPS">
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message id="PAGE_AREAS">
        <source>Areas</source>
        <translation>Zones</translation>
    </message>
    <message id="PAGE_REPEATERS">
        <source>Repeaters</source>
        <translation>Nevenpanelen</translation>
    </message>
    <message id="PAGE_ANNUNCIATORS">
        <source>Annunciators</source>
        <translation>Signaleringspanelen</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>Auteursrecht (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>Geen filter</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>Storing centrale</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>Uitschakeling centrale</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>Zonealarm</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>Zonestoring</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>Zonealarm en -storing</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>Uitschakeling zone</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>Zonetest</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>Melderalarm</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>Melderstoring</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>Melderalarm en -storing</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>Uitschakeling melder</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>Modulealarm</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>Modulestoring</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>Modulealarm en -storing</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>Uitschakeling module</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>Het hele systeem</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>Alle zones</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>Gemaakt op</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>Filtertype</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>Filterdoel</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>Weergave-eenheid</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>Synoptisch paneel</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>Dag en nacht</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>Vooralarm</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>Correlatie</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>Melders</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>Modules</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>Groep met lage gevoeligheid</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>Groep met hoge gevoeligheid</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>Groepstype</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>Dubbele bevestiging</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>Rechtstreeks</translation>
    </message>
    <message id="CSV_REVERSE">
        <source>Reverse</source>
        <translation>Omgekeerd</translation>
    </message>
    <message id="GROUP_INDEX">
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message id="GROUP_REMOVE">
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>Directe groepen</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>Directe</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>Omgekeerde</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>Het toetsenblok kan dit programma niet bewerken: Invoer houdt het zoals het is, backspace wist het.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>Logische controle</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>Signaleringspanelen</translation>
    </message>
    <message id="CSV_VIWER_FILE_PREFIX">
        <source>Viewers</source>
        <translation>Weergave-eenheden</translation>
    </message>
    <message id="CSV_AREASSYSTEM">
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message id="CSV_CPUSSYSTEM">
        <source>Panels</source>
        <translation>Centrales</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>Melder</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>Lustype</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>Open lus</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>Gesloten lus</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL">
        <source>Protocol</source>
        <translation>Lusprotocol</translation>
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
        <translation>Adres</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>Controle</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>Volgen</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>Knipperen</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>Alarmniveau</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>Lage gevoeligheid</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>Normale gevoeligheid</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>Hoge gevoeligheid</translation>
    </message>
    <message id="FormulaCBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="areaIndex">
        <source>Zone</source>
        <translation>Zonenummer</translation>
    </message>
    <message id="checkRaviSCtrlDisa">
        <source>Sounder control off</source>
        <translation>Sirenesturing uitgeschakeld</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV1">
        <source>Input device 1</source>
        <translation>Ingangsapparaat 1</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV2">
        <source>Input device 2</source>
        <translation>Ingangsapparaat 2</translation>
    </message>
    <message id="CSV_KORVA_INPUT_LGC">
        <source>Input logic</source>
        <translation>Ingangslogica</translation>
    </message>
    <message id="CSV_PT_TYPE_IN_OUT">
        <source>Input/output</source>
        <translation>Ingang/uitgang</translation>
    </message>
    <message id="CSV_CPUINDEX">
        <source>Panel</source>
        <translation>Centrale</translation>
    </message>
    <message id="CSV_CPUSTAT">
        <source>Installed</source>
        <translation>Geïnstalleerd</translation>
    </message>
    <message id="CSV_CPUDESCRIPTION">
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>Lussen</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>RS-adres SIB</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>SIB-adres</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>SIB-netmasker</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>SIB-gateway</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>Uitgeschakeld</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>Uitschakeling</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>Storing</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>Ontruiming</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>Brandalarm</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>Vooralarm</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>Sirene</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>Niet bewaakt</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>Bewaakt (diode)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>Bewaakt (weerstand)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>Geen pariteit</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>Oneven pariteit</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>Even pariteit</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>Niet gedefinieerd</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>Ingeschakeld</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>Algemene parameters</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>Nevenpanelen</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>Luskaarten boven het nieuwe aantal worden met hun lussen en punten verwijderd. Wilt u doorgaan?</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>Een zelfstandige installatie heeft alleen CPU 1. De andere CPU's worden met hun namen, lussen, kaarten en apparaten verwijderd (CPU's: %1, luskaarten: %2, apparaten: %3). Wilt u doorgaan?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>Lustype wijzigen?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>Alle punten van de lus worden verwijderd.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>Te veel lussen voor dit installatietype.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>Maximaal aantal lussen</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>Printer aan</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>Pariteit printer</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>Baudrate printer</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>Looptest</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>Centrale looptest</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>Lus looptest</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>Adres looptest</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>Subadres looptest</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>LED knipperen</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>Directe sireneactivering</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>Sirenevertraging</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>Meldercontrole</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>Tijd meldercontrole</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>Blokkeertijd bevestiging</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>Automatische bevestiging</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>Tijd automatische bevestiging</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>Tijd systeemstoring</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>Driftwaarschuwing</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>Serienummercontrole</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>Vooralarmniveau</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>Gebeurtenissen afdrukken</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>Storingstijd ongeldig antwoord</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>Tijd valse storing</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>Storingstijd open circuit</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>Storingstijd lage kamerwaarde</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>Storingstijd onderhoud</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>Sirenecorrelatie</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>Sirenetoon</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>Sirenevolume</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>Ontruimingstoon</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>Ontruimingsvolume</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>Sirenefase</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>Bewaakte alarmuitgang</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>Bewaakte uitgang 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>Bewaakte uitgang 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>Functierelais 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>Functierelais 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>Dit installatiebestand komt uit een eerdere versie en is omgezet. Controleer de hele installatie voordat u deze opslaat of compileert.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>Systeemtopologie</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>Algemene systeemparameters</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>Wachtwoorden</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>Zone-opties</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>Groepsopties</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>CAN-busversterkers</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>Configuratie centrales</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>Melders</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>Modules</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>Algemene parameters</translation>
    </message>
    <message id="PAGE_ZONE">
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message id="PAGE_GRUPPI">
        <source>Groups</source>
        <translation>Groepen</translation>
    </message>
    <message id="PAGE_CENTRALE">
        <source>Panels</source>
        <translation>Centrales</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>Kies een installatiebestand</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>De extensie %1 hoort bij installatiebestanden van een ander merk: dit programma opent installatiebestanden %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>Kies een beeldbestand van de centrale</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>Installatiebestanden</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>Beeldbestanden van de centrale</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>PDF-bestanden</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>Kies de doelmap</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>Compileren</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>Sommige apparaten van de installatie zijn niet aan een zone toegewezen. Toch compileren?</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>Het bestand bestaat al. Overschrijven?</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>Kan het bestand niet schrijven</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>Kan het bestand %1 niet schrijven: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>Kan het bestand %1 niet schrijven: %2. De exportbestanden die ervoor zijn geschreven, zijn vervangen. Dit bestand en de bestanden erna zijn ongewijzigd.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>Het bestand %1 is vervangen. Het bestand %2 behoudt zijn eerdere inhoud.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>%n programma bevat fouten en is leeg geschreven.</numerusform>
            <numerusform>%n programma's bevatten fouten en zijn leeg geschreven.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>%n apparaat paste niet en is weggelaten.</numerusform>
            <numerusform>%n apparaten pasten niet en zijn weggelaten.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>Bestanden geschreven. De map openen?</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>Kan de map niet openen</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>Map: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>CSV-export</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>Kan de exportbestanden niet schrijven</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>Export voltooid</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>De installatie is gewijzigd.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>De wijzigingen opslaan?</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>Opslaan als</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>Niet toegewezen</translation>
    </message>
    <message id="CPUInfo-SingleLib">
        <source>1 LIB</source>
        <translation>1 LIB</translation>
    </message>
    <message id="CPUInfo-DoubleLibs">
        <source>2 LIBs</source>
        <translation>2 LIB's</translation>
    </message>
    <message id="CPUInfo-ThreeLibs">
        <source>3 LIBs</source>
        <translation>3 LIB's</translation>
    </message>
    <message id="CPUInfo-FourLibs">
        <source>4 LIBs</source>
        <translation>4 LIB's</translation>
    </message>
    <message id="ID_PT_NONE">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>Zelfstandig</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>In netwerk</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>Maximaal %1 tekens</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>Alleen Latin-1-tekens (West-Europese letters) zijn toegestaan</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>Beschrijving installatie</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>Type installatie</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>Type centrale</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>Ingeschakelde CPU's</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>Lussen in gebruik</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>UPS-voeding</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>CPU-type</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>Luskaarten</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>Lus %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>Netmasker</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>Standaardgateway</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>Netwerkgateway</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>Supervisiesysteem</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>Niet geïnstalleerd</translation>
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
        <translation>Modbus-adres</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>Baudsnelheid</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>De centrale neemt deze instellingen van de interfacekaart van CPU 1: vink SIB aan om ze in te stellen.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>Geen geldig hostadres</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>Geen geldig netmasker</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>De gateway ligt niet in het subnet van het adres</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>Weergave-eenheden</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>LCD-schermen</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>Signaleringspanelen</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>Signaleringskasten</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>Kies een doel</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>Op een CPU kunnen hoogstens 32 weergave-eenheden en signaleringspanelen worden geïnstalleerd</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>De centrale bewaart 16 weergave-eenheden per CPU: adressen 17 tot 32 kunnen niet worden geïnstalleerd</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>Een signaleringspaneel bevat hoogstens 64 gebeurtenisfilters</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>Het apparaat heeft gebeurtenisfilters die verloren gaan. Toch verwijderen?</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>Niet meer vragen</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>De volgende adressen zijn niet vrij: het apparaat heeft ze nodig</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>Dit adres is bezet door een kanaal van een module op een eerder adres</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>De instellingen van het oude type overnemen in het nieuwe?</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>Aanvullen met gebeurtenisfilters</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>Alle gebeurtenisfilters verwijderen</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>Melders en modules</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>Lege adressen verbergen</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>Alleen punten met fout</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>Kies de uitgang van de looptest</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>De uitgang van de looptest is geen geldige uitgangsmodule meer</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>De installatie heeft geen uitgangsmodule</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message id="searchZone">
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message id="searchGroup">
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message id="searchSensor">
        <source>Detector</source>
        <translation>Melder</translation>
    </message>
    <message id="searchModule">
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message id="cpuAddress">
        <source>Panel</source>
        <translation>Centrale</translation>
    </message>
    <message id="lineIndex">
        <source>Loop</source>
        <translation>Lus</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>Groepsnummer</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>Niet gevonden</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>Looptest</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>Sirene</translation>
    </message>
    <message id="Modulo">
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message id="Deriva">
        <source>Drift warning</source>
        <translation>Driftwaarschuwing</translation>
    </message>
    <message id="ModalitaNona">
        <source>Event printing</source>
        <translation>Gebeurtenissen afdrukken</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>Reactiemodus sirenes</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>Controles</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>Tijden</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>Sirenes en ontruiming</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>Printer</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>Relais</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>Toegangscode van niveau %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>Van %1 tot %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>%n groep verandert van soort en verliest zijn programma en naam. Het aantal directe groepen wijzigen?</numerusform>
            <numerusform>%n groepen veranderen van soort en verliezen hun programma en naam. Het aantal directe groepen wijzigen?</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>Alleen cijfers, hoogstens %1</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>Deze programma's bevatten fouten en worden leeg opgeslagen:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>Deze modules hebben geen kanaal met een type en worden niet opgeslagen:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>Deze apparaten delen een lusadres met een ander apparaat en worden ongewijzigd opgeslagen:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>Geen code: de centrale houdt haar eigen code %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>Groepsomschrijvingen worden niet in het installatiebestand bewaard.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>Het type van een display en de eerste zone worden niet in het installatiebestand bewaard.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>Geen parameter van de installatie</translation>
    </message>
    <message id="STR_PRESENT">
        <source>Present</source>
        <translation>Aanwezig</translation>
    </message>
    <message id="STR_ABSENT">
        <source>Absent</source>
        <translation>Afwezig</translation>
    </message>
    <message id="LampeggioAbilitato">
        <source>Flashing enabled</source>
        <translation>Knipperen ingeschakeld</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>Knipperen uitgeschakeld</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>Meldercontrole ingeschakeld</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>Meldercontrole uitgeschakeld</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>Automatisch stilzetten ingeschakeld</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>Automatisch stilzetten uitgeschakeld</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>Driftwaarschuwing ingeschakeld</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>Driftwaarschuwing uitgeschakeld</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>Afdrukken en archiveren ingeschakeld</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>Afdrukken en archiveren uitgeschakeld</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>Aantal directe groepen</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>PDF-rapport</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>Het PDF-rapport is geschreven</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>Lussen</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>Melders</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>Modules</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>Stilzetten</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>Automatisch stilzetten</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>EN</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>OF</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>Te veel punten op deze lusprintplaat.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>Maximaal aantal punten per printplaat</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>Te veel ingangen op deze lusprintplaat.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>Maximaal aantal ingangen per printplaat</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>Te veel VARN-apparaten op deze lus.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>Op een lus passen ten hoogste 30 VARN-apparaten</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>Te veel ADVANCED-modules op deze VARN-lus.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>Op een VARN-lus passen ten hoogste 10 ADVANCED-modules</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>Te veel punten in deze zone.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>Maximaal aantal punten per zone</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>%n VARN-apparaat niet geplakt: adressen vanaf 100 kunnen het niet bevatten.</numerusform>
            <numerusform>%n VARN-apparaten niet geplakt: adressen vanaf 100 kunnen ze niet bevatten.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>Sommige rijen zijn niet geplakt: een kanaalrij neemt alleen een kanaal van hetzelfde apparaattype, en een apparaatrij neemt geen kanaal.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>Plakken speciaal</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>Soort</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>Instellingen</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>Omschrijving</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>Adres na de omschrijving toevoegen</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>Adres voor de omschrijving zetten</translation>
    </message>
    <message id="PT_PASTE_CBE">
        <source>CBE program</source>
        <translation>CBE-programma</translation>
    </message>
    <message id="PT_PASTE_AREA">
        <source>Zone</source>
        <translation>Detectiezone</translation>
    </message>
</context>
</TS>
