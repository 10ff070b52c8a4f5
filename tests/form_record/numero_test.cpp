#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "form/numero.h"

namespace {

using Par = std::pair<std::string, std::string>;

TEST(Numero, SiguienteIncrementsTheFirstDigitRun) {
    // clang-format off
    const Par casos[] = {
        {"", "1"}, {"0", "1"}, {"00", "001"}, {"ABC", "ABC1"}, {"R0", "R01"}, {"7", "8"},
        {"9", "10"}, {"0009", "00010"}, {"0099", "00100"}, {"A-15", "A-16"}, {"15B", "16B"},
        {"2003/15", "2004/15"}, {"15/2003", "16/2003"}, {"1.999", "2.999"}, {"12a12", "13a12"},
        {" 19 ", " 20 "}, {"A0B0", "A0B01"}, {"\271\2625", "\271\2626"},
        // Runs beyond 32 bits grow as decimal text.
        {"2147483647", "2147483648"}, {"4294967295", "4294967296"}, {"9999999999", "10000000000"},
        {"F-0012345678901234567899/26", "F-0012345678901234567900/26"}};
    // clang-format on
    for (const auto& [sAntes, sDespues] : casos) {
        EXPECT_EQ(SiguienteNumero(sAntes), sDespues) << sAntes;
    }
}

TEST(Numero, PrimerNumeroStartsAtADigitOneToNine) {
    const Par casos[] = {{"", ""},       {"000", ""},         {"R0", ""},
                         {"0099", "99"}, {"2003/15", "2003"}, {"a0b105c7", "105"},
                         {"x\2713", "3"}};
    for (const auto& [sTexto, sRun] : casos) {
        EXPECT_EQ(PrimerNumero(sTexto), sRun) << sTexto;
    }
}

TEST(Numero, EmpiezaPorComparesTheLeadingBytes) {
    EXPECT_TRUE(EmpiezaPor("", ""));
    EXPECT_TRUE(EmpiezaPor("abc", ""));
    EXPECT_TRUE(EmpiezaPor("abc", "ab"));
    EXPECT_TRUE(EmpiezaPor("abc", "abc"));
    for (const auto& [s, sPrefijo] : {Par{"", "a"}, {"abc", "abcd"}, {"abc", "b"}, {"Abc", "a"}}) {
        EXPECT_FALSE(EmpiezaPor(s, sPrefijo)) << s << " " << sPrefijo;
    }
}

TEST(Numero, ReemplazarPrimeroReplacesOnlyTheFirstOccurrence) {
    EXPECT_EQ(ReemplazarPrimero("12a12", "12", "13"), "13a12");
    EXPECT_EQ(ReemplazarPrimero("x12y12", "12", "ZZZ"), "xZZZy12");
    EXPECT_EQ(ReemplazarPrimero("abc", "d", "e"), "abc");
    EXPECT_EQ(ReemplazarPrimero("abc", "", "-"), "-abc");
    EXPECT_EQ(ReemplazarPrimero("", "", "-"), "");
    EXPECT_EQ(ReemplazarPrimero("abc", "c", ""), "ab");
}

}  // namespace
