// Rows of table-driven tests that carry their name. A row type derives from Fila, its rows start
// with the name ({"EmptyFile", ...}), and the table is instantiated with
//     INSTANTIATE_TEST_SUITE_P(Group, Test, ::testing::ValuesIn(kRows),
//                              ::testing::PrintToStringParamName());
// gtest and ctest then list each case by its row's name, and a failure prints it as the value.
// A name is letters, digits and underscores, unique in its table.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

struct Fila {
    const char* sNombre;
};

inline std::ostream& operator<<(std::ostream& os, const Fila& fila) {
    return os << fila.sNombre;
}

// A Windows-1252 text as part of a row's name: letters, digits and underscores kept, the other
// characters spelt ("1.234,5" gives "1Point234Comma5", "" gives "Empty").
std::string NombreDeTexto(std::string_view sTexto);
