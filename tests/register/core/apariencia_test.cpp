// Each job's look in the register: kept and read back whole, each distinct logo kept once, a
// register of the first version brought up to date with its receipts and no look for them.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "register/registro.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

std::shared_ptr<const LogoRegistrado> Logo(std::uint32_t nSemilla, int nAncho = 3, int nAlto = 2) {
    auto logo = std::make_shared<LogoRegistrado>();
    logo->nAncho = nAncho;
    logo->nAlto = nAlto;
    for (int i = 0; i < nAncho * nAlto; ++i) {
        logo->pixeles.push_back((nSemilla * 2654435761u + static_cast<std::uint32_t>(i)) &
                                0xFFFFFF);
    }
    return logo;
}

AparienciaRegistrada Apariencia(std::uint32_t nColor, std::shared_ptr<const LogoRegistrado> logo) {
    return {nColor, true, {"Uno", "", "Tr\xE9s"}, true, std::move(logo)};
}

class AparienciaRegistroTest : public ::testing::Test {
  protected:
    std::string Ruta() const { return m_carpeta.Ruta() + "/registro.sqlite"; }

    // Registers a job of n receipts in the look; the first receipt's id.
    std::int64_t Registrar(int nPrimero, int nRecibos,
                           const std::optional<AparienciaRegistrada>& apariencia) {
        std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(nPrimero, nRecibos);
        for (ReciboRegistrado& r : trabajo) {
            r.apariencia = apariencia;
        }
        CRegistro registro(Ruta());
        EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kCorrecto);
        return trabajo.front().nId;
    }

    std::optional<AparienciaRegistrada> Leida(std::int64_t nId) {
        CRegistro registro(Ruta());
        const std::optional<ReciboRegistrado> r = registro.Leer(nId);
        EXPECT_TRUE(r.has_value());
        return r ? r->apariencia : std::nullopt;
    }

    int Ejecutar(const std::string& sSql) {
        sqlite3* db = nullptr;
        sqlite3_open(Ruta().c_str(), &db);
        const int rc = sqlite3_exec(db, sSql.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return rc;
    }

    CarpetaTemporal m_carpeta;
};

TEST_F(AparienciaRegistroTest, TheLookComesBackWhole) {
    const AparienciaRegistrada conLogo = Apariencia(0x0000FF, Logo(1, 300, 750));
    const AparienciaRegistrada sinLogo = Apariencia(0xC8FFFF, nullptr);
    const std::int64_t nConLogo = Registrar(1, 2, conLogo);
    const std::int64_t nSinLogo = Registrar(3, 1, sinLogo);
    const std::int64_t nSinAspecto = Registrar(4, 1, std::nullopt);
    EXPECT_EQ(Leida(nConLogo), conLogo);
    EXPECT_EQ(Leida(nConLogo + 1), conLogo);
    ASSERT_TRUE(Leida(nConLogo)->logo);
    EXPECT_EQ(Leida(nConLogo)->logo->pixeles, Logo(1, 300, 750)->pixeles);
    EXPECT_EQ(Leida(nSinLogo), sinLogo);
    EXPECT_FALSE(Leida(nSinAspecto).has_value());
}

// However many jobs print a logo, its pixels are kept once; another logo, even of the same
// size, is kept apart.
TEST_F(AparienciaRegistroTest, EachDistinctLogoIsKeptOnce) {
    for (int n = 0; n < 5; ++n) {
        Registrar(10 * n, 3, Apariencia(static_cast<std::uint32_t>(n), Logo(7)));
    }
    EXPECT_EQ(ContarFilas(Ruta(), "logos"), 1);
    const std::int64_t nOtro = Registrar(100, 1, Apariencia(0, Logo(8)));
    EXPECT_EQ(ContarFilas(Ruta(), "logos"), 2);
    EXPECT_EQ(Leida(nOtro)->logo->pixeles, Logo(8)->pixeles);
    EXPECT_EQ(Leida(1)->logo->pixeles, Logo(7)->pixeles);
}

TEST_F(AparienciaRegistroTest, AJobIsPrintedInOneLook) {
    std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(1, 2);
    trabajo[0].apariencia = Apariencia(1, Logo(1));
    trabajo[1].apariencia = Apariencia(1, Logo(2));
    CRegistro registro(Ruta());
    EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kFallo);
    trabajo[1].apariencia = Apariencia(1, Logo(1));  // equal pixels, another copy
    EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kCorrecto);
}

// The fingerprint registers have always stored for a logo: FNV-1a over its width, its height and
// its pixels, four bytes each, least significant first.
std::int64_t HuellaGuardada(const LogoRegistrado& logo) {
    std::uint64_t h = 14695981039346656037ull;
    std::vector<std::uint32_t> palabras = {static_cast<std::uint32_t>(logo.nAncho),
                                           static_cast<std::uint32_t>(logo.nAlto)};
    palabras.insert(palabras.end(), logo.pixeles.begin(), logo.pixeles.end());
    for (const std::uint32_t v : palabras) {
        for (int i = 0; i < 32; i += 8) {
            h = (h ^ ((v >> i) & 0xFF)) * 1099511628211ull;
        }
    }
    return static_cast<std::int64_t>(h);
}

