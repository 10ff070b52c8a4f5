#include "image_bytes.h"

#include <QBuffer>
#include <QByteArray>

namespace {

void Put(std::string& bytes, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

constexpr std::uint32_t kCoreHeader = 12;

std::string CoreHeader(const BmpFields& fields) {
    std::string info;
    Put(info, kCoreHeader, 4);
    Put(info, std::uint32_t(fields.width), 2);
    Put(info, std::uint32_t(fields.height), 2);
    Put(info, 1, 2);
    Put(info, std::uint32_t(fields.bits), 2);
    return info;
}

std::string InfoHeader(const BmpFields& fields, std::size_t pixelBytes) {
    std::string info;
    Put(info, fields.infoSize, 4);
    Put(info, std::uint32_t(fields.width), 4);
    Put(info, std::uint32_t(fields.height), 4);
    Put(info, 1, 2);
    Put(info, std::uint32_t(fields.bits), 2);
    Put(info, fields.compression, 4);
    Put(info, pixelBytes, 4);
    Put(info, 2835, 4);
    Put(info, 2835, 4);
    Put(info, fields.colorsUsed, 4);
    Put(info, 0, 4);
    for (std::uint32_t mask : fields.masks) {
        Put(info, mask, 4);
    }
    if (fields.infoSize >= 52) {
        info.resize(fields.infoSize, '\0');
    }
    return info;
}

}  // namespace

std::string BmpFile(const BmpFields& fields, const std::string& pixelData) {
    const bool core = fields.infoSize == kCoreHeader;
    const std::string info = core ? CoreHeader(fields) : InfoHeader(fields, pixelData.size());
    const std::uint32_t entrySize = core ? 3 : 4;
    const std::uint32_t offset =
        14 + std::uint32_t(info.size()) + entrySize * std::uint32_t(fields.table.size());
    std::string bmp = "BM";
    Put(bmp, offset + pixelData.size(), 4);
    Put(bmp, 0, 4);
    Put(bmp, offset, 4);
    bmp += info;
    for (std::uint32_t rgb : fields.table) {
        Put(bmp, rgb, int(entrySize));  // 0x00RRGGBB is stored as blue, green, red[, 0]
    }
    return bmp + pixelData;
}

std::string PackedRows(const std::vector<std::vector<std::uint32_t>>& rows, int bytes) {
    std::string data;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (std::uint32_t value : *row) {
            Put(data, value, bytes);
        }
        data.resize((data.size() + 3) / 4 * 4, '\0');
    }
    return data;
}

std::string Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}
