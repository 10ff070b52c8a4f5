// Loading a bitmap resource together with a palette that matches it.
#pragma once

#include "platform/bitmap.h"

// False (and both left untouched) when there is no such resource.
bool CargarBitmapYPaleta(int nIdRecurso, BitmapPtr& bitmap, Palette& paleta);
