// The button pictures and the pattern choices.
#include <gtest/gtest.h>

#include "archivo_bmp.h"

namespace {

struct Imagen {
    int id;
    int ancho;
    int alto;
    int bits;  // 0: any depth
};

constexpr Imagen kImagenes[] = {
    {209, 32, 32, 0}, {210, 32, 32, 8}, {211, 32, 32, 8}, {222, 32, 32, 0}, {1122, 14, 12, 0},
    {227, 32, 32, 0}, {228, 32, 32, 0}, {229, 32, 32, 0}, {230, 32, 32, 0}, {231, 32, 32, 0},
    {234, 32, 32, 0}, {218, 32, 32, 0}, {219, 32, 32, 0}, {220, 32, 32, 0}, {221, 32, 32, 0},
};

QImage Pixeles(int id) {
    return LeerPixeles(RutaBitmap(id));
}

class ImagenesBotones : public ::testing::TestWithParam<Imagen> {};

TEST_P(ImagenesBotones, ExisteConSuTamanoYProfundidad) {
    const Imagen& i = GetParam();
    const auto c = LeerCabecera(RutaBitmap(i.id));
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(std::tie(c->width, c->height, c->sizeMatches),
              std::make_tuple(i.ancho, i.alto, true));
    if (i.bits != 0) {
        EXPECT_EQ(c->bitsPerPixel, i.bits);
    }
    EXPECT_FALSE(Pixeles(i.id).isNull());
}

INSTANTIATE_TEST_SUITE_P(Todas, ImagenesBotones, ::testing::ValuesIn(kImagenes),
                         [](const auto& fila) { return "Bitmap" + std::to_string(fila.param.id); });

const QRect kDentroDelMarco(2, 2, 28, 28);

// Plain grey, and when chosen the same grey inside a red frame.
TEST(Tramas, SolidoEsGrisLiso) {
    const QImage elegido = Pixeles(221);
    EXPECT_TRUE(TodoDeColor(Pixeles(218), QRect(0, 0, 32, 32), qRgb(128, 128, 128)));
    EXPECT_TRUE(MarcoDeColor(elegido, 2, qRgb(255, 0, 0)));
    EXPECT_TRUE(TodoDeColor(elegido, kDentroDelMarco, qRgb(128, 128, 128)));
}

// Black diagonal cross-hatch every 8 pixels on white, and when chosen inside a red frame.
TEST(Tramas, RayadoEsTramaCruzadaNegraSobreBlanco) {
    const QImage rayado = Pixeles(219);
    const QImage elegido = Pixeles(220);
    int negros = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = rayado.pixel(x, y) & 0xFFFFFFu;
            ASSERT_TRUE(p == 0 || p == 0xFFFFFFu);
            negros += p == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(negros, 100);
    EXPECT_LT(negros, 512);
    for (const QPoint p : {QPoint(0, 0), QPoint(8, 8), QPoint(8, 0), QPoint(0, 8)}) {
        EXPECT_TRUE(TodoDeColor(rayado, QRect(p, p), qRgb(0, 0, 0))) << p.x() << "," << p.y();
    }
    EXPECT_TRUE(MarcoDeColor(elegido, 2, qRgb(255, 0, 0)));
    EXPECT_EQ(rayado.copy(kDentroDelMarco), elegido.copy(kDentroDelMarco));
}

}  // namespace
