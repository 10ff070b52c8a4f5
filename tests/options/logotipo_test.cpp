// The logo dialog: preview, choosing, viewing, editing, removing and help.
#include "options/logotipodlg.h"

#include <QImage>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "platform/recording_device.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/options/entorno_opciones.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

const char* const kSinLogo = "Primero debe seleccionar un logotipo";

class LogotipoTest : public OpcionesTest {
  protected:
    // A logo file of the given size in the test's folder, stored as the logo.
    std::string PonerLogo(int nAncho, int nAlto, const std::string& sNombre = "logo.bmp") {
        std::string sRuta = m_carpeta.Ruta() + "/" + sNombre;
        QImage imagen(nAncho, nAlto, QImage::Format_RGB32);
        imagen.fill(Qt::darkBlue);
        EXPECT_TRUE(imagen.save(QString::fromStdString(sRuta), "BMP"));
        ajustes::kFileLogo.Escribir(sRuta);
        return sRuta;
    }
    CLogotipoDlg& Abrir() { return AbrirDialogo(m_dlg); }
    static std::string Logo() { return ajustes::kFileLogo.Leer("<ninguno>"); }
    bool Abierto() const { return !m_dlg->Window().IsEnded(); }

    std::unique_ptr<CLogotipoDlg> m_dlg;
};

// A 96-dpi screen of 508 x 285.75 mm, as the preview's device reports it: the preview is in
// tenths of a millimetre of it.
const DeviceSurface kPantalla{508, 286, 1920, 1080};

RecordingDevice Pintar(CLogotipoDlg& dlg) {
    RecordingDevice dc(kPantalla);
    dlg.OnPaint(dc);
    EXPECT_TRUE(dc.Anisotropic());
    EXPECT_EQ(dc.WindowExt(), (Rect{0, 0, 5080, 2860}));
    EXPECT_EQ(dc.ViewportExt(), (Rect{0, 0, 1920, 1080}));
    return dc;
}

struct Recorte : Fila {
    int nAncho, nAlto;
    Rect destino;
};

class RecorteTest : public LogotipoTest, public ::testing::WithParamInterface<Recorte> {};

TEST_P(RecorteTest, TheLogoShowsAtMostItsTopLeft300By750PixelsWithoutAFrame) {
    const Recorte& c = GetParam();
    PonerLogo(c.nAncho, c.nAlto);
    CLogotipoDlg& dlg = Abrir();
    ASSERT_TRUE(dlg.m_hLogo);
    const RecordingDevice dc = Pintar(dlg);
    const auto copias = dc.CallsOf(CallKind::BitBlt);
    ASSERT_EQ(copias.size(), 1u);
    EXPECT_EQ(copias[0].rect, c.destino);
    EXPECT_EQ(copias[0].source,
              (Rect{0, 0, c.destino.right - c.destino.left, c.destino.bottom - c.destino.top}));
    EXPECT_EQ(copias[0].bitmapWidth, c.nAncho);
    EXPECT_TRUE(dc.CallsOf(CallKind::Rectangle).empty());
}

const Recorte kRecortes[] = {{"LargerThanTheFrame", 600, 1000, {20, 30, 320, 780}},
                             {"SmallerThanTheFrame", 100, 100, {20, 30, 120, 130}},
                             {"AsLargeAsTheFrame", 300, 750, {20, 30, 320, 780}},
                             {"WideAndLow", 400, 50, {20, 30, 320, 80}}};
INSTANTIATE_TEST_SUITE_P(Tamanos, RecorteTest, ::testing::ValuesIn(kRecortes),
                         ::testing::PrintToStringParamName());

// The logo stored, by its file's name in the test's folder (none for nullptr).
struct SinLogo : Fila {
    const char* sFichero;
};

class SinLogoTest : public LogotipoTest, public ::testing::WithParamInterface<SinLogo> {};

