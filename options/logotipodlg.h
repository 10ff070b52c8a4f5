// The logo dialog (IDD_LOGOTIPO).
#pragma once

#include <functional>
#include <string>

#include "platform/bitmap.h"
#include "platform/dialog.h"

class CLogotipoDlg : public CDialog {
  public:
    CLogotipoDlg();
    bool OnInitDialog() override;
    void OnPaint(Device& dc) override;

    BitmapPtr m_hLogo;

  private:
    void OnElegir();
    void OnQuitar();
    void OnAbrirLogo(const std::function<void(const std::string&)>& abrir);
    void OnAyuda();
};
