// The receipts issued: the register's table, its search and status filter, the selected
// receipt previewed, reprinted or handed to the form, and its collection status changed.
#include "register/ui/recibosemitidosdlg.h"

#include <functional>
#include <map>
#include <utility>

#include "output/imprimirrecibo.h"
#include "output/vistapreviadlg.h"
#include "platform/services.h"
#include "register/estado_cobro.h"
#include "register/print/registro_impresion.h"
#include "register/ui/cambioestadodlg.h"
#include "res/ids/identificadores.h"

namespace {

struct Encontrado {
    std::vector<std::string> celdas;
    CRecibosEmitidosDlg::Fila fila;
};

// The rows found, newest first, by the register's id.
using Encontrados = std::map<std::int64_t, Encontrado, std::greater<>>;

// "pendiente", "cobrado 10/02/2027", "devuelto 10/02/2027 AM04", "anulado".
std::string TextoEstado(const CambioEstado& c) {
    std::string s = NombreEstado(c.estado);
    if (c.estado == EstadoCobro::kCobrado || c.estado == EstadoCobro::kDevuelto) {
        s += " " + FechaCorta(c.sFecha);
    }
    if (c.estado == EstadoCobro::kDevuelto) {
        s += " " + c.sMotivo;
    }
    return s;
}

// Date and time of the registration, number, first payer line, the total as printed and the
// collection status.
Encontrado Celdas(const ReciboRegistrado& r) {
    const std::string sHora = r.sEmitido.size() >= 16 ? " " + r.sEmitido.substr(11, 5) : "";
    return {{FechaCorta(r.sEmitido) + sHora, r.recibo.sNumero, r.recibo.sPagador1, r.sTotal,
             TextoEstado(r.estado)},
            {r.nId, r.estado.estado, r.remesa.has_value()}};
}

// One more than can be shown, so that the caller knows whether there are more.
ResultadoRegistro Recoger(CRegistro& registro, FiltroRegistro filtro, Encontrados& encontrados) {
    filtro.nMaximo = CRecibosEmitidosDlg::kFilasMaximas + 1;
    return registro.Recorrer(
        filtro, OrdenRegistro::kRecientesPrimero,
        [&encontrados](const ReciboRegistrado& r) { encontrados.emplace(r.nId, Celdas(r)); });
}

// The text is looked for in the payer lines and in the number: the receipts of both searches,
// in the status asked for.
ResultadoRegistro Buscados(const std::string& sBuscado, std::optional<EstadoCobro> estado,
                           Encontrados& encontrados) {
    CRegistro registro;
    if (registro.Apertura().estado == EstadoRegistro::kFallo) {
        return registro.Apertura();
    }
    FiltroRegistro porPagador;
    porPagador.sPagador = sBuscado;
    porPagador.estado = estado;
    ResultadoRegistro r = Recoger(registro, porPagador, encontrados);
    if (r.estado == EstadoRegistro::kFallo || sBuscado.empty()) {
        return r;
    }
    FiltroRegistro porNumero;
    porNumero.sNumero = sBuscado;
    porNumero.estado = estado;
    const ResultadoRegistro rNumero = Recoger(registro, porNumero, encontrados);
    return rNumero.estado == EstadoRegistro::kCorrecto ? r : rNumero;
}

std::string Cuantos(std::size_t n) {
    return n == 1 ? "1 recibo emitido." : std::to_string(n) + " recibos emitidos.";
}

std::string NingunoEncontrado(const std::string& sBuscado, std::optional<EstadoCobro> estado) {
    if (!estado) {
        return sBuscado.empty() ? "A\xFAn no se ha emitido ning\xFAn recibo."
                                : "Ning\xFAn recibo emitido tiene ese pagador o ese n\xFAmero.";
    }
    return std::string("Ning\xFAn recibo emitido") +
           (sBuscado.empty() ? "" : " con ese pagador o ese n\xFAmero") + " est\xE1 " +
           NombreEstado(*estado) + ".";
}

// The status line: what went wrong with the register, or what the table shows.
std::string Estado(const ResultadoRegistro& r, const std::string& sBuscado,
                   std::optional<EstadoCobro> estado, std::size_t nFilas, bool bMas) {
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
        return NingunoEncontrado(sBuscado, estado);
    }
    if (bMas) {
        return "Se muestran los " + std::to_string(nFilas) +
               " recibos m\xE1s recientes; busque por pagador o n\xFAmero para ver otros.";
    }
    return Cuantos(nFilas);
}

// The status the filter asks for: its first item is every status, then one item each.
std::optional<EstadoCobro> EstadoElegido(int nElegido) {
    if (nElegido <= 0) {
        return std::nullopt;
    }
    return static_cast<EstadoCobro>(nElegido - 1);
}

