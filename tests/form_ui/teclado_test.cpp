// Keys on the form: Enter moves on, Escape ends; text outside Windows-1252 is refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <functional>

#include "form/campos.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

using TecladoTest = FormularioAbiertoTest;

// Enter moves on and normalises an amount it leaves, as Tab does; it never ends the form.
TEST_F(TecladoTest, IntroPasaAlCampoSiguienteSinCerrar) {
    ui::Type(Dlg(), IDC_EDIT_NUMERO, "15");
    ui::Key(Dlg(), Qt::Key_Return);
    EXPECT_EQ(Dlg().Window().GetFocusId(), IDC_EDIT_LOCALIDAD);
    EXPECT_EQ(Texto(IDC_EDIT_NUMERO), "15");
    ui::Key(Dlg(), Qt::Key_Enter);
    EXPECT_EQ(Dlg().Window().GetFocusId(), IDC_EDIT_IMPORTE);
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + 5, "4,5");
    ui::Key(Dlg(), Qt::Key_Return);
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE_1 + 5), "4,50");
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ui::Type(Dlg(), IDC_EDIT_DEF_NUMERO, "n");
    ui::Key(Dlg(), Qt::Key_Return);
    EXPECT_FALSE(Dlg().Window().IsEnded());
}

// Escape, the exit button and the window's close box, answered "No guardar", end the form
// without saving; Escape and the close box are the dialog's Cancel, the exit button's result
// makes no difference.
TEST_F(TecladoTest, CerrarNoGuarda) {
    const std::pair<std::function<void(CReciboDlg&)>, int> kCierres[] = {
        {[](CReciboDlg& dlg) { ui::Key(dlg, Qt::Key_Escape); }, IDCANCEL},
        {[](CReciboDlg& dlg) { ui::Click(dlg, IDC_BUTTON_SALIR); }, 0},
        {[](CReciboDlg& dlg) {
             ui::Window(dlg)->close();
             ui::ProcessEvents();
         },
         IDCANCEL}};
    for (const auto& [cerrar, nResultado] : kCierres) {
        Abrir();
        ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Lugo");
        m_servicios.saveAnswers = {SaveChoice::Discard};
        const std::string sAntes = Fichero();
        cerrar(Dlg());
        ASSERT_TRUE(Dlg().Window().IsEnded());
        if (nResultado != 0) {
            EXPECT_EQ(Dlg().Window().Result(), nResultado);
        }
        EXPECT_EQ(Fichero(), sAntes);
    }
}

TEST_F(TecladoTest, LoTecleadoOPegadoFueraDeWindows1252NoEntra) {
    ui::Type(Dlg(), IDC_EDIT_CONCEPTO_1, QString::fromUtf8("a€ñ漢Ωb"));
    EXPECT_EQ(Texto(IDC_EDIT_CONCEPTO_1),
              "a\x80\xF1"
              "b");
    EXPECT_EQ(ui::Text(Dlg(), IDC_EDIT_CONCEPTO_1), QString::fromUtf8("a€ñb"));

    QApplication::clipboard()->setText(QString::fromUtf8("x漢y€"));
    ui::Type(Dlg(), IDC_EDIT_DOMICILIO, "");
    QKeyEvent pegar(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(ui::Control(Dlg(), IDC_EDIT_DOMICILIO), &pegar);
    ui::ProcessEvents();
    EXPECT_EQ(Texto(IDC_EDIT_DOMICILIO), "xy\x80");
}

}  // namespace
