// A printer as the print dialog hands it over: it records like any recording device, and what
// it recorded is copied to the test's device when the program releases it.
#pragma once

#include "platform/recording_device.h"

class ImpresoraPrestada : public RecordingDevice {
  public:
    explicit ImpresoraPrestada(RecordingDevice& destino) : m_destino(destino) {}
    ~ImpresoraPrestada() override { m_destino = *this; }

  private:
    RecordingDevice& m_destino;
};
