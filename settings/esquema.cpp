#include "settings/esquema.h"

#include <cstring>
#include <utility>

#include "settings/ficherostxt.h"

std::string AjusteTexto::Leer() const {
    return Leer(sDefecto.value());
}

std::string AjusteTexto::Leer(const std::string& sDefectoDelLlamador) const {
    return LeerValor(sSeccion, sClave, sDefectoDelLlamador);
}

void AjusteTexto::Escribir(const std::string& sValor) const {
    EscribirValor(sSeccion, sClave, sValor);
}

std::int32_t AjusteEntero::Leer() const {
    return Leer(nDefecto.value());
}

std::int32_t AjusteEntero::Leer(std::int32_t nDefectoDelLlamador) const {
    return LeerValorEntero(sSeccion, sClave, nDefectoDelLlamador);
}

void AjusteEntero::Escribir(std::int32_t nValor) const {
    EscribirValorEntero(sSeccion, sClave, nValor);
}

ValorAjuste::ValorAjuste(const AjusteTexto& ajuste, std::string sTexto)
    : sSeccion(ajuste.sSeccion), sClave(ajuste.sClave), sValor(std::move(sTexto)) {}

// The same text EscribirValorEntero stores.
ValorAjuste::ValorAjuste(const AjusteEntero& ajuste, std::int32_t nValor)
    : sSeccion(ajuste.sSeccion), sClave(ajuste.sClave), sValor(std::to_string(nValor)) {}

void EscribirAjustes(const std::vector<ValorAjuste>& valores) {
    for (auto it = valores.begin(); it != valores.end();) {
        const char* sSeccion = it->sSeccion;
        std::vector<std::pair<std::string, std::string>> pares;
        for (; it != valores.end() && std::strcmp(it->sSeccion, sSeccion) == 0; ++it) {
            pares.emplace_back(it->sClave, it->sValor);
        }
        EscribirValores(sSeccion, pares);
    }
}

namespace ajustes {

std::string_view NombreCampo(const AjusteTexto& ajuste) {
    constexpr std::string_view kPrefijo = "IDC_EDIT_";
    const std::string_view sClave = ajuste.sClave;
    return sClave.starts_with(kPrefijo) ? sClave.substr(kPrefijo.size()) : sClave;
}

}  // namespace ajustes
