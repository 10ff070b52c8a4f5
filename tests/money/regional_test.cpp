// The user's LC_MONETARY values turned into the nine currency settings.
#include "money/regional.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "tests/money/entorno_locale.h"
#include "tests/money/formato_moneda.h"

namespace {

// A UTF-8 locale in the manner of en_US.
DatosLocaleMonetario Base() {
    return {"UTF-8", "$", "USD ", ".", ",", "\3\3", 2, 1, 0, 1, 0, 1};
}

constexpr char M = CHAR_MAX;

TEST(Regional, ModoNegativoDesdeLaPosicionDelSimboloYDelSigno) {
    // n_cs_precedes, n_sep_by_space, n_sign_posn and the mode.
    // clang-format off
    const std::tuple<char, char, char, std::int32_t> casos[] = {
        // Every Windows pattern from the POSIX values that write it exactly.
        {1, 0, 0, 0}, {1, 0, 1, 1}, {1, 0, 4, 2}, {1, 0, 2, 3}, {0, 0, 0, 4}, {0, 0, 1, 5},
        {0, 0, 3, 6}, {0, 0, 2, 7}, {0, 1, 1, 8}, {1, 1, 1, 9}, {0, 1, 2, 10}, {1, 1, 2, 11},
        {1, 2, 4, 12}, {0, 2, 3, 13}, {1, 1, 0, 14}, {0, 1, 0, 15},
        // No exact pattern: the nearest, and values out of range.
        {1, 1, 4, 2}, {0, 1, 3, 6}, {1, 2, 1, 1}, {0, 2, 0, 4}, {1, 1, 3, 9}, {0, 2, 4, 7},
        {M, M, M, 1}};
    // clang-format on
    for (const auto& [nDelante, nEspacio, nPosicion, nModo] : casos) {
        DatosLocaleMonetario d = Base();
        d.nSimboloDelanteNegativo = nDelante;
        d.nEspacioNegativo = nEspacio;
        d.nPosicionSignoNegativo = nPosicion;
        EXPECT_EQ(AjustesRegionales(d, "").nModoNegativo, nModo)
            << int(nDelante) << " " << int(nEspacio) << " " << int(nPosicion);
    }
}

TEST(Regional, ModoPositivoRellenoAgrupacionYDecimales) {
    for (const auto& [nDelante, nEspacio, nModo, nRelleno] :
         {std::tuple<char, char, int, int>{1, 0, 0, ' '},
          {0, 0, 1, '#'},
          {1, 1, 2, ' '},
          {0, 1, 3, '#'},
          {0, 2, 1, '#'},
          {M, M, 0, ' '}}) {
        DatosLocaleMonetario d = Base();
        d.nSimboloDelantePositivo = nDelante;
        d.nEspacioPositivo = nEspacio;
        const AjustesMoneda a = AjustesRegionales(d, "");
        EXPECT_EQ(std::pair(a.nModoPositivo, a.nRelleno), std::pair(nModo, nRelleno))
            << int(nDelante) << " " << int(nEspacio);
    }
    for (const auto& [sAgrupacion, sTexto, nTamano] :
         {std::tuple<std::string, const char*, int>{"", "0", 0},
          {"\3", "3;0", 30},
          {"\3\3", "3;0", 30},
          {"\3\2", "3;2;0", 320},
          {std::string("\3") + M, "3", 3},
          {std::string(1, M), "0", 0}}) {
        EXPECT_EQ(TextoAgrupacion(sAgrupacion), sTexto);
        DatosLocaleMonetario d = Base();
        d.sAgrupacion = sAgrupacion;
        EXPECT_EQ(AjustesRegionales(d, "").nTamanoGrupo, nTamano) << sTexto;
    }
    DatosLocaleMonetario d = Base();
    for (const auto& [nLocale, nDecimales] : {std::pair<char, int>{2, 2}, {0, 0}, {3, 3}, {M, 0}}) {
        d.nDecimales = nLocale;
        EXPECT_EQ(AjustesRegionales(d, "").nDecimales, nDecimales) << int(nLocale);
    }
    EXPECT_EQ(AjustesRegionales(d, "d\xF3lar").sNombreMoneda, "d\xF3lar");
}

TEST(Regional, TextosEnWindows1252) {
    using Textos = std::tuple<std::string, std::string, std::string>;  // sign, decimal, group
    // Character set, international symbol, the locale's texts and their Windows-1252 forms.
    // clang-format off
    const std::tuple<const char*, const char*, Textos, Textos> casos[] = {
        {"UTF-8", "EUR ", {"\u20AC", ",", "\u202F"}, {"\x80", ",", "\xA0"}},
        {"UTF-8", "INR ", {"\u20B9", ".", ","}, {"INR", ".", ","}},
        {"UTF-8", "JPY ", {"\uFFE5", ".", ","}, {"JPY", ".", ","}},
        {"UTF-8", "EUR ", {"\xE2\x82", ",", "."}, {"EUR", ",", "."}},  // cut short
        {"UTF-8", "CHF ", {"CHF", ".", "\u2019"}, {"CHF", ".", "\x92"}},
        {"UTF-8", "GBP ", {"\u00A3", ".", "\u00A0"}, {"\xA3", ".", "\xA0"}},
        {"UTF-8", "KWD ", {"\u062F.\u0643", "\u066B", "\u066C"}, {"KWD", ".", ","}},
        {"ISO-8859-15", "EUR ", {"\xA4", ",", "."}, {"\x80", ",", "."}},
        {"ISO-8859-1", "GBP ", {"\xA3", ".", ","}, {"\xA3", ".", ","}},
        {"ANSI_X3.4-1968", "", {"", "", ""}, {"", ".", ""}},
        {"ANSI_X3.4-1968", "EUR ", {"\xA4", ",", "."}, {"EUR", ",", "."}}};
    // clang-format on
    for (const auto& [sCodificacion, sInternacional, locale, esperado] : casos) {
        DatosLocaleMonetario d = Base();
        d.sCodificacion = sCodificacion;
        d.sSimboloInternacional = sInternacional;
        std::tie(d.sSimbolo, d.sSeparadorDecimal, d.sSeparadorMiles) = locale;
        const AjustesMoneda a = AjustesRegionales(d, "");
        EXPECT_EQ(Textos(a.sSimbolo, a.sSeparadorDecimal, a.sSeparadorMiles), esperado)
            << sCodificacion << " " << std::get<0>(locale);
    }
}

// What a user of each locale expects the program to start with.
struct CasoLocale {
    const char* sLocale;
    Nueve ajustes;
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
    const VariablesTemporales entorno{{"LC_ALL", c.sLocale}};
    const AjustesMoneda a = AjustesRegionales(LeerLocaleMonetario(), "");
    EXPECT_EQ(
        Nueve(a.sNombreMoneda, a.sSimbolo, a.nDecimales, a.sSeparadorDecimal, a.sSeparadorMiles,
              a.nTamanoGrupo, a.nModoPositivo, a.nModoNegativo, a.nRelleno),
        c.ajustes);
    AplicarAjustes(a);
    EXPECT_EQ(Importe(123456700).TextoRecibo(), c.sPositivo);
    EXPECT_EQ(Importe(-123456700).TextoRecibo(), c.sNegativo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Locales, LocalesReales, ::testing::Values(
    CasoLocale{"es_ES.UTF-8", {"", "\x80", 2, ",", ".", 30, 3, 8, '#'},
               "12.345,67 \x80", "-12.345,67 \x80"},
    CasoLocale{"en_US.UTF-8", {"", "$", 2, ".", ",", 30, 0, 1, ' '}, "$12,345.67", "-$12,345.67"},
    CasoLocale{"fr_FR.UTF-8", {"", "\x80", 2, ",", "\xA0", 30, 3, 8, '#'},
               "12\240345,67 \x80", "-12\240345,67 \x80"},
    CasoLocale{"de_CH.UTF-8", {"", "CHF", 2, ".", "\x92", 30, 2, 2, ' '},
               "CHF 12\222345.67", "CHF-12\222345.67"}),
    [](const auto& fila) { return std::string(fila.param.sLocale).substr(0, 5); });
// clang-format on

}  // namespace
