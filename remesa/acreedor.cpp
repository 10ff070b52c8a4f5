#include "remesa/acreedor.h"

#include <array>
#include <cstring>

#include "remesa/cuentas.h"

namespace {

struct CampoAcreedor {
    const AjusteTexto* ajuste;
    std::string Acreedor::*pMiembro;
};

constexpr std::array<CampoAcreedor, 4> kCampos = {{
    {&ajustes::kAcreedorNombre, &Acreedor::sNombre},
    {&ajustes::kAcreedorIdentificador, &Acreedor::sIdentificador},
    {&ajustes::kAcreedorIban, &Acreedor::sIban},
    {&ajustes::kAcreedorBic, &Acreedor::sBic},
}};

bool Vacio(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

bool Es(const AjusteTexto& a, const AjusteTexto& b) {
    return std::strcmp(a.sClave, b.sClave) == 0 && std::strcmp(a.sSeccion, b.sSeccion) == 0;
}

}  // namespace

Acreedor LeerAcreedor() {
    Acreedor acreedor;
    for (const CampoAcreedor& c : kCampos) {
        acreedor.*c.pMiembro = c.ajuste->Leer();
    }
    return acreedor;
}

void GuardarAcreedor(const Acreedor& acreedor) {
    std::vector<ValorAjuste> valores;
    valores.reserve(kCampos.size());
    for (const CampoAcreedor& c : kCampos) {
        valores.emplace_back(*c.ajuste, acreedor.*c.pMiembro);
    }
    EscribirAjustes(valores);
}

std::optional<std::string> ErrorCampoAcreedor(const AjusteTexto& ajuste,
                                              const std::string& sValor) {
    if (Es(ajuste, ajustes::kAcreedorBic)) {
        return Vacio(sValor) ? std::nullopt : ErrorBic(sValor);
    }
    if (Vacio(sValor)) {
        return std::string("falta");
    }
    if (Es(ajuste, ajustes::kAcreedorNombre)) {
        return sValor.size() > kMaxNombreAcreedor
                   ? std::optional<std::string>("tiene más de 70 caracteres")
                   : std::nullopt;
    }
    if (Es(ajuste, ajustes::kAcreedorIdentificador)) {
        return ErrorIdentificadorAcreedor(sValor);
    }
    return ErrorIban(sValor);
}

std::optional<std::string> ErrorAcreedor(const Acreedor& acreedor) {
    for (const CampoAcreedor& c : kCampos) {
        if (const auto sError = ErrorCampoAcreedor(*c.ajuste, acreedor.*c.pMiembro)) {
            return std::string(c.ajuste->sSeccion) + " / " + c.ajuste->sClave + ": " + *sError;
        }
    }
    return std::nullopt;
}
