// Gathering the stored receipt through the form's field tables.
#include "output/recibo_guardado.h"

#include <algorithm>
#include <string>

#include "form/campos.h"
#include "lang/idiomas.h"
#include "output/importes_impresos.h"

namespace {

constexpr int kGrupoEtiquetas = 9;

// What the form's field of this control holds after start-up: a label, or a stored field.
std::string TextoGuardado(int nControl) {
    const auto etiqueta =
        std::find_if(kEtiquetas.begin(), kEtiquetas.end(),
                     [&](const CampoEtiqueta& e) { return e.nControl == nControl; });
    if (etiqueta != kEtiquetas.end()) {
        const int nIndice = static_cast<int>(etiqueta - kEtiquetas.begin());
        return etiqueta->ajuste.Leer(TextoIdioma(kGrupoEtiquetas, nIndice));
    }
    const auto campo = std::find_if(kCamposRecibo.begin(), kCamposRecibo.end(),
                                    [&](const CampoGuardado& c) { return c.nControl == nControl; });
    return campo != kCamposRecibo.end() ? campo->ajuste.Leer() : "";
}

}  // namespace

ReciboGuardado LeerReciboGuardado() {
    LeerIdioma();
    ReciboGuardado guardado{{}, moneda::AjustesGuardados()};
    ReciboData& recibo = guardado.recibo;
    for (const CampoTexto& t : kTextosRecibo) {
        recibo.*t.pMiembro = TextoGuardado(t.nControl);
    }
    for (std::size_t i = 0; i < kImportesRecibo.size(); ++i) {
        try {
            recibo.*kImportesRecibo[i].pMiembro =
                ImporteImpreso(TextoGuardado(kImportesRecibo[i].nControl), guardado.ajustesMoneda);
        } catch (const ErrorImporte& error) {
            throw ErrorImporte(std::string(NombreImporte(i)) + ": " + error.what());
        }
    }
    recibo.cuImporte = TotalImpreso(recibo, guardado.ajustesMoneda);
    return guardado;
}
