// The register of issued receipts from the command line.
#include "register/commands/registro_comandos.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "form/campos.h"
#include "output/imprimirrecibo.h"
#include "platform/qt/qt_devices.h"
#include "register/commands/cobros_comandos.h"
#include "register/commands/opciones_hoja.h"
#include "register/commands/texto_registro.h"
#include "register/print/registro_impresion.h"
#include "settings/esquema.h"

namespace {

std::vector<std::string> CamposLista(const ReciboRegistrado& r) {
    return {std::to_string(r.nId), r.sEmitido, r.recibo.sNumero,
            r.recibo.sPagador1,    r.sTotal,   NombreEstado(r.estado.estado)};
}

std::string ValorDeTexto(const ReciboRegistrado& r, int nControl) {
    for (const CampoTexto& c : kTextosRecibo) {
        if (c.nControl == nControl) {
            return r.recibo.*c.pMiembro;
        }
    }
    return {};
}

std::string ValorDeImporte(const ReciboRegistrado& r, int nControl) {
    return r.sImportes[static_cast<std::size_t>(nControl - IDC_EDIT_IMPORTE_1)];
}

std::vector<int> ControlesExportados() {
    std::vector<int> controles = {IDC_EDIT_NUMERO, IDC_EDIT_LOCALIDAD, IDC_EDIT_FECHA,
                                  IDC_EDIT_VENCIMIENTO};
    for (int k = 0; k < 6; ++k) {
        controles.push_back(IDC_EDIT_CONCEPTO_1 + k);
    }
    for (int k = 0; k < 6; ++k) {
        controles.push_back(IDC_EDIT_IMPORTE_1 + k);
    }
    controles.push_back(IDC_EDIT_DOMICILIO);
    for (int k = 0; k < 3; ++k) {
        controles.push_back(IDC_EDIT_PAGADOR_1 + k);
    }
    for (int k = 0; k < 3; ++k) {
        controles.push_back(IDC_EDIT_COBRADOR_1 + k);
    }
    return controles;
}

std::string NombreColumna(int nControl) {
    for (const CampoGuardado& c : kCamposRecibo) {
        if (c.nControl == nControl) {
            return std::string(ajustes::NombreCampo(c.ajuste));
        }
    }
    return {};
}

bool EsImporte(int nControl) {
    return nControl >= IDC_EDIT_IMPORTE_1 && nControl < IDC_EDIT_IMPORTE_1 + 6;
}

std::vector<std::string> FilaExportada(const ReciboRegistrado& r) {
    std::vector<std::string> fila;
    for (int nControl : ControlesExportados()) {
        fila.push_back(EsImporte(nControl) ? ValorDeImporte(r, nControl)
                                           : ValorDeTexto(r, nControl));
    }
    return fila;
}

}  // namespace

int ListarRegistro(const FiltroRegistro& filtro, bool bCsv) {
    CRegistro registro;
    AvisarApartadoEnTerminal(registro.Apertura());
    if (bCsv) {
        std::fputs(FilaCsv({"ID", "EMITIDO", "NUMERO", "PAGADOR", "TOTAL", "ESTADO"}).c_str(),
                   stdout);
    }
    const ResultadoRegistro r = registro.Recorrer(
        filtro, OrdenRegistro::kRecientesPrimero, [bCsv](const ReciboRegistrado& recibo) {
            const std::vector<std::string> campos = CamposLista(recibo);
            if (bCsv) {
                std::fputs(FilaCsv(campos).c_str(), stdout);
                return;
            }
            std::string sLinea;
            for (const std::string& s : campos) {
                sLinea += (sLinea.empty() ? "" : "  ") + Utf8De1252(s);
            }
            std::printf("%s\n", sLinea.c_str());
        });
    return r.estado == EstadoRegistro::kFallo ? FalloRegistro(r) : 0;
}

// An existing file is only replaced when the register can be read.
int ExportarRegistro(const std::string& sFichero) {
    CRegistro registro;
    if (registro.Apertura().estado == EstadoRegistro::kFallo) {
        return FalloRegistro(registro.Apertura());
    }
    AvisarApartadoEnTerminal(registro.Apertura());
    std::ofstream fichero(sFichero, std::ios::binary | std::ios::trunc);
    std::vector<std::string> cabecera;
    for (int nControl : ControlesExportados()) {
        cabecera.push_back(NombreColumna(nControl));
    }
    fichero << FilaCsv(cabecera);
    const ResultadoRegistro r = registro.Recorrer(
        {}, OrdenRegistro::kAntiguosPrimero,
        [&fichero](const ReciboRegistrado& recibo) { fichero << FilaCsv(FilaExportada(recibo)); });
    if (r.estado == EstadoRegistro::kFallo) {
        return FalloRegistro(r);
    }
    fichero.close();
    if (!fichero) {
        std::fprintf(stderr, "brixamo: cannot write the CSV file '%s'\n", sFichero.c_str());
        return 1;
    }
    return 0;
}

