// The register's options of the command line: their syntax, how they go together, and each
// option's values checked and gathered for registro_comandos to run.
#include "register/commands/registro_opciones.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "register/estado_cobro.h"
#include "settings/texto1252.h"

namespace {

// What an option's value must be.
enum class Valor { kNinguno, kTexto, kFecha, kDia, kEstado, kMetodo, kMotivo };

// The options that only go with some of the register's orders, by name, and the filter's
// text each of --list's sets.
struct Modificador {
    const char* sNombre;
    std::array<const char*, 3> ordenes;  // nullptr after the last
    Valor valor;
    std::string FiltroRegistro::*pTexto = nullptr;
};
const Modificador kModificadores[] = {
    {"from", {"list"}, Valor::kFecha, &FiltroRegistro::sDesde},
    {"to", {"list"}, Valor::kFecha, &FiltroRegistro::sHasta},
    {"payer", {"list"}, Valor::kTexto, &FiltroRegistro::sPagador},
    {"number", {"list"}, Valor::kTexto, &FiltroRegistro::sNumero},
    {"status", {"list"}, Valor::kEstado},
    {"csv", {"list", "debts"}, Valor::kNinguno},
    {"date", {"paid", "returned", "paid-job"}, Valor::kDia},
    {"method", {"paid"}, Valor::kMetodo},
    {"reason", {"returned"}, Valor::kMotivo},
};

// The register's orders; a line names one at most.
struct NombreOrden {
    const char* sNombre;
    PeticionRegistro::Orden orden;
};
constexpr NombreOrden kOrdenes[] = {{"list", PeticionRegistro::Orden::kListar},
                                    {"export", PeticionRegistro::Orden::kExportar},
                                    {"backup", PeticionRegistro::Orden::kCopiar},
                                    {"reprint", PeticionRegistro::Orden::kReimprimir},
                                    {"paid", PeticionRegistro::Orden::kCambiarEstado},
                                    {"returned", PeticionRegistro::Orden::kCambiarEstado},
                                    {"void", PeticionRegistro::Orden::kCambiarEstado},
                                    {"paid-job", PeticionRegistro::Orden::kCobrarTrabajo},
                                    {"history", PeticionRegistro::Orden::kHistorial},
                                    {"debts", PeticionRegistro::Orden::kDeudas}};

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

bool VaCon(const Modificador& m, const std::string& sOrden) {
    return std::any_of(m.ordenes.begin(), m.ordenes.end(),
                       [&](const char* s) { return s != nullptr && sOrden == s; });
}

// "--list", "--list or --debts", "--paid, --returned or --paid-job".
std::string Ordenes(const Modificador& m) {
    std::string s;
    const auto n = std::count_if(m.ordenes.begin(), m.ordenes.end(),
                                 [](const char* o) { return o != nullptr; });
    for (std::ptrdiff_t i = 0; i < n; ++i) {
        s += (i == 0 ? "" : i + 1 == n ? " or " : ", ") + std::string("--") + m.ordenes[i];
    }
    return s;
}

// What is wrong with the value of an option; empty when nothing is.
std::string ValorMalo(Valor valor, const std::string& s) {
    switch (valor) {
        case Valor::kFecha:
            return EsFecha(s) ? "" : "a date written YYYY-MM-DD";
        case Valor::kDia:
            return EsDiaValido(s) ? "" : "a day written YYYY-MM-DD";
        case Valor::kEstado:
            return EstadoDeNombre(s) ? "" : "pendiente, cobrado, devuelto or anulado";
        case Valor::kMetodo:
            return MetodoDeNombre(s) ? "" : "efectivo, transferencia or domiciliacion";
        case Valor::kMotivo:
            return BuscarMotivo(s) ? "" : "a SEPA return reason code (AC04, AM04, MD06...)";
        case Valor::kNinguno:
        case Valor::kTexto:
            break;
    }
    return {};
}

std::string IncoherenciaModificadores(const ParsedCommandLine& linea, const std::string& sOrden) {
    for (const Modificador& m : kModificadores) {
        if (!linea.Has(m.sNombre)) {
            continue;
        }
        if (!VaCon(m, sOrden)) {
            return std::string("--") + m.sNombre + " goes with " + Ordenes(m);
        }
        const std::string sValor = linea.Value(m.sNombre);
        if (const std::string sFalta = ValorMalo(m.valor, sValor); !sFalta.empty()) {
            std::string s = std::string("--") + m.sNombre + " needs ";
            s += sFalta;
            s += ", not '" + sValor + "'";
            return s;
        }
    }
    return {};
}

// The orders of the collection: a receipt named, a job's id, --reason for a return.
std::string IncoherenciaCobro(const ParsedCommandLine& linea, const std::string& sOrden) {
    if (sOrden == "paid-job") {
        return Identificador(linea.Value(sOrden)) ? "" : "--paid-job needs the id of a job";
    }
    if (linea.Value(sOrden).empty()) {
        return "--" + sOrden + " needs the id or the number of a registered receipt";
    }
    if (sOrden == "returned" && !linea.Has("reason")) {
        return "--returned ID needs --reason CODE";
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
    if (sOrden == "export" || sOrden == "backup") {
        return linea.Value(sOrden).empty() ? "--" + sOrden + " needs a file name" : "";
    }
    return sOrden == "list" || sOrden == "debts" ? "" : IncoherenciaCobro(linea, sOrden);
}

FiltroRegistro Filtro(const ParsedCommandLine& linea) {
    FiltroRegistro filtro;
    for (const Modificador& m : kModificadores) {
        if (m.pTexto != nullptr && linea.Has(m.sNombre)) {
            const std::string sValor = linea.Value(m.sNombre);
            filtro.*m.pTexto = m.valor == Valor::kFecha ? sValor : Cp1252DeUtf8(sValor);
        }
    }
    if (linea.Has("status")) {
        filtro.estado = EstadoDeNombre(linea.Value("status"));
    }
    return filtro;
}

// The status --paid, --returned or --void asks for: --paid efectivo by default; an empty day
// is today's.
NuevoEstado Nuevo(const ParsedCommandLine& linea, const std::string& sOrden) {
    NuevoEstado nuevo;
    nuevo.sFecha = linea.Value("date");
    if (sOrden == "paid" || sOrden == "paid-job") {
        nuevo.estado = EstadoCobro::kCobrado;
        nuevo.metodo = linea.Has("method")
                           ? MetodoDeNombre(linea.Value("method")).value_or(MetodoCobro::kEfectivo)
                           : MetodoCobro::kEfectivo;
    } else if (sOrden == "returned") {
        nuevo.estado = EstadoCobro::kDevuelto;
        nuevo.sMotivo = linea.Value("reason");
    } else {
        nuevo.estado = EstadoCobro::kAnulado;
    }
    return nuevo;
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
        {{"status"},
         "with --list, the receipts in status S: pendiente, cobrado, devuelto or anulado",
         "S"},
        {{"paid"},
         "record the registered receipt ID (an id or a number) as paid, today and in cash "
         "unless --date and --method say otherwise",
         "ID"},
        {{"returned"},
         "record the debited receipt ID as returned by the bank, with --reason CODE (a SEPA "
         "return reason such as AM04 or MD06)",
         "ID"},
        {{"void"}, "record the registered receipt ID as void: it is never reprinted", "ID"},
        {{"paid-job"},
         "record every debited receipt of job ID as paid by direct debit, but those returned, "
         "void or already paid",
         "ID"},
        {{"history"}, "show every status change of the registered receipt ID", "ID"},
        {{"debts"},
         "list who owes what: per payer, the pending and returned receipts, the day owed "
         "from and the total; with --csv as CSV",
         ""},
        {{"date"},
         "with --paid, --returned or --paid-job, the day it happened (YYYY-MM-DD)",
         "DATE"},
        {{"method"}, "with --paid, how it was paid: efectivo, transferencia or domiciliacion", "M"},
        {{"reason"}, "with --returned, the bank's SEPA return reason code", "CODE"},
    };
}

std::string NombreOrdenRegistro(const ParsedCommandLine& linea) {
    std::string sOtra;
    const NombreOrden* orden = Orden(linea, sOtra);
    return orden != nullptr ? orden->sNombre : "";
}

std::string IncoherenciaRegistro(const ParsedCommandLine& linea) {
    std::string sOtra;
    const NombreOrden* orden = Orden(linea, sOtra);
    const std::string sOrden = orden != nullptr ? orden->sNombre : "";
    if (!sOtra.empty()) {
        return "--" + sOrden + " and --" + sOtra + " cannot go together";
    }
    if (std::string s = IncoherenciaModificadores(linea, sOrden); !s.empty()) {
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
        case PeticionRegistro::Orden::kCobrarTrabajo:
            peticion.nId = Identificador(linea.Value(orden->sNombre)).value_or(0);
            peticion.nuevo = Nuevo(linea, orden->sNombre);
            break;
        case PeticionRegistro::Orden::kCambiarEstado:
            peticion.nuevo = Nuevo(linea, orden->sNombre);
            [[fallthrough]];
        case PeticionRegistro::Orden::kHistorial:
            peticion.sRecibo = Cp1252DeUtf8(linea.Value(orden->sNombre));
            break;
        case PeticionRegistro::Orden::kDeudas:
            peticion.bCsv = linea.Has("csv");
            break;
    }
    return peticion;
}
