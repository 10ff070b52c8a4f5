// The receipt texts and colours dialog (IDD_DISENO_RECIBO).
#pragma once

#include <string>

#include "platform/bitmap.h"
#include "platform/dialog.h"

class CDisenoReciboDlg : public CDialog {
  public:
    CDisenoReciboDlg();
    bool OnInitDialog() override;
    void OnOK() override;

    std::string m_sTexto1;
    std::string m_sTexto2;
    std::string m_sTexto3;
    bool m_bImporteEnLetra = false;  // the receipt prints its total in words

  private:
    void ElegirFondo(int nFondo);

    BitmapPtr m_solidoNormal;
    BitmapPtr m_solidoElegido;
    BitmapPtr m_rayadoNormal;
    BitmapPtr m_rayadoElegido;
};
