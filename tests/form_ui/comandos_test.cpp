// The form's buttons reach the windows and boxes they stand for.
#include <gtest/gtest.h>

#include "form/campos.h"
#include "output/vistapreviadlg.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

using ComandosTest = FormularioAbiertoTest;

struct CasoVentana {
    int nBoton;
    int nPlantilla;
};

class BotonDeVentana : public ComandosTest, public ::testing::WithParamInterface<CasoVentana> {};

TEST_P(BotonDeVentana, AbreSuVentanaYElFormularioSigue) {
    ui::Click(Dlg(), GetParam().nBoton);
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{GetParam().nPlantilla});
    EXPECT_FALSE(Dlg().Window().IsEnded());
}

const CasoVentana kVentanas[] = {{IDC_BUTTON_VISTA, 225},
                                 {IDC_BUTTON_FONDO, 216},
                                 {IDC_BUTTON_LOGOTIPO, 215},
                                 {IDC_BUTTON_MONEDA, 137},
                                 {IDC_BUTTON_CALENDARIO, 223}};
INSTANTIATE_TEST_SUITE_P(Botones, BotonDeVentana, ::testing::ValuesIn(kVentanas));

// The two print buttons ask for the printer and Color for a colour, with no window of their own.
TEST_F(ComandosTest, ImprimirYColorPreguntanDirectamente) {
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR_IMG);
    ui::Click(Dlg(), IDC_BUTTON_COLOR);
    EXPECT_EQ(m_servicios.printAsked, 2);
    EXPECT_EQ(m_servicios.colorAsked, 1);
    EXPECT_TRUE(m_servicios.modalRuns.empty());
}

// The preview gets the receipt as the form holds it at the click.
TEST_F(ComandosTest, LaVistaPreviaRecibeElReciboDelFormulario) {
    ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Lugo");
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + 2, "12,5");
    ReciboData recibido;
    m_servicios.QueueModal(
        [&](CDialog& dlg) { recibido = dynamic_cast<CVistaPreviaDlg&>(dlg).m_recibo; });
    ui::Click(Dlg(), IDC_BUTTON_VISTA);
    ReciboData esperado;
    Dlg().RellenarRecibo(esperado);
    EXPECT_EQ(recibido, esperado);
    EXPECT_EQ(recibido.sLocalidad, "Lugo");
    EXPECT_EQ(recibido.cuImporte.Valor(), 125000);
}

}  // namespace
