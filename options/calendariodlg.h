// The calendar date picker (IDD_CALENDARIO) and the date's text.
#pragma once

#include <optional>
#include <string>

#include "platform/dialog.h"

class CCalendarioDlg : public CDialog {
  public:
    CCalendarioDlg();
    void OnOK() override;

    std::optional<Date> m_fecha;  // set by OK when the calendar reports a selection
};

// The date alone in the user's short date format.
std::string FechaATexto(const Date& fecha);
