// Arbitrary bytes as a batch file: the CSV reader with its separators and encodings. A file is
// refused with a message, or read into rows that fit its header and hold only what a receipt's
// field may hold; reading it again from the first row gives the same rows. The month's
// placeholders of each field are replaced, or refused with a message.
#include <cstdint>
#include <string>
#include <vector>

#include "form/lote_csv.h"
#include "form/periodo.h"
#include "settings/texto1252.h"
#include "tests/fuzz/comprobar.h"

namespace {

// What a field of the form may hold: one line of Windows-1252 text without control bytes.
bool CampoDeRecibo(const std::string& s) {
    if (s.size() > kMaxBytesCampo) {
        return false;
    }
    for (const char c : s) {
        const char32_t u = UnicodeDe1252(static_cast<unsigned char>(c));
        if (u < 0x20 || (u >= 0x7F && u < 0xA0)) {
            return false;
        }
    }
    return true;
}

// A field's placeholders replaced: what has no brace is left as it is, a value is one line, an
// unknown name is told in UTF-8.
void ComprobarMarcadores(const std::string& sCampo) {
    try {
        const std::string s = SustituirMarcadores(sCampo, Periodo{2026, 12});
        Comprobar(sCampo.find('{') != std::string::npos || s == sCampo, "no brace, no change");
        Comprobar(s.size() < 4 * sCampo.size() + 1, "a value is at most four times its name");
        Comprobar(s.find_first_of("\r\n") == std::string::npos, "a value is one line");
    } catch (const ErrorMarcador& error) {
        Comprobar(EsUtf8(error.what()), "the message is UTF-8");
        Comprobar(sCampo.find('{') != std::string::npos, "only a brace is refused");
    }
}

// The message is shown on a terminal as UTF-8, with a line within the file.
void ComprobarError(const ErrorLote& error, std::size_t nLineas) {
    Comprobar(EsUtf8(TextoErrorLote("pagos.csv", error)), "the message is UTF-8");
    Comprobar(error.Linea() <= nLineas, "the fault's line is a line of the file");
}

struct Lectura {
    std::vector<std::vector<std::string>> filas;
    std::vector<std::size_t> lineas;
    std::string sError;
};

Lectura LeerFilas(LectorCsv& lector, std::size_t nLineas) {
    Lectura lectura;
    std::vector<std::string> campos;
    try {
        while (lector.SiguienteFila(campos)) {
            lectura.filas.push_back(campos);
            lectura.lineas.push_back(lector.Linea());
        }
    } catch (const ErrorLote& error) {
        ComprobarError(error, nLineas);
        lectura.sError = TextoErrorLote("pagos.csv", error);
    }
    return lectura;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string sBytes(reinterpret_cast<const char*>(data), size);
    std::size_t nLineas = 1;
    for (std::size_t i = 0; i < sBytes.size(); ++i) {
        nLineas += sBytes[i] == '\n' || (sBytes[i] == '\r' && sBytes[i + 1] != '\n') ? 1 : 0;
    }
    try {
        LectorCsv lector(sBytes);
        const std::vector<std::string>& cabecera = lector.Cabecera();
        Comprobar(lector.Separador() == ';' || lector.Separador() == ',', "separator ; or ,");
        Comprobar(!cabecera.empty() && cabecera.size() <= kMaxColumnasLote, "header size");
        for (const std::string& sNombre : cabecera) {
            Comprobar(!sNombre.empty() && CampoDeRecibo(sNombre), "a column name is one line");
            Comprobar(sNombre.front() != ' ' && sNombre.back() != ' ', "names are trimmed");
        }
        const Lectura primera = LeerFilas(lector, nLineas);
        Comprobar(primera.filas.size() <= kMaxFilasLote, "at most the largest batch");
        for (std::size_t i = 0; i < primera.filas.size(); ++i) {
            Comprobar(primera.filas[i].size() == cabecera.size(), "a field per column");
            bool bAlgunCampo = false;
            for (const std::string& sCampo : primera.filas[i]) {
                Comprobar(CampoDeRecibo(sCampo), "a field is one line of Windows-1252");
                ComprobarMarcadores(sCampo);
                bAlgunCampo = bAlgunCampo || !sCampo.empty();
            }
            Comprobar(bAlgunCampo, "rows of empty fields are skipped");
            Comprobar(primera.lineas[i] >= 2 && primera.lineas[i] <= nLineas,
                      "a row's line is a line of the file after the header");
            Comprobar(i == 0 || primera.lineas[i] > primera.lineas[i - 1], "rows go down the file");
        }
        lector.Rebobinar();
        const Lectura segunda = LeerFilas(lector, nLineas);
        Comprobar(segunda.filas == primera.filas && segunda.lineas == primera.lineas &&
                      segunda.sError == primera.sError,
                  "reading again gives the same rows");
    } catch (const ErrorLote& error) {
        ComprobarError(error, nLineas);
    }
    return 0;
}
