// Times of the settings store on a full file (100 pairs), in the settings folder given by
// BRIXAMO_HOME or in a fresh temporary one. Prints median and 95th percentile per case with
// its target; the exit status is 1 when a median misses its target.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "settings/esquema.h"
#include "settings/ficherostxt.h"

namespace {

using Reloj = std::chrono::steady_clock;

struct Medida {
    double dMediana;
    double dP95;
};

// Microseconds per run of `paso`, over `n` runs.
Medida Medir(int n, const std::function<void(int)>& paso) {
    std::vector<double> tiempos;
    tiempos.reserve(n);
    for (int i = 0; i < n; ++i) {
        const auto t0 = Reloj::now();
        paso(i);
        tiempos.push_back(std::chrono::duration<double, std::micro>(Reloj::now() - t0).count());
    }
    std::sort(tiempos.begin(), tiempos.end());
    return {tiempos[tiempos.size() / 2], tiempos[tiempos.size() * 95 / 100]};
}

bool Informar(const char* sCaso, const Medida& m, double dObjetivo) {
    const bool bCumple = m.dMediana < dObjetivo;
    std::printf("%-44s median %10.1f us   p95 %10.1f us   target < %8.0f us  %s\n", sCaso,
                m.dMediana, m.dP95, dObjetivo, bCumple ? "ok" : "MISSED");
    return bCumple;
}

// The form's section, with made-up keys that fill the file.
const char* const kSeccion = ajustes::kSeccionConceptos;

std::string Clave(int n) {
    return "IDC_EDIT_CLAVE_" + std::to_string(n);
}

// 100 pairs of realistic length.
void LlenarFichero() {
    std::vector<std::pair<std::string, std::string>> pares;
    pares.reserve(100);
    for (int n = 0; n < 100; ++n) {
        pares.emplace_back(Clave(n), "Valor de la clave numero " + std::to_string(n));
    }
    EscribirValores(kSeccion, pares);
}

std::vector<std::pair<std::string, std::string>> ReciboCompleto(int nVuelta) {
    std::vector<std::pair<std::string, std::string>> pares;
    pares.reserve(23);
    for (int n = 0; n < 23; ++n) {
        pares.emplace_back(Clave(n),
                           "Recibo " + std::to_string(nVuelta) + " campo " + std::to_string(n));
    }
    return pares;
}

// The disk's floor for a durable replacement: write, fsync, rename, fsync of the folder,
// with no parsing and no lock.
void ReemplazoCrudo(const std::string& sCarpeta, const std::string& sBytes) {
    const std::string sTemporal = sCarpeta + "/suelo.tmp";
    const int fd = open(sTemporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || write(fd, sBytes.data(), sBytes.size()) < 0 || fsync(fd) != 0) {
        std::abort();
    }
    close(fd);
    std::rename(sTemporal.c_str(), (sCarpeta + "/suelo.inf").c_str());
    const int fdCarpeta = open(sCarpeta.c_str(), O_RDONLY | O_DIRECTORY);
    fsync(fdCarpeta);
    close(fdCarpeta);
}

}  // namespace

int main() {
    std::string sCarpeta;
    if (const char* s = std::getenv("BRIXAMO_HOME"); s == nullptr || *s == '\0') {
        std::string sPlantilla =
            (std::filesystem::temp_directory_path() / "brixamo-bench-XXXXXX").string();
        if (mkdtemp(sPlantilla.data()) == nullptr) {
            return 2;
        }
        sCarpeta = sPlantilla;
        setenv("BRIXAMO_HOME", sCarpeta.c_str(), 1);
    }
    std::printf("settings file: %s\n", RutaFicheroConfiguracion().c_str());
    LlenarFichero();

    bool bTodo = true;
    bTodo &= Informar("keyed read, 100-pair file",
                      Medir(2000, [](int i) { LeerValor(kSeccion, Clave(i % 100), ""); }), 50);
    bTodo &= Informar("45 keyed reads (form start-up)",
                      Medir(200,
                            [](int) {
                                for (int n = 0; n < 45; ++n) {
                                    LeerValor(kSeccion, Clave(n * 2), "");
                                }
                            }),
                      5000);
    const std::string sSuelo(5000, 'x');
    const std::string sCarpetaFichero =
        std::filesystem::path(RutaFicheroConfiguracion()).parent_path().string();
    Informar("disk floor: 5 KB durable replace (ref.)",
             Medir(200, [&](int) { ReemplazoCrudo(sCarpetaFichero, sSuelo); }), 1e9);
    bTodo &= Informar(
        "keyed write with fsync, 100-pair file",
        Medir(200, [](int i) { EscribirValor(kSeccion, Clave(i % 100), std::to_string(i)); }),
        5000);
    bTodo &=
        Informar("receipt save, 23 keys in one EscribirValores",
                 Medir(100, [](int i) { EscribirValores(kSeccion, ReciboCompleto(i)); }), 10000);
    Informar("receipt save, 23 single EscribirValor (ref.)",
             Medir(20,
                   [](int i) {
                       for (const auto& [sClave, sValor] : ReciboCompleto(i)) {
                           EscribirValor(kSeccion, sClave, sValor);
                       }
                   }),
             1e9);

    if (!sCarpeta.empty()) {
        std::filesystem::remove_all(sCarpeta);
    }
    return bTodo ? 0 : 1;
}
