// The option windows opened from the form: logo (215), receipt texts and colours (216),
// calendar (223) and print preview (225).
#include "res/controles.h"

namespace plantillas {

DialogTemplate PlantillaLogotipo() {
    DialogTemplate t{215, 123, 196, "", kDlgModalFrame, {}};
    t.controls = {
        BotonImagen(1119, 88, 7, 28, 30, "Seleccionar"),
        BotonImagen(1118, 88, 37, 28, 30, "Ver"),
        BotonImagen(1121, 88, 67, 28, 30, "Editar"),
        BotonImagen(1120, 88, 97, 28, 30, "Quitar"),
        BotonImagen(1122, 88, 128, 28, 30, "Ayuda"),
        BotonImagen(1117, 88, 159, 28, 30, "Salir"),
    };
    return t;
}

DialogTemplate PlantillaDisenoRecibo() {
    DialogTemplate t{216, 148, 150, "", kDlgModalFrame, {}};
    t.controls = {
        Etiqueta(1116, 7, 7, 81, 12, kReadOnly),
        Boton(1041, 91, 7, 50, 14, "SelectColor"),
        Etiqueta(1117, 7, 25, 81, 12, kReadOnly),
        BotonImagen(1042, 92, 25, 24, 14, "Liso"),
        BotonImagen(1043, 117, 25, 24, 14, "Rayado"),
        Etiqueta(1118, 7, 41, 81, 12, kReadOnly),
        Edit(1119, 15, 60, 124, 14),
        Edit(1120, 15, 75, 124, 14),
        Edit(1121, 15, 90, 124, 14),
        Casilla(1140, 15, 110, 124, 10, "Importe en letra"),
        Boton(1, 16, 128, 50, 14, "Ok", kDefault),
        Boton(2, 80, 128, 50, 14, "Cancel"),
    };
    return t;
}

DialogTemplate PlantillaCalendario() {
    DialogTemplate t{223, 154, 129, "", kDlgModalFrame, {}};
    t.controls = {
        {1123, ControlKind::MonthCalendar, 7, 7, 140, 100, "", kTabStop},
        Boton(1, 18, 108, 50, 14, "Aceptar", kDefault),
        Boton(2, 88, 108, 50, 14, "Cancelar"),
    };
    return t;
}

DialogTemplate PlantillaVistaPrevia() {
    // Resizable and scrolled: the receipt is shown at its printed size and the scroll bars
    // reach all of it; the two buttons show at their places.
    DialogTemplate t{225, 472, 246, "", kDlgResizable | kDlgScrollBars, {}};
    t.controls = {
        BotonImagen(1, 154, 198, 31, 31, "Aceptar", kDefault),
        BotonImagen(2, 229, 198, 30, 31, "Cancelar"),
    };
    return t;
}

}  // namespace plantillas
