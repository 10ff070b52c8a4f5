// The currency options (137). Left column: decimal style, positive modes, decimals, group
// separator, fill and the sample's label; middle: the sixteen negative modes in two columns;
// right: the currency name, the kind of sign with the custom sign between its two radios, and
// the sign buttons in three rows of ten cells. The samples are drawn below the left and middle
// columns, so that strip holds no controls.
#include "res/controles.h"

namespace plantillas {

namespace {

constexpr int kIzquierda = 7;
constexpr int kMedio = 129;
constexpr int kDerecha = 226;
constexpr int kAnchoEtiqueta = 118;

// A row of radios of equal width starting at x; the first starts the group.
void FilaRadios(std::vector<ControlTemplate>& c, std::initializer_list<int> ids,
                std::initializer_list<const char*> textos, int x, int y, int ancho, bool grupo) {
    auto texto = textos.begin();
    for (const int id : ids) {
        c.push_back(Radio(id, x, y, ancho - 2, 10, *texto++, grupo ? unsigned{kGroup} : 0u));
        grupo = false;
        x += ancho;
    }
}

void ColumnaIzquierda(std::vector<ControlTemplate>& c) {
    c.push_back(Etiqueta(1114, kIzquierda, 4, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, {1110, 1111}, {"1.000,00", "1,000.00"}, 12, 16, 58, true);
    c.push_back(Etiqueta(1115, kIzquierda, 28, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, {1065, 1066}, {"", ""}, 12, 40, 58, true);
    FilaRadios(c, {1067, 1068}, {"", ""}, 12, 51, 58, false);
    c.push_back(Etiqueta(1116, kIzquierda, 63, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, {1052, 1053}, {"0.00", "0"}, 12, 75, 58, true);
    c.push_back(Etiqueta(1120, kIzquierda, 87, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, {1124, 1125, 1126, 1127}, {",", ".", "'", " "}, 12, 99, 28, true);
    c.push_back(Etiqueta(1121, kIzquierda, 111, kAnchoEtiqueta, 11, kReadOnly));
    FilaRadios(c, {1128, 1129, 1130, 1131}, {"#", "*", "X", " "}, 12, 123, 28, true);
    c.push_back(Etiqueta(1119, kIzquierda, 134, kAnchoEtiqueta, 10, kReadOnly));
}

void ColumnaNegativos(std::vector<ControlTemplate>& c) {
    c.push_back(Etiqueta(1118, kMedio, 4, 94, 11, kReadOnly));
    const int ids[] = {1095, 1059, 1079, 1080, 1081, 1082, 1083, 1084,
                       1085, 1086, 1087, 1090, 1091, 1092, 1093, 1094};
    for (int i = 0; i < 16; ++i) {
        const int x = kMedio + 2 + (i / 8) * 46;
        const int y = 17 + (i % 8) * 11;
        c.push_back(Radio(ids[i], x, y, 44, 10, "", i == 0 ? unsigned{kGroup} : 0u));
    }
}

void ParteSigno(std::vector<ControlTemplate>& c) {
    c.push_back(Etiqueta(1112, kDerecha, 4, 70, 11, kReadOnly));
    c.push_back(Edit(1113, kDerecha + 74, 4, 136, 12));
    c.push_back(Etiqueta(1117, kDerecha, 18, 210, 11, kReadOnly));
    c.push_back(Radio(1074, kDerecha, 32, 82, 10, "Signo Personalizado", kGroup));
    c.push_back(Radio(1089, kDerecha + 128, 32, 82, 10, "Signos Standard"));
    c.push_back(Edit(1096, kDerecha + 84, 31, 42, 12));
    // Three rows of ten cells of 21 x 32: 23 signs, then seven buttons kept hidden.
    const int signos[] = {1051, 1056, 1057, 1058, 1060, 1061, 1062, 1063, 1064, 1069,
                          1070, 1071, 1072, 1075, 1076, 1077, 1078, 1088, 1098, 1099,
                          1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109};
    for (int i = 0; i < 30; ++i) {
        const unsigned oculto = signos[i] >= 1103 ? kHidden : 0u;
        c.push_back(BotonImagen(signos[i], kDerecha + (i % 10) * 21, 46 + (i / 10) * 32, 21, 32, "",
                                oculto));
    }
}

}  // namespace

DialogTemplate PlantillaMoneda() {
    DialogTemplate t{137, 441, 246, "Config", kDlgModalFrame, {}};
    ColumnaIzquierda(t.controls);
    ColumnaNegativos(t.controls);
    ParteSigno(t.controls);
    t.controls.push_back(Boton(1, 384, 225, 50, 14, "Aceptar", kDefault));
    return t;
}

}  // namespace plantillas
