// Printing a receipt as a one-page document on a device already chosen.
#pragma once

#include "form/recibodata.h"
#include "platform/device.h"

inline constexpr const char* kNombreDocumento = "Imprimiento Recibo";

// Starts the document "Imprimiento Recibo", draws the receipt on its one page and ends it.
// False when the document could not be started or ended; nothing is drawn when it could not
// be started.
bool ImprimirEnDispositivo(const ReciboData& recibo, PrintDevice& dc);

// The same, and a completed document is appended to the register of issued receipts.
bool ImprimirYRegistrar(const ReciboData& recibo, PrintDevice& dc);
