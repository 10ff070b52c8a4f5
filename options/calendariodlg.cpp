#include "options/calendariodlg.h"

#include "platform/services.h"
#include "res/ids/identificadores.h"

// The calendar opens on today's date, its own default; the form's text is not passed in.
CCalendarioDlg::CCalendarioDlg() : CDialog(IDD_CALENDARIO) {}

void CCalendarioDlg::OnOK() {
    if (const auto fecha = Window().GetCalendarSelection(IDC_MONTHCALENDAR)) {
        m_fecha = *fecha;
    }
    EndDialog(IDOK);
}

std::string FechaATexto(const Date& fecha) {
    return Servicios().ShortDateText(fecha);
}
