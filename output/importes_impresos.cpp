#include "output/importes_impresos.h"

#include <algorithm>

#include "form/campos.h"
#include "money/analisis.h"
#include "money/espacios.h"
#include "output/disposicion_recibo.h"
#include "settings/texto1252.h"

namespace {

// The largest amount as the form shows it: cut to the decimals shown, so that the text shown
// reads back as an amount (rounding it would go beyond).
std::string TextoMaximo() {
    constexpr std::int64_t kMaximo = CGlobalCurrency::kImporteMaximo;
    CGlobalCurrency cuMaximo;
    for (std::int64_t nPaso = 1; nPaso <= 10000; nPaso *= 10) {
        cuMaximo.SetValor(kMaximo - kMaximo % nPaso);
        if (ImporteComoFormulario(cuMaximo.TextoFormulario())) {
            break;
        }
    }
    return Utf8De1252(cuMaximo.TextoFormulario());
}

// The characters the renderer has room for: it keeps the last ones of a longer total.
std::size_t LargoDibujado(const CGlobalCurrency& cuTotal) {
    return CGlobalCurrency::SimboloEstandar()
               ? QuitarEspaciosExtremos(cuTotal.PatronRecibo()).size()
               : QuitarEspaciosExtremos(cuTotal.TextoRecibo()).size();
}

[[noreturn]] void FueraDeRango(const std::string& sTexto) {
    throw ErrorImporte("'" + Utf8De1252(sTexto) + "' supera el importe m\xC3\xA1ximo, " +
                       TextoMaximo());
}

std::size_t LargoDisponible() {
    return CGlobalCurrency::SimboloEstandar() ? CGlobalCurrency::kCeldasImporte
                                              : disposicion::kLargoImporte;
}

}  // namespace

std::string_view NombreImporte(std::size_t i) {
    const int nControl = kImportesRecibo.at(i).nControl;
    const auto campo = std::find_if(kCamposRecibo.begin(), kCamposRecibo.end(),
                                    [&](const CampoGuardado& c) { return c.nControl == nControl; });
    return ajustes::NombreCampo(campo->ajuste);
}

CGlobalCurrency ImporteLeido(const std::string& sTexto) {
    if (const auto cu = moneda::ImporteEnRango(sTexto, CGlobalCurrency::AjustesEnVigor())) {
        return *cu;
    }
    FueraDeRango(sTexto);
}

std::optional<CGlobalCurrency> ImporteComoFormulario(const std::string& sTexto) {
    const AjustesMoneda& a = CGlobalCurrency::AjustesEnVigor();
    const std::optional<CGlobalCurrency> cuTecleado = moneda::ImporteEnRango(sTexto, a);
    if (!cuTecleado) {
        return std::nullopt;
    }
    return moneda::ImporteEnRango(cuTecleado->TextoFormulario(), a);
}

CGlobalCurrency ImporteImpreso(const std::string& sTexto) {
    if (const std::optional<CGlobalCurrency> cu = ImporteComoFormulario(sTexto)) {
        return *cu;
    }
    FueraDeRango(sTexto);
}

CGlobalCurrency TotalImpreso(const ReciboData& recibo) {
    CGlobalCurrency cuTotal;
    for (const CampoImporte& i : kImportesRecibo) {
        if (!cuTotal.Sumar(recibo.*i.pMiembro)) {
            throw ErrorImporte("la suma de los importes supera el importe m\xC3\xA1ximo, " +
                               TextoMaximo());
        }
    }
    if (LargoDibujado(cuTotal) > LargoDisponible()) {
        throw ErrorImporte("el total, " +
                           Utf8De1252(QuitarEspaciosExtremos(cuTotal.TextoRecibo())) +
                           ", no cabe en la casilla del importe (" +
                           std::to_string(LargoDisponible()) + " caracteres)");
    }
    return cuTotal;
}
