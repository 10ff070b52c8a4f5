// The receipts issued: the register's table, its search, and the selected receipt previewed,
// reprinted or handed to the form.
#include "register/ui/recibosemitidosdlg.h"

#include <functional>
#include <map>
#include <utility>

#include "output/imprimirrecibo.h"
#include "output/vistapreviadlg.h"
#include "platform/services.h"
#include "register/estado_cobro.h"
#include "register/print/registro_impresion.h"
#include "res/ids/identificadores.h"

namespace {

// The rows found, newest first, by the register's id.
using Encontrados = std::map<std::int64_t, std::vector<std::string>, std::greater<>>;

// Date and time of the registration, number, first payer line and the total as printed.
std::vector<std::string> Celdas(const ReciboRegistrado& r) {
    const std::string sHora = r.sEmitido.size() >= 16 ? " " + r.sEmitido.substr(11, 5) : "";
    return {FechaCorta(r.sEmitido) + sHora, r.recibo.sNumero, r.recibo.sPagador1, r.sTotal};
}

// One more than can be shown, so that the caller knows whether there are more.
ResultadoRegistro Recoger(CRegistro& registro, FiltroRegistro filtro, Encontrados& encontrados) {
    filtro.nMaximo = CRecibosEmitidosDlg::kFilasMaximas + 1;
    return registro.Recorrer(
        filtro, OrdenRegistro::kRecientesPrimero,
        [&encontrados](const ReciboRegistrado& r) { encontrados.emplace(r.nId, Celdas(r)); });
}

// The text is looked for in the payer lines and in the number: the receipts of both searches.
ResultadoRegistro Buscados(const std::string& sBuscado, Encontrados& encontrados) {
    CRegistro registro;
    if (registro.Apertura().estado == EstadoRegistro::kFallo) {
        return registro.Apertura();
    }
    FiltroRegistro porPagador;
    porPagador.sPagador = sBuscado;
    ResultadoRegistro r = Recoger(registro, porPagador, encontrados);
    if (r.estado == EstadoRegistro::kFallo || sBuscado.empty()) {
        return r;
    }
    FiltroRegistro porNumero;
    porNumero.sNumero = sBuscado;
    const ResultadoRegistro rNumero = Recoger(registro, porNumero, encontrados);
    return rNumero.estado == EstadoRegistro::kCorrecto ? r : rNumero;
}

std::string Cuantos(std::size_t n) {
    return n == 1 ? "1 recibo emitido." : std::to_string(n) + " recibos emitidos.";
}

// The status line: what went wrong with the register, or what the table shows.
std::string Estado(const ResultadoRegistro& r, const std::string& sBuscado, std::size_t nFilas,
                   bool bMas) {
    if (r.estado == EstadoRegistro::kFallo) {
        return "No se puede leer el registro de recibos emitidos (" + RutaRegistro() + "):\n" +
               r.sError;
    }
    if (r.estado == EstadoRegistro::kApartado) {
        return "El registro de recibos emitidos estaba da\xF1"
               "ado: se ha apartado como\n" +
               r.sApartado + " y se ha empezado uno nuevo, vac\xEDo.";
    }
    if (nFilas == 0) {
        return sBuscado.empty() ? "A\xFAn no se ha emitido ning\xFAn recibo."
                                : "Ning\xFAn recibo emitido tiene ese pagador o ese n\xFAmero.";
    }
    if (bMas) {
        return "Se muestran los " + std::to_string(nFilas) +
               " recibos m\xE1s recientes; busque por pagador o n\xFAmero para ver otros.";
    }
    return Cuantos(nFilas);
}

}  // namespace

CRecibosEmitidosDlg::CRecibosEmitidosDlg() : CDialog(IDD_RECIBOS_EMITIDOS) {
    On(IDC_EDIT_BUSCAR, Notify::Changed, [this] { Buscar(); });
    On(IDC_TABLA_EMITIDOS, Notify::SelectionChanged, [this] { ActivarBotones(); });
    On(IDC_TABLA_EMITIDOS, Notify::Activated, [this] { OnVistaPrevia(); });
    On(IDC_BUTTON_VER_EMITIDO, Notify::Clicked, [this] { OnVistaPrevia(); });
    On(IDC_BUTTON_REIMPRIMIR, Notify::Clicked, [this] { OnReimprimir(); });
    On(IDC_BUTTON_CARGAR_EMITIDO, Notify::Clicked, [this] { OnCargar(); });
}

