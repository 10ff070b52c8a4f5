// Typing amounts, leaving the fields and the running total.
#include <gtest/gtest.h>

#include "form/campos.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/fila.h"
#include "tests/support/ui.h"

namespace {

using ImportesTest = FormularioAbiertoTest;

struct CasoImporte : Fila {
    const char* sTecleado;
    const char* sTotalAlTeclear;
    const char* sAlSalir;
};

class ImporteTecleado : public ImportesTest, public ::testing::WithParamInterface<CasoImporte> {};

TEST_P(ImporteTecleado, ElTotalSigueAlTecladoYElCampoSeReescribeAlSalir) {
    const CasoImporte& caso = GetParam();
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, QString::fromLatin1(caso.sTecleado));
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), caso.sTotalAlTeclear);
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE_1), caso.sTecleado);
    ui::Leave(Dlg(), IDC_EDIT_IMPORTE_1);
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE_1), caso.sAlSalir);
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), caso.sTotalAlTeclear);
}

INSTANTIATE_TEST_SUITE_P(Casos, ImporteTecleado,
                         ::testing::Values(CasoImporte{"UnDecimal", "12,5", "12,50", "12,50"},
                                           CasoImporte{"EntreParentesis", "(3)", "(3,00)",
                                                       "(3,00)"},
                                           CasoImporte{"ConMenos", "-3", "(3,00)", "(3,00)"},
                                           CasoImporte{"Letras", "abc", "0,00", "0,00"},
                                           CasoImporte{"MilesYTresDecimales", "1234567,891",
                                                       "1.234.567,89", "1.234.567,89"}),
                         ::testing::PrintToStringParamName());

TEST_F(ImportesTest, SalirDeLaFechaNormalizaLosImportes) {
    Dlg().SetDlgItemText(IDC_EDIT_IMPORTE_1 + 2, "7");
    Dlg().SetDlgItemText(IDC_EDIT_IMPORTE_1 + 4, "x");
    ui::Leave(Dlg(), IDC_EDIT_FECHA);
    EXPECT_EQ(Textos({IDC_EDIT_IMPORTE_1 + 2, IDC_EDIT_IMPORTE_1 + 4, IDC_EDIT_IMPORTE}),
              (std::vector<std::string>{"7,00", "0,00", "7,00"}));
}

// Whatever the total field holds, the total and the gathered record come from the six fields;
// a negative amount lowers the total.
TEST_F(ImportesTest, ElTotalNuncaSeLeeDelCampoTotal) {
    Dlg().SetDlgItemText(IDC_EDIT_IMPORTE, "999,99");
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, "10");
    Dlg().SetDlgItemText(IDC_EDIT_IMPORTE, "999,99");
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + 1, "20");
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), "30,00");
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + 5, "(3)");
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), "27,00");

    Dlg().SetDlgItemText(IDC_EDIT_IMPORTE, "999,99");
    ReciboData recibo;
    Dlg().RellenarRecibo(recibo);
    EXPECT_EQ(recibo.cuImporte.Valor(), 270000);
    EXPECT_EQ(recibo.cuI1.Valor(), 100000);
    EXPECT_EQ(recibo.cuI2.Valor(), 200000);
    EXPECT_TRUE(recibo.cuI3.EsCero());
    EXPECT_EQ(recibo.cuI6.Valor(), -30000);
}

TEST_F(ImportesTest, ElCampoTotalNoAdmiteTecleo) {
    ui::Type(Dlg(), IDC_EDIT_IMPORTE, "55");
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), "0,00");
    Dlg().ModoEditarConceptos();
    ui::Type(Dlg(), IDC_EDIT_IMPORTE, "55");
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), "0,00");
}

// The gathered record carries every text exactly as the fields hold it.
TEST_F(ImportesTest, ElReciboReunidoLlevaLosTextosTalCual) {
    Dlg().SetDlgItemText(IDC_EDIT_NUMERO, " 0015 ");
    Dlg().SetDlgItemText(IDC_EDIT_DEF_PAGADOR, "  Pagador\xD1 ");
    Dlg().SetDlgItemText(IDC_EDIT_COBRADOR_1 + 2, "\xE1\xE9 ");
    Dlg().SetDlgItemText(IDC_EDIT_CONCEPTO_1 + 5, "\x80 sexto");
    ReciboData recibo;
    Dlg().RellenarRecibo(recibo);
    EXPECT_EQ(recibo.sNumero, " 0015 ");
    EXPECT_EQ(recibo.sDPagador, "  Pagador\xD1 ");
    EXPECT_EQ(recibo.sCobrador3, "\xE1\xE9 ");
    EXPECT_EQ(recibo.sConcepto6, "\x80 sexto");
    EXPECT_EQ(recibo.sDNumero, "numero");
}

}  // namespace
