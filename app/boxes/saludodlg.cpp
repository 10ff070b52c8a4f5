#include "app/boxes/saludodlg.h"

#include "res/ids/identificadores.h"

const char* const CSaludoDlg::kTextoBienvenida =
    "Bienvenido, el programa Brixamo, le permitir\xE1 confeccionar facturas y recibos, "
    "esperamos que sea de su agrado.";

CSaludoDlg::CSaludoDlg() : CDialog(IDD_SALUDO), m_sTexto(kTextoBienvenida) {}

void CSaludoDlg::PonerTexto(const std::string& sTexto) {
    m_sTexto = sTexto;
}

bool CSaludoDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_EDIT_TEXTO, m_sTexto);
    return true;
}
