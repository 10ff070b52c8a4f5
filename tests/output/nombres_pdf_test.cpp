// The names of a batch's PDF files of one receipt each: number and first payer line made safe
// for the file systems they travel to, cut to a length, in UTF-8, repeats told apart.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "output/nombres_pdf.h"
#include "tests/support/fila.h"

namespace {

ReciboData Recibo(const std::string& sNumero, const std::string& sPagador) {
    ReciboData recibo;
    recibo.sNumero = sNumero;
    recibo.sPagador1 = sPagador;
    recibo.sPagador2 = "second line";  // never part of the name
    return recibo;
}

std::string Veces(int n, const std::string& s) {
    std::string sVeces;
    for (int i = 0; i < n; ++i) {
        sVeces += s;
    }
    return sVeces;
}

struct CasoNombre : Fila {
    std::string sNumero;  // Windows-1252
    std::string sPagador;
    std::string sFichero;  // UTF-8
};

class NombrePdf : public ::testing::TestWithParam<CasoNombre> {};

TEST_P(NombrePdf, IsTheNumberAndThePayerMadeSafe) {
    const CasoNombre& c = GetParam();
    EXPECT_EQ(CNombresPdf().Siguiente(Recibo(c.sNumero, c.sPagador)), c.sFichero);
}

// clang-format off
const CasoNombre kNombres[] = {
    {"NumberAndPayer", "A-0017", "Ana P\xE9rez", "A-0017 Ana P\xC3\xA9rez.pdf"},
    {"SlashInTheNumber", "2026/15", "Luis", "2026-15 Luis.pdf"},
    {"Backslash", "A\\1", "x", "A-1 x.pdf"},
    {"CharactersWindowsRefuses", "7", "Bar: \"El *Sol*\" <Vigo>?|", "7 Bar_ _El _Sol__ _Vigo___.pdf"},
    {"NoPayer", "7", "", "7.pdf"},
    {"BlanksAround", "  7  ", "  Ana  ", "7 Ana.pdf"},
    {"ControlCharacters", "7", "Ana\tL\x01" "o\x7Fp\x81" "ez", "7 Ana L o p ez.pdf"},
    {"LeadingDots", ".7", "x", "7 x.pdf"},
    {"DotDot", "..", "", "recibo.pdf"},
    {"TrailingDot", "7.", "Ana.", "7. Ana.pdf"},
    {"Nothing", "", "", "recibo.pdf"},
    {"PayerWithoutNumber", "", "Ana", "Ana.pdf"},
    {"DeviceName", "CON", "", "_CON.pdf"},
    {"DeviceNameBeforeADot", "Nul.5", "", "_Nul.5.pdf"},
    {"DeviceNameBeforeBlanksAndADot", "PRN .1", "", "_PRN .1.pdf"},
    {"Port", "COM1", "", "_COM1.pdf"},
    {"PortWithASuperscript", "lpt\xB9", "", "_lpt\xC2\xB9.pdf"},
    {"PortZeroIsNoDevice", "COM0", "", "COM0.pdf"},
    {"LongerThanADeviceName", "CONSOLA", "", "CONSOLA.pdf"},
    {"DeviceNameAndPayer", "CON", "Ana", "CON Ana.pdf"},
    {"CutAtTwoHundredBytes", "7", std::string(300, 'a'), "7 " + std::string(198, 'a') + ".pdf"},
    {"CutBetweenTwoByteCharacters", "7", std::string(150, '\xE9'), "7 " + Veces(99, "\xC3\xA9") + ".pdf"},
    {"CutBetweenThreeByteCharacters", "7", std::string(100, '\x80'), "7 " + Veces(66, "\xE2\x82\xAC") + ".pdf"},
    {"BlankBeforeTheCut", "7", std::string(197, 'a') + "   bbbb", "7 " + std::string(197, 'a') + ".pdf"},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(NombresPdf, NombrePdf, ::testing::ValuesIn(kNombres),
                         ::testing::PrintToStringParamName());

// Names that repeat in either case, as a file system that ignores case would find them.
TEST(NombresPdf, RepeatsAreToldApart) {
    const std::vector<std::pair<std::string, std::string>> recibos = {
        {"A", "Ana"},  {"A", "ana"},   {"A", "ANA"},   {"A", "Ana (2)"}, {"B/1", "x"},
        {"B\\1", "x"}, {"C", "\xD1u"}, {"C", "\xF1u"}, {"A", "Ana"}};
    CNombresPdf nombres;
    std::vector<std::string> ficheros;
    ficheros.reserve(recibos.size());
    for (const auto& [sNumero, sPagador] : recibos) {
        ficheros.push_back(nombres.Siguiente(Recibo(sNumero, sPagador)));
    }
    EXPECT_EQ(ficheros,
              (std::vector<std::string>{
                  "A Ana.pdf", "A ana (2).pdf", "A ANA (3).pdf", "A Ana (2) (2).pdf", "B-1 x.pdf",
                  "B-1 x (2).pdf", "C \xC3\x91u.pdf", "C \xC3\xB1u (2).pdf", "A Ana (4).pdf"}));
}

// A hundred thousand receipts of one name take their numbers in turn.
TEST(NombresPdf, AHundredThousandRepeats) {
    CNombresPdf nombres;
    std::string sUltimo;
    for (int i = 0; i < 100000; ++i) {
        sUltimo = nombres.Siguiente(Recibo("1", "Ana"));
    }
    EXPECT_EQ(sUltimo, "1 Ana (100000).pdf");
}

}  // namespace
