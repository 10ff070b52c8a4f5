// The currency options dialog (IDD_CONFIG).
#pragma once

#include <memory>

#include "platform/dialog.h"

class CConfigDlg : public CDialog {
  public:
    CConfigDlg();
    ~CConfigDlg() override;
    bool OnInitDialog() override;
    void OnPaint(Device& dc) override;

  private:
    struct Estado;
    std::unique_ptr<Estado> m_estado;

    void RegistrarComandos();
    void PonerTextos();
    void LeerRadios();
    void EscribirRadios();
    void PasoBotonesSigno();
    void Redibujar();

    void OnEstiloDecimal();
    void OnSeparadorMiles();
    void OnTipoSigno();
    void OnSignoPersonalizado();
};
