// The built program's remittance: --batch with --sepa alone, with --pdf and with --dry-run; the
// three-row batch field by field; every refusal with its file, row and column and nothing
// written; --sepa --job writing a job's remittance again. Every file written is validated
// against the pain.008.001.02 schema.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "register/registro.h"
#include "settings/esquema.h"
#include "tests/remesa/validar_xsd.h"
#include "tests/support/fila.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/programa.h"

namespace {

// Three members: the first with her mandate's first debit and a long concept line, the second
// without a number (the stored series gives it), the third by the recurring default.
constexpr const char* kSocios =
    "NUMERO;PAGADOR_1;CONCEPTO_2;IMPORTE_1;IBAN;BIC;MANDATO;FECHA_MANDATO;SECUENCIA;TITULAR\n"
    "S-1;Mu\xC3\xB1oz Pe\xC3\xB1"
    "a, Bego\xC3\xB1"
    "a;Derrama de la fachada norte y del "
    "patio de luces, aprobada en la junta extraordinaria del 3 de marzo, primer plazo de "
    "cuatro;25,00;ES91 2100 0418 4502 0005 1332;;MB-001;2024-01-15;FRST;\n"
    ";Luis Pardo;;36,50;es70 0049 1500 0105 1234 5678;bschesmmxxx;MB-002;15/03/2023;rcur;"
    "Ana Pardo Ruiz\n"
    "S-3;Eva Paz;Ascensor;20,00;ES8614650100990987654321;;MB-003;2022-06-30;;\n";

class RemesaCliTest : public LineaComandosTest {
  protected:
    RemesaCliTest() {
        GuardarIdiomaYMoneda(kEurosDePrueba);
        ajustes::kNumero.Escribir("S-0100");
        ajustes::kConcepto1.Escribir("Cuota de diciembre");
        ajustes::kCobrador1.Escribir("Comunidad Calle Mayor 5");
        GuardarAcreedor();
        PonerBytes(Ruta("socios.csv"), kSocios);
    }

    static void GuardarAcreedor() {
        ajustes::kAcreedorNombre.Escribir("Comunidad de Propietarios Calle Mayor 5");
        ajustes::kAcreedorIdentificador.Escribir("ES58000 12345678Z");
        ajustes::kAcreedorIban.Escribir("ES80 0182 2370 4402 0123 4567");
    }

    std::string Ruta(const std::string& sNombre) const { return m_carpeta.Ruta() + "/" + sNombre; }

    // A run that writes a valid remittance; its text.
    std::string Remesa(const std::string& sArgumentos, const std::string& sFichero = "remesa.xml") {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 0) << sArgumentos << ": " << salida.sErrores;
        EXPECT_EQ(ErroresXsd(Ruta(sFichero)), "") << sArgumentos;
        m_sSalida = salida.sSalida;
        return BytesDe(Ruta(sFichero));
    }

