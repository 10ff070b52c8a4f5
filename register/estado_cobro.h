// The collection status of an issued receipt: pendiente until something is known, cobrado (a
// day and a method), devuelto (a day and the bank's SEPA return reason), anulado (void, for
// good). What may follow what, the reason codes with their Spanish meanings, and the words
// each refusal is told in. Standard library only; the register keeps every change
// (registro.h: CRegistro::CambiarEstado).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

enum class EstadoCobro { kPendiente, kCobrado, kDevuelto, kAnulado };

enum class MetodoCobro { kNinguno, kEfectivo, kTransferencia, kDomiciliacion };

// "pendiente", "cobrado", "devuelto", "anulado", as the register and the command line write
// them; nothing for any other text.
const char* NombreEstado(EstadoCobro estado);
std::optional<EstadoCobro> EstadoDeNombre(std::string_view sNombre);

// "efectivo", "transferencia", "domiciliacion" ("" for kNinguno); the reading also takes
// "domiciliación" in Windows-1252 or UTF-8.
const char* NombreMetodo(MetodoCobro metodo);
std::optional<MetodoCobro> MetodoDeNombre(std::string_view sNombre);

// A return reason of the ISO 20022 list (ExternalReturnReason) and what it means, in Spanish
// (Windows-1252).
struct MotivoDevolucion {
    const char* sCodigo;
    const char* sSignificado;
};
std::span<const MotivoDevolucion> MotivosDevolucion();
// The reason of the code, in either case; nullptr for a code that is not on the list.
const MotivoDevolucion* BuscarMotivo(std::string_view sCodigo);

// The status a receipt is asked to take.
struct NuevoEstado {
    EstadoCobro estado = EstadoCobro::kPendiente;
    std::string sFecha;                          // "YYYY-MM-DD": paid or returned that day
    MetodoCobro metodo = MetodoCobro::kNinguno;  // kCobrado only
    std::string sMotivo;                         // kDevuelto only: the reason code
};

// One recorded change, or a receipt's current status (the latest change; a receipt never
// changed is pendiente, with nothing else).
struct CambioEstado {
    std::int64_t nRecibo = 0;
    EstadoCobro estado = EstadoCobro::kPendiente;
    std::string sFecha;  // as NuevoEstado's; the day it was recorded for kAnulado
    MetodoCobro metodo = MetodoCobro::kNinguno;
    std::string sMotivo;
    std::string sAnotado;  // "YYYY-MM-DD HH:MM:SS", local time the change was recorded

    friend bool operator==(const CambioEstado&, const CambioEstado&) = default;
};

// Why a change is refused.
enum class RechazoEstado {
    kNinguno,
    kSinRecibo,          // no receipt of that id
    kDesdeAnulado,       // a void receipt takes no further change
    kAnularCobrado,      // a paid receipt cannot be voided
    kNoDomiciliado,      // only a receipt debited in a remittance can be returned
    kYaEsta,             // already in that status (paid twice, returned twice)
    kFechaMala,          // not a date YYYY-MM-DD of the calendar, or a day still to come
    kMotivoDesconocido,  // not a reason code of the list
    kSinMetodo,          // paid without a method
    kAPendiente,         // no change goes back to pendiente
};

// Whether a receipt in status actual, debited (bDomiciliado) or not, may take nuevo.estado
// with nuevo's values on day sHoy ("YYYY-MM-DD"); kNinguno when it may. devuelto -> cobrado
// is allowed; cobrado -> devuelto only for a debited receipt (the bank returns a debit after
// it was settled).
RechazoEstado ComprobarCambio(EstadoCobro actual, bool bDomiciliado, const NuevoEstado& nuevo,
                              const std::string& sHoy);

// The refusal told on a terminal (English) and in a window (Spanish, Windows-1252).
const char* TextoRechazo(RechazoEstado rechazo);
const char* AvisoRechazo(RechazoEstado rechazo);

// What a window says when asked to reprint a void receipt (Spanish, Windows-1252).
inline constexpr const char* kAvisoAnuladoNoSeReimprime =
    "Este recibo est\xE1 anulado: un recibo anulado no se reimprime.";

// Whether s is a day of the calendar written YYYY-MM-DD.
bool EsDiaValido(std::string_view s);