// No logo, a missing file or a file that is no image: the empty frame, and no message.
TEST_P(SinLogoTest, AnEmptyFrameAndNoMessage) {
    std::ofstream(m_carpeta.Ruta() + "/texto.bmp") << "esto no es un mapa de bits\n";
    if (GetParam().sFichero != nullptr) {
        ajustes::kFileLogo.Escribir(m_carpeta.Ruta() + "/" + GetParam().sFichero);
    }
    CLogotipoDlg& dlg = Abrir();
    EXPECT_FALSE(dlg.m_hLogo);
    const RecordingDevice dc = Pintar(dlg);
    const auto marcos = dc.CallsOf(CallKind::Rectangle);
    ASSERT_EQ(marcos.size(), 1u);
    EXPECT_EQ(std::tie(marcos[0].rect, marcos[0].pen, marcos[0].brush),
              std::tuple(Rect{20, 30, 320, 780}, Pen{}, Brush{}));
    EXPECT_TRUE(dc.CallsOf(CallKind::BitBlt).empty());
    EXPECT_TRUE(m_servicios.messages.empty());
}

const SinLogo kCasosSinLogo[] = {
    {"NoLogo", nullptr}, {"MissingFile", "no_existe.bmp"}, {"NotAnImage", "texto.bmp"}};
INSTANTIATE_TEST_SUITE_P(Casos, SinLogoTest, ::testing::ValuesIn(kCasosSinLogo),
                         ::testing::PrintToStringParamName());

TEST_F(LogotipoTest, ChoosingWithoutALogoProposesNoNameAndOffersBitmapsFirst) {
    CLogotipoDlg& dlg = Abrir();
    ui::Click(dlg, IDC_BUTTON_LOGO_ELEGIR);
    ASSERT_EQ(m_servicios.openFileCalls.size(), 1u);
    const auto& llamada = m_servicios.openFileCalls[0];
    EXPECT_EQ(llamada.defaultExtension, "bmp");
    EXPECT_EQ(llamada.proposedName, "");
    ASSERT_EQ(llamada.filters.size(), 2u);
    EXPECT_EQ(llamada.filters[0].label, "Bitmap Files (*.bmp)");
    EXPECT_EQ(llamada.filters[0].pattern, "*.bmp");
    for (const char* sPatron : {"*.png", "*.jpg", "*.jpeg"}) {
        EXPECT_NE(llamada.filters[1].pattern.find(sPatron), std::string::npos) << sPatron;
    }
    // Cancelled: the dialog stays and nothing is written.
    EXPECT_TRUE(Abierto());
    EXPECT_EQ(Logo(), "<ninguno>");
    // Confirmed: the choice is stored untested and the dialog closes with Ok.
    m_servicios.openFileAnswers.push_back("/fotos/mi logo.png");
    ui::Click(dlg, IDC_BUTTON_LOGO_ELEGIR);
    ASSERT_FALSE(Abierto());
    EXPECT_EQ(dlg.Window().Result(), IDOK);
    EXPECT_EQ(Logo(), "/fotos/mi logo.png");
}

TEST_F(LogotipoTest, HelpShowsTheInstructionsInTheMessageBox) {
    std::string sMostrado;
    m_servicios.QueueModal(
        [&sMostrado](CDialog& box) { sMostrado = box.GetDlgItemText(IDC_EDIT_TEXTO); });
    CLogotipoDlg& dlg = Abrir();
    ui::Click(dlg, IDC_BUTTON_LOGO_AYUDA);
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_SALUDO});
    EXPECT_EQ(sMostrado,
              "Para insertar un logotipo en los recibos debe selecionar un archivo bmp de ancho "
              "300, alto 750 pixeles).\r\n"
              "\tLogotipo->Seleccionar Logotipo\r\n"
              "Puede crear el logotipo con cualquier programa de dibujo, si usa el 'Paint' siga "
              "los siguientes pasos:\r\n"
              "\t1.- Archivo->Nuevo\r\n"
              "\t2.- Imagen->Atributos (ancho 300, alto 750 pixeles)\r\n"
              "\t3.- Dibuje su logotipo o pege una foto.\r\n"
              "\t4.- Archivo->Guardar Como->Mapa de Bits (*.bmp)\t\r\n");
    EXPECT_TRUE(Abierto());
}