bool CRecibosEmitidosDlg::OnInitDialog() {
    Buscar();
    return true;
}

void CRecibosEmitidosDlg::OnEnterKey() {
    OnVistaPrevia();
}

// The newest receipt found is selected. With nothing in the register, or a register that
// cannot be read, there is nothing to search either.
void CRecibosEmitidosDlg::Buscar() {
    const std::string sBuscado = GetDlgItemText(IDC_EDIT_BUSCAR);
    Encontrados encontrados;
    const ResultadoRegistro r = Buscados(sBuscado, encontrados);
    if (r.estado != EstadoRegistro::kCorrecto) {
        encontrados.clear();  // none, or from a file set aside since: nothing to act on
    }
    const bool bMas = encontrados.size() > static_cast<std::size_t>(kFilasMaximas);
    m_ids.clear();
    std::vector<std::vector<std::string>> filas;
    for (auto& [nId, celdas] : encontrados) {
        if (filas.size() == static_cast<std::size_t>(kFilasMaximas)) {
            break;
        }
        m_ids.push_back(nId);
        filas.push_back(std::move(celdas));
    }
    DialogWindow& w = Window();
    w.SetRows(IDC_TABLA_EMITIDOS, filas);
    w.SetSelectedRow(IDC_TABLA_EMITIDOS, 0);
    SetDlgItemText(IDC_TEXTO_ESTADO, Estado(r, sBuscado, filas.size(), bMas));
    const bool bSinNada = r.estado == EstadoRegistro::kFallo || (sBuscado.empty() && filas.empty());
    w.Enable(IDC_EDIT_BUSCAR, !bSinNada);
    ActivarBotones();
}

void CRecibosEmitidosDlg::ActivarBotones() {
    const bool bFila = Window().GetSelectedRow(IDC_TABLA_EMITIDOS) >= 0;
    for (const int id :
         {IDC_BUTTON_VER_EMITIDO, IDC_BUTTON_REIMPRIMIR, IDC_BUTTON_CARGAR_EMITIDO}) {
        Window().Enable(id, bFila);
    }
}

std::optional<ReciboRegistrado> CRecibosEmitidosDlg::Seleccionado() {
    const int nFila = Window().GetSelectedRow(IDC_TABLA_EMITIDOS);
    if (nFila < 0 || static_cast<std::size_t>(nFila) >= m_ids.size()) {
        return std::nullopt;
    }
    CRegistro registro;
    std::optional<ReciboRegistrado> r = registro.Leer(m_ids[static_cast<std::size_t>(nFila)]);
    if (!r) {
        SetDlgItemText(IDC_TEXTO_ESTADO, "Ese recibo ya no se puede leer del registro.");
    }
    return r;
}

// The look the receipt was printed in; one registered before looks were kept shows and prints
// in the look in force, and the status line says so.
AparienciaRecibo CRecibosEmitidosDlg::Apariencia(const ReciboRegistrado& r) {
    bool bActual = false;
    AparienciaRecibo apariencia = AparienciaDeRegistrado(r, bActual);
    if (bActual) {
        SetDlgItemText(IDC_TEXTO_ESTADO, kAvisoAparienciaActual);
    }
    return apariencia;
}

// The preview draws the receipt as registered, and its OK reprints it.
void CRecibosEmitidosDlg::OnVistaPrevia() {
    const std::optional<ReciboRegistrado> r = Seleccionado();
    if (!r) {
        return;
    }
    CVistaPreviaDlg dlgVista(r->ajustes);
    dlgVista.m_recibo = r->recibo;
    dlgVista.m_bRegistrado = true;
    dlgVista.m_bAnulado = r->estado.estado == EstadoCobro::kAnulado;
    dlgVista.m_apariencia = Apariencia(*r);
    dlgVista.DoModal();
}

// A reprint is a copy: it is not registered again. A void receipt is never reprinted.
void CRecibosEmitidosDlg::OnReimprimir() {
    const std::optional<ReciboRegistrado> r = Seleccionado();
    if (r && r->estado.estado == EstadoCobro::kAnulado) {
        Servicios().MessageBox(kAvisoAnuladoNoSeReimprime);
    } else if (r) {
        ReimprimirRecibo(r->recibo, Apariencia(*r), r->ajustes);
    }
}

void CRecibosEmitidosDlg::OnCargar() {
    std::optional<ReciboRegistrado> r = Seleccionado();
    if (!r) {
        return;
    }
    m_cargado = std::move(r->recibo);
    EndDialog(IDOK);
}
