#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

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

// Stored paths become the file system's UTF-8 names; a path written in UTF-8 by hand keeps its
// bytes while they name a file and the converted name does not.
TEST(Text1252, StoredPathsBecomeFileSystemNames) {
    QTemporaryDir dir;
    const std::string sDir = dir.path().toStdString();
    std::ofstream(sDir + "/log\xC3\xB3tipo.bmp") << "x";
    const std::pair<std::string, std::string> cases[] = {
        {"/tmp/logo.bmp", "/tmp/logo.bmp"},
        {"/home/ana/Im\xE1genes/logo.bmp", "/home/ana/Im\xC3\xA1genes/logo.bmp"},
        {"/\x80 \x93z\x94.bmp", "/\xE2\x82\xAC \xE2\x80\x9Cz\xE2\x80\x9D.bmp"},
        {sDir + "/log\xF3tipo.bmp", sDir + "/log\xC3\xB3tipo.bmp"},
        {sDir + "/log\xC3\xB3tipo.bmp", sDir + "/log\xC3\xB3tipo.bmp"},
        {sDir + "/Im\xC3\xA1genes.bmp", sDir + "/Im\xC3\x83\xC2\xA1genes.bmp"},
    };
    for (const auto& [sGuardada, sNombre] : cases) {
        EXPECT_EQ(FileSystemName(sGuardada), sNombre) << sGuardada;
        EXPECT_EQ(QtFileName(sGuardada).toStdString(), sNombre) << sGuardada;
    }
}

}  // namespace
