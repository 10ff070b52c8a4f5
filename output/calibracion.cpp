// The calibration page and the correction worked out from its measures.
#include "output/calibracion.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "output/dibujarrecibo.h"
#include "output/disposicion_recibo.h"

namespace {

using disposicion::kMarco;

constexpr int kLargoRegla = 1000;  // 100 mm
constexpr int kGrosor = 2;         // lines 0.2 mm thick
constexpr int kBrazoCruz = 60;     // each arm of the cross, 6 mm
constexpr int kTextoAlto = 35;
constexpr const char* kNombreDocumentoCalibracion = "Calibrando impresora";

// A line as a thin black bar; the device has no other.
void Barra(Device& dc, int left, int top, int right, int bottom) {
    dc.Rectangle(left, top, right, bottom);
}

// The ticks of a ruler: 2 mm long, 3.5 mm at every 5 mm, 5 mm at every centimetre with its
// number beside it.
int LargoMarca(int nMm) {
    if (nMm % 10 == 0) {
        return 50;
    }
    return nMm % 5 == 0 ? 35 : 20;
}

void ReglaHorizontal(Device& dc, int x, int y) {
    Barra(dc, x, y, x + kLargoRegla + kGrosor / 2, y + kGrosor);
    for (int nMm = 0; nMm <= 100; ++nMm) {
        const int xm = x + nMm * 10;
        Barra(dc, xm - kGrosor / 2, y, xm + kGrosor / 2, y + LargoMarca(nMm));
        if (nMm % 10 == 0 && nMm > 0) {
            dc.DrawText(std::to_string(nMm / 10), Rect{xm + 5, y + 25, xm + 60, y + 55},
                        DT_LEFT | DT_SINGLELINE);
        }
    }
}

void ReglaVertical(Device& dc, int x, int y) {
    Barra(dc, x, y, x + kGrosor, y + kLargoRegla + kGrosor / 2);
    for (int nMm = 0; nMm <= 100; ++nMm) {
        const int ym = y + nMm * 10;
        Barra(dc, x, ym - kGrosor / 2, x + LargoMarca(nMm), ym + kGrosor / 2);
        if (nMm % 10 == 0 && nMm > 0) {
            dc.DrawText(std::to_string(nMm / 10), Rect{x + 55, ym - 30, x + 120, ym},
                        DT_LEFT | DT_SINGLELINE);
        }
    }
}

std::string Instrucciones(const EsquinaEsperada& esquina) {
    return "P\xE1gina de calibraci\xF3n de Brixamo.\n"
           "Mida con una regla, desde los bordes de la hoja, d\xF3nde ha quedado la esquina de "
           "la cruz:\n"
           "cu\xE1ntos mil\xEDmetros la separan del borde izquierdo y cu\xE1ntos del borde "
           "superior.\n"
           "Mida tambi\xE9n cu\xE1nto miden las dos reglas de 10 cm.\n"
           "Escriba las medidas en \xABM\xE1s\x85 > Ajustar impresora...\xBB.\n"
           "En una impresora exacta la esquina queda a " +
           TextoDecimal(esquina.dIzquierda, 1) + " mm del borde izquierdo y a " +
           TextoDecimal(esquina.dArriba, 1) + " mm del superior, y las reglas miden 100 mm.";
}

// Pixels per millimetre of the device's surface along one axis.
double PixelesPorMm(const Device& dc, int nCapPixeles, int nCapMm) {
    const int nMm = dc.GetDeviceCaps(nCapMm);
    return nMm > 0 ? double(dc.GetDeviceCaps(nCapPixeles)) / nMm : 0.0;
}

// One axis. Printed under the old correction (scale s0, offset d0), the page's point u (mm on
// the device's surface) landed at a * u + b on the sheet: a from the ruler, b from the corner.
// The device alone therefore puts v at a * (v - d0) / s0 + b, and the new correction (s, d) is
// the one that makes it put s * u + d at inicio + u, inicio being where the surface starts.
struct Eje {
    double dEscala;
    double dDesplazamiento;  // mm
};
std::optional<Eje> Corregir(double dEscalaAnterior, double dDesplazamientoAnterior, double dMedida,
                            double dRegla, double dInicio, double dEsquinaEnSuperficie) {
    if (!(dRegla > 0) || !(dMedida >= 0) || !std::isfinite(dRegla) || !std::isfinite(dMedida)) {
        return std::nullopt;
    }
    const double a = dRegla / 100.0;
    const double b = dMedida - a * dEsquinaEnSuperficie;
    return Eje{dEscalaAnterior / a, dDesplazamientoAnterior + dEscalaAnterior * (dInicio - b) / a};
}

std::int32_t Redondeado(double d) {
    constexpr double kLimite = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::lround(std::fmax(-kLimite, std::fmin(kLimite, d))));
}

}  // namespace

