// Arbitrary bytes as the register's file and its write-ahead log, opened as every command opens
// the register. A file that is not a sound register is set aside exactly as it was, with its
// log, and never written to; a register that fails to open is left as it was; one that opens
// is listed, read and written without a fault.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "register/registro.h"
#include "tests/fuzz/comprobar.h"
#include "tests/fuzz/registro_troceado.h"
#include "tests/support/carpeta_temporal.h"

namespace {

std::string g_sCarpeta;

std::string Ruta() {
    return g_sCarpeta + "/registro.sqlite";
}

void VaciarCarpeta() {
    DIR* dir = opendir(g_sCarpeta.c_str());
    while (const dirent* e = dir != nullptr ? readdir(dir) : nullptr) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
            unlink((g_sCarpeta + "/" + e->d_name).c_str());
        }
    }
    if (dir != nullptr) {
        closedir(dir);
    }
}

void Poner(const std::string& sRuta, const std::string& sBytes, bool bSiVacio) {
    if (!sBytes.empty() || bSiVacio) {
        PonerBytes(sRuta, sBytes);
    }
}

bool Existe(const std::string& sRuta) {
    return access(sRuta.c_str(), F_OK) == 0;
}

// What a register that opened is used for: listings, reads and one more job.
void Usar(CRegistro& registro) {
    std::size_t nRecibos = 0;
    registro.Recorrer({}, OrdenRegistro::kRecientesPrimero,
                      [&nRecibos](const ReciboRegistrado&) { ++nRecibos; });
    FiltroRegistro filtro;
    filtro.sPagador = "ana";
    filtro.sNumero = "1";
    filtro.sDesde = "2000-01-01";
    filtro.nMaximo = 3;
    registro.Recorrer(filtro, OrdenRegistro::kAntiguosPrimero, [](const ReciboRegistrado&) {});
    registro.Leer(1);
    registro.UltimoConNumero("1", 2026);
    std::vector<ReciboRegistrado> trabajo(2);
    trabajo[0].recibo.sNumero = "1";
    trabajo[1].recibo.sPagador1 = "Ana";
    const ResultadoRegistro r = registro.Registrar(trabajo);
    Comprobar(r.estado != EstadoRegistro::kCorrecto || (trabajo[0].nId > 0 && trabajo[1].nId > 0),
              "a registered job has its ids");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // On a memory file system when there is one: the register flushes every write to disk.
    char sPlantilla[] = "/dev/shm/brixamo-fuzz-XXXXXX";
    char sOtra[] = "/tmp/brixamo-fuzz-XXXXXX";
    const char* sCarpeta = mkdtemp(sPlantilla);
    g_sCarpeta = sCarpeta != nullptr ? sCarpeta : mkdtemp(sOtra);
    std::atexit([] {
        VaciarCarpeta();
        rmdir(g_sCarpeta.c_str());
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RegistroTroceado entrada =
        Trocear(std::string(reinterpret_cast<const char*>(data), size));
    VaciarCarpeta();
    Poner(Ruta(), entrada.sFichero, entrada.bFicheroVacio);
    Poner(Ruta() + "-wal", entrada.sDiario, false);

    CRegistro registro(Ruta());
    const ResultadoRegistro& apertura = registro.Apertura();
    switch (apertura.estado) {
        case EstadoRegistro::kApartado:
            Comprobar(BytesDe(apertura.sApartado) == entrada.sFichero,
                      "a damaged file is set aside as it was");
            Comprobar(
                entrada.sDiario.empty() || BytesDe(apertura.sApartado + "-wal") == entrada.sDiario,
                "its log is set aside as it was");
            Comprobar(Existe(Ruta()), "a new register takes its place");
            Usar(registro);
            break;
        case EstadoRegistro::kFallo:
            Comprobar(BytesDe(Ruta()) == entrada.sFichero, "a register that fails is not written");
            Comprobar(entrada.sDiario.empty() || BytesDe(Ruta() + "-wal") == entrada.sDiario,
                      "nor is its log");
            break;
        case EstadoRegistro::kCorrecto:
            Usar(registro);
            break;
    }
    return 0;
}
