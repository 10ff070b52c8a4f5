// Drawing one receipt on a device at its physical size: frame, boxes, texts, total, logo and
// the three vertical free texts, in logical units of 0.1 mm.
#include "output/dibujarrecibo.h"

#include <algorithm>
#include <array>
#include <string>

#include "money/espacios.h"
#include "money/formato.h"
#include "money/ui/glyphs.h"
#include "money/words/importeletra.h"
#include "output/disposicion_recibo.h"

namespace {

using namespace disposicion;

LogFont Fuente(int nAlto, int nEscape = 0) {
    return LogFont{kCaraLetra, nAlto, nEscape};
}

// The frame's fill: the receipt colour, solid or cross-hatched.
Brush PincelMarco(const AparienciaRecibo& apariencia) {
    return Brush{apariencia.bRayado ? BrushStyle::DiagonalCrossHatch : BrushStyle::Solid,
                 apariencia.color};
}

// The frame with its own pen and brush, then the boxes with the device's; from here on the
// background mode is transparent. Returns the background mode the device had.
int DibujarMarcoYCajas(Device& dc, const AparienciaRecibo& apariencia) {
    const Pen penAnterior = dc.SelectPen(kPenMarco);
    const Brush pincelAnterior = dc.SelectBrush(PincelMarco(apariencia));
    const int nModoAnterior = dc.GetBkMode();
    dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(kMarco.left, kMarco.top, kMarco.right, kMarco.bottom);
    dc.SelectPen(penAnterior);
    dc.SelectBrush(pincelAnterior);
    for (const Rect& caja : kCajas) {
        dc.Rectangle(caja.left, caja.top, caja.right, caja.bottom);
    }
    return nModoAnterior;
}

void DibujarTexto(Device& dc, const std::string& sTexto, const Rect& rect, unsigned nFormato) {
    if (!sTexto.empty()) {
        dc.DrawText(sTexto, rect, nFormato);
    }
}

template <std::size_t N>
void DibujarTextos(Device& dc, const ReciboData& recibo, const std::array<TextoFijo, N>& textos) {
    for (const TextoFijo& t : textos) {
        DibujarTexto(dc, recibo.*t.pTexto, t.rect, t.formato);
    }
}

// The total as text under a custom sign: right-aligned behind the fill characters, 16
// characters in all.
std::string TextoTotal(const CGlobalCurrency& cuImporte, const AjustesMoneda& ajustesMoneda) {
    const int nRelleno = ajustesMoneda.nRelleno;
    const char cRelleno =
        nRelleno == '#' || nRelleno == '*' || nRelleno == 'X' ? static_cast<char>(nRelleno) : ' ';
    const std::string sTexto =
        std::string(kLargoRelleno, cRelleno) +
        QuitarEspaciosExtremos(moneda::TextoRecibo(cuImporte, ajustesMoneda));
    return sTexto.substr(sTexto.size() - kLargoImporte);
}

void DibujarTotal(Device& dc, const CGlobalCurrency& cuImporte,
                  const AjustesMoneda& ajustesMoneda) {
    if (moneda::SimboloEstandar(ajustesMoneda.sSimbolo)) {
        moneda::DibujarImporte(cuImporte, dc, kImporteX, kImporteY, ajustesMoneda);
        return;
    }
    dc.SelectFont(Fuente(kAltoGrande));
    dc.DrawText(TextoTotal(cuImporte, ajustesMoneda), kRectImporte, DT_RIGHT);
}

// The six concept lines from the first line's top, a pitch apart.
void DibujarLineasConcepto(Device& dc, const ReciboData& recibo, const AjustesMoneda& ajustesMoneda,
                           int nPrimeraY, int nPaso) {
    int y = nPrimeraY;
    for (const LineaConcepto& linea : kLineasConcepto) {
        DibujarTexto(dc, recibo.*linea.pConcepto,
                     {kConceptoIzquierda, y, kConceptoDerecha, y + kAltoLinea}, DT_LEFT);
        const CGlobalCurrency& cuImporte = recibo.*linea.pImporte;
        if (!cuImporte.EsCero()) {
            dc.DrawText(moneda::TextoFormulario(cuImporte, ajustesMoneda),
                        {kImporteLineaIzquierda, y, kImporteLineaDerecha, y + kAltoLinea},
                        DT_RIGHT);
        }
        y += nPaso;
    }
}

// The words' cell height, or the one at which a text of that many characters fits its line.
int AltoImporteEnLetra(std::size_t nCaracteres) {
    const std::size_t nAncho = kRectImporteEnLetra.right - kRectImporteEnLetra.left;
    const std::size_t nCabe =
        nAncho * 100 / (kAvancePorCientoDeAlto * std::max<std::size_t>(nCaracteres, 1));
    return static_cast<int>(
        std::clamp<std::size_t>(nCabe, kAltoMinimoImporteEnLetra, kAltoImporteEnLetra));
}

// "Son: " and the total in words on the last line of the concepts box; the medium font is
// current again afterwards.
void DibujarImporteEnLetra(Device& dc, const CGlobalCurrency& cuImporte,
                           const AjustesMoneda& ajustesMoneda) {
    const std::string sPalabras = ImporteEnLetra(cuImporte, ajustesMoneda);
    if (sPalabras.empty()) {
        return;
    }
    const std::string sTexto = kPrefijoImporteEnLetra + sPalabras;
    dc.SelectFont(Fuente(AltoImporteEnLetra(sTexto.size())));
    dc.DrawText(sTexto, kRectImporteEnLetra, DT_LEFT);
    dc.SelectFont(Fuente(kAltoMediana));
}

void DibujarConceptos(Device& dc, const ReciboData& recibo, bool bImporteEnLetra,
                      const AjustesMoneda& ajustesMoneda) {
    if (!bImporteEnLetra) {
        DibujarLineasConcepto(dc, recibo, ajustesMoneda, kPrimeraLineaY, kPasoLinea);
        return;
    }
    DibujarLineasConcepto(dc, recibo, ajustesMoneda, kPrimeraLineaConLetraY, kPasoLineaConLetra);
    DibujarImporteEnLetra(dc, recibo.cuImporte, ajustesMoneda);
}

// The logo's top-left 300 x 750 pixels at most, one pixel per logical unit, opaque.
void DibujarLogo(Device& dc, const BitmapPtr& logo) {
    if (!logo) {
        return;
    }
    const int w = std::min(logo->width, kLogoAnchoMaximo);
    const int h = std::min(logo->height, kLogoAltoMaximo);
    dc.BitBltShared(kLogoX, kLogoY, w, h, logo, 0, 0);
}

// One column for each free text of a look.
static_assert(std::tuple_size_v<decltype(AparienciaRecibo::textosLibres)> ==
              kColumnasTextosLibres.size());

void DibujarTextosLibres(Device& dc, const decltype(AparienciaRecibo::textosLibres)& textos) {
    dc.SelectFont(Fuente(kAltoVertical, kEscapeVertical));
    for (std::size_t i = 0; i < kColumnasTextosLibres.size(); ++i) {
        DibujarTexto(dc, textos[i], kColumnasTextosLibres[i], kFormatoVertical);
    }
}

}  // namespace

