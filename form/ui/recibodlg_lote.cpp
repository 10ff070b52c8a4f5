// The form's "Imprimir lote..." command: a CSV file of receipts over the receipt the form
// shows, previewed by its first receipt, printed as one job.
#include <string>

#include "form/campos.h"
#include "form/ui/recibodlg.h"
#include "money/globalcurrency.h"
#include "output/lote_recibos.h"
#include "output/vistalotedlg.h"
#include "platform/services.h"

namespace {

std::string NombreSinCarpeta(const std::string& sRuta) {
    const auto nBarra = sRuta.rfind('/');
    return nBarra == std::string::npos ? sRuta : sRuta.substr(nBarra + 1);
}

}  // namespace

// The columns the file leaves out, and the number the series starts from, are the form's; the
// month's placeholders name the user's current month; a printed batch leaves the number that
// follows it in the number field and in the store, as
// "+" does. A faulty file, or an amount of the form that would not print as typed, is told in
// a message box and prints nothing.
void CReciboDlg::OnImprimirLote() {
    ReciboData base;
    if (!RellenarParaImprimir(base)) {
        return;
    }
    const std::optional<std::string> sRuta = Servicios().GetOpenFileName(
        "csv", "", {{"Recibos (*.csv)", "*.csv"}, {"Todos los ficheros (*.*)", "*.*"}});
    if (!sRuta) {
        return;
    }
    try {
        const Date hoy = Servicios().Today();
        CLoteRecibos lote(LeerFicheroLote(*sRuta), base, CGlobalCurrency::AjustesEnVigor(),
                          Periodo{hoy.year, hoy.month});
        const ResumenLote resumen = lote.Comprobar();
        CVistaLoteDlg dlgVista(lote, resumen);
        if (dlgVista.DoModal() == IDOK && dlgVista.Impreso() && resumen.bNumeroTomado) {
            SetDlgItemText(IDC_EDIT_NUMERO, resumen.sNumeroSiguiente);
            GuardarNumeroSiguiente(resumen);
        }
    } catch (const ErrorLote& error) {
        const std::string sNombre = Utf8De1252(NombreSinCarpeta(*sRuta));
        Servicios().MessageBox(Cp1252DeUtf8(TextoErrorLote(sNombre, error), '?'));
    }
}
