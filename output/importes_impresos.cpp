#include "output/importes_impresos.h"

#include <algorithm>

#include "form/campos.h"
#include "money/analisis.h"
#include "money/espacios.h"
#include "money/formato.h"
#include "output/disposicion_recibo.h"
#include "settings/texto1252.h"

namespace {

// The largest amount as the form shows it: cut to the decimals shown, so that the text shown
// reads back as an amount (rounding it would go beyond).
std::string TextoMaximo(const AjustesMoneda& a) {
    constexpr std::int64_t kMaximo = CGlobalCurrency::kImporteMaximo;
    CGlobalCurrency cuMaximo;
    for (std::int64_t nPaso = 1; nPaso <= 10000; nPaso *= 10) {
        cuMaximo.SetValor(kMaximo - kMaximo % nPaso);
        if (ImporteComoFormulario(moneda::TextoFormulario(cuMaximo, a), a)) {
            break;
        }
    }
    return Utf8De1252(moneda::TextoFormulario(cuMaximo, a));
}

[[noreturn]] void FueraDeRango(const std::string& sTexto, const AjustesMoneda& a) {
    throw ErrorImporte("'" + Utf8De1252(sTexto) + "' supera el importe m\xC3\xA1ximo, " +
                       TextoMaximo(a));
}

// The characters the renderer has room for, and those it would draw: it keeps the last ones
// of a longer total.
std::size_t LargoDisponible(const AjustesMoneda& a) {
    return moneda::SimboloEstandar(a.sSimbolo) ? CGlobalCurrency::kCeldasImporte
                                               : disposicion::kLargoImporte;
}

std::size_t LargoDibujado(const CGlobalCurrency& cuTotal, const AjustesMoneda& a) {
    return QuitarEspaciosExtremos(moneda::SimboloEstandar(a.sSimbolo)
                                      ? moneda::PatronRecibo(cuTotal, a)
                                      : moneda::TextoRecibo(cuTotal, a))
        .size();
}

}  // namespace

std::string_view NombreImporte(std::size_t i) {
    const int nControl = kImportesRecibo.at(i).nControl;
    const auto campo = std::find_if(kCamposRecibo.begin(), kCamposRecibo.end(),
                                    [&](const CampoGuardado& c) { return c.nControl == nControl; });
    return ajustes::NombreCampo(campo->ajuste);
}

CGlobalCurrency ImporteLeido(const std::string& sTexto, const AjustesMoneda& a) {
    if (const auto cu = moneda::ImporteEnRango(sTexto, a)) {
        return *cu;
    }
    FueraDeRango(sTexto, a);
}

std::optional<CGlobalCurrency> ImporteComoFormulario(const std::string& sTexto,
                                                     const AjustesMoneda& a) {
    const std::optional<CGlobalCurrency> cuTecleado = moneda::ImporteEnRango(sTexto, a);
    if (!cuTecleado) {
        return std::nullopt;
    }
    return moneda::ImporteEnRango(moneda::TextoFormulario(*cuTecleado, a), a);
}

CGlobalCurrency ImporteImpreso(const std::string& sTexto, const AjustesMoneda& a) {
    if (const std::optional<CGlobalCurrency> cu = ImporteComoFormulario(sTexto, a)) {
        return *cu;
    }
    FueraDeRango(sTexto, a);
}

CGlobalCurrency TotalImpreso(const ReciboData& recibo, const AjustesMoneda& a) {
    CGlobalCurrency cuTotal;
    for (const CampoImporte& i : kImportesRecibo) {
        if (!cuTotal.Sumar(recibo.*i.pMiembro)) {
            throw ErrorImporte("la suma de los importes supera el importe m\xC3\xA1ximo, " +
                               TextoMaximo(a));
        }
    }
    if (LargoDibujado(cuTotal, a) > LargoDisponible(a)) {
        throw ErrorImporte("el total, " +
                           Utf8De1252(QuitarEspaciosExtremos(moneda::TextoRecibo(cuTotal, a))) +
                           ", no cabe en la casilla del importe (" +
                           std::to_string(LargoDisponible(a)) + " caracteres)");
    }
    return cuTotal;
}
