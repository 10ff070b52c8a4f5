// The built program's monthly batch: --period and the placeholders of the texts, as printed and
// as registered; --pdf-dir, one PDF file per receipt beside or instead of the batch's file, with
// --force and --dry-run, and runs that fail leaving no file of theirs behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "settings/esquema.h"
#include "tests/output/entorno_lote.h"
#include "tests/support/fila.h"

namespace {

// The files --pdf-dir recibos writes for kPagos, in the batch's order.
const std::vector<std::string> kFicheros = {"A-0017 Ana.pdf", "B-2 Luis _el_ Pardo, hijo.pdf",
                                            "A-0018 Eva.pdf"};

class LoteMensualTest : public LoteComandosTest {
  protected:
    // The receipts the register holds: the lines of --list.
    std::size_t Registrados() const {
        const std::string sLista = Brixamo("--list").sSalida;
        return static_cast<std::size_t>(std::count(sLista.begin(), sLista.end(), '\n'));
    }
    void CrearCarpeta(const std::string& sNombre) const {
        ASSERT_EQ(mkdir(Ruta(sNombre).c_str(), 0755), 0) << sNombre;
    }
    static std::vector<std::string> Ordenados(std::vector<std::string> nombres) {
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }
};

struct CasoPeriodo : Fila {
    std::string sCsv;
    std::string sPeriodo;     // the option as written
    std::string sRegistrado;  // in the register's export, UTF-8
};

class PeriodoDelLote : public LoteMensualTest, public ::testing::WithParamInterface<CasoPeriodo> {};

// The month's names in the receipts as the register keeps them, whatever the file's encoding;
// the stored receipt keeps its placeholders for the next month.
TEST_P(PeriodoDelLote, NamesTheMonthInTheRegisteredTexts) {
    ajustes::kConcepto1.Escribir("Cuota de {MES} de {A\xD1O}");
    PonerBytes(Ruta("pagos.csv"), GetParam().sCsv);
    const Salida lote = Brixamo("--batch pagos.csv --pdf lote.pdf " + GetParam().sPeriodo);
    ASSERT_EQ(lote.nEstado, 0) << lote.sErrores;
    ASSERT_EQ(Brixamo("--export registro.csv").nEstado, 0);
    EXPECT_NE(BytesDe(Ruta("registro.csv")).find(GetParam().sRegistrado), std::string::npos)
        << BytesDe(Ruta("registro.csv"));
    EXPECT_EQ(ajustes::kConcepto1.Leer(), "Cuota de {MES} de {A\xD1O}");
}

// clang-format off
const CasoPeriodo kPeriodos[] = {
    {"CellInUtf8", "CONCEPTO_2\nAgua de {MES} de {A\xC3\x91O}\n", "--period 2027-01", ";Agua de enero de 2027;"},
    {"CellInWindows1252", "CONCEPTO_2\nAgua de {MES} de {A\xD1O}\n", "--period 2027-01", ";Agua de enero de 2027;"},
    {"StoredConcept", "PAGADOR_1\nAna\n", "--period 2027-02", ";Cuota de febrero de 2027;"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Lote, PeriodoDelLote, ::testing::ValuesIn(kPeriodos),
                         ::testing::PrintToStringParamName());

// Without --period the placeholders name the month of the run.
TEST_F(LoteMensualTest, ThePeriodIsTheCurrentMonthByDefault) {
    const auto mes = [] {
        const char* const meses[] = {"enero",      "febrero", "marzo",     "abril",
                                     "mayo",       "junio",   "julio",     "agosto",
                                     "septiembre", "octubre", "noviembre", "diciembre"};
        const std::time_t ahora = std::time(nullptr);
        std::tm local{};
        localtime_r(&ahora, &local);
        return std::string(meses[local.tm_mon]) + " de " + std::to_string(local.tm_year + 1900);
    };
    PonerBytes(Ruta("pagos.csv"), "CONCEPTO_2\n{PERIODO}\n");
    const std::string sAntes = mes();
    ASSERT_EQ(Brixamo("--batch pagos.csv --pdf lote.pdf").nEstado, 0);
    const std::string sDespues = mes();
    ASSERT_EQ(Brixamo("--export registro.csv").nEstado, 0);
    const std::string sRegistro = BytesDe(Ruta("registro.csv"));
    EXPECT_TRUE(sRegistro.find(";" + sAntes + ";") != std::string::npos ||
                sRegistro.find(";" + sDespues + ";") != std::string::npos)
        << sRegistro;
}

// The batch's page shows the month; the stored receipt alone prints its texts as they are.
TEST_F(LoteMensualTest, OnlyABatchReplacesThePlaceholders) {
    ajustes::kConcepto1.Escribir("Cuota de {MES}");
    ASSERT_EQ(Brixamo("--batch pagos.csv --pdf lote.pdf --period 2027-06").nEstado, 0);
    EXPECT_NE(Buscar(PalabrasDe(Ruta("lote.pdf"), 1), "Cuota de junio"), std::nullopt);
    ASSERT_EQ(Brixamo("--pdf uno.pdf").nEstado, 0);
    EXPECT_NE(Buscar(PalabrasDe(Ruta("uno.pdf"), 1), "Cuota de {MES}"), std::nullopt);
}

// Each file holds one page, the batch's page of its receipt; the run is one job of three.
TEST_F(LoteMensualTest, EachReceiptInAFileOfItsOwn) {
    CrearCarpeta("recibos");
    const Salida lote = Brixamo("--batch pagos.csv --pdf lote.pdf --pdf-dir recibos");
    ASSERT_EQ(lote.nEstado, 0) << lote.sErrores;
    EXPECT_EQ(lote.sSalida, "");
    EXPECT_EQ(Ficheros("recibos"), Ordenados(kFicheros));
    for (std::size_t i = 0; i < kFicheros.size(); ++i) {
        const std::string sFichero = Ruta("recibos/" + kFicheros[i]);
        const Salida info = Ejecutar("pdfinfo '" + sFichero + "'");
        EXPECT_NE(info.sSalida.find("Pages:           1\n"), std::string::npos) << info.sSalida;
        EXPECT_NE(info.sSalida.find("Title:           Imprimiento Recibo\n"), std::string::npos);
        MismasPalabras(PalabrasDe(sFichero, 1),
                       PalabrasDe(Ruta("lote.pdf"), static_cast<int>(i + 1)), kFicheros[i]);
    }
    EXPECT_EQ(Registrados(), 3u);
    EXPECT_EQ(NumeroGuardado(), "A-0019");

    // Alone, into a folder named with its slash.
    PonerBytes(Ruta("rosa.csv"), "PAGADOR_1\nRosa\n");
    const Salida sola = Brixamo("--batch rosa.csv --pdf-dir recibos/");
    ASSERT_EQ(sola.nEstado, 0) << sola.sErrores;
    EXPECT_EQ(Ficheros("recibos").size(), 4u);
    EXPECT_TRUE(BytesDe(Ruta("recibos/A-0019 Rosa.pdf")).starts_with("%PDF-"));
    EXPECT_EQ(Registrados(), 4u);
    EXPECT_EQ(NumeroGuardado(), "A-0020");
}

// A dry run lists the files and checks the folder, and writes nothing.
TEST_F(LoteMensualTest, ADryRunListsTheFiles) {
    CrearCarpeta("recibos");
    const Salida prueba = Brixamo("--batch pagos.csv --dry-run --pdf-dir recibos");
    ASSERT_EQ(prueba.nEstado, 0) << prueba.sErrores;
    EXPECT_EQ(prueba.sSalida,
              "3 receipts, total $1,298.50\nrecibos/A-0017 Ana.pdf\n"
              "recibos/B-2 Luis _el_ Pardo, hijo.pdf\nrecibos/A-0018 Eva.pdf\n");
    EXPECT_EQ(Ficheros("recibos"), std::vector<std::string>{});
    EXPECT_EQ(Registrados(), 0u);
    EXPECT_EQ(NumeroGuardado(), "A-0017");
}

// A file of one of the names stops the run, the dry one too, before anything is written;
// --force replaces it.
TEST_F(LoteMensualTest, AFileAlreadyThereIsReplacedOnlyWhenForced) {
    CrearCarpeta("recibos");
    PonerBytes(Ruta("recibos/" + kFicheros[1]), "old");
    for (const char* sArgumentos : {"--batch pagos.csv --pdf lote.pdf --pdf-dir recibos",
                                    "--batch pagos.csv --dry-run --pdf-dir recibos"}) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 1) << sArgumentos;
        EXPECT_EQ(salida.sErrores,
                  "brixamo: 'recibos/" + kFicheros[1] + "' is already there; --force replaces it\n")
            << sArgumentos;
        EXPECT_EQ(salida.sSalida, "") << sArgumentos;
    }
    PonerBytes(Ruta("recibos/" + kFicheros[2]), "old");
    EXPECT_EQ(Brixamo("--batch pagos.csv --pdf-dir recibos").sErrores,
              "brixamo: 'recibos/" + kFicheros[1] +
                  "' and 1 more are already there; --force replaces them\n");
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"pagos.csv", "recibos"}));
    EXPECT_EQ(Ficheros("recibos"), (std::vector<std::string>{kFicheros[2], kFicheros[1]}));
    EXPECT_EQ(BytesDe(Ruta("recibos/" + kFicheros[1])), "old");
    EXPECT_EQ(Registrados(), 0u);
    EXPECT_EQ(NumeroGuardado(), "A-0017");

    const Salida forzado = Brixamo("--batch pagos.csv --pdf-dir recibos --force");
    ASSERT_EQ(forzado.nEstado, 0) << forzado.sErrores;
    EXPECT_EQ(Ficheros("recibos"), Ordenados(kFicheros));
    EXPECT_TRUE(BytesDe(Ruta("recibos/" + kFicheros[1])).starts_with("%PDF-"));
    EXPECT_EQ(Registrados(), 3u);
}

