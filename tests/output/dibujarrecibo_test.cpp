// The receipt renderer on a recording device: mapping, frame, boxes, texts, total, logo and
// free texts, and the device's state handed back.
#include <QImage>
#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "money/globalcurrency.h"
#include "output/apariencia_recibo.h"
#include "output/dibujarrecibo.h"
#include "output/precarga_recibo.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/textos_dibujados.h"

namespace {

const std::string kCaja = " pen 0 rgb(0,0,0) brush solid rgb(255,255,255)";

std::string Texto(const std::string& s, const std::string& rect, int format, int alto,
                  int giro = 0) {
    return "text '" + s + "' " + rect + " format " + std::to_string(format) + " Times New Roman/" +
           std::to_string(alto) + "/" + std::to_string(giro) + " bk1";
}

RecordingDevice Dibujado(const ReciboData& recibo = {}, const AparienciaRecibo& apariencia = {},
                         const AjustesMoneda& ajustesMoneda = kDolares) {
    RecordingDevice dc;
    DibujarRecibo(recibo, apariencia, ajustesMoneda, dc);
    return dc;
}

// A currency setting changed from kDolares.
AjustesMoneda Dolares(std::string sSimbolo, int nRelleno, int nModoPositivo = 0) {
    AjustesMoneda a = kDolares;
    a.sSimbolo = std::move(sSimbolo);
    a.nRelleno = nRelleno;
    a.nModoPositivo = nModoPositivo;
    return a;
}

class DibujarReciboTest : public SalidaTest {};

// Every call of a full receipt, in order, with the default colours and no logo or free text.
TEST_F(DibujarReciboTest, FullReceiptDrawsEveryElementInOrder) {
    const std::vector<std::string> esperadas = {
        "anisotropic",
        "window [0,0,2100,2970]",
        "viewport [0,0,794,1123]",
        "pen 1 rgb(200,200,200)",
        "brush solid rgb(200,255,255)",
        "bkmode 1",
        "rectangle [50,20,1989,879] pen 1 rgb(200,200,200) brush solid rgb(200,255,255)",
        "pen 0 rgb(0,0,0)",
        "brush solid rgb(255,255,255)",
        "rectangle [400,50,750,135]" + kCaja,
        "rectangle [750,50,1550,135]" + kCaja,
        "rectangle [1550,50,1950,135]" + kCaja,
        "rectangle [400,135,1200,220]" + kCaja,
        "rectangle [1200,135,1950,220]" + kCaja,
        "rectangle [400,220,1950,470]" + kCaja,
        "rectangle [400,470,1950,555]" + kCaja,
        "rectangle [400,580,1200,800]" + kCaja,
        "font Times New Roman/30/0",
        Texto("Numero", "[410,55,740,80]", 0, 30),
        Texto("Localidad", "[760,55,1540,80]", 0, 30),
        Texto("Importe", "[1560,55,1940,80]", 0, 30),
        Texto("Fecha", "[410,140,1190,165]", 0, 30),
        Texto("Vencimiento", "[1210,140,1940,165]", 0, 30),
        Texto("Domicilio", "[410,475,1940,500]", 0, 30),
        "font Times New Roman/40/0",
        Texto("A-0017", "[410,85,730,130]", 2, 40),
        Texto("Vigo", "[760,85,1540,130]", 1, 40),
        "font Times New Roman/60/0",
        Texto("#######$1,245.75", "[1560,75,1940,130]", 2, 60),
        "font Times New Roman/40/0",
        Texto("09/12/2026", "[410,170,1190,215]", 1, 40),
        Texto("31/12/2026", "[1210,170,1940,215]", 1, 40),
        Texto("Cuota de diciembre", "[420,225,1640,265]", 0, 40),
        Texto("10.00", "[1650,225,1930,265]", 2, 40),
        Texto("Sin importe", "[420,265,1640,305]", 0, 40),
        Texto("Derrama", "[420,305,1640,345]", 0, 40),
        Texto("2.50", "[1650,305,1930,345]", 2, 40),
        Texto("Obras del portal", "[420,385,1640,425]", 0, 40),
        Texto("1,234.50", "[1650,385,1930,425]", 2, 40),
        Texto("Descuento", "[420,425,1640,465]", 0, 40),
        Texto("(1.25)", "[1650,425,1930,465]", 2, 40),
        Texto("Rua do Principe 3, 36202 Vigo", "[420,505,1940,550]", 0, 40),
        Texto("Pagador", "[420,585,1190,625]", 0, 40),
        Texto("Maria Lopez", "[420,625,1190,665]", 0, 40),
        Texto("Calle Mayor 1", "[420,665,1190,705]", 0, 40),
        Texto("Lugo", "[420,705,1190,745]", 0, 40),
        Texto("Cobrador", "[1220,585,1940,625]", 0, 40),
        Texto("Comunidad", "[1220,625,1940,665]", 0, 40),
        Texto("Rua Nova 2", "[1220,665,1940,705]", 0, 40),
        Texto("Vigo", "[1220,705,1940,745]", 0, 40),
        "font Times New Roman/35/900",
        "bkmode 2",
        "font /0/0",
    };
    EXPECT_EQ(Descritas(Dibujado(ReciboCompleto()).Calls()), esperadas);
}

TEST_F(DibujarReciboTest, MappingFollowsTheReportedSurface) {
    RecordingDevice dc(
        DeviceSurface{.widthMm = 203, .heightMm = 271, .widthPx = 4800, .heightPx = 6400});
    DibujarRecibo({}, {}, kDolares, dc);
    EXPECT_TRUE(dc.Anisotropic());
    EXPECT_EQ(dc.WindowExt(), (Rect{0, 0, 2030, 2710}));
    EXPECT_EQ(dc.ViewportExt(), (Rect{0, 0, 4800, 6400}));
}

// The frame is filled with the look's colour, cross-hatched when the look says so.
TEST_F(DibujarReciboTest, FrameColourAndPatternComeFromTheLook) {
    const Brush brochas[] = {{BrushStyle::Solid, RGB(44, 0, 255)},
                             {BrushStyle::DiagonalCrossHatch, RGB(10, 20, 30)},
                             {BrushStyle::Solid, RGB(200, 255, 255)}};
    for (const Brush& brocha : brochas) {
        AparienciaRecibo apariencia;
        apariencia.color = brocha.color;
        apariencia.bRayado = brocha.style == BrushStyle::DiagonalCrossHatch;
        const RecordedCall marco = Dibujado({}, apariencia).CallsOf(CallKind::Rectangle).front();
        EXPECT_EQ(marco.brush, brocha) << "hatched " << apariencia.bRayado;
        EXPECT_EQ(marco.bkMode, TRANSPARENT);
    }
}

// The look in force takes the low byte of each stored colour component; only the pattern 1
// hatches. Nothing stored is the solid light cyan of a default look.
TEST_F(DibujarReciboTest, LookInForceTakesTheLowByteOfEachComponentAndHatchesOnlyPatternOne) {
    const AjusteEntero ajustesMarco[] = {ajustes::kFondo, ajustes::kColorR, ajustes::kColorG,
                                         ajustes::kColorB};
    struct Caso {
        int valores[4];
        Brush brocha;
    };
    const Caso casos[] = {
        {{0, 300, 256, -1}, {BrushStyle::Solid, RGB(44, 0, 255)}},
        {{1, 10, 20, 30}, {BrushStyle::DiagonalCrossHatch, RGB(10, 20, 30)}},
        {{2, 200, 255, 255}, {BrushStyle::Solid, RGB(200, 255, 255)}},
        {{-1, 511, 0, 128}, {BrushStyle::Solid, RGB(255, 0, 128)}},
    };
    EXPECT_EQ(AparienciaEnVigor(), AparienciaRecibo{});
    for (const Caso& c : casos) {
        for (int k = 0; k < 4; ++k) {
            ajustesMarco[k].Escribir(c.valores[k]);
        }
        const AparienciaRecibo apariencia = AparienciaEnVigor();
        EXPECT_EQ(apariencia.color, c.brocha.color) << "fondo " << c.valores[0];
        EXPECT_EQ(apariencia.bRayado, c.brocha.style == BrushStyle::DiagonalCrossHatch)
            << "fondo " << c.valores[0];
        const RecordedCall marco = Dibujado({}, apariencia).CallsOf(CallKind::Rectangle).front();
        EXPECT_EQ(marco.brush, c.brocha) << "fondo " << c.valores[0];
    }
}

TEST_F(DibujarReciboTest, StandardSignDrawsSeventeenGlyphCellsAndNoText) {
    const RecordingDevice dc = Dibujado(ReciboCompleto(), {}, Dolares("|A", '#'));
    const std::vector<RecordedCall> celdas = dc.CallsOf(CallKind::BitBlt);
    ASSERT_EQ(celdas.size(), 17u);
    for (std::size_t j = 0; j < celdas.size(); ++j) {
        const int x = 1560 + 22 * static_cast<int>(j);
        EXPECT_EQ(celdas[j].rect, (Rect{x, 85, x + 22, 124})) << "cell " << j;
    }
    EXPECT_EQ(TextosDibujados(dc).size(), 28u);  // the 29 texts of the full receipt but the total
    // The fonts are still small, medium, medium again, vertical and the device's own.
    std::vector<int> alturas;
    for (const RecordedCall& c : dc.CallsOf(CallKind::SelectFont)) {
        alturas.push_back(c.font.height);
    }
    EXPECT_EQ(alturas, (std::vector<int>{30, 40, 40, 35, 0}));
}

// An empty receipt draws its frame, its boxes and the total alone. Under a custom sign the
// total is 16 characters: fill in front of the trimmed text, or the text's last 16 characters.
TEST_F(DibujarReciboTest, EmptyReceiptTotalIsPaddedOrCutToSixteenCharacters) {
    struct Caso {
        int nRelleno;
        std::string sSimbolo;
        int nModoPositivo;
        double dTotal;
        std::string sEsperado;
    };
    const Caso casos[] = {
        {'#', "$", 0, 0, "###########$0.00"},
        {'*', "EUR", 3, 1.5, "********1.50 EUR"},
        {'*', "$", 0, 1234.5, "*******$1,234.50"},
        {'X', "$", 0, 0, "XXXXXXXXXXX$0.00"},
        {'?', "$", 0, 7, "           $7.00"},
        {' ', "$", 0, 7, "           $7.00"},
        {'#', "$", 0, 1234567890.12, "1,234,567,890.12"},
        {'#', "Euros ", 3, 5, "######5.00 Euros"},
    };
    for (const Caso& c : casos) {
        ReciboData recibo;
        recibo.cuImporte = Importe(c.dTotal);
        const RecordingDevice dc =
            Dibujado(recibo, {}, Dolares(c.sSimbolo, c.nRelleno, c.nModoPositivo));
        EXPECT_EQ(TextosDibujados(dc), std::vector<std::string>{c.sEsperado});
        EXPECT_EQ(dc.CallsOf(CallKind::Rectangle).size(), 9u);
        EXPECT_TRUE(dc.CallsOf(CallKind::BitBlt).empty());
    }
}

// Each free text upward (format 0x29, 90 degrees), transparent, in its own column, when set.
TEST_F(DibujarReciboTest, FreeTextsAreDrawnUpwardInTheirOwnColumnsOnlyWhenSet) {
    const char* columnas[] = {"[100,40,250,770]", "[180,40,330,770]", "[260,40,410,770]"};
    const std::array<std::string, 3> casos[] = {
        {"", "Solo el segundo", ""}, {"Uno", "", "Tres"}, {"Uno", "Dos", "Tres"}};
    for (const auto& textos : casos) {
        std::vector<std::string> esperadas;
        for (std::size_t k = 0; k < 3; ++k) {
            if (!textos[k].empty()) {
                esperadas.push_back(Texto(textos[k], columnas[k], 0x29, 35, 900));
            }
        }
        AparienciaRecibo apariencia;
        apariencia.textosLibres = textos;
        std::vector<RecordedCall> verticales = Dibujado({}, apariencia).CallsOf(CallKind::DrawText);
        std::erase_if(verticales, [](const RecordedCall& t) { return t.font.escapement == 0; });
        EXPECT_EQ(Descritas(verticales), esperadas);
    }
}

// The look in force holds the three stored free texts, in their order.
TEST_F(DibujarReciboTest, LookInForceHoldsTheStoredFreeTexts) {
    EXPECT_EQ(AparienciaEnVigor().textosLibres, (std::array<std::string, 3>{}));
    ajustes::kTexto1.Escribir("Uno");
    ajustes::kTexto3.Escribir("Tres");
    EXPECT_EQ(AparienciaEnVigor().textosLibres, (std::array<std::string, 3>{"Uno", "", "Tres"}));
}

TEST_F(DibujarReciboTest, DeviceStateIsHandedBack) {
    RecordingDevice dc;
    const Pen pen{3, RGB(1, 2, 3)};
    const Brush brush{BrushStyle::DiagonalCrossHatch, RGB(4, 5, 6)};
    const LogFont font{"Courier New", 17, 0};
    dc.SelectPen(pen);
    dc.SelectBrush(brush);
    dc.SelectFont(font);
    dc.SetBkMode(OPAQUE);
    AparienciaRecibo apariencia;
    apariencia.textosLibres[0] = "Libre";
    DibujarRecibo(ReciboCompleto(), apariencia, kDolares, dc);
    EXPECT_EQ(dc.CurrentPen(), pen);
    EXPECT_EQ(dc.CurrentBrush(), brush);
    EXPECT_EQ(dc.CurrentFont(), font);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    // The boxes were drawn with the pen and brush the device had.
    const std::vector<RecordedCall> cajas = dc.CallsOf(CallKind::Rectangle);
    EXPECT_TRUE(std::all_of(cajas.begin() + 1, cajas.end(), [&](const RecordedCall& c) {
        return c.pen == pen && c.brush == brush;
    }));
}

// Receipts of different looks and currencies drawn one after another on one device: each
// shows its own frame colour, total and line amounts, whatever came before it and whatever is
// in force.
TEST_F(DibujarReciboTest, ReceiptsInSequenceEachShowTheirOwnLookAndCurrency) {
    AparienciaRecibo rojo;
    rojo.color = RGB(255, 0, 0);
    AparienciaRecibo verdeRayado;
    verdeRayado.color = RGB(0, 128, 0);
    verdeRayado.bRayado = true;
    const AjustesMoneda euros{"euro", "EUR", 2, ",", ".", 3, 3, 8, '*'};
    struct Caso {
        const AparienciaRecibo& apariencia;
        const AjustesMoneda& ajustesMoneda;
        Brush marco;
        std::string sTotal;
        std::string sLinea5;
    };
    const Caso casos[] = {
        {rojo, kDolares, {BrushStyle::Solid, RGB(255, 0, 0)}, "#######$1,245.75", "1,234.50"},
        {verdeRayado,
         euros,
         {BrushStyle::DiagonalCrossHatch, RGB(0, 128, 0)},
         "****1.245,75 EUR",
         "1.234,50"},
        {rojo, kDolares, {BrushStyle::Solid, RGB(255, 0, 0)}, "#######$1,245.75", "1,234.50"},
    };
    RecordingDevice dc;
    for (const Caso& c : casos) {
        DibujarRecibo(ReciboCompleto(), c.apariencia, c.ajustesMoneda, dc);
    }
    const std::vector<RecordedCall> rectangulos = dc.CallsOf(CallKind::Rectangle);
    const std::vector<RecordedCall> textos = dc.CallsOf(CallKind::DrawText);
    ASSERT_EQ(rectangulos.size(), 9 * std::size(casos));
    ASSERT_EQ(textos.size(), 29 * std::size(casos));
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rectangulos[9 * i].brush, casos[i].marco);
        EXPECT_EQ(textos[29 * i + 8].text, casos[i].sTotal);  // after six labels and two values
        EXPECT_EQ(textos[29 * i + 8].rect, (Rect{1560, 75, 1940, 130}));
        EXPECT_EQ(textos[29 * i + 17].text, casos[i].sLinea5);
    }
}