// Neither a missing register nor one found damaged (and set aside for a new, empty one) is
// copied: either would replace what may be the user's only good copy with an empty one.
int CopiarRegistro(const std::string& sFichero) {
    const std::string sRegistro = RutaRegistro();
    if (access(sRegistro.c_str(), F_OK) != 0) {
        std::fprintf(stderr, "brixamo: there is no register of receipts at '%s'\n",
                     sRegistro.c_str());
        return 1;
    }
    CRegistro registro;
    if (registro.Apertura().estado == EstadoRegistro::kFallo) {
        return FalloRegistro(registro.Apertura());
    }
    if (registro.Apertura().estado == EstadoRegistro::kApartado) {
        AvisarApartadoEnTerminal(registro.Apertura());
        std::fprintf(stderr, "brixamo: nothing was written to '%s'\n", sFichero.c_str());
        return 1;
    }
    const ResultadoRegistro r = registro.Copiar(sFichero);
    if (r.estado == EstadoRegistro::kFallo) {
        std::fprintf(stderr, "brixamo: cannot back up the register to '%s': %s\n", sFichero.c_str(),
                     r.sError.c_str());
        return 1;
    }
    return 0;
}

int ReimprimirRegistrado(std::int64_t nId, const DestinoReimpresion& destino,
                         const DisposicionHoja& disposicion) {
    CRegistro registro;
    if (registro.Apertura().estado == EstadoRegistro::kFallo) {
        return FalloRegistro(registro.Apertura());
    }
    AvisarApartadoEnTerminal(registro.Apertura());
    const std::optional<ReciboRegistrado> recibo = registro.Leer(nId);
    if (!recibo) {
        std::fprintf(stderr, "brixamo: there is no receipt %lld in the register\n",
                     static_cast<long long>(nId));
        return 1;
    }
    if (recibo->estado.estado == EstadoCobro::kAnulado) {
        std::fprintf(stderr, "brixamo: receipt %s is void; a void receipt is not reprinted\n",
                     NombreRecibo(*recibo).c_str());
        return 1;
    }
    const std::unique_ptr<PrintDevice> dc =
        destino.sPdf ? CreatePdfDevice(*destino.sPdf) : CreatePrinterDevice(destino.sImpresora);
    bool bActual = false;
    const AparienciaRecibo apariencia = AparienciaDeRegistrado(*recibo, bActual);
    if (bActual) {
        std::fprintf(stderr,
                     "brixamo: receipt %lld was registered before the register kept each "
                     "receipt's look; it is reprinted in the current colours, texts and logo\n",
                     static_cast<long long>(nId));
    }
    if (!dc ||
        !ImprimirEnDispositivo(recibo->recibo, apariencia, recibo->ajustes, *dc, disposicion)) {
        std::fprintf(stderr, "brixamo: cannot reprint receipt %lld on '%s'\n",
                     static_cast<long long>(nId),
                     destino.sPdf ? destino.sPdf->c_str() : destino.sImpresora.c_str());
        return 1;
    }
    return 0;
}

std::optional<int> EjecutarOrdenRegistro(const ParsedCommandLine& linea,
                                         const ConToolkit& conToolkit) {
    const std::optional<PeticionRegistro> peticion = PeticionDeLinea(linea);
    if (!peticion) {
        return std::nullopt;
    }
    switch (peticion->orden) {
        case PeticionRegistro::Orden::kListar:
            return ListarRegistro(peticion->filtro, peticion->bCsv);
        case PeticionRegistro::Orden::kExportar:
            return ExportarRegistro(peticion->sFichero);
        case PeticionRegistro::Orden::kCopiar:
            return CopiarRegistro(peticion->sFichero);
        case PeticionRegistro::Orden::kReimprimir:
            return conToolkit([&] {
                return ReimprimirRegistrado(peticion->nId, peticion->destino,
                                            DisposicionDeLinea(linea, DisposicionEnVigor()));
            });
        case PeticionRegistro::Orden::kCambiarEstado:
            return CambiarEstadoRegistrado(peticion->sRecibo, peticion->nuevo);
        case PeticionRegistro::Orden::kCobrarTrabajo:
            return CobrarTrabajoRegistrado(peticion->nId, peticion->nuevo.sFecha);
        case PeticionRegistro::Orden::kHistorial:
            return MostrarHistorial(peticion->sRecibo);
        case PeticionRegistro::Orden::kDeudas:
            return ListarDeudas(peticion->bCsv);
    }
    return std::nullopt;
}
