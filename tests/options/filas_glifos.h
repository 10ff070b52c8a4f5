// Reading back a row of glyph cells that a recording device kept.
#pragma once

#include <string>

#include "platform/recording_device.h"

// The cells copied at height y from left to right: a character cell reads as its character,
// a currency sign cell as "<k>" (k its sign number). Cells out of their 22-unit step read "?".
std::string FilaDibujada(const RecordingDevice& dc, int y, int x0 = 20);
