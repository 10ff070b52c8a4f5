// A process killed with SIGKILL at random moments while it registers jobs leaves a register
// that opens, passes integrity_check, and holds every job it completed, whole, and no part of
// the job it was in. Two processes registering at once lose nothing.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "register/registro.h"
#include "tests/register/core/recibos_prueba.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/procesos.h"

namespace {

constexpr int kMuertes = 120;
constexpr int kEsperaMaximaMs = 150;

// The size of job j of round k; the checker recomputes it for jobs it was never told about.
int TamanoTrabajo(int k, int j) {
    return 1 + (k * 31 + j * 17) % 25;
}

std::string Clave(int k, int j) {
    return "/" + std::to_string(k) + "-" + std::to_string(j);
}

// What the child tells: it starts job j, or it completed it.
struct Hecho {
    std::int32_t k;
    std::int32_t j;
    std::int32_t bCompleto;
};

// The child: registers jobs one after another and tells the parent of each completed one,
// until it is killed (or, failing that, after a few seconds).
int RegistrarSinFin(const std::string& sRuta, int k, int fdAviso) {
    CRegistro registro(sRuta);
    const auto fin = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (int j = 0; std::chrono::steady_clock::now() < fin; ++j) {
        std::vector<ReciboRegistrado> trabajo =
            TrabajoDePrueba(j, TamanoTrabajo(k, j), Clave(k, j));
        Avisar(fdAviso, Hecho{k, j, 0});
        if (registro.Registrar(trabajo).estado != EstadoRegistro::kCorrecto) {
            return 3;
        }
        Avisar(fdAviso, Hecho{k, j, 1});
    }
    return 0;
}

// Receipts per job key, read straight from the file.
std::map<std::string, int> RecibosPorTrabajo(const std::string& sRuta) {
    std::map<std::string, int> cuenta;
    sqlite3* db = nullptr;
    sqlite3_open_v2(sRuta.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT substr(numero, instr(numero, '/')), count(*) FROM recibos "
                       "GROUP BY 1",
                       -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        cuenta[reinterpret_cast<const char*>(sqlite3_column_text(st, 0))] =
            sqlite3_column_int(st, 1);
    }
    sqlite3_finalize(st);
    sqlite3_close(db);
    return cuenta;
}

TEST(MuerteRegistro, KilledAtRandomMomentsTheRegisterHoldsWholeJobsOnly) {
    CarpetaTemporal carpeta;
    const std::string sRuta = carpeta.Ruta() + "/registro.sqlite";
    std::mt19937 azar(20261209);
    int nAvisados = 0, nSinAviso = 0, nMuertosAlAbrir = 0, nMuertosEnUnTrabajo = 0;
    std::map<std::string, int> esperados;  // every job the children said they completed
    for (int k = 0; k < kMuertes; ++k) {
        ProcesoHijo hijo([&sRuta, k](int fdAviso) { return RegistrarSinFin(sRuta, k, fdAviso); });
        ASSERT_TRUE(hijo.Iniciado());
        std::this_thread::sleep_for(std::chrono::microseconds(azar() % (kEsperaMaximaMs * 1000UL)));
        const int nEstado = hijo.Matar();
        ASSERT_TRUE(WIFSIGNALED(nEstado))
            << "round " << k << " ended by itself: " << WEXITSTATUS(nEstado);
        const std::vector<Hecho> hechos = hijo.LeerTodo<Hecho>();
        nMuertosAlAbrir += hechos.empty() ? 1 : 0;
        nMuertosEnUnTrabajo += !hechos.empty() && hechos.back().bCompleto == 0 ? 1 : 0;
        for (const Hecho& h : hechos) {
            if (h.bCompleto != 0) {
                esperados[Clave(h.k, h.j)] = TamanoTrabajo(h.k, h.j);
                ++nAvisados;
            }
        }

        {
            CRegistro registro(sRuta);
            ASSERT_EQ(registro.Apertura().estado, EstadoRegistro::kCorrecto)
                << "round " << k << ": " << registro.Apertura().sError;
        }
        ASSERT_EQ(ComprobarIntegridad(sRuta), "ok") << "round " << k;
        ASSERT_EQ(TrabajosIncompletos(sRuta), 0) << "round " << k;
        const std::map<std::string, int> hallados = RecibosPorTrabajo(sRuta);
        for (const auto& [sClave, nTamano] : esperados) {
            const auto it = hallados.find(sClave);
            ASSERT_TRUE(it != hallados.end()) << "completed job " << sClave << " lost";
            ASSERT_EQ(it->second, nTamano) << "job " << sClave;
        }
        for (const auto& [sClave, nRecibos] : hallados) {
            if (esperados.count(sClave) == 0) {
                // committed just before the kill, not yet told: it must be whole too
                const int kk = std::stoi(sClave.substr(1));
                const int jj = std::stoi(sClave.substr(sClave.find('-') + 1));
                ASSERT_EQ(nRecibos, TamanoTrabajo(kk, jj)) << "job " << sClave;
            }
        }
    }
    for (const auto& hallado : RecibosPorTrabajo(sRuta)) {
        nSinAviso += esperados.count(hallado.first) == 0 ? 1 : 0;
    }
    std::printf(
        "kills: %d (%d while opening, %d inside a job), jobs completed and told: %d, "
        "committed but not told before the kill: %d, receipts in the register: %lld\n",
        kMuertes, nMuertosAlAbrir, nMuertosEnUnTrabajo, nAvisados, nSinAviso,
        static_cast<long long>(ContarFilas(sRuta, "recibos")));
    EXPECT_GT(nMuertosEnUnTrabajo, kMuertes / 4);  // the kills did land inside jobs
}

TEST(MuerteRegistro, TwoProcessesRegisteringAtOnceLoseNothing) {
    CarpetaTemporal carpeta;
    const std::string sRuta = carpeta.Ruta() + "/registro.sqlite";
    constexpr int kTrabajos = 150;
    const auto registrar = [&sRuta](const std::string& sQuien) {
        return [&sRuta, sQuien] {
            CRegistro registro(sRuta);
            int nFallos = 0;
            for (int j = 0; j < kTrabajos; ++j) {
                std::vector<ReciboRegistrado> trabajo =
                    TrabajoDePrueba(j * 3, 3, sQuien + std::to_string(j));
                nFallos += registro.Registrar(trabajo).estado == EstadoRegistro::kCorrecto ? 0 : 1;
            }
            return std::min(nFallos, 100);
        };
    };
    for (const int nEstado : EjecutarALaVez({registrar("/A"), registrar("/B")})) {
        ASSERT_TRUE(WIFEXITED(nEstado));
        EXPECT_EQ(WEXITSTATUS(nEstado), 0) << "failed jobs";
    }
    EXPECT_EQ(ComprobarIntegridad(sRuta), "ok");
    EXPECT_EQ(ContarFilas(sRuta, "trabajos"), 2 * kTrabajos);
    EXPECT_EQ(ContarFilas(sRuta, "recibos"), 2 * kTrabajos * 3);
    EXPECT_EQ(TrabajosIncompletos(sRuta), 0);
}

}  // namespace
