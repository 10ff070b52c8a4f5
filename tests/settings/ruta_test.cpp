#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "settings/ficherostxt.h"
#include "tests/settings/carpeta_temporal.h"

namespace {

// Sets or clears the location variables for one test and puts them back afterwards.
class Entorno {
  public:
    Entorno() {
        for (const char* s : kNombres) {
            const char* v = std::getenv(s);
            m_previos.push_back(v ? std::optional<std::string>(v) : std::nullopt);
        }
    }
    ~Entorno() {
        for (std::size_t i = 0; i < m_previos.size(); ++i) {
            Poner(kNombres[i], m_previos[i]);
        }
    }
    static void Poner(const char* sNombre, const std::optional<std::string>& sValor) {
        if (sValor) {
            setenv(sNombre, sValor->c_str(), 1);
        } else {
            unsetenv(sNombre);
        }
    }

  private:
    static constexpr const char* kNombres[] = {"BRIXAMO_HOME", "XDG_CONFIG_HOME", "HOME"};
    std::vector<std::optional<std::string>> m_previos;
};

struct CasoRuta {
    const char* sNombre;
    std::optional<std::string> sBrixamo, sXdg, sHome;
    std::string sEsperada;
};

class Ruta : public ::testing::TestWithParam<CasoRuta> {};

TEST_P(Ruta, FollowsTheVariables) {
    Entorno entorno;
    Entorno::Poner("BRIXAMO_HOME", GetParam().sBrixamo);
    Entorno::Poner("XDG_CONFIG_HOME", GetParam().sXdg);
    Entorno::Poner("HOME", GetParam().sHome);
    EXPECT_EQ(RutaFicheroConfiguracion(), GetParam().sEsperada);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, Ruta,
    ::testing::Values(CasoRuta{"BrixamoHome", "/b", "/x", "/h", "/b/tarvel.inf"},
                      CasoRuta{"TrailingSlash", "/b/", "/x", "/h", "/b/tarvel.inf"},
                      CasoRuta{"EmptyBrixamoHome", "", "/x", "/h", "/x/brixamo/tarvel.inf"},
                      CasoRuta{"Xdg", std::nullopt, "/x", "/h", "/x/brixamo/tarvel.inf"},
                      CasoRuta{"EmptyXdg", std::nullopt, "", "/h", "/h/.config/brixamo/tarvel.inf"},
                      CasoRuta{"Home", std::nullopt, std::nullopt, "/h",
                               "/h/.config/brixamo/tarvel.inf"}),
    [](const auto& info) { return std::string(info.param.sNombre); });

TEST(RutaCarpeta, CreatedAtTheFirstWriteNotByReads) {
    CarpetaTemporal carpeta;
    Entorno entorno;
    const std::string sXdg = carpeta.Ruta() + "/config/anidada";
    unsetenv("BRIXAMO_HOME");
    setenv("XDG_CONFIG_HOME", sXdg.c_str(), 1);
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    EXPECT_FALSE(std::filesystem::exists(sXdg));
    EscribirValor("S", "A", "1");
    EXPECT_TRUE(std::filesystem::is_regular_file(sXdg + "/brixamo/tarvel.inf"));
    EXPECT_EQ(LeerValor("S", "A", "def"), "1");
}

TEST(RutaCarpeta, SymbolicLinkToTheFileIsKept) {
    CarpetaTemporal carpeta;
    const std::string sReal = carpeta.Ruta() + "/real.inf";
    PonerBytes(sReal, std::string("S - A\n1\n") + '\0');
    std::filesystem::create_symlink(sReal, carpeta.Fichero());
    EscribirValor("S", "A", "2");
    EXPECT_TRUE(std::filesystem::is_symlink(carpeta.Fichero()));
    EXPECT_EQ(BytesDe(sReal), std::string("S - A\n2\n") + '\0');
}

}  // namespace
