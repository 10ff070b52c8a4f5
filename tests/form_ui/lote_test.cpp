// The form's "Imprimir lote..." item: the CSV file asked for, its first receipt previewed with
// the count in the title, all of it printed and registered as one job, the number series
// carried on; the receipts per sheet chosen in the print dialog, for the batch and the form's
// own print.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>
#include <string>

#include "form/campos.h"
#include "output/vistalotedlg.h"
#include "register/registro.h"
#include "res/ids/identificadores.h"
#include "settings/esquema.h"
#include "tests/form_ui/formulario.h"
#include "tests/support/impresora_prestada.h"
#include "tests/support/ui.h"

namespace {

class LoteFormularioTest : public FormularioAbiertoTest {
  protected:
    void SetUp() override {
        FormularioAbiertoTest::SetUp();
        ui::Type(Dlg(), IDC_EDIT_NUMERO, "R-8");
        ui::Type(Dlg(), IDC_EDIT_CONCEPTO_1, "Cuota");
        ui::Type(Dlg(), IDC_EDIT_IMPORTE_1, "30");
    }

    // The file the file dialog will answer with.
    std::string Fichero(const std::string& sCsv) {
        std::string sRuta = m_carpeta.Ruta() + "/pagos.csv";
        PonerBytes(sRuta, sCsv);
        m_servicios.openFileAnswers.push_back(sRuta);
        return sRuta;
    }

    // A right click on the form's background and the menu's item of that text.
    void Menu(const QString& sItem) {
        QString elegido;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
                if (action->text() == sItem) {
                    elegido = action->text();
                    menu->setActiveAction(action);
                    QTest::keyClick(menu, Qt::Key_Return);
                }
            }
        });
        QWidget* fondo = ui::Control(Dlg(), IDC_EDIT_NUMERO)->parentWidget();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                                fondo->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(fondo, &click);
        EXPECT_EQ(elegido, sItem);
    }

    // The preview as the user finds it, then the button the user clicks in it.
    void EnLaVista(int nBoton) {
        m_servicios.QueueModal([this, nBoton](CDialog& dlg) {
            auto& vista = dynamic_cast<CVistaLoteDlg&>(dlg);
            m_primero = vista.m_recibo;
            m_sTitulo = ui::Window(dlg)->windowTitle();
            ui::Click(dlg, nBoton);
        });
    }

    void ElegirImpresora() {
        m_servicios.printAnswers.push_back(
            [this] { return std::make_unique<ImpresoraPrestada>(m_impreso); });
    }

    // The first payer line of each registered receipt, oldest first.
    static std::vector<std::string> Registrados() {
        std::vector<std::string> pagadores;
        CRegistro registro;
        registro.Recorrer({}, OrdenRegistro::kAntiguosPrimero, [&](const ReciboRegistrado& r) {
            pagadores.push_back(r.recibo.sPagador1);
        });
        return pagadores;
    }

    std::string NumeroGuardado() const { return ajustes::kNumero.Leer("(none)"); }

    ReciboData m_primero;
    QString m_sTitulo;
    RecordingDevice m_impreso;
};

TEST_F(LoteFormularioTest, PreviewsTheFirstAndPrintsAllAsOneJob) {
    Fichero("PAGADOR_1;IMPORTE_2\nAna;1,5\nLuis;2\nEva;3\n");
    EnLaVista(IDOK);
    ElegirImpresora();
    Menu(QStringLiteral("Imprimir lote..."));

    ASSERT_EQ(m_servicios.openFileCalls.size(), 1u);
    EXPECT_EQ(m_servicios.openFileCalls[0].defaultExtension, "csv");
    EXPECT_EQ(m_sTitulo, QStringLiteral("Imprimir lote: 3 recibos"));
    EXPECT_EQ(m_primero.sPagador1, "Ana");
    EXPECT_EQ(m_primero.sNumero, "R-8");
    EXPECT_EQ(m_primero.sConcepto1, "Cuota");  // the form's own receipt under the columns
    EXPECT_EQ(m_primero.cuImporte.Valor(), 315000);

    EXPECT_EQ(m_servicios.printAsked, 1);
    EXPECT_EQ(m_impreso.CallsOf(CallKind::StartDoc).size(), 1u);
    EXPECT_EQ(m_impreso.CallsOf(CallKind::StartPage).size(), 3u);
    EXPECT_EQ(Texto(IDC_EDIT_NUMERO), "R-11");
    EXPECT_EQ(NumeroGuardado(), "R-11");
    EXPECT_EQ(Registrados(), (std::vector<std::string>{"Ana", "Luis", "Eva"}));
}

// The print dialog offers the stored receipts per sheet; three chosen there put the batch's
// three receipts on one sheet, each a slot lower, and the choice is stored.
TEST_F(LoteFormularioTest, PrintDialogPutsThreeOnASheet) {
    Fichero("PAGADOR_1;IMPORTE_2\nAna;1,5\nLuis;2\nEva;3\n");
    EnLaVista(IDOK);
    ElegirImpresora();
    m_servicios.perSheetAnswers.push_back(3);
    Menu(QStringLiteral("Imprimir lote..."));

    EXPECT_EQ(m_servicios.perSheetOffered, std::vector<int>{1});
    EXPECT_EQ(ajustes::kPorHoja.Leer(), 3);
    EXPECT_EQ(m_impreso.CallsOf(CallKind::StartPage).size(), 1u);
    std::vector<int> origenes;
    for (const RecordedCall& c : m_impreso.CallsOf(CallKind::SetViewportOrg)) {
        origenes.push_back(c.rect.bottom);
    }
    EXPECT_EQ(origenes, (std::vector<int>{374, 748, 0}));  // 96 pixels per inch
    EXPECT_EQ(Registrados(), (std::vector<std::string>{"Ana", "Luis", "Eva"}));
}

