// The IBAN, BIC and creditor identifier checks: the table numeros.txt, which python3-stdnum
// is held to as well (cotejar_stdnum.py), and what the messages say.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "remesa/cuentas.h"
#include "tests/support/fila.h"

namespace {

struct Numero : Fila {
    std::string sClase;  // "iban" or "creditor"
    bool bValido;
    std::string sNumero;
};

// The rows of numeros.txt; their names live as long as the program.
std::vector<Numero> LeerNumeros() {
    static std::vector<std::string> nombres;
    std::vector<Numero> filas;
    std::ifstream f(BRX_NUMEROS);
    std::string sLinea;
    nombres.reserve(100);
    while (std::getline(f, sLinea)) {
        if (sLinea.empty() || sLinea[0] == '#') {
            continue;
        }
        std::istringstream ss(sLinea);
        std::string sClase, sNombre;
        int nValido = 0;
        ss >> sClase >> sNombre >> nValido;
        std::string sNumero;
        std::getline(ss >> std::ws, sNumero);
        nombres.push_back(sClase);
        nombres.back() += "_";
        nombres.back() += sNombre;
        filas.push_back({{nombres.back().c_str()}, sClase, nValido == 1, sNumero});
    }
    return filas;
}

class NumeroTest : public ::testing::TestWithParam<Numero> {};

TEST_P(NumeroTest, IsValidAsTheTableSays) {
    const Numero& n = GetParam();
    const auto sError =
        n.sClase == "iban" ? ErrorIban(n.sNumero) : ErrorIdentificadorAcreedor(n.sNumero);
    EXPECT_EQ(!sError.has_value(), n.bValido) << n.sNumero << ": " << sError.value_or("");
}

INSTANTIATE_TEST_SUITE_P(Tabla, NumeroTest, ::testing::ValuesIn(LeerNumeros()),
                         ::testing::PrintToStringParamName());

TEST(NumerosTest, TheTableHoldsBothKindsAndBothAnswers) {
    std::size_t nIban = 0, nValidos = 0;
    const std::vector<Numero> filas = LeerNumeros();
    for (const Numero& n : filas) {
        nIban += n.sClase == "iban" ? 1 : 0;
        nValidos += n.bValido ? 1 : 0;
    }
    EXPECT_GE(nIban, 10u);
    EXPECT_GE(filas.size() - nIban, 10u);
    EXPECT_GE(nValidos, 10u);
    EXPECT_GE(filas.size() - nValidos, 10u);
}

struct Mensaje : Fila {
    std::string sIban;
    std::string sMensaje;
};

const Mensaje kMensajesIban[] = {
    {"WrongLength", "ES912100041845020005133", "un IBAN de ES tiene 24 caracteres, no 23"},
    {"NoCountry", "1234", "no empieza por el código de un país"},
    {"UnknownCountry", "QQ9121000418450200051332", "el país QQ no tiene IBAN"},
    {"WrongAccountCode", "ES2921000418460200051332",
     "los dígitos de control de la cuenta no cuadran"},
};

class MensajeIbanTest : public ::testing::TestWithParam<Mensaje> {};

TEST_P(MensajeIbanTest, SaysWhatIsWrong) {
    EXPECT_EQ(ErrorIban(GetParam().sIban).value_or("(valid)"), GetParam().sMensaje);
}

INSTANTIATE_TEST_SUITE_P(Tabla, MensajeIbanTest, ::testing::ValuesIn(kMensajesIban),
                         ::testing::PrintToStringParamName());

struct Bic : Fila {
    std::string sBic;
    bool bValido;
};

const Bic kBics[] = {
    {"EightCharacters", "CAIXESBB", true},
    {"ElevenCharacters", "BSCHESMMXXX", true},
    {"SmallLettersAndBlanks", "bsch es mm xxx", true},
    {"DigitInPlace", "DEUTDEFF500", true},
    {"TooShort", "CAIXESB", false},
    {"NineCharacters", "CAIXESBB1", false},
    {"DigitInCountry", "CAIXE5BB", false},
    {"PlaceEndingInO", "CAIXESBO", false},
    {"PlaceStartingWithOne", "CAIXES1B", false},
    {"Punctuation", "CAIX-ESBB", false},
};

class BicTest : public ::testing::TestWithParam<Bic> {};

TEST_P(BicTest, FollowsTheIsoPattern) {
    EXPECT_EQ(!ErrorBic(GetParam().sBic).has_value(), GetParam().bValido);
}

INSTANTIATE_TEST_SUITE_P(Tabla, BicTest, ::testing::ValuesIn(kBics),
                         ::testing::PrintToStringParamName());

TEST(IdentificadorAcreedorTest, CheckDigitsLeaveTheBusinessCodeOut) {
    EXPECT_EQ(DigitosIdentificadorAcreedor("ES", "12345678Z"), "58");
    EXPECT_EQ(ErrorIdentificadorAcreedor("ES58ABC12345678Z"), std::nullopt);
    EXPECT_EQ(ErrorIdentificadorAcreedor("ES58000123456789Z").value_or(""),
              "tras ES, los dígitos de control y el código de negocio va un NIF de 9 caracteres");
    EXPECT_EQ(ErrorIdentificadorAcreedor("ES59000 12345678Z").value_or(""),
              "los dígitos de control no cuadran");
}

TEST(Modulo97Test, ReadsLettersAsTwoDigitsAndRefusesTheRest) {
    EXPECT_EQ(Modulo97("A"), 10);
    EXPECT_EQ(Modulo97("Z"), 35 % 97);
    EXPECT_EQ(Modulo97("21000418450200051332ES91"), 1);  // an IBAN turned round
    EXPECT_EQ(Modulo97("1234567890123456789012345678901234567890"), 28);
    EXPECT_EQ(Modulo97("12a"), std::nullopt);
    EXPECT_EQ(Compactar(" es 91\t21 "), "ES9121");
}

}  // namespace
