#include "tests/form_ui/formulario.h"

#include <sstream>

CReciboDlg& FormularioTest::Abrir() {
    m_dlg = std::make_unique<CReciboDlg>();
    m_dlg->Create();
    return *m_dlg;
}

std::vector<std::string> FormularioTest::Claves() const {
    std::vector<std::string> claves;
    std::istringstream fichero(Fichero());
    std::string sClave;
    std::string sValor;
    while (std::getline(fichero, sClave) && std::getline(fichero, sValor)) {
        claves.push_back(sClave);
    }
    return claves;
}
