// Devices for printing without a dialog. This header includes no Qt.
#pragma once

#include <memory>
#include <string>

#include "platform/device.h"

// A one-page A4 PDF written to path at EndDoc; StartDoc fails (returns 0) when the file
// cannot be written.
std::unique_ptr<PrintDevice> CreatePdfDevice(const std::string& path);

// A CUPS queue by name, or the default queue when the name is empty; nullptr when there is no
// such queue (or no default).
std::unique_ptr<PrintDevice> CreatePrinterDevice(const std::string& queue);
