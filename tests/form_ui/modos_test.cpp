// The state of every control in normal and label-editing mode.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPalette>
#include <set>
#include <vector>

#include "form/campos.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
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
    // Read-only as the mode says, and looking it: drawn on the window's colour, not the base.
    void ComprobarSoloLectura(int id, bool bSoloLectura) {
        EXPECT_EQ(Dlg().Window().IsReadOnly(id), bSoloLectura) << id;
        const QPalette paleta = ui::Control(Dlg(), id)->palette();
        EXPECT_EQ(paleta.color(QPalette::Base) == paleta.color(QPalette::Window), bSoloLectura)
            << id;
    }

    void ComprobarEdiciones(bool bEditando) {
        for (const CampoEtiqueta& etiqueta : kEtiquetas) {
            ComprobarSoloLectura(etiqueta.nControl, !bEditando);
        }
        for (const CampoGuardado& campo : kCamposRecibo) {
            ComprobarSoloLectura(campo.nControl, bEditando);
        }
        ComprobarSoloLectura(IDC_EDIT_IMPORTE, true);
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

// The focus follows the mode: the first label when the labels are edited, with its text
// selected so that typing replaces it; the number field again when the form goes back to
// normal mode, wherever the focus was before.
TEST_F(ModosTest, ElFocoSigueAlModo) {
    struct Caso {
        const char* sNombre;
        std::vector<int> clics;
        int nFoco;
    };
    const Caso casos[] = {
        {"al abrir", {}, IDC_EDIT_NUMERO},
        {"Editar Conceptos", {IDC_BUTTON_EDITAR}, IDC_EDIT_DEF_NUMERO},
        {"Aceptar", {IDC_BUTTON_EDITAR, IDC_BUTTON_ACEPTAR}, IDC_EDIT_NUMERO},
        {"Cancelar", {IDC_BUTTON_EDITAR, IDC_BUTTON_CANCELAR}, IDC_EDIT_NUMERO},
        {"desde otro campo", {IDC_EDIT_PAGADOR_2, IDC_BUTTON_EDITAR}, IDC_EDIT_DEF_NUMERO},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.sNombre);
        ajustes::kNumero.Escribir("0007");
        Abrir();
        for (const int id : c.clics) {
            ui::Click(Dlg(), id);
        }
        EXPECT_EQ(Dlg().Window().GetFocusId(), c.nFoco);
        const auto* campo = qobject_cast<QLineEdit*>(ui::Control(Dlg(), c.nFoco));
        ASSERT_NE(campo, nullptr);
        EXPECT_FALSE(campo->text().isEmpty());
        EXPECT_EQ(campo->selectedText().toStdString(), campo->text().toStdString());
        ui::Key(Dlg(), Qt::Key_A);
        ui::Key(Dlg(), Qt::Key_B);
        EXPECT_EQ(Texto(c.nFoco), "ab");
    }
}

}  // namespace
