// The built-in table of label texts and the current language number.
#pragma once

#include <cstdint>
#include <string>

// 1 Spanish, 2 English, 3 French, 4 German, 5 Italian, 6 Basque, 7 Catalan, 8 Galician,
// 9 Portuguese. Holds 2 until LeerIdioma has run.
extern std::int32_t g_nIdioma;

std::string TextoIdioma(int nGrupo, int nIndice);
std::string TextoIdioma0(int nIndice);
std::string TextoIdioma1(int nIndice);
std::string TextoIdioma2(int nIndice);
std::string TextoIdioma3(int nIndice);
std::string TextoIdioma4(int nIndice);
std::string TextoIdioma7(int nIndice);
std::string TextoIdioma9(int nIndice);
std::string TextoIdioma11(int nIndice);
// The table's text, or sDefecto where the current language has an empty one.
std::string TextoIdiomaO(int nGrupo, int nIndice, const std::string& sDefecto);

bool LeerIdioma();
void DetectarIdioma();
