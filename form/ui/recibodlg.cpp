// The receipt form: its start-up, its command table and the commands that open other windows.
#include "form/ui/recibodlg.h"

#include <array>
#include <cstddef>
#include <vector>

#include "app/boxes/aboutdlg.h"
#include "app/boxes/saludodlg.h"
#include "form/campos.h"
#include "lang/idiomas.h"
#include "money/ui/configdlg.h"
#include "options/calendariodlg.h"
#include "options/colorrecibo.h"
#include "options/disenorecibodlg.h"
#include "options/logotipodlg.h"
#include "output/imprimirrecibo.h"
#include "output/vistapreviadlg.h"
#include "platform/services.h"
#include "register/ui/recibosemitidosdlg.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"

namespace {

constexpr const char* kPreguntaGuardar = "\xBFGuardar los cambios del recibo?";

// The control that Tab would reach from nActual: the next tab stop in template order that is
// visible and enabled, wrapping round; 0 when there is none.
int SiguienteTabulacion(const DialogWindow& w, int nActual) {
    const std::vector<ControlTemplate>& controles = BuscarPlantilla(IDD_RECIBO_DIALOG)->controls;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < controles.size(); ++i) {
        if (controles[i].id == nActual) {
            inicio = i + 1;
            break;
        }
    }
    for (std::size_t n = 0; n < controles.size(); ++n) {
        const ControlTemplate& c = controles[(inicio + n) % controles.size()];
        if ((c.style & kTabStop) != 0 && w.IsVisible(c.id) && w.IsEnabled(c.id)) {
            return c.id;
        }
    }
    return 0;
}

// The first start is the one that finds no currency settings stored: CargarConfiguracion then
// stores the regional values together with the marker ajustes::kInicializado = 1, and that
// marker is the record of the first start. Reading it before the load therefore tells the
// first start without adding a key of our own to the settings file, whose room is limited.
bool EsPrimerInicio() {
    return ajustes::kInicializado.Leer() == 0;
}

}  // namespace

CReciboDlg::CReciboDlg() : CDialog(IDD_RECIBO_DIALOG) {
    RegistrarComandos();
}

void CReciboDlg::RegistrarComandos() {
    On(IDC_BUTTON_MAS, Notify::Clicked, [this] { IncrementarNumero(); });
    On(IDC_BUTTON_CALENDARIO, Notify::Clicked, [this] { OnCalendario(); });
    On(IDC_BUTTON_GUARDAR, Notify::Clicked, [this] { GuardarRecibo(); });
    On(IDC_BUTTON_CARGAR, Notify::Clicked, [this] { CargarRecibo(); });
    On(IDC_BUTTON_SALIR, Notify::Clicked, [this] { OnOK(); });
    On(IDC_BUTTON_IMPRIMIR_IMG, Notify::Clicked, [this] { OnImprimir(); });
    On(IDC_BUTTON_IMPRIMIR, Notify::Clicked, [this] { OnImprimir(); });
    On(IDC_BUTTON_VISTA, Notify::Clicked, [this] { OnVistaPrevia(); });
    On(IDC_BUTTON_FONDO, Notify::Clicked, [] {
        CDisenoReciboDlg dlgDiseno;
        dlgDiseno.DoModal();
    });
    On(IDC_BUTTON_COLOR, Notify::Clicked, [] { ElegirColorRecibo(); });
    On(IDC_BUTTON_LOGOTIPO, Notify::Clicked, [] {
        CLogotipoDlg dlgLogotipo;
        dlgLogotipo.DoModal();
    });
    On(IDC_BUTTON_MONEDA, Notify::Clicked, [this] { OnMoneda(); });
    On(IDC_BUTTON_DEFECTO, Notify::Clicked, [this] { CargarEtiquetas(); });
    On(IDC_BUTTON_EDITAR, Notify::Clicked, [this] { ModoEditarConceptos(); });
    On(IDC_BUTTON_ACEPTAR, Notify::Clicked, [this] {
        GuardarEtiquetas();
        ModoNormal();
    });
    On(IDC_BUTTON_CANCELAR, Notify::Clicked, [this] {
        CargarEtiquetas();
        ModoNormal();
    });
    // Fields are named after their labels, whenever a label's text changes.
    for (std::size_t i = 0; i < kEtiquetas.size(); ++i) {
        On(kEtiquetas[i].nControl, Notify::Changed, [this, i] { NombrarCampos(i); });
    }
    for (const CampoImporte& campo : kImportesRecibo) {
        On(campo.nControl, Notify::Changed, [this] { RecalcularTotal(); });
        On(campo.nControl, Notify::FocusLost, [this] { NormalizarImportes(); });
    }
    On(IDC_EDIT_FECHA, Notify::FocusLost, [this] { NormalizarImportes(); });
}

