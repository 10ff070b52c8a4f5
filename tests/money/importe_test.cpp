// The amount value: construction from units and ten-thousandths, zero test and totals.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

TEST(Importe, SetImporteJuntaUnidadesYDiezMilesimas) {
    const std::tuple<std::int32_t, std::int32_t, std::int64_t> casos[] = {
        {12345, 6700, 123456700},
        {-12345, -6700, -123456700},
        {0, 10000, 10000},
        {INT32_MAX, 9999, std::int64_t{INT32_MAX} * 10000 + 9999},
        {INT32_MIN, 0, std::int64_t{INT32_MIN} * 10000}};
    for (const auto& [nUnidades, nDiezMilesimas, nValor] : casos) {
        CGlobalCurrency cu;
        cu.SetImporte(nUnidades, nDiezMilesimas);
        EXPECT_EQ(cu.Valor(), nValor) << nUnidades << " " << nDiezMilesimas;
        EXPECT_EQ(cu.EsCero(), nValor == 0);
    }
    EXPECT_TRUE(CGlobalCurrency().EsCero());
}

TEST(Importe, LaSumaNoDaLaVueltaAlOtroSigno) {
    // clang-format off
    const std::tuple<std::int64_t, std::int64_t, std::int64_t> casos[] = {
        {123456700, -23456700, 100000000}, {kMax - 5, 5, kMax}, {kMax - 5, 6, kMax},
        {kMax, kMax, kMax}, {-kMax, -kMax, -kMax}, {-kMax, -1, -kMax}, {kMax, -kMax, 0},
        {INT64_MIN, 0, -kMax}, {1, -1, 0}};
    // clang-format on
    for (const auto& [a, b, nSuma] : casos) {
        CGlobalCurrency cu = Importe(a);
        cu += Importe(b);
        EXPECT_EQ(cu.Valor(), nSuma) << a << " + " << b;
    }
}

}  // namespace
