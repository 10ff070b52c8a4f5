// The currency value, its arithmetic, and the nine currency settings with their storage.
#include "money/globalcurrency.h"

#include "money/regional.h"
#include "settings/esquema.h"

AjustesMoneda CGlobalCurrency::s_ajustes;

void CGlobalCurrency::SetImporte(std::int32_t nUnidades, std::int32_t nDiezMilesimas) {
    m_nValor = static_cast<std::int64_t>(nUnidades) * 10000 + nDiezMilesimas;
}

// A total that would leave 64 bits stays at the largest amount of its sign (the same bound
// the parser clamps to) instead of wrapping round to the other sign.
CGlobalCurrency& CGlobalCurrency::operator+=(const CGlobalCurrency& cu) {
    if (!Sumar(cu)) {
        m_nValor = m_nValor > 0 ? kImporteMaximo : -kImporteMaximo;
    }
    return *this;
}

bool CGlobalCurrency::Sumar(const CGlobalCurrency& cu) {
    std::int64_t nSuma = 0;
    if (__builtin_add_overflow(m_nValor, cu.m_nValor, &nSuma) || nSuma < -kImporteMaximo) {
        return false;
    }
    m_nValor = nSuma;
    return true;
}

void CGlobalCurrency::SetNombreMoneda(const std::string& s) {
    s_ajustes.sNombreMoneda = s;
    ajustes::kNombreMoneda.Escribir(s);
}

void CGlobalCurrency::SetSimbolo(const std::string& s) {
    s_ajustes.sSimbolo = s;
    ajustes::kSimbolo.Escribir(s);
}

void CGlobalCurrency::SetDecimales(std::int32_t n) {
    s_ajustes.nDecimales = n;
    ajustes::kDecimales.Escribir(n);
}

void CGlobalCurrency::SetSeparadorDecimal(const std::string& s) {
    s_ajustes.sSeparadorDecimal = s;
    ajustes::kSeparadorDecimal.Escribir(s);
}

void CGlobalCurrency::SetSeparadorMiles(const std::string& s) {
    s_ajustes.sSeparadorMiles = s;
    ajustes::kSeparadorMiles.Escribir(s);
}

void CGlobalCurrency::SetModoPositivo(std::int32_t n) {
    s_ajustes.nModoPositivo = n;
    ajustes::kModoPositivo.Escribir(n);
}

void CGlobalCurrency::SetModoNegativo(std::int32_t n) {
    s_ajustes.nModoNegativo = n;
    ajustes::kModoNegativo.Escribir(n);
}

void CGlobalCurrency::SetRelleno(std::int32_t n) {
    s_ajustes.nRelleno = n;
    ajustes::kRelleno.Escribir(n);
}

namespace {

// The user's regional settings, stored.
AjustesMoneda GuardarRegionales() {
    AjustesMoneda a = AjustesRegionales(LeerLocaleMonetario(), NombreMonedaRegional());
    moneda::GuardarAjustes(a);
    return a;
}

}  // namespace

void moneda::GuardarAjustes(const AjustesMoneda& a) {
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

AjustesMoneda moneda::AjustesGuardados() {
    AjustesMoneda a;
    a.sNombreMoneda = ajustes::kNombreMoneda.Leer();
    a.sSimbolo = ajustes::kSimbolo.Leer();
    a.nDecimales = ajustes::kDecimales.Leer();
    a.sSeparadorDecimal = ajustes::kSeparadorDecimal.Leer();
    a.sSeparadorMiles = ajustes::kSeparadorMiles.Leer();
    a.nTamanoGrupo = ajustes::kTamanoGrupo.Leer();
    a.nModoPositivo = ajustes::kModoPositivo.Leer();
    a.nModoNegativo = ajustes::kModoNegativo.Leer();
    a.nRelleno = ajustes::kRelleno.Leer(RellenoPorDefecto(a.nModoPositivo));
    if (ajustes::kInicializado.Leer() != 0) {
        return a;
    }
    a = GuardarRegionales();
    ajustes::kInicializado.Escribir(1);
    return a;
}

void CGlobalCurrency::CargarConfiguracion() {
    s_ajustes = moneda::AjustesGuardados();
}

void CGlobalCurrency::ValoresRegionales() {
    s_ajustes = GuardarRegionales();
}
