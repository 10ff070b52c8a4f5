// Small wrappers over the SQLite C API for the register: prepared statements that finalize
// themselves, and the columns of a registered receipt.
#pragma once

#include <sqlite3.h>

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "register/registro.h"

namespace registro {

// Thrown inside the register when SQLite fails; never leaves CRegistro.
struct ErrorSql {
    int nCodigo;
    std::string sTexto;
    bool Danado() const {
        const int nPrimario = nCodigo & 0xFF;
        return nPrimario == SQLITE_CORRUPT || nPrimario == SQLITE_NOTADB;
    }
};

[[noreturn]] void Fallar(sqlite3* db, int nCodigo);
void Ejecutar(sqlite3* db, const char* sSql);

class Sentencia {
  public:
    Sentencia(sqlite3* db, const std::string& sSql);
    ~Sentencia();
    Sentencia(const Sentencia&) = delete;
    Sentencia& operator=(const Sentencia&) = delete;

    void Texto(int n, const std::string& s);
    void Entero(int n, std::int64_t v);
    void Nulo(int n);
    // Bound where they lie, not copied: the bytes must outlive the statement's runs.
    void Bytes(int n, std::span<const std::uint8_t> bytes);
    bool Paso();       // true: a row is ready
    void Reiniciar();  // for another run with new values
    std::string Texto(int n) const;
    std::int64_t Entero(int n) const;
    bool EsNulo(int n) const;
    // Valid until the next step.
    std::span<const std::uint8_t> Bytes(int n) const;

  private:
    sqlite3* m_db;
    sqlite3_stmt* m_st = nullptr;
};

// The columns that hold a receipt's texts, with their record members.
struct ColumnaTexto {
    const char* sColumna;
    std::string ReciboData::*pMiembro;
};
extern const std::array<ColumnaTexto, 25> kColumnasTexto;

struct ColumnaImporte {
    const char* sColumna;
    CGlobalCurrency ReciboData::*pMiembro;
};
extern const std::array<ColumnaImporte, 6> kColumnasImporte;

// A job's look: its columns in the job (NULL for none recorded), bound from parameter n on,
// the logo stored first when the register does not hold it yet; and read back for a receipt.
extern const char* const kColumnasApariencia;
inline constexpr int kNumColumnasApariencia = 7;
void PonerApariencia(sqlite3* db, Sentencia& st, int n,
                     const std::optional<AparienciaRegistrada>& apariencia);
std::optional<AparienciaRegistrada> LeerApariencia(sqlite3* db, std::int64_t nRecibo);

// A job's currency settings: its columns, listed with a prefix ("t."), and read back from
// column n on.
inline constexpr int kNumAjustes = 9;
std::string ListaAjustes(const std::string& sPrefijo);
AjustesMoneda LeerAjustes(const Sentencia& st, int n);

// A moment as the register writes it, "YYYY-MM-DD HH:MM:SS" in local time.
std::string Momento(std::time_t t);

// One transaction: all that escribir writes is kept, or none (the error is thrown on).
void EnTransaccion(sqlite3* db, const std::function<void()>& escribir);

// A receipt's current collection status, joined as "e" to a query of receipts "r", and its
// columns (kNumColumnasEstado of them) read back from column n on.
extern const char* const kUnionEstado;
extern const char* const kColumnasEstado;
inline constexpr int kNumColumnasEstado = 5;
CambioEstado LeerEstado(const Sentencia& st, int n, std::int64_t nRecibo);

// The schema's migrations: step k takes a register from version k to k + 1.
int VersionActual();
// Throws when the file is not a register (a version 0 file with tables) or is of a later
// version than this program knows.
void ComprobarVersion(sqlite3* db);
// Up to nHasta (a test makes an older register this way).
void Migrar(sqlite3* db, int nHasta = VersionActual());

// The full check (quick_check, which reads the whole file) runs on the first opening of a day;
// a damaged page met at any other time fails with SQLITE_CORRUPT where it is met.
bool ComprobacionPendiente(sqlite3* db, const std::string& sHoy);
// Whether the opening writes to the file: the schema of a file that holds no register yet or
// an older one, the switch of a file in another log mode to WAL. The full check runs before,
// whatever the day, so that a damaged file is never written.
bool EscribeAlAbrir(sqlite3* db);
void AnotarComprobacion(sqlite3* db, const std::string& sHoy);

}  // namespace registro
