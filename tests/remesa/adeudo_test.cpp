// The debit of a receipt: SEPA text, the remittance information, dates, and every fault a row
// can hold, each with its column.
#include <gtest/gtest.h>

#include <string>

#include "remesa/adeudo.h"
#include "remesa/texto_sepa.h"
#include "tests/support/fila.h"

namespace {

struct Reduccion : Fila {
    std::string s1252;
    std::size_t nMaximo;
    std::string sSepa;
};

const Reduccion kReducciones[] = {
    {"AccentsAndEnye",
     "Mu\xF1oz Pe\xF1"
     "a, Bego\xF1"
     "a",
     70, "Munoz Pena, Begona"},
    {"CedillaAndCapitals",
     "\xC7"
     "A\xC7"
     "AO \xC1LVAREZ \xD1"
     "O\xD1O",
     70, "CACAO ALVAREZ NONO"},
    {"Ligatures",
     "\xC6sir Stra\xDF"
     "e \x8C"
     "uvre",
     70, "AEsir Strasse OEuvre"},
    {"OtherSignsBecomeBlanks", "a;b&c*d\"e", 70, "a b c d e"},
    {"SepaSignsStay", "a/b-c?d:e(f).g,h'i+j", 70, "a/b-c?d:e(f).g,h'i+j"},
    {"BlanksCollapseAndTrim", "  x \t y   ", 70, "x y"},
    {"EuroSignGoes",
     "\x80"
     "100",
     70, "100"},
    {"CutToLength", "abcdefghij", 4, "abcd"},
    {"CutLeavesNoTrailingBlank", "abc defg", 4, "abc"},
    {"Empty", "", 70, ""},
};

class ReduccionTest : public ::testing::TestWithParam<Reduccion> {};

TEST_P(ReduccionTest, KeepsTheSepaCharacterSet) {
    const std::string s = TextoSepa(GetParam().s1252, GetParam().nMaximo);
    EXPECT_EQ(s, GetParam().sSepa);
    EXPECT_EQ(s.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                  "/-?:().,'+ "),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ReduccionTest, ::testing::ValuesIn(kReducciones),
                         ::testing::PrintToStringParamName());

TEST(TextoSepaTest, EveryByteReducesToTheSet) {
    std::string sTodos;
    for (int c = 1; c < 256; ++c) {
        sTodos += static_cast<char>(c);
    }
    const std::string s = TextoSepa(sTodos, 1000);
    EXPECT_EQ(s.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                  "/-?:().,'+ "),
              std::string::npos);
    EXPECT_EQ(s.find("  "), std::string::npos);
}

TEST(CortarEnPalabraTest, CutsAtABlankUnlessTheFirstWordIsTooLong) {
    EXPECT_EQ(CortarEnPalabra("uno dos tres", 9), "uno dos");
    EXPECT_EQ(CortarEnPalabra("uno dos tres", 12), "uno dos tres");
    EXPECT_EQ(CortarEnPalabra("uno, dos tres", 7), "uno");
    EXPECT_EQ(CortarEnPalabra("abcdefghij", 4), "abcd");
}

ReciboData Recibo() {
    ReciboData r;
    r.sNumero = "A-7";
    r.sPagador1 =
        "Jos\xE9 Garc\xED"
        "a";
    r.sConcepto1 = "Cuota";
    r.sConcepto3 = "Derrama ascensor";
    r.cuImporte.SetValor(361200);
    return r;
}

DatosDeudor Deudor() {
    return {"es91 2100 0418 4502 0005 1332", "", "M-1", "15/01/2024", "", ""};
}

TEST(ConceptoTest, NumberThenTheConceptLinesJoined) {
    EXPECT_EQ(ConceptoAdeudo(Recibo()), "Recibo A-7: Cuota, Derrama ascensor");
    ReciboData r = Recibo();
    r.sConcepto1 = std::string(60, 'x') + " \xF1";
    r.sConcepto2 = std::string(50, 'y');
    r.sConcepto3 = "zzzz zzzzzzzzzzzzzzzzzzzzzzzzzz";
    const std::string s = ConceptoAdeudo(r);
    EXPECT_LE(s.size(), kMaxConceptoSepa);
    EXPECT_EQ(s, "Recibo A-7: " + std::string(60, 'x') + " n, " + std::string(50, 'y') + ", zzzz");
}

