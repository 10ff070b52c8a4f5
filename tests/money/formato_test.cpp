// Amounts to text: form text, receipt pattern and receipt text under the settings.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/money/formato_moneda.h"

namespace {

constexpr std::int64_t kMax = INT64_MAX;

class Formato : public ::testing::Test {
  protected:
    CarpetaTemporal m_carpeta;
};

struct CasoFormato {
    FormatoMoneda f;
    std::int64_t nValor;
    std::string sFormulario;
    std::string sPatron;
    std::string sRecibo;
};

void Comprobar(const CasoFormato& c) {
    Aplicar(c.f);
    const CGlobalCurrency cu = Importe(c.nValor);
    EXPECT_EQ(cu.TextoFormulario(), c.sFormulario) << c.nValor;
    EXPECT_EQ(cu.PatronRecibo(), c.sPatron) << c.nValor;
    EXPECT_EQ(cu.TextoRecibo(), c.sRecibo) << c.nValor;
}

TEST_F(Formato, EjemplosYRedondeo) {
    const FormatoMoneda es{",", ".", 2, 3, 8, "\x80"};
    const FormatoMoneda us{".", ",", 2, 0, 0, "$"};
    const FormatoMoneda usSinDecimales{".", ",", 0, 0, 1, "$"};
    const CasoFormato casos[] = {
        {es, 123456789, "12.345,68", "12.345,68 |", "12.345,68 \x80"},
        {{".", ",", 2, 0, 8, "$"}, -123456700, "-12,345.67", "-12,345.67 |", "-12,345.67 $"},
        {usSinDecimales, 95000, "10", "|10", "$10"},
        {usSinDecimales, -25000, "-3", "-|3", "-$3"},
        {us, 99950, "10.00", "|10.00", "$10.00"},
        {us, 0, "0.00", "|0.00", "$0.00"},
        {usSinDecimales, 0, "0", "|0", "$0"},
        {us, 40, "0.00", "|0.00", "$0.00"},
        {us, 50, "0.01", "|0.01", "$0.01"},
        {us, 9950, "1.00", "|1.00", "$1.00"},
        {usSinDecimales, 4999, "0", "|0", "$0"},
        {usSinDecimales, 5000, "1", "|1", "$1"},
        {us, -40, "(0.00)", "(|0.00)", "($0.00)"},
        {usSinDecimales, -4999, "-0", "-|0", "-$0"},
        {us, 9999950, "1,000.00", "|1,000.00", "$1,000.00"},
        // Other counts of decimals show none and round up only from .995.
        {{".", ",", 3, 0, 0, "$"}, 19949, "1", "|1", "$1"},
        {{".", ",", 1, 0, 0, "$"}, 19950, "2", "|2", "$2"},
    };
    for (const auto& c : casos) {
        Comprobar(c);
    }
}

TEST_F(Formato, SeparadoresDeVariosCaracteresOVacios) {
    const std::int64_t n = 12345678900;  // 1234567.89
    const CasoFormato casos[] = {
        {{".", "<>"}, n, "1<>234<>567.89", "|1<>234<>567.89", "$1<>234<>567.89"},
        {{".", ""}, n, "1234567.89", "|1234567.89", "$1234567.89"},
        {{" dec ", ","}, n, "1,234,567 dec 89", "|1,234,567 dec 89", "$1,234,567 dec 89"},
        {{",", "\xA0"},
         n,
         "1\xA0"
         "234\xA0"
         "567,89",
         "|1\xA0"
         "234\xA0"
         "567,89",
         "$1\xA0"
         "234\xA0"
         "567,89"},
    };
    for (const auto& c : casos) {
        Comprobar(c);
    }
}

TEST_F(Formato, ModosFueraDeLaTablaComoElCero) {
    const CasoFormato casos[] = {
        {{".", ",", 2, 7, 0}, 11000, "1.10", "|1.10", "$1.10"},
        {{".", ",", 2, -1, 0}, 11000, "1.10", "|1.10", "$1.10"},
        {{".", ",", 2, 0, 20}, -11000, "(1.10)", "(|1.10)", "($1.10)"},
        {{".", ",", 2, 0, -3}, -11000, "(1.10)", "(|1.10)", "($1.10)"},
    };
    for (const auto& c : casos) {
        Comprobar(c);
    }
}

TEST_F(Formato, SignoEstandarSeQuitaYDejaElEspacio) {
    Comprobar({{".", ",", 2, 2, 0, "|A"}, 11000, "1.10", "| 1.10", " 1.10"});
    Comprobar({{".", ",", 2, 0, 8, "|B"}, -11000, "-1.10", "-1.10 |", "-1.10 "});
}

TEST_F(Formato, ImportesGrandesEn64Bits) {
    const FormatoMoneda us{".", ",", 2, 0, 1, "$"};
    const FormatoMoneda usSinDecimales{".", ",", 0, 0, 0, "$"};
    const CasoFormato casos[] = {
        {us, 30000000000000, "3,000,000,000.00", "|3,000,000,000.00", "$3,000,000,000.00"},
        {us, -21474836480000, "-2,147,483,648.00", "-|2,147,483,648.00", "-$2,147,483,648.00"},
        {us, kMax, "922,337,203,685,477.58", "|922,337,203,685,477.58", "$922,337,203,685,477.58"},
        {us, -kMax, "-922,337,203,685,477.58", "-|922,337,203,685,477.58",
         "-$922,337,203,685,477.58"},
        {us, INT64_MIN, "-922,337,203,685,477.58", "-|922,337,203,685,477.58",
         "-$922,337,203,685,477.58"},
        {usSinDecimales, kMax, "922,337,203,685,478", "|922,337,203,685,478",
         "$922,337,203,685,478"},
    };
    for (const auto& c : casos) {
        Comprobar(c);
    }
}

TEST_F(Formato, LosCuatroModosPositivos) {
    const std::pair<const char*, const char*> modos[] = {
        {"|1.10", "$1.10"}, {"1.10|", "1.10$"}, {"| 1.10", "$ 1.10"}, {"1.10 |", "1.10 $"}};
    for (int nModo = 0; nModo < 4; ++nModo) {
        SCOPED_TRACE(nModo);
        Comprobar(
            {{".", ",", 2, nModo, 0}, 11000, "1.10", modos[nModo].first, modos[nModo].second});
    }
}

TEST_F(Formato, LosDieciseisModosNegativos) {
    struct Modo {
        const char* sRecibo;
        const char* sFormulario;
    };
    const Modo modos[] = {
        {"($1.10)", "(1.10)"}, {"-$1.10", "-1.10"},  {"$-1.10", "-1.10"},    {"$1.10-", "1.10-"},
        {"(1.10$)", "(1.10)"}, {"-1.10$", "-1.10"},  {"1.10-$", "1.10-"},    {"1.10$-", "1.10-"},
        {"-1.10 $", "-1.10"},  {"-$ 1.10", "-1.10"}, {"1.10 $-", "1.10-"},   {"$ 1.10-", "1.10-"},
        {"$ -1.10", "-1.10"},  {"1.10- $", "1.10-"}, {"($ 1.10)", "(1.10)"}, {"(1.10 $)", "(1.10)"},
    };
    for (int nModo = 0; nModo < 16; ++nModo) {
        SCOPED_TRACE(nModo);
        Aplicar({".", ",", 2, 0, nModo, "$"});
        const CGlobalCurrency cu = Importe(-11000);
        EXPECT_EQ(cu.TextoRecibo(), modos[nModo].sRecibo);
        EXPECT_EQ(cu.TextoFormulario(), modos[nModo].sFormulario);
    }
}

TEST_F(Formato, AgruparDigitosDeTresEnTres) {
    Aplicar({".", ","});
    const std::pair<std::int64_t, const char*> casos[] = {
        {0, "0"},
        {999, "999"},
        {1000, "1,000"},
        {12345, "12,345"},
        {1234567890123, "1,234,567,890,123"},
        {kMax, "9,223,372,036,854,775,807"},
        {-1234, "1,234"},
    };
    for (const auto& [n, s] : casos) {
        EXPECT_EQ(CGlobalCurrency::AgruparDigitos(n), s) << n;
    }
}

TEST_F(Formato, EnterosYDecimalesPorSeparado) {
    Aplicar({".", ",", 2});
    EXPECT_EQ(Importe(99950).TextoEnteros(), "10");
    EXPECT_EQ(Importe(99950).TextoDecimales(), "00");
    EXPECT_EQ(Importe(-9949).TextoEnteros(), "0");
    EXPECT_EQ(Importe(-9949).TextoDecimales(), "99");
    EXPECT_EQ(Importe(10700).TextoDecimales(), "07");
    Aplicar({".", ",", 0});
    EXPECT_EQ(Importe(9949).TextoEnteros(), "1");
}

}  // namespace
