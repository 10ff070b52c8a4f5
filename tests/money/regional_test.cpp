// The user's LC_MONETARY values turned into the nine currency settings.
#include "money/regional.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/money/entorno_locale.h"
#include "tests/money/formato_moneda.h"

namespace {

// A UTF-8 locale in the manner of en_US.
DatosLocaleMonetario Base() {
    return {"UTF-8", "$", "USD ", ".", ",", "\3\3", 2, 1, 0, 1, 0, 1};
}

TEST(Regional, ModoNegativoDesdeLaPosicionDelSimboloYDelSigno) {
    struct Caso {
        char nDelante, nEspacio, nPosicion;
        std::int32_t nModo;
    };
    const Caso casos[] = {
        // Every Windows pattern from the POSIX values that write it exactly.
        {1, 0, 0, 0},
        {1, 0, 1, 1},
        {1, 0, 4, 2},
        {1, 0, 2, 3},
        {0, 0, 0, 4},
        {0, 0, 1, 5},
        {0, 0, 3, 6},
        {0, 0, 2, 7},
        {0, 1, 1, 8},
        {1, 1, 1, 9},
        {0, 1, 2, 10},
        {1, 1, 2, 11},
        {1, 2, 4, 12},
        {0, 2, 3, 13},
        {1, 1, 0, 14},
        {0, 1, 0, 15},
        // No exact pattern: the nearest, and values out of range.
        {1, 1, 4, 2},
        {0, 1, 3, 6},
        {1, 2, 1, 1},
        {0, 2, 0, 4},
        {1, 1, 3, 9},
        {0, 2, 4, 7},
        {CHAR_MAX, CHAR_MAX, CHAR_MAX, 1},
    };
    for (const auto& c : casos) {
        DatosLocaleMonetario d = Base();
        d.nSimboloDelanteNegativo = c.nDelante;
        d.nEspacioNegativo = c.nEspacio;
        d.nPosicionSignoNegativo = c.nPosicion;
        EXPECT_EQ(AjustesRegionales(d, "").nModoNegativo, c.nModo)
            << int(c.nDelante) << " " << int(c.nEspacio) << " " << int(c.nPosicion);
    }
}

TEST(Regional, ModoPositivoYRelleno) {
    struct Caso {
        char nDelante, nEspacio;
        std::int32_t nModo, nRelleno;
    };
    const Caso casos[] = {{1, 0, 0, ' '}, {0, 0, 1, '#'}, {1, 1, 2, ' '},
                          {0, 1, 3, '#'}, {0, 2, 1, '#'}, {CHAR_MAX, CHAR_MAX, 0, ' '}};
    for (const auto& c : casos) {
        DatosLocaleMonetario d = Base();
        d.nSimboloDelantePositivo = c.nDelante;
        d.nEspacioPositivo = c.nEspacio;
        const AjustesMoneda a = AjustesRegionales(d, "");
        EXPECT_EQ(a.nModoPositivo, c.nModo) << int(c.nDelante) << " " << int(c.nEspacio);
        EXPECT_EQ(a.nRelleno, c.nRelleno) << int(c.nDelante) << " " << int(c.nEspacio);
    }
}

TEST(Regional, AgrupacionComoTextoDeWindows) {
    struct Caso {
        std::string sAgrupacion;
        const char* sTexto;
        std::int32_t nTamano;
    };
    const Caso casos[] = {{"", "0", 0},
                          {"\3", "3;0", 30},
                          {"\3\3", "3;0", 30},
                          {"\3\2", "3;2;0", 320},
                          {std::string("\3") + char(CHAR_MAX), "3", 3},
                          {std::string(1, char(CHAR_MAX)), "0", 0}};
    for (const auto& c : casos) {
        EXPECT_EQ(TextoAgrupacion(c.sAgrupacion), c.sTexto);
        DatosLocaleMonetario d = Base();
        d.sAgrupacion = c.sAgrupacion;
        EXPECT_EQ(AjustesRegionales(d, "").nTamanoGrupo, c.nTamano) << c.sTexto;
    }
}

TEST(Regional, TextosEnWindows1252) {
    struct Caso {
        const char* sCodificacion;
        const char* sSimbolo;
        const char* sInternacional;
        const char* sDecimal;
        const char* sMiles;
        const char* sSimbolo1252;
        const char* sDecimal1252;
        const char* sMiles1252;
    };
    const Caso casos[] = {
        {"UTF-8", "\u20AC", "EUR ", ",", "\u202F", "\x80", ",", "\xA0"},
        {"UTF-8", "\u20B9", "INR ", ".", ",", "INR", ".", ","},
        {"UTF-8", "\uFFE5", "JPY ", ".", ",", "JPY", ".", ","},
        {"UTF-8", "\xE2\x82", "EUR ", ",", ".", "EUR", ",", "."},  // cut short
        {"UTF-8", "CHF", "CHF ", ".", "\u2019", "CHF", ".", "\x92"},
        {"UTF-8", "\u00A3", "GBP ", ".", "\u00A0", "\xA3", ".", "\xA0"},
        {"UTF-8", "\u062F.\u0643", "KWD ", "\u066B", "\u066C", "KWD", ".", ","},
        {"ISO-8859-15", "\xA4", "EUR ", ",", ".", "\x80", ",", "."},
        {"ISO-8859-1", "\xA3", "GBP ", ".", ",", "\xA3", ".", ","},
        {"ANSI_X3.4-1968", "", "", "", "", "", ".", ""},
        {"ANSI_X3.4-1968", "\xA4", "EUR ", ",", ".", "EUR", ",", "."},
    };
    for (const auto& c : casos) {
        const DatosLocaleMonetario d = {c.sCodificacion,
                                        c.sSimbolo,
                                        c.sInternacional,
                                        c.sDecimal,
                                        c.sMiles,
                                        "\3\3",
                                        2,
                                        1,
                                        0,
                                        1,
                                        0,
                                        1};
        const AjustesMoneda a = AjustesRegionales(d, "");
        EXPECT_EQ(a.sSimbolo, c.sSimbolo1252) << c.sCodificacion << " " << c.sSimbolo;
        EXPECT_EQ(a.sSeparadorDecimal, c.sDecimal1252) << c.sCodificacion << " " << c.sSimbolo;
        EXPECT_EQ(a.sSeparadorMiles, c.sMiles1252) << c.sCodificacion << " " << c.sSimbolo;
    }
}

TEST(Regional, DecimalesYNombre) {
    DatosLocaleMonetario d = Base();
    for (const auto& [nLocale, nDecimales] :
         {std::pair<char, int>{2, 2}, {0, 0}, {3, 3}, {CHAR_MAX, 0}}) {
        d.nDecimales = nLocale;
        EXPECT_EQ(AjustesRegionales(d, "").nDecimales, nDecimales) << int(nLocale);
    }
    EXPECT_EQ(AjustesRegionales(d, "d\xF3lar").sNombreMoneda, "d\xF3lar");
}

// What a user of each locale expects the program to start with.
struct CasoLocale {
    const char* sLocale;
    const char* sSimbolo;
    const char* sDecimal;
    const char* sMiles;
    std::int32_t nPositivo, nNegativo, nRelleno;
    const char* sPositivo;
    const char* sNegativo;
};

void PrintTo(const CasoLocale& c, std::ostream* os) {
    *os << c.sLocale;
}

class LocalesReales : public ::testing::TestWithParam<CasoLocale> {};

TEST_P(LocalesReales, ValoresQueEsperaSuUsuario) {
    const CasoLocale& c = GetParam();
    if (!LocaleInstalado(c.sLocale)) {
        GTEST_SKIP() << c.sLocale << " is not installed";
    }
    CarpetaTemporal carpeta;
    EntornoLocale entorno(c.sLocale);
    const AjustesMoneda a = AjustesRegionales(LeerLocaleMonetario(), "");
    EXPECT_EQ(a.sSimbolo, c.sSimbolo);
    EXPECT_EQ(a.sSeparadorDecimal, c.sDecimal);
    EXPECT_EQ(a.sSeparadorMiles, c.sMiles);
    EXPECT_EQ(a.nDecimales, 2);
    EXPECT_EQ(a.nTamanoGrupo, 30);
    EXPECT_EQ(a.nModoPositivo, c.nPositivo);
    EXPECT_EQ(a.nModoNegativo, c.nNegativo);
    EXPECT_EQ(a.nRelleno, c.nRelleno);
    Aplicar({a.sSeparadorDecimal, a.sSeparadorMiles, a.nDecimales, a.nModoPositivo, a.nModoNegativo,
             a.sSimbolo});
    EXPECT_EQ(Importe(123456700).TextoRecibo(), c.sPositivo);
    EXPECT_EQ(Importe(-123456700).TextoRecibo(), c.sNegativo);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocalesReales,
                         ::testing::Values(CasoLocale{"es_ES.UTF-8", "\x80", ",", ".", 3, 8, '#',
                                                      "12.345,67 \x80", "-12.345,67 \x80"},
                                           CasoLocale{"en_US.UTF-8", "$", ".", ",", 0, 1, ' ',
                                                      "$12,345.67", "-$12,345.67"},
                                           CasoLocale{"fr_FR.UTF-8", "\x80", ",", "\xA0", 3, 8, '#',
                                                      "12\xA0"
                                                      "345,67 \x80",
                                                      "-12\xA0"
                                                      "345,67 \x80"},
                                           CasoLocale{"de_CH.UTF-8", "CHF", ".", "\x92", 2, 2, ' ',
                                                      "CHF 12\x92"
                                                      "345.67",
                                                      "CHF-12\x92"
                                                      "345.67"}),
                         [](const ::testing::TestParamInfo<CasoLocale>& info) {
                             return std::string(info.param.sLocale).substr(0, 5);
                         });

}  // namespace
