// Text to amounts: digits split at the decimal separator, '-' or '(' for negative.
#include <gtest/gtest.h>

#include <cstdint>
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

TEST(Analisis, LaSumaDeSeisImportesLeidosNoCambiaDeSigno) {
    const AjustesMoneda a = Ajustes({","});
    CGlobalCurrency cuTotal;
    for (int i = 0; i < 6; ++i) {
        cuTotal += moneda::ImporteDeTexto("900000000000000", a);
    }
    EXPECT_EQ(cuTotal.Valor(), kMax);
}

}  // namespace
