#include "platform/qt/qt_devices.h"

#include <malloc.h>

#include <QFont>
#include <QFontInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>

#include "platform/pdf_print_scaling.h"
#include "platform/qt/painter_device.h"
#include "platform/qt/text_1252.h"
#include "settings/calibracion.h"

namespace {

// Qt's PDF writer (for files and for CUPS jobs alike) allocates and frees large compression
// buffers for every page; left to its defaults the allocator maps and unmaps them, and the
// kernel zeroes fresh pages, each time: two thirds of the time of a document of many pages.
// Freed memory is kept for the next page instead.
void KeepMemoryBetweenPages() {
    constexpr int kThreshold = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, kThreshold);
    mallopt(M_TRIM_THRESHOLD, kThreshold);
}

// A print job on a paged surface: the painter opens at StartDoc and closes at EndDoc; the
// surface is the page's printable area, with its origin at the area's top-left corner.
class DocumentDevice : public PainterDevice {
  public:
    int StartDoc(const std::string& documentName) override {
        if (painter_.isActive()) {
            return 0;
        }
        KeepMemoryBetweenPages();
        SetTitle(FromCp1252(documentName));
        if (!painter_.begin(&Surface())) {
            return 0;
        }
        AttachToSurface();
        ApplyCorrection();
        pageOpen_ = true;
        return 1;
    }

    int StartPage() override {
        if (!painter_.isActive()) {
            return 0;
        }
        if (!pageOpen_) {
            if (!Surface().newPage()) {
                return 0;
            }
            ApplyCorrection();
            pageOpen_ = true;
        }
        return 1;
    }

    int EndPage() override {
        if (!painter_.isActive() || !pageOpen_) {
            return 0;
        }
        pageOpen_ = false;
        return 1;
    }

    int EndDoc() override { return painter_.isActive() && painter_.end() ? 1 : 0; }

  protected:
    ~DocumentDevice() override = default;

    bool Printing() const { return painter_.isActive(); }

    virtual QPagedPaintDevice& Surface() = 0;
    virtual void SetTitle(const QString& title) = 0;

    // Called once the surface is set up, so the device reports its size before StartDoc.
    void AttachToSurface() {
        QPageLayout layout = Surface().pageLayout();
        const int dpi = Surface().logicalDpiX();
        const QRect area = layout.paintRectPixels(dpi);
        const QSizeF millimetres = layout.paintRect(QPageLayout::Millimeter).size();
        Attach(painter_, area.size(), millimetres, area.topLeft(),
               layout.fullRectPixels(dpi).height());
    }

    // Every page is drawn through this transform, set before anything is drawn on it.
    // Without a correction the painter is left alone, so that an uncorrected document is
    // written exactly as before (a transform set, even the identity, adds to the page).
    void ApplyCorrection() {
        if (!correction_.isIdentity()) {
            painter_.setWorldTransform(correction_);
        }
    }

    void Correct(const CalibracionImpresora& correction) {
        const QPageLayout layout = Surface().pageLayout();
        const QSizeF millimetres = layout.paintRect(QPageLayout::Millimeter).size();
        const QSize pixels = layout.paintRectPixels(Surface().logicalDpiX()).size();
        if (millimetres.width() > 0 && millimetres.height() > 0) {
            correction_ = CorrectionTransform(correction, pixels.width() / millimetres.width(),
                                              pixels.height() / millimetres.height());
        }
    }

  private:
    QPainter painter_;
    QTransform correction_;
    bool pageOpen_ = false;
};

// The file, once complete, asks viewers to print it at its actual size: a receipt shrunk to
// fit the paper's printable area is no longer the receipt's size. A file that cannot take
// that request is a file that failed.
class PdfDevice final : public DocumentDevice {
  public:
    explicit PdfDevice(const std::string& path)
        : writer_(QString::fromLocal8Bit(path.data(), qsizetype(path.size()))), path_(path) {
        writer_.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer_.setCreator(QStringLiteral("Brixamo"));
        AttachToSurface();
    }
    ~PdfDevice() override { EndDoc(); }

    int EndDoc() override {
        if (DocumentDevice::EndDoc() <= 0) {
            return 0;
        }
        return AskViewersNotToScale(path_) ? 1 : 0;
    }

  private:
    QPagedPaintDevice& Surface() override { return writer_; }
    void SetTitle(const QString& title) override { writer_.setTitle(title); }

    QPdfWriter writer_;
    std::string path_;
};

class PrinterDevice final : public DocumentDevice {
  public:
    PrinterDevice(std::unique_ptr<QPrinter> printer, const CalibracionImpresora& correction)
        : printer_(std::move(printer)) {
        AttachToSurface();
        Correct(correction);
    }
    // A job dropped before EndDoc is cancelled, not printed half drawn.
    ~PrinterDevice() override {
        if (Printing()) {
            printer_->abort();
        }
        EndDoc();
    }

  private:
    QPagedPaintDevice& Surface() override { return *printer_; }
    void SetTitle(const QString& title) override { printer_->setDocName(title); }

    std::unique_ptr<QPrinter> printer_;
};

}  // namespace

QTransform CorrectionTransform(const CalibracionImpresora& correction, double pixelsPerMmX,
                               double pixelsPerMmY) {
    const double scale = CalibracionImpresora::kEscalaNeutra;
    return QTransform(correction.nEscalaX / scale, 0, 0, correction.nEscalaY / scale,
                      correction.nDesplazamientoX / 10.0 * pixelsPerMmX,
                      correction.nDesplazamientoY / 10.0 * pixelsPerMmY);
}

std::unique_ptr<PrintDevice> WrapPrinter(std::unique_ptr<QPrinter> printer,
                                         const CalibracionImpresora& correction) {
    if (!printer) {
        return nullptr;
    }
    return std::make_unique<PrinterDevice>(std::move(printer), correction);
}

std::unique_ptr<PrintDevice> WrapPrinter(std::unique_ptr<QPrinter> printer) {
    if (!printer) {
        return nullptr;
    }
    const bool queue = printer->outputFormat() == QPrinter::NativeFormat;
    const CalibracionImpresora correction =
        queue ? LeerCalibracion(printer->printerName().toStdString()) : CalibracionImpresora{};
    return WrapPrinter(std::move(printer), correction);
}

void StartFontSystem(const std::string& face) {
    QFontInfo(QFont(FromCp1252(face))).family();
}

std::unique_ptr<PrintDevice> CreatePdfDevice(const std::string& path) {
    return std::make_unique<PdfDevice>(path);
}

std::unique_ptr<PrintDevice> CreatePrinterDevice(const std::string& queue) {
    QPrinterInfo info = queue.empty() ? QPrinterInfo::defaultPrinter()
                                      : QPrinterInfo::printerInfo(QString::fromLocal8Bit(
                                            queue.data(), qsizetype(queue.size())));
    if (info.isNull()) {
        return nullptr;
    }
    return WrapPrinter(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
}
