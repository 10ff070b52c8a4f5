// Writes the seed corpus of the batch fuzzer into the folder it is given: the example batch in
// UTF-8, with a byte-order mark, in Windows-1252, with CRLF line ends, with commas for the
// separator, and with a quoted field that holds a line break; the example with debtor columns,
// and one whose IBANs are hostile (lower case and blanks, letters for check digits, non-ASCII).
//     semillas_lote_csv FOLDER
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "settings/texto1252.h"

namespace {

std::string Reemplazar(std::string s, const std::string& sDe, const std::string& sA) {
    for (auto n = s.find(sDe); n != std::string::npos; n = s.find(sDe, n + sA.size())) {
        s.replace(n, sDe.size(), sA);
    }
    return s;
}

// Commas as the separator: the amounts take a decimal point ("45,00" is a number), the quoted
// addresses keep their commas.
std::string ConComas(std::string s) {
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        if (s[i] == ',' && s[i - 1] >= '0' && s[i - 1] <= '9' && s[i + 1] >= '0' &&
            s[i + 1] <= '9') {
            s[i] = '.';
        }
    }
    return Reemplazar(s, ";", ",");
}

}  // namespace

int main(int argc, char** argv) {
    std::ifstream ejemplo(BRX_EJEMPLO_LOTE, std::ios::binary);
    const std::string sUtf8{std::istreambuf_iterator<char>(ejemplo), {}};
    std::ifstream remesa(BRX_EJEMPLO_REMESA, std::ios::binary);
    const std::string sRemesa{std::istreambuf_iterator<char>(remesa), {}};
    if (argc != 2 || sUtf8.empty() || sRemesa.empty()) {
        std::fprintf(stderr, "usage: %s FOLDER (with %s)\n", argv[0], BRX_EJEMPLO_LOTE);
        return 2;
    }
    const std::pair<const char*, std::string> semillas[] = {
        {"utf8.csv", sUtf8},
        {"bom.csv", "\xEF\xBB\xBF" + sUtf8},
        {"windows-1252.csv", Cp1252DeUtf8(sUtf8)},
        {"crlf.csv", Reemplazar(sUtf8, "\n", "\r\n")},
        {"comas.csv", ConComas(sUtf8)},
        {"salto.csv", "NUMERO;CONCEPTO_1;IMPORTE_1\n7;\"Cuota\r\nde \"\"enero\"\"\";(1.234,5)\n"},
        {"remesa.csv", sRemesa},
        {"iban.csv",
         "IBAN;MANDATO;FECHA_MANDATO;SECUENCIA;IMPORTE_1\n"
         "es91 2100 0418 4502 0005 1332;M1;15/01/2024;frst;1\n"
         "ESXX21000418450200051332;M2;2024-02-30;;2\n"
         "ES91 2100 0418 4502 0005 13\xC3\xB1\xC3\xB1;M3;2024-01-01;RCUR;3\n"},
    };
    for (const auto& [sNombre, sBytes] : semillas) {
        std::ofstream(std::string(argv[1]) + "/" + sNombre, std::ios::binary) << sBytes;
    }
    return 0;
}
