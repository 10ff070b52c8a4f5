// Currency settings for a test: as a value, or stored in the settings file of the test's own
// folder.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "money/analisis.h"
#include "money/formato.h"
#include "money/globalcurrency.h"
#include "settings/esquema.h"
#include "tests/settings/carpeta_temporal.h"

struct FormatoMoneda {
    std::string sDecimal = ".";
    std::string sMiles = ",";
    std::int32_t nDecimales = 2;
    std::int32_t nPositivo = 0;
    std::int32_t nNegativo = 0;
    std::string sSimbolo = "$";
};

// The nine settings as loading the stored ones below gives them.
inline AjustesMoneda Ajustes(const FormatoMoneda& f) {
    return {"",          f.sSimbolo,  f.nDecimales,
            f.sDecimal,  f.sMiles,    3,
            f.nPositivo, f.nNegativo, RellenoPorDefecto(f.nPositivo)};
}

// All nine stored with the first-start mark, and loaded: in force exactly, as a later start
// would find them.
inline void GuardarYCargar(const AjustesMoneda& a) {
    moneda::GuardarAjustes(a);
    ajustes::kInicializado.Escribir(1);
    CGlobalCurrency::CargarConfiguracion();
}

inline CGlobalCurrency Importe(std::int64_t nDiezMilesimas) {
    CGlobalCurrency cu;
    cu.SetValor(nDiezMilesimas);
    return cu;
}

// The nine settings in their stored order: name, sign, decimals, decimal separator, group
// separator, group size, positive mode, negative mode, fill.
using Nueve = std::tuple<std::string, std::string, std::int32_t, std::string, std::string,
                         std::int32_t, std::int32_t, std::int32_t, std::int32_t>;

inline Nueve Actuales() {
    using C = CGlobalCurrency;
    return {C::GetNombreMoneda(),     C::GetSimbolo(),        C::GetDecimales(),
            C::GetSeparadorDecimal(), C::GetSeparadorMiles(), C::GetTamanoGrupo(),
            C::GetModoPositivo(),     C::GetModoNegativo(),   C::GetRelleno()};
}
