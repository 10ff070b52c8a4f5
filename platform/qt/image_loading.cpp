#include "platform/qt/image_loading.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSize>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "platform/bmp_decoding.h"
#include "platform/qt/text_1252.h"

namespace {

// The largest image accepted: a logo is 300 x 750 pixels; this leaves room for any photograph
// while no header can make us allocate more than 256 MB for the pixels.
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr int kAllocationLimitMb = 256;
constexpr qint64 kMaxFileBytes = 300LL * 1024 * 1024;

std::span<const std::uint8_t> BytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()),
            static_cast<std::size_t>(data.size())};
}

// The JPEG decoder fills a cut-off scan with grey and reports success: a complete file ends its
// last scan with the end-of-image marker (an embedded thumbnail has its own pair before it).
bool JpegIsComplete(const QByteArray& data) {
    qsizetype lastScan = data.lastIndexOf(QByteArrayView("\xFF\xDA", 2));
    return lastScan >= 0 && data.lastIndexOf(QByteArrayView("\xFF\xD9", 2)) > lastScan;
}

// Every row of the image through one conversion of its pixels into the bitmap's 0x00RRGGBB.
template <typename Pixel, typename Convert>
void CopyRows(const QImage& image, Bitmap& bitmap, Convert convert) {
    const std::size_t width = static_cast<std::size_t>(image.width());
    bitmap.pixels.resize(width * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const Pixel*>(image.constScanLine(y));
        std::transform(line, line + width, bitmap.pixels.data() + std::size_t(y) * width, convert);
    }
}

// The pixels, opaque: a picture with transparency is laid on white paper. The decoded image is
// converted where it lies, and an image with a colour table (the glyph sheet) is read a byte
// per pixel through its table, so no full-colour copy of it is made on the way.
void CopyPixels(QImage image, Bitmap& bitmap) {
    if (image.colorCount() > 0 && !image.hasAlphaChannel()) {
        image.convertTo(QImage::Format_Indexed8);
        std::vector<std::uint32_t> table;
        for (QRgb colour : image.colorTable()) {
            table.push_back(colour & 0x00FFFFFFu);
        }
        table.resize(256, 0);
        CopyRows<uchar>(image, bitmap, [&table](uchar index) { return table[index]; });
        return;
    }
    if (image.hasAlphaChannel()) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        image = std::move(flat);
    } else {
        image.convertTo(QImage::Format_RGB32);
    }
    CopyRows<QRgb>(image, bitmap, [](QRgb rgb) { return rgb & 0x00FFFFFFu; });
}

// Depth and colour count of a PNG or JPEG, from what the decoder made of it.
void DescribeDecoded(const QImage& image, Bitmap& bitmap) {
    if (image.colorCount() > 0) {
        bitmap.bitsPerPixel = image.depth();
        bitmap.colorsUsed = image.colorCount();
        for (QRgb colour : image.colorTable()) {
            bitmap.colorTable.push_back(colour & 0x00FFFFFFu);
        }
    } else if (image.format() == QImage::Format_Grayscale8) {
        bitmap.bitsPerPixel = 8;
        for (std::uint32_t grey = 0; grey < 256; ++grey) {
            bitmap.colorTable.push_back(grey * 0x010101u);
        }
        bitmap.colorsUsed = 256;
    } else {
        bitmap.bitsPerPixel = image.hasAlphaChannel() ? 32 : 24;
    }
}

// The format from the file's signature: only these three are read. Asking the decoders
// instead would load every image plugin installed to let each one look.
QByteArray FormatOf(const QByteArray& data) {
    if (data.startsWith("BM")) {
        return "bmp";
    }
    if (data.startsWith("\x89PNG\r\n\x1A\n")) {
        return "png";
    }
    if (data.startsWith("\xFF\xD8")) {
        return "jpeg";
    }
    return {};
}

BitmapPtr Decode(const QByteArray& data) {
    const QByteArray format = FormatOf(data);
    if (format.isEmpty()) {
        return nullptr;
    }
    static std::once_flag s_limitSet;
    std::call_once(s_limitSet, [] { QImageReader::setAllocationLimit(kAllocationLimitMb); });
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (format == "jpeg" && !JpegIsComplete(data)) {
        return nullptr;
    }
    std::optional<BmpHeader> bmp;
    if (format == "bmp") {
        bmp = ReadBmpHeader(BytesOf(data));
        if (!bmp || !bmp->complete) {
            return nullptr;
        }
    }
    // The BMP reader claims a top-down bitmap's negative height; the header's own size is used.
    const QSize claimed = bmp ? QSize(bmp->width, bmp->height) : reader.size();
    if (claimed.isEmpty() || claimed.width() > kMaxImageSide || claimed.height() > kMaxImageSide ||
        qint64(claimed.width()) * claimed.height() > kMaxPixels) {
        return nullptr;
    }
    if (bmp && DecodedHere(*bmp)) {
        return DecodeBmp(BytesOf(data), *bmp);
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        return nullptr;
    }
    auto bitmap = std::make_shared<Bitmap>();
    bitmap->width = image.width();
    bitmap->height = image.height();
    if (bmp) {
        bitmap->bitsPerPixel = bmp->bitsPerPixel;
        bitmap->colorsUsed = bmp->colorsUsed;
        bitmap->colorTable = std::move(bmp->colorTable);
    } else {
        DescribeDecoded(image, *bitmap);
    }
    CopyPixels(std::move(image), *bitmap);
    return bitmap;
}

BitmapPtr DecodeFile(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) {
        return nullptr;
    }
    return Decode(file.readAll());
}

}  // namespace

BitmapPtr LoadBitmapResource(int id) {
    return DecodeFile(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
}

BitmapPtr LoadBitmapFromFile(const std::string& path) {
    if (path.empty()) {
        return nullptr;
    }
    return DecodeFile(QtFileName(path));
}
