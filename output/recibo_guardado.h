// The stored receipt, gathered without a window, for printing from the command line.
#pragma once

#include <string>

#include "form/recibodata.h"
#include "money/globalcurrency.h"
#include "money/regional.h"

// The stored receipt and the currency settings it is read and printed under.
struct ReciboGuardado {
    ReciboData recibo;
    AjustesMoneda ajustesMoneda;
};

// Reads the language and the currency settings as the form's start-up does (the currency
// settings as a value: those in force are left alone), then gathers the receipt the form would
// show and print right after it: labels from the store (the language's defaults where none is
// stored), fields from the store, the six amounts in the form's canonical text and parsed, the
// total as their sum. Throws ErrorImporte (output/importes_impresos.h) for an amount that would
// not print as stored.
ReciboGuardado LeerReciboGuardado();
