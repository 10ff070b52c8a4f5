#include "app/salida_temporal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

std::string TemporalJunto(const std::string& sDestino) {
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
    return sPlantilla;
}

}  // namespace

SalidaTemporal::SalidaTemporal(std::string sDestino)
    : m_sDestino(std::move(sDestino)), m_sTemporal(TemporalJunto(m_sDestino)) {}

SalidaTemporal::~SalidaTemporal() {
    if (!m_bConfirmada && !m_sTemporal.empty()) {
        std::remove(m_sTemporal.c_str());
    }
}

bool SalidaTemporal::Confirmar() {
    m_bConfirmada =
        !m_sTemporal.empty() && std::rename(m_sTemporal.c_str(), m_sDestino.c_str()) == 0;
    return m_bConfirmada;
}
