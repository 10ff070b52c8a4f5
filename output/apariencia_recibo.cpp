// The look in force: the options as the settings hold them now.
#include "output/apariencia_recibo.h"

#include <algorithm>
#include <cstddef>

#include "output/disposicion_recibo.h"
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

namespace {

// The part of the logo a receipt shows, its top-left 300 x 750 pixels at most: all a reprint
// needs, whatever the size of the picture.
std::shared_ptr<const LogoRegistrado> ParteImpresa(const Bitmap& logo) {
    const int nAncho = std::min(logo.width, disposicion::kLogoAnchoMaximo);
    const int nAlto = std::min(logo.height, disposicion::kLogoAltoMaximo);
    if (nAncho <= 0 || nAlto <= 0 ||
        logo.pixels.size() < static_cast<std::size_t>(logo.width) * logo.height) {
        return nullptr;
    }
    auto parte = std::make_shared<LogoRegistrado>();
    parte->nAncho = nAncho;
    parte->nAlto = nAlto;
    parte->pixeles.reserve(static_cast<std::size_t>(nAncho) * nAlto);
    for (int y = 0; y < nAlto; ++y) {
        const auto fila = logo.pixels.begin() + static_cast<std::ptrdiff_t>(y) * logo.width;
        parte->pixeles.insert(parte->pixeles.end(), fila, fila + nAncho);
    }
    return parte;
}

}  // namespace

AparienciaRegistrada ComoSeRegistra(const AparienciaRecibo& apariencia) {
    AparienciaRegistrada r;
    r.nColor = apariencia.color;
    r.bRayado = apariencia.bRayado;
    r.textosLibres = apariencia.textosLibres;
    r.bImporteEnLetra = apariencia.bImporteEnLetra;
    if (apariencia.logo) {
        r.logo = ParteImpresa(*apariencia.logo);
    }
    return r;
}

AparienciaRecibo DelRegistro(const AparienciaRegistrada& registrada) {
    AparienciaRecibo a;
    a.color = registrada.nColor;
    a.bRayado = registrada.bRayado;
    a.textosLibres = registrada.textosLibres;
    a.bImporteEnLetra = registrada.bImporteEnLetra;
    if (registrada.logo) {
        auto logo = std::make_shared<Bitmap>();
        logo->width = registrada.logo->nAncho;
        logo->height = registrada.logo->nAlto;
        logo->bitsPerPixel = 32;
        logo->pixels = registrada.logo->pixeles;
        a.logo = std::move(logo);
    }
    return a;
}

AparienciaRecibo AparienciaDeRegistrado(const ReciboRegistrado& r, bool& bActual) {
    bActual = !r.apariencia.has_value();
    return r.apariencia ? DelRegistro(*r.apariencia) : AparienciaEnVigor();
}
