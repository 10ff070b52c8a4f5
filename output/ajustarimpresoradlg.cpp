// Calibrating a printer from the form: print the page, type what was measured, store.
#include "output/ajustarimpresoradlg.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/services.h"
#include "res/ids/identificadores.h"
#include "settings/texto1252.h"

namespace {

constexpr int kCampos[] = {IDC_EDIT_CAL_IZQUIERDA, IDC_EDIT_CAL_ARRIBA, IDC_EDIT_CAL_REGLA_H,
                           IDC_EDIT_CAL_REGLA_V};

}  // namespace

std::string ClaveCola(const std::string& sImpresora) {
    return Utf8De1252(sImpresora);
}

std::optional<double> LeerMilimetros(const std::string& sTexto) {
    const auto nInicio = sTexto.find_first_not_of(' ');
    const auto nFin = sTexto.find_last_not_of(' ');
    if (nInicio == std::string::npos) {
        return std::nullopt;
    }
    std::string s = sTexto.substr(nInicio, nFin - nInicio + 1);
    int nDigitos = 0, nComas = 0;
    for (char& c : s) {
        if (c == ',' || c == '.') {
            c = '.';
            ++nComas;
        } else if (c >= '0' && c <= '9') {
            ++nDigitos;
        } else {
            return std::nullopt;
        }
    }
    if (nDigitos == 0 || nComas > 1 || nDigitos > 6) {
        return std::nullopt;
    }
    return std::strtod(s.c_str(), nullptr);
}

CAjustarImpresoraDlg::CAjustarImpresoraDlg() : CDialog(IDD_AJUSTAR_IMPRESORA) {
    On(IDC_TABLA_IMPRESORAS, Notify::SelectionChanged, [this] { MostrarCorreccion(); });
    On(IDC_BUTTON_PAGINA_CALIBRACION, Notify::Clicked, [this] { OnImprimirPagina(); });
    On(IDC_BUTTON_GUARDAR_CALIBRACION, Notify::Clicked, [this] { OnGuardar(); });
    On(IDC_BUTTON_QUITAR_CALIBRACION, Notify::Clicked, [this] { OnQuitar(); });
}

bool CAjustarImpresoraDlg::OnInitDialog() {
    std::vector<std::vector<std::string>> filas;
    for (const std::string& sNombre : Servicios().PrinterNames()) {
        filas.push_back({sNombre});
    }
    Window().SetRows(IDC_TABLA_IMPRESORAS, filas);
    if (filas.empty()) {
        Estado("No hay ninguna impresora instalada.");
        for (int id : {IDC_BUTTON_PAGINA_CALIBRACION, IDC_BUTTON_GUARDAR_CALIBRACION,
                       IDC_BUTTON_QUITAR_CALIBRACION}) {
            Window().Enable(id, false);
        }
        return true;
    }
    Window().SetSelectedRow(IDC_TABLA_IMPRESORAS, 0);
    MostrarCorreccion();
    return true;
}

std::optional<std::string> CAjustarImpresoraDlg::Impresora() const {
    const int nFila = Window().GetSelectedRow(IDC_TABLA_IMPRESORAS);
    const std::vector<std::string> nombres = Servicios().PrinterNames();
    if (nFila < 0 || static_cast<std::size_t>(nFila) >= nombres.size()) {
        return std::nullopt;
    }
    return nombres[static_cast<std::size_t>(nFila)];
}

void CAjustarImpresoraDlg::Estado(const std::string& sTexto) {
    SetDlgItemText(IDC_TEXTO_CALIBRACION, sTexto);
}

void CAjustarImpresoraDlg::MostrarCorreccion() {
    const std::optional<std::string> sImpresora = Impresora();
    const CalibracionImpresora c =
        sImpresora ? LeerCalibracion(ClaveCola(*sImpresora)) : CalibracionImpresora{};
    Estado(c.Neutra() ? "Esta impresora no tiene ninguna correcci\xF3n guardada."
                      : "Correcci\xF3n guardada:\n" + TextoCalibracion(c) + ".");
    Window().Enable(IDC_BUTTON_QUITAR_CALIBRACION, !c.Neutra());
}

