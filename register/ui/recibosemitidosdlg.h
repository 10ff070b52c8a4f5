// The receipts issued (IDD_RECIBOS_EMITIDOS): the register as a table, newest first, searched by
// payer or number as typed and narrowed to a collection status; the selected receipt can be
// previewed, reprinted or loaded into the form, marked paid, returned or void, and its history
// shown.
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

    // A row of the table: the receipt's id and what decides which changes it may take.
    struct Fila {
        std::int64_t nId = 0;
        EstadoCobro estado = EstadoCobro::kPendiente;
        bool bDomiciliado = false;  // debited in a remittance
    };

  private:
    void Buscar();
    // The table again, the receipt nId selected when it is still shown (the newest otherwise).
    void Mostrar(std::int64_t nId);
    void ActivarBotones();
    // The selected receipt as registered; nothing when no row is selected or the register no
    // longer gives it (which the status line then says).
    std::optional<ReciboRegistrado> Seleccionado();

    void OnVistaPrevia();
    void OnReimprimir();
    AparienciaRecibo Apariencia(const ReciboRegistrado& r);
    void OnCargar();
    void OnCobrado();
    void OnDevuelto();
    void OnAnular();
    void OnHistorial();
    // Asks the register for the change; a refusal or a failure is told in a box, and a change
    // made shows in the table.
    void Cambiar(const ReciboRegistrado& r, const NuevoEstado& nuevo);

    std::vector<Fila> m_filas;  // each row shown
};
