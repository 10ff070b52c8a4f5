// Currency settings for a test, applied through the setters (they write to the settings file
// of the test's own folder).
#pragma once

#include <cstdint>
#include <string>

#include "money/globalcurrency.h"
#include "tests/settings/carpeta_temporal.h"

struct FormatoMoneda {
    std::string sDecimal = ".";
    std::string sMiles = ",";
    std::int32_t nDecimales = 2;
    std::int32_t nPositivo = 0;
    std::int32_t nNegativo = 0;
    std::string sSimbolo = "$";
};

inline void Aplicar(const FormatoMoneda& f) {
    CGlobalCurrency::SetSeparadorDecimal(f.sDecimal);
    CGlobalCurrency::SetSeparadorMiles(f.sMiles);
    CGlobalCurrency::SetDecimales(f.nDecimales);
    CGlobalCurrency::SetModoPositivo(f.nPositivo);
    CGlobalCurrency::SetModoNegativo(f.nNegativo);
    CGlobalCurrency::SetSimbolo(f.sSimbolo);
}

inline CGlobalCurrency Importe(std::int64_t nDiezMilesimas) {
    CGlobalCurrency cu;
    cu.SetValor(nDiezMilesimas);
    return cu;
}
