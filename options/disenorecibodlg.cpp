#include "options/disenorecibodlg.h"

#include <array>

#include "lang/idiomas.h"
#include "options/colorrecibo.h"
#include "platform/services.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"

namespace {

constexpr std::array<AjusteTexto, 3> kTextos = {ajustes::kTexto1, ajustes::kTexto2,
                                                ajustes::kTexto3};
constexpr std::array<int, 3> kEditsTextos = {IDC_EDIT_TEXTO_1, IDC_EDIT_TEXTO_2, IDC_EDIT_TEXTO_3};

// Controls captioned from language group 7, by index.
constexpr std::array<int, 6> kCaptions = {IDC_EDIT_DEF_COLOR, IDC_EDIT_DEF_FONDO,
                                          IDC_EDIT_DEF_TEXTO, IDOK,
                                          IDCANCEL,           IDC_BUTTON_SELECT_COLOR};

// Pattern images: the plain and the red-framed (selected) picture of each pattern.
constexpr int kSolidoNormal = 218;
constexpr int kSolidoElegido = 221;
constexpr int kRayadoNormal = 219;
constexpr int kRayadoElegido = 220;

enum Fondo { kFondoSolido = 0, kFondoRayado = 1 };

}  // namespace

CDisenoReciboDlg::CDisenoReciboDlg() : CDialog(IDD_DISENO_RECIBO) {
    m_sTexto1 = kTextos[0].Leer();
    m_sTexto2 = kTextos[1].Leer();
    m_sTexto3 = kTextos[2].Leer();
    m_bImporteEnLetra = ajustes::kImporteEnLetra.Leer() == 1;

    On(IDC_BUTTON_SELECT_COLOR, Notify::Clicked, [] { ElegirColorRecibo(); });
    On(IDC_BUTTON_LISO, Notify::Clicked, [this] { ElegirFondo(kFondoSolido); });
    On(IDC_BUTTON_RAYADO, Notify::Clicked, [this] { ElegirFondo(kFondoRayado); });
}

bool CDisenoReciboDlg::OnInitDialog() {
    SetDlgItemText(kEditsTextos[0], m_sTexto1);
    SetDlgItemText(kEditsTextos[1], m_sTexto2);
    SetDlgItemText(kEditsTextos[2], m_sTexto3);
    Window().SetCheck(IDC_CHECK_IMPORTE_LETRA, m_bImporteEnLetra);
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        SetDlgItemText(kCaptions[i], TextoIdioma7(static_cast<int>(i)));
    }
    m_solidoNormal = Servicios().LoadResourceBitmap(kSolidoNormal);
    m_solidoElegido = Servicios().LoadResourceBitmap(kSolidoElegido);
    m_rayadoNormal = Servicios().LoadResourceBitmap(kRayadoNormal);
    m_rayadoElegido = Servicios().LoadResourceBitmap(kRayadoElegido);
    // Neither pattern shows as chosen on opening, whatever is stored.
    Window().SetImage(IDC_BUTTON_LISO, m_solidoNormal);
    Window().SetImage(IDC_BUTTON_RAYADO, m_rayadoNormal);
    return true;
}

// The pattern is stored the moment it is chosen; Cancel does not undo it.
void CDisenoReciboDlg::ElegirFondo(int nFondo) {
    const bool bRayado = nFondo == kFondoRayado;
    Window().SetImage(IDC_BUTTON_LISO, bRayado ? m_solidoNormal : m_solidoElegido);
    Window().SetImage(IDC_BUTTON_RAYADO, bRayado ? m_rayadoElegido : m_rayadoNormal);
    ajustes::kFondo.Escribir(nFondo);
}

void CDisenoReciboDlg::OnOK() {
    m_sTexto1 = GetDlgItemText(kEditsTextos[0]);
    m_sTexto2 = GetDlgItemText(kEditsTextos[1]);
    m_sTexto3 = GetDlgItemText(kEditsTextos[2]);
    kTextos[0].Escribir(m_sTexto1);
    kTextos[1].Escribir(m_sTexto2);
    kTextos[2].Escribir(m_sTexto3);
    m_bImporteEnLetra = Window().GetCheck(IDC_CHECK_IMPORTE_LETRA);
    ajustes::kImporteEnLetra.Escribir(m_bImporteEnLetra ? 1 : 0);
    EndDialog(IDOK);
}
