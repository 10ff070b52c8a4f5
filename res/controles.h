// Shorthands for writing the dialog templates as tables.
#pragma once

#include "res/dialog_template.h"

namespace plantillas {

inline ControlTemplate Edit(int id, int x, int y, int cx, int cy,
                            unsigned style = kBorder | kTabStop) {
    return {id, ControlKind::Edit, x, y, cx, cy, "", style};
}

// An edit used as a label: bordered, not a tab stop.
inline ControlTemplate Etiqueta(int id, int x, int y, int cx, int cy, unsigned style = 0) {
    return {id, ControlKind::Edit, x, y, cx, cy, "", kBorder | style};
}

inline ControlTemplate Boton(int id, int x, int y, int cx, int cy, const char* text,
                             unsigned style = 0) {
    return {id, ControlKind::Button, x, y, cx, cy, text, kTabStop | style};
}

inline ControlTemplate BotonImagen(int id, int x, int y, int cx, int cy, const char* text = "",
                                   unsigned style = 0) {
    return {id, ControlKind::ImageButton, x, y, cx, cy, text, kTabStop | style};
}

inline ControlTemplate Radio(int id, int x, int y, int cx, int cy, const char* text,
                             unsigned style = 0) {
    return {id, ControlKind::Radio, x, y, cx, cy, text, kTabStop | style};
}

inline ControlTemplate Casilla(int id, int x, int y, int cx, int cy, const char* text) {
    return {id, ControlKind::CheckBox, x, y, cx, cy, text, kTabStop};
}

inline ControlTemplate Texto(int x, int y, int cx, int cy, const char* text) {
    return {-1, ControlKind::Static, x, y, cx, cy, text, 0};
}

// A table whose column headings are separated by '\t'.
inline ControlTemplate Tabla(int id, int x, int y, int cx, int cy, const char* headings) {
    return {id, ControlKind::Table, x, y, cx, cy, headings, kBorder | kTabStop};
}

// A drop-down list whose items are separated by '\t'; the first is chosen.
inline ControlTemplate Lista(int id, int x, int y, int cx, int cy, const char* items) {
    return {id, ControlKind::ComboBox, x, y, cx, cy, items, kTabStop};
}

// The tables, one per window.
DialogTemplate PlantillaAcerca();            // IDD_ABOUTBOX
DialogTemplate PlantillaRecibo();            // IDD_RECIBO_DIALOG
DialogTemplate PlantillaMoneda();            // IDD_CONFIG
DialogTemplate PlantillaSaludo();            // IDD_SALUDO
DialogTemplate PlantillaLogotipo();          // IDD_LOGOTIPO
DialogTemplate PlantillaDisenoRecibo();      // IDD_DISENO_RECIBO
DialogTemplate PlantillaCalendario();        // IDD_CALENDARIO
DialogTemplate PlantillaVistaPrevia();       // IDD_VISTA_PREVIA
DialogTemplate PlantillaRecibosEmitidos();   // IDD_RECIBOS_EMITIDOS
DialogTemplate PlantillaCobrado();           // IDD_COBRADO
DialogTemplate PlantillaDevuelto();          // IDD_DEVUELTO
DialogTemplate PlantillaAjustarImpresora();  // IDD_AJUSTAR_IMPRESORA
DialogTemplate PlantillaAcreedor();          // IDD_ACREEDOR

}  // namespace plantillas