// A plain bitmap of w x h pixels.
BitmapPtr Imagen(int w, int h) {
    auto imagen = std::make_shared<Bitmap>();
    imagen->width = w;
    imagen->height = h;
    imagen->bitsPerPixel = 24;
    imagen->pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0x000080);
    return imagen;
}

// The logo's top-left 300 x 750 pixels at most, one pixel per 0.1 mm, from (70, 50).
TEST_F(DibujarReciboTest, LargeLogosAreCroppedSmallOnesDrawnWhole) {
    struct Caso {
        int w, h;
        std::string sCopia;
    };
    const Caso casos[] = {
        {1000, 1000, "bitblt [70,50,370,800] from [0,0,300,750] of 1000x1000"},
        {150, 100, "bitblt [70,50,220,150] from [0,0,150,100] of 150x100"},
        {400, 90, "bitblt [70,50,370,140] from [0,0,300,90] of 400x90"},
    };
    for (const Caso& c : casos) {
        AparienciaRecibo apariencia;
        apariencia.logo = Imagen(c.w, c.h);
        EXPECT_EQ(Descritas(Dibujado({}, apariencia).CallsOf(CallKind::BitBlt)),
                  std::vector<std::string>{c.sCopia});
    }
}

// The logo of the look in force: the stored file, decoded.
class LogoTest : public SalidaTest {
  protected:
    std::string Guardar(int w, int h, const std::string& sNombre) {
        QImage imagen(w, h, QImage::Format_RGB32);
        imagen.fill(Qt::darkBlue);
        std::string sRuta = m_carpeta.Ruta() + "/" + sNombre;
        EXPECT_TRUE(imagen.save(QString::fromStdString(sRuta)));
        return sRuta;
    }
    std::vector<RecordedCall> Logo(const std::string& sRuta) {
        ajustes::kFileLogo.Escribir(sRuta);
        return Dibujado({}, AparienciaEnVigor()).CallsOf(CallKind::BitBlt);
    }
};

