// The form and the receipts issued: a registered receipt loaded into the fields.
#include <algorithm>

#include "form/campos.h"
#include "form/ui/recibodlg.h"
#include "register/ui/recibosemitidosdlg.h"

namespace {

bool EsCampoDelRecibo(int nControl) {
    return std::ranges::any_of(
        kCamposRecibo, [nControl](const CampoGuardado& c) { return c.nControl == nControl; });
}

}  // namespace

// The amounts are written under the settings in force, so they keep their values whatever the
// settings were at the print; each one set recalculates the total.
void CReciboDlg::PonerRecibo(const ReciboData& recibo) {
    for (const CampoTexto& campo : kTextosRecibo) {
        if (EsCampoDelRecibo(campo.nControl)) {
            SetDlgItemText(campo.nControl, recibo.*campo.pMiembro);
        }
    }
    for (const CampoImporte& campo : kImportesRecibo) {
        SetDlgItemText(campo.nControl, (recibo.*campo.pMiembro).TextoFormulario());
    }
}

void CReciboDlg::OnRecibosEmitidos() {
    CRecibosEmitidosDlg dlgEmitidos;
    if (dlgEmitidos.DoModal() == IDOK && dlgEmitidos.m_cargado) {
        PonerRecibo(*dlgEmitidos.m_cargado);
    }
}
