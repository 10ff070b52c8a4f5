// Calibrating a printer: the page a user prints and measures, and the correction worked out
// from what was measured on it.
#pragma once

#include <optional>
#include <string>

#include "platform/device.h"
#include "settings/calibracion.h"

// What a user measured on a printed calibration page, in millimetres: where the corner under
// the cross landed, from the sheet's left and top edges, and how long each 100 mm ruler came out.
struct MedidasCalibracion {
    double dIzquierda = 0;
    double dArriba = 0;
    double dReglaHorizontal = 100;
    double dReglaVertical = 100;
};

// Where the corner under the cross belongs on the sheet, in millimetres from its left and top
// edges: the receipt's frame corner on the device's surface, plus where the surface starts.
struct EsquinaEsperada {
    double dIzquierda = 0;
    double dArriba = 0;
};
EsquinaEsperada EsquinaEnHoja(const Device& dc);

// The calibration page: the receipt's outer frame, a cross on its top-left corner, 100 mm rulers
// with millimetre ticks from that corner to the right and downwards, and what to measure.
void DibujarPaginaCalibracion(Device& dc);

// The page as a document of its own. False when the document could not be started or ended.
bool ImprimirPaginaCalibracion(PrintDevice& dc);

// The correction that puts the page where it belongs, from the measures of a page printed under
// the correction `anterior`, on a device whose frame corner belongs at `esperada`. Nothing when
// a measure is not a positive length or the correction would lie beyond what a printer can
// need.
std::optional<CalibracionImpresora> CalibracionMedida(const CalibracionImpresora& anterior,
                                                      const MedidasCalibracion& medidas,
                                                      const EsquinaEsperada& esperada);

// A number with that many decimals and a decimal comma: "7,5".
std::string TextoDecimal(double d, int nDecimales);

// The correction as the user reads it: "desplazamiento 1,5 mm, -2,0 mm; escala 100,00 %,
// 98,25 %" (Windows-1252).
std::string TextoCalibracion(const CalibracionImpresora& calibracion);
