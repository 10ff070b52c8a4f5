// Receipt output tests: a settings folder of their own, the desktop scripted, the currency
// settings the receipts are drawn under, and other ones in force.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "money/regional.h"
#include "platform/recording_device.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/recibo_prueba.h"
#include "tests/support/scripted_services.h"

// Each recorded call as a line of text, with what matters for its kind: the rectangle, text,
// format, pen, brush, font, background mode, source cell and bitmap size, or document name.
std::vector<std::string> Descritas(const std::vector<RecordedCall>& calls);

// The dollars of MonedaDePrueba: decimal ".", groups ",", 2 decimals, modes 0, sign "$",
// fill '#'.
extern const AjustesMoneda kDolares;

class SalidaTest : public ::testing::Test {
  protected:
    // Stored and in force: decimal ",", groups "'", 0 decimals, modes 3 and 8, sign "EUR", fill
    // 'X', name "Euro", so that output drawn or read under them instead of the settings it was
    // given shows it.
    SalidaTest();

    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
};
