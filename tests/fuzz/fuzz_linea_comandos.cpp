// Arbitrary words as the command line (NUL bytes part them): the GNU parser with the program's
// options and the checks of what cannot go together. A line is refused with a message, or
// read into options that the same line written out canonically gives again, and that name at
// most one of the register's orders with the values it needs.
#include <cstdint>
#include <string>
#include <vector>

#include "app/sintaxis_linea.h"
#include "register/commands/registro_opciones.h"
#include "register/estado_cobro.h"
#include "tests/fuzz/comprobar.h"

namespace {

std::vector<std::string> Palabras(const std::string& s) {
    std::vector<std::string> palabras = {"brixamo"};
    std::size_t nInicio = 0;
    for (std::size_t n = s.find('\0'); nInicio <= s.size(); n = s.find('\0', nInicio)) {
        palabras.push_back(s.substr(nInicio, n == std::string::npos ? n : n - nInicio));
        nInicio = n == std::string::npos ? s.size() + 1 : n + 1;
    }
    return palabras;
}

// The line as the parser understood it, written with long names, values after '=' and the
// arguments after "--".
std::vector<std::string> Canonica(const ParsedCommandLine& linea) {
    std::vector<std::string> palabras = {"brixamo"};
    for (const CommandLineOption& opcion : SintaxisLinea().options) {
        const std::string& sNombre = opcion.names.back();
        if (linea.Has(sNombre)) {
            palabras.push_back("--" + sNombre +
                               (opcion.valueName.empty() ? "" : "=" + linea.Value(sNombre)));
        }
    }
    palabras.push_back("--");
    palabras.insert(palabras.end(), linea.arguments.begin(), linea.arguments.end());
    return palabras;
}

bool EsFecha(const std::string& s) {
    return s.empty() || (s.size() == 10 && s[4] == '-' && s[7] == '-');
}

void ComprobarPeticion(const ParsedCommandLine& linea) {
    const std::optional<PeticionRegistro> peticion = PeticionDeLinea(linea);
    if (!peticion) {
        return;
    }
    Comprobar(!linea.Has("batch"), "no register order with a batch");
    switch (peticion->orden) {
        case PeticionRegistro::Orden::kListar:
            Comprobar(EsFecha(peticion->filtro.sDesde) && EsFecha(peticion->filtro.sHasta),
                      "a listing's dates are dates");
            break;
        case PeticionRegistro::Orden::kExportar:
        case PeticionRegistro::Orden::kCopiar:
            Comprobar(!peticion->sFichero.empty(), "an export or a backup names its file");
            Comprobar(!linea.Has("pdf") && !linea.Has("print"), "and prints nothing");
            break;
        case PeticionRegistro::Orden::kReimprimir:
            Comprobar(peticion->nId > 0, "a reprint names a receipt");
            Comprobar(peticion->destino.sPdf.has_value() == linea.Has("pdf") &&
                          (linea.Has("pdf") || linea.Has("print")),
                      "a reprint goes to a PDF file or a printer");
            break;
        case PeticionRegistro::Orden::kCambiarEstado:
            Comprobar(!peticion->sRecibo.empty(), "a status change names a receipt");
            Comprobar(peticion->nuevo.sFecha.empty() || EsDiaValido(peticion->nuevo.sFecha),
                      "on a day of the calendar");
            Comprobar(peticion->nuevo.estado != EstadoCobro::kDevuelto ||
                          BuscarMotivo(peticion->nuevo.sMotivo) != nullptr,
                      "a return with a known reason");
            Comprobar(peticion->nuevo.estado != EstadoCobro::kCobrado ||
                          peticion->nuevo.metodo != MetodoCobro::kNinguno,
                      "a payment with its method");
            break;
        case PeticionRegistro::Orden::kCobrarTrabajo:
            Comprobar(peticion->nId > 0, "a job's debits paid name the job");
            break;
        case PeticionRegistro::Orden::kHistorial:
            Comprobar(!peticion->sRecibo.empty(), "a history names a receipt");
            break;
        case PeticionRegistro::Orden::kDeudas:
            Comprobar(!linea.Has("pdf") && !linea.Has("print"), "the debts print nothing");
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> palabras =
        Palabras(std::string(reinterpret_cast<const char*>(data), size));
    const ParsedCommandLine linea = LeerLineaComandos(palabras);
    if (!linea.error.empty()) {
        return 0;
    }
    const ParsedCommandLine otra = LeerLineaComandos(Canonica(linea));
    Comprobar(
        otra.error.empty() && otra.options == linea.options && otra.arguments == linea.arguments,
        "the line written out canonically reads the same");
    Comprobar(!(linea.Has("pdf") && linea.Has("print")), "a PDF file or a printer, not both");
    Comprobar(linea.arguments.size() <= 1, "one printer at most");
    ComprobarPeticion(linea);
    return 0;
}
