// The receipt texts and colours dialog and the colour choice.
#include "options/disenorecibodlg.h"

#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "lang/idiomas.h"
#include "options/colorrecibo.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/options/entorno_opciones.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

class DisenoReciboTest : public OpcionesTest {
  protected:
    DisenoReciboTest() {
        ajustes::kTexto1.Escribir("Primero");
        ajustes::kTexto2.Escribir("Segundo");
        ajustes::kTexto3.Escribir("Tercero");
    }
    CDisenoReciboDlg& Abrir() { return AbrirDialogo(m_dlg); }
    static std::string Texto(const AjusteTexto& ajuste) { return ajuste.Leer("<ninguno>"); }
    static int Fondo() { return ajustes::kFondo.Leer(-1); }
    // The pictures the solid and hatched buttons show.
    void Patrones(int nSolido, int nRayado) const {
        EXPECT_TRUE(MuestraImagen(*m_dlg, IDC_BUTTON_LISO, nSolido)) << nSolido;
        EXPECT_TRUE(MuestraImagen(*m_dlg, IDC_BUTTON_RAYADO, nRayado)) << nRayado;
    }

    std::unique_ptr<CDisenoReciboDlg> m_dlg;
};

TEST_F(DisenoReciboTest, OpensWithTheStoredTextsAndNeitherPatternChosen) {
    ajustes::kFondo.Escribir(1);
    CDisenoReciboDlg& dlg = Abrir();
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_TEXTO_1), "Primero");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_TEXTO_2), "Segundo");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_EDIT_TEXTO_3), "Tercero");
    Patrones(218, 219);
}

// The pattern buttons act as a pair and store at once; Cancel keeps the pattern, not the texts.
TEST_F(DisenoReciboTest, PatternsAreStoredAtOnceAndCancelDropsOnlyTheTexts) {
    CDisenoReciboDlg& dlg = Abrir();
    ui::Type(dlg, IDC_EDIT_TEXTO_1, "Cambiado");
    ui::Click(dlg, IDC_BUTTON_RAYADO);
    EXPECT_EQ(Fondo(), 1);
    Patrones(218, 220);
    ui::Click(dlg, IDC_BUTTON_LISO);
    EXPECT_EQ(Fondo(), 0);
    Patrones(221, 219);
    ui::Click(dlg, IDC_BUTTON_RAYADO);
    EXPECT_EQ(Fondo(), 1);
    Patrones(218, 220);
    ui::Click(dlg, IDCANCEL);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().Result(), IDCANCEL);
    EXPECT_EQ(Fondo(), 1);
    EXPECT_EQ(Texto(ajustes::kTexto1), "Primero");
}

TEST_F(DisenoReciboTest, OkStoresTheTextsAsTypedEmptyIncluded) {
    CDisenoReciboDlg& dlg = Abrir();
    dlg.SetDlgItemText(IDC_EDIT_TEXTO_1, "");
    ui::Type(dlg, IDC_EDIT_TEXTO_2, "  con espacios  ");
    ui::Click(dlg, IDOK);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().Result(), IDOK);
    EXPECT_EQ(Texto(ajustes::kTexto1), "");
    EXPECT_EQ(Texto(ajustes::kTexto2), "  con espacios  ");
    EXPECT_EQ(Texto(ajustes::kTexto3), "Tercero");
    EXPECT_EQ(dlg.m_sTexto2, "  con espacios  ");
}

struct CasoEnLetra : Fila {
    const char* sGuardado;  // nullptr: not stored
    int nClics;
    bool bMarcada;  // as the dialog opens
    int nEscrito;   // after OK
};
const CasoEnLetra kCasosEnLetra[] = {
    {"AbsentUntouched", nullptr, 0, false, 0}, {"AbsentClickedOnce", nullptr, 1, false, 1},
    {"ZeroClickedOnce", "0", 1, false, 1},     {"OneUntouched", "1", 0, true, 1},
    {"OneClickedOnce", "1", 1, true, 0},       {"OneClickedTwice", "1", 2, true, 1},
    {"TwoUntouched", "2", 0, false, 0},        {"TextClickedOnce", "x", 1, false, 1},
};

class EnLetraTest : public DisenoReciboTest, public ::testing::WithParamInterface<CasoEnLetra> {};

