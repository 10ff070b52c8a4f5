// A fuzzer's input for the register: a 32-bit little-endian length, that many bytes of the
// write-ahead log, then the register's file. The seed generator writes registers this way.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

struct RegistroTroceado {
    std::string sDiario;  // empty: no log
    std::string sFichero;
    bool bFicheroVacio;  // an empty file rather than none (the length's top bit)
};

inline RegistroTroceado Trocear(const std::string& s) {
    if (s.size() < 4) {
        return {{}, s, true};
    }
    const std::uint32_t nCabecera =
        static_cast<unsigned char>(s[0]) | static_cast<unsigned char>(s[1]) << 8 |
        static_cast<unsigned char>(s[2]) << 16 |
        static_cast<std::uint32_t>(static_cast<unsigned char>(s[3])) << 24;
    const std::size_t nDiario = std::min<std::size_t>(nCabecera & 0x7FFFFFFF, s.size() - 4);
    return {s.substr(4, nDiario), s.substr(4 + nDiario), (nCabecera & 0x80000000) != 0};
}

inline std::string Juntar(const std::string& sDiario, const std::string& sFichero) {
    const auto n = static_cast<std::uint32_t>(sDiario.size());
    std::string s;
    for (int i = 0; i < 4; ++i) {
        s += static_cast<char>(n >> (8 * i) & 0xFF);
    }
    return s + sDiario + sFichero;
}
