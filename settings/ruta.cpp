// Where the settings file lies.
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "settings/ficherostxt.h"

namespace {

std::string Variable(const char* sNombre) {
    const char* sValor = std::getenv(sNombre);
    return sValor != nullptr ? std::string(sValor) : std::string();
}

std::string CarpetaPersonal() {
    std::string sHome = Variable("HOME");
    if (sHome.empty()) {
        if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
            sHome = pw->pw_dir;
        }
    }
    return sHome;
}

std::string CarpetaConfiguracion() {
    if (std::string sCarpeta = Variable("BRIXAMO_HOME"); !sCarpeta.empty()) {
        return sCarpeta;
    }
    if (std::string sXdg = Variable("XDG_CONFIG_HOME"); !sXdg.empty()) {
        return sXdg + "/brixamo";
    }
    return CarpetaPersonal() + "/.config/brixamo";
}

}  // namespace

std::string RutaFicheroConfiguracion() {
    std::string sCarpeta = CarpetaConfiguracion();
    while (sCarpeta.size() > 1 && sCarpeta.back() == '/') {
        sCarpeta.pop_back();
    }
    if (sCarpeta == "/") {
        sCarpeta.clear();
    }
    return sCarpeta + "/tarvel.inf";
}
