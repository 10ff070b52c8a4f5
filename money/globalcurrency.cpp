// The currency value, its arithmetic, and the nine currency settings with their storage.
#include "money/globalcurrency.h"

#include "money/regional.h"
#include "settings/esquema.h"

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
    ajustes::kNombreMoneda.Escribir(s);
}

void CGlobalCurrency::SetSimbolo(const std::string& s) {
    s_sSimbolo = s;
    ajustes::kSimbolo.Escribir(s);
}

void CGlobalCurrency::SetDecimales(std::int32_t n) {
    s_nDecimales = n;
    ajustes::kDecimales.Escribir(n);
}

void CGlobalCurrency::SetSeparadorDecimal(const std::string& s) {
    s_sSeparadorDecimal = s;
    ajustes::kSeparadorDecimal.Escribir(s);
}

void CGlobalCurrency::SetSeparadorMiles(const std::string& s) {
    s_sSeparadorMiles = s;
    ajustes::kSeparadorMiles.Escribir(s);
}

void CGlobalCurrency::SetModoPositivo(std::int32_t n) {
    s_nModoPositivo = n;
    ajustes::kModoPositivo.Escribir(n);
}

void CGlobalCurrency::SetModoNegativo(std::int32_t n) {
    s_nModoNegativo = n;
    ajustes::kModoNegativo.Escribir(n);
}

void CGlobalCurrency::SetRelleno(std::int32_t n) {
    s_nRelleno = n;
    ajustes::kRelleno.Escribir(n);
}

void CGlobalCurrency::CargarConfiguracion() {
    s_sNombreMoneda = ajustes::kNombreMoneda.Leer();
    s_sSimbolo = ajustes::kSimbolo.Leer();
    s_nDecimales = ajustes::kDecimales.Leer();
    s_sSeparadorDecimal = ajustes::kSeparadorDecimal.Leer();
    s_sSeparadorMiles = ajustes::kSeparadorMiles.Leer();
    s_nTamanoGrupo = ajustes::kTamanoGrupo.Leer();
    s_nModoPositivo = ajustes::kModoPositivo.Leer();
    s_nModoNegativo = ajustes::kModoNegativo.Leer();
    s_nRelleno = ajustes::kRelleno.Leer(RellenoPorDefecto(s_nModoPositivo));
    if (ajustes::kInicializado.Leer() != 0) {
        return;
    }
    ValoresRegionales();
    ajustes::kInicializado.Escribir(1);
}

void CGlobalCurrency::ValoresRegionales() {
    const AjustesMoneda a = AjustesRegionales(LeerLocaleMonetario(), NombreMonedaRegional());
    PonerEnVigor(a);
    EscribirAjustes({{ajustes::kNombreMoneda, a.sNombreMoneda},
                     {ajustes::kSimbolo, a.sSimbolo},
                     {ajustes::kDecimales, a.nDecimales},
                     {ajustes::kSeparadorDecimal, a.sSeparadorDecimal},
                     {ajustes::kSeparadorMiles, a.sSeparadorMiles},
                     {ajustes::kTamanoGrupo, a.nTamanoGrupo},
                     {ajustes::kModoPositivo, a.nModoPositivo},
                     {ajustes::kModoNegativo, a.nModoNegativo},
                     {ajustes::kRelleno, a.nRelleno}});
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
