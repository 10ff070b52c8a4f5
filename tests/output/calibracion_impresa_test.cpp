// The correction at the level of the printed page: a printer that moves the page 3 mm and
// shrinks it by 2 % is simulated by printing through its own distortion into a PDF; the frame
// of the receipt is found on the page rendered at 10 pixels per millimetre.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "output/calibracion.h"
#include "output/dibujarrecibo.h"
#include "platform/qt/painter_device.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"

namespace {

constexpr double kEscalaImpresora = 0.98;
constexpr double kDesplazamientoImpresora = 3.0;  // mm, right and down

// Where the frame's cyan shows on a rendered page, in pixels (0.1 mm).
struct Extremos {
    int nIzquierda = -1, nDerecha = -1, nArriba = -1, nAbajo = -1;
};

class PaginaCorregidaTest : public ::testing::Test {
  protected:
    // A printer writing a PDF file, its printable area 4 mm from the left edge and 3 mm from the
    // top edge, as a printer's margins put it.
    std::unique_ptr<QPrinter> Impresora() const {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(QString::fromStdString(Pdf()));
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                           QMarginsF(4, 3, 4, 3), QPageLayout::Millimeter));
        return printer;
    }

    // The receipt printed through the correction and then through the printer's own
    // distortion, both as one painter transform: v = s * u + d, then 0.98 * v + 3 mm.
    Extremos Imprimir(const CalibracionImpresora& c, const EsquinaEsperada& e) const {
        const CalibracionImpresora total{
            static_cast<std::int32_t>(
                std::lround(kEscalaImpresora * c.nDesplazamientoX + kDesplazamientoImpresora * 10)),
            static_cast<std::int32_t>(
                std::lround(kEscalaImpresora * c.nDesplazamientoY + kDesplazamientoImpresora * 10)),
            static_cast<std::int32_t>(std::lround(kEscalaImpresora * c.nEscalaX)),
            static_cast<std::int32_t>(std::lround(kEscalaImpresora * c.nEscalaY))};
        {
            const std::unique_ptr<PrintDevice> dc = WrapPrinter(Impresora(), total);
            EXPECT_GT(dc->StartDoc("Recibo"), 0);
            dc->StartPage();
            DibujarRecibo(ReciboData{}, AparienciaRecibo{}, Ajustes(MonedaDePrueba{}), *dc);
            dc->EndPage();
            EXPECT_GT(dc->EndDoc(), 0);
        }
        return Medir(e);
    }

    // The frame's extents, scanned along lines through where it belongs.
    Extremos Medir(const EsquinaEsperada& esquina) const {
        const std::string sPng = m_carpeta.Ruta() + "/pagina";
        const std::string sOrden =
            "pdftoppm -r 254 -singlefile -png '" + Pdf() + "' '" + sPng + "'";
        EXPECT_EQ(std::system(sOrden.c_str()), 0);
        const QImage pagina(QString::fromStdString(sPng + ".png"));
        EXPECT_FALSE(pagina.isNull());
        auto esCian = [&](int x, int y) {
            const QColor c = pagina.pixelColor(x, y);
            return std::abs(c.red() - 200) < 12 && c.green() > 240 && c.blue() > 240;
        };
        Extremos e;
        // Across the payer's rows (cyan at both ends of the frame), and down the strip left of
        // the boxes: lines that cross the frame wherever a few millimetres have moved it.
        const int yBanda = static_cast<int>(std::lround(esquina.dArriba * 10)) + 630;
        const int xFranja = static_cast<int>(std::lround(esquina.dIzquierda * 10)) + 150;
        for (int x = 0; x < pagina.width(); ++x) {
            if (esCian(x, yBanda)) {
                e.nIzquierda = e.nIzquierda < 0 ? x : e.nIzquierda;
                e.nDerecha = x;
            }
        }
        for (int y = 0; y < 1400; ++y) {
            if (esCian(xFranja, y)) {
                e.nArriba = e.nArriba < 0 ? y : e.nArriba;
                e.nAbajo = y;
            }
        }
        return e;
    }

    std::string Pdf() const { return m_carpeta.Ruta() + "/pagina.pdf"; }

    CarpetaTemporal m_carpeta;
};

TEST_F(PaginaCorregidaTest, FrameCornersLandWithin03MmOfTheirPlaces) {
    // Where the frame belongs on the sheet: the printable area's start plus the frame.
    const EsquinaEsperada esperada = EsquinaEnHoja(*WrapPrinter(Impresora(), {}));
    ASSERT_NEAR(esperada.dIzquierda, 4.0 + 5.0, 0.2);  // the margins as whole points
    ASSERT_NEAR(esperada.dArriba, 3.0 + 2.0, 0.2);
    const int nIzquierda = static_cast<int>(std::lround(esperada.dIzquierda * 10));
    const int nArriba = static_cast<int>(std::lround(esperada.dArriba * 10));
    // Uncorrected, the printer misplaces the frame by millimetres.
    const Extremos sin = Imprimir({}, esperada);
    EXPECT_GT(std::abs(sin.nIzquierda - nIzquierda), 25);
    EXPECT_GT(std::abs(sin.nDerecha - (nIzquierda + 1938)), 5);
    // What the user measures on that page, and the correction it gives.
    const MedidasCalibracion medidas{sin.nIzquierda / 10.0, sin.nArriba / 10.0,
                                     kEscalaImpresora * 100, kEscalaImpresora * 100};
    const std::optional<CalibracionImpresora> c = CalibracionMedida({}, medidas, esperada);
    ASSERT_TRUE(c.has_value());
    const Extremos con = Imprimir(*c, esperada);
    EXPECT_NEAR(con.nIzquierda, nIzquierda, 3);
    EXPECT_NEAR(con.nDerecha, nIzquierda + 1938, 3);
    EXPECT_NEAR(con.nArriba, nArriba, 3);
    EXPECT_NEAR(con.nAbajo, nArriba + 858, 3);
    std::printf(
        "uncorrected frame: x %d..%d, y %d..%d; corrected: x %d..%d, y %d..%d "
        "(0.1 mm; belongs at x %d..%d, y %d..%d)\n",
        sin.nIzquierda, sin.nDerecha, sin.nArriba, sin.nAbajo, con.nIzquierda, con.nDerecha,
        con.nArriba, con.nAbajo, nIzquierda, nIzquierda + 1938, nArriba, nArriba + 858);
}

}  // namespace
