// Files the program did not write: reads give defaults, nothing crashes, nothing stored is
// lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "settings/ficherostxt.h"
#include "tests/settings/carpeta_temporal.h"

using namespace std::string_literals;

namespace {

class EntradaMala : public ::testing::Test {
  protected:
    CarpetaTemporal carpeta;
    void Poner(const std::string& sBytes) { PonerBytes(carpeta.Fichero(), sBytes); }
    std::string Bytes() const { return BytesDe(carpeta.Fichero()); }
};

std::string Basura(std::size_t n, unsigned nSemilla) {
    std::mt19937 azar(nSemilla);
    std::string s(n, '\0');
    for (char& c : s) {
        c = static_cast<char>(azar() & 0xFF);
    }
    return s;
}

// Files that hold nothing the store can find.
struct CasoIlegible {
    const char* sNombre;
    std::string sFichero;
};

class SinPares : public EntradaMala, public ::testing::WithParamInterface<CasoIlegible> {};

TEST_P(SinPares, ReadsDefaultAndAWriteStartsAFreshStore) {
    Poner(GetParam().sFichero);
    EXPECT_EQ(LeerValor("Recibo", "Texto1", "def"), "def");
    EXPECT_EQ(LeerValorEntero("Recibos color", "R", 35), 35);
    EscribirValor("Recibo", "Texto1", "nuevo");
    EXPECT_EQ(LeerValor("Recibo", "Texto1", "def"), "nuevo");
    const std::string sBytes = Bytes();
    ASSERT_FALSE(sBytes.empty());
    EXPECT_EQ(sBytes.back(), '\0');
    EXPECT_EQ(sBytes.find('\0'), sBytes.size() - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SinPares,
    ::testing::Values(CasoIlegible{"Empty", ""}, CasoIlegible{"OnlyNul", "\0"s},
                      CasoIlegible{"ManyNuls", std::string(5000, '\0')},
                      CasoIlegible{"NoLineFeed", "Recibo - Texto1"},
                      CasoIlegible{"OnlyLineFeeds", std::string(1000, '\n')},
                      CasoIlegible{"BinaryGarbage", Basura(4096, 7)},
                      CasoIlegible{"TenMegabytesWithoutLineFeeds", std::string(10 << 20, 'x')}),
    [](const auto& info) { return std::string(info.param.sNombre); });

TEST_F(EntradaMala, GarbageOfManySeedsNeverBreaksTheFormat) {
    for (unsigned nSemilla = 1; nSemilla <= 50; ++nSemilla) {
        Poner(Basura(1 + nSemilla * 37, nSemilla));
        LeerValor("S", "K", "d");
        EscribirValor("S", "K", "valor");
        ASSERT_EQ(LeerValor("S", "K", "d"), "valor") << "seed " << nSemilla;
        const std::string sBytes = Bytes();
        ASSERT_EQ(sBytes.find('\0'), sBytes.size() - 1) << "seed " << nSemilla;
        ASSERT_EQ(sBytes[sBytes.size() - 2], '\n') << "seed " << nSemilla;
    }
}

TEST_F(EntradaMala, TenMegabytesOfLinesReadsOnlyTheStoreAndKeepsIt) {
    std::string sFichero = "S - A\n1\n";
    while (sFichero.size() < (10u << 20)) {
        sFichero += "S - relleno\nxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n";
    }
    Poner(sFichero);
    EXPECT_EQ(LeerValor("S", "A", "-"), "1");
    EscribirValor("S", "A", "2");
    EXPECT_EQ(LeerValor("S", "A", "-"), "2");
    EXPECT_LT(Bytes().size(), 20000u);
}

TEST_F(EntradaMala, FolderInPlaceOfTheFileIsLeftAlone) {
    std::filesystem::create_directory(carpeta.Fichero());
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    EscribirValor("S", "A", "1");
    EXPECT_TRUE(std::filesystem::is_directory(carpeta.Fichero()));
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    std::string sTexto = "algo";
    EXPECT_FALSE(LeerFicheroTxt(carpeta.Fichero(), sTexto));
    EXPECT_EQ(sTexto, "");
}

TEST_F(EntradaMala, SettingsFolderBlockedByAFile) {
    PonerBytes(carpeta.Ruta() + "/fichero", "x");
    setenv("BRIXAMO_HOME", (carpeta.Ruta() + "/fichero/sub").c_str(), 1);
    EscribirValor("S", "A", "1");
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    EXPECT_EQ(BytesDe(carpeta.Ruta() + "/fichero"), "x");
}

// Runs the check in a child process that, when started as root, becomes "nobody" so that
// permission bits apply. Returns the child's exit status (0: all held).
int ComoUsuarioSinPrivilegios(const std::function<bool()>& comprobar) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        _exit(comprobar() ? 0 : 1);
    }
    int nEstado = 0;
    waitpid(pid, &nEstado, 0);
    return WIFEXITED(nEstado) ? WEXITSTATUS(nEstado) : 100;
}