// A logo in a folder whose name has an accent, stored in Windows-1252 as every text, is shown;
// view and edit get the stored path.
TEST_F(LogotipoTest, ALogoInAnAccentedFolderIsShown) {
    const std::string sCarpeta = m_carpeta.Ruta() + "/Im\xC3\xA1genes";
    ASSERT_TRUE(std::filesystem::create_directory(sCarpeta));
    QImage imagen(100, 100, QImage::Format_RGB32);
    imagen.fill(Qt::darkBlue);
    ASSERT_TRUE(imagen.save(QString::fromStdString(sCarpeta + "/logo.bmp"), "BMP"));
    const std::string sRuta = m_carpeta.Ruta() + "/Im\xE1genes/logo.bmp";
    ajustes::kFileLogo.Escribir(sRuta);
    CLogotipoDlg& dlg = Abrir();
    ASSERT_TRUE(dlg.m_hLogo);
    const auto copias = Pintar(dlg).CallsOf(CallKind::BitBlt);
    ASSERT_EQ(copias.size(), 1u);
    EXPECT_EQ(copias[0].rect, (Rect{20, 30, 120, 130}));
    ui::Click(dlg, IDC_BUTTON_LOGO_VER);
    ui::Click(dlg, IDC_BUTTON_LOGO_EDITAR);
    EXPECT_EQ(m_servicios.shellOpened, std::vector<std::string>{sRuta});
    EXPECT_EQ(m_servicios.editorOpened, std::vector<std::string>{sRuta});
}

// Without a logo, view and edit ask for one first; the close button ends with Ok.
TEST_F(LogotipoTest, WithoutALogoViewAndEditAskForOneAndCloseEndsWithOk) {
    CLogotipoDlg& dlg = Abrir();
    const std::pair<int, int> imagenes[] = {
        {IDC_BUTTON_LOGO_ELEGIR, 227}, {IDC_BUTTON_LOGO_VER, 228},   {IDC_BUTTON_LOGO_EDITAR, 230},
        {IDC_BUTTON_LOGO_QUITAR, 229}, {IDC_BUTTON_LOGO_AYUDA, 234}, {IDC_BUTTON_LOGO_SALIR, 231}};
    for (const auto& [id, nBitmap] : imagenes) {
        EXPECT_TRUE(MuestraImagen(dlg, id, nBitmap)) << id;
    }
    ui::Click(dlg, IDC_BUTTON_LOGO_VER);
    ui::Click(dlg, IDC_BUTTON_LOGO_EDITAR);
    EXPECT_EQ(m_servicios.messages, (std::vector<std::string>{kSinLogo, kSinLogo}));
    EXPECT_TRUE(m_servicios.shellOpened.empty());
    EXPECT_TRUE(m_servicios.editorOpened.empty());
    ASSERT_TRUE(Abierto());
    ui::Click(dlg, IDC_BUTTON_LOGO_SALIR);
    ASSERT_FALSE(Abierto());
    EXPECT_EQ(dlg.Window().Result(), IDOK);
}

// With a logo: view and edit get the stored path whole, a missing editor is reported, choosing
// proposes bitmaps in the current folder, and removing clears the logo and ends with Cancel.
TEST_F(LogotipoTest, WithALogoViewEditChooseAndRemove) {
    const std::string sRuta = PonerLogo(10, 10, "mi logo con espacios.bmp");
    CLogotipoDlg& dlg = Abrir();
    ui::Click(dlg, IDC_BUTTON_LOGO_VER);
    ui::Click(dlg, IDC_BUTTON_LOGO_EDITAR);
    EXPECT_EQ(m_servicios.shellOpened, std::vector<std::string>{sRuta});
    EXPECT_EQ(m_servicios.editorOpened, std::vector<std::string>{sRuta});
    EXPECT_TRUE(m_servicios.messages.empty());
    m_servicios.editorAvailable = false;
    ui::Click(dlg, IDC_BUTTON_LOGO_EDITAR);
    EXPECT_EQ(m_servicios.messages,
              std::vector<std::string>{
                  "No se encontr\xF3 ning\xFAn programa de dibujo para abrir el logotipo"});
    ui::Click(dlg, IDC_BUTTON_LOGO_ELEGIR);
    ASSERT_EQ(m_servicios.openFileCalls.size(), 1u);
    EXPECT_EQ(m_servicios.openFileCalls[0].proposedName, "/home/usuario/*.bmp");
    ASSERT_TRUE(Abierto());
    EXPECT_EQ(Logo(), sRuta);
    ui::Click(dlg, IDC_BUTTON_LOGO_QUITAR);
    ASSERT_FALSE(Abierto());
    EXPECT_EQ(dlg.Window().Result(), IDCANCEL);
    EXPECT_EQ(Logo(), "");
}

}  // namespace
