// The register copied into another file through SQLite's online backup: a consistent picture of
// it however many processes write meanwhile, and a destination that is either the old file or
// the whole new copy, never half of one.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "register/registro.h"
#include "register/registro_sql.h"
#include "settings/fichero_posix.h"

using namespace registro;

namespace {

constexpr int kEsperaMs = 50;
constexpr int kIntentos = 200;  // ten seconds of a source too busy to be read

// An empty file beside the destination, for the copy to be written into before it replaces it;
// only its owner may read it, as the register holds personal data.
std::string TemporalJunto(const std::string& sDestino) {
    const auto nBarra = sDestino.rfind('/');
    const std::size_t nNombre = nBarra == std::string::npos ? 0 : nBarra + 1;
    std::string sPlantilla =
        sDestino.substr(0, nNombre) + "." + sDestino.substr(nNombre) + ".XXXXXX";
    const int fd = mkstemp(sPlantilla.data());
    if (fd < 0) {
        return {};
    }
    close(fd);
    return sPlantilla;
}

bool Sincronizar(const std::string& sRuta, int nModo) {
    const int fd = open(sRuta.c_str(), nModo | O_CLOEXEC);
    const bool bHecho = fd >= 0 && fsync(fd) == 0;
    if (fd >= 0) {
        close(fd);
    }
    return bHecho;
}

// The copy of the source's pages, retried while another connection holds a lock that keeps
// them from being read.
void CopiarPaginas(sqlite3* destino, sqlite3* origen) {
    sqlite3_backup* copia = sqlite3_backup_init(destino, "main", origen, "main");
    if (copia == nullptr) {
        Fallar(destino, sqlite3_extended_errcode(destino));
    }
    int rc = SQLITE_OK;
    for (int n = 0; n < kIntentos; ++n) {
        rc = sqlite3_backup_step(copia, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED) {
            break;
        }
        sqlite3_sleep(kEsperaMs);
    }
    sqlite3_backup_finish(copia);
    if (rc != SQLITE_DONE) {
        Fallar(nullptr, rc);
    }
}

// The copy into the file sTemporal, made a file of its own (the source's log mode does not
// follow it) and checked whole.
void EscribirCopia(sqlite3* origen, const std::string& sTemporal) {
    sqlite3* destino = nullptr;
    const int rc = sqlite3_open_v2(sTemporal.c_str(), &destino, SQLITE_OPEN_READWRITE, nullptr);
    try {
        if (rc != SQLITE_OK) {
            Fallar(destino, rc);
        }
        CopiarPaginas(destino, origen);
        Sentencia modo(destino, "PRAGMA journal_mode = DELETE");
        if (!modo.Paso() || modo.Texto(0) != "delete") {
            throw ErrorSql{SQLITE_ERROR, "the copy cannot leave the write-ahead log"};
        }
        Sentencia comprobacion(destino, "PRAGMA quick_check(1)");
        if (!comprobacion.Paso() || comprobacion.Texto(0) != "ok") {
            throw ErrorSql{SQLITE_CORRUPT, "the copy fails its check"};
        }
    } catch (const ErrorSql&) {
        sqlite3_close_v2(destino);
        throw;
    }
    if (sqlite3_close(destino) != SQLITE_OK) {
        throw ErrorSql{SQLITE_ERROR, "the copy cannot be closed"};
    }
}

}  // namespace

ResultadoRegistro CRegistro::Copiar(const std::string& sDestino) {
    if (m_apertura.estado == EstadoRegistro::kFallo) {
        return m_apertura;
    }
    const std::string sTemporal = TemporalJunto(sDestino);
    if (sTemporal.empty()) {
        return {EstadoRegistro::kFallo, {}, std::strerror(errno)};
    }
    try {
        EscribirCopia(m_db, sTemporal);
    } catch (const ErrorSql& e) {
        unlink(sTemporal.c_str());
        unlink((sTemporal + "-journal").c_str());
        return {EstadoRegistro::kFallo, {}, e.sTexto};
    }
    if (!Sincronizar(sTemporal, O_RDONLY) ||
        std::rename(sTemporal.c_str(), sDestino.c_str()) != 0) {
        const int nError = errno;
        unlink(sTemporal.c_str());
        return {EstadoRegistro::kFallo, {}, std::strerror(nError)};
    }
    Sincronizar(FolderOf(sDestino), O_RDONLY | O_DIRECTORY);
    return m_apertura;
}
