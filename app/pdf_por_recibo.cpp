#include "app/pdf_por_recibo.h"

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "output/apariencia_recibo.h"
#include "output/nombres_pdf.h"
#include "platform/qt/qt_devices.h"

std::vector<std::string> RutasPdf(CLoteRecibos& lote, const std::string& sCarpeta) {
    const std::string sPrefijo = sCarpeta.ends_with('/') ? sCarpeta : sCarpeta + "/";
    CNombresPdf nombres;
    std::vector<std::string> rutas;
    lote.ParaCadaRecibo([&](const ReciboData& recibo) {
        rutas.push_back(sPrefijo + nombres.Siguiente(recibo));
        return true;
    });
    return rutas;
}

bool CarpetaPdfLista(const std::string& sCarpeta, const std::vector<std::string>& rutas,
                     bool bForzar) {
    struct stat datos {};
    if (stat(sCarpeta.c_str(), &datos) != 0 || !S_ISDIR(datos.st_mode)) {
        std::fprintf(stderr, "brixamo: there is no folder '%s'\n", sCarpeta.c_str());
        return false;
    }
    if (bForzar) {
        return true;
    }
    std::size_t nYaEstan = 0;
    const std::string* sPrimero = nullptr;
    for (const std::string& sRuta : rutas) {
        if (lstat(sRuta.c_str(), &datos) == 0) {
            sPrimero = sPrimero ? sPrimero : &sRuta;
            ++nYaEstan;
        }
    }
    if (nYaEstan == 0) {
        return true;
    }
    const std::string sCuantos =
        nYaEstan == 1 ? "is" : "and " + std::to_string(nYaEstan - 1) + " more are";
    std::fprintf(stderr, "brixamo: '%s' %s already there; --force replaces %s\n", sPrimero->c_str(),
                 sCuantos.c_str(), nYaEstan == 1 ? "it" : "them");
    return false;
}

bool EscribirPdfPorRecibo(CLoteRecibos& lote, const std::vector<std::string>& rutas, bool bForzar,
                          CFicherosPendientes& pendientes,
                          const std::function<void(std::size_t)>& progreso) {
    std::string sFallido;
    const auto dispositivo = [&](std::size_t n) -> std::unique_ptr<PrintDevice> {
        sFallido = rutas.at(n);
        const std::string sTemporal = pendientes.Temporal(sFallido, bForzar);
        return sTemporal.empty() ? nullptr : CreatePdfDevice(sTemporal);
    };
    if (lote.ImprimirCadaUno(dispositivo, AparienciaEnVigor(), progreso)) {
        return true;
    }
    NoSePuedeEscribir(sFallido);
    return false;
}
