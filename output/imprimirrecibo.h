// Printing a receipt as a document: on a device already chosen, from a window through the
// print dialog, and a registered one again under its own currency settings.
#pragma once

#include <memory>

#include "form/recibodata.h"
#include "money/regional.h"
#include "output/apariencia_recibo.h"
#include "output/hoja_recibos.h"
#include "platform/device.h"

inline constexpr const char* kNombreDocumento = "Imprimiento Recibo";

// Starts the document "Imprimiento Recibo", draws the receipt on its sheet (with its copy
// when the disposition asks for one) and ends it. False when the document could not be
// started or ended; nothing is drawn when it could not be started.
bool ImprimirEnDispositivo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                           const AjustesMoneda& ajustesMoneda, PrintDevice& dc,
                           const DisposicionHoja& disposicion);

// The same, and a completed document is appended to the register of issued receipts: one
// receipt, whatever its copies.
bool ImprimirYRegistrar(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                        const AjustesMoneda& ajustesMoneda, PrintDevice& dc,
                        const DisposicionHoja& disposicion);

// The print dialog, offering the receipts per sheet preset from disposicion, which takes the
// user's choice; a changed choice is stored. Nothing when the dialog was cancelled.
std::unique_ptr<PrintDevice> ElegirImpresora(DisposicionHoja& disposicion);

// The print of a window: a number already issued this year is printed again only when the
// user says so, and a receipt for a payer who owes old receipts only once the user has seen
// them and answered "Imprimir"; then the print dialog, and the receipt printed in the look in force
// under the given currency settings, in the first slot of its sheet, and registered. Cancelling the
// dialog, or a printer that cannot start the document, prints nothing and shows nothing.
void ImprimirRecibo(const ReciboData& recibo, const AjustesMoneda& ajustesMoneda);

// Prints a registered receipt again from a window, as it was: its record in its look
// (AparienciaDeRegistrado) under its own currency settings, through the print dialog and on
// the sheet it offers; cancelled, nothing is printed. The register is not written to (on a
// device of the caller's, ImprimirEnDispositivo does the same).
bool ReimprimirRecibo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                      const AjustesMoneda& ajustes);
