// The total in words on the receipt: drawn only when the look asks for it (in force when
// ajustes::kImporteEnLetra is 1), on the last line of the concepts box, in the concepts' font,
// shrunk to fit its line.
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "money/globalcurrency.h"
#include "output/apariencia_recibo.h"
#include "output/dibujarrecibo.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"

namespace {

// Stored as text, so that values that are no number can be tried too.
constexpr AjusteTexto kEnLetra = ajustes::kImporteEnLetra.ComoTexto();
constexpr Rect kCajaConceptos{400, 220, 1950, 470};

std::string Linea(const std::string& sTexto, const Rect& r, int nFormato, int nAlto = 40) {
    return "text '" + sTexto + "' [" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + "] format " +
           std::to_string(nFormato) + " Times New Roman/" + std::to_string(nAlto) + "/0 bk1";
}

// Dollars named euro, so that the words name their units.
AjustesMoneda Moneda(const char* sNombre, const std::string& sSimbolo = "$") {
    AjustesMoneda a = kDolares;
    a.sNombreMoneda = sNombre;
    a.sSimbolo = sSimbolo;
    return a;
}

AparienciaRecibo ConLetra(bool bImporteEnLetra) {
    AparienciaRecibo apariencia;
    apariencia.bImporteEnLetra = bImporteEnLetra;
    return apariencia;
}

class ImporteEnLetraReciboTest : public SalidaTest {
  protected:
    static RecordingDevice Dibujado(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                                    const AjustesMoneda& ajustesMoneda = Moneda("euro")) {
        RecordingDevice dc;
        DibujarRecibo(recibo, apariencia, ajustesMoneda, dc);
        return dc;
    }
    static std::vector<std::string> Llamadas(const ReciboData& recibo,
                                             const AparienciaRecibo& apariencia) {
        return Descritas(Dibujado(recibo, apariencia).Calls());
    }
    // The text drawn in the words' rectangle, if any.
    static std::optional<RecordedCall> Palabras(const RecordingDevice& dc) {
        for (const RecordedCall& c : dc.CallsOf(CallKind::DrawText)) {
            if (c.text.rfind("Son: ", 0) == 0) {
                return c;
            }
        }
        return std::nullopt;
    }
};

// Absent, 0 or anything but 1 draws the receipt call for call as it always was.
TEST_F(ImporteEnLetraReciboTest, AnyValueButOneLeavesTheReceiptAsItWas) {
    const ReciboData recibo = ReciboCompleto();
    const std::vector<std::string> sinClave = Llamadas(recibo, AparienciaEnVigor());
    EXPECT_EQ(sinClave, Llamadas(recibo, ConLetra(false)));
    for (const char* sValor : {"0", "", "2", "-1", "x", "no"}) {
        kEnLetra.Escribir(sValor);
        EXPECT_EQ(Llamadas(recibo, AparienciaEnVigor()), sinClave) << "'" << sValor << "'";
    }
    EXPECT_FALSE(Palabras(Dibujado(recibo, AparienciaEnVigor())).has_value());
    kEnLetra.Escribir("1");
    EXPECT_TRUE(AparienciaEnVigor().bImporteEnLetra);
}

// With 1 the six lines close up to 35 units apart and the words follow on the seventh; every
// other call stays as it was.
TEST_F(ImporteEnLetraReciboTest, OneDrawsTheWordsBelowTheSixthLineInTheConceptsFont) {
    const ReciboData recibo = ReciboCompleto();
    std::vector<std::string> esperadas = Llamadas(recibo, ConLetra(false));
    const auto primera = std::find(esperadas.begin(), esperadas.end(),
                                   Linea("Cuota de diciembre", {420, 225, 1640, 265}, 0));
    ASSERT_NE(primera, esperadas.end());
    const auto despues = esperadas.erase(primera, primera + 9);
    esperadas.insert(despues, {
                                  Linea("Cuota de diciembre", {420, 221, 1640, 261}, 0),
                                  Linea("10.00", {1650, 221, 1930, 261}, 2),
                                  Linea("Sin importe", {420, 256, 1640, 296}, 0),
                                  Linea("Derrama", {420, 291, 1640, 331}, 0),
                                  Linea("2.50", {1650, 291, 1930, 331}, 2),
                                  Linea("Obras del portal", {420, 361, 1640, 401}, 0),
                                  Linea("1,234.50", {1650, 361, 1930, 401}, 2),
                                  Linea("Descuento", {420, 396, 1640, 436}, 0),
                                  Linea("(1.25)", {1650, 396, 1930, 436}, 2),
                                  "font Times New Roman/36/0",
                                  Linea("Son: mil doscientos cuarenta y cinco euros con setenta "
                                        "y cinco c\xE9ntimos",
                                        {420, 432, 1930, 469}, 0, 36),
                                  "font Times New Roman/40/0",
                              });
    EXPECT_EQ(Llamadas(recibo, ConLetra(true)), esperadas);
}

// The face's own metrics, in logical units, for a cell height.
struct Medidas {
    double ascenso, avance, tintaArriba, tintaAbajo;  // ink relative to the baseline
};
Medidas Medir(const std::string& sTexto, int nAlto) {
    QFont fuente("Times New Roman");
    fuente.setPixelSize(1000);
    const QFontMetricsF m(fuente);
    const double escala = nAlto / m.height();
    const QString s = QString::fromLatin1(sTexto.data(), static_cast<qsizetype>(sTexto.size()));
    const QRectF tinta = m.tightBoundingRect(s);
    return {m.ascent() * escala, m.horizontalAdvance(s) * escala, tinta.top() * escala,
            tinta.bottom() * escala};
}

// The words' ink lies inside the concepts box, below the ink of a sixth line with descenders.
TEST_F(ImporteEnLetraReciboTest, TheWordsInkStaysInsideTheBoxAndClearOfTheSixthLine) {
    ReciboData recibo = ReciboCompleto();
    recibo.sConcepto6 = "Gastos, pagos y cuotas: jq";
    recibo.cuImporte = Importe(-1999.99);
    const RecordingDevice dc = Dibujado(recibo, ConLetra(true));
    const std::optional<RecordedCall> palabras = Palabras(dc);
    ASSERT_TRUE(palabras.has_value());
    const Rect r = palabras->rect;
    EXPECT_EQ(palabras->font.height, 36);
    EXPECT_TRUE(r.left >= kCajaConceptos.left && r.right <= kCajaConceptos.right &&
                r.top > kCajaConceptos.top && r.bottom < kCajaConceptos.bottom);
    const std::vector<RecordedCall> textos = dc.CallsOf(CallKind::DrawText);
    const auto sexta = std::find_if(textos.begin(), textos.end(), [&](const RecordedCall& c) {
        return c.text == recibo.sConcepto6;
    });
    ASSERT_NE(sexta, textos.end());
    const Medidas m6 = Medir(sexta->text, sexta->font.height);
    const Medidas mp = Medir(palabras->text, palabras->font.height);
    const double fondoSexta = sexta->rect.top + m6.ascenso + m6.tintaAbajo;
    const double cimaPalabras = r.top + mp.ascenso + mp.tintaArriba;
    const double fondoPalabras = r.top + mp.ascenso + mp.tintaAbajo;
    EXPECT_LT(fondoSexta, cimaPalabras);
    EXPECT_LE(fondoPalabras, kCajaConceptos.bottom);
    EXPECT_LE(mp.avance, r.right - r.left);
}

// Long totals take a smaller cell, just small enough for the line; short ones the medium one.
TEST_F(ImporteEnLetraReciboTest, LongTotalsShrinkToFitTheLine) {
    const struct {
        const char* sMoneda;
        std::int64_t nValor;
        bool bReducida;
    } casos[] = {
        {"euro", 12345600, false},     {"euro", 77777777700, true}, {"peso", 24378999900, true},
        {"d\xF3lar", INT64_MIN, true}, {"libra", INT64_MAX, true},  {"", INT64_MIN, true},
    };
    for (const auto& c : casos) {
        ReciboData recibo;
        recibo.cuImporte.SetValor(c.nValor);
        const RecordingDevice dc = Dibujado(recibo, ConLetra(true), Moneda(c.sMoneda));
        const std::optional<RecordedCall> palabras = Palabras(dc);
        ASSERT_TRUE(palabras.has_value()) << c.nValor;
        SCOPED_TRACE(palabras->text);
        const int nAlto = palabras->font.height;
        const int nAncho = palabras->rect.right - palabras->rect.left;
        EXPECT_EQ(nAlto < 36, c.bReducida);
        EXPECT_LE(Medir(palabras->text, nAlto).avance, nAncho);
        // Not shrunk further than needed: two units more would fill most of the line.
        if (c.bReducida) {
            EXPECT_GT(Medir(palabras->text, nAlto + 2).avance, nAncho * 0.9);
        }
        // The medium font is current again for the address.
        const std::vector<RecordedCall> textos = dc.CallsOf(CallKind::DrawText);
        const auto siguiente = std::find_if(
            textos.begin(), textos.end(), [](const RecordedCall& t) { return t.rect.top >= 505; });
        EXPECT_TRUE(siguiente == textos.end() || siguiente->font.height == 40);
        EXPECT_EQ(dc.Calls().back().font.height, 0);
    }
}

// The glyph-drawn total under a standard sign has its words all the same.
TEST_F(ImporteEnLetraReciboTest, WordsAreDrawnUnderAStandardSignToo) {
    ReciboData recibo;
    recibo.cuImporte = Importe(21);
    const std::optional<RecordedCall> palabras =
        Palabras(Dibujado(recibo, ConLetra(true), Moneda("", "|A")));
    ASSERT_TRUE(palabras.has_value());
    EXPECT_EQ(palabras->text, "Son: veintiuno");
}

}  // namespace
