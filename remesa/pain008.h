// The remittance file: a SEPA Core direct-debit initiation, ISO 20022 pain.008.001.02, written
// through libxml2's text writer as it goes, so that its size never sits in memory.
#pragma once

#include <ctime>
#include <functional>
#include <string>

#include "remesa/acreedor.h"
#include "remesa/adeudo.h"

struct CabeceraRemesa {
    std::string sMsgId;       // unique per file sent
    std::string sCreacion;    // "YYYY-MM-DDTHH:MM:SS"
    std::string sFechaCobro;  // "YYYY-MM-DD"
    Acreedor acreedor;        // checked (ErrorAcreedor)
};

// A new message identifier: "BRX", the moment and 8 random hexadecimal digits (28 characters).
std::string NuevoMsgId(std::time_t momento);
// The creation time as the file writes it, local time.
std::string MomentoIso(std::time_t momento);

// Walks the debits of the remittance in order, calling the visitor once for each; the writer
// walks them once per sequence present.
using RecorridoAdeudos = std::function<void(const std::function<void(const Adeudo&)>&)>;

// Writes the file at sRuta: the group header with the totals of the summary, then one payment
// information block per sequence present, each with its debits. The summary must be that of the
// debits walked. False (and errno) when the file could not be written whole.
bool EscribirRemesa(const std::string& sRuta, const CabeceraRemesa& cabecera,
                    const ResumenRemesa& resumen, const RecorridoAdeudos& recorrer);
