// --pdf-dir: every receipt of a batch in a PDF file of its own, for e-mailing, named
// "<número> <pagador>.pdf" in a folder.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/ficheros_pendientes.h"
#include "output/lote_recibos.h"

// The paths of a checked batch's files in the folder, one per receipt, in order.
std::vector<std::string> RutasPdf(CLoteRecibos& lote, const std::string& sCarpeta);

// Whether the files can go into the folder: it is a folder and, unless bForzar, none of them is
// there yet. False with a message on stderr.
bool CarpetaPdfLista(const std::string& sCarpeta, const std::vector<std::string>& rutas,
                     bool bForzar);

// Each receipt of a checked batch drawn, in the look in force, into a temporary file of
// pendientes for its path; progreso(n) after the n-th. False, with a message on stderr, at the
// first file that cannot be written.
bool EscribirPdfPorRecibo(CLoteRecibos& lote, const std::vector<std::string>& rutas, bool bForzar,
                          CFicherosPendientes& pendientes,
                          const std::function<void(std::size_t)>& progreso);
