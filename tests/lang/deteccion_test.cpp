// The language number: read from the settings, or found from the user's locale and stored.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "lang/idioma_usuario.h"
#include "lang/idiomas.h"
#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"

namespace {

using V = VariablesTemporales::Valor;
const V no = std::nullopt;

TEST(Deteccion, StoresTheNumberOfTheUsersLanguage) {
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG and the number found.
    // clang-format off
    const std::tuple<V, V, V, V, int> casos[] = {
        {no, no, no, "fr_FR.UTF-8", 3}, {no, no, no, "es_ES.UTF-8", 1},
        {no, no, no, "en_GB.UTF-8", 2}, {no, no, no, "de_AT", 4}, {no, no, no, "nl_BE.UTF-8", 4},
        {no, no, no, "it_IT", 5}, {no, no, no, "eu_ES.UTF-8", 6},
        {no, no, no, "ca_ES.UTF-8@valencia", 7}, {no, no, no, "gl_ES.UTF-8", 1},
        {no, no, no, "pt_BR.UTF-8", 9}, {no, no, no, "ja_JP.UTF-8", 1}, {no, no, no, "xx_YY", 1},
        {no, no, no, "FR_fr", 3}, {no, no, no, "pt", 9}, {no, no, no, "C", 2},
        {no, no, no, "C.UTF-8", 2}, {no, no, no, "POSIX", 2}, {no, no, no, no, 2},
        {"", "", "", "", 2}, {"de_DE:fr_FR", no, no, "es_ES", 4}, {"it", "fr_FR", no, "es_ES", 5},
        {no, "fr_FR", "de_DE", "es_ES", 3}, {"", "", "eu_ES", "es_ES", 6}, {"", no, no, "ca_ES", 7}};
    // clang-format on
    for (const auto& [sLanguage, sLcAll, sLcMessages, sLang, nIdioma] : casos) {
        CarpetaTemporal carpeta;
        const VariablesTemporales entorno{{"LANGUAGE", sLanguage},
                                          {"LC_ALL", sLcAll},
                                          {"LC_MESSAGES", sLcMessages},
                                          {"LANG", sLang}};
        g_nIdioma = 0;
        DetectarIdioma();
        EXPECT_EQ(g_nIdioma, nIdioma) << sLanguage.value_or("-") << " " << sLang.value_or("-");
        EXPECT_EQ(ajustes::kIdioma.ComoTexto().Leer(""), std::to_string(nIdioma));
    }
}

TEST(Deteccion, PrimaryLanguageValuesAndTheirNumbers) {
    const std::pair<int, int> numeros[] = {
        {0x00, 2},
        {0x03, 7},
        {0x07, 4},
        {0x09, 2},
        {0x0A, 1},
        {0x0C, 3},
        {0x10, 5},
        {0x13, 4},
        {0x16, 9},
        {0x2D, 6},
        {0x56, 1},
        {0x19, 1},
        {kPrimarioDesconocido, 1},
    };
    for (const auto& [nPrimario, nIdioma] : numeros) {
        EXPECT_EQ(NumeroDeIdioma(nPrimario), nIdioma) << nPrimario;
    }
    const std::pair<const char*, int> codigos[] = {
        {"gl_ES.UTF-8", 0x56}, {"es", 0x0A}, {"nb_NO", 0x14},
        {"sr@latin", 0x1A},    {"", 0x00},   {"klingon", kPrimarioDesconocido},
    };
    for (const auto& [sLocale, nPrimario] : codigos) {
        EXPECT_EQ(IdiomaPrimarioDeLocale(sLocale), nPrimario) << sLocale;
    }
}

class LeerIdiomaTest : public ::testing::Test {
  protected:
    CarpetaTemporal carpeta;
    VariablesTemporales entorno{
        {"LANGUAGE", no}, {"LC_ALL", no}, {"LC_MESSAGES", no}, {"LANG", "fr_FR.UTF-8"}};
};

TEST_F(LeerIdiomaTest, FirstStartOfAFrenchUserStoresThreeAndShowsCaptions) {
    EXPECT_FALSE(LeerIdioma());
    EXPECT_EQ(g_nIdioma, 3);
    EXPECT_EQ(TextoIdioma2(10), "Imprimir");
    EXPECT_TRUE(LeerIdioma());
    EXPECT_EQ(g_nIdioma, 3);
}

TEST_F(LeerIdiomaTest, StoredNumberIsUsedAsItIs) {
    for (const int n : {10, 8}) {
        ajustes::kIdioma.Escribir(n);
        EXPECT_TRUE(LeerIdioma());
        EXPECT_EQ(g_nIdioma, n);
        EXPECT_EQ(ajustes::kIdioma.ComoTexto().Leer(""), std::to_string(n));
        EXPECT_EQ(TextoIdioma2(10), n == 10 ? "ERROR" : "Imprimir");
    }
}

TEST_F(LeerIdiomaTest, ValueReadingAsZeroCountsAsUnset) {
    for (const char* sGuardado : {"0", "abc", ""}) {
        ajustes::kIdioma.ComoTexto().Escribir(sGuardado);
        EXPECT_FALSE(LeerIdioma()) << sGuardado;
        EXPECT_EQ(g_nIdioma, 3);
        EXPECT_EQ(ajustes::kIdioma.ComoTexto().Leer(""), "3");
    }
}

}  // namespace
