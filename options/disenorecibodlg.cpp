#include "options/disenorecibodlg.h"

#include <array>

#include "lang/idiomas.h"
#include "options/colorrecibo.h"
#include "platform/services.h"
#include "settings/esquema.h"

namespace {

constexpr std::array<AjusteTexto, 3> kTextos = {ajustes::kTexto1, ajustes::kTexto2,
                                                ajustes::kTexto3};
constexpr std::array<int, 3> kEditsTextos = {1119, 1120, 1121};
constexpr int kCasillaImporteEnLetra = 1140;

// Controls captioned from language group 7, by index.
constexpr std::array<int, 6> kCaptions = {1116, 1117, 1118, IDOK, IDCANCEL, 1041};

constexpr int kBotonColor = 1041;
constexpr int kBotonSolido = 1042;
constexpr int kBotonRayado = 1043;

// Pattern images: the plain and the red-framed (selected) picture of each pattern.
constexpr int kSolidoNormal = 218;
constexpr int kSolidoElegido = 221;
constexpr int kRayadoNormal = 219;
constexpr int kRayadoElegido = 220;

enum Fondo { kFondoSolido = 0, kFondoRayado = 1 };

}  // namespace

CDisenoReciboDlg::CDisenoReciboDlg() : CDialog(216) {
    m_sTexto1 = kTextos[0].Leer();
    m_sTexto2 = kTextos[1].Leer();
    m_sTexto3 = kTextos[2].Leer();
    m_bImporteEnLetra = ajustes::kImporteEnLetra.Leer() == 1;

    On(kBotonColor, Notify::Clicked, [] { ElegirColorRecibo(); });
    On(kBotonSolido, Notify::Clicked, [this] { ElegirFondo(kFondoSolido); });
    On(kBotonRayado, Notify::Clicked, [this] { ElegirFondo(kFondoRayado); });
}

bool CDisenoReciboDlg::OnInitDialog() {
    SetDlgItemText(kEditsTextos[0], m_sTexto1);
    SetDlgItemText(kEditsTextos[1], m_sTexto2);
    SetDlgItemText(kEditsTextos[2], m_sTexto3);
    Window().SetCheck(kCasillaImporteEnLetra, m_bImporteEnLetra);
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        SetDlgItemText(kCaptions[i], TextoIdioma7(static_cast<int>(i)));
    }
    m_solidoNormal = Servicios().LoadResourceBitmap(kSolidoNormal);
    m_solidoElegido = Servicios().LoadResourceBitmap(kSolidoElegido);
    m_rayadoNormal = Servicios().LoadResourceBitmap(kRayadoNormal);
    m_rayadoElegido = Servicios().LoadResourceBitmap(kRayadoElegido);
    // Neither pattern shows as chosen on opening, whatever is stored.
    Window().SetImage(kBotonSolido, m_solidoNormal);
    Window().SetImage(kBotonRayado, m_rayadoNormal);
    return true;
}

// The pattern is stored the moment it is chosen; Cancel does not undo it.
void CDisenoReciboDlg::ElegirFondo(int nFondo) {
    const bool bRayado = nFondo == kFondoRayado;
    Window().SetImage(kBotonSolido, bRayado ? m_solidoNormal : m_solidoElegido);
    Window().SetImage(kBotonRayado, bRayado ? m_rayadoElegido : m_rayadoNormal);
    ajustes::kFondo.Escribir(nFondo);
}

void CDisenoReciboDlg::OnOK() {
    m_sTexto1 = GetDlgItemText(kEditsTextos[0]);
    m_sTexto2 = GetDlgItemText(kEditsTextos[1]);
    m_sTexto3 = GetDlgItemText(kEditsTextos[2]);
    kTextos[0].Escribir(m_sTexto1);
    kTextos[1].Escribir(m_sTexto2);
    kTextos[2].Escribir(m_sTexto3);
    m_bImporteEnLetra = Window().GetCheck(kCasillaImporteEnLetra);
    ajustes::kImporteEnLetra.Escribir(m_bImporteEnLetra ? 1 : 0);
    EndDialog(IDOK);
}
