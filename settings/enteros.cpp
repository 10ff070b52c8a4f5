// Integer settings and the lenient decimal conversion they are read with.
#include <cstdint>
#include <string>

#include "settings/ficherostxt.h"

std::int32_t CadenaAEntero(const std::string& sTexto) {
    if (sTexto.empty()) {
        return 0;
    }
    // Unsigned arithmetic wraps by definition; the result is its low 32 bits.
    std::uint32_t nValor = 0;
    for (const char c : sTexto) {
        if (c == ',') {
            break;
        }
        if (c >= '0' && c <= '9') {
            nValor = nValor * 10u + static_cast<std::uint32_t>(c - '0');
        }
    }
    if (sTexto.front() == '-') {
        nValor = 0u - nValor;
    }
    return static_cast<std::int32_t>(nValor);
}

std::int32_t LeerValorEntero(const std::string& sSeccion, const std::string& sClave,
                             std::int32_t nDefecto) {
    return CadenaAEntero(LeerValor(sSeccion, sClave, std::to_string(nDefecto)));
}

void EscribirValorEntero(const std::string& sSeccion, const std::string& sClave,
                         std::int32_t nValor) {
    EscribirValor(sSeccion, sClave, std::to_string(nValor));
}
