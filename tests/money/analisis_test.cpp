// Text to amounts: digits split at the decimal separator, '-' or '(' for negative.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

TEST(Analisis, EjemplosCasosLimiteYEl64Bits) {
    // Decimal separator, text, value.
    // clang-format off
    const std::tuple<std::string, std::string, std::int64_t> casos[] = {
        {",", "1.234,56 \x80", 12345600}, {",", "(12,5)", -125000}, {",", "12-", -120000},
        {",", "abc,", 0}, {",", "", 0}, {",", "0,123449", 1235}, {",", "0,123451", 1234},
        {".", "1,234.5", 12345000}, {".", "1.234,5", 12345}, {",", "1,2,3", 12300},
        {",", "0,12340049", 1234},  // past the sixth decimal nothing counts
        {",", "0,123490", 1234},    // the fifth decimal never rounds
        {",", "0,1234951", 1235}, {",", "1,234.56", 12345}, {",", "(12", -120000},
        {",", "12)", 120000}, {"", "1.234,56", 1234560000}, {",", "0,999905", 10000},
        {",", "1,999905", 20000}, {", ", "3,5", 35000}, {",", "-0,00", 0},
        {",", "\2401\240234,5\240\x80", 12345000},
        // Beyond 32 bits, and clamped at the 64-bit limit.
        {",", "2147483647", 21474836470000}, {",", "2147483648", 21474836480000},
        {",", "-4294967296", -42949672960000},
        {",", "0000000000000000000000000001", 10000}, {",", "922337203685477,5807", kMax},
        {",", "922337203685477,5806", kMax - 1}, {",", "922337203685477,5808", kMax},
        {",", "922337203685477,99995", kMax}, {",", "922337203685478", kMax},
        {",", "99999999999999999999999999999999", kMax},
        {",", "-99999999999999999999999999999999,99", -kMax},
        {",", "(922.337.203.685.477,58)", -kMax + 7}};
    // clang-format on
    for (const auto& [sDecimal, sTexto, nValor] : casos) {
        EXPECT_EQ(moneda::ImporteDeTexto(sTexto, Ajustes({sDecimal})).Valor(), nValor) << sTexto;
    }
}

// The reading that never changes an amount: the same value within the range, nothing beyond
// it, where the lenient reading stops at the largest amount. (AsignarTexto tells the same, in
// en_vigor_test.)
TEST(Analisis, FueraDeRangoNoHayImporte) {
    struct Caso {
        const char* sTexto;
        std::optional<std::int64_t> nValor;
    };
    // clang-format off
    const Caso casos[] = {
        {"922.337.203.685.477,58", kMax - 7}, {"922337203685477,5807", kMax},
        {"922337203685477,58074", kMax}, {"(922.337.203.685.477,5807)", -kMax},
        {"922337203685477,5808", std::nullopt}, {"922337203685477,580705", std::nullopt},
        {"922.337.203.685.477,59", std::nullopt}, {"922337203685478", std::nullopt},
        {"999.999.999.999.999", std::nullopt}, {"-999.999.999.999.999", std::nullopt},
        {"1000000000000000000", std::nullopt}, {"00000000000000000000000001", 10000},
        {"abc", 0}, {"", 0},
    };
    // clang-format on
    const AjustesMoneda a = Ajustes({","});
    for (const Caso& caso : casos) {
        const std::optional<CGlobalCurrency> cu = moneda::ImporteEnRango(caso.sTexto, a);
        ASSERT_EQ(cu.has_value(), caso.nValor.has_value()) << caso.sTexto;
        if (cu) {
            EXPECT_EQ(cu->Valor(), *caso.nValor) << caso.sTexto;
        }
        const std::int64_t nExtremo = caso.sTexto[0] == '-' || caso.sTexto[0] == '(' ? -kMax : kMax;
        EXPECT_EQ(moneda::ImporteDeTexto(caso.sTexto, a).Valor(), caso.nValor.value_or(nExtremo))
            << caso.sTexto;
    }
}

// Sumar adds only what stays within the range, and leaves the value alone otherwise.
TEST(Analisis, SumarSinSalirDelRango) {
    struct Caso {
        std::int64_t nA, nB;
        std::optional<std::int64_t> nSuma;
    };
    const Caso casos[] = {
        {5, -7, -2},
        {kMax - 1, 1, kMax},
        {kMax, 1, std::nullopt},
        {-kMax, -1, std::nullopt},  // the one 64-bit value that is no amount
        {-kMax + 1, -1, -kMax},
        {kMax, -kMax, 0},
        {kMax / 2 + 1, kMax / 2 + 1, std::nullopt},
    };
    for (const Caso& caso : casos) {
        CGlobalCurrency cu = Importe(caso.nA);
        EXPECT_EQ(cu.Sumar(Importe(caso.nB)), caso.nSuma.has_value())
            << caso.nA << " + " << caso.nB;
        EXPECT_EQ(cu.Valor(), caso.nSuma.value_or(caso.nA)) << caso.nA << " + " << caso.nB;
    }
}

TEST(Analisis, LaSumaDeSeisImportesLeidosNoCambiaDeSigno) {
    const AjustesMoneda a = Ajustes({","});
    CGlobalCurrency cuTotal;
    for (int i = 0; i < 6; ++i) {
        cuTotal += moneda::ImporteDeTexto("900000000000000", a);
    }
    EXPECT_EQ(cuTotal.Valor(), kMax);
}

}  // namespace
