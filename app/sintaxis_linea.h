// The program's command line: its options and argument, read with the GNU conventions and
// checked for options that cannot go together. Nothing here runs what the line asks for
// (linea_comandos does).
#pragma once

#include <string>
#include <vector>

#include "platform/qt/command_line.h"

// The options and the argument, for the parser and the help.
const CommandLineSyntax& SintaxisLinea();

// The line read and checked; args[0] is the program's name. `error` holds the message of a
// wrong use: an unknown option, a missing or extra value, options that cannot go together.
ParsedCommandLine LeerLineaComandos(const std::vector<std::string>& args);
