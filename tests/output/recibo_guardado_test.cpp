// The stored receipt gathered without the form: labels, fields and amounts as the form shows
// and prints them right after start-up.
#include "output/recibo_guardado.h"

#include <string>

#include "lang/idiomas.h"
#include "settings/ficherostxt.h"
#include "tests/output/entorno_salida.h"
#include "tests/output/moneda_guardada.h"

namespace {

class ReciboGuardadoTest : public ::testing::Test {
  protected:
    ReciboGuardadoTest() {
        GuardarIdiomaYMoneda(
            {.sSimbolo = "EUR", .sDecimal = ",", .sMiles = ".", .nPositivo = 3, .nNegativo = 8});
    }
    void Guardar(const std::string& sClave, const std::string& sValor) {
        EscribirValor("Recibos conceptos", sClave, sValor);
    }

    CarpetaTemporal m_carpeta;
};

TEST_F(ReciboGuardadoTest, NothingStoredGivesTheLanguageLabelsAndZeroAmounts) {
    const ReciboData recibo = LeerReciboGuardado();
    EXPECT_EQ(g_nIdioma, 1);
    EXPECT_EQ(CGlobalCurrency::GetSeparadorDecimal(), ",");
    ReciboData esperado;
    esperado.sDNumero = TextoIdioma(9, 0);
    esperado.sDLocalidad = TextoIdioma(9, 1);
    esperado.sDImporte = TextoIdioma(9, 2);
    esperado.sDFecha = TextoIdioma(9, 3);
    esperado.sDVencimiento = TextoIdioma(9, 4);
    esperado.sDPagador = TextoIdioma(9, 7);
    esperado.sDCobrador = TextoIdioma(9, 8);
    esperado.sDDomicilio = TextoIdioma(9, 9);
    EXPECT_EQ(recibo, esperado);
    EXPECT_EQ(recibo.sDNumero, "numero");
}

TEST_F(ReciboGuardadoTest, StoredFieldsLabelsAndAmountsAreGatheredAsTheFormPrintsThem) {
    Guardar("IDC_EDIT_DEF_NUMERO", "N\xBA");
    Guardar("IDC_EDIT_DEF_DOMICILIO", "");  // stored empty: stays empty
    Guardar("IDC_EDIT_NUMERO", "  0042 ");
    Guardar("IDC_EDIT_LOCALIDAD", "Ourense");
    Guardar("IDC_EDIT_FECHA", "1 de enero");
    Guardar("IDC_EDIT_VENCIMIENTO", "2 de enero");
    Guardar("IDC_EDIT_CONCEPTO_1", "Alquiler");
    Guardar("IDC_EDIT_CONCEPTO_6", "Fianza & gastos");
    Guardar("IDC_EDIT_DOMICILIO", "Praza Maior 1");
    Guardar("IDC_EDIT_PAGADOR_2", "Ana");
    Guardar("IDC_EDIT_COBRADOR_3", "Xoan");
    Guardar("IDC_EDIT_IMPORTE_1", "1.212,5");
    Guardar("IDC_EDIT_IMPORTE_2", "0,005");  // shown as 0,01 after start-up
    Guardar("IDC_EDIT_IMPORTE_3", "(3)");
    Guardar("IDC_EDIT_IMPORTE_4", "abc");
    Guardar("IDC_EDIT_IMPORTE_6", "-0,5");

    const ReciboData r = LeerReciboGuardado();
    EXPECT_EQ(r.sDNumero, "N\xBA");
    EXPECT_EQ(r.sDDomicilio, "");
    EXPECT_EQ(r.sDLocalidad, "localidad");
    EXPECT_EQ(r.sNumero, "  0042 ");
    EXPECT_EQ(r.sLocalidad, "Ourense");
    EXPECT_EQ(r.sFecha, "1 de enero");
    EXPECT_EQ(r.sVencimiento, "2 de enero");
    EXPECT_EQ(r.sConcepto1, "Alquiler");
    EXPECT_EQ(r.sConcepto6, "Fianza & gastos");
    EXPECT_EQ(r.sDomicilio, "Praza Maior 1");
    EXPECT_EQ(r.sPagador2, "Ana");
    EXPECT_EQ(r.sCobrador3, "Xoan");
    EXPECT_EQ(r.cuI1.Valor(), 12125000);
    EXPECT_EQ(r.cuI2.Valor(), 100);
    EXPECT_EQ(r.cuI3.Valor(), -30000);
    EXPECT_EQ(r.cuI4.Valor(), 0);
    EXPECT_EQ(r.cuI5.Valor(), 0);
    EXPECT_EQ(r.cuI6.Valor(), -5000);
    EXPECT_EQ(r.cuImporte.Valor(), 12125000 + 100 - 30000 - 5000);
    EXPECT_EQ(r.cuImporte.TextoRecibo(), "1.209,01 EUR");
}

}  // namespace
