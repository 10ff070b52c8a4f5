// How a receipt looks beyond its own record and its currency: what the options choose.
#pragma once

#include <array>
#include <string>

#include "platform/bitmap.h"
#include "platform/gdi_types.h"
#include "register/registro.h"
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

// The look as the register keeps it (of the logo, the part a receipt shows), and back. A look
// read back draws exactly as the one registered.
AparienciaRegistrada ComoSeRegistra(const AparienciaRecibo& apariencia);
AparienciaRecibo DelRegistro(const AparienciaRegistrada& registrada);

// The look a registered receipt reprints in: the one it was printed in, or, for a receipt
// registered before the register kept looks, the look in force (bActual tells which).
AparienciaRecibo AparienciaDeRegistrado(const ReciboRegistrado& r, bool& bActual);

// What a reprint in the look in force says, once, in a window.
inline constexpr const char* kAvisoAparienciaActual =
    "Este recibo se registr\xF3 antes de que el registro guardara el aspecto de cada recibo: "
    "se reimprime con los colores, textos y logotipo actuales.";
