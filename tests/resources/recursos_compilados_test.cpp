// CargarBitmapYPaleta over the program's compiled-in resources and the real image decoder.
#include <gtest/gtest.h>

#include "output/bitmaputilitis.h"
#include "tests/support/scripted_services.h"

namespace {

struct Caso {
    int id;
    int ancho;
    int alto;
    int bits;
    std::size_t entradas;  // palette entries; 0 with a halftone palette
};

class RecursosCompilados : public ::testing::TestWithParam<Caso> {
  protected:
    ScriptedServices servicios;
};

TEST_P(RecursosCompilados, BitmapYPaletaComoLosGuardaElFichero) {
    const Caso& caso = GetParam();
    BitmapPtr bitmap;
    Palette paleta;
    ASSERT_TRUE(CargarBitmapYPaleta(caso.id, bitmap, paleta));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, caso.ancho);
    EXPECT_EQ(bitmap->height, caso.alto);
    EXPECT_EQ(bitmap->bitsPerPixel, caso.bits);
    EXPECT_EQ(bitmap->pixels.size(), static_cast<std::size_t>(caso.ancho * caso.alto));
    EXPECT_EQ(paleta.halftone, caso.entradas == 0);
    EXPECT_EQ(paleta.entries.size(), caso.entradas);
}

INSTANTIATE_TEST_SUITE_P(Recursos, RecursosCompilados,
                         ::testing::Values(Caso{147, 880, 351, 1, 2}, Caso{148, 22, 39, 4, 16},
                                           Caso{199, 22, 39, 4, 16}, Caso{175, 22, 39, 8, 256},
                                           Caso{182, 22, 39, 8, 256}, Caso{153, 22, 39, 24, 0},
                                           Caso{210, 32, 32, 8, 256}, Caso{1122, 14, 12, 24, 0}),
                         [](const auto& info) { return std::to_string(info.param.id); });

TEST(RecursosCompiladosHoja, NegroSobreBlancoConLaAEnSuCelda) {
    ScriptedServices servicios;
    BitmapPtr hoja;
    Palette paleta;
    ASSERT_TRUE(CargarBitmapYPaleta(147, hoja, paleta));
    EXPECT_EQ(paleta.entries, (std::vector<std::uint32_t>{0x000000u, 0xFFFFFFu}));
    const int celda = 'A' + 9;
    const int x0 = (celda % 40) * 22;
    const int y0 = (celda / 40) * 39;
    int negros = 0;
    for (int y = y0; y < y0 + 39; ++y) {
        for (int x = x0; x < x0 + 22; ++x) {
            negros += hoja->Pixel(x, y) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(negros, 40);
    EXPECT_EQ(hoja->Pixel(0, 0), 0xFFFFFFu);
}

TEST(RecursosCompiladosHoja, IdSinRecursoDevuelveFalso) {
    ScriptedServices servicios;
    BitmapPtr bitmap;
    Palette paleta;
    EXPECT_FALSE(CargarBitmapYPaleta(9999, bitmap, paleta));
    EXPECT_FALSE(bitmap);
}

}  // namespace
