#include "archivo_bmp.h"

#include <QFile>

#include <cstdint>

namespace {

std::uint32_t U32(const QByteArray& data, int offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(data[offset + i]);
    }
    return value;
}

std::uint16_t U16(const QByteArray& data, int offset) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(data[offset]) |
                                      (static_cast<unsigned char>(data[offset + 1]) << 8));
}

constexpr int kHeadersSize = 54;

}  // namespace

QString RutaRecurso(const QString& relative) {
    return QString(BRX_RES_DIR "/") + relative;
}

QString RutaBitmap(int id) {
    return RutaRecurso(QString("bitmaps/%1.bmp").arg(id));
}

std::optional<CabeceraBmp> LeerCabecera(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray data = file.readAll();
    if (data.size() < kHeadersSize || !data.startsWith("BM") || U32(data, 14) != 40) {
        return std::nullopt;
    }
    CabeceraBmp h;
    h.width = static_cast<int>(U32(data, 18));
    h.height = static_cast<int>(U32(data, 22));
    h.bitsPerPixel = U16(data, 28);
    h.compression = static_cast<int>(U32(data, 30));
    h.colorsUsed = static_cast<int>(U32(data, 46));
    const int pixelOffset = static_cast<int>(U32(data, 10));
    h.tableEntries = (pixelOffset - kHeadersSize) / 4;
    const long long rowBytes = ((static_cast<long long>(h.width) * h.bitsPerPixel + 31) / 32) * 4;
    h.sizeMatches = data.size() == pixelOffset + rowBytes * h.height &&
                    U32(data, 2) == static_cast<std::uint32_t>(data.size());
    return h;
}

QImage LeerPixeles(const QString& path) {
    QImage image(path, "BMP");
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

bool TodoDeColor(const QImage& image, const QRect& rect, QRgb colour) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFFu) != (colour & 0xFFFFFFu)) {
                return false;
            }
        }
    }
    return true;
}

bool MarcoDeColor(const QImage& image, int grosor, QRgb colour) {
    const int w = image.width();
    const int h = image.height();
    return TodoDeColor(image, QRect(0, 0, w, grosor), colour) &&
           TodoDeColor(image, QRect(0, h - grosor, w, grosor), colour) &&
           TodoDeColor(image, QRect(0, 0, grosor, h), colour) &&
           TodoDeColor(image, QRect(w - grosor, 0, grosor, h), colour);
}
