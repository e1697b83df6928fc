<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name></name>
    <message id="ERROR_NONE">
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message id="ENABLE_TO_READ_OV_FILE">
        <source>Errors in reading the file</source>
        <translation>Erros na leitura do ficheiro</translation>
    </message>
    <message id="FILE_VERSION_NOT_SUPPORTED">
        <source>File version unsupported</source>
        <translation>Versão do ficheiro não suportada</translation>
    </message>
    <message id="FILE_NOT_FOUND">
        <source>File not found</source>
        <translation>Ficheiro não encontrado</translation>
    </message>
    <message id="FILE_NOT_A_PLANT_FILE">
        <source>The file is not a plant file</source>
        <translation>O ficheiro não é um ficheiro de instalação</translation>
    </message>
    <message id="FILE_CHECKSUM_ERROR">
        <source>Checksum error: the file is damaged</source>
        <translation>Erro de soma de verificação: o ficheiro está danificado</translation>
    </message>
    <message id="FILE_DAMAGED_OR_UNKNOWN_FORMAT">
        <source>The file is damaged or in an unknown format</source>
        <translation>O ficheiro está danificado ou num formato desconhecido</translation>
    </message>
    <message id="CBE_C_VAL_TOO_BIG">
        <source>Value too large</source>
        <translation>Valor demasiado grande</translation>
    </message>
    <message id="CBE_L_VAL_TOO_BIG">
        <source>Loop index too large</source>
        <translation>Índice de laço demasiado grande</translation>
    </message>
    <message id="CBE_PT_IDX_TOO_BIG">
        <source>Point Address too large</source>
        <translation>Endereço de ponto demasiado grande</translation>
    </message>
    <message id="CBE_G_VAL_TOO_BIG">
        <source>Group index too large</source>
        <translation>Índice de grupo demasiado grande</translation>
    </message>
    <message id="CBE_SUB_IDX_TOO_BIG">
        <source>Sub-address too large</source>
        <translation>Subendereço demasiado grande</translation>
    </message>
    <message id="CBE_TIME_SLICE_TOO_BIG">
        <source>Time value too large</source>
        <translation>Valor de tempo demasiado grande</translation>
    </message>
    <message id="CBE_INVALID_MONTH_INDEX">
        <source>Invalid month </source>
        <translation>Mês inválido </translation>
    </message>
    <message id="CBE_INVALID_DAY_INDEX">
        <source>Invalid day</source>
        <translation>Dia inválido</translation>
    </message>
    <message id="CBE_INVALID_YEAR_INDEX">
        <source>Invalid year</source>
        <translation>Ano inválido</translation>
    </message>
    <message id="CBE_TIME_SECONDS_TOO_BIG">
        <source>Time value too large</source>
        <translation>Valor de tempo demasiado grande</translation>
    </message>
    <message id="CBE_STIME_GREATER_THAN_END">
        <source>Starting time greater than ending time</source>
        <translation>Hora de início posterior à hora de fim</translation>
    </message>
    <message id="CBE_Z_VAL_TOO_BIG">
        <source>Zone index too large</source>
        <translation>Índice de zona demasiado grande</translation>
    </message>
    <message id="CBE_INVALID_TONE_INDEX">
        <source>Invalid tone value</source>
        <translation>Valor de tom inválido</translation>
    </message>
    <message id="CBE_INVALID_VOLUME_INDEX">
        <source>Volume value out of range</source>
        <translation>Valor de volume fora do intervalo</translation>
    </message>
    <message id="CBE_INVALID_AREA_INTERVAL">
        <source>Zone value invalid </source>
        <translation>Valor de zona inválido </translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Índice de grupo inválido</translation>
    </message>
    <message id="CBE_DIRECT_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Índice de grupo inválido</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX">
        <source>Invalid group index</source>
        <translation>Índice de grupo inválido</translation>
    </message>
    <message id="CBE_REVERSE_INV_GROUP_IDX_1">
        <source>Invalid group index</source>
        <translation>Índice de grupo inválido</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_MODULE">
        <source>Invalid output module</source>
        <translation>Módulo de saída inválido</translation>
    </message>
    <message id="CBE_DIRECT_INV_OUT_SUB">
        <source>Invalid output module</source>
        <translation>Módulo de saída inválido</translation>
    </message>
    <message id="CBE_INV_POINT">
        <source>Invalid point address</source>
        <translation>Endereço de ponto inválido</translation>
    </message>
    <message id="CBE_UNBALANCED_BRACKETS">
        <source>Unbalanced brackets</source>
        <translation>Parênteses desequilibrados</translation>
    </message>
    <message id="CBE_PROGRAM_TOO_LONG">
        <source>Program too long</source>
        <translation>Programa demasiado longo</translation>
    </message>
    <message id="CBE_BTN_SPACE">
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message id="CBE_BTN_ENTER">
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message id="CBE_STACK_OVERFLOW">
        <source>Bracket overflow</source>
        <translation>Demasiados parênteses aninhados</translation>
    </message>
    <message id="CBE_DUPLICATED_CMD">
        <source>Duplicated command</source>
        <translation>Comando duplicado</translation>
    </message>
    <message id="CBE_BAD_DEL_DELAY">
        <source>Delay time too large in DEL operator</source>
        <translation>Tempo de atraso demasiado grande no operador DEL</translation>
    </message>
    <message id="CBE_LOOP_INDEX_OUT_OF_RANGE">
        <source>Invalid loop number </source>
        <translation>Número de laço inválido </translation>
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
        <translation>Endereço de módulo inválido</translation>
    </message>
    <message id="CBE_SENSOR_INDEX_OUT_OF_RANGE">
        <source>Invalid Detector address</source>
        <translation>Endereço de detetor inválido</translation>
    </message>
    <message id="CBE_UNEXPECTED_CASE">
        <source>Generic error</source>
        <translation>Erro genérico</translation>
    </message>
    <message id="CBE_NO_VALID_TOKEN">
        <source>Operator Error</source>
        <translation>Erro de operador</translation>
    </message>
    <message id="CBE_UNEXPECTED_BREAK">
        <source>Truncation error</source>
        <translation>Erro de truncagem</translation>
    </message>
    <message id="CBE_TIM_NOT_ALONE">
        <source>TIM is not the only operator in the CBE</source>
        <translation>TIM não é o único operador da CBE</translation>
    </message>
    <message id="CBE_BAD_TIM_START_TIME">
        <source>TIM: invalid start time</source>
        <translation>TIM: hora de início inválida</translation>
    </message>
    <message id="CBE_TIM_STOP_TIME_NOT_FOUND">
        <source>TIM: Stop Time not found</source>
        <translation>TIM: hora de fim não encontrada</translation>
    </message>
    <message id="CBE_TIM_NO_MINUTES">
        <source>TIM: Start Time or Stop Time without 'minutes'</source>
        <translation>TIM: hora de início ou de fim sem 'minutos'</translation>
    </message>
    <message id="CBE_BAD_TIM_STOP_TIME">
        <source>TIM: invalid Stop Time value</source>
        <translation>TIM: valor de hora de fim inválido</translation>
    </message>
    <message id="CBE_TIM_START_TIME_HOURS_INVALID">
        <source>TIM: invalid hours value</source>
        <translation>TIM: valor de horas inválido</translation>
    </message>
    <message id="CBE_TIM_INVALID_DATE_SEPARATOR">
        <source>TIM: invalid date separator</source>
        <translation>TIM: separador de data inválido</translation>
    </message>
    <message id="CBE_TIM_BAD_MONTH">
        <source>TIM: invalid month value</source>
        <translation>TIM: valor de mês inválido</translation>
    </message>
    <message id="CBE_TIM_BAD_DAY">
        <source>TIM: invalid day value</source>
        <translation>TIM: valor de dia inválido</translation>
    </message>
    <message id="CBE_TIM_BAD_YEAR">
        <source>TIM: invalid year value</source>
        <translation>TIM: valor de ano inválido</translation>
    </message>
    <message id="CBE_TIM_BAD_DATE">
        <source>TIM: invalid date</source>
        <translation>TIM: data inválida</translation>
    </message>
    <message id="CBE_TOO_MANY_OPERANDS">
        <source>Too many operands</source>
        <translation>Demasiados operandos</translation>
    </message>
    <message id="CBE_BAD_LOOP_SYNTAX">
        <source>Invalid loop address</source>
        <translation>Endereço de laço inválido</translation>
    </message>
    <message id="CBE_DEL_SDEL_INVALID_SEPARATOR">
        <source>DEL/SDEL incorrect separator</source>
        <translation>DEL/SDEL: separador incorreto</translation>
    </message>
    <message id="CBE_DEL_SDEL_INCOMPLETE">
        <source>Expression DEL or SDEL not complete</source>
        <translation>Expressão DEL ou SDEL incompleta</translation>
    </message>
    <message id="CBE_TIM_INCOMPLETE">
        <source>Expression TIM not complete</source>
        <translation>Expressão TIM incompleta</translation>
    </message>
    <message id="CBE_DEL_NOT_ALONE">
        <source>DEL is not the only operator in the CBE</source>
        <translation>DEL não é o único operador da CBE</translation>
    </message>
    <message id="CBE_SDEL_NOT_ALONE">
        <source>SDEL is not the only operator in the CBE</source>
        <translation>SDEL não é o único operador da CBE</translation>
    </message>
    <message id="CBE_CPU_INDEX_OUT_OF_RANGE">
        <source>Invalid CPU address</source>
        <translation>Endereço de central inválido</translation>
    </message>
    <message id="CBE_UNEXPECTED_CPU">
        <source>Unexpected 'C' operator</source>
        <translation>Operador 'C' inesperado</translation>
    </message>
    <message id="CBE_ZONE_INDEX_OUT_OF_RANGE">
        <source>Invalid Zone Number</source>
        <translation>Número de zona inválido</translation>
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
        <translation>EVAC não pode estar numa lista de saídas</translation>
    </message>
    <message id="CBE_TONE_NOT_ALONE">
        <source>TONE is not the only operator in the CBE</source>
        <translation>TONE não é o único operador da CBE</translation>
    </message>
    <message id="CBE_TONE_BAD_ZONE">
        <source>Invalid Zone number in TONE</source>
        <translation>Número de zona inválido em TONE</translation>
    </message>
    <message id="CBE_TONE_OUT_OF_RANGE">
        <source>TONE: Value out of range</source>
        <translation>TONE: valor fora do intervalo</translation>
    </message>
    <message id="CBE_VOL_OUT_OF_RANGE">
        <source>Invalid Volume value</source>
        <translation>Valor de volume inválido</translation>
    </message>
    <message id="CBE_SYS_INVALID">
        <source>SYS operand not allowed</source>
        <translation>Operando SYS não permitido</translation>
    </message>
    <message id="CBE_DIS_NOT_ONLY">
        <source>DIS is not the only operator in the CBE</source>
        <translation>DIS não é o único operador da CBE</translation>
    </message>
    <message id="CBE_DEL_SDEL_DELAY_NOT_FOUND">
        <source>DEL, SDEL commands: delay not found</source>
        <translation>Comandos DEL, SDEL: atraso não encontrado</translation>
    </message>
    <message id="CBE_NOT_TERMINATED">
        <source>Formula not terminated correctly</source>
        <translation>Fórmula não terminada corretamente</translation>
    </message>
    <message id="CBE_NOTFOUND_TOKEN">
        <source>Operator not found</source>
        <translation>Operador não encontrado</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_1">
        <source>Invalid detector address</source>
        <translation>Endereço de detetor inválido</translation>
    </message>
    <message id="KORVA_INVALID_INPUT_2">
        <source>Invalid detector address</source>
        <translation>Endereço de detetor inválido</translation>
    </message>
    <message id="KORVA_INVALID_SUB">
        <source>Invalid sub-Address</source>
        <translation>Subendereço inválido</translation>
    </message>
    <message id="KORVA_DUPLICATED_INPUT">
        <source>Associated Detector already used </source>
        <translation>Detetor associado já utilizado </translation>
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
        <translation>Erro genérico</translation>
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
        <translation>Marca dos detetores</translation>
    </message>
    <message id="NEW_PLANT_FILE">
        <source>New plant</source>
        <translation>Nova instalação</translation>
    </message>
    <message id="ID_OV_VERSION_LBL">
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message id="PANEL_DATA_VERSION">
        <source>Panel data version</source>
        <translation>Versão dos dados da central</translation>
    </message>
    <message id="File">
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message id="Options">
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message id="Info">
        <source>Info</source>
        <translation>Informação</translation>
    </message>
    <message id="NuovoFile">
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message id="Apri">
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message id="openRecentFile">
        <source>Open recent file</source>
        <translation>Abrir ficheiro recente</translation>
    </message>
    <message id="clearRecentFilesList">
        <source>Clear the list</source>
        <translation>Limpar a lista</translation>
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
        <translation>Exportar para PDF...</translation>
    </message>
    <message id="EsportaCSV">
        <source>Export to CSV...</source>
        <translation>Exportar para CSV...</translation>
    </message>
    <message id="CompilaPerCentrale">
        <source>Compile for the panel...</source>
        <translation>Compilar para a central...</translation>
    </message>
    <message id="ImportaFileCentrale">
        <source>Import a panel file...</source>
        <translation>Importar um ficheiro da central...</translation>
    </message>
    <message id="Exit">
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message id="Language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="ColorTheme">
        <source>Colour theme</source>
        <translation>Tema de cores</translation>
    </message>
    <message id="THEME_DARK">
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message id="THEME_LIGHT">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="searchItem">
        <source>Search...</source>
        <translation>Procurar...</translation>
    </message>
    <message id="OpenFile">
        <source>Open a plant file</source>
        <translation>Abrir um ficheiro de instalação</translation>
    </message>
    <message id="Crea un nuovo file">
        <source>Create a new plant</source>
        <translation>Criar uma nova instalação</translation>
    </message>
    <message id="Salva modifiche">
        <source>Save the changes</source>
        <translation>Guardar as alterações</translation>
    </message>
    <message id="Exporta dati in formato PDF">
        <source>Export the data as PDF</source>
        <translation>Exportar os dados em PDF</translation>
    </message>
    <message id="Exporta dati in formato CSV">
        <source>Export the data as CSV</source>
        <translation>Exportar os dados em CSV</translation>
    </message>
    <message id="Compila per centrale">
        <source>Compile for the panel</source>
        <translation>Compilar para a central</translation>
    </message>
    <message id="Importa file da centrale">
        <source>Import a file from the panel</source>
        <translation>Importar um ficheiro da central</translation>
    </message>
    <message id="checkCBE">
        <source>Check the control-by-event logic</source>
        <translation>Verificar a lógica de controlo por eventos</translation>
    </message>
    <message id="closeInfoBtn">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="PLANT_TREE_TITLE">
        <source>Plant</source>
        <translation>Instalação</translation>
    </message>
    <message id="PAGE_PLANT_GEN_INFO">
        <source>Plant information</source>
        <translation>Informação da instalação</translation>
    </message>
    <message id="PAGE_PLANT_GEN_PARAMETERS">
        <source>General parameters</source>
        <translation>Parâmetros gerais</translation>
    </message>
    <message id="PAGE_PLANT_PASSWORDS">
        <source>Passwords</source>
        <translation>Palavras-passe</translation>
    </message>
    <message id="PAGE_CPU_GEN_INFO">
        <source>Panels</source>
        <translation>Centrais</translation>
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
        <translation>Painéis de sinalização</translation>
    </message>
    <message id="COPYRIGHT_INFO">
        <source>Copyright (C) %1</source>
        <translation>Direitos de autor (C) %1</translation>
    </message>
    <message id="LBL_EVT_FILTER_NONE">
        <source>No filter</source>
        <translation>Sem filtro</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_SYS">
        <source>CPU fault</source>
        <translation>Avaria da central</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_SYS">
        <source>CPU exclusion</source>
        <translation>Exclusão da central</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_ZONE">
        <source>Area alarm</source>
        <translation>Alarme de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_ZONE">
        <source>Area fault</source>
        <translation>Avaria de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_ZONE">
        <source>Area alarm and fault</source>
        <translation>Alarme e avaria de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_ZONE">
        <source>Area exclusion</source>
        <translation>Exclusão de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_TEST_ZONE">
        <source>Area test</source>
        <translation>Teste de zona</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_DET">
        <source>Sensor alarm</source>
        <translation>Alarme de detetor</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_DET">
        <source>Sensor fault</source>
        <translation>Avaria de detetor</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_DET">
        <source>Sensor alarm and fault</source>
        <translation>Alarme e avaria de detetor</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_DET">
        <source>Sensor exclusion</source>
        <translation>Exclusão de detetor</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_MOD">
        <source>Module alarm</source>
        <translation>Alarme de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_FAIL_MOD">
        <source>Module fault</source>
        <translation>Avaria de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALARM_FAIL_MOD">
        <source>Module alarm and fault</source>
        <translation>Alarme e avaria de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_EXCL_MOD">
        <source>Module exclusion</source>
        <translation>Exclusão de módulo</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_SYSTEM">
        <source>Whole system</source>
        <translation>Todo o sistema</translation>
    </message>
    <message id="LBL_EVT_FILTER_ALL_AREA">
        <source>All areas</source>
        <translation>Todas as zonas</translation>
    </message>
    <message id="CSV_FILENAME">
        <source>File name</source>
        <translation>Nome do ficheiro</translation>
    </message>
    <message id="CSV_CREATEDON">
        <source>Created on</source>
        <translation>Criado em</translation>
    </message>
    <message id="CSV_INDEX">
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message id="CSV_DESCRIPTION">
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message id="CSV_FILTER_TYPE">
        <source>Filter type</source>
        <translation>Tipo de filtro</translation>
    </message>
    <message id="CSV_FILTER_TARGET">
        <source>Filter target</source>
        <translation>Destino do filtro</translation>
    </message>
    <message id="VIEWERKV">
        <source>Viewer</source>
        <translation>Visualizador</translation>
    </message>
    <message id="MIMIC">
        <source>Mimic</source>
        <translation>Sinótico</translation>
    </message>
    <message id="NIGHTANDDAYCHECK">
        <source>Night and day</source>
        <translation>Dia e noite</translation>
    </message>
    <message id="PREALLARMENABLED">
        <source>Pre-alarm</source>
        <translation>Pré-alarme</translation>
    </message>
    <message id="AREA_CORRELATION">
        <source>Correlation</source>
        <translation>Correlação</translation>
    </message>
    <message id="SENSORCOUNT">
        <source>Sensors</source>
        <translation>Detetores</translation>
    </message>
    <message id="MODULECOUNT">
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message id="CSV_LOWSENSIBILITYGROUPINDEX">
        <source>Low sensitivity group</source>
        <translation>Grupo de baixa sensibilidade</translation>
    </message>
    <message id="CSV_HIGHTSENSIBILITYGROUPINDEX">
        <source>High sensitivity group</source>
        <translation>Grupo de alta sensibilidade</translation>
    </message>
    <message id="CSV_GROUPTYPE">
        <source>Group type</source>
        <translation>Tipo de grupo</translation>
    </message>
    <message id="CSV_DOUBLECONSENT">
        <source>Double consent</source>
        <translation>Duplo consentimento</translation>
    </message>
    <message id="CSV_CBE">
        <source>CBE</source>
        <translation>CBE</translation>
    </message>
    <message id="CSV_DIRECT">
        <source>Direct</source>
        <translation>Direto</translation>
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
        <translation>Remover</translation>
    </message>
    <message id="GROUP_COPY">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="GROUP_PASTE">
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message id="GROUPS_DIRECT_COUNT">
        <source>Direct groups</source>
        <translation>Grupos diretos</translation>
    </message>
    <message id="GROUPS_TAB_DIRECT">
        <source>Direct</source>
        <translation>Diretos</translation>
    </message>
    <message id="GROUPS_TAB_REVERSE">
        <source>Reverse</source>
        <translation>Inversos</translation>
    </message>
    <message id="CBE_TEXT_NOT_EDITABLE">
        <source>The keypad cannot edit this program: Enter keeps it as it is, backspace clears it.</source>
        <translation>O teclado não pode editar este programa: Enter mantém-no como está, retrocesso apaga-o.</translation>
    </message>
    <message id="CBE_LOGICAL_CTRL">
        <source>Logical check</source>
        <translation>Controlo lógico</translation>
    </message>
    <message id="CSV_GROUPSSYSTEM">
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message id="CSV_ANNUNCIATOR_FILE_PREFIX">
        <source>Annunciators</source>
        <translation>Painéis de sinalização</translation>
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
        <translation>Centrais</translation>
    </message>
    <message id="CSV_PT_FAMILY">
        <source>Family</source>
        <translation>Família</translation>
    </message>
    <message id="CSV_PT_SENSOR">
        <source>Detector</source>
        <translation>Detetor</translation>
    </message>
    <message id="CSV_PT_MODULE">
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message id="CSV_LOOP_TYPE">
        <source>Loop type</source>
        <translation>Tipo de laço</translation>
    </message>
    <message id="CSV_LOOP_TYPE_OPEN">
        <source>Open</source>
        <translation>Aberto</translation>
    </message>
    <message id="CSV_LOOP_TYPE_CLOSE">
        <source>Closed</source>
        <translation>Fechado</translation>
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
        <translation>Endereço</translation>
    </message>
    <message id="Description">
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message id="Type">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="checkAudit">
        <source>Audit</source>
        <translation>Auditoria</translation>
    </message>
    <message id="Tracking">
        <source>Tracking</source>
        <translation>Seguimento</translation>
    </message>
    <message id="checkFlashing">
        <source>Flashing</source>
        <translation>Intermitência</translation>
    </message>
    <message id="AlertLevel">
        <source>Alert level</source>
        <translation>Nível de alerta</translation>
    </message>
    <message id="lowSensibility">
        <source>Low sensitivity</source>
        <translation>Sensibilidade baixa</translation>
    </message>
    <message id="normalSensibility">
        <source>Normal sensitivity</source>
        <translation>Sensibilidade normal</translation>
    </message>
    <message id="highSensibility">
        <source>High sensitivity</source>
        <translation>Sensibilidade alta</translation>
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
        <translation>Controlo da sirene desativado</translation>
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
        <translation>Entrada/saída</translation>
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
        <translation>Nome</translation>
    </message>
    <message id="CSV_CPULINECOUNT">
        <source>Loops</source>
        <translation>Laços</translation>
    </message>
    <message id="CSV_SIBTYPE">
        <source>SIB</source>
        <translation>SIB</translation>
    </message>
    <message id="CSV_SIBRSADDRESS">
        <source>SIB RS address</source>
        <translation>Endereço RS da SIB</translation>
    </message>
    <message id="CSV_SIBADDRESS">
        <source>SIB address</source>
        <translation>Endereço da SIB</translation>
    </message>
    <message id="CSV_SIBNETMASK">
        <source>SIB netmask</source>
        <translation>Máscara de rede da SIB</translation>
    </message>
    <message id="CSV_SIBNETGATEWAY">
        <source>SIB gateway</source>
        <translation>Gateway da SIB</translation>
    </message>
    <message id="STR_ENABLED">
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message id="STR_DISABLED">
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message id="ReleFNessuno">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="ReleFExclusion">
        <source>Exclusion</source>
        <translation>Exclusão</translation>
    </message>
    <message id="ReleFGuasto">
        <source>Fault</source>
        <translation>Avaria</translation>
    </message>
    <message id="ReleFEvac">
        <source>Evacuation</source>
        <translation>Evacuação</translation>
    </message>
    <message id="ReleFAllarme">
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message id="ReleFPreAllarme">
        <source>Pre-alarm</source>
        <translation>Pré-alarme</translation>
    </message>
    <message id="ReleFSirena">
        <source>Siren</source>
        <translation>Sirene</translation>
    </message>
    <message id="ReleCONTROLLEDNO">
        <source>Not supervised</source>
        <translation>Não supervisionado</translation>
    </message>
    <message id="ReleCONTROLLEDDIODE">
        <source>Supervised (diode)</source>
        <translation>Supervisionado (díodo)</translation>
    </message>
    <message id="ReleCONTROLLEDRESISTOR">
        <source>Supervised (resistor)</source>
        <translation>Supervisionado (resistência)</translation>
    </message>
    <message id="printerParityNone">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="printerParityOdd">
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message id="printerParityEven">
        <source>Even</source>
        <translation>Par</translation>
    </message>
    <message id="STR_UNDEFINED">
        <source>Undefined</source>
        <translation>Não definido</translation>
    </message>
    <message id="CSV_ENABLEDSTAT">
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message id="CSV_PLANTGENPARAMETER">
        <source>General parameters</source>
        <translation>Parâmetros gerais</translation>
    </message>
    <message id="CSV_REPEATER">
        <source>Repeaters</source>
        <translation>Repetidores</translation>
    </message>
    <message id="USR_MSG_CONFIRM_PLANT_CHANGE_TYPE">
        <source>Loop interface boards beyond the new number will be removed with their loops and points. Do you want to continue?</source>
        <translation>As placas de laço acima do novo número serão removidas com os seus laços e pontos. Deseja continuar?</translation>
    </message>
    <message id="USR_MSG_CONFIRM_STAND_ALONE">
        <source>A stand-alone plant has only CPU 1. The other CPUs will be removed with their names, loops, boards and devices (CPUs: %1, loop interface boards: %2, devices: %3). Do you want to continue?</source>
        <translation>Uma instalação autónoma só tem a CPU 1. As outras CPU serão removidas com os seus nomes, laços, placas e dispositivos (CPU: %1, placas de laço: %2, dispositivos: %3). Deseja continuar?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST">
        <source>Change the loop type?</source>
        <translation>Alterar o tipo de laço?</translation>
    </message>
    <message id="USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO">
        <source>All the points of the loop will be deleted.</source>
        <translation>Todos os pontos do laço serão eliminados.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS">
        <source>Too many loops for this plant type.</source>
        <translation>Demasiados laços para este tipo de instalação.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_LOOPS_DTL">
        <source>Maximum number of loops</source>
        <translation>Número máximo de laços</translation>
    </message>
    <message id="CSV_PRINTERSTAT">
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message id="CSV_PRINTER_PARITY">
        <source>Printer parity</source>
        <translation>Paridade da impressora</translation>
    </message>
    <message id="CSV_PRINTER_BAUD_RATE">
        <source>Printer baud rate</source>
        <translation>Velocidade da impressora</translation>
    </message>
    <message id="CSV_WALKTEST">
        <source>Walk test</source>
        <translation>Teste de passeio</translation>
    </message>
    <message id="CSV_WALKTESTCPUID">
        <source>Walk test panel</source>
        <translation>Central do teste de passeio</translation>
    </message>
    <message id="CSV_WALKTESTLOOPID">
        <source>Walk test loop</source>
        <translation>Laço do teste de passeio</translation>
    </message>
    <message id="CSV_WALKTESTMODULEID">
        <source>Walk test address</source>
        <translation>Endereço do teste de passeio</translation>
    </message>
    <message id="CSV_WALKTESTSUBID">
        <source>Walk test sub-address</source>
        <translation>Subendereço do teste de passeio</translation>
    </message>
    <message id="CSV_FLASHINGSTAT">
        <source>LED flashing</source>
        <translation>Intermitência do LED</translation>
    </message>
    <message id="CSV_SIRENINSTANTACTIVATION">
        <source>Instant siren activation</source>
        <translation>Ativação imediata das sirenes</translation>
    </message>
    <message id="CSV_SIRENDELAYTIME">
        <source>Siren delay time</source>
        <translation>Atraso das sirenes</translation>
    </message>
    <message id="CSV_DETECTORSCHECKSTAT">
        <source>Detector check</source>
        <translation>Verificação dos detetores</translation>
    </message>
    <message id="CSV_DETECTORSCHECKTIME">
        <source>Detector check time</source>
        <translation>Tempo de verificação dos detetores</translation>
    </message>
    <message id="CSV_ACKNOWLEDGEMENTINHIBITIONTIME">
        <source>Acknowledgement inhibition time</source>
        <translation>Tempo de inibição do reconhecimento</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTSTAT">
        <source>Automatic acknowledgement</source>
        <translation>Reconhecimento automático</translation>
    </message>
    <message id="CSV_AUTOACKNOWLEDGEMENTTIME">
        <source>Automatic acknowledgement time</source>
        <translation>Tempo de reconhecimento automático</translation>
    </message>
    <message id="CSV_FAILURESYSTEMTIME">
        <source>System fault time</source>
        <translation>Tempo de avaria do sistema</translation>
    </message>
    <message id="CSV_DRIFTALLERT">
        <source>Drift warning</source>
        <translation>Aviso de deriva</translation>
    </message>
    <message id="CSV_SERIALNUMBERSCHECKSTAT">
        <source>Serial number check</source>
        <translation>Verificação dos números de série</translation>
    </message>
    <message id="PRE_ALARM_LVL_PAR_LBL">
        <source>Pre-alarm level</source>
        <translation>Nível de pré-alarme</translation>
    </message>
    <message id="CSV_STORAGEPRINT">
        <source>Event printing</source>
        <translation>Impressão de eventos</translation>
    </message>
    <message id="CSV_FAILUREIVALIDRESPONSETIME">
        <source>Invalid response fault time</source>
        <translation>Tempo de avaria por resposta inválida</translation>
    </message>
    <message id="CSV_FALSEFAILURETIMETYPEID">
        <source>False fault time</source>
        <translation>Tempo de falsa avaria</translation>
    </message>
    <message id="CSV_OPENCIRCUITSFAILURETIME">
        <source>Open circuit fault time</source>
        <translation>Tempo de avaria por circuito aberto</translation>
    </message>
    <message id="CSV_CAMERALOWVALUETIMEFAILURE">
        <source>Chamber low value fault time</source>
        <translation>Tempo de avaria por valor baixo da câmara</translation>
    </message>
    <message id="CSV_FAULTMAINTENANCETIME">
        <source>Maintenance fault time</source>
        <translation>Tempo de avaria de manutenção</translation>
    </message>
    <message id="SIRENE_CORRELATION_ENABLED">
        <source>Siren correlation</source>
        <translation>Correlação das sirenes</translation>
    </message>
    <message id="CSV_SIRENSOUNDTYPE">
        <source>Siren tone</source>
        <translation>Tom das sirenes</translation>
    </message>
    <message id="CSV_SIRENVOLUME">
        <source>Siren volume</source>
        <translation>Volume das sirenes</translation>
    </message>
    <message id="CSV_EVACSOUNDTYPE">
        <source>Evacuation tone</source>
        <translation>Tom de evacuação</translation>
    </message>
    <message id="CSV_EVACSOUNDVOLUME">
        <source>Evacuation volume</source>
        <translation>Volume de evacuação</translation>
    </message>
    <message id="CSV_SIRENPHASESTAT">
        <source>Siren phase</source>
        <translation>Fase das sirenes</translation>
    </message>
    <message id="RLALLEnabled">
        <source>Supervised alarm output</source>
        <translation>Saída de alarme supervisionada</translation>
    </message>
    <message id="RLU1Enabled">
        <source>Supervised output 1</source>
        <translation>Saída supervisionada 1</translation>
    </message>
    <message id="RLU2Enabled">
        <source>Supervised output 2</source>
        <translation>Saída supervisionada 2</translation>
    </message>
    <message id="RLFU1Enabled">
        <source>Function relay 1</source>
        <translation>Relé de função 1</translation>
    </message>
    <message id="RLFU2Enabled">
        <source>Function relay 2</source>
        <translation>Relé de função 2</translation>
    </message>
    <message id="LegacyFileOV4800">
        <source>This plant file comes from an earlier release and has been converted. Check the whole plant before saving or compiling it.</source>
        <translation>Este ficheiro de instalação provém de uma versão anterior e foi convertido. Verifique toda a instalação antes de a guardar ou compilar.</translation>
    </message>
    <message id="PLANT_ROOT_PAGE">
        <source>System Topology</source>
        <translation>Topologia do sistema</translation>
    </message>
    <message id="GEN_PARAMETERS_PAGE">
        <source>System general parameters</source>
        <translation>Parâmetros gerais do sistema</translation>
    </message>
    <message id="PWD_MNG_PAGE">
        <source>Passwords</source>
        <translation>Palavras-passe</translation>
    </message>
    <message id="PLANT_AREA_PAGE">
        <source>Zone Options</source>
        <translation>Opções de zona</translation>
    </message>
    <message id="PLANT_GROUP_PAGE">
        <source>Group Options</source>
        <translation>Opções de grupo</translation>
    </message>
    <message id="PLANT_REPEATERS_PAGE">
        <source>CAN Bus Boosters</source>
        <translation>Amplificadores do barramento CAN</translation>
    </message>
    <message id="CPU_ROOT_PAGE">
        <source>Panel Configuration</source>
        <translation>Configuração das centrais</translation>
    </message>
    <message id="SHORT_LABEL_SENSOR">
        <source>Detectors</source>
        <translation>Detetores</translation>
    </message>
    <message id="SHORT_LABEL_MODULE">
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message id="PAGE_PARAMETRIGENERALI">
        <source>General parameters</source>
        <translation>Parâmetros gerais</translation>
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
        <translation>Centrais</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_FILE">
        <source>Choose a plant file</source>
        <translation>Escolha um ficheiro de instalação</translation>
    </message>
    <message id="USR_MSG_OTHER_BRAND_FILE">
        <source>The extension %1 belongs to plant files of another brand: this program opens plant files %2.</source>
        <translation>A extensão %1 pertence a ficheiros de instalação de outra marca: este programa abre ficheiros de instalação %2.</translation>
    </message>
    <message id="USR_MSG_PICK_UP_PLANT_BIN_FILE">
        <source>Choose a panel image file</source>
        <translation>Escolha um ficheiro de imagem da central</translation>
    </message>
    <message id="USR_MSG_FILE_FILTER">
        <source>Plant files</source>
        <translation>Ficheiros de instalação</translation>
    </message>
    <message id="USR_MSG_FILE_BIN_FILTER">
        <source>Panel image files</source>
        <translation>Ficheiros de imagem da central</translation>
    </message>
    <message id="USR_PDF_FILE_FILTER">
        <source>PDF files</source>
        <translation>Ficheiros PDF</translation>
    </message>
    <message id="USR_MSG_SELECTFOLDERTOEXPORT">
        <source>Choose the destination folder</source>
        <translation>Escolha a pasta de destino</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_BIN_FILE">
        <source>Compile</source>
        <translation>Compilar</translation>
    </message>
    <message id="USR_MSG_ASK_PLANT_NOT_ASSIGNED">
        <source>Some devices of the plant are not assigned to an area. Compile anyway?</source>
        <translation>Alguns dispositivos da instalação não estão atribuídos a uma zona. Compilar mesmo assim?</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_FILE_OVER_W">
        <source>The file already exists. Overwrite it?</source>
        <translation>O ficheiro já existe. Substituí-lo?</translation>
    </message>
    <message id="FILE_WR_ERROR">
        <source>Cannot write the file</source>
        <translation>Não é possível escrever o ficheiro</translation>
    </message>
    <message id="FILE_WR_ERROR_REASON">
        <source>Cannot write the file %1: %2</source>
        <translation>Não é possível escrever o ficheiro %1: %2</translation>
    </message>
    <message id="FILE_WR_ERROR_SET_PART">
        <source>Cannot write the file %1: %2. The export files written before it were replaced. It and the files after it are unchanged.</source>
        <translation>Não é possível escrever o ficheiro %1: %2. Os ficheiros da exportação escritos antes dele foram substituídos. Ele e os ficheiros seguintes ficaram inalterados.</translation>
    </message>
    <message id="FILE_WR_NEW_BESIDE_OLD">
        <source>The file %1 was replaced. The file %2 keeps its earlier contents.</source>
        <translation>O ficheiro %1 foi substituído. O ficheiro %2 mantém o conteúdo anterior.</translation>
    </message>
    <message id="USR_MSG_COMPILE_PROGRAM_ERRORS" numerus="yes">
        <source>%n program(s) have errors and were written empty.</source>
        <translation>
            <numerusform>%n programa tem erros e foi escrito vazio.</numerusform>
            <numerusform>%n programas têm erros e foram escritos vazios.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_COMPILE_SKIPPED_DEVICES" numerus="yes">
        <source>%n device(s) did not fit and were left out.</source>
        <translation>
            <numerusform>%n dispositivo não coube e foi omitido.</numerusform>
            <numerusform>%n dispositivos não couberam e foram omitidos.</numerusform>
        </translation>
    </message>
    <message id="USR_MSG_ASK_FOR_OPEN_FOLDER">
        <source>Files written. Open the folder?</source>
        <translation>Ficheiros escritos. Abrir a pasta?</translation>
    </message>
    <message id="USR_MSG_UNABLE_TO_OPEN_FOLDER">
        <source>Cannot open the folder</source>
        <translation>Não é possível abrir a pasta</translation>
    </message>
    <message id="USR_MSG_FILES_WRITTEN_IN">
        <source>Folder: %1</source>
        <translation>Pasta: %1</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_FILE">
        <source>CSV export</source>
        <translation>Exportação CSV</translation>
    </message>
    <message id="USR_MSG_ENABLE_TO_WRITE_ON_FILE">
        <source>Cannot write the export files</source>
        <translation>Não é possível escrever os ficheiros de exportação</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_CSV_DONE">
        <source>Export completed</source>
        <translation>Exportação concluída</translation>
    </message>
    <message id="USR_MSG_DATIMODIFICATI">
        <source>The plant has been modified.</source>
        <translation>A instalação foi modificada.</translation>
    </message>
    <message id="USR_MSG_ASK_FOR_SAVE">
        <source>Save the changes?</source>
        <translation>Guardar as alterações?</translation>
    </message>
    <message id="USR_MSG_SAVE_AS">
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message id="PT_NOT_ASSIGNED">
        <source>Not assigned</source>
        <translation>Não atribuída</translation>
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
        <translation>Nenhum</translation>
    </message>
    <message id="PlantTypeStandAlone">
        <source>Stand-alone</source>
        <translation>Autónoma</translation>
    </message>
    <message id="PlantTypeSuper">
        <source>Networked</source>
        <translation>Em rede</translation>
    </message>
    <message id="STR_REMOVE">
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message id="STR_COPY">
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message id="STR_PASTE">
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message id="ERR_DESCRIPTION_TOO_LONG">
        <source>At most %1 characters</source>
        <translation>No máximo %1 caracteres</translation>
    </message>
    <message id="ERR_DESCRIPTION_NOT_LATIN1">
        <source>Only Latin-1 characters (Western European letters) are allowed</source>
        <translation>Só são permitidos caracteres Latin-1 (letras da Europa ocidental)</translation>
    </message>
    <message id="PLANT_DESCRIPTION">
        <source>Plant description</source>
        <translation>Descrição da instalação</translation>
    </message>
    <message id="PLANT_TYPE">
        <source>Plant type</source>
        <translation>Tipo de instalação</translation>
    </message>
    <message id="PLANT_PANEL_TYPE">
        <source>Panel type</source>
        <translation>Tipo de central</translation>
    </message>
    <message id="PLANT_ENABLED_CPUS">
        <source>Enabled CPUs</source>
        <translation>CPU ativadas</translation>
    </message>
    <message id="PLANT_LOOPS_IN_USE">
        <source>Loops in use</source>
        <translation>Laços em uso</translation>
    </message>
    <message id="LBL_CPU_UPS">
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message id="LBL_CPU_TYPE">
        <source>CPU type</source>
        <translation>Tipo de CPU</translation>
    </message>
    <message id="LBL_CPU_LIB_COUNT">
        <source>Loop boards</source>
        <translation>Placas de laço</translation>
    </message>
    <message id="LBL_CPU_LOOP">
        <source>Loop %1</source>
        <translation>Laço %1</translation>
    </message>
    <message id="LBL_NET_ADDRESS">
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message id="LBL_NET_NETMASK">
        <source>Netmask</source>
        <translation>Máscara de rede</translation>
    </message>
    <message id="LBL_NET_GATEWAY">
        <source>Gateway</source>
        <translation>Gateway</translation>
    </message>
    <message id="LBL_NETWORK_GW">
        <source>Network gateway</source>
        <translation>Gateway de rede</translation>
    </message>
    <message id="LBL_SUPERVISOR">
        <source>Supervisor</source>
        <translation>Supervisor</translation>
    </message>
    <message id="LBL_SUP_NONE">
        <source>Not installed</source>
        <translation>Não instalado</translation>
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
        <translation>Endereço Modbus</translation>
    </message>
    <message id="LBL_SUP_MB_BAUD">
        <source>Baud rate</source>
        <translation>Velocidade (baud)</translation>
    </message>
    <message id="LBL_SIB_NEEDED">
        <source>The panel takes these settings from the interface board of CPU 1: tick SIB to set them.</source>
        <translation>A central obtém estas definições da placa de interface da CPU 1: marque SIB para as definir.</translation>
    </message>
    <message id="ERR_NET_BAD_ADDRESS">
        <source>Not a valid host address</source>
        <translation>Endereço de anfitrião inválido</translation>
    </message>
    <message id="ERR_NET_BAD_NETMASK">
        <source>Not a valid netmask</source>
        <translation>Máscara de rede inválida</translation>
    </message>
    <message id="ERR_NET_BAD_GATEWAY">
        <source>The gateway is not in the address's subnet</source>
        <translation>O gateway não está na sub-rede do endereço</translation>
    </message>
    <message id="VIEWER">
        <source>Viewers</source>
        <translation>Visualizadores</translation>
    </message>
    <message id="LCD">
        <source>LCD displays</source>
        <translation>Ecrãs LCD</translation>
    </message>
    <message id="ANNUNCIATOR">
        <source>Annunciators</source>
        <translation>Painéis de sinalização</translation>
    </message>
    <message id="ANNUNCIATORKV">
        <source>Annunciator panels</source>
        <translation>Quadros de sinalização</translation>
    </message>
    <message id="LBL_TARGET_SELECTION">
        <source>Choose a target</source>
        <translation>Escolha um destino</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VIEWER">
        <source>At most 32 viewers and annunciators can be installed on a CPU</source>
        <translation>Numa CPU podem ser instalados no máximo 32 visualizadores e painéis de sinalização</translation>
    </message>
    <message id="USR_ERR_VIEWER_PAST_PANEL">
        <source>The panel keeps 16 viewers per CPU: addresses 17 to 32 cannot be installed</source>
        <translation>A central guarda 16 visualizadores por CPU: os endereços 17 a 32 não podem ser instalados</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_EVT_FILTER">
        <source>An annunciator holds at most 64 event filters</source>
        <translation>Um painel de sinalização contém no máximo 64 filtros de eventos</translation>
    </message>
    <message id="USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY">
        <source>The device has event filters that will be lost. Remove it anyway?</source>
        <translation>O dispositivo tem filtros de eventos que serão perdidos. Removê-lo mesmo assim?</translation>
    </message>
    <message id="USR_MSG_DONT_SHOW_AGAIN">
        <source>Do not ask again</source>
        <translation>Não perguntar novamente</translation>
    </message>
    <message id="USR_ERR_NOT_EMPTY_SIBLING">
        <source>The addresses that follow are not free: the device needs them</source>
        <translation>Os endereços seguintes não estão livres: o dispositivo precisa deles</translation>
    </message>
    <message id="USR_ERR_ADDRESS_COVERED">
        <source>This address is taken by a channel of a module at an earlier address</source>
        <translation>Este endereço está ocupado por um canal de um módulo num endereço anterior</translation>
    </message>
    <message id="USR_INFO_COPY_PARAM">
        <source>Carry the settings of the old type over to the new one?</source>
        <translation>Transferir as definições do tipo anterior para o novo?</translation>
    </message>
    <message id="ADD_ANNUNCIATOR_FILTER">
        <source>Fill with event filters</source>
        <translation>Preencher com filtros de eventos</translation>
    </message>
    <message id="REMOVE_ANNUNCIATOR_FILTER">
        <source>Remove all event filters</source>
        <translation>Remover todos os filtros de eventos</translation>
    </message>
    <message id="CSV_ADDRESS">
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message id="PT_TAB_ALL">
        <source>Detectors and modules</source>
        <translation>Detetores e módulos</translation>
    </message>
    <message id="PT_FILTER_VOID">
        <source>Hide empty addresses</source>
        <translation>Ocultar endereços vazios</translation>
    </message>
    <message id="PT_FILTER_ERRORS">
        <source>Faulty points only</source>
        <translation>Apenas pontos com falha</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_SELECTION">
        <source>Choose the walk test output</source>
        <translation>Escolha a saída do teste de passeio</translation>
    </message>
    <message id="WALK_TEST_OUTPUT_INVALID">
        <source>The walk test output is no longer a valid output module</source>
        <translation>A saída do teste de passeio já não é um módulo de saída válido</translation>
    </message>
    <message id="WALK_TEST_NO_OUTPUT">
        <source>The plant has no output module</source>
        <translation>A instalação não tem nenhum módulo de saída</translation>
    </message>
    <message id="SearchDlg">
        <source>Search</source>
        <translation>Pesquisar</translation>
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
        <translation>Detetor</translation>
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
        <translation>Laço</translation>
    </message>
    <message id="groupAddress">
        <source>Group number</source>
        <translation>Número do grupo</translation>
    </message>
    <message id="address">
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message id="itemNotFound">
        <source>Not found</source>
        <translation>Não encontrado</translation>
    </message>
    <message id="WalkTest">
        <source>Walk test</source>
        <translation>Teste de passeio</translation>
    </message>
    <message id="Nessuna">
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message id="Sirena">
        <source>Sounder</source>
        <translation>Sirene</translation>
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
        <translation>Impressão de eventos</translation>
    </message>
    <message id="SIREN_REACT_MODE">
        <source>Siren react mode</source>
        <translation>Modo de reação das sirenes</translation>
    </message>
    <message id="PARAM_GROUP_CHECKS">
        <source>Checks</source>
        <translation>Verificações</translation>
    </message>
    <message id="PARAM_GROUP_TIMERS">
        <source>Times</source>
        <translation>Tempos</translation>
    </message>
    <message id="PARAM_GROUP_SIRENS">
        <source>Sirens and evacuation</source>
        <translation>Sirenes e evacuação</translation>
    </message>
    <message id="PARAM_GROUP_PRINTER">
        <source>Printer</source>
        <translation>Impressora</translation>
    </message>
    <message id="PARAM_GROUP_RELAYS">
        <source>Relays</source>
        <translation>Relés</translation>
    </message>
    <message id="PASSWORD_LEVEL">
        <source>Access code of level %1</source>
        <translation>Código de acesso do nível %1</translation>
    </message>
    <message id="ERR_VALUE_OUT_OF_RANGE">
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message id="USR_MSG_ASK_DIRECT_GROUPS_CLEAR" numerus="yes">
        <source>%n group(s) change kind and lose their program and name. Change the number of direct groups?</source>
        <translation>
            <numerusform>%n grupo muda de tipo e perde o seu programa e nome. Alterar o número de grupos diretos?</numerusform>
            <numerusform>%n grupos mudam de tipo e perdem o seu programa e nome. Alterar o número de grupos diretos?</numerusform>
        </translation>
    </message>
    <message id="ERR_PASSWORD_DIGITS">
        <source>Digits only, at most %1</source>
        <translation>Apenas algarismos, no máximo %1</translation>
    </message>
    <message id="USR_MSG_PROGRAMS_STORED_EMPTY">
        <source>These programs have errors and will be stored empty:</source>
        <translation>Estes programas têm erros e serão guardados vazios:</translation>
    </message>
    <message id="USR_MSG_MODULES_NOT_STORED">
        <source>These modules have no channel with a type and will not be stored:</source>
        <translation>Estes módulos não têm nenhum canal com tipo e não serão guardados:</translation>
    </message>
    <message id="USR_MSG_DEVICES_SHARE_ADDRESS">
        <source>These devices share a loop address with another device and will be stored as they are:</source>
        <translation>Estes dispositivos partilham um endereço de laço com outro dispositivo e serão guardados tal como estão:</translation>
    </message>
    <message id="MSG_PASSWORD_PANEL_DEFAULT">
        <source>No code: the panel keeps its own code %1</source>
        <translation>Sem código: a central mantém o seu próprio código %1</translation>
    </message>
    <message id="NOTE_GROUP_DESCRIPTION_NOT_KEPT">
        <source>Group descriptions are not kept in the plant file.</source>
        <translation>As descrições dos grupos não são guardadas no ficheiro da instalação.</translation>
    </message>
    <message id="NOTE_VIEWER_NOT_KEPT">
        <source>A viewer's type and first zone are not kept in the plant file.</source>
        <translation>O tipo de um visor e a sua primeira zona não são guardados no ficheiro da instalação.</translation>
    </message>
    <message id="ERR_PARAMETER_UNKNOWN">
        <source>Not a parameter of the plant</source>
        <translation>Não é um parâmetro da instalação</translation>
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
        <translation>Intermitência ativada</translation>
    </message>
    <message id="LampeggioDisabilitato">
        <source>Flashing disabled</source>
        <translation>Intermitência desativada</translation>
    </message>
    <message id="Verifica rilevatori abilitata">
        <source>Detector check enabled</source>
        <translation>Verificação de detetores ativada</translation>
    </message>
    <message id="Verifica rilevatori disabilitata">
        <source>Detector check disabled</source>
        <translation>Verificação de detetores desativada</translation>
    </message>
    <message id="Autotacitazione abilitata">
        <source>Automatic silencing enabled</source>
        <translation>Silenciamento automático ativado</translation>
    </message>
    <message id="Autotacitazione disabilitata">
        <source>Automatic silencing disabled</source>
        <translation>Silenciamento automático desativado</translation>
    </message>
    <message id="AvvisoDerivaAbilitato">
        <source>Drift warning enabled</source>
        <translation>Aviso de deriva ativado</translation>
    </message>
    <message id="AvvisoDerivaDisabilitato">
        <source>Drift warning disabled</source>
        <translation>Aviso de deriva desativado</translation>
    </message>
    <message id="Stampa-ArchiviazioneAbilitata">
        <source>Printing and storage enabled</source>
        <translation>Impressão e arquivo ativados</translation>
    </message>
    <message id="Stampa-ArchiviazioneDisabilitata">
        <source>Printing and storage disabled</source>
        <translation>Impressão e arquivo desativados</translation>
    </message>
    <message id="NumeroGruppiDiretti">
        <source>Number of direct groups</source>
        <translation>Número de grupos diretos</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_FILE">
        <source>PDF report</source>
        <translation>Relatório PDF</translation>
    </message>
    <message id="USR_MSG_EXPORT_TO_PDF_DONE">
        <source>The PDF report has been written</source>
        <translation>O relatório PDF foi escrito</translation>
    </message>
    <message id="PDF_LOOP_SYS">
        <source>Loops</source>
        <translation>Laços</translation>
    </message>
    <message id="PDF_SENSOR_SYS">
        <source>Detectors</source>
        <translation>Detetores</translation>
    </message>
    <message id="PDF_MODULE_SYS">
        <source>Modules</source>
        <translation>Módulos</translation>
    </message>
    <message id="Tacitazione">
        <source>Silence</source>
        <translation>Silenciar</translation>
    </message>
    <message id="Auto-Tacitazione">
        <source>Automatic silence</source>
        <translation>Silenciamento automático</translation>
    </message>
    <message id="FastAnd">
        <source>AND</source>
        <translation>E</translation>
    </message>
    <message id="FastOr">
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message id="SENSOR_ALLARM_MODEL_PREFIX">
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB">
        <source>Too many points on this loop interface board.</source>
        <translation>Demasiados pontos nesta placa de laço.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXLIB_DTL">
        <source>Maximum number of points per board</source>
        <translation>Número máximo de pontos por placa</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB">
        <source>Too many inputs on this loop interface board.</source>
        <translation>Demasiadas entradas nesta placa de laço.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL">
        <source>Maximum number of inputs per board</source>
        <translation>Número máximo de entradas por placa</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP">
        <source>Too many VARN devices on this loop.</source>
        <translation>Demasiados dispositivos VARN neste laço.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL">
        <source>At most 30 VARN devices can be installed on a loop</source>
        <translation>Um laço aceita no máximo 30 dispositivos VARN</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP">
        <source>Too many ADVANCED modules on this VARN loop.</source>
        <translation>Demasiados módulos ADVANCED neste laço VARN.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL">
        <source>At most 10 ADVANCED modules can be installed on a VARN loop</source>
        <translation>Um laço VARN aceita no máximo 10 módulos ADVANCED</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA">
        <source>Too many points in this zone.</source>
        <translation>Demasiados pontos nesta zona.</translation>
    </message>
    <message id="USR_ERR_TOO_MANY_PTXAREA_DTL">
        <source>Maximum number of points per zone</source>
        <translation>Número máximo de pontos por zona</translation>
    </message>
    <message id="USR_ERR_VARN_PASTE" numerus="yes">
        <source>%n VARN device(s) not pasted: addresses from 100 on cannot hold them.</source>
        <translation>
            <numerusform>%n dispositivo VARN não colado: os endereços a partir de 100 não o podem receber.</numerusform>
            <numerusform>%n dispositivos VARN não colados: os endereços a partir de 100 não os podem receber.</numerusform>
        </translation>
    </message>
    <message id="USR_ERR_CHANNEL_PASTE">
        <source>Some rows were not pasted: a channel row takes only a channel of the same device type, and a device row takes no channel.</source>
        <translation>Algumas linhas não foram coladas: uma linha de canal só aceita um canal do mesmo tipo de dispositivo, e uma linha de dispositivo não aceita canais.</translation>
    </message>
    <message id="PT_MENU_PASTE_SPECIAL">
        <source>Paste special</source>
        <translation>Colar especial</translation>
    </message>
    <message id="PT_MENU_SELECT_ALL">
        <source>Select all</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message id="PT_PASTE_TYPE">
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message id="PT_PASTE_PARAMS">
        <source>Parameters</source>
        <translation>Parâmetros</translation>
    </message>
    <message id="PT_PASTE_DESCRIPTION">
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message id="PT_PASTE_ADD_ADDRESS">
        <source>Add the address after the description</source>
        <translation>Acrescentar o endereço após a descrição</translation>
    </message>
    <message id="PT_PASTE_PREFIX_ADDRESS">
        <source>Put the address before the description</source>
        <translation>Pôr o endereço antes da descrição</translation>
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
