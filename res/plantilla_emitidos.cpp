// The receipts issued: a search, the table of the register, and what can be done with
// the selected receipt.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

DialogTemplate PlantillaRecibosEmitidos() {
    DialogTemplate t{IDD_RECIBOS_EMITIDOS, 340, 222, "Recibos emitidos", kDlgModalFrame, {}};
    t.controls = {
        Texto(7, 9, 32, 8, "Buscar:"),
        Edit(IDC_EDIT_BUSCAR, 40, 7, 160, 12),
        Texto(205, 9, 128, 8, "(pagador o n\xFAmero)"),
        Tabla(IDC_TABLA_EMITIDOS, 7, 24, 326, 150, "Fecha\tN\xFAmero\tPagador\tTotal"),
        {IDC_TEXTO_ESTADO, ControlKind::Static, 7, 178, 326, 16, "", 0},
        Boton(IDC_BUTTON_VER_EMITIDO, 7, 200, 70, 14, "Vista previa"),
        Boton(IDC_BUTTON_REIMPRIMIR, 82, 200, 70, 14, "Reimprimir"),
        Boton(IDC_BUTTON_CARGAR_EMITIDO, 157, 200, 100, 14, "Cargar en el formulario"),
        Boton(IDCANCEL, 283, 200, 50, 14, "Cerrar"),
    };
    return t;
}

}  // namespace plantillas
