// The state of every control in normal and label-editing mode.
#include <gtest/gtest.h>

#include <set>

#include "form/campos.h"
#include "res/ids/identificadores.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

const std::set<int> kComandos = {IDC_BUTTON_SALIR,  IDC_BUTTON_GUARDAR,  IDC_BUTTON_IMPRIMIR_IMG,
                                 IDC_BUTTON_CARGAR, IDC_BUTTON_IMPRIMIR, IDC_BUTTON_VISTA,
                                 IDC_BUTTON_FONDO,  IDC_BUTTON_COLOR,    IDC_BUTTON_LOGOTIPO,
                                 IDC_BUTTON_MONEDA, IDC_BUTTON_DEFECTO,  IDC_BUTTON_EDITAR};
const std::set<int> kPequenos = {IDC_BUTTON_CALENDARIO, IDC_BUTTON_MAS};
const std::set<int> kModo = {IDC_BUTTON_ACEPTAR, IDC_BUTTON_CANCELAR};

struct Estado {
    bool bVisible;
    bool bActivo;
};

class ModosTest : public FormularioAbiertoTest {
  protected:
    void ComprobarEdiciones(bool bEditando) {
        for (const CampoEtiqueta& etiqueta : kEtiquetas) {
            EXPECT_EQ(Dlg().Window().IsReadOnly(etiqueta.nControl), !bEditando)
                << etiqueta.nControl;
        }
        for (const CampoGuardado& campo : kCamposRecibo) {
            EXPECT_EQ(Dlg().Window().IsReadOnly(campo.nControl), bEditando) << campo.nControl;
        }
        EXPECT_TRUE(Dlg().Window().IsReadOnly(IDC_EDIT_IMPORTE));
    }

    void ComprobarBotones(const std::set<int>& ids, Estado estado) {
        for (const int id : ids) {
            EXPECT_EQ(Dlg().Window().IsVisible(id), estado.bVisible) << id;
            EXPECT_EQ(Dlg().Window().IsEnabled(id), estado.bActivo) << id;
        }
    }

    void ComprobarNormal() {
        ComprobarEdiciones(false);
        ComprobarBotones(kComandos, {true, true});
        ComprobarBotones(kPequenos, {true, true});
        ComprobarBotones(kModo, {false, false});
    }
};

TEST_F(ModosTest, EditarConceptosCambiaLosEstadosSegunElModo) {
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ComprobarEdiciones(true);
    std::set<int> ocultosActivos = {IDC_BUTTON_CARGAR};  // hidden, never disabled
    std::set<int> ocultos = kComandos;
    ocultos.erase(IDC_BUTTON_CARGAR);
    ComprobarBotones(ocultos, {false, false});
    ComprobarBotones(ocultosActivos, {false, true});
    ComprobarBotones(kPequenos, {true, false});
    ComprobarBotones(kModo, {true, true});
}

TEST_F(ModosTest, ElFormularioEmpiezaEnModoNormalYAceptarOCancelarVuelvenAEl) {
    ComprobarNormal();
    for (const int nBoton : {IDC_BUTTON_ACEPTAR, IDC_BUTTON_CANCELAR}) {
        ui::Click(Dlg(), IDC_BUTTON_EDITAR);
        ui::Click(Dlg(), nBoton);
        ComprobarNormal();
    }
}

TEST_F(ModosTest, EditarConceptosNoTocaLosCamposNiElTotal) {
    Dlg().SetDlgItemText(IDC_EDIT_IMPORTE_1, "8");
    ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Lugo");
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    EXPECT_EQ(Textos({IDC_EDIT_IMPORTE_1, IDC_EDIT_LOCALIDAD, IDC_EDIT_IMPORTE}),
              (std::vector<std::string>{"8", "Lugo", "8,00"}));
    ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Vigo");
    EXPECT_EQ(Texto(IDC_EDIT_LOCALIDAD), "Lugo");
}

}  // namespace
