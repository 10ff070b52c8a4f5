// The About box and the message box.
#include "res/controles.h"
#include "res/ids/identificadores.h"

namespace plantillas {

DialogTemplate PlantillaAcerca() {
    DialogTemplate t{IDD_ABOUTBOX, 273, 103, "", kDlgModalFrame, {}};
    auto& c = t.controls;
    c.push_back({-1, ControlKind::Icon, 11, 17, 21, 20, "", 0});
    c.push_back(Texto(11, 0, 24, 8, "Salir"));
    c.push_back(Texto(40, 10, 119, 8, "Brixamo v1.0"));
    c.push_back(Texto(40, 20, 150, 8, "\xA9 2026 Equipo Brixamo"));
    c.push_back(Texto(7, 37, 120, 8, "Dise\xF1o: Equipo Brixamo"));
    c.push_back(Texto(7, 48, 120, 8,
                      "Soporte t\xE9"
                      "cnico por correo:"));
    c.push_back(Texto(7, 60, 120, 8,
                      "Respuesta en dos d\xED"
                      "as laborables"));
    c.push_back(Texto(7, 72, 120, 8, "Distribuci\xF3n y venta:"));
    c.push_back(Boton(IDOK, 200, 7, 66, 16, "Aceptar", kDefault));
    c.push_back(Boton(IDC_PAGINA_OFICIAL, 130, 35, 136, 14, "P\xE1gina Oficial"));
    c.push_back(Boton(IDC_CORREO, 130, 51, 136, 14, "soporte@brixamo.example.org"));
    c.push_back(Boton(IDC_DISTRIBUIDOR, 130, 83, 136, 14, "https://distribuidor.example.org"));
    return t;
}

DialogTemplate PlantillaSaludo() {
    DialogTemplate t{IDD_SALUDO, 221, 134, "", kDlgModalFrame, {}};
    t.controls = {
        Edit(IDC_EDIT_TEXTO, 7, 7, 207, 103, kReadOnly | kMultiLine | kBorder | kTabStop),
        Boton(IDOK, 47, 113, 50, 14, "Aceptar", kDefault),
        Boton(IDCANCEL, 124, 113, 50, 14, "Cancelar"),
    };
    return t;
}

}  // namespace plantillas
