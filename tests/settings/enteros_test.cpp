#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "settings/ficherostxt.h"
#include "tests/support/carpeta_temporal.h"

namespace {

constexpr std::int32_t kMin = INT32_MIN;

TEST(Settings, CadenaAEnteroIsLenientAndWrapsIn32Bits) {
    // clang-format off
    const std::pair<std::string, std::int32_t> casos[] = {
        {"", 0}, {"0", 0}, {"123", 123}, {"-45", -45}, {"--3", -3}, {"1-2", 12}, {"5-", 5},
        {"+7", 7}, {" 42 ", 42}, {"1.234", 1234}, {"12,5", 12}, {",5", 0}, {"-,5", 0},
        {"abc", 0}, {"x1y2z3", 123}, {"007", 7}, {"1.234,56", 1234}, {"2147483647", 2147483647},
        {"2147483648", kMin}, {"4294967296", 0}, {"4294967297", 1}, {"-2147483648", kMin},
        {"-2147483649", 2147483647}, {"99999999999999999999", 1661992959},
        {"1\2712\262", 12}, {"\2541,\3779", 1}};
    // clang-format on
    for (const auto& [sTexto, nEsperado] : casos) {
        EXPECT_EQ(CadenaAEntero(sTexto), nEsperado) << sTexto;
    }
}

TEST(Settings, StoredIntegersReadWithTheRulesOfTheText) {
    CarpetaTemporal carpeta;
    EscribirValores("S", {{"letras", "abc"}, {"vacio", ""}});
    EXPECT_EQ(LeerValorEntero("S", "letras", 35), 0);
    EXPECT_EQ(LeerValorEntero("S", "vacio", 35), 0);
    EXPECT_EQ(LeerValorEntero("S", "nunca", 35), 35);
    EXPECT_EQ(LeerValorEntero("S", "nunca", -35), -35);
    for (const std::int32_t n : {-1, kMin}) {
        EscribirValorEntero("S", "n", n);
        EXPECT_EQ(LeerValor("S", "n", ""), std::to_string(n));
        EXPECT_EQ(LeerValorEntero("S", "n", 0), n);
    }
}

}  // namespace
