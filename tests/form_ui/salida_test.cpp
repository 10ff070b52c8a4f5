// Leaving the form: what is not stored yet is never lost without the user's say.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "form/campos.h"
#include "settings/esquema.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

using Accion = std::function<void(CReciboDlg&)>;

constexpr const char* kPregunta = "\xBFGuardar los cambios del recibo?";

// The three ways out of the form; the exit button is hidden while the labels are edited.
struct Salida {
    const char* sNombre;
    Accion salir;
    bool bEnEdicion;
};
const Salida kSalidas[] = {
    {"Escape", [](CReciboDlg& dlg) { ui::Key(dlg, Qt::Key_Escape); }, true},
    {"Salir", [](CReciboDlg& dlg) { ui::Click(dlg, IDC_BUTTON_SALIR); }, false},
    {"cierre",
     [](CReciboDlg& dlg) {
         ui::Window(dlg)->close();
         ui::ProcessEvents();
     },
     true},
};

bool Editando(const CReciboDlg& dlg) {
    return dlg.Window().IsVisible(IDC_BUTTON_ACEPTAR);
}

void Escribir(CReciboDlg& dlg, int id, const char* sTexto) {
    ui::Type(dlg, id, sTexto);
    ui::Leave(dlg, id);
}

void EditarEtiqueta(CReciboDlg& dlg) {
    ui::Click(dlg, IDC_BUTTON_EDITAR);
    ui::Type(dlg, IDC_EDIT_DEF_PAGADOR, "deudor");
}

class SalidaTest : public FormularioTest {
  protected:
    // A receipt stored with amounts as a user may type them, not in their form text, and the
    // language already detected, so that only the form writes to the file.
    void SetUp() override {
        GuardarMonedaEspanola();
        ajustes::kIdioma.Escribir(1);
        EscribirAjustes({{ajustes::kLocalidad, "Lugo"},
                         {ajustes::kImporte1, "4,5"},
                         {ajustes::kImporte2, "1000"},
                         {ajustes::kImporte3, ""}});
        m_sInicial = Fichero();
    }

    // Opens the form on the stored state of SetUp and acts on it as a user.
    void AbrirY(const Accion& accion) {
        PonerBytes(m_carpeta.Fichero(), m_sInicial);
        m_servicios.saveQuestions.clear();
        Abrir();
        accion(Dlg());
    }

    // The texts of every receipt field and label.
    std::vector<std::string> TodosLosTextos() const {
        std::vector<std::string> textos;
        textos.reserve(std::size(kCamposRecibo) + std::size(kEtiquetas));
        for (const CampoGuardado& campo : kCamposRecibo) {
            textos.push_back(Texto(campo.nControl));
        }
        for (const CampoEtiqueta& etiqueta : kEtiquetas) {
            textos.push_back(Texto(etiqueta.nControl));
        }
        return textos;
    }

    std::string m_sInicial;
};

// What leaves the form as the settings file would show it again: ending asks nothing.
TEST_F(SalidaTest, SinCambiosTerminaEnSeguidaPorCualquierSalida) {
    const std::pair<const char*, Accion> kSinCambios[] = {
        {"recien abierto", [](CReciboDlg&) {}},
        {"mismo importe tecleado de otro modo",
         [](CReciboDlg& dlg) { Escribir(dlg, IDC_EDIT_IMPORTE_1, "4,500"); }},
        {"guardado tras teclear",
         [](CReciboDlg& dlg) {
             Escribir(dlg, IDC_EDIT_DOMICILIO, "Calle Mayor 3");
             ui::Click(dlg, IDC_BUTTON_GUARDAR);
         }},
        {"cargado tras teclear",
         [](CReciboDlg& dlg) {
             Escribir(dlg, IDC_EDIT_LOCALIDAD, "Vigo");
             ui::Click(dlg, IDC_BUTTON_CARGAR);
         }},
        {"numero siguiente", [](CReciboDlg& dlg) { ui::Click(dlg, IDC_BUTTON_MAS); }},
        {"etiquetas canceladas",
         [](CReciboDlg& dlg) {
             EditarEtiqueta(dlg);
             ui::Click(dlg, IDC_BUTTON_CANCELAR);
         }},
        {"etiquetas aceptadas",
         [](CReciboDlg& dlg) {
             EditarEtiqueta(dlg);
             ui::Click(dlg, IDC_BUTTON_ACEPTAR);
         }},
    };
    for (const auto& [sCaso, preparar] : kSinCambios) {
        for (const auto& [sSalida, salir, bEnEdicion] : kSalidas) {
            AbrirY(preparar);
            salir(Dlg());
            EXPECT_TRUE(Dlg().Window().IsEnded()) << sCaso << ", " << sSalida;
            EXPECT_TRUE(m_servicios.saveQuestions.empty()) << sCaso << ", " << sSalida;
        }
    }
}

