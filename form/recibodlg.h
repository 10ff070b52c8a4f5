// The receipt form (template 102): the program's one window. It keeps no receipt of its own:
// the receipt lives in its fields and, once saved, in the settings file.
#pragma once

#include <array>

#include "form/recibodata.h"
#include "money/globalcurrency.h"
#include "platform/dialog.h"

class CReciboDlg : public CDialog {
  public:
    CReciboDlg();

    bool OnInitDialog() override;
    // Enter in a field moves to the next one as Tab does, so a stray Enter never ends the
    // program and loses the typed receipt (a focused button takes Enter as its click).
    void OnEnterKey() override;
    void OnSysCommand(int command) override;

    // The receipt as the form holds it: texts as typed, amounts parsed, the total their sum.
    void RellenarRecibo(ReciboData& recibo) const;
    // The other way: the receipt's texts and amounts into the fields, as the start of a new
    // one; the labels stay and nothing is stored.
    void PonerRecibo(const ReciboData& recibo);

    // Persistence.
    void GuardarRecibo();
    void CargarRecibo();
    void GuardarEtiquetas();
    void CargarEtiquetas();

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
    void PonerImagenes();
    std::array<CGlobalCurrency, 6> LeerImportes() const;

    // Commands that open the windows of the options and output.
    void OnImprimir();
    void OnVistaPrevia();
    void OnCalendario();
    void OnMoneda();
    void OnRecibosEmitidos();
};
