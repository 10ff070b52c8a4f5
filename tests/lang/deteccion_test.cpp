// The language number: read from the settings, or found from the user's locale and stored.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "lang/idioma_usuario.h"
#include "lang/idiomas.h"
#include "settings/ficherostxt.h"
#include "tests/settings/carpeta_temporal.h"

namespace {

constexpr const char* kVariables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

// The four locale variables for one test; restored afterwards.
class Locale {
  public:
    Locale(std::optional<std::string> sLanguage, std::optional<std::string> sLcAll,
           std::optional<std::string> sLcMessages, std::optional<std::string> sLang) {
        const std::optional<std::string> valores[] = {sLanguage, sLcAll, sLcMessages, sLang};
        for (int i = 0; i < 4; ++i) {
            const char* v = std::getenv(kVariables[i]);
            m_previos.push_back(v ? std::optional<std::string>(v) : std::nullopt);
            Poner(kVariables[i], valores[i]);
        }
    }
    ~Locale() {
        for (int i = 0; i < 4; ++i) {
            Poner(kVariables[i], m_previos[i]);
        }
    }

  private:
    static void Poner(const char* sNombre, const std::optional<std::string>& sValor) {
        if (sValor) {
            setenv(sNombre, sValor->c_str(), 1);
        } else {
            unsetenv(sNombre);
        }
    }
    std::vector<std::optional<std::string>> m_previos;
};

struct CasoDeteccion {
    const char* sNombre;
    std::optional<std::string> sLanguage, sLcAll, sLcMessages, sLang;
    int nIdioma;
};

class Deteccion : public ::testing::TestWithParam<CasoDeteccion> {};

TEST_P(Deteccion, StoresTheNumberOfTheUsersLanguage) {
    CarpetaTemporal carpeta;
    const auto& c = GetParam();
    Locale locale(c.sLanguage, c.sLcAll, c.sLcMessages, c.sLang);
    g_nIdioma = 0;
    DetectarIdioma();
    EXPECT_EQ(g_nIdioma, c.nIdioma);
    EXPECT_EQ(LeerValor("Aplicacion Recibos", "Idioma", ""), std::to_string(c.nIdioma));
}

const auto no = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Lang, Deteccion,
    ::testing::Values(CasoDeteccion{"French", no, no, no, "fr_FR.UTF-8", 3},
                      CasoDeteccion{"Spanish", no, no, no, "es_ES.UTF-8", 1},
                      CasoDeteccion{"English", no, no, no, "en_GB.UTF-8", 2},
                      CasoDeteccion{"German", no, no, no, "de_AT", 4},
                      CasoDeteccion{"Dutch", no, no, no, "nl_BE.UTF-8", 4},
                      CasoDeteccion{"Italian", no, no, no, "it_IT", 5},
                      CasoDeteccion{"Basque", no, no, no, "eu_ES.UTF-8", 6},
                      CasoDeteccion{"CatalanVariant", no, no, no, "ca_ES.UTF-8@valencia", 7},
                      CasoDeteccion{"Galician", no, no, no, "gl_ES.UTF-8", 1},
                      CasoDeteccion{"Portuguese", no, no, no, "pt_BR.UTF-8", 9},
                      CasoDeteccion{"Japanese", no, no, no, "ja_JP.UTF-8", 1},
                      CasoDeteccion{"UnknownCode", no, no, no, "xx_YY", 1},
                      CasoDeteccion{"UpperCase", no, no, no, "FR_fr", 3},
                      CasoDeteccion{"BareCode", no, no, no, "pt", 9},
                      CasoDeteccion{"C", no, no, no, "C", 2},
                      CasoDeteccion{"CUtf8", no, no, no, "C.UTF-8", 2},
                      CasoDeteccion{"Posix", no, no, no, "POSIX", 2},
                      CasoDeteccion{"NothingSet", no, no, no, no, 2},
                      CasoDeteccion{"AllEmpty", "", "", "", "", 2},
                      CasoDeteccion{"LanguageListFirstEntry", "de_DE:fr_FR", no, no, "es_ES", 4},
                      CasoDeteccion{"LanguageBeatsLcAll", "it", "fr_FR", no, "es_ES", 5},
                      CasoDeteccion{"LcAllBeatsLcMessages", no, "fr_FR", "de_DE", "es_ES", 3},
                      CasoDeteccion{"LcMessagesBeatsLang", "", "", "eu_ES", "es_ES", 6},
                      CasoDeteccion{"EmptyLanguageSkipped", "", no, no, "ca_ES", 7}),
    [](const auto& info) { return std::string(info.param.sNombre); });

