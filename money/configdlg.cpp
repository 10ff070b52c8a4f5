#include "money/configdlg.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "lang/idiomas.h"
#include "money/globalcurrency.h"
#include "platform/services.h"

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
    {1051, 175, 182, 2},  {1056, 157, 177, 3},  {1057, 155, 178, 11}, {1058, 172, 179, 12},
    {1060, 165, 180, 21}, {1061, 158, 181, 2},  {1062, 168, 183, 25}, {1063, 148, 184, 1},
    {1064, 154, 185, 5},  {1069, 153, 186, 8},  {1070, 173, 187, 7},  {1071, 162, 188, 13},
    {1072, 164, 189, 23}, {1075, 161, 190, 4},  {1076, 163, 191, 15}, {1077, 167, 192, 16},
    {1078, 159, 193, 27}, {1088, 169, 194, 26}, {1098, 160, 195, 20}, {1099, 170, 196, 24},
    {1100, 166, 197, 19}, {1101, 156, 198, 6},  {1102, 176, 199, 39},
}};

constexpr int kBotonSignoVacio = 1102;
constexpr int kEditSigno = 1096;
constexpr int kEditNombre = 1113;

// Radio groups, each in the order of the choice it stands for.
constexpr std::array<int, 2> kRadiosTipoSigno = {1074, 1089};  // custom, standard
constexpr std::array<int, 2> kRadiosEstilo = {1110, 1111};     // "1.000,00", "1,000.00"
constexpr std::array<int, 2> kRadiosDecimales = {1052, 1053};  // 2, 0
constexpr std::array<int, 4> kRadiosPositivo = {1065, 1066, 1067, 1068};
constexpr std::array<int, 16> kRadiosNegativo = {1095, 1059, 1079, 1080, 1081, 1082, 1083, 1084,
                                                 1085, 1086, 1087, 1090, 1091, 1092, 1093, 1094};
constexpr std::array<int, 4> kRadiosMiles = {1124, 1125, 1126, 1127};
constexpr std::array<int, 4> kRadiosRelleno = {1128, 1129, 1130, 1131};

constexpr std::array<const char*, 4> kSeparadoresMiles = {",", ".", "'", " "};
constexpr std::array<int, 4> kRellenos = {'#', '*', 'X', ' '};

// The controls that show the texts of language group 1, by index.
constexpr std::array<int, 11> kEtiquetas = {1114, 1115, 1116, 1118, 1112, 1117,
                                            1120, 1119, 1074, 1089, 1121};

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

CConfigDlg::CConfigDlg() : CDialog(137), m_estado(std::make_unique<Estado>()) {
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
    On(kEditSigno, Notify::Changed, [this] { OnSignoPersonalizado(); });
    On(kEditNombre, Notify::Changed, [this] {
        LeerRadios();
        CGlobalCurrency::SetNombreMoneda(GetDlgItemText(kEditNombre));
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
        SetDlgItemText(kEditSigno, CGlobalCurrency::GetSimbolo());
    }
    SetDlgItemText(kEditNombre, CGlobalCurrency::GetNombreMoneda());
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
        Window().SetFocus(kBotonSignoVacio);
    } else {
        CGlobalCurrency::SetSimbolo(GetDlgItemText(kEditSigno));
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
    CGlobalCurrency::SetSimbolo(GetDlgItemText(kEditSigno));
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
