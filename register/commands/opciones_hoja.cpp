// The sheet's options of the command line: checked, and laid over the stored disposition.
#include "register/commands/opciones_hoja.h"

#include <optional>

namespace {

// An option with a number from 1 to nMaximo, and the field of the disposition it sets.
struct OpcionNumero {
    const char* sNombre;
    int nMaximo;
    int DisposicionHoja::*pCampo;
};
constexpr OpcionNumero kOpcionesNumero[] = {
    {"per-sheet", kMaximoPorHoja, &DisposicionHoja::nPorHoja},
    {"copies", kMaximoCopias, &DisposicionHoja::nCopias},
};
constexpr const char* kMarcasCorte = "cut-marks";

// The value when it is one digit from 1 to nMaximo.
std::optional<int> Numero(const std::string& sValor, int nMaximo) {
    if (sValor.size() != 1 || sValor[0] < '1' || sValor[0] > '0' + nMaximo) {
        return std::nullopt;
    }
    return sValor[0] - '0';
}

}  // namespace

std::vector<CommandLineOption> OpcionesHoja() {
    return {
        {{"per-sheet"},
         "with --pdf or --print, N receipts (1, 2 or 3) down each A4 sheet, 148.5 mm apart for 2 "
         "and 99 mm for 3, instead of the stored choice",
         "N"},
        {{kMarcasCorte},
         "with --pdf or --print, dashed cut marks between the receipts of a sheet",
         ""},
        {{"copies"},
         "with --pdf or --print, 1 or 2: with 2 each receipt, marked ORIGINAL, is followed by its "
         "copy, marked COPIA; the register counts it once",
         "N"},
    };
}

std::string IncoherenciaHoja(const ParsedCommandLine& linea) {
    const bool bImprime = linea.Has("pdf") || linea.Has("print");
    for (const OpcionNumero& opcion : kOpcionesNumero) {
        if (!linea.Has(opcion.sNombre)) {
            continue;
        }
        if (!Numero(linea.Value(opcion.sNombre), opcion.nMaximo)) {
            return std::string("--") + opcion.sNombre + " must be a number from 1 to " +
                   std::to_string(opcion.nMaximo) + ", not '" + linea.Value(opcion.sNombre) + "'";
        }
        if (!bImprime) {
            return std::string("--") + opcion.sNombre + " goes with --pdf or --print";
        }
    }
    if (linea.Has(kMarcasCorte) && !bImprime) {
        return std::string("--") + kMarcasCorte + " goes with --pdf or --print";
    }
    return {};
}

DisposicionHoja DisposicionDeLinea(const ParsedCommandLine& linea, DisposicionHoja disposicion) {
    for (const OpcionNumero& opcion : kOpcionesNumero) {
        if (const auto n = Numero(linea.Value(opcion.sNombre), opcion.nMaximo)) {
            disposicion.*opcion.pCampo = *n;
        }
    }
    disposicion.bMarcasCorte = disposicion.bMarcasCorte || linea.Has(kMarcasCorte);
    return disposicion;
}
