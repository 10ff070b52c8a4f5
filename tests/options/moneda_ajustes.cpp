#include "tests/options/moneda_ajustes.h"

#include "settings/esquema.h"

void GuardarMoneda(const Moneda& m) {
    ajustes::kNombreMoneda.Escribir(m.sNombre);
    ajustes::kSimbolo.Escribir(m.sSimbolo);
    ajustes::kDecimales.Escribir(m.nDecimales);
    ajustes::kSeparadorDecimal.Escribir(m.sDecimal);
    ajustes::kSeparadorMiles.Escribir(m.sMiles);
    ajustes::kTamanoGrupo.Escribir(3);
    ajustes::kModoPositivo.Escribir(m.nPositivo);
    ajustes::kModoNegativo.Escribir(m.nNegativo);
    ajustes::kRelleno.Escribir(m.nRelleno);
    ajustes::kInicializado.Escribir(1);
}