// The check box shows the stored choice and is written on OK only, 1 checked and 0 not.
TEST_P(EnLetraTest, AmountInWordsIsShownCheckedWhenStoredAndWrittenOnOk) {
    const CasoEnLetra& c = GetParam();
    if (c.sGuardado != nullptr) {
        ajustes::kImporteEnLetra.ComoTexto().Escribir(c.sGuardado);
    }
    CDisenoReciboDlg& dlg = Abrir();
    EXPECT_EQ(dlg.Window().GetCheck(IDC_CHECK_IMPORTE_LETRA), c.bMarcada);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_CHECK_IMPORTE_LETRA), "Importe en letra");
    for (int i = 0; i < c.nClics; ++i) {
        ui::Click(dlg, IDC_CHECK_IMPORTE_LETRA);
    }
    EXPECT_EQ(ajustes::kImporteEnLetra.ComoTexto().Leer("<ninguno>"),
              c.sGuardado != nullptr ? c.sGuardado : "<ninguno>");
    ui::Click(dlg, IDOK);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(ajustes::kImporteEnLetra.Leer(-1), c.nEscrito);
    EXPECT_EQ(dlg.m_bImporteEnLetra, c.nEscrito == 1);
}

INSTANTIATE_TEST_SUITE_P(Casilla, EnLetraTest, ::testing::ValuesIn(kCasosEnLetra),
                         ::testing::PrintToStringParamName());

TEST_F(DisenoReciboTest, CancelLeavesTheAmountInWordsAsStored) {
    CDisenoReciboDlg& dlg = Abrir();
    ui::Click(dlg, IDC_CHECK_IMPORTE_LETRA);
    EXPECT_TRUE(dlg.Window().GetCheck(IDC_CHECK_IMPORTE_LETRA));
    ui::Click(dlg, IDCANCEL);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(ajustes::kImporteEnLetra.ComoTexto().Leer("<ninguno>"), "<ninguno>");
}

TEST_F(DisenoReciboTest, TheColourButtonRunsTheChooser) {
    m_servicios.colorAnswers.push_back(RGB(10, 20, 30));
    CDisenoReciboDlg& dlg = Abrir();
    ui::Click(dlg, IDC_BUTTON_SELECT_COLOR);
    EXPECT_EQ(m_servicios.colorAsked, 1);
    EXPECT_EQ(ajustes::kColorG.Leer(-1), 20);
    EXPECT_FALSE(dlg.Window().IsEnded());
}

class CaptionsTest : public DisenoReciboTest, public ::testing::WithParamInterface<int> {};

// Languages without texts of their own show the Spanish captions.
TEST_P(CaptionsTest, CaptionsComeFromTheLanguageTable) {
    g_nIdioma = GetParam();
    CDisenoReciboDlg& dlg = Abrir();
    const std::pair<int, const char*> captions[] = {
        {IDC_EDIT_DEF_COLOR, "Color"}, {IDC_EDIT_DEF_FONDO, "Fondo"},
        {IDC_EDIT_DEF_TEXTO, "Texto"}, {IDOK, "Ok"},
        {IDCANCEL, "Cancel"},          {IDC_BUTTON_SELECT_COLOR, "SelectColor"}};
    for (const auto& [id, sTexto] : captions) {
        EXPECT_EQ(dlg.GetDlgItemText(id), sTexto) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(Idiomas, CaptionsTest, ::testing::Values(1, 2, 3, 9),
                         [](const auto& fila) { return "Language" + std::to_string(fila.param); });

using ColorReciboTest = OpcionesTest;

// A cancelled chooser writes nothing; each choice replaces the last one, written red, green,
// blue.
TEST_F(ColorReciboTest, EachChoiceWritesItsComponentsRedGreenBlue) {
    m_servicios.colorAnswers = {std::nullopt, RGB(12, 34, 56), RGB(255, 0, 0)};
    const std::string sAntes = BytesDe(m_carpeta.Fichero());
    ElegirColorRecibo();
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sAntes);
    ElegirColorRecibo();
    ElegirColorRecibo();
    EXPECT_EQ(m_servicios.colorAsked, 3);
    EXPECT_EQ(ajustes::kColorR.Leer(-1), 255);
    EXPECT_EQ(ajustes::kColorG.Leer(-1), 0);
    EXPECT_EQ(ajustes::kColorB.Leer(-1), 0);
    const std::string sFichero = BytesDe(m_carpeta.Fichero());
    const auto Posicion = [&](const AjusteEntero& a) {
        return sFichero.find(std::string(a.sSeccion) + " - " + a.sClave + "\n");
    };
    const auto r = Posicion(ajustes::kColorR);
    const auto g = Posicion(ajustes::kColorG);
    const auto b = Posicion(ajustes::kColorB);
    ASSERT_NE(b, std::string::npos);
    EXPECT_LT(r, g);
    EXPECT_LT(g, b);
}

}  // namespace
