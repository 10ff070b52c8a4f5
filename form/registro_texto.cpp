// Small letters of Windows-1252 texts, for the register's search by payer.
#include <string>

#include "form/registro_sql.h"

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
