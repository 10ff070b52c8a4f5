// The strict check of an amount typed in a file: digits grouped in threes or not at all, one
// decimal separator, one minus sign or brackets, blanks and the currency sign anywhere.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/money/formato_moneda.h"
#include "tests/support/fila.h"

namespace {

// A format with the name its rows carry.
struct Formato {
    const char* sNombre;
    AjustesMoneda ajustes;
};

const Formato kEspanol{"Spanish", Ajustes({",", ".", 2, 0, 0, "\x80"})};
const Formato kIngles{"English", Ajustes({".", ",", 2, 0, 0, "$"})};
const Formato kFrances{"French", Ajustes({",", " ", 2, 0, 0, "\x80"})};

struct CasoImporte {
    const Formato& formato;
    const char* sTexto;
    bool bImporte;
};

// "Spanish_1Point234Comma5" for "1.234,5" in the Spanish format.
void PrintTo(const CasoImporte& c, std::ostream* os) {
    *os << c.formato.sNombre << "_" << NombreDeTexto(c.sTexto);
}

class TextoImporte : public ::testing::TestWithParam<CasoImporte> {};

TEST_P(TextoImporte, ReadsAsANumberInTheFormatOrNot) {
    EXPECT_EQ(moneda::EsTextoImporte(GetParam().sTexto, GetParam().formato.ajustes),
              GetParam().bImporte)
        << GetParam().sTexto;
}

// clang-format off
const CasoImporte kTextos[] = {
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
INSTANTIATE_TEST_SUITE_P(Estricto, TextoImporte, ::testing::ValuesIn(kTextos),
                         ::testing::PrintToStringParamName());

// What the program writes in every display mode passes the check and reads back, to the same
// amount.
TEST(TextoImporteEscrito, EveryFormAndReceiptTextOfEveryModeIsAnAmount) {
    const std::int64_t valores[] = {0, 100, 12345000, 12345678900, -100, -12345000, -12345678900};
    for (std::int32_t nPositivo = 0; nPositivo < 4; ++nPositivo) {
        for (std::int32_t nNegativo = 0; nNegativo < 16; ++nNegativo) {
            const AjustesMoneda a = Ajustes({",", ".", 2, nPositivo, nNegativo, "\x80"});
            for (const std::int64_t nValor : valores) {
                const CGlobalCurrency cu = Importe(nValor);
                for (const std::string& sTexto :
                     {moneda::TextoFormulario(cu, a), moneda::TextoRecibo(cu, a)}) {
                    EXPECT_TRUE(moneda::EsTextoImporte(sTexto, a)) << sTexto;
                    EXPECT_EQ(moneda::ImporteDeTexto(sTexto, a), cu) << sTexto;
                }
            }
        }
    }
}

}  // namespace