// The form's print button prints the one receipt in the sheet's first slot; with two copies
// and two per sheet (offered as stored) its copy takes the second slot, and the register
// holds the receipt once.
TEST_F(LoteFormularioTest, PrintButtonPrintsTheReceiptAndItsCopyOnOneSheet) {
    ajustes::kPorHoja.Escribir(2);
    ajustes::kCopias.Escribir(2);
    ui::Type(Dlg(), IDC_EDIT_PAGADOR_1, "Ana");
    ElegirImpresora();
    ui::Click(Dlg(), IDC_BUTTON_IMPRIMIR);

    EXPECT_EQ(m_servicios.perSheetOffered, std::vector<int>{2});
    EXPECT_EQ(m_impreso.CallsOf(CallKind::StartPage).size(), 1u);
    std::vector<std::string> marcas;
    for (const RecordedCall& c : m_impreso.CallsOf(CallKind::DrawText)) {
        if (c.text == "ORIGINAL" || c.text == "COPIA") {
            marcas.push_back(c.text);
        }
    }
    EXPECT_EQ(marcas, (std::vector<std::string>{"ORIGINAL", "COPIA"}));
    EXPECT_EQ(Registrados(), std::vector<std::string>{"Ana"});
}

// Cancel in the preview, or in the print dialog, prints and registers nothing and keeps the
// number.
TEST_F(LoteFormularioTest, CancelPrintsNothingAndKeepsTheNumber) {
    for (const bool bEnLaVista : {true, false}) {
        Fichero("PAGADOR_1\nAna\nLuis\n");
        EnLaVista(bEnLaVista ? IDCANCEL : IDOK);
        Dlg().OnSysCommand(IDM_IMPRIMIR_LOTE);
        EXPECT_TRUE(m_impreso.Calls().empty());
        EXPECT_EQ(Texto(IDC_EDIT_NUMERO), "R-8");
        EXPECT_EQ(NumeroGuardado(), "(none)");
        EXPECT_TRUE(Registrados().empty());
    }
    EXPECT_EQ(m_servicios.printAsked, 1);
    EXPECT_EQ(m_servicios.modalRuns, (std::vector<int>{IDD_VISTA_PREVIA, IDD_VISTA_PREVIA}));
}

// A faulty file is named in a message box, with its row and column; nothing opens.
TEST_F(LoteFormularioTest, AFaultyFileIsShownAndNothingPrints) {
    Fichero("PAGADOR_1;IMPORTE_1\nAna;1\nLuis;12,5,0\n");
    Dlg().OnSysCommand(IDM_IMPRIMIR_LOTE);
    EXPECT_EQ(m_servicios.messages,
              std::vector<std::string>{"pagos.csv:3: IMPORTE_1: '12,5,0' no es un importe"});
    EXPECT_TRUE(m_servicios.modalRuns.empty());
    EXPECT_EQ(m_servicios.printAsked, 0);
    EXPECT_EQ(Texto(IDC_EDIT_NUMERO), "R-8");
}

// The form's batch names the user's month (the services' today) in the cells and in the
// form's fields; the form keeps its texts as typed.
TEST_F(LoteFormularioTest, ABatchNamesTodaysMonth) {
    ui::Type(Dlg(), IDC_EDIT_CONCEPTO_1, "Cuota de {MES}");
    m_servicios.today = Date{2027, 3, 31};
    Fichero("PAGADOR_1;CONCEPTO_2\nAna;{PERIODO}\n");
    EnLaVista(IDOK);
    ElegirImpresora();
    Dlg().OnSysCommand(IDM_IMPRIMIR_LOTE);
    EXPECT_EQ(m_primero.sConcepto1, "Cuota de marzo");
    EXPECT_EQ(m_primero.sConcepto2, "marzo de 2027");
    EXPECT_EQ(Texto(IDC_EDIT_CONCEPTO_1), "Cuota de {MES}");
    EXPECT_EQ(Registrados(), std::vector<std::string>{"Ana"});

    ui::Type(Dlg(), IDC_EDIT_CONCEPTO_1, "Cuota de {MESS}");
    Fichero("PAGADOR_1\nAna\n");
    Dlg().OnSysCommand(IDM_IMPRIMIR_LOTE);
    EXPECT_EQ(m_servicios.messages,
              std::vector<std::string>{"pagos.csv: CONCEPTO_1 del recibo guardado: '{MESS}' no es "
                                       "un marcador: se conocen {MES}, {MES_SIGUIENTE}, {A\xD1O} "
                                       "y {PERIODO}"});
}

TEST_F(LoteFormularioTest, NoFileChosenDoesNothing) {
    Dlg().OnSysCommand(IDM_IMPRIMIR_LOTE);
    EXPECT_EQ(m_servicios.openFileCalls.size(), 1u);
    EXPECT_TRUE(m_servicios.modalRuns.empty());
    EXPECT_TRUE(m_servicios.messages.empty());
}

}  // namespace
