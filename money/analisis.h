// Text to amounts under a given set of currency settings. CGlobalCurrency::AsignarTexto calls
// this with the settings in force.
#pragma once

#include <optional>
#include <string>

#include "money/globalcurrency.h"
#include "money/regional.h"

namespace moneda {

// The lenient reading of an amount field; every text gives some amount. Beyond the largest
// amount (CGlobalCurrency::kImporteMaximo ten-thousandths of either sign) it stops at it.
CGlobalCurrency ImporteDeTexto(const std::string& sTexto, const AjustesMoneda& a);

// The same reading, or nothing when the text's amount lies beyond the largest one: for the
// callers that must never carry on with an amount other than the one typed.
std::optional<CGlobalCurrency> ImporteEnRango(const std::string& sTexto, const AjustesMoneda& a);

}  // namespace moneda
