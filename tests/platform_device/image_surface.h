// A device drawing on an image of known size in pixels and millimetres, mapped to 0.1 mm
// logical units the way the receipt renderer maps it, and helpers to read what was drawn.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRect>
#include <memory>

#include "platform/qt/painter_device.h"

// A white 1-bit glyph cell of 22 x 39 pixels with a black top-left pixel.
Bitmap GlyphCell();

class ImageSurface {
  public:
    // How the drawing reaches the image: painted on it, or recorded as a QPicture (which keeps
    // lines as lines) and played back on it when the image is asked for.
    enum class Path { kDirect, kPlayedBack };

    // pixelsPerMm is the resolution; the surface is widthMm x heightMm.
    ImageSurface(int widthMm, int heightMm, double pixelsPerMm, QColor background = Qt::white,
                 Path path = Path::kDirect);
    ~ImageSurface();

    PainterDevice& device() { return *device_; }
    // Ends the painting (once) and gives the image.
    const QImage& image();
    // Maps one logical unit onto the given number of pixels in both directions.
    void PixelsPerUnit(int pixels);
    // The device pixel of a logical coordinate.
    int Px(int logical) const;

    // The smallest rectangle holding every pixel that differs from the background inside the
    // area (device pixels); empty when there is none.
    QRect Ink(const QRect& area);
    QRect Ink() { return Ink(image().rect()); }
    QColor At(int x, int y) { return image().pixelColor(x, y); }

  private:
    double pixelsPerMm_;
    QColor background_;
    QImage image_;
    QPicture picture_;
    QPainter painter_;
    std::unique_ptr<PainterDevice> device_;
};
