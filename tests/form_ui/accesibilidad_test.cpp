// What the image buttons tell a user who cannot read their pictures: tooltips and names.
#include <gtest/gtest.h>

#include <QWidget>
#include <utility>

#include "form/campos.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

using AccesibilidadTest = FormularioAbiertoTest;

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
