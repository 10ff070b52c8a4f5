#include <gtest/gtest.h>

#include <string>

#include "form/numero.h"

namespace {

struct CasoNumero {
    std::string sAntes;
    std::string sDespues;
};

class Siguiente : public ::testing::TestWithParam<CasoNumero> {};

TEST_P(Siguiente, IncrementsTheFirstDigitRun) {
    EXPECT_EQ(SiguienteNumero(GetParam().sAntes), GetParam().sDespues) << GetParam().sAntes;
}

INSTANTIATE_TEST_SUITE_P(
    Numero, Siguiente,
    ::testing::Values(CasoNumero{"", "1"}, CasoNumero{"0", "1"}, CasoNumero{"00", "001"},
                      CasoNumero{"ABC", "ABC1"}, CasoNumero{"R0", "R01"}, CasoNumero{"7", "8"},
                      CasoNumero{"9", "10"}, CasoNumero{"0009", "00010"},
                      CasoNumero{"0099", "00100"}, CasoNumero{"A-15", "A-16"},
                      CasoNumero{"15B", "16B"}, CasoNumero{"2003/15", "2004/15"},
                      CasoNumero{"15/2003", "16/2003"}, CasoNumero{"1.999", "2.999"},
                      CasoNumero{"12a12", "13a12"},
                      // Runs beyond 32 bits grow as decimal text.
                      CasoNumero{"2147483647", "2147483648"},
                      CasoNumero{"4294967295", "4294967296"},
                      CasoNumero{"9999999999", "10000000000"},
                      CasoNumero{"F-0012345678901234567899/26", "F-0012345678901234567900/26"},
                      CasoNumero{"\xB9\xB2"
                                 "5",
                                 "\xB9\xB2"
                                 "6"},
                      CasoNumero{" 19 ", " 20 "}, CasoNumero{"A0B0", "A0B01"}));

TEST(PrimerNumero, StartsAtADigitOneToNine) {
    EXPECT_EQ(PrimerNumero(""), "");
    EXPECT_EQ(PrimerNumero("000"), "");
    EXPECT_EQ(PrimerNumero("R0"), "");
    EXPECT_EQ(PrimerNumero("0099"), "99");
    EXPECT_EQ(PrimerNumero("2003/15"), "2003");
    EXPECT_EQ(PrimerNumero("a0b105c7"), "105");
    EXPECT_EQ(PrimerNumero("x\xB9"
                           "3"),
              "3");
}

TEST(EmpiezaPor, ComparesTheLeadingBytes) {
    EXPECT_TRUE(EmpiezaPor("", ""));
    EXPECT_TRUE(EmpiezaPor("abc", ""));
    EXPECT_FALSE(EmpiezaPor("", "a"));
    EXPECT_TRUE(EmpiezaPor("abc", "ab"));
    EXPECT_TRUE(EmpiezaPor("abc", "abc"));
    EXPECT_FALSE(EmpiezaPor("abc", "abcd"));
    EXPECT_FALSE(EmpiezaPor("abc", "b"));
    EXPECT_FALSE(EmpiezaPor("Abc", "a"));
}

TEST(ReemplazarPrimero, ReplacesOnlyTheFirstOccurrence) {
    EXPECT_EQ(ReemplazarPrimero("12a12", "12", "13"), "13a12");
    EXPECT_EQ(ReemplazarPrimero("x12y12", "12", "ZZZ"), "xZZZy12");
    EXPECT_EQ(ReemplazarPrimero("abc", "d", "e"), "abc");
    EXPECT_EQ(ReemplazarPrimero("abc", "", "-"), "-abc");
    EXPECT_EQ(ReemplazarPrimero("", "", "-"), "");
    EXPECT_EQ(ReemplazarPrimero("abc", "c", ""), "ab");
}

}  // namespace
