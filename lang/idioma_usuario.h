// The user's language as a Windows primary-language value, taken from the locale variables.
#pragma once

#include <string>

inline constexpr int kPrimarioDesconocido = -1;

// The primary-language value of a locale name such as "fr_FR.UTF-8", "pt", "C" or "POSIX";
// kPrimarioDesconocido when the language is not known.
int IdiomaPrimarioDeLocale(const std::string& sLocale);

// The locale name that decides the messages' language: the first non-empty of LANGUAGE (its
// first entry), LC_ALL, LC_MESSAGES and LANG; empty when none is set.
std::string LocaleDeMensajes();

// The program's language number (1..9) for a primary-language value.
int NumeroDeIdioma(int nPrimario);
