#include "options/colorrecibo.h"

#include "platform/gdi_types.h"
#include "platform/services.h"
#include "settings/ficherostxt.h"

// The chooser opens on its basic palette: the stored colour is not offered as a start. Each
// component is its own write, red first.
void ElegirColorRecibo() {
    const auto color = Servicios().ChooseColor();
    if (!color) {
        return;
    }
    EscribirValorEntero("Recibos color", "R", GetRValue(*color));
    EscribirValorEntero("Recibos color", "G", GetGValue(*color));
    EscribirValorEntero("Recibos color", "B", GetBValue(*color));
}