void MapearEnDecimasDeMilimetro(Device& dc) {
    const int nAnchoMm = dc.GetDeviceCaps(HORZSIZE);
    const int nAltoMm = dc.GetDeviceCaps(VERTSIZE);
    const int nAnchoPx = dc.GetDeviceCaps(HORZRES);
    const int nAltoPx = dc.GetDeviceCaps(VERTRES);
    dc.SetMapModeAnisotropic();
    dc.SetWindowExt(nAnchoMm * 10, nAltoMm * 10);
    dc.SetViewportExt(nAnchoPx, nAltoPx);
}

void DibujarRecibo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                   const AjustesMoneda& ajustesMoneda, Device& dc) {
    MapearEnDecimasDeMilimetro(dc);
    const int nModoAnterior = DibujarMarcoYCajas(dc, apariencia);

    const LogFont fuenteAnterior = dc.SelectFont(Fuente(kAltoPequena));
    DibujarTextos(dc, recibo, kEtiquetasCajas);
    dc.SelectFont(Fuente(kAltoMediana));
    DibujarTextos(dc, recibo, kTextosCabecera);
    DibujarTotal(dc, recibo.cuImporte, ajustesMoneda);
    dc.SelectFont(Fuente(kAltoMediana));
    DibujarTextos(dc, recibo, kTextosFechas);
    DibujarConceptos(dc, recibo, apariencia.bImporteEnLetra, ajustesMoneda);
    DibujarTextos(dc, recibo, kTextosPie);
    DibujarLogo(dc, apariencia.logo);
    DibujarTextosLibres(dc, apariencia.textosLibres);

    dc.SetBkMode(nModoAnterior);
    dc.SelectFont(fuenteAnterior);
}
