// Receipt output tests: a settings folder of their own, the desktop scripted, and the test
// currency in force.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/recording_device.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/recibo_prueba.h"
#include "tests/support/scripted_services.h"

// Each recorded call as a line of text, with what matters for its kind: the rectangle, text,
// format, pen, brush, font, background mode, source cell and bitmap size, or document name.
std::vector<std::string> Descritas(const std::vector<RecordedCall>& calls);

class SalidaTest : public ::testing::Test {
  protected:
    // Stored and in force: the dollars of MonedaDePrueba (decimal ".", groups ",", 2 decimals,
    // modes 0, sign "$", fill '#').
    SalidaTest();

    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
};
