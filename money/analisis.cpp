// Text to amounts: the lenient reading of an amount field.
#include "money/globalcurrency.h"

#include "settings/ficherostxt.h"

namespace {

// Decimal digits to whole units, stopping at the largest count of units an amount can hold:
// the result is then one more than that, which the caller clamps.
std::int64_t LeerUnidades(const std::string& sDigitos, std::int64_t nTope) {
    std::int64_t n = 0;
    for (char c : sDigitos) {
        n = n * 10 + (c - '0');
        if (n > nTope) {
            return nTope + 1;
        }
    }
    return n;
}

}  // namespace

bool CGlobalCurrency::AsignarTexto(std::string sTexto) {
    std::string sCadenaEnteros;
    std::string sCadenaDecimales;
    bool bDecimales = false;
    bool bNegativo = false;
    const bool bHaySeparador = !s_sSeparadorDecimal.empty();
    for (char c : sTexto) {
        if (c >= '0' && c <= '9') {
            (bDecimales ? sCadenaDecimales : sCadenaEnteros) += c;
        } else if (bHaySeparador && c == s_sSeparadorDecimal[0]) {
            bDecimales = true;
        } else if (c == '-' || c == '(') {
            bNegativo = true;
        }
    }
    sCadenaDecimales += "000000";

    // Ten-thousandths from the first four decimals, rounded on the sixth (the fifth is
    // skipped); 10000 carries into the units.
    const std::int32_t nFraccion =
        CadenaAEntero(sCadenaDecimales.substr(0, 4)) + (sCadenaDecimales[5] > '4' ? 1 : 0);
    const std::int64_t nTope = kImporteMaximo / 10000;
    const std::int64_t nUnidades = LeerUnidades(sCadenaEnteros, nTope);
    const bool bFueraDeRango =
        nUnidades > nTope || (nUnidades == nTope && nFraccion > kImporteMaximo % 10000);
    const std::int64_t nMagnitud = bFueraDeRango ? kImporteMaximo : nUnidades * 10000 + nFraccion;
    m_nValor = bNegativo ? -nMagnitud : nMagnitud;
    return true;
}