TEST_F(EntradaMala, UnreadableFileIsNeverOverwritten) {
    const std::string sGuardado = "S - A\n1\nS - B\n2\n\0"s;
    Poner(sGuardado);
    // The folder is open to everyone: only the skip keeps the write from replacing the file.
    chmod(carpeta.Ruta().c_str(), 0777);
    chmod(carpeta.Fichero().c_str(), 0000);
    EXPECT_EQ(ComoUsuarioSinPrivilegios([] {
                  std::string sTexto;
                  const bool bLeido = LeerFicheroTxt(RutaFicheroConfiguracion(), sTexto);
                  const bool bDefecto = LeerValor("S", "A", "def") == "def";
                  EscribirValor("S", "C", "3");
                  EscribirValorEntero("S", "A", 5);
                  return !bLeido && bDefecto;
              }),
              0);
    chmod(carpeta.Fichero().c_str(), 0644);
    EXPECT_EQ(Bytes(), sGuardado);
}

TEST_F(EntradaMala, UnwritableFolderKeepsTheStoredValues) {
    const std::string sGuardado = "S - A\n1\n\0"s;
    Poner(sGuardado);
    chmod(carpeta.Ruta().c_str(), 0755);
    chmod(carpeta.Fichero().c_str(), 0644);
    EXPECT_EQ(ComoUsuarioSinPrivilegios([] {
                  EscribirValor("S", "A", "2");
                  EscribirValor("S", "B", "3");
                  std::string sTexto;
                  return !EscribirFicheroTxt(RutaFicheroConfiguracion(), "x") &&
                         LeerValor("S", "A", "def") == "1" && LeerValor("S", "B", "def") == "def";
              }),
              0);
    EXPECT_EQ(Bytes(), sGuardado);
}

TEST(FicheroTxt, WholeFileLayerRoundTripsAndStopsAtTheFirstNul) {
    CarpetaTemporal carpeta;
    const std::string sRuta = carpeta.Ruta() + "/otro.txt";
    std::string sTexto = "previo";
    EXPECT_FALSE(LeerFicheroTxt(sRuta, sTexto));
    EXPECT_EQ(sTexto, "");
    ASSERT_TRUE(EscribirFicheroTxt(sRuta, "a\nb"));
    EXPECT_EQ(BytesDe(sRuta), "a\nb\0"s);
    ASSERT_TRUE(LeerFicheroTxt(sRuta, sTexto));
    EXPECT_EQ(sTexto, "a\nb");
    ASSERT_TRUE(EscribirFicheroTxt(sRuta, ""));
    EXPECT_EQ(BytesDe(sRuta), "\0"s);
    EXPECT_FALSE(EscribirFicheroTxt(carpeta.Ruta() + "/no/existe.txt", "x"));
}

}  // namespace
