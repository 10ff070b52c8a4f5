#include "app/aboutdlg.h"

#include <array>
#include <utility>

#include "platform/services.h"

namespace {

constexpr int kPlantillaAcercaDe = 100;

// The targets of the box's three link buttons; the box stays open after each.
constexpr std::array<std::pair<int, const char*>, 3> kEnlaces = {{
    {1127, "https://brixamo.org/"},
    {1129, "mailto:info@brixamo.org"},
    {1128, "https://brixamo.org/distribucion/"},
}};

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(kPlantillaAcercaDe) {
    for (const auto& [nBoton, sDestino] : kEnlaces) {
        On(nBoton, Notify::Clicked, [sDestino] { Servicios().ShellOpen(sDestino); });
    }
}
