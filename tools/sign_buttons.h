// The pictures of the currency dialog's sign buttons, normal and highlighted.
#pragma once

#include <QString>

// Writes the 46 pictures into `folder`; false when a file cannot be written.
bool WriteSignButtons(const QString& folder);