// Whether the receipt of the row may take the status today (with any day, method or reason
// the dialogs would give it).
bool Admite(const CRecibosEmitidosDlg::Fila& fila, EstadoCobro estado) {
    NuevoEstado nuevo{estado, DiaDeHoy(), MetodoCobro::kEfectivo, "AM04"};
    return ComprobarCambio(fila.estado, fila.bDomiciliado, nuevo, DiaDeHoy()) ==
           RechazoEstado::kNinguno;
}

std::string NombreDelRecibo(const ReciboRegistrado& r) {
    return r.recibo.sNumero.empty() ? "con id " + std::to_string(r.nId)
                                    : "n\xBA " + r.recibo.sNumero;
}

// "cobrado el 10/02/2027 (efectivo)", anotado el 10/02/2027 a las 12:00".
std::string LineaHistorial(const CambioEstado& c) {
    std::string s = std::string(NombreEstado(c.estado)) + " el " + FechaCorta(c.sFecha);
    if (c.metodo != MetodoCobro::kNinguno) {
        s += std::string(" (") +
             (c.metodo == MetodoCobro::kDomiciliacion ? "domiciliaci\xF3n"
                                                      : NombreMetodo(c.metodo)) +
             ")";
    }
    if (const MotivoDevolucion* m = BuscarMotivo(c.sMotivo)) {
        s += std::string(" (") + m->sCodigo + ": " + m->sSignificado + ")";
    }
    if (c.sAnotado.size() >= 16) {
        s += ", anotado el " + FechaCorta(c.sAnotado) + " a las " + c.sAnotado.substr(11, 5);
    }
    return s;
}

}  // namespace

CRecibosEmitidosDlg::CRecibosEmitidosDlg() : CDialog(IDD_RECIBOS_EMITIDOS) {
    On(IDC_EDIT_BUSCAR, Notify::Changed, [this] { Buscar(); });
    On(IDC_LISTA_ESTADO, Notify::SelectionChanged, [this] { Buscar(); });
    On(IDC_TABLA_EMITIDOS, Notify::SelectionChanged, [this] { ActivarBotones(); });
    On(IDC_TABLA_EMITIDOS, Notify::Activated, [this] { OnVistaPrevia(); });
    On(IDC_BUTTON_VER_EMITIDO, Notify::Clicked, [this] { OnVistaPrevia(); });
    On(IDC_BUTTON_REIMPRIMIR, Notify::Clicked, [this] { OnReimprimir(); });
    On(IDC_BUTTON_CARGAR_EMITIDO, Notify::Clicked, [this] { OnCargar(); });
    On(IDC_BUTTON_COBRADO, Notify::Clicked, [this] { OnCobrado(); });
    On(IDC_BUTTON_DEVUELTO, Notify::Clicked, [this] { OnDevuelto(); });
    On(IDC_BUTTON_ANULAR, Notify::Clicked, [this] { OnAnular(); });
    On(IDC_BUTTON_HISTORIAL, Notify::Clicked, [this] { OnHistorial(); });
}

bool CRecibosEmitidosDlg::OnInitDialog() {
    Buscar();
    return true;
}

void CRecibosEmitidosDlg::OnEnterKey() {
    OnVistaPrevia();
}

void CRecibosEmitidosDlg::Buscar() {
    Mostrar(0);
}

// With nothing in the register, or a register that cannot be read, there is nothing to
// search either.
void CRecibosEmitidosDlg::Mostrar(std::int64_t nId) {
    const std::string sBuscado = GetDlgItemText(IDC_EDIT_BUSCAR);
    const std::optional<EstadoCobro> estado =
        EstadoElegido(Window().GetSelectedRow(IDC_LISTA_ESTADO));
    Encontrados encontrados;
    const ResultadoRegistro r = Buscados(sBuscado, estado, encontrados);
    if (r.estado != EstadoRegistro::kCorrecto) {
        encontrados.clear();  // none, or from a file set aside since: nothing to act on
    }
    const bool bMas = encontrados.size() > static_cast<std::size_t>(kFilasMaximas);
    m_filas.clear();
    std::vector<std::vector<std::string>> filas;
    int nSeleccion = 0;
    for (auto& [nEncontrado, encontrado] : encontrados) {
        if (filas.size() == static_cast<std::size_t>(kFilasMaximas)) {
            break;
        }
        if (nEncontrado == nId) {
            nSeleccion = static_cast<int>(filas.size());
        }
        m_filas.push_back(encontrado.fila);
        filas.push_back(std::move(encontrado.celdas));
    }
    DialogWindow& w = Window();
    w.SetRows(IDC_TABLA_EMITIDOS, filas);
    w.SetSelectedRow(IDC_TABLA_EMITIDOS, nSeleccion);
    SetDlgItemText(IDC_TEXTO_ESTADO, Estado(r, sBuscado, estado, filas.size(), bMas));
    const bool bSinNada =
        r.estado == EstadoRegistro::kFallo || (sBuscado.empty() && !estado && filas.empty());
    w.Enable(IDC_EDIT_BUSCAR, !bSinNada);
    w.Enable(IDC_LISTA_ESTADO, !bSinNada);
    ActivarBotones();
}

