// What the form tells a user who cannot see it: tooltips of the image buttons, and the names
// screen readers give every field and button.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "form/campos.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

using AccesibilidadTest = FormularioAbiertoTest;

// The name assistive technologies read for the control.
std::string Nombre(const CDialog& dlg, int id) {
    QAccessibleInterface* acc = QAccessible::queryAccessibleInterface(ui::Control(dlg, id));
    return acc != nullptr ? acc->text(QAccessible::Name).toStdString() : "(sin interfaz)";
}

// The names of the 34 text fields: a label names the fields below it, numbered where it
// stands over several lines, and is itself named as their label, never as a field.
struct Rotulo {
    int nEtiqueta;
    int nCampo;
    int nCampos;
    std::string sNombre;
};
std::vector<std::pair<int, std::string>> NombresEsperados(const std::vector<Rotulo>& rotulos) {
    std::vector<std::pair<int, std::string>> nombres;
    for (const Rotulo& r : rotulos) {
        nombres.emplace_back(r.nEtiqueta, "Etiqueta: " + r.sNombre);
        for (int n = 0; n < r.nCampos; ++n) {
            nombres.emplace_back(
                r.nCampo + n, r.nCampos == 1 ? r.sNombre : r.sNombre + " " + std::to_string(n + 1));
        }
    }
    return nombres;
}

const std::vector<Rotulo> kRotulos = {
    {IDC_EDIT_DEF_NUMERO, IDC_EDIT_NUMERO, 1, "numero"},
    {IDC_EDIT_DEF_LOCALIDAD, IDC_EDIT_LOCALIDAD, 1, "localidad"},
    {IDC_EDIT_DEF_IMPORTE, IDC_EDIT_IMPORTE, 1, "importe"},
    {IDC_EDIT_DEF_FECHA, IDC_EDIT_FECHA, 1, "fecha"},
    {IDC_EDIT_DEF_VENCIMIENTO, IDC_EDIT_VENCIMIENTO, 1, "vencimiento"},
    {IDC_EDIT_IMPORTES, IDC_EDIT_IMPORTE_1, 6, "importes"},
    {IDC_EDIT_CONCEPTOS, IDC_EDIT_CONCEPTO_1, 6, "conceptos"},
    {IDC_EDIT_DEF_PAGADOR, IDC_EDIT_PAGADOR_1, 3, "pagador"},
    {IDC_EDIT_DEF_COBRADOR, IDC_EDIT_COBRADOR_1, 3, "cobrador"},
    {IDC_EDIT_DEF_DOMICILIO, IDC_EDIT_DOMICILIO, 1, "domicilio"},
};

void ComprobarNombres(const CDialog& dlg, const std::vector<Rotulo>& rotulos) {
    const auto nombres = NombresEsperados(rotulos);
    ASSERT_EQ(nombres.size(), 34u);
    std::set<std::string> distintos;
    for (const auto& [id, sNombre] : nombres) {
        EXPECT_EQ(Nombre(dlg, id), sNombre) << id;
        distintos.insert(Nombre(dlg, id));
    }
    // A screen reader hears each name once: no label shares its field's name.
    EXPECT_EQ(distintos.size(), nombres.size());
}

const std::pair<int, const char*> kAyudas[] = {
    {IDC_BUTTON_SALIR, "Salir"},
    {IDC_BUTTON_GUARDAR, "Guardar recibo"},
    {IDC_BUTTON_CARGAR, "Cargar recibo guardado"},
    {IDC_BUTTON_IMPRIMIR_IMG, "Imprimir"},
    {IDC_BUTTON_CALENDARIO, "Calendario"},
};

TEST_F(AccesibilidadTest, CadaBotonDeImagenDiceLoQueHace) {
    for (const auto& [id, sAyuda] : kAyudas) {
        EXPECT_EQ(ui::Control(Dlg(), id)->toolTip(), QString::fromLatin1(sAyuda)) << id;
    }
}

// The preview's picture buttons: the printer prints, the cross goes back to the form.
TEST_F(AccesibilidadTest, LosBotonesDeLaVistaPreviaDicenLoQueHacen) {
    QString sAceptar;
    QString sCancelar;
    m_servicios.QueueModal([&](CDialog& dlg) {
        sAceptar = ui::Control(dlg, IDOK)->toolTip();
        sCancelar = ui::Control(dlg, IDCANCEL)->toolTip();
    });
    ui::Click(Dlg(), IDC_BUTTON_VISTA);
    EXPECT_EQ(sAceptar, "Imprimir");
    EXPECT_EQ(sCancelar, "Cancelar");
}

}  // namespace

namespace {

TEST_F(AccesibilidadTest, CadaCampoLlevaElNombreDeSuEtiqueta) {
    ComprobarNombres(Dlg(), kRotulos);
}

// The names follow the labels: while they are edited, when "Cancelar" or "Set Default" loads
// them again, and an emptied label names its fields with its built-in text.
TEST_F(AccesibilidadTest, LosNombresSiguenALasEtiquetas) {
    std::vector<Rotulo> rotulos = kRotulos;
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ui::Type(Dlg(), IDC_EDIT_DEF_PAGADOR, "deudor");
    ui::Type(Dlg(), IDC_EDIT_DEF_NUMERO, "");
    ui::Key(Dlg(), Qt::Key_Backspace);
    rotulos[7].sNombre = "deudor";
    ComprobarNombres(Dlg(), rotulos);
    ui::Click(Dlg(), IDC_BUTTON_CANCELAR);
    ComprobarNombres(Dlg(), kRotulos);

    ajustes::kDefDomicilio.Escribir("direcci\xF3n");
    ui::Click(Dlg(), IDC_BUTTON_DEFECTO);
    rotulos = kRotulos;
    rotulos[9].sNombre = "direcci\xC3\xB3n";  // read back as UTF-8
    ComprobarNombres(Dlg(), rotulos);
}

// The picture buttons are named for what they do; the load button is not another "Guardar".
TEST_F(AccesibilidadTest, LosBotonesDeImagenTienenSuNombre) {
    const std::pair<int, const char*> kNombres[] = {
        {IDC_BUTTON_SALIR, "Salir"},           {IDC_BUTTON_GUARDAR, "Guardar"},
        {IDC_BUTTON_IMPRIMIR_IMG, "Imprimir"}, {IDC_BUTTON_CARGAR, "Cargar"},
        {IDC_BUTTON_CALENDARIO, "Calendario"},
    };
    for (const auto& [id, sNombre] : kNombres) {
        EXPECT_EQ(Nombre(Dlg(), id), sNombre) << id;
    }
}

}  // namespace
