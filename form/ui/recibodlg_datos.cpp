// The form's fields and the settings file: saving and loading the receipt and the labels,
// the running total, the receipt number and gathering the record for printing.
#include <string>
#include <vector>

#include "form/campos.h"
#include "form/numero.h"
#include "form/ui/recibodlg.h"
#include "lang/idiomas.h"
#include "settings/esquema.h"

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

CGlobalCurrency ImporteDe(const std::string& sTexto) {
    CGlobalCurrency cu;
    cu.AsignarTexto(sTexto);
    return cu;
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
    return EsImporte(nControl) ? ImporteDe(sTexto).TextoFormulario() : sTexto;
}

// The label CargarEtiquetas shows: the stored one, or the current language's text when none
// is stored.
std::string EtiquetaGuardada(std::size_t i) {
    return kEtiquetas[i].ajuste.Leer(TextoIdioma9(static_cast<int>(i)));
}

CGlobalCurrency Sumar(const std::array<CGlobalCurrency, 6>& importes) {
    CGlobalCurrency cuTotal;
    for (const CGlobalCurrency& cu : importes) {
        cuTotal += cu;
    }
    return cuTotal;
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

std::array<CGlobalCurrency, 6> CReciboDlg::LeerImportes() const {
    std::array<CGlobalCurrency, 6> importes;
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        importes[i] = ImporteDe(GetDlgItemText(kImportesRecibo[i].nControl));
    }
    return importes;
}

// The total is never read back: it is always the sum of the six amount fields.
void CReciboDlg::RecalcularTotal() {
    SetDlgItemText(IDC_EDIT_IMPORTE, Sumar(LeerImportes()).TextoFormulario());
}

// Each rewrite raises a change and so a recalculation; the fields not yet rewritten hold the
// same values, so the total shown does not move meanwhile.
void CReciboDlg::NormalizarImportes() {
    const std::array<CGlobalCurrency, 6> importes = LeerImportes();
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        SetDlgItemText(kImportesRecibo[i].nControl, importes[i].TextoFormulario());
    }
    SetDlgItemText(IDC_EDIT_IMPORTE, Sumar(importes).TextoFormulario());
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
    const std::array<CGlobalCurrency, 6> importes = LeerImportes();
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        recibo.*kImportesRecibo[i].pMiembro = importes[i];
    }
    recibo.cuImporte = Sumar(importes);
}
