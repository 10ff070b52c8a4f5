// The debtor of a receipt collected by direct debit: the batch's columns IBAN, BIC, MANDATO,
// FECHA_MANDATO, SECUENCIA and TITULAR as the file gives them (Windows-1252, unchecked). A row
// without IBAN is a receipt paid by other means.
#pragma once

#include <array>
#include <string>
#include <string_view>

struct DatosDeudor {
    std::string sIban;
    std::string sBic;
    std::string sMandato;
    std::string sFechaMandato;
    std::string sSecuencia;
    std::string sTitular;

    bool Domiciliado() const { return sIban.find_first_not_of(' ') != std::string::npos; }

    friend bool operator==(const DatosDeudor&, const DatosDeudor&) = default;
};

// A debtor column of the batch: its name, in capitals, and its member.
struct ColumnaDeudor {
    std::string_view sNombre;
    std::string DatosDeudor::*pMiembro;
};

inline constexpr std::array<ColumnaDeudor, 6> kColumnasDeudor = {{
    {"IBAN", &DatosDeudor::sIban},
    {"BIC", &DatosDeudor::sBic},
    {"MANDATO", &DatosDeudor::sMandato},
    {"FECHA_MANDATO", &DatosDeudor::sFechaMandato},
    {"SECUENCIA", &DatosDeudor::sSecuencia},
    {"TITULAR", &DatosDeudor::sTitular},
}};