bool CReciboDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    PonerMenuComandos();
    LeerIdioma();
    const bool bPrimerInicio = EsPrimerInicio();
    CGlobalCurrency::CargarConfiguracion();
    if (bPrimerInicio) {
        CSaludoDlg dlgSaludo;
        dlgSaludo.DoModal();
    }
    CargarEtiquetas();
    CargarRecibo();
    RecalcularTotal();
    PonerTextosBotones();
    ModoNormal();
    PonerImagenes();
    NormalizarImportes();
    return true;  // the focus goes to the first tab stop, the number field
}

void CReciboDlg::OnEnterKey() {
    DialogWindow& w = Window();
    if (const int nSiguiente = SiguienteTabulacion(w, w.GetFocusId())) {
        w.SetFocus(nSiguiente);
    }
}

void CReciboDlg::OnOK() {
    if (PuedeTerminar()) {
        CDialog::OnOK();
    }
}

void CReciboDlg::OnCancel() {
    if (PuedeTerminar()) {
        CDialog::OnCancel();
    }
}

// "Guardar" also stores labels edited and not yet accepted, so nothing the user typed is lost;
// "Cancelar" leaves the form as it is.
bool CReciboDlg::PuedeTerminar() {
    const bool bEtiquetas = EtiquetasCambiadas();
    if (!bEtiquetas && !ReciboCambiado()) {
        return true;
    }
    switch (Servicios().AskSaveChanges(kPreguntaGuardar)) {
        case SaveChoice::Save:
            GuardarRecibo();
            if (bEtiquetas) {
                GuardarEtiquetas();
            }
            return true;
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

void CReciboDlg::OnSysCommand(int command) {
    for (const ComandoMenu& c : ComandosMenu()) {
        if ((command & 0xFFF0) == c.nComando) {
            (this->*c.pAccion)();
            return;
        }
    }
    CDialog::OnSysCommand(command);
}

void CReciboDlg::OnAcercaDe() {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

void CReciboDlg::OnImprimir() {
    ReciboData recibo;
    if (RellenarParaImprimir(recibo)) {
        ImprimirRecibo(recibo, CGlobalCurrency::AjustesEnVigor());
    }
}

void CReciboDlg::OnVistaPrevia() {
    CVistaPreviaDlg dlgVista(CGlobalCurrency::AjustesEnVigor());
    if (RellenarParaImprimir(dlgVista.m_recibo)) {
        dlgVista.DoModal();
    }
}

// Nothing is stored here: the date is saved with the rest of the receipt.
void CReciboDlg::OnCalendario() {
    CCalendarioDlg dlgCalendario;
    if (dlgCalendario.DoModal() == IDOK && dlgCalendario.m_fecha) {
        SetDlgItemText(IDC_EDIT_FECHA, FechaATexto(*dlgCalendario.m_fecha));
    }
}

// The amounts are parsed under the old settings and written under the new ones, so they keep
// their values when the separators change.
// A field beyond the largest amount keeps what was typed.
void CReciboDlg::OnMoneda() {
    const std::array<std::optional<CGlobalCurrency>, 6> importes = LeerImportes();
    CConfigDlg dlgConfig;
    dlgConfig.DoModal();
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        if (importes[i]) {
            SetDlgItemText(kImportesRecibo[i].nControl, importes[i]->TextoFormulario());
        }
    }
    RecalcularTotal();
}
