#include "register/commands/cobros_comandos.h"

#include <cstdio>
#include <ctime>
#include <optional>
#include <vector>

#include "register/commands/texto_registro.h"
#include "register/deudas.h"
#include "register/print/registro_impresion.h"
#include "register/registro.h"
#include "settings/texto1252.h"

namespace {

std::string Hoy() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    char s[16];
    std::strftime(s, sizeof s, "%Y-%m-%d", &tm);
    return s;
}

// The register, or a message and nothing when it cannot be opened.
bool Abierto(const CRegistro& registro) {
    if (registro.Apertura().estado == EstadoRegistro::kFallo) {
        FalloRegistro(registro.Apertura());
        return false;
    }
    AvisarApartadoEnTerminal(registro.Apertura());
    return true;
}

// The one receipt a text names, or a message and nothing.
std::optional<ReciboRegistrado> ReciboNombrado(CRegistro& registro, const std::string& sRecibo) {
    const std::vector<std::int64_t> ids = registro.RecibosQueNombra(sRecibo);
    const std::string sUtf8 = Utf8De1252(sRecibo);
    if (ids.size() > 1) {
        std::string sIds;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            sIds += (i == 0 ? "" : i + 1 == ids.size() ? " and " : ", ") + std::to_string(ids[i]);
        }
        std::fprintf(stderr, "brixamo: '%s' may mean the receipts of ids %s; give the id\n",
                     sUtf8.c_str(), sIds.c_str());
        return std::nullopt;
    }
    std::optional<ReciboRegistrado> recibo;
    if (ids.size() == 1) {
        recibo = registro.Leer(ids.front());
    }
    if (!recibo) {
        std::fprintf(stderr, "brixamo: there is no receipt '%s' in the register\n", sUtf8.c_str());
    }
    return recibo;
}

// "AM04 Saldo insuficiente", in UTF-8.
std::string TextoMotivo(const std::string& sCodigo) {
    const MotivoDevolucion* m = BuscarMotivo(sCodigo);
    return m == nullptr ? sCodigo : sCodigo + " " + Utf8De1252(m->sSignificado);
}

// "cobrado on 2027-02-10, efectivo", "devuelto on 2027-02-10, AM04 Saldo insuficiente".
std::string TextoCambio(const CambioEstado& c) {
    std::string s = std::string(NombreEstado(c.estado)) + " on " + c.sFecha;
    if (c.metodo != MetodoCobro::kNinguno) {
        s += std::string(", ") + NombreMetodo(c.metodo);
    }
    if (!c.sMotivo.empty()) {
        s += ", " + TextoMotivo(c.sMotivo);
    }
    return s;
}

// The totals under different currency settings side by side: "147,50 € + 20.00 $".
std::string TextoTotales(const DeudaPagador& d) {
    return Utf8De1252(::TextoTotales(d, "beyond "));
}

void EscribirDeuda(const DeudaPagador& d, const std::string& sPagador, bool bCsv) {
    if (bCsv) {
        std::fputs(
            FilaCsv({sPagador, std::to_string(d.nRecibos), d.sDesde, Cp1252DeUtf8(TextoTotales(d))})
                .c_str(),
            stdout);
        return;
    }
    std::printf("%s  %d  %s  %s\n", Utf8De1252(sPagador.empty() ? "-" : sPagador).c_str(),
                d.nRecibos, d.sDesde.c_str(), TextoTotales(d).c_str());
}

}  // namespace

int CambiarEstadoRegistrado(const std::string& sRecibo, const NuevoEstado& nuevo) {
    CRegistro registro;
    const std::optional<ReciboRegistrado> recibo =
        Abierto(registro) ? ReciboNombrado(registro, sRecibo) : std::nullopt;
    if (!recibo) {
        return 1;
    }
    const ResultadoCambio r = registro.CambiarEstado(recibo->nId, nuevo);
    if (r.registro.estado == EstadoRegistro::kFallo) {
        return FalloRegistro(r.registro);
    }
    if (r.rechazo != RechazoEstado::kNinguno) {
        std::fprintf(stderr, "brixamo: receipt %s is left %s: %s\n", NombreRecibo(*recibo).c_str(),
                     NombreEstado(recibo->estado.estado), TextoRechazo(r.rechazo));
        return 1;
    }
    std::printf("receipt %s: %s\n", NombreRecibo(*recibo).c_str(), TextoCambio(r.cambio).c_str());
    return 0;
}

int CobrarTrabajoRegistrado(std::int64_t nTrabajo, const std::string& sFecha) {
    CRegistro registro;
    if (!Abierto(registro)) {
        return 1;
    }
    const ResultadoCobroTrabajo r = registro.CobrarTrabajo(nTrabajo, sFecha);
    if (r.registro.estado == EstadoRegistro::kFallo) {
        return FalloRegistro(r.registro);
    }
    if (r.rechazo != RechazoEstado::kNinguno) {
        std::fprintf(stderr, "brixamo: job %lld is left as it was: %s\n",
                     static_cast<long long>(nTrabajo), TextoRechazo(r.rechazo));
        return 1;
    }
    if (!r.bExiste) {
        std::fprintf(stderr, "brixamo: there is no job %lld in the register\n",
                     static_cast<long long>(nTrabajo));
        return 1;
    }
    std::printf(
        "job %lld: %d paid by direct debit; left as they were: %d returned, %d void, "
        "%d already paid, %d not debited\n",
        static_cast<long long>(nTrabajo), r.nCobrados, r.nDevueltos, r.nAnulados, r.nYaCobrados,
        r.nSinDomiciliar);
    return 0;
}

int MostrarHistorial(const std::string& sRecibo) {
    CRegistro registro;
    const std::optional<ReciboRegistrado> recibo =
        Abierto(registro) ? ReciboNombrado(registro, sRecibo) : std::nullopt;
    if (!recibo) {
        return 1;
    }
    std::vector<CambioEstado> cambios;
    if (const ResultadoRegistro r = registro.Historial(recibo->nId, cambios);
        r.estado == EstadoRegistro::kFallo) {
        return FalloRegistro(r);
    }
    std::printf("%s  receipt %s registered: pendiente\n", recibo->sEmitido.c_str(),
                NombreRecibo(*recibo).c_str());
    for (const CambioEstado& c : cambios) {
        std::printf("%s  %s\n", c.sAnotado.c_str(), TextoCambio(c).c_str());
    }
    return 0;
}

int ListarDeudas(bool bCsv) {
    CRegistro registro;
    if (!Abierto(registro)) {
        return 1;
    }
    ResultadoRegistro r;
    const std::optional<InformeDeudas> informe = LeerDeudas(registro, Hoy(), r);
    if (!informe) {
        return FalloRegistro(r);
    }
    if (bCsv) {
        std::fputs(FilaCsv({"PAGADOR", "RECIBOS", "DESDE", "TOTAL"}).c_str(), stdout);
    }
    for (const DeudaPagador& d : informe->pagadores) {
        EscribirDeuda(d, d.sPagador, bCsv);
    }
    EscribirDeuda(informe->total, "TOTAL", bCsv);
    return 0;
}
