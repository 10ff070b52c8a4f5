// Amounts to text: the form text and the receipt pattern of every display mode.
#include <array>
#include <string_view>

#include "money/globalcurrency.h"

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

std::string Rellenar(std::string_view patron, const std::string& sNumero) {
    std::string s;
    for (char c : patron) {
        if (c == 'N') {
            s += sNumero;
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
std::string TextoNumero(const CGlobalCurrency& cu) {
    std::string s = cu.TextoEnteros();
    if (CGlobalCurrency::GetDecimales() == 2) {
        s += CGlobalCurrency::GetSeparadorDecimal();
        s += cu.TextoDecimales();
    }
    return s;
}

}  // namespace

std::string CGlobalCurrency::AgruparDigitos(std::int64_t n) {
    std::uint64_t a = Magnitud(n);
    char sDigitos[20];  // right to left
    int nDigitos = 0;
    do {
        sDigitos[nDigitos++] = static_cast<char>('0' + a % 10);
        a /= 10;
    } while (a != 0);
    std::string s;
    s.reserve(nDigitos + (nDigitos - 1) / 3 * s_sSeparadorMiles.size());
    for (int i = nDigitos - 1; i >= 0; --i) {
        s += sDigitos[i];
        if (i > 0 && i % 3 == 0) {
            s += s_sSeparadorMiles;
        }
    }
    return s;
}

std::uint64_t CGlobalCurrency::UnidadesRedondeadas() const {
    const std::uint64_t a = Magnitud(m_nValor);
    const std::uint64_t nUmbral = s_nDecimales == 0 ? 5000 : 9950;
    return a / 10000 + (a % 10000 >= nUmbral ? 1 : 0);
}

int CGlobalCurrency::CentesimasRedondeadas() const {
    const std::uint64_t r = Magnitud(m_nValor) % 10000;
    return static_cast<int>((r / 100 + (r % 100 >= 50 ? 1 : 0)) % 100);
}

std::string CGlobalCurrency::TextoEnteros() const {
    return AgruparDigitos(static_cast<std::int64_t>(UnidadesRedondeadas()));
}

std::string CGlobalCurrency::TextoDecimales() const {
    const int h = CentesimasRedondeadas();
    return {static_cast<char>('0' + h / 10), static_cast<char>('0' + h % 10)};
}

std::string CGlobalCurrency::PatronRecibo() const {
    const std::string_view patron = m_nValor >= 0 ? Patron(kPatronesPositivos, s_nModoPositivo)
                                                  : Patron(kPatronesNegativos, s_nModoNegativo);
    return Rellenar(patron, TextoNumero(*this));
}

std::string CGlobalCurrency::TextoFormulario() const {
    if (m_nValor >= 0) {
        return TextoNumero(*this);
    }
    return Rellenar(PatronFormulario(Patron(kPatronesNegativos, s_nModoNegativo)),
                    TextoNumero(*this));
}

std::string CGlobalCurrency::TextoRecibo() const {
    std::string s = PatronRecibo();
    const auto nMarca = s.find('|');
    if (nMarca == std::string::npos) {
        return s;
    }
    return s.replace(nMarca, 1, SimboloEstandar() ? std::string() : s_sSimbolo);
}

std::string CGlobalCurrency::MuestraModo(bool bNegativo, std::int32_t nModo,
                                         const std::string& sNumero, const std::string& sSigno) {
    const std::string_view patron =
        bNegativo ? Patron(kPatronesNegativos, nModo) : Patron(kPatronesPositivos, nModo);
    std::string s;
    for (const char c : patron) {
        s += c == '|' ? sSigno : c == 'N' ? sNumero : std::string(1, c);
    }
    return s;
}
