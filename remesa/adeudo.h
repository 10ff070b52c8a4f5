// One direct debit of a remittance, made from a receipt and its debtor's columns, every rule a
// Spanish bank checks applied; and the sums of a remittance, with its duplicate check.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_set>

#include "form/deudor.h"
#include "form/recibodata.h"
#include "money/regional.h"

// The sequence of a debit under its mandate, in the order the remittance writes them.
enum class Secuencia { kFrst, kRcur, kOoff, kFnal };
inline constexpr std::array<const char*, 4> kNombresSecuencia = {"FRST", "RCUR", "OOFF", "FNAL"};

inline constexpr std::size_t kMaxIdSepa = 35;
inline constexpr std::size_t kMaxNombreSepa = 70;
inline constexpr std::size_t kMaxConceptoSepa = 140;
// The largest amount of one SEPA debit, in cents: 999,999,999.99.
inline constexpr std::int64_t kMaxCentimosAdeudo = 99999999999;

// Texts reduced to the SEPA character set, ready to be written.
struct Adeudo {
    std::string sId;  // the receipt number: the EndToEndId
    std::int64_t nCentimos = 0;
    std::string sIban;  // compact
    std::string sBic;   // compact; empty when not given
    std::string sMandato;
    std::string sFechaMandato;  // YYYY-MM-DD
    Secuencia secuencia = Secuencia::kRcur;
    std::string sTitular;
    std::string sConcepto;

    friend bool operator==(const Adeudo&, const Adeudo&) = default;
};

// A fault of a debit: the column it lies in (empty: the receipt as a whole) and why, in UTF-8.
class ErrorAdeudo : public std::runtime_error {
  public:
    ErrorAdeudo(std::string sColumna, const std::string& sMensaje)
        : std::runtime_error(sMensaje), m_sColumna(std::move(sColumna)) {}
    const std::string& Columna() const { return m_sColumna; }

  private:
    std::string m_sColumna;
};

// "YYYY-MM-DD" or "DD/MM/YYYY" of a real day, as "YYYY-MM-DD"; nothing otherwise.
std::optional<std::string> FechaIso(std::string_view sFecha);

// A moment by the local clock, in an strftime format.
std::string HoraLocal(std::time_t momento, const char* sFormato);

// Today, "YYYY-MM-DD", by the local clock.
std::string HoyIso();

// Why a collection date cannot be asked for (UTF-8): missing, not "YYYY-MM-DD" of a real day,
// or before sHoy. Nothing when it can.
std::optional<std::string> ErrorFechaCobro(const std::string& sFecha, const std::string& sHoy);

// Why amounts read under these currency settings cannot be debited: a remittance is in euros
// (symbol €, a standard euro sign or "EUR", or a currency named euro) with 2 decimals.
std::optional<std::string> ErrorMonedaRemesa(const AjustesMoneda& a);

// The remittance information of a receipt: "Recibo <number>: " and its non-empty concept lines
// joined by ", " (';' is not a SEPA character), reduced and cut at a word boundary to 140.
std::string ConceptoAdeudo(const ReciboData& recibo);

// The debit of a receipt whose debtor has an IBAN. Throws ErrorAdeudo: a bad IBAN or BIC, no
// mandate or a mandate reference longer than 35, a mandate date missing, malformed or after
// sHoy, an unknown sequence, a holder longer than 70 (or no holder and no first payer line), a
// total that is not positive, has fractions of a cent or is beyond one debit's largest amount.
Adeudo HacerAdeudo(const ReciboData& recibo, const DatosDeudor& deudor, const std::string& sHoy);

// The count and sum of each sequence of a remittance, and the receipts left out of it.
struct ResumenRemesa {
    std::array<std::size_t, 4> nAdeudos{};
    std::array<std::int64_t, 4> nCentimos{};
    std::size_t nExcluidos = 0;

    std::size_t Adeudos() const;
    std::int64_t Centimos() const;
};

// Adds the debits of a remittance one by one. Throws ErrorAdeudo (column NUMERO) for a receipt
// number met before.
class SumaRemesa {
  public:
    void Anadir(const Adeudo& adeudo);
    void Excluir() { ++m_resumen.nExcluidos; }
    const ResumenRemesa& Resumen() const { return m_resumen; }

  private:
    ResumenRemesa m_resumen;
    std::unordered_set<std::string> m_ids;
};

// Cents as the remittance writes them: "1234.50".
std::string TextoCentimos(std::int64_t nCentimos);
