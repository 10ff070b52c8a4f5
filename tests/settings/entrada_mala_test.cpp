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
#include <vector>

#include "settings/ficherostxt.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/procesos.h"

using namespace std::string_literals;

namespace {

class EntradaMala : public ::testing::Test {
  protected:
    CarpetaTemporal carpeta;
    void Poner(const std::string& sBytes) { PonerBytes(carpeta.Fichero(), sBytes); }
    std::string Bytes() const { return BytesDe(carpeta.Fichero()); }

    // Runs the check in a child process that, when started as root, becomes "nobody" so that
    // the folder's and the file's modes apply; the stored file comes out of it untouched.
    void SinPrivilegios(mode_t nCarpeta, mode_t nFichero, const std::function<bool()>& comprobar) {
        const std::string sGuardado = "S - A\n1\n\0"s;
        Poner(sGuardado);
        chmod(carpeta.Ruta().c_str(), nCarpeta);
        chmod(carpeta.Fichero().c_str(), nFichero);
        ProcesoHijo hijo([&comprobar](int) {
            if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
                return 2;
            }
            return comprobar() ? 0 : 1;
        });
        const int nEstado = hijo.Esperar();
        EXPECT_TRUE(WIFEXITED(nEstado) && WEXITSTATUS(nEstado) == 0) << nEstado;
        chmod(carpeta.Fichero().c_str(), 0644);
        EXPECT_EQ(Bytes(), sGuardado);
    }
};

std::string Basura(std::size_t n, unsigned nSemilla) {
    std::mt19937 azar(nSemilla);
    std::string s(n, '\0');
    for (char& c : s) {
        c = static_cast<char>(azar() & 0xFF);
    }
    return s;
}

// Files holding no pair the store can find: reads give the default and a write starts a
// fresh, well-formed store.
TEST_F(EntradaMala, FilesWithoutPairsReadDefaultsAndAWriteStartsAFreshStore) {
    std::vector<std::string> ficheros = {"",
                                         "\0"s,
                                         std::string(5000, '\0'),
                                         "S - K",
                                         std::string(1000, '\n'),
                                         std::string(10 << 20, 'x')};
    for (unsigned nSemilla = 1; nSemilla <= 50; ++nSemilla) {
        ficheros.push_back(Basura(1 + nSemilla * 81, nSemilla));
    }
    for (std::size_t i = 0; i < ficheros.size(); ++i) {
        SCOPED_TRACE(i);
        Poner(ficheros[i]);
        ASSERT_EQ(LeerValor("S", "K", "def"), "def");
        ASSERT_EQ(LeerValorEntero("S", "K", 35), 35);
        EscribirValor("S", "K", "nuevo");
        ASSERT_EQ(LeerValor("S", "K", "def"), "nuevo");
        ASSERT_TRUE(FormatoIntacto(Bytes()));
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

TEST_F(EntradaMala, WhateverBlocksThePathIsLeftAlone) {
    std::filesystem::create_directory(carpeta.Fichero());
    EscribirValor("S", "A", "1");
    EXPECT_TRUE(std::filesystem::is_directory(carpeta.Fichero()));
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    std::string sTexto = "algo";
    EXPECT_FALSE(LeerFicheroTxt(carpeta.Fichero(), sTexto));
    EXPECT_EQ(sTexto, "");
    // A file where the settings folder should be.
    PonerBytes(carpeta.Ruta() + "/fichero", "x");
    setenv("BRIXAMO_HOME", (carpeta.Ruta() + "/fichero/sub").c_str(), 1);
    EscribirValor("S", "A", "1");
    EXPECT_EQ(LeerValor("S", "A", "def"), "def");
    EXPECT_EQ(BytesDe(carpeta.Ruta() + "/fichero"), "x");
}

TEST_F(EntradaMala, UnreadableFileIsNeverOverwritten) {
    // The folder is open to everyone: only the skip keeps the write from replacing the file.
    SinPrivilegios(0777, 0000, [] {
        std::string sTexto;
        const bool bLeido = LeerFicheroTxt(RutaFicheroConfiguracion(), sTexto);
        const bool bDefecto = LeerValor("S", "A", "def") == "def";
        EscribirValor("S", "C", "3");
        EscribirValorEntero("S", "A", 5);
        return !bLeido && bDefecto;
    });
}

TEST_F(EntradaMala, UnwritableFolderKeepsTheStoredValues) {
    SinPrivilegios(0755, 0644, [] {
        EscribirValor("S", "A", "2");
        EscribirValor("S", "B", "3");
        return !EscribirFicheroTxt(RutaFicheroConfiguracion(), "x") &&
               LeerValor("S", "A", "def") == "1" && LeerValor("S", "B", "def") == "def";
    });
}

TEST(FicheroTxt, WholeFileLayerRoundTripsAndStopsAtTheFirstNul) {
    CarpetaTemporal carpeta;
    const std::string sRuta = carpeta.Ruta() + "/otro.txt";
    std::string sTexto = "previo";
    EXPECT_FALSE(LeerFicheroTxt(sRuta, sTexto));
    EXPECT_EQ(sTexto, "");
    for (const std::string& s : {"a\nb"s, ""s}) {
        ASSERT_TRUE(EscribirFicheroTxt(sRuta, s));
        EXPECT_EQ(BytesDe(sRuta), s + '\0');
    }
    PonerBytes(sRuta, "a\nb\0c"s);
    ASSERT_TRUE(LeerFicheroTxt(sRuta, sTexto));
    EXPECT_EQ(sTexto, "a\nb");
    EXPECT_FALSE(EscribirFicheroTxt(carpeta.Ruta() + "/no/existe.txt", "x"));
}

}  // namespace
