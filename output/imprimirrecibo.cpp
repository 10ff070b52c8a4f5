// Printing: the print dialog, then the receipt on its sheet on the chosen printer.
#include "output/imprimirrecibo.h"

#include "platform/services.h"
#include "register/print/registro_impresion.h"
#include "settings/esquema.h"

bool ImprimirEnDispositivo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                           const AjustesMoneda& ajustesMoneda, PrintDevice& dc,
                           const DisposicionHoja& disposicion) {
    if (dc.StartDoc(kNombreDocumento) <= 0) {
        return false;
    }
    CHojasRecibos hojas(dc, disposicion);
    hojas.Anadir(recibo, apariencia, ajustesMoneda);
    hojas.Terminar();
    return dc.EndDoc() > 0;
}

bool ImprimirYRegistrar(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                        const AjustesMoneda& ajustesMoneda, PrintDevice& dc,
                        const DisposicionHoja& disposicion) {
    if (!ImprimirEnDispositivo(recibo, apariencia, ajustesMoneda, dc, disposicion)) {
        return false;
    }
    RegistrarImpresos({recibo}, ajustesMoneda, ComoSeRegistra(apariencia));
    return true;
}

std::unique_ptr<PrintDevice> ElegirImpresora(DisposicionHoja& disposicion) {
    int nPorHoja = disposicion.nPorHoja;
    std::unique_ptr<PrintDevice> dc = Servicios().PrintSetupPerSheet(nPorHoja);
    if (dc && nPorHoja != disposicion.nPorHoja && nPorHoja >= 1 && nPorHoja <= kMaximoPorHoja) {
        disposicion.nPorHoja = nPorHoja;
        ajustes::kPorHoja.Escribir(nPorHoja);
    }
    return dc;
}

void ImprimirRecibo(const ReciboData& recibo, const AjustesMoneda& ajustesMoneda) {
    const AvisoRegistroEnVentana aviso;
    if (!ConfirmarNumeroRepetido(recibo) || !ConfirmarDeudasDelPagador(recibo)) {
        return;
    }
    DisposicionHoja disposicion = DisposicionEnVigor();
    const std::unique_ptr<PrintDevice> dc = ElegirImpresora(disposicion);
    if (dc) {
        ImprimirYRegistrar(recibo, AparienciaEnVigor(), ajustesMoneda, *dc, disposicion);
    }
}

bool ReimprimirRecibo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                      const AjustesMoneda& ajustes) {
    DisposicionHoja disposicion = DisposicionEnVigor();
    const std::unique_ptr<PrintDevice> dc = ElegirImpresora(disposicion);
    return dc && ImprimirEnDispositivo(recibo, apariencia, ajustes, *dc, disposicion);
}
