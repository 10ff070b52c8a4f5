// The option dialogs opened on a settings folder of their own, with the desktop scripted.
#pragma once

#include <memory>

#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/moneda_prueba.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

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
