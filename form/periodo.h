// The month a batch of receipts is issued for, and the placeholders of its texts that name it:
// {MES} (enero ... diciembre), {MES_SIGUIENTE}, {AÑO} and {PERIODO} ("enero de 2027"). One
// sheet then serves every month: "Cuota de {MES} de {AÑO}".
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct Periodo {
    int nAnio = 1;  // 1 to 9999
    int nMes = 1;   // 1 to 12

    friend bool operator==(const Periodo&, const Periodo&) = default;
};

// "2027-01": four digits of year (0001 to 9999), a hyphen and two of month (01 to 12); nothing
// for any other text.
std::optional<Periodo> LeerPeriodo(std::string_view sTexto);

// The month of the local clock.
Periodo PeriodoActual();

// A name between braces that is no placeholder. The message, in UTF-8, names it and the ones
// there are.
class ErrorMarcador : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The Windows-1252 text with each placeholder replaced by its value for the period. A
// placeholder is a name (a letter, then letters, accented ones too, digits and '_') between
// braces, written exactly so: {mes} is an unknown name. Braces round anything else ({}, { },
// {a b}, {2027}, a lone '{') stay as they are. {MES_SIGUIENTE} of diciembre is enero; {AÑO} is
// always the period's year, also beside {MES_SIGUIENTE}. Throws ErrorMarcador for an unknown name.
std::string SustituirMarcadores(std::string_view sTexto, const Periodo& periodo);
