// The register's options of the command line: their syntax, how they go together, and what a
// coherent line asks of the register. Nothing here runs an order (registro_comandos does).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/qt/command_line.h"
#include "register/registro.h"

// The register's options, for the command line's syntax: --list [--from DATE] [--to DATE]
// [--payer TEXT] [--number TEXT] [--status S] [--csv], --export FILE, --backup FILE, --reprint
// ID with --pdf FILE or --print [PRINTER]; the collection's --paid ID [--date DATE] [--method
// M], --returned ID --reason CODE [--date DATE], --void ID, --paid-job ID [--date DATE],
// --history ID and --debts [--csv].
std::vector<CommandLineOption> OpcionesRegistro();

// The reason the register's options of the line cannot go together, or a value of theirs is
// wrong; empty when the line is fine for the register.
std::string IncoherenciaRegistro(const ParsedCommandLine& linea);

// Where a reprint goes: a PDF file, or a printer ("" for the default one).
struct DestinoReimpresion {
    std::optional<std::string> sPdf;
    std::string sImpresora;
};

// What a coherent line asks of the register.
struct PeticionRegistro {
    enum class Orden {
        kListar,
        kExportar,
        kCopiar,
        kReimprimir,
        kCambiarEstado,  // --paid, --returned, --void
        kCobrarTrabajo,  // --paid-job
        kHistorial,
        kDeudas,
    };
    Orden orden = Orden::kListar;
    FiltroRegistro filtro;       // --list: the dates as given, the texts in Windows-1252
    bool bCsv = false;           // --list --csv, --debts --csv
    std::string sFichero;        // --export, --backup
    std::int64_t nId = 0;        // --reprint; --paid-job: the job
    DestinoReimpresion destino;  // --reprint
    std::string sRecibo;         // --paid, --returned, --void, --history: an id or a number
                                 // (Windows-1252)
    NuevoEstado nuevo;           // --paid, --returned, --void; --paid-job: the date
};

// The register's order the line names ("list", "paid"...); empty when it names none.
std::string NombreOrdenRegistro(const ParsedCommandLine& linea);

// The order a coherent line names, with its values; nothing when it names none of the
// register's orders.
std::optional<PeticionRegistro> PeticionDeLinea(const ParsedCommandLine& linea);
