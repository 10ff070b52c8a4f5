// The option windows opened from the form: logo, receipt texts and colours, calendar and
// print preview.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

DialogTemplate PlantillaLogotipo() {
    DialogTemplate t{IDD_LOGOTIPO, 123, 196, "", kDlgModalFrame, {}};
    t.controls = {
        BotonImagen(IDC_BUTTON_LOGO_ELEGIR, 88, 7, 28, 30, "Seleccionar"),
        BotonImagen(IDC_BUTTON_LOGO_VER, 88, 37, 28, 30, "Ver"),
        BotonImagen(IDC_BUTTON_LOGO_EDITAR, 88, 67, 28, 30, "Editar"),
        BotonImagen(IDC_BUTTON_LOGO_QUITAR, 88, 97, 28, 30, "Quitar"),
        BotonImagen(IDC_BUTTON_LOGO_AYUDA, 88, 128, 28, 30, "Ayuda"),
        BotonImagen(IDC_BUTTON_LOGO_SALIR, 88, 159, 28, 30, "Salir"),
    };
    return t;
}

DialogTemplate PlantillaDisenoRecibo() {
    DialogTemplate t{IDD_DISENO_RECIBO, 148, 150, "", kDlgModalFrame, {}};
    t.controls = {
        Etiqueta(IDC_EDIT_DEF_COLOR, 7, 7, 81, 12, kReadOnly),
        Boton(IDC_BUTTON_SELECT_COLOR, 91, 7, 50, 14, "SelectColor"),
        Etiqueta(IDC_EDIT_DEF_FONDO, 7, 25, 81, 12, kReadOnly),
        BotonImagen(IDC_BUTTON_LISO, 92, 25, 24, 14, "Liso"),
        BotonImagen(IDC_BUTTON_RAYADO, 117, 25, 24, 14, "Rayado"),
        Etiqueta(IDC_EDIT_DEF_TEXTO, 7, 41, 81, 12, kReadOnly),
        Edit(IDC_EDIT_TEXTO_1, 15, 60, 124, 14),
        Edit(IDC_EDIT_TEXTO_2, 15, 75, 124, 14),
        Edit(IDC_EDIT_TEXTO_3, 15, 90, 124, 14),
        Casilla(IDC_CHECK_IMPORTE_LETRA, 15, 110, 124, 10, "Importe en letra"),
        Boton(IDOK, 16, 128, 50, 14, "Ok", kDefault),
        Boton(IDCANCEL, 80, 128, 50, 14, "Cancel"),
    };
    return t;
}

DialogTemplate PlantillaCalendario() {
    DialogTemplate t{IDD_CALENDARIO, 154, 129, "", kDlgModalFrame, {}};
    t.controls = {
        {IDC_MONTHCALENDAR, ControlKind::MonthCalendar, 7, 7, 140, 100, "", kTabStop},
        Boton(IDOK, 18, 108, 50, 14, "Aceptar", kDefault),
        Boton(IDCANCEL, 88, 108, 50, 14, "Cancelar"),
    };
    return t;
}

DialogTemplate PlantillaVistaPrevia() {
    // Resizable and scrolled: the receipt is shown at its printed size and the scroll bars
    // reach all of it; the two buttons show at their places.
    DialogTemplate t{IDD_VISTA_PREVIA, 472, 246, "", kDlgResizable | kDlgScrollBars, {}};
    t.controls = {
        BotonImagen(IDOK, 154, 198, 31, 31, "Aceptar", kDefault),
        BotonImagen(IDCANCEL, 229, 198, 30, 31, "Cancelar"),
    };
    return t;
}

}  // namespace plantillas
