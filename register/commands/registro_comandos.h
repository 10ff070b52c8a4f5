// The register of issued receipts from the command line: listing, exporting, backing up and
// reprinting. Each takes its values already parsed (registro_opciones) and returns the exit
// status.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "output/hoja_recibos.h"
#include "platform/qt/command_line.h"
#include "register/commands/registro_opciones.h"
#include "register/registro.h"

// One line per receipt, newest first: id, registration date, number, first payer line and
// total as printed; with bCsv the same as CSV with a heading. Texts in UTF-8. The filter's
// texts are Windows-1252.
int ListarRegistro(const FiltroRegistro& filtro, bool bCsv);

// The whole register, oldest first, as CSV (RFC 4180, ';'-separated, UTF-8): one column per
// receipt field, named as the settings key without "IDC_EDIT_" (NUMERO, LOCALIDAD, FECHA,
// VENCIMIENTO, CONCEPTO_1..6, IMPORTE_1..6 as printed, DOMICILIO, PAGADOR_1..3, COBRADOR_1..3).
int ExportarRegistro(const std::string& sFichero);

// A consistent copy of the register into sFichero, safe while other processes print; sFichero
// is replaced only by a whole copy.
int CopiarRegistro(const std::string& sFichero);

// Reprints the registered receipt nId exactly as it was printed, on a sheet laid out as
// disposicion says. The toolkit must be up.
int ReimprimirRegistrado(std::int64_t nId, const DestinoReimpresion& destino,
                         const DisposicionHoja& disposicion);

// Runs what the register's options of a coherent line ask for; nothing when the line names
// none of them. conToolkit runs its argument with the toolkit up, for the reprint.
using ConToolkit = std::function<int(const std::function<int()>&)>;
std::optional<int> EjecutarOrdenRegistro(const ParsedCommandLine& linea,
                                         const ConToolkit& conToolkit);
