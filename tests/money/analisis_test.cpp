// Text to amounts: digits split at the decimal separator, '-' or '(' for negative.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

struct CasoAnalisis {
    std::string sDecimal;
    std::string sTexto;
    std::int64_t nValor;
};

class Analisis : public ::testing::Test {
  protected:
    CarpetaTemporal m_carpeta;
};

std::int64_t Leer(const std::string& sDecimal, const std::string& sTexto) {
    CGlobalCurrency::SetSeparadorDecimal(sDecimal);
    CGlobalCurrency cu;
    cu.SetValor(777);  // every text sets the whole value
    EXPECT_TRUE(cu.AsignarTexto(sTexto));
    return cu.Valor();
}

TEST_F(Analisis, EjemplosYCasosLimite) {
    const CasoAnalisis casos[] = {
        {",", "1.234,56 \x80", 12345600},
        {",", "(12,5)", -125000},
        {",", "12-", -120000},
        {",", "abc,", 0},
        {",", "", 0},
        {",", "0,123449", 1235},
        {",", "0,123451", 1234},
        {".", "1,234.5", 12345000},
        {".", "1.234,5", 12345},
        {",", "0,12340049", 1234},  // past the sixth decimal nothing counts
        {",", "0,123490", 1234},    // the fifth decimal never rounds
        {",", "0,1234951", 1235},
        {",", "1,2,3", 12300},
        {",", "1,234.56", 12345},
        {",", "(12", -120000},
        {",", "12)", 120000},
        {"", "1.234,56", 1234560000},
        {",", "0,999905", 10000},
        {",", "1,999905", 20000},
        {", ", "3,5", 35000},
        {",", "-0,00", 0},
        {",",
         "\xA0"
         "1\xA0"
         "234,5\xA0\x80",
         12345000},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Leer(c.sDecimal, c.sTexto), c.nValor) << c.sTexto;
    }
}

TEST_F(Analisis, EnterosMasAllaDe32BitsYLimiteDe64) {
    const CasoAnalisis casos[] = {
        {",", "2147483647", 21474836470000},
        {",", "2147483648", 21474836480000},
        {",", "-4294967296", -42949672960000},
        {",", "0000000000000000000000000001", 10000},
        {",", "922337203685477,5807", kMax},
        {",", "922337203685477,5806", kMax - 1},
        {",", "922337203685477,5808", kMax},
        {",", "922337203685477,99995", kMax},
        {",", "922337203685478", kMax},
        {",", "99999999999999999999999999999999", kMax},
        {",", "-99999999999999999999999999999999,99", -kMax},
        {",", "(922.337.203.685.477,58)", -kMax + 7},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(Leer(c.sDecimal, c.sTexto), c.nValor) << c.sTexto;
    }
}

TEST_F(Analisis, LaSumaDeSeisImportesLeidosNoCambiaDeSigno) {
    CGlobalCurrency::SetSeparadorDecimal(",");
    CGlobalCurrency cuTotal;
    for (int i = 0; i < 6; ++i) {
        CGlobalCurrency cu;
        cu.AsignarTexto("900000000000000");
        cuTotal += cu;
    }
    EXPECT_EQ(cuTotal.Valor(), kMax);
}

}  // namespace
