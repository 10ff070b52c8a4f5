// Text: cell height, alignment, clipping, rotation, and the selections a drawing restores.
#include <gtest/gtest.h>

#include <string>

#include "image_surface.h"
#include "tests/support/fila.h"

namespace {

const LogFont kMedium{"Times New Roman", 40, 0};
const LogFont kUpward{"Times New Roman", 35, 900};
constexpr double kPxPerMm = 10.0;

// Draws one text in the transparent mode; gives the ink on the surface.
QRect Write(ImageSurface& surface, const std::string& text, const Rect& rect, unsigned format,
            const LogFont& font = kMedium) {
    surface.device().SetBkMode(TRANSPARENT);
    surface.device().SelectFont(font);
    surface.device().DrawText(text, rect, format);
    return surface.Ink();
}

// Ink of one text drawn alone on a 200 x 100 mm surface at 10 px/mm.
QRect InkOf(const std::string& text, const Rect& rect, unsigned format,
            const LogFont& font = kMedium) {
    ImageSurface surface(200, 100, kPxPerMm);
    return Write(surface, text, rect, format, font);
}

// "MMM" in a 100 x 20 mm rectangle: left, centre or right and top or bottom as asked, within
// the side bearing of the glyphs (0.5 mm).
TEST(Text, LandsWhereTheFormatAsks) {
    const double cell = 4.0 * kPxPerMm;
    for (unsigned format : {DT_LEFT, DT_CENTER, DT_RIGHT, DT_BOTTOM | DT_SINGLELINE | DT_CENTER}) {
        SCOPED_TRACE(format);
        QRect ink = InkOf("MMM", {500, 300, 1500, 500}, format);
        ASSERT_TRUE(ink.isValid());
        if (format & DT_CENTER) {
            EXPECT_NEAR(ink.center().x(), 1000, 5);
        } else {
            EXPECT_NEAR(format & DT_RIGHT ? ink.right() : ink.left(),
                        format & DT_RIGHT ? 1500 : 500, 5);
        }
        if (format & DT_BOTTOM) {
            EXPECT_LE(ink.bottom(), 500);
            EXPECT_GE(ink.top(), 500 - cell);
        } else {
            EXPECT_GE(ink.top(), 300);
            EXPECT_LE(ink.bottom(), 300 + cell);
        }
    }
}

// The glyphs of a cell fill about the cell between the top of the accents and the bottom of
// the descenders, never more; a face that is not installed gets a stand-in of the same cell.
TEST(Fonts, CellHeightIsTheAskedHeight) {
    for (const char* face : {"Times New Roman", "Courier New", "Brixamo No Such Face"}) {
        for (int height : {30, 40, 60}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(height));
            QRect ink = InkOf("\xC9jg", {100, 100, 1900, 900}, 0, {face, height, 0});
            ASSERT_TRUE(ink.isValid());
            const double cell = height * kPxPerMm / 10.0;
            EXPECT_GE(ink.top(), 100);
            EXPECT_LE(ink.bottom(), 100 + cell);
            EXPECT_GT(ink.height(), 0.75 * cell);
        }
    }
}

// Lines of a two-line text are one cell apart, on a screen as on a printer.
TEST(Fonts, LinesAreOneCellApartOnEveryResolution) {
    for (double pxPerMm : {96 / 25.4, 300 / 25.4, 1200 / 25.4}) {
        ImageSurface one(40, 20, pxPerMm), two(40, 20, pxPerMm);
        const int first = Write(one, "M", {50, 50, 350, 190}, 0).bottom();
        const int second = Write(two, "M\nM", {50, 50, 350, 190}, 0).bottom();
        EXPECT_NEAR(second - first, 4.0 * pxPerMm, 1.0) << pxPerMm;
    }
}

// Text never leaves its rectangle, whatever its length.
TEST(Text, ClippedToItsRectangle) {
    QRect ink = InkOf("Mgjgjgjgjgjgjgjgjgjgjgjgjgjgjgjgjgjgjgjgjg & more", {500, 300, 800, 330}, 0);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GE(ink.left(), 500);
    EXPECT_GE(ink.right(), 790);
    EXPECT_LE(ink.right(), 799);
    EXPECT_GE(ink.top(), 300);
    EXPECT_EQ(ink.bottom(), 329);  // the descenders are cut
}