// A file that cannot be put in place (a folder holds its name) undoes the files of the run
// already in place: no batch file, no receipt's file, no temporary file, nothing registered.
TEST_F(LoteMensualTest, AFailedRunLeavesNoFileOfItsOwn) {
    CrearCarpeta("recibos");
    CrearCarpeta("recibos/" + kFicheros[2]);
    const Salida salida = Brixamo("--batch pagos.csv --pdf lote.pdf --pdf-dir recibos --force");
    EXPECT_EQ(salida.nEstado, 1);
    EXPECT_NE(
        salida.sErrores.find("brixamo: cannot write the file 'recibos/" + kFicheros[2] + "'\n"),
        std::string::npos)
        << salida.sErrores;
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"pagos.csv", "recibos"}));
    EXPECT_EQ(Ficheros("recibos"), std::vector<std::string>{kFicheros[2]});
    EXPECT_EQ(Registrados(), 0u);
    EXPECT_EQ(NumeroGuardado(), "A-0017");
}

TEST_F(LoteMensualTest, TheFolderMustBeThere) {
    PonerBytes(Ruta("fichero"), "x");
    for (const char* sCarpeta : {"no-such", "fichero"}) {
        const Salida salida = Brixamo(std::string("--batch pagos.csv --pdf-dir ") + sCarpeta);
        EXPECT_EQ(salida.nEstado, 1) << sCarpeta;
        EXPECT_EQ(salida.sErrores, std::string("brixamo: there is no folder '") + sCarpeta + "'\n");
    }
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"fichero", "pagos.csv"}));
    EXPECT_EQ(NumeroGuardado(), "A-0017");
}

}  // namespace
