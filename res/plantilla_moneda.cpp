// The currency options. Left column: decimal style, positive modes, decimals, group
// separator, fill and the sample's label; middle: the sixteen negative modes in two columns;
// right: the currency name, the kind of sign with the custom sign between its two radios, and
// the sign buttons in three rows of ten cells. The samples are drawn below the left and middle
// columns, so that strip holds no controls.
#include <span>

#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

namespace {

constexpr int kIzquierda = 7;
constexpr int kMedio = 129;
constexpr int kDerecha = 226;
constexpr int kAnchoEtiqueta = 118;

// A row of radios of equal width starting at x; the first starts the group.
void FilaRadios(std::vector<ControlTemplate>& c, std::span<const int> ids,
                std::initializer_list<const char*> textos, int x, int y, int ancho, bool grupo) {
    auto texto = textos.begin();
    for (const int id : ids) {
        c.push_back(Radio(id, x, y, ancho - 2, 10, *texto++, grupo ? unsigned{kGroup} : 0u));
        grupo = false;
        x += ancho;
    }
}

void ColumnaIzquierda(std::vector<ControlTemplate>& c) {
    const std::span<const int> positivos(kRadiosPositivo);
    c.push_back(
        Etiqueta(IDC_EDIT_DEF_SEPARADOR_DECIMAL, kIzquierda, 4, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, kRadiosEstilo, {"1.000,00", "1,000.00"}, 12, 16, 58, true);
    c.push_back(Etiqueta(IDC_EDIT_DEF_POSITIVOS, kIzquierda, 28, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, positivos.first(2), {"", ""}, 12, 40, 58, true);
    FilaRadios(c, positivos.last(2), {"", ""}, 12, 51, 58, false);
    c.push_back(Etiqueta(IDC_EDIT_DEF_DECIMALES, kIzquierda, 63, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, kRadiosDecimales, {"0.00", "0"}, 12, 75, 58, true);
    c.push_back(Etiqueta(IDC_EDIT_DEF_MILES, kIzquierda, 87, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, kRadiosMiles, {",", ".", "'", " "}, 12, 99, 28, true);
    c.push_back(Etiqueta(IDC_EDIT_DEF_RELLENO, kIzquierda, 111, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, kRadiosRelleno, {"#", "*", "X", " "}, 12, 123, 28, true);
    c.push_back(Etiqueta(IDC_EDIT_DEF_MUESTRA, kIzquierda, 134, kAnchoEtiqueta, 10, kReadOnly));
}

void ColumnaNegativos(std::vector<ControlTemplate>& c) {
    c.push_back(Etiqueta(IDC_EDIT_DEF_NEGATIVOS, kMedio, 4, 94, 11, kReadOnly));
    for (int i = 0; i < 16; ++i) {
        const int x = kMedio + 2 + (i / 8) * 46;
        const int y = 17 + (i % 8) * 11;
        c.push_back(Radio(kRadiosNegativo[i], x, y, 44, 10, "", i == 0 ? unsigned{kGroup} : 0u));
    }
}

void ParteSigno(std::vector<ControlTemplate>& c) {
    c.push_back(Etiqueta(IDC_EDIT_DEF_NOMBRE_MONEDA, kDerecha, 4, 70, 11, kReadOnly));
    c.push_back(Edit(IDC_EDIT_NOMBRE_MONEDA, kDerecha + 74, 4, 136, 12));
    c.push_back(Etiqueta(IDC_EDIT_DEF_SIMBOLO, kDerecha, 18, 210, 11, kReadOnly));
    // The custom sign's edit between the two radios; the first radio's caption is the longer.
    c.push_back(
        Radio(IDC_RADIO_SIGNO_PERSONALIZADO, kDerecha, 32, 86, 10, "Signo Personalizado", kGroup));
    c.push_back(Radio(IDC_RADIO_SIGNOS_STANDARD, kDerecha + 129, 32, 82, 10, "Signos Standard"));
    c.push_back(Edit(IDC_EDIT_SIGNO, kDerecha + 88, 31, 39, 12));
    // Three rows of ten cells of 21 x 32: 23 signs, then seven buttons kept hidden.
    const int signos[] = {
        IDC_BUTTON_SIGNO_1,  IDC_BUTTON_SIGNO_2,  IDC_BUTTON_SIGNO_3,    IDC_BUTTON_SIGNO_4,
        IDC_BUTTON_SIGNO_5,  IDC_BUTTON_SIGNO_6,  IDC_BUTTON_SIGNO_7,    IDC_BUTTON_SIGNO_8,
        IDC_BUTTON_SIGNO_9,  IDC_BUTTON_SIGNO_10, IDC_BUTTON_SIGNO_11,   IDC_BUTTON_SIGNO_12,
        IDC_BUTTON_SIGNO_13, IDC_BUTTON_SIGNO_14, IDC_BUTTON_SIGNO_15,   IDC_BUTTON_SIGNO_16,
        IDC_BUTTON_SIGNO_17, IDC_BUTTON_SIGNO_18, IDC_BUTTON_SIGNO_19,   IDC_BUTTON_SIGNO_20,
        IDC_BUTTON_SIGNO_21, IDC_BUTTON_SIGNO_22, IDC_BUTTON_SIGNO_VACIO};
    int nCelda = 0;
    const auto celda = [&c, &nCelda](int id, unsigned estilo) {
        c.push_back(BotonImagen(id, kDerecha + (nCelda % 10) * 21, 46 + (nCelda / 10) * 32, 21, 32,
                                "", estilo));
        ++nCelda;
    };
    for (const int id : signos) {
        celda(id, 0u);
    }
    for (int i = 0; i < 7; ++i) {
        celda(IDC_BUTTON_OCULTO_1 + i, kHidden);
    }
}

}  // namespace

DialogTemplate PlantillaMoneda() {
    DialogTemplate t{IDD_CONFIG, 441, 246, "Config", kDlgModalFrame, {}};
    ColumnaIzquierda(t.controls);
    ColumnaNegativos(t.controls);
    ParteSigno(t.controls);
    t.controls.push_back(Boton(IDOK, 384, 225, 50, 14, "Aceptar", kDefault));
    return t;
}

}  // namespace plantillas
