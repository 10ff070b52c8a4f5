// The register's options of the command line: their syntax, how they go together, and each
// option's values checked and gathered for registro_comandos to run.
#include "register/commands/registro_opciones.h"

#include <cstdlib>

#include "settings/texto1252.h"

namespace {

// The options that only go with --list, by name, and the filter's text each one sets.
struct OpcionLista {
    const char* sNombre;
    std::string FiltroRegistro::*pTexto;  // nullptr: --csv
    bool bFecha;
};
constexpr OpcionLista kOpcionesLista[] = {
    {"from", &FiltroRegistro::sDesde, true},
    {"to", &FiltroRegistro::sHasta, true},
    {"payer", &FiltroRegistro::sPagador, false},
    {"number", &FiltroRegistro::sNumero, false},
    {"csv", nullptr, false},
};

// The register's orders; a line names one at most.
struct NombreOrden {
    const char* sNombre;
    PeticionRegistro::Orden orden;
};
constexpr NombreOrden kOrdenes[] = {{"list", PeticionRegistro::Orden::kListar},
                                    {"export", PeticionRegistro::Orden::kExportar},
                                    {"backup", PeticionRegistro::Orden::kCopiar},
                                    {"reprint", PeticionRegistro::Orden::kReimprimir}};

bool EsFecha(const std::string& s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') {
        return false;
    }
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (s[i] < '0' || s[i] > '9') {
            return false;
        }
    }
    const int nMes = std::atoi(s.c_str() + 5);
    const int nDia = std::atoi(s.c_str() + 8);
    return nMes >= 1 && nMes <= 12 && nDia >= 1 && nDia <= 31;
}

std::optional<std::int64_t> Identificador(const std::string& s) {
    if (s.empty() || s.size() > 18 || s.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const std::int64_t n = std::strtoll(s.c_str(), nullptr, 10);
    return n > 0 ? std::optional(n) : std::nullopt;
}

// The register's order the line names, or nullptr; sOtra gets a second one if there is one.
const NombreOrden* Orden(const ParsedCommandLine& linea, std::string& sOtra) {
    const NombreOrden* orden = nullptr;
    for (const NombreOrden& o : kOrdenes) {
        if (!linea.Has(o.sNombre)) {
            continue;
        }
        if (orden != nullptr) {
            sOtra = o.sNombre;
        } else {
            orden = &o;
        }
    }
    return orden;
}

std::string IncoherenciaLista(const ParsedCommandLine& linea, const std::string& sOrden) {
    for (const OpcionLista& opcion : kOpcionesLista) {
        if (!linea.Has(opcion.sNombre)) {
            continue;
        }
        if (sOrden != "list") {
            return std::string("--") + opcion.sNombre + " goes with --list";
        }
        const std::string sValor = linea.Value(opcion.sNombre);
        if (opcion.bFecha && !EsFecha(sValor)) {
            return std::string("--") + opcion.sNombre + " needs a date written YYYY-MM-DD, not '" +
                   sValor + "'";
        }
    }
    return {};
}

std::string IncoherenciaOrden(const ParsedCommandLine& linea, const std::string& sOrden) {
    if (linea.Has("batch")) {
        return "--" + sOrden + " and --batch cannot go together";
    }
    if (sOrden == "reprint") {
        if (!Identificador(linea.Value("reprint"))) {
            return "--reprint needs the id of a registered receipt (see --list)";
        }
        if (!linea.Has("pdf") && !linea.Has("print")) {
            return "--reprint ID needs --pdf FILE or --print [PRINTER]";
        }
        return {};
    }
    if (linea.Has("pdf") || linea.Has("print")) {
        return "--" + sOrden + " cannot go with --pdf or --print";
    }
    if (sOrden != "list" && linea.Value(sOrden).empty()) {
        return "--" + sOrden + " needs a file name";
    }
    return {};
}

FiltroRegistro Filtro(const ParsedCommandLine& linea) {
    FiltroRegistro filtro;
    for (const OpcionLista& opcion : kOpcionesLista) {
        if (opcion.pTexto != nullptr && linea.Has(opcion.sNombre)) {
            const std::string sValor = linea.Value(opcion.sNombre);
            filtro.*opcion.pTexto = opcion.bFecha ? sValor : Cp1252DeUtf8(sValor);
        }
    }
    return filtro;
}

DestinoReimpresion Destino(const ParsedCommandLine& linea) {
    DestinoReimpresion destino;
    if (linea.Has("pdf")) {
        destino.sPdf = linea.Value("pdf");
    } else if (!linea.arguments.empty()) {
        destino.sImpresora = linea.arguments[0];
    }
    return destino;
}

}  // namespace

std::vector<CommandLineOption> OpcionesRegistro() {
    return {
        {{"list"}, "list the registered receipts, newest first", ""},
        {{"from"}, "with --list, the receipts registered on DATE (YYYY-MM-DD) or later", "DATE"},
        {{"to"}, "with --list, the receipts registered on DATE (YYYY-MM-DD) or earlier", "DATE"},
        {{"payer"}, "with --list, the receipts with TEXT in a payer line, in either case", "TEXT"},
        {{"number"}, "with --list, the receipts with TEXT in their number", "TEXT"},
        {{"csv"}, "with --list, write the list as CSV with a heading", ""},
        {{"reprint"},
         "print the registered receipt ID again exactly as it was, with --pdf or --print",
         "ID"},
        {{"export"}, "write the whole register to FILE as CSV that --batch reads", "FILE"},
        {{"backup"},
         "copy the register to FILE, consistently even while receipts are being printed",
         "FILE"},
    };
}

std::string IncoherenciaRegistro(const ParsedCommandLine& linea) {
    std::string sOtra;
    const NombreOrden* orden = Orden(linea, sOtra);
    const std::string sOrden = orden != nullptr ? orden->sNombre : "";
    if (!sOtra.empty()) {
        return "--" + sOrden + " and --" + sOtra + " cannot go together";
    }
    if (std::string s = IncoherenciaLista(linea, sOrden); !s.empty()) {
        return s;
    }
    return orden == nullptr ? std::string() : IncoherenciaOrden(linea, sOrden);
}

std::optional<PeticionRegistro> PeticionDeLinea(const ParsedCommandLine& linea) {
    std::string sOtra;
    const NombreOrden* orden = Orden(linea, sOtra);
    if (orden == nullptr) {
        return std::nullopt;
    }
    PeticionRegistro peticion;
    peticion.orden = orden->orden;
    switch (orden->orden) {
        case PeticionRegistro::Orden::kListar:
            peticion.filtro = Filtro(linea);
            peticion.bCsv = linea.Has("csv");
            break;
        case PeticionRegistro::Orden::kExportar:
        case PeticionRegistro::Orden::kCopiar:
            peticion.sFichero = linea.Value(orden->sNombre);
            break;
        case PeticionRegistro::Orden::kReimprimir:
            peticion.nId = Identificador(linea.Value("reprint")).value_or(0);
            peticion.destino = Destino(linea);
            break;
    }
    return peticion;
}
