// The print preview window (IDD_VISTA_PREVIA): the receipt at the display's physical size.
#pragma once

#include <optional>

#include "form/recibodata.h"
#include "money/regional.h"
#include "output/apariencia_recibo.h"
#include "platform/bitmap.h"
#include "platform/dialog.h"

class CVistaPreviaDlg : public CDialog {
  public:
    // The receipt is drawn and printed under these currency settings.
    explicit CVistaPreviaDlg(AjustesMoneda ajustesMoneda);
    bool OnInitDialog() override;
    void OnPaint(Device& dc) override;
    void OnOK() override;

    ReciboData m_recibo;  // the caller copies the gathered receipt here before the run
    // A registered receipt, under its own currency settings: OK prints it again as it was, and
    // that reprint is not registered.
    bool m_bRegistrado = false;
    // A registered receipt that is void: OK says it is not reprinted, and closes.
    bool m_bAnulado = false;
    // The look it is drawn and printed in; nothing: the look in force at each paint.
    std::optional<AparienciaRecibo> m_apariencia;

  private:
    AjustesMoneda m_moneda;
    BitmapPtr m_bmpImprimir;  // 210, on OK
    BitmapPtr m_bmpCancelar;  // 211, on Cancel
};
