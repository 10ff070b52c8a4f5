// The application icon: a receipt with a euro sign.
#pragma once

#include <QString>

// Writes 128.png (32 x 32) and brixamo.png (256 x 256) into `folder`; false on failure.
bool WriteIcons(const QString& folder);
