// The correction worked out from a calibration page, checked on simulated printers that move
// and stretch what they are given, and the page itself as drawn.
#include "output/calibracion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "output/disposicion_recibo.h"
#include "platform/recording_device.h"
#include "tests/support/fila.h"

namespace {

// A printer that puts the surface's point v (mm) at inicio + escala * v + desplazamiento on the
// sheet, along one axis.
struct EjeImpresora {
    double dInicio;  // where its printable surface starts on the sheet
    double dEscala;
    double dDesplazamiento;
    double EnHoja(double v) const { return dInicio + dEscala * v + dDesplazamiento; }
};

// The point u of the page, drawn through the correction (scale, then offset) and printed.
double Impreso(const EjeImpresora& eje, std::int32_t nEscala, std::int32_t nDesplazamiento,
               double u) {
    return eje.EnHoja(u * nEscala / 10000.0 + nDesplazamiento / 10.0);
}

// What a user measures on the calibration page printed under the correction c.
MedidasCalibracion Medir(const EjeImpresora& x, const EjeImpresora& y,
                         const CalibracionImpresora& c) {
    const double dEsquinaX = disposicion::kMarco.left / 10.0;
    const double dEsquinaY = disposicion::kMarco.top / 10.0;
    return {Impreso(x, c.nEscalaX, c.nDesplazamientoX, dEsquinaX),
            Impreso(y, c.nEscalaY, c.nDesplazamientoY, dEsquinaY),
            Impreso(x, c.nEscalaX, c.nDesplazamientoX, dEsquinaX + 100) -
                Impreso(x, c.nEscalaX, c.nDesplazamientoX, dEsquinaX),
            Impreso(y, c.nEscalaY, c.nDesplazamientoY, dEsquinaY + 100) -
                Impreso(y, c.nEscalaY, c.nDesplazamientoY, dEsquinaY)};
}

struct FilaImpresora : Fila {
    EjeImpresora x, y;
    CalibracionImpresora anterior;  // the correction stored when the page was printed
};

const FilaImpresora kImpresoras[] = {
    {"Shifts3mmShrinks2Percent", {0, 0.98, 3}, {0, 0.98, 3}, {}},
    {"ShiftsBackGrows1Percent", {0, 1.01, -2.5}, {0, 1.01, -1.5}, {}},
    {"WithMarginsOf4mm", {4.2, 0.98, 3}, {4.0, 0.98, 3}, {}},
    {"AxesDiffer", {3.5, 1.015, -1}, {5, 0.985, 2.2}, {}},
    {"OverAnOldCorrection", {4.2, 0.98, 3}, {4.0, 0.98, 3}, {-10, 25, 10100, 9900}},
};

class CalibracionMedidaTest : public ::testing::TestWithParam<FilaImpresora> {};

// The frame's four corners land within 0.3 mm of where an exact printer puts them.
TEST_P(CalibracionMedidaTest, FrameCornersLandWhereTheyBelong) {
    const FilaImpresora& f = GetParam();
    const EsquinaEsperada esperada{f.x.dInicio + disposicion::kMarco.left / 10.0,
                                   f.y.dInicio + disposicion::kMarco.top / 10.0};
    const std::optional<CalibracionImpresora> c =
        CalibracionMedida(f.anterior, Medir(f.x, f.y, f.anterior), esperada);
    ASSERT_TRUE(c.has_value());
    for (const int nX : {disposicion::kMarco.left, disposicion::kMarco.right}) {
        const double u = nX / 10.0;
        EXPECT_NEAR(Impreso(f.x, c->nEscalaX, c->nDesplazamientoX, u), f.x.dInicio + u, 0.3)
            << "x " << u;
    }
    for (const int nY : {disposicion::kMarco.top, disposicion::kMarco.bottom}) {
        const double u = nY / 10.0;
        EXPECT_NEAR(Impreso(f.y, c->nEscalaY, c->nDesplazamientoY, u), f.y.dInicio + u, 0.3)
            << "y " << u;
    }
    // Measured again under the new correction, the page asks for no further change.
    const std::optional<CalibracionImpresora> otra =
        CalibracionMedida(*c, Medir(f.x, f.y, *c), esperada);
    ASSERT_TRUE(otra.has_value());
    EXPECT_LE(std::abs(otra->nDesplazamientoX - c->nDesplazamientoX), 1);
    EXPECT_LE(std::abs(otra->nEscalaY - c->nEscalaY), 2);
}

INSTANTIATE_TEST_SUITE_P(Impresoras, CalibracionMedidaTest, ::testing::ValuesIn(kImpresoras),
                         ::testing::PrintToStringParamName());

TEST(CalibracionMedidaTest, AnExactPrinterNeedsNoCorrection) {
    const std::optional<CalibracionImpresora> c = CalibracionMedida({}, {5, 2, 100, 100}, {5, 2});
    ASSERT_TRUE(c.has_value());
    EXPECT_TRUE(c->Neutra());
}

TEST(CalibracionMedidaTest, MeasuresNoPrinterCanNeedAreRefused) {
    const EsquinaEsperada esperada{5, 2};
    for (const MedidasCalibracion& m :
         {MedidasCalibracion{5, 2, 0, 100}, MedidasCalibracion{5, 2, 100, -100},
          MedidasCalibracion{5, 2, 50, 100}, MedidasCalibracion{5, 2, 100, 150},
          MedidasCalibracion{80, 2, 100, 100}, MedidasCalibracion{5, NAN, 100, 100},
          MedidasCalibracion{5, 2, INFINITY, 100}}) {
        EXPECT_FALSE(CalibracionMedida({}, m, esperada).has_value())
            << m.dIzquierda << " " << m.dArriba << " " << m.dReglaHorizontal << " "
            << m.dReglaVertical;
    }
}

TEST(CalibracionMedidaTest, TheCornerBelongsAtTheFrameCornerPlusThePrintersMargin) {
    // A printable area on A4 at 600 dpi, starting 100 pixels from the left edge and 50 from
    // the top.
    const RecordingDevice dc({202, 293, 4760, 6914, false, 100, 50});
    EXPECT_NEAR(EsquinaEnHoja(dc).dIzquierda, 5.0 + 100.0 * 202 / 4760, 1e-9);
    EXPECT_NEAR(EsquinaEnHoja(dc).dArriba, 2.0 + 50.0 * 293 / 6914, 1e-9);
    EXPECT_NEAR(EsquinaEnHoja(RecordingDevice()).dIzquierda, 5.0, 1e-9);
}

// The page: the frame, a cross on its corner, two rulers of 101 ticks from the corner, and the
// instructions naming where the corner belongs.
TEST(PaginaCalibracionTest, DrawsFrameCrossRulersAndInstructions) {
    RecordingDevice dc;
    DibujarPaginaCalibracion(dc);
    const auto rects = dc.CallsOf(CallKind::Rectangle);
    const Rect marco = disposicion::kMarco;
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects.front().rect, marco);
    auto cuantos = [&](auto predicado) {
        return std::count_if(rects.begin(), rects.end(), predicado);
    };
    // Horizontal ruler ticks hang from the top edge, one per millimetre to 100 mm.
    auto marca = [](int nLargo) { return nLargo == 20 || nLargo == 35 || nLargo == 50; };
    EXPECT_EQ(cuantos([&](const RecordedCall& r) {
                  return r.rect.top == marco.top && r.rect.right - r.rect.left == 2 &&
                         marca(r.rect.bottom - r.rect.top);
              }),
              101);
    EXPECT_EQ(cuantos([&](const RecordedCall& r) {
                  return r.rect.left == marco.left && r.rect.bottom - r.rect.top == 2 &&
                         marca(r.rect.right - r.rect.left);
              }),
              101);
    // The last tick of each ruler is 100 mm from the corner.
    EXPECT_EQ(cuantos([&](const RecordedCall& r) {
                  return r.rect.left == marco.left + 1000 - 1 && r.rect.top == marco.top;
              }),
              1);
    EXPECT_EQ(cuantos([&](const RecordedCall& r) {
                  return r.rect.top == marco.top + 1000 - 1 && r.rect.left == marco.left;
              }),
              1);
    // The cross: a long bar each way through the corner.
    EXPECT_EQ(cuantos([&](const RecordedCall& r) {
                  return r.rect.left < marco.left - 40 && r.rect.right > marco.left + 40 &&
                         r.rect.top < marco.top && r.rect.bottom > marco.top;
              }),
              1);
    std::string sTextos;
    for (const RecordedCall& t : dc.CallsOf(CallKind::DrawText)) {
        sTextos += t.text + "\n";
    }
    EXPECT_NE(sTextos.find("P\xE1gina de calibraci\xF3n"), std::string::npos);
    EXPECT_NE(sTextos.find("a 5,0 mm del borde izquierdo y a 2,0 mm del superior"),
              std::string::npos);
    EXPECT_NE(sTextos.find("\n10\n"), std::string::npos);  // the rulers' centimetres
}

TEST(PaginaCalibracionTest, IsADocumentOfItsOwnWithOnePage) {
    RecordingDevice dc;
    ASSERT_TRUE(ImprimirPaginaCalibracion(dc));
    EXPECT_EQ(dc.CallsOf(CallKind::StartDoc).size(), 1u);
    EXPECT_EQ(dc.CallsOf(CallKind::StartPage).size(), 1u);
    EXPECT_EQ(dc.CallsOf(CallKind::EndDoc).size(), 1u);
    RecordingDevice falla;
    falla.SetStartDocResult(0);
    EXPECT_FALSE(ImprimirPaginaCalibracion(falla));
    EXPECT_TRUE(falla.CallsOf(CallKind::Rectangle).empty());
}

TEST(CalibracionTextoTest, ReadsAsTheUserTypesNumbers) {
    EXPECT_EQ(TextoCalibracion({-30, 15, 10204, 9950}),
              "desplazamiento -3,0 mm, 1,5 mm; escala 102,04 %, 99,50 %");
}

}  // namespace
