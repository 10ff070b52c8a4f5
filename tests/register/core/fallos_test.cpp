// A register that cannot be written fails clearly and loses nothing it already held: a full
// disk, a read-only folder, a folder that cannot be made.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "register/registro.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

// A small tmpfs mounted on a folder of the test's own, when the system lets the test mount.
class Montaje {
  public:
    Montaje(const std::string& sPunto, unsigned long nOpciones, const std::string& sDatos)
        : m_sPunto(sPunto) {
        mkdir(sPunto.c_str(), 0755);
        if (mount("tmpfs", sPunto.c_str(), "tmpfs", nOpciones, sDatos.c_str()) == 0) {
            m_bMontado = true;
        } else {
            m_sError = std::strerror(errno);
        }
    }
    ~Montaje() {
        if (m_bMontado) {
            umount2(m_sPunto.c_str(), MNT_DETACH);
        }
    }
    bool Montado() const { return m_bMontado; }
    const std::string& Error() const { return m_sError; }

  private:
    std::string m_sPunto;
    bool m_bMontado = false;
    std::string m_sError;
};

TEST(FallosRegistro, AFullDiskFailsTheJobAndKeepsTheEarlierOnes) {
    CarpetaTemporal carpeta;
    const Montaje disco(carpeta.Ruta() + "/disco", 0, "size=192k");
    if (!disco.Montado()) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (" << disco.Error()
                     << "); the test needs root";
    }
    const std::string sRuta = carpeta.Ruta() + "/disco/registro.sqlite";
    int nCompletos = 0;
    ResultadoRegistro ultimo;
    {
        CRegistro registro(sRuta);
        ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kCorrecto);
        for (int i = 0; i < 200 && ultimo.estado == EstadoRegistro::kCorrecto; ++i) {
            std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(i * 20, 20);
            ultimo = registro.Registrar(trabajo);
            nCompletos += ultimo.estado == EstadoRegistro::kCorrecto ? 1 : 0;
        }
    }
    ASSERT_EQ(ultimo.estado, EstadoRegistro::kFallo) << "the disk never filled";
    EXPECT_FALSE(ultimo.sError.empty());
    EXPECT_GT(nCompletos, 0);
    EXPECT_EQ(ComprobarIntegridad(sRuta), "ok");
    EXPECT_EQ(ContarFilas(sRuta, "trabajos"), nCompletos);
    EXPECT_EQ(ContarFilas(sRuta, "recibos"), nCompletos * 20);
    EXPECT_EQ(TrabajosIncompletos(sRuta), 0);
}

TEST(FallosRegistro, AReadOnlyFolderFailsClearly) {
    CarpetaTemporal carpeta;
    const Montaje soloLectura(carpeta.Ruta() + "/ro", MS_RDONLY, "size=64k");
    if (!soloLectura.Montado()) {
        GTEST_SKIP() << "cannot mount a read-only tmpfs here (" << soloLectura.Error()
                     << "); the test needs root";
    }
    CRegistro registro(carpeta.Ruta() + "/ro/registro.sqlite");
    EXPECT_EQ(registro.Apertura().estado, EstadoRegistro::kFallo);
    EXPECT_FALSE(registro.Apertura().sError.empty());
    std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(1, 1);
    EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kFallo);
    EXPECT_FALSE(registro.Leer(1).has_value());
}

TEST(FallosRegistro, AFolderThatCannotBeMadeOrAFolderInThePlaceOfTheFile) {
    CarpetaTemporal carpeta;
    PonerBytes(carpeta.Ruta() + "/fichero", "x");
    mkdir((carpeta.Ruta() + "/registro.sqlite").c_str(), 0755);  // never moved aside
    for (const std::string& sRuta :
         {carpeta.Ruta() + "/fichero/registro.sqlite", carpeta.Ruta() + "/registro.sqlite"}) {
        CRegistro registro(sRuta);
        EXPECT_EQ(registro.Apertura().estado, EstadoRegistro::kFallo) << sRuta;
        EXPECT_FALSE(registro.Apertura().sError.empty()) << sRuta;
        int nVistos = 0;
        EXPECT_EQ(registro
                      .Recorrer({}, OrdenRegistro::kRecientesPrimero,
                                [&nVistos](const ReciboRegistrado&) { ++nVistos; })
                      .estado,
                  EstadoRegistro::kFallo);
        EXPECT_EQ(nVistos, 0);
    }
    struct stat st {};
    EXPECT_EQ(stat((carpeta.Ruta() + "/registro.sqlite").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

}  // namespace
