#include "tests/output/moneda_guardada.h"

#include "settings/ficherostxt.h"

void GuardarIdiomaYMoneda(const MonedaGuardada& m) {
    const char* s = "Aplicacion Recibos";
    EscribirValorEntero(s, "Idioma", 1);
    EscribirValor(s, "monetary symbol", m.sSimbolo);
    EscribirValorEntero(s, "Number of fractional digits", 2);
    EscribirValor(s, "decimal separator", m.sDecimal);
    EscribirValor(s, "saparator between groups", m.sMiles);
    EscribirValorEntero(s, "Positive currency mode", m.nPositivo);
    EscribirValorEntero(s, "Negative currency mode", m.nNegativo);
    EscribirValorEntero(s, "Relleno", m.nRelleno);
    EscribirValorEntero(s, "GetProfileString ok", 1);
}
