// The print preview window (IDD_VISTA_PREVIA): the receipt at the display's physical size.
#pragma once

#include <optional>

#include "form/recibodata.h"
#include "money/regional.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"

class CVistaPreviaDlg : public CDialog {
  public:
    CVistaPreviaDlg();
    bool OnInitDialog() override;
    void OnPaint(Device& dc) override;
    void OnOK() override;

    ReciboData m_recibo;  // the caller copies the gathered receipt here before the run
    // Set for a registered receipt: its own currency settings, in force during each drawing;
    // OK then prints it again as it was, and that reprint is not registered.
    std::optional<AjustesMoneda> m_ajustes;

  private:
    BitmapPtr m_bmpImprimir;  // 210, on OK
    BitmapPtr m_bmpCancelar;  // 211, on Cancel
};
