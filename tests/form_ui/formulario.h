// The receipt form opened on a settings folder of its own, with the desktop scripted.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "form/ui/recibodlg.h"
#include "res/ids/identificadores.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/entorno.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/scripted_services.h"

// Currency settings as a Spanish user keeps them, already past the first start.
inline void GuardarMonedaEspanola() {
    GuardarMoneda({",", ".", 2, 3, 0, "\x80", '#', "Euro"});
}

// The user's language as the locale variables tell it; the others are unset meanwhile.
class IdiomaUsuario : public VariablesTemporales {
  public:
    explicit IdiomaUsuario(const char* sLang)
        : VariablesTemporales{{"LANGUAGE", std::nullopt},
                              {"LC_ALL", std::nullopt},
                              {"LC_MESSAGES", std::nullopt},
                              {"LANG", sLang}} {}
};

// The labels' built-in texts, in the order of kEtiquetas.
inline const std::vector<std::string> kEtiquetasPorDefecto = {
    "numero",   "localidad", "importe", "fecha",    "vencimiento",
    "importes", "conceptos", "pagador", "cobrador", "domicilio"};

class FormularioTest : public ::testing::Test {
  protected:
    // Opens the form as the program does at start-up (without its modal run).
    CReciboDlg& Abrir();
    CReciboDlg& Dlg() { return *m_dlg; }
    std::string Texto(int id) const { return m_dlg->GetDlgItemText(id); }
    std::vector<std::string> Textos(std::initializer_list<int> ids) const {
        std::vector<std::string> textos;
        std::ranges::transform(ids, std::back_inserter(textos),
                               [this](int id) { return Texto(id); });
        return textos;
    }
    std::string Fichero() const { return BytesDe(m_carpeta.Fichero()); }
    // The key lines of the settings file, in file order.
    std::vector<std::string> Claves() const;

    IdiomaUsuario m_idioma{"es_ES.UTF-8"};
    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
    std::unique_ptr<CReciboDlg> m_dlg;
};

// The form already open on the Spanish currency settings.
class FormularioAbiertoTest : public FormularioTest {
  protected:
    void SetUp() override {
        GuardarMonedaEspanola();
        Abrir();
    }
};
