// Printing: the print dialog, then one page with the receipt on the chosen printer.
#include "output/imprimirrecibo.h"

#include "platform/services.h"
#include "register/print/registro_impresion.h"

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

bool ImprimirYRegistrar(const ReciboData& recibo, PrintDevice& dc) {
    if (!ImprimirEnDispositivo(recibo, dc)) {
        return false;
    }
    RegistrarImpresos({recibo});
    return true;
}

// A number already issued this year is printed again only when the user says so. Cancelling
// the dialog, or a printer that cannot start the document, prints nothing and shows nothing.
void ReciboData::ImprimirRecibo() const {
    const AvisoRegistroEnVentana aviso;
    if (!ConfirmarNumeroRepetido(*this)) {
        return;
    }
    const std::unique_ptr<PrintDevice> dc = Servicios().PrintSetup();
    if (dc) {
        ImprimirYRegistrar(*this, *dc);
    }
}

bool ReimprimirEnDispositivo(const ReciboData& recibo, const AjustesMoneda& ajustes,
                             PrintDevice& dc) {
    const MonedaRegistrada moneda(ajustes);
    return ImprimirEnDispositivo(recibo, dc);
}

bool ReimprimirRecibo(const ReciboData& recibo, const AjustesMoneda& ajustes) {
    const std::unique_ptr<PrintDevice> dc = Servicios().PrintSetup();
    return dc && ReimprimirEnDispositivo(recibo, ajustes, *dc);
}
