// The pictures of the image buttons and of the pattern choices.
#pragma once

#include <QString>

// Writes the button and pattern pictures into `folder`; false when a file cannot be written.
bool WriteButtonImages(const QString& folder);
