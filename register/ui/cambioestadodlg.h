// A receipt paid (IDD_COBRADO: the day and how) or returned by the bank (IDD_DEVUELTO: the day
// and the SEPA reason code, chosen from the list with its meaning). Each gives the status the
// receipt is asked to take; the register decides whether it may.
#pragma once

#include "platform/dialog.h"
#include "register/estado_cobro.h"

// The day of the change, typed as dd/mm/aaaa (or YYYY-MM-DD), today at first. OK reads it and
// what the dialog adds; a day that cannot be read, or a choice missing, is told on the line
// below the day and the dialog stays open.
class CCambioEstadoDlg : public CDialog {
  public:
    CCambioEstadoDlg(int templateId, EstadoCobro estado);
    bool OnInitDialog() override;
    void OnOK() override;

    NuevoEstado m_nuevo;  // what OK read

  protected:
    // Reads the dialog's own choice into m_nuevo; false (after saying why) when there is none.
    virtual bool LeerEleccion() = 0;
    void Error(const std::string& sTexto);
};

class CCobradoDlg : public CCambioEstadoDlg {
  public:
    // A debited receipt is offered as paid by direct debit; any other as paid in cash.
    explicit CCobradoDlg(bool bDomiciliado);
    bool OnInitDialog() override;

  private:
    bool LeerEleccion() override;
    bool m_bDomiciliado;
};

class CDevueltoDlg : public CCambioEstadoDlg {
  public:
    CDevueltoDlg();
    bool OnInitDialog() override;

  private:
    bool LeerEleccion() override;
};
