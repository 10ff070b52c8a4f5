#include "tests/support/moneda_prueba.h"

#include "money/globalcurrency.h"
#include "settings/esquema.h"

AjustesMoneda Ajustes(const MonedaDePrueba& m) {
    return {m.sNombre, m.sSimbolo,  m.nDecimales, m.sDecimal, m.sMiles,
            3,         m.nPositivo, m.nNegativo,  m.nRelleno};
}

void GuardarMoneda(const MonedaDePrueba& m) {
    EscribirAjustes({{ajustes::kNombreMoneda, m.sNombre},
                     {ajustes::kSimbolo, m.sSimbolo},
                     {ajustes::kDecimales, m.nDecimales},
                     {ajustes::kSeparadorDecimal, m.sDecimal},
                     {ajustes::kSeparadorMiles, m.sMiles},
                     {ajustes::kTamanoGrupo, 3},
                     {ajustes::kModoPositivo, m.nPositivo},
                     {ajustes::kModoNegativo, m.nNegativo},
                     {ajustes::kRelleno, m.nRelleno},
                     {ajustes::kInicializado, 1}});
}

void GuardarIdiomaYMoneda(const MonedaDePrueba& m) {
    ajustes::kIdioma.Escribir(1);
    GuardarMoneda(m);
}

void AplicarMoneda(const MonedaDePrueba& m) {
    GuardarMoneda(m);
    CGlobalCurrency::CargarConfiguracion();
}

void AplicarAjustes(const AjustesMoneda& a) {
    moneda::GuardarAjustes(a);
    ajustes::kInicializado.Escribir(1);
    CGlobalCurrency::CargarConfiguracion();
}
