// The sign-button pictures of the currency dialog: depths, sizes and the highlight frame.
#include <gtest/gtest.h>

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

QString Ruta(int id) {
    return RutaRecurso(QString("bitmaps/%1.bmp").arg(id));
}

const QRect kInterior(2, 2, 18, 35);

class BotonesSigno : public ::testing::TestWithParam<BotonSigno> {};

TEST_P(BotonesSigno, ProfundidadYTamano) {
    for (int id : {GetParam().normal, GetParam().resaltado}) {
        const auto cabecera = LeerCabecera(Ruta(id));
        ASSERT_TRUE(cabecera.has_value()) << id;
        EXPECT_EQ(cabecera->bitsPerPixel, GetParam().bits) << id;
        EXPECT_EQ(cabecera->width, 22) << id;
        EXPECT_EQ(cabecera->height, 39) << id;
        EXPECT_EQ(cabecera->compression, 0) << id;
        EXPECT_EQ(cabecera->tableEntries, GetParam().bits <= 8 ? 1 << GetParam().bits : 0) << id;
        EXPECT_TRUE(cabecera->sizeMatches) << id;
    }
}

TEST_P(BotonesSigno, ResaltadoEsElMismoSignoConMarcoRojo) {
    const QImage normal = LeerPixeles(Ruta(GetParam().normal));
    const QImage resaltado = LeerPixeles(Ruta(GetParam().resaltado));
    ASSERT_FALSE(normal.isNull());
    ASSERT_FALSE(resaltado.isNull());
    EXPECT_EQ(normal.copy(kInterior), resaltado.copy(kInterior));
    EXPECT_TRUE(MarcoDeColor(resaltado, 2, qRgb(255, 0, 0)));
    EXPECT_FALSE(MarcoDeColor(normal, 2, qRgb(255, 0, 0)));
    EXPECT_TRUE(TodoDeColor(normal, QRect(0, 0, 22, 2), qRgb(255, 255, 255)));
}

TEST_P(BotonesSigno, SignoVisibleSalvoElVacio) {
    const QImage normal = LeerPixeles(Ruta(GetParam().normal));
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(TodoDeColor(normal, kInterior, qRgb(255, 255, 255)), GetParam().vacio);
}

INSTANTIATE_TEST_SUITE_P(Todos, BotonesSigno, ::testing::ValuesIn(kBotones),
                         [](const auto& info) { return std::to_string(info.param.normal); });

TEST(BotonSignoColor, DolarEnColorEsVerde) {
    const QImage dolar = LeerPixeles(Ruta(175));
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
