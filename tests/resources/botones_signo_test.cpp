// The sign-button pictures of the currency dialog: depths, sizes and the highlight frame.
#include <gtest/gtest.h>

#include <tuple>

#include "archivo_bmp.h"

namespace {

struct BotonSigno {
    int normal;
    int resaltado;
    int bits;
    bool vacio;
};

constexpr BotonSigno kBotones[] = {
    {175, 182, 8, false}, {157, 177, 4, false},  {155, 178, 4, false}, {172, 179, 4, false},
    {165, 180, 4, false}, {158, 181, 4, false},  {168, 183, 4, false}, {148, 184, 4, false},
    {154, 185, 4, false}, {153, 186, 24, false}, {173, 187, 4, false}, {162, 188, 4, false},
    {164, 189, 4, false}, {161, 190, 4, false},  {163, 191, 4, false}, {167, 192, 4, false},
    {159, 193, 4, false}, {169, 194, 4, false},  {160, 195, 4, false}, {170, 196, 4, false},
    {166, 197, 4, false}, {156, 198, 4, false},  {176, 199, 4, true},
};

class BotonesSigno : public ::testing::TestWithParam<BotonSigno> {};

TEST_P(BotonesSigno, ProfundidadYTamano) {
    const int bits = GetParam().bits;
    for (int id : {GetParam().normal, GetParam().resaltado}) {
        const auto c = LeerCabecera(RutaBitmap(id));
        ASSERT_TRUE(c.has_value()) << id;
        EXPECT_EQ(std::tie(c->width, c->height, c->bitsPerPixel, c->compression, c->tableEntries,
                           c->sizeMatches),
                  std::make_tuple(22, 39, bits, 0, bits <= 8 ? 1 << bits : 0, true))
            << id;
    }
}

// The highlighted picture is the same sign inside a red frame two pixels deep; the plain one
// shows its sign on white, but for the empty button.
TEST_P(BotonesSigno, ResaltadoEsElMismoSignoConMarcoRojo) {
    const QImage normal = LeerPixeles(RutaBitmap(GetParam().normal));
    const QImage resaltado = LeerPixeles(RutaBitmap(GetParam().resaltado));
    ASSERT_FALSE(normal.isNull() || resaltado.isNull());
    const QRect interior(2, 2, 18, 35);
    EXPECT_EQ(normal.copy(interior), resaltado.copy(interior));
    EXPECT_TRUE(MarcoDeColor(resaltado, 2, qRgb(255, 0, 0)));
    EXPECT_FALSE(MarcoDeColor(normal, 2, qRgb(255, 0, 0)));
    EXPECT_TRUE(TodoDeColor(normal, QRect(0, 0, 22, 2), qRgb(255, 255, 255)));
    EXPECT_EQ(TodoDeColor(normal, interior, qRgb(255, 255, 255)), GetParam().vacio);
}

INSTANTIATE_TEST_SUITE_P(Todos, BotonesSigno, ::testing::ValuesIn(kBotones), [](const auto& fila) {
    return "Bitmap" + std::to_string(fila.param.normal);
});

TEST(BotonSignoColor, DolarEnColorEsVerde) {
    const QImage dolar = LeerPixeles(RutaBitmap(175));
    ASSERT_FALSE(dolar.isNull());
    int verdes = 0;
    for (int y = 0; y < dolar.height(); ++y) {
        for (int x = 0; x < dolar.width(); ++x) {
            const QRgb p = dolar.pixel(x, y);
            verdes += qGreen(p) > 100 && qRed(p) < 60 && qBlue(p) < 60 ? 1 : 0;
        }
    }
    EXPECT_GT(verdes, 20);
}

}  // namespace
