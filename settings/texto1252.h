// Windows-1252, the program's own character set (and the settings file's), and Unicode: one
// conversion for every text that crosses between them, and the set's capital and small letters.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The character of a Windows-1252 byte; the five bytes the set leaves undefined stand for the
// C1 controls of the same value.
char32_t UnicodeDe1252(unsigned char c);

// The Windows-1252 byte of a character, the inverse of UnicodeDe1252; nothing for a character
// the set has no byte for.
std::optional<char> ByteDe1252(char32_t u);

// Appends the UTF-8 of a character of the Basic Multilingual Plane.
void AnadirUtf8(std::string& s, char32_t u);

// One character of well-formed UTF-8 from position i (moved past it); nothing when the bytes
// there are not one: stray continuation bytes, overlong forms, surrogates, beyond U+10FFFF.
std::optional<char32_t> SiguienteUtf8(std::string_view s, std::size_t& i);

// Whether the whole text is well-formed UTF-8.
bool EsUtf8(std::string_view s);

// Windows-1252 to UTF-8. Every byte survives the way back.
std::string Utf8De1252(std::string_view sTexto);

// UTF-8 to Windows-1252; a character without a byte there, or a malformed sequence, becomes
// cSustituto.
std::string Cp1252DeUtf8(std::string_view sTexto, char cSustituto = '?');

// The text with its capital letters (accented ones included) made small, for comparing in
// either case.
std::string Minusculas1252(std::string s);
