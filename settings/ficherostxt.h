// The settings file "tarvel.inf": pairs of lines (section " - " key, then the value), LF
// endings, one NUL byte after the last line feed. Every keyed call reads the whole file;
// every keyed write rewrites it. Texts are Windows-1252 byte strings.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Path of the settings file: $BRIXAMO_HOME, else $XDG_CONFIG_HOME/brixamo, else
// ~/.config/brixamo, followed by "/tarvel.inf". Rebuilt on every call.
std::string RutaFicheroConfiguracion();

bool LeerFicheroTxt(const std::string& sNombre, std::string& sTexto);
bool EscribirFicheroTxt(const std::string& sNombre, const std::string& sTexto);

// The key line that names a setting in the file: section, " - ", key.
std::string LineaClave(const std::string& sSeccion, const std::string& sClave);

std::string LeerValor(const std::string& sSeccion, const std::string& sClave,
                      const std::string& sDefecto);
void EscribirValor(const std::string& sSeccion, const std::string& sClave,
                   const std::string& sValor);

// Several keys of one section in one rewrite; the file ends exactly as after writing them
// one by one in the order given.
void EscribirValores(const std::string& sSeccion,
                     const std::vector<std::pair<std::string, std::string>>& pares);

std::int32_t LeerValorEntero(const std::string& sSeccion, const std::string& sClave,
                             std::int32_t nDefecto);
void EscribirValorEntero(const std::string& sSeccion, const std::string& sClave,
                         std::int32_t nValor);

// Lenient decimal text to integer, wrapping in signed 32 bits.
std::int32_t CadenaAEntero(const std::string& sTexto);
