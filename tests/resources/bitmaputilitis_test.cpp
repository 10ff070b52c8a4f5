// CargarBitmapYPaleta: palettes from made-up bitmaps served by id, and the program's
// compiled-in resources through the real image decoder.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "platform/bitmaputilitis.h"
#include "tests/support/scripted_services.h"

namespace {

// Serves the test's bitmaps by id; any other id goes to the program's own resources.
class ServiciosDeRecursos : public ScriptedServices {
  public:
    std::map<int, BitmapPtr> recursos;

    BitmapPtr LoadResourceBitmap(int id) override {
        const auto found = recursos.find(id);
        return found == recursos.end() ? ScriptedServices::LoadResourceBitmap(id) : found->second;
    }
};

std::vector<std::uint32_t> Rampa(int n) {
    std::vector<std::uint32_t> tabla;
    tabla.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        tabla.push_back(static_cast<std::uint32_t>(i) * 0x010101u);
    }
    return tabla;
}

class CargarBitmap : public ::testing::Test {
  protected:
    ServiciosDeRecursos servicios;
    BitmapPtr bitmap;
    Palette paleta;
};

TEST_F(CargarBitmap, PaletaSegunProfundidadYColoresUsados) {
    struct Caso {
        const char* sNombre;
        int bits, usados;
        std::vector<std::uint32_t> tabla, entradas;
        bool halftone = false;
    };
    const Caso casos[] = {
        {"1 bit, 2 colours", 1, 2, {0x000000u, 0xFFFFFFu}, {0x000000u, 0xFFFFFFu}},
        {"8 bits, count 0: 2 to the bits", 8, 0, Rampa(256), Rampa(256)},
        {"4 bits, count 0", 4, 0, Rampa(16), Rampa(16)},
        {"1 bit, count 0", 1, 0, Rampa(2), Rampa(2)},
        {"the header's count wins over the table", 8, 20, Rampa(256), Rampa(20)},
        {"a short table gives what it has", 8, 0, Rampa(10), Rampa(10)},
        {"entries without flags", 1, 2, {0xFF102030u, 0x80A0B0C0u}, {0x102030u, 0xA0B0C0u}},
        {"24 bits: halftone", 24, 0, {}, {}, true},
        {"32 bits: halftone", 32, 0, {}, {}, true},
        {"more than 256 colours used: halftone", 8, 300, Rampa(256), {}, true},
    };
    for (const Caso& c : casos) {
        const auto recurso = std::make_shared<Bitmap>(Bitmap{.width = 2,
                                                             .height = 1,
                                                             .bitsPerPixel = c.bits,
                                                             .colorsUsed = c.usados,
                                                             .colorTable = c.tabla,
                                                             .pixels = {0, 0}});
        servicios.recursos[300] = recurso;
        paleta = Palette{.halftone = !c.halftone, .entries = {1, 2, 3}};
        ASSERT_TRUE(CargarBitmapYPaleta(300, bitmap, paleta)) << c.sNombre;
        EXPECT_EQ(bitmap, recurso) << c.sNombre;
        EXPECT_EQ(paleta.halftone, c.halftone) << c.sNombre;
        EXPECT_EQ(paleta.entries, c.entradas) << c.sNombre;
    }
}

TEST_F(CargarBitmap, IdSinRecursoNoTocaNada) {
    const BitmapPtr anterior = std::make_shared<Bitmap>();
    bitmap = anterior;
    paleta.entries = {0xABCDEFu};
    EXPECT_FALSE(CargarBitmapYPaleta(9999, bitmap, paleta));
    EXPECT_EQ(bitmap, anterior);
    EXPECT_FALSE(paleta.halftone);
    EXPECT_EQ(paleta.entries, std::vector<std::uint32_t>{0xABCDEFu});
}

struct Compilado {
    int id, ancho, alto, bits;
    std::size_t entradas;  // palette entries; 0 with a halftone palette
};

class RecursosCompilados : public ::testing::TestWithParam<Compilado> {
  protected:
    ScriptedServices servicios;
};

TEST_P(RecursosCompilados, BitmapYPaletaComoLosGuardaElFichero) {
    const Compilado& c = GetParam();
    BitmapPtr bitmap;
    Palette paleta;
    ASSERT_TRUE(CargarBitmapYPaleta(c.id, bitmap, paleta));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(std::tie(bitmap->width, bitmap->height, bitmap->bitsPerPixel),
              std::tie(c.ancho, c.alto, c.bits));
    EXPECT_EQ(bitmap->pixels.size(), static_cast<std::size_t>(c.ancho * c.alto));
    EXPECT_EQ(paleta.halftone, c.entradas == 0);
    EXPECT_EQ(paleta.entries.size(), c.entradas);
}

constexpr Compilado kCompilados[] = {
    {147, 880, 351, 1, 2}, {148, 22, 39, 4, 16}, {199, 22, 39, 4, 16},  {175, 22, 39, 8, 256},
    {182, 22, 39, 8, 256}, {153, 22, 39, 24, 0}, {210, 32, 32, 8, 256}, {1122, 14, 12, 24, 0},
};

INSTANTIATE_TEST_SUITE_P(Recursos, RecursosCompilados, ::testing::ValuesIn(kCompilados),
                         [](const auto& fila) { return "Bitmap" + std::to_string(fila.param.id); });

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

}  // namespace
