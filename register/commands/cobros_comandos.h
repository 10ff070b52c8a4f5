// The collection from the command line: a receipt paid, returned or voided, a job's debits
// paid, a receipt's history, and who owes what. Each returns the exit status: 0 done, 1 when
// the register has no such receipt or job, the change is refused, or the register cannot be
// read or written (a message on stderr says which).
#pragma once

#include <cstdint>
#include <string>

#include "register/estado_cobro.h"

// sRecibo: an id or a number (Windows-1252); a number several receipts have is refused with
// their ids.
int CambiarEstadoRegistrado(const std::string& sRecibo, const NuevoEstado& nuevo);
int CobrarTrabajoRegistrado(std::int64_t nTrabajo, const std::string& sFecha);
int MostrarHistorial(const std::string& sRecibo);

// One line per payer (first payer line, in either case) owing receipts: count, the day owed
// from, the total per set of currency settings; the grand total last. With bCsv the same as
// CSV with a heading.
int ListarDeudas(bool bCsv);
