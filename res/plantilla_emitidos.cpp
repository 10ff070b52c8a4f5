// The receipts issued: a search, the table of the register, and what can be done with
// the selected receipt; a receipt paid and a receipt returned, each the day and how or why.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

DialogTemplate PlantillaRecibosEmitidos() {
    DialogTemplate t{IDD_RECIBOS_EMITIDOS, 400, 244, "Recibos emitidos", kDlgModalFrame, {}};
    t.controls = {
        Texto(7, 9, 32, 8, "Buscar:"),
        Edit(IDC_EDIT_BUSCAR, 40, 7, 150, 12),
        Texto(195, 9, 90, 8, "(pagador o n\xFAmero)"),
        Texto(290, 9, 28, 8, "Estado:"),
        Lista(IDC_LISTA_ESTADO, 320, 6, 73, 14, "Todos\tpendiente\tcobrado\tdevuelto\tanulado"),
        Tabla(IDC_TABLA_EMITIDOS, 7, 24, 386, 150, "Fecha\tN\xFAmero\tPagador\tTotal\tEstado"),
        {IDC_TEXTO_ESTADO, ControlKind::Static, 7, 178, 386, 16, "", 0},
        Boton(IDC_BUTTON_VER_EMITIDO, 7, 200, 70, 14, "Vista previa"),
        Boton(IDC_BUTTON_REIMPRIMIR, 82, 200, 70, 14, "Reimprimir"),
        Boton(IDC_BUTTON_CARGAR_EMITIDO, 157, 200, 100, 14, "Cargar en el formulario"),
        Boton(IDC_BUTTON_COBRADO, 7, 222, 60, 14, "Cobrado..."),
        Boton(IDC_BUTTON_DEVUELTO, 72, 222, 60, 14, "Devuelto..."),
        Boton(IDC_BUTTON_ANULAR, 137, 222, 60, 14, "Anular"),
        Boton(IDC_BUTTON_HISTORIAL, 202, 222, 60, 14, "Historial"),
        Boton(IDCANCEL, 343, 222, 50, 14, "Cerrar"),
    };
    return t;
}

namespace {

// The day of the change, with the form it is typed in and, below, what is wrong with it.
void Fecha(DialogTemplate& t, const char* sEtiqueta) {
    t.controls.push_back(Texto(7, 9, 80, 8, sEtiqueta));
    t.controls.push_back(Edit(IDC_EDIT_FECHA_ESTADO, 90, 7, 60, 12));
    t.controls.push_back(Texto(155, 9, 60, 8, "(dd/mm/aaaa)"));
    t.controls.push_back({IDC_TEXTO_ERROR_FECHA, ControlKind::Static, 7, 22, t.cx - 14, 8, "", 0});
}

void Botones(DialogTemplate& t) {
    t.controls.push_back(Boton(IDOK, t.cx - 116, t.cy - 21, 50, 14, "Aceptar", kDefault));
    t.controls.push_back(Boton(IDCANCEL, t.cx - 57, t.cy - 21, 50, 14, "Cancelar"));
}

}  // namespace

DialogTemplate PlantillaCobrado() {
    DialogTemplate t{IDD_COBRADO, 220, 108, "Recibo cobrado", kDlgModalFrame, {}};
    Fecha(t, "Fecha de cobro:");
    t.controls.push_back(Texto(7, 36, 120, 8, "Forma de cobro:"));
    t.controls.push_back(Radio(IDC_RADIO_EFECTIVO, 15, 47, 120, 10, "Efectivo", kGroup));
    t.controls.push_back(Radio(IDC_RADIO_TRANSFERENCIA, 15, 59, 120, 10, "Transferencia"));
    t.controls.push_back(Radio(IDC_RADIO_DOMICILIACION, 15, 71, 120, 10, "Domiciliaci\xF3n"));
    Botones(t);
    return t;
}

DialogTemplate PlantillaDevuelto() {
    DialogTemplate t{IDD_DEVUELTO, 300, 178, "Recibo devuelto", kDlgModalFrame, {}};
    Fecha(t, "Fecha de devoluci\xF3n:");
    t.controls.push_back(Texto(7, 36, 200, 8, "Motivo de la devoluci\xF3n:"));
    t.controls.push_back(Tabla(IDC_TABLA_MOTIVOS, 7, 47, 286, 102,
                               "C\xF3"
                               "digo\tSignificado"));
    Botones(t);
    return t;
}

}  // namespace plantillas
