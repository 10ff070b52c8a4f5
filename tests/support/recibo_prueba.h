// Receipts for tests, with amounts written in units.
#pragma once

#include "form/recibodata.h"

// An amount from units and hundredths (negative for a negative amount).
CGlobalCurrency Importe(double dValor);

// A receipt with every text set and distinct but concept 4, amounts 10, 0, 2.5, 0, 1234.5, -1.25.
ReciboData ReciboCompleto();
