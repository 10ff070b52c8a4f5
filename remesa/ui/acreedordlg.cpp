#include "remesa/ui/acreedordlg.h"

#include <array>

#include "remesa/acreedor.h"
#include "remesa/cuentas.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "settings/texto1252.h"

namespace {

struct CampoDlg {
    int nEdit;
    int nError;
    std::string Acreedor::*pMiembro;
    const AjusteTexto* ajuste;
    bool bCompactar;  // stored without blanks, in capitals
};

constexpr std::array<CampoDlg, 4> kCampos = {{
    {IDC_EDIT_ACREEDOR_NOMBRE, IDC_TEXTO_ERROR_NOMBRE, &Acreedor::sNombre,
     &ajustes::kAcreedorNombre, false},
    {IDC_EDIT_ACREEDOR_IDENTIFICADOR, IDC_TEXTO_ERROR_IDENTIFICADOR, &Acreedor::sIdentificador,
     &ajustes::kAcreedorIdentificador, true},
    {IDC_EDIT_ACREEDOR_IBAN, IDC_TEXTO_ERROR_IBAN, &Acreedor::sIban, &ajustes::kAcreedorIban, true},
    {IDC_EDIT_ACREEDOR_BIC, IDC_TEXTO_ERROR_BIC, &Acreedor::sBic, &ajustes::kAcreedorBic, true},
}};

}  // namespace

CAcreedorDlg::CAcreedorDlg() : CDialog(IDD_ACREEDOR) {
    for (std::size_t i = 0; i < kCampos.size(); ++i) {
        On(kCampos[i].nEdit, Notify::FocusLost, [this, i] { ComprobarCampo(i); });
    }
}

bool CAcreedorDlg::OnInitDialog() {
    const Acreedor acreedor = LeerAcreedor();
    for (const CampoDlg& c : kCampos) {
        SetDlgItemText(c.nEdit, acreedor.*c.pMiembro);
    }
    return true;
}

bool CAcreedorDlg::ComprobarCampo(std::size_t i) {
    const CampoDlg& c = kCampos[i];
    const std::optional<std::string> sError =
        ErrorCampoAcreedor(*c.ajuste, GetDlgItemText(c.nEdit));
    SetDlgItemText(c.nError, sError ? Cp1252DeUtf8(*sError) : std::string());
    return !sError;
}

void CAcreedorDlg::OnOK() {
    int nPrimeroMal = 0;
    Acreedor acreedor;
    for (std::size_t i = 0; i < kCampos.size(); ++i) {
        const CampoDlg& c = kCampos[i];
        if (!ComprobarCampo(i) && nPrimeroMal == 0) {
            nPrimeroMal = c.nEdit;
        }
        const std::string sTexto = GetDlgItemText(c.nEdit);
        acreedor.*c.pMiembro = c.bCompactar ? Compactar(sTexto) : sTexto;
    }
    if (nPrimeroMal != 0) {
        Window().SetFocus(nPrimeroMal);
        return;
    }
    GuardarAcreedor(acreedor);
    EndDialog(IDOK);
}
