// The creditor of the remittances, as the settings section "Acreedor" keeps it, and its checks:
// each field on its own (for the dialog, as the user leaves it) and the whole (for a run).
#pragma once

#include <optional>
#include <string>

#include "settings/esquema.h"

inline constexpr std::size_t kMaxNombreAcreedor = 70;

// Windows-1252 texts as stored.
struct Acreedor {
    std::string sNombre;
    std::string sIdentificador;
    std::string sIban;
    std::string sBic;  // optional
};

Acreedor LeerAcreedor();
void GuardarAcreedor(const Acreedor& acreedor);

// Why the value of one of the four settings is wrong (UTF-8), or nothing.
std::optional<std::string> ErrorCampoAcreedor(const AjusteTexto& ajuste, const std::string& sValor);

// The first fault of the creditor data, naming its setting ("Acreedor / IBAN: ..."), or nothing.
std::optional<std::string> ErrorAcreedor(const Acreedor& acreedor);
