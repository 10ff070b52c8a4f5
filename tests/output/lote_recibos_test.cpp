// Batches of receipts: the receipts built from the rows over the stored one under the batch's
// currency settings, their numbers, the batch's faults, and the pages printed.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form/campos.h"
#include "output/dibujarrecibo.h"
#include "output/importes_impresos.h"
#include "output/imprimirrecibo.h"
#include "output/lote_recibos.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/fila.h"

namespace {

// Spanish amounts: decimal ",", groups ".", sign "€".
AjustesMoneda Espanol() {
    AjustesMoneda a = kDolares;
    a.sSeparadorDecimal = ",";
    a.sSeparadorMiles = ".";
    a.sSimbolo = "\x80";
    return a;
}

// The month the batches of these tests are issued for.
constexpr Periodo kEnero{2027, 1};

class LoteTest : public SalidaTest {
  protected:
    static std::vector<ReciboData> Recibos(const std::string& sCsv,
                                           const ReciboData& base = ReciboCompleto()) {
        CLoteRecibos lote(sCsv, base, Espanol(), kEnero);
        std::vector<ReciboData> recibos;
        lote.ParaCadaRecibo([&](const ReciboData& r) {
            recibos.push_back(r);
            return true;
        });
        return recibos;
    }
    static std::vector<std::string> Numeros(const std::vector<ReciboData>& recibos) {
        std::vector<std::string> numeros;
        numeros.reserve(recibos.size());
        for (const ReciboData& r : recibos) {
            numeros.push_back(r.sNumero);
        }
        return numeros;
    }
    // The message of the fault the batch shows when checked, as the command line names it.
    static std::string Fallo(const std::string& sCsv, const AjustesMoneda& a = Espanol(),
                             const ReciboData& base = ReciboCompleto()) {
        try {
            CLoteRecibos(sCsv, base, a, kEnero).Comprobar();
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
    const ResumenLote resumen = CLoteRecibos(c.sCsv, base, Espanol(), kEnero).Comprobar();
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

// The cells' placeholders, and those of the stored fields the batch takes, name the batch's
// month; the labels print as they are; the number's series runs on the stored text.
TEST_F(LoteTest, PlaceholdersNameTheBatchsMonth) {
    ReciboData base = ReciboCompleto();
    base.sNumero = "{A\xD1O}-0017";
    base.sConcepto1 = "Cuota de {MES}";
    base.sFecha = "1 de {MES} de {A\xD1O}";
    base.sConcepto5 = "{NINGUNO}";  // every row has its own
    base.sDPagador = "Pagador de {MES}";
    const std::string sCsv =
        "PAGADOR_1;CONCEPTO_5;CONCEPTO_2\n"
        "Ana;{PERIODO};\n"
        "Luis {MES_SIGUIENTE};x;{} {mes\n";
    CLoteRecibos lote(sCsv, base, Espanol(), Periodo{2026, 12});
    std::vector<ReciboData> recibos;
    lote.ParaCadaRecibo([&](const ReciboData& r) {
        recibos.push_back(r);
        return true;
    });
    ASSERT_EQ(recibos.size(), 2u);
    ReciboData esperado = base;
    esperado.sNumero = "2026-0017";
    esperado.sConcepto1 = "Cuota de diciembre";
    esperado.sFecha = "1 de diciembre de 2026";
    esperado.sPagador1 = "Ana";
    esperado.sConcepto5 = "diciembre de 2026";
    esperado.sConcepto2 = "";
    EXPECT_EQ(recibos[0], esperado);
    esperado.sNumero = "2026-0018";
    esperado.sPagador1 = "Luis enero";
    esperado.sConcepto5 = "x";
    esperado.sConcepto2 = "{} {mes";
    EXPECT_EQ(recibos[1], esperado);
    EXPECT_EQ(lote.Comprobar().sNumeroSiguiente, "{A\xD1O}-0019");
}

struct CasoGuardado : Fila {
    std::string ReciboData::*pCampo;
    std::string sGuardado;
    std::string sCsv;
    std::string sMensaje;
};

class MarcadorGuardado : public LoteTest, public ::testing::WithParamInterface<CasoGuardado> {};

// An unknown placeholder of a stored field is a fault of the batch when the batch takes it.
TEST_P(MarcadorGuardado, IsAFaultWhenTheBatchTakesIt) {
    ReciboData base = ReciboCompleto();
    base.*GetParam().pCampo = GetParam().sGuardado;
    EXPECT_EQ(Fallo(GetParam().sCsv, Espanol(), base), GetParam().sMensaje);
}

constexpr const char* kConocidos =
    "' no es un marcador: se conocen {MES}, {MES_SIGUIENTE}, {AÑO} y {PERIODO}";

// clang-format off
const CasoGuardado kGuardados[] = {
    {"ConceptNoColumnCovers", &ReciboData::sConcepto4, "{X}", "PAGADOR_1\nAna\n",
     std::string("pagos.csv: CONCEPTO_4 del recibo guardado: '{X}") + kConocidos},
    {"NumberOfTheSeries", &ReciboData::sNumero, "{X}-1", "PAGADOR_1\nAna\n",
     std::string("pagos.csv: NUMERO del recibo guardado: '{X}") + kConocidos},
    {"NumberAnEmptyCellTakes", &ReciboData::sNumero, "{X}-1", "NUMERO;PAGADOR_1\n5;Ana\n;Eva\n",
     std::string("pagos.csv:3: NUMERO del recibo guardado: '{X}") + kConocidos},
    {"ConceptAColumnCovers", &ReciboData::sConcepto4, "{X}", "CONCEPTO_4\nAgua\n", "accepted"},
    {"NumberEveryRowHas", &ReciboData::sNumero, "{X}", "NUMERO\n5\n", "accepted"},
    {"Label", &ReciboData::sDNumero, "{X}", "PAGADOR_1\nAna\n", "accepted"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, MarcadorGuardado, ::testing::ValuesIn(kGuardados),
                         ::testing::PrintToStringParamName());

TEST_F(LoteTest, CheckingCountsTheReceiptsAndSumsTheirTotals) {
    const ResumenLote resumen =
        CLoteRecibos("IMPORTE_1;IMPORTE_6\n1.000;\n(2,5);0\n", ReciboCompleto(), Espanol(), kEnero)
            .Comprobar();
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
    {"UnknownPlaceholder", "NUMERO;CONCEPTO_2\n1;x\n2;Cuota de {MESS}\n",
     "pagos.csv:3: CONCEPTO_2: '{MESS}' no es un marcador: se conocen {MES}, {MES_SIGUIENTE}, {AÑO} y {PERIODO}"},
    {"UnknownPlaceholderInANumber", "NUMERO\n{N}-1\n",
     "pagos.csv:2: NUMERO: '{N}' no es un marcador: se conocen {MES}, {MES_SIGUIENTE}, {AÑO} y {PERIODO}"},
    {"PlaceholderIsNoAmount", "IMPORTE_1\n{MES}\n", "pagos.csv:2: IMPORTE_1: '{MES}' no es un importe"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, FalloDelLote, ::testing::ValuesIn(kFallos),
                         ::testing::PrintToStringParamName());

// Spanish amounts without decimals under a standard sign, drawn as glyphs.
AjustesMoneda SinDecimalesConSigno() {
    AjustesMoneda a = Espanol();
    a.sSimbolo = "|E";
    a.nDecimales = 0;
    return a;
}

// Without decimals a form text may round beyond the largest amount, and a standard sign draws
// the total in 17 glyph cells.
TEST_F(LoteTest, WithoutDecimalsAndUnderAStandardSign) {
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
        EXPECT_EQ(Fallo(sCsv, SinDecimalesConSigno()), sMensaje) << sCsv;
    }
}

// The sum of a dry run's totals, each of which prints, may still go beyond the largest amount:
// then there is no sum to show rather than a wrong one.
TEST_F(LoteTest, ASumOfTotalsBeyondTheLargestIsNone) {
    const auto filas = [](int n) {
        std::string sCsv = kSeisImportes;
        for (int i = 0; i < n; ++i) {
            sCsv += "999.999.999.999;;;;;\n";
        }
        return sCsv;
    };
    const AjustesMoneda a = SinDecimalesConSigno();
    EXPECT_EQ(CLoteRecibos(filas(1000), ReciboCompleto(), a, kEnero).Comprobar().cuTotal,
              std::nullopt);
    CGlobalCurrency cuNovecientos;
    cuNovecientos.SetValor(std::int64_t{900} * 999999999999 * 10000);
    EXPECT_EQ(CLoteRecibos(filas(900), ReciboCompleto(), a, kEnero).Comprobar().cuTotal,
              cuNovecientos);
}

// A fault on the last row is found before anything is printed.
TEST_F(LoteTest, AFaultInTheLastRowStopsTheCheckOfAHundredThousand) {
    std::string sCsv = "PAGADOR_1;IMPORTE_1\n";
    for (int i = 0; i < 99999; ++i) {
        sCsv += "Vecino " + std::to_string(i) + ";1,25\n";
    }
    const ResumenLote resumen =
        CLoteRecibos(sCsv + "x;2\n", ReciboCompleto(), Espanol(), kEnero).Comprobar();
    EXPECT_EQ(resumen.nRecibos, 100000u);
    EXPECT_EQ(resumen.cuTotal, Importe(99999 * (1.25 + 1235.75) + (2 + 1235.75)));
    EXPECT_EQ(resumen.sNumeroSiguiente, "A-00100017");
    EXPECT_EQ(Fallo(sCsv + "x;2x\n"), "pagos.csv:100001: IMPORTE_1: '2x' no es un importe");
}

// One document, one page per receipt, each page drawn as that receipt alone would be.
TEST_F(LoteTest, PrintsOnePagePerReceiptInOneDocument) {
    const std::string sCsv = "PAGADOR_1;IMPORTE_2\nAna;1\nLuis;2\nEva;3\n";
    CLoteRecibos lote(sCsv, ReciboCompleto(), Espanol(), kEnero);
    AparienciaRecibo apariencia;
    apariencia.color = RGB(1, 2, 3);
    RecordingDevice dc;
    std::vector<std::size_t> progreso;
    ASSERT_TRUE(lote.Imprimir(dc, apariencia, {}, [&](std::size_t n) { progreso.push_back(n); }));
    EXPECT_EQ(progreso, (std::vector<std::size_t>{1, 2, 3}));

    std::vector<std::string> esperadas = Descritas(dc.CallsOf(CallKind::StartDoc));
    for (const ReciboData& recibo : Recibos(sCsv)) {
        RecordingDevice pagina;
        pagina.StartPage();
        DibujarRecibo(recibo, apariencia, Espanol(), pagina);
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
    CLoteRecibos lote("PAGADOR_1\nAna\n", ReciboCompleto(), Espanol(), kEnero);
    RecordingDevice dc;
    dc.SetStartDocResult(0);
    EXPECT_FALSE(lote.Imprimir(dc, {}, {}, [](std::size_t) {}));
    EXPECT_TRUE(dc.CallsOf(CallKind::StartPage).empty());
}

// A recording device that leaves what was drawn on it in a list when it is destroyed.
class DispositivoDeLista : public RecordingDevice {
  public:
    explicit DispositivoDeLista(std::vector<std::vector<std::string>>& lista, int nStartDoc = 1)
        : m_lista(lista) {
        SetStartDocResult(nStartDoc);
    }
    ~DispositivoDeLista() override { m_lista.push_back(Descritas(Calls())); }

  private:
    std::vector<std::vector<std::string>>& m_lista;
};

// Each receipt in a document of its own, drawn as ImprimirEnDispositivo draws it alone.
TEST_F(LoteTest, PrintsEachReceiptInADocumentOfItsOwn) {
    const std::string sCsv = "PAGADOR_1;IMPORTE_2\nAna;1\nLuis;2\nEva;3\n";
    CLoteRecibos lote(sCsv, ReciboCompleto(), Espanol(), kEnero);
    AparienciaRecibo apariencia;
    apariencia.color = RGB(1, 2, 3);
    std::vector<std::vector<std::string>> documentos;
    std::vector<std::size_t> pedidos, progreso;
    ASSERT_TRUE(lote.ImprimirCadaUno(
        [&](std::size_t n) {
            pedidos.push_back(n);
            return std::make_unique<DispositivoDeLista>(documentos);
        },
        apariencia, [&](std::size_t n) { progreso.push_back(n); }));
    EXPECT_EQ(pedidos, (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_EQ(progreso, (std::vector<std::size_t>{1, 2, 3}));
    const std::vector<ReciboData> recibos = Recibos(sCsv);
    ASSERT_EQ(documentos.size(), recibos.size());
    for (std::size_t i = 0; i < recibos.size(); ++i) {
        RecordingDevice solo;
        ASSERT_TRUE(ImprimirEnDispositivo(recibos[i], apariencia, Espanol(), solo, {}));
        EXPECT_EQ(documentos[i], Descritas(solo.Calls())) << "receipt " << i + 1;
    }
    EXPECT_NE(documentos[0], documentos[1]);
}

// A device that is missing, or whose document cannot start, stops the batch there.
TEST_F(LoteTest, AFailedDocumentStopsTheOthers) {
    CLoteRecibos lote("PAGADOR_1\nAna\nLuis\nEva\n", ReciboCompleto(), Espanol(), kEnero);
    for (const bool bSinDispositivo : {false, true}) {
        std::vector<std::vector<std::string>> documentos;
        std::vector<std::size_t> pedidos, progreso;
        const bool bImpreso = lote.ImprimirCadaUno(
            [&](std::size_t n) -> std::unique_ptr<PrintDevice> {
                pedidos.push_back(n);
                if (n == 1 && bSinDispositivo) {
                    return nullptr;
                }
                return std::make_unique<DispositivoDeLista>(documentos, n == 1 ? 0 : 1);
            },
            {}, [&](std::size_t n) { progreso.push_back(n); });
        EXPECT_FALSE(bImpreso) << bSinDispositivo;
        EXPECT_EQ(pedidos, (std::vector<std::size_t>{0, 1})) << bSinDispositivo;
        EXPECT_EQ(progreso, std::vector<std::size_t>{1}) << bSinDispositivo;
        EXPECT_EQ(documentos.size(), bSinDispositivo ? 1u : 2u);
    }
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
