// The printer calibration: the queue, its stored correction, the calibration page and what
// the user measured on it.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

DialogTemplate PlantillaAjustarImpresora() {
    DialogTemplate t{IDD_AJUSTAR_IMPRESORA, 270, 206, "Ajustar impresora", kDlgModalFrame, {}};
    t.controls = {
        Texto(7, 7, 200, 8, "La impresora que quiere ajustar:"),
        Tabla(IDC_TABLA_IMPRESORAS, 7, 18, 256, 50, "Impresora"),
        {IDC_TEXTO_CALIBRACION, ControlKind::Static, 7, 72, 256, 18, "", 0},
        Boton(IDC_BUTTON_PAGINA_CALIBRACION, 7, 93, 140, 14,
              "Imprimir p\xE1gina de calibraci\xF3n"),
        Texto(7, 114, 190, 8, "Esquina de la cruz desde el borde izquierdo (mm):"),
        Edit(IDC_EDIT_CAL_IZQUIERDA, 213, 112, 50, 12, kBorder | kTabStop | kAlignRight),
        Texto(7, 130, 190, 8, "Esquina de la cruz desde el borde superior (mm):"),
        Edit(IDC_EDIT_CAL_ARRIBA, 213, 128, 50, 12, kBorder | kTabStop | kAlignRight),
        Texto(7, 146, 190, 8, "Largo de la regla horizontal (mm):"),
        Edit(IDC_EDIT_CAL_REGLA_H, 213, 144, 50, 12, kBorder | kTabStop | kAlignRight),
        Texto(7, 162, 190, 8, "Largo de la regla vertical (mm):"),
        Edit(IDC_EDIT_CAL_REGLA_V, 213, 160, 50, 12, kBorder | kTabStop | kAlignRight),
        Boton(IDC_BUTTON_GUARDAR_CALIBRACION, 7, 184, 90, 14, "Guardar correcci\xF3n"),
        Boton(IDC_BUTTON_QUITAR_CALIBRACION, 102, 184, 90, 14, "Quitar correcci\xF3n"),
        Boton(IDCANCEL, 213, 184, 50, 14, "Cerrar"),
    };
    return t;
}

}  // namespace plantillas
