// Amounts to text under a given set of currency settings: the form text, the receipt pattern
// and text, their parts, and the display modes' patterns. CGlobalCurrency's own conversions
// call these with the settings in force.
#pragma once

#include <cstdint>
#include <string>

#include "money/globalcurrency.h"
#include "money/regional.h"

namespace moneda {

// Digits, separators and the negative mode's markers, without the currency sign.
std::string TextoFormulario(const CGlobalCurrency& cu, const AjustesMoneda& a);
// The number in the full positive or negative pattern, '|' marking the sign's place.
std::string PatronRecibo(const CGlobalCurrency& cu, const AjustesMoneda& a);
// The receipt pattern with its first mark resolved: a custom sign takes the mark's place, a
// standard sign leaves nothing.
std::string TextoRecibo(const CGlobalCurrency& cu, const AjustesMoneda& a);
// The rounded whole units, grouped, without sign.
std::string TextoEnteros(const CGlobalCurrency& cu, const AjustesMoneda& a);
// The magnitude's whole units rounded for the number of decimals.
std::uint64_t UnidadesRedondeadas(const CGlobalCurrency& cu, const AjustesMoneda& a);
// The digits of |n| with the group separator between groups of three.
std::string AgruparDigitos(std::int64_t n, const AjustesMoneda& a);
// Whether a sign is a standard sign ('|' followed by a letter), drawn from a glyph.
bool SimboloEstandar(const std::string& sSimbolo);
// A display mode's pattern with a given number text and sign in their places.
std::string MuestraModo(bool bNegativo, std::int32_t nModo, const std::string& sNumero,
                        const std::string& sSigno);

}  // namespace moneda
