// The glyph writer: which cell of the glyph sheet lands at which x for a drawn amount.
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "money/globalcurrency.h"
#include "tests/output/entorno_salida.h"

namespace {

// The source cell (sx, sy) of a character: cell c + 9 in rows of 40 cells of 22 x 39.
std::pair<int, int> CeldaCaracter(unsigned char c) {
    const int n = c + 9;
    return {(n % 40) * 22, (n / 40) * 39};
}

std::pair<int, int> CeldaSigno(int k) {
    return {22 * k, 312};
}

// What is expected from x = 0: a cell per entry, or nothing where the entry is empty.
using Fila = std::vector<std::optional<std::pair<int, int>>>;

Fila Caracteres(const std::string& s) {
    Fila fila;
    for (const char c : s) {
        fila.push_back(CeldaCaracter(static_cast<unsigned char>(c)));
    }
    return fila;
}

Fila operator+(Fila a, const Fila& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The copies made, as (x, sx, sy), each checked to be a 22 x 39 cell on row y = 7.
std::vector<std::tuple<int, int, int>> Copias(const RecordingDevice& dc) {
    std::vector<std::tuple<int, int, int>> copias;
    for (const RecordedCall& c : dc.CallsOf(CallKind::BitBlt)) {
        EXPECT_EQ(c.rect.top, 7);
        EXPECT_EQ(c.rect.right - c.rect.left, 22);
        EXPECT_EQ(c.rect.bottom - c.rect.top, 39);
        EXPECT_EQ(c.source.right - c.source.left, 22);
        EXPECT_EQ(c.source.bottom - c.source.top, 39);
        copias.emplace_back(c.rect.left, c.source.left, c.source.top);
    }
    return copias;
}

std::vector<std::tuple<int, int, int>> Esperadas(const Fila& fila) {
    std::vector<std::tuple<int, int, int>> copias;
    for (std::size_t j = 0; j < fila.size(); ++j) {
        if (fila[j]) {
            copias.emplace_back(22 * static_cast<int>(j), fila[j]->first, fila[j]->second);
        }
    }
    return copias;
}

class GlifosTest : public SalidaTest {
  protected:
    std::vector<std::tuple<int, int, int>> Dibujar(double dValor) {
        RecordingDevice dc;
        Importe(dValor).DibujarImporte(dc, 0, 7);
        return Copias(dc);
    }
};

TEST_F(GlifosTest, SheetCellsAreWhereTheLayoutSaysForSampleCharacters) {
    EXPECT_EQ(CeldaCaracter('#'), std::make_pair(88, 39));
    EXPECT_EQ(CeldaCaracter(' '), std::make_pair(22, 39));
    RecordingDevice dc;
    CGlobalCurrency::WriteCharToDevice(dc, 5, 7, '0');
    CGlobalCurrency::WriteCharToDevice(dc, 30, 7, 0xFF);
    const std::vector<RecordedCall> copias = dc.CallsOf(CallKind::BitBlt);
    ASSERT_EQ(copias.size(), 2u);
    EXPECT_EQ(copias[0].source, (Rect{374, 39, 396, 78}));    // '0' is cell 57
    EXPECT_EQ(copias[1].source, (Rect{528, 234, 550, 273}));  // 255 is cell 264
    EXPECT_EQ(copias[0].rect, (Rect{5, 7, 27, 46}));
    EXPECT_EQ(copias[0].bitmapWidth, 880);
}

TEST_F(GlifosTest, AmountRowsWithStandardAndCustomSigns) {
    struct Caso {
        const char* sNombre;
        std::string sSimbolo;
        int nRelleno, nPositivo, nNegativo;
        double dValor;
        Fila fila;
    };
    const std::optional<std::pair<int, int>> kNada;
    const Caso casos[] = {
        {"fill and euro glyph", "|A", '#', 0, 0, 12345.67,
         Caracteres("#######") + Fila{CeldaSigno(1)} + Caracteres("12,345.67")},
        {"blank fill", "|A", ' ', 0, 0, 12345.67,
         Caracteres("       ") + Fila{CeldaSigno(1)} + Caracteres("12,345.67")},
        {"negative mode 15", "|B", '#', 0, 15, -12345.67,
         Caracteres("####(12,345.67 ") + Fila{CeldaSigno(2)} + Caracteres(")")},
        {"space kept after the sign", "|D", '*', 2, 0, 5,
         Caracteres("***********") + Fila{CeldaSigno(4)} + Caracteres(" 5.00")},
        {"no sign at all", "|h", '#', 0, 0, 12345.67,
         Caracteres("#######") + Fila{kNada} + Caracteres("12,345.67")},
        {"sign beyond the sheet", "|~", '#', 0, 0, 1,
         Caracteres("############") + Fila{kNada} + Caracteres("1.00")},
        {"custom sign as text", "EUR", '#', 3, 0, 12345.67, Caracteres("####12,345.67 EUR")},
    };
    for (const Caso& c : casos) {
        CGlobalCurrency::SetSimbolo(c.sSimbolo);
        CGlobalCurrency::SetRelleno(c.nRelleno);
        CGlobalCurrency::SetModoPositivo(c.nPositivo);
        CGlobalCurrency::SetModoNegativo(c.nNegativo);
        ASSERT_EQ(c.fila.size(), 17u) << c.sNombre;
        EXPECT_EQ(Dibujar(c.dValor), Esperadas(c.fila)) << c.sNombre;
    }
    EXPECT_TRUE(m_servicios.messages.empty());
}

// A text of 20 characters keeps its last 17.
TEST_F(GlifosTest, TwentyCharacterTextShowsItsLastSeventeen) {
    CGlobalCurrency::SetSimbolo("Euros");
    CGlobalCurrency::SetModoPositivo(3);
    CGlobalCurrency::SetSeparadorMiles("'");
    const std::string sTexto = "123'456'789.00 Euros";
    ASSERT_EQ(sTexto.size(), 20u);
    EXPECT_EQ(Dibujar(123456789), Esperadas(Caracteres(sTexto.substr(3))));
}

// A '|' typed into a custom sign is drawn as itself: no error box from inside a paint.
TEST_F(GlifosTest, SignMarkInsideACustomSignIsDrawnAsACharacter) {
    CGlobalCurrency::SetSimbolo("a|b");
    CGlobalCurrency::SetRelleno('#');
    EXPECT_EQ(Dibujar(1), Esperadas(Caracteres("##########a|b1.00")));
    EXPECT_TRUE(m_servicios.messages.empty());
}

// The glyph writer itself still reports a sign mark under a custom sign, and copies cell 0.
TEST_F(GlifosTest, GlyphWriterReportsASignMarkUnderACustomSign) {
    CGlobalCurrency::SetSimbolo("EUR");
    RecordingDevice dc;
    CGlobalCurrency::WriteCharToDevice(dc, 5, 7, '|');
    const std::vector<RecordedCall> copias = dc.CallsOf(CallKind::BitBlt);
    ASSERT_EQ(copias.size(), 1u);
    EXPECT_EQ(copias[0].source, (Rect{0, 0, 22, 39}));
    EXPECT_EQ(m_servicios.messages,
              std::vector<std::string>{"Error en moneda CGlobalCurrency::WriteCharToDevice"});
}

}  // namespace
