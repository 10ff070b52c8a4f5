// The form's fields and the settings file: saving and loading the receipt and the labels,
// the running total, the receipt number and gathering the record for printing.
#include <optional>
#include <string>
#include <vector>

#include "form/campos.h"
#include "form/numero.h"
#include "form/ui/recibodlg.h"
#include "lang/idiomas.h"
#include "money/analisis.h"
#include "output/importes_impresos.h"
#include "platform/services.h"
#include "settings/esquema.h"
#include "settings/texto1252.h"

namespace {

// All texts are read before the first write, then written in one rewrite that leaves the
// file as writing them one by one in table order would.
template <class Tabla>
void GuardarCampos(const CReciboDlg& dlg, const Tabla& tabla) {
    std::vector<ValorAjuste> valores;
    valores.reserve(tabla.size());
    for (const auto& campo : tabla) {
        valores.emplace_back(campo.ajuste, dlg.GetDlgItemText(campo.nControl));
    }
    EscribirAjustes(valores);
}

std::optional<CGlobalCurrency> ImporteDe(const std::string& sTexto) {
    return moneda::ImporteEnRango(sTexto, CGlobalCurrency::AjustesEnVigor());
}

// The form text a field is rewritten in; a field whose amount, or whose form text's, lies
// beyond the largest amount keeps what was typed.
std::string TextoNormalizado(const std::string& sTexto) {
    const std::optional<CGlobalCurrency> cu =
        ImporteComoFormulario(sTexto, CGlobalCurrency::AjustesEnVigor());
    return cu ? cu->TextoFormulario() : sTexto;
}

bool EsImporte(int nControl) {
    for (const CampoImporte& campo : kImportesRecibo) {
        if (campo.nControl == nControl) {
            return true;
        }
    }
    return false;
}

// A field's text as the form shows it after the start-up has loaded it: amounts are rewritten
// in their form text then, every other text stays as it is.
std::string TextoAlArrancar(int nControl, const std::string& sTexto) {
    return EsImporte(nControl) ? TextoNormalizado(sTexto) : sTexto;
}

// The label CargarEtiquetas shows: the stored one, or the current language's text when none
// is stored.
std::string EtiquetaGuardada(std::size_t i) {
    return kEtiquetas[i].ajuste.Leer(TextoIdioma9(static_cast<int>(i)));
}

// The total field's text: the form text of the sum, or nothing when an amount or the sum lies
// beyond the largest amount.
std::string TextoTotal(const std::array<std::optional<CGlobalCurrency>, 6>& importes) {
    CGlobalCurrency cuTotal;
    for (const std::optional<CGlobalCurrency>& cu : importes) {
        if (!cu || !cuTotal.Sumar(*cu)) {
            return {};
        }
    }
    return cuTotal.TextoFormulario();
}

}  // namespace

void CReciboDlg::GuardarRecibo() {
    GuardarCampos(*this, kCamposRecibo);
}

// Setting an amount raises its change notification, so the total follows each one.
void CReciboDlg::CargarRecibo() {
    for (const CampoGuardado& campo : kCamposRecibo) {
        SetDlgItemText(campo.nControl, campo.ajuste.Leer());
    }
}

void CReciboDlg::GuardarEtiquetas() {
    GuardarCampos(*this, kEtiquetas);
}

// A label never stored shows the current language's text; one stored empty stays empty.
void CReciboDlg::CargarEtiquetas() {
    for (std::size_t i = 0; i < kEtiquetas.size(); ++i) {
        SetDlgItemText(kEtiquetas[i].nControl, EtiquetaGuardada(i));
    }
}

bool CReciboDlg::ReciboCambiado() const {
    for (const CampoGuardado& campo : kCamposRecibo) {
        const std::string sGuardado = campo.ajuste.Leer();
        if (TextoAlArrancar(campo.nControl, GetDlgItemText(campo.nControl)) !=
            TextoAlArrancar(campo.nControl, sGuardado)) {
            return true;
        }
    }
    return false;
}

bool CReciboDlg::EtiquetasCambiadas() const {
    for (std::size_t i = 0; i < kEtiquetas.size(); ++i) {
        if (GetDlgItemText(kEtiquetas[i].nControl) != EtiquetaGuardada(i)) {
            return true;
        }
    }
    return false;
}

std::array<std::optional<CGlobalCurrency>, 6> CReciboDlg::LeerImportes() const {
    std::array<std::optional<CGlobalCurrency>, 6> importes;
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        importes[i] = ImporteDe(GetDlgItemText(kImportesRecibo[i].nControl));
    }
    return importes;
}

// The total is never read back: it is always the sum of the six amount fields.
void CReciboDlg::RecalcularTotal() {
    SetDlgItemText(IDC_EDIT_IMPORTE, TextoTotal(LeerImportes()));
}

// Each rewrite raises a change and so a recalculation; the fields not yet rewritten hold the
// same values, so the total shown does not move meanwhile.
void CReciboDlg::NormalizarImportes() {
    std::array<std::string, 6> textos;
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        textos[i] = TextoNormalizado(GetDlgItemText(kImportesRecibo[i].nControl));
    }
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        SetDlgItemText(kImportesRecibo[i].nControl, textos[i]);
    }
    RecalcularTotal();
}

// The new number is stored at once, so the next start shows it even if the receipt is not
// saved.
void CReciboDlg::IncrementarNumero() {
    const std::string sNumero = SiguienteNumero(GetDlgItemText(IDC_EDIT_NUMERO));
    SetDlgItemText(IDC_EDIT_NUMERO, sNumero);
    ajustes::kNumero.Escribir(sNumero);
}

void CReciboDlg::RellenarRecibo(ReciboData& recibo) const {
    for (const CampoTexto& campo : kTextosRecibo) {
        recibo.*campo.pMiembro = GetDlgItemText(campo.nControl);
    }
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        try {
            recibo.*kImportesRecibo[i].pMiembro = ImporteLeido(
                GetDlgItemText(kImportesRecibo[i].nControl), CGlobalCurrency::AjustesEnVigor());
        } catch (const ErrorImporte& error) {
            throw ErrorImporte("l\xC3\xADnea " + std::to_string(i + 1) + ": " + error.what());
        }
    }
    recibo.cuImporte = TotalImpreso(recibo, CGlobalCurrency::AjustesEnVigor());
}

bool CReciboDlg::RellenarParaImprimir(ReciboData& recibo) const {
    try {
        RellenarRecibo(recibo);
        return true;
    } catch (const ErrorImporte& error) {
        Servicios().MessageBox(Cp1252DeUtf8(
            std::string("No se puede imprimir el recibo: ") + error.what() + ".", '?'));
        return false;
    }
}
