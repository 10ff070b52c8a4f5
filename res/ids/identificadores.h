// The program's resource ids: every dialog template, every control of each template and the
// form's menu commands, grouped by window. Control ids repeat from one window to another, so a
// name belongs to the window its group says; the OK and Cancel buttons are the same in every
// window.
#pragma once

#include <array>

// The OK and Cancel buttons of every window.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Dialog templates.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDD_RECIBO_DIALOG = 102;
inline constexpr int IDD_CONFIG = 137;
inline constexpr int IDD_SALUDO = 214;
inline constexpr int IDD_LOGOTIPO = 215;
inline constexpr int IDD_DISENO_RECIBO = 216;
inline constexpr int IDD_CALENDARIO = 223;
inline constexpr int IDD_VISTA_PREVIA = 225;
inline constexpr int IDD_RECIBOS_EMITIDOS = 240;
inline constexpr int IDD_COBRADO = 241;
inline constexpr int IDD_DEVUELTO = 242;
inline constexpr int IDD_AJUSTAR_IMPRESORA = 250;
inline constexpr int IDD_ACREEDOR = 260;

// Commands of the form's menu.
inline constexpr int IDM_ABOUTBOX = 16;
inline constexpr int IDM_IMPRIMIR_LOTE = 32;
inline constexpr int IDM_RECIBOS_EMITIDOS = 0x50;
inline constexpr int IDM_DATOS_ACREEDOR = 0x60;
inline constexpr int IDM_AJUSTAR_IMPRESORA = 0x70;

// The receipt form (IDD_RECIBO_DIALOG): the fields, their labels (IDC_EDIT_DEF_*) and the
// commands.
inline constexpr int IDC_EDIT_CONCEPTOS = 1004;  // label of the concept column
inline constexpr int IDC_EDIT_CONCEPTO_1 = 1005;
inline constexpr int IDC_EDIT_CONCEPTO_2 = 1006;
inline constexpr int IDC_EDIT_CONCEPTO_3 = 1007;
inline constexpr int IDC_EDIT_CONCEPTO_4 = 1008;
inline constexpr int IDC_EDIT_CONCEPTO_5 = 1009;
inline constexpr int IDC_EDIT_CONCEPTO_6 = 1010;
inline constexpr int IDC_EDIT_IMPORTES = 1012;  // label of the amount column
inline constexpr int IDC_EDIT_IMPORTE_1 = 1013;
inline constexpr int IDC_EDIT_IMPORTE_2 = 1014;
inline constexpr int IDC_EDIT_IMPORTE_3 = 1015;
inline constexpr int IDC_EDIT_IMPORTE_4 = 1016;
inline constexpr int IDC_EDIT_IMPORTE_5 = 1017;
inline constexpr int IDC_EDIT_IMPORTE_6 = 1018;
inline constexpr int IDC_EDIT_DEF_NUMERO = 1019;
inline constexpr int IDC_EDIT_NUMERO = 1020;
inline constexpr int IDC_EDIT_DEF_LOCALIDAD = 1021;
inline constexpr int IDC_EDIT_IMPORTE = 1022;  // the total
inline constexpr int IDC_EDIT_DEF_FECHA = 1023;
inline constexpr int IDC_EDIT_DEF_DOMICILIO = 1025;
inline constexpr int IDC_EDIT_LOCALIDAD = 1026;
inline constexpr int IDC_EDIT_DEF_IMPORTE = 1027;
inline constexpr int IDC_EDIT_VENCIMIENTO = 1028;
inline constexpr int IDC_EDIT_FECHA = 1029;
inline constexpr int IDC_EDIT_DEF_VENCIMIENTO = 1030;
inline constexpr int IDC_EDIT_DOMICILIO = 1031;
inline constexpr int IDC_EDIT_DEF_PAGADOR = 1032;
inline constexpr int IDC_EDIT_PAGADOR_1 = 1034;
inline constexpr int IDC_EDIT_PAGADOR_2 = 1035;
inline constexpr int IDC_EDIT_PAGADOR_3 = 1036;
inline constexpr int IDC_EDIT_DEF_COBRADOR = 1037;
inline constexpr int IDC_EDIT_COBRADOR_1 = 1038;
inline constexpr int IDC_EDIT_COBRADOR_2 = 1039;
inline constexpr int IDC_EDIT_COBRADOR_3 = 1040;
inline constexpr int IDC_BUTTON_MONEDA = 1041;
inline constexpr int IDC_BUTTON_COLOR = 1043;
inline constexpr int IDC_BUTTON_LOGOTIPO = 1044;
inline constexpr int IDC_BUTTON_DEFECTO = 1046;
inline constexpr int IDC_BUTTON_FONDO = 1047;
inline constexpr int IDC_BUTTON_EDITAR = 1048;
inline constexpr int IDC_BUTTON_ACEPTAR = 1049;  // label-editing mode
inline constexpr int IDC_BUTTON_IMPRIMIR = 1050;
inline constexpr int IDC_BUTTON_CANCELAR = 1051;  // label-editing mode
inline constexpr int IDC_BUTTON_VISTA = 1053;
inline constexpr int IDC_BUTTON_IMPRIMIR_IMG = 1115;
inline constexpr int IDC_BUTTON_GUARDAR = 1116;
inline constexpr int IDC_BUTTON_SALIR = 1117;
inline constexpr int IDC_BUTTON_CARGAR = 1118;
inline constexpr int IDC_BUTTON_CALENDARIO = 1122;
inline constexpr int IDC_BUTTON_MAS = 1125;

