// The drawing device over a QPainter: printer pages, PDF files, images and widgets.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QSizeF>
#include <QTransform>
#include <memory>

#include "platform/device.h"

class QPrinter;

class PainterDevice : public PrintDevice {
  public:
    // Draws with an active painter on a surface of the given size in pixels and millimetres;
    // the surface is a whole sheet.
    PainterDevice(QPainter& painter, QSize pixels, QSizeF millimetres);
    ~PainterDevice() override;

    int GetDeviceCaps(int index) const override;
    void SetMapModeAnisotropic() override;
    void SetWindowExt(int cx, int cy) override;
    void SetViewportExt(int cx, int cy) override;
    void SetViewportOrg(int x, int y) override;
    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    LogFont SelectFont(const LogFont& font) override;
    int GetBkMode() const override;
    int SetBkMode(int mode) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void DrawText(const std::string& text, const Rect& rect, unsigned format) override;
    void BitBlt(int x, int y, int w, int h, const Bitmap& source, int sx, int sy) override;
    void BitBltShared(int x, int y, int w, int h, const BitmapPtr& source, int sx, int sy) override;

    // A device drawn straight on a painter has no document: these do nothing and succeed.
    int StartDoc(const std::string& documentName) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;

  protected:
    PainterDevice();  // for devices that open their painter at StartDoc
    // offset: where the surface starts on the sheet, in pixels; sheetHeight: the whole sheet's
    // height in pixels, of which the surface is the printable part (0: the surface is the
    // whole sheet).
    void Attach(QPainter& painter, QSize pixels, QSizeF millimetres, QPoint offset = {},
                int sheetHeight = 0);

  private:
    struct State;
    std::unique_ptr<State> state_;
};

struct CalibracionImpresora;

// A printer chosen in the print dialog; the device owns it and paints on it between StartDoc
// and EndDoc. A printer queue's pages are corrected by the queue's stored calibration; a
// printer writing a PDF file is never corrected.
std::unique_ptr<PrintDevice> WrapPrinter(std::unique_ptr<QPrinter> printer);

// The same with the correction given, whatever the printer writes to.
std::unique_ptr<PrintDevice> WrapPrinter(std::unique_ptr<QPrinter> printer,
                                         const CalibracionImpresora& correction);

// The painter's transform that applies the correction on a surface of that many pixels per
// millimetre: every point scaled about the surface's origin, then moved.
QTransform CorrectionTransform(const CalibracionImpresora& correction, double pixelsPerMmX,
                               double pixelsPerMmY);
