// The register from the command line: what --pdf registers, how --list filters and writes,
// what --export writes, and a reprint whose page is the original's whatever changed since.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <sqlite3.h>

#include <QColor>
#include <QImage>

#include "register/registro.h"
#include "settings/esquema.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/programa.h"

namespace {

class RegistroCliTest : public LineaComandosTest {
  protected:
    RegistroCliTest() {
        GuardarIdiomaYMoneda({.sDecimal = ",", .sMiles = ".", .sSimbolo = "EUR", .nRelleno = '*'});
        Recibo("A-1",
               "Ana Garc\xED"
               "a",
               "12,5");
    }

    // The stored receipt the next --pdf prints.
    static void Recibo(const std::string& sNumero, const std::string& sPagador,
                       const std::string& sImporte) {
        ajustes::kNumero.Escribir(sNumero);
        ajustes::kPagador1.Escribir(sPagador);
        ajustes::kConcepto1.Escribir("Cuota; \"enero\"");
        ajustes::kImporte1.Escribir(sImporte);
    }

    void Pdf(const std::string& sNombre) const {
        const Salida r = Brixamo("--pdf " + sNombre);
        ASSERT_EQ(r.nEstado, 0) << r.sErrores;
        ASSERT_EQ(r.sErrores.find("register"), std::string::npos) << r.sErrores;
    }

    std::vector<std::string> Lineas(const std::string& sArgumentos) const {
        const Salida r = Brixamo(sArgumentos);
        EXPECT_EQ(r.nEstado, 0) << sArgumentos << ": " << r.sErrores;
        std::vector<std::string> lineas;
        std::istringstream entrada(r.sSalida);
        for (std::string s; std::getline(entrada, s);) {
            lineas.push_back(s);
        }
        return lineas;
    }

