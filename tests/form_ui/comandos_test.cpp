// The form's buttons reach the windows and boxes they stand for.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "app/boxes/aboutdlg.h"
#include "form/campos.h"
#include "money/ui/configdlg.h"
#include "options/disenorecibodlg.h"
#include "options/logotipodlg.h"
#include "output/vistapreviadlg.h"
#include "register/ui/cambioestadodlg.h"
#include "register/ui/recibosemitidosdlg.h"
#include "res/ids/identificadores.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

using ComandosTest = FormularioAbiertoTest;

struct CasoVentana : Fila {
    int nBoton;
    int nPlantilla;
};

class BotonDeVentana : public ComandosTest, public ::testing::WithParamInterface<CasoVentana> {};

TEST_P(BotonDeVentana, AbreSuVentanaYElFormularioSigue) {
    ui::Click(Dlg(), GetParam().nBoton);
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{GetParam().nPlantilla});
    EXPECT_FALSE(Dlg().Window().IsEnded());
}

const CasoVentana kVentanas[] = {{"Vista", IDC_BUTTON_VISTA, IDD_VISTA_PREVIA},
                                 {"Fondo", IDC_BUTTON_FONDO, IDD_DISENO_RECIBO},
                                 {"Logotipo", IDC_BUTTON_LOGOTIPO, IDD_LOGOTIPO},
                                 {"Moneda", IDC_BUTTON_MONEDA, IDD_CONFIG},
                                 {"Calendario", IDC_BUTTON_CALENDARIO, IDD_CALENDARIO}};
INSTANTIATE_TEST_SUITE_P(Botones, BotonDeVentana, ::testing::ValuesIn(kVentanas),
                         ::testing::PrintToStringParamName());

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

// Every control a window's command table handles is a control of its own template: a handler
// for an id the template lacks, or that belongs to another window, would never run.
TEST_F(ComandosTest, CadaVentanaAtiendeSoloControlesDeSuPlantilla) {
    const std::function<std::unique_ptr<CDialog>()> ventanas[] = {
        [] { return std::make_unique<CReciboDlg>(); },
        [] { return std::make_unique<CAboutDlg>(); },
        [] { return std::make_unique<CConfigDlg>(); },
        [] { return std::make_unique<CLogotipoDlg>(); },
        [] { return std::make_unique<CDisenoReciboDlg>(); },
        [] { return std::make_unique<CRecibosEmitidosDlg>(); },
        [] { return std::make_unique<CDevueltoDlg>(); },
    };
    for (const auto& crear : ventanas) {
        const std::unique_ptr<CDialog> dlg = crear();
        SCOPED_TRACE(dlg->TemplateId());
        std::set<int> controles;
        for (const ControlTemplate& c : BuscarPlantilla(dlg->TemplateId())->controls) {
            controles.insert(c.id);
        }
        const std::vector<int> atendidos = dlg->HandledControls();
        EXPECT_FALSE(atendidos.empty());
        for (const int id : atendidos) {
            EXPECT_TRUE(controles.contains(id)) << id;
        }
    }
}

}  // namespace
