// The form's fields: control ids, settings keys, label defaults and record members, held as
// data so that saving, loading, gathering and the modes never repeat an id list.
#pragma once

#include <array>
#include <string>

#include "form/recibodata.h"
#include "settings/esquema.h"

// Controls of the form (template 102).
enum IdControlRecibo : int {
    IDC_EDIT_CONCEPTOS = 1004,   // label of the concept column
    IDC_EDIT_CONCEPTO_1 = 1005,  // to 1010
    IDC_EDIT_IMPORTES = 1012,    // label of the amount column
    IDC_EDIT_IMPORTE_1 = 1013,   // to 1018
    IDC_EDIT_DEF_NUMERO = 1019,
    IDC_EDIT_NUMERO = 1020,
    IDC_EDIT_DEF_LOCALIDAD = 1021,
    IDC_EDIT_IMPORTE = 1022,  // total
    IDC_EDIT_DEF_FECHA = 1023,
    IDC_EDIT_DEF_DOMICILIO = 1025,
    IDC_EDIT_LOCALIDAD = 1026,
    IDC_EDIT_DEF_IMPORTE = 1027,
    IDC_EDIT_VENCIMIENTO = 1028,
    IDC_EDIT_FECHA = 1029,
    IDC_EDIT_DEF_VENCIMIENTO = 1030,
    IDC_EDIT_DOMICILIO = 1031,
    IDC_EDIT_DEF_PAGADOR = 1032,
    IDC_EDIT_PAGADOR_1 = 1034,  // to 1036
    IDC_EDIT_DEF_COBRADOR = 1037,
    IDC_EDIT_COBRADOR_1 = 1038,  // to 1040
    IDC_BUTTON_MONEDA = 1041,
    IDC_BUTTON_COLOR = 1043,
    IDC_BUTTON_LOGOTIPO = 1044,
    IDC_BUTTON_DEFECTO = 1046,
    IDC_BUTTON_FONDO = 1047,
    IDC_BUTTON_EDITAR = 1048,
    IDC_BUTTON_ACEPTAR = 1049,
    IDC_BUTTON_IMPRIMIR = 1050,
    IDC_BUTTON_CANCELAR = 1051,
    IDC_BUTTON_VISTA = 1053,
    IDC_BUTTON_IMPRIMIR_IMG = 1115,
    IDC_BUTTON_GUARDAR = 1116,
    IDC_BUTTON_SALIR = 1117,
    IDC_BUTTON_CARGAR = 1118,
    IDC_BUTTON_CALENDARIO = 1122,
    IDC_BUTTON_MAS = 1125,
};

// A receipt field that is stored: its edit control and its setting, in save and load order.
struct CampoGuardado {
    int nControl;
    AjusteTexto ajuste;
};
extern const std::array<CampoGuardado, 23> kCamposRecibo;

// A label: its edit control and setting, and the run of fields it names (nCampos controls from
// nCampo on); its position is the language table's group-9 index.
struct CampoEtiqueta {
    int nControl;
    AjusteTexto ajuste;
    int nCampo;
    int nCampos;
};
extern const std::array<CampoEtiqueta, 10> kEtiquetas;

// Gathering the record: text members and amount members with the control they come from, in
// the order of the record's fields.
struct CampoTexto {
    int nControl;
    std::string ReciboData::*pMiembro;
};
extern const std::array<CampoTexto, 25> kTextosRecibo;

struct CampoImporte {
    int nControl;
    CGlobalCurrency ReciboData::*pMiembro;
};
extern const std::array<CampoImporte, 6> kImportesRecibo;
