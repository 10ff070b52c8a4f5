// An output file of a command-line run written to a temporary file beside it, which replaces the
// file asked for only when the run confirms it: a run that fails leaves every output as it was.
#pragma once

#include <string>

class SalidaTemporal {
  public:
    // Makes the temporary file (with the permissions a new file gets); Temporal() is empty when
    // the folder takes no file.
    explicit SalidaTemporal(std::string sDestino);
    // Removes the temporary file unless it was confirmed.
    ~SalidaTemporal();
    SalidaTemporal(const SalidaTemporal&) = delete;
    SalidaTemporal& operator=(const SalidaTemporal&) = delete;

    const std::string& Destino() const { return m_sDestino; }
    const std::string& Temporal() const { return m_sTemporal; }
    // Renames the temporary file to the one asked for; false when it could not be.
    bool Confirmar();

  private:
    std::string m_sDestino;
    std::string m_sTemporal;
    bool m_bConfirmada = false;
};
