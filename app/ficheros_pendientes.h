// The files a run of the command line writes, each to a temporary file beside it first, all put
// in place together once every one is complete: a file is whole or absent, and a run that fails
// leaves none of its new files behind.
#pragma once

#include <optional>
#include <string>
#include <vector>

// One line on stderr, "brixamo: cannot write the PDF file 'FILE'"; returns 1, the exit status.
int NoSePuedeEscribir(const std::string& sFichero);

class CFicherosPendientes {
  public:
    CFicherosPendientes() = default;
    // Removes the temporary files not put in place.
    ~CFicherosPendientes();
    CFicherosPendientes(const CFicherosPendientes&) = delete;
    CFicherosPendientes& operator=(const CFicherosPendientes&) = delete;

    // A new temporary file beside sDestino (".NAME.XXXXXX"), with the permissions a new file
    // gets; empty when the folder takes no file. bReemplazar: whether sDestino may replace a
    // file already there.
    std::string Temporal(const std::string& sDestino, bool bReemplazar);

    // Renames every temporary file to its destination, in the order they were made. When one
    // cannot be (a file took its name meanwhile and may not be replaced, or the rename fails),
    // the files already put in place where there was none are removed again, every temporary
    // file too, and its destination is returned. A file that replaced another stays.
    std::optional<std::string> PonerEnSuSitio();

  private:
    struct Pendiente {
        std::string sTemporal;
        std::string sDestino;
        bool bReemplazar;
        bool bNuevoEnSuSitio = false;  // put where there was no file
    };
    bool Renombrar(Pendiente& p);

    std::vector<Pendiente> m_pendientes;
    std::size_t m_nPuestos = 0;
};
