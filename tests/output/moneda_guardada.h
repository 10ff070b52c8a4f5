// A settings file past its first start, as the form would find it: language and currency.
#pragma once

#include <string>

struct MonedaGuardada {
    std::string sSimbolo = "$";
    std::string sDecimal = ".";
    std::string sMiles = ",";
    int nPositivo = 0;
    int nNegativo = 0;
    int nRelleno = '#';
};

// Stores language 1 and the currency settings, with the first-start mark.
void GuardarIdiomaYMoneda(const MonedaGuardada& moneda);
