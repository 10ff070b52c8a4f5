// Opening the register: its folder, the file's first checks, WAL and full synchronisation,
// the schema, and setting a damaged file aside.
#include "register/registro.h"

#include <fcntl.h>
#include <stdio.h>  // NOLINT(modernize-deprecated-headers): renameat2, Linux's, not C's stdio
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <ctime>
#include <iomanip>
#include <sstream>

#include "register/registro_sql.h"
#include "settings/fichero_posix.h"
#include "settings/ficherostxt.h"

using namespace registro;

namespace {

constexpr int kEsperaOcupadoMs = 10000;
constexpr std::size_t kCabecera = 100;
constexpr const char kFirma[] = "SQLite format 3";  // with its NUL: 16 bytes

std::uint32_t Grande32(const unsigned char* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
           p[3];
}

// The size of a regular file; -1 for anything else (missing, a folder...).
off_t Tamano(const std::string& sRuta) {
    struct stat st {};
    return stat(sRuta.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? st.st_size : -1;
}

// What the bytes of the file say before SQLite reads it: a file shorter than a header, not
// beginning like a database, or shorter than the pages its header counts (when no write-ahead
// log may still hold them) is damaged. An empty or missing file is a register to start.
bool CabeceraDanada(const std::string& sRuta) {
    const off_t nTamano = Tamano(sRuta);
    if (nTamano <= 0) {
        return false;
    }
    unsigned char cab[kCabecera] = {};
    const int fd = open(sRuta.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;  // SQLite will tell why it cannot be opened
    }
    const ssize_t nLeidos = pread(fd, cab, sizeof cab, 0);
    close(fd);
    if (nLeidos != static_cast<ssize_t>(kCabecera) || std::memcmp(cab, kFirma, 16) != 0) {
        return true;
    }
    const std::uint32_t nPagina = cab[16] * 256u + cab[17] == 1 ? 65536u : cab[16] * 256u + cab[17];
    const std::uint32_t nPaginas = Grande32(cab + 28);
    const bool bCuentaValida = nPaginas > 0 && std::memcmp(cab + 24, cab + 92, 4) == 0;
    const bool bSinDiario = Tamano(sRuta + "-wal") <= 0;
    return bCuentaValida && bSinDiario &&
           static_cast<std::uint64_t>(nTamano) < std::uint64_t{nPaginas} * nPagina;
}

std::string Ahora(const char* sFormato) {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    std::ostringstream s;
    s << std::put_time(&tm, sFormato);
    return s.str();
}

std::string SufijoFecha() {
    return Ahora("%Y%m%d-%H%M%S");
}

std::string Hoy() {
    return Ahora("%Y-%m-%d");
}

// Renames without ever replacing an existing file.
bool RenombrarSinPisar(const std::string& sDe, const std::string& sA) {
    return renameat2(AT_FDCWD, sDe.c_str(), AT_FDCWD, sA.c_str(), RENAME_NOREPLACE) == 0;
}

// The damaged file and its write-ahead log go aside under one free name with the date; the
// shared-memory index is rebuilt by SQLite and can go.
std::string Apartar(const std::string& sRuta) {
    const std::string sBase = sRuta + ".danado-" + SufijoFecha();
    for (int n = 1; n < 1000; ++n) {
        std::string sDestino = n == 1 ? sBase : sBase + "-" + std::to_string(n);
        if (RenombrarSinPisar(sRuta, sDestino)) {
            RenombrarSinPisar(sRuta + "-wal", sDestino + "-wal");
            unlink((sRuta + "-shm").c_str());
            return sDestino;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

// The first column of the first row ("" when there is none).
std::string Primera(sqlite3* db, const char* sSql) {
    Sentencia st(db, sSql);
    return st.Paso() ? st.Texto(0) : std::string();
}

// The register holds account numbers: only its owner may read it, whatever the umask, and an
// older file readable by others is closed to them. SQLite gives its log files the same mode.
void SoloPropietario(const std::string& sRuta) {
    const int fd = open(sRuta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd >= 0) {
        fchmod(fd, S_IRUSR | S_IWUSR);
        close(fd);
    }
}

ResultadoRegistro Fallo(const std::string& sError) {
    return {EstadoRegistro::kFallo, {}, sError};
}

}  // namespace

std::string RutaRegistro() {
    return FolderOf(RutaFicheroConfiguracion()) + "/registro.sqlite";
}

CRegistro::CRegistro(std::string sRuta) : m_sRuta(std::move(sRuta)) {
    Abrir();
}

CRegistro::~CRegistro() {
    Cerrar(Copia::kCon);
}

// Every statement lives within the call that made it, so none is left here; one left by a
// fault is finalized all the same, for the connection to close for good. The last connection
// to the file, of any process, then copies the log into the file and removes it, so that the
// file alone holds the register. A damaged file is closed without that copy: it is never
// written to.
void CRegistro::Cerrar(Copia copia) {
    if (m_db == nullptr) {
        return;
    }
    sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, copia == Copia::kSin ? 1 : 0,
                      nullptr);
    while (sqlite3_stmt* st = sqlite3_next_stmt(m_db, nullptr)) {
        sqlite3_finalize(st);
    }
    sqlite3_close(m_db);
    m_db = nullptr;
}

// The opening runs under a lock beside the file: another process that is creating, converting
// or migrating the same register meanwhile would otherwise show this one a file half written,
// to be taken for damaged, or a journal mode that cannot change yet. Without a lock file (a
// folder that cannot be written) the opening goes on: it can only read.
void CRegistro::Abrir() {
    if (!CreateFolders(FolderOf(m_sRuta))) {
        m_apertura = Fallo(std::string("cannot create the folder: ") + std::strerror(errno));
        return;
    }
    const FileLock bloqueo(m_sRuta);
    if (CabeceraDanada(m_sRuta)) {
        ApartarYEmpezar();
        return;
    }
    try {
        AbrirFichero();
    } catch (const ErrorSql& e) {
        Cerrar(Copia::kSin);
        if (e.Danado()) {
            ApartarYEmpezar();
        } else {
            m_apertura = Fallo(e.sTexto);
        }
    }
}

// Throws ErrorSql when the file cannot be opened as a register.
bool CRegistro::AbrirFichero() {
    SoloPropietario(m_sRuta);
    const int rc = sqlite3_open_v2(m_sRuta.c_str(), &m_db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        Fallar(m_db, rc);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, kEsperaOcupadoMs);
    // Nothing is written before the file is known to be a sound register.
    ComprobarVersion(m_db);
    const std::string sHoy = Hoy();
    const bool bComprobar = ComprobacionPendiente(m_db, sHoy);
    if ((bComprobar || EscribeAlAbrir(m_db)) && Primera(m_db, "PRAGMA quick_check(1)") != "ok") {
        throw ErrorSql{SQLITE_CORRUPT, "the register fails its check"};
    }
    if (Primera(m_db, "PRAGMA journal_mode = WAL") != "wal") {
        throw ErrorSql{SQLITE_CANTOPEN, "the register cannot keep a write-ahead log"};
    }
    Ejecutar(m_db, "PRAGMA synchronous = FULL");
    Ejecutar(m_db, "PRAGMA foreign_keys = ON");
    Migrar(m_db);
    if (bComprobar) {
        AnotarComprobacion(m_db, sHoy);
    }
    m_apertura = {};
    return true;
}

// Sets the damaged file aside and starts a new one in its place.
bool CRegistro::ApartarYEmpezar() {
    Cerrar(Copia::kSin);
    const std::string sApartado = Apartar(m_sRuta);
    if (sApartado.empty()) {
        m_apertura =
            Fallo("the damaged register cannot be set aside: " + std::string(std::strerror(errno)));
        return false;
    }
    try {
        AbrirFichero();
    } catch (const ErrorSql& e) {
        Cerrar(Copia::kSin);
        m_apertura = Fallo(e.sTexto);
        return false;
    }
    m_apertura = {EstadoRegistro::kApartado, sApartado, {}};
    return true;
}
