// Registering printed receipts and telling the user when that failed.
#include "register/print/registro_impresion.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

#include "money/espacios.h"
#include "money/formato.h"
#include "platform/services.h"
#include "register/deudas.h"

void AvisarApartadoEnTerminal(const ResultadoRegistro& r) {
    if (r.estado == EstadoRegistro::kApartado) {
        std::fprintf(stderr,
                     "brixamo: the register of receipts was damaged; it was set aside as '%s' "
                     "and a new one started\n",
                     r.sApartado.c_str());
    }
}

namespace {

void AvisarEnTerminal(const ResultadoRegistro& r) {
    AvisarApartadoEnTerminal(r);
    if (r.estado == EstadoRegistro::kFallo) {
        std::fprintf(stderr, "brixamo: the receipt was printed but not registered in '%s': %s\n",
                     RutaRegistro().c_str(), r.sError.c_str());
    }
}

void AvisarEnVentana(const ResultadoRegistro& r) {
    if (r.estado == EstadoRegistro::kApartado) {
        Servicios().MessageBox(
            "El registro de recibos emitidos estaba da\xF1"
            "ado. Se ha apartado como\n" +
            r.sApartado + "\ny se ha empezado uno nuevo, en el que queda anotado este recibo.");
    } else if (r.estado == EstadoRegistro::kFallo) {
        Servicios().MessageBox(
            "El recibo se ha impreso, pero no ha quedado anotado en el registro de recibos "
            "emitidos (" +
            RutaRegistro() + "):\n" + r.sError);
    }
}

AvisoRegistro& AvisoEnVigor() {
    static AvisoRegistro aviso = AvisarEnTerminal;
    return aviso;
}

// The year by the clock the register dates its receipts with.
int AnoEnCurso() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm.tm_year + 1900;
}

std::string RecibosDebidos(int n) {
    return n == 1 ? "1 recibo pendiente o devuelto"
                  : std::to_string(n) + " recibos pendientes o devueltos";
}

}  // namespace

ReciboRegistrado ComoSeImprime(const ReciboData& recibo, const AjustesMoneda& ajustesMoneda) {
    ReciboRegistrado r;
    r.recibo = recibo;
    r.ajustes = ajustesMoneda;
    const CGlobalCurrency* importes[] = {&recibo.cuI1, &recibo.cuI2, &recibo.cuI3,
                                         &recibo.cuI4, &recibo.cuI5, &recibo.cuI6};
    for (std::size_t i = 0; i < r.sImportes.size(); ++i) {
        r.sImportes[i] = importes[i]->EsCero()
                             ? std::string()
                             : moneda::TextoFormulario(*importes[i], ajustesMoneda);
    }
    r.sTotal = QuitarEspaciosExtremos(moneda::TextoRecibo(recibo.cuImporte, ajustesMoneda));
    return r;
}

void RegistrarImpresos(const std::vector<ReciboData>& recibos, const AjustesMoneda& ajustesMoneda,
                       const AparienciaRegistrada& apariencia) {
    std::vector<ReciboRegistrado> trabajo;
    trabajo.reserve(recibos.size());
    for (const ReciboData& recibo : recibos) {
        trabajo.push_back(ComoSeImprime(recibo, ajustesMoneda));
        trabajo.back().apariencia = apariencia;  // the logo's pixels shared, not copied
    }
    RegistrarTrabajo(trabajo, std::nullopt);
}

std::optional<std::int64_t> RegistrarTrabajo(std::vector<ReciboRegistrado>& trabajo,
                                             const std::optional<RemesaRegistrada>& remesa) {
    CRegistro registro;
    const ResultadoRegistro resultado = registro.Registrar(trabajo, std::time(nullptr), remesa);
    if (resultado.estado != EstadoRegistro::kCorrecto) {
        AvisoEnVigor()(resultado);
    }
    if (resultado.estado == EstadoRegistro::kFallo) {
        return std::nullopt;
    }
    return trabajo.front().nTrabajo;
}

AvisoRegistroEnVentana::AvisoRegistroEnVentana()
    : m_anterior(std::exchange(AvisoEnVigor(), AvisarEnVentana)) {}

AvisoRegistroEnVentana::~AvisoRegistroEnVentana() {
    AvisoEnVigor() = std::move(m_anterior);
}

bool ConfirmarNumeroRepetido(const ReciboData& recibo) {
    if (recibo.sNumero.empty()) {
        return true;
    }
    CRegistro registro;
    if (registro.Apertura().estado == EstadoRegistro::kApartado) {
        AvisoEnVigor()(registro.Apertura());  // the print will register in the new one
    }
    const std::optional<ReciboRegistrado> anterior =
        registro.UltimoConNumero(recibo.sNumero, AnoEnCurso());
    if (!anterior) {
        return true;
    }
    return Servicios().AskYesNo("El recibo n\xBA " + recibo.sNumero + " ya se emiti\xF3 el " +
                                FechaCorta(anterior->sEmitido) + ". \xBFImprimir de nuevo?");
}

std::string DiaDeHoy(int nDiasAntes) {
    using namespace std::chrono;
    const Date hoy = Servicios().Today();
    const year_month_day dia{sys_days{year{hoy.year} / hoy.month / hoy.day} - days{nDiasAntes}};
    char s[16];
    std::snprintf(s, sizeof s, "%04d-%02u-%02u", static_cast<int>(dia.year()),
                  static_cast<unsigned>(dia.month()), static_cast<unsigned>(dia.day()));
    return s;
}

bool ConfirmarDeudasDelPagador(const ReciboData& recibo) {
    if (recibo.sPagador1.find_first_not_of(" \t") == std::string::npos) {
        return true;
    }
    CRegistro registro;
    ResultadoRegistro resultado;
    const std::optional<DeudaPagador> deudas = LeerDeudasDe(registro, recibo.sPagador1, DiaDeHoy(),
                                                            DiaDeHoy(kDiasDeudaAntigua), resultado);
    if (!deudas || deudas->nRecibos == 0) {
        return true;
    }
    return Servicios().AskConfirm(deudas->sPagador + " debe " + RecibosDebidos(deudas->nRecibos) +
                                      " desde hace m\xE1s de " + std::to_string(kDiasDeudaAntigua) +
                                      " d\xED"
                                      "as (el primero, desde el " +
                                      FechaCorta(deudas->sDesde) + "), por un total de " +
                                      QuitarEspaciosExtremos(TextoTotales(*deudas, "m\xE1s de ")) +
                                      ".",
                                  "Imprimir");
}

std::string FechaCorta(const std::string& sEmitido) {
    Date fecha{};
    if (std::sscanf(sEmitido.c_str(), "%d-%d-%d", &fecha.year, &fecha.month, &fecha.day) != 3) {
        return sEmitido;
    }
    return Servicios().ShortDateText(fecha);
}
