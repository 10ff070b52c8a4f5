// Writes the register fuzzer's seeds into the folder given: small registers as the program
// makes them (pages of 512 bytes, and one of the usual 4096), empty and with receipts, one with
// its write-ahead log, one cut short, one of a newer version and another program's database.
// The full check is left due in each, so that opening one runs it.
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "register/registro.h"
#include "tests/fuzz/registro_troceado.h"
#include "tests/support/carpeta_temporal.h"

namespace {

bool Sql(const std::string& sRuta, const char* sSql, bool bSinCopiarDiario = false) {
    sqlite3* db = nullptr;
    bool bHecho = sqlite3_open(sRuta.c_str(), &db) == SQLITE_OK;
    if (bSinCopiarDiario) {
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
    bHecho = bHecho && sqlite3_exec(db, sSql, nullptr, nullptr, nullptr) == SQLITE_OK;
    return sqlite3_close(db) == SQLITE_OK && bHecho;
}

ReciboRegistrado Recibo(int n) {
    ReciboRegistrado r;
    r.recibo.sNumero = "R-" + std::to_string(n);
    r.recibo.sPagador1 = "Ana P\xE9rez " + std::to_string(n);
    r.recibo.sConcepto1 = "Cuota";
    r.recibo.cuI1.SetValor(125000 * n);
    r.recibo.cuImporte = r.recibo.cuI1;
    r.ajustes = {"Euro", "\x80", 2, ",", ".", 3, 3, 0, '#'};
    r.sImportes = {"12,50", "", "", "", "", ""};
    r.sTotal = "12,50 \x80";
    return r;
}

// A register of nTrabajos jobs of two receipts, on pages of nPagina bytes.
bool Registro(const std::string& sRuta, int nPagina, int nTrabajos) {
    const std::string sPagina =
        "PRAGMA page_size = " + std::to_string(nPagina) + "; CREATE TABLE x (a); DROP TABLE x;";
    if (!Sql(sRuta, sPagina.c_str())) {
        return false;
    }
    {
        CRegistro registro(sRuta);
        for (int i = 0; i < nTrabajos; ++i) {
            std::vector<ReciboRegistrado> trabajo = {Recibo(2 * i + 1), Recibo(2 * i + 2)};
            if (registro.Registrar(trabajo).estado != EstadoRegistro::kCorrecto) {
                return false;
            }
        }
    }
    return Sql(sRuta, "UPDATE comprobacion SET dia = ''");
}

void Semilla(const std::string& sCarpeta, const char* sNombre, const std::string& sDiario,
             const std::string& sFichero) {
    PonerBytes(sCarpeta + "/" + sNombre, Juntar(sDiario, sFichero));
}

void Borrar(const std::string& sRuta) {
    for (const char* sSufijo : {"", "-wal", "-shm", ".lock"}) {
        unlink((sRuta + sSufijo).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string sCarpeta = argv[1];
    const std::string sRuta = sCarpeta + "/registro.tmp";
    struct Caso {
        const char* sNombre;
        int nPagina;
        int nTrabajos;
    };
    for (const Caso& c :
         {Caso{"vacio-512", 512, 0}, Caso{"recibos-512", 512, 2}, Caso{"recibos-4096", 4096, 1}}) {
        Borrar(sRuta);
        if (!Registro(sRuta, c.nPagina, c.nTrabajos)) {
            std::fprintf(stderr, "cannot make the seed %s\n", c.sNombre);
            return 1;
        }
        Semilla(sCarpeta, c.sNombre, "", BytesDe(sRuta));
    }
    Borrar(sRuta);
    if (!Registro(sRuta, 512, 2) ||
        !Sql(sRuta, "UPDATE trabajos SET simbolo = '$'; DELETE FROM recibos WHERE orden = 2",
             true)) {
        std::fprintf(stderr, "cannot make the seed with a log\n");
        return 1;
    }
    Semilla(sCarpeta, "diario-512", BytesDe(sRuta + "-wal"), BytesDe(sRuta));
    const std::string sFichero = BytesDe(sRuta);
    Semilla(sCarpeta, "truncado-512", "", sFichero.substr(0, sFichero.size() / 2));
    Borrar(sRuta);
    if (!Registro(sRuta, 512, 0) || !Sql(sRuta, "PRAGMA user_version = 7")) {
        return 1;
    }
    Semilla(sCarpeta, "version-nueva-512", "", BytesDe(sRuta));
    Borrar(sRuta);
    if (!Sql(sRuta, "PRAGMA page_size = 512; CREATE TABLE otra (x); INSERT INTO otra VALUES (1)")) {
        return 1;
    }
    Semilla(sCarpeta, "otra-base-512", "", BytesDe(sRuta));
    Borrar(sRuta);
    return 0;
}
