// The creditor of the remittances (IDD_ACREEDOR), opened from the form's "Datos del acreedor...":
// the four settings of the section "Acreedor". A field says what is wrong with it as the user
// leaves it; OK stores the four only when all are right, IBAN, identifier and BIC without
// blanks and in capitals; Cancel stores nothing.
#pragma once

#include <cstddef>

#include "platform/dialog.h"

class CAcreedorDlg : public CDialog {
  public:
    CAcreedorDlg();
    bool OnInitDialog() override;
    void OnOK() override;

  private:
    // Shows what is wrong with field i (nothing when it is right); true when it is right.
    bool ComprobarCampo(std::size_t i);
};
