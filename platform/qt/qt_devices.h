// Devices for printing without a dialog. This header includes no Qt.
#pragma once

#include <memory>
#include <string>

#include "platform/device.h"

// Starts the font system on this thread and finds the face in it: the longest part of a first
// drawing, which the decoding of the pictures on another thread can overlap when it comes
// before the look in force (and its logo) is taken.
void StartFontSystem(const std::string& face);

// A one-page A4 PDF written to path at EndDoc; StartDoc fails (returns 0) when the file
// cannot be written.
std::unique_ptr<PrintDevice> CreatePdfDevice(const std::string& path);

// A CUPS queue by name, or the default queue when the name is empty; nullptr when there is no
// such queue (or no default).
std::unique_ptr<PrintDevice> CreatePrinterDevice(const std::string& queue);