// A change the selected receipt cannot take has its button disabled.
void CRecibosEmitidosDlg::ActivarBotones() {
    const int nFila = Window().GetSelectedRow(IDC_TABLA_EMITIDOS);
    const bool bFila = nFila >= 0 && static_cast<std::size_t>(nFila) < m_filas.size();
    for (const int id : {IDC_BUTTON_VER_EMITIDO, IDC_BUTTON_REIMPRIMIR, IDC_BUTTON_CARGAR_EMITIDO,
                         IDC_BUTTON_HISTORIAL}) {
        Window().Enable(id, bFila);
    }
    for (const auto& [id, estado] : {std::pair{IDC_BUTTON_COBRADO, EstadoCobro::kCobrado},
                                     {IDC_BUTTON_DEVUELTO, EstadoCobro::kDevuelto},
                                     {IDC_BUTTON_ANULAR, EstadoCobro::kAnulado}}) {
        Window().Enable(id, bFila && Admite(m_filas[static_cast<std::size_t>(nFila)], estado));
    }
}

std::optional<ReciboRegistrado> CRecibosEmitidosDlg::Seleccionado() {
    const int nFila = Window().GetSelectedRow(IDC_TABLA_EMITIDOS);
    if (nFila < 0 || static_cast<std::size_t>(nFila) >= m_filas.size()) {
        return std::nullopt;
    }
    CRegistro registro;
    std::optional<ReciboRegistrado> r = registro.Leer(m_filas[static_cast<std::size_t>(nFila)].nId);
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

// The preview draws the receipt as registered, and its OK reprints it; a void receipt is shown
// and never printed.
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

void CRecibosEmitidosDlg::OnCobrado() {
    if (const std::optional<ReciboRegistrado> r = Seleccionado()) {
        CCobradoDlg dlg(r->remesa.has_value());
        if (dlg.DoModal() == IDOK) {
            Cambiar(*r, dlg.m_nuevo);
        }
    }
}

void CRecibosEmitidosDlg::OnDevuelto() {
    if (const std::optional<ReciboRegistrado> r = Seleccionado()) {
        CDevueltoDlg dlg;
        if (dlg.DoModal() == IDOK) {
            Cambiar(*r, dlg.m_nuevo);
        }
    }
}

void CRecibosEmitidosDlg::OnAnular() {
    const std::optional<ReciboRegistrado> r = Seleccionado();
    if (r && Servicios().AskConfirm("\xBF"
                                    "Anular el recibo " +
                                        NombreDelRecibo(*r) + " de " + r->recibo.sPagador1 +
                                        "? Conserva su n\xFAmero, no se vuelve a imprimir y ya "
                                        "no admite ning\xFAn cambio.",
                                    "Anular")) {
        Cambiar(*r, {EstadoCobro::kAnulado, DiaDeHoy(), MetodoCobro::kNinguno, ""});
    }
}

void CRecibosEmitidosDlg::Cambiar(const ReciboRegistrado& r, const NuevoEstado& nuevo) {
    const ResultadoCambio cambio = CRegistro().CambiarEstado(r.nId, nuevo);
    if (cambio.registro.estado == EstadoRegistro::kFallo) {
        Servicios().MessageBox("El registro de recibos emitidos no ha anotado el cambio (" +
                               RutaRegistro() + "):\n" + cambio.registro.sError);
    } else if (cambio.rechazo != RechazoEstado::kNinguno) {
        Servicios().MessageBox("El recibo " + NombreDelRecibo(r) + " sigue " +
                               NombreEstado(r.estado.estado) + ". " + AvisoRechazo(cambio.rechazo));
    }
    Mostrar(r.nId);
}

void CRecibosEmitidosDlg::OnHistorial() {
    const std::optional<ReciboRegistrado> r = Seleccionado();
    if (!r) {
        return;
    }
    std::vector<CambioEstado> cambios;
    const ResultadoRegistro resultado = CRegistro().Historial(r->nId, cambios);
    if (resultado.estado == EstadoRegistro::kFallo) {
        Servicios().MessageBox("No se puede leer el historial del recibo (" + RutaRegistro() +
                               "):\n" + resultado.sError);
        return;
    }
    std::string s = "Recibo " + NombreDelRecibo(*r) + " de " + r->recibo.sPagador1 +
                    ":\nemitido el " + FechaCorta(r->sEmitido);
    for (const CambioEstado& c : cambios) {
        s += "\n" + LineaHistorial(c);
    }
    if (cambios.empty()) {
        s += "\npendiente: no ha cambiado desde entonces.";
    }
    Servicios().MessageBox(s);
}
