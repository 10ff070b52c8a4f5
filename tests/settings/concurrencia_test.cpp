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

using namespace std::string_literals;

namespace {

constexpr int kClaves = 30;

std::string Clave(int n) {
    return "K" + std::to_string(n % kClaves);
}

// The file the store wrote: pairs of lines and exactly one NUL, at the end.
bool FormatoIntacto(const std::string& sBytes) {
    if (sBytes.size() < 2 || sBytes.find('\0') != sBytes.size() - 1 ||
        sBytes[sBytes.size() - 2] != '\n') {
        return false;
    }
    std::size_t nLineas = 0;
    for (const char c : sBytes) {
        nLineas += c == '\n';
    }
    return nLineas % 2 == 0;
}

// Writes n = nDesde, nDesde+1, ... under key n % kClaves, reporting each completed write.
[[noreturn]] void Escritor(int nDesde, int fdAviso) {
    for (int n = nDesde;; ++n) {
        EscribirValor("Crash", Clave(n), std::to_string(n));
        if (write(fdAviso, &n, sizeof n) != sizeof n) {
            _exit(1);
        }
    }
}

// The last completed write the killed child reported, or nDesde - 1.
int UltimoCompletado(int fdLectura, int nDesde) {
    int nUltimo = nDesde - 1, n = 0;
    while (read(fdLectura, &n, sizeof n) == sizeof n) {
        nUltimo = n;
    }
    return nUltimo;
}

TEST(Concurrencia, WriterKilledAtRandomMomentsLosesNothingCompleted) {
    CarpetaTemporal carpeta;
    std::mt19937 azar(20261209);
    std::map<std::string, int> esperado;  // key -> value of the last completed write
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
        std::this_thread::sleep_for(std::chrono::microseconds(azar() % 4000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const int nUltimo = UltimoCompletado(fds[0], nSiguiente);
        close(fds[0]);
        for (int n = nSiguiente; n <= nUltimo; ++n) {
            esperado[Clave(n)] = n;
        }
        // The write in flight may or may not have landed; either is whole.
        const int nEnVuelo = nUltimo + 1;
        const std::string sBytes = BytesDe(carpeta.Fichero());
        if (esperado.empty() && sBytes.empty()) {
            continue;
        }
        ASSERT_TRUE(FormatoIntacto(sBytes)) << "kill " << nMuerte;
        for (const auto& [sClave, nValor] : esperado) {
            const std::string sLeido = LeerValor("Crash", sClave, "-");
            if (sClave == Clave(nEnVuelo) && sLeido == std::to_string(nEnVuelo)) {
                continue;
            }
            ASSERT_EQ(sLeido, std::to_string(nValor)) << "kill " << nMuerte << " " << sClave;
        }
        if (LeerValor("Crash", Clave(nEnVuelo), "-") == std::to_string(nEnVuelo)) {
            esperado[Clave(nEnVuelo)] = nEnVuelo;
        }
        nSiguiente = nEnVuelo + 1;
    }
    EXPECT_GT(nSiguiente, 200);  // the children did write between the kills
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
                EscribirValor("Dos", std::string(1, char('A' + h)) + std::to_string(n),
                              std::to_string(n));
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
    for (int h = 0; h < 2; ++h) {
        for (int n = 0; n < 40; ++n) {
            EXPECT_EQ(LeerValor("Dos", std::string(1, char('A' + h)) + std::to_string(n), "-"),
                      std::to_string(n));
        }
    }
}

}  // namespace
