// Typing amounts, leaving the fields and the running total.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/campos.h"
#include "settings/esquema.h"
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

struct CasoImpreso : Fila {
    std::vector<std::string> importes;  // typed into the first fields
    std::vector<std::string> finales;   // the same fields after leaving them
    const char* sTotal;                 // the total field after leaving them
    const char* sMensaje;               // the box that refuses the print; "" when it prints
};

class ImporteImpreso : public ImportesTest, public ::testing::WithParamInterface<CasoImpreso> {};

// A receipt never prints an amount other than the one typed: an amount or a total that would
// print otherwise stays as typed, and the print, the preview and the batch tell the user and
// do nothing else.
TEST_P(ImporteImpreso, LoQueNoSeImprimeTalCualNoSeImprime) {
    const CasoImpreso& caso = GetParam();
    for (std::size_t i = 0; i < caso.importes.size(); ++i) {
        ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + static_cast<int>(i),
                 QString::fromLatin1(caso.importes[i].c_str()));
        ui::Leave(Dlg(), IDC_EDIT_IMPORTE_1 + static_cast<int>(i));
    }
    for (std::size_t i = 0; i < caso.finales.size(); ++i) {
        EXPECT_EQ(Texto(IDC_EDIT_IMPORTE_1 + static_cast<int>(i)), caso.finales[i]);
    }
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE), caso.sTotal);
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);
    ui::Click(Dlg(), IDC_BUTTON_VISTA);
    Dlg().OnSysCommand(IDM_IMPRIMIR_LOTE);
    const bool bImprime = std::string(caso.sMensaje).empty();
    EXPECT_EQ(m_servicios.printAsked, bImprime ? 1 : 0);
    EXPECT_EQ(m_servicios.modalRuns,
              bImprime ? std::vector<int>{IDD_VISTA_PREVIA} : std::vector<int>{});
    EXPECT_EQ(m_servicios.openFileCalls.size(), bImprime ? 1u : 0u);
    EXPECT_EQ(m_servicios.messages,
              bImprime
                  ? std::vector<std::string>{}
                  : std::vector<std::string>(
                        3, std::string("No se puede imprimir el recibo: ") + caso.sMensaje + "."));
}

// clang-format off
const CasoImpreso kImpresos[] = {
    {"AmountBeyondTheLargest", {"999.999.999.999.999"}, {"999.999.999.999.999"}, "",
     "l\xEDnea 1: '999.999.999.999.999' supera el importe m\xE1ximo, 922.337.203.685.477,58"},
    {"NegativeBeyondTheLargest", {"1", "(922.337.203.685.477,59)"},
     {"1,00", "(922.337.203.685.477,59)"}, "",
     "l\xEDnea 2: '(922.337.203.685.477,59)' supera el importe m\xE1ximo, 922.337.203.685.477,58"},
    {"SumBeyondTheLargest", {"500.000.000.000.000", "500.000.000.000.000"},
     {"500.000.000.000.000,00", "500.000.000.000.000,00"}, "",
     "la suma de los importes supera el importe m\xE1ximo, 922.337.203.685.477,58"},
    {"TotalLongerThanItsCells", {"999.999.999,99", "0,01"}, {"999.999.999,99", "0,01"},
     "1.000.000.000,00",
     "el total, 1.000.000.000,00 \x80, no cabe en la casilla del importe (16 caracteres)"},
    {"TotalThatJustFits", {"999.999.999,98", "0,01"}, {"999.999.999,98", "0,01"},
     "999.999.999,99", ""},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Casos, ImporteImpreso, ::testing::ValuesIn(kImpresos),
                         ::testing::PrintToStringParamName());

// An amount beyond the largest one keeps its text through a change of the currency settings,
// and counts as a change of the receipt against any other text stored.
TEST_F(ImportesTest, UnImporteFueraDeRangoConservaSuTexto) {
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, "999999999999998");
    m_servicios.QueueModal([](CDialog& dlg) { ui::Click(dlg, IDOK); });
    ui::Click(Dlg(), IDC_BUTTON_MONEDA);
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE_1), "999999999999998");
    ajustes::kImporte1.Escribir("999999999999999");
    EXPECT_TRUE(Dlg().ReciboCambiado());
    ajustes::kImporte1.Escribir("999999999999998");
    EXPECT_FALSE(Dlg().ReciboCambiado());
}

}  // namespace
