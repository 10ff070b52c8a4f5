// A damaged register is set aside under a dated name, never overwritten, and a new one is
// started in its place.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include "register/registro.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"

namespace {

constexpr std::size_t kPagina = 4096;  // SQLite's page, as the register's file is made of

class DanadoTest : public ::testing::Test {
  protected:
    std::string Ruta() const { return m_carpeta.Ruta() + "/registro.sqlite"; }

    // A register of 40 jobs of 10 receipts, its log copied into the main file and emptied.
    void LlenarRegistro() {
        {
            CRegistro registro(Ruta());
            for (int i = 0; i < 40; ++i) {
                std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(i * 10, 10);
                ASSERT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kCorrecto);
            }
        }
        sqlite3* db = nullptr;
        sqlite3_open(Ruta().c_str(), &db);
        sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        ASSERT_EQ(BytesDe(Ruta() + "-wal"), "");
    }

    int Sql(const char* sSql) const {
        sqlite3* db = nullptr;
        sqlite3_open(Ruta().c_str(), &db);
        const int rc = sqlite3_exec(db, sSql, nullptr, nullptr, nullptr);
        sqlite3_close(db);
        return rc;
    }

    std::vector<std::string> Apartados() const {
        std::vector<std::string> nombres;
        DIR* dir = opendir(m_carpeta.Ruta().c_str());
        while (const dirent* e = readdir(dir)) {
            const std::string s = e->d_name;
            if (s.find(".danado-") != std::string::npos && s.find("-wal") == std::string::npos) {
                nombres.push_back(m_carpeta.Ruta() + "/" + s);
            }
        }
        closedir(dir);
        return nombres;
    }

    CarpetaTemporal m_carpeta;
};

struct Dano {
    const char* sNombre;
    std::function<std::string(const std::string&)> danar;  // original bytes -> damaged
};

const Dano kDanos[] = {
    {"truncated to half", [](const std::string& s) { return s.substr(0, s.size() / 2); }},
    {"truncated inside the header", [](const std::string& s) { return s.substr(0, 60); }},
    {"garbage", [](const std::string& s) { return std::string(s.size(), '\x5A'); }},
    {"text file", [](const std::string&) { return std::string("IDC_EDIT_NUMERO\n12\n"); }},
    {"pages overwritten",
     [](const std::string& s) {
         std::string d = s;
         for (std::size_t i = 3 * kPagina; i < d.size() && i < 6 * kPagina; ++i) {
             d[i] = static_cast<char>(i * 7);
         }
         return d;
     }},
};

// No register was ever given a version below the first: such a file is another program's and
// goes aside like a damaged one, and nothing runs as if it had steps to take.
TEST_F(DanadoTest, AVersionBelowTheFirstIsSetAside) {
    LlenarRegistro();
    ASSERT_EQ(Sql("PRAGMA user_version = -246"), SQLITE_OK);
    CRegistro registro(Ruta());
    EXPECT_EQ(registro.Apertura().estado, EstadoRegistro::kApartado) << registro.Apertura().sError;
    EXPECT_EQ(ContarFilas(Ruta(), "recibos"), 0);  // a new register in its place
}

TEST_F(DanadoTest, ADamagedFileIsSetAsideAndANewOneStarted) {
    for (const Dano& dano : kDanos) {
        SCOPED_TRACE(dano.sNombre);
        LlenarRegistro();
        const std::string sDanado = dano.danar(BytesDe(Ruta()));
        PonerBytes(Ruta(), sDanado);
        const std::size_t nAntes = Apartados().size();

        CRegistro registro(Ruta());
        ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kApartado)
            << registro.Apertura().sError;
        const std::string sApartado = registro.Apertura().sApartado;
        EXPECT_NE(sApartado.find("registro.sqlite.danado-"), std::string::npos);
        EXPECT_TRUE(BytesDe(sApartado) == sDanado);  // kept byte for byte
        EXPECT_EQ(Apartados().size(), nAntes + 1);

        std::vector<ReciboRegistrado> trabajo = TrabajoDePrueba(1, 2);
        EXPECT_EQ(registro.Registrar(trabajo).estado, EstadoRegistro::kApartado);
        EXPECT_EQ(ContarFilas(Ruta(), "recibos"), 2);
        EXPECT_EQ(ComprobarIntegridad(Ruta()), "ok");
        std::remove(Ruta().c_str());
    }
}

