#include "register/estado_cobro.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>

namespace {

constexpr std::array<const char*, 4> kNombresEstado = {"pendiente", "cobrado", "devuelto",
                                                       "anulado"};
constexpr std::array<const char*, 4> kNombresMetodo = {"", "efectivo", "transferencia",
                                                       "domiciliacion"};

// The ISO 20022 return reasons a SEPA direct debit comes back with, by code.
constexpr MotivoDevolucion kMotivos[] = {
    {"AC01", "N\xFAmero de cuenta incorrecto"},
    {"AC04", "Cuenta cancelada"},
    {"AC06", "Cuenta bloqueada"},
    {"AC13", "Cuenta del deudor de un tipo que no admite adeudos"},
    {"AG01", "Operaci\xF3n no permitida en esta cuenta"},
    {"AG02",
     "C\xF3"
     "digo de operaci\xF3n bancaria no v\xE1lido"},
    {"AM04", "Saldo insuficiente"},
    {"AM05", "Adeudo duplicado"},
    {"BE05", "Acreedor no reconocido"},
    {"CNOR", "El banco del acreedor no est\xE1 registrado"},
    {"DNOR", "El banco del deudor no est\xE1 registrado"},
    {"FF01", "Formato de fichero no v\xE1lido"},
    {"MD01", "Sin mandato, o mandato no v\xE1lido"},
    {"MD02", "Faltan datos obligatorios del mandato"},
    {"MD06", "Devoluci\xF3n pedida por el deudor"},
    {"MD07", "Deudor fallecido"},
    {"MS02", "Motivo no indicado por el deudor"},
    {"MS03", "Motivo no indicado por el banco"},
    {"RC01",
     "C\xF3"
     "digo del banco (BIC) incorrecto"},
    {"RR01", "Falta la cuenta o la identificaci\xF3n del deudor"},
    {"RR02", "Falta el nombre o la direcci\xF3n del deudor"},
    {"RR03", "Falta el nombre o la direcci\xF3n del acreedor"},
    {"RR04", "Motivo legal o reglamentario"},
    {"SL01", "Servicio propio del banco del deudor (adeudos bloqueados)"},
};

}  // namespace

const char* NombreEstado(EstadoCobro estado) {
    return kNombresEstado[static_cast<std::size_t>(estado)];
}

std::optional<EstadoCobro> EstadoDeNombre(std::string_view sNombre) {
    const auto it = std::find(kNombresEstado.begin(), kNombresEstado.end(), sNombre);
    if (it == kNombresEstado.end()) {
        return std::nullopt;
    }
    return static_cast<EstadoCobro>(std::distance(kNombresEstado.begin(), it));
}

const char* NombreMetodo(MetodoCobro metodo) {
    return kNombresMetodo[static_cast<std::size_t>(metodo)];
}

std::optional<MetodoCobro> MetodoDeNombre(std::string_view sNombre) {
    if (sNombre == "domiciliaci\xF3n" || sNombre == "domiciliaci\xC3\xB3n") {
        return MetodoCobro::kDomiciliacion;
    }
    const auto it = std::find(kNombresMetodo.begin() + 1, kNombresMetodo.end(), sNombre);
    if (it == kNombresMetodo.end()) {
        return std::nullopt;
    }
    return static_cast<MetodoCobro>(std::distance(kNombresMetodo.begin(), it));
}

std::span<const MotivoDevolucion> MotivosDevolucion() {
    return kMotivos;
}

const MotivoDevolucion* BuscarMotivo(std::string_view sCodigo) {
    std::string sMayusculas(sCodigo);
    for (char& c : sMayusculas) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const auto it =
        std::find_if(std::begin(kMotivos), std::end(kMotivos),
                     [&](const MotivoDevolucion& m) { return sMayusculas == m.sCodigo; });
    return it == std::end(kMotivos) ? nullptr : &*it;
}

bool EsDiaValido(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') {
        return false;
    }
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (s[i] < '0' || s[i] > '9') {
            return false;
        }
    }
    const std::string sTexto(s);
    const int nAno = std::atoi(sTexto.c_str());
    const int nMes = std::atoi(sTexto.c_str() + 5);
    const int nDia = std::atoi(sTexto.c_str() + 8);
    if (nAno < 1 || nMes < 1 || nMes > 12 || nDia < 1) {
        return false;
    }
    constexpr int kDias[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bBisiesto = (nAno % 4 == 0 && nAno % 100 != 0) || nAno % 400 == 0;
    return nDia <= kDias[nMes - 1] + (nMes == 2 && bBisiesto ? 1 : 0);
}

