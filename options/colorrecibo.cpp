#include "options/colorrecibo.h"

#include "platform/gdi_types.h"
#include "platform/services.h"
#include "settings/esquema.h"

// The chooser opens on its basic palette: the stored colour is not offered as a start. Each
// component is its own write, red first.
void ElegirColorRecibo() {
    const auto color = Servicios().ChooseColor();
    if (!color) {
        return;
    }
    ajustes::kColorR.Escribir(GetRValue(*color));
    ajustes::kColorG.Escribir(GetGValue(*color));
    ajustes::kColorB.Escribir(GetBValue(*color));
}
