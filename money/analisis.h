// Text to amounts under a given set of currency settings: the lenient reading of an amount
// field, and the strict check of an amount typed in a file. CGlobalCurrency::AsignarTexto reads
// with the settings in force.
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

// Whether a text reads as a number in the format of the settings: digits, grouped by the
// thousands separator in threes or not at all, at most one decimal separator followed by
// digits, one minus sign in front or behind or a pair of brackets round it; blanks and the
// currency sign (the custom one of the settings, or one of the signs € $ £ ¥) may stand
// anywhere. At most 15 whole digits. A blank text is zero. Windows-1252.
bool EsTextoImporte(const std::string& sTexto, const AjustesMoneda& a);

}  // namespace moneda
