// The button pictures, the pattern choices and the application icon.
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

QString Ruta(int id) {
    return RutaRecurso(QString("bitmaps/%1.bmp").arg(id));
}

class ImagenesBotones : public ::testing::TestWithParam<Imagen> {};

TEST_P(ImagenesBotones, ExisteConSuTamanoYProfundidad) {
    const auto cabecera = LeerCabecera(Ruta(GetParam().id));
    ASSERT_TRUE(cabecera.has_value());
    EXPECT_EQ(cabecera->width, GetParam().ancho);
    EXPECT_EQ(cabecera->height, GetParam().alto);
    if (GetParam().bits != 0) {
        EXPECT_EQ(cabecera->bitsPerPixel, GetParam().bits);
    }
    EXPECT_TRUE(cabecera->sizeMatches);
    EXPECT_FALSE(LeerPixeles(Ruta(GetParam().id)).isNull());
}

INSTANTIATE_TEST_SUITE_P(Todas, ImagenesBotones, ::testing::ValuesIn(kImagenes),
                         [](const auto& info) { return std::to_string(info.param.id); });

const QRect kTodo(0, 0, 32, 32);
const QRect kDentroDelMarco(2, 2, 28, 28);

bool MarcoRojo(const QImage& imagen) {
    return MarcoDeColor(imagen, 2, qRgb(255, 0, 0));
}

TEST(Tramas, SolidoEsGrisLiso) {
    const QImage solido = LeerPixeles(Ruta(218));
    const QImage elegido = LeerPixeles(Ruta(221));
    EXPECT_TRUE(TodoDeColor(solido, kTodo, qRgb(128, 128, 128)));
    EXPECT_TRUE(MarcoRojo(elegido));
    EXPECT_TRUE(TodoDeColor(elegido, kDentroDelMarco, qRgb(128, 128, 128)));
}

TEST(Tramas, RayadoEsTramaCruzadaNegraSobreBlanco) {
    const QImage rayado = LeerPixeles(Ruta(219));
    const QImage elegido = LeerPixeles(Ruta(220));
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
    EXPECT_EQ((rayado.pixel(0, 0) & 0xFFFFFFu), 0u);
    EXPECT_EQ((rayado.pixel(8, 8) & 0xFFFFFFu), 0u);
    EXPECT_EQ((rayado.pixel(8, 0) & 0xFFFFFFu), 0u);
    EXPECT_EQ((rayado.pixel(0, 8) & 0xFFFFFFu), 0u);
    EXPECT_TRUE(MarcoRojo(elegido));
    EXPECT_EQ(rayado.copy(kDentroDelMarco), elegido.copy(kDentroDelMarco));
}

TEST(Icono, PequenoYGrande) {
    const QImage pequeno(RutaRecurso("icons/128.png"));
    const QImage grande(RutaRecurso("icons/brixamo.png"));
    EXPECT_EQ(pequeno.size(), QSize(32, 32));
    EXPECT_EQ(grande.size(), QSize(256, 256));
}

}  // namespace
