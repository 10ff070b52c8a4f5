// The stored receipt, gathered without a window, for printing from the command line.
#pragma once

#include <string>

#include "form/recibodata.h"

// Reads the language and the currency settings as the form's start-up does, then gathers the
// receipt the form would show and print right after it: labels from the store (the language's
// defaults where none is stored), fields from the store, the six amounts in the form's
// canonical text and parsed, the total as their sum. Throws ErrorImporte
// (output/importes_impresos.h) for an amount that would not print as stored.
ReciboData LeerReciboGuardado();
