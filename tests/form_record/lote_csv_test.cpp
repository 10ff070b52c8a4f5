// The batch file reader: separators, quoting, encodings, and the faults and limits of hostile
// files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "form/lote_csv.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/fila.h"

namespace {

using Filas = std::vector<std::vector<std::string>>;

struct Leido {
    std::vector<std::string> cabecera;
    Filas filas;
    std::vector<std::size_t> lineas;
};

Leido Leer(const std::string& sBytes) {
    LectorCsv lector(sBytes);
    Leido leido{lector.Cabecera(), {}, {}};
    std::vector<std::string> campos;
    while (lector.SiguienteFila(campos)) {
        leido.filas.push_back(campos);
        leido.lineas.push_back(lector.Linea());
    }
    return leido;
}

struct CasoLectura : Fila {
    std::string sBytes;
    std::vector<std::string> cabecera;
    Filas filas;
};

class LecturaCsv : public ::testing::TestWithParam<CasoLectura> {};

TEST_P(LecturaCsv, GivesTheHeaderAndTheRows) {
    const Leido leido = Leer(GetParam().sBytes);
    EXPECT_EQ(leido.cabecera, GetParam().cabecera);
    EXPECT_EQ(leido.filas, GetParam().filas);
}

// clang-format off
const CasoLectura kLecturas[] = {
    {"Semicolon", "A;B\n1,5;x\n", {"A", "B"}, {{"1,5", "x"}}},
    {"Comma", "A,B\n1;5,x\n", {"A", "B"}, {{"1;5", "x"}}},
    {"OneColumnKeepsCommas", "IMPORTE_1\n12,50\n", {"IMPORTE_1"}, {{"12,50"}}},
    {"SeparatorInsideQuotesDoesNotCount", "\"A,B\";C\n1;2\n", {"A,B", "C"}, {{"1", "2"}}},
    {"QuotedSeparatorsQuotesAndBreaks", "A;B\n\"x;y\";\"di\"\"jo\"\"\"\n\"l1\r\nl2\";\"\"\n",
     {"A", "B"}, {{"x;y", "di\"jo\""}, {"l1  l2", ""}}},
    {"CrLfLoneCrAndNoFinalBreak", "A;B\r\n1;2\r3;4", {"A", "B"}, {{"1", "2"}, {"3", "4"}}},
    {"BlankAndEmptyRowsAreSkipped", "\n\nA;B\n\n;\n1;2\n ; \n", {"A", "B"}, {{"1", "2"}, {" ", " "}}},
    {"HeaderNamesTrimmedFieldsKept", " A ;\tB\n x ; y\n", {"A", "B"}, {{" x ", " y"}}},
    {"BlanksAroundQuotes", "A;B\n \"x\" ;y\n", {"A", "B"}, {{"x", "y"}}},
    {"TabsBecomeBlanks", "A\n\"a\tb\"\n", {"A"}, {{"a b"}}},
    {"Utf8WithMark", "\xEF\xBB\xBF" "A\nPe\xC3\xB1" "a \xE2\x82\xAC\n", {"A"}, {{"Pe\xF1" "a \x80"}}},
    {"Utf8WithoutMark", "A\n\xC5\x93\xE2\x80\x9C\n", {"A"}, {{"\x9C\x93"}}},
    {"Windows1252", "A\nPe\xF1" "a \x80\n", {"A"}, {{"Pe\xF1" "a \x80"}}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Csv, LecturaCsv, ::testing::ValuesIn(kLecturas),
                         ::testing::PrintToStringParamName());

TEST(LectorCsv, ToldSeparatorAndEncoding) {
    EXPECT_EQ(LectorCsv("A;B\n").Separador(), ';');
    EXPECT_EQ(LectorCsv("A,B\n").Separador(), ',');
    EXPECT_EQ(LectorCsv("A,B;C;D\n").Separador(), ';');
    EXPECT_EQ(LectorCsv("A\n\xC3\xB1\n").Codificacion(), CodificacionLote::kUtf8);
    EXPECT_EQ(LectorCsv("A\n\xF1\n").Codificacion(), CodificacionLote::kWindows1252);
    // An overlong form is not UTF-8.
    EXPECT_EQ(LectorCsv("A\n\xC0\xAF\n").Codificacion(), CodificacionLote::kWindows1252);
}

// A row's line is where its record begins, line breaks inside quotes counted.
TEST(LectorCsv, RowsKnowTheLineTheyBeginOn) {
    const Leido leido = Leer("\nA;B\n1;\"x\ny\r\nz\"\n\n2;3\r4;5\n");
    EXPECT_EQ(leido.lineas, (std::vector<std::size_t>{3, 7, 8}));
}

TEST(LectorCsv, RewindingReadsTheSameRowsAgain) {
    LectorCsv lector("A\n1\n2\n");
    std::vector<std::string> campos;
    ASSERT_TRUE(lector.SiguienteFila(campos));
    ASSERT_TRUE(lector.SiguienteFila(campos));
    EXPECT_FALSE(lector.SiguienteFila(campos));
    lector.Rebobinar();
    ASSERT_TRUE(lector.SiguienteFila(campos));
    EXPECT_EQ(campos, std::vector<std::string>{"1"});
    EXPECT_EQ(lector.Linea(), 2u);
}

struct CasoError : Fila {
    std::string sBytes;
    std::size_t nLinea;
    std::string sColumna;
    std::string sMensaje;  // a part of the message
};

class ErrorCsv : public ::testing::TestWithParam<CasoError> {};

TEST_P(ErrorCsv, NamesLineColumnAndFault) {
    const CasoError& c = GetParam();
    try {
        Leer(c.sBytes);
        FAIL() << "accepted";
    } catch (const ErrorLote& error) {
        EXPECT_EQ(error.Linea(), c.nLinea);
        EXPECT_EQ(error.Columna(), c.sColumna);
        EXPECT_NE(std::string(error.what()).find(c.sMensaje), std::string::npos) << error.what();
    }
}

// Random bytes without NUL fail on the first row after the header, for one reason or another.
TEST(LectorCsv, BinaryGarbageIsRefusedAtItsFirstRow) {
    std::mt19937 azar(11);
    for (int nIntento = 0; nIntento < 20; ++nIntento) {
        std::string sBasura(100000, '\0');
        for (char& c : sBasura) {
            c = static_cast<char>(azar() % 255 + 1);
        }
        try {
            Leer("A;B\n" + sBasura);
            FAIL() << "accepted";
        } catch (const ErrorLote& error) {
            EXPECT_EQ(error.Linea(), 2u) << error.what();
        }
    }
}

// clang-format off
const CasoError kErrores[] = {
    {"EmptyFile", "", 0, "", "está vacío"},
    {"OnlyBlanks", " \r\n\t\n", 0, "", "está vacío"},
    {"NulByte", std::string("A\nx\n\nab\0c\n", 10), 4, "", "no es un fichero de texto (byte 0)"},
    {"NulAfterLoneCr", std::string("A\rx\r\n\0", 6), 3, "", "no es un fichero de texto (byte 0)"},
    {"ControlCharacter", "A;B\n1;x\x07y\n", 2, "B", "carácter de control U+0007"},
    {"UndefinedWindows1252Byte", "A\n\xE9\x81\n", 2, "A", "carácter de control U+0081"},
    {"Utf8C1Control", "A\n\xC2\x85\n", 2, "A", "carácter de control U+0085"},
    {"OutsideWindows1252", "A;PAGADOR_1\n1;Zh\xC5\x8Du \xE4\xB8\xAD\n", 2, "PAGADOR_1",
     "'\xC5\x8D' (U+014D) no existe en Windows-1252"},
    {"OutsideWindows1252InHeader", "A;\xE2\x82\xBD\n", 1, "columna 2", "(U+20BD)"},
    {"UnclosedQuote", "A;B\n1;2\n3;\"abc\n", 3, "B", "falta la comilla de cierre"},
    {"TextAfterClosingQuote", "A;B\n\"x\"y;2\n", 2, "A", "después de la comilla"},
    {"FewerFields", "A;B;C\n1;2\n", 2, "", "la fila tiene 2 campos y la cabecera 3"},
    {"MoreFields", "A;B\n1;2;3\n", 2, "", "más de 2 campos"},
    {"NamelessColumn", "A;;C\n1;2;3\n", 1, "", "la columna 2 no tiene nombre"},
    {"HeaderOfTooManyColumns", std::string(64, ';') + "\n", 1, "", "más de 64 campos"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Csv, ErrorCsv, ::testing::ValuesIn(kErrores),
                         ::testing::PrintToStringParamName());

// A line of 50 MB stops being read at the field or record that outgrows its limit.
TEST(LectorCsv, FiftyMegabyteLinesAreRefusedAtTheirLimit) {
    const CasoError casos[] = {
        {"Unquoted", "A;B\n1;@\n", 2, "B", "el campo mide más de 4096 bytes"},
        {"Quoted", "A\n\"@", 2, "A", "el campo mide más de 4096 bytes"},
        {"Separators", "A;B\n@", 2, "", "la fila tiene más de 2 campos"},
        {"Header", "A@\n1\n", 1, "", "la fila tiene más de 64 campos"},
    };
    const char cRelleno[] = {'x', ';', ';', ','};
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        std::string sBytes = casos[i].sBytes;
        sBytes.replace(sBytes.find('@'), 1, std::string(std::size_t{50} << 20, cRelleno[i]));
        try {
            Leer(sBytes);
            ADD_FAILURE() << casos[i].sNombre << " accepted";
        } catch (const ErrorLote& error) {
            EXPECT_EQ(error.Linea(), casos[i].nLinea) << casos[i].sNombre;
            EXPECT_EQ(error.Columna(), casos[i].sColumna) << casos[i].sNombre;
            EXPECT_STREQ(error.what(), casos[i].sMensaje.c_str()) << casos[i].sNombre;
        }
    }
}

std::string CsvDeFilas(std::size_t n) {
    std::string s = "NUMERO;IMPORTE_1\n";
    for (std::size_t i = 0; i < n; ++i) {
        s += std::to_string(i) + ";1,5\n";
    }
    return s;
}

TEST(LectorCsv, AHundredThousandRowsAreReadOneMoreIsRefused) {
    EXPECT_EQ(Leer(CsvDeFilas(kMaxFilasLote)).filas.size(), kMaxFilasLote);
    try {
        Leer(CsvDeFilas(kMaxFilasLote + 1));
        FAIL() << "accepted";
    } catch (const ErrorLote& error) {
        EXPECT_EQ(error.Linea(), kMaxFilasLote + 2);
        EXPECT_STREQ(error.what(), "el lote tiene más de 100000 recibos");
    }
}

TEST(LectorCsv, ErrorTextNamesFileLineAndColumn) {
    EXPECT_EQ(TextoErrorLote("pagos.csv", ErrorLote(14, "IMPORTE_2", "'12,5,0' no es un importe")),
              "pagos.csv:14: IMPORTE_2: '12,5,0' no es un importe");
    EXPECT_EQ(TextoErrorLote("p.csv", ErrorLote(0, "", "el fichero está vacío")),
              "p.csv: el fichero está vacío");
    EXPECT_EQ(TextoErrorLote("p.csv", ErrorLote(3, "A\xD1O", "x")), "p.csv:3: A\xC3\x91O: x");
}

class FicheroLote : public ::testing::Test {
  protected:
    CarpetaTemporal m_carpeta;
};

TEST_F(FicheroLote, ReadsWholeRefusesMissingAndOversizedFiles) {
    const std::string sRuta = m_carpeta.Ruta() + "/pagos.csv";
    std::ofstream(sRuta, std::ios::binary) << "A\n1\n";
    EXPECT_EQ(LeerFicheroLote(sRuta), "A\n1\n");
    ASSERT_EQ(truncate(sRuta.c_str(), kMaxBytesLote), 0);
    EXPECT_EQ(LeerFicheroLote(sRuta).size(), kMaxBytesLote);

    ASSERT_EQ(truncate(sRuta.c_str(), kMaxBytesLote + 1), 0);
    EXPECT_THROW(LeerFicheroLote(sRuta), ErrorLote);
    EXPECT_THROW(LeerFicheroLote(m_carpeta.Ruta() + "/no-such.csv"), ErrorLote);
    EXPECT_THROW(LeerFicheroLote(m_carpeta.Ruta()), ErrorLote);  // a folder
}

}  // namespace
