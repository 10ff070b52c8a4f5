#include "remesa/texto_sepa.h"

#include <string_view>

namespace {

constexpr std::string_view kSignos = "/-?:().,'+ ";

// The reduction of each Windows-1252 byte from 0x80 on, a row of 16 a line; "" is a space.
// clang-format off
constexpr std::string_view kAltos[128] = {
    "",  "",  "",  "f", "",  "",  "",  "",   "",  "",  "S", "",  "OE", "",  "Z", "",   // 0x80
    "",  "'", "'", "",  "",  "",  "-", "-",  "",  "",  "s", "",  "oe", "",  "z", "Y",  // 0x90
    "",  "",  "",  "",  "",  "",  "",  "",   "",  "",  "a", "",  "",   "-", "",  "",   // 0xA0
    "",  "+", "",  "",  "",  "",  "",  ".",  "",  "",  "o", "",  "",   "",  "",  "?",  // 0xB0
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I",  "I", "I", "I",  // 0xC0
    "D", "N", "O", "O", "O", "O", "O", "",   "O", "U", "U", "U", "U",  "Y", "",  "ss", // 0xD0
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i",  "i", "i", "i",  // 0xE0
    "d", "n", "o", "o", "o", "o", "o", "",   "o", "u", "u", "u", "u",  "y", "",  "y",  // 0xF0
};
// clang-format on

bool EsSepa(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           kSignos.find(c) != std::string_view::npos;
}

void Anadir(std::string& s, std::string_view sParte) {
    for (char c : sParte) {
        if (c == ' ' && (s.empty() || s.back() == ' ')) {
            continue;
        }
        s += c;
    }
}

}  // namespace

std::string TextoSepa(std::string_view s1252, std::size_t nMaximo) {
    std::string s;
    for (char c : s1252) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80) {
            const std::string_view sReduccion = kAltos[b - 0x80];
            Anadir(s, sReduccion.empty() ? " " : sReduccion);
        } else {
            Anadir(s, EsSepa(c) ? std::string_view(&c, 1) : " ");
        }
    }
    if (s.size() > nMaximo) {
        s.resize(nMaximo);
    }
    while (!s.empty() && s.back() == ' ') {
        s.pop_back();
    }
    return s;
}

std::string CortarEnPalabra(std::string_view sSepa, std::size_t nMaximo) {
    if (sSepa.size() <= nMaximo) {
        return std::string(sSepa);
    }
    std::size_t nCorte = sSepa.rfind(' ', nMaximo);
    if (nCorte == std::string_view::npos || nCorte == 0) {
        nCorte = nMaximo;
    }
    std::string s(sSepa.substr(0, nCorte));
    while (!s.empty() && (s.back() == ' ' || s.back() == ',' || s.back() == ':')) {
        s.pop_back();
    }
    return s;
}
