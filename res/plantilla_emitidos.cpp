// The receipts issued (240): a search, the table of the register, and what can be done with
// the selected receipt.
#include "res/controles.h"

namespace plantillas {

DialogTemplate PlantillaRecibosEmitidos() {
    DialogTemplate t{240, 340, 222, "Recibos emitidos", kDlgModalFrame, {}};
    t.controls = {
        Texto(7, 9, 32, 8, "Buscar:"),
        Edit(1201, 40, 7, 160, 12),
        Texto(205, 9, 128, 8, "(pagador o n\xFAmero)"),
        Tabla(1202, 7, 24, 326, 150, "Fecha\tN\xFAmero\tPagador\tTotal"),
        {1203, ControlKind::Static, 7, 178, 326, 16, "", 0},
        Boton(1204, 7, 200, 70, 14, "Vista previa"),
        Boton(1205, 82, 200, 70, 14, "Reimprimir"),
        Boton(1206, 157, 200, 100, 14, "Cargar en el formulario"),
        Boton(2, 283, 200, 50, 14, "Cerrar"),
    };
    return t;
}

}  // namespace plantillas
