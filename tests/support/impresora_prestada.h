// A printer as the print dialog hands it over; what it recorded stays with the test.
#pragma once

#include "platform/recording_device.h"

class ImpresoraPrestada : public RecordingDevice {
  public:
    explicit ImpresoraPrestada(RecordingDevice& destino) : m_destino(destino) {}
    ~ImpresoraPrestada() override { m_destino = *this; }

  private:
    RecordingDevice& m_destino;
};