    // The files of the folder besides the settings, its lock and the test's own.
    std::vector<std::string> Ficheros() const {
        std::vector<std::string> nombres;
        for (const auto& f : std::filesystem::directory_iterator(m_carpeta.Ruta())) {
            const std::string sNombre = f.path().filename();
            if (!sNombre.starts_with("tarvel.inf") && sNombre != "salida" && sNombre != "errores") {
                nombres.push_back(sNombre);
            }
        }
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    std::vector<ReciboRegistrado> Trabajo(std::int64_t nTrabajo) {
        std::vector<ReciboRegistrado> recibos;
        CRegistro registro(Ruta("registro.sqlite"));
        registro.RecorrerTrabajo(nTrabajo,
                                 [&](const ReciboRegistrado& r) { recibos.push_back(r); });
        return recibos;
    }

    const std::string m_sCobro = DiaDesdeHoy(7);
    std::string m_sSalida;
};

TEST_F(RemesaCliTest, ThreeRowsFieldByField) {
    const std::string s =
        Remesa("--batch socios.csv --sepa remesa.xml --collection-date " + m_sCobro);
    EXPECT_TRUE(std::regex_match(
        m_sSalida, std::regex("job 1: remittance BRX[0-9]{14}[0-9A-F]{8}, 3 debits, total "
                              "81,50 \xE2\x82\xAC; 0 receipts left out of the remittance\n")))
        << m_sSalida;
    EXPECT_EQ(Elemento(s, "GrpHdr/NbOfTxs"), "3");
    EXPECT_EQ(Elemento(s, "GrpHdr/CtrlSum"), "81.50");
    ASSERT_EQ(Cuantos(s, "PmtInf"), 2u);
    EXPECT_EQ(Elemento(s, "SeqTp", 0), "FRST");
    EXPECT_EQ(Elemento(s, "SeqTp", 1), "RCUR");
    EXPECT_EQ(Elemento(s, "NbOfTxs", 1), "1");
    EXPECT_EQ(Elemento(s, "CtrlSum", 1), "25.00");
    EXPECT_EQ(Elemento(s, "NbOfTxs", 2), "2");
    EXPECT_EQ(Elemento(s, "CtrlSum", 2), "56.50");
    EXPECT_EQ(Elemento(s, "ReqdColltnDt"), m_sCobro);
    EXPECT_EQ(Elemento(s, "InitgPty/Id/OrgId/Othr/Id"), "ES5800012345678Z");

    EXPECT_EQ(Elemento(s, "Dbtr/Nm", 0), "Munoz Pena, Begona");
    EXPECT_EQ(Elemento(s, "EndToEndId", 0), "S-1");
    EXPECT_EQ(Elemento(s, "DbtrAcct/Id/IBAN", 0), "ES9121000418450200051332");
    EXPECT_EQ(Elemento(s, "MndtId", 0), "MB-001");
    const std::string sLargo = Elemento(s, "Ustrd", 0);
    EXPECT_LE(sLargo.size(), 140u);
    EXPECT_GT(sLargo.size(), 120u);
    EXPECT_TRUE(sLargo.starts_with("Recibo S-1: Cuota de diciembre, Derrama de la fachada"));
    EXPECT_FALSE(sLargo.ends_with(" ")) << sLargo;
    EXPECT_NE(std::string(kSocios).find(sLargo.substr(32) + " "), std::string::npos)
        << "cut at a word boundary: " << sLargo;

    EXPECT_EQ(Elemento(s, "EndToEndId", 1), "S-0100");  // the stored series
    EXPECT_EQ(Elemento(s, "Dbtr/Nm", 1), "Ana Pardo Ruiz");
    EXPECT_EQ(Elemento(s, "DbtrAgt/FinInstnId/BIC"), "BSCHESMMXXX");
    EXPECT_EQ(Elemento(s, "DbtrAcct/Id/IBAN", 1), "ES7000491500010512345678");
    EXPECT_EQ(Elemento(s, "DtOfSgntr", 1), "2023-03-15");
    EXPECT_EQ(Elemento(s, "InstdAmt", 1), "36.50");
    EXPECT_EQ(Elemento(s, "Ustrd", 1), "Recibo S-0100: Cuota de diciembre");
    EXPECT_EQ(Elemento(s, "Ustrd", 2), "Recibo S-3: Cuota de diciembre, Ascensor");
    EXPECT_EQ(Elemento(s, "Dbtr/Nm", 2), "Eva Paz");
    EXPECT_EQ(ajustes::kNumero.Leer(), "S-0101");

    // One job in the register, each receipt with its debtor and the remittance.
    const std::vector<ReciboRegistrado> trabajo = Trabajo(1);
    ASSERT_EQ(trabajo.size(), 3u);
    EXPECT_EQ(trabajo[1].recibo.sNumero, "S-0100");
    EXPECT_EQ(trabajo[1].deudor, (DatosDeudor{"es70 0049 1500 0105 1234 5678", "bschesmmxxx",
                                              "MB-002", "15/03/2023", "rcur", "Ana Pardo Ruiz"}));
    for (const ReciboRegistrado& r : trabajo) {
        ASSERT_TRUE(r.remesa);
        EXPECT_EQ(r.remesa->sMsgId, Elemento(s, "MsgId"));
        EXPECT_EQ(r.remesa->sFechaCobro, m_sCobro);
    }
    struct stat st {};
    ASSERT_EQ(stat(Ruta("registro.sqlite").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// The receipts and the debits come from the same rows and numbers, as one job.
TEST_F(RemesaCliTest, WithThePdfTheSameRowsAndNumbersInOneJob) {
    PonerBytes(Ruta("socios.csv"), std::string(kSocios) + ";Rosa Gil;;12,00;;;;;;\n");
    const std::string s = Remesa(
        "--batch socios.csv --pdf lote.pdf --sepa remesa.xml "
        "--collection-date=" +
        m_sCobro);
    EXPECT_NE(m_sSalida.find("3 debits, total 81,50 \xE2\x82\xAC; 1 receipt left out"),
              std::string::npos)
        << m_sSalida;
    const Salida texto = Ejecutar("pdftotext -layout lote.pdf -");
    ASSERT_EQ(texto.nEstado, 0) << texto.sErrores;
    for (const char* sNumero : {"S-1", "S-0100", "S-3", "S-0101"}) {
        EXPECT_NE(texto.sSalida.find(sNumero), std::string::npos) << sNumero;
    }
    EXPECT_EQ(Elemento(s, "EndToEndId", 1), "S-0100");
    EXPECT_EQ(s.find("S-0101"), std::string::npos) << "the row without IBAN is printed only";
    const std::vector<ReciboRegistrado> trabajo = Trabajo(1);
    ASSERT_EQ(trabajo.size(), 4u);
    EXPECT_TRUE(trabajo[2].remesa);
    EXPECT_FALSE(trabajo[3].remesa);
    EXPECT_TRUE(Trabajo(2).empty());
    EXPECT_EQ(Ficheros(),
              (std::vector<std::string>{"lote.pdf", "registro.sqlite", "registro.sqlite.lock",
                                        "remesa.xml", "socios.csv"}));
}

// Every output of the month in one run: the batch three to a sheet, one PDF per receipt (each
// a receipt alone on its page) and the remittance, from the same rows and numbers, one job.
TEST_F(RemesaCliTest, EveryOutputOfTheMonthInOneRunIsOneJob) {
    std::filesystem::create_directory(Ruta("recibos"));
    const std::string s = Remesa(
        "--batch socios.csv --pdf lote.pdf --per-sheet=3 --pdf-dir recibos "
        "--sepa remesa.xml --collection-date=" +
        m_sCobro);
    EXPECT_EQ(Elemento(s, "EndToEndId", 1), "S-0100");
    const Salida hojas = Ejecutar("pdfinfo lote.pdf");
    EXPECT_NE(hojas.sSalida.find("Pages:           1\n"), std::string::npos) << hojas.sSalida;
    std::vector<std::string> ficheros;
    for (const auto& f : std::filesystem::directory_iterator(Ruta("recibos"))) {
        ficheros.push_back(f.path().filename());
        const Salida una = Ejecutar("pdfinfo '" + f.path().string() + "'");
        EXPECT_NE(una.sSalida.find("Pages:           1\n"), std::string::npos) << f.path();
    }
    std::sort(ficheros.begin(), ficheros.end());
    EXPECT_EQ(ficheros, (std::vector<std::string>{"S-0100 Luis Pardo.pdf",
                                                  "S-1 Mu\xC3\xB1oz Pe\xC3\xB1"
                                                  "a, Bego\xC3\xB1"
                                                  "a.pdf",
                                                  "S-3 Eva Paz.pdf"}));
    EXPECT_EQ(Trabajo(1).size(), 3u);
    EXPECT_TRUE(Trabajo(2).empty());
}

TEST_F(RemesaCliTest, DryRunCountsTheDebitsAndWritesNothing) {
    PonerBytes(Ruta("socios.csv"), std::string(kSocios) + ";Rosa Gil;;12,00;;;;;;\n");
    const Salida salida = Brixamo(
        "--batch socios.csv --sepa remesa.xml --dry-run "
        "--collection-date " +
        m_sCobro);
    ASSERT_EQ(salida.nEstado, 0) << salida.sErrores;
    EXPECT_EQ(salida.sSalida,
              "4 receipts, total 93,50 \xE2\x82\xAC\n"
              "3 debits, total 81,50 \xE2\x82\xAC; 1 receipt left out of the remittance\n");
    EXPECT_EQ(Ficheros(), std::vector<std::string>{"socios.csv"});
    EXPECT_EQ(ajustes::kNumero.Leer(), "S-0100");
}

struct Rechazo : Fila {
    std::string sFila;  // a fourth row, or "" for none
    std::string sOpciones;
    std::function<void(const std::string& sCarpeta)> preparar;
    std::string sMensaje;
};

const std::string kConIban = ";Rosa;;10,00;";
const std::string kMandato = ";;MB-9;2024-01-01;;\n";

const Rechazo kRechazos[] = {
    {"BadChecksum",
     kConIban + "ES9221000418450200051332" + kMandato,
     "",
     {},
     "socios.csv:5: IBAN: 'ES9221000418450200051332': los dígitos de control no cuadran"},
    {"LettersInCheckDigits",
     kConIban + "ESXX21000418450200051332" + kMandato,
     "",
     {},
     "socios.csv:5: IBAN: 'ESXX21000418450200051332': los dígitos de control no son dos cifras"},
    {"TwoHundredCharacters",
     kConIban + "ES91" + std::string(196, '7') + kMandato,
     "",
     {},
     "socios.csv:5: IBAN: 'ES91" + std::string(196, '7') +
         "': un IBAN de ES tiene 24 caracteres, no 200"},
    {"NonAscii",
     kConIban + "ES91 2100 0418 4502 0005 13\xC3\xA9\xC3\xA9" + kMandato,
     "",
     {},
     "socios.csv:5: IBAN: 'ES91 2100 0418 4502 0005 13\xC3\xA9\xC3\xA9': tiene caracteres que "
     "no son letras ni cifras"},
    {"NoMandate",
     kConIban + "ES9121000418450200051332;;;2024-01-01;;\n",
     "",
     {},
     "socios.csv:5: MANDATO: una fila con IBAN necesita la referencia del mandato"},
    {"MandateInTheFuture",
     kConIban + "ES9121000418450200051332;;MB-9;2999-01-01;;\n",
     "",
     {},
     "socios.csv:5: FECHA_MANDATO: el mandato no puede estar firmado en el futuro"},
    {"ZeroTotal",
     ";Rosa;;-25,00;ES9121000418450200051332" + kMandato,
     "",
     {},
     "socios.csv:5: un recibo domiciliado necesita un total mayor que cero"},
    {"RepeatedNumber",
     "S-3;Rosa;;10,00;ES9121000418450200051332" + kMandato,
     "",
     {},
     "socios.csv:5: NUMERO: el número S-3 ya está en otro adeudo"},
    {"NoCreditor", "", "", [](const std::string&) { ajustes::kAcreedorIban.Escribir(""); },
     "brixamo: los datos del acreedor (Acreedor / IBAN: falta)"},
    {"BadCreditorIdentifier", "", "",
     [](const std::string&) { ajustes::kAcreedorIdentificador.Escribir("ES5900012345678Z"); },
     "brixamo: los datos del acreedor (Acreedor / Identificador: los dígitos de control no "
     "cuadran)"},
    {"NotEuros", "", "",
     [](const std::string&) { GuardarIdiomaYMoneda({.sDecimal = ",", .sMiles = "."}); },
     "brixamo: una remesa SEPA es en euros con 2 decimales, y la moneda guardada no lo es"},
    {"NoCollectionDate",
     "",
     "-",
     {},
     "brixamo: falta la fecha de cobro (--collection-date AAAA-MM-DD)"},
    {"MalformedCollectionDate",
     "",
     "--collection-date 31/12/2099",
     {},
     "brixamo: la fecha de cobro '31/12/2099' no es una fecha AAAA-MM-DD"},
    {"CollectionDateInThePast",
     "",
     "--collection-date 2001-01-01",
     {},
     "brixamo: la fecha de cobro 2001-01-01 ya ha pasado"},
    {"NoRowWithIban", "", "",
     [](const std::string& sCarpeta) {
         PonerBytes(sCarpeta + "/socios.csv", "PAGADOR_1;IMPORTE_1;IBAN\nAna;1;\n");
     },
     "brixamo: ningún recibo del lote tiene IBAN: no hay nada que domiciliar"},
};

class RechazoTest : public RemesaCliTest, public ::testing::WithParamInterface<Rechazo> {};

// Exit 1 and the message; neither the remittance nor the PDF, nothing registered, the stored
// number and an older remittance file as they were.
TEST_P(RechazoTest, WritesNothing) {
    PonerBytes(Ruta("socios.csv"), std::string(kSocios) + GetParam().sFila);
    PonerBytes(Ruta("remesa.xml"), "old");
    if (GetParam().preparar) {
        GetParam().preparar(m_carpeta.Ruta());
    }
    const std::string sFecha = GetParam().sOpciones.empty()  ? "--collection-date " + m_sCobro
                               : GetParam().sOpciones == "-" ? std::string()
                                                             : GetParam().sOpciones;
    const Salida salida = Brixamo("--batch socios.csv --pdf lote.pdf --sepa remesa.xml " + sFecha);
    EXPECT_EQ(salida.nEstado, 1);
    EXPECT_EQ(salida.sErrores, GetParam().sMensaje + "\n");
    EXPECT_EQ(Ficheros(), (std::vector<std::string>{"remesa.xml", "socios.csv"}));
    EXPECT_EQ(BytesDe(Ruta("remesa.xml")), "old");
    EXPECT_EQ(ajustes::kNumero.Leer(), "S-0100");
}

INSTANTIATE_TEST_SUITE_P(Tabla, RechazoTest, ::testing::ValuesIn(kRechazos),
                         ::testing::PrintToStringParamName());

// A remittance that cannot be written keeps the PDF from being written too.
TEST_F(RemesaCliTest, AnUnwritableRemittanceWritesNoPdf) {
    const Salida salida = Brixamo(
        "--batch socios.csv --pdf lote.pdf --sepa no/remesa.xml "
        "--collection-date " +
        m_sCobro);
    EXPECT_EQ(salida.nEstado, 1);
    EXPECT_EQ(salida.sErrores, "brixamo: cannot write the remittance file 'no/remesa.xml'\n");
    EXPECT_EQ(Ficheros(), std::vector<std::string>{"socios.csv"});
}

TEST_F(RemesaCliTest, AJobsRemittanceWrittenAgainUnderANewMessageId) {
    const std::string sPrimera =
        Remesa("--batch socios.csv --sepa remesa.xml --collection-date " + m_sCobro);
    const std::string sOtroDia = DiaDesdeHoy(9);
    const std::string sSegunda =
        Remesa("--sepa otra.xml --job 1 --collection-date " + sOtroDia, "otra.xml");
    EXPECT_TRUE(m_sSalida.starts_with("job 1: remittance BRX")) << m_sSalida;
    EXPECT_NE(Elemento(sSegunda, "MsgId"), Elemento(sPrimera, "MsgId"));
    EXPECT_EQ(Elemento(sSegunda, "ReqdColltnDt"), sOtroDia);
    for (std::size_t i = 0; i < 3; ++i) {
        for (const char* sCampo : {"EndToEndId", "InstdAmt", "MndtId", "Dbtr/Nm", "Ustrd"}) {
            EXPECT_EQ(Elemento(sSegunda, sCampo, i), Elemento(sPrimera, sCampo, i)) << sCampo << i;
        }
    }
    EXPECT_EQ(Elemento(sSegunda, "GrpHdr/CtrlSum"), Elemento(sPrimera, "GrpHdr/CtrlSum"));
    for (const ReciboRegistrado& r : Trabajo(1)) {
        ASSERT_TRUE(r.remesa);
        EXPECT_EQ(r.remesa->sMsgId, Elemento(sSegunda, "MsgId"));
        EXPECT_EQ(r.remesa->sFechaCobro, sOtroDia);
    }
    // Without a date, the job's latest one.
    const std::string sTercera = Remesa("--sepa tercera.xml --job 1", "tercera.xml");
    EXPECT_EQ(Elemento(sTercera, "ReqdColltnDt"), sOtroDia);
}

TEST_F(RemesaCliTest, AJobToWriteAgainMustHaveARemittance) {
    ASSERT_EQ(Brixamo("--batch socios.csv --pdf lote.pdf").nEstado, 0);
    const std::pair<const char*, const char*> casos[] = {
        {"--sepa otra.xml --job 1", "brixamo: job 1 has no remittance\n"},
        {"--sepa otra.xml --job 2", "brixamo: the register has no job 2\n"},
    };
    for (const auto& [sArgumentos, sMensaje] : casos) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 1) << sArgumentos;
        EXPECT_EQ(salida.sErrores, sMensaje);
    }
    EXPECT_FALSE(std::filesystem::exists(Ruta("otra.xml")));
}

TEST_F(RemesaCliTest, OptionsThatDoNotGoTogether) {
    const std::pair<const char*, const char*> malos[] = {
        {"--sepa r.xml", "--sepa needs --batch or --job"},
        {"--sepa= --batch socios.csv", "--sepa needs a file name"},
        {"--job 1", "--job needs --sepa FILE"},
        {"--job uno --sepa r.xml", "--job needs the number of a registered job"},
        {"--job 0 --sepa r.xml", "--job needs the number of a registered job"},
        {"--job 1 --sepa r.xml --pdf a.pdf", "--job and --pdf cannot go together"},
        {"--job 1 --sepa r.xml --batch socios.csv", "--job and --batch cannot go together"},
        {"--batch socios.csv --pdf a.pdf --collection-date 2030-01-01",
         "--collection-date needs --sepa"},
        {"--list --sepa r.xml --job 1", "--list and --sepa cannot go together"},
        {"--batch socios.csv --pdf r.xml --sepa ./r.xml", "--pdf and --sepa name the same file"},
        {"--batch socios.csv --sepa socios.csv --dry-run", "--batch and --sepa name the same file"},
    };
    for (const auto& [sArgumentos, sMensaje] : malos) {
        const Salida salida = Brixamo(sArgumentos);
        EXPECT_EQ(salida.nEstado, 2) << sArgumentos;
        EXPECT_NE(salida.sErrores.find(sMensaje), std::string::npos) << salida.sErrores;
    }
    EXPECT_EQ(Ficheros(), std::vector<std::string>{"socios.csv"});
}

}  // namespace
