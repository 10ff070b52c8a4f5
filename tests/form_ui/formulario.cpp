#include "tests/form_ui/formulario.h"

#include <cstdlib>
#include <sstream>

IdiomaUsuario::IdiomaUsuario(const char* sLang) {
    for (const char* sVariable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* sValor = std::getenv(sVariable);
        m_anteriores.emplace_back(sVariable, sValor ? sValor : "");
        unsetenv(sVariable);
    }
    setenv("LANG", sLang, 1);
}

IdiomaUsuario::~IdiomaUsuario() {
    for (const auto& [sVariable, sValor] : m_anteriores) {
        if (sValor.empty()) {
            unsetenv(sVariable.c_str());
        } else {
            setenv(sVariable.c_str(), sValor.c_str(), 1);
        }
    }
}

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
