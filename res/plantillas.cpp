#include <map>

#include "res/controles.h"
#include "res/dialog_template.h"

namespace {

const std::map<int, DialogTemplate>& Plantillas() {
    static const std::map<int, DialogTemplate> plantillas = [] {
        using namespace plantillas;
        std::map<int, DialogTemplate> tabla;
        for (DialogTemplate t :
             {PlantillaAcerca(), PlantillaRecibo(), PlantillaMoneda(), PlantillaSaludo(),
              PlantillaLogotipo(), PlantillaDisenoRecibo(), PlantillaCalendario(),
              PlantillaVistaPrevia(), PlantillaRecibosEmitidos(), PlantillaCobrado(),
              PlantillaDevuelto(), PlantillaAjustarImpresora(), PlantillaAcreedor()}) {
            tabla.emplace(t.id, std::move(t));
        }
        return tabla;
    }();
    return plantillas;
}

}  // namespace

const DialogTemplate* BuscarPlantilla(int id) {
    const auto& plantillas = Plantillas();
    const auto it = plantillas.find(id);
    return it == plantillas.end() ? nullptr : &it->second;
}
