<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>Errores al leer el archivo</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>Versión de archivo no admitida</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>El archivo no es un archivo de instalación</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>Error de suma de comprobación: el archivo está dañado</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>El archivo está dañado o tiene un formato desconocido</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>Valor demasiado grande</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>Índice de lazo demasiado grande</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>Dirección de punto demasiado grande</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>Índice de grupo demasiado grande</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>Subdirección demasiado grande</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>Valor de tiempo demasiado grande</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>Mes no válido </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>Día no válido</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>Año no válido</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>Valor de tiempo demasiado grande</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>Hora de inicio posterior a la hora de fin</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>Índice de zona demasiado grande</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>Valor de tono no válido</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>Valor de volumen fuera de rango</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>Valor de zona no válido </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Índice de grupo no válido</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Índice de grupo no válido</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Índice de grupo no válido</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Índice de grupo no válido</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>Módulo de salida no válido</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>Módulo de salida no válido</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>Dirección de punto no válida</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>Paréntesis desequilibrados</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>Programa demasiado largo</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>Intro</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>Demasiados paréntesis anidados</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>Comando duplicado</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>Tiempo de retardo demasiado grande en el operador DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>Número de lazo no válido </translation>
    </message>
    <message id="CBE_UNEXPECTED_GROUP">
        <source>Unexpected 'G' operator</source>
        <translation>Operador 'G' inesperado</translation>
    </message>
    <message id="CBE_UNEXPECTED_LOOP">
        <source>Unexpected 'L' operator </source>
        <translation>Operador 'L' inesperado </translation>
    </message>
    <message id="CBE_UNEXPECTED_MODULE">
        <source>Unexpected 'M' operator</source>
        <translation>Operador 'M' inesperado</translation>
    </message>
    <message id="CBE_UNEXPECTED_SENSOR">
        <source>Unexpected 'D' operator</source>
        <translation>Operador 'D' inesperado</translation>
    </message>
    <message id="CBE_MODULE_INDEX_OUT_OF_RANGE">
        <source>Invalid Module address</source>
        <translation>Dirección de módulo no válida</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>Dirección de detector no válida</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>Error genérico</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>Error de operador</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>Error de truncamiento</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>TIM no es el único operador de la CBE</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>TIM: hora de inicio no válida</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>TIM: hora de fin no encontrada</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>TIM: hora de inicio o de fin sin 'minutos'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>TIM: valor de hora de fin no válido</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>TIM: valor de horas no válido</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>TIM: separador de fecha no válido</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>TIM: valor de mes no válido</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>TIM: valor de día no válido</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>TIM: valor de año no válido</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>TIM: fecha no válida</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>Demasiados operandos</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>Dirección de lazo no válida</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>DEL/SDEL: separador incorrecto</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>Expresión DEL o SDEL incompleta</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>Expresión TIM incompleta</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>DEL no es el único operador de la CBE</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>SDEL no es el único operador de la CBE</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>Dirección de central no válida</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>Operador 'C' inesperado</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>Número de zona no válido</translation>
    </message>
    <message id="CBE_UNEXPECTED_ZONE">
        <source>Unexpected 'Z' operator</source>
        <translation>Operador 'Z' inesperado</translation>
    </message>
    <message id="CBE_UNEXPECTED_EVAC">
        <source>Unexpected 'EVAC' operator</source>
        <translation>Operador 'EVAC' inesperado</translation>
    </message>
    <message id="CBE_EVAC_IN_LIST">
        <source>EVAC cannot stand in a list of outputs</source>
        <translation>EVAC no puede estar en una lista de salidas</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>TONE no es el único operador de la CBE</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>Número de zona no válido en TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>TONE: valor fuera de rango</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>Valor de volumen no válido</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>Operando SYS no permitido</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>DIS no es el único operador de la CBE</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>Comandos DEL, SDEL: retardo no encontrado</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>Fórmula no terminada correctamente</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>Operador no encontrado</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>Dirección de detector no válida</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>Dirección de detector no válida</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>Subdirección no válida</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>Detector asociado ya utilizado </translation>
    </message>
    <message id="ERR_FLT_DUPLICATED">
        <source>Duplicated filter</source>
        <translation>Filtro duplicado</translation>
    </message>
    <message id="ERR_FLT_SMALLER">
        <source>Irrelevant filter</source>
        <translation>Filtro irrelevante</translation>
    </message>
    <message id="ERROR_UNDEF">
        <source>Generic Error</source>
        <translation>Error genérico</translation>
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
        <translation>Marca de los detectores</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>Nueva instalación</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>Versión de los datos de la central</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>Abrir archivo reciente</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>Borrar la lista</translation>
    </message>
    <message id="Salva">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="SalvaConNome">
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message id="EsportaPDF">
        <source>Export to PDF...</source>
        <translation>Exportar a PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>Exportar a CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>Compilar para la central...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>Importar un archivo de la central...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>Tema de colores</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>Buscar...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>Abrir un archivo de instalación</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>Crear una nueva instalación</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>Guardar los cambios</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>Exportar los datos en PDF</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>Exportar los datos en CSV</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>Compilar para la central</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>Importar un archivo de la central</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>Comprobar la lógica de control por eventos</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>Instalación</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>Información de la instalación</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>Parámetros generales</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>Contraseñas</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>Centrales</translation>
    </message>
    <message id="PAGE_CPU_DATA">
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message id="PAGE_GROUPS">
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message id="PAGE_AREAS">
        <source>Areas</source>
        <translation>Zonas</translation>
    </message>
    <message id="PAGE_REPEATERS">
        <source>Repeaters</source>
        <translation>Repetidores</translation>
    </message>
    <message id="PAGE_ANNUNCIATORS">
        <source>Annunciators</source>
        <translation>Paneles de señalización</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>Derechos de autor (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>Sin filtro</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>Avería de central</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>Exclusión de central</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>Alarma de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>Avería de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>Alarma y avería de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>Exclusión de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>Prueba de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>Alarma de detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>Avería de detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>Alarma y avería de detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>Exclusión de detector</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>Alarma de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>Avería de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>Alarma y avería de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>Exclusión de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>Todo el sistema</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>Todas las zonas</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>Creado el</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>Tipo de filtro</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>Destino del filtro</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>Visualizador</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>Sinóptico</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>Día y noche</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>Prealarma</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>Correlación</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>Detectores</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>Grupo de baja sensibilidad</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>Grupo de alta sensibilidad</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>Tipo de grupo</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>Doble consentimiento</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>Directo</translation>
    </message>
    <message id="CSV_REVERSE">
        <source>Reverse</source>
        <translation>Inverso</translation>
    </message>
    <message id="GROUP_INDEX">
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message id="GROUP_REMOVE">
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>Grupos directos</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>Directos</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>Inversos</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>El teclado no puede editar este programa: Intro lo conserva tal cual, retroceso lo borra.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>Control lógico</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>Paneles de señalización</translation>
    </message>
    <message id="CSV_VIWER_FILE_PREFIX">
        <source>Viewers</source>
        <translation>Visualizadores</translation>
    </message>
    <message id="CSV_AREASSYSTEM">
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message id="CSV_CPUSSYSTEM">
        <source>Panels</source>
        <translation>Centrales</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>Familia</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>Tipo de lazo</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>Abierto</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>Cerrado</translation>
    </message>
    <message id="CSV_LOOP_PROTOCOL">
        <source>Protocol</source>
        <translation>Protocolo</translation>
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
        <translation>Dirección</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>Auditoría</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>Seguimiento</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>Parpadeo</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>Nivel de alerta</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>Sensibilidad baja</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>Sensibilidad normal</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>Sensibilidad alta</translation>
    </message>
    <message id="FormulaCBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="areaIndex">
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message id="checkRaviSCtrlDisa">
        <source>Sounder control off</source>
        <translation>Control de sirena deshabilitado</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV1">
        <source>Input device 1</source>
        <translation>Dispositivo de entrada 1</translation>
    </message>
    <message id="CSV_KORVA_INPUT_DEV2">
        <source>Input device 2</source>
        <translation>Dispositivo de entrada 2</translation>
    </message>
    <message id="CSV_KORVA_INPUT_LGC">
        <source>Input logic</source>
        <translation>Lógica de entrada</translation>
    </message>
    <message id="CSV_PT_TYPE_IN_OUT">
        <source>Input/output</source>
        <translation>Entrada/salida</translation>
    </message>
    <message id="CSV_CPUINDEX">
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message id="CSV_CPUSTAT">
        <source>Installed</source>
        <translation>Instalada</translation>
    </message>
    <message id="CSV_CPUDESCRIPTION">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>Lazos</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>Dirección RS de la SIB</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>Dirección de la SIB</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>Máscara de red de la SIB</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>Puerta de enlace de la SIB</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>Habilitado</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>Deshabilitado</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>Exclusión</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>Avería</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>Evacuación</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>Prealarma</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>Sirena</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>No supervisado</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>Supervisado (diodo)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>Supervisado (resistencia)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>No definido</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>Habilitado</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>Parámetros generales</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>Repetidores</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>Las tarjetas de lazo que superen el nuevo número se eliminarán con sus lazos y puntos. ¿Desea continuar?</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>Una instalación autónoma solo tiene la CPU 1. Las demás CPU se eliminarán con sus nombres, lazos, tarjetas y dispositivos (CPU: %1, tarjetas de lazo: %2, dispositivos: %3). ¿Desea continuar?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>¿Cambiar el tipo de lazo?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>Se eliminarán todos los puntos del lazo.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>Demasiados lazos para este tipo de instalación.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>Número máximo de lazos</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>Paridad de la impresora</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>Velocidad de la impresora</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>Prueba de paseo</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>Central de la prueba de paseo</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>Lazo de la prueba de paseo</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>Dirección de la prueba de paseo</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>Subdirección de la prueba de paseo</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>Parpadeo del LED</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>Activación inmediata de sirenas</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>Retardo de sirenas</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>Control de detectores</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>Tiempo de control de detectores</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>Tiempo de inhibición del reconocimiento</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>Reconocimiento automático</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>Tiempo de reconocimiento automático</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>Tiempo de avería del sistema</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>Aviso de deriva</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>Control de números de serie</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>Nivel de prealarma</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>Impresión de eventos</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>Tiempo de avería por respuesta no válida</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>Tiempo de falsa avería</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>Tiempo de avería por circuito abierto</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>Tiempo de avería por valor bajo de cámara</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>Tiempo de avería de mantenimiento</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>Correlación de sirenas</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>Tono de sirenas</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>Volumen de sirenas</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>Tono de evacuación</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>Volumen de evacuación</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>Fase de sirenas</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>Salida de alarma supervisada</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>Salida supervisada 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>Salida supervisada 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>Relé de función 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>Relé de función 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>Este archivo de instalación procede de una versión anterior y se ha convertido. Compruebe toda la instalación antes de guardarla o compilarla.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>Topología del sistema</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>Parámetros generales del sistema</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>Contraseñas</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>Opciones de zona</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>Opciones de grupo</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>Amplificadores del bus CAN</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>Configuración de centrales</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>Detectores</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>Parámetros generales</translation>
    </message>
    <message id="PAGE_ZONE">
        <source>Zones</source>
        <translation>Zonas</translation>
    </message>
    <message id="PAGE_GRUPPI">
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message id="PAGE_CENTRALE">
        <source>Panels</source>
        <translation>Centrales</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>Elija un archivo de instalación</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>La extensión %1 pertenece a archivos de instalación de otra marca: este programa abre archivos de instalación %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>Elija un archivo de imagen de la central</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>Archivos de instalación</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>Archivos de imagen de la central</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>Elija la carpeta de destino</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>Compilar</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>Algunos dispositivos de la instalación no están asignados a una zona. ¿Compilar de todos modos?</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>El archivo ya existe. ¿Sobrescribirlo?</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>No se puede escribir el archivo</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>No se puede escribir el archivo %1: %2. Los archivos de la exportación escritos antes que él se han sustituido. Él y los archivos posteriores no han cambiado.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>El archivo %1 se ha sustituido. El archivo %2 conserva su contenido anterior.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>%n programa tiene errores y se escribió vacío.</numerusform>
            <numerusform>%n programas tienen errores y se escribieron vacíos.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>%n dispositivo no cabía y se omitió.</numerusform>
            <numerusform>%n dispositivos no cabían y se omitieron.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>Archivos escritos. ¿Abrir la carpeta?</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>No se puede abrir la carpeta</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>Carpeta: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>Exportación CSV</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>No se pueden escribir los archivos de exportación</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>Exportación completada</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>La instalación ha sido modificada.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>No asignada</translation>
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
        <translation>Ninguno</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>Autónoma</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>En red</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>Como máximo %1 caracteres</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>Solo se admiten caracteres Latin-1 (letras de Europa occidental)</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>Descripción de la instalación</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>Tipo de instalación</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>Tipo de central</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>CPU habilitadas</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>Lazos en uso</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>SAI</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>Tipo de CPU</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>Tarjetas de lazo</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>Lazo %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>Máscara de red</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>Pasarela de red</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>No instalado</translation>
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
        <translation>Dirección Modbus</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>La central toma estos ajustes de la tarjeta de interfaz de la CPU 1: marque SIB para configurarlos.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>Dirección de host no válida</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>Máscara de red no válida</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>La puerta de enlace no está en la subred de la dirección</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>Visualizadores</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>Pantallas LCD</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>Paneles de señalización</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>Cuadros de señalización</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>Elija un destino</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>En una CPU se pueden instalar como máximo 32 visualizadores y paneles de señalización</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>La central admite 16 visualizadores por CPU: las direcciones 17 a 32 no se pueden instalar</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>Un panel de señalización admite como máximo 64 filtros de eventos</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>El dispositivo tiene filtros de eventos que se perderán. ¿Eliminarlo de todos modos?</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>No volver a preguntar</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>Las direcciones siguientes no están libres: el dispositivo las necesita</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>Esta dirección está ocupada por un canal de un módulo en una dirección anterior</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>¿Conservar los ajustes del tipo anterior en el nuevo?</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>Completar con filtros de eventos</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>Eliminar todos los filtros de eventos</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>Detectores y módulos</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>Ocultar direcciones vacías</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>Solo puntos con fallo</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>Elija la salida de la prueba de paseo</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>La salida de la prueba de paseo ya no es un módulo de salida válido</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>La instalación no tiene ningún módulo de salida</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message id="searchZone">
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message id="searchGroup">
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message id="searchSensor">
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message id="searchModule">
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message id="cpuAddress">
        <source>Panel</source>
        <translation>Central</translation>
    </message>
    <message id="lineIndex">
        <source>Loop</source>
        <translation>Lazo</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>Número de grupo</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>No encontrado</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>Prueba de paseo</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>Sirena</translation>
    </message>
    <message id="Modulo">
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message id="Deriva">
        <source>Drift warning</source>
        <translation>Aviso de deriva</translation>
    </message>
    <message id="ModalitaNona">
        <source>Event printing</source>
        <translation>Impresión de eventos</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>Modo de reacción de sirenas</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>Tiempos</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>Sirenas y evacuación</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>Impresora</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>Relés</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>Código de acceso del nivel %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>%n grupo cambia de tipo y pierde su programa y su nombre. ¿Cambiar el número de grupos directos?</numerusform>
            <numerusform>%n grupos cambian de tipo y pierden su programa y su nombre. ¿Cambiar el número de grupos directos?</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>Solo cifras, como máximo %1</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>Estos programas tienen errores y se guardarán vacíos:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>Estos módulos no tienen ningún canal con tipo y no se guardarán:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>Estos dispositivos comparten una dirección de lazo con otro dispositivo y se guardarán tal como están:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>Sin código: la central conserva su propio código %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>Las descripciones de los grupos no se guardan en el archivo de la instalación.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>El tipo de un visor y su primera zona no se guardan en el archivo de la instalación.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>No es un parámetro de la instalación</translation>
    </message>
    <message id="STR_PRESENT">
        <source>Present</source>
        <translation>Presente</translation>
    </message>
    <message id="STR_ABSENT">
        <source>Absent</source>
        <translation>Ausente</translation>
    </message>
    <message id="LampeggioAbilitato">
        <source>Flashing enabled</source>
        <translation>Parpadeo habilitado</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>Parpadeo deshabilitado</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>Verificación de detectores habilitada</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>Verificación de detectores deshabilitada</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>Silenciado automático habilitado</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>Silenciado automático deshabilitado</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>Aviso de deriva habilitado</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>Aviso de deriva deshabilitado</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>Impresión y archivo habilitados</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>Impresión y archivo deshabilitados</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>Número de grupos directos</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>Informe PDF</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>Se ha escrito el informe PDF</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>Lazos</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>Detectores</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>Silencio</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>Silencio automático</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>Y</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>O</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>Demasiados puntos en esta tarjeta de lazo.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>Número máximo de puntos por tarjeta</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>Demasiadas entradas en esta tarjeta de lazo.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>Número máximo de entradas por tarjeta</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>Demasiados dispositivos VARN en este lazo.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>Un lazo admite como máximo 30 dispositivos VARN</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>Demasiados módulos ADVANCED en este lazo VARN.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>Un lazo VARN admite como máximo 10 módulos ADVANCED</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>Demasiados puntos en esta zona.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>Número máximo de puntos por zona</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>%n dispositivo VARN no pegado: las direcciones desde 100 no pueden alojarlo.</numerusform>
            <numerusform>%n dispositivos VARN no pegados: las direcciones desde 100 no pueden alojarlos.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>Algunas filas no se pegaron: una fila de canal solo acepta un canal del mismo tipo de dispositivo, y una fila de dispositivo no acepta canales.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>Pegado especial</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>Añadir la dirección tras la descripción</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>Poner la dirección antes de la descripción</translation>
    </message>
    <message id="PT_PASTE_CBE">
        <source>CBE program</source>
        <translation>Programa CBE</translation>
    </message>
    <message id="PT_PASTE_AREA">
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
</context>
</TS>
