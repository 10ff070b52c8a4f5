// The remittance of a command-line run: a batch's debits checked and written beside its receipts
// (--batch CSV --sepa FILE --collection-date DATE), and a registered job's written again
// (--sepa FILE --job ID).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "output/lote_recibos.h"
#include "remesa/pain008.h"

// A fault of the remittance as a whole (its creditor, currency or date), in UTF-8.
class ErrorRemesa : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A batch's remittance, checked and ready to be written.
struct RemesaDeLote {
    ResumenRemesa resumen;
    CabeceraRemesa cabecera;
    std::string sHoy;
};

// Checks everything before anything is written: the collection date, the currency settings, the
// creditor, then each row with an IBAN and the debits together. Throws ErrorRemesa, or ErrorLote
// with the row's line and column.
RemesaDeLote ComprobarRemesa(CLoteRecibos& lote, const std::string& sFechaCobro);

// Writes the remittance of a checked batch into sRuta. False when it could not be written.
bool EscribirRemesaDeLote(CLoteRecibos& lote, const RemesaDeLote& remesa, const std::string& sRuta);

// "2 debits, total 61,00 €; 1 receipt left out of the remittance" (UTF-8).
std::string TextoResumenRemesa(const ResumenRemesa& resumen, const AjustesMoneda& a);

// Writes job nTrabajo's remittance again into sFichero, under a new message id and with the same
// debits, on sFechaCobro or, when that is empty, on the job's date; the register records it.
// The exit status.
int ReescribirRemesa(const std::string& sFichero, std::int64_t nTrabajo,
                     const std::string& sFechaCobro);
