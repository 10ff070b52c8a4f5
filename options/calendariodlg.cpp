#include "options/calendariodlg.h"

#include "platform/services.h"

namespace {

constexpr int kCalendario = 1123;

}  // namespace

// The calendar opens on today's date, its own default; the form's text is not passed in.
CCalendarioDlg::CCalendarioDlg() : CDialog(223) {}

void CCalendarioDlg::OnOK() {
    if (const auto fecha = Window().GetCalendarSelection(kCalendario)) {
        m_fecha = *fecha;
    }
    EndDialog(IDOK);
}

std::string FechaATexto(const Date& fecha) {
    return Servicios().ShortDateText(fecha);
}
