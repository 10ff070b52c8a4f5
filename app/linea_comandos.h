// The command line: --pdf FILE, --print [PRINTER], --batch FILE [--dry-run], --help, --version.
#pragma once

#include <optional>

// Handles the command line when it asks for something other than the form; the exit status
// then, or nothing when the form is to be shown.
std::optional<int> EjecutarLineaComandos(int argc, char** argv);
