#include "form/numero.h"

namespace {

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

// One more than a run of decimal digits, of any length.
std::string MasUno(std::string sDigitos) {
    for (auto it = sDigitos.rbegin(); it != sDigitos.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return sDigitos;
        }
        *it = '0';
    }
    return '1' + sDigitos;
}

}  // namespace

std::string PrimerNumero(const std::string& sTexto) {
    const auto nInicio = sTexto.find_first_of("123456789");
    if (nInicio == std::string::npos) {
        return {};
    }
    auto nFin = nInicio;
    while (nFin < sTexto.size() && EsDigito(sTexto[nFin])) {
        ++nFin;
    }
    return sTexto.substr(nInicio, nFin - nInicio);
}

bool EmpiezaPor(const std::string& sTexto, const std::string& sPrefijo) {
    return sTexto.compare(0, sPrefijo.size(), sPrefijo) == 0;
}

std::string ReemplazarPrimero(const std::string& sTexto, const std::string& sBuscada,
                              const std::string& sReemplazo) {
    const auto i = sTexto.find(sBuscada);
    if (i == std::string::npos || i >= sTexto.size()) {
        return sTexto;
    }
    return sTexto.substr(0, i) + sReemplazo + sTexto.substr(i + sBuscada.size());
}

std::string SiguienteNumero(const std::string& sNumero) {
    const std::string sRun = PrimerNumero(sNumero);
    if (sRun.empty()) {
        return sNumero == "0" ? "1" : sNumero + "1";
    }
    return ReemplazarPrimero(sNumero, sRun, MasUno(sRun));
}
