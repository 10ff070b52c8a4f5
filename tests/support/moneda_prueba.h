// Currency settings for a test: as a value, stored in the settings file of the test's own folder
// as a later start finds them, or put in force.
#pragma once

#include <cstdint>
#include <string>

#include "money/regional.h"

// The settings a test starts from; the defaults are dollars as an American user keeps them.
// The group size is always 3.
struct MonedaDePrueba {
    std::string sDecimal = ".";
    std::string sMiles = ",";
    std::int32_t nDecimales = 2;
    std::int32_t nPositivo = 0;
    std::int32_t nNegativo = 0;
    std::string sSimbolo = "$";
    std::int32_t nRelleno = '#';
    std::string sNombre = "Dolar";
};

// Euros as a Spanish user keeps them: "1.234,50 €", "-1.234,50 €", '*' filling.
inline const MonedaDePrueba kEurosDePrueba{.sDecimal = ",",
                                           .sMiles = ".",
                                           .nPositivo = 3,
                                           .nNegativo = 8,
                                           .sSimbolo = "\x80",
                                           .nRelleno = '*',
                                           .sNombre = "Euro"};

// The nine settings as loading the stored ones gives them.
AjustesMoneda Ajustes(const MonedaDePrueba& moneda);

// Stores the nine settings and the first-start mark in one write, without loading them.
void GuardarMoneda(const MonedaDePrueba& moneda);

// Stores the language 1 too, as a settings file past its first start holds it.
void GuardarIdiomaYMoneda(const MonedaDePrueba& moneda);

// Stores them and loads them as the settings in force.
void AplicarMoneda(const MonedaDePrueba& moneda);

// Stores any nine settings exactly, with the first-start mark, and loads them: in force as a
// later start would find them.
void AplicarAjustes(const AjustesMoneda& ajustesMoneda);
