// The look in force: the options as the settings hold them now.
#include "output/apariencia_recibo.h"

#include "output/logo_recibo.h"

namespace {

// The stored pattern that draws the diagonal cross-hatch.
constexpr int kFondoRayado = 1;

}  // namespace

AparienciaRecibo AparienciaEnVigor() {
    AparienciaRecibo apariencia;
    apariencia.color =
        RGB(ajustes::kColorR.Leer(), ajustes::kColorG.Leer(), ajustes::kColorB.Leer());
    apariencia.bRayado = ajustes::kFondo.Leer() == kFondoRayado;
    apariencia.textosLibres = {ajustes::kTexto1.Leer(), ajustes::kTexto2.Leer(),
                               ajustes::kTexto3.Leer()};
    const std::string sLogo = ajustes::kFileLogo.Leer();
    apariencia.logo = sLogo.empty() ? nullptr : CargarLogo(sLogo);
    apariencia.bImporteEnLetra = ajustes::kImporteEnLetra.Leer() == 1;
    return apariencia;
}
