#include "app/ficheros_pendientes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

int NoSePuedeEscribir(const std::string& sFichero) {
    std::fprintf(stderr, "brixamo: cannot write the PDF file '%s'\n", sFichero.c_str());
    return 1;
}

CFicherosPendientes::~CFicherosPendientes() {
    for (std::size_t i = m_nPuestos; i < m_pendientes.size(); ++i) {
        std::remove(m_pendientes[i].sTemporal.c_str());
    }
}

std::string CFicherosPendientes::Temporal(const std::string& sDestino, bool bReemplazar) {
    const auto nBarra = sDestino.rfind('/');
    const std::string sCarpeta = nBarra == std::string::npos ? "" : sDestino.substr(0, nBarra + 1);
    const std::string sNombre =
        nBarra == std::string::npos ? sDestino : sDestino.substr(nBarra + 1);
    std::string sPlantilla = sCarpeta + "." + sNombre + ".XXXXXX";
    const int fd = mkstemp(sPlantilla.data());
    if (fd < 0) {
        return {};
    }
    const mode_t mascara = umask(0);
    umask(mascara);
    fchmod(fd, 0666 & ~mascara);
    close(fd);
    m_pendientes.push_back({sPlantilla, sDestino, bReemplazar});
    return sPlantilla;
}

// A file that may not replace another is renamed only when its name is free, in one step where
// the file system can (RENAME_NOREPLACE), else after a look.
bool CFicherosPendientes::Renombrar(Pendiente& p) {
    const char* sDe = p.sTemporal.c_str();
    const char* sA = p.sDestino.c_str();
    struct stat datos {};
    if (p.bReemplazar) {
        p.bNuevoEnSuSitio = lstat(sA, &datos) != 0;
        return std::rename(sDe, sA) == 0;
    }
    p.bNuevoEnSuSitio = true;
    if (renameat2(AT_FDCWD, sDe, AT_FDCWD, sA, RENAME_NOREPLACE) == 0) {
        return true;
    }
    return errno == EINVAL && lstat(sA, &datos) != 0 && std::rename(sDe, sA) == 0;
}

std::optional<std::string> CFicherosPendientes::PonerEnSuSitio() {
    for (; m_nPuestos < m_pendientes.size(); ++m_nPuestos) {
        if (Renombrar(m_pendientes[m_nPuestos])) {
            continue;
        }
        for (std::size_t i = 0; i < m_nPuestos; ++i) {
            if (m_pendientes[i].bNuevoEnSuSitio) {
                std::remove(m_pendientes[i].sDestino.c_str());
            }
        }
        return m_pendientes[m_nPuestos].sDestino;
    }
    return std::nullopt;
}
