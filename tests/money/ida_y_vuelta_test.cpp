// Every form text parses back to the value it shows, in every mode and convention.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

// Magnitudes in ten-thousandths, whole hundredths, from small ones to the clamp limit.
std::vector<std::int64_t> Magnitudes() {
    std::vector<std::int64_t> v = {0,
                                   100,
                                   9900,
                                   10000,
                                   123400,
                                   9999900,
                                   10000000,
                                   1234567800,
                                   21474836470000,
                                   21474836480000,
                                   42949672960000,
                                   10000000000000100,
                                   kMax - kMax % 100,
                                   kMax - kMax % 100 - 100};
    std::uint64_t x = 88172645463325252ULL;  // xorshift: a spread of sizes and digits
    for (int i = 0; i < 300; ++i) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        const std::int64_t n = static_cast<std::int64_t>(x >> (1 + i % 60));
        v.push_back(n - n % 100);
    }
    return v;
}

struct Separadores {
    const char* sDecimal;
    const char* sMiles;
};

TEST(IdaYVuelta, CadaTextoDeFormularioSeLeeComoSuValor) {
    CarpetaTemporal carpeta;
    const Separadores pares[] = {{",", "."}, {".", ","},    {".", "'"},  {",", " "},
                                 {",", ""},  {",", "\xA0"}, {",.", "."}, {".", "\x92"}};
    const std::vector<std::int64_t> magnitudes = Magnitudes();
    for (const auto& par : pares) {
        for (const std::int32_t nDecimales : {0, 2}) {
            // Whole units only where no decimals are shown.
            const std::int64_t nPaso = nDecimales == 0 ? 10000 : 100;
            Aplicar({par.sDecimal, par.sMiles, nDecimales});
            for (std::int32_t nNegativo = 0; nNegativo < 16; ++nNegativo) {
                CGlobalCurrency::SetModoNegativo(nNegativo);
                for (const std::int64_t nMagnitud : magnitudes) {
                    for (const std::int64_t nValor :
                         {nMagnitud - nMagnitud % nPaso, -(nMagnitud - nMagnitud % nPaso)}) {
                        const std::string sTexto = Importe(nValor).TextoFormulario();
                        CGlobalCurrency cu;
                        cu.AsignarTexto(sTexto);
                        ASSERT_EQ(cu.Valor(), nValor)
                            << sTexto << " decimal '" << par.sDecimal << "' miles '" << par.sMiles
                            << "' decimales " << nDecimales << " modo " << nNegativo;
                    }
                }
            }
        }
    }
}

}  // namespace
