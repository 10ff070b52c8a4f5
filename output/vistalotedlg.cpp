#include "output/vistalotedlg.h"

#include <string>

#include "output/imprimirrecibo.h"
#include "register/print/registro_impresion.h"

CVistaLoteDlg::CVistaLoteDlg(CLoteRecibos& lote, const ResumenLote& resumen)
    : CVistaPreviaDlg(lote.Moneda()), m_lote(lote), m_nRecibos(resumen.nRecibos) {
    m_recibo = m_lote.Primero();
}

bool CVistaLoteDlg::OnInitDialog() {
    CVistaPreviaDlg::OnInitDialog();
    Window().SetTitle("Imprimir lote: " + std::to_string(m_nRecibos) +
                      (m_nRecibos == 1 ? " recibo" : " recibos"));
    return true;
}

// One print dialog, one job for the whole batch, registered as one job once it is printed.
void CVistaLoteDlg::OnOK() {
    const AvisoRegistroEnVentana aviso;
    DisposicionHoja disposicion = DisposicionEnVigor();
    const std::unique_ptr<PrintDevice> dc = ElegirImpresora(disposicion);
    m_bImpreso = dc && m_lote.Imprimir(*dc, AparienciaEnVigor(), disposicion, [](std::size_t) {});
    if (m_bImpreso) {
        m_lote.Registrar();
    }
    EndDialog(IDOK);
}