TEST(Text, AmpersandIsDrawnLiterally) {
    QRect one = InkOf("A&B", {100, 100, 1900, 900}, 0);
    EXPECT_GT(one.width(), InkOf("AB", {100, 100, 1900, 900}, 0).width() + 15);
    EXPECT_GT(InkOf("A&&B", {100, 100, 1900, 900}, 0).width(), one.width() + 15);
}

// Escapement 900: the line reads upward from the bottom of its column, centred across it.
TEST(Text, Escapement900ReadsUpward) {
    ImageSurface surface(200, 100, kPxPerMm);
    QRect ink = Write(surface, "MMMMMM......", {100, 40, 250, 770}, 0x29, kUpward);
    ASSERT_TRUE(ink.isValid());
    EXPECT_GT(ink.height(), 3 * ink.width());
    EXPECT_NEAR(ink.center().x(), 175, 8);
    EXPECT_GT(ink.bottom(), 770 - 40);
    EXPECT_LE(ink.bottom(), 769);
    // The heavy capitals come first, so they are at the bottom.
    const int mid = ink.center().y();
    EXPECT_GT(surface.Ink({ink.left(), mid, ink.width(), ink.bottom() - mid + 1}).height(),
              surface.Ink({ink.left(), ink.top(), ink.width(), mid - ink.top()}).height());
}

// A rotated line longer than its column is cut at the column's top, not lost.
TEST(Text, LongRotatedLineStaysInItsColumn) {
    QRect ink = InkOf(std::string(80, 'W'), {100, 40, 250, 400}, 0x29, kUpward);
    ASSERT_TRUE(ink.isValid());
    EXPECT_EQ(ink.top(), 40);
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.right(), 249);
}

// The opaque mode paints the text's cell white over what lies beneath; transparent leaves it.
TEST(Text, BackgroundModeDecidesWhetherTheCellIsPainted) {
    for (int mode : {OPAQUE, TRANSPARENT}) {
        ImageSurface surface(100, 50, kPxPerMm, QColor(0, 0, 255));
        surface.device().SetBkMode(mode);
        surface.device().SelectFont(kMedium);
        surface.device().DrawText("i", {100, 100, 900, 400}, 0);
        QRect ink = surface.Ink();
        int white = 0;
        for (int x = ink.left(); x <= ink.right(); ++x) {
            white += surface.At(x, 101) == QColor(Qt::white) ? 1 : 0;
        }
        EXPECT_EQ(white > 0, mode == OPAQUE);
    }
}

// Windows-1252 texts: the euro sign at 0x80 is drawn as a euro, not as a control.
TEST(Text, Windows1252HighCodesAreDrawn) {
    EXPECT_GT(InkOf("\x80", {100, 100, 900, 400}, 0).height(), 20);
}

// A drawing that selects its own objects and restores what it found leaves the device as it
// was: later drawing uses the original pen, brush, font and mode again.
TEST(Selection, RestoredObjectsAreUsedAgain) {
    ImageSurface surface(100, 50, kPxPerMm, QColor(0, 0, 255));
    PainterDevice& dc = surface.device();
    Pen pen = dc.SelectPen({5, RGB(255, 0, 0)});
    Brush brush = dc.SelectBrush({BrushStyle::DiagonalCrossHatch, RGB(0, 255, 0)});
    int mode = dc.SetBkMode(TRANSPARENT);
    LogFont font = dc.SelectFont({"Courier New", 60, 900});
    EXPECT_EQ(dc.SelectPen(pen), (Pen{5, RGB(255, 0, 0)}));
    EXPECT_EQ(dc.SelectBrush(brush), (Brush{BrushStyle::DiagonalCrossHatch, RGB(0, 255, 0)}));
    EXPECT_EQ(dc.SetBkMode(mode), TRANSPARENT);
    EXPECT_EQ(dc.SelectFont(font), (LogFont{"Courier New", 60, 900}));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    dc.Rectangle(100, 100, 300, 300);
    EXPECT_EQ(surface.At(100, 150), QColor(Qt::black));
    EXPECT_EQ(surface.At(101, 150), QColor(Qt::white));
    EXPECT_EQ(surface.At(200, 200), QColor(Qt::white));
}

