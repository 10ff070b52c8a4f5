// The one conversion between Windows-1252 and Unicode, and the set's small letters.
#include <gtest/gtest.h>

#include <string>

#include "settings/texto1252.h"

namespace {

// Every byte with a character goes to UTF-8 and back unchanged.
TEST(Texto1252, Windows1252RoundTripsThroughUtf8) {
    std::string sTodos;
    for (int c = 1; c < 256; ++c) {
        sTodos += static_cast<char>(c);
    }
    const std::string sUtf8 = Utf8De1252(sTodos);
    EXPECT_EQ(Cp1252DeUtf8(sUtf8, '?'), sTodos);
    EXPECT_EQ(Utf8De1252("\x80\x9F\xFF"), "\xE2\x82\xAC\xC5\xB8\xC3\xBF");
    EXPECT_EQ(Cp1252DeUtf8("a\xE4\xB8\xAD"
                           "b\xFF",
                           '?'),
              "a?b?");
}

// Capitals of ASCII, of Latin-1 and of the 0x80 row become their small letters; the
// multiplication sign, the small letters and the other bytes stay.
TEST(Texto1252, SmallLetters) {
    const std::pair<std::string, std::string> casos[] = {
        {"D\xD3LAR Euro", "d\xF3lar euro"},
        {"\xC0\xC9\xD1\xDE\xD7\xDF", "\xE0\xE9\xF1\xFE\xD7\xDF"},
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"},
        {"\x9A\x9C\x9E\xFF@[`{", "\x9A\x9C\x9E\xFF@[`{"},
    };
    for (const auto& [sTexto, sMinusculas] : casos) {
        EXPECT_EQ(Minusculas1252(sTexto), sMinusculas) << sTexto;
    }
}

}  // namespace
