// The built program's batch: --batch FILE with --pdf, --dry-run and the GNU forms of the
// options; its pages against single --pdf runs of the same receipts; its faults, which write
// nothing and keep the stored number.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/esquema.h"
#include "tests/output/entorno_lote.h"
#include "tests/support/fila.h"

namespace {

// Each page of the batch holds the same words at the same places as a --pdf run of the stored
// receipt changed by hand to that row.
TEST_F(LoteComandosTest, EachPageIsTheSingleReceiptOfItsRow) {
    const Salida lote = Brixamo("--batch pagos.csv --pdf lote.pdf");
    ASSERT_EQ(lote.nEstado, 0) << lote.sErrores;
    EXPECT_TRUE(lote.sSalida.empty());
    EXPECT_EQ(lote.sErrores.find("receipt"), std::string::npos);  // not a terminal
    EXPECT_EQ(NumeroGuardado(), "A-0019");
    const Salida info = Ejecutar("pdfinfo lote.pdf");
    EXPECT_NE(info.sSalida.find("Pages:           3\n"), std::string::npos) << info.sSalida;
    EXPECT_NE(info.sSalida.find("Title:           Imprimiento Recibo\n"), std::string::npos);

    const std::vector<std::vector<std::pair<AjusteTexto, const char*>>> filas = {
        {{ajustes::kNumero, "A-0017"},
         {ajustes::kPagador1, "Ana"},
         {ajustes::kImporte1, "1,234.5"},
         {ajustes::kConcepto2, "Agua"}},
        {{ajustes::kNumero, "B-2"},
         {ajustes::kPagador1, "Luis \"el\" Pardo, hijo"},
         {ajustes::kImporte1, "7"},
         {ajustes::kConcepto2, ""}},
        {{ajustes::kNumero, "A-0018"},
         {ajustes::kPagador1, "Eva"},
         {ajustes::kImporte1, "-3"},
         {ajustes::kConcepto2, "Luz & gas"}},
    };
    for (std::size_t i = 0; i < filas.size(); ++i) {
        for (const auto& [ajuste, sValor] : filas[i]) {
            ajuste.Escribir(sValor);
        }
        ASSERT_EQ(Brixamo("--pdf uno.pdf").nEstado, 0);
        MismasPalabras(PalabrasDe(Ruta("lote.pdf"), static_cast<int>(i + 1)),
                       PalabrasDe(Ruta("uno.pdf"), 1), "page " + std::to_string(i + 1));
    }
    EXPECT_NE(Buscar(PalabrasDe(Ruta("lote.pdf"), 2), "Luis &quot;el&quot;"), std::nullopt);
    EXPECT_NE(Buscar(PalabrasDe(Ruta("lote.pdf"), 3), "Luz & gas"), std::nullopt);
}

TEST_F(LoteComandosTest, DryRunCountsAndSumsAndWritesNothing) {
    const Salida prueba = Brixamo("--batch=pagos.csv --dry-run");
    ASSERT_EQ(prueba.nEstado, 0) << prueba.sErrores;
    // 1,254.50 + 27 + 17: the third amount of the stored receipt is in each.
    EXPECT_EQ(prueba.sSalida, "3 receipts, total $1,298.50\n");
    EXPECT_EQ(NumeroGuardado(), "A-0017");
    EXPECT_EQ(Ficheros(), std::vector<std::string>{"pagos.csv"});

    const Salida conPdf = Brixamo("--dry-run --pdf=lote.pdf --batch pagos.csv");
    EXPECT_EQ(conPdf.sSalida, prueba.sSalida);
    EXPECT_EQ(Ficheros(), std::vector<std::string>{"pagos.csv"});
}

struct CasoMalo : Fila {
    std::string sCsv;  // with "@" standing for nRelleno bytes 'x', made when the test runs
    std::string sMensaje;
    std::size_t nRelleno = 0;
};

class LoteMalo : public LoteComandosTest, public ::testing::WithParamInterface<CasoMalo> {};

// Exit 1 and the message; no PDF, no temporary file, the stored number as it was.
TEST_P(LoteMalo, FailsWithTheMessageAndWritesNothing) {
    std::string sCsv = GetParam().sCsv;
    if (GetParam().nRelleno > 0) {
        sCsv.replace(sCsv.find('@'), 1, std::string(GetParam().nRelleno, 'x'));
    }
    PonerBytes(Ruta("pagos.csv"), sCsv);
    const Salida salida = Brixamo("--batch pagos.csv --pdf lote.pdf");
    EXPECT_EQ(salida.nEstado, 1);
    EXPECT_NE(salida.sErrores.find(GetParam().sMensaje + "\n"), std::string::npos)
        << salida.sErrores;
    EXPECT_EQ(Ficheros(), std::vector<std::string>{"pagos.csv"});
    EXPECT_EQ(NumeroGuardado(), "A-0017");
}

std::string Basura() {
    std::string s = "PAGADOR_1;IMPORTE_1\n";
    for (int i = 0; i < 5000; ++i) {
        s += static_cast<char>((i * 7919 + 13) % 256);
    }
    return s;
}

// clang-format off
const CasoMalo kMalos[] = {
    {"BadAmountOnTheLastRow", std::string(kPagos) + ";Rosa;12,5,0;\n",
     "pagos.csv:5: IMPORTE_1: '12,5,0' no es un importe"},
    {"UnknownColumn", "NUMERO;NOMBRE\n1;x\n", "pagos.csv:1: NOMBRE: columna desconocida"},
    {"EmptyFile", "", "pagos.csv: el fichero está vacío"},
    {"HeaderOnly", "NUMERO;PAGADOR_1\r\n", "pagos.csv: no hay ningún recibo después de la cabecera"},
    {"BinaryGarbage", Basura(), "pagos.csv:3: no es un fichero de texto (byte 0)"},
    {"TextOutsideWindows1252", "PAGADOR_1\nAna\n\xE5\xBC\xA0\xE4\xBC\x9F\n",
     "pagos.csv:3: PAGADOR_1: '\xE5\xBC\xA0' (U+5F20) no existe en Windows-1252"},
    {"FiftyMegabyteLine", "PAGADOR_1\n@\n", "pagos.csv:2: PAGADOR_1: el campo mide más de 4096 bytes",
     std::size_t{50} << 20},
    {"AmountBeyondTheLargest", "PAGADOR_1;IMPORTE_1\nAna;1\nEva;999,999,999,999,999\n",
     "pagos.csv:3: IMPORTE_1: '999,999,999,999,999' supera el importe máximo, 922,337,203,685,477.58"},
    {"SumBeyondTheLargest", "IMPORTE_1;IMPORTE_2\n500,000,000,000,000;500,000,000,000,000\n",
     "pagos.csv:2: la suma de los importes supera el importe máximo, 922,337,203,685,477.58"},
    {"UnknownPlaceholder", "PAGADOR_1;CONCEPTO_1\nAna;x\nEva;Cuota de {MESS}\n",
     "pagos.csv:3: CONCEPTO_1: '{MESS}' no es un marcador: se conocen {MES}, {MES_SIGUIENTE}, {AÑO} y {PERIODO}"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, LoteMalo, ::testing::ValuesIn(kMalos),
                         ::testing::PrintToStringParamName());

// An amount of the stored receipt that would print other than stored prints nothing, alone or
// under a batch.
TEST_F(LoteComandosTest, AStoredAmountBeyondTheLargestPrintsNothing) {
    ajustes::kImporte3.Escribir("999,999,999,999,999");
    for (const char* sArgumentos :
         {"--pdf recibo.pdf", "--batch pagos.csv --pdf lote.pdf", "--batch pagos.csv --dry-run"}) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 1) << sArgumentos;
        EXPECT_NE(salida.sErrores.find(
                      "brixamo: the stored receipt cannot be printed: IMPORTE_3: "
                      "'999,999,999,999,999' supera el importe máximo, 922,337,203,685,477.58\n"),
                  std::string::npos)
            << sArgumentos << ": " << salida.sErrores;
        EXPECT_EQ(salida.sSalida, "") << sArgumentos;
        EXPECT_EQ(Ficheros(), std::vector<std::string>{"pagos.csv"}) << sArgumentos;
    }
    EXPECT_EQ(NumeroGuardado(), "A-0017");
}

