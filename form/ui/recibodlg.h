// The receipt form (IDD_RECIBO_DIALOG): the program's one window. It keeps no receipt of its own:
// the receipt lives in its fields and, once saved, in the settings file.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "form/recibodata.h"
#include "money/globalcurrency.h"
#include "platform/dialog.h"

class CReciboDlg;
// One command of the form's menu: its text, its command id, its shortcut and what it does.
struct ComandoMenu {
    const char* sTexto;
    int nComando;
    const char* sAtajo;
    void (CReciboDlg::*pAccion)();
};

// The menu of commands in its order.
const std::vector<ComandoMenu>& ComandosMenu();

class CReciboDlg : public CDialog {
  public:
    CReciboDlg();

    bool OnInitDialog() override;
    // Enter in a field moves to the next one as Tab does, so a stray Enter never ends the
    // program and loses the typed receipt (a focused button takes Enter as its click).
    void OnEnterKey() override;
    // The exit button, Escape and the close box end the form at once when the settings file
    // holds what it shows; otherwise they ask whether to save it first.
    void OnOK() override;
    void OnCancel() override;
    void OnSysCommand(int command) override;

    // The receipt as the form holds it: texts as typed, amounts parsed, the total their sum.
    // Throws ErrorImporte (output/importes_impresos.h) when an amount, or the total, would
    // print other than typed; the fields stay as they are, for correcting.
    void RellenarRecibo(ReciboData& recibo) const;
    // The other way: the receipt's texts and amounts into the fields, as the start of a new
    // one; the labels stay and nothing is stored.
    void PonerRecibo(const ReciboData& recibo);

    // Persistence.
    void GuardarRecibo();
    void CargarRecibo();
    void GuardarEtiquetas();
    void CargarEtiquetas();
    // Whether the receipt fields, or the labels, differ from what the next start would show
    // from the settings file (the empty receipt and the built-in labels when nothing is
    // stored). Amounts compare in the form text the start-up rewrites them into.
    bool ReciboCambiado() const;
    bool EtiquetasCambiadas() const;

    // Amounts.
    void RecalcularTotal();
    void NormalizarImportes();

    void IncrementarNumero();

    // Modes.
    void ModoNormal();
    void ModoEditarConceptos();

    void PonerTextosBotones();

  private:
    void RegistrarComandos();
    bool PuedeTerminar();
    void PonerImagenes();                       // and the tooltips and names of the image buttons
    void NombrarCampos(std::size_t nEtiqueta);  // accessible names from the label's text
    // Each amount field's amount; nothing for one beyond the largest amount.
    std::array<std::optional<CGlobalCurrency>, 6> LeerImportes() const;
    // RellenarRecibo for a print or a preview: false, with the user told why, when it throws.
    bool RellenarParaImprimir(ReciboData& recibo) const;

    // Commands that open the windows of the options and output.
    void OnImprimir();
    void OnVistaPrevia();
    void OnCalendario();
    void OnMoneda();
    void OnImprimirLote();     // recibodlg_lote.cpp
    void OnRecibosEmitidos();  // recibodlg_emitidos.cpp
    void OnAcercaDe();
    void OnAjustarImpresora();
    void OnDatosAcreedor();
    // The menu of commands (recibodlg_menu.cpp): the context menu and "Más…".
    void PonerMenuComandos();
    friend const std::vector<ComandoMenu>& ComandosMenu();
};
