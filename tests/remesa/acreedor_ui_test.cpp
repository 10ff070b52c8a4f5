// The creditor dialog driven as a user drives it, by control id: a field says what is wrong as
// the user leaves it, OK stores only a creditor that is right, Cancel stores nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "remesa/ui/acreedordlg.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

class AcreedorDlgTest : public ::testing::Test {
  protected:
    AcreedorDlgTest() {
        ajustes::kAcreedorNombre.Escribir("Comunidad Mayor 5");
        ajustes::kAcreedorIdentificador.Escribir("ES5800012345678Z");
        ajustes::kAcreedorIban.Escribir("ES8001822370440201234567");
    }

    CAcreedorDlg& Abrir() {
        m_dlg = std::make_unique<CAcreedorDlg>();
        m_dlg->Create();
        ui::ProcessEvents();
        return *m_dlg;
    }

    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
    std::unique_ptr<CAcreedorDlg> m_dlg;
};

TEST_F(AcreedorDlgTest, OpensWithTheStoredCreditor) {
    CAcreedorDlg& dlg = Abrir();
    EXPECT_EQ(ui::Text(dlg, IDC_EDIT_ACREEDOR_NOMBRE), "Comunidad Mayor 5");
    EXPECT_EQ(ui::Text(dlg, IDC_EDIT_ACREEDOR_IDENTIFICADOR), "ES5800012345678Z");
    EXPECT_EQ(ui::Text(dlg, IDC_EDIT_ACREEDOR_IBAN), "ES8001822370440201234567");
    EXPECT_EQ(ui::Text(dlg, IDC_EDIT_ACREEDOR_BIC), "");
    for (int id : {IDC_TEXTO_ERROR_NOMBRE, IDC_TEXTO_ERROR_IDENTIFICADOR, IDC_TEXTO_ERROR_IBAN,
                   IDC_TEXTO_ERROR_BIC}) {
        EXPECT_EQ(ui::Text(dlg, id), "") << id;
    }
}

struct CampoTecleado : Fila {
    int nEdit;
    int nError;
    const char* sMalo;
    const char* sMensaje;
    const char* sBueno;
};

const CampoTecleado kCampos[] = {
    {"Name", IDC_EDIT_ACREEDOR_NOMBRE, IDC_TEXTO_ERROR_NOMBRE, "   ", "falta", "Otra comunidad"},
    {"Identifier", IDC_EDIT_ACREEDOR_IDENTIFICADOR, IDC_TEXTO_ERROR_IDENTIFICADOR,
     "ES59000 12345678Z", "los dígitos de control no cuadran", "es11 000 b12345674"},
    {"Iban", IDC_EDIT_ACREEDOR_IBAN, IDC_TEXTO_ERROR_IBAN, "ES80 0182 2370 4402 0123 456",
     "un IBAN de ES tiene 24 caracteres, no 23", "es91 2100 0418 4502 0005 1332"},
    {"Bic", IDC_EDIT_ACREEDOR_BIC, IDC_TEXTO_ERROR_BIC, "BSCH", "un BIC tiene 8 u 11 caracteres",
     "bschesmm"},
};

class CampoAcreedorDlgTest : public AcreedorDlgTest,
                             public ::testing::WithParamInterface<CampoTecleado> {};

TEST_P(CampoAcreedorDlgTest, SaysWhatIsWrongOnLeavingAndOkWaitsForIt) {
    CAcreedorDlg& dlg = Abrir();
    ui::Type(dlg, GetParam().nEdit, QString::fromUtf8(GetParam().sMalo));
    EXPECT_EQ(ui::Text(dlg, GetParam().nError), "") << "nothing is said while typing";
    ui::Leave(dlg, GetParam().nEdit);
    EXPECT_EQ(ui::Text(dlg, GetParam().nError), QString::fromUtf8(GetParam().sMensaje));

    ui::Click(dlg, IDOK);
    EXPECT_FALSE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().GetFocusId(), GetParam().nEdit);
    EXPECT_EQ(ajustes::kAcreedorIban.Leer(), "ES8001822370440201234567");
    EXPECT_EQ(ajustes::kAcreedorNombre.Leer(), "Comunidad Mayor 5");

    ui::Type(dlg, GetParam().nEdit, QString::fromUtf8(GetParam().sBueno));
    ui::Leave(dlg, GetParam().nEdit);
    EXPECT_EQ(ui::Text(dlg, GetParam().nError), "");
    ui::Click(dlg, IDOK);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().Result(), IDOK);
}

INSTANTIATE_TEST_SUITE_P(Tabla, CampoAcreedorDlgTest, ::testing::ValuesIn(kCampos),
                         ::testing::PrintToStringParamName());

TEST_F(AcreedorDlgTest, OkStoresTheNumbersCompactAndTheNameAsTyped) {
    CAcreedorDlg& dlg = Abrir();
    ui::Type(dlg, IDC_EDIT_ACREEDOR_NOMBRE, QString::fromUtf8("Comunidad Peña  Alta"));
    ui::Type(dlg, IDC_EDIT_ACREEDOR_IDENTIFICADOR, "es11 000 b12345674");
    ui::Type(dlg, IDC_EDIT_ACREEDOR_IBAN, "es91 2100 0418 4502 0005 1332");
    ui::Type(dlg, IDC_EDIT_ACREEDOR_BIC, "caix es bb");
    ui::Click(dlg, IDOK);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(ajustes::kAcreedorNombre.Leer(),
              "Comunidad Pe\xF1"
              "a  Alta");
    EXPECT_EQ(ajustes::kAcreedorIdentificador.Leer(), "ES11000B12345674");
    EXPECT_EQ(ajustes::kAcreedorIban.Leer(), "ES9121000418450200051332");
    EXPECT_EQ(ajustes::kAcreedorBic.Leer(), "CAIXESBB");
}

TEST_F(AcreedorDlgTest, CancelStoresNothing) {
    CAcreedorDlg& dlg = Abrir();
    ui::Type(dlg, IDC_EDIT_ACREEDOR_NOMBRE, "Otra");
    ui::Type(dlg, IDC_EDIT_ACREEDOR_BIC, "CAIXESBB");
    ui::Click(dlg, IDCANCEL);
    ASSERT_TRUE(dlg.Window().IsEnded());
    EXPECT_EQ(dlg.Window().Result(), IDCANCEL);
    EXPECT_EQ(ajustes::kAcreedorNombre.Leer(), "Comunidad Mayor 5");
    EXPECT_EQ(ajustes::kAcreedorBic.Leer(), "");
}

}  // namespace
