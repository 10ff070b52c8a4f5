// The receipts issued (IDD_RECIBOS_EMITIDOS): the register as a table, newest first, searched by
// payer or number as typed; the selected receipt can be previewed, reprinted or loaded into the
// form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "form/recibodata.h"
#include "output/apariencia_recibo.h"
#include "platform/dialog.h"
#include "register/registro.h"

// The form's context-menu item (IDM_RECIBOS_EMITIDOS) that opens the dialog.
inline constexpr const char* kTextoRecibosEmitidos = "Recibos emitidos...";

class CRecibosEmitidosDlg : public CDialog {
  public:
    // The table shows this many receipts at most; a search finds the older ones.
    static constexpr std::int64_t kFilasMaximas = 1000;

    CRecibosEmitidosDlg();
    bool OnInitDialog() override;
    // Enter previews the selected receipt (the dialog is closed with "Cerrar" or Escape).
    void OnEnterKey() override;

    // The receipt chosen with "Cargar en el formulario"; the dialog then ends with OK.
    std::optional<ReciboData> m_cargado;

  private:
    void Buscar();
    void ActivarBotones();
    // The selected receipt as registered; nothing when no row is selected or the register no
    // longer gives it (which the status line then says).
    std::optional<ReciboRegistrado> Seleccionado();

    void OnVistaPrevia();
    void OnReimprimir();
    AparienciaRecibo Apariencia(const ReciboRegistrado& r);
    void OnCargar();

    std::vector<std::int64_t> m_ids;  // the register's id of each row shown
};
