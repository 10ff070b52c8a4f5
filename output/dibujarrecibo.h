// Drawing one receipt on a device.
#pragma once

#include "form/recibodata.h"
#include "money/regional.h"
#include "output/apariencia_recibo.h"
#include "platform/device.h"

// Draws the receipt at its physical size, in logical units of 0.1 mm of the size the device
// reports for itself: its record, in its look, its amounts under its currency settings. Reads
// no setting, so receipts of different looks and currencies can be drawn one after another.
// The device gets back its pen, brush, font and background mode; its mapping stays as set.
void DibujarRecibo(const ReciboData& recibo, const AparienciaRecibo& apariencia,
                   const AjustesMoneda& ajustesMoneda, Device& dc);

// Sets the device's mapping so that one logical unit is 0.1 mm of the size it reports for
// itself, the mapping every page of the program is drawn under.
void MapearEnDecimasDeMilimetro(Device& dc);
