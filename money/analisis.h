// Text to amounts under a given set of currency settings. CGlobalCurrency::AsignarTexto calls
// this with the settings in force.
#pragma once

#include <string>

#include "money/globalcurrency.h"
#include "money/regional.h"

namespace moneda {

// The lenient reading of an amount field; every text gives some amount.
CGlobalCurrency ImporteDeTexto(const std::string& sTexto, const AjustesMoneda& a);

}  // namespace moneda
