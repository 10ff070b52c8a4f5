// The form's two modes, normal and label editing, its button captions and pictures, and the
// names its fields and picture buttons give screen readers.
#include <array>
#include <string>
#include <utility>

#include "form/campos.h"
#include "form/ui/recibodlg.h"
#include "lang/idiomas.h"
#include "platform/services.h"

namespace {

// Commands enabled in normal mode and disabled while the labels are edited.
constexpr std::array kComandosActivables = {
    IDC_BUTTON_SALIR,    IDC_BUTTON_GUARDAR, IDC_BUTTON_IMPRIMIR_IMG, IDC_BUTTON_VISTA,
    IDC_BUTTON_IMPRIMIR, IDC_BUTTON_FONDO,   IDC_BUTTON_COLOR,        IDC_BUTTON_LOGOTIPO,
    IDC_BUTTON_MONEDA,   IDC_BUTTON_DEFECTO, IDC_BUTTON_EDITAR,       IDC_BUTTON_CALENDARIO,
    IDC_BUTTON_MAS,
};
// Commands shown in normal mode and hidden while the labels are edited; the calendar and
// "+" stay in sight, disabled, and the load button is hidden but never disabled.
constexpr std::array kComandosVisibles = {
    IDC_BUTTON_SALIR,    IDC_BUTTON_GUARDAR, IDC_BUTTON_IMPRIMIR_IMG, IDC_BUTTON_VISTA,
    IDC_BUTTON_IMPRIMIR, IDC_BUTTON_CARGAR,  IDC_BUTTON_FONDO,        IDC_BUTTON_COLOR,
    IDC_BUTTON_LOGOTIPO, IDC_BUTTON_MONEDA,  IDC_BUTTON_DEFECTO,      IDC_BUTTON_EDITAR,
};
// "Aceptar" and "Cancelar" of label editing, in the places of "Imprimir" and "Vista Previa".
constexpr std::array kBotonesEdicion = {IDC_BUTTON_ACEPTAR, IDC_BUTTON_CANCELAR};

// What a label's accessible name starts with, before the name of its fields.
constexpr char kPrefijoEtiqueta[] = "Etiqueta: ";

// Captions from the language table, group 2.
constexpr std::array<std::pair<int, int>, 9> kTextosBotones = {{
    {IDC_BUTTON_FONDO, 1},
    {IDC_BUTTON_COLOR, 2},
    {IDC_BUTTON_LOGOTIPO, 3},
    {IDC_BUTTON_MONEDA, 5},
    {IDC_BUTTON_DEFECTO, 6},
    {IDC_BUTTON_EDITAR, 7},
    {IDC_BUTTON_ACEPTAR, 8},
    {IDC_BUTTON_CANCELAR, 9},
    {IDC_BUTTON_IMPRIMIR, 10},
}};

// An image button: its picture, its name for screen readers and its tooltip, the language
// table's text (group 2) where the table has one for the command, the Spanish text otherwise.
struct BotonImagen {
    int nControl;
    int nRecurso;
    const char* sNombre;
    int nTextoIdioma;  // -1: the table has no text for it
    const char* sAyuda;
};
// In loading order.
constexpr std::array<BotonImagen, 5> kBotonesImagen = {{
    {IDC_BUTTON_IMPRIMIR_IMG, 210, "Imprimir", 10, "Imprimir"},
    {IDC_BUTTON_SALIR, 211, "Salir", -1, "Salir"},
    {IDC_BUTTON_GUARDAR, 209, "Guardar", -1, "Guardar recibo"},
    {IDC_BUTTON_CARGAR, 222, "Cargar", -1, "Cargar recibo guardado"},
    {IDC_BUTTON_CALENDARIO, 1122, "Calendario", -1, "Calendario"},
}};

std::string AyudaDe(const BotonImagen& boton) {
    return boton.nTextoIdioma < 0 ? std::string(boton.sAyuda)
                                  : TextoIdiomaO(2, boton.nTextoIdioma, boton.sAyuda);
}

int IdDe(const CampoGuardado& campo) {
    return campo.nControl;
}
int IdDe(const CampoEtiqueta& campo) {
    return campo.nControl;
}

template <class Tabla>
void SoloLectura(DialogWindow& w, const Tabla& tabla, bool bSoloLectura) {
    for (const auto& c : tabla) {
        w.SetReadOnly(IdDe(c), bSoloLectura);
    }
}

template <class Tabla>
void Activar(DialogWindow& w, const Tabla& tabla, bool bActivo) {
    for (const int id : tabla) {
        w.Enable(id, bActivo);
    }
}

template <class Tabla>
void Mostrar(DialogWindow& w, const Tabla& tabla, bool bVisible) {
    for (const int id : tabla) {
        w.Show(id, bVisible);
    }
}

}  // namespace

void CReciboDlg::ModoNormal() {
    DialogWindow& w = Window();
    SoloLectura(w, kEtiquetas, true);
    SoloLectura(w, kCamposRecibo, false);
    w.SetReadOnly(IDC_EDIT_IMPORTE, true);
    Activar(w, kComandosActivables, true);
    Mostrar(w, kComandosVisibles, true);
    Activar(w, kBotonesEdicion, false);
    Mostrar(w, kBotonesEdicion, false);
    // The button that was clicked is gone: the focus goes where the receipt is typed.
    w.SetFocus(IDC_EDIT_NUMERO);
}

void CReciboDlg::ModoEditarConceptos() {
    DialogWindow& w = Window();
    SoloLectura(w, kEtiquetas, false);
    SoloLectura(w, kCamposRecibo, true);
    w.SetReadOnly(IDC_EDIT_IMPORTE, true);
    Activar(w, kComandosActivables, false);
    Activar(w, kBotonesEdicion, true);
    Mostrar(w, kComandosVisibles, false);
    Mostrar(w, kBotonesEdicion, true);
    // The fields are read-only now: what is typed goes to the first label, replacing it.
    w.SetFocus(IDC_EDIT_DEF_NUMERO);
}

// Set once at start-up; "Vista Previa" keeps its template caption.
void CReciboDlg::PonerTextosBotones() {
    for (const auto& [nControl, nIndice] : kTextosBotones) {
        SetDlgItemText(nControl, TextoIdioma2(nIndice));
    }
}

// A label names its fields, numbered where it stands over several lines, and itself as the
// label of that name, so that a screen reader tells the two apart; a label left empty names
// them with its built-in text, so no field goes without a name.
void CReciboDlg::NombrarCampos(std::size_t nEtiqueta) {
    const CampoEtiqueta& etiqueta = kEtiquetas[nEtiqueta];
    std::string sNombre = GetDlgItemText(etiqueta.nControl);
    if (sNombre.empty()) {
        sNombre = TextoIdioma9(static_cast<int>(nEtiqueta));
    }
    DialogWindow& w = Window();
    w.SetAccessibleName(etiqueta.nControl, kPrefijoEtiqueta + sNombre);
    for (int n = 0; n < etiqueta.nCampos; ++n) {
        w.SetAccessibleName(etiqueta.nCampo + n, etiqueta.nCampos == 1
                                                     ? sNombre
                                                     : sNombre + " " + std::to_string(n + 1));
    }
}

void CReciboDlg::PonerImagenes() {
    for (const BotonImagen& boton : kBotonesImagen) {
        Window().SetImage(boton.nControl, Servicios().LoadResourceBitmap(boton.nRecurso));
        Window().SetToolTip(boton.nControl, AyudaDe(boton));
        Window().SetAccessibleName(boton.nControl, boton.sNombre);
    }
}
