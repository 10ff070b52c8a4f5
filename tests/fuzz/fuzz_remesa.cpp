// Arbitrary bytes as a debtor's columns and a receipt: the account checks, the SEPA text and
// the debit. A debit comes out with every text in the SEPA set and within its length, or the
// row is refused with one of the debtor's columns (or none, for the receipt as a whole).
#include <cstdint>
#include <string>
#include <string_view>

#include "remesa/adeudo.h"
#include "remesa/cuentas.h"
#include "remesa/texto_sepa.h"
#include "tests/fuzz/comprobar.h"

namespace {

bool EnElJuegoSepa(const std::string& s, std::size_t nMaximo) {
    return s.size() <= nMaximo && s.find("  ") == std::string::npos &&
           s.find_first_not_of(
               "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
               "/-?:().,'+ ") == std::string::npos;
}

// The bytes cut at each '|' into the fields given, in order; the rest stays empty.
void Repartir(std::string_view s, std::initializer_list<std::string*> campos) {
    for (std::string* sCampo : campos) {
        const std::size_t n = s.find('|');
        *sCampo = std::string(s.substr(0, n));
        s = n == std::string_view::npos ? std::string_view() : s.substr(n + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view sBytes(reinterpret_cast<const char*>(data), size);
    ReciboData recibo;
    DatosDeudor deudor;
    Repartir(sBytes, {&deudor.sIban, &deudor.sBic, &deudor.sMandato, &deudor.sFechaMandato,
                      &deudor.sSecuencia, &deudor.sTitular, &recibo.sNumero, &recibo.sPagador1,
                      &recibo.sConcepto1, &recibo.sConcepto2});
    recibo.cuImporte.SetValor(size > 0 ? static_cast<std::int64_t>(data[0]) * 100 : 0);

    for (const auto& sError : {ErrorIban(deudor.sIban), ErrorBic(deudor.sBic),
                               ErrorIdentificadorAcreedor(deudor.sMandato)}) {
        Comprobar(!sError || !sError->empty(), "a fault is said");
    }
    Comprobar(EnElJuegoSepa(TextoSepa(sBytes, 70), 70), "reduced text is in the SEPA set");
    Comprobar(CortarEnPalabra(TextoSepa(sBytes, 1000), 140).size() <= 140, "cut to 140");
    try {
        const Adeudo a = HacerAdeudo(recibo, deudor, "2026-12-10");
        Comprobar(!ErrorIban(a.sIban), "a debit's IBAN is valid");
        Comprobar(a.sBic.empty() || !ErrorBic(a.sBic), "a debit's BIC is valid");
        Comprobar(!a.sMandato.empty() && EnElJuegoSepa(a.sMandato, 35), "mandate reference");
        Comprobar(FechaIso(a.sFechaMandato) == a.sFechaMandato && a.sFechaMandato <= "2026-12-10",
                  "a mandate signed on a real day, not after today");
        Comprobar(!a.sTitular.empty() && EnElJuegoSepa(a.sTitular, 70), "holder");
        Comprobar(EnElJuegoSepa(a.sId, 35) && EnElJuegoSepa(a.sConcepto, 140), "id and concept");
        Comprobar(a.nCentimos > 0 && a.nCentimos <= kMaxCentimosAdeudo, "amount");
    } catch (const ErrorAdeudo& error) {
        const std::string& c = error.Columna();
        Comprobar(c.empty() || c == "IBAN" || c == "BIC" || c == "MANDATO" ||
                      c == "FECHA_MANDATO" || c == "SECUENCIA" || c == "TITULAR" || c == "NUMERO",
                  "a refusal names a column of the row");
    }
    return 0;
}