// The About box (IDD_ABOUTBOX).
inline constexpr int IDC_PAGINA_OFICIAL = 1127;
inline constexpr int IDC_DISTRIBUIDOR = 1128;
inline constexpr int IDC_CORREO = 1129;

// The message box (IDD_SALUDO).
inline constexpr int IDC_EDIT_TEXTO = 1126;

// The currency options (IDD_CONFIG): the labels of the groups, then the groups.
inline constexpr int IDC_EDIT_DEF_NOMBRE_MONEDA = 1112;
inline constexpr int IDC_EDIT_DEF_SEPARADOR_DECIMAL = 1114;
inline constexpr int IDC_EDIT_DEF_POSITIVOS = 1115;
inline constexpr int IDC_EDIT_DEF_DECIMALES = 1116;
inline constexpr int IDC_EDIT_DEF_SIMBOLO = 1117;
inline constexpr int IDC_EDIT_DEF_NEGATIVOS = 1118;
inline constexpr int IDC_EDIT_DEF_MUESTRA = 1119;
inline constexpr int IDC_EDIT_DEF_MILES = 1120;
inline constexpr int IDC_EDIT_DEF_RELLENO = 1121;
inline constexpr int IDC_RADIO_COMA_DECIMAL = 1110;   // "1.000,00"
inline constexpr int IDC_RADIO_PUNTO_DECIMAL = 1111;  // "1,000.00"
inline constexpr int IDC_RADIO_DOS_DECIMALES = 1052;
inline constexpr int IDC_RADIO_SIN_DECIMALES = 1053;
inline constexpr int IDC_RADIO_POSITIVO_0 = 1065;
inline constexpr int IDC_RADIO_POSITIVO_1 = 1066;
inline constexpr int IDC_RADIO_POSITIVO_2 = 1067;
inline constexpr int IDC_RADIO_POSITIVO_3 = 1068;
inline constexpr int IDC_RADIO_NEGATIVO_0 = 1095;
inline constexpr int IDC_RADIO_NEGATIVO_1 = 1059;
inline constexpr int IDC_RADIO_NEGATIVO_2 = 1079;
inline constexpr int IDC_RADIO_NEGATIVO_3 = 1080;
inline constexpr int IDC_RADIO_NEGATIVO_4 = 1081;
inline constexpr int IDC_RADIO_NEGATIVO_5 = 1082;
inline constexpr int IDC_RADIO_NEGATIVO_6 = 1083;
inline constexpr int IDC_RADIO_NEGATIVO_7 = 1084;
inline constexpr int IDC_RADIO_NEGATIVO_8 = 1085;
inline constexpr int IDC_RADIO_NEGATIVO_9 = 1086;
inline constexpr int IDC_RADIO_NEGATIVO_10 = 1087;
inline constexpr int IDC_RADIO_NEGATIVO_11 = 1090;
inline constexpr int IDC_RADIO_NEGATIVO_12 = 1091;
inline constexpr int IDC_RADIO_NEGATIVO_13 = 1092;
inline constexpr int IDC_RADIO_NEGATIVO_14 = 1093;
inline constexpr int IDC_RADIO_NEGATIVO_15 = 1094;
inline constexpr int IDC_RADIO_MILES_COMA = 1124;
inline constexpr int IDC_RADIO_MILES_PUNTO = 1125;
inline constexpr int IDC_RADIO_MILES_APOSTROFO = 1126;
inline constexpr int IDC_RADIO_MILES_ESPACIO = 1127;
inline constexpr int IDC_RADIO_RELLENO_ALMOHADILLA = 1128;
inline constexpr int IDC_RADIO_RELLENO_ASTERISCO = 1129;
inline constexpr int IDC_RADIO_RELLENO_X = 1130;
inline constexpr int IDC_RADIO_RELLENO_ESPACIO = 1131;
inline constexpr int IDC_EDIT_NOMBRE_MONEDA = 1113;
inline constexpr int IDC_RADIO_SIGNO_PERSONALIZADO = 1074;
inline constexpr int IDC_RADIO_SIGNOS_STANDARD = 1089;
inline constexpr int IDC_EDIT_SIGNO = 1096;  // the custom sign
// The sign buttons in reading order; the last shows the empty sign.
inline constexpr int IDC_BUTTON_SIGNO_1 = 1051;
inline constexpr int IDC_BUTTON_SIGNO_2 = 1056;
inline constexpr int IDC_BUTTON_SIGNO_3 = 1057;
inline constexpr int IDC_BUTTON_SIGNO_4 = 1058;
inline constexpr int IDC_BUTTON_SIGNO_5 = 1060;
inline constexpr int IDC_BUTTON_SIGNO_6 = 1061;
inline constexpr int IDC_BUTTON_SIGNO_7 = 1062;
inline constexpr int IDC_BUTTON_SIGNO_8 = 1063;
inline constexpr int IDC_BUTTON_SIGNO_9 = 1064;
inline constexpr int IDC_BUTTON_SIGNO_10 = 1069;
inline constexpr int IDC_BUTTON_SIGNO_11 = 1070;
inline constexpr int IDC_BUTTON_SIGNO_12 = 1071;
inline constexpr int IDC_BUTTON_SIGNO_13 = 1072;
inline constexpr int IDC_BUTTON_SIGNO_14 = 1075;
inline constexpr int IDC_BUTTON_SIGNO_15 = 1076;
inline constexpr int IDC_BUTTON_SIGNO_16 = 1077;
inline constexpr int IDC_BUTTON_SIGNO_17 = 1078;
inline constexpr int IDC_BUTTON_SIGNO_18 = 1088;
inline constexpr int IDC_BUTTON_SIGNO_19 = 1098;
inline constexpr int IDC_BUTTON_SIGNO_20 = 1099;
inline constexpr int IDC_BUTTON_SIGNO_21 = 1100;
inline constexpr int IDC_BUTTON_SIGNO_22 = 1101;
inline constexpr int IDC_BUTTON_SIGNO_VACIO = 1102;
inline constexpr int IDC_BUTTON_OCULTO_1 = 1103;  // to 1109: seven cells kept hidden

