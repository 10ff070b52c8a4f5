// The program's start-up: the form is its one window and its end is the program's end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "app/boxes/aboutdlg.h"
#include "app/reciboapp.h"
#include "form/campos.h"
#include "form/ui/recibodlg.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/support/carpeta_temporal.h"
#include "tests/support/scripted_services.h"
#include "tests/support/ui.h"

namespace {

class AplicacionTest : public ::testing::Test {
  protected:
    // A settings folder past its first start.
    void SetUp() override { ajustes::kInicializado.Escribir(1); }

    // Runs the program with the user's actions on the form; true when it ended.
    bool Ejecutar(std::function<void(CReciboDlg&)> acciones) {
        bool bTerminado = false;
        m_servicios.QueueModal([&](CDialog& dlg) {
            auto* recibo = dynamic_cast<CReciboDlg*>(&dlg);
            ASSERT_NE(recibo, nullptr);
            acciones(*recibo);
            bTerminado = dlg.Window().IsEnded();
        });
        EXPECT_FALSE(CReciboApp().InitInstance());
        return bTerminado;
    }

    CarpetaTemporal m_carpeta;
    ScriptedServices m_servicios;
};

TEST_F(AplicacionTest, ElFormularioEsLaVentanaDelPrograma) {
    Ejecutar([](CReciboDlg& dlg) { EXPECT_TRUE(ui::Window(dlg)->isVisible()); });
    EXPECT_EQ(m_servicios.modalRuns, std::vector<int>{IDD_RECIBO_DIALOG});
}

TEST_F(AplicacionTest, EscapeTerminaSinEscribirLosAjustes) {
    std::string sAntes;
    const bool bTerminado = Ejecutar([&](CReciboDlg& dlg) {
        sAntes = BytesDe(m_carpeta.Fichero());
        ui::Type(dlg, IDC_EDIT_LOCALIDAD, "Lugo");
        m_servicios.saveAnswers = {SaveChoice::Discard};  // "No guardar"
        ui::Key(dlg, Qt::Key_Escape);
    });
    EXPECT_TRUE(bTerminado);
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sAntes);
}

// Salir ends the program; Return in a field does not.
TEST_F(AplicacionTest, SalirTerminaElProgramaEIntroNo) {
    EXPECT_TRUE(Ejecutar([](CReciboDlg& dlg) { ui::Click(dlg, IDC_BUTTON_SALIR); }));
    EXPECT_FALSE(Ejecutar([](CReciboDlg& dlg) {
        ui::Type(dlg, IDC_EDIT_NUMERO, "7");
        ui::Key(dlg, Qt::Key_Return);
    }));
}

TEST_F(AplicacionTest, LaBienvenidaSaleAntesDeMostrarseElFormulario) {
    ajustes::kInicializado.Escribir(0);
    int nVentanasVisibles = 0;
    m_servicios.QueueModal([&](CDialog&) {
        for (const QWidget* w : QApplication::topLevelWidgets()) {
            nVentanasVisibles += w->isVisible() ? 1 : 0;
        }
    });
    Ejecutar([](CReciboDlg&) {});
    EXPECT_EQ(nVentanasVisibles, 1);  // the welcome box alone
    EXPECT_EQ(m_servicios.modalRuns, (std::vector<int>{IDD_RECIBO_DIALOG, IDD_SALUDO}));
}

// The About box from the system menu or F1: its buttons open their targets, the box stays.
TEST_F(AplicacionTest, AcercaDeAbreSusEnlaces) {
    bool bSigueAbierto = false;
    Ejecutar([&](CReciboDlg& dlg) {
        m_servicios.QueueModal([&](CDialog& dlgAbout) {
            for (const int id : {IDC_PAGINA_OFICIAL, IDC_DISTRIBUIDOR, IDC_CORREO}) {
                ui::Click(dlgAbout, id);
            }
            bSigueAbierto = !dlgAbout.Window().IsEnded();
        });
        dlg.OnSysCommand(IDM_ABOUTBOX);
        ui::Key(dlg, Qt::Key_F1);
    });
    EXPECT_TRUE(bSigueAbierto);
    EXPECT_EQ(m_servicios.modalRuns,
              (std::vector<int>{IDD_RECIBO_DIALOG, IDD_ABOUTBOX, IDD_ABOUTBOX}));
    ASSERT_EQ(m_servicios.shellOpened.size(), 3u);
    EXPECT_TRUE(m_servicios.shellOpened[0].starts_with("https://"));
    EXPECT_EQ(m_servicios.shellOpened[1], "https://distribuidor.example.org");
    EXPECT_EQ(m_servicios.shellOpened[2], "mailto:soporte@brixamo.example.org");
}

// The form's window carries the program's icon at every size it is drawn at, and the About box
// shows the 32-pixel drawing rather than a stand-in.
TEST_F(AplicacionTest, ElIconoDelProgramaEstaEnLaVentanaYEnAcercaDe) {
    QList<QSize> tamanos;
    QImage iconoAcerca;
    Ejecutar([&](CReciboDlg& dlg) {
        tamanos = ui::Window(dlg)->windowIcon().availableSizes();
        m_servicios.QueueModal([&](CDialog& dlgAbout) {
            for (const QLabel* etiqueta : ui::Window(dlgAbout)->findChildren<QLabel*>()) {
                if (!etiqueta->pixmap().isNull()) {
                    iconoAcerca = etiqueta->pixmap().toImage();
                }
            }
        });
        dlg.OnSysCommand(IDM_ABOUTBOX);
    });
    for (const int n : {16, 32, 48, 64, 128, 256}) {
        EXPECT_TRUE(tamanos.contains(QSize(n, n))) << n;
    }
    const QImage dibujo32(QStringLiteral(":/icons/32.png"));
    ASSERT_FALSE(dibujo32.isNull());
    EXPECT_EQ(iconoAcerca.convertToFormat(QImage::Format_ARGB32),
              dibujo32.convertToFormat(QImage::Format_ARGB32));
}

}  // namespace
