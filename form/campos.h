// The form's fields: control ids, settings keys, label defaults and record members, held as
// data so that saving, loading, gathering and the modes never repeat an id list.
#pragma once

#include <array>
#include <string>

#include "form/recibodata.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"

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
