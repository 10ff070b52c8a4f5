// Amounts and the settings in force, for the money tests; the currency settings themselves come
// from tests/support/moneda_prueba.h.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "money/analisis.h"
#include "money/formato.h"
#include "money/globalcurrency.h"
#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"

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
