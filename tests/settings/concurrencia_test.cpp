// Writers killed at random moments and writers running at the same time.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "settings/ficherostxt.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/procesos.h"

namespace {

using Reloj = std::chrono::steady_clock;

// A key of one letter and a number ("K7", "B39"), the number appended to the letter: a
// concatenation that inserts the letter before the number's text makes GCC 12 warn, wrongly,
// of overlapping copies (-Wrestrict).
std::string Clave(char cLetra, int n) {
    std::string sClave(1, cLetra);
    sClave += std::to_string(n);
    return sClave;
}

// The crash test writes thirty keys in turn.
std::string Clave(int n) {
    return Clave('K', n % 30);
}

// Writes n = nDesde, nDesde+1, ... under Clave(n), reporting each completed write.
[[noreturn]] void Escritor(int nDesde, int fdAviso) {
    for (int n = nDesde;; ++n) {
        EscribirValor("Crash", Clave(n), std::to_string(n));
        Avisar(fdAviso, n);
    }
}

// The kill lands at a random point of a write: after 0 to 2 reported writes, a random fraction
// of the last write's duration later. Measuring the duration keeps the kill moments spread
// over whole writes however slow the disk is.
TEST(Concurrencia, WriterKilledAtRandomMomentsLosesNothingCompleted) {
    CarpetaTemporal carpeta;
    std::mt19937 azar(20261209);
    std::map<std::string, int> esperado;  // key -> value of the last completed write
    Reloj::duration duracion = std::chrono::milliseconds(2);
    int nSiguiente = 0;
    for (int nMuerte = 0; nMuerte < 200; ++nMuerte) {
        ProcesoHijo hijo([nSiguiente](int fdAviso) -> int { Escritor(nSiguiente, fdAviso); });
        ASSERT_TRUE(hijo.Iniciado());
        int nUltimo = nSiguiente - 1;
        auto inicio = Reloj::now();
        for (unsigned nEsperas = azar() % 3; nEsperas > 0; --nEsperas) {
            ASSERT_TRUE(hijo.Leer(nUltimo)) << "the writer stopped, kill " << nMuerte;
            duracion = Reloj::now() - inicio;
            inicio = Reloj::now();
        }
        std::this_thread::sleep_for(duracion * static_cast<int>(azar() % 1000) / 1000);
        hijo.Matar();
        while (hijo.Leer(nUltimo)) {
        }
        for (int n = nSiguiente; n <= nUltimo; ++n) {
            esperado[Clave(n)] = n;
        }
        // The write in flight may or may not have landed; either is whole.
        const int nEnVuelo = nUltimo + 1;
        const std::string sBytes = BytesDe(carpeta.Fichero());
        if (!(esperado.empty() && sBytes.empty())) {
            ASSERT_TRUE(FormatoIntacto(sBytes)) << "kill " << nMuerte;
        }
        if (LeerValor("Crash", Clave(nEnVuelo), "-") == std::to_string(nEnVuelo)) {
            esperado[Clave(nEnVuelo)] = nEnVuelo;
        }
        for (const auto& [sClave, nValor] : esperado) {
            ASSERT_EQ(LeerValor("Crash", sClave, "-"), std::to_string(nValor))
                << "kill " << nMuerte << " " << sClave;
        }
        nSiguiente = nEnVuelo + 1;
    }
}

TEST(Concurrencia, TwoProcessesWritingAtOnceKeepAllTheirKeys) {
    CarpetaTemporal carpeta;
    const auto escribir = [](char cLetra) {
        return [cLetra] {
            for (int n = 0; n < 40; ++n) {
                EscribirValor("Dos", Clave(cLetra, n), std::to_string(n));
            }
            return 0;
        };
    };
    for (const int nEstado : EjecutarALaVez({escribir('A'), escribir('B')})) {
        EXPECT_TRUE(WIFEXITED(nEstado) && WEXITSTATUS(nEstado) == 0);
    }
    for (int n = 0; n < 80; ++n) {
        EXPECT_EQ(LeerValor("Dos", Clave(char('A' + n / 40), n % 40), "-"), std::to_string(n % 40));
    }
}

}  // namespace
