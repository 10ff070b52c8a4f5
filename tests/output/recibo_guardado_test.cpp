// The stored receipt gathered without the form: labels, fields and amounts as the form shows
// and prints them right after start-up.
#include "output/recibo_guardado.h"

#include <string>
#include <utility>

#include "lang/idiomas.h"
#include "money/formato.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/moneda_prueba.h"

namespace {

class ReciboGuardadoTest : public ::testing::Test {
  protected:
    ReciboGuardadoTest() {
        GuardarIdiomaYMoneda(
            {.sDecimal = ",", .sMiles = ".", .nPositivo = 3, .nNegativo = 8, .sSimbolo = "EUR"});
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

// The currency settings are read as a value; those in force stay as they were.
TEST_F(ReciboGuardadoTest, NothingStoredGivesTheLanguageLabelsAndZeroAmounts) {
    const AjustesMoneda enVigor = CGlobalCurrency::AjustesEnVigor();
    const auto [recibo, ajustesMoneda] = LeerReciboGuardado();
    EXPECT_EQ(g_nIdioma, 1);
    EXPECT_EQ(ajustesMoneda.sSeparadorDecimal, ",");
    EXPECT_EQ(ajustesMoneda.sSimbolo, "EUR");
    EXPECT_EQ(CGlobalCurrency::AjustesEnVigor(), enVigor);
    EXPECT_EQ(recibo, Etiquetado());
    EXPECT_EQ(recibo.sDNumero, "numero");
}

TEST_F(ReciboGuardadoTest, StoredFieldsLabelsAndAmountsAreGatheredAsTheFormPrintsThem) {
    const std::pair<AjusteTexto, const char*> guardados[] = {
        {ajustes::kDefNumero, "N\xBA"},
        {ajustes::kDefDomicilio, ""},  // stored empty
        {ajustes::kNumero, "  0042 "},
        {ajustes::kLocalidad, "Ourense"},
        {ajustes::kFecha, "1 de enero"},
        {ajustes::kVencimiento, "2 de enero"},
        {ajustes::kConcepto1, "Alquiler"},
        {ajustes::kConcepto6, "Fianza & gastos"},
        {ajustes::kDomicilio, "Praza Maior 1"},
        {ajustes::kPagador2, "Ana"},
        {ajustes::kCobrador3, "Xoan"},
        {ajustes::kImporte1, "1.212,5"},
        {ajustes::kImporte2, "0,005"},  // shown as 0,01 after start-up
        {ajustes::kImporte3, "(3)"},
        {ajustes::kImporte4, "abc"},
        {ajustes::kImporte6, "-0,5"},
    };
    for (const auto& [ajuste, sValor] : guardados) {
        ajuste.Escribir(sValor);
    }
    const auto [r, ajustesMoneda] = LeerReciboGuardado();

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
    EXPECT_EQ(moneda::TextoRecibo(r.cuImporte, ajustesMoneda), "1.209,01 EUR");
}

}  // namespace