// The radio groups of IDD_CONFIG, each in the order of the choice it stands for.
inline constexpr std::array<int, 2> kRadiosEstilo = {IDC_RADIO_COMA_DECIMAL,
                                                     IDC_RADIO_PUNTO_DECIMAL};
inline constexpr std::array<int, 2> kRadiosDecimales = {IDC_RADIO_DOS_DECIMALES,
                                                        IDC_RADIO_SIN_DECIMALES};
inline constexpr std::array<int, 2> kRadiosTipoSigno = {IDC_RADIO_SIGNO_PERSONALIZADO,
                                                        IDC_RADIO_SIGNOS_STANDARD};
inline constexpr std::array<int, 4> kRadiosPositivo = {IDC_RADIO_POSITIVO_0, IDC_RADIO_POSITIVO_1,
                                                       IDC_RADIO_POSITIVO_2, IDC_RADIO_POSITIVO_3};
inline constexpr std::array<int, 16> kRadiosNegativo = {
    IDC_RADIO_NEGATIVO_0,  IDC_RADIO_NEGATIVO_1,  IDC_RADIO_NEGATIVO_2,  IDC_RADIO_NEGATIVO_3,
    IDC_RADIO_NEGATIVO_4,  IDC_RADIO_NEGATIVO_5,  IDC_RADIO_NEGATIVO_6,  IDC_RADIO_NEGATIVO_7,
    IDC_RADIO_NEGATIVO_8,  IDC_RADIO_NEGATIVO_9,  IDC_RADIO_NEGATIVO_10, IDC_RADIO_NEGATIVO_11,
    IDC_RADIO_NEGATIVO_12, IDC_RADIO_NEGATIVO_13, IDC_RADIO_NEGATIVO_14, IDC_RADIO_NEGATIVO_15};
inline constexpr std::array<int, 4> kRadiosMiles = {IDC_RADIO_MILES_COMA, IDC_RADIO_MILES_PUNTO,
                                                    IDC_RADIO_MILES_APOSTROFO,
                                                    IDC_RADIO_MILES_ESPACIO};
inline constexpr std::array<int, 4> kRadiosRelleno = {
    IDC_RADIO_RELLENO_ALMOHADILLA, IDC_RADIO_RELLENO_ASTERISCO, IDC_RADIO_RELLENO_X,
    IDC_RADIO_RELLENO_ESPACIO};

