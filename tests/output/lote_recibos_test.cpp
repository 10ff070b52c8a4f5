// Batches of receipts: which cells are amounts, the receipts built from the rows over the
// stored one, their numbers, the batch's faults, and the pages printed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form/campos.h"
#include "money/globalcurrency.h"
#include "output/importes_impresos.h"
#include "output/lote_recibos.h"
#include "output/recibo_guardado.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/fila.h"

namespace {

struct Formato {
    const char* sNombre;
    const char* sDecimal;
    const char* sMiles;
    const char* sSimbolo;
};

void Poner(const Formato& f) {
    CGlobalCurrency::SetSeparadorDecimal(f.sDecimal);
    CGlobalCurrency::SetSeparadorMiles(f.sMiles);
    CGlobalCurrency::SetSimbolo(f.sSimbolo);
    CGlobalCurrency::SetDecimales(2);
}

constexpr Formato kEspanol{"Spanish", ",", ".", "\x80"};
constexpr Formato kIngles{"English", ".", ",", "$"};
constexpr Formato kFrances{"French", ",", " ", "\x80"};

struct CasoImporte {
    Formato formato;
    const char* sTexto;
    bool bImporte;
};

// "Spanish_1Point234Comma5" for "1.234,5" in the Spanish format.
void PrintTo(const CasoImporte& c, std::ostream* os) {
    *os << c.formato.sNombre << "_" << NombreDeTexto(c.sTexto);
}

class TextoImporte : public SalidaTest, public ::testing::WithParamInterface<CasoImporte> {};

TEST_P(TextoImporte, ReadsAsANumberInTheFormatOrNot) {
    Poner(GetParam().formato);
    EXPECT_EQ(EsTextoImporte(GetParam().sTexto), GetParam().bImporte) << GetParam().sTexto;
}

// clang-format off
const CasoImporte kImportes[] = {
    {kEspanol, "", true}, {kEspanol, "  ", true}, {kEspanol, "12", true}, {kEspanol, "12,5", true},
    {kEspanol, "1.234,56", true}, {kEspanol, "1.234.567,891", true}, {kEspanol, "1234,5", true},
    {kEspanol, ",5", true}, {kEspanol, "0,123449", true}, {kEspanol, "-12", true},
    {kEspanol, "12-", true}, {kEspanol, "(12,5)", true}, {kEspanol, "- 12 \x80", true},
    {kEspanol, "\x80-1.234,5", true}, {kEspanol, "(\x80 1.234,00)", true}, {kEspanol, "$3", true},
    {kEspanol, "\xA0" "12\xA0", true}, {kEspanol, "999999999999999", true},
    {kEspanol, "12,5,0", false}, {kEspanol, "abc", false}, {kEspanol, "12a", false},
    {kEspanol, "1.23,4", false}, {kEspanol, "1.2345", false}, {kEspanol, "12.", false},
    {kEspanol, "12,", false}, {kEspanol, ",", false}, {kEspanol, "--12", false},
    {kEspanol, "-12-", false}, {kEspanol, "(12", false}, {kEspanol, "12)", false},
    {kEspanol, "(-12)", false}, {kEspanol, "\x80", false}, {kEspanol, "\x80\x80" "12", false},
    {kEspanol, "1 2", false}, {kEspanol, "1234567890123456", false},
    {kEspanol, "12,5 EUR", false}, {kEspanol, "+12", false}, {kEspanol, "1.234.56", false},
    {kIngles, "1,234.5", true}, {kIngles, "12.5", true}, {kIngles, "$-1,234.50", true},
    {kIngles, "12,5,0", false}, {kIngles, "1.234,5", false}, {kIngles, "12,50", false},
    {kFrances, "1 234,5", true}, {kFrances, "1 234 567", true}, {kFrances, "12 34", false},
    {kFrances, "1 234 5", false}, {kFrances, "12 \x80", true}, {kFrances, "- 1 234,5 \x80", true},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, TextoImporte, ::testing::ValuesIn(kImportes),
                         ::testing::PrintToStringParamName());

// What the program writes in every display mode reads back, to the same amount.
TEST_F(SalidaTest, EveryFormAndReceiptTextOfEveryModeIsAnAmount) {
    Poner(kEspanol);
    const double valores[] = {0, 0.01, 1234.5, 1234567.89, -0.01, -1234.5, -1234567.89};
    for (int nPositivo = 0; nPositivo < 4; ++nPositivo) {
        for (int nNegativo = 0; nNegativo < 16; ++nNegativo) {
            CGlobalCurrency::SetModoPositivo(nPositivo);
            CGlobalCurrency::SetModoNegativo(nNegativo);
            for (double dValor : valores) {
                const CGlobalCurrency cu = Importe(dValor);
                for (const std::string& sTexto : {cu.TextoFormulario(), cu.TextoRecibo()}) {
                    EXPECT_TRUE(EsTextoImporte(sTexto)) << sTexto;
                    EXPECT_EQ(ImporteComoFormulario(sTexto), cu) << sTexto;
                }
            }
        }
    }
}

class LoteTest : public SalidaTest {
  protected:
    LoteTest() { Poner(kEspanol); }

