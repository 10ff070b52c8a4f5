#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "settings/ficherostxt.h"
#include "tests/support/carpeta_temporal.h"

namespace {

TEST(Ruta, FollowsTheVariables) {
    using V = VariablesTemporales::Valor;
    const std::tuple<V, V, V, std::string> casos[] = {
        {"/b", "/x", "/h", "/b/tarvel.inf"},
        {"/b/", "/x", "/h", "/b/tarvel.inf"},
        {"", "/x", "/h", "/x/brixamo/tarvel.inf"},
        {{}, "/x", "/h", "/x/brixamo/tarvel.inf"},
        {{}, "", "/h", "/h/.config/brixamo/tarvel.inf"},
        {{}, {}, "/h", "/h/.config/brixamo/tarvel.inf"}};
    for (const auto& [sBrixamo, sXdg, sHome, sEsperada] : casos) {
        const VariablesTemporales entorno{
            {"BRIXAMO_HOME", sBrixamo}, {"XDG_CONFIG_HOME", sXdg}, {"HOME", sHome}};
        EXPECT_EQ(RutaFicheroConfiguracion(), sEsperada);
    }
}

TEST(Ruta, FolderCreatedAtTheFirstWriteNotByReads) {
    CarpetaTemporal carpeta;
    const std::string sXdg = carpeta.Ruta() + "/config/anidada";
    const VariablesTemporales entorno{{"BRIXAMO_HOME", std::nullopt}, {"XDG_CONFIG_HOME", sXdg}};
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    EXPECT_FALSE(std::filesystem::exists(sXdg));
    EscribirValor("S", "A", "1");
    EXPECT_TRUE(std::filesystem::is_regular_file(sXdg + "/brixamo/tarvel.inf"));
    EXPECT_EQ(LeerValor("S", "A", "def"), "1");
}

TEST(Ruta, SymbolicLinkToTheFileIsKept) {
    CarpetaTemporal carpeta;
    const std::string sReal = carpeta.Ruta() + "/real.inf";
    PonerBytes(sReal, std::string("S - A\n1\n") + '\0');
    std::filesystem::create_symlink(sReal, carpeta.Fichero());
    EscribirValor("S", "A", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(carpeta.Fichero()));
    EXPECT_EQ(BytesDe(sReal), std::string("S - A\n2\n") + '\0');
}

}  // namespace
