// Texts reduced to the character set every SEPA bank takes: the letters a-z and A-Z, the digits
// and / - ? : ( ) . , ' + and the space. Accents are removed (Muñoz -> Munoz, Ç -> C), the
// ligatures spelt out (Æ -> AE, ß -> ss), anything else becomes a space, and blanks collapse.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A Windows-1252 text reduced, trimmed, and cut to at most nMaximo characters.
std::string TextoSepa(std::string_view s1252, std::size_t nMaximo);

// A reduced text cut to at most nMaximo characters at a word boundary: a word that would not fit
// is left out whole, unless it is the first, which is cut.
std::string CortarEnPalabra(std::string_view sSepa, std::size_t nMaximo);
