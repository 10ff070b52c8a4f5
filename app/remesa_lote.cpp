#include "app/remesa_lote.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "app/ficheros_pendientes.h"
#include "money/formato.h"
#include "register/registro.h"
#include "remesa/acreedor.h"

namespace {

// The parts of a remittance that do not come from its rows.
CabeceraRemesa Cabecera(const std::string& sFechaCobro, const std::string& sHoy,
                        const AjustesMoneda& moneda) {
    if (const auto sError = ErrorFechaCobro(sFechaCobro, sHoy)) {
        throw ErrorRemesa(*sError);
    }
    if (const auto sError = ErrorMonedaRemesa(moneda)) {
        throw ErrorRemesa(*sError);
    }
    CabeceraRemesa cabecera;
    cabecera.acreedor = LeerAcreedor();
    if (const auto sError = ErrorAcreedor(cabecera.acreedor)) {
        throw ErrorRemesa("los datos del acreedor (" + *sError + ")");
    }
    const std::time_t ahora = std::time(nullptr);
    cabecera.sMsgId = NuevoMsgId(ahora);
    cabecera.sCreacion = MomentoIso(ahora);
    cabecera.sFechaCobro = sFechaCobro;
    return cabecera;
}

// Each debit of the batch, in order; a receipt without IBAN is left out.
void RecorrerAdeudos(
    CLoteRecibos& lote, const std::string& sHoy, const std::function<void(const Adeudo&)>& visitar,
    const std::function<void()>& excluir = [] {}) {
    lote.ParaCadaFila([&](const ReciboData& recibo, const DatosDeudor& deudor, std::size_t nLinea) {
        if (!deudor.Domiciliado()) {
            excluir();
            return true;
        }
        try {
            visitar(HacerAdeudo(recibo, deudor, sHoy));
        } catch (const ErrorAdeudo& error) {
            throw ErrorLote(nLinea, error.Columna(), error.what());
        }
        return true;
    });
}

std::string Importe(std::int64_t nCentimos, const AjustesMoneda& a) {
    CGlobalCurrency cu;
    cu.SetValor(nCentimos * 100);
    return Utf8De1252(moneda::TextoRecibo(cu, a));
}

int Fallar(const std::string& sMensaje) {
    std::fprintf(stderr, "brixamo: %s\n", sMensaje.c_str());
    return 1;
}

// The job's receipts as the register keeps them; a message when there are none.
std::optional<std::vector<ReciboRegistrado>> RecibosDelTrabajo(CRegistro& registro,
                                                               std::int64_t nTrabajo) {
    std::vector<ReciboRegistrado> recibos;
    const ResultadoRegistro r = registro.RecorrerTrabajo(
        nTrabajo, [&](const ReciboRegistrado& recibo) { recibos.push_back(recibo); });
    if (r.estado == EstadoRegistro::kFallo) {
        Fallar("cannot read the register: " + r.sError);
        return std::nullopt;
    }
    if (recibos.empty()) {
        Fallar("the register has no job " + std::to_string(nTrabajo));
        return std::nullopt;
    }
    return recibos;
}

}  // namespace

RemesaDeLote ComprobarRemesa(CLoteRecibos& lote, const std::string& sFechaCobro) {
    RemesaDeLote remesa;
    remesa.sHoy = HoyIso();
    remesa.cabecera = Cabecera(sFechaCobro, remesa.sHoy, lote.Moneda());
    SumaRemesa suma;
    RecorrerAdeudos(
        lote, remesa.sHoy, [&](const Adeudo& adeudo) { suma.Anadir(adeudo); },
        [&] { suma.Excluir(); });
    remesa.resumen = suma.Resumen();
    if (remesa.resumen.Adeudos() == 0) {
        throw ErrorRemesa("ningún recibo del lote tiene IBAN: no hay nada que domiciliar");
    }
    return remesa;
}

bool EscribirRemesaDeLote(CLoteRecibos& lote, const RemesaDeLote& remesa,
                          const std::string& sRuta) {
    return EscribirRemesa(sRuta, remesa.cabecera, remesa.resumen, [&](const auto& visitar) {
        RecorrerAdeudos(lote, remesa.sHoy, visitar);
    });
}

std::string TextoResumenRemesa(const ResumenRemesa& resumen, const AjustesMoneda& a) {
    const std::size_t nAdeudos = resumen.Adeudos();
    return std::to_string(nAdeudos) + (nAdeudos == 1 ? " debit" : " debits") + ", total " +
           Importe(resumen.Centimos(), a) + "; " + std::to_string(resumen.nExcluidos) +
           (resumen.nExcluidos == 1 ? " receipt" : " receipts") + " left out of the remittance";
}

int ReescribirRemesa(const std::string& sFichero, std::int64_t nTrabajo,
                     const std::string& sFechaCobro) {
    CRegistro registro;
    const std::optional<std::vector<ReciboRegistrado>> recibos =
        RecibosDelTrabajo(registro, nTrabajo);
    if (!recibos) {
        return 1;
    }
    const auto conRemesa = std::find_if(recibos->begin(), recibos->end(),
                                        [](const ReciboRegistrado& r) { return r.remesa; });
    if (conRemesa == recibos->end()) {
        return Fallar("job " + std::to_string(nTrabajo) + " has no remittance");
    }
    const std::string sHoy = HoyIso();
    CabeceraRemesa cabecera;
    std::vector<Adeudo> adeudos;
    SumaRemesa suma;
    try {
        cabecera = Cabecera(sFechaCobro.empty() ? conRemesa->remesa->sFechaCobro : sFechaCobro,
                            sHoy, recibos->front().ajustes);
    } catch (const ErrorRemesa& error) {
        return Fallar("job " + std::to_string(nTrabajo) + ": " + error.what());
    }
    for (const ReciboRegistrado& r : *recibos) {
        if (!r.deudor.Domiciliado()) {
            suma.Excluir();
            continue;
        }
        try {
            adeudos.push_back(HacerAdeudo(r.recibo, r.deudor, sHoy));
            suma.Anadir(adeudos.back());
        } catch (const ErrorAdeudo& error) {
            return Fallar("job " + std::to_string(nTrabajo) + ", receipt " + std::to_string(r.nId) +
                          ": " + error.Columna() + (error.Columna().empty() ? "" : ": ") +
                          error.what());
        }
    }
    CFicherosPendientes salida;
    const std::string sTemporal = salida.Temporal(sFichero, true);
    const bool bEscrita = !sTemporal.empty() && EscribirRemesa(sTemporal, cabecera, suma.Resumen(),
                                                               [&](const auto& visitar) {
                                                                   for (const Adeudo& a : adeudos) {
                                                                       visitar(a);
                                                                   }
                                                               });
    if (!bEscrita || salida.PonerEnSuSitio()) {
        return Fallar("cannot write the remittance file '" + sFichero + "'");
    }
    const ResultadoRegistro r =
        registro.AnotarRemesa(nTrabajo, {cabecera.sMsgId, cabecera.sFechaCobro});
    if (r.estado == EstadoRegistro::kFallo) {
        return Fallar("the remittance was written but not registered: " + r.sError);
    }
    std::printf("job %lld: remittance %s, %s\n", static_cast<long long>(nTrabajo),
                cabecera.sMsgId.c_str(),
                TextoResumenRemesa(suma.Resumen(), recibos->front().ajustes).c_str());
    return 0;
}
