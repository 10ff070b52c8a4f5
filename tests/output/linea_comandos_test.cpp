// The built program run from the command line: options, exit statuses, and the PDF it writes
// checked with poppler (pdfinfo, pdftotext -bbox, pdftoppm) against the receipt's layout.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/programa.h"
#include "version/brixamo_version.h"

namespace {

TEST_F(LineaComandosTest, InformationOptionsAndUsageErrors) {
    const Salida version = Brixamo("--version");
    EXPECT_EQ(version.nEstado, 0);
    EXPECT_EQ(version.sSalida.substr(0, version.sSalida.find('\n')),
              std::string("brixamo ") + BRIXAMO_VERSION);
    EXPECT_NE(version.sSalida.find("\nLicense GPL-3.0-or-later: GNU GPL version 3 or later"),
              std::string::npos)
        << version.sSalida;

    const Salida ayuda = Brixamo("--help");
    EXPECT_EQ(ayuda.nEstado, 0);
    EXPECT_NE(ayuda.sSalida.find("--pdf <FILE>"), std::string::npos);
    EXPECT_NE(ayuda.sSalida.find("Usage: brixamo [options] [PRINTER]"), std::string::npos);

    for (const char* sMal :
         {"--nada", "--pdf", "--pdf a.pdf b.pdf", "--print a b", "-x", "--version 2"}) {
        const Salida mal = Brixamo(sMal);
        EXPECT_EQ(mal.nEstado, 2) << sMal;
        EXPECT_NE(mal.sErrores.find("Try 'brixamo --help'"), std::string::npos) << sMal;
        EXPECT_TRUE(mal.sSalida.empty()) << sMal;
    }
}

TEST_F(LineaComandosTest, UnwritableFileAndUnknownPrinterFailWithAMessage) {
    const std::pair<std::string, std::string> casos[] = {
        {"--pdf /no-such-folder/recibo.pdf",
         "cannot write the PDF file '/no-such-folder/recibo.pdf'"},
        {"--print brixamo-no-such-queue", "no printer named 'brixamo-no-such-queue'"},
    };
    for (const auto& [sArgumentos, sMensaje] : casos) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_NE(salida.nEstado, 0) << sArgumentos;
        EXPECT_NE(salida.sErrores.find(sMensaje), std::string::npos) << salida.sErrores;
    }
}

// Without a display the program never tries a windowing platform, even one asked for.
TEST_F(LineaComandosTest, PdfNeedsNoDisplay) {
    const Salida salida = Ejecutar("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb '" +
                                   std::string(BRIXAMO_EXE) + "' --pdf sin-pantalla.pdf");
    EXPECT_EQ(salida.nEstado, 0) << salida.sErrores;
    EXPECT_FALSE(BytesDe(m_carpeta.Ruta() + "/sin-pantalla.pdf").empty());
}

class PdfTest : public LineaComandosTest {
  protected:
    PdfTest() {
        GuardarIdiomaYMoneda({.nRelleno = '*'});
        const std::pair<AjusteTexto, const char*> campos[] = {
            {ajustes::kDefNumero, "Recibo"},          {ajustes::kNumero, "A-0017"},
            {ajustes::kLocalidad, "Pontevedra"},      {ajustes::kVencimiento, "31/12/2026"},
            {ajustes::kConcepto1, "Cuota mensual"},   {ajustes::kImporte1, "1,234.5"},
            {ajustes::kConcepto3, "Fianza & gastos"}, {ajustes::kImporte3, "20"},
            {ajustes::kCobrador2, "Comunidad Norte"}};
        for (const auto& [ajuste, sValor] : campos) {
            ajuste.Escribir(sValor);
        }
        ajustes::kTexto2.Escribir("Gracias");
    }

    std::string Pdf() {
        std::string sPdf = m_carpeta.Ruta() + "/recibo.pdf";
        const Salida salida = Brixamo("--pdf '" + sPdf + "'");
        EXPECT_EQ(salida.nEstado, 0) << salida.sErrores;
        return sPdf;
    }
};

