// Printing: the print dialog, then one page with the receipt on the chosen printer.
#include "output/imprimirrecibo.h"

#include "platform/services.h"

void ImprimirPagina(const ReciboData& recibo, PrintDevice& dc) {
    dc.StartPage();
    recibo.DibujarRecibo(dc);
    dc.EndPage();
}

bool ImprimirEnDispositivo(const ReciboData& recibo, PrintDevice& dc) {
    if (dc.StartDoc(kNombreDocumento) <= 0) {
        return false;
    }
    ImprimirPagina(recibo, dc);
    return dc.EndDoc() > 0;
}

// Cancelling the dialog, or a printer that cannot start the document, prints nothing and
// shows nothing.
void ReciboData::ImprimirRecibo() const {
    const std::unique_ptr<PrintDevice> dc = Servicios().PrintSetup();
    if (dc) {
        ImprimirEnDispositivo(*this, *dc);
    }
}
