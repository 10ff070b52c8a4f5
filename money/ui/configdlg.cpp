#include "money/ui/configdlg.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "lang/idiomas.h"
#include "money/globalcurrency.h"
#include "platform/services.h"
#include "res/ids/identificadores.h"

namespace {

// A sign button: its control, its two pictures and the glyph number it records.
struct BotonSigno {
    int id;
    int nNormal;
    int nResaltado;
    int nSigno;
};

// In the dialog's reading order. The "#" button records sign 8, the glyph it shows.
constexpr std::array<BotonSigno, 23> kBotonesSigno = {{
    {IDC_BUTTON_SIGNO_1, 175, 182, 2},      {IDC_BUTTON_SIGNO_2, 157, 177, 3},
    {IDC_BUTTON_SIGNO_3, 155, 178, 11},     {IDC_BUTTON_SIGNO_4, 172, 179, 12},
    {IDC_BUTTON_SIGNO_5, 165, 180, 21},     {IDC_BUTTON_SIGNO_6, 158, 181, 2},
    {IDC_BUTTON_SIGNO_7, 168, 183, 25},     {IDC_BUTTON_SIGNO_8, 148, 184, 1},
    {IDC_BUTTON_SIGNO_9, 154, 185, 5},      {IDC_BUTTON_SIGNO_10, 153, 186, 8},
    {IDC_BUTTON_SIGNO_11, 173, 187, 7},     {IDC_BUTTON_SIGNO_12, 162, 188, 13},
    {IDC_BUTTON_SIGNO_13, 164, 189, 23},    {IDC_BUTTON_SIGNO_14, 161, 190, 4},
    {IDC_BUTTON_SIGNO_15, 163, 191, 15},    {IDC_BUTTON_SIGNO_16, 167, 192, 16},
    {IDC_BUTTON_SIGNO_17, 159, 193, 27},    {IDC_BUTTON_SIGNO_18, 169, 194, 26},
    {IDC_BUTTON_SIGNO_19, 160, 195, 20},    {IDC_BUTTON_SIGNO_20, 170, 196, 24},
    {IDC_BUTTON_SIGNO_21, 166, 197, 19},    {IDC_BUTTON_SIGNO_22, 156, 198, 6},
    {IDC_BUTTON_SIGNO_VACIO, 176, 199, 39},
}};

constexpr std::array<const char*, 4> kSeparadoresMiles = {",", ".", "'", " "};
constexpr std::array<int, 4> kRellenos = {'#', '*', 'X', ' '};

// The controls that show the texts of language group 1, by index.
constexpr std::array<int, 11> kEtiquetas = {IDC_EDIT_DEF_SEPARADOR_DECIMAL,
                                            IDC_EDIT_DEF_POSITIVOS,
                                            IDC_EDIT_DEF_DECIMALES,
                                            IDC_EDIT_DEF_NEGATIVOS,
                                            IDC_EDIT_DEF_NOMBRE_MONEDA,
                                            IDC_EDIT_DEF_SIMBOLO,
                                            IDC_EDIT_DEF_MILES,
                                            IDC_EDIT_DEF_MUESTRA,
                                            IDC_RADIO_SIGNO_PERSONALIZADO,
                                            IDC_RADIO_SIGNOS_STANDARD,
                                            IDC_EDIT_DEF_RELLENO};

enum EstiloDecimal { kComaDecimal = 0, kPuntoDecimal = 1 };
enum SeparadorMiles { kMilesComa = 0, kMilesPunto = 1 };

// The position of the checked radio of a group, or the current one when none is checked.
int RadioMarcado(const DialogWindow& w, std::span<const int> ids, int nActual) {
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (w.GetCheck(ids[i])) {
            return static_cast<int>(i);
        }
    }
    return nActual;
}

void MarcarRadio(DialogWindow& w, std::span<const int> ids, int nPosicion) {
    for (std::size_t i = 0; i < ids.size(); ++i) {
        w.SetCheck(ids[i], static_cast<int>(i) == nPosicion);
    }
}