// A damaged file whose log still holds jobs goes aside with its log, neither of them written:
// closing on a damaged file never copies the log into it.
TEST_F(DanadoTest, ADamagedFileGoesAsideWithItsLogUnwritten) {
    LlenarRegistro();
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(Ruta().c_str(), &db), SQLITE_OK);
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        // The full check is due again; the log holds the change.
        ASSERT_EQ(sqlite3_exec(db, "UPDATE comprobacion SET dia = '2000-01-01'", nullptr, nullptr,
                               nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
    }
    std::string sDanado = BytesDe(Ruta());
    for (std::size_t i = 3 * kPagina; i < sDanado.size() && i < 6 * kPagina; ++i) {
        sDanado[i] = static_cast<char>(i * 7);
    }
    PonerBytes(Ruta(), sDanado);
    const std::string sDiario = BytesDe(Ruta() + "-wal");
    ASSERT_FALSE(sDiario.empty());

    CRegistro registro(Ruta());
    ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kApartado);
    const std::string sApartado = registro.Apertura().sApartado;
    EXPECT_TRUE(BytesDe(sApartado) == sDanado);
    EXPECT_TRUE(BytesDe(sApartado + "-wal") == sDiario);
}

// Before the opening first writes to a file (the schema of a file that holds no register yet,
// the switch to WAL mode of one in another mode) the file is checked whole, even when the day's
// check was already done: a damaged one goes aside unwritten.
TEST_F(DanadoTest, AFileIsCheckedBeforeTheOpeningFirstWritesToIt) {
    const auto sinRegistroTodavia = [this] {
        // Two pages, the schema's cell gone: no table, and a page that nothing uses.
        EXPECT_EQ(Sql("PRAGMA page_size = 512; CREATE TABLE t (x)"), SQLITE_OK);
        std::string s = BytesDe(Ruta());
        s[103] = s[104] = 0;
        return s;
    };
    const auto enOtroModo = [this] {
        LlenarRegistro();
        EXPECT_EQ(Sql("PRAGMA journal_mode = DELETE"), SQLITE_OK);
        std::string s = BytesDe(Ruta());
        for (std::size_t i = 3 * kPagina; i < s.size() && i < 6 * kPagina; ++i) {
            s[i] = static_cast<char>(i * 7);
        }
        return s;
    };
    const std::function<std::string()> danos[] = {sinRegistroTodavia, enOtroModo};
    for (const auto& danar : danos) {
        const std::string sDanado = danar();
        PonerBytes(Ruta(), sDanado);
        CRegistro registro(Ruta());
        ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kApartado);
        EXPECT_TRUE(BytesDe(registro.Apertura().sApartado) == sDanado);
        std::remove(Ruta().c_str());
    }
}

// Two damaged files within the same second get two names.
TEST_F(DanadoTest, ASetAsideFileIsNeverOverwritten) {
    std::vector<std::string> contenidos;
    for (int i = 0; i < 3; ++i) {
        contenidos.push_back("no es un registro " + std::to_string(i) + std::string(200, 'x'));
        PonerBytes(Ruta(), contenidos.back());
        CRegistro registro(Ruta());
        EXPECT_EQ(registro.Apertura().estado, EstadoRegistro::kApartado);
    }
    std::vector<std::string> guardados;
    for (const std::string& s : Apartados()) {
        guardados.push_back(BytesDe(s));
    }
    std::sort(guardados.begin(), guardados.end());
    EXPECT_EQ(guardados, contenidos);
}

// A database of something else is not taken for a register nor changed.
TEST_F(DanadoTest, AnotherDatabaseIsSetAside) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Ruta().c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE otra (x); INSERT INTO otra VALUES (1)", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    const std::string sOriginal = BytesDe(Ruta());
    CRegistro registro(Ruta());
    ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kApartado);
    EXPECT_TRUE(BytesDe(registro.Apertura().sApartado) == sOriginal);
    EXPECT_EQ(ContarFilas(registro.Apertura().sApartado, "otra"), 1);
}

// An empty file is what SQLite leaves before its first write: a register to start, not damage.
TEST_F(DanadoTest, AnEmptyFileIsANewRegister) {
    PonerBytes(Ruta(), "");
    CRegistro registro(Ruta());
    EXPECT_EQ(registro.Apertura().estado, EstadoRegistro::kCorrecto);
    EXPECT_TRUE(Apartados().empty());
}

}  // namespace
