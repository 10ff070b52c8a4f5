// Printing and the preview window: the document, the print dialog's answers, and the preview
// drawing exactly what printing draws.
#include <QImage>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "output/vistapreviadlg.h"
#include "settings/ficherostxt.h"
#include "tests/output/entorno_salida.h"
#include "tests/support/ui.h"

namespace {

// A printer as the print dialog hands it over, drawing into a recording device the test keeps.
class ImpresoraPrestada : public PrintDevice {
  public:
    explicit ImpresoraPrestada(RecordingDevice& dc) : m_dc(dc) {}
    int GetDeviceCaps(int index) const override { return m_dc.GetDeviceCaps(index); }
    void SetMapModeAnisotropic() override { m_dc.SetMapModeAnisotropic(); }
    void SetWindowExt(int cx, int cy) override { m_dc.SetWindowExt(cx, cy); }
    void SetViewportExt(int cx, int cy) override { m_dc.SetViewportExt(cx, cy); }
    Pen SelectPen(const Pen& pen) override { return m_dc.SelectPen(pen); }
    Brush SelectBrush(const Brush& brush) override { return m_dc.SelectBrush(brush); }
    LogFont SelectFont(const LogFont& font) override { return m_dc.SelectFont(font); }
    int GetBkMode() const override { return m_dc.GetBkMode(); }
    int SetBkMode(int mode) override { return m_dc.SetBkMode(mode); }
    void Rectangle(int l, int t, int r, int b) override { m_dc.Rectangle(l, t, r, b); }
    void DrawText(const std::string& s, const Rect& r, unsigned f) override {
        m_dc.DrawText(s, r, f);
    }
    void BitBlt(int x, int y, int w, int h, const Bitmap& b, int sx, int sy) override {
        m_dc.BitBlt(x, y, w, h, b, sx, sy);
    }
    int StartDoc(const std::string& s) override { return m_dc.StartDoc(s); }
    int StartPage() override { return m_dc.StartPage(); }
    int EndPage() override { return m_dc.EndPage(); }
    int EndDoc() override { return m_dc.EndDoc(); }

  private:
    RecordingDevice& m_dc;
};

std::vector<std::string> Descritas(const std::vector<RecordedCall>& calls) {
    std::vector<std::string> lineas;
    for (const RecordedCall& c : calls) {
        lineas.push_back(Describir(c));
    }
    return lineas;
}

std::vector<CallKind> Tipos(const RecordingDevice& dc) {
    std::vector<CallKind> tipos;
    for (const RecordedCall& c : dc.Calls()) {
        tipos.push_back(c.kind);
    }
    return tipos;
}

bool EsDeDocumento(const RecordedCall& c) {
    return c.kind == CallKind::StartDoc || c.kind == CallKind::StartPage ||
           c.kind == CallKind::EndPage || c.kind == CallKind::EndDoc;
}

class ImpresionTest : public SalidaTest {
  protected:
    ImpresionTest() {
        EscribirValor("Recibo", "Texto2", "Gracias");
        QImage logo(40, 30, QImage::Format_RGB32);
        logo.fill(Qt::red);
        const std::string sLogo = m_carpeta.Ruta() + "/logo.png";
        logo.save(QString::fromStdString(sLogo));
        EscribirValor("Recibo", "FileLogo", sLogo);
    }
    void ElegirImpresora(RecordingDevice& dc) {
        m_servicios.printAnswers.push_back(
            [&dc] { return std::make_unique<ImpresoraPrestada>(dc); });
    }
};

TEST_F(ImpresionTest, PrintIsOneNamedPageHoldingTheReceipt) {
    RecordingDevice impreso;
    ElegirImpresora(impreso);
    ReciboCompleto().ImprimirRecibo();

    EXPECT_EQ(m_servicios.printAsked, 1);
    const std::vector<RecordedCall>& calls = impreso.Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls.front().kind, CallKind::StartDoc);
    EXPECT_EQ(calls.front().text, "Imprimiento Recibo");
    EXPECT_EQ(calls[1].kind, CallKind::StartPage);
    EXPECT_EQ(calls[calls.size() - 2].kind, CallKind::EndPage);
    EXPECT_EQ(calls.back().kind, CallKind::EndDoc);
    EXPECT_EQ(impreso.CallsOf(CallKind::StartPage).size(), 1u);