template <std::size_t N>
int PosicionDe(const std::array<int, N>& valores, int nValor) {
    for (std::size_t i = 0; i < N; ++i) {
        if (valores[i] == nValor) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int EleccionMiles(const std::string& sSeparador) {
    switch (sSeparador.empty() ? ',' : sSeparador[0]) {
        case ' ':
            return 3;
        case '\'':
            return 2;
        case '.':
            return 1;
        default:
            return 0;
    }
}

std::string SignoEstandar(int nSigno) {
    return std::string{'|', static_cast<char>(64 + nSigno)};
}

// A mode's caption: its pattern applied to 1.1 with the sign "$".
std::string MuestraModo(bool bNegativo, int nModo) {
    return CGlobalCurrency::MuestraModo(bNegativo, nModo, "1.1", "$");
}

}  // namespace

struct CConfigDlg::Estado {
    CGlobalCurrency cuPositivo;
    CGlobalCurrency cuNegativo;
    int nModoPositivo = 0;
    int nModoNegativo = 0;
    int nEstilo = kPuntoDecimal;
    int nDecimales = 2;
    int nMiles = kMilesComa;
    int nRelleno = 0;
    int bEstandar = 0;
    std::array<BitmapPtr, kBotonesSigno.size()> normales;
    std::array<BitmapPtr, kBotonesSigno.size()> resaltadas;
};

CConfigDlg::CConfigDlg() : CDialog(IDD_CONFIG), m_estado(std::make_unique<Estado>()) {
    LeerIdioma();
    CGlobalCurrency::CargarConfiguracion();

    Estado& e = *m_estado;
    e.cuPositivo.SetImporte(12345, 6700);
    e.cuNegativo.SetImporte(-12345, -6700);
    e.nModoPositivo = CGlobalCurrency::GetModoPositivo();
    e.nModoNegativo = CGlobalCurrency::GetModoNegativo();
    e.nDecimales = CGlobalCurrency::GetDecimales();
    e.bEstandar = CGlobalCurrency::SimboloEstandar() ? 1 : 0;
    e.nEstilo = CGlobalCurrency::GetSeparadorDecimal() == "," ? kComaDecimal : kPuntoDecimal;
    e.nMiles = EleccionMiles(CGlobalCurrency::GetSeparadorMiles());
    e.nRelleno = PosicionDe(kRellenos, CGlobalCurrency::GetRelleno());

    RegistrarComandos();
}

CConfigDlg::~CConfigDlg() = default;

void CConfigDlg::RegistrarComandos() {
    const auto alPulsar = [this](std::span<const int> ids, auto accion) {
        for (int id : ids) {
            On(id, Notify::Clicked, [this, accion] {
                LeerRadios();
                accion();
                Redibujar();
            });
        }
    };
    Estado& e = *m_estado;
    alPulsar(kRadiosNegativo, [&e] { CGlobalCurrency::SetModoNegativo(e.nModoNegativo); });
    alPulsar(kRadiosPositivo, [&e] { CGlobalCurrency::SetModoPositivo(e.nModoPositivo); });
    alPulsar(kRadiosDecimales, [&e] { CGlobalCurrency::SetDecimales(e.nDecimales); });
    alPulsar(kRadiosRelleno, [&e] { CGlobalCurrency::SetRelleno(kRellenos[e.nRelleno]); });
    alPulsar(kRadiosEstilo, [this] { OnEstiloDecimal(); });
    alPulsar(kRadiosMiles, [this] { OnSeparadorMiles(); });
    alPulsar(kRadiosTipoSigno, [this] { OnTipoSigno(); });
    for (const BotonSigno& b : kBotonesSigno) {
        On(b.id, Notify::Clicked, [this] {
            LeerRadios();
            PasoBotonesSigno();
        });
    }
    On(IDC_EDIT_SIGNO, Notify::Changed, [this] { OnSignoPersonalizado(); });
    On(IDC_EDIT_NOMBRE_MONEDA, Notify::Changed, [this] {
        LeerRadios();
        CGlobalCurrency::SetNombreMoneda(GetDlgItemText(IDC_EDIT_NOMBRE_MONEDA));
    });
}

bool CConfigDlg::OnInitDialog() {
    Estado& e = *m_estado;
    for (std::size_t i = 0; i < kBotonesSigno.size(); ++i) {
        e.normales[i] = Servicios().LoadResourceBitmap(kBotonesSigno[i].nNormal);
        e.resaltadas[i] = Servicios().LoadResourceBitmap(kBotonesSigno[i].nResaltado);
        Window().SetImage(kBotonesSigno[i].id, e.normales[i]);
    }
    PonerTextos();
    EscribirRadios();
    if (e.bEstandar == 0) {
        SetDlgItemText(IDC_EDIT_SIGNO, CGlobalCurrency::GetSimbolo());
    }
    SetDlgItemText(IDC_EDIT_NOMBRE_MONEDA, CGlobalCurrency::GetNombreMoneda());
    return true;
}

// The mode radios show their patterns applied to 1.1 with the sign "$"; the labels come from
// the language table.
void CConfigDlg::PonerTextos() {
    for (std::size_t i = 0; i < kRadiosPositivo.size(); ++i) {
        SetDlgItemText(kRadiosPositivo[i], MuestraModo(false, static_cast<int>(i)));
    }
    for (std::size_t i = 0; i < kRadiosNegativo.size(); ++i) {
        SetDlgItemText(kRadiosNegativo[i], MuestraModo(true, static_cast<int>(i)));
    }
    for (std::size_t i = 0; i < kEtiquetas.size(); ++i) {
        SetDlgItemText(kEtiquetas[i], TextoIdioma1(static_cast<int>(i)));
    }
}

void CConfigDlg::LeerRadios() {
    Estado& e = *m_estado;
    const DialogWindow& w = Window();
    e.bEstandar = w.GetCheck(kRadiosTipoSigno[0]) ? 0 : 1;
    e.nEstilo = w.GetCheck(kRadiosEstilo[0]) ? kComaDecimal : kPuntoDecimal;
    e.nDecimales = w.GetCheck(kRadiosDecimales[0]) ? 2 : 0;
    e.nModoPositivo = RadioMarcado(w, kRadiosPositivo, e.nModoPositivo);
    e.nModoNegativo = RadioMarcado(w, kRadiosNegativo, e.nModoNegativo);
    e.nMiles = RadioMarcado(w, kRadiosMiles, e.nMiles);
    e.nRelleno = RadioMarcado(w, kRadiosRelleno, e.nRelleno);
}

void CConfigDlg::EscribirRadios() {
    const Estado& e = *m_estado;
    DialogWindow& w = Window();
    MarcarRadio(w, kRadiosTipoSigno, e.bEstandar);
    MarcarRadio(w, kRadiosEstilo, e.nEstilo);
    MarcarRadio(w, kRadiosDecimales, e.nDecimales == 2 ? 0 : 1);
    MarcarRadio(w, kRadiosPositivo, e.nModoPositivo);
    MarcarRadio(w, kRadiosNegativo, e.nModoNegativo);
    MarcarRadio(w, kRadiosMiles, e.nMiles);
    MarcarRadio(w, kRadiosRelleno, e.nRelleno);
}

// A decimal comma cannot stand beside a group comma, nor a decimal point beside a group point:
// the group separator gives way.
void CConfigDlg::OnEstiloDecimal() {
    Estado& e = *m_estado;
    if (e.nEstilo == kComaDecimal) {
        CGlobalCurrency::SetSeparadorDecimal(",");
        if (e.nMiles == kMilesComa) {
            CGlobalCurrency::SetSeparadorMiles(".");
            e.nMiles = kMilesPunto;
            EscribirRadios();
        }
    } else {
        CGlobalCurrency::SetSeparadorDecimal(".");
        if (e.nMiles == kMilesPunto) {
            CGlobalCurrency::SetSeparadorMiles(",");
            e.nMiles = kMilesComa;
            EscribirRadios();
        }
    }
}

// The same pairing seen from the group separator: here the decimal separator gives way.
void CConfigDlg::OnSeparadorMiles() {
    Estado& e = *m_estado;
    CGlobalCurrency::SetSeparadorMiles(kSeparadoresMiles[e.nMiles]);
    if (e.nMiles == kMilesComa && e.nEstilo == kComaDecimal) {
        CGlobalCurrency::SetSeparadorDecimal(".");
        e.nEstilo = kPuntoDecimal;
        EscribirRadios();
    } else if (e.nMiles == kMilesPunto && e.nEstilo == kPuntoDecimal) {
        CGlobalCurrency::SetSeparadorDecimal(",");
        e.nEstilo = kComaDecimal;
        EscribirRadios();
    }
}

void CConfigDlg::OnTipoSigno() {
    if (m_estado->bEstandar == 1) {
        Window().SetFocus(IDC_BUTTON_SIGNO_VACIO);
    } else {
        CGlobalCurrency::SetSimbolo(GetDlgItemText(IDC_EDIT_SIGNO));
    }
    PasoBotonesSigno();
}

// The button holding the keyboard focus is the chosen sign: a button takes the focus when it
// is clicked, and "Signos Standard" hands it to the empty sign.
void CConfigDlg::PasoBotonesSigno() {
    Estado& e = *m_estado;
    DialogWindow& w = Window();
    const int nFoco = w.GetFocusId();
    for (std::size_t i = 0; i < kBotonesSigno.size(); ++i) {
        const BotonSigno& b = kBotonesSigno[i];
        if (b.id == nFoco) {
            w.SetImage(b.id, e.resaltadas[i]);
            CGlobalCurrency::SetSimbolo(SignoEstandar(b.nSigno));
        } else {
            w.SetImage(b.id, e.normales[i]);
        }
    }
    e.bEstandar = w.GetCheck(kRadiosTipoSigno[0]) ? 0 : 1;
    EscribirRadios();
    Redibujar();
}

void CConfigDlg::OnSignoPersonalizado() {
    LeerRadios();
    CGlobalCurrency::SetSimbolo(GetDlgItemText(IDC_EDIT_SIGNO));
    m_estado->bEstandar = 0;
    EscribirRadios();
    Redibujar();
}

void CConfigDlg::Redibujar() {
    Window().Invalidate();
}

// The two samples, in the dialog's pixels, below the controls.
void CConfigDlg::OnPaint(Device& dc) {
    dc.Rectangle(10, 290, 500, 390);  // the paint's own black pen and white brush
    m_estado->cuPositivo.DibujarImporte(dc, 20, 300);
    m_estado->cuNegativo.DibujarImporte(dc, 20, 340);
}
