#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "settings/ficherostxt.h"
#include "tests/settings/carpeta_temporal.h"

namespace {

struct CasoEntero {
    std::string sTexto;
    std::int32_t nEsperado;
};

class CadenaEntero : public ::testing::TestWithParam<CasoEntero> {};

TEST_P(CadenaEntero, Converts) {
    EXPECT_EQ(CadenaAEntero(GetParam().sTexto), GetParam().nEsperado) << GetParam().sTexto;
}

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Settings, CadenaEntero,
    ::testing::Values(CasoEntero{"", 0}, CasoEntero{"0", 0}, CasoEntero{"123", 123},
                      CasoEntero{"-45", -45}, CasoEntero{"--3", -3}, CasoEntero{"1-2", 12},
                      CasoEntero{"5-", 5}, CasoEntero{"+7", 7}, CasoEntero{" 42 ", 42},
                      CasoEntero{"1.234", 1234}, CasoEntero{"12,5", 12}, CasoEntero{",5", 0},
                      CasoEntero{"-,5", 0}, CasoEntero{"abc", 0}, CasoEntero{"x1y2z3", 123},
                      CasoEntero{"2147483647", 2147483647}, CasoEntero{"2147483648", kMin},
                      CasoEntero{"4294967296", 0}, CasoEntero{"4294967297", 1},
                      CasoEntero{"-2147483648", kMin}, CasoEntero{"-2147483649", 2147483647},
                      CasoEntero{"99999999999999999999", 1661992959},
                      CasoEntero{"1\xB9"
                                 "2\xB2",
                                 12},
                      CasoEntero{"\xAC"
                                 "1,\xFF"
                                 "9",
                                 1},
                      CasoEntero{"007", 7}, CasoEntero{"1.234,56", 1234}));

TEST(EnteroGuardado, ReadsWithTheRulesOfTheText) {
    CarpetaTemporal carpeta;
    EscribirValor("S", "letras", "abc");
    EscribirValor("S", "vacio", "");
    EXPECT_EQ(LeerValorEntero("S", "letras", 35), 0);
    EXPECT_EQ(LeerValorEntero("S", "nunca", 35), 35);
    EXPECT_EQ(LeerValorEntero("S", "nunca", -35), -35);
    EXPECT_EQ(LeerValorEntero("S", "vacio", 35), 0);
    EscribirValorEntero("S", "n", -1);
    EXPECT_EQ(LeerValor("S", "n", ""), "-1");
    EXPECT_EQ(LeerValorEntero("S", "n", 0), -1);
    EscribirValorEntero("S", "n", kMin);
    EXPECT_EQ(LeerValor("S", "n", ""), "-2147483648");
    EXPECT_EQ(LeerValorEntero("S", "n", 0), kMin);
}

}  // namespace
