// Printing a receipt as a one-page document on a device already chosen, and a registered one
// again under its own currency settings.
#pragma once

#include "form/recibodata.h"
#include "money/regional.h"
#include "platform/device.h"

inline constexpr const char* kNombreDocumento = "Imprimiento Recibo";

// One page of a document already started, with the receipt on it. The road of every printed
// receipt, alone or in a batch.
void ImprimirPagina(const ReciboData& recibo, PrintDevice& dc);

// Starts the document "Imprimiento Recibo", draws the receipt on its one page and ends it.
// False when the document could not be started or ended; nothing is drawn when it could not
// be started.
bool ImprimirEnDispositivo(const ReciboData& recibo, PrintDevice& dc);

// The same, and a completed document is appended to the register of issued receipts.
bool ImprimirYRegistrar(const ReciboData& recibo, PrintDevice& dc);

// Prints a registered receipt again exactly as it was: its record under its own currency
// settings, which are in force only during the drawing. The register is not written to.
bool ReimprimirEnDispositivo(const ReciboData& recibo, const AjustesMoneda& ajustes,
                             PrintDevice& dc);

// The same from a window: the print dialog first; cancelled, nothing is printed.
bool ReimprimirRecibo(const ReciboData& recibo, const AjustesMoneda& ajustes);