TEST_F(PdfTest, OnePageTitledImprimientoRecibo) {
    const std::string sPdf = Pdf();
    const Salida info = Ejecutar("pdfinfo '" + sPdf + "'");
    ASSERT_EQ(info.nEstado, 0) << info.sErrores;
    for (const char* sPatron : {"Title: +Imprimiento Recibo\n", "Pages: +1\n",
                                "Page size: +595(\\.[0-9]+)? x 84[12](\\.[0-9]+)? pts \\(A4\\)"}) {
        EXPECT_TRUE(std::regex_search(info.sSalida, std::regex(sPatron))) << info.sSalida;
    }
}

// Each text within 0.5 mm of its rectangle's place: the page has no margins, so a logical
// unit of 0.1 mm counts from the page's corner.
TEST_F(PdfTest, TextsLieAtTheirRectanglesPhysicalPlaces) {
    const std::string sPdf = Pdf();
    const Salida bbox = Ejecutar("pdftotext -bbox '" + sPdf + "' -");
    ASSERT_EQ(bbox.nEstado, 0) << bbox.sErrores;
    const std::vector<Palabra> palabras = Palabras(bbox.sSalida);

    enum Alineado { kIzquierda, kCentro, kDerecha };
    struct Caso {
        std::string sTexto;
        double l, t, r;  // mm
        Alineado alineado;
    };
    const Caso casos[] = {
        {"Recibo", 41, 5.5, 74, kIzquierda},
        {"vencimiento", 121, 14, 194, kIzquierda},
        {"domicilio", 41, 47.5, 194, kIzquierda},
        {"A-0017", 41, 8.5, 73, kDerecha},
        {"Pontevedra", 76, 8.5, 154, kCentro},
        {"*******$1,254.50", 156, 7.5, 194, kDerecha},
        {"31/12/2026", 121, 17, 194, kCentro},
        {"Cuota mensual", 42, 22.5, 164, kIzquierda},
        {"1,234.50", 165, 22.5, 193, kDerecha},
        {"Fianza & gastos", 42, 30.5, 164, kIzquierda},
        {"Comunidad Norte", 122, 66.5, 194, kIzquierda},
    };
    constexpr double kTolerancia = 0.5;
    for (const Caso& c : casos) {
        const std::optional<Palabra> p = Buscar(palabras, c.sTexto);
        ASSERT_TRUE(p.has_value()) << c.sTexto << "\n" << bbox.sSalida;
        const double medido[] = {p->x0, (p->x0 + p->x1) / 2, p->x1};
        const double esperado[] = {c.l, (c.l + c.r) / 2, c.r};
        EXPECT_NEAR(medido[c.alineado], esperado[c.alineado], kTolerancia) << c.sTexto;
        EXPECT_NEAR(p->y0, c.t, kTolerancia) << c.sTexto;
    }

    // The free text reads upward, centred across its column (18 to 33 mm), from its bottom.
    const std::optional<Palabra> libre = Buscar(palabras, "Gracias");
    ASSERT_TRUE(libre.has_value());
    EXPECT_GT(libre->y1 - libre->y0, libre->x1 - libre->x0);
    EXPECT_NEAR((libre->x0 + libre->x1) / 2, 25.5, kTolerancia);
    EXPECT_NEAR(libre->y1, 77, kTolerancia);
}

// With the amount in words absent or 0 the PDF is the same, byte for byte, but for its date.
TEST_F(PdfTest, AmountInWordsAbsentOrZeroWritesTheSamePdf) {
    const auto sinFecha = [](const std::string& sPdf) {
        return std::regex_replace(BytesDe(sPdf), std::regex("/CreationDate \\(D:[0-9Z+'-]*\\)"),
                                  "");
    };
    const std::string sAusente = sinFecha(Pdf());
    ASSERT_NE(sAusente.find("%PDF"), std::string::npos);
    ajustes::kImporteEnLetra.ComoTexto().Escribir("0");
    EXPECT_EQ(sinFecha(Pdf()), sAusente);
    ajustes::kImporteEnLetra.ComoTexto().Escribir("1");
    EXPECT_NE(sinFecha(Pdf()), sAusente);
}

