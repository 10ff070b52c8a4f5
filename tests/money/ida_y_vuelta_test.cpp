// Every form text parses back to the value it shows, in every convention.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

// Magnitudes in ten-thousandths, whole hundredths, from small ones to the clamp limit.
std::vector<std::int64_t> Magnitudes() {
    // clang-format off
    std::vector<std::int64_t> v = {0, 100, 9900, 10000, 123400, 9999900, 10000000, 1234567800,
        21474836470000, 21474836480000, 42949672960000, 10000000000000100, kMax - kMax % 100,
        kMax - kMax % 100 - 100};
    // clang-format on
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

// The form text of a negative amount has one of three shapes, "(1.10)", "-1.10" or "1.10-"
// (the formatting tests pin each of the sixteen modes to its shape); modes 0, 1 and 3 give
// one each.
TEST(IdaYVuelta, CadaTextoDeFormularioSeLeeComoSuValor) {
    const std::pair<const char*, const char*> separadores[] = {
        {",", "."}, {".", ","},    {".", "'"},  {",", " "},
        {",", ""},  {",", "\xA0"}, {",.", "."}, {".", "\x92"}};
    const std::vector<std::int64_t> magnitudes = Magnitudes();
    for (const auto& [sDecimal, sMiles] : separadores) {
        for (const std::int32_t nDecimales : {0, 2}) {
            for (const std::int32_t nNegativo : {0, 1, 3}) {
                const AjustesMoneda a = Ajustes({sDecimal, sMiles, nDecimales, 0, nNegativo});
                // Whole units only where no decimals are shown.
                const std::int64_t nPaso = nDecimales == 0 ? 10000 : 100;
                for (const std::int64_t nMagnitud : magnitudes) {
                    for (const std::int64_t nValor :
                         {nMagnitud - nMagnitud % nPaso, -(nMagnitud - nMagnitud % nPaso)}) {
                        const std::string sTexto = moneda::TextoFormulario(Importe(nValor), a);
                        ASSERT_EQ(moneda::ImporteDeTexto(sTexto, a).Valor(), nValor)
                            << sTexto << " '" << sDecimal << "' '" << sMiles << "' " << nDecimales
                            << " " << nNegativo;
                    }
                }
            }
        }
    }
}

}  // namespace
