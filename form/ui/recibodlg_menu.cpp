// The form's menu of commands: what its context menu and its "Más…" button list, each with
// its keyboard shortcut. A new command is one row here.
#include "app/boxes/aboutdlg.h"
#include "form/ui/recibodlg.h"
#include "output/ajustarimpresoradlg.h"
#include "register/ui/recibosemitidosdlg.h"
#include "remesa/ui/acreedordlg.h"
#include "res/ids/identificadores.h"

const std::vector<ComandoMenu>& ComandosMenu() {
    static const std::vector<ComandoMenu> comandos{
        {kTextoAcercaDe, IDM_ABOUTBOX, "F1", &CReciboDlg::OnAcercaDe},
        {"Imprimir lote...", IDM_IMPRIMIR_LOTE, "Ctrl+L", &CReciboDlg::OnImprimirLote},
        {kTextoRecibosEmitidos, IDM_RECIBOS_EMITIDOS, "Ctrl+R", &CReciboDlg::OnRecibosEmitidos},
        {"Ajustar impresora...", IDM_AJUSTAR_IMPRESORA, "Ctrl+J", &CReciboDlg::OnAjustarImpresora},
        {"Datos del acreedor...", IDM_DATOS_ACREEDOR, "Ctrl+K", &CReciboDlg::OnDatosAcreedor},
    };
    return comandos;
}

void CReciboDlg::PonerMenuComandos() {
    for (const ComandoMenu& c : ComandosMenu()) {
        Window().AddMenuItem(c.sTexto, c.nComando, c.sAtajo);
    }
}

void CReciboDlg::OnAjustarImpresora() {
    CAjustarImpresoraDlg dlgAjustar;
    dlgAjustar.DoModal();
}

void CReciboDlg::OnDatosAcreedor() {
    CAcreedorDlg dlgAcreedor;
    dlgAcreedor.DoModal();
}
