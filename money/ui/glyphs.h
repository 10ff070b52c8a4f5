// The glyph sheet the amounts are drawn from.
#pragma once

#include "money/globalcurrency.h"
#include "money/regional.h"
#include "platform/bitmap.h"

class Device;

// The glyph sheet (bitmap 147), decoded at the first call and kept: it is a constant resource
// of the program. Any thread may ask; a caller that comes while another decodes it waits for
// that decoding instead of doing its own. Nothing when the sheet cannot be loaded, and the
// next call tries again.
BitmapPtr HojaGlifos();

namespace moneda {

// The cell of character c with its top-left corner at (x, y). The sign mark '|' is the
// settings' standard sign (nothing for "|h"); under a custom sign it is an error, told in a
// message box, and draws the sheet's white cell 0.
void WriteCharToDevice(Device& dc, int x, int y, unsigned char c, const AjustesMoneda& a);

// The amount's receipt pattern in 17 cells of 22 x 39 logical units from (x, y), right-aligned
// behind the settings' fill character; a longer text loses its leftmost characters. A custom
// sign is written out as its own characters.
void DibujarImporte(const CGlobalCurrency& cu, Device& dc, int x, int y, const AjustesMoneda& a);

}  // namespace moneda