TEST_F(LoteComandosTest, AMissingFileOrFolderFailsAndKeepsTheNumber) {
    const std::pair<std::string, std::string> casos[] = {
        {"--batch no-such.csv --pdf lote.pdf", "no-such.csv: no se puede leer el fichero\n"},
        {"--batch pagos.csv --pdf /no-such-folder/lote.pdf",
         "brixamo: cannot write the PDF file '/no-such-folder/lote.pdf'\n"},
    };
    for (const auto& [sArgumentos, sMensaje] : casos) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 1) << sArgumentos;
        EXPECT_NE(salida.sErrores.find(sMensaje), std::string::npos) << salida.sErrores;
        EXPECT_EQ(NumeroGuardado(), "A-0017");
    }
}

// A batch PDF replaces a file of that name only once it is complete.
TEST_F(LoteComandosTest, AFaultKeepsTheOldFileAndASuccessReplacesIt) {
    PonerBytes(Ruta("lote.pdf"), "old");
    PonerBytes(Ruta("malo.csv"), "IMPORTE_1\n1\nx\n");
    EXPECT_EQ(Brixamo("--batch malo.csv --pdf lote.pdf").nEstado, 1);
    EXPECT_EQ(BytesDe(Ruta("lote.pdf")), "old");
    EXPECT_EQ(Brixamo("--batch pagos.csv --pdf lote.pdf").nEstado, 0);
    EXPECT_TRUE(BytesDe(Ruta("lote.pdf")).starts_with("%PDF-"));
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"lote.pdf", "malo.csv", "pagos.csv"}));
}