    static std::vector<ReciboData> Recibos(const std::string& sCsv,
                                           const ReciboData& base = ReciboCompleto()) {
        CLoteRecibos lote(sCsv, base);
        std::vector<ReciboData> recibos;
        lote.ParaCadaRecibo([&](const ReciboData& r) {
            recibos.push_back(r);
            return true;
        });
        return recibos;
    }
    static std::vector<std::string> Numeros(const std::vector<ReciboData>& recibos) {
        std::vector<std::string> numeros;
        for (const ReciboData& r : recibos) {
            numeros.push_back(r.sNumero);
        }
        return numeros;
    }
    // The message of the fault the batch shows when checked, as the command line names it.
    static std::string Fallo(const std::string& sCsv) {
        try {
            CLoteRecibos(sCsv, ReciboCompleto()).Comprobar();
        } catch (const ErrorLote& error) {
            return TextoErrorLote("pagos.csv", error);
        }
        return "accepted";
    }
};

// Columns named in any case fill their fields; every other field is the stored receipt's.
TEST_F(LoteTest, RowsFillTheirColumnsOverTheStoredReceipt) {
    const std::vector<ReciboData> recibos = Recibos(
        "numero;Pagador_1;IMPORTE_3;concepto_2;FECHA\n"
        "F-1;Ana P\xC3\xA9rez;1,5;Agua;01/01/2027\n");
    ASSERT_EQ(recibos.size(), 1u);
    ReciboData esperado = ReciboCompleto();
    esperado.sNumero = "F-1";
    esperado.sPagador1 = "Ana P\xE9rez";
    esperado.cuI3 = Importe(1.5);
    esperado.sConcepto2 = "Agua";
    esperado.sFecha = "01/01/2027";
    esperado.cuImporte = Importe(10 + 1.5 + 1234.5 - 1.25);
    EXPECT_EQ(recibos[0], esperado);
}

// An empty cell empties its field; an empty amount is zero.
TEST_F(LoteTest, EmptyCellsEmptyTheirFields) {
    const std::vector<ReciboData> recibos = Recibos("CONCEPTO_1;IMPORTE_1;IMPORTE_5\n;;7\n");
    ASSERT_EQ(recibos.size(), 1u);
    EXPECT_EQ(recibos[0].sConcepto1, "");
    EXPECT_TRUE(recibos[0].cuI1.EsCero());
    EXPECT_EQ(recibos[0].cuImporte, Importe(2.5 + 7 - 1.25));
}

struct CasoNumeros : Fila {
    std::string sNumeroGuardado;
    std::string sCsv;
    std::vector<std::string> numeros;
    std::string sSiguiente;
    bool bTomado;
};

class NumerosDelLote : public LoteTest, public ::testing::WithParamInterface<CasoNumeros> {};

TEST_P(NumerosDelLote, FollowTheStoredNumberWhereTheRowHasNone) {
    const CasoNumeros& c = GetParam();
    ReciboData base = ReciboCompleto();
    base.sNumero = c.sNumeroGuardado;
    EXPECT_EQ(Numeros(Recibos(c.sCsv, base)), c.numeros);
    const ResumenLote resumen = CLoteRecibos(c.sCsv, base).Comprobar();
    EXPECT_EQ(resumen.sNumeroSiguiente, c.sSiguiente);
    EXPECT_EQ(resumen.bNumeroTomado, c.bTomado);
}

// clang-format off
const CasoNumeros kNumeros[] = {
    {"NoColumn", "A-0017", "PAGADOR_1\nx\ny\nz\n", {"A-0017", "A-0018", "A-0019"}, "A-0020", true},
    {"SomeCellsEmpty", "A-0099", "NUMERO;PAGADOR_1\n;x\nB-7;y\n;z\n", {"A-0099", "B-7", "A-00100"}, "A-00101", true},
    {"EveryRowHasOne", "7", "NUMERO\n1\n2\n", {"1", "2"}, "7", false},
    {"StoredIsEmpty", "", "PAGADOR_1\nx\ny\n", {"1", "2"}, "3", true},
    {"StoredIsBlank", "  ", "NUMERO;PAGADOR_1\n;x\nB-7;y\n;z\n", {"  1", "B-7", "  2"}, "  3", true},
    {"StoredIsEmptyAndEveryRowHasOne", "", "NUMERO\n4\n", {"4"}, "", false},
    {"YearAfterTheCount", "9/2026", "PAGADOR_1\nx\ny\n", {"9/2026", "10/2026"}, "11/2026", true},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, NumerosDelLote, ::testing::ValuesIn(kNumeros),
                         ::testing::PrintToStringParamName());

TEST_F(LoteTest, CheckingCountsTheReceiptsAndSumsTheirTotals) {
    const ResumenLote resumen =
        CLoteRecibos("IMPORTE_1;IMPORTE_6\n1.000;\n(2,5);0\n", ReciboCompleto()).Comprobar();
    EXPECT_EQ(resumen.nRecibos, 2u);
    // Each receipt: its first and sixth amounts from the row, the others 2.5 and 1234.5.
    EXPECT_EQ(resumen.cuTotal, Importe((1000 + 1237) + (-2.5 + 1237)));
}

// A header whose six amounts are all the row's.
constexpr const char* kSeisImportes =
    "IMPORTE_1;IMPORTE_2;IMPORTE_3;IMPORTE_4;IMPORTE_5;IMPORTE_6\n";

struct CasoFallo : Fila {
    std::string sCsv;
    std::string sMensaje;
};

class FalloDelLote : public LoteTest, public ::testing::WithParamInterface<CasoFallo> {};

TEST_P(FalloDelLote, NamesFileLineColumnAndFault) {
    EXPECT_EQ(Fallo(GetParam().sCsv), GetParam().sMensaje);
}

// clang-format off
const CasoFallo kFallos[] = {
    {"BadAmount", "NUMERO;IMPORTE_1;importe_2\n1;3;4\n\n2;1;12,5,0\n",
     "pagos.csv:4: IMPORTE_2: '12,5,0' no es un importe"},
    {"AmountInOtherConvention", "IMPORTE_1\n\"1,234.5\"\n",
     "pagos.csv:2: IMPORTE_1: '1,234.5' no es un importe"},
    {"UnknownColumn", "NUMERO;NOMBRE\n1;x\n", "pagos.csv:1: NOMBRE: columna desconocida"},
    {"TotalIsNoColumn", "IMPORTE\n3\n", "pagos.csv:1: IMPORTE: columna desconocida"},
    {"LabelIsNoColumn", "DEF_NUMERO\nx\n", "pagos.csv:1: DEF_NUMERO: columna desconocida"},
    {"PrefixIsNotPartOfTheName", "IDC_EDIT_NUMERO\n1\n", "pagos.csv:1: IDC_EDIT_NUMERO: columna desconocida"},
    {"SeventhConcept", "CONCEPTO_7\nx\n", "pagos.csv:1: CONCEPTO_7: columna desconocida"},
    {"UnknownColumnNamedInUtf8", "A\xC3\x91O\n1\n", "pagos.csv:1: A\xC3\x91O: columna desconocida"},
    {"RepeatedColumn", "numero;PAGADOR_1;NUMERO\n1;2;3\n", "pagos.csv:1: NUMERO: columna repetida"},
    {"HeaderOnly", "NUMERO;IMPORTE_1\n", "pagos.csv: no hay ningún recibo después de la cabecera"},
    {"HeaderAndEmptyRows", "NUMERO;IMPORTE_1\n;\n\n", "pagos.csv: no hay ningún recibo después de la cabecera"},
    {"EmptyFile", "", "pagos.csv: el fichero está vacío"},
    {"TextOutsideWindows1252", "NUMERO;PAGADOR_1\n1;Zh\xC5\x8Du\n",
     "pagos.csv:2: PAGADOR_1: '\xC5\x8D' (U+014D) no existe en Windows-1252"},
    {"AmountBeyondTheLargest", "PAGADOR_1;IMPORTE_2\nAna;1\nEva;999.999.999.999.999\n",
     "pagos.csv:3: IMPORTE_2: '999.999.999.999.999' supera el importe máximo, 922.337.203.685.477,58"},
    {"NegativeBeyondTheLargest", "IMPORTE_4\n(922.337.203.685.477,59)\n",
     "pagos.csv:2: IMPORTE_4: '(922.337.203.685.477,59)' supera el importe máximo, 922.337.203.685.477,58"},
    {"SumBeyondTheLargest", "IMPORTE_1;IMPORTE_2\n500.000.000.000.000;500.000.000.000.000\n",
     "pagos.csv:2: la suma de los importes supera el importe máximo, 922.337.203.685.477,58"},
    {"TotalLongerThanItsCells", std::string(kSeisImportes) + "1.000.000.000;;;;;\n",
     "pagos.csv:2: el total, \xE2\x82\xAC" "1.000.000.000,00, no cabe en la casilla del importe (16 caracteres)"},
    {"TotalThatJustFits", std::string(kSeisImportes) + "999.999.999,99;;;;;\n", "accepted"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, FalloDelLote, ::testing::ValuesIn(kFallos),
                         ::testing::PrintToStringParamName());

constexpr Formato kSignoEstandar{"StandardSign", ",", ".", "|E"};

// Without decimals a form text may round beyond the largest amount, and a standard sign draws
// the total in 17 glyph cells.
TEST_F(LoteTest, WithoutDecimalsAndUnderAStandardSign) {
    Poner(kSignoEstandar);
    CGlobalCurrency::SetDecimales(0);
    const std::pair<std::string, std::string> casos[] = {
        {std::string(kSeisImportes) + "922.337.203.685.477,4999;;;;;\n",
         "pagos.csv:2: el total, 922.337.203.685.477, no cabe en la casilla del importe (17 "
         "caracteres)"},
        {"IMPORTE_1\n922.337.203.685.477,5\n",
         "pagos.csv:2: IMPORTE_1: '922.337.203.685.477,5' supera el importe máximo, "
         "922.337.203.685.477"},
        {std::string(kSeisImportes) + "999.999.999.999;;;;;\n", "accepted"},
        {std::string(kSeisImportes) + "9.999.999.999.999;;;;;\n",
         "pagos.csv:2: el total, 9.999.999.999.999, no cabe en la casilla del importe (17 "
         "caracteres)"},
    };
    for (const auto& [sCsv, sMensaje] : casos) {
        EXPECT_EQ(Fallo(sCsv), sMensaje) << sCsv;
    }
}

// The sum of a dry run's totals, each of which prints, may still go beyond the largest amount:
// then there is no sum to show rather than a wrong one.
TEST_F(LoteTest, ASumOfTotalsBeyondTheLargestIsNone) {
    Poner(kSignoEstandar);
    CGlobalCurrency::SetDecimales(0);
    const auto filas = [](int n) {
        std::string sCsv = kSeisImportes;
        for (int i = 0; i < n; ++i) {
            sCsv += "999.999.999.999;;;;;\n";
        }
        return sCsv;
    };
    EXPECT_EQ(CLoteRecibos(filas(1000), ReciboCompleto()).Comprobar().cuTotal, std::nullopt);
    CGlobalCurrency cuNovecientos;
    cuNovecientos.SetValor(std::int64_t{900} * 999999999999 * 10000);
    EXPECT_EQ(CLoteRecibos(filas(900), ReciboCompleto()).Comprobar().cuTotal, cuNovecientos);
}

// A fault on the last row is found before anything is printed.
TEST_F(LoteTest, AFaultInTheLastRowStopsTheCheckOfAHundredThousand) {
    std::string sCsv = "PAGADOR_1;IMPORTE_1\n";
    for (int i = 0; i < 99999; ++i) {
        sCsv += "Vecino " + std::to_string(i) + ";1,25\n";
    }
    const ResumenLote resumen = CLoteRecibos(sCsv + "x;2\n", ReciboCompleto()).Comprobar();
    EXPECT_EQ(resumen.nRecibos, 100000u);
    EXPECT_EQ(resumen.cuTotal, Importe(99999 * (1.25 + 1235.75) + (2 + 1235.75)));
    EXPECT_EQ(resumen.sNumeroSiguiente, "A-00100017");
    EXPECT_EQ(Fallo(sCsv + "x;2x\n"), "pagos.csv:100001: IMPORTE_1: '2x' no es un importe");
}

// One document, one page per receipt, each page drawn as that receipt alone would be.
TEST_F(LoteTest, PrintsOnePagePerReceiptInOneDocument) {
    const std::string sCsv = "PAGADOR_1;IMPORTE_2\nAna;1\nLuis;2\nEva;3\n";
    CLoteRecibos lote(sCsv, ReciboCompleto());
    RecordingDevice dc;
    std::vector<std::size_t> progreso;
    ASSERT_TRUE(lote.Imprimir(dc, [&](std::size_t n) { progreso.push_back(n); }));
    EXPECT_EQ(progreso, (std::vector<std::size_t>{1, 2, 3}));

    std::vector<std::string> esperadas = Descritas(dc.CallsOf(CallKind::StartDoc));
    for (const ReciboData& recibo : Recibos(sCsv)) {
        RecordingDevice pagina;
        pagina.StartPage();
        recibo.DibujarRecibo(pagina);
        pagina.EndPage();
        const std::vector<std::string> dibujo = Descritas(pagina.Calls());
        esperadas.insert(esperadas.end(), dibujo.begin(), dibujo.end());
    }
    esperadas.push_back(Descritas(dc.CallsOf(CallKind::EndDoc))[0]);
    EXPECT_EQ(Descritas(dc.Calls()), esperadas);
    EXPECT_EQ(dc.CallsOf(CallKind::StartDoc).at(0).text, "Imprimiento Recibo");
    EXPECT_EQ(dc.CallsOf(CallKind::StartPage).size(), 3u);
}

TEST_F(LoteTest, ADocumentThatCannotStartPrintsNothing) {
    CLoteRecibos lote("PAGADOR_1\nAna\n", ReciboCompleto());
    RecordingDevice dc;
    dc.SetStartDocResult(0);
    EXPECT_FALSE(lote.Imprimir(dc, [](std::size_t) {}));
    EXPECT_TRUE(dc.CallsOf(CallKind::StartPage).empty());
}

// The stored number moves only when the batch took numbers from it.
TEST_F(LoteTest, TheNextNumberIsStoredOnlyWhenTaken) {
    ajustes::kNumero.Escribir("7");
    GuardarNumeroSiguiente({1, {}, "9", false});
    EXPECT_EQ(ajustes::kNumero.Leer(""), "7");
    GuardarNumeroSiguiente({1, {}, "9", true});
    EXPECT_EQ(ajustes::kNumero.Leer(""), "9");
}

}  // namespace
