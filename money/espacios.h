// Trimming of the amount texts before they are right-aligned on the receipt.
#pragma once

#include <string>

// The text without its trailing spaces, then without its leading ones.
inline std::string QuitarEspaciosExtremos(const std::string& s) {
    const std::size_t fin = s.find_last_not_of(' ');
    if (fin == std::string::npos) {
        return {};
    }
    const std::size_t inicio = s.find_first_not_of(' ');
    return s.substr(inicio, fin - inicio + 1);
}
