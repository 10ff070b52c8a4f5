// The program's command line: its options, the register's among them, and the reasons a line
// cannot be run.
#include "app/sintaxis_linea.h"

#include "form/periodo.h"
#include "register/commands/registro_opciones.h"

namespace {

std::vector<CommandLineOption> Opciones() {
    std::vector<CommandLineOption> opciones{
        {{"pdf"}, "write the stored receipt, or the batch, to FILE as A4 PDF pages", "FILE"},
        {{"print"},
         "print the stored receipt, or the batch, on the CUPS queue PRINTER or on the "
         "default printer, without a dialog",
         ""},
        {{"batch"},
         "one receipt per data row of the CSV file FILE, all in one PDF file or one print "
         "job; the columns the file leaves out come from the stored receipt",
         "FILE"},
        {{"pdf-dir"},
         "with --batch, write each receipt to a PDF file of its own in the folder DIR, named "
         "after its number and first payer line (with --pdf too, in the same run)",
         "DIR"},
        {{"force"}, "with --pdf-dir, replace the files of those names that are already there", ""},
        {{"period"},
         "with --batch, the month (YYYY-MM) that {MES}, {MES_SIGUIENTE}, {AÑO} and "
         "{PERIODO} name in the texts; the current month by default",
         "MONTH"},
        {{"dry-run"},
         "with --batch, check the whole file and show the number of receipts and the total "
         "of their totals (and the files --pdf-dir would write); nothing is printed or stored",
         ""},
    };
    for (CommandLineOption& opcion : OpcionesRegistro()) {
        opciones.push_back(std::move(opcion));
    }
    opciones.push_back({{"h", "help"}, "show this help and exit", ""});
    opciones.push_back({{"v", "version"}, "show the version and exit", ""});
    return opciones;
}

// The reason the batch's options cannot go together, or --period's value is wrong; empty when
// they can.
std::string IncoherenciaLote(const ParsedCommandLine& linea) {
    for (const char* sOpcion : {"dry-run", "pdf-dir", "period"}) {
        if (linea.Has(sOpcion) && !linea.Has("batch")) {
            return std::string("--") + sOpcion + " needs --batch";
        }
    }
    if (linea.Has("force") && !linea.Has("pdf-dir")) {
        return "--force needs --pdf-dir";
    }
    if (linea.Has("period") && !LeerPeriodo(linea.Value("period"))) {
        return "--period needs a month written YYYY-MM, not '" + linea.Value("period") + "'";
    }
    if (linea.Has("batch") && !linea.Has("pdf") && !linea.Has("pdf-dir") && !linea.Has("print") &&
        !linea.Has("dry-run")) {
        return "--batch needs --pdf, --pdf-dir, --print or --dry-run";
    }
    return {};
}

// The reason the options cannot go together; empty when they can.
std::string Incoherencia(const ParsedCommandLine& linea) {
    const std::size_t nOpciones = linea.options.size();
    if ((linea.Has("help") || linea.Has("version")) &&
        (nOpciones > 1 || !linea.arguments.empty())) {
        return std::string("--") + (linea.Has("help") ? "help" : "version") + " goes alone";
    }
    if (!linea.arguments.empty() && !linea.Has("print")) {
        return "unexpected argument '" + linea.arguments[0] + "'";
    }
    if (linea.arguments.size() > 1) {
        return "--print takes at most one printer name";
    }
    for (const char* sOpcion : {"pdf", "pdf-dir"}) {
        if (linea.Has(sOpcion) && linea.Has("print")) {
            return std::string("--") + sOpcion + " and --print cannot go together";
        }
    }
    for (const char* sOpcion : {"pdf", "batch"}) {
        if (linea.Has(sOpcion) && linea.options.at(sOpcion).empty()) {
            return std::string("--") + sOpcion + " needs a file name";
        }
    }
    if (linea.Has("pdf-dir") && linea.Value("pdf-dir").empty()) {
        return "--pdf-dir needs a folder name";
    }
    if (std::string s = IncoherenciaLote(linea); !s.empty()) {
        return s;
    }
    return IncoherenciaRegistro(linea);
}

}  // namespace

const CommandLineSyntax& SintaxisLinea() {
    static const CommandLineSyntax sintaxis{
        "Fills in, previews and prints payment receipts. Without an option the form opens.",
        Opciones(), "PRINTER", "the CUPS queue for --print", "[PRINTER]"};
    return sintaxis;
}

ParsedCommandLine LeerLineaComandos(const std::vector<std::string>& args) {
    ParsedCommandLine linea = ParseCommandLine(SintaxisLinea(), args);
    if (linea.error.empty()) {
        linea.error = Incoherencia(linea);
    }
    return linea;
}