// Every drawing sees the file as it is on disk now: replaced, or removed.
TEST_F(LogoTest, LogoChangedOnDiskShowsAtTheNextDrawing) {
    const std::string sRuta = Guardar(150, 100, "logo.png");
    ASSERT_EQ(Logo(sRuta).size(), 1u);
    Guardar(1000, 1000, "logo.png");
    EXPECT_EQ(Descritas(Logo(sRuta)),
              std::vector<std::string>{"bitblt [70,50,370,800] from [0,0,300,750] of 1000x1000"});
    PonerBytes(sRuta, "ya no es una imagen");
    EXPECT_TRUE(Logo(sRuta).empty());
    std::filesystem::remove(sRuta);
    EXPECT_TRUE(Logo(sRuta).empty());
}

// The stored path is Windows-1252 and the folder's name on disk UTF-8: the logo is found, and
// the file changed under that name shows at the next drawing.
TEST_F(LogoTest, LogoInAFolderWithAnAccentedNameIsDrawnAndFollowed) {
    ASSERT_TRUE(std::filesystem::create_directory(m_carpeta.Ruta() + "/Im\xC3\xA1genes"));
    const std::string sRuta = m_carpeta.Ruta() + "/Im\xE1genes/logo.bmp";
    Guardar(150, 100, "Im\xC3\xA1genes/logo.bmp");
    EXPECT_EQ(Descritas(Logo(sRuta)),
              std::vector<std::string>{"bitblt [70,50,220,150] from [0,0,150,100] of 150x100"});
    Guardar(1000, 1000, "Im\xC3\xA1genes/logo.bmp");
    EXPECT_EQ(Descritas(Logo(sRuta)),
              std::vector<std::string>{"bitblt [70,50,370,800] from [0,0,300,750] of 1000x1000"});
}