    RecordingDevice directo;
    ReciboCompleto().DibujarRecibo(directo);
    std::vector<RecordedCall> pagina(calls.begin() + 2, calls.end() - 2);
    EXPECT_EQ(Descritas(pagina), Descritas(directo.Calls()));
}

TEST_F(ImpresionTest, CancelledDialogOrRefusedDocumentPrintsNothing) {
    ReciboCompleto().ImprimirRecibo();  // nothing queued: the dialog is cancelled
    EXPECT_EQ(m_servicios.printAsked, 1);

    RecordingDevice rechaza;
    rechaza.SetStartDocResult(0);
    ElegirImpresora(rechaza);
    ReciboCompleto().ImprimirRecibo();
    EXPECT_EQ(m_servicios.printAsked, 2);
    EXPECT_EQ(Tipos(rechaza), std::vector<CallKind>{CallKind::StartDoc});
    EXPECT_TRUE(m_servicios.messages.empty());
}

TEST_F(ImpresionTest, PreviewPaintDrawsWhatPrintingDraws) {
    CVistaPreviaDlg dlg;
    dlg.m_recibo = ReciboCompleto();
    RecordingDevice pintado;
    dlg.OnPaint(pintado);

    RecordingDevice impreso;
    ElegirImpresora(impreso);
    ReciboCompleto().ImprimirRecibo();
    std::vector<RecordedCall> pagina = impreso.Calls();
    std::erase_if(pagina, EsDeDocumento);

    EXPECT_EQ(Descritas(pintado.Calls()), Descritas(pagina));
    EXPECT_EQ(pintado.CallsOf(CallKind::BitBlt).size(), 1u);  // the logo
}

// The preview run as a user sees it: maximised, both buttons shown with their pictures, the
// receipt painted on the client area, and the scroll bars reaching all of it.
TEST_F(ImpresionTest, PreviewWindowShowsTheReceiptAndScrolls) {
    CVistaPreviaDlg dlg;
    dlg.m_recibo = ReciboCompleto();
    bool bVisto = false;
    m_servicios.QueueModal([&](CDialog& d) {
        QWidget* ventana = ui::Window(d);
        EXPECT_TRUE(ventana->windowState() & Qt::WindowMaximized);
        EXPECT_TRUE(d.Window().IsVisible(IDOK));
        EXPECT_TRUE(d.Window().IsVisible(IDCANCEL));
        EXPECT_TRUE(ui::Control(d, IDOK)->isVisible());
        for (const int id : {IDOK, IDCANCEL}) {
            const auto* boton = qobject_cast<QPushButton*>(ui::Control(d, id));
            ASSERT_NE(boton, nullptr);
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

TEST_F(ImpresionTest, PreviewOkPrintsThenClosesEvenWhenThePrintDialogIsCancelled) {
    CVistaPreviaDlg dlg;
    dlg.m_recibo = ReciboCompleto();
    m_servicios.QueueModal([](CDialog& d) { ui::Click(d, IDOK); });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(m_servicios.printAsked, 1);

    CVistaPreviaDlg otro;
    otro.m_recibo = ReciboCompleto();
    RecordingDevice impreso;
    ElegirImpresora(impreso);
    m_servicios.QueueModal([](CDialog& d) { ui::Key(d, Qt::Key_Return); });
    EXPECT_EQ(otro.DoModal(), IDOK);
    EXPECT_EQ(impreso.CallsOf(CallKind::StartDoc).size(), 1u);
    EXPECT_EQ(impreso.CallsOf(CallKind::Rectangle).size(), 9u);
}

}  // namespace
