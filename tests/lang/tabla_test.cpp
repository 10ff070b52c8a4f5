// The label texts each language shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "lang/idiomas.h"

namespace {

using Entradas = std::map<std::pair<int, int>, std::string>;

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

TEST(Idiomas, SpanishEntriesPerGroupAndTheirTexts) {
    std::map<int, int> porGrupo;
    for (const auto& [clave, s] : Mostrado(1)) {
        ++porGrupo[clave.first];
    }
    EXPECT_EQ(porGrupo, (std::map<int, int>{{0, 16}, {1, 11}, {2, 10}, {7, 6}, {9, 10}, {11, 2}}));
    // Spot checks through the shorthands, at both ends of every group.
    // clang-format off
    const std::tuple<std::string (*)(int), int, const char*> textos[] = {
        {TextoIdioma0, 0, "Epa\xF1ol"}, {TextoIdioma0, 15, "Fin"}, {TextoIdioma1, 10, "Relleno"},
        {TextoIdioma1, 1, "Representaci\xF3n Positivos"}, {TextoIdioma2, 0, ""},
        {TextoIdioma1, 3, "Representaci\xF3n negativos"}, {TextoIdioma2, 1, "Fondo"},
        {TextoIdioma2, 4, "Idioma"}, {TextoIdioma2, 10, "Imprimir"}, {TextoIdioma3, 0, ""},
        {TextoIdioma4, 0, ""}, {TextoIdioma7, 0, "Color"}, {TextoIdioma7, 5, "SelectColor"},
        {TextoIdioma9, 0, "numero"}, {TextoIdioma9, 2, "importe"}, {TextoIdioma9, 9, "domicilio"},
        {TextoIdioma11, 0, "Aceptar"}, {TextoIdioma11, 1, "Cancelar"}};
    // clang-format on
    for (const auto& [Texto, nIndice, sTexto] : textos) {
        EXPECT_EQ(Texto(nIndice), sTexto) << nIndice;
    }
}

TEST(Idiomas, EnglishIsSpanishWithItsFewDifferences) {
    Entradas esperado = Mostrado(1);
    esperado[{1, 6}] = "separador miles";
    esperado[{9, 2}] = "importe euros";
    esperado.erase({1, 10});
    esperado.erase({11, 0});
    esperado.erase({11, 1});
    EXPECT_EQ(Mostrado(2), esperado);
}

TEST(Idiomas, LanguagesThreeToNineShowTheSpanishTextsWhereTheyHaveNone) {
    const Entradas e1 = Mostrado(1);
    for (int n = 3; n <= 9; ++n) {
        EXPECT_EQ(Mostrado(n), e1) << "language " << n;
    }
}

TEST(Idiomas, NumbersOutsideOneToNineGiveError) {
    for (int n : {0, 10, -1, 100}) {
        g_nIdioma = n;
        EXPECT_EQ(TextoIdioma(0, 0), "ERROR");
        EXPECT_EQ(TextoIdioma(12, 19), "ERROR");
        EXPECT_EQ(TextoIdioma9(3), "ERROR");
    }
}

TEST(Idiomas, OutOfRangeGroupOrIndexIsEmpty) {
    g_nIdioma = 1;
    for (const auto& [g, i] : {std::pair{13, 0}, {-1, 0}, {0, 20}, {0, -1}}) {
        EXPECT_EQ(TextoIdioma(g, i), "") << g << " " << i;
    }
}

}  // namespace
