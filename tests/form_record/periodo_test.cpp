// The month of a batch read from "YYYY-MM", and the placeholders of a Windows-1252 text that
// name it: their values, the braces that are no placeholder, the names that are unknown.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "form/periodo.h"
#include "tests/support/fila.h"

namespace {

struct CasoPeriodo : Fila {
    std::string sTexto;
    std::optional<Periodo> periodo;
};

class LecturaDePeriodo : public ::testing::TestWithParam<CasoPeriodo> {};

TEST_P(LecturaDePeriodo, TakesFourDigitsOfYearAndTwoOfMonth) {
    EXPECT_EQ(LeerPeriodo(GetParam().sTexto), GetParam().periodo);
}

// clang-format off
const CasoPeriodo kPeriodos[] = {
    {"January", "2027-01", Periodo{2027, 1}},
    {"FirstYear", "0001-01", Periodo{1, 1}},
    {"LastYear", "9999-12", Periodo{9999, 12}},
    {"YearZero", "0000-05", std::nullopt},
    {"MonthZero", "2027-00", std::nullopt},
    {"MonthThirteen", "2027-13", std::nullopt},
    {"OneDigitMonth", "2027-1", std::nullopt},
    {"Slash", "2027/01", std::nullopt},
    {"WithTheDay", "2027-01-15", std::nullopt},
    {"TrailingBlank", "2027-01 ", std::nullopt},
    {"LetterInTheMonth", "2027-0a", std::nullopt},
    {"Empty", "", std::nullopt},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Periodo, LecturaDePeriodo, ::testing::ValuesIn(kPeriodos),
                         ::testing::PrintToStringParamName());

struct CasoMarcadores : Fila {
    std::string sTexto;  // Windows-1252: {A\xD1O} is {AÑO}
    Periodo periodo;
    std::string sResultado;  // or, for an unknown name, the fault's message (UTF-8)
};

class Marcadores : public ::testing::TestWithParam<CasoMarcadores> {};

TEST_P(Marcadores, AreReplacedOrRefused) {
    const CasoMarcadores& c = GetParam();
    try {
        EXPECT_EQ(SustituirMarcadores(c.sTexto, c.periodo), c.sResultado);
    } catch (const ErrorMarcador& error) {
        EXPECT_EQ(error.what(), c.sResultado);
    }
}

constexpr Periodo kEnero2027{2027, 1};
constexpr Periodo kDiciembre2026{2026, 12};

std::string Desconocido(const std::string& sNombre) {
    return "'{" + sNombre +
           "}' no es un marcador: se conocen {MES}, {MES_SIGUIENTE}, {AÑO} y "
           "{PERIODO}";
}

// clang-format off
const CasoMarcadores kMarcadores[] = {
    {"MonthAndYear", "Cuota de {MES} de {A\xD1O}", kEnero2027, "Cuota de enero de 2027"},
    {"Period", "{PERIODO}", Periodo{2027, 5}, "mayo de 2027"},
    {"December", "{MES} {A\xD1O}", kDiciembre2026, "diciembre 2026"},
    {"NextMonth", "{MES_SIGUIENTE}", kEnero2027, "febrero"},
    // The year stays the period's: there is no year of the next month.
    {"NextMonthOfDecemberIsJanuary", "{MES_SIGUIENTE} de {A\xD1O}", kDiciembre2026, "enero de 2026"},
    {"SmallYear", "{A\xD1O}", Periodo{5, 3}, "5"},
    {"SideBySide", "{MES}{A\xD1O}", kEnero2027, "enero2027"},
    {"NoPlaceholder", "Cuota de comunidad", kEnero2027, "Cuota de comunidad"},
    {"Empty", "", kEnero2027, ""},
    {"AccentsAround", "Ma\xF1" "ana: {MES} \x80", kEnero2027, "Ma\xF1" "ana: enero \x80"},
    {"EmptyBraces", "{}", kEnero2027, "{}"},
    {"BlankBetweenBraces", "{ }", kEnero2027, "{ }"},
    {"BlanksAroundAName", "{ MES }", kEnero2027, "{ MES }"},
    {"TwoWords", "{a b}", kEnero2027, "{a b}"},
    {"NumberBetweenBraces", "Ref. {2027}", kEnero2027, "Ref. {2027}"},
    {"LoneOpeningBrace", "{MES", kEnero2027, "{MES"},
    {"LoneClosingBrace", "MES}", kEnero2027, "MES}"},
    {"OpeningBraceAtTheEnd", "x{", kEnero2027, "x{"},
    {"DoubledBraces", "{{MES}}", kEnero2027, "{enero}"},
    {"BraceInsideAName", "{ME{MES}", kEnero2027, "{MEenero"},
    {"SmallLetters", "{mes}", kEnero2027, Desconocido("mes")},
    {"Misspelt", "Cuota de {MESS}", kEnero2027, Desconocido("MESS")},
    {"YearWithoutTilde", "{ANO}", kEnero2027, Desconocido("ANO")},
    {"AccentedUnknownName", "{A\xD1OS}", kEnero2027, Desconocido("AÑOS")},
    {"DigitInAName", "{MES2}", kEnero2027, Desconocido("MES2")},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Periodo, Marcadores, ::testing::ValuesIn(kMarcadores),
                         ::testing::PrintToStringParamName());

// The twelve names in order, and the next of each.
TEST(Periodo, TheMonthsAndTheirNextOnes) {
    const char* const meses[] = {"enero",      "febrero", "marzo",     "abril",
                                 "mayo",       "junio",   "julio",     "agosto",
                                 "septiembre", "octubre", "noviembre", "diciembre"};
    for (int nMes = 1; nMes <= 12; ++nMes) {
        const Periodo p{2027, nMes};
        EXPECT_EQ(SustituirMarcadores("{MES}", p), meses[nMes - 1]) << nMes;
        EXPECT_EQ(SustituirMarcadores("{MES_SIGUIENTE}", p), meses[nMes % 12]) << nMes;
    }
}

}  // namespace
