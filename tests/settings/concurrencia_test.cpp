// Writers killed at random moments and writers running at the same time.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <string>
#include <thread>

#include "settings/ficherostxt.h"
#include "tests/settings/carpeta_temporal.h"

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
        if (write(fdAviso, &n, sizeof n) != sizeof n) {
            _exit(1);
        }
    }
}

// The next completed write the child reports; false once the child is gone.
bool Aviso(int fd, int& n) {
    return read(fd, &n, sizeof n) == sizeof n;
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
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            close(fds[0]);
            Escritor(nSiguiente, fds[1]);
        }
        close(fds[1]);
        int nUltimo = nSiguiente - 1;
        auto inicio = Reloj::now();
        for (unsigned nEsperas = azar() % 3; nEsperas > 0; --nEsperas) {
            ASSERT_TRUE(Aviso(fds[0], nUltimo)) << "the writer stopped, kill " << nMuerte;
            duracion = Reloj::now() - inicio;
            inicio = Reloj::now();
        }
        std::this_thread::sleep_for(duracion * static_cast<int>(azar() % 1000) / 1000);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        while (Aviso(fds[0], nUltimo)) {
        }
        close(fds[0]);
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
    int salida[2];
    ASSERT_EQ(pipe(salida), 0);
    pid_t hijos[2];
    for (int h = 0; h < 2; ++h) {
        hijos[h] = fork();
        ASSERT_GE(hijos[h], 0);
        if (hijos[h] == 0) {
            close(salida[1]);
            char c;
            // Both start when the parent closes the pipe.
            while (read(salida[0], &c, 1) > 0) {
            }
            for (int n = 0; n < 40; ++n) {
                EscribirValor("Dos", Clave(char('A' + h), n), std::to_string(n));
            }
            _exit(0);
        }
    }
    close(salida[0]);
    close(salida[1]);
    for (const pid_t pid : hijos) {
        int nEstado = 0;
        waitpid(pid, &nEstado, 0);
        EXPECT_TRUE(WIFEXITED(nEstado) && WEXITSTATUS(nEstado) == 0);
    }
    for (int n = 0; n < 80; ++n) {
        EXPECT_EQ(LeerValor("Dos", Clave(char('A' + n / 40), n % 40), "-"), std::to_string(n % 40));
    }
}

}  // namespace
