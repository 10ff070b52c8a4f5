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
#include <utility>
#include <vector>

#include "platform/qt/text_1252.h"

namespace {

// The largest image accepted: a logo is 300 x 750 pixels; this leaves room for any photograph
// while no header can make us allocate more than 256 MB for the pixels.
constexpr int kMaxSide = 10000;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
constexpr int kAllocationLimitMb = 256;
constexpr qint64 kMaxFileBytes = 300LL * 1024 * 1024;

// What a BMP file's headers state about it.
struct BmpHeader {
    QSize size;  // a negative height in the file (rows stored top-down) is given as its size
    int bitsPerPixel = 0;
    int colorsUsed = 0;
    std::vector<std::uint32_t> colorTable;  // in the file's order, 0x00RRGGBB
    bool complete = false;  // the file holds the colour table and the pixel data announced
};

std::uint32_t LittleEndian(const QByteArray& data, qsizetype offset, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(data[offset + i]);
    }
    return value;
}

// The colour table after the info header: the colours-used count of entries, or all that the
// depth allows when that is 0; entries are blue, green, red and (except in the core layout) a
// reserved byte. Nothing when the file is too short to hold them.
std::optional<std::vector<std::uint32_t>> ReadColorTable(const QByteArray& data, qsizetype start,
                                                         int entrySize, const BmpHeader& header) {
    std::vector<std::uint32_t> table;
    if (header.bitsPerPixel > 8 && header.colorsUsed == 0) {
        return table;
    }
    qint64 count = header.colorsUsed != 0 ? header.colorsUsed : 1LL << header.bitsPerPixel;
    if (count > 256 || start + count * entrySize > data.size()) {
        return std::nullopt;
    }
    for (qint64 i = 0; i < count; ++i) {
        table.push_back(LittleEndian(data, start + i * entrySize, 3));
    }
    return table;
}

// Reads the file and info headers (the OS/2 core header or any Windows info header). Pixel
// data is only measured for the uncompressed layouts (BI_RGB, BI_BITFIELDS); compressed data is
// checked by the decoder.
std::optional<BmpHeader> ReadBmpHeader(const QByteArray& data) {
    constexpr qsizetype kFileHeader = 14;
    if (data.size() < kFileHeader + 12 || !data.startsWith("BM")) {
        return std::nullopt;
    }
    std::uint32_t pixelOffset = LittleEndian(data, 10, 4);
    std::uint32_t infoSize = LittleEndian(data, kFileHeader, 4);
    BmpHeader header;
    qint64 width = 0, height = 0;
    std::uint32_t compression = 0;
    if (infoSize == 12) {
        width = LittleEndian(data, 18, 2);
        height = LittleEndian(data, 20, 2);
        header.bitsPerPixel = static_cast<int>(LittleEndian(data, 24, 2));
    } else if (infoSize >= 40 && data.size() >= kFileHeader + 40) {
        width = static_cast<std::int32_t>(LittleEndian(data, 18, 4));
        height = static_cast<std::int32_t>(LittleEndian(data, 22, 4));
        header.bitsPerPixel = static_cast<int>(LittleEndian(data, 28, 2));
        compression = LittleEndian(data, 30, 4);
        header.colorsUsed = static_cast<int>(LittleEndian(data, 46, 4));
    } else {
        return std::nullopt;
    }
    height = height < 0 ? -height : height;
    if (width <= 0 || width > kMaxSide || height <= 0 || height > kMaxSide) {
        return std::nullopt;
    }
    header.size = QSize(int(width), int(height));
    auto table = ReadColorTable(data, kFileHeader + infoSize, infoSize == 12 ? 3 : 4, header);
    if (!table) {
        return std::nullopt;
    }
    header.colorTable = std::move(*table);
    bool uncompressed = compression == 0 || compression == 3;
    qint64 stride = (width * header.bitsPerPixel + 31) / 32 * 4;
    header.complete = !uncompressed || qint64(pixelOffset) + stride * height <= data.size();
    return header;
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
        std::transform(line, line + width, bitmap.pixels.begin() + y * width, convert);
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
        bmp = ReadBmpHeader(data);
        if (!bmp || !bmp->complete) {
            return nullptr;
        }
    }
    // The BMP reader claims a top-down bitmap's negative height; the header's own size is used.
    const QSize claimed = bmp ? bmp->size : reader.size();
    if (claimed.isEmpty() || claimed.width() > kMaxSide || claimed.height() > kMaxSide ||
        qint64(claimed.width()) * claimed.height() > kMaxPixels) {
        return nullptr;
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
