// A fresh folder for the settings file, named by BRIXAMO_HOME while the object lives.
#pragma once

#include <string>

#include "tests/support/entorno.h"

class CarpetaTemporal {
  public:
    CarpetaTemporal();
    ~CarpetaTemporal();
    CarpetaTemporal(const CarpetaTemporal&) = delete;
    CarpetaTemporal& operator=(const CarpetaTemporal&) = delete;

    const std::string& Ruta() const { return m_sRuta; }
    std::string Fichero() const { return m_sRuta + "/tarvel.inf"; }

  private:
    std::string m_sRuta;
    VariablesTemporales m_home;
};

// Raw bytes of a file ("" when it cannot be read) and a raw write.
std::string BytesDe(const std::string& sRuta);
void PonerBytes(const std::string& sRuta, const std::string& sBytes);

// A settings file as the store writes it: pairs of lines and exactly one NUL, at the end.
bool FormatoIntacto(const std::string& sBytes);
