// The amounts a receipt prints, read so that it never prints an amount other than the one it
// was given: an amount beyond the largest one, a total beyond it, or a total longer than the
// cells it is drawn in (which keep only its last characters) is refused, never changed. Each
// reads and writes under the currency settings it is given.
#pragma once

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "form/recibodata.h"
#include "money/globalcurrency.h"
#include "money/regional.h"

// Why an amount was refused, in UTF-8.
class ErrorImporte : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The field name of amount line i (0 to 5) as the batch's columns and the settings name it:
// "IMPORTE_1" to "IMPORTE_6".
std::string_view NombreImporte(std::size_t i);

// The amount of an amount field's text. Throws ErrorImporte when it lies beyond the largest
// amount.
CGlobalCurrency ImporteLeido(const std::string& sTexto, const AjustesMoneda& a);

// The amount the form prints for a text typed in an amount field: the start-up rewrites the
// field in its form text, and the print parses that text. Nothing when the text's amount, or
// its form text's, lies beyond the largest amount.
std::optional<CGlobalCurrency> ImporteComoFormulario(const std::string& sTexto,
                                                     const AjustesMoneda& a);

// The same, throwing ErrorImporte instead of giving nothing.
CGlobalCurrency ImporteImpreso(const std::string& sTexto, const AjustesMoneda& a);

// The receipt's total, the sum of its six amounts. Throws ErrorImporte when the sum lies
// beyond the largest amount, or when its receipt text does not fit the cells the total is
// drawn in: the glyph row under a standard sign, the text total under a custom one.
CGlobalCurrency TotalImpreso(const ReciboData& recibo, const AjustesMoneda& a);
