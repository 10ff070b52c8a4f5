// The glyph sheet: format, layout of the characters and of the sign row.
#include <gtest/gtest.h>

#include "archivo_bmp.h"

namespace {

constexpr int kAncho = 22;
constexpr int kAlto = 39;
constexpr int kPorFila = 40;
constexpr int kFilaSignos = 8;

class HojaGlifos : public ::testing::Test {
  protected:
    void SetUp() override {
        hoja = LeerPixeles(RutaRecurso("bitmaps/147.bmp"));
        ASSERT_FALSE(hoja.isNull());
    }

    bool CeldaBlanca(int celda) const {
        const QRect r((celda % kPorFila) * kAncho, (celda / kPorFila) * kAlto, kAncho, kAlto);
        return TodoDeColor(hoja, r, qRgb(255, 255, 255));
    }
    bool CeldaCaracter(unsigned char c) const { return CeldaBlanca(c + 9); }
    bool CeldaSigno(int k) const { return CeldaBlanca(kFilaSignos * kPorFila + k); }

    QImage hoja;
};

TEST(HojaGlifosFormato, UnBitPorPixelConDosColoresYNueveFilas) {
    const auto cabecera = LeerCabecera(RutaRecurso("bitmaps/147.bmp"));
    ASSERT_TRUE(cabecera.has_value());
    EXPECT_EQ(cabecera->bitsPerPixel, 1);
    EXPECT_EQ(cabecera->colorsUsed, 2);
    EXPECT_EQ(cabecera->tableEntries, 2);
    EXPECT_EQ(cabecera->compression, 0);
    EXPECT_EQ(cabecera->width, 880);
    EXPECT_EQ(cabecera->height, 351);
    EXPECT_TRUE(cabecera->sizeMatches);
}

TEST_F(HojaGlifos, SoloNegroYBlanco) {
    for (int y = 0; y < hoja.height(); ++y) {
        for (int x = 0; x < hoja.width(); ++x) {
            const QRgb p = hoja.pixel(x, y) & 0xFFFFFFu;
            ASSERT_TRUE(p == 0 || p == 0xFFFFFFu) << x << "," << y;
        }
    }
}

TEST_F(HojaGlifos, CeldasSinCaracterBlancas) {
    for (int celda = 0; celda <= 40; ++celda) {
        EXPECT_TRUE(CeldaBlanca(celda)) << "celda " << celda;
    }
}

TEST_F(HojaGlifos, CaracteresImprimiblesDibujados) {
    for (unsigned char c : std::string("AZaz09#$*X,.()\x80\xe9\xd1\xf1\xbf\xa1\xff")) {
        EXPECT_FALSE(CeldaCaracter(c)) << "codigo " << int(c);
    }
}

TEST_F(HojaGlifos, EspaciosYCodigosSinDefinirBlancos) {
    for (unsigned char c : {0x20, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0}) {
        EXPECT_TRUE(CeldaCaracter(c)) << "codigo " << int(c);
    }
}

TEST_F(HojaGlifos, MismaLineaBaseEnTodasLasCeldas) {
    // The bottoms of 'A' and 'H' (no descender) sit on the same pixel row within their cells.
    auto fondo = [&](unsigned char c) {
        const int celda = c + 9;
        const int x0 = (celda % kPorFila) * kAncho;
        const int y0 = (celda / kPorFila) * kAlto;
        for (int y = kAlto - 1; y >= 0; --y) {
            for (int x = 0; x < kAncho; ++x) {
                if ((hoja.pixel(x0 + x, y0 + y) & 0xFFFFFFu) == 0) {
                    return y;
                }
            }
        }
        return -1;
    };
    EXPECT_GT(fondo('A'), 20);
    EXPECT_EQ(fondo('A'), fondo('H'));
    EXPECT_EQ(fondo('A'), fondo('n'));
    EXPECT_GT(fondo('g'), fondo('A'));
}

TEST_F(HojaGlifos, SignosDibujadosYVacios) {
    for (int k = 1; k <= 39; ++k) {
        const bool vacio = k == 9 || k >= 28;
        EXPECT_EQ(CeldaSigno(k), vacio) << "signo " << k;
    }
    EXPECT_TRUE(CeldaSigno(0));
}

TEST_F(HojaGlifos, SegundoEuroDistintoDelPrimero) {
    const QImage primero = hoja.copy(1 * kAncho, kFilaSignos * kAlto, kAncho, kAlto);
    const QImage segundo = hoja.copy(22 * kAncho, kFilaSignos * kAlto, kAncho, kAlto);
    EXPECT_NE(primero, segundo);
}

TEST_F(HojaGlifos, SignoAlmohadillaIgualQueElCaracter) {
    const int celda = '#' + 9;
    const QImage caracter =
        hoja.copy((celda % kPorFila) * kAncho, (celda / kPorFila) * kAlto, kAncho, kAlto);
    const QImage signo = hoja.copy(8 * kAncho, kFilaSignos * kAlto, kAncho, kAlto);
    EXPECT_EQ(caracter, signo);
}

}  // namespace
