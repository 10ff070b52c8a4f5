// Text to amounts: the lenient reading of an amount field, and the strict check of an amount
// typed in a batch file.
#include "money/analisis.h"

#include <string_view>
#include <vector>

#include "money/formato.h"

namespace {

// The digits of an amount field as they are met: whole units until the decimal separator,
// then the decimals, of which only the first six count.
class DigitosImporte {
  public:
    explicit DigitosImporte(std::int64_t nTopeUnidades) : m_nTope(nTopeUnidades) {}

    void Anadir(char c) {
        if (!m_bDecimales) {
            // Past the largest count of units an amount can hold the count stays one above it.
            m_nUnidades = m_nUnidades > m_nTope ? m_nUnidades : m_nUnidades * 10 + (c - '0');
        } else if (m_nDecimales < 6) {
            m_sDecimales[m_nDecimales++] = c;
        }
    }
    void EmpiezanDecimales() { m_bDecimales = true; }

    std::int64_t Unidades() const { return m_nUnidades > m_nTope ? m_nTope + 1 : m_nUnidades; }

    // Ten-thousandths from the first four decimals, rounded on the sixth (the fifth never
    // counts); the result may be 10000, which carries into the units.
    std::int32_t Fraccion() const {
        std::int32_t n = 0;
        for (int i = 0; i < 4; ++i) {
            n = n * 10 + (m_sDecimales[i] - '0');
        }
        return n + (m_sDecimales[5] > '4' ? 1 : 0);
    }

  private:
    std::int64_t m_nTope;
    std::int64_t m_nUnidades = 0;
    bool m_bDecimales = false;
    char m_sDecimales[6] = {'0', '0', '0', '0', '0', '0'};
    int m_nDecimales = 0;
};

constexpr std::size_t kMaxCifrasEnteras = 15;

// A cursor over an amount text read strictly.
class LecturaImporte {
  public:
    explicit LecturaImporte(std::string_view s) : m_s(s) {}

    bool Fin() const { return m_i == m_s.size(); }
    bool Toma(std::string_view sPalabra) {
        if (sPalabra.empty() || m_s.substr(m_i, sPalabra.size()) != sPalabra) {
            return false;
        }
        m_i += sPalabra.size();
        return true;
    }
    void SaltaBlancos() {
        while (!Fin() && (m_s[m_i] == ' ' || m_s[m_i] == '\t' || m_s[m_i] == '\xA0')) {
            ++m_i;
        }
    }
    std::size_t Cifras() {
        const std::size_t nInicio = m_i;
        while (!Fin() && m_s[m_i] >= '0' && m_s[m_i] <= '9') {
            ++m_i;
        }
        return m_i - nInicio;
    }

    // Whole digits, in groups of three after the first group when grouped, then the decimals.
    bool Numero(std::string_view sDecimal, std::string_view sMiles) {
        std::size_t nEnteras = Cifras();
        const bool bAgrupable = nEnteras > 0 && nEnteras <= 3;
        for (std::size_t nAntes = m_i; bAgrupable && Toma(sMiles); nAntes = m_i) {
            const std::size_t nGrupo = Cifras();
            if (nGrupo == 0) {
                m_i = nAntes;  // not a separator: a blank after the number, say
                break;
            }
            if (nGrupo != 3) {
                return false;
            }
            nEnteras += nGrupo;
        }
        if (nEnteras > kMaxCifrasEnteras) {
            return false;
        }
        if (Toma(sDecimal)) {
            return Cifras() > 0;
        }
        return nEnteras > 0;
    }

