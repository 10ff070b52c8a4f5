// The stored receipt gathered without the form: labels, fields and amounts as the form shows
// and prints them right after start-up.
#include "output/recibo_guardado.h"

#include <string>
#include <utility>

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

    // The receipt with the language's labels, as nothing stored gives it.
    static ReciboData Etiquetado() {
        ReciboData r;
        r.sDNumero = TextoIdioma(9, 0);
        r.sDLocalidad = TextoIdioma(9, 1);
        r.sDImporte = TextoIdioma(9, 2);
        r.sDFecha = TextoIdioma(9, 3);
        r.sDVencimiento = TextoIdioma(9, 4);
        r.sDPagador = TextoIdioma(9, 7);
        r.sDCobrador = TextoIdioma(9, 8);
        r.sDDomicilio = TextoIdioma(9, 9);
        return r;
    }

    CarpetaTemporal m_carpeta;
};

TEST_F(ReciboGuardadoTest, NothingStoredGivesTheLanguageLabelsAndZeroAmounts) {
    const ReciboData recibo = LeerReciboGuardado();
    EXPECT_EQ(g_nIdioma, 1);
    EXPECT_EQ(CGlobalCurrency::GetSeparadorDecimal(), ",");
    EXPECT_EQ(recibo, Etiquetado());
    EXPECT_EQ(recibo.sDNumero, "numero");
}

TEST_F(ReciboGuardadoTest, StoredFieldsLabelsAndAmountsAreGatheredAsTheFormPrintsThem) {
    const std::pair<const char*, const char*> guardados[] = {
        {"IDC_EDIT_DEF_NUMERO", "N\xBA"},        {"IDC_EDIT_DEF_DOMICILIO", ""},  // stored empty
        {"IDC_EDIT_NUMERO", "  0042 "},          {"IDC_EDIT_LOCALIDAD", "Ourense"},
        {"IDC_EDIT_FECHA", "1 de enero"},        {"IDC_EDIT_VENCIMIENTO", "2 de enero"},
        {"IDC_EDIT_CONCEPTO_1", "Alquiler"},     {"IDC_EDIT_CONCEPTO_6", "Fianza & gastos"},
        {"IDC_EDIT_DOMICILIO", "Praza Maior 1"}, {"IDC_EDIT_PAGADOR_2", "Ana"},
        {"IDC_EDIT_COBRADOR_3", "Xoan"},         {"IDC_EDIT_IMPORTE_1", "1.212,5"},
        {"IDC_EDIT_IMPORTE_2", "0,005"},  // shown as 0,01 after start-up
        {"IDC_EDIT_IMPORTE_3", "(3)"},           {"IDC_EDIT_IMPORTE_4", "abc"},
        {"IDC_EDIT_IMPORTE_6", "-0,5"},
    };
    for (const auto& [sClave, sValor] : guardados) {
        EscribirValor("Recibos conceptos", sClave, sValor);
    }
    const ReciboData r = LeerReciboGuardado();

    // The language is the stored one only once the receipt has been gathered.
    ReciboData esperado = Etiquetado();
    esperado.sDNumero = "N\xBA";
    esperado.sDDomicilio = "";
    esperado.sNumero = "  0042 ";
    esperado.sLocalidad = "Ourense";
    esperado.sFecha = "1 de enero";
    esperado.sVencimiento = "2 de enero";
    esperado.sConcepto1 = "Alquiler";
    esperado.sConcepto6 = "Fianza & gastos";
    esperado.sDomicilio = "Praza Maior 1";
    esperado.sPagador2 = "Ana";
    esperado.sCobrador3 = "Xoan";
    esperado.cuI1 = Importe(1212.5);
    esperado.cuI2 = Importe(0.01);
    esperado.cuI3 = Importe(-3);
    esperado.cuI6 = Importe(-0.5);
    esperado.cuImporte = Importe(1209.01);
    EXPECT_EQ(r, esperado);
    EXPECT_EQ(r.cuImporte.TextoRecibo(), "1.209,01 EUR");
}

}  // namespace
