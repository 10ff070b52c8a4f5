// The application icon: a receipt with a euro sign.
#pragma once

#include <QString>

// Writes <size>.png for every size the desktop themes use (16 to 256), each drawn at its own
// resolution, and brixamo.svg of the same design into `folder`; false on failure.
bool WriteIcons(const QString& folder);
