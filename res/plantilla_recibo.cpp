// The receipt form (102): fields in tab order, then the labels, then the commands.
#include "res/controles.h"

namespace plantillas {

DialogTemplate PlantillaRecibo() {
    DialogTemplate t{102, 350, 212, "Brixamo", kDlgModalFrame | kDlgTaskbar, {}};
    auto& c = t.controls;
    c.push_back(Edit(1020, 7, 18, 45, 12, kBorder | kTabStop | kAlignRight));
    c.push_back(Edit(1026, 65, 18, 121, 12, kBorder | kTabStop | kAlignCenter));
    c.push_back(Edit(1022, 186, 18, 83, 12, kBorder | kTabStop | kAlignRight));
    c.push_back(Edit(1029, 7, 42, 119, 12, kBorder | kTabStop | kAlignCenter));
    c.push_back(Edit(1028, 141, 42, 128, 12, kBorder | kTabStop | kAlignCenter));
    const int filas[] = {66, 77, 88, 99, 111, 122};
    for (int i = 0; i < 6; ++i) {
        c.push_back(Edit(1005 + i, 7, filas[i], 198, 12));
        c.push_back(Edit(1013 + i, 205, filas[i], 64, 12, kBorder | kTabStop | kAlignRight));
    }
    c.push_back(Edit(1031, 7, 145, 262, 12));
    const int bloque[] = {169, 180, 192};
    for (int i = 0; i < 3; ++i) {
        c.push_back(Edit(1034 + i, 7, bloque[i], 131, 12));
    }
    for (int i = 0; i < 3; ++i) {
        c.push_back(Edit(1038 + i, 138, bloque[i], 131, 12));
    }
    c.push_back(Etiqueta(1019, 7, 7, 58, 12));
    c.push_back(Etiqueta(1021, 65, 7, 121, 12));
    c.push_back(Etiqueta(1027, 186, 7, 83, 12));
    c.push_back(Etiqueta(1023, 7, 30, 133, 12));
    c.push_back(Etiqueta(1030, 141, 30, 128, 12));
    c.push_back(Etiqueta(1004, 7, 54, 198, 12));
    c.push_back(Etiqueta(1012, 205, 54, 64, 12, kAlignCenter));
    c.push_back(Etiqueta(1025, 7, 134, 262, 12));
    c.push_back(Etiqueta(1032, 7, 158, 131, 12));
    c.push_back(Etiqueta(1037, 138, 158, 131, 12));
    c.push_back(Boton(1047, 272, 33, 70, 12, "Fondo Recibo"));
    c.push_back(Boton(1043, 272, 97, 70, 12, "Color Recibo"));
    c.push_back(Boton(1044, 272, 46, 70, 12, "Logotipo"));
    c.push_back(Boton(1041, 272, 59, 70, 12, "Moneda"));
    c.push_back(Boton(1046, 272, 72, 70, 12, "Valores por defecto"));
    c.push_back(Boton(1048, 272, 85, 70, 12, "Editar Conceptos"));
    c.push_back(BotonImagen(1117, 275, 140, 28, 30, "Salir"));
    c.push_back(BotonImagen(1116, 275, 173, 28, 30, "Guardar"));
    c.push_back(BotonImagen(1115, 312, 173, 28, 30, "Imprimir"));
    c.push_back(BotonImagen(1118, 312, 141, 28, 30, "Guardar"));
    c.push_back(BotonImagen(1122, 127, 42, 13, 12, "", kImageCentre));
    // The mode buttons share their places with 1050 and 1053; the form shows one pair.
    c.push_back(Boton(1049, 272, 7, 70, 12, "Aceptar", kHidden));
    c.push_back(Boton(1051, 272, 20, 70, 12, "Cancelar", kHidden));
    c.push_back(Boton(1125, 53, 18, 12, 12, "+"));
    c.push_back(Boton(1050, 272, 7, 70, 12, "Imprimir"));
    c.push_back(Boton(1053, 272, 20, 70, 12, "Vista Previa"));
    return t;
}

}  // namespace plantillas