TEST_F(LoteComandosTest, GnuFormsAndUsageErrors) {
    EXPECT_EQ(Brixamo("-v").sSalida, Brixamo("--version").sSalida);
    EXPECT_NE(Brixamo("-h").sSalida.find("--batch <FILE>"), std::string::npos);
    EXPECT_EQ(Brixamo("--batch=pagos.csv --pdf=uno.pdf").nEstado, 0);
    EXPECT_EQ(Brixamo("--pdf dos.pdf --batch pagos.csv").nEstado, 0);

    const std::pair<const char*, const char*> malos[] = {
        {"--dry-run", "--dry-run needs --batch"},
        {"--batch pagos.csv", "--batch needs --pdf, --pdf-dir, --print, --sepa or --dry-run"},
        {"--batch pagos.csv --pdf a.pdf --print", "--pdf and --print cannot go together"},
        {"--batch", "Missing value after '--batch'."},
        {"--pdf=", "--pdf needs a file name"},
        {"a.pdf", "unexpected argument 'a.pdf'"},
        {"-h -v", "--help goes alone"},
        {"--batch pagos.csv --dry-run --nada", "Unknown option 'nada'."},
        {"--batch pagos.csv --dry-run --period 2027-13",
         "--period needs a month written YYYY-MM, not '2027-13'"},
        {"--batch pagos.csv --dry-run --period 2027-1",
         "--period needs a month written YYYY-MM, not '2027-1'"},
        {"--batch pagos.csv --dry-run --period=", "--period needs a month written YYYY-MM, not ''"},
        {"--batch pagos.csv --dry-run --period", "Missing value after '--period'."},
        {"--pdf uno.pdf --period 2027-01", "--period needs --batch"},
        {"--pdf-dir recibos", "--pdf-dir needs --batch"},
        {"--list --pdf-dir recibos", "--pdf-dir needs --batch"},
        {"--batch pagos.csv --pdf-dir recibos --print", "--pdf-dir and --print cannot go together"},
        {"--batch pagos.csv --pdf-dir=", "--pdf-dir needs a folder name"},
        {"--batch pagos.csv --pdf lote.pdf --force", "--force needs --pdf-dir"},
        {"--batch pagos.csv --force", "--force needs --pdf-dir"},
    };
    for (const auto& [sArgumentos, sMensaje] : malos) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 2) << sArgumentos;
        EXPECT_EQ(salida.sErrores, std::string("brixamo: ") + sMensaje +
                                       "\nTry 'brixamo --help' for more information.\n")
            << sArgumentos;
    }
    EXPECT_EQ(NumeroGuardado(), "A-0021");  // two batches of three ran; no usage error moved it
}

}  // namespace
