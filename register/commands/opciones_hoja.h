// The command line's options of the sheet, for every order that prints (--pdf, --print, a batch
// with either, --reprint): how many receipts down each sheet, cut marks, copies.
#pragma once

#include <string>
#include <vector>

#include "output/hoja_recibos.h"
#include "platform/qt/command_line.h"

// --per-sheet=N, --cut-marks, --copies=N.
std::vector<CommandLineOption> OpcionesHoja();

// The reason the sheet's options of the line are wrong: a value out of range, or an option
// without --pdf or --print; empty when they are fine.
std::string IncoherenciaHoja(const ParsedCommandLine& linea);

// disposicion (the stored one, as a rule) with the line's options over it. The line must be
// coherent.
DisposicionHoja DisposicionDeLinea(const ParsedCommandLine& linea, DisposicionHoja disposicion);
