// Windows-1252, the program's own character set, and Unicode.
#include "settings/texto1252.h"

#include <algorithm>
#include <array>

namespace {

// Unicode of the bytes 0x80 to 0x9F; 0 where Windows-1252 has no character.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t UnicodeDe1252(unsigned char c) {
    if (c >= 0x80 && c < 0xA0 && kAltos[c - 0x80] != 0) {
        return kAltos[c - 0x80];
    }
    return c;
}

std::optional<char> ByteDe1252(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u < 0xA0 && kAltos[u - 0x80] == 0)) {
        return static_cast<char>(u);
    }
    const auto it = std::find(kAltos.begin(), kAltos.end(), u);
    if (it == kAltos.end()) {
        return std::nullopt;
    }
    return static_cast<char>(0x80 + (it - kAltos.begin()));
}

void AnadirUtf8(std::string& s, char32_t u) {
    if (u < 0x80) {
        s += static_cast<char>(u);
    } else if (u < 0x800) {
        s += static_cast<char>(0xC0 | (u >> 6));
        s += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (u >> 12));
        s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// One character of well-formed UTF-8 from position i (moved past it); nothing when the bytes
// there are not one: stray continuation bytes, overlong forms, surrogates, beyond U+10FFFF.
std::optional<char32_t> SiguienteUtf8(std::string_view s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    const int nSeguidos = c < 0x80   ? 0
                          : c < 0xC2 ? -1
                          : c < 0xE0 ? 1
                          : c < 0xF0 ? 2
                          : c < 0xF5 ? 3
                                     : -1;
    if (nSeguidos < 0 || i + nSeguidos >= s.size()) {
        return std::nullopt;
    }
    char32_t u = nSeguidos == 0 ? c : c & (0x3F >> nSeguidos);
    for (int k = 1; k <= nSeguidos; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) {
            return std::nullopt;
        }
        u = (u << 6) | (d & 0x3F);
    }
    constexpr char32_t kMinimos[] = {0, 0x80, 0x800, 0x10000};
    if (u < kMinimos[nSeguidos] || (u >= 0xD800 && u < 0xE000) || u > 0x10FFFF) {
        return std::nullopt;
    }
    i += nSeguidos + 1;
    return u;
}

bool EsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
        } else if (!SiguienteUtf8(s, i)) {
            return false;
        }
    }
    return true;
}

std::string Utf8De1252(std::string_view sTexto) {
    std::string s;
    s.reserve(sTexto.size());
    for (char c : sTexto) {
        AnadirUtf8(s, UnicodeDe1252(static_cast<unsigned char>(c)));
    }
    return s;
}

std::string Cp1252DeUtf8(std::string_view sTexto, char cSustituto) {
    std::string s;
    std::size_t i = 0;
    while (i < sTexto.size()) {
        const std::optional<char32_t> u = SiguienteUtf8(sTexto, i);
        const std::optional<char> c = u ? ByteDe1252(*u) : std::nullopt;
        s += c.value_or(cSustituto);
        i += u ? 0 : 1;
    }
    return s;
}

std::string Minusculas1252(std::string s) {
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
            c = static_cast<char>(b + 0x20);
        } else if (b == 0x8A || b == 0x8C || b == 0x8E) {
            c = static_cast<char>(b + 0x10);
        } else if (b == 0x9F) {
            c = static_cast<char>(0xFF);
        }
    }
    return s;
}
