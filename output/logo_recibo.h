// The receipt's logo file, decoded.
#pragma once

#include <string>

#include "platform/bitmap.h"

// The image in the file, or nothing when it cannot be loaded. The last file decoded is kept
// while its path, size and modification time stay the same, so a repaint does not decode the
// same file again and a logo changed on disk still shows at the next drawing. Any thread may
// ask; a caller that comes while another decodes waits for that decoding.
BitmapPtr CargarLogo(const std::string& sRuta);
