// "Ajustar impresora..." (IDD_AJUSTAR_IMPRESORA): a printer queue's correction, worked out
// from a calibration page printed on it, stored, shown and removed.
#pragma once

#include <optional>
#include <string>

#include "output/calibracion.h"
#include "platform/dialog.h"

class CAjustarImpresoraDlg : public CDialog {
  public:
    CAjustarImpresoraDlg();
    bool OnInitDialog() override;

  private:
    // The queue selected, as the services name it; nothing when none is.
    std::optional<std::string> Impresora() const;
    void MostrarCorreccion();
    void OnImprimirPagina();
    void OnGuardar();
    void OnQuitar();
    void Estado(const std::string& sTexto);
    std::optional<MedidasCalibracion> Medidas() const;
};

// The queue's name as the corrections file keys it (the spooler's own, in UTF-8).
std::string ClaveCola(const std::string& sImpresora);

// A length typed by the user in millimetres: digits with one decimal comma or point, blanks
// around; nothing for any other text.
std::optional<double> LeerMilimetros(const std::string& sTexto);
