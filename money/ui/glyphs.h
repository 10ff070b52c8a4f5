// The glyph sheet the amounts are drawn from.
#pragma once

#include "platform/bitmap.h"

// The glyph sheet (bitmap 147), decoded at the first call and kept: it is a constant resource
// of the program. Any thread may ask; a caller that comes while another decodes it waits for
// that decoding instead of doing its own. Nothing when the sheet cannot be loaded, and the
// next call tries again.
BitmapPtr HojaGlifos();