EsquinaEsperada EsquinaEnHoja(const Device& dc) {
    const double dPxMmX = PixelesPorMm(dc, HORZRES, HORZSIZE);
    const double dPxMmY = PixelesPorMm(dc, VERTRES, VERTSIZE);
    const double dInicioX = dPxMmX > 0 ? dc.GetDeviceCaps(PHYSICALOFFSETX) / dPxMmX : 0.0;
    const double dInicioY = dPxMmY > 0 ? dc.GetDeviceCaps(PHYSICALOFFSETY) / dPxMmY : 0.0;
    return {dInicioX + kMarco.left / 10.0, dInicioY + kMarco.top / 10.0};
}

void DibujarPaginaCalibracion(Device& dc) {
    MapearEnDecimasDeMilimetro(dc);
    const Pen penAnterior = dc.SelectPen(disposicion::kPenMarco);
    const Brush pincelAnterior = dc.SelectBrush(Brush{BrushStyle::Solid, RGB(255, 255, 255)});
    const int nModoAnterior = dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(kMarco.left, kMarco.top, kMarco.right, kMarco.bottom);
    dc.SelectPen(Pen{0, RGB(0, 0, 0)});
    dc.SelectBrush(Brush{BrushStyle::Solid, RGB(0, 0, 0)});
    const int x = kMarco.left, y = kMarco.top;
    Barra(dc, x - kBrazoCruz, y - kGrosor / 2, x + kBrazoCruz, y + kGrosor / 2);
    Barra(dc, x - kGrosor / 2, y - kBrazoCruz / 3, x + kGrosor / 2, y + kBrazoCruz);
    const LogFont fuenteAnterior = dc.SelectFont(LogFont{disposicion::kCaraLetra, kTextoAlto, 0});
    ReglaHorizontal(dc, x, y);
    ReglaVertical(dc, x, y);
    dc.DrawText(Instrucciones(EsquinaEnHoja(dc)),
                Rect{x + 150, y + 150, kMarco.right - 50, y + 600}, DT_LEFT);
    dc.SelectFont(fuenteAnterior);
    dc.SelectPen(penAnterior);
    dc.SelectBrush(pincelAnterior);
    dc.SetBkMode(nModoAnterior);
}

bool ImprimirPaginaCalibracion(PrintDevice& dc) {
    if (dc.StartDoc(kNombreDocumentoCalibracion) <= 0) {
        return false;
    }
    dc.StartPage();
    DibujarPaginaCalibracion(dc);
    dc.EndPage();
    return dc.EndDoc() > 0;
}

std::optional<CalibracionImpresora> CalibracionMedida(const CalibracionImpresora& anterior,
                                                      const MedidasCalibracion& medidas,
                                                      const EsquinaEsperada& esperada) {
    const double dEscala = CalibracionImpresora::kEscalaNeutra;
    // The frame's corner on the device's surface, and where the surface starts on the sheet.
    const double dCornerX = kMarco.left / 10.0, dCornerY = kMarco.top / 10.0;
    const std::optional<Eje> x =
        Corregir(anterior.nEscalaX / dEscala, anterior.nDesplazamientoX / 10.0, medidas.dIzquierda,
                 medidas.dReglaHorizontal, esperada.dIzquierda - dCornerX, dCornerX);
    const std::optional<Eje> y =
        Corregir(anterior.nEscalaY / dEscala, anterior.nDesplazamientoY / 10.0, medidas.dArriba,
                 medidas.dReglaVertical, esperada.dArriba - dCornerY, dCornerY);
    if (!x || !y) {
        return std::nullopt;
    }
    const CalibracionImpresora c{
        Redondeado(x->dDesplazamiento * 10), Redondeado(y->dDesplazamiento * 10),
        Redondeado(x->dEscala * dEscala), Redondeado(y->dEscala * dEscala)};
    return c.Valida() ? std::optional(c) : std::nullopt;
}

std::string TextoDecimal(double d, int nDecimales) {
    char s[48];
    std::snprintf(s, sizeof s, "%.*f", nDecimales, d);
    std::string sTexto = s;
    if (const auto nPunto = sTexto.find('.'); nPunto != std::string::npos) {
        sTexto[nPunto] = ',';
    }
    return sTexto;
}

std::string TextoCalibracion(const CalibracionImpresora& c) {
    return "desplazamiento " + TextoDecimal(c.nDesplazamientoX / 10.0, 1) + " mm, " +
           TextoDecimal(c.nDesplazamientoY / 10.0, 1) + " mm; escala " +
           TextoDecimal(c.nEscalaX / 100.0, 2) + " %, " + TextoDecimal(c.nEscalaY / 100.0, 2) +
           " %";
}
