// How a receipt looks beyond its own record and its currency: what the options choose.
#pragma once

#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/gdi_types.h"
#include "settings/esquema.h"

struct AparienciaRecibo {
    // The frame's colour, and whether it is cross-hatched in that colour instead of solid.
    COLORREF color =
        RGB(*ajustes::kColorR.nDefecto, *ajustes::kColorG.nDefecto, *ajustes::kColorB.nDefecto);
    bool bRayado = false;
    // The three vertical free texts, left to right; an empty one is not drawn.
    std::array<std::string, 3> textosLibres;
    // The logo's pixels, decoded; null for none.
    BitmapPtr logo;
    // The total in words under the concepts.
    bool bImporteEnLetra = false;

    // Equal looks share the one decoded logo (or have none).
    friend bool operator==(const AparienciaRecibo&, const AparienciaRecibo&) = default;
};

// The look the settings give now: the colour from the low byte of each stored component, the
// pattern 1 hatched, the logo file decoded through the logo cache (none when it cannot be
// loaded), the words when their setting is 1. Read anew at every drawing.
AparienciaRecibo AparienciaEnVigor();
