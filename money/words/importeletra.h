// The amount of a receipt in Spanish words, as printed under its concepts: "mil doscientos
// treinta y cuatro euros con cincuenta y seis céntimos". Standard library and ICU only.
#pragma once

#include <string>

#include "money/globalcurrency.h"
#include "money/regional.h"

// The amount in words under the settings' number of decimals: the whole units, then, with two
// decimals and hundredths other than zero, "con" and the hundredths. A currency name (the
// settings' own) whose first word is euro, dólar, peso or libra (either number, any case, the
// accent optional) names the units and the hundredths (céntimos of the euro, centavos of the
// dólar and the peso, peniques of the libra); any other name leaves the bare number words. A
// negative amount that does not round to zero starts with "menos". Windows-1252; empty only if
// the number words cannot be had from ICU.
std::string ImporteEnLetra(const CGlobalCurrency& cuImporte, const AjustesMoneda& a);
