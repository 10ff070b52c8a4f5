// The glyph sheet: format, layout of the characters and of the sign row.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "archivo_bmp.h"

namespace {

constexpr int kAncho = 22;
constexpr int kAlto = 39;
constexpr int kPorFila = 40;

// Character c is cell c + 9; the signs fill row 8.
constexpr int Caracter(unsigned char c) {
    return c + 9;
}
constexpr int Signo(int k) {
    return 8 * kPorFila + k;
}

class HojaGlifos : public ::testing::Test {
  protected:
    void SetUp() override {
        hoja = LeerPixeles(RutaBitmap(147));
        ASSERT_FALSE(hoja.isNull());
    }

    static QRect Celda(int celda) {
        return {(celda % kPorFila) * kAncho, (celda / kPorFila) * kAlto, kAncho, kAlto};
    }
    QImage Copia(int celda) const { return hoja.copy(Celda(celda)); }
    bool Blanca(int celda) const { return TodoDeColor(hoja, Celda(celda), qRgb(255, 255, 255)); }

    QImage hoja;
};

TEST(HojaGlifosFormato, UnBitPorPixelConDosColoresYNueveFilas) {
    const auto c = LeerCabecera(RutaBitmap(147));
    ASSERT_TRUE(c.has_value());
    EXPECT_EQ(std::tie(c->width, c->height, c->bitsPerPixel, c->compression, c->colorsUsed,
                       c->tableEntries, c->sizeMatches),
              std::make_tuple(880, 351, 1, 0, 2, 2, true));
}

TEST_F(HojaGlifos, SoloNegroYBlanco) {
    for (int y = 0; y < hoja.height(); ++y) {
        for (int x = 0; x < hoja.width(); ++x) {
            const QRgb p = hoja.pixel(x, y) & 0xFFFFFFu;
            ASSERT_TRUE(p == 0 || p == 0xFFFFFFu) << x << "," << y;
        }
    }
}

// Printable characters and signs are drawn; cells before the characters, spaces, undefined
// codes, sign 0, sign 9 and the signs from 28 on are blank.
TEST_F(HojaGlifos, CeldasDibujadasYBlancas) {
    std::vector<int> blancas, dibujadas;
    for (int celda = 0; celda <= 40; ++celda) {
        blancas.push_back(celda);
    }
    for (unsigned char c : {0x20, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0}) {
        blancas.push_back(Caracter(c));
    }
    for (unsigned char c : std::string("AZaz09#$*X,.()\x80\xe9\xd1\xf1\xbf\xa1\xff")) {
        dibujadas.push_back(Caracter(c));
    }
    for (int k = 0; k <= 39; ++k) {
        (k == 0 || k == 9 || k >= 28 ? blancas : dibujadas).push_back(Signo(k));
    }
    for (int celda : blancas) {
        EXPECT_TRUE(Blanca(celda)) << "celda " << celda;
    }
    for (int celda : dibujadas) {
        EXPECT_FALSE(Blanca(celda)) << "celda " << celda;
    }
}

TEST_F(HojaGlifos, MismaLineaBaseEnTodasLasCeldas) {
    // The lowest black row of a character within its cell.
    auto fondo = [&](unsigned char c) {
        const QRect r = Celda(Caracter(c));
        for (int y = kAlto - 1; y >= 0; --y) {
            if (!TodoDeColor(hoja, QRect(r.left(), r.top() + y, kAncho, 1), qRgb(255, 255, 255))) {
                return y;
            }
        }
        return -1;
    };
    EXPECT_GT(fondo('A'), 20);
    EXPECT_EQ(fondo('A'), fondo('H'));
    EXPECT_EQ(fondo('A'), fondo('n'));
    EXPECT_GT(fondo('g'), fondo('A'));
}

TEST_F(HojaGlifos, SignosRepetidos) {
    EXPECT_NE(Copia(Signo(1)), Copia(Signo(22)));      // the second euro is not the first
    EXPECT_EQ(Copia(Signo(8)), Copia(Caracter('#')));  // sign 8 is the '#' character
}

}  // namespace
