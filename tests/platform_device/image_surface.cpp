#include "image_surface.h"

#include <cmath>

ImageSurface::ImageSurface(int widthMm, int heightMm, double pixelsPerMm, QColor background,
                           Path path)
    : pixelsPerMm_(pixelsPerMm),
      background_(background),
      image_(int(std::lround(widthMm * pixelsPerMm)), int(std::lround(heightMm * pixelsPerMm)),
             QImage::Format_RGB32) {
    image_.fill(background);
    if (path == Path::kPlayedBack) {
        painter_.begin(&picture_);
    } else {
        painter_.begin(&image_);
    }
    device_ = std::make_unique<PainterDevice>(painter_, image_.size(), QSizeF(widthMm, heightMm));
    device_->SetMapModeAnisotropic();
    device_->SetWindowExt(widthMm * 10, heightMm * 10);
    device_->SetViewportExt(image_.width(), image_.height());
}

ImageSurface::~ImageSurface() = default;

const QImage& ImageSurface::image() {
    if (painter_.isActive()) {
        const bool playBack = painter_.device() == &picture_;
        painter_.end();
        if (playBack) {
            QPainter(&image_).drawPicture(0, 0, picture_);
        }
    }
    return image_;
}

int ImageSurface::Px(int logical) const {
    return int(std::lround(logical * pixelsPerMm_ / 10.0));
}

QRect ImageSurface::Ink(const QRect& area) {
    const QImage& img = image();
    QRect ink;
    QRect inside = area.intersected(img.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (img.pixelColor(x, y) != background_) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

void ImageSurface::PixelsPerUnit(int pixels) {
    device_->SetWindowExt(1, 1);
    device_->SetViewportExt(pixels, pixels);
}

Bitmap GlyphCell() {
    Bitmap cell{22,
                39,
                1,
                0,
                {0x000000, 0xFFFFFF},
                std::vector<std::uint32_t>(std::size_t{22} * 39, 0xFFFFFF)};
    cell.pixels[0] = 0x000000;
    return cell;
}
