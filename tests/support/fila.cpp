#include "tests/support/fila.h"

#include <array>
#include <cstdio>
#include <utility>

namespace {

constexpr std::array<std::pair<char, const char*>, 11> kDeletreos = {{{' ', "Blank"},
                                                                      {',', "Comma"},
                                                                      {'.', "Point"},
                                                                      {'-', "Minus"},
                                                                      {'+', "Plus"},
                                                                      {'(', "Open"},
                                                                      {')', "Close"},
                                                                      {'$', "Dollar"},
                                                                      {'\'', "Apostrophe"},
                                                                      {'\x80', "Euro"},
                                                                      {'\xA0', "Nbsp"}}};

bool SeQueda(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

std::string Deletreo(char c) {
    for (const auto& [cLetra, sDeletreo] : kDeletreos) {
        if (cLetra == c) {
            return sDeletreo;
        }
    }
    char sCodigo[4];
    std::snprintf(sCodigo, sizeof sCodigo, "X%02X", static_cast<unsigned char>(c));
    return sCodigo;
}

}  // namespace

std::string NombreDeTexto(std::string_view sTexto) {
    if (sTexto.empty()) {
        return "Empty";
    }
    std::string sNombre;
    for (const char c : sTexto) {
        sNombre += SeQueda(c) ? std::string(1, c) : Deletreo(c);
    }
    return sNombre;
}
