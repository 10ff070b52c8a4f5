// Keys on the form: Enter moves on, Escape ends; text outside Windows-1252 is refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include "form/campos.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/ui.h"

namespace {

class TecladoTest : public FormularioTest {
  protected:
    void SetUp() override {
        GuardarMonedaEspanola();
        Abrir();
    }
};

TEST_F(TecladoTest, IntroPasaAlCampoSiguienteSinCerrar) {
    ui::Type(Dlg(), IDC_EDIT_NUMERO, "15");
    ui::Key(Dlg(), Qt::Key_Return);
    EXPECT_FALSE(Dlg().Window().IsEnded());
    EXPECT_EQ(Dlg().Window().GetFocusId(), IDC_EDIT_LOCALIDAD);
    EXPECT_EQ(Texto(IDC_EDIT_NUMERO), "15");
    ui::Key(Dlg(), Qt::Key_Enter);
    EXPECT_FALSE(Dlg().Window().IsEnded());
    EXPECT_EQ(Dlg().Window().GetFocusId(), IDC_EDIT_IMPORTE);
}

// Enter leaving an amount field normalises it, as leaving it with Tab does.
TEST_F(TecladoTest, IntroEnUnImporteLoNormaliza) {
    ui::Type(Dlg(), IDC_EDIT_IMPORTE_1 + 5, "4,5");
    ui::Key(Dlg(), Qt::Key_Return);
    EXPECT_FALSE(Dlg().Window().IsEnded());
    EXPECT_EQ(Texto(IDC_EDIT_IMPORTE_1 + 5), "4,50");
}

TEST_F(TecladoTest, IntroEnModoEdicionTampocoCierra) {
    ui::Click(Dlg(), IDC_BUTTON_EDITAR);
    ui::Type(Dlg(), IDC_EDIT_DEF_NUMERO, "n");
    ui::Key(Dlg(), Qt::Key_Return);
    EXPECT_FALSE(Dlg().Window().IsEnded());
}

TEST_F(TecladoTest, EscapeCierraSinGuardar) {
    ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Lugo");
    const std::string sAntes = Fichero();
    ui::Key(Dlg(), Qt::Key_Escape);
    EXPECT_TRUE(Dlg().Window().IsEnded());
    EXPECT_EQ(Dlg().Window().Result(), IDCANCEL);
    EXPECT_EQ(Fichero(), sAntes);
}

TEST_F(TecladoTest, SalirCierraSinGuardar) {
    ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Lugo");
    const std::string sAntes = Fichero();
    ui::Click(Dlg(), IDC_BUTTON_SALIR);
    EXPECT_TRUE(Dlg().Window().IsEnded());
    EXPECT_EQ(Fichero(), sAntes);
}

TEST_F(TecladoTest, LaCajaDeCierreCierraSinGuardar) {
    ui::Type(Dlg(), IDC_EDIT_LOCALIDAD, "Lugo");
    const std::string sAntes = Fichero();
    ui::Window(Dlg())->close();
    ui::ProcessEvents();
    EXPECT_TRUE(Dlg().Window().IsEnded());
    EXPECT_EQ(Fichero(), sAntes);
}

TEST_F(TecladoTest, LosCaracteresFueraDeWindows1252NoEntran) {
    ui::Type(Dlg(), IDC_EDIT_CONCEPTO_1, QString::fromUtf8("a€ñ漢Ωb"));
    EXPECT_EQ(Texto(IDC_EDIT_CONCEPTO_1),
              "a\x80\xF1"
              "b");
    EXPECT_EQ(ui::Text(Dlg(), IDC_EDIT_CONCEPTO_1), QString::fromUtf8("a€ñb"));
}

TEST_F(TecladoTest, LoPegadoFueraDeWindows1252NoEntra) {
    QApplication::clipboard()->setText(QString::fromUtf8("x漢y€"));
    ui::Type(Dlg(), IDC_EDIT_DOMICILIO, "");
    ui::Control(Dlg(), IDC_EDIT_DOMICILIO)->setFocus();
    QKeyEvent pegar(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(ui::Control(Dlg(), IDC_EDIT_DOMICILIO), &pegar);
    ui::ProcessEvents();
    EXPECT_EQ(Texto(IDC_EDIT_DOMICILIO), "xy\x80");
}

}  // namespace
