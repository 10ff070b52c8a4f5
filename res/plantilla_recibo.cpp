// The receipt form: fields in tab order, then the labels, then the commands.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

namespace {

// The column of command buttons at the right: wide enough for its longest caption, "Valores
// por defecto", at the desktop's usual fonts.
constexpr int kAnchoBotones = 72;

}  // namespace

DialogTemplate PlantillaRecibo() {
    DialogTemplate t{IDD_RECIBO_DIALOG, 350, 212, "Brixamo", kDlgModalFrame | kDlgTaskbar, {}};
    auto& c = t.controls;
    c.push_back(Edit(IDC_EDIT_NUMERO, 7, 18, 45, 12, kBorder | kTabStop | kAlignRight));
    c.push_back(Edit(IDC_EDIT_LOCALIDAD, 65, 18, 121, 12, kBorder | kTabStop | kAlignCenter));
    c.push_back(Edit(IDC_EDIT_IMPORTE, 186, 18, 83, 12, kBorder | kTabStop | kAlignRight));
    c.push_back(Edit(IDC_EDIT_FECHA, 7, 42, 119, 12, kBorder | kTabStop | kAlignCenter));
    c.push_back(Edit(IDC_EDIT_VENCIMIENTO, 141, 42, 128, 12, kBorder | kTabStop | kAlignCenter));
    const int filas[] = {66, 77, 88, 99, 111, 122};
    for (int i = 0; i < 6; ++i) {
        c.push_back(Edit(IDC_EDIT_CONCEPTO_1 + i, 7, filas[i], 198, 12));
        c.push_back(
            Edit(IDC_EDIT_IMPORTE_1 + i, 205, filas[i], 64, 12, kBorder | kTabStop | kAlignRight));
    }
    c.push_back(Edit(IDC_EDIT_DOMICILIO, 7, 145, 262, 12));
    const int bloque[] = {169, 180, 192};
    for (int i = 0; i < 3; ++i) {
        c.push_back(Edit(IDC_EDIT_PAGADOR_1 + i, 7, bloque[i], 131, 12));
    }
    for (int i = 0; i < 3; ++i) {
        c.push_back(Edit(IDC_EDIT_COBRADOR_1 + i, 138, bloque[i], 131, 12));
    }
    c.push_back(Etiqueta(IDC_EDIT_DEF_NUMERO, 7, 7, 58, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_LOCALIDAD, 65, 7, 121, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_IMPORTE, 186, 7, 83, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_FECHA, 7, 30, 133, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_VENCIMIENTO, 141, 30, 128, 12));
    c.push_back(Etiqueta(IDC_EDIT_CONCEPTOS, 7, 54, 198, 12));
    c.push_back(Etiqueta(IDC_EDIT_IMPORTES, 205, 54, 64, 12, kAlignCenter));
    c.push_back(Etiqueta(IDC_EDIT_DEF_DOMICILIO, 7, 134, 262, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_PAGADOR, 7, 158, 131, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_COBRADOR, 138, 158, 131, 12));
    c.push_back(Boton(IDC_BUTTON_FONDO, 272, 33, kAnchoBotones, 12, "Fondo Recibo"));
    c.push_back(Boton(IDC_BUTTON_COLOR, 272, 97, kAnchoBotones, 12, "Color Recibo"));
    // The menu of commands, also the form's context menu: "Más…".
    c.push_back({IDC_BUTTON_MAS_COMANDOS, ControlKind::MenuButton, 272, 114, kAnchoBotones, 12,
                 "M\xE1s\x85", kTabStop});
    c.push_back(Boton(IDC_BUTTON_LOGOTIPO, 272, 46, kAnchoBotones, 12, "Logotipo"));
    c.push_back(Boton(IDC_BUTTON_MONEDA, 272, 59, kAnchoBotones, 12, "Moneda"));
    c.push_back(Boton(IDC_BUTTON_DEFECTO, 272, 72, kAnchoBotones, 12, "Valores por defecto"));
    c.push_back(Boton(IDC_BUTTON_EDITAR, 272, 85, kAnchoBotones, 12, "Editar Conceptos"));
    c.push_back(BotonImagen(IDC_BUTTON_SALIR, 275, 140, 28, 30, "Salir"));
    c.push_back(BotonImagen(IDC_BUTTON_GUARDAR, 275, 173, 28, 30, "Guardar"));
    c.push_back(BotonImagen(IDC_BUTTON_IMPRIMIR_IMG, 312, 173, 28, 30, "Imprimir"));
    c.push_back(BotonImagen(IDC_BUTTON_CARGAR, 312, 141, 28, 30, "Guardar"));
    c.push_back(BotonImagen(IDC_BUTTON_CALENDARIO, 127, 42, 13, 12, "", kImageCentre));
    // The mode buttons share their places with Imprimir and Vista Previa; the form shows one pair.
    c.push_back(Boton(IDC_BUTTON_ACEPTAR, 272, 7, kAnchoBotones, 12, "Aceptar", kHidden));
    c.push_back(Boton(IDC_BUTTON_CANCELAR, 272, 20, kAnchoBotones, 12, "Cancelar", kHidden));
    c.push_back(Boton(IDC_BUTTON_MAS, 53, 18, 12, 12, "+"));
    c.push_back(Boton(IDC_BUTTON_IMPRIMIR, 272, 7, kAnchoBotones, 12, "Imprimir"));
    c.push_back(Boton(IDC_BUTTON_VISTA, 272, 20, kAnchoBotones, 12, "Vista Previa"));
    return t;
}

}  // namespace plantillas
