#include <gtest/gtest.h>

#include "platform/qt/text_1252.h"

namespace {

TEST(Text1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const QString text = FromCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(ToCp1252Exact(text), all);
}

TEST(Text1252, HighBytesAreTheirWindowsCharacters) {
    EXPECT_EQ(FromCp1252("\x80\x9C\xE9\xF1"), QString::fromUtf8("€œéñ"));
    EXPECT_EQ(ToCp1252(QString::fromUtf8("Pág. “€”")), "P\xE1g. \x93\x80\x94");
}

TEST(Text1252, CharactersOutsideTheCodePage) {
    const QString text = QString::fromUtf8("a\u0416b\U0001F600c");
    EXPECT_EQ(ToCp1252(text), "a?b??c");  // the emoji is two UTF-16 units
    EXPECT_EQ(ToCp1252Exact(text), std::nullopt);
    EXPECT_FALSE(IsCp1252(QChar(0x0416)));
    EXPECT_TRUE(IsCp1252(QChar(0x20AC)));
}

}  // namespace