RechazoEstado ComprobarCambio(EstadoCobro actual, bool bDomiciliado, const NuevoEstado& nuevo,
                              const std::string& sHoy) {
    if (actual == EstadoCobro::kAnulado) {
        return RechazoEstado::kDesdeAnulado;
    }
    if (nuevo.estado == actual) {
        return RechazoEstado::kYaEsta;
    }
    switch (nuevo.estado) {
        case EstadoCobro::kPendiente:
            return RechazoEstado::kAPendiente;
        case EstadoCobro::kAnulado:
            return actual == EstadoCobro::kCobrado ? RechazoEstado::kAnularCobrado
                                                   : RechazoEstado::kNinguno;
        case EstadoCobro::kCobrado:
            if (nuevo.metodo == MetodoCobro::kNinguno) {
                return RechazoEstado::kSinMetodo;
            }
            break;
        case EstadoCobro::kDevuelto:
            if (!bDomiciliado) {
                return RechazoEstado::kNoDomiciliado;
            }
            if (BuscarMotivo(nuevo.sMotivo) == nullptr) {
                return RechazoEstado::kMotivoDesconocido;
            }
            break;
    }
    // ISO dates compare as texts.
    return EsDiaValido(nuevo.sFecha) && nuevo.sFecha <= sHoy ? RechazoEstado::kNinguno
                                                             : RechazoEstado::kFechaMala;
}

const char* TextoRechazo(RechazoEstado rechazo) {
    switch (rechazo) {
        case RechazoEstado::kNinguno:
            return "";
        case RechazoEstado::kSinRecibo:
            return "there is no such receipt in the register";
        case RechazoEstado::kDesdeAnulado:
            return "the receipt is void; a void receipt takes no further change";
        case RechazoEstado::kAnularCobrado:
            return "the receipt is paid; a paid receipt cannot be voided";
        case RechazoEstado::kNoDomiciliado:
            return "the receipt was not debited in a remittance, so the bank cannot return it";
        case RechazoEstado::kYaEsta:
            return "the receipt already has that status";
        case RechazoEstado::kFechaMala:
            return "the date must be a day of the calendar, YYYY-MM-DD, today or earlier";
        case RechazoEstado::kMotivoDesconocido:
            return "the return reason is not a SEPA return reason code";
        case RechazoEstado::kSinMetodo:
            return "a payment needs its method: efectivo, transferencia or domiciliacion";
        case RechazoEstado::kAPendiente:
            return "a receipt does not go back to pendiente";
    }
    return "";
}

const char* AvisoRechazo(RechazoEstado rechazo) {
    switch (rechazo) {
        case RechazoEstado::kNinguno:
            return "";
        case RechazoEstado::kSinRecibo:
            return "El recibo no est\xE1 en el registro.";
        case RechazoEstado::kDesdeAnulado:
            return "El recibo est\xE1 anulado: un recibo anulado no admite m\xE1s cambios.";
        case RechazoEstado::kAnularCobrado:
            return "El recibo est\xE1 cobrado: un recibo cobrado no se puede anular.";
        case RechazoEstado::kNoDomiciliado:
            return "El recibo no se carg\xF3 en ninguna remesa: el banco no puede devolverlo.";
        case RechazoEstado::kYaEsta:
            return "El recibo ya est\xE1 en ese estado.";
        case RechazoEstado::kFechaMala:
            return "La fecha debe ser un d\xED"
                   "a del calendario, de hoy o anterior.";
        case RechazoEstado::kMotivoDesconocido:
            return "El motivo no es un c\xF3"
                   "digo de devoluci\xF3n SEPA.";
        case RechazoEstado::kSinMetodo:
            return "Indique c\xF3mo se cobr\xF3: efectivo, transferencia o domiciliaci\xF3n.";
        case RechazoEstado::kAPendiente:
            return "Un recibo no vuelve a estar pendiente.";
    }
    return "";
}
