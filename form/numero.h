// The receipt number's increment: the first run of digits, starting at a digit 1 to 9, grows
// by one; everything around it stays.
#pragma once

#include <string>

std::string PrimerNumero(const std::string& sTexto);
std::string ReemplazarPrimero(const std::string& sTexto, const std::string& sBuscada,
                              const std::string& sReemplazo);
bool EmpiezaPor(const std::string& sTexto, const std::string& sPrefijo);

// The number that follows sNumero.
std::string SiguienteNumero(const std::string& sNumero);
