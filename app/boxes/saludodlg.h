// The message box: a read-only multi-line text with "Aceptar" and "Cancelar" (IDD_SALUDO).
// Serves as the welcome box at the first start and as the program's general message box.
#pragma once

#include <string>

#include "platform/dialog.h"

class CSaludoDlg : public CDialog {
  public:
    CSaludoDlg();  // holds the welcome text
    void PonerTexto(const std::string& sTexto);
    bool OnInitDialog() override;

    static const char* const kTextoBienvenida;

  private:
    std::string m_sTexto;
};
