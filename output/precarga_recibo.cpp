#include "output/precarga_recibo.h"

#include <string>
#include <system_error>
#include <utility>

#include "money/ui/glyphs.h"
#include "output/logo_recibo.h"
#include "settings/esquema.h"

std::future<void> PrecargarImagenesRecibo() {
    std::string sRutaLogo = ajustes::kFileLogo.Leer();
    try {
        return std::async(std::launch::async, [sRutaLogo = std::move(sRutaLogo)] {
            // The logo first: the look in force takes it before the drawing starts, the glyph
            // sheet is wanted only when the drawing reaches the total.
            if (!sRutaLogo.empty()) {
                CargarLogo(sRutaLogo);
            }
            HojaGlifos();
        });
    } catch (const std::system_error&) {
        return {};
    }
}