// After the page, the fields hold what an exact printer gives, for the user to change.
void CAjustarImpresoraDlg::OnImprimirPagina() {
    const std::optional<std::string> sImpresora = Impresora();
    if (!sImpresora) {
        return;
    }
    const std::unique_ptr<PrintDevice> dc = Servicios().OpenPrinter(*sImpresora);
    if (!dc || !ImprimirPaginaCalibracion(*dc)) {
        Servicios().MessageBox("No se ha podido imprimir la p\xE1gina de calibraci\xF3n en " +
                               *sImpresora + ".");
        return;
    }
    const EsquinaEsperada esquina = EsquinaEnHoja(*dc);
    SetDlgItemText(IDC_EDIT_CAL_IZQUIERDA, TextoDecimal(esquina.dIzquierda, 1));
    SetDlgItemText(IDC_EDIT_CAL_ARRIBA, TextoDecimal(esquina.dArriba, 1));
    SetDlgItemText(IDC_EDIT_CAL_REGLA_H, "100,0");
    SetDlgItemText(IDC_EDIT_CAL_REGLA_V, "100,0");
    Window().SetFocus(IDC_EDIT_CAL_IZQUIERDA);
}

std::optional<MedidasCalibracion> CAjustarImpresoraDlg::Medidas() const {
    double d[4] = {};
    for (int i = 0; i < 4; ++i) {
        const std::optional<double> dMedida = LeerMilimetros(GetDlgItemText(kCampos[i]));
        if (!dMedida) {
            return std::nullopt;
        }
        d[i] = *dMedida;
    }
    return MedidasCalibracion{d[0], d[1], d[2], d[3]};
}

// The measures are of a page printed under the correction now stored: the new one replaces it.
void CAjustarImpresoraDlg::OnGuardar() {
    const std::optional<std::string> sImpresora = Impresora();
    if (!sImpresora) {
        return;
    }
    const std::optional<MedidasCalibracion> medidas = Medidas();
    if (!medidas) {
        Servicios().MessageBox(
            "Escriba las cuatro medidas en mil\xEDmetros, por ejemplo 7,5 o 99,0.");
        return;
    }
    const std::unique_ptr<PrintDevice> dc = Servicios().OpenPrinter(*sImpresora);
    if (!dc) {
        Servicios().MessageBox("La impresora " + *sImpresora + " ya no est\xE1 disponible.");
        return;
    }
    const std::string sCola = ClaveCola(*sImpresora);
    const std::optional<CalibracionImpresora> c =
        CalibracionMedida(LeerCalibracion(sCola), *medidas, EsquinaEnHoja(*dc));
    if (!c) {
        Servicios().MessageBox(
            "Esas medidas piden una correcci\xF3n de m\xE1s de 5 cm o de m\xE1s de un 20 %. "
            "Compruebe que ha medido la p\xE1gina de calibraci\xF3n de esta impresora.");
        return;
    }
    if (!GuardarCalibracion(sCola, *c)) {
        Servicios().MessageBox("No se ha podido guardar la correcci\xF3n en " +
                               Cp1252DeUtf8(RutaFicheroCalibracion()) + ".");
    }
    MostrarCorreccion();
}

void CAjustarImpresoraDlg::OnQuitar() {
    if (const std::optional<std::string> sImpresora = Impresora()) {
        if (!GuardarCalibracion(ClaveCola(*sImpresora), CalibracionImpresora{})) {
            Servicios().MessageBox("No se ha podido guardar la correcci\xF3n en " +
                                   Cp1252DeUtf8(RutaFicheroCalibracion()) + ".");
        }
        MostrarCorreccion();
    }
}
