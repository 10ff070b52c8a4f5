// Printing and the preview window: the document, the print dialog's answers, and the preview
// drawing exactly what printing draws.
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "money/globalcurrency.h"
#include "output/apariencia_recibo.h"
#include "output/dibujarrecibo.h"
#include "output/imprimirrecibo.h"
#include "output/vistapreviadlg.h"
#include "register/registro.h"
#include "settings/esquema.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/impresora_prestada.h"
#include "tests/support/ui.h"

namespace {

class ImpresionTest : public SalidaTest {
  protected:
    ImpresionTest() {
        ajustes::kTexto2.Escribir("Gracias");
        QImage logo(40, 30, QImage::Format_RGB32);
        logo.fill(Qt::red);
        const std::string sLogo = m_carpeta.Ruta() + "/logo.png";
        logo.save(QString::fromStdString(sLogo));
        ajustes::kFileLogo.Escribir(sLogo);
    }
    // The next print dialog chooses a printer that records into `dc`.
    void ElegirImpresora(RecordingDevice& dc, int nStartDoc = 1) {
        m_servicios.printAnswers.push_back([&dc, nStartDoc] {
            auto impresora = std::make_unique<ImpresoraPrestada>(dc);
            impresora->SetStartDocResult(nStartDoc);
            return impresora;
        });
    }
    // The full receipt drawn under kDolares in the look in force.
    static std::vector<std::string> Directo() {
        RecordingDevice dc;
        DibujarRecibo(ReciboCompleto(), AparienciaEnVigor(), kDolares, dc);
        return Descritas(dc.Calls());
    }
};

TEST_F(ImpresionTest, PrintIsOneNamedPageHoldingTheReceipt) {
    RecordingDevice impreso;
    ElegirImpresora(impreso);
    ImprimirRecibo(ReciboCompleto(), kDolares);
    EXPECT_EQ(m_servicios.printAsked, 1);

    std::vector<std::string> esperadas = Directo();
    esperadas.insert(esperadas.begin(), {"startdoc 'Imprimiento Recibo'", "startpage"});
    esperadas.insert(esperadas.end(), {"endpage", "enddoc"});
    EXPECT_EQ(Descritas(impreso.Calls()), esperadas);
}

TEST_F(ImpresionTest, CancelledDialogOrRefusedDocumentPrintsNothing) {
    ImprimirRecibo(ReciboCompleto(), kDolares);  // nothing queued: the dialog is cancelled
    EXPECT_EQ(m_servicios.printAsked, 1);

    RecordingDevice rechaza;
    ElegirImpresora(rechaza, 0);
    ImprimirRecibo(ReciboCompleto(), kDolares);
    EXPECT_EQ(m_servicios.printAsked, 2);
    EXPECT_EQ(Descritas(rechaza.Calls()),
              std::vector<std::string>{"startdoc 'Imprimiento Recibo'"});
    EXPECT_TRUE(m_servicios.messages.empty());
}

TEST_F(ImpresionTest, PreviewPaintDrawsWhatPrintingDraws) {
    CVistaPreviaDlg dlg(kDolares);
    dlg.m_recibo = ReciboCompleto();
    RecordingDevice pintado;
    dlg.OnPaint(pintado);
    EXPECT_EQ(Descritas(pintado.Calls()), Directo());
    EXPECT_EQ(pintado.CallsOf(CallKind::BitBlt).size(), 1u);  // the logo
}

// Each paint reads the look anew: a colour, pattern, free text or logo changed in the options
// between two paints shows at the second, under the preview's own currency settings.
TEST_F(ImpresionTest, PreviewPaintReadsTheLookInForceAtEachPaint) {
    CVistaPreviaDlg dlg(kDolares);
    dlg.m_recibo = ReciboCompleto();
    const auto pintar = [&dlg] {
        RecordingDevice dc;
        dlg.OnPaint(dc);
        return dc;
    };
    const RecordingDevice antes = pintar();
    ajustes::kColorR.Escribir(12);
    ajustes::kFondo.Escribir(1);
    ajustes::kTexto2.Escribir("Otro texto");
    ajustes::kFileLogo.Escribir("");
    const RecordingDevice despues = pintar();

    EXPECT_EQ(antes.CallsOf(CallKind::Rectangle).front().brush,
              (Brush{BrushStyle::Solid, RGB(200, 255, 255)}));
    EXPECT_EQ(despues.CallsOf(CallKind::Rectangle).front().brush,
              (Brush{BrushStyle::DiagonalCrossHatch, RGB(12, 255, 255)}));
    EXPECT_EQ(antes.CallsOf(CallKind::BitBlt).size(), 1u);
    EXPECT_TRUE(despues.CallsOf(CallKind::BitBlt).empty());
    EXPECT_EQ(antes.CallsOf(CallKind::DrawText).back().text, "Gracias");
    EXPECT_EQ(despues.CallsOf(CallKind::DrawText).back().text, "Otro texto");
    for (const RecordingDevice* dc : {&antes, &despues}) {
        EXPECT_EQ(dc->CallsOf(CallKind::DrawText)[8].text, "#######$1,245.75");
    }
}

// A reprint draws under the currency settings it was registered with, whatever is in force,
// and leaves the settings in force, their file and the register as they were.
TEST_F(ImpresionTest, ReprintDrawsUnderItsRecordedCurrencyAndLeavesTheOnesInForce) {
    const AjustesMoneda enVigor = CGlobalCurrency::AjustesEnVigor();
    ASSERT_NE(enVigor, kDolares);
    const std::string sFichero = BytesDe(m_carpeta.Fichero());
    RecordingDevice impreso;
    ASSERT_TRUE(
        ImprimirEnDispositivo(ReciboCompleto(), AparienciaEnVigor(), kDolares, impreso, {}));

    RecordingDevice esperado;
    esperado.StartDoc(kNombreDocumento);
    esperado.StartPage();
    DibujarRecibo(ReciboCompleto(), AparienciaEnVigor(), kDolares, esperado);
    esperado.EndPage();
    esperado.EndDoc();
    EXPECT_EQ(Descritas(impreso.Calls()), Descritas(esperado.Calls()));
    const std::vector<RecordedCall> textos = impreso.CallsOf(CallKind::DrawText);
    ASSERT_GT(textos.size(), 17u);
    EXPECT_EQ(textos[8].text, "#######$1,245.75");
    EXPECT_EQ(textos[17].text, "1,234.50");
    EXPECT_EQ(CGlobalCurrency::AjustesEnVigor(), enVigor);
    EXPECT_EQ(BytesDe(m_carpeta.Fichero()), sFichero);
    EXPECT_FALSE(std::filesystem::exists(RutaRegistro()));
}

// The preview run as a user sees it: maximised, both buttons shown with their pictures, the
// receipt painted on the client area, and the scroll bars reaching all of it.
TEST_F(ImpresionTest, PreviewWindowShowsTheReceiptAndScrolls) {
    CVistaPreviaDlg dlg(kDolares);
    dlg.m_recibo = ReciboCompleto();
    bool bVisto = false;
    m_servicios.QueueModal([&](CDialog& d) {
        QWidget* ventana = ui::Window(d);
        EXPECT_TRUE(ventana->windowState() & Qt::WindowMaximized);
        for (const int id : {IDOK, IDCANCEL}) {
            const auto* boton = qobject_cast<QPushButton*>(ui::Control(d, id));
            ASSERT_NE(boton, nullptr);
            EXPECT_TRUE(d.Window().IsVisible(id) && boton->isVisible()) << "button " << id;
            EXPECT_FALSE(boton->icon().isNull()) << "button " << id;
        }

        ventana->showNormal();
        ventana->resize(320, 200);
        ui::ProcessEvents();
        QScrollArea* area = ventana->findChild<QScrollArea*>();
        ASSERT_NE(area, nullptr);
        EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
        EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        ui::ProcessEvents();
        EXPECT_LT(area->widget()->x(), 0);  // the client area moved left

        // The receipt's light cyan covers a good part of the client area.
        const QImage imagen = area->widget()->grab().toImage();
        int nCian = 0;
        for (int y = 0; y < imagen.height(); y += 2) {
            for (int x = 0; x < imagen.width(); x += 2) {
                nCian += imagen.pixelColor(x, y) == QColor(200, 255, 255) ? 1 : 0;
            }
        }
        EXPECT_GT(nCian, imagen.width() * imagen.height() / 40);
        bVisto = true;
        ui::Click(d, IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bVisto);
    EXPECT_EQ(m_servicios.printAsked, 0);
}

// OK, by click or by Return, prints and closes, even when the print dialog is cancelled.
TEST_F(ImpresionTest, PreviewOkPrintsThenClosesEvenWhenThePrintDialogIsCancelled) {
    RecordingDevice impreso;
    ElegirImpresora(impreso);
    m_servicios.QueueModal([](CDialog& d) { ui::Key(d, Qt::Key_Return); });
    m_servicios.QueueModal([](CDialog& d) { ui::Click(d, IDOK); });
    m_servicios.yesNoAnswers = {true};  // the second print repeats the number of the first
    for (int nVez = 1; nVez <= 2; ++nVez) {
        CVistaPreviaDlg dlg(kDolares);
        dlg.m_recibo = ReciboCompleto();
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(m_servicios.printAsked, nVez);
    }
    EXPECT_EQ(impreso.CallsOf(CallKind::StartDoc).size(), 1u);
    EXPECT_EQ(impreso.CallsOf(CallKind::Rectangle).size(), 9u);
}

}  // namespace
