// The message box: the welcome text by default, any text of several lines when given.
#include <gtest/gtest.h>

#include "app/boxes/saludodlg.h"
#include "res/ids/identificadores.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

QString TextoMostrado(CSaludoDlg& dlg) {
    ScriptedServices servicios;
    QString sMostrado;
    servicios.QueueModal([&](CDialog& d) { sMostrado = ui::Text(d, IDC_EDIT_TEXTO); });
    dlg.DoModal();
    return sMostrado;
}

// The welcome text by default; a text given keeps its lines and tabs.
TEST(SaludoTest, MuestraLaBienvenidaOElTextoDado) {
    CSaludoDlg bienvenida;
    EXPECT_EQ(TextoMostrado(bienvenida),
              QString::fromUtf8("Bienvenido, el programa Brixamo, le permitirá confeccionar "
                                "facturas y recibos, esperamos que sea de su agrado."));
    CSaludoDlg dlg;
    dlg.PonerTexto("Uno\r\n\tDos\r\nTres \xF1\r\n");
    EXPECT_EQ(TextoMostrado(dlg), QString::fromUtf8("Uno\n\tDos\nTres ñ\n"));
}

TEST(SaludoTest, ElTextoNoSePuedeEditar) {
    ScriptedServices servicios;
    CSaludoDlg dlg;
    bool bSoloLectura = false;
    servicios.QueueModal([&](CDialog& d) {
        ui::Type(d, IDC_EDIT_TEXTO, "x");
        bSoloLectura = d.Window().IsReadOnly(IDC_EDIT_TEXTO) &&
                       d.GetDlgItemText(IDC_EDIT_TEXTO) == CSaludoDlg::kTextoBienvenida;
    });
    dlg.DoModal();
    EXPECT_TRUE(bSoloLectura);
}

}  // namespace
