#include "tests/options/moneda_ajustes.h"

#include "settings/ficherostxt.h"

void GuardarMoneda(const Moneda& m) {
    const char* const sSeccion = "Aplicacion Recibos";
    EscribirValor(sSeccion, "monetary name", m.sNombre);
    EscribirValor(sSeccion, "monetary symbol", m.sSimbolo);
    EscribirValorEntero(sSeccion, "Number of fractional digits", m.nDecimales);
    EscribirValor(sSeccion, "decimal separator", m.sDecimal);
    EscribirValor(sSeccion, "saparator between groups", m.sMiles);
    EscribirValorEntero(sSeccion, "Sizes of each group", 3);
    EscribirValorEntero(sSeccion, "Positive currency mode", m.nPositivo);
    EscribirValorEntero(sSeccion, "Negative currency mode", m.nNegativo);
    EscribirValorEntero(sSeccion, "Relleno", m.nRelleno);
    EscribirValorEntero(sSeccion, "GetProfileString ok", 1);
}
