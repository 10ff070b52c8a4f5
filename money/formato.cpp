// Amounts to text: the form text and the receipt pattern of every display mode.
#include "money/formato.h"

#include <array>
#include <string_view>

namespace {

// 'N' stands for the number text, '|' for the currency sign.
constexpr std::array<std::string_view, 4> kPatronesPositivos = {"|N", "N|", "| N", "N |"};
constexpr std::array<std::string_view, 16> kPatronesNegativos = {
    "(|N)", "-|N",  "|-N",  "|N-",  "(N|)", "-N|",  "N-|",   "N|-",
    "-N |", "-| N", "N |-", "| N-", "| -N", "N- |", "(| N)", "(N |)"};

template <std::size_t N>
std::string_view Patron(const std::array<std::string_view, N>& patrones, std::int32_t nModo) {
    return nModo >= 0 && static_cast<std::size_t>(nModo) < N ? patrones[nModo] : patrones[0];
}

std::string_view PatronDelModo(bool bNegativo, std::int32_t nModo) {
    return bNegativo ? Patron(kPatronesNegativos, nModo) : Patron(kPatronesPositivos, nModo);
}

std::string Rellenar(std::string_view patron, const std::string& sNumero,
                     const std::string& sSigno) {
    std::string s;
    for (const char c : patron) {
        if (c == 'N') {
            s += sNumero;
        } else if (c == '|') {
            s += sSigno;
        } else {
            s += c;
        }
    }
    return s;
}

// The receipt pattern without the sign and the one blank beside it.
std::string PatronFormulario(std::string_view patron) {
    std::string s(patron);
    const auto nMarca = s.find('|');
    if (nMarca + 1 < s.size() && s[nMarca + 1] == ' ') {
        return s.erase(nMarca, 2);
    }
    if (nMarca > 0 && s[nMarca - 1] == ' ') {
        return s.erase(nMarca - 1, 2);
    }
    return s.erase(nMarca, 1);
}

std::uint64_t Magnitud(std::int64_t n) {
    return n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
}

// Two decimals show the decimal part; any other count shows the integer part alone.
std::string TextoNumero(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    std::string s = moneda::TextoEnteros(cu, a);
    if (a.nDecimales == 2) {
        s += a.sSeparadorDecimal;
        s += cu.TextoDecimales();
    }
    return s;
}

}  // namespace

namespace moneda {

bool SimboloEstandar(const std::string& sSimbolo) {
    return !sSimbolo.empty() && sSimbolo[0] == '|';
}

std::string AgruparDigitos(std::int64_t n, const AjustesMoneda& a) {
    std::uint64_t m = Magnitud(n);
    char sDigitos[20];  // right to left
    int nDigitos = 0;
    do {
        sDigitos[nDigitos++] = static_cast<char>('0' + m % 10);
        m /= 10;
    } while (m != 0);
    std::string s;
    s.reserve(nDigitos + (nDigitos - 1) / 3 * a.sSeparadorMiles.size());
    for (int i = nDigitos - 1; i >= 0; --i) {
        s += sDigitos[i];
        if (i > 0 && i % 3 == 0) {
            s += a.sSeparadorMiles;
        }
    }
    return s;
}

std::uint64_t UnidadesRedondeadas(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    const std::uint64_t m = Magnitud(cu.Valor());
    const std::uint64_t nUmbral = a.nDecimales == 0 ? 5000 : 9950;
    return m / 10000 + (m % 10000 >= nUmbral ? 1 : 0);
}

std::string TextoEnteros(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    return AgruparDigitos(static_cast<std::int64_t>(UnidadesRedondeadas(cu, a)), a);
}

std::string PatronRecibo(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    const bool bNegativo = cu.Valor() < 0;
    return MuestraModo(bNegativo, bNegativo ? a.nModoNegativo : a.nModoPositivo, TextoNumero(cu, a),
                       "|");
}

std::string TextoFormulario(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    if (cu.Valor() >= 0) {
        return TextoNumero(cu, a);
    }
    return Rellenar(PatronFormulario(PatronDelModo(true, a.nModoNegativo)), TextoNumero(cu, a), "");
}

std::string TextoRecibo(const CGlobalCurrency& cu, const AjustesMoneda& a) {
    std::string s = PatronRecibo(cu, a);
    const auto nMarca = s.find('|');
    if (nMarca == std::string::npos) {
        return s;
    }
    return s.replace(nMarca, 1, SimboloEstandar(a.sSimbolo) ? std::string() : a.sSimbolo);
}

std::string MuestraModo(bool bNegativo, std::int32_t nModo, const std::string& sNumero,
                        const std::string& sSigno) {
    return Rellenar(PatronDelModo(bNegativo, nModo), sNumero, sSigno);
}

}  // namespace moneda

bool CGlobalCurrency::SimboloEstandar() {
    return moneda::SimboloEstandar(s_ajustes.sSimbolo);
}

std::string CGlobalCurrency::AgruparDigitos(std::int64_t n) {
    return moneda::AgruparDigitos(n, AjustesEnVigor());
}

std::uint64_t CGlobalCurrency::UnidadesRedondeadas() const {
    return moneda::UnidadesRedondeadas(*this, AjustesEnVigor());
}

int CGlobalCurrency::CentesimasRedondeadas() const {
    const std::uint64_t r = Magnitud(m_nValor) % 10000;
    return static_cast<int>((r / 100 + (r % 100 >= 50 ? 1 : 0)) % 100);
}

std::string CGlobalCurrency::TextoEnteros() const {
    return moneda::TextoEnteros(*this, AjustesEnVigor());
}

std::string CGlobalCurrency::TextoDecimales() const {
    const int h = CentesimasRedondeadas();
    return {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10)};
}

std::string CGlobalCurrency::PatronRecibo() const {
    return moneda::PatronRecibo(*this, AjustesEnVigor());
}

std::string CGlobalCurrency::TextoFormulario() const {
    return moneda::TextoFormulario(*this, AjustesEnVigor());
}

std::string CGlobalCurrency::TextoRecibo() const {
    return moneda::TextoRecibo(*this, AjustesEnVigor());
}

std::string CGlobalCurrency::MuestraModo(bool bNegativo, std::int32_t nModo,
                                         const std::string& sNumero, const std::string& sSigno) {
    return moneda::MuestraModo(bNegativo, nModo, sNumero, sSigno);
}
