// The currency value, its arithmetic, and the nine currency settings with their storage.
#include "money/globalcurrency.h"

#include "money/regional.h"
#include "settings/ficherostxt.h"

namespace {

const char* const kSeccion = "Aplicacion Recibos";
const char* const kNombre = "monetary name";
const char* const kSimbolo = "monetary symbol";
const char* const kDecimales = "Number of fractional digits";
const char* const kSeparadorDecimal = "decimal separator";
const char* const kSeparadorMiles = "saparator between groups";
const char* const kTamanoGrupo = "Sizes of each group";
const char* const kModoPositivo = "Positive currency mode";
const char* const kModoNegativo = "Negative currency mode";
const char* const kRelleno = "Relleno";
const char* const kInicializado = "GetProfileString ok";

}  // namespace

std::string CGlobalCurrency::s_sNombreMoneda;
std::string CGlobalCurrency::s_sSimbolo;
std::int32_t CGlobalCurrency::s_nDecimales = 0;
std::string CGlobalCurrency::s_sSeparadorDecimal;
std::string CGlobalCurrency::s_sSeparadorMiles;
std::int32_t CGlobalCurrency::s_nTamanoGrupo = 0;
std::int32_t CGlobalCurrency::s_nModoPositivo = 0;
std::int32_t CGlobalCurrency::s_nModoNegativo = 0;
std::int32_t CGlobalCurrency::s_nRelleno = 0;

void CGlobalCurrency::SetImporte(std::int32_t nUnidades, std::int32_t nDiezMilesimas) {
    m_nValor = static_cast<std::int64_t>(nUnidades) * 10000 + nDiezMilesimas;
}

// A total that would leave 64 bits stays at the largest amount of its sign (the same bound
// the parser clamps to) instead of wrapping round to the other sign.
CGlobalCurrency& CGlobalCurrency::operator+=(const CGlobalCurrency& cu) {
    std::int64_t nSuma = 0;
    if (__builtin_add_overflow(m_nValor, cu.m_nValor, &nSuma)) {
        nSuma = m_nValor > 0 ? kImporteMaximo : -kImporteMaximo;
    }
    m_nValor = nSuma < -kImporteMaximo ? -kImporteMaximo : nSuma;
    return *this;
}

void CGlobalCurrency::SetNombreMoneda(const std::string& s) {
    s_sNombreMoneda = s;
    EscribirValor(kSeccion, kNombre, s);
}

void CGlobalCurrency::SetSimbolo(const std::string& s) {
    s_sSimbolo = s;
    EscribirValor(kSeccion, kSimbolo, s);
}

void CGlobalCurrency::SetDecimales(std::int32_t n) {
    s_nDecimales = n;
    EscribirValorEntero(kSeccion, kDecimales, n);
}

void CGlobalCurrency::SetSeparadorDecimal(const std::string& s) {
    s_sSeparadorDecimal = s;
    EscribirValor(kSeccion, kSeparadorDecimal, s);
}

void CGlobalCurrency::SetSeparadorMiles(const std::string& s) {
    s_sSeparadorMiles = s;
    EscribirValor(kSeccion, kSeparadorMiles, s);
}

void CGlobalCurrency::SetModoPositivo(std::int32_t n) {
    s_nModoPositivo = n;
    EscribirValorEntero(kSeccion, kModoPositivo, n);
}

void CGlobalCurrency::SetModoNegativo(std::int32_t n) {
    s_nModoNegativo = n;
    EscribirValorEntero(kSeccion, kModoNegativo, n);
}

void CGlobalCurrency::SetRelleno(std::int32_t n) {
    s_nRelleno = n;
    EscribirValorEntero(kSeccion, kRelleno, n);
}

void CGlobalCurrency::CargarConfiguracion() {
    s_sNombreMoneda = LeerValor(kSeccion, kNombre, "");
    s_sSimbolo = LeerValor(kSeccion, kSimbolo, "$");
    s_nDecimales = LeerValorEntero(kSeccion, kDecimales, 2);
    s_sSeparadorDecimal = LeerValor(kSeccion, kSeparadorDecimal, ".");
    s_sSeparadorMiles = LeerValor(kSeccion, kSeparadorMiles, ",");
    s_nTamanoGrupo = LeerValorEntero(kSeccion, kTamanoGrupo, 3);
    s_nModoPositivo = LeerValorEntero(kSeccion, kModoPositivo, 0);
    s_nModoNegativo = LeerValorEntero(kSeccion, kModoNegativo, 0);
    s_nRelleno = LeerValorEntero(kSeccion, kRelleno, RellenoPorDefecto(s_nModoPositivo));
    if (LeerValorEntero(kSeccion, kInicializado, 0) != 0) {
        return;
    }
    ValoresRegionales();
    EscribirValorEntero(kSeccion, kInicializado, 1);
}

void CGlobalCurrency::ValoresRegionales() {
    const AjustesMoneda a = AjustesRegionales(LeerLocaleMonetario(), NombreMonedaRegional());
    PonerEnVigor(a);
    EscribirValores(kSeccion, {{kNombre, a.sNombreMoneda},
                               {kSimbolo, a.sSimbolo},
                               {kDecimales, std::to_string(a.nDecimales)},
                               {kSeparadorDecimal, a.sSeparadorDecimal},
                               {kSeparadorMiles, a.sSeparadorMiles},
                               {kTamanoGrupo, std::to_string(a.nTamanoGrupo)},
                               {kModoPositivo, std::to_string(a.nModoPositivo)},
                               {kModoNegativo, std::to_string(a.nModoNegativo)},
                               {kRelleno, std::to_string(a.nRelleno)}});
}

AjustesMoneda CGlobalCurrency::AjustesEnVigor() {
    return {s_sNombreMoneda,     s_sSimbolo,        s_nDecimales,
            s_sSeparadorDecimal, s_sSeparadorMiles, s_nTamanoGrupo,
            s_nModoPositivo,     s_nModoNegativo,   s_nRelleno};
}

void CGlobalCurrency::PonerEnVigor(const AjustesMoneda& a) {
    s_sNombreMoneda = a.sNombreMoneda;
    s_sSimbolo = a.sSimbolo;
    s_nDecimales = a.nDecimales;
    s_sSeparadorDecimal = a.sSeparadorDecimal;
    s_sSeparadorMiles = a.sSeparadorMiles;
    s_nTamanoGrupo = a.nTamanoGrupo;
    s_nModoPositivo = a.nModoPositivo;
    s_nModoNegativo = a.nModoNegativo;
    s_nRelleno = a.nRelleno;
}
