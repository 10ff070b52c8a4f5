// The look in force: the options as the settings hold them now.
#include "output/aspecto_recibo.h"

#include "output/logo_recibo.h"

namespace {

// The stored pattern that draws the diagonal cross-hatch.
constexpr int kFondoRayado = 1;

}  // namespace

AspectoRecibo AspectoEnVigor() {
    AspectoRecibo aspecto;
    aspecto.color = RGB(ajustes::kColorR.Leer(), ajustes::kColorG.Leer(), ajustes::kColorB.Leer());
    aspecto.bRayado = ajustes::kFondo.Leer() == kFondoRayado;
    aspecto.textosLibres = {ajustes::kTexto1.Leer(), ajustes::kTexto2.Leer(),
                            ajustes::kTexto3.Leer()};
    const std::string sLogo = ajustes::kFileLogo.Leer();
    aspecto.logo = sLogo.empty() ? nullptr : CargarLogo(sLogo);
    aspecto.bImporteEnLetra = ajustes::kImporteEnLetra.Leer() == 1;
    return aspecto;
}
