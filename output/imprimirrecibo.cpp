// Printing: the print dialog, then one page with the receipt on the chosen printer.
#include "output/imprimirrecibo.h"

#include "output/dibujarrecibo.h"
#include "platform/services.h"
#include "register/print/registro_impresion.h"

void ImprimirPagina(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                    const AjustesMoneda& ajustesMoneda, PrintDevice& dc) {
    dc.StartPage();
    DibujarRecibo(recibo, apariencia, ajustesMoneda, dc);
    dc.EndPage();
}

bool ImprimirEnDispositivo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                           const AjustesMoneda& ajustesMoneda, PrintDevice& dc) {
    if (dc.StartDoc(kNombreDocumento) <= 0) {
        return false;
    }
    ImprimirPagina(recibo, apariencia, ajustesMoneda, dc);
    return dc.EndDoc() > 0;
}

bool ImprimirYRegistrar(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                        const AjustesMoneda& ajustesMoneda, PrintDevice& dc) {
    if (!ImprimirEnDispositivo(recibo, apariencia, ajustesMoneda, dc)) {
        return false;
    }
    RegistrarImpresos({recibo}, ajustesMoneda, ComoSeRegistra(apariencia));
    return true;
}

void ImprimirRecibo(const ReciboData& recibo, const AjustesMoneda& ajustesMoneda) {
    const AvisoRegistroEnVentana aviso;
    if (!ConfirmarNumeroRepetido(recibo)) {
        return;
    }
    const std::unique_ptr<PrintDevice> dc = Servicios().PrintSetup();
    if (dc) {
        ImprimirYRegistrar(recibo, AparienciaEnVigor(), ajustesMoneda, *dc);
    }
}

bool ReimprimirRecibo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                      const AjustesMoneda& ajustes) {
    const std::unique_ptr<PrintDevice> dc = Servicios().PrintSetup();
    return dc && ImprimirEnDispositivo(recibo, apariencia, ajustes, *dc);
}
