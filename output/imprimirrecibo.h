// Printing a receipt as a one-page document: on a device already chosen, from a window through
// the print dialog, and a registered one again under its own currency settings.
#pragma once

#include "form/recibodata.h"
#include "money/regional.h"
#include "output/apariencia_recibo.h"
#include "platform/device.h"

inline constexpr const char* kNombreDocumento = "Imprimiento Recibo";

// One page of a document already started, with the receipt on it. The road of every printed
// receipt, alone or in a batch.
void ImprimirPagina(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                    const AjustesMoneda& ajustesMoneda, PrintDevice& dc);

// Starts the document "Imprimiento Recibo", draws the receipt on its one page and ends it.
// False when the document could not be started or ended; nothing is drawn when it could not
// be started.
bool ImprimirEnDispositivo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                           const AjustesMoneda& ajustesMoneda, PrintDevice& dc);

// The same, and a completed document is appended to the register of issued receipts.
bool ImprimirYRegistrar(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                        const AjustesMoneda& ajustesMoneda, PrintDevice& dc);

// The print of a window: a number already issued this year is printed again only when the
// user says so; then the print dialog, and the receipt printed in the look in force under the
// given currency settings and registered. Cancelling the dialog, or a printer that cannot
// start the document, prints nothing and shows nothing.
void ImprimirRecibo(const ReciboData& recibo, const AjustesMoneda& ajustesMoneda);

// Prints a registered receipt again from a window, as it was: its record in its look
// (AparienciaDeRegistrado) under its own currency settings, through the print dialog;
// cancelled, nothing is printed. The register is not written to (on a device of the caller's,
// ImprimirEnDispositivo does the same).
bool ReimprimirRecibo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                      const AjustesMoneda& ajustes);
