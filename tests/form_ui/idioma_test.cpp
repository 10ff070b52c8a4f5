// Captions and labels in the user's language.
#include <gtest/gtest.h>

#include "form/campos.h"
#include "lang/idiomas.h"
#include "settings/esquema.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/captions.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

const std::pair<int, const char*> kBotones[] = {
    {IDC_BUTTON_FONDO, "Fondo"},         {IDC_BUTTON_COLOR, "Color"},
    {IDC_BUTTON_LOGOTIPO, "Logotipo"},   {IDC_BUTTON_MONEDA, "Moneda"},
    {IDC_BUTTON_DEFECTO, "Set Default"}, {IDC_BUTTON_EDITAR, "Editar Conceptos"},
    {IDC_BUTTON_ACEPTAR, "Aceptar"},     {IDC_BUTTON_CANCELAR, "Cancelar"},
    {IDC_BUTTON_IMPRIMIR, "Imprimir"}};

struct CasoIdioma : Fila {
    const char* sLang;
    bool bMoneda;   // whether the currency settings are stored (no first start)
    int nGuardado;  // the stored language, 0 for none
    int nIdioma;
    const char* sEtiquetaImporte;
};

class IdiomaTest : public FormularioTest, public ::testing::WithParamInterface<CasoIdioma> {};

// Languages 3 to 9 have no texts of their own: the form shows the Spanish ones, not blanks.
TEST_P(IdiomaTest, BotonesYEtiquetasTomanLosTextosDelIdioma) {
    const CasoIdioma& caso = GetParam();
    IdiomaUsuario idioma(caso.sLang);
    if (caso.bMoneda) {
        GuardarMonedaEspanola();
    }
    if (caso.nGuardado != 0) {
        ajustes::kIdioma.Escribir(caso.nGuardado);
    }
    Abrir();
    EXPECT_EQ(g_nIdioma, caso.nIdioma);
    EXPECT_EQ(ajustes::kIdioma.Leer(0), caso.nIdioma);
    for (const auto& [id, sTexto] : kBotones) {
        EXPECT_EQ(Texto(id), sTexto) << id;
    }
    EXPECT_EQ(Texto(IDC_BUTTON_VISTA), "Vista Previa");
    std::vector<std::string> esperadas = kEtiquetasPorDefecto;
    esperadas[2] = caso.sEtiquetaImporte;
    for (std::size_t i = 0; i < kEtiquetas.size(); ++i) {
        EXPECT_EQ(Texto(kEtiquetas[i].nControl), esperadas[i]) << kEtiquetas[i].nControl;
    }
}

// The captions the language gives the form and the currency options fit their controls.
TEST_P(IdiomaTest, LosTextosDelIdiomaCabenEnSusControles) {
    const CasoIdioma& caso = GetParam();
    IdiomaUsuario idioma(caso.sLang);
    GuardarMonedaEspanola();
    if (caso.nGuardado != 0) {
        ajustes::kIdioma.Escribir(caso.nGuardado);
    }
    Abrir();
    std::vector<std::string> cortadosMoneda = {"(no se abri\xF3)"};
    m_servicios.QueueModal(
        [&cortadosMoneda](CDialog& dlg) { cortadosMoneda = ui::CutCaptions(dlg); });
    ui::Click(Dlg(), IDC_BUTTON_MONEDA);
    EXPECT_EQ(ui::CutCaptions(Dlg()), std::vector<std::string>{});
    EXPECT_EQ(cortadosMoneda, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Idiomas, IdiomaTest,
    ::testing::Values(CasoIdioma{"PrimerArranqueEnEspanol", "es_ES.UTF-8", false, 0, 1, "importe"},
                      CasoIdioma{"FrancesSinIdiomaGuardado", "fr_FR.UTF-8", true, 0, 3, "importe"},
                      CasoIdioma{"IdiomaGuardado", "es_ES.UTF-8", true, 2, 2, "importe euros"}),
    ::testing::PrintToStringParamName());

TEST_F(FormularioTest, UnIdiomaFueraDeRangoMuestraError) {
    GuardarMonedaEspanola();
    ajustes::kIdioma.Escribir(10);
    Abrir();
    for (const auto& [id, sTexto] : kBotones) {
        EXPECT_EQ(Texto(id), "ERROR") << id;
    }
    for (const CampoEtiqueta& etiqueta : kEtiquetas) {
        EXPECT_EQ(Texto(etiqueta.nControl), "ERROR") << etiqueta.nControl;
    }
    EXPECT_EQ(Texto(IDC_BUTTON_VISTA), "Vista Previa");
    EXPECT_EQ(ajustes::kIdioma.Leer(0), 10);
}

}  // namespace
