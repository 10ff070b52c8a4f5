// Receipts to register in tests, and what a register file holds seen through SQLite itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "register/registro.h"

// A receipt whose every text and amount depends on n (and on sClave, when given), with
// Windows-1252 letters in it.
ReciboRegistrado ReciboDePrueba(int n, const std::string& sClave = "");

// A job of nRecibos receipts ReciboDePrueba(nPrimero...), all under one set of settings.
std::vector<ReciboRegistrado> TrabajoDePrueba(int nPrimero, int nRecibos,
                                              const std::string& sClave = "");

// Straight from the file, without CRegistro.
std::string ComprobarIntegridad(const std::string& sRuta);  // "ok" or the first problem
std::int64_t ContarFilas(const std::string& sRuta, const std::string& sTabla);
// Jobs whose receipts are not all there (their count differs from the job's own).
std::int64_t TrabajosIncompletos(const std::string& sRuta);
// Numbers of all registered receipts, oldest first.
std::vector<std::string> NumerosRegistrados(const std::string& sRuta);

// A register file of the first version, made by its first migration step alone, with one job
// (id 1) of nRecibos receipts whose texts read "v1 <order>" and whose amounts are 1250. The
// file's version as it was left (1).
int RegistroVersionUno(const std::string& sRuta, int nRecibos);
// The same at version nVersion, made by the migration steps up to it; every text column of
// the receipts, the debtor's too from version 3 on, reads "v1 <order>".
int RegistroDeVersion(const std::string& sRuta, int nVersion, int nRecibos);
