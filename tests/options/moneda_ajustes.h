// Currency settings written straight to the settings file, as a test's starting point.
#pragma once

#include <string>

// The currency settings a test starts from, stored as if the first start had passed.
struct Moneda {
    std::string sDecimal = ".";
    std::string sMiles = ",";
    int nDecimales = 2;
    int nPositivo = 0;
    int nNegativo = 0;
    int nRelleno = '#';
    std::string sSimbolo = "$";
    std::string sNombre = "Dolar";
};
void GuardarMoneda(const Moneda& moneda);
