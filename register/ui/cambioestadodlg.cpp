// The small dialogs of a receipt paid or returned.
#include "register/ui/cambioestadodlg.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/services.h"
#include "register/deudas.h"
#include "res/ids/identificadores.h"

namespace {

struct RadioMetodo {
    int id;
    MetodoCobro metodo;
};
constexpr std::array<RadioMetodo, 3> kRadiosMetodo = {{
    {IDC_RADIO_EFECTIVO, MetodoCobro::kEfectivo},
    {IDC_RADIO_TRANSFERENCIA, MetodoCobro::kTransferencia},
    {IDC_RADIO_DOMICILIACION, MetodoCobro::kDomiciliacion},
}};

std::string HoyComoSeEscribe() {
    const Date hoy = Servicios().Today();
    char s[16];
    std::snprintf(s, sizeof s, "%02d/%02d/%04d", hoy.day, hoy.month, hoy.year);
    return s;
}

}  // namespace

CCambioEstadoDlg::CCambioEstadoDlg(int templateId, EstadoCobro estado) : CDialog(templateId) {
    m_nuevo.estado = estado;
}

bool CCambioEstadoDlg::OnInitDialog() {
    SetDlgItemText(IDC_EDIT_FECHA_ESTADO, HoyComoSeEscribe());
    return true;
}

void CCambioEstadoDlg::Error(const std::string& sTexto) {
    SetDlgItemText(IDC_TEXTO_ERROR_FECHA, sTexto);
}

// A day still to come is the register's to refuse, with its reason.
void CCambioEstadoDlg::OnOK() {
    const std::optional<std::string> sDia = DiaDeVencimiento(GetDlgItemText(IDC_EDIT_FECHA_ESTADO));
    if (!sDia) {
        Error("Escriba la fecha como dd/mm/aaaa, por ejemplo " + HoyComoSeEscribe() + ".");
        Window().SetFocus(IDC_EDIT_FECHA_ESTADO);
        return;
    }
    m_nuevo.sFecha = *sDia;
    if (LeerEleccion()) {
        EndDialog(IDOK);
    }
}

CCobradoDlg::CCobradoDlg(bool bDomiciliado)
    : CCambioEstadoDlg(IDD_COBRADO, EstadoCobro::kCobrado), m_bDomiciliado(bDomiciliado) {}

bool CCobradoDlg::OnInitDialog() {
    Window().SetCheck(m_bDomiciliado ? IDC_RADIO_DOMICILIACION : IDC_RADIO_EFECTIVO, true);
    return CCambioEstadoDlg::OnInitDialog();
}

bool CCobradoDlg::LeerEleccion() {
    for (const RadioMetodo& r : kRadiosMetodo) {
        if (Window().GetCheck(r.id)) {
            m_nuevo.metodo = r.metodo;
            return true;
        }
    }
    Error("Elija la forma de cobro.");
    return false;
}

CDevueltoDlg::CDevueltoDlg() : CCambioEstadoDlg(IDD_DEVUELTO, EstadoCobro::kDevuelto) {
    On(IDC_TABLA_MOTIVOS, Notify::Activated, [this] { OnOK(); });
}

bool CDevueltoDlg::OnInitDialog() {
    std::vector<std::vector<std::string>> filas;
    for (const MotivoDevolucion& m : MotivosDevolucion()) {
        filas.push_back({m.sCodigo, m.sSignificado});
    }
    Window().SetRows(IDC_TABLA_MOTIVOS, filas);
    return CCambioEstadoDlg::OnInitDialog();
}

bool CDevueltoDlg::LeerEleccion() {
    const int nFila = Window().GetSelectedRow(IDC_TABLA_MOTIVOS);
    const auto motivos = MotivosDevolucion();
    if (nFila < 0 || static_cast<std::size_t>(nFila) >= motivos.size()) {
        Error("Elija en la lista el motivo de la devoluci\xF3n.");
        Window().SetFocus(IDC_TABLA_MOTIVOS);
        return false;
    }
    m_nuevo.sMotivo = motivos[static_cast<std::size_t>(nFila)].sCodigo;
    return true;
}
