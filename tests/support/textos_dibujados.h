// The texts a recording device was given to draw.
#pragma once

#include <string>
#include <vector>

#include "platform/recording_device.h"

// The texts drawn, in order.
inline std::vector<std::string> TextosDibujados(const RecordingDevice& dc) {
    std::vector<std::string> textos;
    for (const RecordedCall& c : dc.CallsOf(CallKind::DrawText)) {
        textos.push_back(c.text);
    }
    return textos;
}
