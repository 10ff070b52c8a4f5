// The program's command line: its options, the register's among them, and the reasons a line
// cannot be run.
#include "app/sintaxis_linea.h"

#include <filesystem>
#include <iterator>

#include "form/periodo.h"
#include "register/commands/opciones_hoja.h"
#include "register/commands/registro_opciones.h"

namespace {

std::vector<CommandLineOption> OpcionesCalibracion() {
    return {
        {{"calibration-page"},
         "with --print or --pdf, the calibration page instead of the stored receipt: the "
         "receipt's frame, a cross on its corner and two 100 mm rulers, to measure",
         ""},
        {{"calibrate"},
         "store the correction of the CUPS queue PRINTER from --offset and --scale, or clear "
         "it with --reset; every page printed on that queue is then corrected",
         "PRINTER"},
        {{"offset"},
         "with --calibrate, move every page by DX,DY millimetres (right, down)",
         "DX,DY"},
        {{"scale"}, "with --calibrate, stretch every page to SX,SY percent", "SX,SY"},
        {{"reset"}, "with --calibrate, clear the queue's correction", ""},
    };
}

// The reason the calibration options cannot go together; empty when they can.
std::string IncoherenciaCalibracion(const ParsedCommandLine& linea) {
    if (linea.Has("calibration-page") && !linea.Has("pdf") && !linea.Has("print")) {
        return "--calibration-page needs --pdf or --print";
    }
    for (const char* sOpcion : {"batch", "reprint"}) {
        if (linea.Has("calibration-page") && linea.Has(sOpcion)) {
            return std::string("--calibration-page and --") + sOpcion + " cannot go together";
        }
    }
    for (const char* sOpcion : {"offset", "scale", "reset"}) {
        if (linea.Has(sOpcion) && !linea.Has("calibrate")) {
            return std::string("--") + sOpcion + " needs --calibrate";
        }
    }
    if (!linea.Has("calibrate")) {
        return {};
    }
    if (linea.Value("calibrate").empty()) {
        return "--calibrate needs a printer name";
    }
    if (linea.Has("reset") == (linea.Has("offset") || linea.Has("scale"))) {
        return "--calibrate needs --offset or --scale, or else --reset";
    }
    const std::size_t nPropias = 1 + linea.Has("reset") + linea.Has("offset") + linea.Has("scale");
    if (linea.options.size() != nPropias || !linea.arguments.empty()) {
        return "--calibrate goes only with --offset, --scale or --reset";
    }
    return {};
}

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
        {{"sepa"},
         "with --batch, write the rows with an IBAN as a SEPA direct-debit remittance "
         "(pain.008.001.02) to FILE, alone or with --pdf or --print; with --job, write that "
         "job's remittance again",
         "FILE"},
        {{"collection-date"},
         "with --sepa, the day the bank collects the debits (YYYY-MM-DD, today or later)",
         "DATE"},
        {{"job"},
         "with --sepa, the registered job ID whose remittance is written again under a new "
         "message id",
         "ID"},
    };
    for (auto* lista : {&OpcionesCalibracion, &OpcionesHoja, &OpcionesRegistro}) {
        for (CommandLineOption& opcion : lista()) {
            opciones.push_back(std::move(opcion));
        }
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
        !linea.Has("dry-run") && !linea.Has("sepa")) {
        return "--batch needs --pdf, --pdf-dir, --print, --sepa or --dry-run";
    }
    return {};
}

bool EsNumeroDeTrabajo(const std::string& s) {
    return !s.empty() && s.size() <= 18 && s.find_first_not_of("0123456789") == std::string::npos &&
           s.find_first_not_of('0') != std::string::npos;
}

// A file's path with its folders and links resolved as far as they exist.
std::filesystem::path Ruta(const std::string& sFichero) {
    std::error_code error;
    const std::filesystem::path absoluta = std::filesystem::absolute(sFichero, error);
    return std::filesystem::weakly_canonical(absoluta, error);
}

// The same file named twice: the run would write one output over the other, or over its batch.
std::string MismoFichero(const ParsedCommandLine& linea) {
    const char* kFicheros[] = {"batch", "pdf", "sepa"};
    for (std::size_t i = 0; i < std::size(kFicheros); ++i) {
        for (std::size_t j = i + 1; j < std::size(kFicheros); ++j) {
            const std::string a = linea.Value(kFicheros[i]), b = linea.Value(kFicheros[j]);
            if (!a.empty() && !b.empty() && Ruta(a) == Ruta(b)) {
                return std::string("--") + kFicheros[i] + " and --" + kFicheros[j] +
                       " name the same file";
            }
        }
    }
    return {};
}

// The remittance's options: --sepa with --batch or --job, --job alone with it.
std::string IncoherenciaRemesa(const ParsedCommandLine& linea) {
    if (const std::string sOrden = NombreOrdenRegistro(linea);
        !sOrden.empty() && linea.Has("sepa")) {
        return "--" + sOrden + " and --sepa cannot go together";
    }
    if (std::string s = MismoFichero(linea); !s.empty()) {
        return s;
    }
    if (linea.Has("collection-date") && !linea.Has("sepa")) {
        return "--collection-date needs --sepa";
    }
    if (!linea.Has("job")) {
        return linea.Has("sepa") && !linea.Has("batch") ? "--sepa needs --batch or --job" : "";
    }
    if (!linea.Has("sepa")) {
        return "--job needs --sepa FILE";
    }
    if (!EsNumeroDeTrabajo(linea.Value("job"))) {
        return "--job needs the number of a registered job";
    }
    for (const char* sOpcion : {"batch", "pdf", "print", "dry-run"}) {
        if (linea.Has(sOpcion)) {
            return std::string("--job and --") + sOpcion + " cannot go together";
        }
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
    for (const char* sOpcion : {"pdf", "batch", "sepa"}) {
        if (linea.Has(sOpcion) && linea.options.at(sOpcion).empty()) {
            return std::string("--") + sOpcion + " needs a file name";
        }
    }
    if (linea.Has("pdf-dir") && linea.Value("pdf-dir").empty()) {
        return "--pdf-dir needs a folder name";
    }
    for (auto* incoherencia :
         {&IncoherenciaLote, &IncoherenciaRemesa, &IncoherenciaCalibracion, &IncoherenciaHoja}) {
        if (std::string sMotivo = incoherencia(linea); !sMotivo.empty()) {
            return sMotivo;
        }
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