// A text drawn on a surface that keeps no pixels (a document, a picture played back later) is
// shaped once and drawn from the shape kept after that: it lands glyph for glyph where the same
// text lands on an image, at the first drawing and at the next ones. (Rotated text is drawn
// from a kept shape on an image too; Escapement900ReadsUpward places it.)
struct FilaTextoConservado : Fila {
    std::string sTexto;
    Rect rect;
    unsigned nFormato;
    LogFont fuente;
};

const FilaTextoConservado kTextosConservados[] = {
    {"Izquierda", "Vecino 12; portal 3", {100, 100, 1900, 200}, DT_LEFT, kMedium},
    {"Centrado", "1 de enero de 2027", {103, 101, 1900, 200}, DT_CENTER, kMedium},
    {"Derecha", "0001/2027", {100, 100, 1897, 200}, DT_RIGHT, kMedium},
    {"Abajo",
     "Son: cien euros",
     {100, 100, 1900, 333},
     DT_SINGLELINE | DT_BOTTOM,
     {"Times New Roman", 36, 0}},
    {"VariasLineas", "Rua Nova 12\r\n\r\nPiso 3 B\nVigo", {100, 100, 1900, 900}, DT_LEFT, kMedium},
    {"EspaciosAlFinal", "Concepto   ", {100, 100, 1900, 200}, DT_RIGHT, kMedium},
    {"Tabulador", "Concepto\t12,50", {100, 100, 1900, 200}, DT_LEFT, kMedium},
    {"Acentos1252", "\xC1ngel Pe\xF1\x61 \x80 \xAB\xBB", {100, 100, 1900, 200}, DT_CENTER, kMedium},
};

class TextoConservado : public testing::TestWithParam<FilaTextoConservado> {};

TEST_P(TextoConservado, LandsAsOnAnImageEveryTime) {
    const FilaTextoConservado& fila = GetParam();
    QImage images[2];
    for (const auto path : {ImageSurface::Path::kDirect, ImageSurface::Path::kPlayedBack}) {
        ImageSurface surface(200, 100, kPxPerMm, Qt::white, path);
        for (int vez = 0; vez < 2; ++vez) {
            surface.device().SetViewportOrg(0, vez * 500);
            surface.device().SetBkMode(TRANSPARENT);
            surface.device().SelectFont(fila.fuente);
            surface.device().DrawText(fila.sTexto, fila.rect, fila.nFormato);
        }
        images[path == ImageSurface::Path::kPlayedBack] = surface.image();
    }
    QImage blank(images[0].size(), images[0].format());
    blank.fill(Qt::white);
    ASSERT_NE(images[0], blank) << "nothing drawn";
    EXPECT_EQ(images[1], images[0]);
}

INSTANTIATE_TEST_SUITE_P(Text, TextoConservado, testing::ValuesIn(kTextosConservados),
                         testing::PrintToStringParamName());

// The shape kept of a text belongs to its font: the same text in another height is shaped in
// that height.
TEST(Text, KeptShapeBelongsToItsFont) {
    ImageSurface surface(200, 100, kPxPerMm, Qt::white, ImageSurface::Path::kPlayedBack);
    for (const int nAlto : {30, 60}) {
        surface.device().SelectFont({"Times New Roman", nAlto, 0});
        surface.device().DrawText("MMM", {100, 100 + 4 * nAlto, 1900, 900}, DT_LEFT);
    }
    const QRect small = surface.Ink({0, 0, 2000, 300});
    const QRect large = surface.Ink({0, 300, 2000, 700});
    ASSERT_TRUE(small.isValid());
    ASSERT_TRUE(large.isValid());
    EXPECT_NEAR(large.width(), 2 * small.width(), 6);
}

}  // namespace