struct CasoPrimario {
    int nPrimario;
    int nIdioma;
};

class Primario : public ::testing::TestWithParam<CasoPrimario> {};

TEST_P(Primario, MapsToTheLanguageNumber) {
    EXPECT_EQ(NumeroDeIdioma(GetParam().nPrimario), GetParam().nIdioma);
}

INSTANTIATE_TEST_SUITE_P(Lang, Primario,
                         ::testing::Values(CasoPrimario{0x00, 2}, CasoPrimario{0x03, 7},
                                           CasoPrimario{0x07, 4}, CasoPrimario{0x09, 2},
                                           CasoPrimario{0x0A, 1}, CasoPrimario{0x0C, 3},
                                           CasoPrimario{0x10, 5}, CasoPrimario{0x13, 4},
                                           CasoPrimario{0x16, 9}, CasoPrimario{0x2D, 6},
                                           CasoPrimario{0x56, 1}, CasoPrimario{0x19, 1},
                                           CasoPrimario{kPrimarioDesconocido, 1}));

TEST(LocalePrimario, IsoCodesGiveTheWindowsValues) {
    EXPECT_EQ(IdiomaPrimarioDeLocale("gl_ES.UTF-8"), 0x56);
    EXPECT_EQ(IdiomaPrimarioDeLocale("es"), 0x0A);
    EXPECT_EQ(IdiomaPrimarioDeLocale("nb_NO"), 0x14);
    EXPECT_EQ(IdiomaPrimarioDeLocale("sr@latin"), 0x1A);
    EXPECT_EQ(IdiomaPrimarioDeLocale(""), 0x00);
    EXPECT_EQ(IdiomaPrimarioDeLocale("klingon"), kPrimarioDesconocido);
}

class LeerIdiomaTest : public ::testing::Test {
  protected:
    CarpetaTemporal carpeta;
    Locale locale{std::nullopt, std::nullopt, std::nullopt, std::string("fr_FR.UTF-8")};
};

TEST_F(LeerIdiomaTest, FirstStartOfAFrenchUserStoresThreeAndShowsCaptions) {
    EXPECT_FALSE(LeerIdioma());
    EXPECT_EQ(g_nIdioma, 3);
    EXPECT_EQ(LeerValorEntero("Aplicacion Recibos", "Idioma", 0), 3);
    EXPECT_EQ(TextoIdioma2(10), "Imprimir");
    EXPECT_TRUE(LeerIdioma());
    EXPECT_EQ(g_nIdioma, 3);
}

TEST_F(LeerIdiomaTest, StoredNumberIsUsedAsItIs) {
    EscribirValorEntero("Aplicacion Recibos", "Idioma", 10);
    EXPECT_TRUE(LeerIdioma());
    EXPECT_EQ(g_nIdioma, 10);
    EXPECT_EQ(TextoIdioma2(10), "ERROR");
    EXPECT_EQ(LeerValor("Aplicacion Recibos", "Idioma", ""), "10");
    EscribirValorEntero("Aplicacion Recibos", "Idioma", 8);
    EXPECT_TRUE(LeerIdioma());
    EXPECT_EQ(g_nIdioma, 8);
}

TEST_F(LeerIdiomaTest, ValueReadingAsZeroCountsAsUnset) {
    for (const char* sGuardado : {"0", "abc", ""}) {
        EscribirValor("Aplicacion Recibos", "Idioma", sGuardado);
        EXPECT_FALSE(LeerIdioma()) << sGuardado;
        EXPECT_EQ(g_nIdioma, 3);
        EXPECT_EQ(LeerValor("Aplicacion Recibos", "Idioma", ""), "3");
    }
}

}  // namespace