    // The first column of the first row of a query on the register.
    std::string Consulta(const std::string& sSql) const {
        sqlite3* db = nullptr;
        std::string sValor;
        if (sqlite3_open_v2(Ruta("registro.sqlite").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK) {
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(db, sSql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
                sqlite3_step(st) == SQLITE_ROW) {
                sValor = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
            }
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
        return sValor;
    }

    // The words of the page with their boxes, as pdftotext -bbox gives them.
    std::vector<std::string> Palabras(const std::string& sPdf) const {
        const Salida r = Ejecutar("pdftotext -bbox " + sPdf + " -");
        const std::regex palabra("<word [^>]*>[^<]*</word>");
        std::vector<std::string> palabras;
        for (auto it = std::sregex_iterator(r.sSalida.begin(), r.sSalida.end(), palabra);
             it != std::sregex_iterator(); ++it) {
            palabras.push_back(it->str());
        }
        return palabras;
    }

    std::string Ruta(const std::string& sNombre) const { return m_carpeta.Ruta() + "/" + sNombre; }

    // The colour of the frame's strip left of the boxes on the PDF's page.
    QColor ColorDelMarco(const std::string& sPdf) const {
        const std::string sPng = Ruta("marco");
        EXPECT_EQ(Ejecutar("pdftoppm -r 254 -singlefile -png " + sPdf + " '" + sPng + "'").nEstado,
                  0);
        const QImage pagina(QString::fromStdString(sPng + ".png"));
        return pagina.isNull() ? QColor() : pagina.pixelColor(100, 567);
    }
};

// Lines of the program's own (the toolkit may add warnings of its own).
int LineasDe(const std::string& sTexto, const std::string& sPrincipio) {
    int n = 0;
    std::istringstream entrada(sTexto);
    for (std::string s; std::getline(entrada, s);) {
        n += s.rfind(sPrincipio, 0) == 0 ? 1 : 0;
    }
    return n;
}

// Column n of a --list line (columns are separated by two blanks).
std::string Columna(const std::string& sLinea, int n) {
    std::size_t nInicio = 0;
    for (int i = 0; i < n; ++i) {
        nInicio = sLinea.find("  ", nInicio) + 2;
    }
    return sLinea.substr(nInicio, sLinea.find("  ", nInicio) - nInicio);
}

TEST_F(RegistroCliTest, EveryPdfIsRegisteredAndListedNewestFirst) {
    Pdf("a.pdf");
    Recibo("B-2", "Luis P\xE9rez", "1.234,5");
    Pdf("b.pdf");
    const std::vector<std::string> lineas = Lineas("--list");
    ASSERT_EQ(lineas.size(), 2u);
    const std::regex linea("([0-9]+)  ([0-9]{4}-[0-9]{2}-[0-9]{2} [0-9:]{8})  (.*)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lineas[0], m, linea)) << lineas[0];
    EXPECT_EQ(m[1], "2");
    EXPECT_EQ(m[3], "B-2  Luis P\xC3\xA9rez  EUR1.234,50  pendiente");  // UTF-8 on the terminal
    ASSERT_TRUE(std::regex_match(lineas[1], m, linea)) << lineas[1];
    EXPECT_EQ(m[3],
              "A-1  Ana Garc\xC3\xAD"
              "a  EUR12,50  pendiente");
}

TEST_F(RegistroCliTest, ListFiltersAndCsv) {
    Pdf("a.pdf");
    Recibo("B-2", "Luis P\xE9rez", "3");
    Pdf("b.pdf");
    Recibo("B-3", "Ana Mar\xEDn", "4");
    Pdf("c.pdf");
    struct Caso {
        std::string sArgumentos;
        std::vector<std::string> numeros;
    };
    const Caso casos[] = {
        {"--payer ana", {"B-3", "A-1"}},
        {"--payer 'P\xC3\xA9rez'", {"B-2"}},  // typed in UTF-8
        {"--number B-", {"B-3", "B-2"}},
        {"--payer ana --number B", {"B-3"}},
        {"--from " + DiaDesdeHoy(0) + " --to " + DiaDesdeHoy(0), {"B-3", "B-2", "A-1"}},
        {"--to 2000-01-01", {}},
        {"--from 2999-01-01", {}},
    };
    for (const Caso& c : casos) {
        std::vector<std::string> numeros;
        for (const std::string& s : Lineas("--list " + c.sArgumentos)) {
            numeros.push_back(Columna(s, 2));
        }
        EXPECT_EQ(numeros, c.numeros) << c.sArgumentos;
    }
    const std::vector<std::string> csv = Lineas("--list --csv --number B-2");
    ASSERT_EQ(csv.size(), 2u);
    EXPECT_EQ(csv[0], "ID;EMITIDO;NUMERO;PAGADOR;TOTAL;ESTADO\r");
    EXPECT_NE(csv[1].find(";B-2;Luis P\xC3\xA9rez;EUR3,00;pendiente\r"), std::string::npos)
        << csv[1];
}

TEST_F(RegistroCliTest, ExportWritesTheFieldsAsCsv) {
    Pdf("a.pdf");
    Recibo("B-2", "Luis", "3");
    Pdf("b.pdf");
    const Salida r = Brixamo("--export registro.csv");
    ASSERT_EQ(r.nEstado, 0) << r.sErrores;
    const std::string sCsv = BytesDe(Ruta("registro.csv"));
    const std::string sCabecera =
        "NUMERO;LOCALIDAD;FECHA;VENCIMIENTO;CONCEPTO_1;CONCEPTO_2;CONCEPTO_3;CONCEPTO_4;"
        "CONCEPTO_5;CONCEPTO_6;IMPORTE_1;IMPORTE_2;IMPORTE_3;IMPORTE_4;IMPORTE_5;IMPORTE_6;"
        "DOMICILIO;PAGADOR_1;PAGADOR_2;PAGADOR_3;COBRADOR_1;COBRADOR_2;COBRADOR_3\r\n";
    const std::string sFila = ";;;;\"Cuota; \"\"enero\"\"\";;;;;;";
    EXPECT_EQ(sCsv, sCabecera + "A-1" + sFila +
                        "12,50;;;;;;;Ana Garc\xC3\xAD"
                        "a;;;;;\r\n" +
                        "B-2" + sFila + "3,00;;;;;;;Luis;;;;;\r\n");
    EXPECT_EQ(Brixamo("--export /no-such-folder/x.csv").nEstado, 1);

    // A register that cannot be read leaves an existing file as it was.
    std::remove(Ruta("registro.sqlite-wal").c_str());
    std::remove(Ruta("registro.sqlite-shm").c_str());
    std::remove(Ruta("registro.sqlite").c_str());
    mkdir(Ruta("registro.sqlite").c_str(), 0755);
    EXPECT_EQ(Brixamo("--export registro.csv").nEstado, 1);
    EXPECT_EQ(BytesDe(Ruta("registro.csv")), sCsv);
}

// A batch is one job of the register, and what --export writes is a batch that --batch reads
// back into the same receipts; a batch that fails registers nothing.
TEST_F(RegistroCliTest, ABatchIsOneJobAndTheExportIsABatchAgain) {
    PonerBytes(Ruta("pagos.csv"),
               "PAGADOR_1;IMPORTE_1\nLuis;3\nMar\xC3\xAD"
               "a;4,5\n");
    PonerBytes(Ruta("malo.csv"),
               "PAGADOR_1;IMPORTE_1\nLuis;3\nMar\xC3\xAD"
               "a;x\n");
    EXPECT_EQ(Brixamo("--batch malo.csv --pdf malo.pdf").nEstado, 1);
    EXPECT_TRUE(Lineas("--list").empty());

    ASSERT_EQ(Brixamo("--batch pagos.csv --pdf lote.pdf").nEstado, 0);
    const std::vector<std::string> lista = Lineas("--list");
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_NE(lista[0].find("Mar\xC3\xAD"
                            "a"),
              std::string::npos)
        << lista[0];
    EXPECT_EQ(Consulta("SELECT count(*) FROM trabajos"), "1");

    ASSERT_EQ(Brixamo("--export registro.csv").nEstado, 0);
    const Salida lote = Brixamo("--batch registro.csv --dry-run");
    EXPECT_EQ(lote.nEstado, 0) << lote.sErrores;
    EXPECT_EQ(lote.sSalida, Brixamo("--batch pagos.csv --dry-run").sSalida);
}

// The reprint draws the registered receipt under the currency settings and labels it was
// printed with, whatever the settings file says now.
TEST_F(RegistroCliTest, AReprintIsThePageOfTheOriginal) {
    ajustes::kDefNumero.Escribir("Recibo n\xBA");
    Pdf("original.pdf");
    GuardarIdiomaYMoneda({.sDecimal = ".", .sMiles = ",", .nPositivo = 3, .sSimbolo = "$"});
    ajustes::kDefNumero.Escribir("Otro");
    Recibo("Z-9", "Nadie", "99");
    Pdf("ahora.pdf");

    const Salida r = Brixamo("--reprint 1 --pdf copia.pdf");
    ASSERT_EQ(r.nEstado, 0) << r.sErrores;
    const std::vector<std::string> original = Palabras("original.pdf");
    ASSERT_GT(original.size(), 5u);
    EXPECT_EQ(Palabras("copia.pdf"), original);
    EXPECT_NE(Palabras("ahora.pdf"), original);  // the settings did change
    EXPECT_EQ(Lineas("--list").size(), 2u);      // a reprint is not a new receipt
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()).find("Recibo n"), std::string::npos);
}

// Printed in one look, reprinted after the look changed: the frame, its texts and the words
// are the original's. A receipt registered before looks were kept reprints in the look in
// force, and says so once.
TEST_F(RegistroCliTest, AReprintAfterAColourChangeHasTheOriginalColour) {
    const auto color = [](int r, int g, int b) {
        ajustes::kColorR.Escribir(r);
        ajustes::kColorG.Escribir(g);
        ajustes::kColorB.Escribir(b);
    };
    color(0, 128, 0);
    ajustes::kTexto1.Escribir("Comunidad");
    Pdf("original.pdf");
    color(255, 0, 0);
    ajustes::kTexto1.Escribir("Otra");
    ajustes::kImporteEnLetra.Escribir(1);

    const Salida r = Brixamo("--reprint 1 --pdf copia.pdf");
    ASSERT_EQ(r.nEstado, 0) << r.sErrores;
    EXPECT_EQ(r.sErrores.find("brixamo:"), std::string::npos) << r.sErrores;
    EXPECT_EQ(ColorDelMarco("copia.pdf"), QColor(0, 128, 0));
    EXPECT_EQ(Palabras("copia.pdf"), Palabras("original.pdf"));

    // The same receipt as the first version of the register kept it.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Ruta("registro.sqlite").c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "UPDATE trabajos SET color = NULL, logo = NULL", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const Salida vieja = Brixamo("--reprint 1 --pdf vieja.pdf");
    ASSERT_EQ(vieja.nEstado, 0) << vieja.sErrores;
    EXPECT_EQ(LineasDe(vieja.sErrores,
                       "brixamo: receipt 1 was registered before the register "
                       "kept each receipt's look"),
              1)
        << vieja.sErrores;
    EXPECT_EQ(ColorDelMarco("vieja.pdf"), QColor(255, 0, 0));
}

TEST_F(RegistroCliTest, AFailedPdfIsNotRegistered) {
    EXPECT_NE(Brixamo("--pdf /no-such-folder/x.pdf").nEstado, 0);
    EXPECT_TRUE(Lineas("--list").empty());
}

// The receipt is printed and the user told in one line; a damaged file is kept aside.
TEST_F(RegistroCliTest, ARegisterThatFailsNeverStopsThePrint) {
    mkdir(Ruta("registro.sqlite").c_str(), 0755);
    Salida r = Brixamo("--pdf a.pdf");
    EXPECT_EQ(r.nEstado, 0);
    EXPECT_FALSE(BytesDe(Ruta("a.pdf")).empty());
    EXPECT_EQ(LineasDe(r.sErrores, "brixamo: "), 1) << r.sErrores;
    EXPECT_NE(r.sErrores.find("printed but not registered"), std::string::npos) << r.sErrores;
    rmdir(Ruta("registro.sqlite").c_str());

    PonerBytes(Ruta("registro.sqlite"), std::string(5000, 'x'));
    r = Brixamo("--pdf b.pdf");
    EXPECT_EQ(r.nEstado, 0);
    EXPECT_FALSE(BytesDe(Ruta("b.pdf")).empty());
    EXPECT_NE(r.sErrores.find("set aside as '" + Ruta("registro.sqlite.danado-")),
              std::string::npos)
        << r.sErrores;
    EXPECT_EQ(Lineas("--list").size(), 1u);
}

// Every run closes the register for good, so that its file alone holds every job: a copy of
// registro.sqlite taken without its log (a user's backup) has the receipts.
TEST_F(RegistroCliTest, TheFileAloneHoldsEveryReceiptAfterTheRuns) {
    Pdf("a.pdf");
    Recibo("B-2", "Luis", "3");
    Pdf("b.pdf");
    PonerBytes(Ruta("copia.sqlite"), BytesDe(Ruta("registro.sqlite")));
    EXPECT_EQ(ContarFilas(Ruta("copia.sqlite"), "recibos"), 2);
    EXPECT_EQ(NumerosRegistrados(Ruta("copia.sqlite")), (std::vector<std::string>{"A-1", "B-2"}));
    EXPECT_NE(access(Ruta("registro.sqlite-wal").c_str(), F_OK), 0);
}

// A run that opens the register and then fails closes it as well: the log is gone and the file
// alone still holds the receipt of the run before.
TEST_F(RegistroCliTest, ARunThatFailsAfterOpeningTheRegisterLeavesNoLog) {
    Pdf("a.pdf");
    EXPECT_EQ(Brixamo("--reprint 99 --pdf copia.pdf").nEstado, 1);
    EXPECT_NE(access(Ruta("registro.sqlite-wal").c_str(), F_OK), 0);
    PonerBytes(Ruta("copia.sqlite"), BytesDe(Ruta("registro.sqlite")));
    EXPECT_EQ(NumerosRegistrados(Ruta("copia.sqlite")), (std::vector<std::string>{"A-1"}));
}

// What a copy made by --backup holds: whole jobs only, the file alone (no log), sound.
struct CopiaVista {
    std::int64_t nTrabajos;
    std::int64_t nRecibos;
};

CopiaVista Comprobada(const std::string& sCopia) {
    EXPECT_EQ(ComprobarIntegridad(sCopia), "ok") << sCopia;
    EXPECT_EQ(TrabajosIncompletos(sCopia), 0) << sCopia;
    EXPECT_NE(access((sCopia + "-wal").c_str(), F_OK), 0) << sCopia;
    const std::string sCabecera = BytesDe(sCopia).substr(18, 2);
    EXPECT_EQ(sCabecera, std::string("\x01\x01", 2)) << sCopia << ": not a file of its own";
    return {ContarFilas(sCopia, "trabajos"), ContarFilas(sCopia, "recibos")};
}

// Another process keeps registering jobs of three receipts while --backup copies the register:
// every copy is sound and holds whole jobs, and the copies follow the writer.
TEST_F(RegistroCliTest, ABackupIsConsistentWhileAnotherProcessWrites) {
    Pdf("a.pdf");
    const pid_t escritor = fork();
    ASSERT_GE(escritor, 0);
    if (escritor == 0) {
        const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        for (int i = 0; std::chrono::steady_clock::now() < fin; i += 3) {
            CRegistro registro(Ruta("registro.sqlite"));
            std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(i, 3);
            if (registro.Registrar(trabajo).estado != EstadoRegistro::kCorrecto) {
                _exit(1);
            }
        }
        _exit(0);
    }
    std::vector<CopiaVista> copias;
    for (int n = 0;
         n < 30 && (copias.size() < 2 || copias.back().nTrabajos == copias.front().nTrabajos);
         ++n) {
        const std::string sCopia = "copia-" + std::to_string(n) + ".sqlite";
        const Salida r = Brixamo("--backup " + sCopia);
        ASSERT_EQ(r.nEstado, 0) << r.sErrores;
        copias.push_back(Comprobada(Ruta(sCopia)));
        EXPECT_EQ(copias.back().nRecibos, 1 + 3 * (copias.back().nTrabajos - 1));
    }
    kill(escritor, SIGKILL);
    waitpid(escritor, nullptr, 0);
    EXPECT_GT(copias.back().nTrabajos, copias.front().nTrabajos) << "the writer never wrote";
}

// A copy replaces the file only when whole; without a sound register to copy, nothing is
// written: neither a missing one nor a damaged one (set aside for a new, empty one) may
// overwrite what may be the user's last good copy.
TEST_F(RegistroCliTest, ABackupReplacesItsFileOnlyWithAWholeCopyOfASoundRegister) {
    PonerBytes(Ruta("copia.sqlite"), "old");
    Salida r = Brixamo("--backup copia.sqlite");
    EXPECT_EQ(r.nEstado, 1);
    EXPECT_NE(r.sErrores.find("no register"), std::string::npos) << r.sErrores;
    EXPECT_NE(access(Ruta("registro.sqlite").c_str(), F_OK), 0);

    Pdf("a.pdf");
    EXPECT_EQ(Brixamo("--backup /no-such-folder/copia.sqlite").nEstado, 1);
    ASSERT_EQ(Brixamo("--backup=copia.sqlite").nEstado, 0);
    EXPECT_EQ(Comprobada(Ruta("copia.sqlite")).nRecibos, 1);
    struct stat st {};
    ASSERT_EQ(stat(Ruta("copia.sqlite").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);  // the register holds personal data

    PonerBytes(Ruta("antigua.sqlite"), "old");
    PonerBytes(Ruta("registro.sqlite"), std::string(5000, 'x'));
    r = Brixamo("--backup antigua.sqlite");
    EXPECT_EQ(r.nEstado, 1);
    EXPECT_NE(r.sErrores.find("set aside"), std::string::npos) << r.sErrores;
    EXPECT_EQ(BytesDe(Ruta("antigua.sqlite")), "old");
}

TEST_F(RegistroCliTest, UsageErrors) {
    Pdf("a.pdf");
    for (const char* sMal : {"--list --from 2026-13-01",
                             "--list --from 1/2/2026",
                             "--list --to",
                             "--list --bogus",
                             "--reprint",
                             "--reprint abc --pdf x.pdf",
                             "--reprint 0 --pdf x.pdf",
                             "--reprint 1",
                             "--reprint 1 --pdf",
                             "--reprint 1 --print a b",
                             "--export",
                             "--export a b",
                             "--backup",
                             "--backup=",
                             "--backup a b",
                             "--backup a --pdf b.pdf",
                             "--backup a --list",
                             "--backup a --export b",
                             "--backup a --batch b.csv",
                             "--backup a --csv"}) {
        const Salida r = Brixamo(sMal);
        EXPECT_EQ(r.nEstado, 2) << sMal;
        EXPECT_NE(r.sErrores.find("brixamo: "), std::string::npos) << sMal;
    }
    const Salida r = Brixamo("--reprint 99 --pdf x.pdf");
    EXPECT_EQ(r.nEstado, 1);
    EXPECT_NE(r.sErrores.find("no receipt 99"), std::string::npos) << r.sErrores;
}

}  // namespace
