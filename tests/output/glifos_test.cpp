// The glyph writer: which cell of the glyph sheet lands at which x for a drawn amount.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "money/ui/glyphs.h"
#include "tests/output/entorno_salida.h"

namespace {

// A 22 x 39 cell of the sheet at (sx, sy), or none where nothing is copied.
using Celda = std::optional<std::pair<int, int>>;
using Fila = std::vector<Celda>;

// Character c is cell c + 9, in rows of 40 cells.
Fila Caracteres(const std::string& s) {
    Fila fila;
    for (const char c : s) {
        const int n = static_cast<unsigned char>(c) + 9;
        fila.push_back(std::make_pair((n % 40) * 22, (n / 40) * 39));
    }
    return fila;
}

// Sign k of the sign row.
Fila Signo(int k) {
    return {std::make_pair(22 * k, 312)};
}

Fila operator+(Fila a, const Fila& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The copies expected for a row drawn from (0, 7): one cell after another, 22 apart.
std::vector<std::string> Esperadas(const Fila& fila) {
    std::vector<RecordedCall> copias;
    for (std::size_t j = 0; j < fila.size(); ++j) {
        if (fila[j]) {
            const int x = 22 * static_cast<int>(j);
            const auto [sx, sy] = *fila[j];
            RecordedCall& copia = copias.emplace_back();
            copia.kind = CallKind::BitBlt;
            copia.rect = {x, 7, x + 22, 46};
            copia.source = {sx, sy, sx + 22, sy + 39};
            copia.bitmapWidth = 880;
            copia.bitmapHeight = 351;
        }
    }
    return Descritas(copias);
}

class GlifosTest : public SalidaTest {
  protected:
    static std::vector<std::string> Dibujar(double dValor, const AjustesMoneda& a) {
        RecordingDevice dc;
        moneda::DibujarImporte(Importe(dValor), dc, 0, 7, a);
        return Descritas(dc.CallsOf(CallKind::BitBlt));
    }
};

// The writer copies a character's cell of the sheet; a sign mark under a custom sign is
// reported and copies cell 0.
TEST_F(GlifosTest, WriterCopiesTheCharactersCellOfTheSheet) {
    RecordingDevice dc;
    AjustesMoneda a = kDolares;
    moneda::WriteCharToDevice(dc, 5, 7, '0', a);
    moneda::WriteCharToDevice(dc, 30, 7, 0xFF, a);
    EXPECT_TRUE(m_servicios.messages.empty());
    a.sSimbolo = "EUR";
    moneda::WriteCharToDevice(dc, 5, 7, '|', a);
    const std::vector<std::string> esperadas = {
        "bitblt [5,7,27,46] from [374,39,396,78] of 880x351",     // '0' is cell 57
        "bitblt [30,7,52,46] from [528,234,550,273] of 880x351",  // 255 is cell 264
        "bitblt [5,7,27,46] from [0,0,22,39] of 880x351",
    };
    EXPECT_EQ(Descritas(dc.Calls()), esperadas);
    EXPECT_EQ(m_servicios.messages,
              std::vector<std::string>{"Error en moneda CGlobalCurrency::WriteCharToDevice"});
}

TEST_F(GlifosTest, AmountRowsWithStandardAndCustomSigns) {
    struct Caso {
        const char* sNombre;
        std::string sSimbolo;
        int nRelleno, nPositivo, nNegativo;
        double dValor;
        Fila fila;
        std::string sMiles = ",";
    };
    const Fila kNada{std::nullopt};
    const Caso casos[] = {
        {"fill and euro glyph", "|A", '#', 0, 0, 12345.67,
         Caracteres("#######") + Signo(1) + Caracteres("12,345.67")},
        {"blank fill", "|A", ' ', 0, 0, 12345.67,
         Caracteres("       ") + Signo(1) + Caracteres("12,345.67")},
        {"negative mode 15", "|B", '#', 0, 15, -12345.67,
         Caracteres("####(12,345.67 ") + Signo(2) + Caracteres(")")},
        {"space kept after the sign", "|D", '*', 2, 0, 5,
         Caracteres("***********") + Signo(4) + Caracteres(" 5.00")},
        {"no sign at all", "|h", '#', 0, 0, 12345.67,
         Caracteres("#######") + kNada + Caracteres("12,345.67")},
        {"sign beyond the sheet", "|~", '#', 0, 0, 1,
         Caracteres("############") + kNada + Caracteres("1.00")},
        {"custom sign as text", "EUR", '#', 3, 0, 12345.67, Caracteres("####12,345.67 EUR")},
        // "123'456'789.00 Euros" is 20 characters: the last 17 are drawn.
        {"long text cut", "Euros", '#', 3, 0, 123456789, Caracteres("'456'789.00 Euros"), "'"},
        // A '|' typed into a custom sign is drawn as itself: no error box from inside a paint.
        {"sign mark in a custom sign", "a|b", '#', 0, 0, 1, Caracteres("##########a|b1.00")},
    };
    for (const Caso& c : casos) {
        AjustesMoneda a = kDolares;
        a.sSimbolo = c.sSimbolo;
        a.nRelleno = c.nRelleno;
        a.nModoPositivo = c.nPositivo;
        a.nModoNegativo = c.nNegativo;
        a.sSeparadorMiles = c.sMiles;
        ASSERT_EQ(c.fila.size(), 17u) << c.sNombre;
        EXPECT_EQ(Dibujar(c.dValor, a), Esperadas(c.fila)) << c.sNombre;
    }
    EXPECT_TRUE(m_servicios.messages.empty());
}

}  // namespace
