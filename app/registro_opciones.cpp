// The register's options read from the command line as it stands: each option's values are
// checked here and handed to the functions of registro_comandos.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "app/registro_comandos.h"

namespace {

constexpr int kSalidaUso = 2;

int ErrorDeUso(const std::string& sMensaje) {
    std::fprintf(stderr, "brixamo: %s (see --help)\n", sMensaje.c_str());
    return kSalidaUso;
}

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

std::optional<int> Listar(const std::vector<std::string>& args) {
    FiltroRegistro filtro;
    bool bCsv = false;
    const std::map<std::string, std::string FiltroRegistro::*> valores = {
        {"--from", &FiltroRegistro::sDesde},
        {"--to", &FiltroRegistro::sHasta},
        {"--payer", &FiltroRegistro::sPagador},
        {"--number", &FiltroRegistro::sNumero}};
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--csv") {
            bCsv = true;
            continue;
        }
        const auto opcion = valores.find(args[i]);
        if (opcion == valores.end()) {
            return ErrorDeUso("--list does not take '" + args[i] + "'");
        }
        if (i + 1 >= args.size()) {
            return ErrorDeUso(args[i] + " needs a value");
        }
        const std::string& sValor = args[++i];
        const bool bFecha = opcion->first == "--from" || opcion->first == "--to";
        if (bFecha && !EsFecha(sValor)) {
            return ErrorDeUso(opcion->first + " needs a date written YYYY-MM-DD, not '" + sValor +
                              "'");
        }
        filtro.*opcion->second = bFecha ? sValor : Cp1252DeUtf8(sValor);
    }
    return ListarRegistro(filtro, bCsv);
}

std::optional<std::int64_t> Identificador(const std::string& s) {
    if (s.empty() || s.size() > 18 || s.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    const std::int64_t n = std::strtoll(s.c_str(), nullptr, 10);
    return n > 0 ? std::optional(n) : std::nullopt;
}

std::optional<int> Reimprimir(const std::vector<std::string>& args, const ConToolkit& conToolkit) {
    const std::optional<std::int64_t> nId = args.size() > 1 ? Identificador(args[1]) : std::nullopt;
    if (!nId) {
        return ErrorDeUso("--reprint needs the id of a registered receipt (see --list)");
    }
    DestinoReimpresion destino;
    if (args.size() == 4 && args[2] == "--pdf" && !args[3].empty()) {
        destino.sPdf = args[3];
    } else if ((args.size() == 3 || args.size() == 4) && args[2] == "--print") {
        destino.sImpresora = args.size() == 4 ? args[3] : std::string();
    } else {
        return ErrorDeUso("--reprint ID needs --pdf FILE or --print [PRINTER]");
    }
    return conToolkit([&] { return ReimprimirRegistrado(*nId, destino); });
}

}  // namespace

std::optional<int> EjecutarOrdenRegistro(const std::vector<std::string>& args,
                                         const ConToolkit& conToolkit) {
    if (args.empty()) {
        return std::nullopt;
    }
    if (args[0] == "--list") {
        return Listar(args);
    }
    if (args[0] == "--export") {
        if (args.size() != 2 || args[1].empty()) {
            return ErrorDeUso("--export needs exactly one file name");
        }
        return ExportarRegistro(args[1]);
    }
    if (args[0] == "--reprint") {
        return Reimprimir(args, conToolkit);
    }
    return std::nullopt;
}
