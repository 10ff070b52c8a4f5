// Saving and loading the receipt and the labels.
#include <gtest/gtest.h>

#include "form/campos.h"
#include "settings/esquema.h"
#include "settings/ficherostxt.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

using PersistenciaTest = FormularioAbiertoTest;

// A distinct text for each field, with blanks and Windows-1252 letters; some empty.
std::string TextoDePrueba(std::size_t i, const char* sVariante) {
    if (i % 7 == 3) {
        return "";
    }
    // Appended in reading order (a literal put in front of a temporary string makes GCC 12
    // warn, wrongly, of overlapping copies).
    std::string sTexto = " ";
    sTexto += sVariante;
    sTexto += std::to_string(i);
    sTexto += " \xF1\xE1 ";
    return sTexto;
}

TEST_F(PersistenciaTest, GuardarCambiarYCargarDevuelveCadaCampoByteAByte) {
    for (std::size_t i = 0; i < kCamposRecibo.size(); ++i) {
        Dlg().SetDlgItemText(kCamposRecibo[i].nControl, TextoDePrueba(i, "A"));
    }
    ui::Click(Dlg(), IDC_BUTTON_GUARDAR);
    for (std::size_t i = 0; i < kCamposRecibo.size(); ++i) {
        Dlg().SetDlgItemText(kCamposRecibo[i].nControl, "cambiado");
    }
    ui::Click(Dlg(), IDC_BUTTON_CARGAR);
    for (std::size_t i = 0; i < kCamposRecibo.size(); ++i) {
        EXPECT_EQ(Texto(kCamposRecibo[i].nControl), TextoDePrueba(i, "A")) << i;
    }
}

TEST_F(PersistenciaTest, ElFicheroGuardaLasClavesEnElOrdenDeLaPrimeraEscritura) {
    ui::Click(Dlg(), IDC_BUTTON_GUARDAR);
    const std::vector<std::string> claves = Claves();
    ASSERT_GE(claves.size(), kCamposRecibo.size());
    for (std::size_t i = 0; i < kCamposRecibo.size(); ++i) {
        EXPECT_EQ(claves[claves.size() - kCamposRecibo.size() + i],
                  LineaClave(kCamposRecibo[i].ajuste.sSeccion, kCamposRecibo[i].ajuste.sClave));
    }
}

// A key stored earlier keeps its place; the save updates it in place.
TEST_F(PersistenciaTest, GuardarActualizaLasClavesExistentesEnSuSitio) {
    ajustes::kFecha.Escribir("antes");
    Dlg().SetDlgItemText(IDC_EDIT_FECHA, "1/2/2026");
    ui::Click(Dlg(), IDC_BUTTON_GUARDAR);
    const std::vector<std::string> claves = Claves();
    EXPECT_EQ(claves[claves.size() - 23],
              LineaClave(ajustes::kFecha.sSeccion, ajustes::kFecha.sClave));
    EXPECT_EQ(ajustes::kFecha.Leer(""), "1/2/2026");
}

TEST_F(PersistenciaTest, AceptarGuardaLasDiezEtiquetas) {
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ui::Type(Dlg(), IDC_EDIT_DEF_NUMERO, QString::fromUtf8("Núm."));
    ui::Click(Dlg(), IDC_BUTTON_ACEPTAR);
    EXPECT_EQ(ajustes::kDefNumero.Leer("?"), "N\xFAm.");
    for (std::size_t i = 1; i < kEtiquetas.size(); ++i) {
        EXPECT_EQ(kEtiquetas[i].ajuste.Leer("?"), kEtiquetasPorDefecto[i]);
    }
}

TEST_F(PersistenciaTest, CancelarRestauraSinGuardar) {
    ajustes::kDefLocalidad.Escribir("lugar");
    ui::Click(Dlg(), IDC_BUTTON_DEFECTO);
    const std::string sAntes = Fichero();
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ui::Type(Dlg(), IDC_EDIT_DEF_LOCALIDAD, "otro");
    ui::Type(Dlg(), IDC_EDIT_DEF_FECHA, "otra");
    ui::Click(Dlg(), IDC_BUTTON_CANCELAR);
    EXPECT_EQ(Textos({IDC_EDIT_DEF_LOCALIDAD, IDC_EDIT_DEF_FECHA}),
              (std::vector<std::string>{"lugar", "fecha"}));
    EXPECT_EQ(Fichero(), sAntes);
}

// "Set Default" shows the stored labels again; it does not bring back the built-in texts.
TEST_F(PersistenciaTest, ValoresPorDefectoMuestraLasEtiquetasGuardadas) {
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ui::Type(Dlg(), IDC_EDIT_DEF_COBRADOR, "acreedor");
    Dlg().SetDlgItemText(IDC_EDIT_DEF_DOMICILIO, "");
    ui::Click(Dlg(), IDC_BUTTON_ACEPTAR);
    Dlg().SetDlgItemText(IDC_EDIT_DEF_COBRADOR, "x");
    Dlg().SetDlgItemText(IDC_EDIT_DEF_DOMICILIO, "y");
    ui::Click(Dlg(), IDC_BUTTON_DEFECTO);
    // Domicilio was stored empty: it stays empty rather than taking its built-in text.
    EXPECT_EQ(Textos({IDC_EDIT_DEF_COBRADOR, IDC_EDIT_DEF_DOMICILIO, IDC_EDIT_DEF_NUMERO}),
              (std::vector<std::string>{"acreedor", "", "numero"}));
}

TEST_F(PersistenciaTest, LasEtiquetasGuardadasSeMuestranAlArrancar) {
    ajustes::kDefImportes.Escribir("euros");
    ajustes::kDefPagador.Escribir("");
    Abrir();
    EXPECT_EQ(Textos({IDC_EDIT_IMPORTES, IDC_EDIT_DEF_PAGADOR, IDC_EDIT_DEF_COBRADOR}),
              (std::vector<std::string>{"euros", "", "cobrador"}));
}

// The "+" button: the number follows and is stored at once, alone.
struct CasoNumero : Fila {
    const char* sAntes;
    const char* sDespues;
};

class NumeroTest : public PersistenciaTest, public ::testing::WithParamInterface<CasoNumero> {};

TEST_P(NumeroTest, MasIncrementaYGuardaElNumero) {
    ui::Type(Dlg(), IDC_EDIT_NUMERO, GetParam().sAntes);
    Dlg().SetDlgItemText(IDC_EDIT_LOCALIDAD, "no se guarda");
    ui::Click(Dlg(), IDC_BUTTON_MAS);
    EXPECT_EQ(Texto(IDC_EDIT_NUMERO), GetParam().sDespues);
    EXPECT_EQ(ajustes::kNumero.Leer("?"), GetParam().sDespues);
    EXPECT_EQ(ajustes::kLocalidad.Leer("?"), "?");
}

const CasoNumero kNumeros[] = {{"Vacio", "", "1"},
                               {"CerosDelante", "0099", "00100"},
                               {"DosNumeros", "2003/15", "2004/15"},
                               {"SinCifras", "ABC", "ABC1"},
                               {"UnaCifraMas", "99999999999", "100000000000"}};
INSTANTIATE_TEST_SUITE_P(Casos, NumeroTest, ::testing::ValuesIn(kNumeros),
                         ::testing::PrintToStringParamName());

}  // namespace
