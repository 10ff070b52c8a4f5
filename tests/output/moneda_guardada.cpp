#include "tests/output/moneda_guardada.h"

#include "settings/esquema.h"

void GuardarIdiomaYMoneda(const MonedaGuardada& m) {
    ajustes::kIdioma.Escribir(1);
    ajustes::kSimbolo.Escribir(m.sSimbolo);
    ajustes::kDecimales.Escribir(2);
    ajustes::kSeparadorDecimal.Escribir(m.sDecimal);
    ajustes::kSeparadorMiles.Escribir(m.sMiles);
    ajustes::kModoPositivo.Escribir(m.nPositivo);
    ajustes::kModoNegativo.Escribir(m.nNegativo);
    ajustes::kRelleno.Escribir(m.nRelleno);
    ajustes::kInicializado.Escribir(1);
}
