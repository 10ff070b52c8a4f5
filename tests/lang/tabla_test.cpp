// The label texts each language shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "lang/idiomas.h"

namespace {

using Entradas = std::map<std::pair<int, int>, std::string>;

// Every non-empty entry of the Spanish block.
Entradas EspanolEsperado() {
    Entradas e;
    const char* grupo0[] = {"Epa\xF1ol", "Recibo",    "Importe",       "Pagador",
                            "Cobrador",  "Fecha",     "Localidad",     "Domicilio",
                            "Moneda",    "Idioma",    "Numero",        "Moneda",
                            "Simbolo",   "Decimales", "Nombre Moneda", "Fin"};
    const char* grupo1[] = {"Separador Decimales",
                            "Representaci\xF3n Positivos",
                            "Numero Decimales",
                            "Representaci\xF3n negativos",
                            "Nombre Moneda",
                            "Simbolo monetario",
                            "Separador miles",
                            "Muestra",
                            "Signo Personalizado",
                            "Signos Standard",
                            "Relleno"};
    const char* grupo2[] = {"Fondo",    "Color",       "Logotipo",         "Idioma",
                            "Moneda",   "Set Default", "Editar Conceptos", "Aceptar",
                            "Cancelar", "Imprimir"};
    const char* grupo7[] = {"Color", "Fondo", "Texto", "Ok", "Cancel", "SelectColor"};
    const char* grupo9[] = {"numero",   "localidad", "importe", "fecha",    "vencimiento",
                            "importes", "conceptos", "pagador", "cobrador", "domicilio"};
    for (int i = 0; i < 16; ++i)
        e[{0, i}] = grupo0[i];
    for (int i = 0; i < 11; ++i)
        e[{1, i}] = grupo1[i];
    for (int i = 0; i < 10; ++i)
        e[{2, i + 1}] = grupo2[i];
    for (int i = 0; i < 6; ++i)
        e[{7, i}] = grupo7[i];
    for (int i = 0; i < 10; ++i)
        e[{9, i}] = grupo9[i];
    e[{11, 0}] = "Aceptar";
    e[{11, 1}] = "Cancelar";
    return e;
}

Entradas InglesEsperado() {
    Entradas e = EspanolEsperado();
    e[{1, 6}] = "separador miles";
    e.erase({1, 10});
    e[{9, 2}] = "importe euros";
    e.erase({11, 0});
    e.erase({11, 1});
    return e;
}

// What language n shows in every group and index.
Entradas Mostrado(int nIdioma) {
    g_nIdioma = nIdioma;
    Entradas e;
    for (int g = 0; g < 13; ++g) {
        for (int i = 0; i < 20; ++i) {
            if (std::string s = TextoIdioma(g, i); !s.empty()) {
                e[{g, i}] = s;
            }
        }
    }
    return e;
}

// Taken before any test changes it.
const std::int32_t nIdiomaAlArrancar = g_nIdioma;

TEST(Idiomas, EnglishUntilTheLanguageIsRead) {
    EXPECT_EQ(nIdiomaAlArrancar, 2);
}

TEST(Idiomas, SpanishAndEnglishBlocksHoldExactlyTheirTexts) {
    EXPECT_EQ(Mostrado(1), EspanolEsperado());
    EXPECT_EQ(Mostrado(2), InglesEsperado());
}

TEST(Idiomas, EnglishDiffersFromSpanishInThreeEntriesOfTheScreensGroups) {
    const Entradas e1 = Mostrado(1), e2 = Mostrado(2);
    int nDiferencias = 0;
    for (int g : {1, 2, 7, 9}) {
        for (int i = 0; i < 20; ++i) {
            const auto a = e1.find({g, i}), b = e2.find({g, i});
            const std::string s1 = a == e1.end() ? "" : a->second;
            const std::string s2 = b == e2.end() ? "" : b->second;
            nDiferencias += s1 != s2;
        }
    }
    EXPECT_EQ(nDiferencias, 3);
}

TEST(Idiomas, LanguagesThreeToNineShowTheSpanishTextsWhereTheyHaveNone) {
    const Entradas e1 = Mostrado(1);
    for (int n = 3; n <= 9; ++n) {
        EXPECT_EQ(Mostrado(n), e1) << "language " << n;
    }
    g_nIdioma = 3;
    EXPECT_EQ(TextoIdioma2(1), "Fondo");
    EXPECT_EQ(TextoIdioma1(10), "Relleno");
    EXPECT_EQ(TextoIdioma9(2), "importe");
}

TEST(Idiomas, NumbersOutsideOneToNineGiveError) {
    for (int n : {0, 10, -1, 100}) {
        g_nIdioma = n;
        EXPECT_EQ(TextoIdioma(0, 0), "ERROR");
        EXPECT_EQ(TextoIdioma(12, 19), "ERROR");
        EXPECT_EQ(TextoIdioma9(3), "ERROR");
    }
}

TEST(Idiomas, ShorthandsReadTheirGroups) {
    g_nIdioma = 1;
    EXPECT_EQ(TextoIdioma0(15), "Fin");
    EXPECT_EQ(TextoIdioma1(3), "Representaci\xF3n negativos");
    EXPECT_EQ(TextoIdioma2(10), "Imprimir");
    EXPECT_EQ(TextoIdioma3(0), "");
    EXPECT_EQ(TextoIdioma4(0), "");
    EXPECT_EQ(TextoIdioma7(5), "SelectColor");
    EXPECT_EQ(TextoIdioma9(9), "domicilio");
    EXPECT_EQ(TextoIdioma11(1), "Cancelar");
    EXPECT_EQ(TextoIdioma(2, 0), "");
}

TEST(Idiomas, OutOfRangeGroupOrIndexIsEmpty) {
    g_nIdioma = 1;
    EXPECT_EQ(TextoIdioma(13, 0), "");
    EXPECT_EQ(TextoIdioma(-1, 0), "");
    EXPECT_EQ(TextoIdioma(0, 20), "");
    EXPECT_EQ(TextoIdioma(0, -1), "");
}

}  // namespace
