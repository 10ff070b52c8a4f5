#include "tests/support/procesos.h"

#include <signal.h>  // NOLINT(modernize-deprecated-headers): POSIX kill, not C's header
#include <sys/wait.h>

#include <deque>

namespace {

void CerrarSiAbierto(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

[[noreturn]] void EjecutarEnElHijo(const std::function<int(int)>& tarea, int fdAviso) {
    int nEstado = ProcesoHijo::kExcepcion;
    try {
        nEstado = tarea(fdAviso);
    } catch (...) {
    }
    _exit(nEstado);
}

}  // namespace

ProcesoHijo::ProcesoHijo(const std::function<int(int fdAviso)>& tarea) {
    int fds[2];
    if (pipe(fds) != 0) {
        return;
    }
    m_pid = fork();
    if (m_pid == 0) {
        close(fds[0]);
        EjecutarEnElHijo(tarea, fds[1]);
    }
    close(fds[1]);
    m_fdLectura = fds[0];
}

ProcesoHijo::~ProcesoHijo() {
    Matar();
    CerrarSiAbierto(m_fdLectura);
}

int ProcesoHijo::Matar() {
    if (Iniciado() && !m_bEsperado) {
        kill(m_pid, SIGKILL);
    }
    return Esperar();
}

int ProcesoHijo::Esperar() {
    if (Iniciado() && !m_bEsperado) {
        waitpid(m_pid, &m_nEstado, 0);
        m_bEsperado = true;
    }
    return m_nEstado;
}

bool ProcesoHijo::LeerBytes(void* pDestino, std::size_t nBytes) {
    return m_fdLectura >= 0 && read(m_fdLectura, pDestino, nBytes) == static_cast<ssize_t>(nBytes);
}

std::vector<int> EjecutarALaVez(const std::vector<std::function<int()>>& tareas) {
    int fds[2];
    if (pipe(fds) != 0) {
        return std::vector<int>(tareas.size(), -1);
    }
    std::deque<ProcesoHijo> hijos;
    for (const std::function<int()>& tarea : tareas) {
        hijos.emplace_back([&tarea, fds](int) {
            // The child's own copy of the writing end would keep the pipe open for ever.
            close(fds[1]);
            char c;
            while (read(fds[0], &c, 1) > 0) {
            }
            return tarea();
        });
    }
    // The start: every child's read ends.
    close(fds[0]);
    close(fds[1]);
    std::vector<int> estados;
    estados.reserve(hijos.size());
    for (ProcesoHijo& hijo : hijos) {
        estados.push_back(hijo.Esperar());
    }
    return estados;
}