TEST_F(LogoTest, UnloadableLogoDrawsNothingAndSaysNothing) {
    const std::string sTruncado = m_carpeta.Ruta() + "/truncado.png";
    PonerBytes(sTruncado, BytesDe(Guardar(200, 200, "logo.png")).substr(0, 60));
    const std::string sTexto = m_carpeta.Ruta() + "/notas.bmp";
    PonerBytes(sTexto, "esto no es una imagen\n");
    const std::string rutas[] = {sTruncado, sTexto, m_carpeta.Ruta() + "/no-existe.bmp",
                                 m_carpeta.Ruta(), ""};
    for (const std::string& sRuta : rutas) {
        EXPECT_TRUE(Logo(sRuta).empty()) << sRuta;
    }
    EXPECT_TRUE(m_servicios.messages.empty());
}

// Services that count the logo files decoded, from whatever thread asks.
class ServiciosQueCuentan : public ScriptedServices {
  public:
    std::atomic<int> logosLeidos{0};
    BitmapPtr LoadImageFile(const std::string& sRuta) override {
        ++logosLeidos;
        return ScriptedServices::LoadImageFile(sRuta);
    }
};

// A logo decoded ahead is the one drawn, and it is decoded once, whether the drawing comes
// after the decoding or while it is still running.
TEST_F(LogoTest, LogoDecodedAheadIsDrawnWithoutDecodingItAgain) {
    const std::vector<std::string> esperada = {
        "bitblt [70,50,220,150] from [0,0,150,100] of 150x100"};
    for (const bool bEsperar : {true, false}) {
        ServiciosQueCuentan servicios;
        ajustes::kFileLogo.Escribir(Guardar(150, 100, bEsperar ? "antes.png" : "a-la-vez.png"));
        std::vector<RecordedCall> copias;
        {
            const auto precarga = PrecargarImagenesRecibo();
            ASSERT_TRUE(precarga.valid());
            if (bEsperar) {
                precarga.wait();
                EXPECT_EQ(servicios.logosLeidos, 1);
            }
            copias = Dibujado({}, AparienciaEnVigor()).CallsOf(CallKind::BitBlt);
        }
        EXPECT_EQ(servicios.logosLeidos, 1) << bEsperar;
        std::erase_if(copias, [](const RecordedCall& c) { return c.bitmapWidth != 150; });
        EXPECT_EQ(Descritas(copias), esperada) << bEsperar;
    }
}

}  // namespace