TEST(AdeudoTest, NormalisesTheRowAndTakesItsDefaults) {
    const Adeudo a = HacerAdeudo(Recibo(), Deudor(), "2026-12-10");
    EXPECT_EQ(a.sId, "A-7");
    EXPECT_EQ(a.nCentimos, 3612);
    EXPECT_EQ(a.sIban, "ES9121000418450200051332");
    EXPECT_EQ(a.sBic, "");
    EXPECT_EQ(a.sMandato, "M-1");
    EXPECT_EQ(a.sFechaMandato, "2024-01-15");
    EXPECT_EQ(a.secuencia, Secuencia::kRcur);
    EXPECT_EQ(a.sTitular, "Jose Garcia");
    EXPECT_EQ(a.sConcepto, "Recibo A-7: Cuota, Derrama ascensor");

    DatosDeudor d = Deudor();
    d.sBic = " caixesbb ";
    d.sSecuencia = "frst";
    d.sTitular =
        "Mar\xED"
        "a L\xF3pez";
    const Adeudo b = HacerAdeudo(Recibo(), d, "2026-12-10");
    EXPECT_EQ(b.sBic, "CAIXESBB");
    EXPECT_EQ(b.secuencia, Secuencia::kFrst);
    EXPECT_EQ(b.sTitular, "Maria Lopez");
}

struct Falta : Fila {
    DatosDeudor deudor;
    std::int64_t nTotal;  // ten-thousandths
    std::string sNumero;
    std::string sColumna;
    std::string sMensaje;
};

const std::string kIban = "ES9121000418450200051332";

const Falta kFaltas[] = {
    {"BadBic",
     {kIban, "CAIX", "M", "2024-01-01", "", ""},
     10000,
     "1",
     "BIC",
     "'CAIX': un BIC tiene 8 u 11 caracteres"},
    {"LongMandate",
     {kIban, "", std::string(36, 'M'), "2024-01-01", "", ""},
     10000,
     "1",
     "MANDATO",
     "la referencia del mandato tiene más de 35 caracteres"},
    {"NoMandateDate",
     {kIban, "", "M", "", "", ""},
     10000,
     "1",
     "FECHA_MANDATO",
     "falta la fecha de firma del mandato"},
    {"BadMandateDate",
     {kIban, "", "M", "2023-02-29", "", ""},
     10000,
     "1",
     "FECHA_MANDATO",
     "'2023-02-29' no es una fecha AAAA-MM-DD o DD/MM/AAAA"},
    {"BadSequence",
     {kIban, "", "M", "2024-01-01", "LAST", ""},
     10000,
     "1",
     "SECUENCIA",
     "'LAST' no es FRST, RCUR, OOFF ni FNAL"},
    {"LongHolder",
     {kIban, "", "M", "2024-01-01", "", std::string(71, 'h')},
     10000,
     "1",
     "TITULAR",
     "el titular tiene más de 70 caracteres"},
    {"NegativeTotal",
     {kIban, "", "M", "2024-01-01", "", ""},
     -10000,
     "1",
     "",
     "un recibo domiciliado necesita un total mayor que cero"},
    {"FractionOfACent",
     {kIban, "", "M", "2024-01-01", "", ""},
     10050,
     "1",
     "",
     "el total tiene fracciones de céntimo"},
    {"BeyondTheLargestDebit",
     {kIban, "", "M", "2024-01-01", "", ""},
     10000000000000000,
     "1",
     "",
     "el total pasa de 999.999.999,99, el mayor adeudo SEPA"},
    {"LongNumber",
     {kIban, "", "M", "2024-01-01", "", ""},
     10000,
     std::string(36, '9'),
     "NUMERO",
     "un recibo domiciliado lleva un número de 35 caracteres a lo sumo"},
};

class FaltaTest : public ::testing::TestWithParam<Falta> {};

TEST_P(FaltaTest, IsRefusedWithItsColumn) {
    ReciboData r = Recibo();
    r.cuImporte.SetValor(GetParam().nTotal);
    r.sNumero = GetParam().sNumero;
    try {
        HacerAdeudo(r, GetParam().deudor, "2026-12-10");
        ADD_FAILURE() << "accepted";
    } catch (const ErrorAdeudo& error) {
        EXPECT_EQ(error.Columna(), GetParam().sColumna);
        EXPECT_EQ(std::string(error.what()), GetParam().sMensaje);
    }
}

INSTANTIATE_TEST_SUITE_P(Tabla, FaltaTest, ::testing::ValuesIn(kFaltas),
                         ::testing::PrintToStringParamName());

TEST(AdeudoTest, AHolderFallsBackToTheFirstPayerLineAndOneOfThemIsNeeded) {
    ReciboData r = Recibo();
    r.sPagador1 = " ";
    try {
        HacerAdeudo(r, Deudor(), "2026-12-10");
        ADD_FAILURE() << "accepted";
    } catch (const ErrorAdeudo& error) {
        EXPECT_EQ(error.Columna(), "TITULAR");
    }
}

struct Fecha : Fila {
    std::string sTexto;
    std::string sIso;  // "" for none
};

