// The amount value: construction from units and ten-thousandths, zero test and totals.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

struct CasoSetImporte {
    std::int32_t nUnidades;
    std::int32_t nDiezMilesimas;
    std::int64_t nValor;
};

TEST(Importe, SetImporteJuntaUnidadesYDiezMilesimas) {
    const CasoSetImporte casos[] = {
        {12345, 6700, 123456700},
        {-12345, -6700, -123456700},
        {0, 10000, 10000},
        {INT32_MAX, 9999, std::int64_t{INT32_MAX} * 10000 + 9999},
        {INT32_MIN, 0, std::int64_t{INT32_MIN} * 10000},
    };
    for (const auto& c : casos) {
        CGlobalCurrency cu;
        cu.SetImporte(c.nUnidades, c.nDiezMilesimas);
        EXPECT_EQ(cu.Valor(), c.nValor) << c.nUnidades << " " << c.nDiezMilesimas;
    }
}

TEST(Importe, SoloElCeroEsCero) {
    EXPECT_TRUE(CGlobalCurrency().EsCero());
    EXPECT_FALSE(Importe(1).EsCero());
    EXPECT_FALSE(Importe(-1).EsCero());
}

struct CasoSuma {
    std::int64_t a;
    std::int64_t b;
    std::int64_t nSuma;
};

TEST(Importe, LaSumaNoDaLaVueltaAlOtroSigno) {
    const CasoSuma casos[] = {
        {123456700, -23456700, 100000000},
        {kMax - 5, 5, kMax},
        {kMax - 5, 6, kMax},
        {kMax, kMax, kMax},
        {-kMax, -kMax, -kMax},
        {-kMax, -1, -kMax},
        {kMax, -kMax, 0},
        {INT64_MIN, 0, -kMax},
    };
    for (const auto& c : casos) {
        CGlobalCurrency cu = Importe(c.a);
        cu += Importe(c.b);
        EXPECT_EQ(cu.Valor(), c.nSuma) << c.a << " + " << c.b;
    }
}

TEST(Importe, SeisImportesMaximosSumanElMaximo) {
    CGlobalCurrency cuTotal;
    for (int i = 0; i < 6; ++i) {
        cuTotal += Importe(kMax);
    }
    EXPECT_EQ(cuTotal.Valor(), kMax);
}

}  // namespace
