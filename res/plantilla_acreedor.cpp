// The creditor of the bank remittances: its name, SEPA creditor identifier, IBAN and BIC, each
// with a line below it that says what is wrong with it.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

namespace {

ControlTemplate Error(int id, int y) {
    return {id, ControlKind::Static, 82, y, 200, 8, "", 0};
}

}  // namespace

DialogTemplate PlantillaAcreedor() {
    DialogTemplate t{IDD_ACREEDOR, 290, 134, "Datos del acreedor", kDlgModalFrame, {}};
    t.controls = {
        Texto(7, 9, 72, 8, "Nombre:"),
        Edit(IDC_EDIT_ACREEDOR_NOMBRE, 82, 7, 200, 12),
        Error(IDC_TEXTO_ERROR_NOMBRE, 21),
        Texto(7, 35, 72, 8, "Identificador SEPA:"),
        Edit(IDC_EDIT_ACREEDOR_IDENTIFICADOR, 82, 33, 200, 12),
        Error(IDC_TEXTO_ERROR_IDENTIFICADOR, 47),
        Texto(7, 61, 72, 8, "IBAN:"),
        Edit(IDC_EDIT_ACREEDOR_IBAN, 82, 59, 200, 12),
        Error(IDC_TEXTO_ERROR_IBAN, 73),
        Texto(7, 87, 72, 8, "BIC (opcional):"),
        Edit(IDC_EDIT_ACREEDOR_BIC, 82, 85, 200, 12),
        Error(IDC_TEXTO_ERROR_BIC, 99),
        Boton(IDOK, 173, 113, 50, 14, "Aceptar", kDefault),
        Boton(IDCANCEL, 232, 113, 50, 14, "Cancelar"),
    };
    return t;
}

}  // namespace plantillas