const Fecha kFechas[] = {
    {"Iso", "2024-02-29", "2024-02-29"},
    {"Spanish", "29/02/2024", "2024-02-29"},
    {"NotALeapYear", "2023-02-29", ""},
    {"Century", "1900-02-29", ""},
    {"FourHundred", "2000-02-29", "2000-02-29"},
    {"Month13", "2024-13-01", ""},
    {"Day31InApril", "31/04/2024", ""},
    {"ShortForm", "2024-1-01", ""},
    {"Letters", "2024-0a-01", ""},
    {"Empty", "", ""},
};

class FechaTest : public ::testing::TestWithParam<Fecha> {};

TEST_P(FechaTest, ReadsRealDaysOnly) {
    EXPECT_EQ(FechaIso(GetParam().sTexto).value_or(""), GetParam().sIso);
}

INSTANTIATE_TEST_SUITE_P(Tabla, FechaTest, ::testing::ValuesIn(kFechas),
                         ::testing::PrintToStringParamName());

TEST(FechaCobroTest, IsTodayOrLaterWrittenIso) {
    EXPECT_EQ(ErrorFechaCobro("2026-12-10", "2026-12-10"), std::nullopt);
    EXPECT_EQ(ErrorFechaCobro("2027-01-04", "2026-12-10"), std::nullopt);
    EXPECT_EQ(ErrorFechaCobro("2026-12-09", "2026-12-10").value_or(""),
              "la fecha de cobro 2026-12-09 ya ha pasado");
    EXPECT_EQ(ErrorFechaCobro("20/12/2026", "2026-12-10").value_or(""),
              "la fecha de cobro '20/12/2026' no es una fecha AAAA-MM-DD");
    EXPECT_EQ(ErrorFechaCobro("", "2026-12-10").value_or(""),
              "falta la fecha de cobro (--collection-date AAAA-MM-DD)");
}

struct Moneda : Fila {
    std::string sNombre;
    std::string sSimbolo;
    int nDecimales;
    bool bValida;
};

const Moneda kMonedas[] = {
    {"EuroSign", "Euro", "\x80", 2, true},       {"StandardEuro", "", "|A", 2, true},
    {"SecondEuroGlyph", "", "|V", 2, true},      {"Code", "", "eur", 2, true},
    {"NamedEuro", "euro", "", 2, true},          {"NoDecimals", "Euro", "\x80", 0, false},
    {"Dollar", "US Dollar", "$", 2, false},      {"StandardDollar", "", "|B", 2, false},
    {"SmallStandardLetter", "", "|a", 2, false},
};

class MonedaTest : public ::testing::TestWithParam<Moneda> {};

TEST_P(MonedaTest, OnlyTheEuroWithTwoDecimals) {
    AjustesMoneda a;
    a.sNombreMoneda = GetParam().sNombre;
    a.sSimbolo = GetParam().sSimbolo;
    a.nDecimales = GetParam().nDecimales;
    EXPECT_EQ(!ErrorMonedaRemesa(a).has_value(), GetParam().bValida);
}

INSTANTIATE_TEST_SUITE_P(Tabla, MonedaTest, ::testing::ValuesIn(kMonedas),
                         ::testing::PrintToStringParamName());

TEST(SumaRemesaTest, CountsEachSequenceAndRefusesARepeatedNumber) {
    SumaRemesa suma;
    Adeudo a = HacerAdeudo(Recibo(), Deudor(), "2026-12-10");
    suma.Anadir(a);
    a.sId = "A-8";
    a.secuencia = Secuencia::kFrst;
    a.nCentimos = 1;
    suma.Anadir(a);
    suma.Excluir();
    EXPECT_EQ(suma.Resumen().Adeudos(), 2u);
    EXPECT_EQ(suma.Resumen().Centimos(), 3613);
    EXPECT_EQ(suma.Resumen().nAdeudos[static_cast<int>(Secuencia::kRcur)], 1u);
    EXPECT_EQ(suma.Resumen().nCentimos[static_cast<int>(Secuencia::kFrst)], 1);
    EXPECT_EQ(suma.Resumen().nExcluidos, 1u);
    try {
        suma.Anadir(a);
        ADD_FAILURE() << "a repeated number was accepted";
    } catch (const ErrorAdeudo& error) {
        EXPECT_EQ(error.Columna(), "NUMERO");
        EXPECT_EQ(std::string(error.what()), "el número A-8 ya está en otro adeudo");
    }
    EXPECT_EQ(TextoCentimos(3613), "36.13");
    EXPECT_EQ(TextoCentimos(kMaxCentimosAdeudo), "999999999.99");
    EXPECT_EQ(TextoCentimos(5), "0.05");
}

}  // namespace
