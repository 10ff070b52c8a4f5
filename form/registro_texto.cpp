// Windows-1252 and UTF-8, for the texts the register keeps.
#include <array>
#include <cstdint>
#include <string>

#include "form/registro.h"
#include "form/registro_sql.h"

namespace {

// Code points of bytes 0x80 to 0x9F; the five bytes without a character keep their value.
constexpr std::array<char32_t, 32> kC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodigoDeByte(unsigned char c) {
    return c >= 0x80 && c <= 0x9F ? kC1[c - 0x80] : c;
}

char ByteDeCodigo(char32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        return static_cast<char>(u);
    }
    for (std::size_t i = 0; i < kC1.size(); ++i) {
        if (kC1[i] == u) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
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

// The code point starting at s[i], advancing i past it; nothing for a malformed sequence
// (i then passes its first byte only).
std::optional<char32_t> LeerCodigo(const std::string& s, std::size_t& i) {
    const auto c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80) {
        return c;
    }
    const int nSeguidos = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : -1;
    if (nSeguidos < 0 || i + nSeguidos > s.size()) {
        return std::nullopt;
    }
    char32_t u = c & (0x3F >> nSeguidos);
    for (int k = 0; k < nSeguidos; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            return std::nullopt;
        }
        u = (u << 6) | (b & 0x3F);
    }
    i += nSeguidos;
    return u;
}

}  // namespace

namespace registro {

std::string Minusculas(std::string s) {
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

}  // namespace registro

std::string Utf8De1252(const std::string& s) {
    std::string sUtf8;
    sUtf8.reserve(s.size());
    for (char c : s) {
        AnadirUtf8(sUtf8, CodigoDeByte(static_cast<unsigned char>(c)));
    }
    return sUtf8;
}

std::string Cp1252DeUtf8(const std::string& s) {
    std::string s1252;
    s1252.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::optional<char32_t> u = LeerCodigo(s, i);
        s1252 += u ? ByteDeCodigo(*u) : '?';
    }
    return s1252;
}