// The logo dialog (IDD_LOGOTIPO).
inline constexpr int IDC_BUTTON_LOGO_SALIR = 1117;
inline constexpr int IDC_BUTTON_LOGO_VER = 1118;
inline constexpr int IDC_BUTTON_LOGO_ELEGIR = 1119;
inline constexpr int IDC_BUTTON_LOGO_QUITAR = 1120;
inline constexpr int IDC_BUTTON_LOGO_EDITAR = 1121;
inline constexpr int IDC_BUTTON_LOGO_AYUDA = 1122;

// The receipt texts and colours (IDD_DISENO_RECIBO).
inline constexpr int IDC_BUTTON_SELECT_COLOR = 1041;
inline constexpr int IDC_BUTTON_LISO = 1042;
inline constexpr int IDC_BUTTON_RAYADO = 1043;
inline constexpr int IDC_EDIT_DEF_COLOR = 1116;
inline constexpr int IDC_EDIT_DEF_FONDO = 1117;
inline constexpr int IDC_EDIT_DEF_TEXTO = 1118;
inline constexpr int IDC_EDIT_TEXTO_1 = 1119;
inline constexpr int IDC_EDIT_TEXTO_2 = 1120;
inline constexpr int IDC_EDIT_TEXTO_3 = 1121;
inline constexpr int IDC_CHECK_IMPORTE_LETRA = 1140;

// The calendar (IDD_CALENDARIO).
inline constexpr int IDC_MONTHCALENDAR = 1123;

// The receipts issued (IDD_RECIBOS_EMITIDOS).
inline constexpr int IDC_EDIT_BUSCAR = 1201;
inline constexpr int IDC_TABLA_EMITIDOS = 1202;
inline constexpr int IDC_TEXTO_ESTADO = 1203;  // what the table shows, or why it shows nothing
inline constexpr int IDC_BUTTON_VER_EMITIDO = 1204;
inline constexpr int IDC_BUTTON_REIMPRIMIR = 1205;
inline constexpr int IDC_BUTTON_CARGAR_EMITIDO = 1206;
inline constexpr int IDC_LISTA_ESTADO = 1207;  // the collection status the table shows
inline constexpr int IDC_BUTTON_COBRADO = 1208;
inline constexpr int IDC_BUTTON_DEVUELTO = 1209;
inline constexpr int IDC_BUTTON_ANULAR = 1210;
inline constexpr int IDC_BUTTON_HISTORIAL = 1211;

// A receipt paid (IDD_COBRADO) or returned by the bank (IDD_DEVUELTO): the day, and how it was
// paid or why it was returned.
inline constexpr int IDC_EDIT_FECHA_ESTADO = 1221;
inline constexpr int IDC_TEXTO_ERROR_FECHA = 1222;
inline constexpr int IDC_RADIO_EFECTIVO = 1223;
inline constexpr int IDC_RADIO_TRANSFERENCIA = 1224;
inline constexpr int IDC_RADIO_DOMICILIACION = 1225;
inline constexpr int IDC_TABLA_MOTIVOS = 1226;

// The creditor of the remittances (IDD_ACREEDOR): each field, and below it what is wrong with it.
inline constexpr int IDC_EDIT_ACREEDOR_NOMBRE = 1251;
inline constexpr int IDC_EDIT_ACREEDOR_IDENTIFICADOR = 1252;
inline constexpr int IDC_EDIT_ACREEDOR_IBAN = 1253;
inline constexpr int IDC_EDIT_ACREEDOR_BIC = 1254;
inline constexpr int IDC_TEXTO_ERROR_NOMBRE = 1261;
inline constexpr int IDC_TEXTO_ERROR_IDENTIFICADOR = 1262;
inline constexpr int IDC_TEXTO_ERROR_IBAN = 1263;
inline constexpr int IDC_TEXTO_ERROR_BIC = 1264;
// The printer calibration (IDD_AJUSTAR_IMPRESORA).
inline constexpr int IDC_TABLA_IMPRESORAS = 1301;
inline constexpr int IDC_TEXTO_CALIBRACION = 1302;  // the stored correction, or what went wrong
inline constexpr int IDC_BUTTON_PAGINA_CALIBRACION = 1303;
inline constexpr int IDC_EDIT_CAL_IZQUIERDA = 1304;
inline constexpr int IDC_EDIT_CAL_ARRIBA = 1305;
inline constexpr int IDC_EDIT_CAL_REGLA_H = 1306;
inline constexpr int IDC_EDIT_CAL_REGLA_V = 1307;
inline constexpr int IDC_BUTTON_GUARDAR_CALIBRACION = 1308;
inline constexpr int IDC_BUTTON_QUITAR_CALIBRACION = 1309;

// The form's menu button, "Más…", which opens the menu of commands.
inline constexpr int IDC_BUTTON_MAS_COMANDOS = 1310;
