#include "options/logotipodlg.h"

#include <algorithm>
#include <array>
#include <vector>

#include "app/boxes/saludodlg.h"
#include "platform/services.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"

namespace {

struct ImagenBoton {
    int nBitmap;
    int id;
};
constexpr std::array<ImagenBoton, 6> kImagenes = {{
    {230, IDC_BUTTON_LOGO_EDITAR},
    {227, IDC_BUTTON_LOGO_ELEGIR},
    {228, IDC_BUTTON_LOGO_VER},
    {229, IDC_BUTTON_LOGO_QUITAR},
    {231, IDC_BUTTON_LOGO_SALIR},
    {234, IDC_BUTTON_LOGO_AYUDA},
}};

// The logo's frame on the receipt, in tenths of a millimetre: at most 300 x 750 pixels of the
// file are shown, one pixel per 0.1 mm.
constexpr int kLogoX = 20;
constexpr int kLogoY = 30;
constexpr int kLogoAncho = 300;
constexpr int kLogoAlto = 750;

const char* const kMensajeSinLogo = "Primero debe seleccionar un logotipo";
const char* const kMensajeSinEditor =
    "No se encontr\xF3 ning\xFAn programa de dibujo para abrir el logotipo";

const char* const kTextoAyuda =
    "Para insertar un logotipo en los recibos debe selecionar un archivo bmp de ancho 300, "
    "alto 750 pixeles).\r\n"
    "\tLogotipo->Seleccionar Logotipo\r\n"
    "Puede crear el logotipo con cualquier programa de dibujo, si usa el 'Paint' siga los "
    "siguientes pasos:\r\n"
    "\t1.- Archivo->Nuevo\r\n"
    "\t2.- Imagen->Atributos (ancho 300, alto 750 pixeles)\r\n"
    "\t3.- Dibuje su logotipo o pege una foto.\r\n"
    "\t4.- Archivo->Guardar Como->Mapa de Bits (*.bmp)\t\r\n";

std::string LeerLogo() {
    return ajustes::kFileLogo.Leer();
}

}  // namespace

CLogotipoDlg::CLogotipoDlg() : CDialog(IDD_LOGOTIPO) {
    On(IDC_BUTTON_LOGO_ELEGIR, Notify::Clicked, [this] { OnElegir(); });
    On(IDC_BUTTON_LOGO_QUITAR, Notify::Clicked, [this] { OnQuitar(); });
    On(IDC_BUTTON_LOGO_VER, Notify::Clicked, [this] {
        // A file the desktop cannot open is not reported.
        OnAbrirLogo([](const std::string& sRuta) { Servicios().ShellOpen(sRuta); });
    });
    On(IDC_BUTTON_LOGO_EDITAR, Notify::Clicked, [this] {
        OnAbrirLogo([](const std::string& sRuta) {
            if (!Servicios().OpenInImageEditor(sRuta)) {
                Servicios().MessageBox(kMensajeSinEditor);
            }
        });
    });
    On(IDC_BUTTON_LOGO_AYUDA, Notify::Clicked, [this] { OnAyuda(); });
    On(IDC_BUTTON_LOGO_SALIR, Notify::Clicked, [this] { EndDialog(IDOK); });
}

bool CLogotipoDlg::OnInitDialog() {
    for (const ImagenBoton& imagen : kImagenes) {
        Window().SetImage(imagen.id, Servicios().LoadResourceBitmap(imagen.nBitmap));
    }
    const std::string sLogo = LeerLogo();
    if (!sLogo.empty()) {
        // A missing or unreadable file leaves no logo: the empty frame shows, silently.
        m_hLogo = Servicios().LoadImageFile(sLogo);
    }
    return true;
}

// The preview in tenths of a millimetre of the screen's physical size.
void CLogotipoDlg::OnPaint(Device& dc) {
    dc.SetMapModeAnisotropic();
    dc.SetWindowExt(dc.GetDeviceCaps(HORZSIZE) * 10, dc.GetDeviceCaps(VERTSIZE) * 10);
    dc.SetViewportExt(dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    if (!m_hLogo) {
        // The empty frame, with the paint's own black pen and white brush.
        dc.Rectangle(kLogoX, kLogoY, kLogoX + kLogoAncho, kLogoY + kLogoAlto);
        return;
    }
    const int w = std::min(m_hLogo->width, kLogoAncho);
    const int h = std::min(m_hLogo->height, kLogoAlto);
    dc.BitBltShared(kLogoX, kLogoY, w, h, m_hLogo, 0, 0);
}

// A confirmed choice is stored as it is (the file is not opened here) and ends the dialog.
void CLogotipoDlg::OnElegir() {
    const std::string sLogo = LeerLogo();
    const std::string sPropuesto =
        sLogo.empty() ? std::string() : Servicios().CurrentDirectory() + "/*.bmp";
    const std::vector<FileFilter> filtros = {
        {"Bitmap Files (*.bmp)", "*.bmp"},
        {"Im\xE1genes PNG y JPEG (*.png *.jpg *.jpeg)", "*.png;*.jpg;*.jpeg"},
    };
    const auto sElegido = Servicios().GetOpenFileName("bmp", sPropuesto, filtros);
    if (!sElegido) {
        return;
    }
    ajustes::kFileLogo.Escribir(*sElegido);
    EndDialog(IDOK);
}

void CLogotipoDlg::OnQuitar() {
    ajustes::kFileLogo.Escribir("");
    EndDialog(IDCANCEL);
}

// Viewing and editing work on the stored path, passed whole as one argument; the dialog stays
// open and its preview is drawn again.
void CLogotipoDlg::OnAbrirLogo(const std::function<void(const std::string&)>& abrir) {
    const std::string sLogo = LeerLogo();
    if (sLogo.empty()) {
        Servicios().MessageBox(kMensajeSinLogo);
    } else {
        abrir(sLogo);
    }
    Window().Invalidate();
}

void CLogotipoDlg::OnAyuda() {
    CSaludoDlg dlgSaludo;
    dlgSaludo.PonerTexto(kTextoAyuda);
    dlgSaludo.DoModal();
}
