// What the register's commands write: CSV rows, a receipt's name, the register's failure.
#pragma once

#include <string>
#include <vector>

#include "register/registro.h"

// One CSV row (RFC 4180, ';'-separated, CRLF) of Windows-1252 fields, in UTF-8.
std::string FilaCsv(const std::vector<std::string>& campos1252);

// "17 (A-0017)": the id and the number, in UTF-8.
std::string NombreRecibo(const ReciboRegistrado& recibo);

// "brixamo: the register of receipts '...' cannot be read: ..." on stderr; returns 1.
int FalloRegistro(const ResultadoRegistro& r);