// With 1 the words lie on the last line of the concepts box (22 to 47 mm), the concept lines
// 3.5 mm apart from 22.1 mm.
TEST_F(PdfTest, AmountInWordsLiesOnTheLastLineOfTheConceptsBox) {
    ajustes::kImporteEnLetra.ComoTexto().Escribir("1");
    ajustes::kNombreMoneda.Escribir("Euros");
    const Salida bbox = Ejecutar("pdftotext -bbox '" + Pdf() + "' -");
    ASSERT_EQ(bbox.nEstado, 0) << bbox.sErrores;
    const std::vector<Palabra> palabras = Palabras(bbox.sSalida);
    const std::optional<Palabra> letra = Buscar(
        palabras, "Son: mil doscientos cincuenta y cuatro euros con cincuenta c\u00e9ntimos");
    const std::optional<Palabra> tercera = Buscar(palabras, "Fianza & gastos");
    ASSERT_TRUE(letra && tercera) << bbox.sSalida;
    EXPECT_NEAR(letra->x0, 42, 0.5);
    EXPECT_NEAR(letra->y0, 43.2, 0.5);
    EXPECT_LT(letra->y1, 47);
    EXPECT_NEAR(tercera->y0, 29.1, 0.5);
}

// Rendered at 254 dpi one pixel is 0.1 mm: the frame spans 193.9 x 85.9 mm from (5, 2) mm.
TEST_F(PdfTest, FrameHasItsPhysicalSize) {
    const std::string sPdf = Pdf();
    const std::string sPng = m_carpeta.Ruta() + "/pagina";
    ASSERT_EQ(Ejecutar("pdftoppm -r 254 -singlefile -png '" + sPdf + "' '" + sPng + "'").nEstado,
              0);
    const QImage pagina(QString::fromStdString(sPng + ".png"));
    ASSERT_FALSE(pagina.isNull());
    auto esCian = [&](int x, int y) {
        const QColor c = pagina.pixelColor(x, y);
        return std::abs(c.red() - 200) < 12 && c.green() > 240 && c.blue() > 240;
    };
    // The first and last of 0..n-1 where the frame's cyan shows.
    auto extremos = [](int n, auto cian) {
        std::pair<int, int> e{-1, -1};
        for (int i = 0; i < n; ++i) {
            e = cian(i) ? std::make_pair(e.first < 0 ? i : e.first, i) : e;
        }
        return e;
    };
    // Along y = 56.7 mm (the band between the address and payer boxes), and along x = 5.5 mm,
    // in the strip left of the boxes.
    const auto [nIzquierda, nDerecha] =
        extremos(pagina.width(), [&](int x) { return esCian(x, 567); });
    const auto [nArriba, nAbajo] = extremos(1000, [&](int y) { return esCian(55, y); });
    EXPECT_NEAR(nIzquierda, 50, 2);
    EXPECT_NEAR(nDerecha, 1988, 2);
    EXPECT_NEAR(nArriba, 20, 2);
    EXPECT_NEAR(nAbajo, 878, 2);
}

// A full-colour logo of 300 x 750 pixels reaches the PDF as its own pixels: pdfimages finds it
// there unaltered, where a lossy encoding would change most of this fine-grained picture.
TEST_F(PdfTest, FullColourLogoIsEmbeddedPixelForPixel) {
    QImage logo(300, 750, QImage::Format_RGB888);
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            logo.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 3) % 256, (x * y) % 256));
        }
    }
    const QString sCarpeta = QString::fromStdString(m_carpeta.Ruta());
    const QString sLogo = sCarpeta + "/logo.bmp";
    ASSERT_TRUE(logo.save(sLogo, "BMP"));
    ASSERT_EQ(BytesDe(sLogo.toStdString())[28], 24);  // bits per pixel
    ajustes::kFileLogo.Escribir(sLogo.toStdString());
    const std::string sPdf = Pdf();
    ASSERT_EQ(Ejecutar("pdfimages -png '" + sPdf + "' '" + m_carpeta.Ruta() + "/imagen'").nEstado,
              0);
    QImage extraida;
    for (const QString& sNombre : QDir(sCarpeta).entryList({"imagen-*.png"})) {
        const QImage imagen(sCarpeta + "/" + sNombre);
        extraida = imagen.size() == logo.size() ? imagen : extraida;
    }
    ASSERT_FALSE(extraida.isNull());
    extraida.convertTo(QImage::Format_RGB888);
    int nDistintos = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            nDistintos += extraida.pixel(x, y) != logo.pixel(x, y);
        }
    }
    EXPECT_EQ(nDistintos, 0);
}

}  // namespace
