#include "settings/ficherostxt.h"

#include <functional>

#include "settings/fichero_posix.h"
#include "settings/lineas.h"

namespace {

std::string HastaPrimerNul(std::string sTexto) {
    if (const auto nNul = sTexto.find('\0'); nNul != std::string::npos) {
        sTexto.resize(nNul);
    }
    return sTexto;
}

// The format has no escape for them: line feeds and NULs are dropped before storing.
std::string SinSaltos(const std::string& sTexto) {
    std::string sLimpio;
    sLimpio.reserve(sTexto.size());
    for (const char c : sTexto) {
        if (c != '\n' && c != '\0') {
            sLimpio += c;
        }
    }
    return sLimpio;
}

// One read-modify-write of the settings file under its lock.
void ModificarConfiguracion(const std::function<void(CLineasConfiguracion&)>& cambio) {
    RewriteLocked(RutaFicheroConfiguracion(), [&](const std::string& sTexto) {
        CLineasConfiguracion lineas(HastaPrimerNul(sTexto));
        cambio(lineas);
        return lineas.Texto() + '\0';
    });
}

}  // namespace

std::string LineaClave(const std::string& sSeccion, const std::string& sClave) {
    return SinSaltos(sSeccion) + " - " + SinSaltos(sClave);
}

bool LeerFicheroTxt(const std::string& sNombre, std::string& sTexto) {
    if (ReadWholeFile(sNombre, sTexto) != ReadOutcome::kRead) {
        return false;
    }
    sTexto = HastaPrimerNul(std::move(sTexto));
    return true;
}

bool EscribirFicheroTxt(const std::string& sNombre, const std::string& sTexto) {
    const FileLock cerrojo(sNombre);
    return cerrojo.held() && ReplaceFileDurably(sNombre, sTexto + '\0');
}

std::string LeerValor(const std::string& sSeccion, const std::string& sClave,
                      const std::string& sDefecto) {
    std::string sTexto;
    if (!LeerFicheroTxt(RutaFicheroConfiguracion(), sTexto)) {
        return sDefecto;
    }
    const CLineasConfiguracion lineas(sTexto);
    const std::string* sValor = lineas.Buscar(LineaClave(sSeccion, sClave));
    return sValor != nullptr ? *sValor : sDefecto;
}

void EscribirValor(const std::string& sSeccion, const std::string& sClave,
                   const std::string& sValor) {
    ModificarConfiguracion([&](CLineasConfiguracion& lineas) {
        lineas.Escribir(LineaClave(sSeccion, sClave), SinSaltos(sValor));
    });
}

void EscribirValores(const std::string& sSeccion,
                     const std::vector<std::pair<std::string, std::string>>& pares) {
    ModificarConfiguracion([&](CLineasConfiguracion& lineas) {
        for (const auto& [sClave, sValor] : pares) {
            lineas.Escribir(LineaClave(sSeccion, sClave), SinSaltos(sValor));
        }
    });
}