// A changed receipt, or labels edited and not accepted: every way out asks, and the answer
// decides. "Guardar" stores what the form shows, so the next start shows it again.
TEST_F(SalidaTest, ConCambiosCadaSalidaPreguntaYLaRespuestaDecide) {
    const std::pair<const char*, Accion> kCambios[] = {
        {"texto", [](CReciboDlg& dlg) { Escribir(dlg, IDC_EDIT_LOCALIDAD, "Vigo"); }},
        {"importe", [](CReciboDlg& dlg) { Escribir(dlg, IDC_EDIT_IMPORTE_1 + 2, "0,01"); }},
        {"etiqueta sin aceptar", EditarEtiqueta},
    };
    for (const auto& [sCaso, cambiar] : kCambios) {
        for (const auto& [sSalida, salir, bEnEdicion] : kSalidas) {
            for (const SaveChoice respuesta :
                 {SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel}) {
                const std::string sDonde = std::string(sCaso) + ", " + sSalida + ", respuesta " +
                                           std::to_string(static_cast<int>(respuesta));
                AbrirY(cambiar);
                if (Editando(Dlg()) && !bEnEdicion) {
                    continue;
                }
                const std::vector<std::string> antes = TodosLosTextos();
                m_servicios.saveAnswers = {respuesta};
                salir(Dlg());
                EXPECT_EQ(m_servicios.saveQuestions, std::vector<std::string>{kPregunta}) << sDonde;
                EXPECT_EQ(Dlg().Window().IsEnded(), respuesta != SaveChoice::Cancel) << sDonde;
                if (respuesta == SaveChoice::Cancel) {
                    EXPECT_EQ(TodosLosTextos(), antes) << sDonde;
                    EXPECT_EQ(Fichero(), m_sInicial) << sDonde;
                    continue;
                }
                EXPECT_EQ(Fichero() == m_sInicial, respuesta == SaveChoice::Discard) << sDonde;
                Abrir();
                EXPECT_EQ(TodosLosTextos() == antes, respuesta == SaveChoice::Save) << sDonde;
            }
        }
    }
}

// After "Cancelar" the form goes on as before: a second way out asks again.
TEST_F(SalidaTest, CancelarDejaElFormularioEnSuModo) {
    AbrirY(EditarEtiqueta);
    m_servicios.saveAnswers = {SaveChoice::Cancel, SaveChoice::Discard};
    ui::Key(Dlg(), Qt::Key_Escape);
    EXPECT_TRUE(Editando(Dlg()));
    EXPECT_FALSE(Dlg().Window().IsReadOnly(IDC_EDIT_DEF_PAGADOR));
    ui::Type(Dlg(), IDC_EDIT_DEF_PAGADOR, "acreedor");
    EXPECT_EQ(Texto(IDC_EDIT_DEF_PAGADOR), "acreedor");
    ui::Key(Dlg(), Qt::Key_Escape);
    EXPECT_TRUE(Dlg().Window().IsEnded());
    EXPECT_EQ(m_servicios.saveQuestions.size(), 2u);
}

}  // namespace