  private:
    std::string_view m_s;
    std::size_t m_i = 0;
};

// The text without the currency sign: the custom one of the settings, else a common one.
std::string SinSigno(std::string s, const AjustesMoneda& a) {
    std::vector<std::string> signos = {"\x80", "$", "\xA3", "\xA5"};
    if (!moneda::SimboloEstandar(a.sSimbolo) && !a.sSimbolo.empty()) {
        signos.insert(signos.begin(), a.sSimbolo);
    }
    for (const std::string& sSigno : signos) {
        if (const auto n = s.find(sSigno); n != std::string::npos) {
            return s.erase(n, sSigno.size());
        }
    }
    return s;
}

// What an amount field says: the magnitude in ten-thousandths, its sign, and whether the
// magnitude lies beyond the largest amount (it is then the largest).
struct Lectura {
    std::int64_t nMagnitud;
    bool bNegativo;
    bool bFueraDeRango;

    CGlobalCurrency Importe() const {
        CGlobalCurrency cu;
        cu.SetValor(bNegativo ? -nMagnitud : nMagnitud);
        return cu;
    }
};

// Digits before the first decimal separator are whole units, every digit after it a decimal;
// '-' or '(' anywhere makes the amount negative; everything else is skipped.
Lectura Leer(const std::string& sTexto, const AjustesMoneda& a) {
    constexpr std::int64_t kMaximo = CGlobalCurrency::kImporteMaximo;
    constexpr std::int64_t nTope = kMaximo / 10000;
    DigitosImporte digitos(nTope);
    bool bNegativo = false;
    const bool bHaySeparador = !a.sSeparadorDecimal.empty();
    for (char c : sTexto) {
        if (c >= '0' && c <= '9') {
            digitos.Anadir(c);
        } else if (bHaySeparador && c == a.sSeparadorDecimal[0]) {
            digitos.EmpiezanDecimales();
        } else if (c == '-' || c == '(') {
            bNegativo = true;
        }
    }
    const std::int64_t nUnidades = digitos.Unidades();
    const std::int32_t nFraccion = digitos.Fraccion();
    const bool bFueraDeRango =
        nUnidades > nTope || (nUnidades == nTope && nFraccion > kMaximo % 10000);
    return {bFueraDeRango ? kMaximo : nUnidades * 10000 + nFraccion, bNegativo, bFueraDeRango};
}

}  // namespace

namespace moneda {

CGlobalCurrency ImporteDeTexto(const std::string& sTexto, const AjustesMoneda& a) {
    return Leer(sTexto, a).Importe();
}

std::optional<CGlobalCurrency> ImporteEnRango(const std::string& sTexto, const AjustesMoneda& a) {
    const Lectura lectura = Leer(sTexto, a);
    if (lectura.bFueraDeRango) {
        return std::nullopt;
    }
    return lectura.Importe();
}

bool EsTextoImporte(const std::string& sTexto, const AjustesMoneda& a) {
    const std::string sDecimal = a.sSeparadorDecimal.substr(0, 1);
    std::string sMiles = a.sSeparadorMiles;
    if (!sDecimal.empty() && sMiles.starts_with(sDecimal)) {
        sMiles.clear();  // the parser reads that character as the decimal separator
    }
    const std::string sSinSigno = SinSigno(sTexto, a);
    LecturaImporte l(sSinSigno);
    l.SaltaBlancos();
    if (l.Fin()) {
        return sSinSigno.size() == sTexto.size();  // a blank cell, not a lone sign
    }
    const bool bParentesis = l.Toma("(");
    const bool bMenosDelante = !bParentesis && l.Toma("-");
    l.SaltaBlancos();
    if (!l.Numero(sDecimal, sMiles)) {
        return false;
    }
    l.SaltaBlancos();
    if (bParentesis && !l.Toma(")")) {
        return false;
    }
    if (!bParentesis && !bMenosDelante) {
        l.Toma("-");
    }
    l.SaltaBlancos();
    return l.Fin();
}

}  // namespace moneda

bool CGlobalCurrency::AsignarTexto(const std::string& sTexto) {
    const Lectura lectura = Leer(sTexto, AjustesEnVigor());
    *this = lectura.Importe();
    return !lectura.bFueraDeRango;
}
