// Child processes for tests that kill a process at work, or run several at once.
#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <cstddef>
#include <functional>
#include <vector>

// A child forked to run a task; what the task returns is the child's exit status. The child
// tells the parent of its progress by writing records of a fixed size (Avisar) to the pipe
// whose writing end the task gets.
class ProcesoHijo {
  public:
    // A task that throws ends the child with status kExcepcion.
    static constexpr int kExcepcion = 125;
    // A child that cannot tell its parent ends with status kSinPadre.
    static constexpr int kSinPadre = 124;

    explicit ProcesoHijo(const std::function<int(int fdAviso)>& tarea);
    // A child still running is killed; every child is waited for.
    ~ProcesoHijo();
    ProcesoHijo(const ProcesoHijo&) = delete;
    ProcesoHijo& operator=(const ProcesoHijo&) = delete;

    // False when the pipe or the fork failed.
    bool Iniciado() const { return m_pid > 0; }

    // The next record of the child's; false once the child has ended and all was read.
    template <class Aviso>
    bool Leer(Aviso& aviso) {
        return LeerBytes(&aviso, sizeof aviso);
    }
    // Every record still to come, until the child ends.
    template <class Aviso>
    std::vector<Aviso> LeerTodo() {
        std::vector<Aviso> avisos;
        for (Aviso aviso{}; Leer(aviso);) {
            avisos.push_back(aviso);
        }
        return avisos;
    }

    // Sends SIGKILL and waits: the wait status, as waitpid gives it (-1 when never started).
    int Matar();
    // Waits for the child to end: its wait status (-1 when never started).
    int Esperar();

  private:
    bool LeerBytes(void* pDestino, std::size_t nBytes);

    pid_t m_pid = -1;
    bool m_bEsperado = false;
    int m_nEstado = -1;
    int m_fdLectura = -1;
};

// In the child: one record to the parent. Ends the child when the parent no longer reads.
template <class Aviso>
void Avisar(int fdAviso, const Aviso& aviso) {
    if (write(fdAviso, &aviso, sizeof aviso) != static_cast<ssize_t>(sizeof aviso)) {
        _exit(ProcesoHijo::kSinPadre);
    }
}

// Runs the tasks in children that all start at once, and waits for them: their wait statuses,
// in order (-1 for a child that could not be started).
std::vector<int> EjecutarALaVez(const std::vector<std::function<int()>>& tareas);
