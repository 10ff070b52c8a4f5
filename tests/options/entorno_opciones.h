// The option dialogs opened on a settings folder of their own, with the desktop scripted.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "tests/settings/carpeta_temporal.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

// The currency settings a test starts from, stored as if the first start had passed.
struct Moneda {
    std::string sDecimal = ".";
    std::string sMiles = ",";
    int nDecimales = 2;
    int nPositivo = 0;
    int nNegativo = 0;
    int nRelleno = '#';
    std::string sSimbolo = "$";
    std::string sNombre = "Dolar";
};
void GuardarMoneda(const Moneda& moneda);

class OpcionesTest : public ::testing::Test {
  protected:
    OpcionesTest();

    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
};

// The date the calendar opens on: the system's, not the scripted one.
Date HoyDelSistema();

// Builds the dialog's window as a modal run would, without running it.
template <class Dialogo>
Dialogo& AbrirDialogo(std::unique_ptr<Dialogo>& dlg) {
    dlg.reset();
    dlg = std::make_unique<Dialogo>();
    dlg->Create();
    ui::ProcessEvents();
    return *dlg;
}

// Whether button id shows exactly the picture of bitmap resource nBitmap.
bool MuestraImagen(const CDialog& dlg, int id, int nBitmap);
