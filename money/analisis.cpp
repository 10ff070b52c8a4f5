// Text to amounts: the lenient reading of an amount field.
#include "money/analisis.h"

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

}  // namespace moneda

bool CGlobalCurrency::AsignarTexto(std::string sTexto) {
    const Lectura lectura = Leer(sTexto, AjustesEnVigor());
    *this = lectura.Importe();
    return !lectura.bFueraDeRango;
}
