// Start-up of the form: the welcome box once per settings file, the currency settings, the
// amounts in form text, the focus, and the About item.
#include <gtest/gtest.h>

#include <set>

#include "app/boxes/aboutdlg.h"
#include "form/campos.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "settings/ficherostxt.h"
#include "tests/form_ui/formulario.h"

namespace {

TEST_F(FormularioTest, PrimerInicioMuestraLaBienvenidaYGuardaLaMonedaRegional) {
    Abrir();
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_SALUDO});
    const std::vector<std::string> lista = Claves();
    const std::set<std::string> claves(lista.begin(), lista.end());
    using namespace ajustes;
    for (const AjusteTexto& a :
         {kNombreMoneda, kSimbolo, kDecimales.ComoTexto(), kSeparadorDecimal, kSeparadorMiles,
          kTamanoGrupo.ComoTexto(), kModoPositivo.ComoTexto(), kModoNegativo.ComoTexto(),
          kRelleno.ComoTexto(), kInicializado.ComoTexto()}) {
        EXPECT_TRUE(claves.contains(LineaClave(a.sSeccion, a.sClave))) << a.sClave;
    }
    // The first start adds no key of its own for the welcome box.
    for (const std::string& sClave : claves) {
        EXPECT_TRUE(sClave.starts_with(LineaClave(kSeccionAplicacion, ""))) << sClave;
    }
    EXPECT_EQ(ajustes::kInicializado.Leer(0), 1);
}

TEST_F(FormularioTest, SegundoInicioNoMuestraLaBienvenida) {
    Abrir();
    m_dlg.reset();
    m_servicios.modalRuns.clear();
    Abrir();
    EXPECT_TRUE(m_servicios.modalRuns.empty());
}

TEST_F(FormularioTest, SinNadaGuardadoHayCerosEnLosImportesYElFocoEnElNumero) {
    Abrir();
    const std::string sCero = CGlobalCurrency().TextoFormulario();
    for (int id = IDC_EDIT_IMPORTE_1; id <= IDC_EDIT_IMPORTE_1 + 5; ++id) {
        EXPECT_EQ(Texto(id), sCero) << id;
    }
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), sCero);
    EXPECT_EQ(Texto(IDC_EDIT_NUMERO), "");
    EXPECT_EQ(Dlg().Window().GetFocusId(), IDC_EDIT_NUMERO);
}

TEST_F(FormularioTest, ElReciboGuardadoSeMuestraConSuTotalYSusImportesNormalizados) {
    GuardarMonedaEspanola();
    ajustes::kImporte1.Escribir("1.234,5");
    ajustes::kImporte4.Escribir("(4)");
    ajustes::kNumero.Escribir("0015");
    Abrir();
    EXPECT_EQ(Textos({IDC_EDIT_NUMERO, IDC_EDIT_IMPORTE_1, IDC_EDIT_IMPORTE_1 + 1,
                      IDC_EDIT_IMPORTE_1 + 3, IDC_EDIT_IMPORTE}),
              (std::vector<std::string>{"0015", "1.234,50", "0,00", "(4,00)", "1.230,50"}));
}

// The About item reaches the box through the system command 16; other commands do not.
TEST_F(FormularioAbiertoTest, ElComandoDelSistema16AbreAcercaDe) {
    Dlg().OnSysCommand(0xF060);
    EXPECT_TRUE(m_servicios.modalRuns.empty());
    Dlg().OnSysCommand(IDM_ABOUTBOX | 0x3);
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_ABOUTBOX});
    EXPECT_FALSE(Dlg().Window().IsEnded());
}

}  // namespace