// A logo row already in the register, as it was written: the fingerprint, the size, the bytes.
void GuardarLogo(const std::string& sRuta, std::int64_t nHuella, const LogoRegistrado& logo) {
    std::vector<std::uint8_t> bytes;
    for (const std::uint32_t p : logo.pixeles) {
        for (int i = 0; i < 32; i += 8) {
            bytes.push_back(static_cast<std::uint8_t>(p >> i));
        }
    }
    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    ASSERT_EQ(sqlite3_open(sRuta.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_prepare_v2(db,
                                 "INSERT INTO logos (huella, ancho, alto, pixeles) "
                                 "VALUES (?1, ?2, ?3, ?4)",
                                 -1, &st, nullptr),
              SQLITE_OK);
    sqlite3_bind_int64(st, 1, nHuella);
    sqlite3_bind_int(st, 2, logo.nAncho);
    sqlite3_bind_int(st, 3, logo.nAlto);
    sqlite3_bind_blob64(st, 4, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(st), SQLITE_DONE);
    sqlite3_finalize(st);
    sqlite3_close(db);
}

// A row already kept is reused only when its size and every byte of its pixels are the
// logo's; its fingerprint only finds it. A 300 x 750 logo spans many pieces of the comparison,
// so a difference in its last pixel must still tell it apart.
TEST_F(AparienciaRegistroTest, AKeptRowIsReusedOnlyForTheSamePixels) {
    auto ultimoCambiado = std::make_shared<LogoRegistrado>(*Logo(3, 300, 750));
    ultimoCambiado->pixeles.back() ^= 1;
    const struct {
        const char* sNombre;
        std::shared_ptr<const LogoRegistrado> guardado;  // under the printed logo's fingerprint
        std::shared_ptr<const LogoRegistrado> impreso;
        std::int64_t nFilas;
    } kCasos[] = {
        {"the same small logo", Logo(4), Logo(4), 1},
        {"the same large logo", Logo(3, 300, 750), Logo(3, 300, 750), 1},
        {"another logo, same fingerprint", Logo(5), Logo(4), 2},
        {"last pixel differs, same fingerprint", ultimoCambiado, Logo(3, 300, 750), 2},
    };
    for (const auto& caso : kCasos) {
        SCOPED_TRACE(caso.sNombre);
        for (const char* sFin : {"", "-wal", "-shm"}) {
            std::remove((Ruta() + sFin).c_str());
        }
        Registrar(1, 1, std::nullopt);
        GuardarLogo(Ruta(), HuellaGuardada(*caso.impreso), *caso.guardado);
        const std::int64_t nId = Registrar(2, 1, Apariencia(1, caso.impreso));
        EXPECT_EQ(ContarFilas(Ruta(), "logos"), caso.nFilas);
        ASSERT_TRUE(Leida(nId) && Leida(nId)->logo);
        EXPECT_EQ(Leida(nId)->logo->pixeles, caso.impreso->pixeles);
    }
}

// A logo row whose pixels do not fill its size is never taken for a picture.
TEST_F(AparienciaRegistroTest, ALogoRowOfTheWrongSizeIsRefusedByTheTable) {
    Registrar(1, 1, Apariencia(1, Logo(1)));
    EXPECT_EQ(Ejecutar("UPDATE logos SET ancho = 4") & 0xFF, SQLITE_CONSTRAINT);
    EXPECT_EQ(
        Ejecutar("INSERT INTO logos (huella, ancho, alto, pixeles) VALUES (1, 0, 1, x'')") & 0xFF,
        SQLITE_CONSTRAINT);
}

// A register written by the first version: its receipts stay, with no look, and new jobs
// keep theirs.
TEST_F(AparienciaRegistroTest, AFirstVersionRegisterIsBroughtUpToDate) {
    ASSERT_EQ(RegistroVersionUno(Ruta(), 2), 1);
    {
        CRegistro registro(Ruta());
        ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kCorrecto);
        const std::optional<ReciboRegistrado> r = registro.Leer(2);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->recibo.sPagador1, "v1 2");
        EXPECT_FALSE(r->apariencia.has_value());
    }
    const std::int64_t nNuevo = Registrar(3, 1, Apariencia(5, Logo(5)));
    EXPECT_EQ(Leida(nNuevo), Apariencia(5, Logo(5)));
    EXPECT_EQ(NumerosRegistrados(Ruta()).size(), 3u);
    EXPECT_EQ(ComprobarIntegridad(Ruta()), "ok");
}

}  // namespace
