#include "register/commands/texto_registro.h"

#include <cstdio>

#include "settings/texto1252.h"

namespace {

constexpr char kSeparador = ';';

// A CSV field: quoted when it holds the separator, a quote or a line break.
std::string CampoCsv(const std::string& sUtf8) {
    if (sUtf8.find_first_of(std::string(1, kSeparador) + "\"\r\n") == std::string::npos) {
        return sUtf8;
    }
    std::string s = "\"";
    for (char c : sUtf8) {
        s += c == '"' ? "\"\"" : std::string(1, c);
    }
    return s + "\"";
}

}  // namespace

std::string FilaCsv(const std::vector<std::string>& campos1252) {
    std::string s;
    for (std::size_t i = 0; i < campos1252.size(); ++i) {
        s += (i > 0 ? std::string(1, kSeparador) : "") + CampoCsv(Utf8De1252(campos1252[i]));
    }
    return s + "\r\n";
}

std::string NombreRecibo(const ReciboRegistrado& recibo) {
    return std::to_string(recibo.nId) + " (" + Utf8De1252(recibo.recibo.sNumero) + ")";
}

int FalloRegistro(const ResultadoRegistro& r) {
    std::fprintf(stderr, "brixamo: the register of receipts '%s' cannot be read: %s\n",
                 RutaRegistro().c_str(), r.sError.c_str());
    return 1;
}
