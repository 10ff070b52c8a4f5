#include "bmp_writer.h"

#include <QFile>
#include <QHash>

#include <cstdint>

#include "palettes.h"

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kPixelsPerMetre = 3780;  // 96 dpi

void PutU16(QByteArray& out, std::uint16_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void PutU32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((v >> shift) & 0xFF));
    }
}

int RowBytes(int width, int bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

QByteArray Headers(const QImage& image, const BmpFormat& format) {
    const int tableBytes = format.bitsPerPixel <= 8 ? static_cast<int>(format.table.size()) * 4 : 0;
    const int pixelOffset = kFileHeaderSize + kInfoHeaderSize + tableBytes;
    const int imageBytes = RowBytes(image.width(), format.bitsPerPixel) * image.height();
    QByteArray out;
    out.append("BM");
    PutU32(out, static_cast<std::uint32_t>(pixelOffset + imageBytes));
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>(pixelOffset));
    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<std::uint32_t>(image.width()));
    PutU32(out, static_cast<std::uint32_t>(image.height()));  // positive: bottom-up rows
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint16_t>(format.bitsPerPixel));
    PutU32(out, 0);  // BI_RGB, uncompressed
    PutU32(out, static_cast<std::uint32_t>(imageBytes));
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, static_cast<std::uint32_t>(format.coloursUsed));
    PutU32(out, 0);  // all colours important
    if (format.bitsPerPixel <= 8) {
        for (QRgb c : format.table) {
            out.append(static_cast<char>(qBlue(c)));
            out.append(static_cast<char>(qGreen(c)));
            out.append(static_cast<char>(qRed(c)));
            out.append('\0');
        }
    }
    return out;
}

// One row of indexes packed at 1, 4 or 8 bits, most significant bits first.
QByteArray IndexedRow(const QImage& image, int y, const BmpFormat& format,
                      QHash<QRgb, int>& cache) {
    QByteArray row(RowBytes(image.width(), format.bitsPerPixel), '\0');
    const int bpp = format.bitsPerPixel;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb colour = image.pixel(x, y) | 0xFF000000u;
        auto found = cache.find(colour);
        if (found == cache.end()) {
            found = cache.insert(colour, NearestIndex(format.table, colour));
        }
        const int bit = x * bpp;
        const int shift = 8 - bpp - (bit % 8);
        row[bit / 8] =
            static_cast<char>(static_cast<unsigned char>(row[bit / 8]) | (found.value() << shift));
    }
    return row;
}

QByteArray TrueColourRow(const QImage& image, int y) {
    QByteArray row(RowBytes(image.width(), 24), '\0');
    for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        row[x * 3] = static_cast<char>(qBlue(c));
        row[x * 3 + 1] = static_cast<char>(qGreen(c));
        row[x * 3 + 2] = static_cast<char>(qRed(c));
    }
    return row;
}

}  // namespace

bool WriteBmp(const QString& path, const QImage& image, const BmpFormat& format) {
    QByteArray data = Headers(image, format);
    QHash<QRgb, int> cache;
    for (int y = image.height() - 1; y >= 0; --y) {
        data.append(format.bitsPerPixel <= 8 ? IndexedRow(image, y, format, cache)
                                             : TrueColourRow(image, y));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}
